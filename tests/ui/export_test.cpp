// True size through the Qt binding: a fixture drawing (a 1 in line, a circle
// of radius 0.5, a hidden line, a text, a nested shape) exported as PDF, SVG
// and DXF and measured by independent readers (pdfinfo and pdftoppm,
// rsvg-convert, ezdxf); and Print at True Size of a 12 in wide drawing on
// Letter pages, read back with pdfinfo and pdftotext.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "app.h"
#include "commands/shell.h"
#include "output/export.h"
#include "objects.h"
#include "panel_platform.h"
#include "ui/qt_output.h"
#include "ui_tests.h"

namespace {

// The panel platform with the binding's exports and printer behind it.
using ExportingPlatform = WithQtOutput<PanelTestPlatform>;

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Dark pixels along a row (or a column) of a picture, give or take one
// pixel across it for a thin antialiased stroke: the first and the last.
std::pair<int, int> DarkSpan(const QImage& img, bool row, int at) {
    int first = -1, last = -1;
    const int n = row ? img.width() : img.height(), across = row ? img.height() : img.width();
    for (int i = 0; i < n; ++i)
        for (int j = std::max(0, at - 1); j <= std::min(across - 1, at + 1); ++j) {
            const QColor c = img.pixelColor(row ? i : j, row ? j : i);
            if (c.alpha() > 128 && c.lightness() < 200) {
                if (first < 0) first = i;
                last = i;
                break;
            }
        }
    return {first, last};
}

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    std::unique_ptr<ExportingPlatform> platform_;
    std::unique_ptr<App> app_;
    QLocale locale_;

    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
    int Add(const char* kind, double x, double y, double size, int color = 1) {
        return AddObject(app_->dwg, kind, x, y, size, color);
    }
    int Line(double x1, double y1, double x2, double y2, int type = 0) {
        return AddLine(app_->dwg, x1, y1, x2, y2, 1, type);
    }
    bool Export(ExportFormat f, const char* name, ExportJob& job) {
        job.format = f;
        job.path = Path(name);
        std::string error;
        const bool ok = ExportTable(*app_, job, error);
        if (!ok) qWarning("%s", error.c_str());
        return ok;
    }

private slots:
    void initTestCase() {
        locale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // Letter paper
        qputenv("ZARNIC_PRINT_TO_PDF", "1");
        for (const char* sub : {"font", "shapes"}) {
            QDir from(QString(ZARNIC_FIXTURES) + sub);
            for (const QString& f : from.entryList(QDir::Files)) QFile::copy(from.filePath(f), dir_.filePath(f));
        }
    }
    void init() {
        platform_ = std::make_unique<ExportingPlatform>();
        app_ = std::make_unique<App>(*platform_);
        Form_Load(*app_, dir_.path().toStdString() + "/", 12000, 8000);
        app_->set.BoardColor = 0;
    }
    void cleanup() {
        app_.reset();
        platform_.reset();
    }
    void cleanupTestCase() {
        QLocale::setDefault(locale_);
        qunsetenv("ZARNIC_PRINT_TO_PDF");
    }

    void threeFormatsAtTrueSize() {
        Line(0, 0, 1, 0);                 // 1 in
        Add("Circle", 2, 0.5, 0.5);       // 1 in across
        Line(0, 1, 2, 1, 1);              // hidden
        const int text = Add("Text", 0, 1.5, 0.2);
        app_->dwg.ObjText[text] = "AB";
        app_->dwg.ObjJust[text] = "S";
        const int shape = Add("Shape", 3, 0, 1, 2);
        app_->dwg.ObjText[shape] = "ScB-TestBox";
        double minX, minY, maxX, maxY;
        QVERIFY(DrawingExtents(*app_, minX, minY, maxX, maxY));

        // PDF: the page is the extents plus the margins; at 300 dpi the line is 300 pixels, the circle too.
        ExportJob pdf;
        QVERIFY(Export(ExportFormat::Pdf, "t.pdf", pdf));
        const QString info = Run("pdfinfo", {dir_.filePath("t.pdf")});
        QRegularExpressionMatch m = QRegularExpression("Page size: +([0-9.]+) x ([0-9.]+) pts").match(info);
        QVERIFY2(m.hasMatch(), qPrintable(info));
        QVERIFY(std::fabs(m.captured(1).toDouble() - 72 * (maxX - minX + 0.5)) <= 0.5);
        QVERIFY(std::fabs(m.captured(2).toDouble() - 72 * (maxY - minY + 0.5)) <= 0.5);
        Run("pdftoppm", {"-r", "300", "-png", "-singlefile", dir_.filePath("t.pdf"), dir_.filePath("t")});
        QImage page(dir_.filePath("t.png"));
        QVERIFY(!page.isNull());
        auto px = [&](double x) { return static_cast<int>(std::lround((x - minX + 0.25) * 300)); };
        auto py = [&](double y) { return static_cast<int>(std::lround((maxY + 0.25 - y) * 300)); };
        // Only the line's own stretch: the circle and the shape lie further right on its row.
        auto [l0, l1] = DarkSpan(page.copy(0, 0, px(1.3), page.height()), true, py(0));
        QVERIFY2(std::abs((l1 - l0 + 1) - 300) <= 2 && l0 >= px(-0.02) && l0 <= px(0.02),
                 qPrintable(QString("%1..%2").arg(l0).arg(l1)));
        auto [c0, c1] = DarkSpan(page.copy(px(1.3), 0, px(2.7) - px(1.3), page.height()), true, py(0.5));
        // Across the circle from the middle of its stroke on one side to the other's: the outer
        // edges less one stroke width (0.01 in, 3 pixels).
        QVERIFY2(std::abs((c1 - c0 + 1 - 3) - 300) <= 2, qPrintable(QString("%1..%2").arg(c0).arg(c1)));
        // Colour 1 prints black, the shape's colour 2 red.
        QVERIFY(page.pixelColor(px(0.5), py(0)).lightness() < 100);

        // SVG: its size in inches, and the line 96 pixels long at 96 dpi.
        ExportJob svg;
        QVERIFY(Export(ExportFormat::Svg, "t.svg", svg));
        QFile svgFile(dir_.filePath("t.svg"));
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        const QByteArray head = svgFile.read(400);
        QVERIFY2(head.contains(QString("width=\"%1in\"").arg(svg.width, 0, 'f', 4).toUtf8()), head.constData());
        QProcess::execute("rsvg-convert", {"-d", "96", "-p", "96", dir_.filePath("t.svg"), "-o", dir_.filePath("s.png")});
        QImage pic(dir_.filePath("s.png"));
        QVERIFY(!pic.isNull());
        QCOMPARE(pic.width(), static_cast<int>(std::ceil(svg.width * 96)));
        const int row = static_cast<int>(std::lround((maxY + 0.25) * 96));
        auto [s0, s1] = DarkSpan(pic.copy(0, 0, static_cast<int>((1.6 - minX) * 96), pic.height()), true, row);
        QVERIFY2(std::abs((s1 - s0 + 1) - 96) <= 1, qPrintable(QString("%1..%2").arg(s0).arg(s1)));

        // DXF: read strictly by ezdxf, with the drawing's coordinates.
        ExportJob dxf;
        QVERIFY(Export(ExportFormat::Dxf, "t.dxf", dxf));
        QProcess reader;
        reader.start("/usr/bin/python3", {QString(ZARNIC_FIXTURES) + "../ui/dxf_check.py", dir_.filePath("t.dxf")});
        QVERIFY(reader.waitForFinished(60000));
        QCOMPARE(reader.exitCode(), 0);
        const QString dump = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(dump.contains("LINE 1 BYLAYER 256 0.000000 0.000000 1.000000 0.000000"), qPrintable(dump));
        QVERIFY(dump.contains("CIRCLE 1 BYLAYER 256 2.000000 0.500000 0.500000"));
        QVERIFY(dump.contains("LINE 1 ZARNIC_HIDDEN 256 0.000000 1.000000 2.000000 1.000000"));
        QVERIFY(dump.contains(QRegularExpression("TEXT 1 \\S+ 256 0.000000 1.500000 .* 0.200000 0.000000 .*\\|AB")));
        QVERIFY(dump.contains("TEXT 2 ") && dump.contains("|R1"));  // the nested shape's label, exploded
        QVERIFY(dump.contains("LAYER 2 1"));
        QVERIFY(dump.contains("INSUNITS 1"));
    }

    void badPathsSayWhyAndWriteNothing() {
        Line(0, 0, 1, 0);
        for (ExportFormat f : {ExportFormat::Pdf, ExportFormat::Svg, ExportFormat::Dxf}) {
            ExportJob job;
            job.format = f;
            job.path = Path("missing/x.out");
            std::string error;
            QVERIFY(!ExportTable(*app_, job, error));
            QVERIFY2(!error.empty(), "no reason");
            QVERIFY(!QFile::exists(dir_.filePath("missing")));
        }
    }

    void trueSizePagesOfAWideDrawing() {
        Line(0, 0, 12, 0);
        Line(0, 2, 12, 2);
        app_->dwg.DwgPath = dir_.path().toStdString() + "/";
        app_->dwg.DwgName = "Wide.dwg";
        PrintTrueSize_Click(*app_);
        const QString pdf = dir_.filePath("Wide true size.pdf");
        QVERIFY(QFile::exists(pdf));
        const QString info = Run("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression("Pages: +2\\n")), qPrintable(info));
        QVERIFY2(info.contains("792 x 612 pts (letter)"), qPrintable(info));
        const QString text = Run("pdftotext", {pdf, "-"});
        QVERIFY2(text.contains("Wide page 1,1 of 1 x 2") || text.contains("Wide  page 1,1 of 1 x 2"), qPrintable(text));
        QVERIFY(text.contains("page 1,2 of 1 x 2"));
        QVERIFY(text.contains("1 in"));
        // On the second page the 12 in line goes on from half an inch before page 1's right edge.
        Run("pdftoppm", {"-r", "100", "-png", "-f", "2", "-l", "2", "-singlefile", pdf, dir_.filePath("p2")});
        QImage p2(dir_.filePath("p2.png"));
        QVERIFY(!p2.isNull());
        const double margin = 25, tileW = 10.5 * 100;  // 0.25 in margins, a 10.5 in tile on Letter landscape
        auto [a, b] = DarkSpan(p2, true, static_cast<int>(margin + 2 * 100));
        QVERIFY2(std::abs(a - margin) <= 2, qPrintable(QString::number(a)));
        QVERIFY2(std::abs((b - a) - (12 - (tileW - 50) / 100) * 100) <= 3, qPrintable(QString("%1..%2").arg(a).arg(b)));
    }
};

int RunExportTests(int argc, char** argv) {
    ExportTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "export_test.moc"

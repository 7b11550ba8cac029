// Printing through Qt: Print Drawing written as a PDF page (no printer here)
// and read back with poppler's pdftoppm: the limits fitted and centred as the
// page fit says, black on white, a circle without gaps; the shortcut list as
// searchable text; the Printer Setup window's round trip.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>
#include <zlib.h>

#include "app.h"
#include "help/help.h"
#include "output/print.h"
#include "output/printsetup.h"
#include "objects.h"
#include "panel_platform.h"
#include "ui/pdfdeflate.h"
#include "ui/qt_output.h"
#include "ui/printsetwindow.h"
#include "ui_tests.h"
#include "view/redraw.h"

namespace {

// The panel platform with the real printer behind it; questions answer Yes.
class PrintingPlatform : public WithQtOutput<PanelTestPlatform> {
public:
    MsgAnswer MsgBox(const std::string& text, MsgButtons b, MsgIcon i, const std::string& t) override {
        PanelTestPlatform::MsgBox(text, b, i, t);
        return b == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::Yes;
    }
};

// A page rendered by pdftoppm (P6 colour pixels).
struct Page {
    int w = 0, h = 0;
    QByteArray px;
    // The page at dpi, or the part of it from pixel (x, y), w x h pixels.
    bool Load(const QString& pdf, int dpi, const QString& stem, QStringList crop = {}) {
        QStringList args = {"-r", QString::number(dpi), "-singlefile"};
        args << crop << pdf << stem;
        if (QProcess::execute("pdftoppm", args) != 0) return false;
        QFile f(stem + ".ppm");
        if (!f.open(QIODevice::ReadOnly)) return false;
        QByteArray all = f.readAll();
        int maxv = 0, off = 0;
        if (std::sscanf(all.constData(), "P6 %d %d %d%n", &w, &h, &maxv, &off) != 3) return false;
        px = all.mid(off + 1);
        return px.size() == 3 * w * h;
    }
    QColor At(int x, int y) const {
        const int i = 3 * (y * w + x);
        return QColor(static_cast<uchar>(px[i]), static_cast<uchar>(px[i + 1]), static_cast<uchar>(px[i + 2]));
    }
    static bool Dark(const QColor& c) { return c.red() < 128 && c.green() < 128 && c.blue() < 128; }
    // Ink within r pixels of (x, y).
    bool InkNear(double x, double y, int r) const {
        const int cx = static_cast<int>(std::lround(x)), cy = static_cast<int>(std::lround(y));
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) {
                const int X = cx + dx, Y = cy + dy;
                if (X >= 0 && Y >= 0 && X < w && Y < h && At(X, Y).lightness() < 200) return true;
            }
        return false;
    }
};

// The level field of a zlib stream's header: 0 for levels 0-1, 2 for 6.
int Flevel(const QByteArray& stream) { return stream.size() < 2 ? -1 : static_cast<uchar>(stream[1]) >> 6; }

// The header of a default-level stream deflated here and now.
QByteArray DefaultDeflateHeader() {
    z_stream z{};
    if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) return {};
    QByteArray in(1000, 'x'), out(2000, 0);
    z.next_in = reinterpret_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.truncate(static_cast<int>(z.total_out));
    deflateEnd(&z);
    return out;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    std::unique_ptr<PrintingPlatform> platform_;
    std::unique_ptr<App> app_;

    QString Path(const char* name) const { return dir_.filePath(name); }
    int Add(const char* kind, double x, double y, double size, int color = 1) {
        return AddObject(app_->dwg, kind, x, y, size, color);
    }

    // Samples along the circle of radius 0.5 at (-3, 0) on the page at 600
    // dpi without ink within a pixel, out of 2000.
    int CountGaps() {
        constexpr int kDpi = 600;
        Page probe;
        if (!probe.Load(Path("page.pdf"), 100, Path("probe"))) return -1;
        const double tw = kDpi / 1440.0, margin = 0.25 * kDpi;
        const double areaW = (probe.w / 100.0 - 0.5) * 1440, areaH = (probe.h / 100.0 - 0.5) * 1440;
        const double S = 0.9637557 * areaW / 10;
        const double cx = margin + tw * (S * -3 + S * 5 + (areaW - 10 * S) / 2 + 250);
        const double cy = margin + tw * (areaH - 3 * S - (areaH - 6 * S) / 2);
        const double r = tw * S * 0.5;
        const int x0 = static_cast<int>(cx - r - 20), y0 = static_cast<int>(cy - r - 20), side = static_cast<int>(2 * r + 40);
        Page close;
        if (!close.Load(Path("page.pdf"), kDpi, Path("close"),
                        {"-x", QString::number(x0), "-y", QString::number(y0), "-W", QString::number(side), "-H",
                         QString::number(side)}))
            return -1;
        int gaps = 0;
        for (int k = 0; k < 2000; ++k) {
            const double a = k * M_PI / 1000;
            // Y of the page is shortened by 1 %: the circle is a flat ellipse.
            if (!close.InkNear(cx - x0 + r * std::cos(a), cy - y0 - 0.99 * r * std::sin(a), 1)) ++gaps;
        }
        return gaps;
    }

private slots:
    void init() {
        qputenv("ZARNIC_PRINT_TO_PDF", "1");
        platform_ = std::make_unique<PrintingPlatform>();
        app_ = std::make_unique<App>(*platform_);
        app_->set.DataFolder = dir_.path().toStdString() + "/";
        app_->set.BoardColor = 0;  // colour 1 is white on the screen, black on paper
        FillColorTable(*app_);
    }
    void cleanup() {
        QFile::remove(QString::fromStdString(PrinterSettingsPath(*app_)));
        app_.reset();
        platform_.reset();
    }

    void pageIsFittedCentredBlackAndContinuous() {
        Drawing& d = app_->dwg;
        d.DwgPath = app_->set.DataFolder;
        d.DwgName = "page.dwg";
        // The limits' outline, a circle of radius 2 in colour 1, a small red one,
        // a small one in colour 1 to look at closely.
        const int frame = Add("Line", 0, 0, 5, 1);
        const double corners[5][2] = {{-5, -3}, {5, -3}, {5, 3}, {-5, 3}, {-5, -3}};
        for (int k = 0; k < 5; ++k) d.VertX(frame, k + 1) = corners[k][0], d.VertY(frame, k + 1) = corners[k][1];
        Add("Circle", 0, 0, 2, 1);
        Add("Circle", 3.5, 1.5, 0.5, 2);
        Add("Circle", -3, 0, 0.5, 1);
        PrintDrawing_Click(*app_);
        QCOMPARE(platform_->messages.size(), size_t(2));
        QCOMPARE(platform_->messages[1], "No printer was found. The page was written to the PDF file\r\n" +
                                             Path("page.pdf").toStdString());
        Page page;
        constexpr int kDpi = 100;
        QVERIFY(page.Load(Path("page.pdf"), kDpi, Path("page")));
        QVERIFY(page.w > page.h);  // landscape
        // The page mapping in pixels: 0.25 in margins, twips / 14.4.
        const double tw = kDpi / 1440.0, margin = 0.25 * kDpi;
        const double areaW = (page.w / double(kDpi) - 0.5) * 1440, areaH = (page.h / double(kDpi) - 0.5) * 1440;
        const double S = 0.9637557 * areaW / 10;  // aspect 0.6: fitted to the width
        auto X = [&](double x) { return margin + tw * (S * x + S * 5 + (areaW - 10 * S) / 2 + 250); };
        auto Y = [&](double y) { return margin + tw * (areaH - S * y * 0.99 - 3 * S - (areaH - 6 * S) / 2); };
        // The outline's corners and sides are inked where the fit puts them.
        for (auto [x, y] : {std::pair{-5.0, -3.0}, {5.0, 3.0}, {0.0, 3.0}, {-5.0, 0.0}, {5.0, -3.0}})
            QVERIFY2(page.InkNear(X(x), Y(y), 1), qPrintable(QString("%1,%2").arg(x).arg(y)));
        QVERIFY(!page.InkNear(X(0), Y(0), 3));
        QVERIFY(!page.InkNear(X(-5) - 6, Y(0), 2));  // nothing outside the outline
        // Colour 1 prints black, the red circle red, the paper white.
        const QColor side = page.At(static_cast<int>(std::lround(X(0))), static_cast<int>(std::lround(Y(3))));
        QVERIFY2(Page::Dark(side), qPrintable(side.name()));
        QCOMPARE(page.At(2, 2), QColor(Qt::white));
        bool red = false;
        for (int k = 0; k < 36 && !red; ++k) {
            const double a = k * M_PI / 18;
            const QColor c = page.At(static_cast<int>(std::lround(X(3.5 + 0.5 * std::cos(a)))),
                                     static_cast<int>(std::lround(Y(1.5 + 0.5 * std::sin(a)))));
            red = c.red() > 150 && c.green() < 100 && c.blue() < 100;
        }
        QVERIFY(red);
        for (int k = 0; k < 360; ++k) {
            const double a = k * M_PI / 180;
            QVERIFY2(page.InkNear(X(2 * std::cos(a)), Y(2 * std::sin(a)), 1), qPrintable(QString::number(k)));
        }
        // Close up, at 600 dpi, the points of a circle overlap into one line
        // with the default pen; with a pen of 1 they stand apart as dots.
        QCOMPARE(CountGaps(), 0);
        QFile set(QString::fromStdString(PrinterSettingsPath(*app_)));
        QVERIFY(set.open(QIODevice::WriteOnly));
        set.write("1\r\n0\r\n0\r\n1\r\n1\r\n");
        set.close();
        PrintDrawing_Click(*app_);
        QVERIFY(CountGaps() > 100);
    }

    void anAbortedJobLeavesNoFile() {
        PrintJob job;
        job.pdfPath = Path("aborted.pdf").toStdString();
        PrintArea area;
        std::string error;
        QVERIFY(platform_->printer.Begin(job, area, error));
        platform_->printer.Line(0, 0, 1000, 1000, 0);
        platform_->printer.Abort();
        QVERIFY(!QFile::exists(Path("aborted.pdf")));
        QVERIFY(QDir(dir_.path()).entryList({"aborted*"}, QDir::Files).isEmpty());  // no temporary file either
        // The printer takes the next job as usual.
        QVERIFY(platform_->printer.Begin(job, area, error));
        QVERIFY(platform_->printer.End().ok);
        QVERIFY(QFile::exists(Path("aborted.pdf")));
    }

    // The printed page's stream is deflated at the fast level and inflates to
    // the drawing's path; deflating elsewhere keeps zlib's default.
    void pageStreamIsDeflatedFast() {
        QCOMPARE(Flevel(DefaultDeflateHeader()), 2);
        {
            FastPdfDeflate fast;
            QCOMPARE(Flevel(DefaultDeflateHeader()), 0);
        }
        QCOMPARE(Flevel(DefaultDeflateHeader()), 2);
        app_->dwg.DwgPath = app_->set.DataFolder;
        app_->dwg.DwgName = "fast.dwg";
        for (int k = 0; k < 50; ++k) Add("Circle", k * 0.1, 0, 0.5 + k * 0.01, 1 + k % 7);
        PrintDrawing_Click(*app_);
        QFile f(Path("fast.pdf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        bool found = false;
        for (int at = pdf.indexOf("stream\n"); at >= 0 && !found; at = pdf.indexOf("stream\n", at + 1)) {
            const QByteArray z = pdf.mid(at + 7, pdf.indexOf("endstream", at + 7) - at - 7);
            QByteArray page(4 << 20, 0);
            uLongf size = static_cast<uLongf>(page.size());
            if (uncompress(reinterpret_cast<Bytef*>(page.data()), &size, reinterpret_cast<const Bytef*>(z.constData()),
                           static_cast<uLong>(z.size())) != Z_OK)
                continue;
            page.truncate(static_cast<int>(size));
            if (page.count(" l\n") < 50 * 20) continue;
            found = true;
            QCOMPARE(Flevel(z), 0);
        }
        QVERIFY(found);
    }

    void shortcutListIsSearchableText() {
        QFile help(Path(kHelpFileName));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<start>\r\nCtrl+N            Files > New\r\nCtrl+O            Files > Open\r\n<files>\r\nFiles\r\n");
        help.close();
        PrintHelp_Click(*app_);
        const QString pdf = Path("Zarnic Shortcut Keys.pdf");
        QVERIFY(QFile::exists(pdf));
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString out = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression("Ctrl\\+N +Files > New")), qPrintable(out));
        QVERIFY(out.contains("Ctrl+O"));
        QVERIFY(!out.contains("Files\n"));
    }

    void printerSetupWindowRoundTrip() {
        PrintSetWindow w(*app_, nullptr);
        platform_->windows[DialogId::PrintSet] = &w;
        PrinterSetup_Click(*app_);
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), QString("Printer Setup"));
        auto field = [&](int i) { return w.findChild<QLineEdit*>(QString("Field_%1").arg(i)); };
        QCOMPARE(field(0)->text(), QString("1"));
        QCOMPARE(field(3)->text(), QString("6"));
        QVERIFY(w.findChild<QCheckBox*>("Landscape")->isChecked());
        bool notes = false;
        for (QLabel* l : w.findChildren<QLabel*>())
            notes |= l->text().startsWith("Printer scale is a multiplyer so \nstart with numbers close to 1.");
        QVERIFY(notes);
        // Typed texts are saved as typed, the check box as 0.
        field(0)->setText("0.8");
        field(1)->setText("10");
        field(2)->setText("abc");
        w.findChild<QCheckBox*>("Landscape")->setChecked(false);
        QPushButton* save = nullptr;
        for (QPushButton* b : w.findChildren<QPushButton*>())
            if (b->text() == "Save Changes") save = b;
        QVERIFY(save);
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QFile f(QString::fromStdString(PrinterSettingsPath(*app_)));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0.8\r\n10\r\nabc\r\n6\r\n0\r\n"));
        // Escape is Cancel: nothing written.
        PrinterSetup_Click(*app_);
        QVERIFY(w.isVisible());
        field(0)->setText("5");
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(!app_->printSetup.Visible);
        // Opening it replaced the settings it could not read with the defaults.
        QFile again(QString::fromStdString(PrinterSettingsPath(*app_)));
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), QByteArray("1\r\n0\r\n0\r\n6\r\n1\r\n"));
    }
};

int RunPrintTests(int argc, char** argv) {
    PrintTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "print_test.moc"

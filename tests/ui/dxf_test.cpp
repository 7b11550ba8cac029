// The DXF export: files written through OpenDxfExport are read back strictly
// and audited by ezdxf (dxf_check.py), and the entities, layers, units and
// the hidden line type compared with what was written; failed exports leave
// no file behind and the old target whole.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <functional>
#include <numbers>
#include <sys/resource.h>

#include "ui/dxfexport.h"
#include "ui_tests.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Writes one export; the sink's Finish result and reason come back.
bool Export(const ExportJob& job, const std::function<void(ExportSink&)>& draw, std::string& error) {
    std::unique_ptr<ExportSink> sink = OpenDxfExport(job, error);
    if (!sink) return false;
    draw(*sink);
    return sink->Finish(error);
}

ExportJob Job(const QString& path, double dash = 0.2, double gap = 0.06) {
    ExportJob job;
    job.format = ExportFormat::Dxf;
    job.path = path.toStdString();
    job.dash = dash, job.gap = gap;
    return job;
}

// dxf_check.py's dump of a file, and its exit code (0: read and audited clean).
QStringList Dump(const QString& path, int& code) {
    QProcess p;
    p.start("/usr/bin/python3", {ZARNIC_FIXTURES "../ui/dxf_check.py", path});
    p.waitForFinished(60000);
    code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (code != 0) qWarning() << p.readAllStandardError();
    return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// Same words, numbers within 1e-6; the text after '|' must match exactly.
bool Same(const QString& got, const QString& want) {
    const QString gotText = got.section('|', 1), wantText = want.section('|', 1);
    const QStringList g = got.section('|', 0, 0).split(' ', Qt::SkipEmptyParts);
    const QStringList w = want.section('|', 0, 0).split(' ', Qt::SkipEmptyParts);
    if (g.size() != w.size() || gotText != wantText) return false;
    for (int i = 0; i < g.size(); ++i) {
        bool gn = false, wn = false;
        const double gv = g[i].toDouble(&gn), wv = w[i].toDouble(&wn);
        if (gn && wn ? std::abs(gv - wv) > 1e-6 : g[i] != w[i]) return false;
    }
    return true;
}

QString N(double v) { return QString::number(v, 'f', 9); }

QStringList Lines(const QStringList& dump, const char* pattern) { return dump.filter(QRegularExpression(pattern)); }

// Line by line with Same; the first difference in words.
QString Differ(const QStringList& got, const QStringList& want) {
    for (int i = 0; i < std::max(got.size(), want.size()); ++i)
        if (i >= got.size() || i >= want.size() || !Same(got[i], want[i]))
            return "got  " + got.value(i) + "\nwant " + want.value(i);
    return {};
}

}  // namespace

class DxfTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

private slots:
    void entitiesLayersAndLineTypeReadBackStrictly() {
        const QString path = dir_.filePath("every.dxf");
        const double dash = 0.35, gap = 0.04;
        std::string error;
        const bool ok = Export(Job(path, dash, gap), [](ExportSink& s) {
            s.Polyline({1.25, -2.5, 7.125, 3.0}, false, 0xff0000, 2);
            s.Polyline({0, 0, 4.5, 0, 2.25, 3.75}, true, 0, 5);
            s.Polyline({-1, -1, -2, -3, -4, -1.5, -6, 0}, false, 0, 3);
            s.Arc(3.5, 4.25, 1.75, kPi / 6, 3 * kPi / 2, 4);
            s.Arc(0, 0, 2, -kPi / 2, kPi / 4, 6);  // crosses angle zero
            s.Circle(-2.125, 8.5, 0.625, 7);
            s.Text("Left", "S", 0.125, 0, 1, 2, 1);
            s.Text("Centre text", "C", 0.25, kPi / 2, 3.5, -4.25, 2);
            s.Text("Right", "E", 0.1875, kPi / 4, -5, 6, 3);
            s.Text("Middle", "M", 0.5, 0, 10, 11, 4);
            s.HiddenLine(0.5, 0.75, 12.25, -3.5, 6);
            s.Circle(1, 1, 0.5, 0);  // out of range colour numbers go to layer 1
            s.Circle(2, 2, 0.5, 9);
        }, error);
        QVERIFY2(ok, error.c_str());
        QVERIFY(error.empty());
        int code = 0;
        const QStringList dump = Dump(path, code);
        QCOMPARE(code, 0);  // strict read and a clean audit
        QCOMPARE(Lines(dump, "^VERSION "), QStringList{"VERSION AC1015"});
        QCOMPARE(Lines(dump, "^INSUNITS "), QStringList{"INSUNITS 1"});
        const QString bl = " BYLAYER 256 ";
        const QString entities = Differ(Lines(dump, "^(LINE|LWPOLYLINE|ARC|CIRCLE|TEXT) "), {
            "LINE 2" + bl + "1.25 -2.5 7.125 3",
            "LWPOLYLINE 5" + bl + "1 0 0 4.5 0 2.25 3.75",
            "LWPOLYLINE 3" + bl + "0 -1 -1 -2 -3 -4 -1.5 -6 0",
            "ARC 4" + bl + "3.5 4.25 1.75 30 270",
            "ARC 6" + bl + "0 0 2 270 45",
            "CIRCLE 7" + bl + "-2.125 8.5 0.625",
            "TEXT 1" + bl + "1 2 1 2 0.125 0 0 0 STANDARD |Left",
            "TEXT 2" + bl + "3.5 -4.25 3.5 -4.25 0.25 90 1 0 STANDARD |Centre text",
            "TEXT 3" + bl + "-5 6 -5 6 0.1875 45 2 0 STANDARD |Right",
            "TEXT 4" + bl + "10 11 10 11 0.5 0 4 0 STANDARD |Middle",
            "LINE 6 ZARNIC_HIDDEN 256 0.5 0.75 12.25 -3.5",
            "CIRCLE 1" + bl + "1 1 0.5",
            "CIRCLE 1" + bl + "2 2 0.5",
        });
        QVERIFY2(entities.isEmpty(), qPrintable(entities));

        QStringList layers;
        const int aci[] = {7, 1, 3, 2, 5, 6, 4};  // black/white, red, green, yellow, blue, magenta, cyan
        for (int c = 1; c <= 7; ++c) layers << QString("LAYER %1 %2").arg(c).arg(aci[c - 1]);
        // Layer 0, which every file has, and any the reader adds stay out.
        QCOMPARE(Lines(dump, "^LAYER [1-7] "), layers);
        // One period: the drawn dash, then both half gaps as one blank.
        const QString ltype = Differ(Lines(dump, "^LTYPE "), {"LTYPE ZARNIC_HIDDEN " + N(dash + gap) + " " +
                                                              N(dash - gap) + " " + N(-2 * gap)});
        QVERIFY2(ltype.isEmpty(), qPrintable(ltype));
    }

    void textsKeepTheirCharacters() {
        const QString path = dir_.filePath("texts.dxf");
        std::string error;
        QVERIFY2(Export(Job(path), [](ExportSink& s) {
            s.Text("\xc3\x98 12 \xc2\xb1 0.5\xc2\xb0", "S", 0.1, 0, 0, 0, 1);  // UTF-8 goes out readable
            s.Text("two\nlines\ttab", "S", 0.1, 0, 0, 1, 1);                    // controls would split groups
            s.Text("bad \xff\xc3 end \xf0\x9f\x98\x80", "S", 0.1, 0, 0, 2, 1);  // broken and beyond 4 digits
        }, error), error.c_str());
        int code = 0;
        const QStringList texts = Lines(Dump(path, code), "^TEXT ");
        QCOMPARE(code, 0);
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[0].section('|', 1), QString::fromUtf8("\xc3\x98 12 \xc2\xb1 0.5\xc2\xb0"));
        QCOMPARE(texts[1].section('|', 1), QString("two?lines?tab"));
        QCOMPARE(texts[2].section('|', 1), QString("bad ?? end ?"));
    }

    void missingFolderLeavesNothing() {
        const QString path = dir_.filePath("nowhere/drawing.dxf");
        std::string error;
        QVERIFY(!Export(Job(path), [](ExportSink& s) { s.Circle(0, 0, 1, 1); }, error));
        QCOMPARE(QString::fromStdString(error), QString("the folder does not exist"));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QDir(dir_.filePath("nowhere")).exists());
    }

    // An existing target is replaced whole on success; a failed export keeps
    // it as it was and leaves no temporary file beside it.
    void targetReplacedOnlyOnSuccess() {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.dxf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));  // longer than the export: no tail may survive
        old.close();
        std::string error;
        QVERIFY2(Export(Job(path), [](ExportSink& s) { s.Circle(0, 0, 1, 1); }, error), error.c_str());
        int code = 0;
        QCOMPARE(Lines(Dump(path, code), "^CIRCLE ").size(), 1);
        QCOMPARE(code, 0);
        QVERIFY(QFileInfo(path).size() < 200000);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.dxf"});

        // A folder in the target's place: the rename fails, the folder stays.
        const QString folder = dir.filePath("taken.dxf");
        QVERIFY(QDir().mkpath(folder + "/inside"));
        QVERIFY(!Export(Job(folder), [](ExportSink& s) { s.Circle(0, 0, 1, 1); }, error));
        QVERIFY(!error.empty());
        QVERIFY(error[0] >= 'a' && error[0] <= 'z' && error.back() != '.');
        QVERIFY(QDir(folder + "/inside").exists());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.dxf"});
    }

    // A disk that fills up mid-file (a file size limit here): the export
    // fails and the old target keeps its content.
    void fullDiskKeepsOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.dxf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content\n");
        old.close();
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // a failed write instead of the signal
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        std::string error;
        const bool ok = Export(Job(path), [](ExportSink& s) {
            for (int i = 0; i < 200; ++i) s.Circle(i, i, 1, 1);
        }, error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!ok);
        QVERIFY2(!error.empty() && error.find("completely") == std::string::npos, error.c_str());  // the system's reason
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old content\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.dxf"});
    }
};

int RunDxfTests(int argc, char** argv) {
    DxfTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "dxf_test.moc"

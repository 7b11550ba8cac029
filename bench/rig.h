// The benchmarks' full table: 3000 objects (1000 Lines of 20 vertices with
// every tenth hidden, 500 Arcs, 500 Circles, 500 Texts of 12 characters in
// the Hershey font, 500 Shapes whose symbol holds a nested symbol and a
// text) in a scratch data folder with the font and two symbols. Shared by
// the view and output benchmarks.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app.h"
#include "commands/shell.h"
#include "platform/null_platform.h"
#include "view/view.h"

namespace bench_rig {

namespace fs = std::filesystem;

// Draws no text and asks nothing; questions answer Yes, and printing and
// exports go to `output` when one is set (the output benchmark's Qt side).
class QuietPlatform : public NullPlatform {
public:
    MsgAnswer MsgBox(const std::string&, MsgButtons b, MsgIcon, const std::string&) override {
        return b == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::Yes;
    }
    bool PrinterBegin(const PrintJob& job, PrintArea& area, std::string& error) override {
        if (output) return output->PrinterBegin(job, area, error);
        return NullPlatform::PrinterBegin(job, area, error);
    }
    void PrinterLine(double x1, double y1, double x2, double y2, uint32_t rgb) override {
        if (output) output->PrinterLine(x1, y1, x2, y2, rgb);
    }
    void PrinterPoint(double x, double y, uint32_t rgb) override {
        if (output) output->PrinterPoint(x, y, rgb);
    }
    PrintOutcome PrinterEnd() override { return output ? output->PrinterEnd() : PrintOutcome{}; }
    std::unique_ptr<ExportSink> ExportOpen(const ExportJob& job, std::string& error) override {
        if (output) return output->ExportOpen(job, error);
        return NullPlatform::ExportOpen(job, error);
    }
    Platform* output = nullptr;  // where printing and exports go
};

// A drawing file's text: header, records, extents.
inline std::string DrawingText(const std::vector<std::string>& records, int count) {
    std::string t = "Shape File Prefix\r\nSc\r\nFont File\r\nSchematic.fnt\r\nLimits\r\n-5\r\n-3\r\n5\r\n3\r\nGrid\r\n"
                    "True\r\n0.5\r\nSnap Non Ortho\r\n3\r\n0.1,0.1\r\nZoom\r\n1\r\nPan\r\n0\r\n0\r\nPlot Scale\r\n1\r\n"
                    "Start Text Height\r\n0.1\r\nHidden Line\r\n0.2\r\n0.06\r\n" +
                    std::to_string(count) + "\r\n";
    for (const auto& r : records) t += r;
    return t + "1000\r\n-1000\r\n1000\r\n-1000\r\n";
}

// A folder with the Hershey font's 96 drawings and two symbols: a resistor,
// and a part that nests the resistor and carries a label.
inline std::string MakeDataFolder() {
    std::string dir = (fs::temp_directory_path() / ("zarnic-bench-" + std::to_string(::getpid()))).string() + "/";
    fs::create_directories(dir);
    for (const auto& e : fs::directory_iterator(ZARNIC_DATA))
        if (e.path().filename().string().rfind("F-", 0) == 0)
            fs::copy_file(e.path(), dir + e.path().filename().string(), fs::copy_options::overwrite_existing);
    std::string res = "Line\r\n1\r\n1\r\n8\r\n0\r\n0\r\n";
    double zig[8][2] = {{0, 0}, {0.1, 0}, {0.15, 0.05}, {0.25, -0.05}, {0.35, 0.05}, {0.45, -0.05}, {0.5, 0}, {0.6, 0}};
    for (auto& p : zig) res += std::to_string(p[0]) + "\r\n" + std::to_string(p[1]) + "\r\n";
    res += "1\r\n1\r\nCircle\r\n2\r\n1\r\n0.02\r\n0\r\n0\r\n1\r\n1\r\n";
    std::ofstream(dir + "ScG-BRes.dwg", std::ios::binary) << DrawingText({res}, 2);
    std::string part = "Shape\r\n1\r\n1\r\n1\r\nScG-BRes\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                       "Text\r\n2\r\n1\r\n0.06\r\nR1\r\nS\r\n0\r\n0.2\r\n0.08\r\n0\r\n0\r\n0\r\n0\r\n"
                       "Arc\r\n3\r\n1\r\n0.1\r\n0.6\r\n0\r\n-1.5708\r\n1.5708\r\n1\r\n1\r\n";
    std::ofstream(dir + "ScB-BPart.dwg", std::ios::binary) << DrawingText({part}, 3);
    return dir;
}

struct Rig {
    QuietPlatform ui;
    std::unique_ptr<App> app = std::make_unique<App>(ui);
    std::string dir = MakeDataFolder();
    Rig() {
        SurfaceResize(app->screen, 1600, 1000, 96, 0);
        Form_Load(*app, dir, 1600 * 15.0, 1000 * 15.0);
        Fill();
        FitViewToLimits(*app);
    }
    ~Rig() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void Fill() {
        Drawing& d = app->dwg;
        int s = 1;
        auto common = [&](const char* kind, double size, double x, double y) {
            d.ObjType[s] = kind;
            d.ObjColor[s] = static_cast<int16_t>(1 + s % 7);
            d.ObjSize[s] = size;
            d.ObjX[s] = x;
            d.ObjY[s] = y;
            d.ObjXScale[s] = d.ObjYScale[s] = 1;
        };
        for (int i = 0; i < 1000; ++i, ++s) {
            common("Line", 20, 0, 0);
            d.ObjLineType[s] = static_cast<int16_t>(i % 10 == 0);
            for (int k = 1; k <= 20; ++k) {
                d.VertX(s, k) = -4.8 + (i % 40) * 0.24 + k * 0.01;
                d.VertY(s, k) = -2.8 + (i / 40) * 0.22 + (k % 2) * 0.1;
            }
        }
        for (int i = 0; i < 500; ++i, ++s) {
            common("Arc", 0.15, -4.6 + (i % 25) * 0.38, -2.7 + (i / 25) * 0.28);
            d.ObjAngle[s] = 0.3;
            d.ObjEndAngle[s] = 2.8;
        }
        for (int i = 0; i < 500; ++i, ++s) common("Circle", 0.1, -4.6 + (i % 25) * 0.38, -2.6 + (i / 25) * 0.28);
        for (int i = 0; i < 500; ++i, ++s) {
            common("Text", 0.08, -4.9 + (i % 10) * 0.98, -2.9 + (i / 10) * 0.115);
            d.ObjText[s] = "R12 100k 1W";
            d.ObjText[s] += static_cast<char>('A' + i % 26);
            d.ObjJust[s] = "S";
        }
        for (int i = 0; i < 500; ++i, ++s) {
            common("Shape", 0.8, -4.7 + (i % 20) * 0.48, -2.8 + (i / 20) * 0.23);
            d.ObjText[s] = "ScB-BPart";
        }
        d.ObjNext = static_cast<int16_t>(s);
    }
};

inline Rig& TheRig() {
    static Rig rig;
    return rig;
}

}  // namespace bench_rig

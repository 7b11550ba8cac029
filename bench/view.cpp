// Timing of the view on a full table: ScreenRedraw of 3000 objects (1000
// Lines of 20 vertices with every tenth hidden, 500 Arcs, 500 Circles, 500
// Texts of 12 characters in the Hershey font, 500 Shapes whose symbol holds
// a nested symbol and a text) on a 1600 x 1000 buffer at the fit and zoomed
// 8x on the centre; the cross-hair move; the start-up font build and shape
// list. Built by `make bench` (target benchmarks).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/shell.h"
#include "commands/viewmenu.h"
#include "model/dwgfile.h"
#include "platform/null_platform.h"
#include "tables/clicks.h"
#include "tables/starters.h"
#include "view/redraw.h"
#include "view/view.h"

namespace fs = std::filesystem;

namespace {

using QuietPlatform = NullPlatform;  // draws no text and asks nothing

// A drawing file's text: header, records, extents.
std::string DrawingText(const std::vector<std::string>& records, int count) {
    std::string t = "Shape File Prefix\r\nSc\r\nFont File\r\nSchematic.fnt\r\nLimits\r\n-5\r\n-3\r\n5\r\n3\r\nGrid\r\n"
                    "True\r\n0.5\r\nSnap Non Ortho\r\n3\r\n0.1,0.1\r\nZoom\r\n1\r\nPan\r\n0\r\n0\r\nPlot Scale\r\n1\r\n"
                    "Start Text Height\r\n0.1\r\nHidden Line\r\n0.2\r\n0.06\r\n" +
                    std::to_string(count) + "\r\n";
    for (const auto& r : records) t += r;
    return t + "1000\r\n-1000\r\n1000\r\n-1000\r\n";
}

// A folder with the Hershey font's 96 drawings and two symbols: a resistor,
// and a part that nests the resistor and carries a label.
std::string MakeDataFolder() {
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

Rig& TheRig() {
    static Rig rig;
    return rig;
}

void BM_Redraw_Fit(benchmark::State& state) {
    App& app = *TheRig().app;
    FitViewToLimits(app);
    for (auto _ : state) ScreenRedraw(app, 1);
}
BENCHMARK(BM_Redraw_Fit)->Unit(benchmark::kMillisecond);

void BM_Redraw_Zoom8(benchmark::State& state) {
    App& app = *TheRig().app;
    FitViewToLimits(app);
    for (int i = 0; i < 9; ++i) ZoomIn_Click(app);  // 2^(9/3) = 8
    for (auto _ : state) ScreenRedraw(app, 1);
    FitViewToLimits(app);
}
BENCHMARK(BM_Redraw_Zoom8)->Unit(benchmark::kMillisecond);

void BM_CrossHairMove(benchmark::State& state) {
    App& app = *TheRig().app;
    FitViewToLimits(app);
    ScreenRedraw(app, 1);
    float x = 4000, y = 5000;
    for (auto _ : state) {
        x = x > 20000 ? 4000 : x + 300;  // a new snapped point at every step
        Form_MouseMove(app, 0, 0, x, y);
    }
}
BENCHMARK(BM_CrossHairMove)->Unit(benchmark::kMicrosecond);

// One pointer move while Pan drags its band across the full drawing: the
// band erased and drawn again, the cross-hair moved, the readouts written.
void BM_PointerMove_Pan(benchmark::State& state) {
    App& app = *TheRig().app;
    FitViewToLimits(app);
    ScreenRedraw(app, 1);
    RunStarter(app, "Pan");
    Form_MouseDown(app, kButtonLeft, 0, 3000, 3000);
    float x = 4000, y = 5000;
    for (auto _ : state) {
        x = x > 20000 ? 4000 : x + 300;  // a new snapped point at every step
        y = y > 12000 ? 5000 : y + 170;
        Form_MouseMove(app, 0, 0, x, y);
    }
    CancelCommand(app, 0);
}
BENCHMARK(BM_PointerMove_Pan)->Unit(benchmark::kMicrosecond);

void BM_StartupFontAndShapes(benchmark::State& state) {
    App& app = *TheRig().app;
    for (auto _ : state) {
        BuildFontFile(app);
        LoadNewShapes(app);
    }
}
BENCHMARK(BM_StartupFontAndShapes)->Unit(benchmark::kMillisecond);

// A whole Line drawn by clicks on the full drawing: the starter, three left
// clicks (each drawing its segment), the right click that stores it, and
// the redraw that ends the command. The table holds 2999 objects before and
// 3000 after; the new Line is taken away again between iterations. Last in
// the file: the 3000th object of the drawing becomes this Line.
void BM_LineCommand(benchmark::State& state) {
    App& app = *TheRig().app;
    FitViewToLimits(app);
    ScreenRedraw(app, 1);
    const int16_t next = app.dwg.ObjNext;
    app.dwg.ObjNext = static_cast<int16_t>(next - 1);
    for (auto _ : state) {
        RunStarter(app, "Line");
        Form_MouseDown(app, kButtonLeft, 0, 3000, 3000);
        Form_MouseMove(app, 0, 0, 5000, 3200);
        Form_MouseDown(app, kButtonLeft, 0, 5000, 3200);
        Form_MouseMove(app, 0, 0, 7000, 5000);
        Form_MouseDown(app, kButtonLeft, 0, 7000, 5000);
        Form_MouseDown(app, kButtonRight, 0, 9000, 4000);
        app.dwg.ObjNext = static_cast<int16_t>(next - 1);
    }
    app.dwg.ObjNext = next;
}
BENCHMARK(BM_LineCommand)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

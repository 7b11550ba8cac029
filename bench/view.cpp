// Timing of the view on the benchmarks' full table of 3000 objects
// (bench/rig.h): ScreenRedraw on a 1600 x 1000 buffer at the fit and zoomed
// 8x on the centre; the cross-hair move; the start-up font build and shape
// list. Built by `make bench` (target benchmarks).
#include <benchmark/benchmark.h>

#include "app.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/shell.h"
#include "commands/viewmenu.h"
#include "model/dwgfile.h"
#include "platform/null_platform.h"
#include "rig.h"
#include "tables/clicks.h"
#include "tables/starters.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

using bench_rig::TheRig;

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

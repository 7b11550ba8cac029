// Timing of the drawing file on a full table: 3000 objects (1000 Lines of 20
// vertices, 500 each of Arcs, Circles, Texts and Shapes). Opening is read +
// parse + extents; saving is numbering + formatting + the safe write with
// its backup. Built by `make bench` (target benchmarks).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "model/drawing.h"
#include "model/dwgfile.h"
#include "model/extents.h"
#include "model/safewrite.h"

namespace {

// Fills the table with the benchmark drawing; coordinates carry fractions so
// every number has decimals to write.
void BuildDrawing(Drawing& d) {
    ClearObjects(d);
    int s = 1;
    auto common = [&](const char* kind, double size) {
        d.ObjType[s] = kind;
        d.ObjNum[s] = static_cast<int16_t>(s);
        d.ObjColor[s] = static_cast<int16_t>(1 + s % 7);
        d.ObjSize[s] = size;
        d.ObjXScale[s] = 1;
        d.ObjYScale[s] = 1;
    };
    for (int i = 0; i < 1000; ++i, ++s) {
        common("Line", 20);
        d.ObjLineType[s] = static_cast<int16_t>(i % 2);
        d.ObjLineWidth[s] = 0.01;
        for (int k = 1; k <= 20; ++k) {
            d.VertX(s, k) = i * 0.0137 + k * 0.25 + 0.123456;
            d.VertY(s, k) = i * 0.0071 - k * 0.125 + 0.654321;
        }
    }
    for (int i = 0; i < 500; ++i, ++s) {
        common("Arc", 0.5 + i * 0.001);
        d.ObjX[s] = i * 0.02 + 0.3333;
        d.ObjY[s] = i * 0.01 + 1.6667;
        d.ObjAngle[s] = 0.1 + i * 0.001;
        d.ObjEndAngle[s] = 1.7 + i * 0.001;
    }
    for (int i = 0; i < 500; ++i, ++s) {
        common("Circle", 0.25 + i * 0.0007);
        d.ObjX[s] = i * 0.03 + 0.111;
        d.ObjY[s] = i * 0.015 + 2.222;
    }
    for (int i = 0; i < 500; ++i, ++s) {
        common("Text", 0.125);
        d.ObjText[s] = "R" + std::to_string(i) + " 100k, 1/4 W";
        d.ObjJust[s] = "S";
        d.ObjAngle[s] = (i % 4) * 1.5707963267949;
        d.ObjX[s] = i * 0.05 + 0.01;
        d.ObjY[s] = 5 + i * 0.002;
    }
    for (int i = 0; i < 500; ++i, ++s) {
        common("Shape", 1);
        d.ObjText[s] = "B-Resistor";
        d.ObjX[s] = i * 0.04 + 0.5;
        d.ObjY[s] = 3 + i * 0.003;
        d.ObjBoxX1[s] = d.ObjX[s] - 0.25;
        d.ObjBoxX2[s] = d.ObjX[s] + 0.25;
        d.ObjBoxY1[s] = d.ObjY[s] - 0.1;
        d.ObjBoxY2[s] = d.ObjY[s] + 0.1;
    }
    d.ObjNext = static_cast<int16_t>(s);
}

// A scratch folder with the saved benchmark drawing, made once.
struct Fixture {
    std::string folder;
    std::string path;
    std::string backup;
    std::unique_ptr<Drawing> d = std::make_unique<Drawing>();
    size_t bytes = 0;

    Fixture() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "zarnic-bench-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) std::abort();
        folder = tmpl + "/";
        path = folder + "Bench.dwg";
        backup = BackupName(path);
        BuildDrawing(*d);
        std::string text = FormatDrawing(*d, NumberObjectsForSave(*d));
        bytes = text.size();
        if (WriteFileSafely(path, backup, text).fail != WriteFail::None) std::abort();
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void BM_OpenDrawing(benchmark::State& state) {
    Fixture& f = Shared();
    auto d = std::make_unique<Drawing>();
    std::string text;
    for (auto _ : state) {
        if (LoadTextFile(f.path, text).fail != ReadFail::None) state.SkipWithError("load failed");
        ClearObjects(*d);
        ReadResult r = ParseDrawing(*d, text, false, 0, 0, 1);
        if (r.fail != ReadFail::None || d->ObjNext != 3001) state.SkipWithError("parse failed");
        RecomputeExtents(*d);
        benchmark::DoNotOptimize(d->ExtMaxX);
    }
    state.counters["file_bytes"] = static_cast<double>(f.bytes);
}
BENCHMARK(BM_OpenDrawing)->Unit(benchmark::kMillisecond);

void BM_SaveDrawing(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        int count = NumberObjectsForSave(*f.d);
        std::string text = FormatDrawing(*f.d, count);
        if (WriteFileSafely(f.path, f.backup, text).fail != WriteFail::None) state.SkipWithError("save failed");
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["file_bytes"] = static_cast<double>(f.bytes);
}
BENCHMARK(BM_SaveDrawing)->Unit(benchmark::kMillisecond);

// The text alone, without the disk.
void BM_FormatDrawing(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        std::string text = FormatDrawing(*f.d, NumberObjectsForSave(*f.d));
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_FormatDrawing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Timing of the output on the benchmarks' full table (bench/rig.h): the
// plot file's text (BM_PlotHpgl) and Print Drawing written as a PDF page
// through the Qt binding's printer (BM_PrintPdf), each with its file's size
// as a counter; the exports to PDF, SVG and DXF; a recovery copy.
// ZARNIC_BENCH_KEEP=<path> keeps a copy of the printed PDF to look at.
// Built by `make bench`; linked with the Qt binding.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app.h"
#include "commands/recovery.h"
#include "output/export.h"
#include "output/plot.h"
#include "output/print.h"
#include "rig.h"
#include "ui/qt_output.h"

namespace {

// The binding's printer and export sinks behind the rig's platform.
using QtOutput = WithQtOutput<NullPlatform>;

void BM_PlotHpgl(benchmark::State& state) {
    App& app = *bench_rig::TheRig().app;
    size_t bytes = 0;
    for (auto _ : state) {
        std::string text = PlotText(app);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PlotHpgl)->Unit(benchmark::kMillisecond);

void BM_PrintPdf(benchmark::State& state) {
    bench_rig::Rig& rig = bench_rig::TheRig();
    App& app = *rig.app;
    QtOutput qt;
    rig.ui.output = &qt;
    app.dwg.DwgPath = rig.dir;
    app.dwg.DwgName = "bench.dwg";
    for (auto _ : state) PrintDrawing_Click(app);
    rig.ui.output = nullptr;
    app.dwg.DwgName.clear();
    std::error_code ec;
    if (const char* keep = std::getenv("ZARNIC_BENCH_KEEP"))
        std::filesystem::copy_file(rig.dir + "bench.pdf", keep, std::filesystem::copy_options::overwrite_existing, ec);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(rig.dir + "bench.pdf", ec));
}
BENCHMARK(BM_PrintPdf)->Unit(benchmark::kMillisecond);

// Export of the table in one format through the binding's sinks, as the
// Export command writes it (the dialog left out).
void Export(benchmark::State& state, ExportFormat format, const char* name) {
    bench_rig::Rig& rig = bench_rig::TheRig();
    App& app = *rig.app;
    ExportJob job;
    job.format = format;
    job.path = rig.dir + name;
    QtOutput qt;
    rig.ui.output = &qt;
    std::string error;
    for (auto _ : state)
        if (!ExportTable(app, job, error)) state.SkipWithError(error.c_str());
    rig.ui.output = nullptr;
    std::error_code ec;
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(job.path, ec));
}
void BM_ExportPdf(benchmark::State& state) { Export(state, ExportFormat::Pdf, "bench-export.pdf"); }
void BM_ExportSvg(benchmark::State& state) { Export(state, ExportFormat::Svg, "bench-export.svg"); }
void BM_ExportDxf(benchmark::State& state) { Export(state, ExportFormat::Dxf, "bench-export.dxf"); }
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportDxf)->Unit(benchmark::kMillisecond);

// A recovery copy of the full table, as the timer writes it.
void BM_RecoveryCopy(benchmark::State& state) {
    App& app = *bench_rig::TheRig().app;
    app.dwg.DrawingChanged = true;
    for (auto _ : state)
        if (!WriteRecoveryCopy(app, "2026-12-08 10:00:00")) state.SkipWithError("the copy was not written");
    std::error_code ec;
    state.counters["file_bytes"] =
        static_cast<double>(std::filesystem::file_size(RecoveryFolder(app) + app.recovery.CopyName, ec));
    DeleteRecoveryCopy(app);
    app.dwg.DrawingChanged = false;
}
BENCHMARK(BM_RecoveryCopy)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ZARNIC_PRINT_TO_PDF", "1", 1);
    QGuiApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

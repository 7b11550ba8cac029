// Timing of the output on the benchmarks' full table (bench/rig.h): the
// plot file's text (BM_PlotHpgl) and Print Drawing written as a PDF page
// through the Qt binding's printer (BM_PrintPdf), each with its file's size
// as a counter. ZARNIC_BENCH_KEEP=<path> keeps a copy of the PDF to look at.
// Built by `make bench`; linked with the Qt binding.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app.h"
#include "output/plot.h"
#include "output/print.h"
#include "rig.h"
#include "ui/printer.h"

namespace {

// The Qt printer behind the rig's platform.
class PdfPlatform : public NullPlatform {
public:
    bool PrinterBegin(const PrintJob& job, PrintArea& area, std::string& error) override {
        return printer.Begin(job, area, error);
    }
    void PrinterLine(double x1, double y1, double x2, double y2, uint32_t rgb) override {
        printer.Line(x1, y1, x2, y2, rgb);
    }
    void PrinterPoint(double x, double y, uint32_t rgb) override { printer.Point(x, y, rgb); }
    PrintOutcome PrinterEnd() override { return printer.End(); }
    QtPrinter printer;
};

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
    PdfPlatform pdf;
    rig.ui.printer = &pdf;
    app.dwg.DwgPath = rig.dir;
    app.dwg.DwgName = "bench.dwg";
    for (auto _ : state) PrintDrawing_Click(app);
    rig.ui.printer = nullptr;
    app.dwg.DwgName.clear();
    std::error_code ec;
    if (const char* keep = std::getenv("ZARNIC_BENCH_KEEP"))
        std::filesystem::copy_file(rig.dir + "bench.pdf", keep, std::filesystem::copy_options::overwrite_existing, ec);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(rig.dir + "bench.pdf", ec));
}
BENCHMARK(BM_PrintPdf)->Unit(benchmark::kMillisecond);

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

// Runs every Qt binding test group under one QApplication (offscreen).
// "ui_tests --ratio2" runs the high-DPI group alone, on a 1600 x 1000
// screen scaled to 200 % (the scale must be set before the application).
#include <QApplication>

#include <cstring>

#include "ui_tests.h"

int main(int argc, char** argv) {
    const bool ratio2 = argc > 1 && std::strcmp(argv[1], "--ratio2") == 0;
    if (ratio2) {
        for (int i = 1; i + 1 < argc; ++i) argv[i] = argv[i + 1];
        --argc;
        qputenv("QT_SCALE_FACTOR", "2");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ZARNIC_FIXTURES "../ui/screen-1600x1000.json");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (ratio2) return RunHighDpiTests(argc, argv);
    int failed = 0;
    failed += RunMainWindowTests(argc, argv) != 0;
    failed += RunZarnic2Tests(argc, argv) != 0;
    failed += RunFileWindowsTests(argc, argv) != 0;
    failed += RunInteractionTests(argc, argv) != 0;
    failed += RunPrintTests(argc, argv) != 0;
    failed += RunExportTests(argc, argv) != 0;
    failed += RunDxfTests(argc, argv) != 0;
    return failed;
}

// Runs every Qt binding test group under one QApplication (offscreen).
#include <QApplication>

#include "ui_tests.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int failed = 0;
    failed += RunMainWindowTests(argc, argv) != 0;
    failed += RunZarnic2Tests(argc, argv) != 0;
    failed += RunFileWindowsTests(argc, argv) != 0;
    failed += RunInteractionTests(argc, argv) != 0;
    return failed;
}

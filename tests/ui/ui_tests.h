// The Qt binding's test groups; main_test.cpp runs each of them.
#pragma once

int RunMainWindowTests(int argc, char** argv);
int RunZarnic2Tests(int argc, char** argv);
int RunFileWindowsTests(int argc, char** argv);
int RunInteractionTests(int argc, char** argv);
int RunHighDpiTests(int argc, char** argv);
int RunPrintTests(int argc, char** argv);
int RunDxfTests(int argc, char** argv);
int RunExportTests(int argc, char** argv);

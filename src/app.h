// All state of a running program: one App, made once at start-up and alive
// until exit. Each member is the plain state struct of one room, declared in
// that room's own header.
#pragma once
#include "commands/browser.h"
#include "commands/defaults_dialog.h"
#include "commands/dimension.h"
#include "commands/draw.h"
#include "commands/filedialogs.h"
#include "commands/recovery.h"
#include "commands/registers.h"
#include "commands/shell.h"
#include "dial/designer.h"
#include "editing/arrays.h"
#include "editing/selection.h"
#include "editing/transform.h"
#include "help/help.h"
#include "model/drawing.h"
#include "model/recent.h"
#include "model/settings.h"
#include "output/plot.h"
#include "output/print.h"
#include "output/printsetup.h"
#include "platform/platform.h"
#include "platform/surface.h"
#include "view/font.h"
#include "view/shapes.h"
#include "view/view.h"

struct App {
    explicit App(Platform& platform) : ui(platform) {}
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& ui;            // the window system, behind the interface
    Drawing dwg;             // object table and drawing-wide values
    Settings set;            // defaults-file values and the data folder
    FileState files;         // current file bookkeeping and the recent list
    View view;               // drawing-area size and fit scale
    Registers cmd;           // command registers
    DrawState draw;          // the drawing commands' own steps
    DimensionState dim;      // the Dimension command's points and choices
    Selection sel;           // selection list
    Transforms xform;        // the values of the transforms (rotation angle)
    Arrays arrays;           // the polar array's count and angle
    Shell shell;             // caption parts
    FileDialogs dlg;         // the open and Save As panels
    DefaultsPanel zarnic2;   // the Default Settings page
    Surface screen;          // the drawing area's pixels
    Font font;               // the stroke font's tables
    Shapes shapes;           // shape drawing state, the shape list and the shape-file cache
    Browser browser;         // the shape list and the library browser over the drawing area
    HelpViewer help;         // the help viewer's Close button
    DialPanel dial;          // the dial designer's panel
    Plotter plot;            // the plotter's pen state
    Printing print;          // printer settings and the last page mapping
    PrinterPanel printSetup; // the Printer Setup panel
    Recovery recovery;       // the recovery copy of the current drawing
};

// Print at True Size: the drawing at 1:1 on as many pages as its extents
// need, tiled with half an inch of overlap. Every page has corner marks of
// its tile and its place in the margin; the first also a one-inch square.
#include <cmath>

#include "app.h"
#include "output/export.h"
#include "output/print.h"
#include "output/truesize.h"
#include "view/redraw.h"

namespace {

const char kMsgNothingToPrint[] = "Nothing to print.";
const char kMsgToPdf[] = "No printer was found. The pages were written to the PDF file\r\n";  // + path
const char kMsgNotPrinted[] = "The pages could not be printed:\r\n";                          // + reason
const char kMsgTooManyA[] = "At true size this drawing needs ";  // + pages + " pages (" + rows x cols + ")."
const char kMsgTooManyB[] = "\r\nPrint at True Size prints at most 100 pages; check the drawing's extents.";
constexpr int kMostPages = 100;

constexpr double kTwipsPerUnit = 1440;   // drawing units are inches
constexpr double kMarkLength = 360;      // the arms of a corner mark (twips)
constexpr double kLabelPoints = 8;       // the page label's size

}  // namespace

TileLayout LayOutTiles(const PrintArea& area, double minX, double minY, double maxX, double maxY) {
    TileLayout t;
    t.width = area.width;
    t.height = area.height - kTileBand;
    const double extW = (maxX - minX) * kTwipsPerUnit, extH = (maxY - minY) * kTwipsPerUnit;
    auto count = [](double extent, double tile) {
        if (!(extent > tile) || tile <= kTileOverlap) return 1;
        const double n = 1 + std::ceil((extent - tile) / (tile - kTileOverlap) - 1e-9);
        return n < 1e6 ? static_cast<int>(n) : 1000000;  // far beyond any print; refused by the caller
    };
    t.cols = count(extW, t.width);
    t.rows = count(extH, t.height);
    t.left = minX;
    t.top = maxY;
    return t;
}

PageMapping TileMapping(const TileLayout& t, int row, int col) {
    PageMapping m;
    m.PrintScale = kTwipsPerUnit;
    m.YFactor = 1;
    m.PageHeight = static_cast<int>(t.height);
    // The tile's top left corner in drawing units goes to the page's (0, 0).
    const double x0 = t.left + col * (t.width - kTileOverlap) / kTwipsPerUnit;
    const double y0 = t.top - row * (t.height - kTileOverlap) / kTwipsPerUnit;
    m.PrintXShift = -kTwipsPerUnit * x0;
    m.PrintYShift = kTwipsPerUnit * y0 - t.height;
    return m;
}

namespace {

// The marks, the label and (first page) the one-inch square, on the page.
void PrintPageFurniture(App& app, const TileLayout& t, int row, int col) {
    Platform& ui = app.ui;
    ui.PrinterClip(0, 0, 0, 0);
    const double w = t.width, h = t.height, k = kMarkLength;
    const double corners[4][4] = {{0, 0, 1, 1}, {w, 0, -1, 1}, {0, h, 1, -1}, {w, h, -1, -1}};
    for (const auto& c : corners) {
        ui.PrinterLine(c[0], c[1], c[0] + c[2] * k, c[1], 0);
        ui.PrinterLine(c[0], c[1], c[0], c[1] + c[3] * k, 0);
    }
    const std::string label = DrawingStem(app) + "  page " + std::to_string(row + 1) + "," + std::to_string(col + 1) +
                              " of " + std::to_string(t.rows) + " x " + std::to_string(t.cols);
    ui.PrinterTextAt(0, h + 60, kLabelPoints, label);
    if (row == 0 && col == 0) {
        // One inch, to check that nothing scaled the print.
        const double x = w - 2 * kTwipsPerUnit, y = h + 300;
        ui.PrinterLine(x, y, x + kTwipsPerUnit, y, 0);
        ui.PrinterLine(x + kTwipsPerUnit, y, x + kTwipsPerUnit, y + kTwipsPerUnit, 0);
        ui.PrinterLine(x + kTwipsPerUnit, y + kTwipsPerUnit, x, y + kTwipsPerUnit, 0);
        ui.PrinterLine(x, y + kTwipsPerUnit, x, y, 0);
        ui.PrinterTextAt(x + kTwipsPerUnit + 120, y + kTwipsPerUnit / 2 - 100, kLabelPoints, "1 in");
    }
}

}  // namespace

void PrintTrueSize_Click(App& app) {
    double minX, minY, maxX, maxY;
    if (!DrawingExtents(app, minX, minY, maxX, maxY)) {
        app.ui.MsgBox(kMsgNothingToPrint, MsgButtons::OK, MsgIcon::None, kTitlePrinter);
        return;
    }
    PrintArea area;
    if (!ReadPrinterSettingsOrSay(app) ||
        !BeginPrintJob(app, DrawingFolder(app) + DrawingStem(app) + " true size.pdf", true, kMsgNotPrinted, area))
        return;
    const TileLayout t = LayOutTiles(area, minX, minY, maxX, maxY);
    // A stray object far away would otherwise send a ream of empty pages.
    if (static_cast<long>(t.rows) * t.cols > kMostPages) {
        app.ui.PrinterAbort();
        app.ui.MsgBox(kMsgTooManyA + std::to_string(static_cast<long>(t.rows) * t.cols) + " pages (" +
                          std::to_string(t.rows) + " x " + std::to_string(t.cols) + ")." + kMsgTooManyB,
                      MsgButtons::OK, MsgIcon::Warning, kTitlePrinter);
        return;
    }
    for (int r = 0; r < t.rows; ++r)
        for (int c = 0; c < t.cols; ++c) {
            if (r || c) app.ui.PrinterNewPage();
            app.ui.PrinterClip(0, 0, t.width, t.height);
            PrintTable(app, TileMapping(t, r, c));
            PrintPageFurniture(app, t, r, c);
        }
    ShowPrintOutcome(app, app.ui.PrinterEnd(), kMsgNotPrinted, kMsgToPdf);
}

// The selection window and the prompt after a selection. The window's test
// points are the object's own corners: an arc's two ends, a circle's square,
// every vertex of a line, the box of a shape or text; an object is taken
// only when none of them lies outside.
#include "editing/selection.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

// The window Pt1-Pt2, edges included.
struct Window {
    double x1, x2, y1, y2;
    bool Holds(double x, double y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

Window WindowOf(const App& app) {
    const Point2& a = app.cmd.Pt1;
    const Point2& b = app.cmd.Pt2;
    return {std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)};
}

// True when every test point of the object lies in the window.
bool InsideWindow(const App& app, const Window& w, int s) {
    const Drawing& d = app.dwg;
    const std::string& kind = d.ObjType[s];
    const double x = d.ObjX[s], y = d.ObjY[s], r = d.ObjSize[s];
    if (kind == "Arc") {
        // The ends as stored: the scale factors are not applied.
        return w.Holds(r * std::cos(d.ObjAngle[s]) + x, r * std::sin(d.ObjAngle[s]) + y) &&
               w.Holds(r * std::cos(d.ObjEndAngle[s]) + x, r * std::sin(d.ObjEndAngle[s]) + y);
    }
    if (kind == "Circle") return w.Holds(x - r, y - r) && w.Holds(x + r, y + r);
    if (kind == "Line") {
        const int n = static_cast<int>(std::min<double>(std::max(r, 0.0), kMaxVertex));
        for (int k = 1; k <= n; ++k)
            if (!w.Holds(d.VertX(s, k), d.VertY(s, k))) return false;
        return true;
    }
    if (kind == "Shape" || kind == "Text") {
        return w.Holds(d.ObjBoxX1[s], d.ObjBoxY1[s]) && w.Holds(d.ObjBoxX2[s], d.ObjBoxY2[s]) &&
               w.Holds(d.ObjBoxX1[s], d.ObjBoxY2[s]) && w.Holds(d.ObjBoxX2[s], d.ObjBoxY1[s]);
    }
    // A Dial's test points are the ends of its first mark, which the dial's
    // mark layout gives; until that layout exists a dial is not taken.
    return false;
}

// The colour list of Color Change, in its frame.
void DrawColorList(App& app) {
    static const char* const kRows[] = {
        "                        ", "   1 = Blckd or White   ", "   2 = Red              ",
        "   3 = Green            ", "   4 = Yellow           ", "   5 = Blue             ",
        "   6 = Magenta          ", "   7 = Cyan             ", "                        ",
    };
    const uint32_t fg = app.set.BoardColor ^ 0xFFFFFFu;
    const double step = app.ui.TextHeight();
    double y = 475;
    for (const char* row : kRows) {
        app.ui.SurfaceText(app.screen, 500, y, row, fg);
        y += step;
    }
    Surface& s = app.screen;
    SurfaceLine(s, 500, 625, 3000, 625, fg);
    SurfaceLine(s, 3000, 625, 3000, 2400, fg);
    SurfaceLine(s, 3000, 2400, 500, 2400, fg);
    SurfaceLine(s, 500, 2400, 500, 625, fg);
}

void CopyPt1ToPt2(App& app) { app.cmd.Pt2 = app.cmd.Pt1; }
void PolarElements(App& app) { app.cmd.CmdStep = "Elmts"; }

// One command's prompt after a selection; the window form where it differs.
struct AfterRow {
    const char* command;
    const char* prompt;            // after pointer picks
    int width;                     // its input box (0 none)
    const char* defaultText;
    const char* windowPrompt;      // after a window selection; nullptr: the same
    int windowWidth;
    void (*also)(App&);            // nullptr for nothing
};

const AfterRow kAfter[] = {
    {"ArrayPol", "Array, Polar:  Shift-clk more or L-Clk Center Point.", 0, "", nullptr, 0, PolarElements},
    {"ArrayRec", "Array, Rectangular: Shift-click more or Precede to Parameters.", 400, "Y", nullptr, 0, nullptr},
    {"Change", "Edit: Precede? (Y or N)", 400, "Y", nullptr, 0, nullptr},
    {"Color", "Color:  Enter new color number from list below.", 400, "", nullptr, 0, DrawColorList},
    {"Copy", "Copy:  RIGHT click destination point.", 0, "", "Copy:  Left click source point.", 0, CopyPt1ToPt2},
    {"CopyToCB", "Copy to Clipboard:  Select more, or click base point.  GO? (Y/N)", 0, "", nullptr, 0, nullptr},
    {"CutToCB", "Cut to Clipboard:  Select more, or click base point.", 0, "", nullptr, 0, nullptr},
    {"Delete", "Delete:  Select more objects.  PRECEDE? (Y or N)", 400, "Y", nullptr, 0, nullptr},
    {"Flip", "Flip:  Left click Flip center.", 0, "", nullptr, 0, nullptr},
    {"Lock", "Lock:  Select more objects.  PRECEDE? (Y or N)", 400, "Y", nullptr, 0, nullptr},
    {"Move", "Move:  RIGHT click destination point.", 0, "", "Move:  Left click source point.", 0, CopyPt1ToPt2},
    {"Rotate", "Rotate:  Right click angle, or type value.", 600, "", "Rotate:  Left click center of rotation.", 0,
     nullptr},
    {"Scale", "Scale:  Right click factor (2 inches = 2x), or type value.", 1500, "",
     "Scale:  Left click base (stationary) point.", 0, nullptr},
    {"What", "Precede? (Y or N)", 400, "Y", nullptr, 0, nullptr},
};

}  // namespace

void SelectByWindow(App& app) {
    Drawing& d = app.dwg;
    Selection& sel = app.sel;
    // The slots listed already, by slot number.
    std::vector<bool> listed(kSlots, false);
    for (int k = 0; k < sel.SelCount && k < static_cast<int>(sel.SelList.size()); ++k)
        if (sel.SelList[k] >= 0 && sel.SelList[k] < kSlots) listed[sel.SelList[k]] = true;
    const Window w = WindowOf(app);
    const int last = std::min<int>(d.ObjNext - 1, kMaxSlot);
    for (int s = 1; s <= last; ++s) {
        if (d.ObjType[s].empty() || d.ObjColor[s] < 0 || listed[s]) continue;
        if (!InsideWindow(app, w, s)) continue;
        if (sel.SelCount >= static_cast<int>(sel.SelList.size())) break;
        DrawObject(app, s, app.set.SelectColor & 0xFFFFFFu);
        sel.SelList[sel.SelCount] = static_cast<int16_t>(s);
        sel.SelCount += 1;
        sel.SelTally += 1;
        sel.SelActive = true;
    }
}

void PromptAfterSelection(App& app) {
    const bool byWindow = app.cmd.WindowSelect == "SelectW";
    for (const AfterRow& r : kAfter) {
        if (app.cmd.CurCommand != r.command) continue;
        if (byWindow && r.windowPrompt) InputPrompt(app, r.windowWidth, r.defaultText, r.windowPrompt);
        else InputPrompt(app, r.width, r.defaultText, r.prompt);
        if (r.also) r.also(app);
        app.ui.SurfaceChanged();
        return;
    }
}

void WindowSelect_Click(App& app, int button, int, float x, float y) {
    Registers& c = app.cmd;
    if (button == kButtonLeft) {
        if (c.ClickCount >= 1) return;
        c.ClickCount += 1;
        SnapToDrawing(app, x, y, c.Pt1.x, c.Pt1.y);
        c.Pt2 = c.Pt1;
        DrawCrossHair(app, c.Pt0.x, c.Pt0.y);
        DrawSelectWindow(app);
        c.WindowDragOn = true;
    } else if (button == kButtonRight) {
        SelectByWindow(app);
        c.WindowDragOn = false;
        DrawSelectWindow(app);
        DrawCrossHair(app, c.Pt0.x, c.Pt0.y);
        PromptAfterSelection(app);
        c.WindowSelect = "None";
    }
    app.ui.SurfaceChanged();
}

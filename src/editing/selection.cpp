// Picking objects: the pointer pick with its hit tests by kind, Select All,
// the selection window and the prompt after a selection. A pick samples the
// object's outline and tests each sample against a small box round the
// click whose size follows the snap steps. The window's test points are the
// object's own corners: an arc's two ends, a circle's square, every vertex
// of a line, the box of a shape or text; an object is taken only when none
// of them lies outside.
#include "editing/selection.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "model/dial.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

const char* const kPromptSelectWindow = "Select by Window: Left clik any corner, Right click to set window.";
constexpr double kPickMargin = 0.0375;    // added to half the snap step for arcs, circles and lines
constexpr long kMaxSamples = 100000;      // samples of one arc, circle or segment at the most

// ---- the pointer pick -------------------------------------------------------------

// Half the snap steps; a Y step of 0 stands for the X step.
struct PickBox {
    double hx, hy;   // half widths (drawing units)
    double mx, my;   // the click
    bool Hits(double px, double py, double margin) const {
        return std::fabs(px - mx) <= hx + margin && std::fabs(py - my) <= hy + margin;
    }
};

PickBox BoxAt(const App& app, double mx, double my) {
    const Drawing& d = app.dwg;
    return {d.SnapX / 2, (d.SnapY != 0 ? d.SnapY : d.SnapX) / 2, mx, my};
}

// Samples of an arc from t0 to t1 every `step` radians (both ends as far as
// the steps reach), never more than kMaxSamples.
bool SweepHits(const Drawing& d, int s, double t0, double t1, double step, const PickBox& b) {
    const double sweep = t1 - t0;
    if (!std::isfinite(sweep) || !(step > 0)) return false;
    if (std::fabs(sweep) / step > kMaxSamples) step = std::fabs(sweep) / kMaxSamples;
    const double dir = sweep < 0 ? -1 : 1;
    const double r = d.ObjSize[s], fx = d.ObjXScale[s], fy = d.ObjYScale[s];
    for (long i = 0;; ++i) {
        const double t = t0 + dir * step * static_cast<double>(i);
        if (dir * (t - t1) > 1e-12) break;
        if (b.Hits(r * fx * std::cos(t) + d.ObjX[s], r * fy * std::sin(t) + d.ObjY[s], kPickMargin)) return true;
    }
    return false;
}

// A Line's segments, each end first scaled about the first vertex, sampled
// every half snap step along the longer axis (a small step when the snap
// step is 0, so the walk always ends).
bool LineHits(const Drawing& d, int s, const PickBox& b) {
    const int n = VertexCountOf(d.ObjSize[s]);
    const double x0 = d.VertX(s, 1), y0 = d.VertY(s, 1), fx = d.ObjXScale[s], fy = d.ObjYScale[s];
    for (int i = 1; i < n; ++i) {
        const double x1 = (d.VertX(s, i) - x0) * fx + x0, y1 = (d.VertY(s, i) - y0) * fy + y0;
        const double x2 = (d.VertX(s, i + 1) - x0) * fx + x0, y2 = (d.VertY(s, i + 1) - y0) * fy + y0;
        const double dx = x2 - x1, dy = y2 - y1;
        const bool alongY = std::fabs(dy) > std::fabs(dx);
        const double span = alongY ? dy : dx;
        double step = alongY ? b.hy : b.hx;
        if (!(step > 0)) step = 0.001;
        if (std::fabs(span) / step > kMaxSamples) step = std::fabs(span) / kMaxSamples;
        if (!std::isfinite(span)) continue;
        const double dir = span < 0 ? -1 : 1;
        for (long k = 0;; ++k) {
            const double u = dir * step * static_cast<double>(k);
            if (std::fabs(u) > std::fabs(span) + 1e-12) break;
            const double px = alongY ? x1 + u * dx / dy : x1 + u;
            const double py = alongY ? y1 + u : (dx != 0 ? y1 + u * dy / dx : y1);
            if (b.Hits(px, py, kPickMargin)) return true;
        }
    }
    return false;
}

// A Dial is hit at a mark's outer end, or on the mark's direction at the
// label radius; a little wider across than up and down.
bool DialHit(const Drawing& d, int s, const PickBox& b) {
    const DialValues v = DialValuesOf(d, s);
    const double cx = d.ObjX[s], cy = d.ObjY[s];
    const double labelRadius = v[3] + v[1] * (1.5 * v[13] + v[7]);
    auto hits = [&](double px, double py) { return std::fabs(px - b.mx) <= b.hx + 0.1 && std::fabs(py - b.my) <= b.hy; };
    for (const DialMark& m : DialLayout(v, DialLawOf(d, s), cx, cy, d.PI))
        if (hits(m.ox, m.oy) ||
            hits(cx + labelRadius * std::cos(m.angle), cy + labelRadius * std::sin(m.angle)))
            return true;
    return false;
}

bool ObjectHit(const App& app, int s, const PickBox& b) {
    const Drawing& d = app.dwg;
    const std::string& kind = d.ObjType[s];
    const bool editing = app.cmd.CurCommand == "Change";
    if (kind == "Arc") {
        if (editing || d.ObjAngle[s] == d.ObjEndAngle[s]) return false;
        return SweepHits(d, s, d.ObjAngle[s], d.ObjEndAngle[s], 0.01, b);
    }
    if (kind == "Circle") {
        // Every 2/radius degrees; a circle of no radius has no outline to hit.
        const double r = std::fabs(d.ObjSize[s]);
        if (editing || !(r > 0)) return false;
        return SweepHits(d, s, 0, 2 * d.PI, 2 / r * d.PI / 180, b);
    }
    if (kind == "Line") return LineHits(d, s, b);
    if (kind == "Shape" || kind == "Text") return PointInBox(app, s, b.mx, b.my);
    if (kind == "Dial") return DialHit(d, s, b);
    return false;
}

// The slots the list names already, by slot number: one walk of the list
// for a whole pass over the table.
std::vector<bool> ListedSlots(const Selection& sel) {
    std::vector<bool> listed(kSlots, false);
    for (int k = 0; k < sel.SelCount && k < static_cast<int>(sel.SelList.size()); ++k)
        if (sel.SelList[k] >= 0 && sel.SelList[k] < kSlots) listed[sel.SelList[k]] = true;
    return listed;
}

void Append(App& app, int s) {
    Selection& sel = app.sel;
    DrawObject(app, s, app.set.SelectColor & 0xFFFFFFu);
    sel.SelList[sel.SelCount] = static_cast<int16_t>(s);
    sel.SelCount += 1;
    sel.SelTally += 1;
    sel.SelActive = true;
}

bool ListFull(const Selection& sel) { return sel.SelCount >= static_cast<int>(sel.SelList.size()); }

void WriteSelected(App& app, int n) {
    app.ui.SurfaceText(app.screen, app.view.ReadoutLeft + 25, 275, std::to_string(n) + " Objects selected.",
                       app.set.BoardColor ^ 0xFFFFFFu);
    app.ui.SurfaceChanged();
}

// ---- the window -------------------------------------------------------------------

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
    if (kind == "Dial") {
        // The ends of its first mark, at the start of the scale.
        const auto marks = DialLayout(DialValuesOf(d, s), DialLawOf(d, s), x, y, d.PI);
        return !marks.empty() && w.Holds(marks[0].ix, marks[0].iy) && w.Holds(marks[0].ox, marks[0].oy);
    }
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

bool PointInBox(const App& app, int slot, double mx, double my) {
    const Drawing& d = app.dwg;
    const PickBox b = BoxAt(app, mx, my);
    const double x1 = std::min(d.ObjBoxX1[slot], d.ObjBoxX2[slot]) - b.hx;
    const double x2 = std::max(d.ObjBoxX1[slot], d.ObjBoxX2[slot]) + b.hx;
    const double y1 = std::min(d.ObjBoxY1[slot], d.ObjBoxY2[slot]) - b.hy;
    const double y2 = std::max(d.ObjBoxY1[slot], d.ObjBoxY2[slot]) + b.hy;
    return mx >= x1 && mx <= x2 && my >= y1 && my <= y2;
}

void PickObject(App& app, float x, float y, int button, int shift) {
    if (button != kButtonLeft) return;
    Drawing& d = app.dwg;
    Selection& sel = app.sel;
    Point2& p = app.cmd.Pt1;
    SnapToDrawing(app, x, y, p.x, p.y);
    const PickBox b = BoxAt(app, p.x, p.y);
    if (shift == kCtrlKey) {
        // The first listed object hit is taken back; its entry becomes 0.
        for (int k = 0; k < sel.SelCount && k < static_cast<int>(sel.SelList.size()); ++k) {
            const int s = sel.SelList[k];
            if (s < 1 || s > kMaxSlot || !ObjectHit(app, s, b)) continue;
            DrawObject(app, s, ColorOf(app, d.ObjColor[s]));
            sel.SelList[k] = 0;
            sel.SelTally -= 1;
            break;
        }
    } else if (shift == 0 || shift == kShiftKey) {
        const int last = std::min<int>(d.ObjNext - 1, kMaxSlot);
        const std::vector<bool> listed = ListedSlots(sel);
        for (int s = 1; s <= last && !ListFull(sel); ++s) {
            if (d.ObjType[s].empty() || d.ObjColor[s] < 0 || listed[s] || !ObjectHit(app, s, b)) continue;
            Append(app, s);
            break;
        }
    }
    WriteSelected(app, sel.SelTally);
}

void PickAndContinue(App& app, float x, float y, int button, int shift) {
    if (button != kButtonLeft) return;
    Selection& sel = app.sel;
    const bool plain = (shift & (kShiftKey | kCtrlKey)) == 0;
    const bool picked = sel.SelActive;
    // A plain click after a pick is a point, not a pick.
    if (plain && picked) {
        SnapToDrawing(app, x, y, app.cmd.Pt1.x, app.cmd.Pt1.y);
        app.cmd.Pt2 = app.cmd.Pt1;
    }
    if (!picked) PickObject(app, x, y, button, shift);
    else if (!plain) PickObject(app, x, y, button, shift);
    if (sel.SelActive) PromptAfterSelection(app);
}

void Select_All_Click(App& app) {
    const std::string& c = app.cmd.CurCommand;
    if (c == "None" || c == "Change") return;
    Drawing& d = app.dwg;
    Selection& sel = app.sel;
    const int last = std::min<int>(d.ObjNext - 1, kMaxSlot);
    const std::vector<bool> listed = ListedSlots(sel);
    for (int s = 1; s <= last && !ListFull(sel); ++s)
        if (!d.ObjType[s].empty() && d.ObjColor[s] > 0 && !listed[s]) Append(app, s);
    WriteSelected(app, sel.SelCount);
    sel.SelActive = true;
}

void SelectW_Click(App& app) {
    const std::string& c = app.cmd.CurCommand;
    if (c == "None" || c == "Change") return;
    InputPrompt(app, 0, "", kPromptSelectWindow);
    app.cmd.WindowSelect = "SelectW";
}

void SelectByWindow(App& app) {
    Drawing& d = app.dwg;
    Selection& sel = app.sel;
    const std::vector<bool> listed = ListedSlots(sel);
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

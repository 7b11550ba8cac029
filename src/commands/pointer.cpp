// The pointer handlers and the previews. A click walks the click table in
// the program's order of testing; every row tests the command register at
// the moment it is reached, so a row that ends a command keeps later rows
// from taking the same click. Previews invert pixels of the screen buffer:
// drawn twice with the same arguments, they leave every pixel as it was.
#include "commands/pointer.h"

#include <cmath>
#include <string>
#include <vector>

#include "app.h"
#include "commands/dimension.h"
#include "commands/draw.h"
#include "commands/registers.h"
#include "commands/starters.h"
#include "model/numbers.h"
#include "view/browser.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

// ---- the click table ----------------------------------------------------------------

// Which register a row tests.
enum class Match {
    Command,       // CurCommand equals the row's name
    WindowSelect,  // a selection window is being picked while a command runs
    Middle,        // the middle button, whatever runs
};

struct ClickRow {
    int order;                 // the row's place in the program's order of testing
    const char* command;       // CurCommand the row takes (Match::Command)
    bool skipInWindow;         // skipped while WindowSelect is "SelectW"
    Match match;
    void (*click)(App&, int button, int shift, float x, float y);
};

void PanClick(App& app, int button, int, float x, float y) {
    if (button == kButtonLeft) PanLeftClick(app, x, y);
    else if (button == kButtonRight) PanRightClick(app, x, y);
}

// The window's first corner, then the closing corner that hands the window
// to the selection.
void WindowSelectClick(App& app, int button, int, float x, float y) {
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
        if (app.sel.SelectByWindow) app.sel.SelectByWindow(app);
        c.WindowDragOn = false;
        DrawSelectWindow(app);
        DrawCrossHair(app, c.Pt0.x, c.Pt0.y);
        if (app.sel.PromptAfterSelection) app.sel.PromptAfterSelection(app);
        c.WindowSelect = "None";
    }
    app.ui.SurfaceChanged();
}

void MiddleClick(App& app, int button, int, float, float) {
    if (button == kButtonMiddle) RepeatLastCommand(app);
}

// Later parts of the program add their rows here, at their place in the order.
const std::vector<ClickRow>& ClickTable() {
    static const std::vector<ClickRow> rows = {
        {2, "Arc", false, Match::Command, Arc_Click},
        {3, "Arc2", false, Match::Command, Arc2_Click},
        {4, "Arc3", false, Match::Command, Arc3_Click},
        {7, "Circle", false, Match::Command, Circle_Click},
        {9, "Dimension", false, Match::Command, Dimension_Click},
        {10, "Line", false, Match::Command, Line_Click},
        {11, "Shape", false, Match::Command, Shape_PlaceClick},
        {12, "Text", false, Match::Command, Text_Click},
        {15, "Insert", false, Match::Command, Insert_Click},
        {18, "Pan", false, Match::Command, PanClick},
        {20, "", false, Match::WindowSelect, WindowSelectClick},
        {22, "", false, Match::Middle, MiddleClick},
    };
    return rows;
}

bool RowApplies(const App& app, const ClickRow& r) {
    const Registers& c = app.cmd;
    switch (r.match) {
    case Match::Command:
        if (r.skipInWindow && c.WindowSelect == "SelectW") return false;
        return c.CurCommand == r.command;
    case Match::WindowSelect:
        return c.WindowSelect == "SelectW" && c.CurCommand != "None";
    case Match::Middle:
        return true;
    }
    return false;
}

// ---- inversion helpers ---------------------------------------------------------------

double Sign(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// Walks from a towards b in steps of `step` twips along one axis and calls
// dot(t) for every position. Positions outside [lo, hi) put no pixel on the
// buffer, so the walk starts and stops at the buffer's edges; the dots kept
// are exactly those of the whole walk.
template <class Dot>
void WalkAxis(double a, double b, double step, double lo, double hi, Dot dot) {
    double dir = Sign(b - a);
    if (dir == 0) {
        dot(a);
        return;
    }
    double first = 0, last = std::floor(std::fabs(b - a) / step);
    // Steps k with a + dir*k*step inside [lo, hi].
    double kLo = dir > 0 ? std::ceil((lo - a) / step) : std::ceil((a - hi) / step);
    double kHi = dir > 0 ? std::floor((hi - a) / step) : std::floor((a - lo) / step);
    if (kLo > first) first = kLo;
    if (kHi < last) last = kHi;
    for (double k = first; k <= last; k += 1) dot(a + dir * k * step);
}

double SurfaceWidthTw(const App& app) { return app.screen.width * kTwipsPerInch / app.screen.dpi; }
double SurfaceHeightTw(const App& app) { return app.screen.height * kTwipsPerInch / app.screen.dpi; }

double RoundTo(double v, int n) {
    double f = std::pow(10.0, n);
    return std::nearbyint(v * f) / f;
}

}  // namespace

// ---- the previews -------------------------------------------------------------------

void RubberBandLine(App& app, const Point2& p, const Point2& q) {
    const double r = std::hypot(q.x - p.x, q.y - p.y);
    const double theta = VectorAngle(app, q.x - p.x, q.y - p.y) * 180 / app.dwg.PI;
    std::string text = "R = " + FormatDecimals(GeneralNumber(RoundTo(r, 4)), 4) +
                       " Theta = " + FormatDecimals(GeneralNumber(RoundTo(theta, 2)), 2) + "       ";
    app.ui.SurfaceText(app.screen, 9000, 275, text, app.set.BoardColor ^ 0xFFFFFFu);
    if (p.x == q.x && p.y == q.y) return;
    const double x1 = std::nearbyint(ToScreenX(app, p.x)), y1 = std::nearbyint(ToScreenY(app, p.y));
    const double x2 = std::nearbyint(ToScreenX(app, q.x)), y2 = std::nearbyint(ToScreenY(app, q.y));
    Surface& s = app.screen;
    if (std::fabs(y2 - y1) < std::fabs(x2 - x1)) {
        WalkAxis(x1, x2, 85, -1440, SurfaceWidthTw(app) + 1440,
                 [&](double x) { SurfaceInvertPixel(s, x, y1 + (x - x1) * (y2 - y1) / (x2 - x1)); });
    } else if (y2 != y1) {
        WalkAxis(y1, y2, 85, -1440, SurfaceHeightTw(app) + 1440,
                 [&](double y) { SurfaceInvertPixel(s, x1 + (y - y1) * (x2 - x1) / (y2 - y1), y); });
    } else {
        SurfaceInvertPixel(s, x1, y1);  // two drawing points on one twip: one dot
    }
    app.ui.SurfaceChanged();
}

void RubberBandCircle(App& app, const Point2& c, const Point2& p) {
    if (app.cmd.CircleBandOff) return;
    const double r = std::hypot(p.x - c.x, p.y - c.y);
    if (r == 0) return;
    const double step = app.dwg.PI * app.view.ViewWidth / (450 * app.dwg.Zoom * r);
    if (!(step > 0) || !std::isfinite(step)) return;
    const double twoPi = 2 * app.dwg.PI;
    // The dots stand pi*W/450 twips apart: a circle far larger than the
    // buffer would take millions of them, all off the screen.
    if (twoPi / step > 4e6) return;
    Surface& s = app.screen;
    for (double a = 0; a <= twoPi; a += step)
        SurfaceInvertPixel(s, ToScreenX(app, c.x + r * std::cos(a)), ToScreenY(app, c.y + r * std::sin(a)));
    app.ui.SurfaceChanged();
}

void DrawSelectWindow(App& app) {
    const Point2& p1 = app.cmd.Pt1;
    const Point2& p2 = app.cmd.Pt2;
    if (p1.x == p2.x || p1.y == p2.y) return;
    const double x1 = ToScreenX(app, p1.x), y1 = ToScreenY(app, p1.y);
    const double x2 = ToScreenX(app, p2.x), y2 = ToScreenY(app, p2.y);
    Surface& s = app.screen;
    const double wTw = SurfaceWidthTw(app) + 1440, hTw = SurfaceHeightTw(app) + 1440;
    // Each edge from its first corner towards the second, a dot every 120 twips.
    WalkAxis(x1, x2, 120, -1440, wTw, [&](double x) { SurfaceInvertPixel(s, x, y1); });
    WalkAxis(y1, y2, 120, -1440, hTw, [&](double y) { SurfaceInvertPixel(s, x2, y); });
    WalkAxis(x2, x1, 120, -1440, wTw, [&](double x) { SurfaceInvertPixel(s, x, y2); });
    WalkAxis(y2, y1, 120, -1440, hTw, [&](double y) { SurfaceInvertPixel(s, x1, y); });
    app.ui.SurfaceChanged();
}

void ToggleRubberBands(App& app) {
    Registers& c = app.cmd;
    if (!c.RubberBandOn) return;
    if (c.CurCommand == "Circle" || c.CurCommand == "Arc") {
        RubberBandCircle(app, c.Pt1, c.Pt2);
        RubberBandLine(app, c.Pt1, c.Pt2);
    } else if (c.CurCommand == "Arc2") {
        RubberBandCircle(app, c.Pt2, c.Pt1);
        RubberBandLine(app, c.Pt3, c.Pt2);
    } else {
        RubberBandLine(app, c.Pt1, c.Pt2);
    }
}

void ConstrainArc3Centre(const App& app, Point2& c) {
    const Point2& e = app.cmd.Pt1;  // end point
    const Point2& s = app.cmd.Pt3;  // start point
    const double mx = (s.x + e.x) / 2, my = (s.y + e.y) / 2;
    if (e.y == s.y) {
        c.x = mx;
    } else if (e.x == s.x) {
        c.y = my;
    } else if (std::fabs(e.y - s.y) < std::fabs(s.x - e.x)) {
        c.x = (c.y - my) * (e.y - s.y) / (s.x - e.x) + mx;
    } else {
        c.y = (c.x - mx) * (e.x - s.x) / (s.y - e.y) + my;
    }
}

// ---- the handlers ---------------------------------------------------------------------

void Form_MouseDown(App& app, int button, int shift, float x, float y) {
    if (!app.shell.Started) return;
    for (const ClickRow& r : ClickTable()) {
        if (!RowApplies(app, r)) continue;
        r.click(app, button, shift, x, y);
    }
    Registers& c = app.cmd;
    if (c.WindowSelect == "SelectW" && c.CurCommand == "None") CancelCommand(app, 0);
}

void Form_MouseMove(App& app, int, int, float x, float y) {
    if (!app.shell.Started) return;
    Registers& c = app.cmd;
    // 1. The prompt band at the top of the area belongs to the prompt line.
    const float band = static_cast<float>(3.42e6 / app.view.ViewHeight);
    if (y < band) return;
    // 2-6. The cross-hair, Pt0 and the readout follow the snapped point.
    Point2 p{c.Pt0.x, c.Pt0.y};
    SnapToDrawing(app, x, y, p.x, p.y);
    if (p.x != c.Pt0.x || p.y != c.Pt0.y) {
        if (!c.WindowDragOn) {
            if (c.Arc3CentreMode) {
                ConstrainArc3Centre(app, p);
                RubberBandCircle(app, c.Pt0, c.Pt3);
                RubberBandCircle(app, p, c.Pt3);
            }
            DrawCrossHair(app, p.x, p.y);
            DrawCrossHair(app, c.Pt0.x, c.Pt0.y);
        }
        c.Pt0 = p;
        WriteReadout(app, p.x, p.y);
    }
    // 7. A dragged selection window follows the pointer.
    if (c.WindowDragOn) {
        DrawSelectWindow(app);
        SnapToDrawing(app, x, y, c.Pt2.x, c.Pt2.y);
        DrawSelectWindow(app);
    }
    // 8. The rubber band.
    if (c.RubberBandOn) {
        Point2 r = c.Pt2;
        SnapToDrawing(app, x, y, r.x, r.y);
        if (r.x != c.Pt2.x || r.y != c.Pt2.y) {
            ToggleRubberBands(app);
            c.Pt2 = r;
            ToggleRubberBands(app);
        }
    }
    app.ui.SurfaceChanged();
}

// ---- the middle button ------------------------------------------------------------------

void RepeatLastCommand(App& app) {
    const std::string& r = app.cmd.RepeatCommand;
    if (r == "Shape") {
        // The newest object's symbol again, straight into placement.
        Drawing& d = app.dwg;
        if (app.cmd.CurCommand != "None" || d.ObjNext < 2 || d.ObjType[d.ObjNext - 1] != "Shape") return;
        ArmShape(app, d.ObjText[d.ObjNext - 1]);
        return;
    }
    for (const char* name : {"Arc", "Arc2", "Arc3", "AnimR", "Circle", "Dimension", "Line", "Text"})
        if (r == name) RunStarter(app, name);
}

// The move handler and the previews. Previews invert pixels of the screen
// buffer: drawn twice with the same arguments, they leave every pixel as it
// was. The button-press handler is the click table's walker, tables/clicks.cpp.
#include "commands/pointer.h"

#include <cmath>
#include <string>
#include <vector>

#include "app.h"
#include "commands/registers.h"
#include "model/numbers.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

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

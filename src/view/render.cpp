// Arc, Circle and polyline geometry for any Device. Arcs and circles become
// Curves that the device steps; lines become pen moves.
#include "view/render.h"

#include <algorithm>
#include <cmath>

#include "model/drawing.h"
#include "model/extents.h"

void RenderArcObject(Device& dev, Drawing& d, int s, uint32_t rgb) {
    NormaliseArcAngles(d.ObjAngle[s], d.ObjEndAngle[s], d.PI);
    double r = d.ObjSize[s];
    if (d.ObjAngle[s] == d.ObjEndAngle[s] || r == 0) return;
    Curve c;
    c.kind = CurveKind::Arc;
    c.cx = d.ObjX[s];
    c.cy = d.ObjY[s];
    c.ax = d.ObjXScale[s] * r;
    c.ay = d.ObjYScale[s] * r;
    c.t0 = d.ObjAngle[s];
    c.t1 = d.ObjEndAngle[s];
    c.stepRadius = r;
    dev.DrawCurve(c, rgb);
}

void RenderCircleObject(Device& dev, const Drawing& d, int s, uint32_t rgb) {
    double r = d.ObjSize[s];
    if (!(r > 0)) return;  // a zero or negative radius draws nothing
    Curve c;
    c.kind = CurveKind::Circle;
    c.cx = d.ObjX[s];
    c.cy = d.ObjY[s];
    c.ax = d.ObjXScale[s] * r;
    c.ay = d.ObjYScale[s] * r;
    c.stepRadius = r;
    dev.DrawCurve(c, rgb);
}

// A pattern so fine that one segment would hold more dashes than this is
// drawn solid: no screen could show the gaps.
constexpr double kMaxDashes = 100000;

void RenderHiddenSegment(Device& dev, double x1, double y1, double x2, double y2, const HiddenPattern& hp,
                         uint32_t rgb) {
    if (dev.HiddenSegment(x1, y1, x2, y2, hp.dash, hp.gap, rgb)) return;
    double vx = x2 - x1, vy = y2 - y1;
    double L = std::sqrt(vx * vx + vy * vy);
    double period = hp.dash + hp.gap;
    double nf = std::floor(L / period + 0.5);
    if (!(period > 0) || !std::isfinite(nf) || nf > kMaxDashes) {
        dev.MoveTo(x1, y1);
        dev.LineTo(x2, y2, rgb);
        return;
    }
    // Half a gap along the segment (nothing for a segment of no length).
    double gx = L > 0 ? hp.gap * vx / L : 0, gy = L > 0 ? hp.gap * vy / L : 0;
    auto piece = [&](double ax, double ay, double bx, double by) {
        dev.MoveTo(ax, ay);
        dev.LineTo(bx, by, rgb);
    };
    long n = static_cast<long>(nf);
    if (n <= 1) {
        double mx = x1 + vx / 2, my = y1 + vy / 2;
        piece(x1, y1, mx - gx, my - gy);
        piece(mx + gx, my + gy, x2, y2);
        return;
    }
    double cx = vx / n, cy = vy / n;
    piece(x1, y1, x1 + cx - gx, y1 + cy - gy);
    for (long i = 0; i <= n - 2; ++i)
        piece(x1 + i * cx + gx, y1 + i * cy + gy, x1 + (i + 1) * cx - gx, y1 + (i + 1) * cy - gy);
    piece(x1 + (n - 1) * cx + gx, y1 + (n - 1) * cy + gy, x2, y2);
}

void RenderPolyline(Device& dev, const double* xs, const double* ys, int m, int lineType, double fx, double fy,
                    const HiddenPattern& hp, uint32_t rgb) {
    if (m < 0) m = 0;
    if (m >= 2 && xs[m - 1] == xs[m - 2] && ys[m - 1] == ys[m - 2]) --m;
    if (m < 2) return;
    const double x0 = xs[0], y0 = ys[0];
    auto px = [&](int k) { return x0 + (xs[k] - x0) * fx; };
    auto py = [&](int k) { return y0 + (ys[k] - y0) * fy; };
    if (lineType != 1) {
        // Cull the whole line at once when its box misses the output.
        double minX = px(0), maxX = minX, minY = py(0), maxY = minY;
        for (int k = 1; k < m; ++k) {
            double x = px(k), y = py(k);
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
        if (!dev.Touches(minX, minY, maxX, maxY)) return;
        dev.MoveTo(px(0), py(0));
        for (int k = 1; k < m; ++k) dev.LineTo(px(k), py(k), rgb);
        return;
    }
    for (int k = 0; k + 1 < m; ++k) {
        double ax = px(k), ay = py(k), bx = px(k + 1), by = py(k + 1);
        if (!dev.Touches(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by))) continue;
        RenderHiddenSegment(dev, ax, ay, bx, by, hp, rgb);
    }
}

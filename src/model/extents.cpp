// The extents computation and the small geometry helpers it rests on: the
// grow step, every object's bounding points, the text box, the arc-angle
// normalisation and TransformPoint. Called by the file reader and writer,
// the renderers and every transform command.
#include "model/extents.h"

#include <cmath>

#include "model/dial.h"

namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < kSlots; }

// One "while X >= limit: X -= step, Y -= step" of the normalisation. Angles
// from a damaged file can be so large that subtracting a turn no longer
// changes them; beyond a sane size each angle is first brought into one turn
// on its own (the arc's end points stay where they were on the circle).
constexpr double kHugeAngle = 1e4;  // radians; far beyond any drawn arc

void ReduceHuge(double& a, double twoPi) {
    if (std::isfinite(a) && std::fabs(a) > kHugeAngle) a = std::fmod(a, twoPi);
}

}  // namespace

void ExtendExtents(Drawing& d, int slot, double x, double y) {
    if (x < d.ExtMinX) d.ExtMinX = x;
    if (x > d.ExtMaxX) d.ExtMaxX = x;
    if (y < d.ExtMinY) d.ExtMinY = y;
    if (y > d.ExtMaxY) d.ExtMaxY = y;
    if (!ValidSlot(slot)) return;
    if (x < d.ObjBoxX1[slot]) d.ObjBoxX1[slot] = x;
    if (x > d.ObjBoxX2[slot]) d.ObjBoxX2[slot] = x;
    if (y < d.ObjBoxY1[slot]) d.ObjBoxY1[slot] = y;
    if (y > d.ObjBoxY2[slot]) d.ObjBoxY2[slot] = y;
}

void TransformPoint(double x, double y, double sx, double sy, double f, double cx, double cy, double a,
                    double& ox, double& oy) {
    if (sx == 0) sx = 1;
    if (sy == 0) sy = 1;
    double c = std::cos(a), s = std::sin(a);
    ox = (x * c - y * s) * f * sx + cx;
    oy = (x * s + y * c) * f * sy + cy;
}

int TextCellCount(const std::string& text) {
    // Counted in bytes: the stroke font draws one cell per byte.
    int n = 0;
    for (char c : text)
        if (c != '[' && c != ']') ++n;
    return n;
}

void UpdateTextBox(Drawing& d, int slot) {
    if (!ValidSlot(slot)) return;
    double x = d.ObjX[slot], y = d.ObjY[slot], h = d.ObjSize[slot], a = d.ObjAngle[slot];
    d.ObjBoxX1[slot] = d.ObjBoxX2[slot] = x;
    d.ObjBoxY1[slot] = d.ObjBoxY2[slot] = y;
    double w = TextCellCount(d.ObjText[slot]);
    // The two corners of the text in text units (one unit = one height).
    double u1, v1, u2, v2;
    const std::string& j = d.ObjJust[slot];
    if (j == "S") {
        u1 = 0, v1 = 0, u2 = w, v2 = 1;
    } else if (j == "C") {
        u1 = -w / 2, v1 = 0, u2 = w / 2, v2 = 1;
    } else if (j == "M") {
        u1 = -w / 2, v1 = -0.5, u2 = w / 2, v2 = 0.5;
    } else if (j == "E") {
        u1 = -w, v1 = 0, u2 = 0, v2 = 1;
    } else {
        return;  // an unknown code leaves the box at the insertion point
    }
    double px, py;
    TransformPoint(u1, v1, 1, 1, h, x, y, a, px, py);
    ExtendExtents(d, slot, px, py);
    TransformPoint(u2, v2, 1, 1, h, x, y, a, px, py);
    ExtendExtents(d, slot, px, py);
}

void NormaliseArcAngles(double& A, double& B, double pi) {
    const double twoPi = 2 * pi;
    const double eps = 0.0044;
    if (!std::isfinite(A) || !std::isfinite(B)) return;
    ReduceHuge(A, twoPi);
    ReduceHuge(B, twoPi);
    if (A > B) {
        while (A >= twoPi) A -= twoPi, B -= twoPi;
        while (B <= -twoPi) A += twoPi, B += twoPi;
    }
    if (B > A) {
        while (B >= twoPi) A -= twoPi, B -= twoPi;
        while (A <= -twoPi) A += twoPi, B += twoPi;
    }
    if (B - A > pi + eps) A += twoPi;
    if (A - B > pi + eps) B += twoPi;
    // A half circle could go either way: its direction is fixed by where it starts.
    if (std::fabs(std::fabs(A - B) - pi) < eps) {
        if (std::fabs(A) < eps) {
            A = 0, B = pi;
        } else if (std::fabs(B) < eps) {
            A = -pi, B = 0;
        } else if (std::fabs(A - pi / 2) < eps) {
            A = pi / 2, B = 3 * pi / 2;
        } else if (std::fabs(B - pi / 2) < eps) {
            A = -pi / 2, B = pi / 2;
        } else if (std::fabs(A - pi) < eps) {
            A = pi, B = twoPi;
        } else if (std::fabs(B - pi) < eps) {
            A = 0, B = pi;
        } else {
            B = A + pi;
        }
    }
}

namespace {

void ArcExtents(Drawing& d, int s) {
    double r = d.ObjSize[s];
    if (d.ObjAngle[s] == d.ObjEndAngle[s] || r == 0) return;
    NormaliseArcAngles(d.ObjAngle[s], d.ObjEndAngle[s], d.PI);
    double a = d.ObjAngle[s], b = d.ObjEndAngle[s];
    if (a == b || !std::isfinite(a) || !std::isfinite(b)) return;
    // Points every 2 degrees along the sweep, the end passed by at most half
    // a step; after the normalisation a sweep is at most about half a turn,
    // so the count below is only a guard.
    double step = (b > a ? 1 : -1) * d.PI / 90;
    double stop = b + step / 2;
    for (int i = 0; i < 400; ++i) {
        double t = a + i * step;
        if (step > 0 ? t > stop : t < stop) break;
        ExtendExtents(d, s, d.ObjX[s] + d.ObjXScale[s] * r * std::cos(t),
                      d.ObjY[s] + d.ObjYScale[s] * r * std::sin(t));
    }
}

void LineExtents(Drawing& d, int s) {
    double n = d.ObjSize[s];
    int count = n >= kMaxVertex ? kMaxVertex : (n >= 1 ? static_cast<int>(n) : 0);
    for (int k = 1; k <= count; ++k) ExtendExtents(d, s, d.VertX(s, k), d.VertY(s, k));
}

}  // namespace

// A dial: C + (R, 0) and C + (R, R) as ever, and every mark with the room
// its number takes (a cell of the text height per character, and one more
// across), so the limits and a selection window include the whole scale.
static void DialExtents(Drawing& d, int slot) {
    const double x = d.ObjX[slot], y = d.ObjY[slot], r = d.VertX(slot, 3);
    ExtendExtents(d, slot, x + r, y);
    ExtendExtents(d, slot, x + r, y + r);
    const DialValues v = DialValuesOf(d, slot);
    for (const DialMark& m : DialLayout(v, DialLawOf(d, slot), x, y, d.PI)) {
        ExtendExtents(d, slot, m.ix, m.iy);
        ExtendExtents(d, slot, m.ox, m.oy);
        if (!m.numbered) continue;
        const double half = (static_cast<double>(m.label.size()) + 1) * std::fabs(v[13]) / 2;
        ExtendExtents(d, slot, m.lx - half, m.ly - half);
        ExtendExtents(d, slot, m.lx + half, m.ly + half);
    }
}

void UpdateObjectExtents(Drawing& d, int slot) {
    if (!ValidSlot(slot)) return;
    const std::string& kind = d.ObjType[slot];
    double x = d.ObjX[slot], y = d.ObjY[slot];
    if (kind == "Arc") {
        ArcExtents(d, slot);
    } else if (kind == "Circle") {
        double r = d.ObjSize[slot];
        ExtendExtents(d, slot, x + r, y + r);
        ExtendExtents(d, slot, x - r, y - r);
    } else if (kind == "Line") {
        LineExtents(d, slot);
    } else if (kind == "Dial") {
        DialExtents(d, slot);
    } else if (kind == "Shape") {
        // The shape's box is computed from its shape file by the view;
        // without the view the stored box is taken as it is.
        if (d.ShapeBoxFn) {
            d.ShapeBoxFn(d.ShapeBoxCtx, d, slot);
        } else {
            ExtendExtents(d, slot, d.ObjBoxX1[slot], d.ObjBoxY1[slot]);
            ExtendExtents(d, slot, d.ObjBoxX2[slot], d.ObjBoxY2[slot]);
        }
    } else if (kind == "Text") {
        UpdateTextBox(d, slot);
    }
}

void RecomputeExtents(Drawing& d) {
    ResetExtents(d);
    int last = d.ObjNext - 1;
    if (last > kMaxSlot) last = kMaxSlot;
    for (int s = 1; s <= last; ++s) UpdateObjectExtents(d, s);
}

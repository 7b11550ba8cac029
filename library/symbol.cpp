// Sym's objects go straight into the object table, as a drawing command
// would put them: colour 1 (the drawing's colour when placed), factors 1.
#include "library/symbol.h"

#include <algorithm>
#include <cmath>

#include "model/drawing.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
double Rad(double deg) { return deg * kPi / 180; }
}  // namespace

int Sym::Next() {
    int s = d_.ObjNext;
    d_.ObjNext = static_cast<int16_t>(s + 1);
    d_.ObjColor[s] = 1;
    d_.ObjXScale[s] = 1;
    d_.ObjYScale[s] = 1;
    d_.ObjNum[s] = static_cast<int16_t>(s);
    return s;
}

void Sym::Line(const std::vector<Pt>& pts) {
    if (pts.size() < 2) return;
    int s = Next();
    d_.ObjType[s] = "Line";
    d_.ObjLineType[s] = 0;
    d_.ObjLineWidth[s] = 0;
    int k = 0;
    for (const Pt& p : pts) {
        if (k >= kMaxVertex) break;
        ++k;
        d_.VertX(s, k) = p.x;
        d_.VertY(s, k) = p.y;
    }
    d_.ObjSize[s] = k;
}

void Sym::Hidden(const std::vector<Pt>& pts) {
    Line(pts);
    if (pts.size() >= 2) d_.ObjLineType[d_.ObjNext - 1] = 1;
}

void Sym::Loop(std::vector<Pt> pts) {
    if (pts.empty()) return;
    pts.push_back(pts.front());
    Line(pts);
}

void Sym::Rect(double x0, double y0, double x1, double y1) { Loop({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}); }

void Sym::Arc(double cx, double cy, double r, double startDeg, double endDeg) {
    const double sweep = endDeg - startDeg;
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / 90 - 1e-9)));
    for (int i = 0; i < pieces; ++i) {
        int s = Next();
        d_.ObjType[s] = "Arc";
        d_.ObjX[s] = cx;
        d_.ObjY[s] = cy;
        d_.ObjSize[s] = r;
        d_.ObjAngle[s] = Rad(startDeg + sweep * i / pieces);
        d_.ObjEndAngle[s] = Rad(startDeg + sweep * (i + 1) / pieces);
    }
}

void Sym::Circle(double cx, double cy, double r) {
    int s = Next();
    d_.ObjType[s] = "Circle";
    d_.ObjX[s] = cx;
    d_.ObjY[s] = cy;
    d_.ObjSize[s] = r;
}

void Sym::Dot(double cx, double cy, double r) {
    for (double rr = r; rr > 0.004; rr -= 0.006) Circle(cx, cy, rr);
}

void Sym::Text(double x, double y, double h, const std::string& text, const std::string& just, double angleDeg) {
    int s = Next();
    d_.ObjType[s] = "Text";
    d_.ObjX[s] = x;
    d_.ObjY[s] = y;
    d_.ObjSize[s] = h;
    d_.ObjText[s] = text;
    d_.ObjJust[s] = just;
    d_.ObjAngle[s] = Rad(angleDeg);
}

void Sym::Shape(const std::string& name, double x, double y, double size, double angleDeg, double fx, double fy) {
    int s = Next();
    d_.ObjType[s] = "Shape";
    d_.ObjText[s] = name;
    d_.ObjX[s] = x;
    d_.ObjY[s] = y;
    d_.ObjSize[s] = size;
    d_.ObjAngle[s] = Rad(angleDeg);
    d_.ObjXScale[s] = fx;
    d_.ObjYScale[s] = fy;
}

// ---- forms ---------------------------------------------------------------------------

void Zigzag(Sym& s, Pt a, Pt b, int peaks, double amp) {
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    if (len == 0 || peaks < 1) return;
    const double nx = -dy / len, ny = dx / len;
    std::vector<Pt> pts{a};
    for (int i = 0; i < peaks; ++i) {
        const double t = (i + 0.5) / peaks, side = i % 2 == 0 ? 1 : -1;
        pts.push_back({a.x + dx * t + nx * amp * side, a.y + dy * t + ny * amp * side});
    }
    pts.push_back(b);
    s.Line(pts);
}

void Coil(Sym& s, Pt a, Pt b, int loops, int side) {
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    if (len == 0 || loops < 1) return;
    const double r = len / loops / 2;
    const double dir = std::atan2(dy, dx) * 180 / kPi;
    for (int i = 0; i < loops; ++i) {
        const double t = (2 * i + 1) * r / len;
        // A half circle from the loop's start to its end: clockwise passes
        // the left of the direction, counter-clockwise the right.
        s.Arc(a.x + dx * t, a.y + dy * t, r, dir + 180, side > 0 ? dir : dir + 360);
    }
}

void ArrowHead(Sym& s, Pt from, Pt tip, double len, double w) {
    const double dx = tip.x - from.x, dy = tip.y - from.y, l = std::hypot(dx, dy);
    if (l == 0) return;
    const double ux = dx / l, uy = dy / l;
    const Pt back{tip.x - ux * len, tip.y - uy * len};
    s.Loop({{back.x - uy * w, back.y + ux * w}, tip, {back.x + uy * w, back.y - ux * w}});
}

void Arrow(Sym& s, Pt a, Pt b, double len, double w) {
    s.Line({a, b});
    ArrowHead(s, a, b, len, w);
}

void PadRow(Sym& s, double x, double y, double dx, double dy, int n, double od, double hd) {
    for (int i = 0; i < n; ++i) {
        s.Circle(x + dx * i, y + dy * i, od / 2);
        if (hd > 0) s.Circle(x + dx * i, y + dy * i, hd / 2);
    }
}

std::vector<Pt> CirclePoints(double cx, double cy, double r, int n, double startDeg) {
    std::vector<Pt> out;
    for (int i = 0; i < n; ++i) {
        const double a = Rad(startDeg + 360.0 * i / n);
        out.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return out;
}

void Sym::Dial(double cx, double cy, const DialSpec& spec) {
    int s = Next();
    d_.ObjType[s] = "Dial";
    d_.ObjX[s] = cx;
    d_.ObjY[s] = cy;
    d_.ObjSize[s] = 15;
    const double v[16] = {0,
                          static_cast<double>(spec.side),
                          0,
                          spec.r,
                          Rad(spec.totalDeg),
                          Rad(spec.middleDeg - 90),
                          static_cast<double>(spec.majors),
                          spec.majorLen,
                          static_cast<double>(spec.minors),
                          spec.minorLen,
                          spec.ccw,
                          spec.cw,
                          static_cast<double>(spec.decimals),
                          spec.textHeight,
                          static_cast<double>(spec.intermediates),
                          spec.intermediateLen};
    for (int k = 1; k <= 15; ++k) d_.VertX(s, k) = v[k];
    StoreDialLaw(d_, s, spec.law);
}

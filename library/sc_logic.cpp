// Logic (ScL-). Two-input gates take input 1 (pin 1) at (0, 0) and input 2
// at (0, -0.2); the body runs from x 0.1 to 0.5 between y 0.1 and -0.3 and
// the output ends at (0.7, -0.1). Buffers and inverters are a triangle from
// x 0.1 to 0.45 with the input at (0, 0) and the output at (0.6, 0).
// Flip-flops are boxes with their inputs on the left and Q, Q-bar on the
// right, 0.2 apart.
#include "library/library.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBubble = 0.03;  // radius of an inverting bubble

// The output lead from the body's tip (x, y) to (xEnd, y), with a bubble
// at the tip when the output inverts.
void Output(Sym& s, double x, double y, double xEnd, bool invert) {
    if (invert) {
        s.Circle(x + kBubble, y, kBubble);
        x += 2 * kBubble;
    }
    s.Line({{x, y}, {xEnd, y}});
    s.Pin(xEnd, y);
}

// ---- two-input gates ------------------------------------------------------------

// The D of an AND: flat back, straight sides, a half circle in front.
void AndBody(Sym& s, bool invert) {
    s.Line({{0.3, 0.1}, {0.1, 0.1}, {0.1, -0.3}, {0.3, -0.3}});
    s.Arc(0.3, -0.1, 0.2, -90, 90);
    s.Line({{0, 0}, {0.1, 0}});
    s.Line({{0, -0.2}, {0.1, -0.2}});
    s.Pin(0, 0);
    s.Pin(0, -0.2);
    Output(s, 0.5, -0.1, 0.7, invert);
}

// The back curve of an OR shifted left by dx: an arc bulging 0.05 into
// the body. Returns where a horizontal line at height y meets it.
constexpr double kBackR = 0.425;  // (0.2^2 + 0.05^2) / (2 * 0.05)
double BackCurve(Sym& s, double dx) {
    const double cx = 0.15 - kBackR + dx;
    const double half = std::asin(0.2 / kBackR) * 180 / kPi;
    s.Arc(cx, -0.1, kBackR, -half, half);
    return cx + std::sqrt(kBackR * kBackR - 0.1 * 0.1);  // at y 0 and -0.2 alike
}

// An OR: curved back, sides sweeping to a point at (0.5, -0.1); exclusive
// adds a second back curve behind the first.
void OrBody(Sym& s, bool exclusive, bool invert) {
    const double r = 0.4, c = 0.5 - r * std::cos(kPi / 6);  // the sides' centres' x
    const double back = BackCurve(s, 0);
    double inEnd = back;
    if (exclusive) inEnd = BackCurve(s, -0.06);
    s.Line({{0.1, 0.1}, {c, 0.1}});
    s.Line({{0.1, -0.3}, {c, -0.3}});
    s.Arc(c, -0.3, r, 90, 30);
    s.Arc(c, 0.1, r, -90, -30);
    s.Line({{0, 0}, {inEnd, 0}});
    s.Line({{0, -0.2}, {inEnd, -0.2}});
    s.Pin(0, 0);
    s.Pin(0, -0.2);
    Output(s, 0.5, -0.1, 0.7, invert);
}

void And(Sym& s) { AndBody(s, false); }
void Nand(Sym& s) { AndBody(s, true); }
void Or(Sym& s) { OrBody(s, false, false); }
void Nor(Sym& s) { OrBody(s, false, true); }
void Xor(Sym& s) { OrBody(s, true, false); }
void Xnor(Sym& s) { OrBody(s, true, true); }

// ---- buffers ------------------------------------------------------------------------

constexpr double kTipX = 0.45, kHalf = 0.17;  // the triangle's tip and half height

void Triangle(Sym& s, bool invert) {
    s.Line({{0, 0}, {0.1, 0}});
    s.Loop({{0.1, kHalf}, {kTipX, 0}, {0.1, -kHalf}});
    s.Pin(0, 0);
    Output(s, kTipX, 0, 0.6, invert);
}

// The hysteresis loop of a Schmitt trigger about (cx, cy).
void Hysteresis(Sym& s, double cx, double cy) {
    const double w = 0.055, d = 0.018, h = 0.035;
    s.Line({{cx - w, cy - h}, {cx + d, cy - h}, {cx + d, cy + h}});
    s.Line({{cx - d, cy - h}, {cx - d, cy + h}, {cx + w, cy + h}});
}

void Buffer(Sym& s) { Triangle(s, false); }
void Inverter(Sym& s) { Triangle(s, true); }

void SchmittInverter(Sym& s) {
    Triangle(s, true);
    Hysteresis(s, 0.2, 0);
}

// The enable comes up from (0.3, -0.2) to the triangle's lower side.
void TriStateBuffer(Sym& s) {
    Triangle(s, false);
    const double y = -kHalf * (kTipX - 0.3) / (kTipX - 0.1);
    s.Line({{0.3, -0.2}, {0.3, y}});
    s.Pin(0.3, -0.2);
}

// ---- flip-flops ---------------------------------------------------------------------

constexpr double kLabel = 0.07;

// The box from x 0.2 to 0.7 and its Q, Q-bar outputs at (0.9, 0), (0.9, -0.2).
void FlipFlopBox(Sym& s, double top, double bottom) {
    s.Rect(0.2, top, 0.7, bottom);
    for (double y : {0.0, -0.2}) s.Line({{0.7, y}, {0.9, y}});
    s.Text(0.62, 0, kLabel, "Q");
    s.Text(0.62, -0.2, kLabel, "Q");
    s.Line({{0.59, -0.15}, {0.65, -0.15}});  // the bar over the Q
}

// An input lead from (0, y) to the box with its label inside.
void Input(Sym& s, double y, const std::string& label) {
    s.Line({{0, y}, {0.2, y}});
    s.Text(0.24 + kLabel * static_cast<double>(label.size()) / 2, y, kLabel, label);
}

// The clock input: the wedge on the box's edge and its label.
void Clock(Sym& s, double y) {
    s.Line({{0, y}, {0.2, y}});
    s.Line({{0.2, y + 0.04}, {0.26, y}, {0.2, y - 0.04}});
    s.Text(0.28 + kLabel * 1.5, y, kLabel, "CLK");
}

void DFlipFlop(Sym& s) {
    FlipFlopBox(s, 0.1, -0.3);
    Input(s, 0, "D");
    Clock(s, -0.2);
    s.Pin(0, 0);
    s.Pin(0, -0.2);
    s.Pin(0.9, 0);
    s.Pin(0.9, -0.2);
}

void JkFlipFlop(Sym& s) {
    FlipFlopBox(s, 0.1, -0.5);
    Input(s, 0, "J");
    Clock(s, -0.2);
    Input(s, -0.4, "K");
    s.Pin(0, 0);
    s.Pin(0, -0.2);
    s.Pin(0, -0.4);
    s.Pin(0.9, 0);
    s.Pin(0.9, -0.2);
}

}  // namespace

void AddLogic(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScL-AND", And},
        {"ScL-OR", Or},
        {"ScL-NAND", Nand},
        {"ScL-NOR", Nor},
        {"ScL-XOR", Xor},
        {"ScL-XNOR", Xnor},
        {"ScL-Inverter", Inverter},
        {"ScL-Buffer", Buffer},
        {"ScL-Schmitt Inverter", SchmittInverter},
        {"ScL-Tri-State Buffer", TriStateBuffer},
        {"ScL-D Flip-Flop", DFlipFlop},
        {"ScL-JK Flip-Flop", JkFlipFlop},
    });
}

// Chassis layout (CL): the holes and cut-outs to punch or drill in a chassis
// or panel, true size in inches, each with its centre at (0, 0) and a small
// centre cross for the punch or the drill. Mounting holes are 0.125 (4-40)
// or 0.156 (6-32) clearance; keys and anti-rotation holes point up.
#include <algorithm>
#include <cmath>

#include "library/library.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

void CentreMark(Sym& s, double x, double y, double r) {
    s.Line({{x - r, y}, {x + r, y}});
    s.Line({{x, y - r}, {x, y + r}});
}

// A round hole of diameter d with its centre mark.
void Hole(Sym& s, double x, double y, double d) {
    s.Circle(x, y, d / 2);
    CentreMark(s, x, y, std::min(0.06, d / 3));
}

// A socket or jack hole with two mounting holes on `centres` across.
void SocketHole(Sym& s, double d, double centres, double screw) {
    Hole(s, 0, 0, d);
    Hole(s, -centres / 2, 0, screw);
    Hole(s, centres / 2, 0, screw);
}

// A round hole of diameter d with a key of width w reaching out to radius
// `reach` at the top.
void KeyedHole(Sym& s, double d, double w, double reach) {
    const double r = d / 2, h = w / 2;
    const double a = std::asin(h / r) * 180 / kPi;
    s.Arc(0, 0, r, 90 + a, 90 - a + 360);
    const double y = std::sqrt(r * r - h * h);
    s.Line({{-h, y}, {-h, reach}, {h, reach}, {h, y}});
    CentreMark(s, 0, 0, 0.06);
}

void OctalHole(Sym& s) { SocketHole(s, 1.125, 1.5, 0.156); }
void NineHole(Sym& s) { SocketHole(s, 0.75, 1.125, 0.125); }
void SevenHole(Sym& s) { SocketHole(s, 0.625, 0.875, 0.125); }

// A pot's bushing hole and the small hole for its anti-rotation tab.
void PotHole(Sym& s) {
    Hole(s, 0, 0, 0.375);
    Hole(s, 0, 0.31, 0.1);
}

void QuarterInchJack(Sym& s) { Hole(s, 0, 0, 0.375); }
void RcaJack(Sym& s) { Hole(s, 0, 0, 0.25); }

// A panel fuse holder's D hole: 0.5 across with one flat at the top.
void FuseHolder(Sym& s) {
    const double r = 0.25, flat = 0.21;
    const double a = std::asin(flat / r) * 180 / kPi;
    s.Arc(0, 0, r, 180 - a, 360 + a);
    const double half = std::sqrt(r * r - flat * flat);
    s.Line({{-half, flat}, {half, flat}});
    CentreMark(s, 0, 0, 0.06);
}

// An IEC C14 inlet: the cut-out with its two corners chamfered (at the
// top) and the two screw holes 1.57 apart.
void IecInlet(Sym& s) {
    const double w = 0.54, h = 0.4, c = 0.16;
    s.Loop({{-w, -h}, {w, -h}, {w, h - c}, {w - c, h}, {-w + c, h}, {-w, h - c}});
    CentreMark(s, 0, 0, 0.06);
    Hole(s, -0.785, 0, 0.126);
    Hole(s, 0.785, 0, 0.126);
}

// A toggle switch's bushing hole with the keyway for its locking washer.
void ToggleSwitch(Sym& s) { KeyedHole(s, 0.5, 0.094, 0.3); }

void PilotLamp(Sym& s) { Hole(s, 0, 0, 0.5); }

// A rectangular cut-out for a transformer's core and windings, 2.5 x 2,
// with a bolt hole through each corner of its frame.
void TransformerCutout(Sym& s) {
    s.Rect(-1.25, -1, 1.25, 1);
    CentreMark(s, 0, 0, 0.1);
    for (double x : {-1.5, 1.5})
        for (double y : {-1.25, 1.25}) Hole(s, x, y, 0.19);
}

// A rotary switch's bushing hole and its anti-rotation pin hole 0.5 above.
void RotarySwitch(Sym& s) {
    Hole(s, 0, 0, 0.375);
    Hole(s, 0, 0.5, 0.125);
}

// A clamp for a 1.375 can: the can, the clamp band round it with its two
// ears and their screw holes.
void CapClamp(Sym& s) {
    const double can = 0.6875, band = 0.75, ear = 0.15, sx = 0.95;
    s.Circle(0, 0, can);
    CentreMark(s, 0, 0, 0.1);
    const double a = std::asin(ear / band) * 180 / kPi;
    const double x = std::sqrt(band * band - ear * ear);
    s.Arc(0, 0, band, a, 180 - a);
    s.Arc(0, 0, band, 180 + a, 360 - a);
    for (double side : {-1.0, 1.0}) {
        s.Line({{side * x, ear}, {side * sx, ear}});
        s.Line({{side * x, -ear}, {side * sx, -ear}});
        s.Arc(side * sx, 0, ear, side > 0 ? -90 : 90, side > 0 ? 90 : 270);
        Hole(s, side * sx, 0, 0.156);
    }
}

}  // namespace

void AddChassis(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"CLOctal Hole", OctalHole},
        {"CL9-Pin Hole", NineHole},
        {"CL7-Pin Hole", SevenHole},
        {"CLPot Hole", PotHole},
        {"CLJack Quarter Inch", QuarterInchJack},
        {"CLRCA Jack", RcaJack},
        {"CLFuse Holder", FuseHolder},
        {"CLIEC Inlet", IecInlet},
        {"CLToggle Switch", ToggleSwitch},
        {"CLPilot Lamp", PilotLamp},
        {"CLTransformer Cutout", TransformerCutout},
        {"CLRotary Switch", RotarySwitch},
        {"CLCap Clamp", CapClamp},
    });
}

// Printed circuit footprints (PC), true size in inches, seen from the
// component side. Pads are drawn as their copper outline with the drilled
// hole inside; body outlines are the silk-screen lines. The insertion point
// is pin 1 (a square pad) for rows of pins, the centre for sockets, pads and
// mounting holes. Pins run on the 0.1 grid, DIP rows 0.3 apart, pin 1 at the
// top left and the pins counted down the left row.
#include <cmath>

#include "library/library.h"

namespace {

constexpr double kPad = 0.065;   // round component pad
constexpr double kHole = 0.032;  // its drill

void SquarePad(Sym& s, double x, double y, double side, double hole) {
    const double h = side / 2;
    s.Rect(x - h, y - h, x + h, y + h);
    s.Circle(x, y, hole / 2);
}

void PadRound(Sym& s) { PadRow(s, 0, 0, 0, 0, 1, 0.07, 0.035); }

void PadSquare(Sym& s) { SquarePad(s, 0, 0, 0.07, 0.035); }

// A dual-in-line package of n pins: pin 1 square at (0, 0), the body
// outline between the rows with the notch at the pin 1 end.
void Dip(Sym& s, int n) {
    const int half = n / 2;
    const double bottom = -(half - 1) * 0.1;
    SquarePad(s, 0, 0, kPad, kHole);
    PadRow(s, 0, -0.1, 0, -0.1, half - 1, kPad, kHole);
    PadRow(s, 0.3, 0, 0, -0.1, half, kPad, kHole);
    const double top = 0.06, foot = bottom - 0.06;
    s.Line({{0.12, top}, {0.05, top}, {0.05, foot}, {0.25, foot}, {0.25, top}, {0.18, top}});
    s.Arc(0.15, top, 0.03, 180, 360);
}

void Dip8(Sym& s) { Dip(s, 8); }
void Dip14(Sym& s) { Dip(s, 14); }
void Dip16(Sym& s) { Dip(s, 16); }

// TO-92: three pads in a row, the round body with its flat face to the front.
void To92(Sym& s) {
    SquarePad(s, 0, 0, kPad, kHole);
    PadRow(s, 0.1, 0, 0.1, 0, 2, kPad, kHole);
    const double r = 0.15, flat = -0.08;
    const double a = std::asin(flat / r) * 180 / 3.14159265358979323846;  // below the centre
    s.Arc(0.1, 0, r, a, 180 - a);
    const double half = std::sqrt(r * r - flat * flat);
    s.Line({{0.1 - half, flat}, {0.1 + half, flat}});
}

// TO-220 standing upright: the body seen from above with the metal tab
// along its back.
void To220(Sym& s) {
    SquarePad(s, 0, 0, 0.07, 0.04);
    PadRow(s, 0.1, 0, 0.1, 0, 2, 0.07, 0.04);
    s.Rect(-0.1, -0.07, 0.3, 0.06);
    s.Rect(-0.1, 0.06, 0.3, 0.11);  // the tab
}

// An axial resistor lying flat, pads 0.4 apart.
void Resistor04(Sym& s) {
    PadRow(s, 0, 0, 0.4, 0, 2, kPad, kHole);
    s.Rect(0.075, -0.045, 0.325, 0.045);
    s.Line({{0.035, 0}, {0.075, 0}});
    s.Line({{0.325, 0}, {0.365, 0}});
}

// A radial electrolytic: the positive pad square, the can's outline round.
void CapacitorRadial02(Sym& s) {
    SquarePad(s, 0, 0, kPad, kHole);
    PadRow(s, 0.2, 0, 0, 0, 1, kPad, kHole);
    s.Circle(0.1, 0, 0.2);
    s.Line({{-0.04, 0.1}, {0.04, 0.1}});  // "+"
    s.Line({{0, 0.06}, {0, 0.14}});
}

// A 9-pin miniature tube socket: nine pads on the 0.468 circle at 36
// degrees, the tenth place (at the bottom) left empty, the centre hole and
// the socket body.
void Noval(Sym& s) {
    const std::vector<Pt> places = CirclePoints(0, 0, 0.234, 10, 270);
    for (size_t i = 1; i < places.size(); ++i) PadRow(s, places[i].x, places[i].y, 0, 0, 1, 0.1, 0.055);
    s.Circle(0, 0, 0.09);
    s.Circle(0, 0, 0.42);
}

// An octal socket: eight pads on the 0.687 circle at 45 degrees, the centre
// hole with the key slot for the base's spigot (at the bottom, between pins
// 1 and 8), and the socket body.
void Octal(Sym& s) {
    for (const Pt& p : CirclePoints(0, 0, 0.3435, 8, 270 + 22.5)) PadRow(s, p.x, p.y, 0, 0, 1, 0.14, 0.09);
    const double r = 0.16, w = 0.03;
    const double a = std::asin(w / r) * 180 / 3.14159265358979323846;
    s.Arc(0, 0, r, 270 + a, 270 - a + 360);
    const double y = -std::sqrt(r * r - w * w);
    s.Line({{w, y}, {w, -0.215}, {-w, -0.215}, {-w, y}});
    s.Circle(0, 0, 0.58);
}

// A 0.125 mounting hole in its copper ring.
void MountingHole(Sym& s) {
    s.Circle(0, 0, 0.0625);
    s.Circle(0, 0, 0.125);
}

// A 45-degree bend in a 0.05 wide trace: the copper outline with its round
// ends, the corner mitred; it starts at (0, 0) heading right.
void TraceBend(Sym& s) {
    const double h = 0.025, run = 0.2, c = std::sqrt(0.5);
    const double k = h * std::tan(3.14159265358979323846 / 8);  // mitre set-back
    const Pt corner{run, 0}, end{run + run * c, run * c};
    s.Line({{0, h}, {corner.x - k, h}, {end.x - h * c, end.y + h * c}});
    s.Line({{0, -h}, {corner.x + k, -h}, {end.x + h * c, end.y - h * c}});
    s.Arc(0, 0, h, 90, 270);
    s.Arc(end.x, end.y, h, -45, 135);
}

}  // namespace

void AddPrinted(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"PCPad Round", PadRound},
        {"PCPad Square", PadSquare},
        {"PCDIP-8", Dip8},
        {"PCDIP-14", Dip14},
        {"PCDIP-16", Dip16},
        {"PCTO-92", To92},
        {"PCTO-220", To220},
        {"PCResistor 0.4", Resistor04},
        {"PCCapacitor Radial 0.2", CapacitorRadial02},
        {"PCNoval Socket", Noval},
        {"PCOctal Socket", Octal},
        {"PCMounting Hole", MountingHole},
        {"PCTrace Bend", TraceBend},
    });
}

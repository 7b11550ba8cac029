// Vacuum tubes and their electrodes (ScV-). Amplifying tubes take their
// control grid lead from the left with pin 1 at (0, 0); the envelope is a
// circle 0.8 across to the right of it, the plate lead leaves the top and
// the cathode lead the bottom, screen and suppressor grids leave the sides.
// Plates are short bars, grids dashed lines, and the indirectly heated
// cathode a bracket whose left leg runs out as its lead. Two-lead tubes
// (diodes, the regulator) stand upright with the plate lead at (0, 0).
#include "library/library.h"

namespace {

// A grid: short dashes from x0 to x1 at height y.
void GridDashes(Sym& s, double x0, double x1, double y) {
    const double dash = 0.04, gap = 0.03;
    const int n = static_cast<int>((x1 - x0 + gap) / (dash + gap) + 0.5);
    const double step = (x1 - x0 + gap) / n;
    for (int i = 0; i < n; ++i) s.Line({{x0 + i * step, y}, {x0 + i * step + step - gap, y}});
}

// A plate bar centred on x at height y with its lead up to (x, top).
void Plate(Sym& s, double x, double y, double top, double half = 0.12) {
    s.Line({{x - half, y}, {x + half, y}});
    s.Line({{x, y}, {x, top}});
}

// An indirectly heated cathode: a bar 0.2 wide centred on x at height y,
// its right end turned down a little and its left end running down to
// (x - 0.1, bottom). mirror puts the lead on the right instead.
void Cathode(Sym& s, double x, double y, double bottom, bool mirror = false) {
    const double lead = mirror ? x + 0.1 : x - 0.1, tick = mirror ? x - 0.1 : x + 0.1;
    s.Line({{tick, y - 0.04}, {tick, y}, {lead, y}, {lead, bottom}});
}

// A control grid entering from the left: the lead from (0, 0) and the dashes.
void ControlGrid(Sym& s, double cx) {
    s.Line({{0, 0}, {cx - 0.2, 0}});
    GridDashes(s, cx - 0.16, cx + 0.2, 0);
}

void Diode(Sym& s) {
    s.Circle(0, -0.5, 0.3);
    Plate(s, 0, -0.4, 0);
    Cathode(s, 0, -0.6, -1.0);
    s.Pin(0, 0);
    s.Pin(-0.1, -1.0);
}

// A full-wave rectifier: two plates side by side over one cathode.
void DiodeDual(Sym& s) {
    s.Circle(0.2, -0.5, 0.4);
    Plate(s, 0, -0.35, 0, 0.09);
    Plate(s, 0.4, -0.35, 0, 0.09);
    Cathode(s, 0.2, -0.65, -1.0);
    s.Pin(0, 0);
    s.Pin(0.4, 0);
    s.Pin(0.1, -1.0);
}

void Triode(Sym& s) {
    s.Circle(0.5, 0, 0.4);
    ControlGrid(s, 0.5);
    Plate(s, 0.5, 0.2, 0.5);
    Cathode(s, 0.5, -0.2, -0.5);
    s.Pin(0, 0);
    s.Pin(0.5, 0.5);
    s.Pin(0.4, -0.5);
}

// Two triodes in one envelope, the second a mirror image of the first
// with its grid entering from the right.
void TriodeDual(Sym& s) {
    s.Arc(0.5, 0, 0.4, 90, 270);
    s.Arc(1.1, 0, 0.4, -90, 90);
    s.Line({{0.5, 0.4}, {1.1, 0.4}});
    s.Line({{0.5, -0.4}, {1.1, -0.4}});
    ControlGrid(s, 0.5);
    Plate(s, 0.5, 0.2, 0.5);
    Cathode(s, 0.5, -0.2, -0.5);
    GridDashes(s, 0.9, 1.26, 0);
    s.Line({{1.3, 0}, {1.6, 0}});
    Plate(s, 1.1, 0.2, 0.5);
    Cathode(s, 1.1, -0.2, -0.5, true);
    s.Pin(0, 0);
    s.Pin(0.5, 0.5);
    s.Pin(0.4, -0.5);
    s.Pin(1.6, 0);
    s.Pin(1.1, 0.5);
    s.Pin(1.2, -0.5);
}

// A grid across the envelope whose lead leaves on the right (side +1) or
// the left (side -1) at height y.
void SideGrid(Sym& s, double cx, double y, int side) {
    GridDashes(s, cx - 0.2, cx + 0.2, y);
    if (side > 0) s.Line({{cx + 0.2, y}, {cx + 0.5, y}});
    else s.Line({{cx - 0.5, y}, {cx - 0.2, y}});
}

void Tetrode(Sym& s) {
    s.Circle(0.5, 0.05, 0.4);
    ControlGrid(s, 0.5);
    SideGrid(s, 0.5, 0.1, 1);
    Plate(s, 0.5, 0.25, 0.6);
    Cathode(s, 0.5, -0.2, -0.5);
    s.Pin(0, 0);
    s.Pin(0.5, 0.6);
    s.Pin(0.4, -0.5);
    s.Pin(1.0, 0.1);
}

void Pentode(Sym& s) {
    s.Circle(0.5, 0.1, 0.4);
    ControlGrid(s, 0.5);
    SideGrid(s, 0.5, 0.1, 1);   // screen
    SideGrid(s, 0.5, 0.2, -1);  // suppressor
    Plate(s, 0.5, 0.33, 0.6);
    Cathode(s, 0.5, -0.15, -0.4);
    s.Pin(0, 0);
    s.Pin(0.5, 0.6);
    s.Pin(0.4, -0.4);
    s.Pin(1.0, 0.1);
    s.Pin(0, 0.2);
}

// A beam power tetrode: the beam plates bend round the electron stream
// between the screen grid and the plate, tied to the cathode inside.
void BeamPower(Sym& s) {
    s.Circle(0.5, 0.1, 0.4);
    ControlGrid(s, 0.5);
    SideGrid(s, 0.5, 0.1, 1);
    Plate(s, 0.5, 0.33, 0.6);
    s.Line({{0.36, 0.27}, {0.26, 0.2}, {0.26, 0.14}});
    s.Line({{0.64, 0.27}, {0.74, 0.2}, {0.74, 0.14}});
    Cathode(s, 0.5, -0.15, -0.4);
    s.Pin(0, 0);
    s.Pin(0.5, 0.6);
    s.Pin(0.4, -0.4);
    s.Pin(1.0, 0.1);
}

// A heater: a hairpin with its two leads down.
void Heater(Sym& s) {
    s.Line({{0, 0}, {0, 0.1}, {0.1, 0.25}, {0.2, 0.1}, {0.2, 0}});
    s.Pin(0, 0);
    s.Pin(0.2, 0);
}

// A directly heated filament: an arch between its two leads.
void Filament(Sym& s) {
    s.Line({{0, 0}, {0, 0.1}});
    s.Arc(0.1, 0.1, 0.1, 180, 0);
    s.Line({{0.2, 0.1}, {0.2, 0}});
    s.Pin(0, 0);
    s.Pin(0.2, 0);
}

// An indirectly heated cathode standing on its lead.
void CathodePart(Sym& s) {
    Cathode(s, 0.1, 0.3, 0);
    s.Pin(0, 0);
}

// A tuning eye: a triode below and the fluorescent target cone above it;
// the triode plate carries the ray-control fin that stands under the
// target, and its lead leaves on the right.
void TuningEye(Sym& s) {
    s.Circle(0.5, 0.1, 0.45);
    s.Arc(0.5, 0.65, 0.35, 220, 320);  // the target cone
    s.Line({{0.5, 0.3}, {0.5, 0.7}});
    ControlGrid(s, 0.5);
    s.Line({{0.36, 0.1}, {0.62, 0.1}, {0.62, 0.28}});  // plate and fin
    s.Line({{0.62, 0.2}, {1.1, 0.2}});
    Cathode(s, 0.5, -0.2, -0.5);
    s.Pin(0, 0);
    s.Pin(0.5, 0.7);
    s.Pin(1.1, 0.2);
    s.Pin(0.4, -0.5);
}

// A gas-filled voltage regulator: the anode rod reaching into the cold
// cathode's cup, the dot in between marking the gas.
void GasRegulator(Sym& s) {
    s.Circle(0, -0.5, 0.3);
    s.Line({{0, 0}, {0, -0.42}});
    s.Arc(0, -0.45, 0.17, 190, 350);
    s.Line({{0, -0.62}, {0, -1.0}});
    s.Dot(0.09, -0.52, 0.02);
    s.Pin(0, 0);
    s.Pin(0, -1.0);
}

// A neon lamp: two electrodes facing each other in a small bulb.
void NeonLamp(Sym& s) {
    s.Circle(0.3, 0, 0.2);
    s.Line({{0, 0}, {0.24, 0}});
    s.Line({{0.24, -0.1}, {0.24, 0.1}});
    s.Line({{0.36, -0.1}, {0.36, 0.1}});
    s.Line({{0.36, 0}, {0.6, 0}});
    s.Dot(0.3, 0.13, 0.02);
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

}  // namespace

void AddTubes(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScV-Diode", Diode},
        {"ScV-Diode Dual", DiodeDual},
        {"ScV-Triode", Triode},
        {"ScV-Triode Dual", TriodeDual},
        {"ScV-Tetrode", Tetrode},
        {"ScV-Pentode", Pentode},
        {"ScV-Beam Power", BeamPower},
        {"ScV-Heater", Heater},
        {"ScV-Filament", Filament},
        {"ScV-Cathode", CathodePart},
        {"ScV-Tuning Eye", TuningEye},
        {"ScV-Gas Regulator", GasRegulator},
        {"ScV-Neon Lamp", NeonLamp},
    });
}

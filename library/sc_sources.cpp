// Electrical sources (ScR-). Every source stands upright with its positive
// lead on top: pin 1 at (0, 0), the negative lead running down to pin 2 on
// the grid below. Cells are 0.4 long like a capacitor; the round sources
// have a circle 0.4 across between leads 0.1 long, 0.6 in all.
#include <cmath>

#include "library/library.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A small "+" or "-" mark of half-size h.
void PlusMark(Sym& s, double x, double y, double h = 0.03) {
    s.Line({{x - h, y}, {x + h, y}});
    s.Line({{x, y - h}, {x, y + h}});
}
void MinusMark(Sym& s, double x, double y, double h = 0.03) { s.Line({{x - h, y}, {x + h, y}}); }

// A cell's plates: the long positive plate at y, the short negative one
// 0.06 below it.
void Plates(Sym& s, double y) {
    s.Line({{-0.12, y}, {0.12, y}});
    s.Line({{-0.06, y - 0.06}, {0.06, y - 0.06}});
}

void Cell(Sym& s) {
    s.Line({{0, 0}, {0, -0.17}});
    Plates(s, -0.17);
    s.Line({{0, -0.23}, {0, -0.4}});
    PlusMark(s, 0.12, -0.09);
    s.Pin(0, 0);
    s.Pin(0, -0.4);
}

void Battery(Sym& s) {
    s.Line({{0, 0}, {0, -0.15}});
    for (int i = 0; i < 3; ++i) Plates(s, -0.15 - 0.12 * i);
    s.Line({{0, -0.45}, {0, -0.6}});
    PlusMark(s, 0.12, -0.08);
    s.Pin(0, 0);
    s.Pin(0, -0.6);
}

void SolarCell(Sym& s) {
    Cell(s);
    // light falling on the cell from the right
    Arrow(s, {0.36, -0.05}, {0.2, -0.17}, 0.06, 0.022);
    Arrow(s, {0.36, -0.15}, {0.2, -0.27}, 0.06, 0.022);
}

// The leads and body outline of a round source: circle centre (0, -0.3).
void RoundBody(Sym& s) {
    s.Line({{0, 0}, {0, -0.1}});
    s.Circle(0, -0.3, 0.2);
    s.Line({{0, -0.5}, {0, -0.6}});
    s.Pin(0, 0);
    s.Pin(0, -0.6);
}

// The leads and a diamond outline of a controlled source.
void DiamondBody(Sym& s) {
    s.Line({{0, 0}, {0, -0.1}});
    s.Loop({{0, -0.1}, {0.2, -0.3}, {0, -0.5}, {-0.2, -0.3}});
    s.Line({{0, -0.5}, {0, -0.6}});
    s.Pin(0, 0);
    s.Pin(0, -0.6);
}

void DcSource(Sym& s) {
    RoundBody(s);
    PlusMark(s, 0, -0.2, 0.04);
    MinusMark(s, 0, -0.4, 0.04);
}

void AcSource(Sym& s) {
    RoundBody(s);
    std::vector<Pt> pts;
    for (int i = 0; i <= 32; ++i) {
        const double t = i / 32.0;
        pts.push_back({-0.12 + 0.24 * t, -0.3 + 0.07 * std::sin(2 * kPi * t)});
    }
    s.Line(pts);
}

void CurrentSource(Sym& s) {
    RoundBody(s);
    Arrow(s, {0, -0.43}, {0, -0.17}, 0.08, 0.035);
}

void ControlledVoltage(Sym& s) {
    DiamondBody(s);
    PlusMark(s, 0, -0.22, 0.035);
    MinusMark(s, 0, -0.38, 0.035);
}

void ControlledCurrent(Sym& s) {
    DiamondBody(s);
    Arrow(s, {0, -0.41}, {0, -0.19}, 0.07, 0.03);
}

}  // namespace

void AddSources(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScR-Cell", Cell},
        {"ScR-Battery", Battery},
        {"ScR-Solar Cell", SolarCell},
        {"ScR-DC Source", DcSource},
        {"ScR-AC Source", AcSource},
        {"ScR-Current Source", CurrentSource},
        {"ScR-Controlled Voltage", ControlledVoltage},
        {"ScR-Controlled Current", ControlledCurrent},
    });
}

// Diodes (ScD-). Every diode runs left to right with the anode (pin 1) at
// (0, 0) and the cathode at (0.6, 0): the triangle is 0.2 long from x 0.2
// to 0.4 and 0.2 high, the cathode bar stands at x 0.4 and the variants
// differ in that bar or in the light arrows above the body.
#include "library/library.h"

namespace {

// The leads and the triangle every diode shares; the cathode bar is left
// to the caller. The cathode lead starts at x0.
void Body(Sym& s, double x0 = 0.4) {
    s.Line({{0, 0}, {0.2, 0}});
    s.Loop({{0.2, 0.1}, {0.4, 0}, {0.2, -0.1}});
    s.Line({{x0, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void Diode(Sym& s) {
    Body(s);
    s.Line({{0.4, -0.1}, {0.4, 0.1}});
}

// The bar's ends bent opposite ways.
void Zener(Sym& s) {
    Body(s);
    s.Line({{0.44, 0.13}, {0.4, 0.1}, {0.4, -0.1}, {0.36, -0.13}});
}

// The bar's ends hooked back into an S.
void Schottky(Sym& s) {
    Body(s);
    s.Line({{0.44, 0.06}, {0.44, 0.1}, {0.4, 0.1}, {0.4, -0.1}, {0.36, -0.1}, {0.36, -0.06}});
}

void Led(Sym& s) {
    Diode(s);
    Arrow(s, {0.27, 0.13}, {0.36, 0.22}, 0.06, 0.025);
    Arrow(s, {0.35, 0.13}, {0.44, 0.22}, 0.06, 0.025);
}

void Photodiode(Sym& s) {
    Diode(s);
    Arrow(s, {0.36, 0.24}, {0.27, 0.15}, 0.06, 0.025);
    Arrow(s, {0.44, 0.24}, {0.35, 0.15}, 0.06, 0.025);
}

// A capacitor plate behind the bar.
void Varactor(Sym& s) {
    Body(s, 0.45);
    s.Line({{0.4, -0.1}, {0.4, 0.1}});
    s.Line({{0.45, -0.1}, {0.45, 0.1}});
}

// The bar's ends turned back toward the anode.
void Tunnel(Sym& s) {
    Body(s);
    s.Line({{0.36, 0.1}, {0.4, 0.1}, {0.4, -0.1}, {0.36, -0.1}});
}

}  // namespace

void AddDiodes(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScD-Diode", Diode},
        {"ScD-Zener", Zener},
        {"ScD-Schottky", Schottky},
        {"ScD-LED", Led},
        {"ScD-Photodiode", Photodiode},
        {"ScD-Varactor", Varactor},
        {"ScD-Tunnel", Tunnel},
    });
}

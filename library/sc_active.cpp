// Active devices (ScA-). Transistors take the base or gate (pin 1) from the
// left at (0, 0) inside a circle 0.4 across centred at (0.25, 0), with the
// collector or drain ending at (0.3, 0.3) and the emitter or source at
// (0.3, -0.3). Amplifiers are a triangle with the inverting input at
// (0, 0), the non-inverting one at (0, -0.2) and the output at (0.7, -0.1).
// Thyristors run left to right like the diodes, 0.6 long; the regulator
// and the bridge are blocks with their leads on the grid.
#include "library/library.h"

#include <cmath>

namespace {

// ---- transistors --------------------------------------------------------------------

void Envelope(Sym& s) { s.Circle(0.25, 0, 0.2); }

// A bipolar transistor; the arrow on the emitter points out for NPN and in
// for PNP.
void Bipolar(Sym& s, bool npn) {
    Envelope(s);
    s.Line({{0, 0}, {0.15, 0}});
    s.Line({{0.15, -0.11}, {0.15, 0.11}});            // the base
    s.Line({{0.15, 0.05}, {0.3, 0.14}, {0.3, 0.3}});   // collector
    s.Line({{0.15, -0.05}, {0.3, -0.14}, {0.3, -0.3}});  // emitter
    if (npn) ArrowHead(s, {0.15, -0.05}, {0.275, -0.125}, 0.07, 0.03);
    else ArrowHead(s, {0.3, -0.14}, {0.175, -0.065}, 0.07, 0.03);
    s.Pin(0, 0);
    s.Pin(0.3, 0.3);
    s.Pin(0.3, -0.3);
}

void Npn(Sym& s) { Bipolar(s, true); }
void Pnp(Sym& s) { Bipolar(s, false); }

// A junction FET: the gate runs straight into the channel bar with its
// arrow pointing in for N and out for P.
void Jfet(Sym& s, bool nChannel) {
    Envelope(s);
    s.Line({{0, 0}, {0.18, 0}});
    s.Line({{0.18, -0.12}, {0.18, 0.12}});                 // the channel
    s.Line({{0.18, 0.08}, {0.3, 0.08}, {0.3, 0.3}});        // drain
    s.Line({{0.18, -0.08}, {0.3, -0.08}, {0.3, -0.3}});     // source
    if (nChannel) ArrowHead(s, {0, 0}, {0.18, 0}, 0.07, 0.03);
    else ArrowHead(s, {0.18, 0}, {0.07, 0}, 0.07, 0.03);
    s.Pin(0, 0);
    s.Pin(0.3, 0.3);
    s.Pin(0.3, -0.3);
}

void JfetN(Sym& s) { Jfet(s, true); }
void JfetP(Sym& s) { Jfet(s, false); }

// An enhancement MOSFET: the insulated gate plate, the channel broken in
// three, the body arrow tied to the source (in for N, out for P).
void Mosfet(Sym& s, bool nChannel) {
    Envelope(s);
    s.Line({{0, 0}, {0.13, 0}});
    s.Line({{0.13, -0.1}, {0.13, 0.1}});  // the gate plate
    for (double y : {0.1, 0.0, -0.1}) s.Line({{0.18, y - 0.035}, {0.18, y + 0.035}});
    s.Line({{0.18, 0.1}, {0.3, 0.1}, {0.3, 0.3}});              // drain
    s.Line({{0.18, -0.1}, {0.3, -0.1}, {0.3, -0.3}});           // source
    s.Line({{0.18, 0}, {0.3, 0}, {0.3, -0.1}});                 // body to source
    if (nChannel) ArrowHead(s, {0.3, 0}, {0.18, 0}, 0.07, 0.03);
    else ArrowHead(s, {0.18, 0}, {0.3, 0}, 0.07, 0.03);
    s.Pin(0, 0);
    s.Pin(0.3, 0.3);
    s.Pin(0.3, -0.3);
}

void MosfetN(Sym& s) { Mosfet(s, true); }
void MosfetP(Sym& s) { Mosfet(s, false); }

// ---- amplifiers ---------------------------------------------------------------------

void Amplifier(Sym& s) {
    s.Loop({{0.1, 0.2}, {0.6, -0.1}, {0.1, -0.4}});
    s.Line({{0, 0}, {0.1, 0}});
    s.Line({{0, -0.2}, {0.1, -0.2}});
    s.Line({{0.6, -0.1}, {0.7, -0.1}});
    s.Line({{0.14, 0}, {0.2, 0}});            // "-"
    s.Line({{0.14, -0.2}, {0.2, -0.2}});      // "+"
    s.Line({{0.17, -0.17}, {0.17, -0.23}});
    s.Pin(0, 0);
    s.Pin(0, -0.2);
    s.Pin(0.7, -0.1);
}

void OpAmp(Sym& s) { Amplifier(s); }

// The op amp with the hysteresis loop of its positive feedback inside.
void Comparator(Sym& s) {
    Amplifier(s);
    const double cx = 0.3, cy = -0.1, w = 0.07, d = 0.025, h = 0.045;
    s.Line({{cx - w, cy - h}, {cx + d, cy - h}, {cx + d, cy + h}});
    s.Line({{cx - d, cy - h}, {cx - d, cy + h}, {cx + w, cy + h}});
}

// ---- thyristors ---------------------------------------------------------------------

// The anode (pin 1) at (0, 0), the cathode at (0.6, 0), the gate leaving
// the cathode bar downward and ending at (0.5, -0.2).
void Scr(Sym& s) {
    s.Line({{0, 0}, {0.2, 0}});
    s.Loop({{0.2, 0.1}, {0.4, 0}, {0.2, -0.1}});
    s.Line({{0.4, -0.1}, {0.4, 0.1}});
    s.Line({{0.4, 0}, {0.6, 0}});
    s.Line({{0.4, -0.06}, {0.5, -0.14}, {0.5, -0.2}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
    s.Pin(0.5, -0.2);
}

// Two triangles back to back between two bars: main terminal 1 (pin 1) at
// (0, 0), main terminal 2 at (0.6, 0).
void Bidirectional(Sym& s) {
    s.Line({{0, 0}, {0.2, 0}});
    s.Line({{0.2, -0.14}, {0.2, 0.14}});
    s.Line({{0.4, -0.14}, {0.4, 0.14}});
    s.Loop({{0.2, 0.14}, {0.4, 0.07}, {0.2, 0}});
    s.Loop({{0.4, 0}, {0.2, -0.07}, {0.4, -0.14}});
    s.Line({{0.4, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void Diac(Sym& s) { Bidirectional(s); }

// The gate leaves the bar of main terminal 1 and ends at (0.1, -0.3).
void Triac(Sym& s) {
    Bidirectional(s);
    s.Line({{0.2, -0.1}, {0.1, -0.2}, {0.1, -0.3}});
    s.Pin(0.1, -0.3);
}

// ---- blocks ---------------------------------------------------------------------------

// A three-terminal regulator: IN (pin 1) at (0, 0), OUT at (1, 0), GND at
// (0.5, -0.4).
void Regulator(Sym& s) {
    s.Rect(0.2, 0.2, 0.8, -0.2);
    s.Line({{0, 0}, {0.2, 0}});
    s.Line({{0.8, 0}, {1, 0}});
    s.Line({{0.5, -0.2}, {0.5, -0.4}});
    s.Text(0.32, 0.04, 0.07, "IN");
    s.Text(0.69, 0.04, 0.07, "OUT");
    s.Text(0.5, -0.13, 0.07, "GND");
    s.Pin(0, 0);
    s.Pin(1, 0);
    s.Pin(0.5, -0.4);
}

// A small diode along the line a-b, its triangle centred and pointing to b.
void DiodeOn(Sym& s, Pt a, Pt b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    const double ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
    const double half = 0.06, w = 0.06;
    const Pt m{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const Pt base{m.x - ux * half, m.y - uy * half}, tip{m.x + ux * half, m.y + uy * half};
    s.Line({a, base});
    s.Loop({{base.x + nx * w, base.y + ny * w}, tip, {base.x - nx * w, base.y - ny * w}});
    s.Line({{tip.x + nx * w, tip.y + ny * w}, {tip.x - nx * w, tip.y - ny * w}});
    s.Line({tip, b});
}

// Four diodes in a diamond: the AC leads at (0, 0) and (0.8, 0), "+" at
// (0.4, 0.4) and "-" at (0.4, -0.4); every diode points toward "+".
void DiodeBridge(Sym& s) {
    const Pt left{0.1, 0}, right{0.7, 0}, top{0.4, 0.3}, bottom{0.4, -0.3};
    DiodeOn(s, left, top);
    DiodeOn(s, right, top);
    DiodeOn(s, bottom, left);
    DiodeOn(s, bottom, right);
    s.Line({{0, 0}, left});
    s.Line({right, {0.8, 0}});
    s.Line({top, {0.4, 0.4}});
    s.Line({bottom, {0.4, -0.4}});
    s.Text(0.48, 0.37, 0.07, "+");
    s.Text(0.48, -0.37, 0.07, "-");
    s.Pin(0, 0);
    s.Pin(0.8, 0);
    s.Pin(0.4, 0.4);
    s.Pin(0.4, -0.4);
}

}  // namespace

void AddActive(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScA-NPN", Npn},
        {"ScA-PNP", Pnp},
        {"ScA-JFET N", JfetN},
        {"ScA-JFET P", JfetP},
        {"ScA-MOSFET N", MosfetN},
        {"ScA-MOSFET P", MosfetP},
        {"ScA-Op Amp", OpAmp},
        {"ScA-Comparator", Comparator},
        {"ScA-SCR", Scr},
        {"ScA-Triac", Triac},
        {"ScA-Diac", Diac},
        {"ScA-Regulator", Regulator},
        {"ScA-Diode Bridge", DiodeBridge},
    });
}

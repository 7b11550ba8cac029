// Passive and general parts (ScG-). Two-terminal parts run left to right
// with pin 1 at (0, 0): resistors and inductors 0.6 long, capacitors 0.4.
// Grounds and the antenna hang from pin 1 at the top or bottom.
#include "library/library.h"

namespace {

void Resistor(Sym& s) {
    s.Line({{0, 0}, {0.15, 0}});
    Zigzag(s, {0.15, 0}, {0.45, 0}, 6, 0.05);
    s.Line({{0.45, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void ResistorBox(Sym& s) {
    s.Line({{0, 0}, {0.15, 0}});
    s.Rect(0.15, -0.05, 0.45, 0.05);
    s.Line({{0.45, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void Potentiometer(Sym& s) {
    Resistor(s);
    Arrow(s, {0.3, 0.2}, {0.3, 0.06});
    s.Pin(0.3, 0.2);
}

void Trimmer(Sym& s) {
    Resistor(s);
    s.Line({{0.18, -0.12}, {0.42, 0.12}});
    s.Line({{0.38, 0.16}, {0.46, 0.08}});  // the screwdriver bar
}

void Capacitor(Sym& s) {
    s.Line({{0, 0}, {0.17, 0}});
    s.Line({{0.17, -0.12}, {0.17, 0.12}});
    s.Line({{0.23, -0.12}, {0.23, 0.12}});
    s.Line({{0.23, 0}, {0.4, 0}});
    s.Pin(0, 0);
    s.Pin(0.4, 0);
}

void Electrolytic(Sym& s) {
    s.Line({{0, 0}, {0.17, 0}});
    s.Line({{0.17, -0.12}, {0.17, 0.12}});
    s.Arc(0.4, 0, 0.15, 127, 233);  // the curved negative plate
    s.Line({{0.25, 0}, {0.4, 0}});
    s.Line({{0.06, 0.08}, {0.12, 0.08}});  // "+"
    s.Line({{0.09, 0.05}, {0.09, 0.11}});
    s.Pin(0, 0);
    s.Pin(0.4, 0);
}

void VariableCapacitor(Sym& s) {
    Capacitor(s);
    Arrow(s, {0.08, -0.14}, {0.33, 0.14});
}

void Inductor(Sym& s) {
    s.Line({{0, 0}, {0.1, 0}});
    Coil(s, {0.1, 0}, {0.5, 0}, 4);
    s.Line({{0.5, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void IronCoreInductor(Sym& s) {
    Inductor(s);
    s.Line({{0.1, 0.09}, {0.5, 0.09}});
    s.Line({{0.1, 0.12}, {0.5, 0.12}});
}

void Crystal(Sym& s) {
    s.Line({{0, 0}, {0.2, 0}});
    s.Line({{0.2, -0.1}, {0.2, 0.1}});
    s.Rect(0.24, -0.12, 0.36, 0.12);
    s.Line({{0.4, -0.1}, {0.4, 0.1}});
    s.Line({{0.4, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void Fuse(Sym& s) {
    s.Line({{0, 0}, {0.15, 0}});
    s.Rect(0.15, -0.05, 0.45, 0.05);
    s.Line({{0.15, 0}, {0.45, 0}});
    s.Line({{0.45, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void Ground(Sym& s) {
    s.Line({{0, 0}, {0, -0.1}});
    s.Line({{-0.1, -0.1}, {0.1, -0.1}});
    s.Line({{-0.06, -0.14}, {0.06, -0.14}});
    s.Line({{-0.02, -0.18}, {0.02, -0.18}});
    s.Pin(0, 0);
}

void ChassisGround(Sym& s) {
    s.Line({{0, 0}, {0, -0.1}});
    s.Line({{-0.1, -0.1}, {0.1, -0.1}});
    for (double x : {-0.1, 0.0, 0.1}) s.Line({{x, -0.1}, {x - 0.05, -0.17}});
    s.Pin(0, 0);
}

void SignalGround(Sym& s) {
    s.Line({{0, 0}, {0, -0.1}});
    s.Loop({{-0.1, -0.1}, {0.1, -0.1}, {0, -0.2}});
    s.Pin(0, 0);
}

void Antenna(Sym& s) {
    s.Line({{0, 0}, {0, 0.4}});
    s.Line({{-0.12, 0.4}, {0, 0.2}, {0.12, 0.4}});
    s.Line({{-0.12, 0.4}, {0.12, 0.4}});
    s.Pin(0, 0);
}

void JunctionDot(Sym& s) {
    s.Dot(0, 0, 0.025);
    s.Pin(0, 0);
}

void Terminal(Sym& s) {
    s.Line({{0, 0}, {0.07, 0}});
    s.Circle(0.1, 0, 0.03);
    s.Pin(0, 0);
}

// A phone jack: the sleeve below, the tip spring above with its bend.
void Jack(Sym& s) {
    s.Line({{0, 0}, {0.3, 0}, {0.3, 0.06}});
    s.Rect(0.3, 0.06, 0.45, 0.1);
    s.Line({{0, 0.2}, {0.2, 0.2}, {0.24, 0.14}, {0.28, 0.2}, {0.4, 0.2}});
    s.Pin(0, 0);
    s.Pin(0, 0.2);
}

void Plug(Sym& s) {
    s.Line({{0, 0}, {0.2, 0}});
    s.Line({{0, 0.2}, {0.1, 0.2}, {0.1, 0.12}, {0.38, 0.12}});
    s.Loop({{0.2, -0.04}, {0.34, -0.04}, {0.34, 0.08}, {0.2, 0.08}});
    s.Line({{0.38, 0.12}, {0.44, 0.1}, {0.38, 0.08}});
    s.Pin(0, 0);
    s.Pin(0, 0.2);
}

}  // namespace

void AddPassive(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScG-Resistor", Resistor},
        {"ScG-Resistor Box", ResistorBox},
        {"ScG-Potentiometer", Potentiometer},
        {"ScG-Trimmer", Trimmer},
        {"ScG-Capacitor", Capacitor},
        {"ScG-Capacitor Electrolytic", Electrolytic},
        {"ScG-Capacitor Variable", VariableCapacitor},
        {"ScG-Inductor", Inductor},
        {"ScG-Inductor Iron Core", IronCoreInductor},
        {"ScG-Crystal", Crystal},
        {"ScG-Fuse", Fuse},
        {"ScG-Ground", Ground},
        {"ScG-Ground Chassis", ChassisGround},
        {"ScG-Ground Signal", SignalGround},
        {"ScG-Antenna", Antenna},
        {"ScG-Junction Dot", JunctionDot},
        {"ScG-Terminal", Terminal},
        {"ScG-Jack", Jack},
        {"ScG-Plug", Plug},
    });
}

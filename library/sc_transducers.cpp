// Transducers and indicators (ScT-): parts that turn electricity into
// sound, light, motion or a reading, or the other way. Each has two leads
// with pin 1 at (0, 0). In-line parts (meters, lamps, sensors) run left to
// right, 0.6 long; the speaker, microphone and thermocouple take both
// leads in from the left, 0.2 apart; headphones and the buzzer stand on
// their two leads, pin 2 to the right of pin 1.
#include <cmath>

#include "library/library.h"

namespace {

// Two straight leads of an in-line part, 0.6 long overall, meeting a body
// that spans from x0 to x1 on the axis.
void InLineLeads(Sym& s, double x0, double x1) {
    s.Line({{0, 0}, {x0, 0}});
    s.Line({{x1, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

// A round meter body, 0.4 across, centred at (0.3, 0).
void MeterBody(Sym& s) {
    InLineLeads(s, 0.1, 0.5);
    s.Circle(0.3, 0, 0.2);
}

// Two leads in from the left at y = 0 and -0.2, ending at x.
void SideLeads(Sym& s, double x) {
    s.Line({{0, 0}, {x, 0}});
    s.Line({{0, -0.2}, {x, -0.2}});
    s.Pin(0, 0);
    s.Pin(0, -0.2);
}

void Speaker(Sym& s) {
    SideLeads(s, 0.2);
    s.Rect(0.2, -0.26, 0.3, 0.06);  // the magnet and voice coil
    s.Line({{0.3, 0.06}, {0.46, 0.22}, {0.46, -0.42}, {0.3, -0.26}});  // the cone
}

void Microphone(Sym& s) {
    SideLeads(s, 0.2);
    s.Line({{0.2, 0.05}, {0.2, -0.25}});  // the diaphragm
    s.Circle(0.35, -0.1, 0.15);
}

void Headphones(Sym& s) {
    s.Line({{0, 0}, {0, 0.1}});
    s.Line({{0.6, 0}, {0.6, 0.1}});
    // the ear pieces, flat towards the head
    s.Rect(-0.04, 0.1, 0.04, 0.26);
    s.Rect(0.56, 0.1, 0.64, 0.26);
    s.Line({{0.04, 0.13}, {0.07, 0.13}, {0.07, 0.23}, {0.04, 0.23}});
    s.Line({{0.56, 0.13}, {0.53, 0.13}, {0.53, 0.23}, {0.56, 0.23}});
    // the head band from the top of one ear piece to the other
    const double r = std::hypot(0.3, 0.16);
    const double a = std::atan2(0.16, 0.3) * 180 / 3.14159265358979323846;
    s.Arc(0.3, 0.1, r, 180 - a, a);
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void Buzzer(Sym& s) {
    s.Line({{0, 0}, {0, 0.1}});
    s.Line({{0.2, 0}, {0.2, 0.1}});
    s.Line({{-0.1, 0.1}, {0.3, 0.1}});
    s.Arc(0.1, 0.1, 0.2, 0, 180);
    s.Pin(0, 0);
    s.Pin(0.2, 0);
}

void MeterV(Sym& s) {
    MeterBody(s);
    s.Text(0.3, 0, 0.1, "V", "M");
}

void MeterA(Sym& s) {
    MeterBody(s);
    s.Text(0.3, 0, 0.1, "A", "M");
}

void Galvanometer(Sym& s) {
    MeterBody(s);
    Arrow(s, {0.2, -0.11}, {0.41, 0.11}, 0.07, 0.025);  // the needle
}

void Motor(Sym& s) {
    MeterBody(s);
    s.Text(0.3, 0, 0.1, "M", "M");
}

void Lamp(Sym& s) {
    InLineLeads(s, 0.15, 0.45);
    s.Circle(0.3, 0, 0.15);
    const double d = 0.15 * std::sqrt(0.5);
    s.Line({{0.3 - d, -d}, {0.3 + d, d}});
    s.Line({{0.3 - d, d}, {0.3 + d, -d}});
}

// An incandescent bulb: the leads come in through the glass and carry a
// coiled filament across the top.
void LampFilament(Sym& s) {
    s.Line({{0, 0}, {0.22, 0}, {0.22, 0.04}});
    Coil(s, {0.22, 0.04}, {0.38, 0.04}, 4);
    s.Line({{0.38, 0.04}, {0.38, 0}, {0.6, 0}});
    s.Circle(0.3, 0, 0.15);
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

// A resistor body 0.3 long on the axis, as in the passive parts.
void ResistorBody(Sym& s) {
    InLineLeads(s, 0.15, 0.45);
    s.Rect(0.15, -0.05, 0.45, 0.05);
}

void Thermistor(Sym& s) {
    ResistorBody(s);
    s.Line({{0.09, -0.12}, {0.17, -0.12}, {0.43, 0.12}});  // the non-linear stroke
    s.Text(0.47, -0.12, 0.07, "T", "S");
}

// A light-dependent resistor: a resistor in a round window with light
// falling on it.
void Ldr(Sym& s) {
    ResistorBody(s);
    s.Circle(0.3, 0, 0.2);
    for (double ang : {125.0, 90.0}) {
        const double rad = ang * 3.14159265358979323846 / 180;
        const Pt tip{0.3 + 0.2 * std::cos(rad), 0.2 * std::sin(rad)};
        Arrow(s, {tip.x - 0.1, tip.y + 0.14}, tip, 0.06, 0.022);
    }
}

// A thermocouple: two wires of different metals welded at the junction;
// the second metal is drawn double.
void Thermocouple(Sym& s) {
    SideLeads(s, 0.2);
    const Pt j{0.4, -0.1};
    s.Line({{0.2, 0}, j});
    s.Line({{0.2, -0.2}, j});
    s.Line({{0.2, -0.2}, {0.2, -0.17}, {0.37, -0.085}});
    s.Dot(j.x, j.y, 0.02);
}

}  // namespace

void AddTransducers(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScT-Speaker", Speaker},
        {"ScT-Microphone", Microphone},
        {"ScT-Headphones", Headphones},
        {"ScT-Buzzer", Buzzer},
        {"ScT-Meter V", MeterV},
        {"ScT-Meter A", MeterA},
        {"ScT-Galvanometer", Galvanometer},
        {"ScT-Motor", Motor},
        {"ScT-Lamp", Lamp},
        {"ScT-Lamp Filament", LampFilament},
        {"ScT-Thermistor", Thermistor},
        {"ScT-LDR", Ldr},
        {"ScT-Thermocouple", Thermocouple},
    });
}

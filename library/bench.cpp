// The workbench (TI) and house plan (H-) furniture, true size in inches.
// The bench top, the shelf and all the house plan pieces are plan views
// with their insertion point at the front left corner (the front toward
// -y). The instruments are drawn from the front, as their front panels
// (width x height) with their insertion point at the bottom left corner,
// where they stand on the bench: so the oscilloscope's screen and the knobs
// show, and each panel's width is the room it takes along the bench.
#include <cmath>

#include "library/library.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A rectangle with corners rounded to radius r.
void RoundRect(Sym& s, double x0, double y0, double x1, double y1, double r) {
    s.Line({{x0 + r, y0}, {x1 - r, y0}});
    s.Line({{x1, y0 + r}, {x1, y1 - r}});
    s.Line({{x1 - r, y1}, {x0 + r, y1}});
    s.Line({{x0, y1 - r}, {x0, y0 + r}});
    s.Arc(x1 - r, y0 + r, r, 270, 360);
    s.Arc(x1 - r, y1 - r, r, 0, 90);
    s.Arc(x0 + r, y1 - r, r, 90, 180);
    s.Arc(x0 + r, y0 + r, r, 180, 270);
}

void HiddenRect(Sym& s, double x0, double y0, double x1, double y1) {
    s.Hidden({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}});
}

// A knob seen from the front: its skirt, its cap and the pointer line at
// `deg`.
void Knob(Sym& s, double x, double y, double r, double deg = 120) {
    s.Circle(x, y, r);
    s.Circle(x, y, r * 0.7);
    const double a = deg * kPi / 180;
    const double c = std::cos(a), sn = std::sin(a);
    s.Line({{x + 0.25 * r * c, y + 0.25 * r * sn}, {x + 0.7 * r * c, y + 0.7 * r * sn}});
}

// A BNC socket: the body, the insulator, the centre pin and the two bayonet
// studs.
void Bnc(Sym& s, double x, double y) {
    s.Circle(x, y, 0.3);
    s.Circle(x, y, 0.19);
    s.Dot(x, y, 0.04);
    s.Line({{x - 0.3, y}, {x - 0.4, y}});
    s.Line({{x + 0.3, y}, {x + 0.4, y}});
}

// A binding post: the nut and its hole.
void Post(Sym& s, double x, double y) {
    s.Circle(x, y, 0.3);
    s.Circle(x, y, 0.2);
    s.Circle(x, y, 0.08);
}

void Plus(Sym& s, double x, double y, double h) {
    s.Line({{x - h, y}, {x + h, y}});
    s.Line({{x, y - h}, {x, y + h}});
}

// An instrument's case from the front: the rounded cabinet standing on two
// feet.
void Cabinet(Sym& s, double w, double h) {
    RoundRect(s, 0, 0.4, w, h, 0.3);
    s.Rect(0.8, 0, 2.0, 0.4);
    s.Rect(w - 2.0, 0, w - 0.8, 0.4);
}

// A push button or switch rocker.
void Button(Sym& s, double x, double y, double w = 0.6, double h = 0.35) { s.Rect(x, y, x + w, y + h); }

// ---- workbench ---------------------------------------------------------------------

// A 60 x 30 bench top with its legs underneath.
void Workbench(Sym& s) {
    s.Rect(0, 0, 60, 30);
    for (double x : {2.0, 55.5})
        for (double y : {2.0, 25.5}) HiddenRect(s, x, y, x + 2.5, y + 2.5);
}

// A 48 x 12 shelf with its two brackets underneath.
void Shelf(Sym& s) {
    s.Rect(0, 0, 48, 12);
    HiddenRect(s, 4, 0.5, 5.5, 12);
    HiddenRect(s, 42.5, 0.5, 44, 12);
}

// A 14 x 12 oscilloscope: the screen with its graticule of 10 x 8
// divisions left, the time base, vertical and trigger knobs right, the
// input sockets below them.
void Oscilloscope(Sym& s) {
    Cabinet(s, 14, 12);
    RoundRect(s, 0.9, 3.4, 8.1, 9.6, 0.4);  // the bezel
    const double x0 = 1.5, y0 = 4.1, d = 0.6;
    s.Rect(x0, y0, x0 + 10 * d, y0 + 8 * d);
    for (int i = 1; i < 10; ++i)
        if (i != 5) s.Hidden({{x0 + i * d, y0}, {x0 + i * d, y0 + 8 * d}});
    for (int j = 1; j < 8; ++j)
        if (j != 4) s.Hidden({{x0, y0 + j * d}, {x0 + 10 * d, y0 + j * d}});
    const double cx = x0 + 5 * d, cy = y0 + 4 * d;
    s.Line({{x0, cy}, {x0 + 10 * d, cy}});
    s.Line({{cx, y0}, {cx, y0 + 8 * d}});
    for (int k = 1; k < 50; ++k)
        if (k % 5) s.Line({{x0 + k * d / 5, cy - 0.06}, {x0 + k * d / 5, cy + 0.06}});
    for (int k = 1; k < 40; ++k)
        if (k % 5) s.Line({{cx - 0.06, y0 + k * d / 5}, {cx + 0.06, y0 + k * d / 5}});
    // A trace on the screen.
    std::vector<Pt> wave;
    for (int k = 0; k <= 60; ++k) {
        const double t = k / 60.0;
        wave.push_back({x0 + t * 10 * d, cy + 1.2 * std::sin(t * 4 * kPi)});
    }
    s.Line(wave);
    // Buttons under the screen, the power switch first.
    s.Rect(1.2, 1.3, 2.2, 2.1);
    for (int i = 0; i < 5; ++i) Button(s, 3.0 + 1.0 * i, 1.5);
    s.Line({{8.6, 1.2}, {8.6, 11.2}});  // the panel's division
    Knob(s, 11.1, 9.7, 0.8);            // time base
    Knob(s, 9.5, 10.4, 0.35);           // horizontal position
    Knob(s, 12.7, 10.4, 0.35, 60);      // trigger level
    Knob(s, 9.8, 7.0, 0.65);            // volts/div, channel 1
    Knob(s, 12.4, 7.0, 0.65, 60);       // volts/div, channel 2
    Knob(s, 9.8, 5.3, 0.32);            // vertical positions
    Knob(s, 12.4, 5.3, 0.32, 60);
    for (int i = 0; i < 3; ++i) Button(s, 10.4 + 0.5 * i, 4.0, 0.35, 0.3);
    Bnc(s, 9.8, 2.4);
    Bnc(s, 12.4, 2.4);
    Bnc(s, 11.1, 2.4);  // external trigger
}

// A 9 x 6 bench power supply: voltage and current displays, the
// coarse and fine voltage and the current knobs, the output posts.
void PowerSupply(Sym& s) {
    Cabinet(s, 9, 6);
    s.Rect(0.8, 3.9, 4.2, 5.3);
    s.Rect(4.8, 3.9, 8.2, 5.3);
    Knob(s, 1.8, 2.6, 0.6);
    Knob(s, 3.4, 2.6, 0.4);
    Knob(s, 5.4, 2.6, 0.5);
    s.Rect(0.8, 0.9, 1.8, 1.5);  // power switch
    Post(s, 6.3, 1.3);
    Post(s, 7.1, 1.3);  // ground
    Post(s, 7.9, 1.3);
    Plus(s, 6.3, 2.0, 0.12);
    s.Line({{7.78, 2.0}, {8.02, 2.0}});
}

// A 12 x 5 function generator: display, waveform buttons, the frequency
// dial, amplitude and offset knobs over their output sockets.
void SignalGenerator(Sym& s) {
    Cabinet(s, 12, 5);
    s.Rect(0.8, 2.7, 5.4, 4.3);
    for (int i = 0; i < 6; ++i) Button(s, 0.8 + 0.8 * i, 1.6);
    s.Rect(0.8, 0.8, 1.6, 1.3);  // power
    s.Circle(7.3, 2.7, 1.1);     // the frequency dial
    s.Circle(7.3, 2.7, 1.0);
    s.Circle(7.75, 3.1, 0.18);  // its finger dimple
    Knob(s, 9.6, 3.5, 0.42);
    Knob(s, 10.9, 3.5, 0.42, 60);
    Bnc(s, 9.6, 1.6);
    Bnc(s, 10.9, 1.6);
}

// A 9 x 4 bench multimeter: the display, the function buttons and the four
// input jacks.
void Meter(Sym& s) {
    Cabinet(s, 9, 4);
    s.Rect(0.6, 2.2, 5.0, 3.5);
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 6; ++i) Button(s, 0.6 + 0.75 * i, 0.8 + 0.55 * row, 0.55, 0.35);
    s.Line({{5.6, 0.7}, {5.6, 3.7}});
    for (double x : {6.6, 8.0})
        for (double y : {1.2, 2.7}) {
            s.Circle(x, y, 0.26);
            s.Circle(x, y, 0.11);
        }
    s.Text(6.6, 3.3, 0.25, "A", "M");
    s.Text(8.0, 3.3, 0.25, "V", "M");
    s.Text(7.3, 1.2, 0.2, "COM", "M");
}

// A soldering station: the control unit with its display, temperature knob
// and iron socket, and beside it the stand with the iron in its spring
// holder and the sponge tray.
void SolderingStation(Sym& s) {
    RoundRect(s, 0, 0, 5, 4, 0.3);
    s.Rect(0.5, 2.5, 2.6, 3.4);
    Knob(s, 3.6, 2.4, 0.75);
    s.Rect(0.5, 0.8, 1.3, 1.4);  // power
    s.Circle(2.2, 1.1, 0.4);     // the iron's socket
    s.Circle(2.2, 1.1, 0.25);
    // The stand: base, sponge tray, the post and the spring holder on it
    // (its turns seen from the side, closed at the bottom), the iron's
    // handle out of its mouth.
    RoundRect(s, 5.6, 0, 10.4, 0.7, 0.3);
    s.Rect(8.4, 0.7, 10.0, 1.0);
    const Pt a{6.0, 1.3}, b{8.8, 3.5};
    const double len = std::hypot(b.x - a.x, b.y - a.y), ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
    const double nx = -uy, ny = ux, rs = 0.4;
    auto at = [&](double along, double across) {
        return Pt{a.x + ux * along + nx * across, a.y + uy * along + ny * across};
    };
    const double postX = 7.0, postT = (postX - a.x + rs * nx) / ux;
    s.Line({{postX, 0.7}, at(postT, -rs)});
    std::vector<Pt> turns;
    const int halfTurns = 16;
    for (int i = 0; i <= halfTurns; ++i) turns.push_back(at(len * i / halfTurns, i % 2 ? rs : -rs));
    s.Line(turns);
    s.Line({at(0, rs), at(len, rs)});
    s.Line({at(0, -rs), at(len, -rs)});
    s.Line({at(0, rs), at(0, -rs)});
    s.Loop({at(len, 0.28), at(len + 2.6, 0.28), at(len + 2.6, -0.28), at(len, -0.28)});
    s.Line({at(len + 2.6, 0.15), at(len + 3.0, 0.1), at(len + 3.0, -0.1), at(len + 2.6, -0.15)});
}

// ---- house plan --------------------------------------------------------------------

// An 18 in side chair: the seat and the back rail behind it.
void Chair(Sym& s) {
    RoundRect(s, 0, 0, 18, 16, 1.5);
    RoundRect(s, 0, 16, 18, 19, 1);
}

// A 60 x 36 table.
void Table(Sym& s) { s.Rect(0, 0, 60, 36); }

// An 84 x 36 sofa: the back, two arms and three seat cushions.
void Sofa(Sym& s) {
    RoundRect(s, 0, 0, 84, 36, 3);
    s.Line({{7, 28}, {77, 28}});
    s.Line({{7, 0}, {7, 28}});
    s.Line({{77, 0}, {77, 28}});
    for (int i = 1; i < 3; ++i) s.Line({{7 + 70.0 * i / 3, 1}, {7 + 70.0 * i / 3, 28}});
}

// A 60 x 80 bed: the mattress, the headboard, two pillows and the covers
// turned back with a corner folded.
void Bed(Sym& s) {
    s.Rect(0, 0, 60, 80);
    s.Rect(-1, 80, 61, 83);
    RoundRect(s, 4, 68, 28, 77, 2.5);
    RoundRect(s, 32, 68, 56, 77, 2.5);
    s.Line({{0, 62}, {60, 62}});
    s.Line({{40, 62}, {60, 42}});
}

// A 32 in door hinged at (0, 0) in a 4.5 in wall that runs along +x below
// it: a stub of the wall each side, the jambs of the opening, the leaf
// standing open and the arc of its swing.
void DoorSwing(Sym& s) {
    for (double y : {0.0, -4.5}) {
        s.Line({{-6, y}, {0, y}});
        s.Line({{32, y}, {38, y}});
    }
    s.Line({{0, 0}, {0, -4.5}});
    s.Line({{32, 0}, {32, -4.5}});
    s.Rect(0, 0, 1.375, 32);
    s.Arc(0, 0, 32, 0, 90);
}

// A 36 in window in a 6 in wall: the wall faces each side, the jambs, the
// sill lines and the double line of the glass.
void Window(Sym& s) {
    for (double y : {0.0, 6.0}) {
        s.Line({{-6, y}, {0, y}});
        s.Line({{36, y}, {42, y}});
        s.Line({{0, y}, {36, y}});
    }
    s.Line({{0, 0}, {0, 6}});
    s.Line({{36, 0}, {36, 6}});
    s.Line({{0, 2.75}, {36, 2.75}});
    s.Line({{0, 3.25}, {36, 3.25}});
}

}  // namespace

void AddBench(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"TIWorkbench", Workbench},
        {"TIShelf", Shelf},
        {"TIOscilloscope", Oscilloscope},
        {"TIPower Supply", PowerSupply},
        {"TISignal Generator", SignalGenerator},
        {"TIMeter", Meter},
        {"TISoldering Station", SolderingStation},
        {"H-Chair", Chair},
        {"H-Table", Table},
        {"H-Sofa", Sofa},
        {"H-Bed", Bed},
        {"H-Door Swing", DoorSwing},
        {"H-Window", Window},
    });
}

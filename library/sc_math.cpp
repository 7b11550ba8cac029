// Block-diagram symbols without leads: math operators (ScM-), function
// blocks (ScB-) and waveforms (ScW-). They declare no pins, but their
// connection points still fall on the 0.1 grid: operator circles (radius
// 0.1) and signs are centred on (0, 0), arrows start there, blocks take
// their signal in at the middle of the left side (0, 0), and the waves run
// two cycles, 0.8 long and 0.3 high, from (0, 0) along the x axis.
#include <cmath>

#include "library/library.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// `cycles` cycles of a sine of amplitude amp from (x, y), width w long.
void Sine(Sym& s, double x, double y, double w, double amp, double cycles) {
    const int steps = static_cast<int>(std::ceil(cycles * 32));
    std::vector<Pt> pts;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        pts.push_back({x + w * t, y + amp * std::sin(2 * kPi * cycles * t)});
    }
    s.Line(pts);
}

// ---- math operators ---------------------------------------------------------------

void SummingJunction(Sym& s) {
    s.Circle(0, 0, 0.1);
    // a sigma
    s.Line({{0.035, 0.05}, {-0.035, 0.05}, {0.01, 0}, {-0.035, -0.05}, {0.035, -0.05}});
}

void Multiplier(Sym& s) {
    s.Circle(0, 0, 0.1);
    const double d = 0.1 * std::sqrt(0.5);
    s.Line({{-d, -d}, {d, d}});
    s.Line({{-d, d}, {d, -d}});
}

// A square operator box from (0, -0.2) to (0.4, 0.2).
void OperatorBox(Sym& s) { s.Rect(0, -0.2, 0.4, 0.2); }

void Integrator(Sym& s) {
    OperatorBox(s);
    // the integral sign: a slanted stem with a hook at either end
    s.Line({{0.215, 0.1}, {0.185, -0.1}});
    s.Arc(0.245, 0.1, 0.03, 180, 20);
    s.Arc(0.155, -0.1, 0.03, 0, -160);
}

void Differentiator(Sym& s) {
    OperatorBox(s);
    s.Text(0.2, 0, 0.08, "d/dt", "M");
}

void Plus(Sym& s) {
    s.Line({{-0.05, 0}, {0.05, 0}});
    s.Line({{0, -0.05}, {0, 0.05}});
}

void Minus(Sym& s) { s.Line({{-0.05, 0}, {0.05, 0}}); }

void ArrowRight(Sym& s) { Arrow(s, {0, 0}, {0.4, 0}); }
void ArrowLeft(Sym& s) { Arrow(s, {0, 0}, {-0.4, 0}); }
void ArrowUp(Sym& s) { Arrow(s, {0, 0}, {0, 0.4}); }
void ArrowDown(Sym& s) { Arrow(s, {0, 0}, {0, -0.4}); }

// ---- blocks ---------------------------------------------------------------------------

void Box(Sym& s) { s.Rect(0, -0.2, 0.6, 0.2); }

void Amplifier(Sym& s) { s.Loop({{0, -0.2}, {0, 0.2}, {0.4, 0}}); }

// A filter box with three waves, the highest frequency on top; `crossed`
// says which of them (top, middle, bottom) the filter stops.
void FilterBox(Sym& s, bool top, bool middle, bool bottom) {
    Box(s);
    const bool crossed[3] = {top, middle, bottom};
    for (int i = 0; i < 3; ++i) {
        const double y = 0.1 - 0.1 * i;
        Sine(s, 0.18, y, 0.24, 0.025, 1);
        if (crossed[i]) s.Line({{0.27, y - 0.045}, {0.33, y + 0.045}});
    }
}

void Filter(Sym& s) { FilterBox(s, false, false, false); }
void LowPass(Sym& s) { FilterBox(s, true, false, false); }
void HighPass(Sym& s) { FilterBox(s, false, false, true); }
void BandPass(Sym& s) { FilterBox(s, true, false, true); }
void BandStop(Sym& s) { FilterBox(s, false, true, false); }

void Mixer(Sym& s) {
    s.Circle(0.2, 0, 0.2);
    const double d = 0.2 * std::sqrt(0.5);
    s.Line({{0.2 - d, -d}, {0.2 + d, d}});
    s.Line({{0.2 - d, d}, {0.2 + d, -d}});
}

void Oscillator(Sym& s) {
    s.Circle(0.2, 0, 0.2);
    Sine(s, 0.08, 0, 0.24, 0.06, 1);
}

// ---- waves ----------------------------------------------------------------------------

void SineWave(Sym& s) { Sine(s, 0, 0, 0.8, 0.15, 2); }

void SquareWave(Sym& s) {
    s.Line({{0, -0.15}, {0, 0.15}, {0.2, 0.15}, {0.2, -0.15}, {0.4, -0.15}, {0.4, 0.15}, {0.6, 0.15},
            {0.6, -0.15}, {0.8, -0.15}});
}

void TriangleWave(Sym& s) {
    s.Line({{0, 0}, {0.1, 0.15}, {0.3, -0.15}, {0.5, 0.15}, {0.7, -0.15}, {0.8, 0}});
}

void SawtoothWave(Sym& s) {
    s.Line({{0, 0}, {0.2, 0.15}, {0.2, -0.15}, {0.6, 0.15}, {0.6, -0.15}, {0.8, 0}});
}

void PulseWave(Sym& s) {
    s.Line({{0, -0.15}, {0.1, -0.15}, {0.1, 0.15}, {0.2, 0.15}, {0.2, -0.15}, {0.5, -0.15}, {0.5, 0.15},
            {0.6, 0.15}, {0.6, -0.15}, {0.8, -0.15}});
}

// Rectified sines: half-wave keeps every other hump, full-wave all four.
void Humps(Sym& s, bool everyOther) {
    std::vector<Pt> pts;
    const int steps = 16;
    for (int hump = 0; hump < 4; ++hump) {
        const double x0 = 0.2 * hump;
        const bool flat = everyOther && hump % 2 == 1;
        for (int i = (hump == 0 ? 0 : 1); i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            pts.push_back({x0 + 0.2 * t, flat ? -0.15 : -0.15 + 0.3 * std::sin(kPi * t)});
        }
    }
    s.Line(pts);
}

void HalfWave(Sym& s) { Humps(s, true); }
void FullWave(Sym& s) { Humps(s, false); }

}  // namespace

void AddMath(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScM-Summing Junction", SummingJunction},
        {"ScM-Multiplier", Multiplier},
        {"ScM-Integrator", Integrator},
        {"ScM-Differentiator", Differentiator},
        {"ScM-Plus", Plus},
        {"ScM-Minus", Minus},
        {"ScM-Arrow Right", ArrowRight},
        {"ScM-Arrow Left", ArrowLeft},
        {"ScM-Arrow Up", ArrowUp},
        {"ScM-Arrow Down", ArrowDown},

        {"ScB-Box", Box},
        {"ScB-Amplifier", Amplifier},
        {"ScB-Filter", Filter},
        {"ScB-Filter Low Pass", LowPass},
        {"ScB-Filter High Pass", HighPass},
        {"ScB-Filter Band Pass", BandPass},
        {"ScB-Filter Band Stop", BandStop},
        {"ScB-Mixer", Mixer},
        {"ScB-Oscillator", Oscillator},

        {"ScW-Sine", SineWave},
        {"ScW-Square", SquareWave},
        {"ScW-Triangle", TriangleWave},
        {"ScW-Sawtooth", SawtoothWave},
        {"ScW-Pulse", PulseWave},
        {"ScW-Half Wave", HalfWave},
        {"ScW-Full Wave", FullWave},
    });
}

// Iron-core transformers (ScUC) and the parts to build others from (ScUP).
// Windings stand upright with loops 0.1 across, so every tap and lead end
// falls on the 0.1 grid. In a transformer pin 1 is the top lead of the
// primary at (0, 0); the primary's axis is at x 0.2 and the secondary's at
// x 0.6, their loops facing the two core bars between them, and the leads
// run out sideways to x 0 and x 0.8.
#include "library/library.h"

#include <cmath>

namespace {

double Snap(double v) { return std::round(v * 10) / 10; }

// An upright winding on the axis x from top down, `loops` loops bulging to
// the right (side +1) or left (side -1); its leads run sideways to leadX.
// Returns the height of its bottom lead.
double Winding(Sym& s, double x, double top, int loops, int side, double leadX) {
    const double bottom = Snap(top - 0.1 * loops);
    s.Line({{leadX, top}, {x, top}});
    Coil(s, {x, top}, {x, bottom}, loops, side);
    s.Line({{x, bottom}, {leadX, bottom}});
    s.Pin(leadX, top);
    s.Pin(leadX, bottom);
    return bottom;
}

// A tap from the winding's axis x at height y out to leadX.
void Tap(Sym& s, double x, double y, double leadX) {
    s.Line({{x, y}, {leadX, y}});
    s.Pin(leadX, y);
}

// The iron core: two bars centred on x from top to bottom.
void Core(Sym& s, double x, double top, double bottom) {
    s.Line({{x - 0.03, top}, {x - 0.03, bottom}});
    s.Line({{x + 0.03, top}, {x + 0.03, bottom}});
}

void PowerCT(Sym& s) {
    Winding(s, 0.2, 0, 6, 1, 0);
    Winding(s, 0.6, 0.1, 8, -1, 0.8);
    Tap(s, 0.6, -0.3, 0.8);
    Core(s, 0.4, 0.1, -0.7);
}

void PushPullOutput(Sym& s) {
    Winding(s, 0.2, 0, 8, 1, 0);
    Tap(s, 0.2, -0.4, 0);
    Winding(s, 0.6, -0.2, 4, -1, 0.8);
    Core(s, 0.4, 0, -0.8);
}

// An interstage transformer: a plate winding driving a centre-tapped grid
// winding for a push-pull stage.
void Interstage(Sym& s) {
    Winding(s, 0.2, 0, 4, 1, 0);
    Winding(s, 0.6, 0.1, 6, -1, 0.8);
    Tap(s, 0.6, -0.2, 0.8);
    Core(s, 0.4, 0.1, -0.5);
}

// A 1:1 audio transformer with its phase dots at the winding starts.
void Audio11(Sym& s) {
    Winding(s, 0.2, 0, 5, 1, 0);
    Winding(s, 0.6, 0, 5, -1, 0.8);
    Core(s, 0.4, 0, -0.5);
    s.Dot(0.1, -0.08, 0.02);
    s.Dot(0.7, -0.08, 0.02);
}

void Autotransformer(Sym& s) {
    Winding(s, 0.2, 0, 6, 1, 0);
    Tap(s, 0.2, -0.4, 0);
    Core(s, 0.4, 0, -0.6);
}

// An iron-core filter choke lying left to right.
void Choke(Sym& s) {
    s.Line({{0, 0}, {0.1, 0}});
    Coil(s, {0.1, 0}, {0.7, 0}, 6);
    s.Line({{0.7, 0}, {0.8, 0}});
    s.Line({{0.1, 0.1}, {0.7, 0.1}});
    s.Line({{0.1, 0.15}, {0.7, 0.15}});
    s.Pin(0, 0);
    s.Pin(0.8, 0);
}

// A bare upright winding with short leads at top and bottom.
void Bare(Sym& s, int loops) {
    const double bottom = Snap(-0.1 * loops - 0.2);
    s.Line({{0, 0}, {0, -0.1}});
    Coil(s, {0, -0.1}, {0, bottom + 0.1}, loops, 1);
    s.Line({{0, bottom + 0.1}, {0, bottom}});
    s.Pin(0, 0);
    s.Pin(0, bottom);
}

void Winding3(Sym& s) { Bare(s, 3); }
void Winding4(Sym& s) { Bare(s, 4); }
void Winding6(Sym& s) { Bare(s, 6); }

void CoreBars(Sym& s) {
    s.Line({{0, 0}, {0, -0.6}});
    s.Line({{0.06, 0}, {0.06, -0.6}});
    s.Pin(0, 0);
}

// A tap lead from a winding's axis at (0, 0) out to the left.
void CentreTap(Sym& s) {
    s.Line({{0, 0}, {-0.2, 0}});
    s.Text(-0.1, 0.05, 0.06, "CT");
    s.Pin(0, 0);
    s.Pin(-0.2, 0);
}

void PhaseDot(Sym& s) {
    s.Dot(0, 0, 0.025);
    s.Pin(0, 0);
}

}  // namespace

void AddTransformers(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScUCPower CT", PowerCT},
        {"ScUCPush-Pull Output", PushPullOutput},
        {"ScUCInterstage", Interstage},
        {"ScUCAudio 1-1", Audio11},
        {"ScUCAutotransformer", Autotransformer},
        {"ScUCChoke", Choke},
        {"ScUPWinding 3", Winding3},
        {"ScUPWinding 4", Winding4},
        {"ScUPWinding 6", Winding6},
        {"ScUPCore Bars", CoreBars},
        {"ScUPCentre Tap", CentreTap},
        {"ScUPPhase Dot", PhaseDot},
    });
}

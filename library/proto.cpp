// Prototyping boards and hardware (PR), true size in inches, seen from the
// component side. Board holes are on the 0.1 grid with the first hole at
// (0, 0) and the rows running right and down; the marks that go on a board
// (track cut, wire link, socket, terminal) put their insertion point on a
// hole. Turret and eyelet boards and the tag strip are larger hardware on
// their own pitch.
#include "library/library.h"

namespace {

constexpr double kHole = 0.04;  // a board hole, 1 mm

void Perfboard10x10(Sym& s) {
    s.Rect(-0.05, 0.05, 0.95, -0.95);
    for (int row = 0; row < 10; ++row) PadRow(s, 0, -0.1 * row, 0.1, 0, 10, kHole, 0);
}

// One copper strip 0.08 wide with its 20 holes.
void Stripboard20(Sym& s) {
    s.Rect(-0.05, -0.04, 1.95, 0.04);
    PadRow(s, 0, 0, 0.1, 0, 20, kHole, 0);
}

// The spot-face that cuts a strip at a hole: a ring the width of the strip
// crossed through.
void TrackCut(Sym& s) {
    s.Circle(0, 0, 0.04);
    s.Line({{-0.028, -0.028}, {0.028, 0.028}});
    s.Line({{-0.028, 0.028}, {0.028, -0.028}});
}

// A wire link from (0, 0) to the hole 0.3 to the right, soldered at both.
void WireLink(Sym& s) {
    s.Line({{0, 0}, {0.3, 0}});
    s.Circle(0, 0, 0.035);
    s.Circle(0.3, 0, 0.035);
}

// An 8-pin DIL socket: the frame with its open centre, the notch at the
// pin 1 end and the eight contacts on 0.1 x 0.3, pin 1 at (0, 0).
void IcSocket8(Sym& s) {
    s.Line({{0.12, 0.07}, {-0.05, 0.07}, {-0.05, -0.37}, {0.35, -0.37}, {0.35, 0.07}, {0.18, 0.07}});
    s.Arc(0.15, 0.07, 0.03, 180, 360);
    s.Rect(0.07, 0.0, 0.23, -0.3);
    for (int i = 0; i < 4; ++i) {
        s.Circle(0, -0.1 * i, 0.025);
        s.Circle(0.3, -0.1 * i, 0.025);
    }
}

// A two-way screw terminal block at 0.2 pitch, pin 1 at (0, 0): the block,
// the two slotted screw heads over the pins and the wire entries at the
// front.
void ScrewTerminal2(Sym& s) {
    s.Rect(-0.1, -0.15, 0.3, 0.16);
    s.Line({{0.1, -0.15}, {0.1, 0.16}});
    for (double x : {0.0, 0.2}) {
        s.Circle(x, 0.02, 0.065);
        s.Line({{x - 0.045, 0.065}, {x + 0.045, -0.025}});
        s.Rect(x - 0.06, -0.15, x + 0.06, -0.1);
    }
}

// A turret: the rolled flange, the shoulder and the hollow top.
void Turret(Sym& s, double x, double y) {
    s.Circle(x, y, 0.1);
    s.Circle(x, y, 0.065);
    s.Circle(x, y, 0.03);
}

// An eyelet: the rolled lip round the hole.
void Eyelet(Sym& s, double x, double y) {
    s.Circle(x, y, 0.07);
    s.Circle(x, y, 0.04);
}

// A board of two rows of ten, the first turret at (0, 0), a mounting hole
// at each end.
void TurretStrip(Sym& s) {
    s.Rect(-0.6, 0.35, 5.1, -1.85);
    for (int i = 0; i < 10; ++i) {
        Turret(s, 0.5 * i, 0);
        Turret(s, 0.5 * i, -1.5);
    }
    s.Circle(-0.35, -0.75, 0.08);
    s.Circle(4.85, -0.75, 0.08);
}

void EyeletStrip(Sym& s) {
    s.Rect(-0.5, 0.3, 4.1, -1.5);
    for (int i = 0; i < 10; ++i) {
        Eyelet(s, 0.4 * i, 0);
        Eyelet(s, 0.4 * i, -1.2);
    }
    s.Circle(-0.3, -0.6, 0.08);
    s.Circle(3.9, -0.6, 0.08);
}

// A solder tag strip of five lugs: the mounting foot with its screw hole at
// (0, 0), the insulating strip to its right and the lugs standing out from
// it, each riveted on with a hole for the wire.
void TagStrip5(Sym& s) {
    s.Line({{0.25, 0.15}, {-0.15, 0.15}, {-0.15, -0.15}, {0.25, -0.15}});  // the foot
    s.Circle(0, 0, 0.07);
    s.Rect(0.25, -0.12, 2.15, 0.12);
    for (int i = 0; i < 5; ++i) {
        const double x = 0.5 + 0.35 * i;
        s.Circle(x, 0, 0.03);  // the rivet
        s.Line({{x - 0.06, 0.12}, {x - 0.06, 0.4}});
        s.Line({{x + 0.06, 0.12}, {x + 0.06, 0.4}});
        s.Arc(x, 0.4, 0.06, 0, 180);
        s.Circle(x, 0.38, 0.025);
    }
}

}  // namespace

void AddProto(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"PRPerfboard 10x10", Perfboard10x10},
        {"PRStripboard 20", Stripboard20},
        {"PRTrack Cut", TrackCut},
        {"PRWire Link", WireLink},
        {"PRIC Socket 8", IcSocket8},
        {"PRScrew Terminal 2", ScrewTerminal2},
        {"PRTurret Strip", TurretStrip},
        {"PREyelet Strip", EyeletStrip},
        {"PRTag Strip 5", TagStrip5},
    });
}

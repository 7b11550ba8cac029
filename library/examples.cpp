// The example drawings: a two-stage 12AX7 preamplifier with its power
// supply, drawn from the schematic library; the same preamplifier laid out
// on stripboard; the chassis it goes into; the two-scale face of a panel
// meter, drawn with dials; and three faces under scale laws (VU meter,
// multimeter, SWR bridge). They are drawn the way a user would: symbols
// placed at their leads, wires as Lines from lead to lead, junction dots,
// labels and a title. Units are inches.
#include "library/library.h"

#include <cmath>
#include <utility>

namespace {

// ---- the schematic ------------------------------------------------------------

// Helpers in the schematic's own terms: a wire, a dot, a label.
void Wire(Sym& s, std::vector<Pt> pts) { s.Line(pts); }
void Node(Sym& s, double x, double y) { s.Shape("ScG-Junction Dot", x, y); }
void Label(Sym& s, double x, double y, const std::string& t) { s.Text(x, y, 0.08, t, "S"); }

// A resistor or capacitor standing upright, its top lead at (x, y).
void Down(Sym& s, const std::string& part, double x, double y) { s.Shape(part, x, y, 1, -90); }
void Ground(Sym& s, double x, double y) { s.Shape("ScG-Ground", x, y); }

// One common-cathode stage: the triode's grid at (gx, gy); grid leak to
// ground at gx - 0.6, plate load from the B+ rail at y = 5.6, cathode
// resistor and bypass capacitor to ground.
void Stage(Sym& s, double gx, double gy, const std::string& tube, const std::string& ra, const std::string& rk) {
    s.Shape("ScV-Triode", gx, gy);
    Label(s, gx + 0.9, gy + 0.1, tube);
    // The plate load from the rail down to the plate.
    Down(s, "ScG-Resistor", gx + 0.5, 5.6);
    Wire(s, {{gx + 0.5, 5.0}, {gx + 0.5, gy + 0.5}});
    Label(s, gx + 0.6, 5.3, ra);
    // Cathode resistor and its bypass.
    Down(s, "ScG-Resistor", gx + 0.4, gy - 0.5);
    Ground(s, gx + 0.4, gy - 1.1);
    Label(s, gx + 0.0, gy - 0.85, rk);
    Wire(s, {{gx + 0.4, gy - 0.5}, {gx + 0.8, gy - 0.5}});
    Down(s, "ScG-Capacitor Electrolytic", gx + 0.8, gy - 0.5);
    Wire(s, {{gx + 0.8, gy - 0.9}, {gx + 0.8, gy - 1.1}, {gx + 0.4, gy - 1.1}});
    Node(s, gx + 0.4, gy - 0.5);
    Node(s, gx + 0.4, gy - 1.1);
    Label(s, gx + 0.9, gy - 0.75, "25u");
}

void PreampSchematic(Sym& s) {
    s.Text(0.3, 6.4, 0.2, "Two-Stage 12AX7 Preamplifier", "S");
    s.Text(0.3, 6.15, 0.09, "B+ 250 V, heaters 12.6 V from a separate winding (not shown)", "S");

    // Input: terminal, grid leak, first grid.
    s.Shape("ScG-Terminal", 1.0, 4.0, 1, 0, -1);
    Label(s, 0.5, 4.15, "IN");
    Wire(s, {{1.0, 4.0}, {2.0, 4.0}});
    Node(s, 1.4, 4.0);
    Down(s, "ScG-Resistor", 1.4, 4.0);
    Ground(s, 1.4, 3.4);
    Label(s, 1.5, 3.7, "1M");
    Stage(s, 2.0, 4.0, "V1a 1/2 12AX7", "100k", "1k5");

    // Coupling to the second grid, its grid leak.
    Wire(s, {{2.5, 4.8}, {3.0, 4.8}});
    Node(s, 2.5, 4.8);
    s.Shape("ScG-Capacitor", 3.0, 4.8);
    Label(s, 3.0, 5.0, "22n");
    Wire(s, {{3.4, 4.8}, {3.8, 4.8}, {3.8, 4.0}, {4.2, 4.0}});
    Node(s, 3.8, 4.0);
    Down(s, "ScG-Resistor", 3.8, 4.0);
    Ground(s, 3.8, 3.4);
    Label(s, 3.9, 3.7, "470k");
    Stage(s, 4.2, 4.0, "V1b 1/2 12AX7", "100k", "1k5");

    // Output coupling and terminal.
    Wire(s, {{4.7, 4.8}, {5.2, 4.8}});
    Node(s, 4.7, 4.8);
    s.Shape("ScG-Capacitor", 5.2, 4.8);
    Label(s, 5.2, 5.0, "100n");
    Wire(s, {{5.6, 4.8}, {6.2, 4.8}});
    s.Shape("ScG-Terminal", 6.2, 4.8);
    Label(s, 6.4, 4.95, "OUT");

    // The B+ rail with its decoupling from the supply.
    Wire(s, {{2.5, 5.6}, {6.0, 5.6}});
    Node(s, 4.7, 5.6);
    Node(s, 5.8, 5.6);
    Down(s, "ScG-Capacitor Electrolytic", 5.8, 5.6);
    Ground(s, 5.8, 5.2);
    Label(s, 5.4, 5.35, "22u");
    s.Shape("ScG-Resistor", 6.0, 5.6);
    Label(s, 6.1, 5.75, "10k");
    Wire(s, {{6.6, 5.6}, {7.0, 5.6}, {7.0, 1.9}});
    Label(s, 6.75, 5.75, "B+");

    // Mains: terminals, fuse, switch, pilot lamp across the primary.
    s.Shape("ScG-Terminal", 0.4, 1.8, 1, 0, -1);
    s.Shape("ScG-Terminal", 0.4, 1.2, 1, 0, -1);
    Label(s, 0.0, 2.0, "MAINS");
    s.Shape("ScG-Fuse", 0.6, 1.8);
    Label(s, 0.6, 2.0, "F1 250mA");
    Wire(s, {{0.4, 1.8}, {0.6, 1.8}});
    s.Shape("ScS-SPST", 1.2, 1.8);
    Label(s, 1.45, 2.05, "S1");
    Wire(s, {{1.8, 1.8}, {2.0, 1.8}});
    Wire(s, {{0.4, 1.2}, {2.0, 1.2}});
    Node(s, 1.9, 1.8);
    Node(s, 1.9, 1.2);
    s.Shape("ScT-Lamp", 1.9, 1.8, 1, -90);
    Label(s, 1.55, 1.5, "LP1");

    // Power transformer, full-wave rectifier from the centre tap.
    s.Shape("ScUCPower CT", 2.0, 1.8);
    Label(s, 2.1, 2.2, "T1 250-0-250");
    Wire(s, {{2.8, 1.9}, {3.2, 1.9}});
    s.Shape("ScD-Diode", 3.2, 1.9);
    Wire(s, {{2.8, 1.1}, {3.2, 1.1}});
    s.Shape("ScD-Diode", 3.2, 1.1);
    Label(s, 3.3, 2.05, "D1");
    Label(s, 3.3, 0.85, "D2");
    Wire(s, {{3.8, 1.1}, {3.8, 1.9}});
    Wire(s, {{2.8, 1.5}, {3.0, 1.5}});
    Ground(s, 3.0, 1.5);

    // Reservoir, choke, smoothing; on to the rail.
    Wire(s, {{3.8, 1.9}, {4.4, 1.9}});
    Node(s, 3.8, 1.9);
    Node(s, 4.2, 1.9);
    Down(s, "ScG-Capacitor Electrolytic", 4.2, 1.9);
    Ground(s, 4.2, 1.5);
    Label(s, 4.3, 1.6, "47u");
    s.Shape("ScUCChoke", 4.4, 1.9);
    Label(s, 4.5, 2.15, "L1 5H");
    Wire(s, {{5.2, 1.9}, {7.0, 1.9}});
    Node(s, 5.4, 1.9);
    Down(s, "ScG-Capacitor Electrolytic", 5.4, 1.9);
    Ground(s, 5.4, 1.5);
    Label(s, 5.5, 1.6, "47u");
}

// ---- the stripboard layout ----------------------------------------------------------

// Hole (column c, strip r) of the board: columns 0.1 apart to the right,
// strips 0.1 apart downwards.
Pt HoleAt(int c, int r) { return {0.1 * c, -0.1 * r}; }
// A part standing across the strips, its first pad at hole (c, r) and the
// other below it (0.4 for resistors, 0.2 for radials, 0.3 for links).
void Across(Sym& s, const std::string& part, int c, int r) {
    const Pt p = HoleAt(c, r);
    s.Shape(part, p.x, p.y, 1, -90);
}
void Cut(Sym& s, int c, int r) {
    const Pt p = HoleAt(c, r);
    s.Shape("PRTrack Cut", p.x, p.y);
}
void Note(Sym& s, double x, double y, const std::string& t) { s.Text(x, y, 0.05, t, "S"); }

// The preamplifier of the schematic on a board of 14 strips by 20 holes.
// Strips: 0 B+, 3 input (grid 1), 4 plates, 6 grid 2 | output, 7, 10 and 13
// the 0 V strips (joined by two links), 11 cathodes. A cut at hole 10 splits
// the strips of two nets into the first stage (left) and the second (right).
void PreampStripboard(Sym& s) {
    s.Text(0, 0.45, 0.12, "12AX7 Preamplifier on Stripboard", "S");
    s.Text(0, 0.28, 0.06, "Component side; strips run left to right; dashed: flying leads to the valve socket.", "S");
    for (int r = 0; r < 14; ++r) s.Shape("PRStripboard 20", 0, -0.1 * r);
    const std::pair<int, const char*> strips[] = {{0, "B+"}, {3, "IN"}, {4, "PLATES"}, {6, "G2 | OUT"},
                                                  {7, "0V"}, {10, "0V"}, {11, "CATHODES"}, {13, "0V"}};
    for (const auto& [r, name] : strips) Note(s, -0.62, -0.1 * r - 0.02, name);
    for (int r : {4, 6, 11}) Cut(s, 10, r);

    // First stage (left) and second stage (right).
    Across(s, "PCResistor 0.4", 1, 3);           // Rg1 1M: input to 0V
    Across(s, "PCResistor 0.4", 3, 0);           // Ra1 100k: B+ to plate 1
    Across(s, "PCCapacitor Radial 0.2", 5, 4);   // C1 22n: plate 1 to grid 2
    Across(s, "PCResistor 0.4", 7, 6);           // Rg2 470k: grid 2 to 0V
    Across(s, "PCResistor 0.4", 2, 7);           // Rk1 1k5: 0V to cathode 1
    Across(s, "PCCapacitor Radial 0.2", 4, 11);  // Ck1 25u: cathode 1 to 0V
    Across(s, "PCResistor 0.4", 13, 0);          // Ra2 100k: B+ to plate 2
    Across(s, "PCCapacitor Radial 0.2", 15, 4);  // C3 100n: plate 2 to output
    Across(s, "PCResistor 0.4", 12, 7);          // Rk2 1k5: 0V to cathode 2
    Across(s, "PCCapacitor Radial 0.2", 14, 11); // Ck2 25u: cathode 2 to 0V
    Across(s, "PRWire Link", 9, 7);              // 0V strips 7 and 10
    Across(s, "PRWire Link", 0, 10);             // 0V strips 10 and 13
    const std::pair<Pt, const char*> labels[] = {
        {{0.13, -0.5}, "Rg1"}, {{0.33, -0.2}, "Ra1"}, {{0.53, -0.48}, "C1"}, {{0.73, -0.8}, "Rg2"},
        {{0.23, -0.9}, "Rk1"}, {{0.43, -1.18}, "Ck1"}, {{1.33, -0.2}, "Ra2"}, {{1.53, -0.48}, "C3"},
        {{1.23, -0.9}, "Rk2"}, {{1.43, -1.18}, "Ck2"}};
    for (const auto& [at, name] : labels) Note(s, at.x, at.y, name);

    // The socket seen from its wiring side: pin k clockwise from the gap.
    const Pt socket{2.75, -0.6};
    s.Shape("PCNoval Socket", socket.x, socket.y);
    Note(s, 2.4, -1.15, "V1 12AX7, wiring side");
    auto pin = [&](int k) {
        const double a = (270.0 - 36.0 * k) * 3.14159265358979323846 / 180;
        return Pt{socket.x + 0.234 * std::cos(a), socket.y + 0.234 * std::sin(a)};
    };
    // Flying leads are drawn dashed: they run above the board, not on it.
    auto lead = [&](int c, int r, int k) {
        const Pt h = HoleAt(c, r), p = pin(k);
        s.Hidden({h, {2.1, h.y}, p});
    };
    lead(19, 3, 2);   // grid 1, from the end of the input strip
    lead(19, 4, 6);   // plate 2 (right half of the plates strip)
    lead(9, 4, 1);    // plate 1, from the left half
    lead(9, 6, 7);    // grid 2
    lead(9, 11, 3);   // cathode 1
    lead(19, 11, 8);  // cathode 2
    // Off-board wires: supply, input, output.
    s.Line({HoleAt(0, 0), {-0.25, 0}});
    s.Line({HoleAt(0, 3), {-0.25, -0.3}});
    s.Line({HoleAt(0, 13), {-0.25, -1.3}});
    Note(s, -0.75, 0.08, "from supply");
    s.Line({HoleAt(19, 6), {1.95, -0.75}, {1.95, -1.45}});
    Note(s, 1.7, -1.55, "to OUT");
}

// ---- the chassis ----------------------------------------------------------------------

// A hole with its label below it, or above it along the back edge.
void Hole(Sym& s, const std::string& part, double x, double y, const std::string& label, bool above = false) {
    s.Shape(part, x, y);
    if (!label.empty()) s.Text(x, above ? y + 0.42 : y - 0.75, 0.1, label, "M");
}

void PreampChassis(Sym& s) {
    s.Text(0, 6.6, 0.22, "Preamplifier Chassis, Top Plate 10 x 6 in", "S");
    s.Text(0, 6.3, 0.1, "Aluminium 1.5 mm; holes marked with their centres; front edge at the bottom.", "S");
    s.Rect(0, 0, 10, 6);
    s.Hidden({{0.5, 0.5}, {9.5, 0.5}, {9.5, 5.5}, {0.5, 5.5}, {0.5, 0.5}});  // the folded flanges
    Hole(s, "CLTransformer Cutout", 2.2, 3.1, "T1 power transformer");
    Hole(s, "CLCap Clamp", 5.0, 4.3, "C reservoir");
    Hole(s, "CL9-Pin Hole", 7.0, 3.2, "V1 12AX7");
    Hole(s, "CLCap Clamp", 5.0, 2.4, "C smoothing");
    // The back edge: mains in and the fuse; the front edge: controls.
    Hole(s, "CLIEC Inlet", 1.3, 5.2, "IEC inlet", true);
    Hole(s, "CLFuse Holder", 3.4, 5.2, "fuse", true);
    Hole(s, "CLRCA Jack", 8.6, 5.2, "out", true);
    Hole(s, "CLToggle Switch", 1.2, 1.0, "power");
    Hole(s, "CLPilot Lamp", 2.4, 1.0, "pilot");
    Hole(s, "CLPot Hole", 6.8, 1.0, "volume");
    Hole(s, "CLJack Quarter Inch", 8.6, 1.0, "input");
    s.Text(9.9, -0.3, 0.1, "all dimensions in inches", "E");
}

// ---- a meter face ----------------------------------------------------------------------

// The face of a 4 in panel meter with two scales about one pivot: 0-10 V
// outside the arc, 0-50 V inside it. Cut to the plate's outline, glued into
// the meter; the pivot hole and the two mounting holes are drilled through.
void MeterFace(Sym& s) {
    s.Text(0, 3.75, 0.2, "Panel Meter Face, 4 x 3.2 in", "S");
    s.Text(0, 3.5, 0.08, "Print at true size; cut along the outline; drill the three holes.", "S");
    // The plate, its top corners rounded.
    const double w = 4, h = 3.2, rc = 0.3;
    s.Line({{0, h - rc}, {0, 0}, {w, 0}, {w, h - rc}});
    s.Line({{rc, h}, {w - rc, h}});
    s.Arc(rc, h - rc, rc, 90, 180);
    s.Arc(w - rc, h - rc, rc, 0, 90);
    // The pointer's pivot and the mounting holes.
    const Pt pivot{2, 0.55};
    s.Circle(pivot.x, pivot.y, 0.06);
    s.Circle(0.35, 1.6, 0.07);
    s.Circle(w - 0.35, 1.6, 0.07);
    // The two scales: volts outside, the 50 V range inside.
    Sym::DialSpec outer;
    outer.r = 2.0;
    s.Dial(pivot.x, pivot.y, outer);
    Sym::DialSpec inner;
    inner.r = 1.9;
    inner.cw = 50;
    inner.side = -1;
    inner.majorLen = 0.15, inner.intermediateLen = 0.1, inner.minorLen = 0.06;
    inner.textHeight = 0.08;
    s.Dial(pivot.x, pivot.y, inner);
    // The pointer's sweep below the scales, and the legend.
    s.Arc(pivot.x, pivot.y, 0.45, 45, 135);
    s.Text(pivot.x, 1.25, 0.14, "DC VOLTS", "M");
    s.Text(pivot.x - 1.25, 0.25, 0.07, "10 V / 50 V", "M");
    s.Text(pivot.x + 1.25, 0.25, 0.07, "Class 2.5", "M");
}

// ---- meter faces under scale laws ----------------------------------------------

// A meter plate of w x h with its title above it, its top corners rounded,
// a pivot hole and two mounting holes; the pivot point.
Pt Plate(Sym& s, const std::string& title, double w, double h, double pivotY) {
    s.Text(0, h + 0.45, 0.16, title, "S");
    s.Text(0, h + 0.22, 0.07, "Print at true size; cut along the outline; drill the three holes.", "S");
    const double rc = 0.25;
    s.Line({{0, h - rc}, {0, 0}, {w, 0}, {w, h - rc}});
    s.Line({{rc, h}, {w - rc, h}});
    s.Arc(rc, h - rc, rc, 90, 180);
    s.Arc(w - rc, h - rc, rc, 0, 90);
    const Pt pivot{w / 2, pivotY};
    s.Circle(pivot.x, pivot.y, 0.05);
    s.Circle(0.3, h / 2, 0.06);
    s.Circle(w - 0.3, h / 2, 0.06);
    return pivot;
}

// A VU meter's face (3.5 x 2.6 in): -20 to +3 VU on the decibel law above
// the arc, 0 to 100 % linear under it, one pivot. 0 VU falls at 70.8 %.
void VuMeterFace(Sym& s) {
    const Pt pivot = Plate(s, "VU Meter Face, 3.5 x 2.6 in", 3.5, 2.6, 0.35);
    Sym::DialSpec vu;
    vu.r = 1.75, vu.totalDeg = 90;
    vu.ccw = -20, vu.cw = 3;
    vu.intermediates = 0, vu.minors = 1;
    vu.majorLen = 0.15, vu.minorLen = 0.07, vu.textHeight = 0.09;
    vu.law = DialLaw{DialLawKind::Decibel, {-20, -10, -7, -5, -3, -2, -1, 0, 1, 2, 3}};
    s.Dial(pivot.x, pivot.y, vu);
    Sym::DialSpec percent;
    percent.r = 1.65, percent.totalDeg = 90, percent.side = -1;
    percent.majors = 6, percent.intermediates = 1, percent.minors = 1;
    percent.ccw = 0, percent.cw = 100;
    percent.majorLen = 0.1, percent.intermediateLen = 0.07, percent.minorLen = 0.05, percent.textHeight = 0.07;
    s.Dial(pivot.x, pivot.y, percent);
    s.Text(pivot.x, 1.1, 0.22, "VU", "M");
    s.Text(pivot.x, 0.85, 0.07, "% MODULATION", "M");
}

// A multimeter's face (4.2 x 3.2 in): ohms (centre 20) at the top, DC
// volts 0-10 and 0-50 about one arc, and a dB scale (0 dB at 0.775 V on
// the 10 V range: +22 dB at full scale) below them.
void MultimeterFace(Sym& s) {
    const Pt pivot = Plate(s, "Multimeter Face, 4.2 x 3.2 in", 4.2, 3.2, 0.3);
    Sym::DialSpec ohms;
    ohms.r = 2.35, ohms.totalDeg = 90;
    ohms.intermediates = 0, ohms.minors = 1;
    ohms.majorLen = 0.14, ohms.minorLen = 0.06, ohms.textHeight = 0.08;
    ohms.law = DialLaw{DialLawKind::Ohms, {0, 2, 5, 10, 15, 20, 30, 50, 100, 200, kDialInfinity}, 20};
    s.Dial(pivot.x, pivot.y, ohms);
    Sym::DialSpec volts;
    volts.r = 1.9, volts.totalDeg = 90, volts.majorLen = 0.12, volts.intermediateLen = 0.08, volts.minorLen = 0.05;
    volts.textHeight = 0.08;
    s.Dial(pivot.x, pivot.y, volts);
    Sym::DialSpec fifty = volts;
    fifty.side = -1, fifty.cw = 50, fifty.textHeight = 0.07;
    s.Dial(pivot.x, pivot.y, fifty);
    Sym::DialSpec db;
    db.r = 1.0, db.totalDeg = 90, db.ccw = -10, db.cw = 22;
    db.intermediates = 0, db.minors = 1, db.majorLen = 0.1, db.minorLen = 0.05, db.textHeight = 0.07;
    db.law = DialLaw{DialLawKind::Decibel, {0, 5, 10, 15, 20, 22}};
    s.Dial(pivot.x, pivot.y, db);
    s.Text(pivot.x, 2.35, 0.09, "OHMS", "M");
    s.Text(pivot.x, 1.75, 0.08, "DC V", "M");
    s.Text(pivot.x, 0.9, 0.08, "dB", "M");
}

// An SWR bridge's face (3 x 2.4 in): 1 at rest to infinity at full scale,
// 1.5, 2, 3 and 5 labelled.
void SwrMeterFace(Sym& s) {
    const Pt pivot = Plate(s, "SWR Meter Face, 3 x 2.4 in", 3, 2.4, 0.3);
    Sym::DialSpec swr;
    swr.r = 1.6, swr.totalDeg = 90;
    swr.intermediates = 1, swr.minors = 1, swr.decimals = 1;
    swr.majorLen = 0.15, swr.intermediateLen = 0.1, swr.minorLen = 0.06, swr.textHeight = 0.1;
    swr.law = DialLaw{DialLawKind::Vswr, {1, 1.5, 2, 3, 5, kDialInfinity}};
    s.Dial(pivot.x, pivot.y, swr);
    s.Text(pivot.x, 1.0, 0.2, "SWR", "M");
}

}  // namespace

std::vector<ExampleDef> AllExamples() {
    return {
        {"Preamp Schematic", "Sc", PreampSchematic},
        {"Preamp Stripboard", "PR", PreampStripboard},
        {"Preamp Chassis", "CL", PreampChassis},
        {"Meter Face", "CL", MeterFace},
        {"VU Meter Face", "CL", VuMeterFace},
        {"Multimeter Face", "CL", MultimeterFace},
        {"SWR Meter Face", "CL", SwrMeterFace},
    };
}

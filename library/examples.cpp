// The example drawings: a two-stage 12AX7 preamplifier with its power
// supply, drawn from the schematic library; the same preamplifier laid out
// on stripboard; and the chassis it goes into. They are drawn the way a user
// would: symbols placed at their leads, wires as Lines from lead to lead,
// junction dots, labels and a title. Units are inches.
#include "library/library.h"

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

// A part standing across the strips from (x, y) downwards.
void Across(Sym& s, const std::string& part, double x, double y) { s.Shape(part, x, y, 1, -90); }
void Cut(Sym& s, double x, double y) { s.Shape("PRTrack Cut", x, y); }
void Note(Sym& s, double x, double y, const std::string& t) { s.Text(x, y, 0.05, t, "S"); }

void PreampStripboard(Sym& s) {
    s.Text(0, 0.45, 0.12, "12AX7 Preamplifier on Stripboard", "S");
    s.Text(0, 0.28, 0.06, "Component side; strips run left to right; the socket is wired with flying leads.", "S");
    // Fourteen strips of twenty holes.
    for (int r = 0; r < 14; ++r) s.Shape("PRStripboard 20", 0, -0.1 * r);
    // Strip names at the left edge.
    const char* names[14] = {"B+", "", "", "", "PLATE", "", "GRID 2 / OUT", "CATHODE", "", "", "0V", "0V", "",
                             "IN"};
    for (int r = 0; r < 14; ++r)
        if (*names[r]) Note(s, -0.75, -0.1 * r - 0.02, names[r]);
    // Cuts split the strips into the two stages.
    for (int r : {4, 6, 7, 13}) Cut(s, 1.0, -0.1 * r);
    // Plate loads, coupling capacitors, grid leak, cathode parts.
    Across(s, "PCResistor 0.4", 0.3, 0);       // Ra1, B+ to plate 1
    Across(s, "PCResistor 0.4", 1.3, 0);       // Ra2, B+ to plate 2
    Across(s, "PCCapacitor Radial 0.2", 0.6, -0.4);  // C1, plate 1 to grid 2
    Across(s, "PCCapacitor Radial 0.2", 1.6, -0.4);  // C3, plate 2 to out
    Across(s, "PCResistor 0.4", 0.8, -0.6);    // Rg2, grid 2 to 0V
    Across(s, "PCResistor 0.4", 0.2, -0.7);    // Rk1, cathode 1 to 0V
    Across(s, "PCResistor 0.4", 1.2, -0.7);    // Rk2, cathode 2 to 0V
    Across(s, "PCCapacitor Radial 0.2", 0.5, -0.7);  // Ck1
    Across(s, "PCCapacitor Radial 0.2", 1.5, -0.7);  // Ck2
    Across(s, "PCResistor 0.4", 0.1, -0.9);    // Rg1, in to 0V
    // Links tie the two 0V strips and bring the input across.
    s.Shape("PRWire Link", 1.9, -1.0, 1, -90);
    s.Shape("PRWire Link", 0.0, -1.0, 1, -90);
    s.Shape("PRWire Link", 1.7, -1.3, 1, 90);
    const char* parts[] = {"Ra1", "Ra2", "C1", "C3", "Rg2", "Rk1", "Rk2", "Ck1", "Ck2", "Rg1"};
    const Pt at[] = {{0.33, -0.2}, {1.33, -0.2}, {0.63, -0.5}, {1.63, -0.5}, {0.83, -0.85},
                     {0.23, -0.95}, {1.23, -0.95}, {0.53, -0.8}, {1.53, -0.8}, {0.13, -1.15}};
    for (int i = 0; i < 10; ++i) Note(s, at[i].x, at[i].y, parts[i]);
    // The valve socket beside the board, its leads to the strips.
    s.Shape("PCNoval Socket", 2.7, -0.55);
    Note(s, 2.45, -1.1, "V1 12AX7 (socket from below)");
    s.Line({{1.9, -0.4}, {2.3, -0.4}, {2.55, -0.38}});
    s.Line({{1.9, -0.6}, {2.35, -0.6}, {2.47, -0.58}});
    s.Line({{1.9, -0.7}, {2.35, -0.75}, {2.5, -0.72}});
    s.Line({{1.9, -1.0}, {2.2, -1.0}, {2.45, -0.85}});
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

}  // namespace

std::vector<ExampleDef> AllExamples() {
    return {
        {"Preamp Schematic", "Sc", PreampSchematic},
        {"Preamp Stripboard", "PR", PreampStripboard},
        {"Preamp Chassis", "CL", PreampChassis},
    };
}

// Switches and relays (ScS-). Drawn left to right with pin 1 at (0, 0):
// the common lead or pole on the left, the throws on the right, each lead
// ending on the 0.1 grid. Contacts are small open circles (radius 0.03)
// and a switch blade rests open, angled up from its pole.
#include <cmath>

#include "library/library.h"

namespace {

constexpr double kR = 0.03;  // contact circle radius

// A contact circle at c with its lead running straight out to pin p.
void Contact(Sym& s, Pt c, Pt p) {
    s.Circle(c.x, c.y, kR);
    const double dx = p.x - c.x, dy = p.y - c.y, l = std::hypot(dx, dy);
    s.Line({{c.x + dx / l * kR, c.y + dy / l * kR}, p});
}

// A blade from the edge of the pole circle at c to the point tip.
void Blade(Sym& s, Pt c, Pt tip) {
    const double dx = tip.x - c.x, dy = tip.y - c.y, l = std::hypot(dx, dy);
    s.Line({{c.x + dx / l * kR, c.y + dy / l * kR}, tip});
}

// A single-throw pole with pin 1 at (ox, oy): pole at +0.15, throw at
// +0.45, lead out to +0.6; the blade stands open.
void SingleThrow(Sym& s, double ox, double oy) {
    Contact(s, {ox + 0.15, oy}, {ox, oy});
    Contact(s, {ox + 0.45, oy}, {ox + 0.6, oy});
    Blade(s, {ox + 0.15, oy}, {ox + 0.46, oy + 0.14});
    s.Pin(ox, oy);
    s.Pin(ox + 0.6, oy);
}

// A double-throw pole with pin 1 at (ox, oy): throws 0.1 above and below,
// the blade resting against the upper one.
void DoubleThrow(Sym& s, double ox, double oy) {
    Contact(s, {ox + 0.15, oy}, {ox, oy});
    Contact(s, {ox + 0.45, oy + 0.1}, {ox + 0.6, oy + 0.1});
    Contact(s, {ox + 0.45, oy - 0.1}, {ox + 0.6, oy - 0.1});
    Blade(s, {ox + 0.15, oy}, {ox + 0.43, oy + 0.07});
    s.Pin(ox, oy);
    s.Pin(ox + 0.6, oy + 0.1);
    s.Pin(ox + 0.6, oy - 0.1);
}

// The mechanical link between ganged blades: a dashed line at x from y0
// up to y1, drawn as short strokes so that it reads dashed at any scale.
void Link(Sym& s, double x, double y0, double y1) {
    const int n = static_cast<int>(std::lround((y1 - y0) / 0.06));
    const double step = (y1 - y0) / n;
    for (int i = 0; i < n; ++i) s.Line({{x, y0 + step * i + step * 0.2}, {x, y0 + step * i + step * 0.8}});
}

void Spst(Sym& s) { SingleThrow(s, 0, 0); }

void Spdt(Sym& s) { DoubleThrow(s, 0, 0); }

void Dpst(Sym& s) {
    SingleThrow(s, 0, 0);
    SingleThrow(s, 0, -0.4);
    Link(s, 0.3, -0.33, 0.07);
}

void Dpdt(Sym& s) {
    DoubleThrow(s, 0, 0);
    DoubleThrow(s, 0, -0.4);
    Link(s, 0.3, -0.36, 0.04);
}

// Push buttons: the two contacts with a bridging bar on a plunger.
void PushButtonContacts(Sym& s) {
    Contact(s, {0.15, 0}, {0, 0});
    Contact(s, {0.45, 0}, {0.6, 0});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void PushNo(Sym& s) {
    PushButtonContacts(s);
    s.Line({{0.1, 0.08}, {0.5, 0.08}});    // the bar, held off the contacts
    s.Line({{0.3, 0.08}, {0.3, 0.22}});    // the plunger
    s.Line({{0.24, 0.22}, {0.36, 0.22}});  // the button
}

void PushNc(Sym& s) {
    PushButtonContacts(s);
    s.Line({{0.1, -kR}, {0.5, -kR}});  // the bar, resting under the contacts
    s.Line({{0.3, -kR}, {0.3, 0.2}});
    s.Line({{0.24, 0.2}, {0.36, 0.2}});
}

// A rotary switch: the wiper turns about the pole at (0.15, 0) and meets
// one of four contacts on an arc of radius 0.4; the contacts sit at the
// heights of their leads, which run right to x = 0.7.
void Rotary(Sym& s) {
    const Pt pole{0.15, 0};
    Contact(s, pole, {0, 0});
    s.Pin(0, 0);
    for (double y : {0.3, 0.1, -0.1, -0.3}) {
        const Pt c{pole.x + std::sqrt(0.16 - y * y), y};
        Contact(s, c, {0.7, y});
        s.Pin(0.7, y);
    }
    // the wiper, an arrow onto the contact at 0.1
    const double cx = pole.x + std::sqrt(0.16 - 0.01);
    const double dx = cx - pole.x, dy = 0.1, l = std::hypot(dx, dy);
    Arrow(s, {pole.x + dx / l * kR, dy / l * kR}, {cx - dx / l * kR, 0.1 - dy / l * kR}, 0.07, 0.025);
}

void RelayCoil(Sym& s) {
    s.Line({{0, 0}, {0.2, 0}});
    s.Rect(0.2, -0.1, 0.4, 0.1);
    s.Line({{0.4, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

// Relay contacts, drawn as a pair of plates across the line.
void ContactPlates(Sym& s) {
    s.Line({{0, 0}, {0.25, 0}});
    s.Line({{0.25, -0.1}, {0.25, 0.1}});
    s.Line({{0.35, -0.1}, {0.35, 0.1}});
    s.Line({{0.35, 0}, {0.6, 0}});
    s.Pin(0, 0);
    s.Pin(0.6, 0);
}

void ContactNo(Sym& s) { ContactPlates(s); }

void ContactNc(Sym& s) {
    ContactPlates(s);
    s.Line({{0.19, -0.12}, {0.41, 0.12}});
}

// A reed switch: two overlapping reeds sealed in a glass tube.
void Reed(Sym& s) {
    s.Line({{0, 0}, {0.45, 0}});
    s.Line({{0.8, 0}, {0.55, 0}, {0.37, 0.04}});
    s.Line({{0.2, 0.08}, {0.6, 0.08}});
    s.Line({{0.2, -0.08}, {0.6, -0.08}});
    s.Arc(0.2, 0, 0.08, 90, 270);
    s.Arc(0.6, 0, 0.08, 90, -90);
    s.Pin(0, 0);
    s.Pin(0.8, 0);
}

}  // namespace

void AddSwitches(std::vector<SymbolDef>& out) {
    out.insert(out.end(), {
        {"ScS-SPST", Spst},
        {"ScS-SPDT", Spdt},
        {"ScS-DPST", Dpst},
        {"ScS-DPDT", Dpdt},
        {"ScS-Push NO", PushNo},
        {"ScS-Push NC", PushNc},
        {"ScS-Rotary", Rotary},
        {"ScS-Relay Coil", RelayCoil},
        {"ScS-Contact NO", ContactNo},
        {"ScS-Contact NC", ContactNc},
        {"ScS-Reed", Reed},
    });
}

// The dial's scale layout: where every mark of a placed or designed dial
// falls, which marks are major, intermediate or minor, and the numbers of
// the major marks. One function for every consumer (the redraw, the
// designer's preview, picking, the extents, and later printing and
// plotting); each walks the list it returns, so a scale law that spaces the
// marks unevenly is a change here alone.
#pragma once
#include <array>
#include <string>
#include <vector>

struct Drawing;

constexpr int kDialValues = 15;        // design values V1..V15, kept in VertX(slot, 1..15)
constexpr int kMaxDialMarks = 2000;    // the most marks one dial may have

// V[1]..V[15] as the Part names them (V[0] unused).
using DialValues = std::array<double, kDialValues + 1>;

enum class MarkKind { Major, Intermediate, Minor };

struct DialMark {
    double angle = 0;               // direction from the centre (radians)
    MarkKind kind = MarkKind::Minor;
    double ix = 0, iy = 0;          // inner end, on the scale arc (drawing units)
    double ox = 0, oy = 0;          // outer end (towards the numbers' side)
    bool numbered = false;          // a major mark carries a number
    std::string label;              // its text
    double lx = 0, ly = 0;          // the label's middle point (drawing units)
    double labelAngle = 0;          // text angle, within [-pi/2, pi/2] so it reads upright (radians)
};

// The design values of a dial slot.
DialValues DialValuesOf(const Drawing& d, int slot);
// The number of marks the values ask for: n = (P - 1) m + P with
// P = (M - 1) I + M, rounded; 0 when it is no number or not positive.
double DialMarkCount(const DialValues& v);
// The marks of a scale centred at (cx, cy), from the clockwise end (mark 0)
// to the counter-clockwise end. Empty when the count is below 1 or above
// kMaxDialMarks.
std::vector<DialMark> DialLayout(const DialValues& v, double cx, double cy, double pi);
// The number text of a label with d decimals (0..3): 2.5 with 2 gives
// "2.50", 7 with 1 gives "7.0"; "0" below 1e-10; "" for other d.
std::string FormatDialNumber(double value, int d);

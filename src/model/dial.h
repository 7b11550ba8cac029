// The dial's scale layout: where every mark of a placed or designed dial
// falls, which marks are major, intermediate or minor, and the numbers of
// the major marks. One function for every consumer (the redraw, the
// designer's preview, picking, the extents, and later printing and
// plotting); each walks the list it returns, so a scale law that spaces the
// marks unevenly is a change here alone.
#pragma once
#include <array>
#include <string>
#include <utility>
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
    bool infinity = false;          // the label is infinity: a lying figure eight instead of a text
};

// How a scale spreads its values over the arc: the deflection f(v) from 0
// at the counter-clockwise end to 1 at the clockwise end. Stored after V15:
// V16 the law, V17 its value, V18 the count N of labelled values, V19..
// V(18+N) the values (kDialInfinity or more is infinity); a calibration
// table then has its count K and K pairs (value, deflection in percent).
// A linear dial keeps its 15 values, as ever.
enum class DialLawKind { Linear = 0, Log = 1, Decibel = 2, Ohms = 3, Square = 4, Vswr = 5, Table = 6 };
inline constexpr int kDialLaws = 7;
inline constexpr double kDialInfinity = 1e30;
struct DialLaw {
    DialLaw() = default;
    DialLaw(DialLawKind k, std::vector<double> l, double v = 0) : kind(k), value(v), labels(std::move(l)) {}
    DialLawKind kind = DialLawKind::Linear;
    double value = 0;                                   // V17: the ohmmeter's centre resistance, else 0
    std::vector<double> labels;                         // the labelled values, as given
    std::vector<std::pair<double, double>> table;       // (value, percent) of a calibration table
};
// The law's name as the designer lists it.
extern const char* const kDialLawNames[kDialLaws];
// The law of a dial slot (linear when it holds 15 values or fewer, or
// when its stored law cannot be read).
DialLaw DialLawOf(const Drawing& d, int slot);
// The count of values a dial with this law keeps (15 for linear).
int DialValueCount(const DialLaw& law);
// Writes the law after V15 and sets ObjSize to the count; false, writing
// nothing, when it would not fit in a slot's vertex positions.
bool StoreDialLaw(Drawing& d, int slot, const DialLaw& law);
// f(value): NaN where the law draws nothing (outside a table, log of 0 or
// less, a division by nothing).
double DialDeflection(const DialValues& v, const DialLaw& law, double value);
// The label of a value: FormatDialNumber with the decimals, and on the
// ohmmeter k and M for thousands and millions.
std::string DialLabel(const DialValues& v, const DialLaw& law, double value);

// The design values of a dial slot.
DialValues DialValuesOf(const Drawing& d, int slot);
// The number of marks the values ask for: n = (P - 1) m + P with
// P = (M - 1) I + M, rounded; 0 when it is no number or not positive.
double DialMarkCount(const DialValues& v);
// The marks of a scale centred at (cx, cy), from the clockwise end (mark 0)
// to the counter-clockwise end. Empty when the count is below 1 or above
// kMaxDialMarks.
std::vector<DialMark> DialLayout(const DialValues& v, double cx, double cy, double pi);
// The same under any law: for a law other than linear the major marks sit
// at the labelled values, intermediate and minor marks divide the gaps at
// equal steps of the value (none in a gap that ends at infinity), sorted
// from the clockwise end.
std::vector<DialMark> DialLayout(const DialValues& v, const DialLaw& law, double cx, double cy, double pi);
// The scale arc of a law other than linear as points x0, y0, x1, y1, ...
// at most one degree apart; empty for the linear law (its marks' inner ends
// are joined instead).
std::vector<double> DialArc(const DialValues& v, const DialLaw& law, double cx, double cy, double pi);
// The number text of a label with d decimals (0..3): 2.5 with 2 gives
// "2.50", 7 with 1 gives "7.0"; "0" below 1e-10; "" for other d.
std::string FormatDialNumber(double value, int d);

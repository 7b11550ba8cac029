// The mark layout of a dial and the texts of its numbers.
#include "model/dial.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/drawing.h"
#include "model/numbers.h"

DialValues DialValuesOf(const Drawing& d, int slot) {
    DialValues v{};
    for (int k = 1; k <= kDialValues; ++k) v[k] = d.VertX(slot, k);
    return v;
}

double DialMarkCount(const DialValues& v) {
    const double majors = v[6], inter = v[14], minors = v[8];
    const double mains = (majors - 1) * inter + majors;
    const double n = std::nearbyint((mains - 1) * minors + mains);
    return std::isfinite(n) && n > 0 ? n : 0;
}

namespace {

// k is a multiple of d (d of 0 or less never divides).
bool MultipleOf(long k, double d) {
    if (!(d > 0)) return false;
    const double q = static_cast<double>(k) / d;
    return q == std::floor(q);
}

// Into [-pi/2, pi/2], so a number never reads upside down.
double Upright(double a, double pi) {
    for (int i = 0; i < 64 && a < -pi / 2; ++i) a += pi;
    for (int i = 0; i < 64 && a > pi / 2; ++i) a -= pi;
    return a;
}

}  // namespace

namespace {

// The ends of a mark at an angle, of its kind's length.
DialMark MarkAt(const DialValues& v, double angle, MarkKind kind, double cx, double cy) {
    DialMark m;
    m.angle = angle;
    m.kind = kind;
    const double c = std::cos(angle), s = std::sin(angle), side = v[1], r = v[3];
    const double length = kind == MarkKind::Major ? v[7] : kind == MarkKind::Intermediate ? v[15] : v[9];
    m.ix = cx + r * c, m.iy = cy + r * s;
    m.ox = cx + (r + side * length) * c, m.oy = cy + (r + side * length) * s;
    return m;
}

// A major mark's number: its text, point and upright angle.
void Number(DialMark& m, const DialValues& v, std::string text, double cx, double cy, double pi) {
    m.numbered = true;
    m.label = std::move(text);
    const double lr = v[3] + v[1] * (1.5 * v[13] + v[7]);
    m.lx = cx + lr * std::cos(m.angle), m.ly = cy + lr * std::sin(m.angle);
    m.labelAngle = Upright(m.angle - pi / 2 + v[2], pi);
}

// Decimals beyond the four FormatDialNumber knows give no text.
int Decimals(const DialValues& v) { return v[12] >= -1 && v[12] <= 4 ? static_cast<int>(std::nearbyint(v[12])) : -1; }

}  // namespace

std::vector<DialMark> DialLayout(const DialValues& v, double cx, double cy, double pi) {
    std::vector<DialMark> marks;
    const double count = DialMarkCount(v);
    if (count < 1 || count > kMaxDialMarks) return marks;
    const long n = static_cast<long>(count);
    const double minors = v[8], inter = v[14];
    const double a0 = pi / 2 + v[5] - v[4] / 2, a1 = pi / 2 + v[5] + v[4] / 2;
    const double da = n > 1 ? (a1 - a0) / static_cast<double>(n - 1) : 0;
    marks.reserve(static_cast<size_t>(n));
    for (long k = 0; k < n; ++k) {
        MarkKind kind = MarkKind::Minor;
        if (MultipleOf(k, (minors + 1) * (inter + 1))) kind = MarkKind::Major;
        else if (MultipleOf(k, minors + 1)) kind = MarkKind::Intermediate;
        DialMark m = MarkAt(v, a0 + static_cast<double>(k) * da, kind, cx, cy);
        if (kind == MarkKind::Major) {
            // The clockwise end shows the CW value, the other end the CCW value.
            const double value = n > 1 ? v[11] - static_cast<double>(k) * (v[11] - v[10]) / static_cast<double>(n - 1)
                                       : v[11];
            Number(m, v, FormatDialNumber(value, Decimals(v)), cx, cy, pi);
        }
        marks.push_back(std::move(m));
    }
    return marks;
}

// ---- scale laws --------------------------------------------------------------------

const char* const kDialLawNames[kDialLaws] = {"Linear",          "Logarithmic", "Decibel",          "Series Ohmmeter",
                                              "Square Law",      "VSWR",        "Calibration Table"};

namespace {

constexpr int kLawIndex = 16;  // V16, the first value after the linear design

// Whole numbers of a stored count, within what a slot can hold.
bool Count(double v, int most, int& out) {
    if (!(v >= 0 && v <= most) || v != std::floor(v)) return false;
    out = static_cast<int>(v);
    return true;
}

bool Infinite(double v) { return v >= kDialInfinity; }

}  // namespace

int DialValueCount(const DialLaw& law) {
    if (law.kind == DialLawKind::Linear) return kDialValues;
    int n = 18 + static_cast<int>(law.labels.size());
    if (law.kind == DialLawKind::Table) n += 1 + 2 * static_cast<int>(law.table.size());
    return n;
}

DialLaw DialLawOf(const Drawing& d, int slot) {
    DialLaw law;
    const double size = std::nearbyint(d.ObjSize[slot]);
    if (!(size >= 18 && size <= kMaxVertex)) return law;
    const int total = static_cast<int>(size);
    const double kind = d.VertX(slot, kLawIndex);
    int n = 0;
    if (!(kind >= 1 && kind < kDialLaws) || kind != std::floor(kind) || !Count(d.VertX(slot, 18), total - 18, n))
        return law;
    DialLaw out;
    out.kind = static_cast<DialLawKind>(static_cast<int>(kind));
    out.value = d.VertX(slot, 17);
    for (int i = 0; i < n; ++i) out.labels.push_back(d.VertX(slot, 19 + i));
    if (out.kind == DialLawKind::Table) {
        int k = 0;
        const int at = 19 + n;
        if (at > total || !Count(d.VertX(slot, at), (total - at) / 2, k)) return law;
        for (int i = 0; i < k; ++i) out.table.push_back({d.VertX(slot, at + 1 + 2 * i), d.VertX(slot, at + 2 + 2 * i)});
    }
    return out;
}

bool StoreDialLaw(Drawing& d, int slot, const DialLaw& law) {
    const int n = DialValueCount(law);
    if (n > kMaxVertex) return false;
    d.ObjSize[slot] = n;
    if (law.kind == DialLawKind::Linear) return true;
    d.VertX(slot, 16) = static_cast<double>(static_cast<int>(law.kind));
    d.VertX(slot, 17) = law.value;
    d.VertX(slot, 18) = static_cast<double>(law.labels.size());
    int at = 19;
    for (double l : law.labels) d.VertX(slot, at++) = l;
    if (law.kind == DialLawKind::Table) {
        d.VertX(slot, at++) = static_cast<double>(law.table.size());
        for (const auto& [value, percent] : law.table) d.VertX(slot, at++) = value, d.VertX(slot, at++) = percent;
    }
    return true;
}

double DialDeflection(const DialValues& v, const DialLaw& law, double x) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double lo = v[10], hi = v[11];
    double f = nan;
    switch (law.kind) {
    case DialLawKind::Linear: f = (x - lo) / (hi - lo); break;
    case DialLawKind::Log:
        if (x > 0 && lo > 0 && hi > 0) f = std::log(x / lo) / std::log(hi / lo);
        break;
    case DialLawKind::Decibel: f = std::pow(10.0, (x - hi) / 20); break;
    case DialLawKind::Ohms:
        if (x >= 0 && law.value > 0) f = Infinite(x) ? 0 : law.value / (x + law.value);
        break;
    case DialLawKind::Square: {
        const double t = (x - lo) / (hi - lo);
        f = t * t;
        break;
    }
    case DialLawKind::Vswr:
        if (x >= 1) f = Infinite(x) ? 1 : (x - 1) / (x + 1);
        break;
    case DialLawKind::Table: {
        // Straight lines between the points, in the order of their values.
        std::vector<std::pair<double, double>> sorted;
        const std::vector<std::pair<double, double>>* table = &law.table;
        if (!std::is_sorted(law.table.begin(), law.table.end())) {
            sorted = law.table;
            std::sort(sorted.begin(), sorted.end());
            table = &sorted;
        }
        const auto& t = *table;
        for (size_t i = 0; i + 1 < t.size(); ++i)
            if (x >= t[i].first && x <= t[i + 1].first) {
                const double span = t[i + 1].first - t[i].first;
                const double p = span > 0 ? t[i].second + (x - t[i].first) / span * (t[i + 1].second - t[i].second)
                                          : t[i].second;
                f = p / 100;
                break;
            }
        break;
    }
    }
    return std::isfinite(f) ? f : nan;
}

std::string DialLabel(const DialValues& v, const DialLaw& law, double value) {
    if (law.kind == DialLawKind::Ohms && std::fabs(value) >= 1000) {
        // Three significant figures at most: 1k, 1.5k, 20k, 2.2M.
        const bool mega = std::fabs(value) >= 1e6;
        const double scaled = value / (mega ? 1e6 : 1e3);
        const double digits = std::pow(10.0, 2 - std::floor(std::log10(std::fabs(scaled))));
        return GeneralNumber(std::nearbyint(scaled * digits) / digits) + (mega ? "M" : "k");
    }
    return FormatDialNumber(value, Decimals(v));
}

std::vector<DialMark> DialLayout(const DialValues& v, const DialLaw& given, double cx, double cy, double pi) {
    if (given.kind == DialLawKind::Linear) return DialLayout(v, cx, cy, pi);
    DialLaw law = given;
    std::sort(law.table.begin(), law.table.end());  // once, not at every value
    std::vector<DialMark> marks;
    std::vector<double> labels;
    for (double l : law.labels)
        if (!std::isnan(l)) labels.push_back(Infinite(l) ? kDialInfinity : l);
    std::sort(labels.begin(), labels.end());
    labels.erase(std::unique(labels.begin(), labels.end()), labels.end());
    const double a1 = pi / 2 + v[5] + v[4] / 2, total = v[4];
    const double inter = v[14] >= 0 && v[14] <= kMaxDialMarks ? std::floor(v[14]) : 0;
    const double minors = v[8] >= 0 && v[8] <= kMaxDialMarks ? std::floor(v[8]) : 0;
    // Values the law cannot show are tried and left out; the tries are
    // bounded too, so a damaged dial cannot hold the redraw up.
    long tries = 0;
    auto add = [&](double value, MarkKind kind) {
        if (marks.size() >= static_cast<size_t>(kMaxDialMarks) || ++tries > 8L * kMaxDialMarks) return;
        const double f = DialDeflection(v, law, value);
        if (std::isnan(f) || f < -1e-9 || f > 1 + 1e-9) return;  // beyond the scale
        DialMark m = MarkAt(v, a1 - f * total, kind, cx, cy);
        if (kind == MarkKind::Major) {
            Number(m, v, Infinite(value) ? "" : DialLabel(v, law, value), cx, cy, pi);
            m.infinity = Infinite(value);
        }
        marks.push_back(std::move(m));
    };
    // The main values (labelled, then intermediate), each gap divided at
    // equal steps; no more of them than a dial may have marks.
    const size_t most = static_cast<size_t>(kMaxDialMarks);
    std::vector<std::pair<double, MarkKind>> mains;
    for (size_t i = 0; i < labels.size() && mains.size() < most; ++i) {
        mains.push_back({labels[i], MarkKind::Major});
        if (i + 1 < labels.size() && !Infinite(labels[i + 1]))
            for (int j = 1; j <= inter && mains.size() < most; ++j)
                mains.push_back({labels[i] + j * (labels[i + 1] - labels[i]) / (inter + 1), MarkKind::Intermediate});
    }
    for (size_t i = 0; i < mains.size() && marks.size() < most && tries <= 8L * kMaxDialMarks; ++i) {
        add(mains[i].first, mains[i].second);
        if (i + 1 < mains.size() && !Infinite(mains[i + 1].first))
            for (int j = 1; j <= minors && marks.size() < most; ++j)
                add(mains[i].first + j * (mains[i + 1].first - mains[i].first) / (minors + 1), MarkKind::Minor);
    }
    // From the clockwise end, as the linear layout runs.
    std::stable_sort(marks.begin(), marks.end(), [](const DialMark& a, const DialMark& b) { return a.angle < b.angle; });
    return marks;
}

std::vector<double> DialArc(const DialValues& v, const DialLaw& law, double cx, double cy, double pi) {
    std::vector<double> xy;
    if (law.kind == DialLawKind::Linear || !std::isfinite(v[4]) || !std::isfinite(v[5])) return xy;
    const double a0 = pi / 2 + v[5] - v[4] / 2, total = v[4], r = v[3];
    const long steps = std::clamp(static_cast<long>(std::ceil(std::fabs(total) / (pi / 180))), 1L, 3600L);
    for (long k = 0; k <= steps; ++k) {
        const double a = a0 + total * static_cast<double>(k) / static_cast<double>(steps);
        xy.push_back(cx + r * std::cos(a));
        xy.push_back(cy + r * std::sin(a));
    }
    return xy;
}

namespace {

// Whole when the integer part equals it.
bool Whole(double v) { return std::floor(v) == v; }

}  // namespace

std::string FormatDialNumber(double value, int d) {
    if (std::fabs(value) < 1e-10) return "0";
    if (!std::isfinite(value)) return "";
    switch (d) {
    case 0:
        return GeneralNumber(std::floor(value + 0.5));
    case 1: {
        const double v = std::floor(value * 10 + 0.5) / 10;
        return Whole(v) ? GeneralNumber(v) + ".0" : GeneralNumber(v);
    }
    case 2: {
        const double v = std::floor(value * 100 + 0.5) / 100;
        if (Whole(v)) return GeneralNumber(v) + ".00";
        if (std::floor(v * 10 + 0.5) == v * 10) return GeneralNumber(v) + "0";
        return GeneralNumber(v);
    }
    case 3: {
        const double v = std::floor(value * 1000 + 0.5) / 1000;
        if (Whole(v)) return GeneralNumber(v) + ".000";
        if (std::floor(v * 10 + 0.5) == v * 10) return GeneralNumber(v) + "00";
        if (std::floor(v * 100 + 0.5) == v * 100) return GeneralNumber(v) + "0";
        return GeneralNumber(v);
    }
    default:
        return "";
    }
}

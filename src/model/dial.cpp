// The mark layout of a dial and the texts of its numbers.
#include "model/dial.h"

#include <cmath>

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

std::vector<DialMark> DialLayout(const DialValues& v, double cx, double cy, double pi) {
    std::vector<DialMark> marks;
    const double count = DialMarkCount(v);
    if (count < 1 || count > kMaxDialMarks) return marks;
    const long n = static_cast<long>(count);
    const double side = v[1], r = v[3], minors = v[8], inter = v[14];
    const double a0 = pi / 2 + v[5] - v[4] / 2, a1 = pi / 2 + v[5] + v[4] / 2;
    const double da = n > 1 ? (a1 - a0) / static_cast<double>(n - 1) : 0;
    marks.reserve(static_cast<size_t>(n));
    for (long k = 0; k < n; ++k) {
        DialMark m;
        m.angle = a0 + static_cast<double>(k) * da;
        const double c = std::cos(m.angle), s = std::sin(m.angle);
        double length = v[9];
        if (MultipleOf(k, (minors + 1) * (inter + 1))) {
            m.kind = MarkKind::Major;
            length = v[7];
        } else if (MultipleOf(k, minors + 1)) {
            m.kind = MarkKind::Intermediate;
            length = v[15];
        }
        m.ix = cx + r * c, m.iy = cy + r * s;
        m.ox = cx + (r + side * length) * c, m.oy = cy + (r + side * length) * s;
        if (m.kind == MarkKind::Major) {
            // The clockwise end shows the CW value, the other end the CCW value.
            const double value = n > 1 ? v[11] - static_cast<double>(k) * (v[11] - v[10]) / static_cast<double>(n - 1)
                                       : v[11];
            m.numbered = true;
            // Decimals beyond the four FormatDialNumber knows give no text.
            const int decimals = v[12] >= -1 && v[12] <= 4 ? static_cast<int>(std::nearbyint(v[12])) : -1;
            m.label = FormatDialNumber(value, decimals);
            const double lr = r + side * (1.5 * v[13] + v[7]);
            m.lx = cx + lr * c, m.ly = cy + lr * s;
            m.labelAngle = Upright(m.angle - pi / 2 + v[2], pi);
        }
        marks.push_back(std::move(m));
    }
    return marks;
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

// Number texts of the data files. Called by the drawing file, the defaults
// file, the readout and the clipboard. Both directions are independent of the
// C locale (the Qt shell sets the user's locale, where "," may be the decimal
// point), so to_chars/from_chars do the work, with strtod_l in "C" as backup.
#include "model/numbers.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <system_error>

// %.15g (which to_chars with precision 15 reproduces) gives the shortest text
// of 15 significant digits but switches to an exponent for small and large
// values; those are spelled out here instead.
std::string GeneralNumber(double v) {
    if (!std::isfinite(v)) return "0";
    if (v == 0) return "0";  // also turns -0 into "0"
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    std::string s(buf, res.ptr);
    size_t e = s.find('e');
    if (e == std::string::npos) return s;
    bool neg = s[0] == '-';
    std::string mant = s.substr(neg ? 1 : 0, e - (neg ? 1 : 0));
    int exp = std::atoi(s.c_str() + e + 1);
    std::string digits;
    for (char c : mant)
        if (c != '.') digits += c;
    // digits = d1 d2 d3 ...; value = d1.d2d3... * 10^exp
    int point = 1 + exp;  // position of the decimal point within digits
    std::string out;
    if (point <= 0) {
        out = "0." + std::string(static_cast<size_t>(-point), '0') + digits;
    } else if (point >= static_cast<int>(digits.size())) {
        out = digits + std::string(static_cast<size_t>(point) - digits.size(), '0');
    } else {
        out = digits.substr(0, point) + "." + digits.substr(point);
    }
    if (out.find('.') != std::string::npos) {
        while (out.back() == '0') out.pop_back();
        if (out.back() == '.') out.pop_back();
    }
    return neg ? "-" + out : out;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// from_chars reports both overflow and underflow as out of range; strtod in
// the "C" locale tells them apart (an underflow gives 0 or a tiny value).
double StrtodC(const std::string& t) {
    static locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(t.c_str(), nullptr, c_locale);
}

}  // namespace

bool ParseNumber(std::string_view f, double& out) {
    size_t b = 0, e = f.size();
    while (b < e && (f[b] == ' ' || f[b] == '\t')) ++b;
    while (e > b && (f[e - 1] == ' ' || f[e - 1] == '\t')) --e;
    if (b == e) {
        out = 0;
        return true;
    }
    std::string_view t = f.substr(b, e - b);
    size_t i = 0;
    bool plus = false;
    if (t[i] == '+' || t[i] == '-') plus = t[i++] == '+';
    size_t digits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    size_t expAt = std::string_view::npos;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        expAt = i++;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        size_t ed = 0;
        while (i < t.size() && IsDigit(t[i])) ++i, ++ed;
        if (ed == 0) return false;
    }
    if (i != t.size()) return false;
    // from_chars takes neither a leading "+" nor the exponent letter "D": the
    // text is mended in a copy only when one of those is there.
    std::string fixed;
    bool needCopy = plus || (expAt != std::string_view::npos &&
                             (t[expAt] == 'D' || t[expAt] == 'd'));
    if (needCopy) {
        fixed.assign(t.substr(plus ? 1 : 0));
        if (expAt != std::string_view::npos) fixed[expAt - (plus ? 1 : 0)] = 'E';
        t = fixed;
    }
    double v = 0;
    auto res = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        v = StrtodC(std::string(t));
    } else if (res.ec != std::errc() || res.ptr != t.data() + t.size()) {
        return false;
    }
    if (!std::isfinite(v)) return false;
    out = v;
    return true;
}

double LeadingNumber(std::string_view text) {
    std::string t;
    t.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') t += c;
    size_t i = 0;
    if (t.size() >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o')) {
        bool hex = t[1] == 'H' || t[1] == 'h';
        double v = 0;
        for (i = 2; i < t.size(); ++i) {
            char c = t[i];
            int digit;
            if (c >= '0' && c <= (hex ? '9' : '7')) digit = c - '0';
            else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            else break;
            v = v * (hex ? 16 : 8) + digit;
        }
        return v;
    }
    // The longest prefix that reads as a number.
    size_t start = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t digits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    size_t end = i;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        size_t ed = 0;
        while (j < t.size() && IsDigit(t[j])) ++j, ++ed;
        if (ed > 0) end = j;
    }
    std::string num = t.substr(start, end - start);
    for (char& c : num)
        if (c == 'D' || c == 'd') c = 'E';
    double v = StrtodC(num);
    return std::isfinite(v) ? v : 0;
}

// ---- the five-decimal texts of the drawing file ----------------------------

namespace {

// Below this magnitude a value rounded to 5 decimals has at most 15
// significant digits, so its text can be spelled straight from the integer
// count of 0.00001 steps and reads back as exactly the same double.
constexpr double kExactLimit = 1e10;

void AppendUnsigned(std::string& out, uint64_t v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

}  // namespace

void AppendInt(std::string& out, long v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

// FormatNumber5 appending to `out`: the writer's hot path.
void AppendNumber5(std::string& out, double& v) {
    if (!std::isfinite(v)) {
        v = 0;  // no file can hold it; the table follows what is written
        out += '0';
        return;
    }
    double m = std::fabs(v);
    if (m >= kExactLimit) {
        // 15 significant digits are coarser than 5 decimals here: the table
        // takes the value the text reads back as.
        std::string t = GeneralNumber(v);
        ParseNumber(t, v);
        out += t;
        return;
    }
    double steps = std::floor(m * 100000 + 0.5);  // whole 0.00001 steps, halves away from zero
    if (steps == 0) {
        v = 0;  // -0.000001 rounds to 0 and is written "0"
        out += '0';
        return;
    }
    v = std::copysign(steps / 100000, v);
    auto n = static_cast<uint64_t>(steps);
    if (v < 0) out += '-';
    AppendUnsigned(out, n / 100000);
    auto frac = static_cast<unsigned>(n % 100000);
    if (frac != 0) {
        char digits[6];
        for (int i = 4; i >= 0; --i) digits[i] = static_cast<char>('0' + frac % 10), frac /= 10;
        int len = 5;
        while (digits[len - 1] == '0') --len;
        out += '.';
        out.append(digits, static_cast<size_t>(len));
    }
}


std::string FormatNumber5(double& v) {
    std::string s;
    AppendNumber5(s, v);
    return s;
}

// Number texts of the data files. Called by the drawing file, the defaults
// file, the readout and the clipboard.
#include "model/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// %.15g gives the shortest text of 15 significant digits but switches to an
// exponent for small and large values; those are spelled out here instead.
std::string GeneralNumber(double v) {
    if (!std::isfinite(v)) return "0";
    if (v == 0) return "0";  // also turns -0 into "0"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s = buf;
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

bool ParseNumber(std::string_view f, double& out) {
    size_t b = 0, e = f.size();
    while (b < e && (f[b] == ' ' || f[b] == '\t')) ++b;
    while (e > b && (f[e - 1] == ' ' || f[e - 1] == '\t')) --e;
    if (b == e) {
        out = 0;
        return true;
    }
    std::string t(f.substr(b, e - b));
    size_t i = 0;
    if (t[i] == '+' || t[i] == '-') ++i;
    size_t digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        t[i] = 'E';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        size_t ed = 0;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++ed;
        if (ed == 0) return false;
    }
    if (i != t.size()) return false;
    double v = std::strtod(t.c_str(), nullptr);
    if (!std::isfinite(v)) return false;
    out = v;
    return true;
}

// The defaults file "Zarnic-Default.dat": its 23 fields read field by field
// into the settings and the drawing-wide values, the text written back from
// them, the factory file, and the leading-number rule of the settings page.
// Called by ReadDefaults and the Default Settings page (commands/).
#include "model/defaults.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "model/numbers.h"

namespace {

// The file is read the way it is written: one value a line, but a comma also
// ends a field, so a text holding a comma splits in two and the fields after
// it no longer match their types.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : t_(text) {}
    // The next field; false when the text has run out.
    bool Next(std::string& field) {
        if (p_ >= t_.size()) return false;
        size_t b = p_;
        while (p_ < t_.size() && t_[p_] != ',' && t_[p_] != '\r' && t_[p_] != '\n') ++p_;
        field.assign(t_.substr(b, p_ - b));
        // A comma at the end of a line ends the field and the line together.
        if (p_ < t_.size() && t_[p_] == ',') ++p_;
        SkipLineEnd();
        return true;
    }

private:
    void SkipLineEnd() {
        if (p_ < t_.size() && t_[p_] == '\r') ++p_;
        if (p_ < t_.size() && t_[p_] == '\n') ++p_;
    }
    std::string_view t_;  // the whole file
    size_t p_ = 0;        // offset of the next field (bytes)
};

std::string Trimmed(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

bool ReadNumber(FieldReader& r, double& out) {
    std::string f;
    return r.Next(f) && ParseNumber(f, out);
}

// Colour values are whole 32-bit numbers; negative ones keep their bit pattern.
bool ReadColor(FieldReader& r, uint32_t& out) {
    double v;
    if (!ReadNumber(r, v)) return false;
    if (v != std::floor(v) || v < -2147483648.0 || v > 4294967295.0) return false;
    out = static_cast<uint32_t>(static_cast<int64_t>(v));
    return true;
}

bool ReadBool(FieldReader& r, bool& out) {
    std::string f;
    if (!r.Next(f)) return false;
    f = Trimmed(f);
    if (f == "True") out = true;
    else if (f == "False") out = false;
    else return false;
    return true;
}

bool ReadText(FieldReader& r, std::string& out) { return r.Next(out); }

bool ReadSnapMode(FieldReader& r, int16_t& out) {
    double v;
    if (!ReadNumber(r, v)) return false;
    if (v != std::floor(v) || v < 0 || v > 3) return false;
    out = static_cast<int16_t>(v);
    return true;
}

std::string WithSep(std::string folder) {
    if (folder.empty() || folder.back() != kSep) folder += kSep;
    return folder;
}

const char* BoolText(bool b) { return b ? "True" : "False"; }

}  // namespace

bool ParseDefaults(const std::string& text, Settings& set, Drawing& d) {
    FieldReader r(text);
    if (!ReadColor(r, set.BoardColor)) return false;          // 1
    if (!ReadColor(r, set.DrawRGB)) return false;             // 2
    if (!ReadColor(r, set.GridColor)) return false;           // 3
    if (!ReadColor(r, set.SelectColor)) return false;         // 4
    if (!ReadText(r, set.FontPrefix)) return false;           // 5
    if (!ReadText(r, d.FontFile)) return false;               // 6
    if (!ReadNumber(r, set.FontDescender)) return false;      // 7
    if (!ReadText(r, d.ShapePrefix)) return false;            // 8
    if (!ReadNumber(r, d.PlotScale)) return false;            // 9
    if (!ReadText(r, set.ShapeFontPath)) return false;        // 10
    set.ShapeFontPath = WithSep(set.ShapeFontPath);
    if (!ReadNumber(r, d.TextHeight)) return false;           // 11
    if (!ReadNumber(r, d.HiddenGap)) return false;            // 12
    if (!ReadNumber(r, d.HiddenDash)) return false;           // 13
    if (!ReadNumber(r, d.LimURX)) return false;               // 14
    if (!ReadNumber(r, d.LimURY)) return false;               // 15
    if (!ReadNumber(r, d.LimLLX)) return false;               // 16
    if (!ReadNumber(r, d.LimLLY)) return false;               // 17
    if (!ReadNumber(r, d.GridSpacing)) return false;          // 18
    if (!ReadBool(r, d.GridOn)) return false;                 // 19
    if (!ReadNumber(r, d.SnapX)) return false;                // 20
    d.SnapY = 0;  // start-up and the file reader turn a zero SnapY into SnapX
    if (!ReadSnapMode(r, d.SnapMode)) return false;           // 21
    if (!ReadBool(r, set.LineTypeReverts)) return false;      // 22
    if (!ReadText(r, set.DwgFolderDefault)) return false;     // 23
    // An empty default folder means "the program's folder" to the file
    // dialogs; any other folder text ends in the separator.
    if (!set.DwgFolderDefault.empty()) set.DwgFolderDefault = WithSep(set.DwgFolderDefault);
    return true;
}

std::string DefaultsText(const Settings& set, const Drawing& d) {
    const std::string lines[kDefaultsLines] = {
        std::to_string(set.BoardColor),
        std::to_string(set.DrawRGB),
        std::to_string(set.GridColor),
        std::to_string(set.SelectColor),
        set.FontPrefix,
        d.FontFile,
        DefaultsNumber(set.FontDescender),
        d.ShapePrefix,
        DefaultsNumber(d.PlotScale),
        set.ShapeFontPath,
        DefaultsNumber(d.TextHeight),
        DefaultsNumber(d.HiddenGap),
        DefaultsNumber(d.HiddenDash),
        DefaultsNumber(d.LimURX),
        DefaultsNumber(d.LimURY),
        DefaultsNumber(d.LimLLX),
        DefaultsNumber(d.LimLLY),
        DefaultsNumber(d.GridSpacing),
        BoolText(d.GridOn),
        DefaultsNumber(d.SnapX),
        std::to_string(d.SnapMode),
        BoolText(set.LineTypeReverts),
        set.DwgFolderDefault,
    };
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

std::string FactoryDefaultsText(const std::string& dataFolder) {
    const char* const lines[kDefaultsLines] = {
        "0",     "16777215", "65280", "8421504", "F-",  "Schematic.fnt", "0.4", "Sc",
        "1",     nullptr,    "0.1",   "0.06",    "0.2", "5",             "3",   "-5",
        "-3",    "0.5",      "True",  "0.1",     "3",   "True",          nullptr,
    };
    std::string out;
    for (const char* l : lines) out += std::string(l ? l : dataFolder.c_str()) + "\r\n";
    return out;
}

std::string DefaultsNumber(double v) { return GeneralNumber(v); }

double LeadingNumber(const std::string& text) {
    size_t i = 0, n = text.size();
    auto digit = [&](size_t k) { return k < n && std::isdigit(static_cast<unsigned char>(text[k])); };
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t start = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (digit(i)) ++i, ++digits;
    if (i < n && text[i] == '.') {
        size_t k = i + 1, frac = 0;
        while (digit(k)) ++k, ++frac;
        // "5." is the number 5; a lone "." is no number.
        if (digits + frac > 0) i = k, digits += frac;
    }
    if (digits == 0) return 0;
    size_t end = i;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        size_t k = i + 1;
        if (k < n && (text[k] == '+' || text[k] == '-')) ++k;
        if (digit(k)) {
            while (digit(k)) ++k;
            end = k;
        }
    }
    double v = std::strtod(text.substr(start, end - start).c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

// The stroke-font converter: the .jhf reader, the mapping of a Hershey glyph
// into the one-unit character cell, the stroke limits, and the character
// drawings written through the program's own drawing writer. Called by
// tools/make_font at build time and by tests/hershey_test.cpp.
//
// A .jhf glyph is one record:
//   columns 1-5  glyph number (not used: glyphs are taken in file order)
//   columns 6-8  pair count N, right-aligned, counting the bearing pair
//   then N pairs of characters, running on over following lines when the
//   file wraps long glyphs. The first pair is the left and right bearing;
//   every other pair is a point (x, y), each the character's code minus
//   'R', y pointing down. The pair " R" lifts the pen.
#include "hershey.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

#include "model/drawing.h"
#include "model/dwgfile.h"
#include "model/settings.h"

// ---- the .jhf reader ------------------------------------------------------

namespace {

constexpr char kHersheyZero = 'R';       // the character of coordinate 0

// The text's lines without their CR LF or LF ends.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t nl = text.find('\n', at);
        size_t end = nl == std::string_view::npos ? text.size() : nl;
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        at = nl == std::string_view::npos ? text.size() : nl + 1;
    }
    return lines;
}

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The pair count of columns 6-8; false when it is not a whole number >= 1.
bool PairCount(std::string_view line, int& count) {
    std::string_view field = line.substr(5, 3);
    size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    field.remove_prefix(first);
    auto r = std::from_chars(field.data(), field.data() + field.size(), count);
    return r.ec == std::errc() && r.ptr == field.data() + field.size() && count >= 1;
}

int Coordinate(char c) { return c - kHersheyZero; }

// The glyph from its N pairs of characters.
HersheyGlyph GlyphFromPairs(std::string_view data, int count) {
    HersheyGlyph g;
    g.left = Coordinate(data[0]);
    g.right = Coordinate(data[1]);
    HersheyStroke run;
    for (int p = 1; p < count; ++p) {
        char a = data[2 * p], b = data[2 * p + 1];
        if (a == ' ' && b == kHersheyZero) {
            // Pen up: a run of no points (two pen-ups in a row) is not a stroke.
            if (!run.empty()) g.strokes.push_back(std::move(run));
            run.clear();
            continue;
        }
        run.push_back({Coordinate(a), Coordinate(b)});
    }
    if (!run.empty()) g.strokes.push_back(std::move(run));
    return g;
}

}  // namespace

bool ParseJhf(std::string_view text, std::vector<HersheyGlyph>& glyphs, std::string& error) {
    glyphs.clear();
    std::vector<std::string_view> lines = SplitLines(text);
    size_t next = 0;
    while (next < lines.size()) {
        size_t header = next++;
        std::string_view line = lines[header];
        if (IsBlankLine(line)) continue;
        std::string where = "glyph " + std::to_string(glyphs.size() + 1) + " (line " +
                            std::to_string(header + 1) + ")";
        int count = 0;
        if (line.size() < 8 || !PairCount(line, count)) {
            error = where + ": no pair count in columns 6-8";
            return false;
        }
        // A long glyph continues on the following lines; their ends are not data.
        size_t need = 2 * static_cast<size_t>(count);
        std::string data(line.substr(8));
        while (data.size() < need && next < lines.size()) data += lines[next++];
        if (data.size() < need) {
            error = where + ": the text ends after " + std::to_string(data.size() / 2) + " of its " +
                    std::to_string(count) + " pairs";
            return false;
        }
        glyphs.push_back(GlyphFromPairs(data, count));
    }
    return true;
}

// ---- cell geometry -----------------------------------------------------------

std::vector<CellStroke> MapToCell(const HersheyGlyph& g) {
    const double unit = 1.0 / (kHersheyBaseline - kHersheyCapTop);  // a capital is one unit tall
    const double middle = (g.left + g.right) / 2.0;
    std::vector<CellStroke> out;
    for (const HersheyStroke& s : g.strokes) {
        CellStroke c;
        for (size_t i = 0; i < s.size(); ++i) {
            // A repeated point draws nothing, and the writer would drop it anyway.
            if (i > 0 && s[i].x == s[i - 1].x && s[i].y == s[i - 1].y) continue;
            c.push_back({0.5 + (s[i].x - middle) * unit, kCellBaseline + (kHersheyBaseline - s[i].y) * unit});
        }
        if (c.size() == 1) {
            // A lone point would be no line at all: it becomes a short dash.
            CellPoint p = c[0];
            c = {{p.x - kDotLength / 2, p.y}, {p.x + kDotLength / 2, p.y}};
        }
        out.push_back(std::move(c));
    }
    return out;
}

void FitToCell(std::vector<CellStroke>& strokes) {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const CellStroke& s : strokes)
        for (const CellPoint& p : s) {
            lo = std::min(lo, p.x);
            hi = std::max(hi, p.x);
        }
    if (lo > hi) return;  // no ink
    // Narrow about the cell centre, then move in whatever still sticks out.
    double squeeze = 1;
    if (hi - lo > kInkRight - kInkLeft) squeeze = (kInkRight - kInkLeft) / (hi - lo);
    auto narrowed = [&](double x) { return 0.5 + (x - 0.5) * squeeze; };
    double shift = 0;
    if (narrowed(lo) < kInkLeft) {
        shift = kInkLeft - narrowed(lo);
    } else if (narrowed(hi) > kInkRight) {
        shift = kInkRight - narrowed(hi);
    }
    for (CellStroke& s : strokes)
        for (CellPoint& p : s) p.x = narrowed(p.x) + shift;
}

std::vector<CellStroke> SplitStrokes(const std::vector<CellStroke>& strokes, size_t maxPoints) {
    std::vector<CellStroke> out;
    for (const CellStroke& s : strokes) {
        if (s.size() <= maxPoints || maxPoints < 2) {
            out.push_back(s);
            continue;
        }
        // Each piece after the first repeats the last point of the one before.
        for (size_t from = 0; from + 1 < s.size(); from += maxPoints - 1) {
            size_t to = std::min(from + maxPoints, s.size());
            out.emplace_back(s.begin() + static_cast<std::ptrdiff_t>(from),
                             s.begin() + static_cast<std::ptrdiff_t>(to));
        }
    }
    return out;
}

namespace {

// 5 decimals, halves away from zero, as the drawing writer rounds.
double Round5(double v) { return std::round(v * 100000) / 100000; }

}  // namespace

CellGlyph ConvertGlyph(const HersheyGlyph& g) {
    std::vector<CellStroke> strokes = MapToCell(g);
    FitToCell(strokes);
    for (CellStroke& s : strokes)
        for (CellPoint& p : s) p = {Round5(p.x), Round5(p.y)};
    CellGlyph out;
    out.strokes = SplitStrokes(strokes, kMaxStrokePoints);
    if (out.strokes.size() > static_cast<size_t>(kMaxStrokes)) {
        out.dropped = static_cast<int>(out.strokes.size()) - kMaxStrokes;
        out.strokes.resize(kMaxStrokes);
    }
    return out;
}

// ---- the drawings --------------------------------------------------------------

std::string GlyphDrawingText(const CellGlyph& g) {
    // The table is large; it lives on the heap, and its vertex pages are
    // committed only where this glyph writes.
    auto d = std::make_unique<Drawing>();
    int slot = 1;
    for (const CellStroke& s : g.strokes) {
        d->ObjType[slot] = "Line";
        d->ObjColor[slot] = 1;
        d->ObjSize[slot] = static_cast<double>(s.size());
        d->ObjLineType[slot] = 0;
        d->ObjLineWidth[slot] = 0;
        d->ObjXScale[slot] = 1;
        d->ObjYScale[slot] = 1;
        for (size_t k = 0; k < s.size(); ++k) {
            d->VertX(slot, static_cast<int>(k) + 1) = s[k].x;
            d->VertY(slot, static_cast<int>(k) + 1) = s[k].y;
        }
        ++slot;
    }
    d->ObjNext = static_cast<int16_t>(slot);
    int count = NumberObjectsForSave(*d);
    return FormatDrawing(*d, count);
}

std::string FontFileName(int code) { return CharacterDrawingName(Settings().FontPrefix, code); }

std::string HersheyAcknowledgement() {
    return "Zarnic stroke font: acknowledgement\n"
           "\n"
           "The character drawings of the stroke font (F-032.dwg to F-127.dwg) are\n"
           "generated from the Hershey fonts (Roman Simplex, rowmans.jhf), designed by\n"
           "Dr. A. V. Hershey at the U.S. National Bureau of Standards and distributed\n"
           "by the U.S. National Technical Information Service (NTIS). The font data\n"
           "was taken from Debian's hershey-fonts-data package.\n"
           "\n"
           "That package gives the font data this usage condition\n"
           "(/usr/share/doc/hershey-fonts-data/copyright, \"hershey-license\"):\n"
           "\n"
           "  This distribution of the Hershey Fonts may be used by anyone for any\n"
           "  purpose, commercial or otherwise, providing that:\n"
           "  1. The following acknowledgements must be distributed with the font data:\n"
           "     - The Hershey Fonts were originally created by Dr. A. V. Hershey\n"
           "       while working at the U. S. National Bureau of Standards.\n"
           "     - The format of the Font data in this distribution was originally\n"
           "       created by James Hurt, Cognition, Inc., 900 Technology Park Drive,\n"
           "       Billerica, MA 01821 (mit-eddie!ci-dandelion!hurt).\n"
           "  2. The font data in this distribution may be converted into any other\n"
           "     format *EXCEPT* the format distributed by the U.S. NTIS (which\n"
           "     organization holds the rights to the distribution and use of the\n"
           "     font data in that particular format).\n";
}

std::vector<FontFile> StrokeFontFiles(const std::vector<HersheyGlyph>& glyphs,
                                      std::vector<std::string>& warnings) {
    std::vector<FontFile> files;
    for (int code = kFontFirst; code < kFontFirst + kFontChars; ++code) {
        size_t index = static_cast<size_t>(code - kFontFirst);
        CellGlyph cell = index < glyphs.size() ? ConvertGlyph(glyphs[index]) : CellGlyph{};
        if (cell.dropped > 0) {
            warnings.push_back("character " + std::to_string(code) + " has " +
                               std::to_string(cell.strokes.size() + static_cast<size_t>(cell.dropped)) +
                               " strokes; only the first " + std::to_string(kMaxStrokes) + " are kept");
        }
        files.push_back({FontFileName(code), GlyphDrawingText(cell)});
    }
    files.push_back({kHersheyAckFile, HersheyAcknowledgement()});
    return files;
}

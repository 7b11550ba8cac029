// The stroke-font converter: reads the Hershey Roman Simplex font (.jhf text)
// and turns each glyph into one of the stroke font's character drawings,
// written with the program's own drawing writer. Called by tools/make_font
// at build time and by the converter's tests. No Qt, no App.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The character codes (kFontFirst, kFontChars) and the stroke limits
// (kMaxStrokes, kMaxStrokePoints) are the font room's: the drawings are made
// to fit its tables.
#include "view/font.h"

constexpr int kHersheyCapTop = -12;          // top of a Roman Simplex capital (Hershey units, y down)
constexpr int kHersheyBaseline = 9;          // its baseline
constexpr double kCellBaseline = 0.4;        // baseline in the cell (drawing units above the cell bottom)
constexpr double kInkLeft = 0.08;            // leftmost x a glyph's ink may take (drawing units)
constexpr double kInkRight = 0.92;           // rightmost x
constexpr double kDotLength = 0.01;          // length of the short line a one-point stroke becomes

constexpr const char* kHersheyAckFile = "Hershey-Fonts-Acknowledgement.txt";  // kept beside the drawings

// ---- the .jhf glyphs ------------------------------------------------------

struct HersheyPoint {
    int x = 0;                               // Hershey units right of the glyph's origin
    int y = 0;                               // Hershey units DOWN from the origin
};
using HersheyStroke = std::vector<HersheyPoint>;

struct HersheyGlyph {
    int left = 0;                            // left bearing (Hershey units)
    int right = 0;                           // right bearing (Hershey units)
    std::vector<HersheyStroke> strokes;      // pen-down runs in drawing order, none empty
};

// Parses a whole .jhf text into its glyphs in file order. A glyph is a
// 5-column number, a 3-column pair count, then the pairs, which may run on
// over following lines; CR LF and LF ends both read. False, with the reason
// in `error`, when a count is not a number or the text ends inside a glyph.
bool ParseJhf(std::string_view text, std::vector<HersheyGlyph>& glyphs, std::string& error);

// ---- cell geometry --------------------------------------------------------

struct CellPoint {
    double x = 0;                            // drawing units from the cell's left side
    double y = 0;                            // drawing units up from the cell bottom
};
using CellStroke = std::vector<CellPoint>;

struct CellGlyph {
    std::vector<CellStroke> strokes;         // at most kMaxStrokes, each 2..kMaxStrokePoints points
    int dropped = 0;                         // strokes beyond the limit that were left out
};

// A glyph in cell coordinates: capitals one unit tall on the baseline,
// centred on its bearings, repeated points dropped, one-point strokes made
// into a kDotLength line along x. Not yet fitted, rounded or split.
std::vector<CellStroke> MapToCell(const HersheyGlyph& g);

// Keeps the ink inside [kInkLeft, kInkRight]: a glyph too wide is narrowed
// about the cell centre, one that sticks out is moved in.
void FitToCell(std::vector<CellStroke>& strokes);

// Cuts strokes longer than maxPoints into pieces of at most maxPoints, each
// starting at the last point of the piece before, so the path is unchanged.
std::vector<CellStroke> SplitStrokes(const std::vector<CellStroke>& strokes, size_t maxPoints);

// The whole conversion of one glyph: mapped, fitted, rounded to 5 decimals,
// split, and cut to kMaxStrokes (the rest counted in `dropped`).
CellGlyph ConvertGlyph(const HersheyGlyph& g);

// ---- the drawings ----------------------------------------------------------

// The drawing file text of one character: one solid colour-1 Line per stroke,
// written by the program's own writer (FormatDrawing).
std::string GlyphDrawingText(const CellGlyph& g);

// "F-065.dwg" for code 65: the default font prefix the build's drawings carry.
std::string FontFileName(int code);

// The acknowledgement kept beside the generated drawings.
std::string HersheyAcknowledgement();

struct FontFile {
    std::string name;                        // file name in the data folder
    std::string text;                        // its whole content
};

// Every file of the stroke font: the drawings for codes 32..127 and the
// acknowledgement. Glyph i of the font is code 32 + i; codes past the font's
// end get empty drawings and glyphs past 127 are not used. A glyph cut to
// the stroke limit adds a line to `warnings`.
std::vector<FontFile> StrokeFontFiles(const std::vector<HersheyGlyph>& glyphs,
                                      std::vector<std::string>& warnings);

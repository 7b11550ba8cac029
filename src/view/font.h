// The stroke font: the 96 character drawings (codes 32..127) compiled into
// the font file at every start, the font file loaded into the font tables,
// and the text renderer with its justification and sub/superscript shifts.
// Called by start-up (BuildFontFile), the redraw, the shape renderer, and
// later the dial, the printer and the plotter (RenderText with their device).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "view/device.h"

struct App;

constexpr int kFontFirst = 32;        // first character code of the font
constexpr int kFontChars = 96;        // codes 32..127
constexpr int kMaxStrokes = 15;       // strokes per character
constexpr int kMaxStrokePoints = 30;  // points per polyline stroke

// The font tables, indexed by code - 32, stroke 0..14 and point 0..29. The
// file keeps coordinates as text; they are read as numbers (their leading
// number) once, at load, instead of at every drawing.
struct Font {
    Font();
    std::vector<int16_t> FontStrokeCount;   // [char]: strokes of the character
    std::vector<int16_t> FontStrokeKind;    // [char][stroke]: 1 arc, 2 circle, 3 polyline
    std::vector<double> FontStrokeValue;    // [char][stroke]: radius, or the number of polyline points
    std::vector<double> FontPointX;         // [char][stroke][point]: x in the cell (cell widths)
    std::vector<double> FontPointY;         // [char][stroke][point]: y in the cell; arcs keep (start, end) as point 2
    double Reach = 0;                       // farthest reach of any stroke from its cell origin (cell widths)
    int Used = kFontChars;                  // characters 0..Used-1 may hold strokes or points (a clear empties only them)

    // Every table back to zero, without allocating again.
    void Clear();

    static size_t S(int c, int k) { return static_cast<size_t>(c) * kMaxStrokes + k; }
    static size_t P(int c, int k, int p) { return S(c, k) * kMaxStrokePoints + p; }
};

// The character drawing of code c: FontPrefix + three digits + ".dwg".
std::string CharacterDrawingName(const std::string& prefix, int code);
// Compiles one character drawing's text into its font-file lines (the count
// line, then every stroke), CR LF ends. Reading errors end the character.
std::string CompileCharacter(const std::string& drawingText);
// Compiles the 96 character drawings of the shape and font folder into the
// font file, then loads it. Missing drawings give characters without strokes.
void BuildFontFile(App& app);
// Reads the font file into the font tables (a missing file gives an empty font).
void LoadFont(App& app);
// Parses font-file text into a font: what `LoadFont` does after reading the file.
void ParseFont(Font& font, const std::string& text);

// One text through any device: height h, angle a (radians) at (x, y), the
// justification code "S", "C", "M" or "E", the descender in heights.
void RenderText(Device& dev, const Font& font, double descender, const std::string& text,
                const std::string& just, double h, double a, double x, double y, uint32_t rgb);
// One text on the screen.
void DrawText(App& app, const std::string& text, const std::string& just, double h, double a, double x, double y,
              uint32_t rgb);

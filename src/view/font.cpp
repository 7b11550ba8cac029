// The stroke font: compiling the character drawings into the font file,
// loading it, and laying out and drawing texts with it.
//
// The font file is text, one value per line, CR LF ends. For each code
// 32..127: the code; the stroke count; then per stroke its kind (1 arc,
// 2 circle, 3 polyline), its value (radius, or point count) and its
// coordinates: an arc's centre x, y, start and end angle; a circle's centre
// x, y; a polyline's x, y point by point.
#include "view/font.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>

#include "app.h"
#include "model/dwgfile.h"
#include "model/extents.h"
#include "model/fieldreader.h"
#include "model/numbers.h"
#include "view/redraw.h"
#include "view/shapes.h"

Font::Font()
    : FontStrokeCount(kFontChars, 0),
      FontStrokeKind(kFontChars * kMaxStrokes, 0),
      FontStrokeValue(kFontChars * kMaxStrokes, 0),
      FontPointX(kFontChars * kMaxStrokes * kMaxStrokePoints, 0),
      FontPointY(kFontChars * kMaxStrokes * kMaxStrokePoints, 0) {}

void Font::Clear() {
    // In place, and only the characters written since the last clear: the
    // tables are allocated once, with the font.
    std::fill(FontStrokeCount.begin(), FontStrokeCount.end(), 0);
    const auto strokes = static_cast<std::ptrdiff_t>(S(Used, 0));
    const auto points = static_cast<std::ptrdiff_t>(P(Used, 0, 0));
    std::fill(FontStrokeKind.begin(), FontStrokeKind.begin() + strokes, 0);
    std::fill(FontStrokeValue.begin(), FontStrokeValue.begin() + strokes, 0.0);
    std::fill(FontPointX.begin(), FontPointX.begin() + points, 0.0);
    std::fill(FontPointY.begin(), FontPointY.begin() + points, 0.0);
    Used = 0;
    Reach = 0;
}

// A count read from a file as a whole number: 0 for nothing, a negative
// value or no number at all, and never more than `most` (a damaged file may
// hold any size; converting one beyond the integers is undefined).
static long WholeCount(double v, long most) {
    if (!(v > 0)) return 0;
    return v >= static_cast<double>(most) ? most : static_cast<long>(std::nearbyint(v));
}

std::string CharacterDrawingName(const std::string& prefix, int code) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", code);
    return prefix + digits + ".dwg";
}

// ---- compiling ----------------------------------------------------------------

namespace {

void Put(std::string& out, std::string_view v) {
    out.append(v);
    out += "\r\n";
}

// Copies n fields as they are; false when the drawing ends first.
bool CopyFields(FieldReader& r, std::string& out, long n) {
    std::string_view f;
    for (long i = 0; i < n; ++i) {
        if (!r.Field(f)) return false;
        Put(out, f);
    }
    return true;
}

// The object count after the header: one field and 19 lines, then either the
// current header's "Plot Scale" ... "Hidden Line" keys and two values, or
// (older headers) the count itself.
bool ReadObjectCount(FieldReader& r, double& count) {
    std::string_view f;
    if (!r.Field(f) || !r.SkipLines(19) || !r.Field(f)) return false;
    if (f == "Plot Scale") {
        if (!r.SkipFields(3) || !r.Field(f)) return false;
    }
    if (f == "Hidden Line") {
        if (!r.SkipFields(2)) return false;
        return r.Number(count);
    }
    return ParseNumber(f, count);
}

// One Arc, Circle or Line of a character drawing as stroke lines.
bool CompileStroke(FieldReader& r, std::string& out) {
    std::string_view kind;
    if (!r.Field(kind)) return false;
    int k = kind == "Arc" ? 1 : kind == "Circle" ? 2 : kind == "Line" ? 3 : 0;
    if (k == 0) return false;  // a character drawing holds only these three
    double size;
    if (!r.SkipFields(2) || !r.Number(size)) return false;
    std::string stroke = std::to_string(k) + "\r\n" + GeneralNumber(size) + "\r\n";
    bool ok;
    if (k == 1) {
        ok = CopyFields(r, stroke, 4);
    } else if (k == 2) {
        ok = CopyFields(r, stroke, 2);
    } else {
        long n = WholeCount(size, kMaxVertex + 1);
        ok = n <= kMaxVertex && r.SkipFields(2) && CopyFields(r, stroke, 2 * n);
    }
    if (!ok || !r.SkipFields(2)) return false;
    out += stroke;
    return true;
}

}  // namespace

std::string CompileCharacter(const std::string& drawingText) {
    FieldReader r(drawingText);
    double count = 0;
    std::string strokes;
    long written = 0;
    if (ReadObjectCount(r, count) && count > 0) {
        for (long i = 0; i < count && i < 100000; ++i) {
            if (!CompileStroke(r, strokes)) break;
            ++written;
        }
    }
    // The count says what follows, so a damaged drawing cannot put the
    // following characters out of step.
    return std::to_string(written) + "\r\n" + strokes;
}

void BuildFontFile(App& app) {
    const std::string folder = ShapeFolder(app);
    std::string out;
    for (int c = kFontFirst; c < kFontFirst + kFontChars; ++c) {
        out += std::to_string(c) + "\r\n";
        std::string text;
        if (LoadTextFile(folder + CharacterDrawingName(app.set.FontPrefix, c), text).fail == ReadFail::None)
            out += CompileCharacter(text);
        else
            out += "0\r\n";
    }
    // The font file is a cache of the drawings: when it cannot be written
    // the font is still loaded from what was compiled.
    std::string path = folder + app.dwg.FontFile;
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(out.data(), 1, out.size(), f);
        std::fclose(f);
    }
    ParseFont(app.font, out);
}

// ---- loading ------------------------------------------------------------------

void ParseFont(Font& font, const std::string& text) {
    font.Clear();
    FieldReader r(text);
    double reach = 0;
    for (int c = 0; c < kFontChars; ++c) {
        double code, count;
        if (!r.LooseNumber(code) || !r.LooseNumber(count)) break;
        long n = WholeCount(count, 1L << 30);
        bool ended = false;
        for (long k = 0; k < n && !ended; ++k) {
            double kind, value;
            if (!r.LooseNumber(kind) || !r.LooseNumber(value)) {
                ended = true;
                break;
            }
            int kk = std::fabs(kind) < 1e9 ? static_cast<int>(kind) : 0;
            long points = kk == 1 ? 2 : kk == 2 ? 1 : kk == 3 ? WholeCount(value, 1L << 30) : 0;
            // Strokes and points beyond the tables are read past, not stored.
            bool keep = k < kMaxStrokes;
            for (long p = 0; p < points; ++p) {
                double x, y;
                if (!r.LooseNumber(x) || !r.LooseNumber(y)) {
                    ended = true;
                    break;
                }
                if (keep && p < kMaxStrokePoints) {
                    font.Used = c + 1;
                    font.FontPointX[Font::P(c, static_cast<int>(k), static_cast<int>(p))] = x;
                    font.FontPointY[Font::P(c, static_cast<int>(k), static_cast<int>(p))] = y;
                    if (kk != 1 || p == 0) reach = std::max(reach, std::hypot(x, y) + (kk == 3 ? 0 : std::fabs(value)));
                }
            }
            if (keep) {
                font.Used = c + 1;
                font.FontStrokeKind[Font::S(c, static_cast<int>(k))] = static_cast<int16_t>(kk);
                font.FontStrokeValue[Font::S(c, static_cast<int>(k))] = value;
                font.FontStrokeCount[c] = static_cast<int16_t>(k + 1);
            }
        }
        if (ended) break;
    }
    font.Reach = std::isfinite(reach) ? reach : 1e300;
}

void LoadFont(App& app) {
    std::string text;
    if (LoadTextFile(ShapeFolder(app) + app.dwg.FontFile, text).fail != ReadFail::None) text.clear();
    ParseFont(app.font, text);
}

// ---- drawing ------------------------------------------------------------------

namespace {

struct Placement {
    double x, y, ca, sa;  // insertion point and the rotation's cosine and sine
    double PX(double p, double q) const { return x + p * ca - q * sa; }
    double PY(double p, double q) const { return y + p * sa + q * ca; }
};

// The strokes of one character whose cell origin is (u, -yo) in text units.
void RenderCharacter(Device& dev, const Font& font, int c, const Placement& pl, double u, double yo, double h,
                     double a, uint32_t rgb) {
    double ox = pl.PX(u, -yo), oy = pl.PY(u, -yo);
    for (int k = 0; k < font.FontStrokeCount[c]; ++k) {
        int kind = font.FontStrokeKind[Font::S(c, k)];
        double v = font.FontStrokeValue[Font::S(c, k)];
        double x1 = font.FontPointX[Font::P(c, k, 0)], y1 = font.FontPointY[Font::P(c, k, 0)];
        // The first point turned by the text's angle.
        double rx = x1 * pl.ca - y1 * pl.sa, ry = x1 * pl.sa + y1 * pl.ca;
        if (kind == 1 || kind == 2) {
            if (kind == 1 && v == 0) continue;
            double hh = kind == 1 && h == 0 ? 1 : h;
            Curve cv;
            cv.kind = kind == 1 ? CurveKind::GlyphArc : CurveKind::GlyphCircle;
            cv.cx = ox + rx * hh;
            cv.cy = oy + ry * hh;
            cv.ax = cv.ay = (kind == 1 ? std::fabs(v) : v) * hh;
            cv.rot = a;
            if (kind == 1) {
                cv.t0 = font.FontPointX[Font::P(c, k, 1)];
                cv.t1 = font.FontPointY[Font::P(c, k, 1)];
            }
            cv.stepRadius = hh * v;
            dev.DrawCurve(cv, rgb);
        } else if (kind == 3) {
            long n = WholeCount(v, kMaxStrokePoints);
            for (long p = 0; p < n; ++p) {
                double tx = font.FontPointX[Font::P(c, k, static_cast<int>(p))] * h + u;
                double ty = font.FontPointY[Font::P(c, k, static_cast<int>(p))] * h - yo;
                if (p == 0) dev.MoveTo(pl.PX(tx, ty), pl.PY(tx, ty));
                else dev.LineTo(pl.PX(tx, ty), pl.PY(tx, ty), rgb);
            }
        }
    }
}

}  // namespace

void RenderText(Device& dev, const Font& font, double descender, const std::string& text, const std::string& just,
                double h, double a, double x, double y, uint32_t rgb) {
    if (dev.Text(text, just, h, a, x, y, rgb)) return;
    const double n = TextCellCount(text);
    double xo = 0, yo = 0;
    if (just == "S") xo = 0, yo = descender * h;
    else if (just == "C") xo = n * h / 2, yo = descender * h;
    else if (just == "M") xo = n * h / 2, yo = (descender + 0.5) * h;
    else if (just == "E") xo = n * h, yo = descender * h;
    Placement pl{x, y, std::cos(a), std::sin(a)};
    // A conservative circle around the whole text: skipped when it misses the output.
    if (h != 0) {
        double len = static_cast<double>(text.size()), ah = std::fabs(h);
        double U = 2 * len * ah + std::fabs(xo), V = std::fabs(yo) + len * ah / 2;
        double R = std::sqrt(U * U + V * V) + font.Reach * ah + ah;
        if (!dev.Touches(x - R, y - R, x + R, y + R)) return;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char ch = static_cast<unsigned char>(text[i]);
        if (ch == '[') {
            yo += h / 2;
            xo += h;
            continue;
        }
        if (ch == ']') {
            yo -= h / 2;
            xo += h;
            continue;
        }
        if (ch < kFontFirst || ch >= kFontFirst + kFontChars) continue;  // takes its cell, draws nothing
        double u = static_cast<double>(i) * h - xo;
        RenderCharacter(dev, font, ch - kFontFirst, pl, u, yo, h, a, rgb);
    }
}

void DrawText(App& app, const std::string& text, const std::string& just, double h, double a, double x, double y,
              uint32_t rgb) {
    ScreenDevice dev = MakeScreenDevice(app);
    RenderText(dev, app.font, app.set.FontDescender, text, just, h, a, x, y, rgb);
}

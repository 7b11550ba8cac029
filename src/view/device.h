// Output devices of the renderers. Each object kind's geometry is written
// once (view/render, view/font, view/shapes) and handed to a Device: the
// screen turns it into dots and one-pixel lines on the core's buffer; the
// printer and the plotter add their own devices in output/. A device owns
// the mapping from drawing units and how curves become output (dot runs at
// a step from its curve unit, or chords).
#pragma once
#include <cstdint>
#include <string>

struct Surface;

// What a curve is, for the device's step rule.
enum class CurveKind {
    Arc,          // an Arc object or an arc inside a shape: ends half a step past t1
    Circle,       // a Circle object or a circle inside a shape: t from 0 to 2 pi
    GlyphArc,     // an arc stroke of the stroke font: t from t0 to t1
    GlyphCircle,  // a circle stroke of the stroke font: t from 0 to 2 pi
};

// One curve: the points (cx + ax cos(t + rot), cy + ay sin(t + rot)) for t
// running from t0 towards t1, in drawing units.
struct Curve {
    CurveKind kind = CurveKind::Arc;
    double cx = 0, cy = 0;   // centre (drawing units)
    double ax = 0, ay = 0;   // x and y radii, signed by the mirror factors (drawing units)
    double rot = 0;          // added to t inside cos and sin (radians)
    double t0 = 0, t1 = 0;   // start and end of t (radians); circles run 0..2 pi
    double stepRadius = 1;   // the radius the step divides by: r, r*s, or height*stroke radius
    bool dialNumber = false; // a stroke of a dial's number (the plotter steps these by the screen zoom)
};

class Device {
public:
    virtual ~Device() = default;
    // One dot at a drawing point.
    virtual void Dot(double x, double y, uint32_t rgb) = 0;
    // Pen up to a drawing point; LineTo draws from there (pen down).
    virtual void MoveTo(double x, double y) = 0;
    virtual void LineTo(double x, double y, uint32_t rgb) = 0;
    // A whole curve, stepped by the device's own rule.
    virtual void DrawCurve(const Curve& c, uint32_t rgb) = 0;
    // False when nothing inside this drawing-unit box can reach the output,
    // so the caller may skip it. Devices that do not cull say true.
    virtual bool Touches(double minX, double minY, double maxX, double maxY) const;
    // A placed shape's file is missing. True when the device has dealt with
    // it (the printer's message, the plotter's silence); false leaves it to
    // the screen's question.
    virtual bool MissingShape(const std::string& name);
    // A whole text, before its strokes: true when the device has taken it
    // as text (a DXF file's TEXT entity); false draws the strokes.
    virtual bool Text(const std::string& text, const std::string& just, double h, double a, double x, double y,
                      uint32_t rgb);
    // A whole hidden segment, before its dashes (dash and gap in their stored
    // form): true when the device has taken it as one dashed line.
    virtual bool HiddenSegment(double x1, double y1, double x2, double y2, double dash, double gap, uint32_t rgb);
};

// The dot run of the screen and the printer: the angular step is
// (pi/360) * unit / radius, so dots fall about one device pixel apart when
// `unit` is the drawing-unit length of ten pixels' worth of the device.
// Calls dot(x, y) for every point. At most `maxDots` dots are made.
template <class DotFn>
void RunDots(const Curve& c, double unit, double pi, DotFn dot);

// The screen: dots and lines on the core's buffer through the view mapping
// x' = Zoom x + PanX, y' = ViewBase - Zoom y - PanY (twips), with the curve
// unit ViewWidth / 10 / Zoom.
class ScreenDevice final : public Device {
public:
    ScreenDevice(Surface& s, double zoom, double panX, double panY, double viewBase, double viewWidth,
                 double pi);
    void Dot(double x, double y, uint32_t rgb) override;
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y, uint32_t rgb) override;
    void DrawCurve(const Curve& c, uint32_t rgb) override;
    bool Touches(double minX, double minY, double maxX, double maxY) const override;
    // Culling off: every figure is walked in full (tests compare both).
    bool cull = true;
    // Previews: every pixel is inverted instead of set, so the same figure
    // drawn twice leaves the buffer as it was.
    bool invert = false;
    // Pixel of a drawing point.
    int PixelX(double x) const;
    int PixelY(double y) const;

private:
    Surface& s_;
    double zoom_, panX_, panY_, base_, unit_, pi_;
    int penX_ = 0, penY_ = 0;  // pixel of the pen after MoveTo / LineTo
    bool penInked_ = false;    // the pen's pixel was inverted by the LineTo before
};

// ---- template body ---------------------------------------------------------

#include <cmath>

// A curve never makes more dots than this, whatever its radius.
constexpr long kMaxCurveDots = 4000000;

template <class DotFn>
void RunDots(const Curve& c, double unit, double pi, DotFn dot) {
    const double twoPi = 2 * pi;
    double d, t, end;
    bool halfStep = false;
    switch (c.kind) {
    case CurveKind::Arc: {
        double diff = c.t1 - c.t0;
        double sign = diff > 0 ? 1 : (diff < 0 ? -1 : 0);
        d = sign * (pi / 360) * unit / std::fabs(c.stepRadius);
        t = c.t0, end = c.t1;
        halfStep = true;
        break;
    }
    case CurveKind::GlyphArc: {
        double diff = c.t1 - c.t0;
        double sign = diff > 0 ? 1 : (diff < 0 ? -1 : 0);
        d = sign * unit * (pi / 360) / c.stepRadius;
        t = c.t0, end = c.t1;
        break;
    }
    default:
        d = unit * (pi / 360) / c.stepRadius;
        t = 0, end = twoPi;
        break;
    }
    // A step of 0 (equal angles) or one that is no number would never end.
    if (!(d != 0) || !std::isfinite(d) || !std::isfinite(t) || !std::isfinite(end)) return;
    double stop = halfStep ? end + d / 2 : end;
    for (long n = 0; n < kMaxCurveDots; ++n) {
        if (d > 0 ? !(t <= stop) : !(t >= stop)) break;
        dot(c.cx + c.ax * std::cos(t + c.rot), c.cy + c.ay * std::sin(t + c.rot));
        t += d;
    }
}

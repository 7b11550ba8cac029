// The dial renderer: lines and texts only, so every device draws it.
#include "view/dial.h"

#include <cmath>

#include "view/font.h"

namespace {

// Hands everything on, marking the curves as strokes of a dial's numbers.
class DialNumberDevice final : public Device {
public:
    explicit DialNumberDevice(Device& to) : to_(to) {}
    void Dot(double x, double y, uint32_t rgb) override { to_.Dot(x, y, rgb); }
    void MoveTo(double x, double y) override { to_.MoveTo(x, y); }
    void LineTo(double x, double y, uint32_t rgb) override { to_.LineTo(x, y, rgb); }
    void DrawCurve(const Curve& c, uint32_t rgb) override {
        Curve m = c;
        m.dialNumber = true;
        to_.DrawCurve(m, rgb);
    }
    bool Touches(double minX, double minY, double maxX, double maxY) const override {
        return to_.Touches(minX, minY, maxX, maxY);
    }
    bool Text(const std::string& text, const std::string& just, double h, double a, double x, double y,
              uint32_t rgb) override {
        return to_.Text(text, just, h, a, x, y, rgb);
    }

private:
    Device& to_;
};

}  // namespace

void RenderDial(Device& dev, const Font& font, double descender, const std::vector<DialMark>& marks,
                const std::vector<double>& arc, double textHeight, uint32_t rgb) {
    // 1. The scale arc of a law other than linear, whole.
    for (size_t i = 0; i + 3 < arc.size(); i += 2) {
        if (i == 0) dev.MoveTo(arc[0], arc[1]);
        dev.LineTo(arc[i + 2], arc[i + 3], rgb);
    }
    // 2. From the clockwise end: each mark, then (linear) the chord of the
    //    scale arc to the next mark's inner end (the pen's order on a plotter).
    for (size_t k = 0; k < marks.size(); ++k) {
        dev.MoveTo(marks[k].ix, marks[k].iy);
        dev.LineTo(marks[k].ox, marks[k].oy, rgb);
        if (arc.empty() && k + 1 < marks.size()) {
            dev.MoveTo(marks[k].ix, marks[k].iy);
            dev.LineTo(marks[k + 1].ix, marks[k + 1].iy, rgb);
        }
    }
    // 3. The numbers; infinity as two circles side by side along the label.
    DialNumberDevice numbers(dev);
    for (const DialMark& m : marks) {
        if (!m.numbered) continue;
        if (!m.infinity) {
            RenderText(numbers, font, descender, m.label, "M", textHeight, m.labelAngle, m.lx, m.ly, rgb);
            continue;
        }
        const double r = textHeight / 4;
        for (double side : {-1.0, 1.0}) {
            Curve c;
            c.kind = CurveKind::Circle;
            c.cx = m.lx + side * r * std::cos(m.labelAngle);
            c.cy = m.ly + side * r * std::sin(m.labelAngle);
            c.ax = c.ay = r;
            c.stepRadius = r;
            numbers.DrawCurve(c, rgb);
        }
    }
}

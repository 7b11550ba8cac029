// The dial renderer: lines and texts only, so every device draws it.
#include "view/dial.h"

#include "view/font.h"

void RenderDial(Device& dev, const Font& font, double descender, const std::vector<DialMark>& marks,
                double textHeight, uint32_t rgb) {
    // 1. The scale arc: chords from mark to mark.
    for (size_t k = 0; k + 1 < marks.size(); ++k) {
        dev.MoveTo(marks[k].ix, marks[k].iy);
        dev.LineTo(marks[k + 1].ix, marks[k + 1].iy, rgb);
    }
    // 2. The marks.
    for (const DialMark& m : marks) {
        dev.MoveTo(m.ix, m.iy);
        dev.LineTo(m.ox, m.oy, rgb);
    }
    // 3. The numbers.
    for (const DialMark& m : marks)
        if (m.numbered) RenderText(dev, font, descender, m.label, "M", textHeight, m.labelAngle, m.lx, m.ly, rgb);
}

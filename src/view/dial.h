// A dial on any device: the scale arc as chords joining the marks' inner
// ends, every mark as a line, and each major mark's number in the stroke
// font, upright, centred on its label point. The marks come from the one
// layout (model/dial.h). Called by the redraw, the designer's preview, and
// later the printer and the plotter.
#pragma once
#include <cstdint>
#include <vector>

#include "model/dial.h"
#include "view/device.h"

struct Font;

void RenderDial(Device& dev, const Font& font, double descender, const std::vector<DialMark>& marks,
                double textHeight, uint32_t rgb);
// The same with the scale arc of a law other than linear (DialArc): the
// arc as its own polyline instead of chords between the marks, and
// infinity as a lying figure eight of two circles.
void RenderDial(Device& dev, const Font& font, double descender, const std::vector<DialMark>& marks,
                const std::vector<double>& arc, double textHeight, uint32_t rgb);

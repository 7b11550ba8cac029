// A dial on any device: the scale arc as chords joining the marks' inner
// ends, every mark as a line, and each major mark's number in the stroke
// font, upright, centred on its label point. The marks come from the one
// layout (model/dial.h). Called by RenderSlot (the screen, printer, plotter
// and export) and the designer's preview.
#pragma once
#include <cstdint>
#include <vector>

#include "model/dial.h"
#include "view/device.h"

struct Font;

// A dial's marks and numbers. `arc` is the scale arc of a law other than
// linear (DialArc), drawn as its own polyline; when empty (linear) the arc
// is the chords between the marks. Infinity is a lying figure eight of two
// circles.
void RenderDial(Device& dev, const Font& font, double descender, const std::vector<DialMark>& marks,
                const std::vector<double>& arc, double textHeight, uint32_t rgb);

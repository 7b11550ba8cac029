// The geometry of Arcs, Circles and Lines (solid and hidden), written once
// for every output device: the screen redraw, the shape renderer, and later
// the printer and the plotter hand their own Device. Called by view/redraw,
// view/shapes and output/.
#pragma once
#include <cstdint>

#include "view/device.h"

struct Drawing;

// The hidden-line pattern in its stored form (drawing units).
struct HiddenPattern {
    double dash = 0.2;  // dash length plus half the gap
    double gap = 0.06;  // half the gap
};

// An Arc object of the table: angles normalised in the table first; nothing
// when they are equal or the radius is 0.
void RenderArcObject(Device& dev, Drawing& d, int slot, uint32_t rgb);
// A Circle object of the table.
void RenderCircleObject(Device& dev, const Drawing& d, int slot, uint32_t rgb);
// A polyline whose vertex k (1..last) is (xs[k-1], ys[k-1]): a repeated
// last vertex is dropped, every vertex is scaled about the first by fx, fy,
// and each segment is drawn solid, or hidden (type 1) with its own pattern.
void RenderPolyline(Device& dev, const double* xs, const double* ys, int last, int lineType, double fx,
                    double fy, const HiddenPattern& hp, uint32_t rgb);
// One hidden segment: both ends solid, one gap centred on every cell
// boundary of the pattern.
void RenderHiddenSegment(Device& dev, double x1, double y1, double x2, double y2, const HiddenPattern& hp,
                         uint32_t rgb);

// Objects put straight into a table, for tests that need a drawing without
// drawing it: an object of a kind at a point, and a Line of two vertices.
#pragma once
#include <cstdint>

#include "model/drawing.h"

// The next slot: kind at (x, y) with its size and colour, factors 1.
inline int AddObject(Drawing& d, const char* kind, double x, double y, double size, int color = 1) {
    const int s = d.ObjNext++;
    d.ObjType[s] = kind;
    d.ObjNum[s] = static_cast<int16_t>(s);
    d.ObjX[s] = x, d.ObjY[s] = y, d.ObjSize[s] = size;
    d.ObjColor[s] = static_cast<int16_t>(color);
    d.ObjXScale[s] = d.ObjYScale[s] = 1;
    return s;
}

// A Line from (x1, y1) to (x2, y2); type 1 is hidden.
inline int AddLine(Drawing& d, double x1, double y1, double x2, double y2, int color = 1, int type = 0) {
    const int s = AddObject(d, "Line", 0, 0, 2, color);
    d.VertX(s, 1) = x1, d.VertY(s, 1) = y1, d.VertX(s, 2) = x2, d.VertY(s, 2) = y2;
    d.ObjLineType[s] = static_cast<int16_t>(type);
    return s;
}

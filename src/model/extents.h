// The extents computation: every object widens its own box (Shape, Text) and
// the drawing extents. Used by the file reader and writer and every transform.
#pragma once
#include "model/drawing.h"

// Lowers ExtMin*/raises ExtMax* to include (x, y), and widens the slot's box.
void ExtendExtents(Drawing& d, int slot, double x, double y);
// Every bounding point of one object goes through ExtendExtents.
void UpdateObjectExtents(Drawing& d, int slot);
// Resets the extents and grows them by every object in 1..ObjNext-1.
void RecomputeExtents(Drawing& d);
// The box of a Text from its height, angle, insertion point and justification.
void UpdateTextBox(Drawing& d, int slot);
// Characters of a text that take a cell: its length minus the "[" and "]".
int TextCellCount(const std::string& text);
// Brings an arc's angles to the canonical form every consumer of arcs relies
// on: never more than half a turn (plus 0.0044) from start to end,
// counter-clockwise when end > start; half circles get a fixed direction.
void NormaliseArcAngles(double& start, double& end, double pi);
// x' = (x cos a - y sin a) f sx + cx, y' = (x sin a + y cos a) f sy + cy; 0 factors count as 1.
void TransformPoint(double x, double y, double sx, double sy, double f, double cx, double cy, double a,
                    double& ox, double& oy);

// The transforms of the listed objects (SelList[0..SelCount-1]): copy,
// mirror, rotate, scale, lock and colour. Shared by the editing commands,
// Undo, and later the arrays, the animation and the clipboard. Each walks
// the list in order; a 0 entry (a pick taken back) names slot 0, which never
// holds an object.
#pragma once
#include <cstdint>

struct App;
struct Point2;

struct Transforms {
    double RotateAngle = 0;   // angle of the rotation (radians, counter-clockwise)
    int16_t MirrorSignX = 1;  // -1 mirrors across the vertical through Pt1 (Flip and Mirror "H")
    int16_t MirrorSignY = 1;  // -1 mirrors across the horizontal through Pt1 ("V")
    double ScaleFactorX = 1;  // factors of Scale about Pt1
    double ScaleFactorY = 1;
};

// Appends a copy of each listed object, moved by dst - src, at ObjNext. The
// copies that would pass slot 3000 are not made: the user is told the
// drawing is full, and the selection count becomes the number of copies
// made, so the command and its Undo work on exactly those. Returns it.
int CopySelected(App& app, const Point2& src, const Point2& dst);
// Mirrors each listed object about Pt1 with MirrorSignX and MirrorSignY.
void MirrorSelected(App& app);
// Rotates every listed object about Pt1 by RotateAngle. A quarter turn
// exchanges the X and Y factors; a mirrored Shape turns the other way.
// UndoValue(0) keeps the angle for Undo.
void RotateObject(App& app);
// Scales each listed object about Pt1 by ScaleFactorX and ScaleFactorY;
// UndoValue(0) and UndoValue(1) keep the factors for Undo.
void ScaleSelected(App& app);
// Locks each listed object (its colour number turns negative).
void LockSelected(App& app);
// Gives each listed object colour number n, keeping the old one for Undo.
void SetSelectedColor(App& app, int n);

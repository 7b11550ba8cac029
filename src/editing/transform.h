// The transforms of the listed objects (SelList[0..SelCount-1]) that the
// editing commands, the arrays and the dimension's arrowheads share. Called
// by the Rotate command, the polar array, the animation and the Dimension
// command.
#pragma once

struct App;

struct Transforms {
    double RotateAngle = 0;   // angle of the rotation (radians, counter-clockwise)
};

// Rotates every listed object about Pt1 by RotateAngle. A quarter turn
// exchanges the X and Y factors; a mirrored Shape turns the other way.
// UndoValue(0) keeps the angle for Undo.
void RotateObject(App& app);

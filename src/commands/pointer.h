// Pointer input: the move handler that keeps the cross-hair, the readout and
// the previews up to date, and the three previews drawn by inverting pixels
// (rubber-band line, rubber-band circle, selection window). Called by the Qt
// drawing area and the commands; the button-press handler that routes a
// click to the running command is tables/clicks.h.
#pragma once

struct App;
struct Point2;

enum MouseButton { kButtonLeft = 1, kButtonRight = 2, kButtonMiddle = 4 };
enum MouseShift { kShiftKey = 1, kCtrlKey = 2 };

// The pointer moved over the drawing area (twips).
void Form_MouseMove(App& app, int button, int shift, float x, float y);

// The rubber-band line from p to q with its R and Theta readout.
void RubberBandLine(App& app, const Point2& p, const Point2& q);
// The rubber-band circle about c through p (not while CircleBandOff).
void RubberBandCircle(App& app, const Point2& c, const Point2& p);
// The dotted selection window with corners Pt1 and Pt2.
void DrawSelectWindow(App& app);
// The rubber bands the move handler keeps on the screen for the running
// command (line, and circle for the arcs and Circle), inverted once more:
// called before a click changes the band's points it erases them, called
// after it draws them anew.
void ToggleRubberBands(App& app);
// Moves c onto the perpendicular bisector of Pt3 (start) and Pt1 (end): the
// centre of a three-point arc.
void ConstrainArc3Centre(const App& app, Point2& c);

// The whole-view redraw and the screen's primitives: the colour table, the
// grid, the renderers of the table's objects on the screen, the prompt
// line's texts, the cross-hair by pixel inversion and the trace picture
// behind the drawing. Called at the end of every change (CancelCommand), by
// the file commands, the View commands, the selection and the pointer
// handlers.
#pragma once
#include <cstdint>
#include <string>

struct App;
class Device;
class ScreenDevice;

// Flag bit 1: leave one cross-hair visible at the end. Callers use 1, 3 and 0.
void ScreenRedraw(App& app, int flag);
// The screen colours of colour numbers -7..7 from the board colour (start-up).
void FillColorTable(App& app);
// The screen colour of a colour number (repairs nothing).
uint32_t ColorOf(const App& app, int color);
// The grid of the limits and the origin dot.
void DrawGrid(App& app);
// The screen device of the current view.
ScreenDevice MakeScreenDevice(App& app);

// One object of the table on the screen.
void DrawArcObject(App& app, int slot, uint32_t rgb);
void DrawCircleObject(App& app, int slot, uint32_t rgb);
// Vertices (slot, 1..last) of the table's vertex arrays.
void DrawPolyline(App& app, int slot, int lineType, uint32_t rgb, int last, double fx, double fy);
// One slot of the table through any device, by its kind, in the colour rgb
// (the screen, the printer and the plotter draw the table through this);
// false when the caller must stop after it (a missing shape is being renamed).
bool RenderSlot(App& app, Device& dev, int slot, uint32_t rgb);
// Any object of the table on the screen in the colour rgb, as the redraw
// draws it (the selection's highlight).
void DrawObject(App& app, int slot, uint32_t rgb);

// The prompt line: blanks its two rows left of the zoom figure, writes the
// prompt at (200, 0), the filler under it and, when boxLeft >= 0, "TAB to
// Enter" under the input box.
void PaintPromptLine(App& app, const std::string& prompt, double boxLeft, const std::string& filler);

// The cross-hair at a drawing point, by inverting pixels: drawn twice, gone.
void DrawCrossHair(App& app, double x, double y);

// The trace picture: a picture file of the drawing's folder becomes the
// background of the drawing area (it is not part of the drawing). False,
// after a message naming the file, when it cannot be loaded.
bool LoadTracePicture(App& app, const std::string& name);

// The whole-view redraw: clears the surface to the board colour, draws the
// grid, then every object with its kind's renderer, and the prompt line's
// readout. Called at the end of every change (CancelCommand) and by the file
// commands.
#pragma once

struct App;

// flag 1: a full redraw; 3: the same after a view change.
void ScreenRedraw(App& app, int flag);
// The grid of the limits and the origin dot.
void DrawGrid(App& app);

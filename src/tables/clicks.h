// The click routing: a press of a button on the drawing area goes to the
// running command through the click table. Called by the Qt drawing area.
#pragma once

struct App;

// A click on the drawing area: button code, modifier mask, position (twips).
void Form_MouseDown(App& app, int button, int shift, float x, float y);
// The middle button: the command named in RepeatCommand again.
void RepeatLastCommand(App& app);

// Keys of the key catcher Text1 and the input box Text2: Escape cancels,
// Enter commits, and the single-key shortcuts arm commands. Called by the Qt
// binding with key codes of the classic window system (13 Enter, 27 Escape,
// 65 A, ...) and the modifier state (1 Shift, 2 Ctrl, 3 both).
#pragma once

struct App;

void Text1_KeyDown(App& app, int keyCode, int shift);
void Text2_KeyPress(App& app, int charCode);

// Undo: the last undoable command, reversed once through the table of
// reversals. Called by the Edit menu's Undo entry.
#pragma once

struct App;

void Undo_Click(App& app);

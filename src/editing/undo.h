// Undo: the last undoable command, reversed once. The reversal of each
// command is a row of the table in undo.cpp; the editing commands add
// theirs. Called by the Edit menu's Undo entry.
#pragma once

struct App;

void Undo_Click(App& app);

// The reversals of the undoable commands: each undoes the last operation
// once. Undo_Click walks the table of reversals (tables/undo.h); the
// editing commands add theirs here and a row there.
#pragma once

struct App;

// The newest object goes, when the command stored one.
void Undo_RemoveNewest(App& app);
// A changed Text gets its old text back from the undo file; a new Text goes.
void Undo_Text(App& app);

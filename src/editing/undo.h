// The reversals of the undoable commands: each undoes the last operation
// once. Undo_Click walks the table of reversals (tables/undo.h); the
// editing commands add theirs here and a row there.
#pragma once

struct App;

// The newest object goes, when the command stored one.
void Undo_RemoveNewest(App& app);
// A changed Text gets its old text back from the undo file; a new Text goes.
void Undo_Text(App& app);
// The editing commands, on the slots SelList[0..UndoCount-1] they worked on.
void Undo_Color(App& app);     // the old colours come back
void Undo_Copy(App& app);      // the copies go
void Undo_Delete(App& app);    // the objects come back in their own slots
void Undo_Move(App& app);      // the moved copies go, the originals come back
void Undo_Flip(App& app);      // flipped again
void Undo_Mirror(App& app);    // the copies go and the originals are flipped back
void Undo_Rotate(App& app);    // turned back about the same centre
void Undo_Scale(App& app);     // scaled by the inverse factors
void Undo_Unlock(App& app);    // what the unlock freed is locked again

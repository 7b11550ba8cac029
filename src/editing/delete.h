// Deleting the listed objects: each slot is emptied in place and its kind
// and size go to the undo store, so Undo can bring it back in its own slot.
// Called by Delete, Move, Cut to Clipboard and the missing-shape answer.
#pragma once

struct App;

// Empties every slot of SelList[0..SelCount-1].
void DeleteSelected(App& app);

// Appending objects: the one place that knows the table's capacity. Every
// drawing command asks BeginAppend for the slot of its new object and ends
// with CommitAppend; a Line asks VertexRoom before each new vertex. A full
// table or a full Line is refused with a message, never written past.
#pragma once
#include <string>

struct App;

// The slot the new object goes to (ObjNext), or 0 after telling the user the
// drawing is full (3000 objects).
int BeginAppend(App& app);
// True when vertex position k (1-based) exists; otherwise tells the user.
bool VertexRoom(App& app, int k);
// Fills the fields every new object takes (colour; for a Line its line type,
// width and factors 1, 1), numbers it, sets its kind last, moves ObjNext on
// and marks the drawing changed.
void CommitAppend(App& app, int slot, const std::string& kind);

// Appending objects to the table: the one place that knows its capacity.
// The table side only answers "does it fit" and stores the finished object;
// the commands' side (commands/append.h) tells the user when it does not.
#pragma once
#include <string>

struct Drawing;

// The slot a new object goes to (ObjNext), or 0 when the table is full.
int NextFreeSlot(const Drawing& d);
// True when n more objects fit from ObjNext on.
bool SlotsFree(const Drawing& d, int n);
// True when vertex position k (1-based) of a Line exists.
bool VertexFits(int k);
// Numbers the new object, sets its kind, removes a Line's repeated
// vertices, moves ObjNext on and marks the drawing changed. The command has
// filled its other fields (colour, line type, factors) at the steps where
// the user gave them.
void CommitAppend(Drawing& d, int slot, const std::string& kind);

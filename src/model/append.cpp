// Appending objects to the table, with the capacity tests every command
// that adds objects shares.
#include "model/append.h"

#include "model/drawing.h"

int NextFreeSlot(const Drawing& d) {
    const int slot = d.ObjNext;
    return slot >= 1 && slot <= kMaxSlot ? slot : 0;
}

bool SlotsFree(const Drawing& d, int n) {
    const int first = d.ObjNext;
    return first >= 1 && first + n - 1 <= kMaxSlot;
}

bool VertexFits(int k) { return k >= 1 && k <= kMaxVertex; }

void CommitAppend(Drawing& d, int slot, const std::string& kind) {
    if (slot < 1 || slot > kMaxSlot) return;
    d.ObjNum[slot] = static_cast<int16_t>(slot);
    d.ObjType[slot] = kind;
    RemoveDuplicateVertices(d, slot);  // a Line keeps each repeated vertex once
    if (d.ObjNext <= slot) d.ObjNext = static_cast<int16_t>(slot + 1);
    d.DrawingChanged = true;
}

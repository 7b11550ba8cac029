// The object table's storage and its table-wide operations: clearing,
// duplicate-vertex removal, the colour and line-type words. Called by every
// room that changes the table.
#include "model/drawing.h"

#include <cmath>

#include <cstdlib>
#include <new>

const std::array<const char*, 8> ColorNames = {
    "White  ", "White  ", "Red    ", "Green  ", "Yellow ", "Blue   ", "Magenta", "Cyan   "};
const std::array<const char*, 2> LineTypeNames = {"Solid ", "Hidden"};

VertexArray::VertexArray()
    : data_(static_cast<double*>(std::calloc(static_cast<size_t>(kSlots) * kVertPerSlot, sizeof(double)))) {
    if (!data_) throw std::bad_alloc();  // only at start-up, before any drawing exists
}

VertexArray::~VertexArray() { std::free(data_); }

bool IsObjectKind(const std::string& kind) {
    return kind == "Arc" || kind == "Circle" || kind == "Dial" || kind == "Line" || kind == "Shape" ||
           kind == "Text";
}

void ClearObjects(Drawing& d) {
    if (d.ObjNext < 1) {
        d.ObjNext = 1;
        return;
    }
    int last = d.ObjNext > kMaxSlot ? kMaxSlot : d.ObjNext;
    for (int s = 1; s <= last; ++s) d.ObjType[s].clear();
    d.ObjNext = 1;
}

void RemoveDuplicateVertices(Drawing& d, int slot) {
    if (d.ObjType[slot] != "Line") return;
    int n = static_cast<int>(d.ObjSize[slot]);
    if (n > kMaxVertex) n = kMaxVertex;
    int kept = n >= 1 ? 1 : 0;
    for (int k = 2; k <= n; ++k) {
        if (d.VertX(slot, k) == d.VertX(slot, kept) && d.VertY(slot, k) == d.VertY(slot, kept)) continue;
        ++kept;
        if (kept != k) {
            d.VertX(slot, kept) = d.VertX(slot, k);
            d.VertY(slot, kept) = d.VertY(slot, k);
        }
    }
    d.ObjSize[slot] -= (n - kept);
}

void ResetExtents(Drawing& d) {
    d.ExtMinX = 1000;
    d.ExtMaxX = -1000;
    d.ExtMinY = 1000;
    d.ExtMaxY = -1000;
}

int VertexCountOf(double size) {
    if (!(size > 0)) return 0;
    const double n = std::nearbyint(size);
    return n > kMaxVertex ? kMaxVertex : static_cast<int>(n);
}

// Appending objects to the table, with the capacity checks every drawing
// command shares.
#include "model/append.h"

#include "app.h"
#include "model/messages.h"

int BeginAppend(App& app) {
    int slot = app.dwg.ObjNext;
    if (slot < 1 || slot > kMaxSlot) {
        app.ui.MsgBox(kMsgDrawingFull, MsgButtons::OK, MsgIcon::Warning, "");
        return 0;
    }
    return slot;
}

bool RoomFor(App& app, int n) {
    const int first = app.dwg.ObjNext;
    if (first >= 1 && first + n - 1 <= kMaxSlot) return true;
    app.ui.MsgBox(kMsgDrawingFull, MsgButtons::OK, MsgIcon::Warning, "");
    return false;
}

bool VertexRoom(App& app, int k) {
    if (k >= 1 && k <= kMaxVertex) return true;
    app.ui.MsgBox(kMsgLineFull, MsgButtons::OK, MsgIcon::Warning, "");
    return false;
}

void CommitAppend(App& app, int slot, const std::string& kind) {
    Drawing& d = app.dwg;
    if (slot < 1 || slot > kMaxSlot) return;
    d.ObjNum[slot] = static_cast<int16_t>(slot);
    d.ObjType[slot] = kind;
    RemoveDuplicateVertices(d, slot);  // a Line keeps each repeated vertex once
    if (d.ObjNext <= slot) d.ObjNext = static_cast<int16_t>(slot + 1);
    d.DrawingChanged = true;
}

// The drawing-full messages around the table's append step.
#include "commands/append.h"

#include "app.h"
#include "model/append.h"
#include "model/messages.h"

static void Full(App& app, const char* message) { app.ui.MsgBox(message, MsgButtons::OK, MsgIcon::Warning, ""); }

int BeginAppend(App& app) {
    const int slot = NextFreeSlot(app.dwg);
    if (slot == 0) Full(app, kMsgDrawingFull);
    return slot;
}

bool RoomFor(App& app, int n) {
    if (SlotsFree(app.dwg, n)) return true;
    Full(app, kMsgDrawingFull);
    return false;
}

bool VertexRoom(App& app, int k) {
    if (VertexFits(k)) return true;
    Full(app, kMsgLineFull);
    return false;
}

void CommitAppend(App& app, int slot, const std::string& kind) { CommitAppend(app.dwg, slot, kind); }

// The undo table: one row per undoable command with its reversal, which
// lives in the command's room. A command that becomes undoable adds its
// row here.
#include "tables/undo.h"

#include "app.h"
#include "commands/registers.h"
#include "editing/arrays.h"
#include "editing/undo.h"

namespace {

struct UndoRow {
    const char* op;              // UndoOp
    void (*reverse)(App&);
};

const UndoRow kRows[] = {
    {"Arc", Undo_RemoveNewest},    {"Arc2", Undo_RemoveNewest}, {"Arc3", Undo_RemoveNewest},
    {"Circle", Undo_RemoveNewest}, {"Dial", Undo_RemoveNewest}, {"Line", Undo_RemoveNewest},
    {"Shape", Undo_RemoveNewest},  {"Text", Undo_Text},         {"Color", Undo_Color},
    {"Copy", Undo_Copy},           {"Delete", Undo_Delete},     {"Move", Undo_Move},
    {"Flip", Undo_Flip},           {"Mirror", Undo_Mirror},     {"Rotate", Undo_Rotate},
    {"Scale", Undo_Scale},         {"Unlock", Undo_Unlock},     {"CutToCB", Undo_Delete},
    {"PasteFromCB", Undo_Copy},    {"ArrayPol", Undo_Array},    {"ArrayRec", Undo_Array},
};

}  // namespace

void Undo_Click(App& app) {
    Registers& c = app.cmd;
    if (c.UndoOp == "None") return;
    for (const UndoRow& r : kRows)
        if (c.UndoOp == r.op) r.reverse(app);
    // The reset with the register at "None" ends the journal and redraws.
    c.CurCommand = "None";
    CancelCommand(app, 1);
    c.UndoCount = 0;
}

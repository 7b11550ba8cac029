// The reversals by command. A drawing command's object is the last one of
// the table; a new Text's reversal is that too, unless the text-undo file
// holds an old text to bring back. A command cancelled before it stored
// anything leaves nothing to take away: the newest object then belongs to
// an earlier command and stays.
#include "editing/undo.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app.h"
#include "commands/registers.h"
#include "commands/shell.h"
#include "model/dwgfile.h"
#include "model/numbers.h"

namespace {

void RemoveNewest(App& app) {
    Drawing& d = app.dwg;
    if (!app.cmd.UndoStored || d.ObjNext < 2) return;
    d.ObjNext = static_cast<int16_t>(d.ObjNext - 1);
    d.ObjType[d.ObjNext].clear();
    d.DrawingChanged = true;
}

// The old text of a changed Text comes back from the undo file; without
// the file the Text was a new one and goes.
void UndoText(App& app) {
    const std::string path = app.set.DataFolder + kUndoFileName;
    if (!FileExists(path)) {
        RemoveNewest(app);
        return;
    }
    std::vector<std::string> lines;
    LoadTextLines(path, lines);
    // A file that does not read leaves the drawing as it is.
    if (lines.size() >= 3) {
        const int count = static_cast<int>(LeadingNumber(lines[0]));
        const int slot = static_cast<int>(LeadingNumber(lines[1]));
        if (count >= 1 && count <= kMaxSlot && slot >= 1 && slot <= kMaxSlot) {
            app.sel.SelCount = static_cast<int16_t>(count);
            app.sel.SelList[count - 1] = static_cast<int16_t>(slot);
            app.dwg.ObjText[slot] = lines[2];
            app.dwg.DrawingChanged = true;
        }
    }
    std::remove(path.c_str());
}

struct UndoRow {
    const char* op;              // UndoOp
    void (*reverse)(App&);
};

const UndoRow kRows[] = {
    {"Arc", RemoveNewest},    {"Arc2", RemoveNewest}, {"Arc3", RemoveNewest},
    {"Circle", RemoveNewest}, {"Dial", RemoveNewest}, {"Line", RemoveNewest},
    {"Shape", RemoveNewest},  {"Text", UndoText},
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

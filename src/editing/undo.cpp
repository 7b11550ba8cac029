// The reversals by command, each a row of the undo table (tables/undo.cpp).
// A drawing command's object is the last one of the table; a new Text's
// reversal is that too, unless the text-undo file holds an old text to
// bring back. A command cancelled before it stored anything leaves nothing
// to take away: the newest object then belongs to an earlier command and
// stays.
#include "editing/undo.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app.h"
#include "commands/shell.h"
#include "model/numbers.h"
#include "model/textfile.h"

void Undo_RemoveNewest(App& app) {
    Drawing& d = app.dwg;
    if (!app.cmd.UndoStored || d.ObjNext < 2) return;
    d.ObjNext = static_cast<int16_t>(d.ObjNext - 1);
    d.ObjType[d.ObjNext].clear();
    d.DrawingChanged = true;
}

// The old text of a changed Text comes back from the undo file; without
// the file the Text was a new one and goes.
void Undo_Text(App& app) {
    const std::string path = app.set.DataFolder + kUndoFileName;
    if (!FileExists(path)) {
        Undo_RemoveNewest(app);
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

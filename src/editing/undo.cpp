// The reversals by command, each a row of the undo table (tables/undo.cpp).
// A drawing command's object is the last one of the table; a new Text's
// reversal is that too, unless the text-undo file holds an old text to
// bring back. A command cancelled before it stored anything leaves nothing
// to take away: the newest object then belongs to an earlier command and
// stays.
#include "editing/undo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app.h"
#include "commands/shell.h"
#include "editing/transform.h"
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

// ---- the editing commands -------------------------------------------------------------

namespace {

// The slots the undone operation worked on: SelList[0..UndoCount-1].
template <class Fn>
void EachUndone(App& app, Fn fn) {
    const int n = std::min<int>(app.cmd.UndoCount, static_cast<int>(app.sel.SelList.size()));
    for (int k = 0; k < n; ++k) {
        const int s = app.sel.SelList[k];
        if (s >= 0 && s <= kMaxSlot) fn(s);
    }
}

// A slot emptied by Delete, Cut or Move comes back with its kind and size.
void Restore(Drawing& d, int s) {
    d.ObjType[s] = d.UndoType[s];
    d.UndoType[s].clear();
    d.ObjSize[s] = d.UndoValue[s];
    d.UndoValue[s] = 0;
}

// The newest object goes: a copy made by the undone operation.
void DropNewest(Drawing& d) {
    if (d.ObjNext < 2) return;
    d.ObjNext = static_cast<int16_t>(d.ObjNext - 1);
    d.ObjType[d.ObjNext].clear();
}

// The copies of Copy and Mirror go; the sources keep their sizes.
void DropCopies(App& app) {
    Drawing& d = app.dwg;
    EachUndone(app, [&](int s) {
        d.ObjSize[s] = d.UndoValue[s];
        d.UndoValue[s] = 0;
        DropNewest(d);
    });
}

void RunAgainOnSelection(App& app, void (*op)(App&)) {
    app.sel.SelCount = app.cmd.UndoCount;
    op(app);
}

}  // namespace

void Undo_Color(App& app) {
    Drawing& d = app.dwg;
    EachUndone(app, [&](int s) { d.ObjColor[s] = static_cast<int16_t>(std::nearbyint(d.UndoValue[s])); });
    d.DrawingChanged = true;
}

void Undo_Copy(App& app) {
    DropCopies(app);
    app.dwg.DrawingChanged = true;
}

void Undo_Delete(App& app) {
    Drawing& d = app.dwg;
    EachUndone(app, [&](int s) { Restore(d, s); });
    d.DrawingChanged = true;
}

void Undo_Move(App& app) {
    Drawing& d = app.dwg;
    EachUndone(app, [&](int s) {
        DropNewest(d);
        Restore(d, s);
    });
    d.DrawingChanged = true;
}

// A flip undoes itself: the same signs about the same point.
void Undo_Flip(App& app) {
    RunAgainOnSelection(app, MirrorSelected);
    app.dwg.DrawingChanged = true;
}

void Undo_Mirror(App& app) {
    DropCopies(app);
    RunAgainOnSelection(app, MirrorSelected);
    app.dwg.DrawingChanged = true;
}

void Undo_Rotate(App& app) {
    app.xform.RotateAngle = -app.dwg.UndoValue[0];
    RunAgainOnSelection(app, RotateObject);
    app.dwg.DrawingChanged = true;
}

void Undo_Scale(App& app) {
    Drawing& d = app.dwg;
    // A factor of 0 cannot be reversed: dividing by it would write
    // infinities into the table, so the objects are left as they are.
    if (d.UndoValue[0] == 0 || d.UndoValue[1] == 0) return;
    app.xform.ScaleFactorX = 1 / d.UndoValue[0];
    app.xform.ScaleFactorY = 1 / d.UndoValue[1];
    RunAgainOnSelection(app, ScaleSelected);
    d.UndoValue[0] = d.UndoValue[1] = 0;
    d.DrawingChanged = true;
}

// The objects the unlock made positive (mark -1) are locked again.
void Undo_Unlock(App& app) {
    Drawing& d = app.dwg;
    const int last = std::min<int>(d.ObjNext - 1, kMaxSlot);
    for (int s = 1; s <= last; ++s)
        d.ObjColor[s] = static_cast<int16_t>(std::nearbyint(d.ObjColor[s] * d.UndoValue[s]));
    d.DrawingChanged = true;
}

// The click table. A click walks it in the program's order of testing;
// every row tests the command register at the moment it is reached, so a
// row that ends a command keeps later rows from taking the same click. The
// handlers live in their rooms; a new command adds its row at its order
// number.
#include "tables/clicks.h"

#include <string>
#include <vector>

#include "app.h"
#include "commands/browser.h"
#include "commands/dimension.h"
#include "commands/draw.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/viewmenu.h"
#include "dial/designer.h"
#include "editing/arrays.h"
#include "editing/change.h"
#include "editing/clipboard.h"
#include "editing/editcmds.h"
#include "editing/selection.h"
#include "tables/starters.h"

namespace {

// Which register a row tests.
enum class Match {
    Command,       // CurCommand equals the row's name
    WindowSelect,  // a selection window is being picked while a command runs
    Middle,        // the middle button, whatever runs
};

struct ClickRow {
    int order;                 // the row's place in the program's order of testing
    const char* command;       // CurCommand the row takes (Match::Command)
    bool skipInWindow;         // skipped while WindowSelect is "SelectW"
    Match match;
    void (*click)(App&, int button, int shift, float x, float y);
};

void MiddleClick(App& app, int button, int, float, float) {
    if (button == kButtonMiddle) RepeatLastCommand(app);
}

const std::vector<ClickRow>& ClickTable() {
    static const std::vector<ClickRow> rows = {
        {1, "AnimR", true, Match::Command, AnimR_Click},
        {2, "Arc", false, Match::Command, Arc_Click},
        {3, "Arc2", false, Match::Command, Arc2_Click},
        {4, "Arc3", false, Match::Command, Arc3_Click},
        {5, "ArrayPol", true, Match::Command, ArrayPol_Click},
        {6, "ArrayRec", true, Match::Command, ArrayRec_Click},
        {7, "Circle", false, Match::Command, Circle_Click},
        {8, "Dial", false, Match::Command, Dial_Click},
        {9, "Dimension", false, Match::Command, Dimension_Click},
        {10, "Line", false, Match::Command, Line_Click},
        {11, "Shape", false, Match::Command, Shape_PlaceClick},
        {12, "Text", false, Match::Command, Text_Click},
        {13, "Change", false, Match::Command, Change_Click},
        {14, "Color", true, Match::Command, Color_Click},
        {14, "Copy", true, Match::Command, Copy_Click},
        {14, "CopyToCB", true, Match::Command, CopyToCB_Click},
        {14, "CutToCB", true, Match::Command, CutToCB_Click},
        {14, "Delete", true, Match::Command, Delete_Click},
        {14, "Flip", true, Match::Command, Flip_Click},
        {15, "Insert", false, Match::Command, Insert_Click},
        {16, "Lock", true, Match::Command, Lock_Click},
        {16, "Mirror", true, Match::Command, Mirror_Click},
        {16, "Move", true, Match::Command, Move_Click},
        {17, "PasteFromCB", false, Match::Command, PasteFromCB_Click},
        {18, "Pan", false, Match::Command, Pan_Click},
        {19, "Rotate", true, Match::Command, Rotate_Click},
        {19, "Scale", true, Match::Command, Scale_Click},
        {20, "", false, Match::WindowSelect, WindowSelect_Click},
        {21, "What", false, Match::Command, What_Click},
        {22, "", false, Match::Middle, MiddleClick},
    };
    return rows;
}

bool RowApplies(const App& app, const ClickRow& r) {
    const Registers& c = app.cmd;
    switch (r.match) {
    case Match::Command:
        if (r.skipInWindow && c.WindowSelect == "SelectW") return false;
        return c.CurCommand == r.command;
    case Match::WindowSelect:
        return c.WindowSelect == "SelectW" && c.CurCommand != "None";
    case Match::Middle:
        return true;
    }
    return false;
}

}  // namespace

void Form_MouseDown(App& app, int button, int shift, float x, float y) {
    if (!app.shell.Started) return;
    for (const ClickRow& r : ClickTable()) {
        if (!RowApplies(app, r)) continue;
        r.click(app, button, shift, x, y);
    }
    Registers& c = app.cmd;
    if (c.WindowSelect == "SelectW" && c.CurCommand == "None") CancelCommand(app, 0);
}

void RepeatLastCommand(App& app) {
    const std::string& r = app.cmd.RepeatCommand;
    if (r == "Shape") {
        // The newest object's symbol again, straight into placement.
        Drawing& d = app.dwg;
        if (app.cmd.CurCommand != "None" || d.ObjNext < 2 || d.ObjType[d.ObjNext - 1] != "Shape") return;
        ArmShape(app, d.ObjText[d.ObjNext - 1]);
        return;
    }
    // The designer opens again for another dial.
    if (r == "Dial") {
        DialDesigner_Click(app);
        return;
    }
    for (const char* name : {"Arc", "Arc2", "Arc3", "AnimR", "Circle", "Dimension", "Line", "Text"})
        if (r == name) RunStarter(app, name);
}

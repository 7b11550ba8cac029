// The polar array. Each round copies the previous round's copies in place
// and turns them one step about the centre, so the copies fall at 1, 2, ...
// steps. A count below 2 is refused (it would divide by zero); copies that
// would pass slot 3000 end the array with the drawing-full message, and
// what was made stays undoable.
#include "editing/arrays.h"

#include <cmath>

#include "app.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "editing/selection.h"
#include "editing/transform.h"
#include "view/view.h"

namespace {

const char* const kPromptMore = "Array, Polar:  Shift-clk more or L-Clk Center Point.";
const char* const kPromptCount = "Array, Polar: Number of objects in array.";
const char* const kPromptAngle = "Array, Polar: Angle of array.";
const char* const kMsgCount = "A polar array needs at least 2 objects.\r\nEnter a number of 2 or more.";

void MakePolarArray(App& app) {
    Arrays& ar = app.arrays;
    Drawing& d = app.dwg;
    Selection& sel = app.sel;
    if (ar.ArrayAngle == 360) ar.ArrayAngle = (1 - 1.0 / ar.ArrayCount) * 360;
    app.xform.RotateAngle = ar.ArrayAngle * d.PI / 180 / (ar.ArrayCount - 1);
    const int firstFree = d.ObjNext;
    for (int round = 1; round < ar.ArrayCount; ++round) {
        const int wanted = sel.SelCount;
        const int made = CopySelected(app, app.cmd.Pt1, app.cmd.Pt2);
        // The list names the copies just made, the last first, and they turn.
        for (int j = 0; j < made; ++j) sel.SelList[j] = static_cast<int16_t>(d.ObjNext - 1 - j);
        sel.SelCount = static_cast<int16_t>(made);
        RotateObject(app);
        if (made < wanted || made == 0) break;  // the table is full
    }
    ar.ArrayMade = d.ObjNext - firstFree;
}

}  // namespace

void ArrayPol_Click(App& app, int button, int shift, float x, float y) {
    if (button != kButtonLeft) return;
    Registers& c = app.cmd;
    const bool plain = (shift & (kShiftKey | kCtrlKey)) == 0;
    if (plain && app.sel.SelActive) {
        SnapToDrawing(app, x, y, c.Pt1.x, c.Pt1.y);
        c.Pt2 = c.Pt1;
        InputPrompt(app, 400, "2", kPromptCount);
        c.CmdStep = "Elmts";
        c.ClickCount += 1;
    } else if (!app.sel.SelActive) {
        PickObject(app, x, y, button, shift);
        InputPrompt(app, 0, "", kPromptMore);
    } else {
        c.RubberBandOn = false;
        PickObject(app, x, y, button, shift);
    }
}

void ArrayPol_Answer(App& app, const TypedAnswer&) {
    Registers& c = app.cmd;
    Arrays& ar = app.arrays;
    if (c.CmdStep == "Elmts") {
        const double n = std::nearbyint(c.TypedValue);
        if (!(n >= 2)) {
            app.ui.MsgBox(kMsgCount, MsgButtons::OK, MsgIcon::None, "");
            RejectAnswer(app);
            return;
        }
        ar.ArrayCount = static_cast<int16_t>(n > 3001 ? 3001 : n);
        InputPrompt(app, 600, "180", kPromptAngle);
        c.CmdStep = "Ang";
    } else if (c.CmdStep == "Ang") {
        ar.ArrayAngle = c.TypedValue;
        MakePolarArray(app);
        CancelCommand(app, 1);
        app.dwg.DrawingChanged = true;
    }
}

void Undo_Array(App& app) {
    Drawing& d = app.dwg;
    for (int k = 0; k < app.arrays.ArrayMade && d.ObjNext > 1; ++k) {
        d.ObjNext = static_cast<int16_t>(d.ObjNext - 1);
        d.ObjType[d.ObjNext].clear();
    }
    app.arrays.ArrayMade = 0;
    d.DrawingChanged = true;
}

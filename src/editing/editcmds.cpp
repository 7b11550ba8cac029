// The editing commands' steps. The pick-then-point commands (Move, Copy,
// Rotate, Scale, Flip, Mirror) take a plain left click after a pick as
// their reference point, pick while nothing is picked, and pick more (Shift)
// or take back (Ctrl) once something is; Delete, Lock and Color Change pick
// through PickAndContinue. A right click or a typed answer completes them.
#include "editing/editcmds.h"

#include <cmath>
#include <string>

#include "app.h"
#include "commands/menu_ids.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "editing/delete.h"
#include "editing/selection.h"
#include "editing/transform.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

const char* const kMoveMore = "Move:  Shift-click to select more.  Or left click source point.        ";
const char* const kMoveDest = "Move:  Right click destination point.     ";
const char* const kCopyMore = "Copy:  Shift-click to select more.  Or left click source point.        ";
const char* const kCopyDest = "Copy:  Right click destination point.     ";
const char* const kRotateMore = "Rotate:  Shift-click to select more.  Or left click center point.        ";
const char* const kScaleMore = "Scale:  Shift-click to select more.  Or left click base point.        ";
const char* const kFlipMore = "Flip:  Shift-click to select more.  Or left click Flip center.";
const char* const kFlipAsk = "Flip Horizontally=H, Vertically=V";
const char* const kMirrorMore = "Mirror:  Shift-click to select more.  Or left click Mirror point.";
const char* const kMirrorAsk = "Mirror: Horizontally=H, Vertically=V";

bool Plain(int shift) { return (shift & (kShiftKey | kCtrlKey)) == 0; }

// The reference point of a pick-then-point command: Pt1 and Pt2 at the click.
void TakePoint(App& app, float x, float y) {
    Registers& c = app.cmd;
    SnapToDrawing(app, x, y, c.Pt1.x, c.Pt1.y);
    c.Pt2 = c.Pt1;
}

// The source point of Move and Copy: the rubber band follows from it.
void TakeSource(App& app, float x, float y, const char* prompt) {
    TakePoint(app, x, y);
    app.cmd.RubberBandOn = true;
    app.cmd.ClickCount += 1;
    InputPrompt(app, 0, "", prompt);
}

void Finish(App& app) {
    app.dwg.DrawingChanged = true;
    CancelCommand(app, 1);
}

// Rotate and Scale share their mouse steps; `more` is the prompt after a first pick.
void PickThenCentre(App& app, int button, int shift, float x, float y, const char* more, bool ctrlKeepsBand) {
    Registers& c = app.cmd;
    if (button != kButtonLeft) return;
    if (Plain(shift) && app.sel.SelActive) {
        TakePoint(app, x, y);
        c.RubberBandOn = true;
        PromptAfterSelection(app);
        c.ClickCount += 1;
    } else if (!app.sel.SelActive) {
        PickObject(app, x, y, button, shift);
        InputPrompt(app, 0, "", more);
    } else {
        if (!(ctrlKeepsBand && shift == kCtrlKey)) c.RubberBandOn = false;
        PickObject(app, x, y, button, shift);
    }
}

// Flip and Mirror share their mouse steps and their H or V answer.
void PickThenAxis(App& app, int button, int shift, float x, float y, const char* command, const char* more,
                  const char* ask) {
    Registers& c = app.cmd;
    if (button != kButtonLeft) return;
    if (Plain(shift) && app.sel.SelActive) {
        TakePoint(app, x, y);
        PromptAfterSelection(app);
        c.ClickCount += 1;
    } else {
        PickObject(app, x, y, button, shift);
    }
    if (app.sel.SelActive) InputPrompt(app, 0, "", more);
    if (c.ClickCount >= 1) {
        InputPrompt(app, 400, "", ask);
        c.CurCommand = command;
        app.dwg.DrawingChanged = true;
    }
}

// "H" or "V" sets the mirror signs; false (the box asks again) for anything else.
bool TakeAxis(App& app, const TypedAnswer& a) {
    const std::string t = UpperText(a.text);
    Transforms& x = app.xform;
    if (t == "H") x.MirrorSignX = -1, x.MirrorSignY = 1;
    else if (t == "V") x.MirrorSignX = 1, x.MirrorSignY = -1;
    if (t == "H" || t == "V") return true;
    x.MirrorSignX = x.MirrorSignY = 1;
    RejectAnswer(app);
    return false;
}

void DeleteNow(App& app) {
    DeleteSelected(app);
    Finish(app);
}

void LockNow(App& app) {
    LockSelected(app);
    Finish(app);
}

}  // namespace

// ---- the pick-then-point commands -----------------------------------------------------

void Move_Click(App& app, int button, int shift, float x, float y) {
    Registers& c = app.cmd;
    if (button == kButtonRight) {
        if (c.ClickCount == 0) return;
        CopySelected(app, c.Pt1, c.Pt2);
        DeleteSelected(app);
        Finish(app);
        return;
    }
    if (button != kButtonLeft) return;
    if (Plain(shift) && app.sel.SelActive) {
        TakeSource(app, x, y, kMoveDest);
    } else if (!app.sel.SelActive) {
        PickObject(app, x, y, button, shift);
        InputPrompt(app, 0, "", kMoveMore);
    } else {
        c.RubberBandOn = false;
        PickObject(app, x, y, button, shift);
    }
}

void Copy_Click(App& app, int button, int shift, float x, float y) {
    Registers& c = app.cmd;
    if (button == kButtonRight) {
        // Not before the source point has been given.
        if (c.CmdStep != "Dest") return;
        CopySelected(app, c.Pt1, c.Pt2);
        Finish(app);
        return;
    }
    if (button != kButtonLeft) return;
    if (Plain(shift) && app.sel.SelActive) {
        TakeSource(app, x, y, kCopyDest);
        c.CmdStep = "Dest";
    } else if (!app.sel.SelActive) {
        c.ClickCount += 1;
        PickObject(app, x, y, button, shift);
        InputPrompt(app, 0, "", kCopyMore);
    } else {
        c.RubberBandOn = false;
        if (c.ClickCount == 2) {
            RubberBandLine(app, c.Pt1, c.Pt2);  // the band drawn once more is gone
            InputPrompt(app, 0, "", kCopyMore);
        }
        PickObject(app, x, y, button, shift);
    }
}

void Rotate_Click(App& app, int button, int shift, float x, float y) {
    Registers& c = app.cmd;
    if (button == kButtonRight) {
        if (c.ClickCount == 0) return;
        c.RepeatCommand = "Rotate";
        app.xform.RotateAngle = VectorAngle(app, c.Pt2.x - c.Pt1.x, c.Pt2.y - c.Pt1.y);
        RotateObject(app);
        Finish(app);
        return;
    }
    PickThenCentre(app, button, shift, x, y, kRotateMore, false);
}

void Scale_Click(App& app, int button, int shift, float x, float y) {
    Registers& c = app.cmd;
    if (button == kButtonRight) {
        if (c.ClickCount == 0) return;
        double fx = c.Pt2.x - c.Pt1.x, fy = c.Pt2.y - c.Pt1.y;
        // The pointer on the base point gives no factor: the command stays.
        if (fx == 0 && fy == 0) return;
        if (fx == 0) fx = fy;
        if (fy == 0) fy = fx;
        c.RepeatCommand = "Scale";
        app.xform.ScaleFactorX = fx;
        app.xform.ScaleFactorY = fy;
        ScaleSelected(app);
        Finish(app);
        return;
    }
    PickThenCentre(app, button, shift, x, y, kScaleMore, true);
}

void Flip_Click(App& app, int button, int shift, float x, float y) {
    PickThenAxis(app, button, shift, x, y, "Flip", kFlipMore, kFlipAsk);
}

void Mirror_Click(App& app, int button, int shift, float x, float y) {
    PickThenAxis(app, button, shift, x, y, "Mirror", kMirrorMore, kMirrorAsk);
}

// ---- the commands that pick and then ask ----------------------------------------------

void Delete_Click(App& app, int button, int shift, float x, float y) {
    if (button == kButtonLeft) PickAndContinue(app, x, y, button, shift);
    else if (button == kButtonRight) DeleteNow(app);
}

void Lock_Click(App& app, int button, int shift, float x, float y) {
    if (button == kButtonLeft) PickAndContinue(app, x, y, button, shift);
    else if (button == kButtonRight) LockNow(app);
}

void Color_Click(App& app, int button, int shift, float x, float y) {
    if (button == kButtonLeft) PickAndContinue(app, x, y, button, shift);
}

// ---- the typed answers ------------------------------------------------------------------

void Rotate_Answer(App& app, const TypedAnswer&) {
    app.xform.RotateAngle = app.cmd.TypedValue * app.dwg.PI / 180;
    RotateObject(app);
    Finish(app);
}

void Scale_Answer(App& app, const TypedAnswer& a) {
    app.xform.ScaleFactorX = a.pair ? a.x : app.cmd.TypedValue;
    app.xform.ScaleFactorY = a.pair ? a.y : app.cmd.TypedValue;
    ScaleSelected(app);
    Finish(app);
}

void Flip_Answer(App& app, const TypedAnswer& a) {
    if (!TakeAxis(app, a)) return;
    MirrorSelected(app);
    CancelCommand(app, 1);
}

void Mirror_Answer(App& app, const TypedAnswer& a) {
    if (!TakeAxis(app, a)) return;
    // The unmirrored copies stay where the picked objects were.
    CopySelected(app, app.cmd.Pt1, app.cmd.Pt2);
    MirrorSelected(app);
    CancelCommand(app, 1);
}

void Delete_Answer(App& app, const TypedAnswer& a) {
    const std::string t = UpperText(a.text);
    if (t == "Y") DeleteNow(app);
    else if (t == "N") CancelCommand(app, 1);
    else RejectAnswer(app);
}

void Lock_Answer(App& app, const TypedAnswer& a) {
    if (UpperText(a.text) == "Y") LockNow(app);
}

void Color_Answer(App& app, const TypedAnswer&) {
    // The leading number, rounded; a colour number is a 16-bit value.
    double n = std::nearbyint(app.cmd.TypedValue);
    if (!(n >= -32768)) n = -32768;
    if (n > 32767) n = 32767;
    SetSelectedColor(app, static_cast<int>(n));
    Finish(app);
}

// ---- Unlock All ----------------------------------------------------------------------------

void Unlock_Click(App& app) {
    if (app.cmd.CurCommand != "None") return;
    Drawing& d = app.dwg;
    const int last = std::min<int>(d.ObjNext - 1, kMaxSlot);
    for (int s = 1; s <= last; ++s) {
        if (d.ObjColor[s] < 0) {
            d.ObjColor[s] = static_cast<int16_t>(-d.ObjColor[s]);
            d.UndoValue[s] = -1;
            d.DrawingChanged = true;
        } else {
            d.UndoValue[s] = 1;
        }
    }
    // The reset of the idle register would clear the journal: Unlock writes it itself.
    CancelCommand(app, 1);
    app.cmd.UndoOp = "Unlock";
    app.cmd.UndoCount = 0;
    app.ui.MenuSetEnabled(kMenuUndo, true);
}

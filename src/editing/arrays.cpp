// The polar array. Each round copies the previous round's copies in place
// and turns them one step about the centre, so the copies fall at 1, 2, ...
// steps. A count below 2 is refused (it would divide by zero); copies that
// would pass slot 3000 end the array with the drawing-full message, and
// what was made stays undoable.
#include "editing/arrays.h"

#include <cmath>
#include <vector>

#include "app.h"
#include "commands/menu_ids.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "editing/selection.h"
#include "editing/transform.h"
#include "editing/undo.h"
#include "model/numbers.h"
#include "model/textfile.h"
#include "view/redraw.h"
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

// ---- the rectangular array ----------------------------------------------------------------

namespace {

const char* const kPromptRecMore = "Array, Rectangular:  Shift-clk more or Go To Parameters Window?";
const char* const kPromptRecPanel = "Enter parameters in dialog box below.";
const char* const kPromptRecMouse = "Left-Click Startpoint, Right-Click Endpoint.";
const char* const kMsgStacked = "This will result in all elements being\r\nplaced on top of the root element.";
const char* const kRecDefaults[6] = {"2", "3", "2,2", "True", "False", "0"};

std::string RecPath(const App& app) { return app.set.DataFolder + kArrayRecFileName; }

void SaveRecPanel(App& app) {
    const RectArrayPanel& p = app.arrays.Rect;
    WriteTextLines(RecPath(app), {p.Text1[0], p.Text1[1], p.Text1[2], p.CellSpacing ? "True" : "False",
                                  p.CellSpacing ? "False" : "True", p.UseMouse ? "1" : "0"});
}

// ArrayRec_Data_Load: the panel from its file, written with its defaults first when missing.
void LoadRecPanel(App& app) {
    RectArrayPanel& p = app.arrays.Rect;
    std::vector<std::string> lines;
    if (!LoadTextLines(RecPath(app), lines) || lines.size() < 6) {
        lines.assign(kRecDefaults, kRecDefaults + 6);
        const bool mouse = p.UseMouse;
        p.Text1 = {lines[0], lines[1], lines[2]};
        p.CellSpacing = true;
        p.UseMouse = false;
        SaveRecPanel(app);
        p.UseMouse = mouse;
        return;
    }
    p.Text1 = {lines[0], lines[1], lines[2]};
    p.CellSpacing = lines[3] == "True" || lines[4] != "True";
}

int WholeOf(const std::string& text) {
    const double n = std::nearbyint(LeadingNumber(text));
    return n < 0 ? 0 : n > kMaxSlot ? kMaxSlot : static_cast<int>(n);
}

void FocusRows(App& app) {
    app.arrays.Rect.Focus = "Text1:0";
    app.ui.SyncDialog(DialogId::RectArray);
    app.ui.FocusDialog(DialogId::RectArray, "Text1:0");
}

void HideRecPanel(App& app) {
    app.arrays.Rect.Visible = false;
    app.ui.ShowDialog(DialogId::RectArray, false);
}

// Spacings from a total size: divided among the gaps; 0 for a single row or column.
void TotalToCells(Arrays& ar) {
    ar.ArraySpacingX = ar.ArrayCols > 1 ? ar.ArraySpacingX / (ar.ArrayCols - 1) : 0;
    ar.ArraySpacingY = ar.ArrayRows > 1 ? ar.ArraySpacingY / (ar.ArrayRows - 1) : 0;
}

void Finish(App& app) {
    Arrays& ar = app.arrays;
    RectArray(app, ar.ArrayRows, ar.ArrayCols, ar.ArraySpacingX, ar.ArraySpacingY);
    CancelCommand(app, 1);
    app.dwg.DrawingChanged = true;
}

}  // namespace

void RectArray(App& app, int rows, int cols, double sx, double sy) {
    Drawing& d = app.dwg;
    const int firstFree = d.ObjNext;
    bool full = false;
    for (int c = 0; c < cols && !full; ++c)
        for (int r = 0; r < rows && !full; ++r) {
            if (c == 0 && r == 0) continue;
            const int wanted = app.sel.SelCount;
            full = CopySelected(app, {0, 0}, {c * sx, r * sy}) < wanted;
        }
    app.arrays.ArrayMade = d.ObjNext - firstFree;
}

void ArrayRec_Start(App& app) { app.arrays.Rect.UseMouse = false; }

void ArrayRec_Click(App& app, int button, int shift, float x, float y) {
    Registers& c = app.cmd;
    Arrays& ar = app.arrays;
    if (c.CmdStep == "Mouse") {
        // The dimensions by the pointer: a start point, then an end point.
        if (button == kButtonLeft && c.ClickCount == 0) {
            SnapToDrawing(app, x, y, c.Pt1.x, c.Pt1.y);
            c.Pt2 = c.Pt1;
            c.RubberBandOn = true;
            c.ClickCount += 1;
        } else if (button == kButtonRight && c.ClickCount >= 1) {
            SnapToDrawing(app, x, y, c.Pt2.x, c.Pt2.y);
            ar.ArraySpacingX = c.Pt2.x - c.Pt1.x;
            ar.ArraySpacingY = c.Pt2.y - c.Pt1.y;
            if (!ar.Rect.CellSpacing) TotalToCells(ar);
            Finish(app);
        }
        return;
    }
    if (button != kButtonLeft) return;
    const bool plain = (shift & (kShiftKey | kCtrlKey)) == 0;
    if (!app.sel.SelActive) {
        PickObject(app, x, y, button, shift);
        InputPrompt(app, 400, "Y", kPromptRecMore);
    } else if (!plain) {
        c.RubberBandOn = false;
        PickObject(app, x, y, button, shift);
    }
}

void ArrayRec_Answer(App& app, const TypedAnswer& a) {
    if (app.cmd.CmdStep == "Mouse") return;
    if (UpperText(a.text) == "N") {
        CancelCommand(app, 1);
        return;
    }
    RectArrayPanel& p = app.arrays.Rect;
    p.CellSpacing = true;
    LoadRecPanel(app);
    p.Visible = true;
    app.ui.ShowDialog(DialogId::RectArray, true);
    FocusRows(app);
    InputPrompt(app, 0, "", kPromptRecPanel);
}

void RectArrayOK_Click(App& app) {
    Arrays& ar = app.arrays;
    RectArrayPanel& p = ar.Rect;
    ar.ArrayRows = WholeOf(p.Text1[0]);
    ar.ArrayCols = WholeOf(p.Text1[1]);
    if (p.UseMouse) {
        HideRecPanel(app);
        app.cmd.ClickCount = 0;
        app.cmd.CmdStep = "Mouse";
        InputPrompt(app, 0, "", kPromptRecMouse);
        SaveRecPanel(app);
        return;
    }
    // The X,Y text; without a comma one row takes it as X, one column as Y.
    const std::string& t = p.Text1[2];
    const size_t comma = t.find(',');
    std::string xs, ys;
    if (comma != std::string::npos) {
        xs = t.substr(0, comma), ys = t.substr(comma + 1);
    } else if (ar.ArrayRows == 1) {
        xs = t, ys = "0";
    } else if (ar.ArrayCols == 1) {
        xs = "0", ys = t;
    } else {
        p.Focus = "Text1:2";
        app.ui.FocusDialog(DialogId::RectArray, p.Focus);
        return;
    }
    double sx = 0, sy = 0;
    if (!ParseNumber(xs, sx) || !ParseNumber(ys, sy) || !std::isfinite(sx) || !std::isfinite(sy)) {
        p.Focus = "Text1:2";
        app.ui.FocusDialog(DialogId::RectArray, p.Focus);
        return;
    }
    ar.ArraySpacingX = sx, ar.ArraySpacingY = sy;
    if (!p.CellSpacing) TotalToCells(ar);
    if ((ar.ArraySpacingX == 0 && ar.ArrayCols >= 2) || (ar.ArraySpacingY == 0 && ar.ArrayRows >= 2)) {
        app.ui.MsgBox(kMsgStacked, MsgButtons::OK, MsgIcon::None, "");
        FocusRows(app);
        return;
    }
    SaveRecPanel(app);
    HideRecPanel(app);
    Finish(app);
}

void RectArrayCancel_Click(App& app) {
    HideRecPanel(app);
    CancelCommand(app, 1);
}

void InstallRectArrayOverlay(App& app) {
    AddOverlay(app, {"RectArrayPanel", "ArrayRec", [](const App& a) { return a.arrays.Rect.Visible; }, HideRecPanel});
}

// ---- the animated rotation ---------------------------------------------------------------

namespace {

const char* const kPromptAnimMore =
    "Animated Rotation:  Shift-click to select more.  Or left click center point.        ";
const char* const kPromptAnimPanel = "Animated Rotation:  Enter parameters in dialog box below.";
const char* const kMsgComma = "X and Y values must be separated by a comma [,]";
const char* const kMsgNonZero = "Angle Step, Time/Step, and Angle Stop, must all be non-zero.";

std::string AnimPath(const App& app) { return app.set.DataFolder + kAnimationFileName; }

std::string Trimmed(std::string t) {
    while (!t.empty() && t[0] == ' ') t.erase(0, 1);
    return t;
}

void HideAnimPanel(App& app) {
    app.arrays.Anim.Visible = false;
    app.ui.ShowDialog(DialogId::Anim, false);
}

void StopTimer(App& app) {
    app.arrays.AnimRunning = false;
    app.ui.TimerStop();
}

void HideRestore(App& app) {
    app.arrays.Restore.visible = false;
    app.ui.ShowControl(kRestoreName, app.arrays.Restore);
}

// "x,y" into a point; false without a comma.
bool SplitPoint(const std::string& t, Point2& p) {
    const size_t comma = t.find(',');
    if (comma == std::string::npos) return false;
    p.x = LeadingNumber(t.substr(0, comma));
    p.y = LeadingNumber(t.substr(comma + 1));
    return true;
}

void OpenAnimPanel(App& app) {
    Arrays& ar = app.arrays;
    AnimPanel& p = ar.Anim;
    std::vector<std::string> lines;
    if (LoadTextLines(AnimPath(app), lines) && lines.size() >= 5) {
        p.Check3 = LeadingNumber(lines[0]) != 0;
        for (int i = 0; i < 4; ++i) p.Text2[static_cast<size_t>(i)] = lines[static_cast<size_t>(i) + 1];
        ar.AnimCenterOverride = lines[3];
    }
    if (!p.Check3) p.Text2[2] = ar.AnimCenterText;
    p.Visible = true;
    p.Focus = "Text2:0";
    app.ui.ShowDialog(DialogId::Anim, true);
    app.ui.FocusDialog(DialogId::Anim, p.Focus);
}

void SaveAnimPanel(App& app) {
    const AnimPanel& p = app.arrays.Anim;
    std::vector<std::string> lines = {p.Check3 ? "1" : "0"};
    lines.insert(lines.end(), p.Text2.begin(), p.Text2.end());
    WriteTextLines(AnimPath(app), lines);
}

}  // namespace

void AnimR_Click(App& app, int button, int shift, float x, float y) {
    if (button != kButtonLeft) return;
    Registers& c = app.cmd;
    const bool plain = (shift & (kShiftKey | kCtrlKey)) == 0;
    if (plain && app.sel.SelActive) {
        if (c.ClickCount >= 1) return;  // the panel is up
        SnapToDrawing(app, x, y, c.Pt1.x, c.Pt1.y);
        app.arrays.AnimCenterText = Trimmed(FormatReadout(c.Pt1.x, app.view.ReadoutDecimalsX)) + "," +
                                    Trimmed(FormatReadout(c.Pt1.y, app.view.ReadoutDecimalsY));
        OpenAnimPanel(app);
        InputPrompt(app, 0, "", kPromptAnimPanel);
        c.ClickCount += 1;
    } else if (!app.sel.SelActive) {
        PickObject(app, x, y, button, shift);
        InputPrompt(app, 0, "", kPromptAnimMore);
    } else {
        PickObject(app, x, y, button, shift);
    }
}

void AnimOK_Click(App& app) {
    Arrays& ar = app.arrays;
    AnimPanel& p = ar.Anim;
    app.cmd.RepeatCommand = app.cmd.CurCommand;
    ar.AnimCenterOverride = p.Text2[2];
    if (p.Check3 && !SplitPoint(p.Text2[2], app.cmd.Pt1)) {
        app.ui.MsgBox(kMsgComma, MsgButtons::OK, MsgIcon::None, "");
        HideAnimPanel(app);
        CancelCommand(app, 1);
        return;
    }
    const double pi = app.dwg.PI;
    app.xform.RotateAngle = LeadingNumber(p.Text2[0]) * pi / 180;
    const double ms = std::nearbyint(LeadingNumber(p.Text2[1]) * 1000);
    ar.AnimStopAngle = LeadingNumber(p.Text2[3]) * pi / 180;
    if (app.xform.RotateAngle == 0 || ms == 0 || ar.AnimStopAngle == 0) {
        app.ui.MsgBox(kMsgNonZero, MsgButtons::OK, MsgIcon::None, "");
        HideAnimPanel(app);
        CancelCommand(app, 1);
        return;
    }
    // A timer runs forwards at least every millisecond and at most every 32 s.
    ar.AnimInterval = static_cast<int>(std::min(32767.0, std::max(1.0, std::fabs(ms))));
    SaveAnimPanel(app);
    ar.AnimTotal = 0;
    ar.AnimRunning = true;
    app.ui.TimerStart(ar.AnimInterval);
    HideAnimPanel(app);
}

void AnimCancel_Click(App& app) {
    HideAnimPanel(app);
    CancelCommand(app, 1);
}

void Timer1_Timer(App& app) {
    Arrays& ar = app.arrays;
    if (!ar.AnimRunning) return;
    ar.AnimTotal += app.xform.RotateAngle;
    ScreenRedraw(app, 1);
    RotateObject(app);
    ScreenRedraw(app, 1);
    if (std::fabs(ar.AnimTotal) < std::fabs(ar.AnimStopAngle) - 0.001) return;
    StopTimer(app);
    // "Restore" near the top left, in proportion to the view.
    ar.Restore.left = 0.02 * app.view.ViewWidth;
    ar.Restore.top = 0.06 * app.view.ViewHeight;
    ar.Restore.width = 0.1 * app.view.ViewWidth;
    ar.Restore.height = 0.04 * app.view.ViewHeight;
    ar.Restore.caption = "Restore";
    ar.Restore.visible = true;
    app.ui.ShowControl(kRestoreName, ar.Restore);
    // The undo step: the turn so far, on the turned objects.
    app.dwg.UndoValue[0] = ar.AnimTotal;
    app.cmd.UndoOp = "Rotate";
    app.cmd.UndoCount = app.sel.SelCount;
    app.ui.MenuSetEnabled(kMenuUndo, true);
    // An empty register keeps the starters off until the command ends.
    app.cmd.CurCommand = "";
}

void RestoreAngle_Click(App& app) {
    Arrays& ar = app.arrays;
    SplitPoint(ar.Anim.Check3 ? ar.AnimCenterOverride : ar.AnimCenterText, app.cmd.Pt1);
    HideRestore(app);
    // Undo turns the objects back by the whole turn and ends the command.
    if (app.cmd.UndoOp == "Rotate") Undo_Rotate(app);
    app.cmd.CurCommand = "None";
    CancelCommand(app, 1);
    app.cmd.UndoCount = 0;
}

void InstallAnimOverlays(App& app) {
    AddOverlay(app, {"AnimPanel", "AnimR", [](const App& a) { return a.arrays.Anim.Visible; }, HideAnimPanel});
    // Escape or another command stops a running animation where it is.
    AddOverlay(app, {"AnimTimer", "", [](const App& a) { return a.arrays.AnimRunning; }, StopTimer});
    AddOverlay(app, {kRestoreName, "", [](const App& a) { return a.arrays.Restore.visible; }, HideRestore});
}

// The typed-answer interpreter and the answer table. Every answer is read
// once by the comma rule and the leading-number rule (blanks ignored, no
// locale); the running command's row decides what it means. Later parts of
// the program add their rows to the table at their place in the order.
#include "commands/typed.h"

#include <vector>

#include "app.h"
#include "commands/dimension.h"
#include "commands/draw.h"
#include "commands/menu.h"
#include "commands/registers.h"
#include "model/extents.h"
#include "model/numbers.h"
#include "model/undo.h"
#include "view/browser.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

const char* const kMsgCorners = "The lower-left corner must be BELOW and\r\nto the LEFT of the upper-right corner.";
const char* const kPromptUpperRight = "Limits: Upper Right Corner (X,Y)";
const char* const kPromptPlotScale = "Enter new Plot Scale Factor.";
const char* const kPromptPlotScalePositive = "Plot Scale must be more than 0.  Enter new Plot Scale Factor.";

// ---- the answers owned by the view and settings commands -----------------------------

void GridAnswer(App& app, const TypedAnswer&) {
    app.dwg.GridSpacing = app.cmd.TypedValue;
    app.dwg.GridOn = true;
    app.ui.MenuSetChecked(kMenuGrid, true);
    CancelCommand(app, 1);
}

// The user's dash and gap become the stored pattern: dash + half gap, half gap.
void HiddenAnswer(App& app, const TypedAnswer& a) {
    if (!a.pair) {
        RejectAnswer(app);
        return;
    }
    app.dwg.HiddenGap = a.y / 2;
    app.dwg.HiddenDash = a.x + a.y / 2;
    CancelCommand(app, 1);
}

void SnapAnswer(App& app, const TypedAnswer& a) {
    Drawing& d = app.dwg;
    if (a.pair) {
        d.SnapX = a.x;
        d.SnapY = a.y;
    } else {
        d.SnapX = app.cmd.TypedValue;
        d.SnapY = app.cmd.TypedValue;
    }
    d.SnapMode = 3;
    ApplySnapMode(app);
    CancelCommand(app, 1);
}

// A scale of 0 or less would leave the plot file's chord steps undefined.
void PlotScaleAnswer(App& app, const TypedAnswer&) {
    double v = app.cmd.TypedValue;
    if (!(v > 0)) {
        InputPrompt(app, 1000, "", kPromptPlotScalePositive);
        return;
    }
    app.dwg.PlotScale = v;
    CancelCommand(app, 1);
}

void TextHeightAnswer(App& app, const TypedAnswer&) {
    app.dwg.TextHeight = app.cmd.TypedValue;
    CancelCommand(app, 1);
}

// Limits fitted to the objects; an axis without extent keeps the default.
void AutomaticLimits(App& app) {
    Drawing& d = app.dwg;
    bool any = false;
    for (int s = 1; s < d.ObjNext && s <= kMaxSlot; ++s)
        if (!d.ObjType[s].empty()) any = true;
    d.LimLLX = -5, d.LimURX = 5, d.LimLLY = -3.75, d.LimURY = 3.75;
    if (any) {
        RecomputeExtents(d);
        if (d.ExtMaxX - d.ExtMinX > 0) d.LimLLX = d.ExtMinX, d.LimURX = d.ExtMaxX;
        if (d.ExtMaxY - d.ExtMinY > 0) d.LimLLY = d.ExtMinY, d.LimURY = d.ExtMaxY;
    }
}

void NewLimitsTaken(App& app) {
    FitViewToTypedLimits(app);
    app.dwg.DrawingChanged = true;
    CancelCommand(app, 1);
}

void LimitsAnswer(App& app, const TypedAnswer& a) {
    Drawing& d = app.dwg;
    if (!a.pair) {
        if (UpperText(a.text.substr(0, 1)) == "A") {
            AutomaticLimits(app);
            NewLimitsTaken(app);
        } else {
            RejectAnswer(app);
        }
        return;
    }
    if (app.cmd.CmdStep == "UR") {
        if (!(a.x > d.LimLLX && a.y > d.LimLLY)) {
            app.ui.MsgBox(kMsgCorners, MsgButtons::OK, MsgIcon::None, "");
            app.ui.FocusInputBox();  // still at the upper-right corner
            return;
        }
        d.LimURX = a.x;
        d.LimURY = a.y;
        NewLimitsTaken(app);
        return;
    }
    d.LimLLX = a.x;
    d.LimLLY = a.y;
    InputPrompt(app, 1500, " " + GeneralNumber(d.LimURX) + "," + GeneralNumber(d.LimURY), kPromptUpperRight);
    app.cmd.CmdStep = "UR";
}

void TracePixAnswer(App& app, const TypedAnswer& a) {
    LoadTracePicture(app, a.text);
    CancelCommand(app, 1);
}

void ShapeLibAnswer(App& app, const TypedAnswer& a) { ShapeLib_Answer(app, a.text); }

// The new name of a missing shape, for this one instance.
void ShapeNameAnswer(App& app, const TypedAnswer& a) {
    const int slot = app.shapes.RenameShapeSlot;
    if (slot >= 1 && slot <= kMaxSlot) {
        WriteTextUndoFile(app.set.DataFolder, 1, slot, app.dwg.ObjText[slot]);
        app.dwg.ObjText[slot] = a.text;
    }
    CancelCommand(app, 1);
}

struct AnswerRow {
    const char* command;       // CurCommand the row takes
    void (*answer)(App&, const TypedAnswer&);
};

// In the program's order of testing; commands not in the table ignore answers.
const std::vector<AnswerRow>& AnswerTable() {
    static const std::vector<AnswerRow> rows = {
        {"Arc", Arc_Answer},
        {"Arc2", Arc_Answer},
        {"Circle", Circle_Answer},
        {"Dimension", Dimension_Answer},
        {"Grid", GridAnswer},
        {"Hidden", HiddenAnswer},
        {"Insert", Insert_Answer},
        {"Limits", LimitsAnswer},
        {"Line", Line_Answer},
        {"PlotSc", PlotScaleAnswer},
        {"Shape", Shape_Answer},
        {"ShapeLib", ShapeLibAnswer},
        {"ShapeName", ShapeNameAnswer},
        {"Snap", SnapAnswer},
        {"Text", Text_Answer},
        {"TextH", TextHeightAnswer},
        {"TracePix", TracePixAnswer},
    };
    return rows;
}

}  // namespace

TypedAnswer ParseAnswer(const std::string& text) {
    TypedAnswer a;
    a.text = text;
    size_t comma = text.find(',');
    if (comma != std::string::npos && comma + 1 < text.size()) {
        a.pair = true;
        a.x = LeadingNumber(std::string_view(text).substr(0, comma));
        a.y = LeadingNumber(std::string_view(text).substr(comma + 1));
    }
    return a;
}

std::string UpperText(std::string text) {
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

void RejectAnswer(App& app) {
    app.ui.InputBoxSetText("");
    app.ui.FocusInputBox();
}

void Text2_LostFocus(App& app) {
    const std::string s = app.ui.InputBoxText();
    if (s.empty() && app.ui.InputBoxVisible()) {
        app.ui.FocusInputBox();
        return;
    }
    TypedAnswer a = ParseAnswer(s);
    if (!a.pair) app.cmd.TypedValue = LeadingNumber(s);
    for (const AnswerRow& r : AnswerTable()) {
        if (app.cmd.CurCommand != r.command) continue;
        r.answer(app, a);
        return;
    }
}

void CommitThenClick(App& app, void (*click)(App&, int), int row) {
    if (app.ui.InputBoxVisible()) Text2_LostFocus(app);
    click(app, row);
}

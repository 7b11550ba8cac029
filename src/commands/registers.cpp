// The command registers: the prompt line with its input box, the command
// reset that ends every command and records what Undo would reverse, and the
// direction of a vector. Called by every command and the key handlers.
#include "commands/registers.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "app.h"
#include "commands/menu_ids.h"
#include "model/numbers.h"
#include "view/redraw.h"

// Commands whose end leaves something for Undo to reverse.
static bool IsUndoable(const std::string& c) {
    for (const char* n : {"Arc", "Arc2", "Arc3", "ArrayPol", "ArrayRec", "Circle", "Dial", "Line", "Shape",
                          "Text", "Color", "Copy", "CopyToCB", "CutToCB", "Delete", "Change", "Flip", "Mirror",
                          "Move", "PasteFromCB", "Rotate", "Scale"})
        if (c == n) return true;
    return false;
}

void BuildPromptFiller(App& app) {
    std::string f;
    // The width test needs a platform that measures; a zero width must not loop.
    while (app.ui.TextWidth(f) < 9000 && f.size() < 2000) f += ' ';
    app.cmd.PromptFiller = f;
}

void InputPrompt(App& app, int boxWidth, const std::string& defaultText, const std::string& prompt) {
    app.cmd.PromptText = prompt;
    app.cmd.PromptBoxLeft = boxWidth < 1 ? -1 : app.ui.TextWidth(prompt) + 400;
    PaintPromptLine(app, prompt, app.cmd.PromptBoxLeft, app.cmd.PromptFiller);
    if (boxWidth < 1) {
        app.ui.InputBoxHide();
    } else {
        app.ui.InputBoxShow(app.cmd.PromptBoxLeft, 0, boxWidth, 240, defaultText);
    }
    app.ui.SurfaceChanged();
}

void AddOverlay(App& app, const Overlay& overlay) {
    for (Overlay& o : app.cmd.Overlays)
        if (o.name == overlay.name) {
            o = overlay;
            return;
        }
    app.cmd.Overlays.push_back(overlay);
}

// What stands over the drawing area for the ending command goes with it.
static void CloseOverlaysOf(App& app, const std::string& command) {
    for (const Overlay& o : app.cmd.Overlays) {
        if (!o.command.empty() && o.command != command) continue;
        if (o.standing && o.close && o.standing(app)) o.close(app);
    }
}

void CancelCommand(App& app, int redraw) {
    Registers& c = app.cmd;
    c.ClickCount = 0;
    c.ClickCount2 = 0;
    if (IsUndoable(c.CurCommand)) {
        c.UndoOp = c.CurCommand;
        c.UndoCount = app.sel.SelCount;
        c.UndoStored = app.dwg.ObjNext > c.ObjNextAtStart;
        app.ui.MenuSetEnabled(kMenuUndo, true);
    } else {
        c.UndoOp = "None";
        c.UndoCount = 0;
        c.UndoStored = false;
        app.ui.MenuSetEnabled(kMenuUndo, false);
    }
    // What stands over the drawing area for this command goes with it: the
    // shape list with Escape or another command, the browser when Text
    // Height or Plot Scale takes over from it, the help viewer with Escape.
    CloseOverlaysOf(app, c.CurCommand);
    c.CurCommand = "None";
    c.WindowSelect = "None";
    c.CmdStep.clear();
    c.RubberBandOn = false;
    c.WindowDragOn = false;
    c.Arc3CentreMode = false;
    c.CircleBandOff = false;
    c.ShapeAbort = false;
    app.sel.SelActive = false;
    app.sel.SelCount = 0;
    app.sel.SelTally = 0;
    app.files.SaveAsPending = false;
    // The finished command's question leaves the prompt line.
    c.PromptText.clear();
    c.PromptBoxLeft = -1;
    app.ui.InputBoxHide();
    c.ObjNextAtStart = app.dwg.ObjNext;
    if (redraw == 1) ScreenRedraw(app, 1);
}

double VectorAngle(const App& app, double dx, double dy) {
    const double pi = app.dwg.PI;
    if (dx == 0 && dy == 0) return 0;
    if (dx == 0) return dy > 0 ? pi / 2 : 3 * pi / 2;
    double a = std::atan(dy / dx);
    if (dx > 0 && dy < 0) a += 2 * pi;
    if (dx < 0) a += pi;
    return a;
}

std::string FormatDecimals(const std::string& number, int n) {
    double v = LeadingNumber(number);
    std::string t = GeneralNumber(v);
    if (t.find('.') == std::string::npos) t += '.';
    if (n > 0) t.append(static_cast<size_t>(n), '0');
    return t.substr(0, t.find('.') + 1 + static_cast<size_t>(std::max(n, 0)));
}

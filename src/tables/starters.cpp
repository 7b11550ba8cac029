// The starter table: every command armed from a menu entry or a key, in the
// order of the menus, with its exact prompt; the prepare steps live in the
// commands' rooms. Commands that arrive with later parts of the program keep
// their rows here, marked kStartLater, so the prompts stay in one place.
#include "tables/starters.h"

#include <vector>

#include "app.h"
#include "commands/dimension.h"
#include "commands/draw.h"
#include "commands/registers.h"
#include "editing/arrays.h"
#include "model/numbers.h"

namespace {

std::string Blank(double v) { return " " + GeneralNumber(v); }

std::string GridDefault(App& a) { return Blank(a.dwg.GridSpacing); }
std::string LimitsDefault(App& a) { return Blank(a.dwg.LimLLX) + "," + GeneralNumber(a.dwg.LimLLY); }
std::string SnapDefault(App& a) {
    const Drawing& d = a.dwg;
    return d.SnapY == 0 ? Blank(d.SnapX) : Blank(d.SnapX) + "," + GeneralNumber(d.SnapY);
}
// The stored pattern is dash + half gap and half gap; the user sees dash and gap.
std::string HiddenDefault(App& a) {
    const Drawing& d = a.dwg;
    return GeneralNumber(d.HiddenDash - d.HiddenGap) + "," + GeneralNumber(2 * d.HiddenGap);
}
std::string PlotScaleDefault(App& a) { return GeneralNumber(a.dwg.PlotScale); }
std::string TextHeightDefault(App& a) { return GeneralNumber(a.dwg.TextHeight); }

void ClearPicks(App& a) {
    a.sel.SelCount = 0;
    a.sel.SelTally = 0;
}
void LimitsStep(App& a) { a.cmd.CmdStep = "LL"; }

const std::vector<StarterRow>& Starters() {
    static const std::vector<StarterRow> rows = {
        // Draw
        {"Arc", 0, nullptr, "Arc:  Left click CENTER point.", kStartPlain, nullptr},
        {"Arc2", 0, nullptr, "Arc:  Left click START point.", kStartPlain, nullptr},
        {"Arc3", 0, nullptr, "Arc:  Left click START point.", kStartPlain, nullptr},
        {"ArrayPol", 0, nullptr, "Array, Polar: Select an object.", kStartNoReset, nullptr},
        {"ArrayRec", 0, nullptr, "Array, Rectangular: Select an object.", kStartNoReset, ArrayRec_Start},
        {"Circle", 1000, nullptr, "Circle:  Left click center.  Right click radius, or type DIAMETER.", kStartPlain, nullptr},
        {"Dimension", 0, nullptr, "Dimension:  Left Click the two points to be dimensioned.", kStartPlain, Dimension_Start},
        {"Line", 1600, nullptr, "Line: Left click point(s).  Right click end. U undo, C close.", kStartPlain, Line_Start},
        {"Text", 0, nullptr, "Text: Click location.", kStartPlain, Text_Start},
        {"TracePix", 5000, nullptr, "File Name  ", kStartAlways | kStartNoReset, nullptr},
        // Files
        {"Insert", 0, nullptr, "Insert:  Click insertion point.", kStartPlain, nullptr},
        // Edit
        {"Color", 0, nullptr, "Color: Select Object(s). Shift-Click for moar. Ctrl-Click to Deselect.", kStartPlain, ClearPicks},
        {"Copy", 0, nullptr, "Copy:  Select Object(s). Shift-Click for moar. Ctrl-Click to Deselect.       ", kStartPlain, ClearPicks},
        {"CopyToCB", 0, nullptr, "Copy to clipboard: Select objects.", kStartNoReset, nullptr},
        {"CutToCB", 0, nullptr, "Cut to clipboard: Select objects.", kStartNoReset, nullptr},
        {"Delete", 0, nullptr, "Delete: Select Object(s). Shift-Click for moar. Ctrl-Click to Deselect.", kStartPlain, ClearPicks},
        {"Change", 0, nullptr, "Select Dial/Meter, Line, Shape, or Text to be edited.", kStartNoReset, nullptr},
        {"Flip", 0, nullptr, "Flip: Select Object(s).", kStartPlain, ClearPicks},
        {"Lock", 0, nullptr, "Lock:  Select Object(s).", kStartPlain, ClearPicks},
        {"Mirror", 0, nullptr, "Mirror: Select Object(s).", kStartPlain, ClearPicks},
        {"Move", 0, nullptr, "Move:  Select Object(s). Shift-Click for moar. Ctrl-Click to Deselect.   ", kStartPlain, ClearPicks},
        {"PasteFromCB", 0, nullptr, "Paste: Left-click the Destination Point.", kStartNoReset, nullptr},
        {"Rotate", 0, nullptr, "Rotate:  Select Object(s). Shift-Click for moar. Ctrl-Click to Deselect.      ", kStartPlain, ClearPicks},
        {"Scale", 0, nullptr, "Scale:  Select Object(s). Shift-Click for moar. Ctrl-Click to Deselect.      ", kStartPlain, ClearPicks},
        // View
        {"AnimR", 0, nullptr, "Animated Rotation: Select Object(s).", kStartPlain, ClearPicks},
        {"Grid", 1000, GridDefault, "Grid Spacing", kStartPlain, nullptr},
        {"Limits", 1500, LimitsDefault, "Limits: Lower Left Corner (X,Y)", kStartPlain, LimitsStep},
        {"Pan", 0, nullptr, "Pan.  Left click first point.  Right click second point.  You're moving the picture.", kStartPlain, nullptr},
        {"Snap", 2000, SnapDefault, "Snap Step, Single number or X,Y", kStartPlain, nullptr},
        {"What", 0, nullptr, "What is it:  Select one object.", kStartNoReset, nullptr},
        // Settings
        {"Hidden", 2000, HiddenDefault, "Hidden line: Dash,Gap", kStartAlways | kStartNoReset, nullptr},
        {"PlotSc", 1000, PlotScaleDefault, "Enter new Plot Scale Factor.", kStartAlways, nullptr},
        {"TextH", 1000, TextHeightDefault, "Enter new Text Height.", kStartAlways, nullptr},
    };
    return rows;
}

}  // namespace

const StarterRow* FindStarter(const std::string& command) {
    for (const StarterRow& r : Starters())
        if (command == r.command) return &r;
    return nullptr;
}

bool StarterReady(const std::string& command) {
    const StarterRow* r = FindStarter(command);
    return r && !(r->flags & kStartLater);
}

void RunStarter(App& app, const std::string& command) {
    const StarterRow* r = FindStarter(command);
    if (!r || (r->flags & kStartLater)) return;
    if (!(r->flags & kStartAlways) && app.cmd.CurCommand != "None") return;
    if (!(r->flags & kStartNoReset)) CancelCommand(app, 0);
    if (r->prepare) r->prepare(app);
    InputPrompt(app, r->boxWidth, r->defaultText ? r->defaultText(app) : std::string(), r->prompt);
    app.cmd.CurCommand = r->command;
}

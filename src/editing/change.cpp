// Change and What is it. Both pick through PickAndContinue and act on the
// typed answer; the object is the last entry of the selection list.
#include "editing/change.h"

#include <cmath>
#include <string>

#include "app.h"
#include "model/dial.h"
#include "commands/browser.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "dial/designer.h"
#include "editing/selection.h"
#include "help/help.h"
#include "model/extents.h"
#include "model/numbers.h"
#include "model/undo.h"
#include "view/view.h"

namespace {

const char* const kMsgOnlyOne = "This command works on only one object at a time.";
const char* const kMsgCannotEdit =
    "The selected object cannot be edited.\r\nSelect a Dial, Line, Shape, or Text, object.";

// The object both commands act on; 0 when nothing is listed.
int Chosen(const App& app) {
    const Selection& sel = app.sel;
    if (sel.SelCount < 1 || sel.SelCount > static_cast<int>(sel.SelList.size())) return 0;
    const int s = sel.SelList[sel.SelCount - 1];
    return s >= 1 && s <= kMaxSlot ? s : 0;
}

std::string V(double x, int n) { return FormatReadout(x, n); }

std::string Pad3(int i) {
    std::string t = std::to_string(i);
    while (t.size() < 3) t.insert(t.begin(), '0');
    return t;
}

std::string ColorWord(const App& app, int color) {
    static const char* const kWords[8] = {"", "", "Red", "Green", "Yellow", "Blue", "Magenta", "Cyan"};
    const int c = std::abs(color);
    if (c == 1) return (app.set.BoardColor & 0xFFFFFFu) != 0 ? "Blakc" : "White";
    return c >= 2 && c <= 7 ? kWords[c] : "Unknown Color";
}

std::string JustWord(const std::string& j) {
    if (j == "S") return "Start";
    if (j == "C") return "Center";
    if (j == "M") return "Middle";
    if (j == "E") return "End";
    return j;
}

std::string TrimLeadingBlank(std::string t) {
    if (!t.empty() && t[0] == ' ') t.erase(0, 1);
    return t;
}

void LineReport(const App& app, int s, std::vector<std::string>& r) {
    const Drawing& d = app.dwg;
    r.push_back(d.ObjLineType[s] == 0 ? "           Line Type = Solid" : "           Line Type = Hidden");
    r.push_back("  Number of Vertices = " + GeneralNumber(d.ObjSize[s]));
    const int n = VertexCountOf(d.ObjSize[s]);
    double total = 0;
    for (int i = 1; i <= n; ++i) {
        r.push_back("          Vertex " + Pad3(i) + " = " + V(d.VertX(s, i), 4) + "," + V(d.VertY(s, i), 4));
        if (i < 2) continue;
        const double dx = d.VertX(s, i) - d.VertX(s, i - 1), dy = d.VertY(s, i) - d.VertY(s, i - 1);
        const double length = std::hypot(dx, dy);
        total += length;
        r.push_back("          Vector " + Pad3(i - 1) + " = " + V(length, 4) + " /_" +
                    TrimLeadingBlank(V(VectorAngle(app, dx, dy) * 180 / d.PI, 3)));
    }
    r.push_back("   Total Line Length = " + V(total, 4));
}

}  // namespace

// ---- Change --------------------------------------------------------------------------------

void Change_Click(App& app, int button, int shift, float x, float y) { PickAndContinue(app, x, y, button, shift); }

void Change_Answer(App& app, const TypedAnswer& a) {
    if (app.sel.SelTally > 1) {
        app.ui.MsgBox(kMsgOnlyOne, MsgButtons::OK, MsgIcon::None, "");
        CancelCommand(app, 1);
        return;
    }
    if (UpperText(a.text) == "N") {
        CancelCommand(app, 1);
        return;
    }
    Drawing& d = app.dwg;
    const int s = Chosen(app);
    const std::string kind = s ? d.ObjType[s] : "";
    if (kind == "Dial") {
        DialDesigner_Click(app);
    } else if (kind == "Text" || kind == "Shape") {
        InputPrompt(app, 10000, d.ObjText[s], "Text:");
        app.cmd.CurCommand = "Text";
        app.cmd.CmdStep = "E";
    } else if (kind == "Line") {
        d.ObjLineType[s] = d.ObjLineType[s] == 1 ? 0 : 1;
        d.DrawingChanged = true;
        CancelCommand(app, 1);
    } else {
        app.ui.MsgBox(kMsgCannotEdit, MsgButtons::OK, MsgIcon::None, "");
        CancelCommand(app, 1);
    }
}

void ChangeText_Answer(App& app, const TypedAnswer& a) {
    Drawing& d = app.dwg;
    const int s = Chosen(app);
    if (s) {
        WriteTextUndoFile(app.set.DataFolder, app.sel.SelCount, s, d.ObjText[s]);
        d.ObjText[s] = a.text;
        if (d.ObjType[s] == "Text") UpdateTextBox(d, s);
        else UpdateObjectExtents(d, s);
        d.DrawingChanged = true;
    }
    CancelCommand(app, 1);
}

// ---- What is it ------------------------------------------------------------------------------

void What_Click(App& app, int button, int shift, float x, float y) { PickAndContinue(app, x, y, button, shift); }

std::vector<std::string> WhatReport(const App& app, int s) {
    const Drawing& d = app.dwg;
    const std::string& kind = d.ObjType[s];
    const double deg = 180 / d.PI;
    std::vector<std::string> r = {" ", " "};
    r.push_back("         Object Name = " + kind);
    r.push_back("       Object Number = " + std::to_string(d.ObjNum[s]));
    r.push_back("        Object Color = " + ColorWord(app, d.ObjColor[s]));
    const std::string at = V(d.ObjX[s], 4) + "," + V(d.ObjY[s], 4);
    if (kind == "Arc" || kind == "Circle") {
        r.push_back("        Center point = " + at);
        r.push_back("              Radios = " + V(d.ObjSize[s], 4));
    }
    if (kind == "Shape") {
        r.push_back("     Insertion point = " + at);
        r.push_back("        Scale Factor = " + V(d.ObjSize[s], 3));
    }
    if (kind == "Text") {
        r.push_back("     Insertion point = " + at);
        r.push_back("         Text Height = " + V(d.ObjSize[s], 4));
    }
    if (kind == "Arc") {
        r.push_back("      Starting Angle = " + V(d.ObjAngle[s] * deg, 3));
        r.push_back("       Angle Spanned = " + V((d.ObjEndAngle[s] - d.ObjAngle[s]) * deg, 3));
    }
    if (kind == "Shape" || kind == "Text") r.push_back("     Insertion Angle = " + V(d.ObjAngle[s] * deg, 3));
    if (kind == "Text") {
        r.push_back("      Location point = " + JustWord(d.ObjJust[s]));
        r.push_back("                Text = " + d.ObjText[s]);
    }
    if (kind == "Shape") r.push_back("          Shape Name = " + d.ObjText[s]);
    if (kind == "Line") LineReport(app, s, r);
    if (kind != "Text" && kind != "Dial") {
        r.push_back("        Flip/Scale X = " + GeneralNumber(d.ObjXScale[s]));
        r.push_back("        Flip/Scale Y = " + GeneralNumber(d.ObjYScale[s]));
    }
    if (kind == "Dial") {
        for (const char* l : {"     ", "      For more information on this dial", "     ",
                              "      1.  Close this window.", "      2.  Press Control + E.",
                              "      3.  Select the dial.", "      4,  Press TAB."})
            r.push_back(l);
        r.insert(r.end() - 7, "        Center point = " + at);
        const DialLaw law = DialLawOf(d, s);
        if (law.kind != DialLawKind::Linear) {
            std::string labels;
            for (double x : law.labels) labels += (labels.empty() ? "" : ", ") + (x >= kDialInfinity ? "inf" : GeneralNumber(x));
            r.insert(r.end() - 7, "           Scale Law = " + std::string(kDialLawNames[static_cast<int>(law.kind)]));
            r.insert(r.end() - 7, "     Labelled Values = " + labels);
        }
    }
    return r;
}

void What_Answer(App& app, const TypedAnswer& a) {
    const int s = Chosen(app);
    if (UpperText(a.text) != "Y" || !s) {
        CancelCommand(app, 1);
        return;
    }
    // The prompt line blanked; the report stays until its list is closed.
    InputPrompt(app, 0, "", std::string(19, ' '));
    ShowHelpRows(app, WhatReport(app, s), 12);
}

void InstallWhatOverlay(App& app) {
    AddOverlay(app, {"WhatReport", "What", [](const App& a) { return a.browser.Help1.visible; }, HideHelp});
}

// The shape list, the library browser and the missing-shape question. Both
// lists are list boxes over the drawing area whose rows are plain text in a
// fixed-pitch font; the browser's columns depend on that. The shape list
// reads the shape list file that LoadNewShapes writes; the browser lists the
// folder itself. Both register as overlays, so the command reset closes them.
#include "commands/browser.h"

#include <algorithm>

#include "app.h"
#include "commands/registers.h"
#include "commands/shell.h"
#include "commands/typed.h"
#include "editing/delete.h"
#include "model/textfile.h"
#include "model/undo.h"
#include "view/shapes.h"

namespace {

const char* const kMsgShapesNotFound = "Shapes not found or not available.";
const char* const kPromptShapeList = "Shape:  Click a shape name from the list.";
const char* const kPromptPrefix = "Shape File Prefix: ";
const char* const kTitleShape = "Zarnic Shape";
const char* const kPromptNewShapeName = "New Shape Name?";

struct Category {
    const char* code;
    const char* heading;
};

// The schematic library's category codes and their headings.
const Category kCategories[] = {
    {"A-", "Active Devices"},   {"B-", "Blocks"},          {"D-", "Diodes"},
    {"G-", "Passive and General"}, {"L-", "Logic"},        {"M-", "Math Symbols"},
    {"R-", "Electrical Sources"}, {"S-", "Relays and Switches"}, {"T-", "Transducers"},
    {"UC", "Transformers"},     {"UP", "Transformer Parts"}, {"V-", "Vacuum Tubes"},
    {"W-", "Waves"},
};

struct PrefixUse {
    const char* prefix;
    const char* description;
};

const PrefixUse kPrefixUses[] = {
    {"CL", "Chassis Layout."},
    {"H-", "House Plan - Furnature Arrangement."},
    {"PC", "Printed Circuit Layout."},
    {"PR", "Prototyping Board Layout."},
    {"Sc", "Schematic Diagram."},
    {"TI", "Workbench or AV Center Layout."},
};

}  // namespace

std::string CategoryHeading(const std::string& code) {
    for (const Category& k : kCategories)
        if (code == k.code) return k.heading;
    return "";
}

namespace {

const char* PrefixDescription(const std::string& p) {
    for (const PrefixUse& u : kPrefixUses)
        if (p == u.prefix) return u.description;
    return "User Defined.";
}

std::string Pad(std::string s, size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

std::string TrimLeadingBlanks(const std::string& s) {
    size_t i = s.find_first_not_of(' ');
    return i == std::string::npos ? "" : s.substr(i);
}

// The shape list file's lines; false when it cannot be read or holds none.
bool ReadShapeListFile(App& app, std::vector<std::string>& lines) {
    return LoadTextLines(ShapeFolder(app) + kShapeListFileName, lines) && !lines.empty();
}

void Show(App& app, const char* name, const ControlBox& box) { app.ui.ShowControl(name, box); }

void PlaceShapeList(App& app) {
    const double w = app.view.ViewWidth, h = app.view.ViewHeight;
    ControlBox& list = app.browser.ShapeList;
    list.left = 0;
    list.top = 0.03 * h;
    list.width = w;
    list.height = 0.88 * h;
    ControlBox& close = app.browser.ShapeClose;
    close.left = 0.5 * w;
    close.top = 0;
    close.width = 0.09 * w;
    close.height = 0.03 * h;
}

void PlaceLibrary(App& app) {
    const double w = app.view.ViewWidth, h = app.view.ViewHeight;
    ControlBox& b = app.browser.Help1;
    b.left = w * 0.0416666 / 2;
    b.top = h * 0.1841492 / 2 - 500;
    b.width = 0.8 * w;
    b.height = 0.8 * h;
}

// The caption after a new prefix takes the file form with "<Shape: ", even
// when no drawing file is open.
void PrefixCaption(App& app) {
    CaptionFile(app);
    SetStatusAndCaption(app);
}

// Steps 2 to 5 of a new prefix: the shape list file, the redraw, the caption
// and the browser's close.
void TakePrefix(App& app, const std::string& prefix) {
    app.dwg.ShapePrefix = prefix;
    LoadNewShapes(app);
    CancelCommand(app, 1);
    PrefixCaption(app);
    HideLibrary(app);
}

}  // namespace

// ---- the shape list -------------------------------------------------------------

void HideLibrary(App& app) {
    // The rows stay: a row click that committed the box first reads its row after this.
    app.browser.Help1.visible = false;
    Show(app, kHelp1Name, app.browser.Help1);
}

void HideShapeList(App& app) {
    app.browser.ShapeList.visible = false;
    app.browser.ShapeClose.visible = false;
    Show(app, kShapeListName, app.browser.ShapeList);
    Show(app, kShapeCloseName, app.browser.ShapeClose);
}

void ShapeClose_Click(App& app) {
    HideShapeList(app);
    CancelCommand(app, 1);
}

void Shape_Click(App& app) {
    if (app.cmd.CurCommand != "None") return;
    CancelCommand(app, 0);
    Browser& b = app.browser;
    PlaceShapeList(app);
    b.ShapeList.rows.clear();
    b.ShapeList.visible = true;
    b.ShapeClose.visible = true;
    b.ShapeClose.caption = "Cancel";
    std::vector<std::string> lines;
    if (!ReadShapeListFile(app, lines)) {
        Show(app, kShapeListName, b.ShapeList);
        Show(app, kShapeCloseName, b.ShapeClose);
        app.ui.MsgBox(kMsgShapesNotFound, MsgButtons::OK, MsgIcon::None, "");
        ShapeClose_Click(app);
        return;
    }
    if (app.dwg.ShapePrefix != "Sc") {
        for (const std::string& l : lines) b.ShapeList.rows.push_back("  " + l);
    } else {
        std::string code, heading;
        for (const std::string& l : lines) {
            std::string c = l.substr(0, 2);
            if (c != code) {
                // A code the table lacks repeats the heading before it.
                for (const Category& k : kCategories)
                    if (c == k.code) heading = k.heading;
                b.ShapeList.rows.push_back("  " + heading);
                code = c;
            }
            b.ShapeList.rows.push_back("    " + (l.size() > 2 ? l.substr(2) : std::string()));
        }
    }
    Show(app, kShapeListName, b.ShapeList);
    Show(app, kShapeCloseName, b.ShapeClose);
    InputPrompt(app, 0, "", kPromptShapeList);
}

void ArmShape(App& app, const std::string& libraryName) {
    Drawing& d = app.dwg;
    const int slot = d.ObjNext;
    d.ObjText[slot] = libraryName;
    HideShapeList(app);
    app.cmd.CurCommand = "Shape";
    d.ObjXScale[slot] = 1;
    d.ObjYScale[slot] = 1;
    // A fresh placement: size 1 and no turn, whatever the slot held before.
    d.ObjSize[slot] = 1;
    d.ObjAngle[slot] = 0;
    // The prompt names the symbol: the prefix goes, and for the schematic
    // library its category code too.
    std::string t = libraryName.size() > 2 ? libraryName.substr(2) : "";
    if (d.ShapePrefix == "Sc") t = t.size() > 2 ? t.substr(2) : "";
    InputPrompt(app, 0, "", "Shape = " + t + ":  Left click to preview.  Right click to place.");
}

void ShapeList_Click(App& app, int row) {
    Browser& b = app.browser;
    if (row < 0 || row >= static_cast<int>(b.ShapeList.rows.size())) return;
    b.SelectedShapeText = TrimLeadingBlanks(b.ShapeList.rows[row]);
    const std::string& sel = b.SelectedShapeText;
    if (app.dwg.ShapePrefix != "Sc") {
        ArmShape(app, app.dwg.ShapePrefix + sel);
        return;
    }
    // A heading row only labels its group. It is known by its place (two
    // blanks, not four), so an empty heading or a symbol named like a
    // heading is told apart.
    if (b.ShapeList.rows[row].compare(0, 4, "    ") != 0) return;
    if (sel.rfind("Circle Conn", 0) == 0 || sel.rfind("Line Conn", 0) == 0) {
        HideShapeList(app);
        CancelCommand(app, 1);
        return;
    }
    std::vector<std::string> lines;
    if (!ReadShapeListFile(app, lines)) {
        app.ui.MsgBox(kMsgShapesNotFound, MsgButtons::OK, MsgIcon::None, "");
        ShapeClose_Click(app);
        return;
    }
    // The list file may have been rebuilt meanwhile: the last line stands in.
    std::string found = lines.back();
    for (const std::string& l : lines)
        if (l.size() >= 2 && l.substr(2) == sel) {
            found = l;
            break;
        }
    ArmShape(app, app.dwg.ShapePrefix + found);
}

// ---- the library browser ------------------------------------------------------------

std::vector<std::string> LibraryRows(const std::vector<std::string>& fileNames) {
    std::vector<std::string> rows = {
        "  ",
        "  ",
        std::string(18, ' ') + "AVAILABLE SHAPE LIBRARIES ON YOUR COMPUTER.",
        "  ",
        "  ",
        "  Shape Prefix.   Number of files.     Shapes are used for.                    Example File Name.",
        "  ",
    };
    std::vector<std::string> names;
    for (const std::string& n : fileNames) {
        if (n.compare(0, 6, "Zarnic") == 0 || n.compare(0, 2, "SS") == 0 || n.compare(0, 1, "F") == 0) continue;
        names.push_back(n);
    }
    std::stable_sort(names.begin(), names.end(), ListOrder);
    // Every group is listed, however many there are.
    for (size_t i = 0; i < names.size();) {
        const std::string p = names[i].substr(0, 2);
        size_t j = i;
        while (j + 1 < names.size() && names[j + 1].substr(0, 2) == p) ++j;
        rows.push_back(std::string(7, ' ') + Pad(p, 2) + std::string(15, ' ') + Pad(std::to_string(j - i + 1), 15) +
                       Pad(PrefixDescription(p), 40) + names[j]);
        i = j + 1;
    }
    rows.push_back("  ");
    rows.push_back("  ");
    rows.push_back(std::string(12, ' ') + "Type Prefix in Box above, then press TAB,");
    rows.push_back(std::string(29, ' ') + "OR");
    rows.push_back(std::string(12, ' ') + "Left Click Your Selection.");
    return rows;
}

void ShapeLib_Click(App& app) {
    if (app.cmd.CurCommand != "None") return;
    InputPrompt(app, 500, app.dwg.ShapePrefix, kPromptPrefix);
    std::vector<std::string> files;
    ListDrawingFiles(ShapeFolder(app), files);  // an unreadable folder lists no files
    Browser& b = app.browser;
    PlaceLibrary(app);
    b.help1Use = Help1Use::Library;
    b.Help1.visible = true;
    b.Help1.rows = LibraryRows(files);
    Show(app, kHelp1Name, b.Help1);
    app.cmd.CurCommand = "ShapeLib";
}

void ShapeLib_Answer(App& app, const TypedAnswer& a) { TakePrefix(app, a.text); }

void Help1_Click(App& app, int row) {
    Browser& b = app.browser;
    if (app.cmd.CurCommand != "None" || b.help1Use != Help1Use::Library) return;
    // Help1 may already be hidden: the commit of the box ran first.
    if (row < 0 || row >= static_cast<int>(b.Help1.rows.size())) return;
    const std::string r = b.Help1.rows[row].substr(0, 9);
    if (r.empty() || r[0] != ' ') return;
    const std::string q = r.size() > 7 ? r.substr(7) : "";
    if (q.empty() || q == "  " || q == " P") {
        ShapeLib_Click(app);
        return;
    }
    TakePrefix(app, q);
}

void PlaceListBoxes(App& app) {
    Browser& b = app.browser;
    if (b.ShapeList.visible) {
        PlaceShapeList(app);
        Show(app, kShapeListName, b.ShapeList);
        Show(app, kShapeCloseName, b.ShapeClose);
    }
    if (b.Help1.visible && b.help1Use == Help1Use::Library) {
        PlaceLibrary(app);
        Show(app, kHelp1Name, b.Help1);
    }
}

// ---- the missing-shape question ------------------------------------------------------

namespace {

void DeleteInstance(App& app, int slot) {
    app.sel.SelList[0] = static_cast<int16_t>(slot);
    app.sel.SelCount = 1;
    DeleteSelected(app);
}

}  // namespace

void AskMissingShape(App& app, const std::string& name, int slot) {
    Shapes& sh = app.shapes;
    if (std::find(sh.MissingShapeNames.begin(), sh.MissingShapeNames.end(), name) != sh.MissingShapeNames.end()) {
        DeleteInstance(app, slot);
        return;
    }
    std::string text = "Shape " + name +
                       " cannot be found.\r\nClick Yes to Rename this shape,\r\nNo to delete all instances of this "
                       "shape,\r\nCancel to do nothing.";
    MsgAnswer a = app.ui.MsgBox(text, MsgButtons::YesNoCancel, MsgIcon::Question, kTitleShape);
    if (a == MsgAnswer::Yes) {
        // The redraw stops after this shape; the new name is asked for.
        app.cmd.ShapeAbort = true;
        InputPrompt(app, 4000, name, kPromptNewShapeName);
        sh.RenameShapeSlot = static_cast<int16_t>(slot);
        app.cmd.CurCommand = "ShapeName";
    } else if (a == MsgAnswer::No) {
        app.cmd.ShapeAbort = false;
        if (static_cast<int>(sh.MissingShapeNames.size()) < kMaxMissingShapes) sh.MissingShapeNames.push_back(name);
        DeleteInstance(app, slot);
    } else {
        app.cmd.ShapeAbort = false;
    }
}

void InstallMissingShapeQuestion(App& app) { app.shapes.MissingShapeFn = AskMissingShape; }

void InstallBrowserOverlays(App& app) {
    // The shape list goes with its Shape, and also with Escape or another
    // command while no shape has been chosen from it yet.
    AddOverlay(app, {kShapeListName, "", [](const App& a) { return a.browser.ShapeList.visible; }, HideShapeList});
    // A command that takes over from the browser (Text Height, Plot Scale)
    // does not leave its list standing over the drawing.
    AddOverlay(app, {"Library", "ShapeLib", [](const App& a) { return a.browser.Help1.visible; }, HideLibrary});
}

void ShapeName_Answer(App& app, const TypedAnswer& a) {
    const int slot = app.shapes.RenameShapeSlot;
    if (slot >= 1 && slot <= kMaxSlot) {
        WriteTextUndoFile(app.set.DataFolder, 1, slot, app.dwg.ObjText[slot]);
        app.dwg.ObjText[slot] = a.text;
    }
    CancelCommand(app, 1);
}


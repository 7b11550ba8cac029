// The menu bar's table: one row per entry, in menu order. The Qt binding
// builds the menus from it; MenuClick routes a triggered entry to its handler.
#include "tables/menu.h"

#include "app.h"
#include "commands/browser.h"
#include "commands/defaults_dialog.h"
#include "commands/files.h"
#include "commands/shell.h"
#include "commands/viewmenu.h"
#include "dial/designer.h"
#include "editing/editcmds.h"
#include "editing/selection.h"
#include "help/help.h"
#include "output/export.h"
#include "output/plot.h"
#include "output/print.h"
#include "output/printsetup.h"
#include "tables/starters.h"
#include "tables/undo.h"

const std::vector<std::string>& MenuBarCaptions() {
    static const std::vector<std::string> bar = {"Files", "Edit", "View", "Draw", "Settings", "Help"};
    return bar;
}

// Captionless lambdas become the rows' plain function pointers.
#define ZN_RECENT(k) \
    {"Files", "Files_Menu" #k, "", "", [](App& a) { Files_Menu_Click(a, k); }, kMenuHidden}

const std::vector<MenuRow>& MenuTable() {
    // Rows marked kMenuStarter run the starter of the command named by their
    // id (tables/starters.h); they are enabled once that starter works.
    static const std::vector<MenuRow> rows = {
        {"Files", "New", "New", "Ctrl+N", New_Click, kMenuPlain},
        {"Files", "Open", "Open", "Ctrl+O", Open_Click, kMenuPlain},
        {"Files", "Open_Backup", "Open Backup", "", Open_Backup_Click, kMenuPlain},
        {"Files", "Insert", "Insert", "Ctrl+I", nullptr, kMenuStarter},
        {"Files", "Save", "Save", "Ctrl+S", Save_Click, kMenuSeparatorBefore},
        {"Files", "Save_As", "Save As", "", Save_As_Click, kMenuPlain},
        {"Files", "Print", "Print Drawing", "Ctrl+P", PrintDrawing_Click, kMenuSeparatorBefore},
        {"Files", "PrintTrueSize", "Print at True Size...", "Ctrl+Shift+P", PrintTrueSize_Click, kMenuPlain},
        {"Files", "PrinterSetup", "Printer Setup", "", PrinterSetup_Click, kMenuPlain},
        {"Files", "Plot", "Plot to HPGL File", "Ctrl+H", Plot_Click, kMenuPlain},
        {"Files", "Export", "Export...", "Ctrl+Shift+E", Export_Click, kMenuPlain},
        {"Files", "PrintKeys", "Print List of Shortcut Keys", "Ctrl+Shift+F1", PrintHelp_Click, kMenuPlain},
        ZN_RECENT(1), ZN_RECENT(2), ZN_RECENT(3), ZN_RECENT(4), ZN_RECENT(5),
        ZN_RECENT(6), ZN_RECENT(7), ZN_RECENT(8), ZN_RECENT(9),
        {"Files", "End", "End", "Ctrl+Q", End_Click, kMenuSeparatorBefore},

        {"Edit", "Undo", "Undo", "Ctrl+Z", Undo_Click, kMenuDisabled},
        {"Edit", "Color", "Color Change", "Ctrl+K", nullptr, kMenuStarter | kMenuSeparatorBefore},
        {"Edit", "Copy", "Copy                                                    Ins", "", nullptr, kMenuStarter},
        {"Edit", "CopyToCB", "Copy to Clipboard", "Ctrl+C", nullptr, kMenuStarter},
        {"Edit", "CutToCB", "Cut to Clipboard", "Ctrl+X", nullptr, kMenuStarter},
        {"Edit", "Delete", "Delete", "Del", nullptr, kMenuStarter},
        {"Edit", "Change", "Edit", "Ctrl+E", nullptr, kMenuStarter},
        {"Edit", "Flip", "Flip", "Ctrl+F", nullptr, kMenuStarter},
        {"Edit", "Lock", "Lock", "Ctrl+L", nullptr, kMenuStarter},
        {"Edit", "Mirror", "Mirror                                  Ctrl+Shft+M", "", nullptr, kMenuStarter},
        {"Edit", "Move", "Move", "Ctrl+M", nullptr, kMenuStarter},
        {"Edit", "PasteFromCB", "Paste from Clipboard", "Ctrl+V", nullptr, kMenuStarter},
        {"Edit", "Rotate", "Rotate", "Ctrl+R", nullptr, kMenuStarter},
        {"Edit", "Scale", "Scale", "Ctrl+G", nullptr, kMenuStarter},
        {"Edit", "SelectAll", "Select All", "Ctrl+A", Select_All_Click, kMenuSeparatorBefore},
        {"Edit", "SelectW", "Select Window", "Ctrl+W", SelectW_Click, kMenuPlain},
        {"Edit", "UnlockAll", "Unlock All", "Ctrl+U", Unlock_Click, kMenuPlain},

        {"View", "AnimR", "Animated Rotation", "", nullptr, kMenuStarter},
        {"View", "Grid", "Grid Spacing", "F5", nullptr, kMenuStarter},
        {"View", "GridOnOff", "Grid On/Off", "F6", GridOnOff_Click, kMenuCheckable},
        {"View", "Limits", "Limits", "F7", nullptr, kMenuStarter},
        {"View", "Pan", "Pan", "F2", nullptr, kMenuStarter},
        {"View", "ResetZP", "Reset Zoom and Pan", "F11", ResetZP_Click, kMenuPlain},
        {"View", "Snap", "Snap Width", "F8", nullptr, kMenuStarter},
        {"View", "SnapOnOff", "Snap Off/X/Y/Both", "F9", SnapOnOff_Click, kMenuPlain},
        {"View", "What", "What is it", "Ctrl+J", nullptr, kMenuStarter},
        {"View", "ZoomOut", "Zoom Out", "F3", ZoomOut_Click, kMenuPlain},
        {"View", "ZoomIn", "Zoom In", "F4", ZoomIn_Click, kMenuPlain},

        {"Draw/Arc", "Arc", "Center point, Start point, Angle     A 1", "", nullptr, kMenuStarter},
        {"Draw/Arc", "Arc2", "Start point, Center point, Angle     A 2", "", nullptr, kMenuStarter},
        {"Draw/Arc", "Arc3", "Start point, End point, Center        A 3", "", nullptr, kMenuStarter},
        {"Draw/Array", "ArrayPol", "Polar                A P", "", nullptr, kMenuStarter},
        {"Draw/Array", "ArrayRec", "Rectangular      A R", "", nullptr, kMenuStarter},
        {"Draw", "Circle", "Circle                                      C", "", nullptr, kMenuStarter},
        {"Draw", "Dial", "Dial && Meter Scale Design", "Ctrl+D", DialDesigner_Click, kMenuPlain},
        {"Draw", "Dimension", "Dimension                                D", "", nullptr, kMenuStarter},
        {"Draw", "Line", "Line                                         L", "", nullptr, kMenuStarter},
        {"Draw", "Shape", "Shape                                       S", "", Shape_Click, kMenuPlain},
        {"Draw", "Text", "Text                                         T", "", nullptr, kMenuStarter},
        {"Draw", "TracePix", "Trace Picture", "", nullptr, kMenuStarter | kMenuSeparatorBefore},
        {"Draw", "RmvTrcedPix", "Remove Traced Picture", "", RmvTrcedPix_Click, kMenuPlain},

        // The colour and line-type keys (Shift+W, Shift+S, ...) are the key
        // catcher's, so typing capitals into the input box still works; the
        // caption only names them.
        {"Settings/Color", "White", "White or Black        Shft+W", "", [](App& a) { ColorItem_Click(a, 1); }, kMenuCheckable},
        {"Settings/Color", "Red", "Red                         Shft+R", "", [](App& a) { ColorItem_Click(a, 2); }, kMenuCheckable},
        {"Settings/Color", "Yellow", "Yellow                    Shft+Y", "", [](App& a) { ColorItem_Click(a, 4); }, kMenuCheckable},
        {"Settings/Color", "Green", "Green                      Shft+G", "", [](App& a) { ColorItem_Click(a, 3); }, kMenuCheckable},
        {"Settings/Color", "Cyan", "Cyan                       Shft+C", "", [](App& a) { ColorItem_Click(a, 7); }, kMenuCheckable},
        {"Settings/Color", "Blue", "Blue                        Shft+B", "", [](App& a) { ColorItem_Click(a, 5); }, kMenuCheckable},
        {"Settings/Color", "Magenta", "Magenta                 Shft+M", "", [](App& a) { ColorItem_Click(a, 6); }, kMenuCheckable},
        {"Settings", "Hidden", "Hidden Line Settings", "F12", nullptr, kMenuStarter},
        {"Settings/Line Type", "Continuous", "Continuous (Solid)          Shft+S   or", "Shift+F12", [](App& a) { LineTypeItem_Click(a, 0); }, kMenuCheckable},
        {"Settings/Line Type", "Dashed", "Dashed (Hidden)           Shft+H   or", "Ctrl+F12", [](App& a) { LineTypeItem_Click(a, 1); }, kMenuCheckable},
        {"Settings", "Line_Type_Reverts", "Line Type Reverts to Solid After one line", "Ctrl+Shift+F12", LineTypeReverts_Click, kMenuCheckable},
        {"Settings", "PlotSc", "Plot Scale", "Ctrl+F3", nullptr, kMenuStarter},
        {"Settings", "ShapeLib", "Shape Library", "Ctrl+F4", ShapeLib_Click, kMenuPlain},
        {"Settings", "TextH", "Text Height", "Ctrl+F5", nullptr, kMenuStarter},
        {"Settings", "Default_Settings", "Default Settings", "Ctrl+F6", DefaultBox_Click, kMenuSeparatorBefore},

        {"Help", "HelpKeys", "Shortcut Keys", "F1", HelpShortcut_Click, kMenuPlain},
        {"Help", "HelpFiles", "Files Menu", "", HelpFile_Click, kMenuPlain},
        {"Help", "HelpEdit", "Edit Menu", "", HelpEdit_Click, kMenuPlain},
        {"Help", "HelpView", "View Menu", "", HelpView_Click, kMenuPlain},
        {"Help", "HelpDraw", "Draw Menu", "", HelpDraw_Click, kMenuPlain},
        {"Help", "HelpSettings", "Settings Menu", "", HelpSettings_Click, kMenuPlain},
        {"Help", "HelpHelp", "Help Menu", "Ctrl+F1", HelpHelp_Click, kMenuPlain},
        {"Help", "HelpShapes", "Shape and Font Files", "", HelpShapeFont_Click, kMenuPlain},
    };
    return rows;
}
#undef ZN_RECENT

const MenuRow* FindMenuRow(const std::string& id) {
    for (const MenuRow& r : MenuTable())
        if (id == r.id) return &r;
    return nullptr;
}

bool MenuRowEnabledAtStart(const MenuRow& row) {
    if (row.flags & kMenuDisabled) return false;
    if (row.flags & kMenuStarter) return StarterReady(row.id);
    return true;
}

void MenuClick(App& app, const std::string& id) {
    const MenuRow* r = FindMenuRow(id);
    if (!r) return;
    if (r->flags & kMenuStarter) RunStarter(app, r->id);
    else if (r->click) r->click(app);
}

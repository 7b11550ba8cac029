// The menu bar's table: one row per entry, in menu order. The Qt binding
// builds the menus from it; MenuClick routes a triggered entry to its handler.
#include "commands/menu.h"

#include "app.h"
#include "commands/defaults_dialog.h"
#include "commands/files.h"
#include "commands/shell.h"
#include "view/redraw.h"
#include "view/view.h"

// The handler of an entry whose command is not wired yet (the entry is disabled).
static void Nothing(App&) {}

const std::vector<std::string>& MenuBarCaptions() {
    static const std::vector<std::string> bar = {"Files", "Edit", "View", "Draw", "Settings", "Help"};
    return bar;
}

std::string RecentMenuId(int index) { return "Files_Menu" + std::to_string(index); }

const char* ColorMenuId(int color) {
    static const char* const ids[8] = {"", "White", "Red", "Green", "Yellow", "Blue", "Magenta", "Cyan"};
    return color >= 1 && color <= 7 ? ids[color] : "";
}

// Captionless lambdas become the rows' plain function pointers.
#define ZN_RECENT(k) \
    {"Files", "Files_Menu" #k, "", "", [](App& a) { Files_Menu_Click(a, k); }, kMenuHidden}

const std::vector<MenuRow>& MenuTable() {
    static const std::vector<MenuRow> rows = {
        {"Files", "New", "New", "Ctrl+N", New_Click, kMenuPlain},
        {"Files", "Open", "Open", "Ctrl+O", Open_Click, kMenuPlain},
        {"Files", "Open_Backup", "Open Backup", "", Open_Backup_Click, kMenuPlain},
        {"Files", "Save", "Save", "Ctrl+S", Save_Click, kMenuSeparatorBefore},
        {"Files", "Save_As", "Save As", "", Save_As_Click, kMenuPlain},
        ZN_RECENT(1), ZN_RECENT(2), ZN_RECENT(3), ZN_RECENT(4), ZN_RECENT(5),
        ZN_RECENT(6), ZN_RECENT(7), ZN_RECENT(8), ZN_RECENT(9),
        {"Files", "End", "End", "Ctrl+Q", End_Click, kMenuSeparatorBefore},

        // The View entries that need clicks or typed answers arrive disabled
        // until their commands are wired.
        {"View", "AnimR", "Animated Rotation", "", Nothing, kMenuDisabled},
        {"View", "Grid", "Grid Spacing", "F5", Nothing, kMenuDisabled},
        {"View", "GridOnOff", "Grid On/Off", "F6", GridOnOff_Click, kMenuCheckable},
        {"View", "Limits", "Limits", "F7", Nothing, kMenuDisabled},
        {"View", "Pan", "Pan", "F2", Nothing, kMenuDisabled},
        {"View", "ResetZP", "Reset Zoom and Pan", "F11", ResetZP_Click, kMenuPlain},
        {"View", "Snap", "Snap Width", "F8", Nothing, kMenuDisabled},
        {"View", "SnapOnOff", "Snap Off/X/Y/Both", "F9", SnapOnOff_Click, kMenuPlain},
        {"View", "What", "What is it", "Ctrl+J", Nothing, kMenuDisabled},
        {"View", "ZoomOut", "Zoom Out", "F3", ZoomOut_Click, kMenuPlain},
        {"View", "ZoomIn", "Zoom In", "F4", ZoomIn_Click, kMenuPlain},

        {"Draw", "TracePix", "Trace Picture", "", Nothing, kMenuDisabled},
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
        {"Settings/Line Type", "Continuous", "Continuous (Solid)          Shft+S   or", "Shift+F12", [](App& a) { LineTypeItem_Click(a, 0); }, kMenuCheckable},
        {"Settings/Line Type", "Dashed", "Dashed (Hidden)           Shft+H   or", "Ctrl+F12", [](App& a) { LineTypeItem_Click(a, 1); }, kMenuCheckable},
        {"Settings", "Line_Type_Reverts", "Line Type Reverts to Solid After one line", "Ctrl+Shift+F12", LineTypeReverts_Click, kMenuCheckable},
        {"Settings", "Default_Settings", "Default Settings", "Ctrl+F6", DefaultBox_Click, kMenuSeparatorBefore},
    };
    return rows;
}
#undef ZN_RECENT

const MenuRow* FindMenuRow(const std::string& id) {
    for (const MenuRow& r : MenuTable())
        if (id == r.id) return &r;
    return nullptr;
}

void MenuClick(App& app, const std::string& id) {
    if (const MenuRow* r = FindMenuRow(id)) r->click(app);
}

// The menu bar as one table: a row per entry with its menu, id, caption,
// accelerator and handler. The Qt binding walks the table to build the menu
// bar and routes every triggered entry to MenuClick. Adding a command to a
// menu is adding a row.
#pragma once
#include <string>
#include <vector>

#include "commands/menu_ids.h"

struct App;

enum MenuFlags : unsigned {
    kMenuPlain = 0,
    kMenuCheckable = 1,      // shows a check mark
    kMenuHidden = 2,         // hidden until filled (recent files)
    kMenuDisabled = 4,       // disabled at start
    kMenuSeparatorBefore = 8,
    kMenuStarter = 16,       // runs the starter of the command named by the id
};

struct MenuRow {
    const char* menu;        // "Files", or a submenu path such as "Settings/Color"
    const char* id;          // the entry's id for the platform calls
    const char* caption;     // caption as shown, blanks included
    const char* key;         // accelerator ("Ctrl+N", "Shift+F12"), "" for none
    void (*click)(App&);     // what the entry does (nullptr for starter rows)
    unsigned flags;          // MenuFlags
};

// The top-level captions in their order.
const std::vector<std::string>& MenuBarCaptions();
const std::vector<MenuRow>& MenuTable();
// Looks up a row; nullptr when there is none.
const MenuRow* FindMenuRow(const std::string& id);
// Whether the entry is enabled when the window opens.
bool MenuRowEnabledAtStart(const MenuRow& row);
// Runs the entry's handler; unknown ids do nothing.
void MenuClick(App& app, const std::string& id);

// The ids of the menu entries whose check marks, captions, visibility or
// enabling the rooms change while the program runs. The menu bar itself is
// the table of tables/menu.h; these names sit low so every room can use them.
#pragma once
#include <string>

inline constexpr const char* kMenuWhite = "White";
inline constexpr const char* kMenuContinuous = "Continuous";
inline constexpr const char* kMenuDashed = "Dashed";
inline constexpr const char* kMenuLineTypeReverts = "Line_Type_Reverts";
inline constexpr const char* kMenuUndo = "Undo";
inline constexpr const char* kMenuSnap = "SnapOnOff";
inline constexpr const char* kMenuGrid = "GridOnOff";

// The recent entries are "Files_Menu1" .. "Files_Menu9".
inline std::string RecentMenuId(int index) { return "Files_Menu" + std::to_string(index); }

// The colour items' ids by colour number 1..7; "" for other numbers.
inline const char* ColorMenuId(int color) {
    static const char* const ids[8] = {"", "White", "Red", "Green", "Yellow", "Blue", "Magenta", "Cyan"};
    return color >= 1 && color <= 7 ? ids[color] : "";
}

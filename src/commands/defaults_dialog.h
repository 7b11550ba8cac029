// The Default Settings page of the dialog window Zarnic2 as a plain panel,
// its handlers, and ReadDefaults, which applies the defaults file to the
// settings and the view. Called by start-up, New and the Settings menu.
#pragma once
#include <array>
#include <string>
#include <vector>

struct App;

constexpr int kPanelControls = 20;    // Text4 and List4 indices 0..19

struct DefaultsPanel {
    bool Visible = false;                                   // the window is shown
    std::string Caption;                                    // window caption
    std::array<std::string, kPanelControls> Text3{};        // labels
    std::array<std::string, kPanelControls> Text4{};        // entry boxes (4..19 used)
    std::array<std::vector<std::string>, kPanelControls> List4Items{};  // choices of lists 0..3, 15, 19
    std::array<std::string, kPanelControls> List4{};        // chosen text of each list
    bool ChRevert = false;                                  // "Line Type reverts to solid ..." check box
    std::string Focus;                                      // control to focus on the next sync, e.g. "Text4:17"
};

// Reads the defaults file (writing the factory file when it is missing or
// damaged) and fits the view to the limits.
void ReadDefaults(App& app);
// Settings > Default Settings.
void DefaultBox_Click(App& app);
// "Save Changes".
void DefaultChange_Click(App& app);
// "Cancel".
void DefaultClose_Click(App& app);

// The help viewer: one section of the manual "Zarnic_Help.hlp" at a time in
// the list box Help1 over the drawing area, with its Close button. Called by
// the Help menu; the manual's shortcut section is also printed by the
// output room.
#pragma once
#include <string>
#include <vector>

#include "platform/platform.h"

struct App;

struct HelpViewer {
    ControlBox HelpClose;        // the viewer's Close button
};

inline constexpr const char* kHelpFileName = "Zarnic_Help.hlp";
inline constexpr const char* kHelpCloseName = "HelpClose";

// Shows the lines between two marker lines of the manual; "Help" runs.
void ShowHelpSection(App& app, const std::string& startMarker, const std::string& endMarker);
// Any rows (a report) in the viewer's list with its Close button; the
// running command stays.
void ShowHelpRows(App& app, const std::vector<std::string>& rows, double fontPoints);
// The viewer's Close button (and the end of a damaged read).
void HelpClose_Click(App& app);
// Hides the list and the button without ending the command (the command reset).
void HideHelp(App& app);

// Places a shown viewer again after the drawing area was measured anew.
void PlaceHelpViewer(App& app);
// Registers the viewer with the command reset (start-up).
void InstallHelpOverlay(App& app);

// The Help menu.
void HelpShortcut_Click(App& app);
void HelpFile_Click(App& app);
void HelpEdit_Click(App& app);
void HelpView_Click(App& app);
void HelpDraw_Click(App& app);
void HelpSettings_Click(App& app);
void HelpHelp_Click(App& app);
void HelpShapeFont_Click(App& app);

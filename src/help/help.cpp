// The help viewer. The manual is plain text divided by marker lines
// ("<start>", "<files>", ... "<eof>"); a section is the lines after its
// marker up to the next one. Markers match exactly, so a marker with a
// blank after it is a damaged file.
#include "help/help.h"

#include <cmath>

#include "app.h"
#include "commands/browser.h"
#include "commands/registers.h"
#include "model/textfile.h"

namespace {

const char* const kMsgDamaged =
    "Help file missing or dammaged.\r\n"
    "Download a new Zarnic_Help.hlp from the Zarnic home page, https://zarnic.org/help";

// The list covers most of the drawing area; Close stands above its right end.
void Place(App& app) {
    const double w = app.view.ViewWidth, h = app.view.ViewHeight;
    ControlBox& list = app.browser.Help1;
    list.left = 0.02 * w;
    list.top = 0.05 * h;
    list.width = 0.96 * w;
    list.height = 0.9 * h;
    ControlBox& close = app.help.HelpClose;
    close.left = 0.87 * w;
    close.top = 0.005 * h;
    close.width = 0.1 * w;
    close.height = 0.04 * h;
}

void Show(App& app) {
    app.ui.ShowControl(kHelp1Name, app.browser.Help1);
    app.ui.ShowControl(kHelpCloseName, app.help.HelpClose);
}

// The sections that may only be opened while nothing runs.
void ShowWhenIdle(App& app, const char* start, const char* end) {
    if (app.cmd.CurCommand != "None") return;
    ShowHelpSection(app, start, end);
}

// The button and the list over the drawing area, emptied, in a font size.
void Open(App& app, double fontPoints) {
    Browser& b = app.browser;
    Place(app);
    app.help.HelpClose.visible = true;
    app.help.HelpClose.caption = "Close";
    b.Help1.visible = true;
    b.help1Use = Help1Use::Help;
    b.Help1.rows.clear();
    b.Help1.fontPoints = fontPoints;
}

}  // namespace

void ShowHelpSection(App& app, const std::string& startMarker, const std::string& endMarker) {
    Browser& b = app.browser;
    // 1-2. The button and the list over the drawing area, emptied, in the
    // size the area's width asks for.
    Open(app, std::floor(app.view.ViewWidth / 1500.0 + 0.5));
    // 3-6. A blank row, the section with three blanks after every line, two blank rows.
    b.Help1.rows.push_back(" ");
    std::vector<std::string> lines;
    bool found = false, ended = false;
    if (LoadTextLines(app.set.DataFolder + kHelpFileName, lines)) {
        size_t i = 0;
        while (i < lines.size() && lines[i] != startMarker) ++i;
        found = i < lines.size();
        if (found) {
            b.Help1.rows.push_back("    ");
            for (++i; i < lines.size(); ++i) {
                if (lines[i] == endMarker) {
                    ended = true;
                    break;
                }
                b.Help1.rows.push_back(lines[i] + "   ");
            }
        }
    }
    if (!found || !ended) {
        app.ui.MsgBox(kMsgDamaged, MsgButtons::OK, MsgIcon::None, "");
        HelpClose_Click(app);
        return;
    }
    b.Help1.rows.push_back("   ");
    b.Help1.rows.push_back("   ");
    Show(app);
    // 7. The viewer is the running command.
    app.cmd.CurCommand = "Help";
}

void ShowHelpRows(App& app, const std::vector<std::string>& rows, double fontPoints) {
    Open(app, fontPoints);
    app.browser.Help1.rows = rows;
    Show(app);
}

void HideHelp(App& app) {
    app.browser.Help1.visible = false;
    app.help.HelpClose.visible = false;
    Show(app);
}

void HelpClose_Click(App& app) {
    HideHelp(app);
    CancelCommand(app, 1);
}

void PlaceHelpViewer(App& app) {
    if (!app.browser.Help1.visible || app.browser.help1Use != Help1Use::Help) return;
    Place(app);
    Show(app);
}

void HelpShortcut_Click(App& app) { ShowWhenIdle(app, "<start>", "<files>"); }
void HelpFile_Click(App& app) { ShowHelpSection(app, "<files>", "<edit>"); }
void HelpEdit_Click(App& app) { ShowHelpSection(app, "<edit>", "<view>"); }
void HelpView_Click(App& app) { ShowHelpSection(app, "<view>", "<draw>"); }
void HelpDraw_Click(App& app) { ShowHelpSection(app, "<draw>", "<settings>"); }
void HelpSettings_Click(App& app) { ShowHelpSection(app, "<settings>", "<help>"); }
void HelpHelp_Click(App& app) { ShowWhenIdle(app, "<help>", "<shapefont>"); }
void HelpShapeFont_Click(App& app) { ShowHelpSection(app, "<shapefont>", "<eof>"); }

void InstallHelpOverlay(App& app) {
    // Escape, or a command that takes over, closes the viewer.
    AddOverlay(app, {"Help", "Help", [](const App& a) { return a.browser.Help1.visible; }, HideHelp});
}

// Start-up, the caption, the colour and line-type settings, the line-type
// fallback and the program's end. Form_Load runs once from the main window;
// the caption procedures are called by every command that changes the file
// identity or the status.
#include "commands/shell.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "app.h"
#include "commands/browser.h"
#include "commands/defaults_dialog.h"
#include "commands/files.h"
#include "commands/menu_ids.h"
#include "commands/recovery.h"
#include "commands/registers.h"
#include "commands/viewmenu.h"
#include "dial/designer.h"
#include "editing/arrays.h"
#include "editing/change.h"
#include "help/help.h"
#include "model/dwgfile.h"
#include "model/messages.h"
#include "model/recent.h"
#include "view/font.h"
#include "view/redraw.h"
#include "view/shapes.h"
#include "view/view.h"

// ---- caption --------------------------------------------------------------

static std::string FontShapeTail(const App& app, const char* shapeWord) {
    return "  <Font: " + app.set.FontPrefix + ">  <" + shapeWord + ": " + app.dwg.ShapePrefix + ">";
}

void CaptionStartup(App& app) { app.shell.CaptionTitle = "Zarnic No File." + FontShapeTail(app, "Shapes"); }

void CaptionNew(App& app) { app.shell.CaptionTitle = "Zarnic  No File." + FontShapeTail(app, "Shapes"); }

void CaptionFile(App& app) {
    app.shell.CaptionTitle =
        "Zarnic File: " + ShortenPath(app.dwg.DwgPath) + app.dwg.DwgName + FontShapeTail(app, "Shape");
}

void SetStatusAndCaption(App& app) {
    int c = app.dwg.CurColor >= 1 && app.dwg.CurColor <= 7 ? app.dwg.CurColor : 1;
    int t = app.dwg.CurLineType == 1 ? 1 : 0;
    app.shell.CaptionStatus =
        std::string("  Draw Color = ") + ColorNames[c] + "   Line Type = " + LineTypeNames[t];
    app.ui.SetCaption(app.shell.CaptionTitle + app.shell.CaptionStatus);
}

// ---- colour and line type ---------------------------------------------------

void ColorItem_Click(App& app, int color) {
    static const uint32_t kRgb[8] = {0, 0, 255, 65280, 65535, 16711680, 16711935, 16776960};
    if (color < 1 || color > 7) return;
    app.dwg.CurColor = static_cast<int16_t>(color);
    app.set.DrawRGB = color == 1 ? (app.set.BoardColor ^ 0xFFFFFFu) : kRgb[color];
    for (int k = 1; k <= 7; ++k) app.ui.MenuSetChecked(ColorMenuId(k), k == color);
    SetStatusAndCaption(app);
}

void LineTypeItem_Click(App& app, int lineType) {
    app.dwg.CurLineType = static_cast<int16_t>(lineType == 1 ? 1 : 0);
    app.ui.MenuSetChecked(kMenuContinuous, app.dwg.CurLineType == 0);
    app.ui.MenuSetChecked(kMenuDashed, app.dwg.CurLineType == 1);
    SetStatusAndCaption(app);
}

void LineTypeReverts_Click(App& app) {
    app.set.LineTypeReverts = !app.set.LineTypeReverts;
    app.ui.MenuSetChecked(kMenuLineTypeReverts, app.set.LineTypeReverts);
}

void RevertLineType(App& app) {
    if (!app.set.LineTypeReverts) {
        app.ui.MenuSetChecked(kMenuLineTypeReverts, false);
        return;
    }
    app.dwg.CurLineType = 0;
    SetStatusAndCaption(app);
    app.ui.MenuSetChecked(kMenuContinuous, true);
    app.ui.MenuSetChecked(kMenuDashed, false);
    app.ui.MenuSetChecked(kMenuLineTypeReverts, true);
}

// ---- start-up ---------------------------------------------------------------

static void CreateEmptyRecentFile(App& app) {
    FileState empty;
    std::string path = app.set.DataFolder + kRecentFileName;
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::string text = RecentFileText(empty);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
}

void Form_Load(App& app, const std::string& programFolder, double widthTw, double heightTw) {
    // What the rooms above the view and the registers must be reached through.
    InstallMissingShapeQuestion(app);
    InstallBrowserOverlays(app);
    InstallHelpOverlay(app);
    InstallDialOverlay(app);
    InstallWhatOverlay(app);
    InstallRectArrayOverlay(app);
    InstallAnimOverlays(app);
    // 1. The drawing area is measured once; the dialogs exist hidden.
    MeasureView(app, widthTw, heightTw);
    // 2. The data folder; nothing to undo yet.
    app.set.DataFolder = programFolder;
    if (app.set.DataFolder.empty() || app.set.DataFolder.back() != kSep) app.set.DataFolder += kSep;
    app.cmd.UndoOp = "None";
    // 3. The defaults (limits, grid, snap, colours, font, shapes) and the view fit.
    ReadDefaults(app);
    app.ui.SetWindowColors(app.set.BoardColor, app.set.BoardColor ^ 0xFFFFFFu);
    // 4. The prompt line's filler; pi.
    BuildPromptFiller(app);
    app.dwg.PI = 4 * std::atan(1.0);
    // 5. An empty, unchanged drawing.
    app.dwg.ObjNext = 1;
    app.dwg.DrawingChanged = false;
    // 6. The caption.
    CaptionStartup(app);
    SetStatusAndCaption(app);
    // 7. The stroke font is compiled from its character drawings and loaded.
    BuildFontFile(app);
    // 8. The renderer's colour table.
    FillColorTable(app);
    // 9. Extents, the default drawing folder, the shape list, the command register.
    ResetExtents(app.dwg);
    app.dwg.DwgPath = app.set.DwgFolderDefault;
    InstallShapeBoxHook(app);
    LoadNewShapes(app);
    CancelCommand(app, 0);
    // 10. Current colour and the line-type menu marks.
    app.dwg.CurColor = 1;
    app.ui.MenuSetChecked(kMenuLineTypeReverts, app.set.LineTypeReverts);
    app.ui.MenuSetChecked(kMenuContinuous, app.dwg.CurLineType == 0);
    app.ui.MenuSetChecked(kMenuDashed, app.dwg.CurLineType == 1);
    // 11. Unsaved work of a run that did not end properly is offered back
    // first. The recent-file list: created on the first run, else read and
    // the most recent drawing opened (unless a copy was restored).
    const bool restored = OfferRecoveryCopies(app);
    if (!FileExists(app.set.DataFolder + kRecentFileName)) {
        if (!restored) FitViewToLimits(app);
        CreateEmptyRecentFile(app);
        if (!restored) New_Click(app);
    } else {
        Files_Menu_List(app, !restored);
    }
    // 12. No drawing open: the view shows the limits.
    if (app.dwg.DwgName.empty()) FitViewToLimits(app);
    // 13. Snap steps and the snap menu caption.
    if (app.dwg.SnapY == 0) app.dwg.SnapY = app.dwg.SnapX;
    ApplySnapMode(app);
    // 14. The text-undo file of an earlier run goes.
    std::remove((app.set.DataFolder + kUndoFileName).c_str());
    app.shell.Started = true;
    ScreenRedraw(app, 1);
}

// ---- end --------------------------------------------------------------------

void End_Click(App& app) {
    if (app.cmd.CurCommand != "None") return;
    CancelCommand(app, 0);
    WriteRecentFile(app);
    if (app.dwg.DrawingChanged && !MaybeSave(app, kMsgFileChanged, kTitleAreYouSure)) return;
    app.ui.ClipboardClear();
    app.ui.Quit();
}

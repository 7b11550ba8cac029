// The Files menu: New, Open, Open Backup, Save, Save As and the recent-file
// entries, the save question that guards each of them, and SaveFile/OpenFile,
// which move a drawing between the table and its file with the program's
// messages, the caption and the recent list. Called by the menu table,
// start-up (Files_Menu_List, New_Click), the file dialogs and Exit.
#include "commands/files.h"

#include <fstream>

#include "app.h"
#include "commands/defaults_dialog.h"
#include "commands/filedialogs.h"
#include "commands/menu_ids.h"
#include "commands/registers.h"
#include "commands/recovery.h"
#include "commands/shell.h"
#include "commands/viewmenu.h"
#include "model/dwgfile.h"
#include "model/extents.h"
#include "model/messages.h"
#include "model/recent.h"
#include "model/safewrite.h"
#include "view/redraw.h"
#include "view/view.h"

static bool Idle(const App& app) { return app.cmd.CurCommand == "None"; }

static bool IsNameOnlyExtension(const std::string& name) {
    if (name.size() != 4) return false;
    std::string low;
    for (char c : name) low += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return low == ".dwg" || low == ".bak";
}

// ---- saving -----------------------------------------------------------------

bool SaveFile(App& app) {
    Drawing& d = app.dwg;
    FileState& f = app.files;
    // 1. Degenerate objects go; the others are numbered 1, 2, ...
    int count = NumberObjectsForSave(d);
    std::string path = d.DwgPath + d.DwgName;
    // A newly chosen name goes to the recent list even when it replaces an
    // existing file (the question below clears SaveAsPending).
    bool newName = f.SaveAsPending;
    // 2. A new name that is already taken needs the user's word.
    if (f.SaveAsPending && FileExists(path)) {
        f.SaveAsPending = false;
        if (app.ui.MsgBox(kMsgReplace, MsgButtons::YesNo, MsgIcon::Warning, kTitleFileSave) != MsgAnswer::Yes) {
            f.SaveRefused = true;
            return false;
        }
    }
    // 3. The caption names the file.
    CaptionFile(app);
    SetStatusAndCaption(app);
    // 7. The recent list and the dialogs follow the file.
    if (newName) Files_Menu_List_Add(app);
    Set_Path(app);
    // 5, 6, 8-10. The text is built in memory (extents from their reset
    // start), then written beside the file and renamed over it after the
    // backup copy; no handle is open by the time a message shows.
    std::string text = FormatDrawing(d, count);
    WriteResult r = WriteFileSafely(path, BackupName(path), text);
    if (r.fail != WriteFail::None) {
        app.ui.MsgBox(WriteFailMessage(r), MsgButtons::OK, MsgIcon::None, "");
        f.SaveAsPending = false;
        return false;
    }
    d.DrawingChanged = false;
    f.SaveAsPending = false;
    DeleteRecoveryCopy(app);  // the changes are in the file now
    ScreenRedraw(app, 1);
    return true;
}

// ---- reading ----------------------------------------------------------------

// A failed read: the message, then a fresh drawing. A failed insertion
// instead takes back the records it added, so the user's own drawing stays.
static void ReadFailed(App& app, const ReadResult& r, int insertFrom) {
    Drawing& d = app.dwg;
    FileState& f = app.files;
    app.ui.MsgBox(ReadFailMessage(r), MsgButtons::OK, MsgIcon::None, "");
    if (f.InsertMode) {
        for (int s = insertFrom; s < d.ObjNext && s <= kMaxSlot; ++s) d.ObjType[s].clear();
        d.ObjNext = static_cast<int16_t>(insertFrom);
        if (f.PrevTaken) d.DwgPath = f.PrevPath;
        d.DwgName = f.PrevName;
        f.InsertMode = false;
        f.PrevTaken = false;
        ScreenRedraw(app, 1);
        RecomputeExtents(d);
        return;
    }
    if (!Idle(app)) return;  // a running command keeps what was read so far
    // The half-read drawing is nobody's work: New must not offer to save it.
    d.DrawingChanged = false;
    New_Click(app);
}

void OpenFile(App& app, double dx, double dy, double scale) {
    Drawing& d = app.dwg;
    FileState& f = app.files;
    // 1. The name from the dialog's box; a new drawing starts from an empty table.
    d.DwgName = app.dlg.OpenF.TxtFName;
    if (!f.InsertMode) ClearObjects(d);
    if (d.DwgName.empty() || IsNameOnlyExtension(d.DwgName)) return;
    // 2. The dialogs follow the folder; the file is read whole.
    Set_Path(app);
    int insertFrom = d.ObjNext;
    std::string text;
    ReadResult r = LoadTextFile(d.DwgPath + d.DwgName, text);
    if (r.fail == ReadFail::None) {
        // 3. A normal open puts the file on top of the recent list first.
        if (!f.InsertMode) Files_Menu_List_Add(app);
        // 3-6. Header (or its skip), the records, the extents lines.
        r = ParseDrawing(d, text, f.InsertMode, dx, dy, scale);
    }
    if (r.fail != ReadFail::None) {
        ReadFailed(app, r, insertFrom);
        return;
    }
    // 7. An insertion changes the drawing it went into, which keeps its name.
    bool inserted = f.InsertMode;
    if (inserted) {
        d.DrawingChanged = true;
        if (f.PrevTaken) d.DwgPath = f.PrevPath;
        d.DwgName = f.PrevName;
    } else {
        d.DrawingChanged = false;
    }
    f.InsertMode = false;
    f.PrevTaken = false;
    // The objects read belong to no command that Undo could take back.
    app.cmd.ObjNextAtStart = d.ObjNext;
    app.dlg.OpenF.Visible = false;
    app.ui.ShowDialog(DialogId::OpenF, false);
    // 8. The 100 % scale of the new limits; the shape list of the drawing's prefix.
    FitZoomOnly(app);
    LoadNewShapes(app);
    ScreenRedraw(app, 1);
    RecomputeExtents(d);
    // 9. A new drawing brings its snap mode and its name into the window.
    if (!inserted) {
        ApplySnapMode(app);
        CaptionFile(app);
        SetStatusAndCaption(app);
    }
}

// ---- the recent-file list -----------------------------------------------------

static bool EntryExists(const FileState& f, int i) {
    return !f.RecentName[i].empty() && FileExists(f.RecentPath[i] + f.RecentName[i]);
}

void Files_Menu_List(App& app, bool openNewest) {
    FileState& f = app.files;
    std::string listPath = app.set.DataFolder + kRecentFileName;
    // 1. No list yet: a new drawing.
    if (!FileExists(listPath)) {
        New_Click(app);
        return;
    }
    // 2. The 20 lines; a short or unreadable file leaves entries empty.
    std::string text;
    LoadTextFile(listPath, text);
    RecentParse(f, text);
    // 3. Files that have gone leave the list, the later entries close up.
    for (int i = 0; i < kRecentKept;) {
        if (EntryExists(f, i)) {
            ++i;
            continue;
        }
        bool restEmpty = true;
        for (int j = i; j < kRecentKept; ++j)
            if (!f.RecentPath[j].empty() || !f.RecentName[j].empty()) restEmpty = false;
        if (restEmpty) break;
        RecentRemoveAt(f, i);
    }
    // 4-6. Duplicates, the file written back, the menu.
    RecentRemoveDuplicates(f);
    WriteRecentFile(app);
    RefreshRecentMenu(app);
    // 7. The most recent drawing (not when a recovery copy was restored
    // instead). An empty list keeps the default drawing folder for the dialogs.
    if (!openNewest) return;
    if (f.RecentName[0].empty()) {
        app.dlg.OpenF.TxtFName.clear();
        Set_Path(app);
        return;
    }
    app.dwg.DwgPath = f.RecentPath[0];
    app.dwg.DwgName = f.RecentName[0];
    Set_Path(app);
    app.dlg.OpenF.TxtFName = f.RecentName[0];
    f.InsertMode = false;
    OpenFile(app, 0, 0, 1);
}

void Files_Menu_List_Add(App& app) {
    RecentPushFront(app.files, app.dwg.DwgPath, app.dwg.DwgName);
    RefreshRecentMenu(app);
}

void WriteRecentFile(App& app) {
    std::ofstream out(app.set.DataFolder + kRecentFileName, std::ios::binary | std::ios::trunc);
    out << RecentFileText(app.files);  // a list that cannot be written is not worth a message
}

void RefreshRecentMenu(App& app) {
    const FileState& f = app.files;
    for (int k = 1; k <= kRecentShown; ++k) {
        std::string id = RecentMenuId(k);
        if (f.RecentName[k].empty()) {
            app.ui.MenuSetVisible(id, false);
            continue;
        }
        app.ui.MenuSetCaption(id, ShortenPath(f.RecentPath[k]) + f.RecentName[k]);
        app.ui.MenuSetVisible(id, true);
    }
}

// Opens one listed drawing (folder ending in kSep, name) after the question.
static void OpenRecent(App& app, const std::string& folder, const std::string& name) {
    if (name.empty() || !FileExists(folder + name)) {
        app.ui.MsgBox(kMsgFileNotFound, MsgButtons::OK, MsgIcon::None, "");
        return;
    }
    if (app.dwg.DrawingChanged && !MaybeSave(app, kMsgCurrentChanged, "", "Recent:" + folder + name)) return;
    app.dwg.DwgPath = folder;
    app.dwg.DwgName = name;
    app.dlg.OpenF.TxtFName = name;
    app.files.InsertMode = false;  // a listed drawing is always opened, never inserted
    OpenFile(app, 0, 0, 1);
}

void Files_Menu_Click(App& app, int index) {
    if (index < 1 || index > kRecentShown) return;
    // Copies: the save question may reorder the list.
    std::string folder = app.files.RecentPath[index], name = app.files.RecentName[index];
    OpenRecent(app, folder, name);
}

void Set_Path(App& app) {
    if (app.dwg.DwgPath.empty()) app.dwg.DwgPath = app.set.DataFolder;
    PanelSetFolder(app.dlg.OpenF, app.dwg.DwgPath);
    PanelSetFolder(app.dlg.SaveAs, app.dwg.DwgPath);
    app.ui.SyncDialog(DialogId::OpenF);
    app.ui.SyncDialog(DialogId::SaveAs);
}

// An unnamed drawing is saved through the Save As dialog.
static void AskForName(App& app) {
    if (app.dlg.SaveAs.Drives.empty()) SaveAs_Form_Load(app);
    app.files.SaveAsPending = true;
    Set_Path(app);
    SaveAs_Show(app);
}

// ---- the save question ----------------------------------------------------------

bool MaybeSave(App& app, const char* question, const char* title) { return MaybeSave(app, question, title, ""); }

bool MaybeSave(App& app, const char* question, const char* title, const std::string& then) {
    if (!app.dwg.DrawingChanged) return true;
    MsgAnswer a = app.ui.MsgBox(question, MsgButtons::YesNoCancel, MsgIcon::Question, title ? title : "");
    if (a == MsgAnswer::Cancel) return false;
    if (a != MsgAnswer::Yes) {
        DeleteRecoveryCopy(app);  // the user let the changes go
        return true;
    }
    if (app.dwg.DwgName.empty()) {
        // An unnamed drawing needs its name first; what was asked for
        // continues once the Save As completes, and never if it is cancelled.
        AskForName(app);
        app.files.AfterSaveAs = then;
        return false;
    }
    app.files.SaveAsPending = false;
    Set_Path(app);
    return SaveFile(app);  // a failed save keeps the drawing
}

void RunAfterSaveAs(App& app) {
    std::string then = app.files.AfterSaveAs;
    app.files.AfterSaveAs.clear();
    if (then == "New")
        New_Click(app);
    else if (then == "Open")
        Open_Click(app);
    else if (then == "OpenBackup")
        Open_Backup_Click(app);
    else if (then == "End")
        End_Click(app);
    else if (then.rfind("Recent:", 0) == 0) {
        std::string full = then.substr(7);
        size_t cut = full.rfind(kSep);
        std::string folder = cut == std::string::npos ? "" : full.substr(0, cut + 1);
        OpenRecent(app, folder, full.substr(folder.size()));
    }
}

// ---- the menu commands ----------------------------------------------------------

void New_Click(App& app) {
    if (!Idle(app)) return;
    Drawing& d = app.dwg;
    CancelCommand(app, 0);
    if (d.DrawingChanged && !MaybeSave(app, kMsgFileChanged, kTitleAreYouSure, "New")) return;
    app.dlg.OpenF.TxtFName.clear();
    app.dlg.SaveAs.TxtFName.clear();
    app.dlg.SaveAs.Visible = false;
    app.files.AfterSaveAs.clear();
    app.files.PrevTaken = false;  // the drawing the open dialog would restore is gone
    app.ui.ShowDialog(DialogId::SaveAs, false);
    app.ui.SyncDialog(DialogId::OpenF);
    d.DwgName.clear();
    app.cmd.CurCommand = "None";
    app.cmd.WindowSelect = "None";
    d.DrawingChanged = false;
    ResetExtents(d);
    ClearObjects(d);
    // The defaults bring back limits, grid, snap, text height, font and
    // shapes, and fit the view; the caption is built from what they set.
    ReadDefaults(app);
    CaptionNew(app);
    SetStatusAndCaption(app);
    CancelCommand(app, 0);
    LoadNewShapes(app);
    ScreenRedraw(app, 1);
}

static void ShowOpenDialog(App& app, bool backup) {
    if (!Idle(app)) return;
    FileState& f = app.files;
    if (app.dwg.DrawingChanged && !MaybeSave(app, kMsgCurrentChanged, "", backup ? "OpenBackup" : "Open"))
        return;
    f.BackupMode = backup;
    CancelCommand(app, 0);
    FilePanel& p = app.dlg.OpenF;
    if (p.Drives.empty()) OpenF_Form_Load(app);
    p.Pattern = backup ? "*.BAK" : "*.dwg";
    if (!backup && !app.dwg.DwgPath.empty())
        Set_Path(app);
    else
        PanelRefreshFiles(p);
    f.InsertMode = false;
    f.PrevTaken = false;
    OpenF_Show(app);
}

void Open_Click(App& app) { ShowOpenDialog(app, false); }

void ShowInsertDialog(App& app) {
    FileState& f = app.files;
    f.BackupMode = false;
    FilePanel& p = app.dlg.OpenF;
    if (p.Drives.empty()) OpenF_Form_Load(app);
    p.Pattern = "*.dwg";
    if (!app.dwg.DwgPath.empty())
        Set_Path(app);
    else
        PanelRefreshFiles(p);
    // The drawing keeps its own name after the insertion.
    f.InsertMode = true;
    f.PrevTaken = false;
    OpenF_Show(app);
}

void Open_Backup_Click(App& app) { ShowOpenDialog(app, true); }

void Save_Click(App& app) {
    if (!Idle(app)) return;
    app.files.SaveAsPending = false;
    CancelCommand(app, 0);
    if (!app.dwg.DwgName.empty()) {
        Set_Path(app);
        SaveFile(app);
        return;
    }
    AskForName(app);
}

void Save_As_Click(App& app) {
    if (!Idle(app)) return;
    app.files.SaveAsPending = true;
    CancelCommand(app, 0);  // (which clears SaveAsPending again)
    Set_Path(app);
    FilePanel& p = app.dlg.SaveAs;
    if (p.Drives.empty()) SaveAs_Form_Load(app);
    p.TxtFName = app.dwg.DwgName;
    p.SelStart = 0;
    p.SelLength = 99;
    SaveAs_Show(app);
    app.files.SaveAsPending = true;
}

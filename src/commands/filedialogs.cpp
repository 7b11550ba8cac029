// The open dialog (OpenF) and the Save As dialog (SaveAs) as plain panels:
// the drive, folder and file listings and every event handler. The Qt windows
// (ui/filewindows.cpp) copy their widgets in and out around these calls; the
// file commands (commands/files.cpp) load and show the panels.
#include "commands/filedialogs.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app.h"
#include "commands/files.h"
#include "commands/shell.h"
#include "model/dwgfile.h"
#include "model/messages.h"

namespace fs = std::filesystem;

// ---- listing helpers ----------------------------------------------------------

static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

static bool LessNoCase(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (Lower(a[i]) != Lower(b[i])) return Lower(a[i]) < Lower(b[i]);
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;  // names differing only in case keep a fixed order
}

static bool EndsWithNoCase(const std::string& s, const std::string& tail) {
    if (s.size() < tail.size()) return false;
    for (size_t i = 0; i < tail.size(); ++i)
        if (Lower(s[s.size() - tail.size() + i]) != Lower(tail[i])) return false;
    return true;
}

static std::string WithSep(std::string folder) {
    if (!folder.empty() && folder.back() != kSep) folder += kSep;
    return folder;
}

// /proc/mounts writes blanks and other awkward characters as \ooo.
static std::string UnescapeMount(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            std::string oct = s.substr(i + 1, 3);
            if (std::all_of(oct.begin(), oct.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::stoi(oct, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

std::vector<std::string> ListDrives() {
    std::vector<std::string> drives{std::string(1, kSep)};
    std::ifstream in("/proc/mounts");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string device, mount;
        if (!(fields >> device >> mount)) continue;
        if (device.rfind("/dev/", 0) != 0) continue;
        mount = UnescapeMount(mount);
        std::error_code ec;
        if (!fs::is_directory(mount, ec)) continue;
        drives.push_back(WithSep(mount));
    }
    std::sort(drives.begin(), drives.end());
    drives.erase(std::unique(drives.begin(), drives.end()), drives.end());
    return drives;
}

std::string DriveOf(const std::vector<std::string>& drives, const std::string& folder) {
    std::string best;
    for (const std::string& d : drives)
        if (folder.rfind(d, 0) == 0 && d.size() > best.size()) best = d;
    return best;
}

// A glob of '*' and '?'; letters match without regard to case.
static bool Glob(const char* n, const char* p) {
    for (; *p; ++p, ++n) {
        if (*p == '*') {
            while (p[1] == '*') ++p;
            for (const char* t = n;; ++t) {
                if (Glob(t, p + 1)) return true;
                if (!*t) return false;
            }
        }
        if (!*n) return false;
        if (*p != '?' && Lower(*p) != Lower(*n)) return false;
    }
    return *n == 0;
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    return Glob(name.c_str(), pattern.c_str());
}

void PanelRefreshFiles(FilePanel& p) {
    p.Files.clear();
    p.FileIndex = -1;
    if (p.Folder.empty()) return;
    std::error_code ec;
    for (fs::directory_iterator it(p.Folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e2;
        if (!it->is_regular_file(e2)) continue;
        std::string name = it->path().filename().string();
        if (MatchesPattern(name, p.Pattern)) p.Files.push_back(name);
    }
    std::sort(p.Files.begin(), p.Files.end(), LessNoCase);
}

void PanelSetFolder(FilePanel& p, const std::string& folder) {
    p.FolderList.clear();
    if (folder.empty()) {
        p.Folder.clear();
        PanelRefreshFiles(p);
        return;
    }
    p.Folder = WithSep(fs::path(folder).lexically_normal().generic_string());
    // The ancestors from the root down to the folder itself...
    for (size_t i = 0; i < p.Folder.size(); ++i)
        if (p.Folder[i] == kSep) p.FolderList.push_back(p.Folder.substr(0, i + 1));
    // ...then its own subfolders, hidden ones left out.
    std::vector<std::string> subs;
    std::error_code ec;
    for (fs::directory_iterator it(p.Folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e2;
        if (!it->is_directory(e2)) continue;
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        subs.push_back(name);
    }
    std::sort(subs.begin(), subs.end(), LessNoCase);
    for (const std::string& s : subs) p.FolderList.push_back(p.Folder + s + kSep);
    if (!p.Drives.empty()) {
        std::string drive = DriveOf(p.Drives, p.Folder);
        auto at = std::find(p.Drives.begin(), p.Drives.end(), drive);
        p.DriveIndex = at == p.Drives.end() ? 0 : static_cast<int>(at - p.Drives.begin());
    }
    PanelRefreshFiles(p);
}

// ---- shared steps --------------------------------------------------------------

static std::string StartFolder(const App& app) {
    return app.dwg.DwgPath.empty() ? app.set.DataFolder : app.dwg.DwgPath;
}

static void ShowPanel(App& app, FilePanel& p, DialogId id) {
    p.Visible = true;
    p.Focus = "TxtFName";
    app.ui.ShowDialog(id, true);
    app.ui.FocusDialog(id, "TxtFName");
}

static void FocusName(App& app, FilePanel& p, DialogId id) {
    p.Focus = "TxtFName";
    app.ui.SyncDialog(id);
    app.ui.FocusDialog(id, "TxtFName");
}

static void SelectAll(FilePanel& p) {
    p.SelStart = 0;
    p.SelLength = static_cast<int>(p.TxtFName.size());
}

static bool ValidFile(const FilePanel& p, int i) { return i >= 0 && i < static_cast<int>(p.Files.size()); }

// ---- OpenF -----------------------------------------------------------------------

void OpenF_Form_Load(App& app) {
    FilePanel& p = app.dlg.OpenF;
    p.Drives = ListDrives();
    p.Pattern = "*.dwg";
    PanelSetFolder(p, StartFolder(app));
    app.ui.SyncDialog(DialogId::OpenF);
}

void OpenF_Show(App& app) { ShowPanel(app, app.dlg.OpenF, DialogId::OpenF); }

// The first change of the current file in one showing of the dialog keeps the
// drawing's own folder and name; later changes must not overwrite them, or
// Cancel and the end of an insertion would bring back a file merely clicked.
static void TakePrev(App& app) {
    FileState& f = app.files;
    if (f.PrevTaken) return;
    f.PrevPath = app.dwg.DwgPath;
    f.PrevName = app.dwg.DwgName;
    f.PrevTaken = true;
}

static std::string DialogFolder(const App& app, const FilePanel& p) {
    return p.Folder.empty() ? app.dwg.DwgPath : WithSep(p.Folder);
}

// The chosen file is read: opened, or inserted with the Insert command's values.
static void ReadChosen(App& app) {
    const FileState& f = app.files;
    if (f.InsertMode)
        OpenFile(app, f.InsertX, f.InsertY, f.InsertScale);
    else
        OpenFile(app, 0, 0, 1);
}

// A drive chosen in a panel's drive list: false for an index not in the list.
static bool PickDrive(FilePanel& p, int driveIndex) {
    if (driveIndex < 0 || driveIndex >= static_cast<int>(p.Drives.size())) return false;
    p.DriveIndex = driveIndex;
    return true;
}

void OpenF_Drive1_Change(App& app, int driveIndex) {
    FilePanel& p = app.dlg.OpenF;
    if (PickDrive(p, driveIndex)) OpenF_Dir1_Change(app, p.Drives[driveIndex]);
}

void OpenF_Dir1_Change(App& app, const std::string& folder) {
    PanelSetFolder(app.dlg.OpenF, folder);
    app.ui.SyncDialog(DialogId::OpenF);
}

void OpenF_File1_Click(App& app, int fileIndex) {
    FilePanel& p = app.dlg.OpenF;
    if (!ValidFile(p, fileIndex)) return;
    TakePrev(app);
    app.dwg.DwgPath = DialogFolder(app, p);
    app.dwg.DwgName = p.Files[fileIndex];
    p.FileIndex = fileIndex;
    p.TxtFName = app.dwg.DwgName;
    SelectAll(p);
    app.ui.SyncDialog(DialogId::OpenF);
}

void OpenF_File1_DblClick(App& app, int fileIndex) {
    if (!ValidFile(app.dlg.OpenF, fileIndex)) return;
    OpenF_File1_Click(app, fileIndex);
    ReadChosen(app);
}

void OpenF_File1_KeyPress(App& app, int key) {
    if (key != 13) return;
    OpenF_File1_DblClick(app, app.dlg.OpenF.FileIndex);
}

// Enter in the name box reads the file picked in the list; a name typed since
// is taken as the Open button takes it.
void OpenF_TxtFName_KeyPress(App& app, int key) {
    if (key != 13) return;
    FilePanel& p = app.dlg.OpenF;
    if (ValidFile(p, p.FileIndex) && (p.TxtFName.empty() || p.TxtFName == p.Files[p.FileIndex])) {
        OpenF_File1_DblClick(app, p.FileIndex);
        return;
    }
    if (p.TxtFName.empty()) return;
    OpenF_TxtFName_LostFocus(app);
    OpenF_CmdOpen_Click(app);
}

// A typed name becomes the current file name, with ".dwg" (or ".BAK" for Open
// Backup) when it has neither. An empty box has nothing to take.
void OpenF_TxtFName_LostFocus(App& app) {
    FilePanel& p = app.dlg.OpenF;
    if (p.TxtFName.empty()) return;
    TakePrev(app);
    app.dwg.DwgPath = DialogFolder(app, p);
    const std::string& t = p.TxtFName;
    if (EndsWithNoCase(t, ".dwg") || EndsWithNoCase(t, ".bak"))
        app.dwg.DwgName = t;
    else
        app.dwg.DwgName = t + (app.files.BackupMode ? ".BAK" : ".dwg");
    p.TxtFName = app.dwg.DwgName;
    SelectAll(p);
    app.ui.SyncDialog(DialogId::OpenF);
}

void OpenF_CmdOpen_Click(App& app) {
    FilePanel& p = app.dlg.OpenF;
    if (p.TxtFName.empty()) {
        if (!ValidFile(p, p.FileIndex)) return;
        OpenF_File1_Click(app, p.FileIndex);
        ReadChosen(app);
        return;
    }
    // A name typed but not yet taken (the box never lost the focus).
    if (p.TxtFName != app.dwg.DwgName) OpenF_TxtFName_LostFocus(app);
    if (!FileExists(app.dwg.DwgPath + app.dwg.DwgName)) {
        app.ui.MsgBox(kMsgFileNotFound, MsgButtons::OK, MsgIcon::None, "");
        FocusName(app, p, DialogId::OpenF);
        return;
    }
    p.TxtFName = app.dwg.DwgName;
    ReadChosen(app);
}

void OpenF_CmdClose_Click(App& app) {
    FileState& f = app.files;
    if (f.PrevTaken) {
        app.dwg.DwgPath = f.PrevPath;
        app.dwg.DwgName = f.PrevName;
    }
    f.PrevTaken = false;
    f.InsertMode = false;  // a cancelled insertion must not turn the next open into one
    app.dlg.OpenF.Visible = false;
    app.ui.ShowDialog(DialogId::OpenF, false);
}

// ---- SaveAs ------------------------------------------------------------------------

void SaveAs_Form_Load(App& app) {
    FilePanel& p = app.dlg.SaveAs;
    p.Drives = ListDrives();
    p.Pattern = "*.dwg";
    PanelSetFolder(p, StartFolder(app));
    app.ui.SyncDialog(DialogId::SaveAs);
}

void SaveAs_Show(App& app) {
    FilePanel& p = app.dlg.SaveAs;
    if (!p.Visible) {
        app.files.KeptPath = app.dwg.DwgPath;
        app.files.KeptName = app.dwg.DwgName;
    }
    ShowPanel(app, p, DialogId::SaveAs);
}

// The name box's text as folder and file: a text holding kSep names a folder
// up to its last kSep (a relative one below the dialog's folder); the file
// gets ".dwg" unless it has it already.
static void TakeSaveAsName(App& app, const std::string& text) {
    const FilePanel& p = app.dlg.SaveAs;
    std::string folder = DialogFolder(app, p), name = text;
    size_t cut = text.rfind(kSep);
    if (cut != std::string::npos) {
        std::string part = text.substr(0, cut + 1);
        folder = part[0] == kSep ? part : folder + part;
        folder = WithSep(fs::path(folder).lexically_normal().generic_string());
        name = text.substr(cut + 1);
    }
    app.dwg.DwgPath = folder;
    app.dwg.DwgName = name.empty() || EndsWithNoCase(name, ".dwg") ? name : name + ".dwg";
}

void SaveAs_Drive1_Change(App& app, int driveIndex) {
    FilePanel& p = app.dlg.SaveAs;
    if (PickDrive(p, driveIndex)) SaveAs_Dir1_Change(app, p.Drives[driveIndex]);
}

void SaveAs_Dir1_Change(App& app, const std::string& folder) {
    FilePanel& p = app.dlg.SaveAs;
    PanelSetFolder(p, folder);
    if (!p.Folder.empty()) app.dwg.DwgPath = p.Folder;
    app.ui.SyncDialog(DialogId::SaveAs);
}

void SaveAs_File1_Click(App& app, int fileIndex) {
    FilePanel& p = app.dlg.SaveAs;
    if (!ValidFile(p, fileIndex)) return;
    app.dwg.DwgPath = DialogFolder(app, p);
    app.dwg.DwgName = p.Files[fileIndex];
    p.FileIndex = fileIndex;
    p.TxtFName = app.dwg.DwgName;
    SelectAll(p);
    app.ui.SyncDialog(DialogId::SaveAs);
}

void SaveAs_TxtFName_Change(App& app) {
    const std::string& t = app.dlg.SaveAs.TxtFName;
    if (!t.empty()) TakeSaveAsName(app, t);
}

void SaveAs_TxtFName_KeyPress(App& app, int key) {
    if (key == 13) SaveAs_CmdSave_Click(app);
}

void SaveAs_CmdSave_Click(App& app) {
    FilePanel& p = app.dlg.SaveAs;
    FileState& f = app.files;
    if (!p.TxtFName.empty()) TakeSaveAsName(app, p.TxtFName);
    if (app.dwg.DwgName.empty()) {
        app.ui.MsgBox(kMsgPutName, MsgButtons::OK, MsgIcon::None, "");
        FocusName(app, p, DialogId::SaveAs);
        return;
    }
    f.SaveAsPending = true;  // a name chosen here is always a new one
    bool saved = SaveFile(app);
    bool refused = f.SaveRefused;
    f.SaveRefused = false;
    if (!saved) {
        // Not written (declined, or the write failed): the drawing keeps the
        // name it had, and the dialog stays for another name.
        app.dwg.DwgPath = f.KeptPath;
        app.dwg.DwgName = f.KeptName;
        if (!refused) {
            if (app.dwg.DwgName.empty())
                CaptionNew(app);
            else
                CaptionFile(app);
            SetStatusAndCaption(app);
        }
        f.SaveAsPending = true;
        FocusName(app, p, DialogId::SaveAs);
        return;
    }
    p.Visible = false;
    app.ui.ShowDialog(DialogId::SaveAs, false);
    RunAfterSaveAs(app);
}

void SaveAs_CmdClose_Click(App& app) {
    FilePanel& p = app.dlg.SaveAs;
    FileState& f = app.files;
    if (p.Visible) {
        app.dwg.DwgPath = f.KeptPath;
        app.dwg.DwgName = f.KeptName;
    }
    f.SaveAsPending = false;
    f.AfterSaveAs.clear();  // what waited for the save is dropped with it
    p.Visible = false;
    app.ui.ShowDialog(DialogId::SaveAs, false);
}

// The open dialog (OpenF) and the Save As dialog (SaveAs) as plain panels:
// the drive, folder and file lists, the name box, and their event handlers.
// The Qt windows copy their widgets into these panels before calling a
// handler and copy them back afterwards (ShowDialog, SyncDialog).
#pragma once
#include <string>
#include <vector>

struct App;

struct FilePanel {
    bool Visible = false;                // the window is shown
    std::vector<std::string> Drives;     // drive list: file-system roots and mount points, ending in kSep
    int DriveIndex = 0;                  // chosen drive
    std::string Folder;                  // folder of the folder and file lists, ending in kSep
    std::vector<std::string> FolderList; // the folder's ancestors, itself, then its subfolders (full paths)
    std::string Pattern = "*.dwg";       // file list pattern; the extension matches without regard to case
    std::vector<std::string> Files;      // file names in Folder matching Pattern, sorted
    int FileIndex = -1;                  // selected file, -1 none
    std::string TxtFName;                // the name box
    int SelStart = 0, SelLength = 0;     // selection in the name box
    std::string Focus;                   // control that takes the focus on the next sync ("TxtFName", "File1")
};

struct FileDialogs {
    FilePanel OpenF;                     // the open dialog (Open, Open Backup, Insert)
    FilePanel SaveAs;                    // the Save As dialog
};

// Listing helpers (std::filesystem; no window).
std::vector<std::string> ListDrives();
std::string DriveOf(const std::vector<std::string>& drives, const std::string& folder);
// Points a panel's folder and file lists at a folder.
void PanelSetFolder(FilePanel& p, const std::string& folder);
// Re-reads the file list with the panel's pattern.
void PanelRefreshFiles(FilePanel& p);
// True when name matches a pattern like "*.dwg" (extension without regard to case).
bool MatchesPattern(const std::string& name, const std::string& pattern);

// Shows a panel's window with the focus in its name box. SaveAs_Show also
// keeps DwgPath/DwgName for its Cancel.
void OpenF_Show(App& app);
void SaveAs_Show(App& app);

// OpenF handlers.
void OpenF_Form_Load(App& app);
void OpenF_Drive1_Change(App& app, int driveIndex);
void OpenF_Dir1_Change(App& app, const std::string& folder);
void OpenF_File1_Click(App& app, int fileIndex);
void OpenF_File1_DblClick(App& app, int fileIndex);
void OpenF_File1_KeyPress(App& app, int key);
void OpenF_TxtFName_KeyPress(App& app, int key);
void OpenF_TxtFName_LostFocus(App& app);
void OpenF_CmdOpen_Click(App& app);
void OpenF_CmdClose_Click(App& app);

// SaveAs handlers.
void SaveAs_Form_Load(App& app);
void SaveAs_Drive1_Change(App& app, int driveIndex);
void SaveAs_Dir1_Change(App& app, const std::string& folder);
void SaveAs_File1_Click(App& app, int fileIndex);
void SaveAs_TxtFName_Change(App& app);
void SaveAs_TxtFName_KeyPress(App& app, int key);
void SaveAs_CmdSave_Click(App& app);
void SaveAs_CmdClose_Click(App& app);

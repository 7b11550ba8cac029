// The current file's bookkeeping and the recent-file list: the nine entries
// of the Files menu, kept in "Zarnic_Last_Group_Open.dat" (20 lines: folder,
// name, ten times). The file commands (commands/files.h) drive it.
#pragma once
#include <array>
#include <string>

constexpr int kRecentKept = 10;      // entries 0..9 are kept and saved
constexpr int kRecentSlots = 12;     // 10 and 11 are spill-over while shifting
constexpr int kRecentShown = 9;      // entries 1..9 appear in the Files menu
extern const char* const kRecentFileName;   // "Zarnic_Last_Group_Open.dat"

struct FileState {
    std::array<std::string, kRecentSlots> RecentPath{};  // folder of entry i, ending in kSep
    std::array<std::string, kRecentSlots> RecentName{};  // file name of entry i
    std::string PrevPath;           // folder before the open dialog last changed it
    std::string PrevName;           // name before the open dialog last changed it
    bool BackupMode = false;        // Open Backup: typed names get ".BAK"
    bool SaveAsPending = false;     // a new name was just chosen for the next save
    bool SaveRefused = false;       // the user declined to replace an existing file
    bool InsertMode = false;        // the next read inserts into the current drawing
    double InsertX = 0, InsertY = 0, InsertScale = 1;  // insertion point (drawing units) and scale
    bool PrevTaken = false;         // PrevPath/PrevName hold the drawing's own values for this showing of the open dialog
    std::string KeptPath;           // DwgPath when the Save As dialog was shown; its Cancel restores it
    std::string KeptName;           // DwgName when the Save As dialog was shown
    std::string AfterSaveAs;        // what to finish once the Save As completes: "New", "Open", "OpenBackup", "End", "Recent:" + full path; "" nothing
};

// Pure list operations, no file system:
// Removes entry i (0..9): later entries move up one place, entry 9 empties.
void RecentRemoveAt(FileState& f, int i);
// Removes every later entry with the same folder and name as an earlier one.
void RecentRemoveDuplicates(FileState& f);
// Puts (path, name) on top; older entries move down, duplicates disappear.
void RecentPushFront(FileState& f, const std::string& path, const std::string& name);
// The 20 lines of the list file (CR LF ends) and their reading; missing lines
// leave entries empty.
std::string RecentFileText(const FileState& f);
void RecentParse(FileState& f, const std::string& text);

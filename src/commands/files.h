// The Files menu: New, Open, Open Backup, Save, Save As, the recent-file
// entries, and the two procedures that move a drawing between the table and
// its file with the program's messages (SaveFile, OpenFile). Called by the
// menu table, start-up, the file dialogs and Exit.
#pragma once
#include <string>

struct App;

// Writes the drawing to DwgPath + DwgName (backup, temporary file, rename).
// Returns true when the file was written.
bool SaveFile(App& app);
// Reads the file named in the open dialog's name box from DwgPath: a new
// drawing, or with InsertMode an insertion at (dx, dy) with the scale.
void OpenFile(App& app, double dx, double dy, double scale);

// Recent-file list: read, cleaned, shown and entry 0 opened (start-up).
void Files_Menu_List(App& app, bool openNewest = true);
// Current DwgPath/DwgName to the top of the list; the menu follows.
void Files_Menu_List_Add(App& app);
// Writes "Zarnic_Last_Group_Open.dat" (start-up and program end).
void WriteRecentFile(App& app);
// Shows entries 1..9 in the Files menu.
void RefreshRecentMenu(App& app);
// One of the recent entries (1..9) chosen.
void Files_Menu_Click(App& app, int index);
// Points both dialogs at DwgPath (the program's folder when it is empty).
void Set_Path(App& app);

void New_Click(App& app);
void Open_Click(App& app);
void Open_Backup_Click(App& app);
// The open dialog for an insertion at InsertX/InsertY and InsertScale
// (the Insert command); the current drawing is kept.
void ShowInsertDialog(App& app);
void Save_Click(App& app);
void Save_As_Click(App& app);

// Asks the save question for a changed drawing before something replaces it.
// Returns false when the user cancels (or a Save As for an unnamed drawing is
// still open); true when the caller may go on. `question` is the text, `title`
// and the icon as the caller's command shows them.
bool MaybeSave(App& app, const char* question, const char* title);
// The same, naming what runs once a Save As opened here for an unnamed drawing
// completes (FileState::AfterSaveAs: "New", "Open", "OpenBackup", "End",
// "Recent:" + full path). The three-argument form continues with nothing.
bool MaybeSave(App& app, const char* question, const char* title, const std::string& then);
// Runs and clears the continuation recorded by MaybeSave (the Save As dialog
// calls it after a successful save).
void RunAfterSaveAs(App& app);

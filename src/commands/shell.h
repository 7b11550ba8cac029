// The main window's life: start-up (Form_Load), the caption with its file and
// status parts, the colour and line-type settings, the line-type fallback
// and the program's end. Called by the Qt binding and the file commands.
#pragma once
#include <string>

#include "model/undo.h"

struct App;

struct Shell {
    std::string CaptionTitle;        // file part of the caption
    std::string CaptionStatus;       // status part: colour and line type
    bool Started = false;            // Form_Load has finished
};

// The data files beside the program.
inline constexpr const char* kDefaultsFileName = "Zarnic-Default.dat";
inline constexpr const char* kUndoFileName = kTextUndoFileName;

// Start-up: programFolder is where the program runs from (ending in kSep or
// not); the drawing area is widthTw x heightTw twips.
void Form_Load(App& app, const std::string& programFolder, double widthTw, double heightTw);
// The Exit entry ("End").
void End_Click(App& app);
// After a Line is completed.
void RevertLineType(App& app);

// Caption parts. The three forms of the file part:
void CaptionStartup(App& app);       // "Zarnic No File.  <Font: ..."
void CaptionNew(App& app);           // "Zarnic  No File.  <Font: ..."
void CaptionFile(App& app);          // "Zarnic File: " + short folder + name + ...
// Rebuilds the status part and sets the window caption from both parts.
void SetStatusAndCaption(App& app);

// Settings > Color items: colour number 1..7.
void ColorItem_Click(App& app, int color);
// Settings > Line Type items: 0 Continuous, 1 Dashed.
void LineTypeItem_Click(App& app, int lineType);
// Settings > "Line Type Reverts to Solid After one line".
void LineTypeReverts_Click(App& app);

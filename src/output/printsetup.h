// The Printer Setup panel: four fields and the landscape check box over the
// printer settings file, with its two fixed notes. The fields are saved as
// typed; a text that is not a number shows up at the next Print Drawing.
// Called by the menu table and the Qt window over the panel.
#pragma once
#include <array>
#include <string>

struct App;

constexpr int kPrintSetFields = 4;   // Printer Scale, X Offset, Y Offset, Draw Width

extern const std::array<const char*, kPrintSetFields> kPrintSetLabels;
extern const char* const kPrintSetCaption;    // "Printer Setup"
extern const char* const kPrintSetLandscape;  // "Landscape Mode"
extern const char* const kPrintSetNoteScale;  // the note on the scale (CR LF line breaks)
extern const char* const kPrintSetNoteOffset; // the note on the offsets

struct PrinterPanel {
    bool Visible = false;                                // the window is shown
    std::array<std::string, kPrintSetFields> Fields{};   // the entry fields, as typed
    bool Landscape = true;                               // "Landscape Mode" checked
    std::string Focus;                                   // control to focus on the next sync ("Field:0")
};

// Files > Printer Setup.
void PrinterSetup_Click(App& app);
// "Save Changes": hides the panel and writes the settings file.
void PrintSetSave_Click(App& app);
// "Cancel": hides the panel.
void PrintSetCancel_Click(App& app);

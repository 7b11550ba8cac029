// The dial and meter scale designer: its panel as plain data (15 fields,
// the side option, the sideways check box, the preview picture), the
// defaults file "Zarnic-Dial.DAT", and the handlers of its buttons: preview,
// transfer to the drawing (a new dial placed by a click, or the picked dial
// of Change updated) and cancel. Called by the menu and the middle button
// (tables/), the Change command, and the Qt window over the panel.
#pragma once
#include <array>
#include <string>

#include "model/dial.h"
#include "platform/surface.h"

struct App;

constexpr int kDialFields = 15;    // DialData(0..14)

// The fields' labels, in field order (the spellings the program shows).
extern const std::array<const char*, kDialFields> kDialFieldLabels;
inline constexpr const char* kDialFileName = "Zarnic-Dial.DAT";
// The scale-law fields, five lines beside it: the law's index, "Law Value",
// "Labelled Values", "Calibration Table" and the same-centre box (0 or 1).
inline constexpr const char* kDialLawFileName = "Zarnic-Dial-Law.DAT";

struct DialPanel {
    bool Visible = false;                              // the designer is shown
    std::array<std::string, kDialFields> DialData{};   // the entry fields, as typed
    bool Outside = true;                               // "Outside of Arc" chosen, else "Inside of Arc"
    bool Sideways = false;                             // "Numbers oriented for sideways meter."
    int EditSlot = 0;                                  // the picked dial being edited, 0 for a new dial
    std::string Focus;                                 // control to focus on the next sync ("DialData:0")
    Surface Preview;                                   // the preview area's pixels; the window sizes it
    int Law = 0;                                       // "Scale Law": index into kDialLawNames
    std::string LawValue;                              // "Law Value" (the ohmmeter's centre resistance)
    std::string Labels;                                // "Labelled Values": numbers and "inf", comma-separated
    std::string Table;                                 // "Calibration Table": value:percent pairs, comma-separated
    bool SameCentre = false;                           // "Same centre as the last dial"
    DialLaw Pending;                                   // the law of a transferred dial awaiting its click
};

// Draw > "Dial && Meter Scale Design" (idle: a new dial from the defaults
// file), and Change with one dial picked (its values).
void DialDesigner_Click(App& app);
// "Preview Scale Layout": the scale at true drawing scale in the preview area.
void DialPreview_Click(App& app);
// "Transfer To Drawing".
void DialToDrawing_Click(App& app);
// "Cancel": hides the panel (a running Change goes on).
void DialCancel_Click(App& app);
// The placement click of a transferred dial (command "Dial").
void Dial_Click(App& app, int button, int shift, float x, float y);
// Writes the defaults file from the panel's values.
void WriteDialDefaults(App& app);
// "Load Table...": a two-column CSV file (value, percent per row; rows
// that are not two numbers are passed over) into the Calibration Table
// field; false, after a message naming the file, when it gives no rows.
bool DialLoadTable(App& app, const std::string& path);
// Registers the panel with the command reset (start-up).
void InstallDialOverlay(App& app);

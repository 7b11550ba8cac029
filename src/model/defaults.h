// The defaults file "Zarnic-Default.dat": 23 lines, one value each, read at
// start-up and by New, written by the Default Settings page. These are the
// file-side procedures; commands/defaults_dialog.h applies them to the view.
#pragma once
#include <string>

#include "model/drawing.h"
#include "model/settings.h"

constexpr int kDefaultsLines = 23;

// Parses the 23 fields into the settings and the drawing-wide values.
// Returns false when a field is missing or not of its type; what was read
// before the failure has been set.
bool ParseDefaults(const std::string& text, Settings& set, Drawing& d);
// The 23 lines (CR LF ends) from the current values.
std::string DefaultsText(const Settings& set, const Drawing& d);
// The 23 lines of the factory values; dataFolder fills lines 10 and 23.
std::string FactoryDefaultsText(const std::string& dataFolder);
// The "general shortest" number form of the defaults file (no rounding).
std::string DefaultsNumber(double v);
// The leading-number rule of the dialog: the longest leading part of the text
// that is a number, 0 when there is none.
double LeadingNumber(const std::string& text);

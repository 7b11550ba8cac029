// The settings that outlive a drawing, read from the defaults file
// "Zarnic-Default.dat" (model/defaults.h) at start-up and by New, and the data
// folder they live in. Reading them also sets the drawing-wide values of a new
// drawing (limits, grid, snap, text height, hidden pattern, font, shapes).
#pragma once
#include <cstdint>
#include <string>

struct Settings {
    std::string DataFolder;          // folder of the program's data files, ending in kSep
    uint32_t BoardColor = 0;         // drawing area background (blue*65536 + green*256 + red)
    uint32_t DrawRGB = 16777215;     // screen colour of the current drawing colour
    uint32_t GridColor = 65280;      // grid dot colour
    uint32_t SelectColor = 8421504;  // colour of picked objects
    std::string FontPrefix = "F-";   // prefix of the stroke font's character drawings
    double FontDescender = 0.4;      // descender of the stroke font (text heights)
    std::string ShapeFontPath;       // folder of shape and font files, ending in kSep
    bool LineTypeReverts = true;     // the line type returns to solid after one line
    std::string DwgFolderDefault;    // folder new drawings start in, ending in kSep
};

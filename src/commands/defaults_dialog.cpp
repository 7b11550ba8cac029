// The Default Settings page of Zarnic2 and ReadDefaults. ReadDefaults applies
// the defaults file to the settings and fits the view (start-up, New); the
// three handlers fill the panel from the file, apply and save it, or close it.
// The Qt window (ui/zarnic2) only copies the panel to and from its widgets.
#include "commands/defaults_dialog.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app.h"
#include "commands/menu_ids.h"
#include "commands/shell.h"
#include "model/defaults.h"
#include "model/dwgfile.h"
#include "model/messages.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

// Control indices of the page: entry boxes Text4(i), lists List4(i). A label
// sits at its control's index in Text3, except the snap list's: the drawing
// path box holds index 19 too, so that label takes the free index 8.
enum : int {
    kListBoard = 0, kListDraw = 1, kListGrid = 2, kListSelect = 3,
    kBoxFontPrefix = 4, kBoxFontFile = 5, kBoxDescender = 6, kBoxShapePrefix = 7,
    kLabelSnapList = 8,
    kBoxPlotScale = 9, kBoxShapePath = 10, kBoxTextHeight = 11, kBoxGap = 12, kBoxDash = 13,
    kBoxGridSpacing = 14, kListGridOn = 15, kBoxUpperRight = 16, kBoxLowerLeft = 17,
    kBoxSnapSpacing = 18, kBoxDwgPath = 19, kListSnap = 19,
};

constexpr uint32_t kWhite = 16777215;
constexpr const char* kBlackOrWhite = "Black or White";
constexpr const char* kSnapNames[4] = {"Off", "X Only", "Y Only", "Both"};

// The colour names of the lists: value and colour number (0 for none).
// "Black or White" is the inverse of the board colour and is handled apart.
struct ColorChoice {
    const char* name;
    uint32_t value;  // blue*65536 + green*256 + red
    int number;      // colour number 1..7, 0 when the name has none
};
constexpr ColorChoice kColorChoices[] = {
    {"Black", 0, 0},          {"White", kWhite, 1},      {"Gray", 8421504, 0},
    {"Red", 255, 2},          {"Green", 65280, 3},       {"Yellow", 65535, 4},
    {"Blue", 16711680, 5},    {"Magenta", 16711935, 6},  {"Cyan", 16776960, 7},
};

// The value and number of a chosen name on a board of the given colour;
// false for a name the table does not know (an empty list keeps its setting).
bool ColorOfName(const std::string& name, uint32_t board, uint32_t& value, int& number) {
    if (name == kBlackOrWhite) {
        value = board ^ kWhite;
        number = 1;
        return true;
    }
    for (const ColorChoice& c : kColorChoices)
        if (name == c.name) {
            value = c.value;
            number = c.number;
            return true;
        }
    return false;
}

// Shows a stored colour in a list: the list's own name for it, "Black or
// White" standing for black and white alike; a value the list has no name
// for leaves the list as it was.
void ShowColor(DefaultsPanel& p, int list, uint32_t value) {
    for (const std::string& item : p.List4Items[list]) {
        bool match;
        if (item == kBlackOrWhite) {
            match = value == 0 || value == kWhite;
        } else {
            uint32_t v;
            int n;
            match = ColorOfName(item, 0, v, n) && v == value;
        }
        if (match) {
            p.List4[list] = item;
            return;
        }
    }
}

std::string WithSep(std::string folder) {
    if (folder.empty() || folder.back() != kSep) folder += kSep;
    return folder;
}

// Writes the whole text to a temporary file beside `path` and renames it over
// `path`, so a failed write never leaves a truncated defaults file.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& reason) {
    const std::string tmp = path + ".tmp";
    struct Closer {
        void operator()(std::FILE* fp) const { std::fclose(fp); }
    };
    std::unique_ptr<std::FILE, Closer> f(std::fopen(tmp.c_str(), "wb"));
    if (!f) {
        reason = std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f.get()) == text.size() && std::fflush(f.get()) == 0;
    if (!ok) reason = std::strerror(errno);
    if (std::fclose(f.release()) != 0 && ok) {
        ok = false;
        reason = std::strerror(errno);
    }
    if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) {
        ok = false;
        reason = std::strerror(errno);
    }
    if (!ok) std::remove(tmp.c_str());
    return ok;
}

std::string DefaultsPath(const App& app) { return app.set.DataFolder + kDefaultsFileName; }

// Reads "X,Y" from a limits box: the first comma must stand before the last
// character. False when the text is not of that form.
bool ParseLimitsPair(const std::string& text, double& x, double& y) {
    size_t comma = text.find(',');
    if (comma == std::string::npos || comma + 1 >= text.size()) return false;
    x = LeadingNumber(text.substr(0, comma));
    y = LeadingNumber(text.substr(comma + 1));
    return true;
}

void RefuseLimits(App& app, const char* message, const char* focus) {
    app.ui.MsgBox(message, MsgButtons::OK, MsgIcon::None, "");
    app.zarnic2.Focus = focus;
    app.ui.FocusDialog(DialogId::Zarnic2, focus);
}

void SetUpControls(DefaultsPanel& p) {
    p.Caption = "Default Settings";
    p.Text3 = {};
    p.Text3[kListBoard] = "Board Color";
    p.Text3[kListDraw] = "Drawing Color";
    p.Text3[kListGrid] = "Grid Color";
    p.Text3[kListSelect] = "Select Color";
    p.Text3[kBoxFontPrefix] = "Font Chr. File Prefix";
    p.Text3[kBoxFontFile] = "Font File Name";
    p.Text3[kBoxDescender] = "Font Descender";
    p.Text3[kBoxShapePrefix] = "Shape File Prefix";
    p.Text3[kLabelSnapList] = "Snap, Off/X/Y/Both";
    p.Text3[kBoxPlotScale] = "Plot Scale";
    p.Text3[kBoxShapePath] = "Shape and Font Path";
    p.Text3[kBoxTextHeight] = "Default Text Height";
    p.Text3[kBoxGap] = "Hidden Line Gap";
    p.Text3[kBoxDash] = "Hidden Line Dash";
    p.Text3[kBoxGridSpacing] = "Grid Spacing";
    p.Text3[kListGridOn] = "Grid, On/Off";
    p.Text3[kBoxUpperRight] = "Upper Right Limits X,Y";
    p.Text3[kBoxLowerLeft] = "Lower Left Limits X,Y";
    p.Text3[kBoxSnapSpacing] = "Snap Spacing";
    p.Text3[kBoxDwgPath] = "Drawing File Path";

    p.List4Items = {};
    p.List4Items[kListBoard] = {"Black", "White"};
    p.List4Items[kListDraw] = {kBlackOrWhite, "Red", "Yellow", "Green", "Cyan", "Blue", "Magenta"};
    p.List4Items[kListGrid] = {kBlackOrWhite, "Gray", "Red", "Yellow", "Green", "Cyan", "Blue", "Magenta"};
    p.List4Items[kListSelect] = {"Gray"};
    p.List4Items[kListGridOn] = {"Off", "On"};
    p.List4Items[kListSnap] = {kSnapNames[0], kSnapNames[1], kSnapNames[2], kSnapNames[3]};
}

// The controls from the values of the file (or, when it cannot be read, from
// the values in memory).
void FillControls(DefaultsPanel& p, const Settings& s, const Drawing& d) {
    ShowColor(p, kListBoard, s.BoardColor);
    ShowColor(p, kListDraw, s.DrawRGB);
    ShowColor(p, kListGrid, s.GridColor);
    ShowColor(p, kListSelect, s.SelectColor);
    p.Text4[kBoxFontPrefix] = s.FontPrefix;
    p.Text4[kBoxFontFile] = d.FontFile;
    p.Text4[kBoxDescender] = DefaultsNumber(s.FontDescender);
    p.Text4[kBoxShapePrefix] = d.ShapePrefix;
    p.Text4[kBoxPlotScale] = DefaultsNumber(d.PlotScale);
    p.Text4[kBoxShapePath] = s.ShapeFontPath;
    p.Text4[kBoxTextHeight] = DefaultsNumber(d.TextHeight);
    // The hidden pattern in the user's form: the whole gap, the bare dash.
    p.Text4[kBoxGap] = DefaultsNumber(2 * d.HiddenGap);
    p.Text4[kBoxDash] = DefaultsNumber(d.HiddenDash - d.HiddenGap);
    p.Text4[kBoxGridSpacing] = DefaultsNumber(d.GridSpacing);
    p.Text4[kBoxUpperRight] = DefaultsNumber(d.LimURX) + "," + DefaultsNumber(d.LimURY);
    p.Text4[kBoxLowerLeft] = DefaultsNumber(d.LimLLX) + "," + DefaultsNumber(d.LimLLY);
    p.Text4[kBoxSnapSpacing] = DefaultsNumber(d.SnapX);
    p.List4[kListGridOn] = d.GridOn ? "On" : "Off";
    if (d.SnapMode >= 0 && d.SnapMode <= 3) p.List4[kListSnap] = kSnapNames[d.SnapMode];
    p.ChRevert = s.LineTypeReverts;
}

// Step 1 of saving: the colours. They are in force even when the limits are
// refused afterwards. DrawRGB stays as the colour menu set it.
void ApplyColors(App& app) {
    const DefaultsPanel& p = app.zarnic2;
    Settings& s = app.set;
    uint32_t value;
    int number;
    if (ColorOfName(p.List4[kListBoard], s.BoardColor, value, number)) s.BoardColor = value;
    if (ColorOfName(p.List4[kListDraw], s.BoardColor, value, number) && number > 0)
        app.dwg.CurColor = static_cast<int16_t>(number);
    app.ui.SetWindowColors(s.BoardColor, s.BoardColor ^ kWhite);
    if (ColorOfName(p.List4[kListGrid], s.BoardColor, value, number)) s.GridColor = value;
    if (ColorOfName(p.List4[kListSelect], s.BoardColor, value, number)) s.SelectColor = value;
}

// Step 2: texts and numbers, numbers by the leading-number rule.
void ApplyTextsAndNumbers(App& app) {
    const DefaultsPanel& p = app.zarnic2;
    Settings& s = app.set;
    Drawing& d = app.dwg;
    s.FontPrefix = p.Text4[kBoxFontPrefix];
    d.FontFile = p.Text4[kBoxFontFile];
    s.FontDescender = LeadingNumber(p.Text4[kBoxDescender]);
    d.ShapePrefix = p.Text4[kBoxShapePrefix];
    d.PlotScale = LeadingNumber(p.Text4[kBoxPlotScale]);
    s.ShapeFontPath = WithSep(p.Text4[kBoxShapePath]);
    d.TextHeight = LeadingNumber(p.Text4[kBoxTextHeight]);
    // Stored form: half the gap, and the dash with half a gap on it.
    double gap = LeadingNumber(p.Text4[kBoxGap]);
    double dash = LeadingNumber(p.Text4[kBoxDash]);
    d.HiddenGap = gap / 2;
    d.HiddenDash = dash + gap / 2;
}

// Step 6: grid, snap and the drawing folder.
void ApplyGridSnapFolder(App& app) {
    const DefaultsPanel& p = app.zarnic2;
    Drawing& d = app.dwg;
    d.GridSpacing = LeadingNumber(p.Text4[kBoxGridSpacing]);
    d.GridOn = p.List4[kListGridOn] == "On";
    d.SnapX = LeadingNumber(p.Text4[kBoxSnapSpacing]);
    d.SnapY = 0;
    // An empty folder stands for the program's folder; any other ends in kSep
    // so that folder + name is a path.
    const std::string& folder = p.Text4[kBoxDwgPath];
    app.set.DwgFolderDefault = folder.empty() ? folder : WithSep(folder);
    for (int m = 0; m < 4; ++m)
        if (p.List4[kListSnap] == kSnapNames[m]) d.SnapMode = static_cast<int16_t>(m);
}

void HidePage(App& app) {
    app.ui.ShowDialog(DialogId::Zarnic2, false);
    app.zarnic2.Visible = false;
}

}  // namespace

void ReadDefaults(App& app) {
    const std::string path = DefaultsPath(app);
    std::string text;
    bool ok = LoadTextFile(path, text).fail == ReadFail::None && ParseDefaults(text, app.set, app.dwg);
    if (!ok) {
        // Missing or damaged: the factory file replaces it, without a word.
        // Where it cannot be written the program still starts on its values.
        text = FactoryDefaultsText(app.set.DataFolder);
        std::string reason;
        WriteFileAtomically(path, text, reason);
        ParseDefaults(text, app.set, app.dwg);
    }
    app.ui.MenuSetChecked(kMenuWhite, true);
    FitViewToLimits(app);
}

void DefaultBox_Click(App& app) {
    // The window shows one page at a time: Printer Setup gives way.
    if (app.printSetup.Visible) {
        app.printSetup.Visible = false;
        app.ui.ShowDialog(DialogId::PrintSet, false);
    }
    DefaultsPanel& p = app.zarnic2;
    SetUpControls(p);
    // The page shows what the file holds, not what a drawing may have changed.
    Settings fileSet = app.set;
    auto fileDwg = std::make_unique<Drawing>();
    std::string text;
    if (LoadTextFile(DefaultsPath(app), text).fail == ReadFail::None && ParseDefaults(text, fileSet, *fileDwg))
        FillControls(p, fileSet, *fileDwg);
    else
        FillControls(p, app.set, app.dwg);
    p.Text4[kBoxDwgPath] = app.set.DwgFolderDefault;
    p.Focus.clear();
    p.Visible = true;
    app.ui.ShowDialog(DialogId::Zarnic2, true);
}

void DefaultChange_Click(App& app) {
    DefaultsPanel& p = app.zarnic2;
    Drawing& d = app.dwg;
    ApplyColors(app);
    ApplyTextsAndNumbers(app);

    double llx, lly, urx, ury;
    if (!ParseLimitsPair(p.Text4[kBoxLowerLeft], llx, lly)) {
        RefuseLimits(app, kMsgLimitsForm, "Text4:17");
        return;
    }
    if (!ParseLimitsPair(p.Text4[kBoxUpperRight], urx, ury)) {
        RefuseLimits(app, kMsgLimitsForm, "Text4:16");
        return;
    }
    if (llx >= urx || lly >= ury) {
        RefuseLimits(app, kMsgLimitsOrder, "Text4:17");
        return;
    }
    d.LimLLX = llx;
    d.LimLLY = lly;
    d.LimURX = urx;
    d.LimURY = ury;

    ApplyGridSnapFolder(app);
    FitViewToLimits(app);
    app.set.LineTypeReverts = p.ChRevert;
    app.ui.MenuSetChecked(kMenuLineTypeReverts, app.set.LineTypeReverts);

    std::string reason;
    if (!WriteFileAtomically(DefaultsPath(app), DefaultsText(app.set, d), reason)) {
        app.ui.MsgBox(std::string(kMsgDefaultsNotSaved) + reason, MsgButtons::OK, MsgIcon::None, "");
        return;
    }

    LoadNewShapes(app);
    app.shell.CaptionTitle = "Zarnic File: " + ShortenPath(app.set.DwgFolderDefault) +
                             (d.DwgName.empty() ? "No File." : d.DwgName) + "  <Font: " + app.set.FontPrefix +
                             ">  <Shape: " + d.ShapePrefix + ">";
    SetStatusAndCaption(app);
    ScreenRedraw(app, 1);
    HidePage(app);
}

void DefaultClose_Click(App& app) { HidePage(app); }

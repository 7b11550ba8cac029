// The designer. The defaults file holds 17 lines: fields 0..14 (line 3 is the
// "Rotation Angle" field minus 90, the rotation itself), "1" for inside or
// "2" for outside, and the sideways check box (0 or 1). A dial keeps its
// design values V1..V15 in VertX(slot, 1..15); fields 0..10 are V3..V13,
// fields 13 and 14 are V14 and V15, fields 11 and 12 only place the preview.
#include "dial/designer.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "app.h"
#include "commands/append.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "model/dial.h"
#include "model/extents.h"
#include "model/numbers.h"
#include "model/textfile.h"
#include "view/device.h"
#include "view/dial.h"
#include "view/view.h"

const std::array<const char*, kDialFields> kDialFieldLabels = {
    "Scale Radius", "Total Angle",    "Rotation Angle",           "Major Marks",
    "Mark Length",  "Minor Marks",    "Mark Length",              "CCW Value",
    "CW Value",     "Decimal Places", "Text Height",              "Center Location % Height",
    "Center Location % Width",        "Intermediat Marks",        "Mark Length",
};

namespace {

const char* const kMsgTextHeight = "Text height cannot be zero.\r\nEnter a value.";
const char* const kMsgOneDial = "You can only edit one dial at a time.";
const char* const kPromptPlace = "Dial:  Click location of Center.";
constexpr int kDialLines = 17;
const char* const kFactoryLines[kDialLines] = {"1.5", "90", "90", "6", "0.3", "4", "0.075", "0", "10",
                                               "0",   "0.1", "50", "50", "1", ".15", "2", "1"};

const char* const kMsgNoLabels =
    "Labelled Values are missing.\r\nA scale law other than Linear puts its numbered marks at them.";
const char* const kMsgLogZero =
    "A logarithmic scale cannot show 0 or less.\r\nCheck CCW Value, CW Value and Labelled Values.";
const char* const kMsgNoCentre = "The Series Ohmmeter needs its centre resistance in Law Value.";
const char* const kMsgTableShort = "The Calibration Table needs at least two points (value:percent).";
const char* const kMsgNoTableRows = "holds no rows of a value and a percent.";  // after the file's name

std::string Path(const App& app) { return app.set.DataFolder + kDialFileName; }
std::string LawPath(const App& app) { return app.set.DataFolder + kDialLawFileName; }

std::string Trim(std::string_view s) {
    const size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
    return b == std::string_view::npos ? "" : std::string(s.substr(b, e - b + 1));
}

// The comma-separated items of a field, blanks trimmed, empty items left out.
std::vector<std::string> Items(const std::string& text, char sep = ',') {
    std::vector<std::string> out;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find(sep, at);
        if (end == std::string::npos) end = text.size();
        std::string item = Trim(std::string_view(text).substr(at, end - at));
        if (!item.empty()) out.push_back(item);
        at = end + 1;
    }
    return out;
}

// The panel's law; false after the message naming what is missing or wrong.
bool LawOfPanel(App& app, const DialValues& v, DialLaw& law) {
    const DialPanel& p = app.dial;
    law = DialLaw{};
    if (p.Law <= 0 || p.Law >= kDialLaws) return true;  // linear: the Part's dial
    auto refuse = [&](const std::string& message) {
        app.ui.MsgBox(message, MsgButtons::OK, MsgIcon::None, "");
        return false;
    };
    law.kind = static_cast<DialLawKind>(p.Law);
    law.value = LeadingNumber(p.LawValue);
    for (const std::string& item : Items(p.Labels)) {
        double x;
        if (UpperText(item) == "INF" || UpperText(item) == "INFINITY") x = kDialInfinity;
        else if (!ParseNumber(item, x)) return refuse("Labelled Values: \"" + item + "\" is not a number.");
        law.labels.push_back(x);
    }
    if (law.labels.empty()) return refuse(kMsgNoLabels);
    if (law.kind == DialLawKind::Log) {
        bool positive = v[10] > 0 && v[11] > 0;
        for (double x : law.labels) positive = positive && x > 0;
        if (!positive) return refuse(kMsgLogZero);
    }
    if (law.kind == DialLawKind::Ohms && !(law.value > 0)) return refuse(kMsgNoCentre);
    if (law.kind == DialLawKind::Table) {
        for (const std::string& item : Items(p.Table)) {
            const std::vector<std::string> pair = Items(item, ':');
            double x, f;
            if (pair.size() != 2 || !ParseNumber(pair[0], x) || !ParseNumber(pair[1], f))
                return refuse("Calibration Table: \"" + item + "\" is not a value:percent pair.");
            law.table.push_back({x, f});
        }
        if (law.table.size() < 2) return refuse(kMsgTableShort);
    }
    if (DialValueCount(law) > kMaxVertex) return refuse("A dial keeps at most " + std::to_string(kMaxVertex) + " values.");
    return true;
}

void ReadLawFile(App& app) {
    DialPanel& p = app.dial;
    std::vector<std::string> lines;
    p.Law = 0, p.LawValue.clear(), p.Labels.clear(), p.Table.clear(), p.SameCentre = false;
    if (!LoadTextLines(LawPath(app), lines) || lines.size() < 5) return;
    const double law = LeadingNumber(lines[0]);
    p.Law = law >= 0 && law < kDialLaws ? static_cast<int>(law) : 0;
    p.LawValue = lines[1], p.Labels = lines[2], p.Table = lines[3];
    p.SameCentre = LeadingNumber(lines[4]) != 0;
}

// The law fields of a placed dial.
void FillLawFromDial(App& app, int slot) {
    DialPanel& p = app.dial;
    const DialLaw law = DialLawOf(app.dwg, slot);
    p.Law = static_cast<int>(law.kind);
    p.LawValue = law.kind == DialLawKind::Linear ? "" : GeneralNumber(law.value);
    p.Labels.clear();
    for (double x : law.labels) p.Labels += (p.Labels.empty() ? "" : ", ") + (x >= kDialInfinity ? "inf" : GeneralNumber(x));
    p.Table.clear();
    for (const auto& [x, f] : law.table)
        p.Table += (p.Table.empty() ? "" : ", ") + GeneralNumber(x) + ":" + GeneralNumber(f);
}

double Field(const App& app, int i) { return LeadingNumber(app.dial.DialData[static_cast<size_t>(i)]); }

// The panel's values as a dial's V1..V15, angles in radians.
DialValues ValuesOfPanel(const App& app) {
    const double pi = app.dwg.PI;
    DialValues v{};
    v[1] = app.dial.Outside ? 1 : -1;
    v[2] = app.dial.Sideways ? pi / 2 : 0;
    for (int i = 0; i <= 10; ++i) v[static_cast<size_t>(3 + i)] = Field(app, i);
    v[4] = Field(app, 1) * pi / 180;
    v[5] = (Field(app, 2) - 90) * pi / 180;
    v[14] = Field(app, 13);
    v[15] = Field(app, 14);
    return v;
}

void StoreValues(Drawing& d, int slot, const DialValues& v) {
    for (int k = 1; k <= kDialValues; ++k) d.VertX(slot, k) = v[static_cast<size_t>(k)];
}

// The text height and the mark count a scale may have; false after the message.
bool Drawable(App& app, const DialValues& v) {
    if (v[13] == 0) {
        app.ui.MsgBox(kMsgTextHeight, MsgButtons::OK, MsgIcon::None, "");
        return false;
    }
    const double n = DialMarkCount(v);
    if (n > kMaxDialMarks) {
        app.ui.MsgBox("This scale has " + GeneralNumber(n) + " marks.\r\nA dial holds at most " +
                          std::to_string(kMaxDialMarks) + " marks.",
                      MsgButtons::OK, MsgIcon::None, "");
        return false;
    }
    return true;
}

void Show(App& app) {
    app.dial.Visible = true;
    app.dial.Focus = "DialData:0";
    app.ui.ShowDialog(DialogId::Dial, true);
    app.ui.FocusDialog(DialogId::Dial, app.dial.Focus);
}

void WriteLines(App& app, const std::vector<std::string>& lines) { WriteTextLines(Path(app), lines); }

// The defaults file into the panel; false when it is missing or damaged.
bool ReadDefaultsFile(App& app) {
    std::vector<std::string> lines;
    if (!LoadTextLines(Path(app), lines) || lines.size() < kDialLines) return false;
    double v[kDialLines];
    for (int i = 0; i < kDialLines; ++i)
        if (!ParseNumber(lines[static_cast<size_t>(i)], v[i]) || lines[static_cast<size_t>(i)].empty()) return false;
    DialPanel& p = app.dial;
    for (int i = 0; i < kDialFields; ++i) p.DialData[static_cast<size_t>(i)] = lines[static_cast<size_t>(i)];
    p.DialData[2] = GeneralNumber(v[2] + 90);
    p.Outside = v[15] == 2;
    p.Sideways = v[16] != 0;
    return true;
}

// The picked dial's values into the panel.
void FillFromDial(App& app, int slot) {
    const Drawing& d = app.dwg;
    const double pi = d.PI;
    DialPanel& p = app.dial;
    const DialValues v = DialValuesOf(d, slot);
    p.Outside = v[1] == 1;
    p.Sideways = std::fabs(v[2] - pi / 2) < 0.0001;
    for (int i = 0; i <= 10; ++i) {
        double x = v[static_cast<size_t>(3 + i)];
        if (i == 1) x = v[4] * 180 / pi;
        if (i == 2) x = v[5] * 180 / pi + 90;
        p.DialData[static_cast<size_t>(i)] = GeneralNumber(x);
    }
    p.DialData[13] = GeneralNumber(v[14]);
    p.DialData[14] = GeneralNumber(v[15]);
    if (p.DialData[11].empty()) p.DialData[11] = "50";
    if (p.DialData[12].empty()) p.DialData[12] = "50";
    FillLawFromDial(app, slot);
}

// The dial in the free slot placed with its centre at (x, y): the click,
// or the centre of the last dial.
void PlaceDial(App& app, double x, double y) {
    Drawing& d = app.dwg;
    const int slot = BeginAppend(app);
    if (slot == 0) return;
    d.ObjColor[slot] = d.CurColor;
    d.ObjX[slot] = x;
    d.ObjY[slot] = y;
    StoreDialLaw(d, slot, app.dial.Pending);
    d.ObjXScale[slot] = d.ObjYScale[slot] = 1;
    d.ObjAngle[slot] = d.ObjEndAngle[slot] = 0;
    CommitAppend(app, slot, "Dial");
    UpdateObjectExtents(d, slot);
    CancelCommand(app, 1);
    app.cmd.RepeatCommand = "Dial";
}

}  // namespace

void WriteDialDefaults(App& app) {
    std::vector<std::string> lines(app.dial.DialData.begin(), app.dial.DialData.end());
    lines[2] = GeneralNumber(Field(app, 2) - 90);
    lines.push_back(app.dial.Outside ? "2" : "1");
    lines.push_back(app.dial.Sideways ? "1" : "0");
    WriteLines(app, lines);
    const DialPanel& p = app.dial;
    WriteTextLines(LawPath(app), {std::to_string(p.Law), p.LawValue, p.Labels, p.Table, p.SameCentre ? "1" : "0"});
}

void DialDesigner_Click(App& app) {
    const std::string& c = app.cmd.CurCommand;
    if (c == "Change" && app.sel.SelCount > 0) {
        if (app.sel.SelTally > 1) {
            app.ui.MsgBox(kMsgOneDial, MsgButtons::OK, MsgIcon::None, "");
            CancelCommand(app, 1);
            return;
        }
        // Change acts on the last entry of the selection.
        const int slot = app.sel.SelList[app.sel.SelCount - 1];
        if (slot < 1 || slot > kMaxSlot || app.dwg.ObjType[slot] != "Dial") return;
        app.dial.EditSlot = slot;
        FillFromDial(app, slot);
    } else if (c == "None") {
        app.dial.EditSlot = 0;
        ReadLawFile(app);
        if (!ReadDefaultsFile(app)) {
            // A missing or damaged file is written anew, silently.
            WriteLines(app, std::vector<std::string>(kFactoryLines, kFactoryLines + kDialLines));
            if (!ReadDefaultsFile(app)) {
                for (int i = 0; i < kDialFields; ++i) app.dial.DialData[static_cast<size_t>(i)] = kFactoryLines[i];
                app.dial.DialData[2] = "180";
                app.dial.Outside = true;
                app.dial.Sideways = true;
            }
        }
    } else {
        return;
    }
    Show(app);
    DialPreview_Click(app);
}

void DialPreview_Click(App& app) {
    DialPanel& p = app.dial;
    for (int i : {11, 12})
        if (p.DialData[static_cast<size_t>(i)].empty() || Field(app, i) == 0) p.DialData[static_cast<size_t>(i)] = "50";
    const DialValues v = ValuesOfPanel(app);
    DialLaw law;
    if (!LawOfPanel(app, v, law)) law = DialLaw{};  // said why; the preview shows the linear scale
    // The values sit in the free slot as scratch, as a transfer leaves them.
    StoreValues(app.dwg, std::min<int>(app.dwg.ObjNext, kMaxSlot + 1), v);
    Surface& s = p.Preview;
    if (s.width > 0 && s.height > 0) SurfaceClear(s, 0xFFFFFFu);
    if (!Drawable(app, v) || s.width <= 0 || s.height <= 0) {
        app.ui.SyncDialog(DialogId::Dial);
        return;
    }
    // True drawing scale: the screen's twips per drawing unit, the centre at
    // the chosen percentages of the preview area.
    const double wTw = s.width * kTwipsPerInch / s.dpi, hTw = s.height * kTwipsPerInch / s.dpi;
    const double cx = wTw * Field(app, 12) / 100, cy = hTw * (1 - Field(app, 11) / 100);
    ScreenDevice dev(s, app.dwg.Zoom, cx, 0, cy, app.view.ViewWidth, app.dwg.PI);
    RenderDial(dev, app.font, app.set.FontDescender, DialLayout(v, law, 0, 0, app.dwg.PI),
               DialArc(v, law, 0, 0, app.dwg.PI), v[13], 0);
    app.ui.SyncDialog(DialogId::Dial);
}

void DialCancel_Click(App& app) {
    app.dial.Visible = false;
    app.ui.ShowDialog(DialogId::Dial, false);
}

void DialToDrawing_Click(App& app) {
    const DialValues v = ValuesOfPanel(app);
    DialLaw law;
    if (!Drawable(app, v) || !LawOfPanel(app, v, law)) return;
    WriteDialDefaults(app);
    DialCancel_Click(app);
    Drawing& d = app.dwg;
    const int edited = app.dial.EditSlot;
    if (edited >= 1 && edited <= kMaxSlot && app.cmd.CurCommand == "Change") {
        StoreValues(d, edited, v);
        StoreDialLaw(d, edited, law);
        UpdateObjectExtents(d, edited);
        d.DrawingChanged = true;
        CancelCommand(app, 1);
        return;
    }
    const int slot = BeginAppend(app);
    if (slot == 0) return;
    StoreValues(d, slot, v);
    StoreDialLaw(d, slot, law);
    app.dial.Pending = law;
    // Several scales on one face: straight onto the centre of the newest dial.
    if (app.dial.SameCentre)
        for (int s = slot - 1; s >= 1; --s)
            if (d.ObjType[s] == "Dial") {
                app.cmd.CurCommand = "Dial";  // undone like a placed dial
                PlaceDial(app, d.ObjX[s], d.ObjY[s]);
                return;
            }
    InputPrompt(app, 0, "", kPromptPlace);
    app.cmd.CurCommand = "Dial";
}

void Dial_Click(App& app, int button, int, float x, float y) {
    if (button != kButtonLeft) return;
    SnapToDrawing(app, x, y, app.cmd.Pt1.x, app.cmd.Pt1.y);
    PlaceDial(app, app.cmd.Pt1.x, app.cmd.Pt1.y);
}

bool DialLoadTable(App& app, const std::string& path) {
    std::vector<std::string> lines;
    std::string table;
    if (LoadTextLines(path, lines))
        for (const std::string& line : lines) {
            // A comma, a semicolon or a tab between the two columns.
            std::string row = line;
            for (char& c : row)
                if (c == ';' || c == '\t') c = ',';
            const std::vector<std::string> cells = Items(row);
            double x, f;
            if (cells.size() < 2 || !ParseNumber(cells[0], x) || !ParseNumber(cells[1], f)) continue;
            table += (table.empty() ? "" : ", ") + GeneralNumber(x) + ":" + GeneralNumber(f);
        }
    if (table.empty()) {
        app.ui.MsgBox(path + "\r\n" + kMsgNoTableRows, MsgButtons::OK, MsgIcon::None, "");
        return false;
    }
    app.dial.Table = table;
    app.dial.Law = static_cast<int>(DialLawKind::Table);
    app.ui.SyncDialog(DialogId::Dial);
    return true;
}

void InstallDialOverlay(App& app) {
    AddOverlay(app, {"DialPanel", "", [](const App& a) { return a.dial.Visible; }, DialCancel_Click});
}

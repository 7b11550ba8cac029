// Print Drawing, the printer device, the page fit, the settings file and the
// printed shortcut list. Everything is drawn through the screen's renderers
// (view/redraw's RenderSlot) with the printer's mapping and colours.
#include "output/print.h"

#include <cmath>
#include <cstdlib>

#include "app.h"
#include "commands/typed.h"
#include "help/help.h"
#include "model/fieldreader.h"
#include "model/textfile.h"
#include "view/redraw.h"

namespace {

const char kMsgPrintAsk[] = "Do you want to print this drawing?";
const char kMsgErrorA[] = "Error number ";        // + number
const char kMsgErrorB[] = " has occured.";
const char kMsgSettingsUnread[] = "\r\nThe printer settings file could not be read:\r\n";  // + path
const char kMsgShapeA[] = "Shape File ";           // + prefix + name
const char kMsgShapeB[] = " can't be found";
const char kMsgToPdf[] = "No printer was found. The page was written to the PDF file\r\n";  // + path
const char kMsgNotPrinted[] = "The page could not be printed:\r\n";  // + reason
const char kShortcutPdfName[] = "Zarnic Shortcut Keys.pdf";

// The file's share of the page width and height that a PrinterScale of 1 fills.
constexpr double kPageFill = 0.9637557;
// The fixed shift, in twips, on X in landscape and on Y in portrait.
constexpr double kPageShift = 250;
// The printer's curve unit: 1000 twips, so points of a curve fall about 8.73 twips apart.
constexpr double kPrintCurveUnit = 1000;

// VB's error numbers for what reading a settings value can meet.
constexpr int kErrOverflow = 6;
constexpr int kErrTypeMismatch = 13;
constexpr int kErrPastEnd = 62;
constexpr int kErrFileNotFound = 53;
constexpr int kErrPathNotFound = 76;
constexpr int kErrFileAccess = 75;

int ReadInt16(FieldReader& r, int& out) {
    if (r.AtEnd()) return kErrPastEnd;
    double v;
    if (!r.Number(v)) return kErrTypeMismatch;
    v = std::nearbyint(v);  // halves to even, as the integer conversion rounds
    if (!(v >= -32768 && v <= 32767)) return kErrOverflow;
    out = static_cast<int>(v);
    return 0;
}

}  // namespace

// ---- the settings file -----------------------------------------------------------

int ParsePrinterSettings(const std::string& text, PrinterSettings& out) {
    FieldReader r(text);
    PrinterSettings s;
    if (r.AtEnd()) return kErrPastEnd;
    if (!r.Number(s.PrinterScale)) return kErrTypeMismatch;
    if (int e = ReadInt16(r, s.PrintXOffset)) return e;
    if (int e = ReadInt16(r, s.PrintYOffset)) return e;
    if (int e = ReadInt16(r, s.PrintDrawWidth)) return e;
    if (int e = ReadInt16(r, s.PrintLandscape)) return e;
    out = s;
    return 0;
}

std::string PrinterSettingsPath(const App& app) { return app.set.DataFolder + kPrinterSettingsFileName; }

bool WriteDefaultPrinterSettings(const App& app) {
    return WriteTextLines(PrinterSettingsPath(app), {"1", "0", "0", "6", "1"});
}

int ReadPrinterSettings(App& app) {
    const std::string path = PrinterSettingsPath(app);
    std::string text;
    ReadResult r = LoadTextFile(path, text);
    if (r.fail == ReadFail::NotFound) {
        WriteDefaultPrinterSettings(app);
        r = LoadTextFile(path, text);
    }
    switch (r.fail) {
        case ReadFail::None: break;
        case ReadFail::NotFound: return kErrFileNotFound;
        case ReadFail::BadPath: return kErrPathNotFound;
        default: return kErrFileAccess;
    }
    return ParsePrinterSettings(text, app.print.set);
}

// ---- the page -----------------------------------------------------------------

PageMapping FitPage(const PrinterSettings& set, const PrintArea& area, double llx, double lly, double urx,
                    double ury) {
    PageMapping m;
    m.PageLeft = static_cast<int>(area.left);
    m.PageTop = static_cast<int>(area.top);
    m.PageWidth = static_cast<int>(area.width);
    m.PageHeight = static_cast<int>(area.height);
    const double w = m.PageWidth - m.PageLeft, h = m.PageHeight - m.PageTop;
    const double aspect = (ury - lly) / (urx - llx);
    double scale = aspect <= 0.75 ? set.PrinterScale * kPageFill * w / (urx - llx)
                                  : set.PrinterScale * kPageFill * h / (ury - lly);
    // Limits without extent would give no scale at all; the page stays usable.
    if (!std::isfinite(scale) || scale == 0) scale = 1;
    m.PrintScale = scale;
    const double landscape = set.PrintLandscape != 0 ? 1 : 0;
    m.PrintXShift = -scale * llx + (w - (scale * urx - scale * llx)) / 2 + (set.PrintXOffset + kPageShift) * landscape;
    m.PrintYShift =
        scale * lly - (h - (scale * ury - scale * lly)) / 2 + (set.PrintYOffset + kPageShift) * (1 - landscape);
    return m;
}

double WorldToPrinterX(const PageMapping& m, double x) { return m.PrintScale * x + m.PrintXShift; }

// Y alone is shortened by 1 %, as the page always was.
double WorldToPrinterY(const PageMapping& m, double y) {
    return m.PageHeight - m.PrintScale * y * m.YFactor + m.PrintYShift;
}

// ---- the device ----------------------------------------------------------------

PrinterDevice::PrinterDevice(App& app, const PageMapping& m) : app_(app), m_(m) {}

void PrinterDevice::Dot(double x, double y, uint32_t rgb) {
    app_.ui.PrinterPoint(WorldToPrinterX(m_, x), WorldToPrinterY(m_, y), rgb);
}

void PrinterDevice::MoveTo(double x, double y) {
    penX_ = WorldToPrinterX(m_, x);
    penY_ = WorldToPrinterY(m_, y);
}

void PrinterDevice::LineTo(double x, double y, uint32_t rgb) {
    double nx = WorldToPrinterX(m_, x), ny = WorldToPrinterY(m_, y);
    app_.ui.PrinterLine(penX_, penY_, nx, ny, rgb);
    penX_ = nx;
    penY_ = ny;
}

void PrinterDevice::DrawCurve(const Curve& c, uint32_t rgb) {
    Platform& ui = app_.ui;
    const PageMapping& m = m_;
    RunDots(c, kPrintCurveUnit / m.PrintScale, app_.dwg.PI,
            [&](double x, double y) { ui.PrinterPoint(WorldToPrinterX(m, x), WorldToPrinterY(m, y), rgb); });
}

bool PrinterDevice::MissingShape(const std::string& name) {
    app_.ui.MsgBox(kMsgShapeA + app_.dwg.ShapePrefix + name + kMsgShapeB, MsgButtons::OK, MsgIcon::None, "");
    return true;
}

// ---- Print Drawing --------------------------------------------------------------

uint32_t PrintColorOf(const App& app, int c) {
    if (c < 0) c = -c;
    if (c == 1 || c > 7) return 0;  // "Black or White" prints black
    return ColorOf(app, c);
}

void PrintTable(App& app, const PageMapping& m) {
    Drawing& d = app.dwg;
    PrinterDevice dev(app, m);
    for (int s = 1; s < d.ObjNext && s <= kMaxSlot; ++s)
        if (!d.ObjType[s].empty()) RenderSlot(app, dev, s, PrintColorOf(app, d.ObjColor[s]));
}

std::string DrawingStem(const App& app) {
    std::string name = app.dwg.DwgName.empty() ? "Drawing" : app.dwg.DwgName;
    if (name.size() > 4 && UpperText(name.substr(name.size() - 4)) == ".DWG") name.resize(name.size() - 4);
    return name;
}

std::string DrawingFolder(const App& app) {
    if (!app.dwg.DwgName.empty()) return app.dwg.DwgPath;
    return app.set.DwgFolderDefault.empty() ? app.set.DataFolder : app.set.DwgFolderDefault;
}

std::string DrawingPdfPath(const App& app) { return DrawingFolder(app) + DrawingStem(app) + ".pdf"; }

bool ReadPrinterSettingsOrSay(App& app) {
    const int err = ReadPrinterSettings(app);
    if (err == 0) return true;
    app.ui.MsgBox(kMsgErrorA + std::to_string(err) + kMsgErrorB + kMsgSettingsUnread + PrinterSettingsPath(app),
                  MsgButtons::OK, MsgIcon::None, "");
    return false;
}

void ShowPrintOutcome(App& app, const PrintOutcome& o, const char* failText, const char* toPdfText) {
    if (!o.ok) app.ui.MsgBox(failText + o.error, MsgButtons::OK, MsgIcon::Warning, kTitlePrinter);
    else if (o.toPdf) app.ui.MsgBox(toPdfText + o.where, MsgButtons::OK, MsgIcon::Information, kTitlePrinter);
}

bool BeginPrintJob(App& app, const std::string& pdfPath, bool useSettings, const char* failText, PrintArea& area) {
    PrintJob job;
    if (useSettings) {
        job.orientation = app.print.set.PrintLandscape != 0 ? 2 : 1;
        job.penWidth = app.print.set.PrintDrawWidth;
    }
    job.pdfPath = pdfPath;
    std::string error;
    if (app.ui.PrinterBegin(job, area, error)) return true;
    app.ui.MsgBox(failText + error, MsgButtons::OK, MsgIcon::Warning, kTitlePrinter);
    return false;
}

void PrintDrawing_Click(App& app) {
    if (app.ui.MsgBox(kMsgPrintAsk, MsgButtons::YesNo, MsgIcon::Question, kTitlePrinter) != MsgAnswer::Yes) return;
    PrintArea area;
    if (!ReadPrinterSettingsOrSay(app) || !BeginPrintJob(app, DrawingPdfPath(app), true, kMsgNotPrinted, area)) return;
    const Drawing& d = app.dwg;
    app.print.map = FitPage(app.print.set, area, d.LimLLX, d.LimLLY, d.LimURX, d.LimURY);
    PrintTable(app, app.print.map);
    ShowPrintOutcome(app, app.ui.PrinterEnd(), kMsgNotPrinted, kMsgToPdf);
}

// ---- the shortcut list ----------------------------------------------------------

void PrintHelp_Click(App& app) {
    PrintArea area;
    if (!BeginPrintJob(app, app.set.DataFolder + kShortcutPdfName, false, kMsgNotPrinted, area)) return;
    app.ui.PrinterFont("courier new", 9);
    for (int i = 0; i < 4; ++i) app.ui.PrinterTextLine("");
    // The first line is the "<start>" marker; the section ends at "<files>".
    // A missing or short file prints as far as it goes, without a message.
    std::vector<std::string> lines;
    if (LoadTextLines(app.set.DataFolder + kHelpFileName, lines))
        for (size_t i = 1; i < lines.size() && lines[i] != "<files>"; ++i) app.ui.PrinterTextLine(lines[i] + "   ");
    ShowPrintOutcome(app, app.ui.PrinterEnd(), kMsgNotPrinted, kMsgToPdf);
}

// Printing: "Print Drawing" fits the whole drawing to one page of the system
// printer (a PDF file when the machine has none) through the printer device,
// which maps drawing units to twips of the page and turns curves into runs
// of points; "Print List of Shortcut Keys" prints the help file's first
// section. The printer settings file and the page fit live here too; the
// Printer Setup panel is output/printsetup.h. Called by the menu table.
#pragma once
#include <string>

#include "platform/platform.h"
#include "view/device.h"

struct App;

inline constexpr const char* kPrinterSettingsFileName = "Zarnic-PrntSet.dat";
inline constexpr const char* kTitlePrinter = "Printer";

// The values of the printer settings file, one per line in this order.
struct PrinterSettings {
    double PrinterScale = 1;   // multiplier after the page fit (near 1)
    int PrintXOffset = 0;      // extra horizontal shift, landscape only (twips)
    int PrintYOffset = 0;      // extra vertical shift, portrait only (twips)
    int PrintDrawWidth = 6;    // pen width of lines and points (printer pixels at 600 dpi)
    int PrintLandscape = 1;    // 1 landscape, 0 portrait
};

// The page mapping of one print job.
struct PageMapping {
    double PrintScale = 1;     // twips per drawing unit
    double PrintXShift = 0;    // twips
    double PrintYShift = 0;    // twips
    int PageLeft = 0, PageTop = 0, PageWidth = 0, PageHeight = 0;  // the printable area (twips)
    double YFactor = 0.99;     // Y is shortened by 1 % on the fitted page; 1 at true size
};

struct Printing {
    PrinterSettings set;       // as last read from the settings file
    PageMapping map;           // the last print job's mapping
};

// Parses the settings file's text. 0, or the error number of the first
// field that fails: 62 when the text ends early, 13 when a field is not a
// number, 6 when an integer field is beyond 16 bits.
int ParsePrinterSettings(const std::string& text, PrinterSettings& out);
// The settings file's path in the data folder.
std::string PrinterSettingsPath(const App& app);
// Writes the default settings file ("1", "0", "0", "6", "1"); false when it
// cannot be written.
bool WriteDefaultPrinterSettings(const App& app);
// Reads the settings file into app.print.set; a missing file is first
// written with the defaults. 0, or the error number.
int ReadPrinterSettings(App& app);

// The fit of the limits to the printable area: the scale from the wider of
// the page's two fits (aspect 0.75), 96.37557 % of it times PrinterScale,
// centred, with the 250-twip shift plus the offset on X in landscape and on
// Y in portrait.
PageMapping FitPage(const PrinterSettings& set, const PrintArea& area, double llx, double lly, double urx,
                    double ury);
double WorldToPrinterX(const PageMapping& m, double x);
double WorldToPrinterY(const PageMapping& m, double y);

// The printer as a device: lines and points in twips of the page; curves as
// runs of points about 8.73 twips apart (the curve unit 1000 / PrintScale).
class PrinterDevice final : public Device {
public:
    PrinterDevice(App& app, const PageMapping& m);
    void Dot(double x, double y, uint32_t rgb) override;
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y, uint32_t rgb) override;
    void DrawCurve(const Curve& c, uint32_t rgb) override;
    // "Shape File <prefix><name> can't be found", then the next object.
    bool MissingShape(const std::string& name) override;

private:
    App& app_;
    PageMapping m_;
    double penX_ = 0, penY_ = 0;  // the pen after MoveTo / LineTo (twips)
};

// The colour an object of colour number c prints in: colour 1 black, the
// others their screen colour; a negative number as its positive.
uint32_t PrintColorOf(const App& app, int c);
// Prints the table on a started job with the mapping m.
void PrintTable(App& app, const PageMapping& m);

// Files > Print Drawing.
void PrintDrawing_Click(App& app);
// Files > Print List of Shortcut Keys.
void PrintHelp_Click(App& app);
// The drawing's file name without ".dwg" (any case), "Drawing" when unnamed.
std::string DrawingStem(const App& app);
// The drawing's folder; for an unnamed drawing the default drawing folder
// (the data folder when none is set).
std::string DrawingFolder(const App& app);
// Where a page goes when the machine has no printer: <stem>.pdf in the
// drawing's folder.
std::string DrawingPdfPath(const App& app);
// Reads the printer settings; false after the error-number message that
// names the file.
bool ReadPrinterSettingsOrSay(App& app);
// Starts a job (with the settings' orientation and pen width when
// useSettings); false after failText + the reason.
bool BeginPrintJob(App& app, const std::string& pdfPath, bool useSettings, const char* failText, PrintArea& area);
// Says how a job ended: failText + the reason, or toPdfText + the PDF's path
// when the page went to a file; nothing when it went to the printer.
void ShowPrintOutcome(App& app, const PrintOutcome& o, const char* failText, const char* toPdfText);

// The window system as the program sees it: message boxes, the caption, menu
// entries, text on the drawing surface, the input box, the dialog windows, the
// clipboard and the end of the run. The Qt binding (src/ui) implements it;
// tests use a scripted fake (tests/support). No toolkit type appears here.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/surface.h"

enum class MsgButtons { OK, YesNo, YesNoCancel };
enum class MsgIcon { None, Question, Warning, Critical, Information };
enum class MsgAnswer { OK, Yes, No, Cancel };

// The program's own dialog windows. Their control values live in plain
// panel structs of the core (commands/filedialogs.h, commands/defaults_dialog.h);
// the window copies them to its widgets whenever it is shown or synced.
enum class DialogId { OpenF, SaveAs, Zarnic2, Dial, RectArray, Anim, PrintSet };

// A control laid over the drawing area: a list box of text rows (ShapeList,
// Help1) or a button (ShapeClose). The core keeps its values; the window
// shows them whenever the core calls ShowControl.
struct ControlBox {
    bool visible = false;        // shown over the drawing area
    double left = 0, top = 0;    // position on the drawing area (twips)
    double width = 0, height = 0;  // size (twips)
    std::vector<std::string> rows;  // list rows, in order (list boxes)
    std::string caption;         // the button's caption (buttons)
    double fontPoints = 9;       // size of the list's fixed-pitch font (points)
};

// A print job as the core asks for it. Page units are twips from the top
// left corner of the printable area.
struct PrintJob {
    int orientation = 1;        // 1 portrait, 2 landscape
    int penWidth = 6;           // pen width of lines and points, in printer pixels at 600 dpi
    std::string pdfPath;        // where the pages go when the machine has no printer
};
// The printable area of the page, as the printer reports it (twips).
struct PrintArea {
    double left = 0, top = 0, width = 0, height = 0;
};
// How a job ended.
struct PrintOutcome {
    bool ok = false;            // the pages reached the printer or the PDF file
    bool toPdf = false;         // they went to the PDF file (no printer on this machine)
    std::string where;          // the printer's name, or the PDF file's path
    std::string error;          // what went wrong, in words, when not ok
};

// Export at true size. PDF and SVG receive the drawing as polylines on a
// page measured in inches from its top left corner; DXF receives entities
// in drawing units (inches): polylines, arcs, circles, texts and hidden
// lines, each on the layer of its colour number (1..7).
enum class ExportFormat { Pdf, Svg, Dxf };
struct ExportJob {
    ExportFormat format = ExportFormat::Pdf;
    std::string path;            // the file to write (safely: temporary file, then rename)
    double width = 0, height = 0;  // page size (PDF, SVG), inches
    double dash = 0.2, gap = 0.06;   // the hidden-line pattern in its stored form (DXF's line type)
};
class ExportSink {
public:
    virtual ~ExportSink() = default;
    // xy holds x0, y0, x1, y1, ...; rgb is the object's printed colour,
    // color its colour number 1..7.
    virtual void Polyline(const std::vector<double>& xy, bool closed, uint32_t rgb, int color) = 0;
    // DXF only: true curves (radians, counter-clockwise from a0 to a1), texts
    // (justification "S", "C", "M" or "E", height and angle in drawing units
    // and radians, at the insertion point) and hidden (dashed) segments.
    virtual void Arc(double cx, double cy, double r, double a0, double a1, int color) {
        (void)cx, (void)cy, (void)r, (void)a0, (void)a1, (void)color;
    }
    virtual void Circle(double cx, double cy, double r, int color) { (void)cx, (void)cy, (void)r, (void)color; }
    virtual void Text(const std::string& text, const std::string& just, double h, double angle, double x, double y,
                      int color) {
        (void)text, (void)just, (void)h, (void)angle, (void)x, (void)y, (void)color;
    }
    virtual void HiddenLine(double x1, double y1, double x2, double y2, int color) {
        (void)x1, (void)y1, (void)x2, (void)y2, (void)color;
    }
    // Writes the file; false, with the reason, when it could not be written
    // (no partial file is left).
    virtual bool Finish(std::string& error) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box. `text` separates its lines with CR LF.
    virtual MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             const std::string& title) = 0;

    // The main window's caption.
    virtual void SetCaption(const std::string& caption) = 0;

    // Menu entries, named by the ids of the menu table (tables/menu.h).
    virtual void MenuSetChecked(const std::string& id, bool checked) = 0;
    virtual void MenuSetEnabled(const std::string& id, bool enabled) = 0;
    virtual void MenuSetVisible(const std::string& id, bool visible) = 0;
    virtual void MenuSetCaption(const std::string& id, const std::string& caption) = 0;

    // Text on the drawing surface: top-left corner at (x, y) twips.
    virtual void SurfaceText(Surface& s, double xTw, double yTw, const std::string& text,
                             uint32_t rgb) = 0;
    // Rendered width of a text on the surface, in twips.
    virtual double TextWidth(const std::string& text) = 0;
    // Height of one line of surface text, in twips.
    virtual double TextHeight() { return 240; }
    // Reads a picture file (PNG, JPEG, BMP) into colour values, rows top to
    // bottom, at the surface's pixel size; false when it cannot be read.
    virtual bool LoadPicture(const std::string& path, int& width, int& height, std::vector<uint32_t>& pixels) {
        (void)path, (void)width, (void)height, (void)pixels;
        return false;
    }
    // The surface changed; show it again.
    virtual void SurfaceChanged() = 0;
    // Main window colours (drawing area background and foreground).
    virtual void SetWindowColors(uint32_t background, uint32_t foreground) = 0;

    // The input box `Text2` over the prompt line, in twips.
    virtual void InputBoxShow(double leftTw, double topTw, double widthTw, double heightTw,
                              const std::string& text) = 0;
    virtual void InputBoxHide() = 0;
    // The box's text as the user left it, and setting it (the rejection
    // empties it). FocusInputBox gives the visible box the focus again.
    virtual std::string InputBoxText() = 0;
    virtual void InputBoxSetText(const std::string& text) = 0;
    virtual bool InputBoxVisible() = 0;
    virtual void FocusInputBox() = 0;
    // Gives the focus to the key catcher `Text1`.
    virtual void FocusKeyCatcher() = 0;

    // Dialog windows: show (after copying the panel to the widgets) or hide;
    // SyncDialog copies the panel to the widgets of a visible window; FocusDialog
    // puts the focus on one named control of it (for example "TxtFName").
    virtual void ShowDialog(DialogId id, bool visible) = 0;
    virtual void SyncDialog(DialogId id) = 0;
    virtual void FocusDialog(DialogId id, const std::string& control) = 0;

    // Shows, hides, places and fills a control over the drawing area by its
    // name ("ShapeList", "ShapeClose", "Help1").
    virtual void ShowControl(const std::string& name, const ControlBox& box) = 0;

    virtual void ClipboardClear() = 0;
    // The one timer of the program: it calls Timer1_Timer every interval
    // (milliseconds) on the interface thread until stopped.
    virtual void TimerStart(int intervalMs) { (void)intervalMs; }
    virtual void TimerStop() {}
    // The system clipboard as plain text.
    virtual void ClipboardSetText(const std::string& text) { (void)text; }
    virtual std::string ClipboardText() { return ""; }
    // The system printer (or, without one, a PDF file at job.pdfPath).
    // PrinterBegin starts a job and reports the printable area; false, with
    // the reason in `error`, when no job could be started. Lines and points
    // are in twips of the page, in a colour; PrinterTextLine prints one line
    // of text below the last in the font last set (a new page when full).
    // PrinterEnd sends the page(s); a started job always ends with it.
    virtual bool PrinterBegin(const PrintJob& job, PrintArea& area, std::string& error) {
        (void)job, (void)area;
        error = "no printer";
        return false;
    }
    virtual void PrinterLine(double x1, double y1, double x2, double y2, uint32_t rgb) {
        (void)x1, (void)y1, (void)x2, (void)y2, (void)rgb;
    }
    virtual void PrinterPoint(double x, double y, uint32_t rgb) { (void)x, (void)y, (void)rgb; }
    virtual void PrinterFont(const std::string& name, double points) { (void)name, (void)points; }
    virtual void PrinterTextLine(const std::string& text) { (void)text; }
    virtual PrintOutcome PrinterEnd() { return {}; }
    // Ends a started job without sending anything (no PDF file is left).
    virtual void PrinterAbort() {}
    // A save dialog: title, starting folder, proposed name, filters (as
    // "PDF at true size (*.pdf)"); returns the chosen path ("" when
    // cancelled) and the index of the filter chosen. An existing file is
    // replaced only after the dialog's own question.
    virtual std::string SaveFileDialog(const std::string& title, const std::string& folder, const std::string& name,
                                       const std::vector<std::string>& filters, int& filter) {
        (void)title, (void)folder, (void)name, (void)filters, (void)filter;
        return "";
    }
    // Starts an export; nullptr, with the reason, when it cannot start.
    virtual std::unique_ptr<ExportSink> ExportOpen(const ExportJob& job, std::string& error) {
        (void)job;
        error = "export is not available";
        return nullptr;
    }
    // The next page of a running print job.
    virtual void PrinterNewPage() {}
    // Lines and points outside this rectangle (twips) are not printed; a
    // width of 0 lifts the clip.
    virtual void PrinterClip(double x, double y, double w, double h) { (void)x, (void)y, (void)w, (void)h; }
    // Text on the page at (x, y) twips (top left of the text) in a plain
    // sans-serif font of the given size, black.
    virtual void PrinterTextAt(double x, double y, double points, const std::string& text) {
        (void)x, (void)y, (void)points, (void)text;
    }
    // Ends the run after the current event.
    virtual void Quit() = 0;
};

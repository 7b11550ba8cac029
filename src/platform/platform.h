// The window system as the program sees it: message boxes, the caption, menu
// entries, text on the drawing surface, the input box, the dialog windows, the
// clipboard and the end of the run. The Qt binding (src/ui) implements it;
// tests use a scripted fake (tests/support). No toolkit type appears here.
#pragma once
#include <cstdint>
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
    // Ends the run after the current event.
    virtual void Quit() = 0;
};

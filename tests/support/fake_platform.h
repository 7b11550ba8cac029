// A scripted stand-in for the window system: it records every message box,
// caption, menu change, text written on the surface and dialog shown, answers
// message boxes from a queue, and keeps the surface in memory. Tests drive the
// core through it without a window.
#pragma once
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app.h"
#include "platform/platform.h"

struct MsgRecord {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
};

struct TextRecord {
    double x, y;
    std::string text;
    uint32_t rgb;
};

// One thing the printer was handed: 'L' line, 'P' point, 'F' font, 'T' text line.
struct PrintCall {
    char what;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips (a point uses x1, y1; a font's size is x1)
    uint32_t rgb = 0;
    std::string text;                       // a text line, or a font's name
};

struct MenuState {
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::string caption;
};

class FakePlatform : public Platform {
public:
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override;
    void SetCaption(const std::string& caption) override { captions.push_back(caption); }
    void MenuSetChecked(const std::string& id, bool c) override { menus[id].checked = c; }
    void MenuSetEnabled(const std::string& id, bool e) override { menus[id].enabled = e; }
    void MenuSetVisible(const std::string& id, bool v) override { menus[id].visible = v; }
    void MenuSetCaption(const std::string& id, const std::string& c) override { menus[id].caption = c; }
    void SurfaceText(Surface&, double x, double y, const std::string& t, uint32_t rgb) override {
        texts.push_back({x, y, t, rgb});
    }
    // Every character is 100 twips wide, a blank 50.
    double TextWidth(const std::string& text) override;
    void SurfaceChanged() override { ++surfaceShown; }
    void SetWindowColors(uint32_t bg, uint32_t fg) override { background = bg; foreground = fg; }
    void InputBoxShow(double l, double t, double w, double h, const std::string& text) override {
        inputVisible = true; inputLeft = l; inputTop = t; inputWidth = w; inputHeight = h; inputText = text;
    }
    void InputBoxHide() override { inputVisible = false; }
    std::string InputBoxText() override { return inputText; }
    void InputBoxSetText(const std::string& t) override { inputText = t; }
    bool InputBoxVisible() override { return inputVisible; }
    void FocusInputBox() override { ++inputFocus; }
    void ShowControl(const std::string& name, const ControlBox& box) override { controls[name] = box; }
    void FocusKeyCatcher() override { ++keyCatcherFocus; }
    void ShowDialog(DialogId id, bool visible) override { dialogVisible[id] = visible; dialogLog.push_back({id, visible}); }
    void SyncDialog(DialogId id) override { ++syncs[id]; }
    void FocusDialog(DialogId id, const std::string& control) override { dialogFocus[id] = control; }
    void ClipboardClear() override {
        ++clipboardClears;
        clipboard.clear();
    }
    void ClipboardSetText(const std::string& text) override { clipboard = text; }
    void TimerStart(int intervalMs) override { timerInterval = intervalMs; }
    void TimerStop() override { timerInterval = 0; }
    std::string ClipboardText() override { return clipboard; }
    void Quit() override { quit = true; }
    bool PrinterBegin(const PrintJob& job, PrintArea& area, std::string& error) override;
    void PrinterLine(double x1, double y1, double x2, double y2, uint32_t rgb) override {
        printed.push_back({'L', x1, y1, x2, y2, rgb, ""});
    }
    void PrinterPoint(double x, double y, uint32_t rgb) override { printed.push_back({'P', x, y, 0, 0, rgb, ""}); }
    void PrinterFont(const std::string& name, double points) override {
        printed.push_back({'F', points, 0, 0, 0, 0, name});
    }
    void PrinterTextLine(const std::string& text) override { printed.push_back({'T', 0, 0, 0, 0, 0, text}); }
    PrintOutcome PrinterEnd() override;
    void PrinterNewPage() override { printed.push_back({'N', 0, 0, 0, 0, 0, ""}); }
    void PrinterAbort() override { ++printJobsAborted; }
    void PrinterClip(double x, double y, double w, double h) override { printed.push_back({'C', x, y, w, h, 0, ""}); }
    void PrinterTextAt(double x, double y, double points, const std::string& text) override {
        printed.push_back({'X', x, y, points, 0, 0, text});
    }
    std::string SaveFileDialog(const std::string& title, const std::string& folder, const std::string& name,
                               const std::vector<std::string>& filters, int& filter) override;
    std::unique_ptr<ExportSink> ExportOpen(const ExportJob& job, std::string& error) override;
    // Pictures come from `pictures`, by path.
    bool LoadPicture(const std::string& path, int& w, int& h, std::vector<uint32_t>& px) override;

    // The caption shown last ("" when none).
    std::string Caption() const { return captions.empty() ? "" : captions.back(); }
    // Queue the answers of the next message boxes; an empty queue answers OK
    // (or No for a question, so an unscripted question never saves).
    void Answer(MsgAnswer a) { answers.push_back(a); }

    std::vector<MsgRecord> boxes;
    std::deque<MsgAnswer> answers;
    std::vector<std::string> captions;
    std::map<std::string, MenuState> menus;
    std::vector<TextRecord> texts;
    int surfaceShown = 0;
    uint32_t background = 0, foreground = 0;
    bool inputVisible = false;
    double inputLeft = 0, inputTop = 0, inputWidth = 0, inputHeight = 0;
    std::string inputText;
    int keyCatcherFocus = 0;
    int inputFocus = 0;                       // times the box was given the focus again
    std::map<std::string, ControlBox> controls;  // controls as last shown
    std::map<DialogId, bool> dialogVisible;
    std::vector<std::pair<DialogId, bool>> dialogLog;
    std::map<DialogId, int> syncs;
    std::map<DialogId, std::string> dialogFocus;
    int clipboardClears = 0;
    std::string clipboard;                    // the system clipboard's text
    int timerInterval = 0;                    // the running timer's interval (ms), 0 when stopped
    bool quit = false;
    // The printer: the area it reports, whether it starts, and how jobs end.
    PrintArea printArea{0, 0, 15000, 10000};
    bool printerStarts = true;
    PrintOutcome printOutcome{true, true, "", ""};  // `where` empty: the job's PDF path
    std::vector<PrintJob> printJobs;          // jobs started
    int printJobsEnded = 0;
    int printJobsAborted = 0;
    std::vector<PrintCall> printed;           // what the jobs were handed, in order ('N' new page, 'C' clip, 'X' text)
    // The save dialog: what it was asked, and what it answers.
    std::vector<std::string> saveDialogs;     // "title|folder|name|filter;filter;..." of each call
    std::string saveDialogPath;               // the answer ("" cancels)
    int saveDialogFilter = 0;                 // the filter chosen
    // Exports: the jobs, and every entity as one line of text.
    std::vector<ExportJob> exportJobs;
    std::vector<std::string> exported;        // "P closed rgb color x y x y ...", "A ...", "C ...", "T ...", "H ..."
    std::string exportError;                  // Finish fails with this when not empty
    struct Picture {
        int width = 0, height = 0;
        std::vector<uint32_t> px;
    };
    std::map<std::string, Picture> pictures;
};

// A scratch folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // The folder, ending in the separator.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }
private:
    std::string path_;
};

// File helpers for tests.
std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& text);
// Splits at CR LF; a last line without an end is kept.
std::vector<std::string> SplitCrLf(const std::string& text);
std::string JoinCrLf(const std::vector<std::string>& lines);

// Copies the test font's character drawings (fixtures/font: A, B and O) into
// a folder, as an installation brings its font; a folder with drawings also
// keeps the shape list from complaining.
void SeedTestFont(const std::string& folder);

// An App on a fake platform, started in `folder` the way the program starts
// (Form_Load) with a 12000 x 8000 twip drawing area, whose surface is
// 1200 x 800 pixels (10 twips a pixel).
// Copies the test symbols (fixtures/shapes) into a folder.
void CopyTestShapes(const std::string& folder);

struct TestApp {
    FakePlatform fake;
    std::unique_ptr<App> app;
    TestApp();
    void Start(const std::string& folder);
};

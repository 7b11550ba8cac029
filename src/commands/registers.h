// The command registers, the prompt line, the overlays and the command
// reset. The floor every command room stands on: InputPrompt asks for the
// next answer, CancelCommand ends or cancels whatever runs and closes what
// stands over the drawing area. Names no room above it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct App;

struct Point2 {
    double x = 0, y = 0;             // drawing units
};

// A control laid over the drawing area (the shape list, the library
// browser, the help viewer, later the dial and array panels). The room that
// owns it registers it at start-up, so the command reset can close it
// without knowing whose it is.
struct Overlay {
    std::string name;                          // what it is; one entry per name
    std::string command;                       // closed by the reset of this command only; "" for any command
    bool (*standing)(const App&) = nullptr;    // it is shown now
    void (*close)(App&) = nullptr;             // hides it (the room's own procedure)
};

struct Registers {
    std::string CurCommand = "None"; // running command, "None" when idle
    std::string WindowSelect = "None";  // "SelectW" while a selection window is picked
    std::string CmdStep;             // step code of the running command, "" when idle
    int16_t ClickCount = 0;          // points taken by the running command
    int16_t ClickCount2 = 0;         // second counter (dimension, shape placement)
    bool RubberBandOn = false;       // a rubber band follows the cursor from Pt1
    bool WindowDragOn = false;       // a selection window is being dragged
    bool Arc3CentreMode = false;     // step flag of the three-point arc
    bool CircleBandOff = false;      // step flag of the circle
    bool ShapeAbort = false;         // a missing shape is being renamed: the redraw stops after it
    Point2 Pt0, Pt1, Pt2, Pt3;       // point registers (drawing units)
    std::string RepeatCommand;       // last completed drawing command, for the middle button
    std::string UndoOp = "None";     // last undoable operation
    int16_t UndoCount = 0;           // selection entries it worked on
    bool UndoStored = false;         // that command stored objects (a cancelled one did not)
    int16_t ObjNextAtStart = 1;      // ObjNext when the running command began (the last reset)
    int16_t ArcKeyPending = 0;       // 65 while the A prefix key waits
    double TypedValue = 0;           // the last single number typed (an answer with a comma leaves it)
    std::string PromptFiller;        // blanks at least 9000 twips wide, built at start-up
    std::string PromptText;          // the prompt last written on the prompt line, "" after a reset
    double PromptBoxLeft = -1;       // left of the input box under which "TAB to Enter" stands (twips), -1 when hidden
    std::vector<Overlay> Overlays;   // what can stand over the drawing area, in the order the reset closes it
};

// Writes the prompt at (200, 0) and, when boxWidth >= 1, shows the input box
// beside it with `defaultText` selected.
void InputPrompt(App& app, int boxWidth, const std::string& defaultText, const std::string& prompt);
// Ends or cancels whatever runs; records the undo operation; closes the
// overlays that go with it; redraws when redraw is 1.
void CancelCommand(App& app, int redraw);
// A room's control over the drawing area, registered at start-up (replaces
// an entry of the same name).
void AddOverlay(App& app, const Overlay& overlay);
// Builds the prompt line's blank filler (start-up).
void BuildPromptFiller(App& app);
// Direction of (dx, dy) in [0, 2pi).
double VectorAngle(const App& app, double dx, double dy);
// A number's shortest text with exactly n decimals, cut (not rounded) after
// them: 2 with 3 gives "2.000", 12 with 0 gives "12.".
std::string FormatDecimals(const std::string& number, int n);

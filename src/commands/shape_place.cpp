// Placing a library Shape: left clicks preview it, the first right click
// places it, then a left click previews the angle, a right click or a typed
// value fixes it, and a flip answer (or a third right click) stores it. The
// preview is the shape drawn with inverted pixels; it is erased by drawing
// it again with the same values before any of them change.
#include <cmath>
#include <string>

#include "app.h"
#include "commands/append.h"
#include "commands/draw.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "view/redraw.h"
#include "view/shapes.h"
#include "view/view.h"

namespace {

const char* const kPromptPreview = "Shape:  Left click to preview.  Right click to place.";
const char* const kPromptAngle = "Shape:  L-Cl to Preview angle, R-Cl an angle or enter value.";
const char* const kPromptFlip = "Shape: Flip; H = horizontally, V = vertically, N = none.";

// The preview of slot s at its present insertion point and angle, inverted.
// A shape file that has gone meanwhile shows no preview and asks nothing.
void TogglePreview(App& app) {
    Drawing& d = app.dwg;
    const int s = d.ObjNext;
    if (!FindShapeFile(app, d.ObjText[s])) return;
    ScreenDevice dev = MakeScreenDevice(app);
    dev.invert = true;
    RenderShape(app, dev, 0xFFFFFF, d.ObjSize[s], d.ObjText[s], d.ObjXScale[s], d.ObjYScale[s], d.ObjAngle[s],
                d.ObjX[s], d.ObjY[s], s);
    app.draw.ShapePreviewOn = !app.draw.ShapePreviewOn;
    app.ui.SurfaceChanged();
}

void ErasePreview(App& app) {
    if (app.draw.ShapePreviewOn) TogglePreview(app);
}

void AskFlip(App& app) {
    InputPrompt(app, 400, "N", kPromptFlip);
    app.cmd.CmdStep = "F";
}

// The angle is fixed: the band goes and the flip is asked.
void AngleTaken(App& app, double angle) {
    ErasePreview(app);
    ToggleRubberBands(app);
    app.cmd.RubberBandOn = false;
    app.dwg.ObjAngle[app.dwg.ObjNext] = angle;
    TogglePreview(app);
    app.cmd.ClickCount2 = 2;
    AskFlip(app);
}

void StoreShape(App& app, double fx, double fy) {
    Drawing& d = app.dwg;
    const int s = d.ObjNext;
    d.ObjXScale[s] = fx;
    d.ObjYScale[s] = fy;
    UpdateShapeBox(app, s);
    CommitAppend(app, s, "Shape");
    app.draw.ShapePreviewOn = false;  // the redraw of the completion takes it
    CompleteCommand(app, "Shape");
}

}  // namespace

void Shape_PlaceClick(App& app, int button, int, float x, float y) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    int s = d.ObjNext;
    if (d.ObjText[s].empty()) return;
    if (button != kButtonLeft && button != kButtonRight) return;
    // The first click of the command takes the slot; a full table ends here.
    if (c.ClickCount == 0 && c.ClickCount2 == 0) {
        app.draw.ShapePreviewOn = false;
        if (BeginAppend(app) == 0) {
            CancelCommand(app, 1);
            return;
        }
        d.ObjColor[s] = d.CurColor;  // the colour in force at the first click
    }
    Point2 p = c.Pt0;
    SnapToDrawing(app, x, y, p.x, p.y);
    if (button == kButtonLeft) {
        c.ClickCount += 1;
        if (c.ClickCount2 == 0) {
            ErasePreview(app);
            c.Pt1 = p;
            d.ObjX[s] = p.x;
            d.ObjY[s] = p.y;
            TogglePreview(app);
            InputPrompt(app, 0, "", kPromptPreview);
        } else if (c.ClickCount2 == 1) {
            ErasePreview(app);
            d.ObjAngle[s] = VectorAngle(app, p.x - d.ObjX[s], p.y - d.ObjY[s]);
            TogglePreview(app);
            InputPrompt(app, 400, "0", kPromptAngle);
        }
        return;
    }
    c.ClickCount2 += 1;
    if (c.ClickCount2 == 1) {
        ErasePreview(app);
        c.Pt2 = p;
        c.Pt1 = p;
        d.ObjX[s] = p.x;
        d.ObjY[s] = p.y;
        d.ObjAngle[s] = 0;
        d.ObjNum[s] = static_cast<int16_t>(s);
        TogglePreview(app);
        c.RubberBandOn = true;
        InputPrompt(app, 400, "0", kPromptAngle);
        c.CmdStep = "A";
    } else if (c.ClickCount2 == 2) {
        AngleTaken(app, VectorAngle(app, p.x - d.ObjX[s], p.y - d.ObjY[s]));
    } else {
        StoreShape(app, 1, 1);
    }
}

void Shape_Answer(App& app, const TypedAnswer& a) {
    Registers& c = app.cmd;
    if (c.CmdStep == "A") {
        if (a.pair) {
            RejectAnswer(app);
            return;
        }
        AngleTaken(app, c.TypedValue * app.dwg.PI / 180);
        return;
    }
    if (c.CmdStep != "F") return;
    const std::string f = UpperText(a.text);
    if (f == "H") StoreShape(app, -1, 1);
    else if (f == "V") StoreShape(app, 1, -1);
    else StoreShape(app, 1, 1);  // "N", or anything else: no flip
}

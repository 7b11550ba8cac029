// Line, the three Arcs, Circle, Text and Insert. Every command takes its slot
// through BeginAppend at its first click (a full table is refused there),
// fills it field by field, and stores it with CommitAppend at completion.
// Rubber bands are inverted pixels: before a click moves their points they
// are erased, after it they are drawn again, so the screen never keeps a
// stray band.
#include "commands/draw.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "app.h"
#include "commands/append.h"
#include "commands/files.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/shell.h"
#include "commands/typed.h"
#include "editing/change.h"
#include "model/extents.h"
#include "view/redraw.h"
#include "view/render.h"
#include "view/view.h"

namespace {

const char* const kMsgZoomOverflow =
    "Value too large for zoom setting.  Enter smaller values.\r\n"
    "Or type 'E' in the box to save the line so far. \r\n"
    "Then reset the zoom and take up where you left off.";

Point2 Snapped(App& app, float x, float y) {
    Point2 p = app.cmd.Pt0;
    SnapToDrawing(app, x, y, p.x, p.y);
    return p;
}

// The slot of the new object, asked at a command's first click; a full
// table ends the command after its message.
int TakeSlot(App& app) {
    int s = BeginAppend(app);
    if (s == 0) CancelCommand(app, 1);
    return s;
}

void SetScalesOne(App& app, int s) {
    app.dwg.ObjXScale[s] = 1;
    app.dwg.ObjYScale[s] = 1;
}

double Distance(const Point2& a, const Point2& b) { return std::hypot(b.x - a.x, b.y - a.y); }

void KeepBox(App& app) {
    app.ui.InputBoxSetText("");
    app.ui.FocusInputBox();
}

// ---- Line ----------------------------------------------------------------------------

// Segment k-1..k of the Line under way, in `rgb` and the current line type;
// the cross-hair is taken away while it is drawn, so its inversion stays exact.
void DrawSegment(App& app, int s, int k, uint32_t rgb) {
    if (k < 2) return;
    Drawing& d = app.dwg;
    DrawCrossHair(app, app.cmd.Pt0.x, app.cmd.Pt0.y);
    ScreenDevice dev = MakeScreenDevice(app);
    const double xs[2] = {d.VertX(s, k - 1), d.VertX(s, k)}, ys[2] = {d.VertY(s, k - 1), d.VertY(s, k)};
    RenderPolyline(dev, xs, ys, 2, d.CurLineType, 1, 1, HiddenPattern{d.HiddenDash, d.HiddenGap}, rgb);
    DrawCrossHair(app, app.cmd.Pt0.x, app.cmd.Pt0.y);
    app.ui.SurfaceChanged();
}

// Stores the Line with VertCount vertices (right click, C and E end here).
void StoreLine(App& app, int s) {
    Drawing& d = app.dwg;
    d.ObjLineType[s] = d.CurLineType;
    d.ObjSize[s] = app.draw.VertCount;
    d.ObjLineWidth[s] = d.CurLineWidth;
    SetScalesOne(app, s);
    CommitAppend(app, s, "Line");
    app.draw.VertCount = 0;
    CompleteCommand(app, "Line");
    RevertLineType(app);
}

// A vertex at p: false (after the message) when the Line is full.
bool AddVertex(App& app, int s, const Point2& p) {
    DrawState& st = app.draw;
    if (!VertexRoom(app, st.VertCount + 1)) return false;
    st.VertCount += 1;
    app.dwg.VertX(s, st.VertCount) = p.x;
    app.dwg.VertY(s, st.VertCount) = p.y;
    return true;
}

// Screen positions are 16-bit twips on the old window system; a vertex
// beyond them is refused with the Line's own message.
bool FitsTheScreenRange(const App& app, const Point2& p) {
    double sx = ToScreenX(app, p.x), sy = ToScreenY(app, p.y);
    return sx >= -32768 && sx <= 32767 && sy >= -32768 && sy <= 32767;
}

void LineUndoVertex(App& app, int s) {
    DrawState& st = app.draw;
    Registers& c = app.cmd;
    ToggleRubberBands(app);
    const int removed = st.VertCount;
    st.VertCount -= 1;
    // The removed segment goes in the board colour; the rest is drawn again.
    DrawSegment(app, s, removed, app.set.BoardColor);
    for (int k = 2; k <= st.VertCount; ++k) DrawSegment(app, s, k, app.set.DrawRGB);
    if (st.VertCount >= 1) {
        c.Pt1 = {app.dwg.VertX(s, st.VertCount), app.dwg.VertY(s, st.VertCount)};
        ToggleRubberBands(app);
    } else {
        c.RubberBandOn = false;
    }
    KeepBox(app);
}

void LineTypedVertex(App& app, int s, const Point2& p) {
    DrawState& st = app.draw;
    Registers& c = app.cmd;
    const bool first = st.VertCount == 0;
    if (first && (s = TakeSlot(app)) == 0) return;
    if (!FitsTheScreenRange(app, p)) {
        app.ui.MsgBox(kMsgZoomOverflow, MsgButtons::OK, MsgIcon::None, "");
        KeepBox(app);
        return;
    }
    ToggleRubberBands(app);
    if (!AddVertex(app, s, p)) {
        ToggleRubberBands(app);
        KeepBox(app);
        return;
    }
    app.dwg.ObjColor[s] = app.dwg.CurColor;
    c.RubberBandOn = true;
    if (st.VertCount >= 2) DrawSegment(app, s, st.VertCount, app.set.DrawRGB);
    c.Pt1 = p;
    c.Pt2 = p;
    KeepBox(app);
}

// ---- Arc ------------------------------------------------------------------------------

// Every arc is stored as "Arc"; the middle button repeats the way it was drawn.
void StoreArc(App& app, int s) {
    const std::string way = app.cmd.CurCommand;
    CommitAppend(app, s, "Arc");
    CompleteCommand(app, way == "Arc2" ? "Arc2" : way == "Arc3" ? "Arc3" : "Arc");
}

// A left click of an arc, at most two: the slot at the first, colour and factors.
bool ArcLeftClickCommon(App& app, int& s) {
    Registers& c = app.cmd;
    if (c.ClickCount >= 2) return false;
    s = app.dwg.ObjNext;
    if (c.ClickCount == 0 && (s = TakeSlot(app)) == 0) return false;
    c.ClickCount += 1;
    app.dwg.ObjColor[s] = app.dwg.CurColor;
    SetScalesOne(app, s);
    return true;
}

void ArcRightClick(App& app, const Point2& p) {
    Registers& c = app.cmd;
    if (c.CmdStep != "ThSp") return;
    Drawing& d = app.dwg;
    const int s = d.ObjNext;
    ToggleRubberBands(app);
    c.CircleBandOff = false;
    d.ObjEndAngle[s] = VectorAngle(app, p.x - d.ObjX[s], p.y - d.ObjY[s]);
    StoreArc(app, s);
}

}  // namespace

void CompleteCommand(App& app, const char* repeatName) {
    app.dwg.DrawingChanged = true;
    CancelCommand(app, 1);
    app.cmd.RepeatCommand = repeatName;
}

// ---- Line ----------------------------------------------------------------------------

void Line_Start(App& app) { app.draw.VertCount = 0; }

void Line_Click(App& app, int button, int, float x, float y) {
    DrawState& st = app.draw;
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    const Point2 p = Snapped(app, x, y);
    int s = d.ObjNext;
    if (button == kButtonLeft) {
        if (st.VertCount == 0 && (s = TakeSlot(app)) == 0) return;
        ToggleRubberBands(app);
        if (!AddVertex(app, s, p)) {
            ToggleRubberBands(app);
            return;
        }
        c.Pt1 = p;
        c.Pt2 = p;
        d.ObjColor[s] = d.CurColor;
        c.RubberBandOn = true;
        if (st.VertCount >= 2) DrawSegment(app, s, st.VertCount, app.set.DrawRGB);
        SetScalesOne(app, s);
    } else if (button == kButtonRight) {
        if (st.VertCount == 0) {
            if ((s = TakeSlot(app)) == 0) return;
            d.ObjColor[s] = d.CurColor;
        }
        // A full Line ends with the vertices it has.
        if (!AddVertex(app, s, p) && st.VertCount == 0) {
            CancelCommand(app, 1);
            return;
        }
        StoreLine(app, s);
    }
}

void Line_Answer(App& app, const TypedAnswer& a) {
    DrawState& st = app.draw;
    const std::string u = UpperText(a.text);
    const int s = app.dwg.ObjNext;
    if (u == "U" || u == "C" || u == "E") {
        app.cmd.CmdStep = u;
        // Nothing to take back, close or keep before the first vertex.
        if (st.VertCount == 0) {
            RejectAnswer(app);
            return;
        }
        if (u == "U") {
            LineUndoVertex(app, s);
        } else if (u == "C") {
            app.cmd.RubberBandOn = false;
            Point2 first{app.dwg.VertX(s, 1), app.dwg.VertY(s, 1)};
            AddVertex(app, s, first);
            StoreLine(app, s);
        } else {
            app.cmd.RubberBandOn = false;
            StoreLine(app, s);
        }
        return;
    }
    if (!a.pair) {
        RejectAnswer(app);
        return;
    }
    app.cmd.CmdStep = u;
    LineTypedVertex(app, s, {a.x, a.y});
}

// ---- Arcs -------------------------------------------------------------------------------

namespace {

// A step of an arc's left click: the slot s and the snapped click p.
using ArcStep = void (*)(App& app, int s, const Point2& p);

// The clicks of Arc and Arc2: the right click ends the arc; the first two
// left clicks take their steps, the bands erased before and drawn after.
void ArcClick(App& app, int button, float x, float y, ArcStep first, ArcStep second) {
    const Point2 p = Snapped(app, x, y);
    if (button == kButtonRight) {
        ArcRightClick(app, p);
        return;
    }
    if (button != kButtonLeft) return;
    int s = 0;
    const bool isFirst = app.cmd.ClickCount == 0;
    ToggleRubberBands(app);
    if (!ArcLeftClickCommon(app, s)) {
        ToggleRubberBands(app);
        return;
    }
    app.cmd.RubberBandOn = true;
    (isFirst ? first : second)(app, s, p);
    ToggleRubberBands(app);
}

// Arc: the centre; the band runs from it.
void ArcCentre(App& app, int s, const Point2& p) {
    Registers& c = app.cmd;
    app.dwg.ObjX[s] = p.x;
    app.dwg.ObjY[s] = p.y;
    c.Pt1 = c.Pt2 = c.Pt3 = p;
    InputPrompt(app, 1000, "", "Arc:  Left click START point or type radius,angle");
    c.CmdStep = "RTh";
}

// Arc: the start point fixes the radius; the circle band goes.
void ArcStart(App& app, int s, const Point2& p) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    const Point2 centre{d.ObjX[s], d.ObjY[s]};
    c.Pt2 = p;
    c.CircleBandOff = true;
    d.ObjAngle[s] = VectorAngle(app, p.x - centre.x, p.y - centre.y);
    d.ObjSize[s] = Distance(centre, p);
    c.Pt1 = centre;
    InputPrompt(app, 1000, "", "Arc: RIGHT CLICK angle of end point or type arc angle.");
    c.CmdStep = "ThSp";
}

// Arc2: the start point; a circle about the cursor through it previews the arc.
void Arc2Start(App& app, int, const Point2& p) {
    Registers& c = app.cmd;
    c.Pt1 = c.Pt2 = c.Pt3 = p;
    InputPrompt(app, 0, "", "Arc:  Left click CENTER point.");
    c.CmdStep = "RTh";
}

// Arc2: the centre fixes the radius; the band runs from it.
void Arc2Centre(App& app, int s, const Point2& p) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    const Point2 start = c.Pt3;
    d.ObjX[s] = p.x;
    d.ObjY[s] = p.y;
    c.Pt2 = start;
    c.Pt3 = p;
    c.CircleBandOff = true;
    d.ObjAngle[s] = VectorAngle(app, start.x - p.x, start.y - p.y);
    d.ObjSize[s] = Distance(p, start);
    c.Pt1 = p;
    InputPrompt(app, 1000, "", "Arc: RIGHT CLICK total arc angle or type it in.");
    c.CmdStep = "ThSp";
}

}  // namespace

void Arc_Click(App& app, int button, int, float x, float y) { ArcClick(app, button, x, y, ArcCentre, ArcStart); }

void Arc2_Click(App& app, int button, int, float x, float y) { ArcClick(app, button, x, y, Arc2Start, Arc2Centre); }

void Arc3_Click(App& app, int button, int, float x, float y) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    const Point2 p = Snapped(app, x, y);
    if (button == kButtonRight) {
        if (!c.Arc3CentreMode) return;
        const int s = d.ObjNext;
        // The centre is the constrained point the move handler left in Pt0.
        const Point2 centre = c.Pt0, start = c.Pt3, end = c.Pt1;
        d.ObjX[s] = centre.x;
        d.ObjY[s] = centre.y;
        d.ObjSize[s] = Distance(centre, start);
        d.ObjEndAngle[s] = VectorAngle(app, end.x - centre.x, end.y - centre.y);
        d.ObjAngle[s] = VectorAngle(app, start.x - centre.x, start.y - centre.y);
        StoreArc(app, s);
        return;
    }
    if (button != kButtonLeft) return;
    int s = 0;
    const bool first = c.ClickCount == 0;
    ToggleRubberBands(app);
    if (!ArcLeftClickCommon(app, s)) {
        ToggleRubberBands(app);
        return;
    }
    if (first) {
        c.Pt1 = c.Pt2 = c.Pt3 = p;
        c.RubberBandOn = true;
        InputPrompt(app, 0, "", "Arc:  Left click END point.");
        return;
    }
    c.Pt1 = p;
    c.RubberBandOn = false;
    InputPrompt(app, 0, "", "Arc: RIGHT CLICK CENTER point.");
    c.Arc3CentreMode = true;
    // The cross-hair moves to the start point, where the centre's preview
    // begins; it is taken away from where it stood first.
    DrawCrossHair(app, c.Pt0.x, c.Pt0.y);
    c.Pt0 = c.Pt3;
    DrawCrossHair(app, c.Pt0.x, c.Pt0.y);
    app.ui.SurfaceChanged();
}

void Arc_Answer(App& app, const TypedAnswer& a) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    const int s = d.ObjNext;
    if (c.CmdStep == "RTh") {
        if (!a.pair) {
            RejectAnswer(app);
            return;
        }
        ToggleRubberBands(app);
        d.ObjSize[s] = a.x;
        d.ObjAngle[s] = a.y * d.PI / 180;
        if (c.CurCommand == "Arc2") {
            // Started from its start point: the centre lies a radius back
            // along the start angle.
            d.ObjX[s] = c.Pt3.x - a.x * std::cos(d.ObjAngle[s]);
            d.ObjY[s] = c.Pt3.y - a.x * std::sin(d.ObjAngle[s]);
            c.Pt2 = c.Pt3;
            c.Pt3 = {d.ObjX[s], d.ObjY[s]};
            c.CircleBandOff = true;
        }
        ToggleRubberBands(app);
        InputPrompt(app, 1000, "", "Arc: Enter Angle SPANNED.");
        c.CmdStep = "ThSp";
        return;
    }
    if (c.CmdStep != "ThSp") return;
    const double v = c.TypedValue;
    if (a.pair || v < -360 || v > 360) {
        RejectAnswer(app);
        return;
    }
    if (v == 0) {
        app.ui.FocusInputBox();  // ignored: the prompt stays
        return;
    }
    d.ObjEndAngle[s] = d.ObjAngle[s] + v * d.PI / 180;
    c.CircleBandOff = false;
    if (d.ObjSize[s] != 0) {
        StoreArc(app, s);
        return;
    }
    // A radius of 0 makes no arc: the slot is cleared and the step stays.
    d.ObjX[s] = d.ObjY[s] = 0;
    d.ObjAngle[s] = d.ObjEndAngle[s] = 0;
    d.ObjNum[s] = 0;
    d.ObjType[s].clear();
    KeepBox(app);
}

// ---- Circle -------------------------------------------------------------------------------

void Circle_Click(App& app, int button, int, float x, float y) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    const Point2 p = Snapped(app, x, y);
    if (button == kButtonLeft) {
        if (c.ClickCount >= 1) return;
        int s = TakeSlot(app);
        if (s == 0) return;
        c.ClickCount = 1;
        d.ObjColor[s] = d.CurColor;
        c.Pt1 = p;
        c.Pt2 = p;
        c.RubberBandOn = true;
        SetScalesOne(app, s);
        return;
    }
    // The radius point; without a centre there is no circle to end.
    if (button != kButtonRight || c.ClickCount < 1) return;
    const int s = d.ObjNext;
    d.ObjX[s] = c.Pt1.x;
    d.ObjY[s] = c.Pt1.y;
    d.ObjSize[s] = Distance(c.Pt1, p);
    if (d.ObjSize[s] == 0) {
        d.ObjX[s] = d.ObjY[s] = 0;
        d.ObjNum[s] = 0;
        d.ObjType[s].clear();
        CancelCommand(app, 1);
    } else {
        CommitAppend(app, s, "Circle");
        CompleteCommand(app, "Circle");
    }
    app.cmd.RepeatCommand = "Circle";
}

void Circle_Answer(App& app, const TypedAnswer&) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    const double dia = c.TypedValue;
    // The centre comes first; a diameter of 0 is ignored.
    if (c.ClickCount < 1) {
        RejectAnswer(app);
        return;
    }
    if (dia == 0) {
        app.ui.FocusInputBox();
        return;
    }
    const int s = d.ObjNext;
    d.ObjX[s] = c.Pt1.x;
    d.ObjY[s] = c.Pt1.y;
    d.ObjSize[s] = std::fabs(dia) / 2;  // a negative diameter means the same circle
    CommitAppend(app, s, "Circle");
    CompleteCommand(app, "Circle");
}

// ---- Text ------------------------------------------------------------------------------------

void Text_Start(App& app) { app.dwg.ObjSize[app.dwg.ObjNext] = app.dwg.TextHeight; }

void Text_Click(App& app, int button, int, float x, float y) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    // Only the location is taken by a click.
    if (button != kButtonLeft || c.ClickCount >= 1) return;
    const int s = TakeSlot(app);
    if (s == 0) return;
    InputPrompt(app, 400, "M", "Text: S = start point, C = center, M = middle, or E = end.");
    d.ObjColor[s] = d.CurColor;
    c.ClickCount = 1;
    c.Pt1 = Snapped(app, x, y);
    c.CmdStep = "A";
    app.draw.TextEntryPending = false;
    c.Pt2 = c.Pt1;
    c.RubberBandOn = false;
}

void Text_Answer(App& app, const TypedAnswer& a) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    DrawState& st = app.draw;
    const int s = d.ObjNext;
    // Step "E" is Change retyping a picked text or shape name.
    if (c.CmdStep == "E") {
        ChangeText_Answer(app, a);
        return;
    }
    if (st.TextEntryPending) {
        d.ObjText[s] = a.text;
        st.TextEntryPending = false;
        d.ObjX[s] = c.Pt1.x;
        d.ObjY[s] = c.Pt1.y;
        d.ObjXScale[s] = d.ObjYScale[s] = 1;
        UpdateTextBox(d, s);
        CommitAppend(app, s, "Text");
        CompleteCommand(app, "Text");
        // A new text ends what the undo file could bring back.
        std::remove((app.set.DataFolder + kUndoFileName).c_str());
        return;
    }
    if (c.CmdStep == "A") {
        const std::string j = UpperText(a.text.substr(0, 1));
        if (j != "S" && j != "C" && j != "M" && j != "E") {
            RejectAnswer(app);
            return;
        }
        d.ObjJust[s] = j;
        InputPrompt(app, 400, "0", "Text: Angle");
        c.CmdStep = "T";
        return;
    }
    if (c.CmdStep == "T") {
        d.ObjAngle[s] = c.TypedValue * d.PI / 180;
        InputPrompt(app, 10000, "", "Text:");
        st.TextEntryPending = true;
        c.CmdStep.clear();
    }
}

// ---- Insert ------------------------------------------------------------------------------------

void Insert_Click(App& app, int button, int, float x, float y) {
    if (button != kButtonLeft) return;
    app.cmd.Pt1 = Snapped(app, x, y);
    app.cmd.ClickCount = 1;
    InputPrompt(app, 400, "1", "Insert: Enter Scale Factor. ");
}

void Insert_Answer(App& app, const TypedAnswer& a) {
    Registers& c = app.cmd;
    // The insertion point comes first; a scale must make the drawing
    // neither vanish nor turn its radii negative.
    if (c.ClickCount < 1 || a.pair || !(c.TypedValue > 0)) {
        RejectAnswer(app);
        return;
    }
    FileState& f = app.files;
    f.InsertX = c.Pt1.x;
    f.InsertY = c.Pt1.y;
    f.InsertScale = c.TypedValue;
    ShowInsertDialog(app);
    CancelCommand(app, 1);
}

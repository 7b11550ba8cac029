// The View menu's commands and the Settings answers that change drawing-wide
// values: zoom in and out (menu and wheel), Reset Zoom and Pan, Pan, the grid
// and snap switches and their typed spacings, the limits, the hidden-line
// pattern, the plot scale, the text height, and the trace picture behind the
// drawing. Their menu rows, click row and answer rows are in tables/.
#include "commands/viewmenu.h"

#include <cmath>
#include <string>

#include "app.h"
#include "commands/menu_ids.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "model/extents.h"
#include "model/numbers.h"
#include "view/redraw.h"
#include "view/view.h"

namespace {

const char* const kMsgCorners = "The lower-left corner must be BELOW and\r\nto the LEFT of the upper-right corner.";
const char* const kPromptUpperRight = "Limits: Upper Right Corner (X,Y)";
const char* const kPromptPlotScale = "Enter new Plot Scale Factor.";
const char* const kPromptPlotScalePositive = "Plot Scale must be more than 0.  Enter new Plot Scale Factor.";

}  // namespace

// ---- snap ---------------------------------------------------------------------------

void ApplySnapMode(App& app) {
    // The captions set at start-up and on opening carry their own padding.
    static const char* const kCaption[4] = {"Snap Mode (Off) ", "Snap Mode (X)   ", "Snap Mode (Y)",
                                            "Snap Mode (Both)"};
    int mode = SnapModeOf(app);
    SetReadoutDecimals(app, mode);
    app.ui.MenuSetCaption(kMenuSnap, kCaption[mode]);
}

void SnapOnOff_Click(App& app) {
    static const char* const kCaption[4] = {"Snap Mode (Off)", "Snap Mode (X)", "Snap Mode (Y)",
                                            "Snap Mode (Both)"};
    Drawing& d = app.dwg;
    if (d.SnapY == 0) d.SnapY = d.SnapX;
    int mode = (SnapModeOf(app) + 1) % 4;
    d.SnapMode = static_cast<int16_t>(mode);
    SetReadoutDecimals(app, mode);
    app.ui.MenuSetCaption(kMenuSnap, kCaption[mode]);
    // The readout follows at once: the last cursor point under the new mode.
    Point2& p0 = app.cmd.Pt0;
    double x = p0.x, y = p0.y;
    SnapToDrawing(app, static_cast<float>(ToScreenX(app, p0.x)), static_cast<float>(ToScreenY(app, p0.y)), x, y);
    WriteReadout(app, x, y);
    app.ui.SurfaceChanged();
}

// ---- zoom, reset, grid --------------------------------------------------------------

namespace {

bool Idle(const App& app) { return app.cmd.CurCommand == "None"; }

// k = 2^(1/3): three steps double the scale.
const double kZoomStep = std::cbrt(2.0);

// The zoom-in limit: 799 % of the 0.985 fit of the limits' width.
bool CanZoomIn(const App& app) {
    double w = app.dwg.LimURX - app.dwg.LimLLX;
    double z = app.dwg.Zoom * 100 / (0.985 * app.view.ViewWidth / w);
    return !(z >= 799);
}

bool CanZoomOut(const App& app) {
    double z = app.dwg.Zoom * 100 / app.view.FitZoom;
    return !(z <= 1.1);
}

// Scales by f about the point at 49.25 % of the width and 49.708 % of the height.
void ZoomAboutCentre(App& app, bool in) {
    Drawing& d = app.dwg;
    const View& v = app.view;
    double cx = ToDrawingX(app, 0.4925 * v.ViewWidth), cy = ToDrawingY(app, 0.49708 * v.ViewHeight);
    double xl = ToDrawingX(app, 0), yb = ToDrawingY(app, v.ViewBase);
    const double k = kZoomStep;
    if (in) {
        d.Zoom *= k;
        d.PanX = RoundHalfEven(((cx - xl) / k - cx) * d.Zoom);
        d.PanY = RoundHalfEven(((cy - yb) / k - cy) * d.Zoom);
    } else {
        d.Zoom /= k;
        d.PanX = RoundHalfEven((k * (cx - xl) - cx) * d.Zoom);
        d.PanY = RoundHalfEven((k * (cy - yb) - cy) * d.Zoom);
    }
    ScreenRedraw(app, 3);
}

}  // namespace

void ZoomIn_Click(App& app) {
    if (!Idle(app) || !CanZoomIn(app)) return;
    ZoomAboutCentre(app, true);
}

void ZoomOut_Click(App& app) {
    if (!Idle(app) || !CanZoomOut(app)) return;
    ZoomAboutCentre(app, false);
}

void WheelZoom(App& app, int steps, double sx, double sy) {
    if (!Idle(app) || steps == 0 || app.dwg.Zoom == 0) return;
    Drawing& d = app.dwg;
    double x = ToDrawingX(app, sx), y = ToDrawingY(app, sy);
    bool changed = false;
    for (int i = 0; i < std::abs(steps) && i < 12; ++i) {
        if (steps > 0 ? !CanZoomIn(app) : !CanZoomOut(app)) break;
        d.Zoom = steps > 0 ? d.Zoom * kZoomStep : d.Zoom / kZoomStep;
        changed = true;
    }
    if (!changed) return;
    d.PanX = RoundHalfEven(sx - d.Zoom * x);
    d.PanY = RoundHalfEven(app.view.ViewBase - d.Zoom * y - sy);
    ScreenRedraw(app, 3);
}

void ResetZP_Click(App& app) {
    if (!Idle(app)) return;
    Drawing& d = app.dwg;
    if ((d.LimLLY == 0 && d.LimURY == 0) || d.LimLLY == d.LimURY) {
        d.LimLLY = -3;
        d.LimURY = 3;
    }
    FitViewToLimits(app);
    CancelCommand(app, 1);
}

void GridOnOff_Click(App& app) {
    if (!Idle(app)) return;
    app.dwg.GridOn = !app.dwg.GridOn;
    app.ui.MenuSetChecked(kMenuGrid, app.dwg.GridOn);
    ScreenRedraw(app, 3);
}

// ---- pan ------------------------------------------------------------------------------

void PanLeftClick(App& app, float sx, float sy) {
    Registers& c = app.cmd;
    if (c.ClickCount >= 1) return;
    c.ClickCount += 1;
    SnapToDrawing(app, sx, sy, c.Pt1.x, c.Pt1.y);
    c.Pt2 = c.Pt1;
    c.RubberBandOn = true;
}

void PanRightClick(App& app, float sx, float sy) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    SnapToDrawing(app, sx, sy, c.Pt2.x, c.Pt2.y);
    d.PanX = RoundHalfEven((c.Pt2.x - c.Pt1.x) * d.Zoom + d.PanX);
    d.PanY = RoundHalfEven((c.Pt2.y - c.Pt1.y) * d.Zoom + d.PanY);
    CancelCommand(app, 1);
}

void Pan_Click(App& app, int button, int, float x, float y) {
    if (button == kButtonLeft) PanLeftClick(app, x, y);
    else if (button == kButtonRight) PanRightClick(app, x, y);
}

// ---- the typed answers ----------------------------------------------------------------


void Grid_Answer(App& app, const TypedAnswer&) {
    app.dwg.GridSpacing = app.cmd.TypedValue;
    app.dwg.GridOn = true;
    app.ui.MenuSetChecked(kMenuGrid, true);
    CancelCommand(app, 1);
}

// The user's dash and gap become the stored pattern: dash + half gap, half gap.
void Hidden_Answer(App& app, const TypedAnswer& a) {
    if (!a.pair) {
        RejectAnswer(app);
        return;
    }
    app.dwg.HiddenGap = a.y / 2;
    app.dwg.HiddenDash = a.x + a.y / 2;
    CancelCommand(app, 1);
}

void Snap_Answer(App& app, const TypedAnswer& a) {
    Drawing& d = app.dwg;
    if (a.pair) {
        d.SnapX = a.x;
        d.SnapY = a.y;
    } else {
        d.SnapX = app.cmd.TypedValue;
        d.SnapY = app.cmd.TypedValue;
    }
    d.SnapMode = 3;
    ApplySnapMode(app);
    CancelCommand(app, 1);
}

// A scale of 0 or less would leave the plot file's chord steps undefined.
void PlotSc_Answer(App& app, const TypedAnswer&) {
    double v = app.cmd.TypedValue;
    if (!(v > 0)) {
        InputPrompt(app, 1000, "", kPromptPlotScalePositive);
        return;
    }
    app.dwg.PlotScale = v;
    CancelCommand(app, 1);
}

void TextH_Answer(App& app, const TypedAnswer&) {
    app.dwg.TextHeight = app.cmd.TypedValue;
    CancelCommand(app, 1);
}

// Limits fitted to the objects; an axis without extent keeps the default.
static void AutomaticLimits(App& app) {
    Drawing& d = app.dwg;
    bool any = false;
    for (int s = 1; s < d.ObjNext && s <= kMaxSlot; ++s)
        if (!d.ObjType[s].empty()) any = true;
    d.LimLLX = -5, d.LimURX = 5, d.LimLLY = -3.75, d.LimURY = 3.75;
    if (any) {
        RecomputeExtents(d);
        if (d.ExtMaxX - d.ExtMinX > 0) d.LimLLX = d.ExtMinX, d.LimURX = d.ExtMaxX;
        if (d.ExtMaxY - d.ExtMinY > 0) d.LimLLY = d.ExtMinY, d.LimURY = d.ExtMaxY;
    }
}

static void NewLimitsTaken(App& app) {
    FitViewToTypedLimits(app);
    app.dwg.DrawingChanged = true;
    CancelCommand(app, 1);
}

void Limits_Answer(App& app, const TypedAnswer& a) {
    Drawing& d = app.dwg;
    if (!a.pair) {
        if (UpperText(a.text.substr(0, 1)) == "A") {
            AutomaticLimits(app);
            NewLimitsTaken(app);
        } else {
            RejectAnswer(app);
        }
        return;
    }
    if (app.cmd.CmdStep == "UR") {
        if (!(a.x > d.LimLLX && a.y > d.LimLLY)) {
            app.ui.MsgBox(kMsgCorners, MsgButtons::OK, MsgIcon::None, "");
            app.ui.FocusInputBox();  // still at the upper-right corner
            return;
        }
        d.LimURX = a.x;
        d.LimURY = a.y;
        NewLimitsTaken(app);
        return;
    }
    d.LimLLX = a.x;
    d.LimLLY = a.y;
    InputPrompt(app, 1500, " " + GeneralNumber(d.LimURX) + "," + GeneralNumber(d.LimURY), kPromptUpperRight);
    app.cmd.CmdStep = "UR";
}

void TracePix_Answer(App& app, const TypedAnswer& a) {
    LoadTracePicture(app, a.text);
    CancelCommand(app, 1);
}

void RmvTrcedPix_Click(App& app) {
    SurfaceRemovePicture(app.screen);
    ScreenRedraw(app, 0);
}

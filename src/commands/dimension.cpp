// The Dimension command and the construction of a dimension. All three cases
// (horizontal, vertical, aligned) are built along the dimension line from A'
// to B', the measured points moved onto the line through the text location:
// a distance t along that line is the point A' + t*e. Sizes come from the
// text height h. The arrowheads of an outside dimension are turned about
// their tips by the shared rotation of the editing room.
#include "commands/dimension.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app.h"
#include "commands/append.h"
#include "commands/draw.h"
#include "commands/pointer.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "editing/transform.h"
#include "model/extents.h"
#include "view/view.h"

namespace {

const char* const kMsgTooLong =
    "The text is too long to fit between dimension lines.  You may;\r\n"
    "1 - Reduce the text height, or\r\n"
    "2 - Move the text outside of the dimension lines.\r\n"
    "Dimension Canceled.";

double Sgn(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

Point2 Add(const Point2& p, const Point2& v, double f) { return {p.x + v.x * f, p.y + v.y * f}; }

// Characters of a text (UTF-8 sequences count once).
int CharCount(const std::string& s) {
    int n = 0;
    for (unsigned char ch : s)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

// The dimension line of one case.
struct Frame {
    Point2 a1, b1;     // A' and B': the measured points moved onto the line
    Point2 e;          // unit step along the line from A' towards B'
    Point2 perp;       // the arrowheads' width direction
    Point2 nrm;        // unit step from A towards A' (the extension lines)
    double length;     // |A'B'|
    double tText;      // the text location's distance along the line from A'
    bool inside;       // the text location lies between the points
};

Frame MakeFrame(const Point2& A, const Point2& B, const Point2& T) {
    Frame f{};
    if (A.y == B.y) {
        const double s = Sgn(B.x - A.x);
        f.a1 = {A.x, T.y};
        f.b1 = {B.x, T.y};
        f.e = {s, 0};
        f.perp = {0, 1};
        f.nrm = {0, Sgn(T.y - A.y)};
        f.length = std::fabs(B.x - A.x);
        f.tText = (T.x - A.x) * s;
        f.inside = (T.x > A.x && T.x < B.x) || (T.x > B.x && T.x < A.x);
        return f;
    }
    if (A.x == B.x) {
        const double s = Sgn(B.y - A.y);
        f.a1 = {T.x, A.y};
        f.b1 = {T.x, B.y};
        f.e = {0, s};
        f.perp = {1, 0};
        f.nrm = {Sgn(T.x - A.x), 0};
        f.length = std::fabs(B.y - A.y);
        f.tText = (T.y - A.y) * s;
        f.inside = (T.y > A.y && T.y < B.y) || (T.y > B.y && T.y < A.y);
        return f;
    }
    // Aligned: F is the foot of the perpendicular from T onto AB.
    const double k = (A.y - B.y) / (A.x - B.x);
    Point2 F;
    F.x = (k * A.x + T.x / k + T.y - A.y) / (k + 1 / k);
    F.y = T.y - (F.x - T.x) / k;
    const Point2 d{T.x - F.x, T.y - F.y};
    f.a1 = Add(A, d, 1);
    f.b1 = Add(B, d, 1);
    f.length = std::hypot(B.x - A.x, B.y - A.y);
    f.e = {(B.x - A.x) / f.length, (B.y - A.y) / f.length};
    f.perp = {-f.e.y, f.e.x};
    const double dl = std::hypot(d.x, d.y);
    f.nrm = dl > 0 ? Point2{d.x / dl, d.y / dl} : Point2{0, 0};
    f.tText = (T.x - f.a1.x) * f.e.x + (T.y - f.a1.y) * f.e.y;
    f.inside = F.x > std::min(A.x, B.x) && F.x < std::max(A.x, B.x) && F.y > std::min(A.y, B.y) &&
               F.y < std::max(A.y, B.y);
    return f;
}

Point2 Along(const Frame& f, double t) { return Add(f.a1, f.e, t); }

// One solid Line of colour 1 in the next slot.
void AddPiece(App& app, const std::vector<Point2>& pts) {
    Drawing& d = app.dwg;
    const int s = d.ObjNext;
    d.ObjColor[s] = 1;
    d.ObjLineType[s] = 0;
    d.ObjLineWidth[s] = 0;
    d.ObjXScale[s] = d.ObjYScale[s] = 1;
    d.ObjJust[s].clear();
    d.ObjText[s].clear();
    for (size_t k = 0; k < pts.size(); ++k) {
        d.VertX(s, static_cast<int>(k) + 1) = pts[k].x;
        d.VertY(s, static_cast<int>(k) + 1) = pts[k].y;
    }
    d.ObjSize[s] = static_cast<double>(pts.size());
    CommitAppend(app, s, "Line");
}

// An arrowhead at `tip` pointing along -dir (from inside towards the tip).
void AddArrow(App& app, const Frame& f, const Point2& tip, double dir, double h) {
    const Point2 back = Add(tip, f.e, 1.5 * h * dir);
    AddPiece(app, {Add(back, f.perp, 0.375 * h), tip, Add(back, f.perp, -0.375 * h)});
}

// Turns the newest object half a turn about `tip`.
void TurnNewest(App& app, const Point2& tip) {
    app.xform.RotateAngle = app.dwg.PI;
    app.sel.SelCount = 1;
    app.sel.SelList[0] = static_cast<int16_t>(app.dwg.ObjNext - 1);
    app.cmd.Pt1 = tip;
    RotateObject(app);
}

std::string DefaultText(double length, int places) {
    std::string t = FormatReadout(length, places);
    if (!t.empty() && t[0] == ' ') t.erase(0, 1);
    return t + "\"";
}

}  // namespace

void Dimension_Start(App& app) {
    app.cmd.RubberBandOn = false;
    app.dim.Centred = false;
    app.dim.TextPlaced = false;
}

void Dimension_Click(App& app, int button, int, float x, float y) {
    Registers& c = app.cmd;
    Drawing& d = app.dwg;
    DimensionState& dm = app.dim;
    Point2 p = c.Pt0;
    SnapToDrawing(app, x, y, p.x, p.y);
    if (button == kButtonLeft) {
        if (c.ClickCount >= 2) return;
        // The first point takes the slot: a full table ends the command here.
        if (c.ClickCount == 0 && BeginAppend(app) == 0) {
            CancelCommand(app, 1);
            return;
        }
        const int s = d.ObjNext;
        ToggleRubberBands(app);
        c.ClickCount += 1;
        d.ObjColor[s] = d.CurColor;
        c.Pt1 = p;
        c.Pt2 = p;
        c.RubberBandOn = !c.RubberBandOn;
        d.ObjXScale[s] = d.ObjYScale[s] = 1;
        if (c.ClickCount == 1) {
            dm.A = p;
            dm.TextPlaced = false;
            return;
        }
        dm.B = p;
        dm.Length = std::hypot(dm.B.x - dm.A.x, dm.B.y - dm.A.y);
        d.ObjSize[s] = dm.Length;
        InputPrompt(app, 0, "", "Dimension: Right Click Text Location.");
        c.CmdStep = "DP";
        app.ui.SurfaceChanged();
        return;
    }
    if (button != kButtonRight || c.ClickCount < 2 || dm.TextPlaced) return;
    dm.T = p;
    dm.TextPlaced = true;
    c.Pt2 = p;
    InputPrompt(app, 500, "C", "Dimension: Center text or Not (C or N).");
    c.CmdStep = "DimC";
}

void Dimension_Answer(App& app, const TypedAnswer& a) {
    Registers& c = app.cmd;
    DimensionState& dm = app.dim;
    if (!dm.TextPlaced) return;
    if (c.CmdStep == "DimC") {
        dm.Centred = UpperText(a.text) == "C";
        InputPrompt(app, 500, "2", "Dimension: Enter Number of Decimal Places.");
        c.CmdStep = "DP";
    } else if (c.CmdStep == "DP") {
        double places = std::nearbyint(c.TypedValue);
        dm.Places = static_cast<int>(std::clamp(places, 0.0, 15.0));
        InputPrompt(app, 2000, DefaultText(dm.Length, dm.Places), "Dimension: Edit Dimension Text.");
        c.CmdStep = "Val";
    } else if (c.CmdStep == "Val") {
        if (BuildDimension(app, a.text)) {
            CompleteCommand(app, "Dimension");
        } else {
            CancelCommand(app, 1);
            c.RepeatCommand = "Dimension";
        }
    }
}

bool BuildDimension(App& app, const std::string& text) {
    Drawing& d = app.dwg;
    DimensionState& dm = app.dim;
    const double h = d.TextHeight;
    const double n = CharCount(text);
    const double hw = (n + 0.7) * h / 2;
    const double m = (n + 2) * h / 1.65;
    const double m3 = (n + 3) * h / 1.65;
    Frame f = MakeFrame(dm.A, dm.B, dm.T);
    const double L = f.length;
    double t = f.tText;
    if (f.inside && (n + 4) * h > L) {
        app.ui.MsgBox(kMsgTooLong, MsgButtons::OK, MsgIcon::None, "");
        return false;
    }
    // Every piece needs its slot before the first is built.
    if (!RoomFor(app, f.inside ? 7 : 8)) return false;
    if (f.inside) {
        if (dm.Centred) t = L / 2;
        // The text centre keeps m from each point, the A side first.
        if (t < m) t = m;
        if (t > L - m) t = L - m;
        AddPiece(app, {f.a1, Along(f, t - hw)});
        AddPiece(app, {f.b1, Along(f, t + hw)});
    } else {
        AddPiece(app, {f.a1, Along(f, -2 * h)});
        AddPiece(app, {f.b1, Along(f, L + 2 * h)});
        const bool aSide = t <= L / 2;
        if (aSide && t > -m3) t = -m3;
        if (!aSide && t < L + m3) t = L + m3;
        AddPiece(app, {aSide ? f.a1 : f.b1, Along(f, t - hw * Sgn(t - L / 2))});
    }
    // Extension lines: half a text height off the points to one past the line.
    AddPiece(app, {Add(dm.A, f.nrm, 0.5 * h), Add(f.a1, f.nrm, h)});
    AddPiece(app, {Add(dm.B, f.nrm, 0.5 * h), Add(f.b1, f.nrm, h)});
    AddArrow(app, f, f.a1, 1, h);
    if (!f.inside) TurnNewest(app, f.a1);
    AddArrow(app, f, f.b1, -1, h);
    if (!f.inside) TurnNewest(app, f.b1);
    // The text, centred on its place on the line.
    const int s = d.ObjNext;
    const Point2 at = Along(f, t);
    d.ObjColor[s] = 1;
    d.ObjSize[s] = h;
    d.ObjJust[s] = "M";
    d.ObjXScale[s] = d.ObjYScale[s] = 1;
    d.ObjText[s] = text;
    d.ObjAngle[s] = VectorAngle(app, dm.B.x - dm.A.x, dm.B.y - dm.A.y);
    d.ObjX[s] = at.x;
    d.ObjY[s] = at.y;
    UpdateTextBox(d, s);
    CommitAppend(app, s, "Text");
    return true;
}

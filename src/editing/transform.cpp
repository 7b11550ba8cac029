// The transforms of the listed objects. Every one ends an object with
// UpdateObjectExtents, so the boxes and the drawing extents follow.
#include "editing/transform.h"

#include <cmath>
#include <string>
#include <utility>

#include "app.h"
#include "model/extents.h"
#include "model/messages.h"

namespace {

// True when a lies within 0.01 of a quarter or three-quarter turn either way.
bool NearQuarterTurn(double a, double pi) {
    for (double q : {pi / 2, -pi / 2, 3 * pi / 2, -3 * pi / 2})
        if (std::fabs(a - q) < 0.01) return true;
    return false;
}


// The listed slots that exist (a 0 entry names slot 0, which holds nothing).
template <class Fn>
void EachListed(App& app, Fn fn) {
    const Selection& sel = app.sel;
    for (int k = 0; k < sel.SelCount && k < static_cast<int>(sel.SelList.size()); ++k) {
        const int s = sel.SelList[k];
        if (s >= 0 && s <= kMaxSlot) fn(s);
    }
}

void RotateOne(App& app, int s, double a, double cx, double cy) {
    Drawing& d = app.dwg;
    const std::string& kind = d.ObjType[s];
    if (kind == "Line") {
        const int n = VertexCountOf(d.ObjSize[s]);
        for (int k = 1; k <= n; ++k)
            TransformPoint(d.VertX(s, k) - cx, d.VertY(s, k) - cy, 1, 1, 1, cx, cy, a, d.VertX(s, k), d.VertY(s, k));
        return;
    }
    TransformPoint(d.ObjX[s] - cx, d.ObjY[s] - cy, 1, 1, 1, cx, cy, a, d.ObjX[s], d.ObjY[s]);
    if (NearQuarterTurn(a, d.PI)) std::swap(d.ObjXScale[s], d.ObjYScale[s]);
    if (kind == "Shape") {
        // A mirrored shape (factors of opposite signs) turns the other way;
        // the size of the factors has nothing to do with the turn.
        const double turn = d.ObjXScale[s] * d.ObjYScale[s] < 0 ? -a : a;
        d.ObjAngle[s] += turn;
        d.ObjEndAngle[s] += turn;
    } else if (kind == "Arc" || kind == "Circle" || kind == "Text" || kind == "Dial") {
        d.ObjAngle[s] += a;
        d.ObjEndAngle[s] += a;
    }
    if (kind == "Dial") d.VertX(s, 5) += a;  // the design's rotation angle
    UpdateObjectExtents(d, s);
}

void CopyOne(Drawing& d, int s, int t, double dx, double dy) {
    const std::string& kind = d.ObjType[s];
    d.ObjType[t] = kind;
    d.ObjX[t] = d.ObjX[s] + dx;
    d.ObjY[t] = d.ObjY[s] + dy;
    d.ObjAngle[t] = d.ObjAngle[s];
    d.ObjEndAngle[t] = d.ObjEndAngle[s];
    d.ObjColor[t] = d.ObjColor[s];
    d.ObjSize[t] = d.ObjSize[s];
    d.ObjXScale[t] = d.ObjXScale[s];
    d.ObjYScale[t] = d.ObjYScale[s];
    d.ObjNum[t] = static_cast<int16_t>(t);
    d.UndoValue[s] = d.ObjSize[s];
    if (kind == "Dial") {
        for (int k = 1, n = VertexCountOf(d.ObjSize[s]); k <= n; ++k) d.VertX(t, k) = d.VertX(s, k), d.VertY(t, k) = d.VertY(s, k);
    } else if (kind == "Line") {
        d.ObjLineType[t] = d.ObjLineType[s];
        d.ObjLineWidth[t] = d.ObjLineWidth[s];
        for (int k = 1, n = VertexCountOf(d.ObjSize[s]); k <= n; ++k) {
            d.VertX(t, k) = d.VertX(s, k) + dx;
            d.VertY(t, k) = d.VertY(s, k) + dy;
        }
    } else if (kind == "Shape" || kind == "Text") {
        d.ObjText[t] = d.ObjText[s];
        d.ObjJust[t] = d.ObjJust[s];
        d.ObjBoxX1[t] = d.ObjBoxX1[s] + dx;
        d.ObjBoxX2[t] = d.ObjBoxX2[s] + dx;
        d.ObjBoxY1[t] = d.ObjBoxY1[s] + dy;
        d.ObjBoxY2[t] = d.ObjBoxY2[s] + dy;
    }
}

}  // namespace

int CopySelected(App& app, const Point2& src, const Point2& dst) {
    Drawing& d = app.dwg;
    Selection& sel = app.sel;
    const double dx = dst.x - src.x, dy = dst.y - src.y;
    const int wanted = sel.SelCount;
    int made = 0;
    for (; made < wanted && made < static_cast<int>(sel.SelList.size()); ++made) {
        const int t = d.ObjNext;
        if (t < 1 || t > kMaxSlot) break;
        const int s = sel.SelList[made];
        if (s >= 0 && s <= kMaxSlot) CopyOne(d, s, t, dx, dy);
        d.ObjNext = static_cast<int16_t>(t + 1);
    }
    app.cmd.RubberBandOn = false;
    if (made < wanted) {
        sel.SelCount = static_cast<int16_t>(made);
        app.ui.MsgBox(std::string(kMsgDrawingFull) + ZN_CRLF "Only " + std::to_string(made) + " of the " +
                          std::to_string(wanted) + " objects were copied.",
                      MsgButtons::OK, MsgIcon::Warning, "");
    }
    return made;
}

void MirrorSelected(App& app) {
    Drawing& d = app.dwg;
    const double cx = app.cmd.Pt1.x, cy = app.cmd.Pt1.y;
    const int fx = app.xform.MirrorSignX, fy = app.xform.MirrorSignY;
    const double pi = d.PI;
    EachListed(app, [&](int s) {
        const std::string& kind = d.ObjType[s];
        if (kind == "Line") {
            for (int k = 1, n = VertexCountOf(d.ObjSize[s]); k <= n; ++k) {
                d.VertX(s, k) = cx + (d.VertX(s, k) - cx) * fx;
                d.VertY(s, k) = cy + (d.VertY(s, k) - cy) * fy;
            }
            UpdateObjectExtents(d, s);
            return;
        }
        if (kind.empty() || kind == "Dial") return;
        d.ObjX[s] = cx + (d.ObjX[s] - cx) * fx;
        d.ObjY[s] = cy + (d.ObjY[s] - cy) * fy;
        if (kind == "Arc" || kind == "Circle") {
            if (fx == -1) d.ObjAngle[s] = pi - d.ObjAngle[s], d.ObjEndAngle[s] = pi - d.ObjEndAngle[s];
            if (fy == -1) d.ObjAngle[s] = 2 * pi - d.ObjAngle[s], d.ObjEndAngle[s] = 2 * pi - d.ObjEndAngle[s];
        } else {
            d.ObjXScale[s] *= fx;
            d.ObjYScale[s] *= fy;
        }
        UpdateObjectExtents(d, s);
    });
}

void RotateObject(App& app) {
    Drawing& d = app.dwg;
    const double a = app.xform.RotateAngle;
    const double cx = app.cmd.Pt1.x, cy = app.cmd.Pt1.y;
    d.UndoValue[0] = a;
    EachListed(app, [&](int s) {
        if (s >= 1) RotateOne(app, s, a, cx, cy);
    });
}

void ScaleSelected(App& app) {
    Drawing& d = app.dwg;
    const double bx = app.cmd.Pt1.x, by = app.cmd.Pt1.y;
    const double fx = app.xform.ScaleFactorX, fy = app.xform.ScaleFactorY;
    d.UndoValue[0] = fx;
    d.UndoValue[1] = fy;
    EachListed(app, [&](int s) {
        const std::string& kind = d.ObjType[s];
        if (kind.empty()) return;
        if (kind == "Dial" && fx == fy)
            for (int k : {3, 7, 9, 13}) d.VertX(s, k) *= fx;
        if (kind == "Line") {
            for (int k = 1, n = VertexCountOf(d.ObjSize[s]); k <= n; ++k) {
                d.VertX(s, k) = bx + (d.VertX(s, k) - bx) * fx;
                d.VertY(s, k) = by + (d.VertY(s, k) - by) * fy;
            }
            UpdateObjectExtents(d, s);
            return;
        }
        d.ObjX[s] = bx + (d.ObjX[s] - bx) * fx;
        d.ObjY[s] = by + (d.ObjY[s] - by) * fy;
        if (fx == fy) {
            if (kind != "Dial") d.ObjSize[s] *= fx;
        } else {
            d.ObjXScale[s] *= fx;
            d.ObjYScale[s] *= fy;
        }
        d.ObjBoxX1[s] = bx + (d.ObjBoxX1[s] - bx) * fx;
        d.ObjBoxX2[s] = bx + (d.ObjBoxX2[s] - bx) * fx;
        d.ObjBoxY1[s] = by + (d.ObjBoxY1[s] - by) * fy;
        d.ObjBoxY2[s] = by + (d.ObjBoxY2[s] - by) * fy;
        UpdateObjectExtents(d, s);
    });
}

void LockSelected(App& app) {
    Drawing& d = app.dwg;
    EachListed(app, [&](int s) {
        if (d.ObjColor[s] > 0) d.ObjColor[s] = static_cast<int16_t>(-d.ObjColor[s]);
    });
}

void SetSelectedColor(App& app, int n) {
    Drawing& d = app.dwg;
    EachListed(app, [&](int s) {
        d.UndoType[s] = d.ObjType[s];
        d.UndoValue[s] = d.ObjColor[s];
        d.ObjColor[s] = static_cast<int16_t>(n);
    });
}

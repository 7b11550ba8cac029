// Rotation of the listed objects about a centre.
#include "editing/transform.h"

#include <cmath>
#include <utility>

#include "app.h"
#include "model/extents.h"

namespace {

// True when a lies within 0.01 of a quarter or three-quarter turn either way.
bool NearQuarterTurn(double a, double pi) {
    for (double q : {pi / 2, -pi / 2, 3 * pi / 2, -3 * pi / 2})
        if (std::fabs(a - q) < 0.01) return true;
    return false;
}

void RotateOne(App& app, int s, double a, double cx, double cy) {
    Drawing& d = app.dwg;
    const std::string& kind = d.ObjType[s];
    if (kind == "Line") {
        const int n = static_cast<int>(d.ObjSize[s]);
        for (int k = 1; k <= n && k <= kMaxVertex; ++k)
            TransformPoint(d.VertX(s, k) - cx, d.VertY(s, k) - cy, 1, 1, 1, cx, cy, a, d.VertX(s, k), d.VertY(s, k));
        return;
    }
    TransformPoint(d.ObjX[s] - cx, d.ObjY[s] - cy, 1, 1, 1, cx, cy, a, d.ObjX[s], d.ObjY[s]);
    if (NearQuarterTurn(a, d.PI)) std::swap(d.ObjXScale[s], d.ObjYScale[s]);
    if (kind == "Shape") {
        const double turn = a * d.ObjXScale[s] * d.ObjYScale[s];
        d.ObjAngle[s] += turn;
        d.ObjEndAngle[s] += turn;
    } else if (kind == "Arc" || kind == "Circle" || kind == "Text" || kind == "Dial") {
        d.ObjAngle[s] += a;
        d.ObjEndAngle[s] += a;
    }
    if (kind == "Dial") d.VertX(s, 5) += a;  // the design's rotation angle
    UpdateObjectExtents(d, s);
}

}  // namespace

void RotateObject(App& app) {
    Drawing& d = app.dwg;
    const double a = app.xform.RotateAngle;
    const double cx = app.cmd.Pt1.x, cy = app.cmd.Pt1.y;
    d.UndoValue[0] = a;
    for (int k = 0; k < app.sel.SelCount; ++k) {
        const int s = app.sel.SelList[k];
        if (s >= 1 && s <= kMaxSlot) RotateOne(app, s, a, cx, cy);
    }
}

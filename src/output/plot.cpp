// The plot file: header, one pen selection and the moves of each slot, the
// trailer. The geometry is the screen's (view/redraw's RenderSlot); only the
// moves and the chord steps are the plotter's own.
#include "output/plot.h"

#include <charconv>
#include <cmath>

#include "app.h"
#include "commands/registers.h"
#include "model/numbers.h"
#include "model/safewrite.h"
#include "view/redraw.h"

namespace {

// Plotter on, handshake, initialise, scaling off, pen up twice, pen 1,
// solid lines, pen speed 36.
const char kPlotHeader[] = "\x1b.(;\x1b.I81;;17:\x1b.N;19:IN;SC;PU;PU;SP1;LT;VS36;";
// Pen up, home, pen away.
const char kPlotTrailer[] = "PU;PA0,0;SP;";

const char kMsgPlotNoName[] = "This file has no name.\r\nSave before plotting.";
const char kMsgPlotDone[] = "Plot completed.";
const char kMsgPlotFailed[] = "The plot file could not be written:\r\n";  // + path + CR LF + reason

// The plotter's coordinate range; a point beyond it is written at its edge.
constexpr double kPlotterLimit = 1073741823;

void AppendCoordinate(std::string& out, double v) {
    if (!(v >= -kPlotterLimit)) v = -kPlotterLimit - 1;  // also catches NaN
    if (v > kPlotterLimit) v = kPlotterLimit;
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(v));
    out.append(buf, r.ptr);
}

void AppendPA(std::string& out, double plotScale, double x, double y) {
    const double k = static_cast<double>(kPlotUnitsPerUnit) * plotScale;
    out += "PA";
    AppendCoordinate(out, std::floor(k * x + 0.5));
    out += ',';
    AppendCoordinate(out, std::floor(k * y + 0.5));
    out += ';';
}

}  // namespace

void PlotMoveUp(std::string& out, bool& penIsDown, double plotScale, double x, double y) {
    if (penIsDown) {
        out += "PU;";
        penIsDown = false;
    }
    AppendPA(out, plotScale, x, y);
}

void PlotMoveDown(std::string& out, bool& penIsDown, double plotScale, double x, double y) {
    if (!penIsDown) {
        out += "PD;";
        penIsDown = true;
    }
    AppendPA(out, plotScale, x, y);
}

// ---- the device ----------------------------------------------------------------

PlotterDevice::PlotterDevice(std::string& out, bool& penIsDown, double plotScale, double zoomRatio, double pi)
    : out_(out), pen_(penIsDown), plotScale_(plotScale), zoomRatio_(zoomRatio), pi_(pi) {}

void PlotterDevice::Dot(double x, double y, uint32_t) {
    PlotMoveUp(out_, pen_, plotScale_, x, y);
    PlotMoveDown(out_, pen_, plotScale_, x, y);
}

void PlotterDevice::MoveTo(double x, double y) { PlotMoveUp(out_, pen_, plotScale_, x, y); }

void PlotterDevice::LineTo(double x, double y, uint32_t) { PlotMoveDown(out_, pen_, plotScale_, x, y); }

bool PlotterDevice::MissingShape(const std::string&) { return true; }

void PlotterDevice::DrawCurve(const Curve& c, uint32_t) {
    const double twoPi = 2 * pi_;
    const double diff = c.t1 - c.t0;
    const double sign = diff > 0 ? 1 : (diff < 0 ? -1 : 0);
    const bool circle = c.kind == CurveKind::Circle || c.kind == CurveKind::GlyphCircle;
    // The chord step and where the run stops.
    double d, stop;
    bool endPoint = false;  // an Arc ends with a move to its exact end
    if (c.dialNumber) {
        // A dial's numbers follow the screen zoom, as on the screen.
        d = zoomRatio_ * (pi_ / 360) / (c.stepRadius);
        stop = circle ? twoPi : c.t1;
        if (!circle) d *= sign;
    } else if (c.kind == CurveKind::Arc || c.kind == CurveKind::Circle) {
        // About 1/57 drawing unit along the curve, divided by the plot scale.
        d = (pi_ / 180) / (std::fabs(c.stepRadius) * plotScale_);
        if (c.kind == CurveKind::Arc) d *= sign, endPoint = true;
        stop = circle ? twoPi : c.t1;
    } else {
        // Glyph strokes: the step follows the text size; arcs run one step past their end.
        d = (pi_ / 30) / std::sqrt(std::fabs(c.stepRadius));
        if (circle) {
            stop = twoPi;
        } else {
            d *= sign;
            stop = c.t1 + d;
        }
    }
    if (!(d != 0) || !std::isfinite(d) || !std::isfinite(stop)) return;
    auto at = [&](double t, bool down) {
        double x = c.cx + c.ax * std::cos(t + c.rot), y = c.cy + c.ay * std::sin(t + c.rot);
        if (down) PlotMoveDown(out_, pen_, plotScale_, x, y);
        else PlotMoveUp(out_, pen_, plotScale_, x, y);
    };
    double t = circle ? 0 : c.t0;
    at(t, false);
    for (long n = 0; n < kMaxCurveDots; ++n) {
        if (d > 0 ? !(t <= stop) : !(t >= stop)) break;
        at(t, true);
        t += d;
    }
    if (endPoint) at(c.t1, true);
}

// ---- the file --------------------------------------------------------------------

std::string PlotFileName(const App& app) {
    const std::string& name = app.dwg.DwgName;
    std::string stem = name.size() >= 3 ? name.substr(0, name.size() - 3) : name;
    return app.dwg.DwgPath + stem + "PLT";
}

std::string PlotText(App& app) {
    Drawing& d = app.dwg;
    std::string out = kPlotHeader;
    double zoomRatio = d.Zoom != 0 ? app.view.FitZoom / d.Zoom : 1;
    PlotterDevice dev(out, app.plot.PenIsDown, d.PlotScale, zoomRatio, d.PI);
    for (int s = 1; s < d.ObjNext && s <= kMaxSlot; ++s) {
        int pen = d.ObjColor[s] < 0 ? -d.ObjColor[s] : d.ObjColor[s];
        out += "SP";
        AppendInt(out, pen);
        out += ';';
        if (!d.ObjType[s].empty() && !RenderSlot(app, dev, s, 0)) break;
    }
    out += kPlotTrailer;
    return out;
}

void Plot_Click(App& app) {
    if (app.cmd.CurCommand != "None") return;
    CancelCommand(app, 0);
    if (app.dwg.DwgName.empty()) {
        app.ui.MsgBox(kMsgPlotNoName, MsgButtons::OK, MsgIcon::None, "");
        return;
    }
    const std::string path = PlotFileName(app);
    // A plot that did not reach the disk is not reported as completed.
    WriteResult r = WriteFileSafely(path, "", PlotText(app));
    if (r.fail != WriteFail::None) {
        app.ui.MsgBox(kMsgPlotFailed + path + "\r\n" + WriteFailReason(r) + ".", MsgButtons::OK, MsgIcon::Warning, "");
        return;
    }
    app.ui.MsgBox(kMsgPlotDone, MsgButtons::OK, MsgIcon::None, "");
}

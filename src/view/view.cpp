// The view mapping, the fits of the limits and the texts of the prompt
// line's readout and zoom figure. Called by start-up, the defaults,
// OpenFile, the renderers, the pointer handlers and the View commands.
#include "view/view.h"

#include <cmath>
#include <string>

#include "app.h"
#include "model/numbers.h"

// ---- the mapping -------------------------------------------------------------

double ToScreenX(const App& app, double x) { return app.dwg.Zoom * x + app.dwg.PanX; }
double ToScreenY(const App& app, double y) { return app.view.ViewBase - app.dwg.Zoom * y - app.dwg.PanY; }
double ToDrawingX(const App& app, double sx) { return (sx - app.dwg.PanX) / app.dwg.Zoom; }
double ToDrawingY(const App& app, double sy) { return (app.view.ViewBase - app.dwg.PanY - sy) / app.dwg.Zoom; }

static double RoundTo4(double u) { return std::floor(u * 10000 + 0.5) / 10000; }
static double SnapTo(double u, double step) { return std::floor(u / step + 0.5) * step; }

void SnapToDrawing(const App& app, float sx, float sy, double& x, double& y) {
    const Drawing& d = app.dwg;
    if (d.Zoom == 0 || d.SnapMode < 0 || d.SnapMode > 3) return;
    double u = (sx - d.PanX) / d.Zoom;
    double v = (static_cast<float>(app.view.ViewBase) - sy - d.PanY) / d.Zoom;
    double stepY = d.SnapY != 0 ? d.SnapY : d.SnapX;
    bool snapX = d.SnapMode == 1 || d.SnapMode == 3, snapY = d.SnapMode == 2 || d.SnapMode == 3;
    // A zero step would give no number; that axis is rounded instead.
    x = snapX && d.SnapX != 0 ? SnapTo(u, d.SnapX) : RoundTo4(u);
    y = snapY && stepY != 0 ? SnapTo(v, stepY) : RoundTo4(v);
}

// ---- measuring and fitting ------------------------------------------------------

static int32_t ClampTwips(double v) {
    if (!(v >= 1)) return 1;
    if (v > 1e8) return 100000000;
    return static_cast<int32_t>(v);
}

void MeasureView(App& app, double widthTw, double heightTw) {
    View& v = app.view;
    v.ViewWidth = ClampTwips(widthTw);
    v.ViewHeight = ClampTwips(heightTw);
    v.ViewAspect = static_cast<double>(v.ViewHeight) / v.ViewWidth;
    v.ViewBase = RoundHalfEven(0.916 * v.ViewHeight);
}

int32_t RoundHalfEven(double v) {
    if (!std::isfinite(v)) return 0;
    if (v > 2147483647.0) return 2147483647;
    if (v < -2147483648.0) return -2147483647 - 1;
    return static_cast<int32_t>(std::nearbyint(v));  // the default rounding mode is to even
}

// The fit scale with the given fractions of the width and the height.
static double FitScale(const App& app, double fw, double fh) {
    const Drawing& d = app.dwg;
    double w = d.LimURX - d.LimLLX, h = d.LimURY - d.LimLLY;
    // Limits of no width or height cannot be fitted; keep the scale in force.
    if (!(w > 0) || !(h > 0)) return d.Zoom > 0 ? d.Zoom : 1;
    double r = h / w;
    return r <= app.view.ViewAspect ? fw * app.view.ViewWidth / w : fh * app.view.ViewHeight / h;
}

double StandardFitScale(const App& app) { return FitScale(app, 0.94, 0.91); }

static void CentreLimits(App& app) {
    Drawing& d = app.dwg;
    const View& v = app.view;
    d.PanX = RoundHalfEven(v.ViewWidth / 2.0 - 85 - (d.LimLLX + d.LimURX) / 2 * d.Zoom);
    d.PanY = RoundHalfEven(v.ViewBase - v.ViewHeight / 2.0 + 100 - (d.LimLLY + d.LimURY) / 2 * v.FitZoom);
}

void FitViewToLimits(App& app) {
    app.dwg.Zoom = StandardFitScale(app);
    app.view.FitZoom = app.dwg.Zoom;
    CentreLimits(app);
}

void FitViewToTypedLimits(App& app) {
    app.dwg.Zoom = FitScale(app, 0.9, 0.84);
    app.view.FitZoom = app.dwg.Zoom;
    CentreLimits(app);
}

void FitZoomOnly(App& app) { app.view.FitZoom = StandardFitScale(app); }

// ---- snap ---------------------------------------------------------------------------

namespace {

const char* const kSnapWords[4] = {"Snap (Off)     ", "Snap (X)       ", "Snap (Y)       ", "Snap (Both)    "};

}  // namespace

int SnapModeOf(const App& app) { return app.dwg.SnapMode >= 0 && app.dwg.SnapMode <= 3 ? app.dwg.SnapMode : 0; }

void SetReadoutDecimals(App& app, int mode) {
    const Drawing& d = app.dwg;
    int dx = CountDecimals(d.SnapX), dy = CountDecimals(d.SnapY != 0 ? d.SnapY : d.SnapX);
    app.view.SnapWord = kSnapWords[mode];
    app.view.ReadoutDecimalsX = static_cast<int16_t>(mode == 1 || mode == 3 ? dx : 4);
    app.view.ReadoutDecimalsY = static_cast<int16_t>(mode == 2 || mode == 3 ? dy : 4);
}

// ---- texts ------------------------------------------------------------------------

int CountDecimals(double v) {
    std::string t = GeneralNumber(v);
    size_t p = t.find('.');
    return p == std::string::npos ? 0 : static_cast<int>(t.size() - p - 1);
}

std::string FormatReadout(double v, int n) {
    if (n < 0) n = 0;
    if (n > 15) n = 15;
    double scale = std::pow(10.0, n);
    double r = std::nearbyint(v * scale) / scale;  // halves to even
    if (!std::isfinite(r)) r = v;
    std::string t = GeneralNumber(r);
    size_t point = t.find('.');
    if (point == std::string::npos && n >= 1) {
        t += '.';
        point = t.size() - 1;
    }
    if (point != std::string::npos)
        while (static_cast<int>(t.size() - point - 1) < n) t += '0';
    if (!(r < 0)) t.insert(t.begin(), ' ');
    return t;
}

std::string ReadoutText(const App& app, double x, double y) {
    return FormatReadout(x, app.view.ReadoutDecimalsX) + " , " + FormatReadout(y, app.view.ReadoutDecimalsY) + "   ";
}

std::string ZoomFigureText(App& app) {
    double z = app.view.FitZoom != 0 ? app.dwg.Zoom * 100 / app.view.FitZoom : 100;
    z = z >= 100 ? std::floor(z + 0.5) : std::floor(z * 10 + 0.5) / 10;
    app.view.ZoomPercent = z;
    return " Zoom " + GeneralNumber(z) + "%";
}

void WriteReadout(App& app, double x, double y) {
    uint32_t fg = app.set.BoardColor ^ 0xFFFFFFu;
    std::string r = ReadoutText(app, x, y);
    app.ui.SurfaceText(app.screen, app.view.ReadoutLeft, 0, r, fg);
    app.ui.SurfaceText(app.screen, app.view.ReadoutLeft + app.ui.TextWidth(r), 0, app.view.SnapWord, fg);
}

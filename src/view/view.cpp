// The view's size and the fit of the limits to it: the standard fit used at
// start-up, by the defaults and by the file reader, the centring of the
// limits, and the snap status the readout shows. Called by start-up, the
// defaults, OpenFile and the View commands.
#include "view/view.h"

#include <cmath>
#include <string>

#include "app.h"
#include "commands/menu.h"
#include "model/numbers.h"

static int16_t ClampTwips(double v) {
    if (v < 1) return 1;
    if (v > 32767) return 32767;
    return static_cast<int16_t>(v);
}

void MeasureView(App& app, double widthTw, double heightTw) {
    View& v = app.view;
    v.ViewWidth = ClampTwips(widthTw);
    v.ViewHeight = ClampTwips(heightTw);
    v.ViewAspect = static_cast<double>(v.ViewHeight) / v.ViewWidth;
    v.ViewBase = static_cast<int16_t>(RoundHalfEven(0.916 * v.ViewHeight));
}

int32_t RoundHalfEven(double v) {
    if (!std::isfinite(v)) return 0;
    if (v > 2147483647.0) return 2147483647;
    if (v < -2147483648.0) return -2147483647 - 1;
    return static_cast<int32_t>(std::nearbyint(v));  // the default rounding mode is to even
}

double StandardFitScale(const App& app) {
    const Drawing& d = app.dwg;
    double w = d.LimURX - d.LimLLX, h = d.LimURY - d.LimLLY;
    // Limits of no width or height cannot be fitted; keep the scale in force.
    if (!(w > 0) || !(h > 0)) return d.Zoom > 0 ? d.Zoom : 1;
    double r = h / w;
    return r <= app.view.ViewAspect ? 0.94 * app.view.ViewWidth / w : 0.91 * app.view.ViewHeight / h;
}

void FitViewToLimits(App& app) {
    Drawing& d = app.dwg;
    const View& v = app.view;
    d.Zoom = StandardFitScale(app);
    app.view.FitZoom = d.Zoom;
    d.PanX = RoundHalfEven(v.ViewWidth / 2.0 - 85 - (d.LimLLX + d.LimURX) / 2 * d.Zoom);
    d.PanY = RoundHalfEven(v.ViewBase - v.ViewHeight / 2.0 + 100 - (d.LimLLY + d.LimURY) / 2 * v.FitZoom);
}

void FitZoomOnly(App& app) { app.view.FitZoom = StandardFitScale(app); }

int CountDecimals(double v) {
    std::string t = GeneralNumber(v);
    size_t p = t.find('.');
    return p == std::string::npos ? 0 : static_cast<int>(t.size() - p - 1);
}

void ApplySnapMode(App& app) {
    static const char* const kCaption[4] = {"Snap Mode (Off) ", "Snap Mode (X)   ", "Snap Mode (Y)",
                                            "Snap Mode (Both)"};
    static const char* const kWord[4] = {"Snap (Off)     ", "Snap (X)       ", "Snap (Y)       ",
                                         "Snap (Both)    "};
    const Drawing& d = app.dwg;
    int mode = d.SnapMode >= 0 && d.SnapMode <= 3 ? d.SnapMode : 0;
    int dx = CountDecimals(d.SnapX), dy = CountDecimals(d.SnapY != 0 ? d.SnapY : d.SnapX);
    app.view.SnapWord = kWord[mode];
    app.view.ReadoutDecimalsX = static_cast<int16_t>(mode == 1 || mode == 3 ? dx : 4);
    app.view.ReadoutDecimalsY = static_cast<int16_t>(mode == 2 || mode == 3 ? dy : 4);
    app.ui.MenuSetCaption(kMenuSnap, kCaption[mode]);
}

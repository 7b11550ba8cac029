// The whole-view redraw and the grid. Every change of the drawing ends here
// (CancelCommand, the file commands, the defaults). The renderers of the six
// object kinds hook into the slot loop as they are built; until then the
// redraw paints the board, the grid, the readout's snap word and the zoom
// figure.
#include "view/redraw.h"

#include <cmath>

#include "app.h"
#include "model/numbers.h"

static double ToScreenX(const App& app, double x) { return app.dwg.Zoom * x + app.dwg.PanX; }
static double ToScreenY(const App& app, double y) {
    return app.view.ViewBase - app.dwg.Zoom * y - app.dwg.PanY;
}

void DrawGrid(App& app) {
    const Drawing& d = app.dwg;
    if (!d.GridOn) return;
    double s = d.GridSpacing;
    // A spacing of 0 or less would never end; so would one too fine to see.
    if (!(s > 0)) return;
    double x0 = std::trunc(d.LimLLX / s) * s, x1 = std::trunc(d.LimURX / s) * s;
    double y0 = std::trunc(d.LimLLY / s) * s, y1 = std::trunc(d.LimURY / s + 0.000001) * s;
    double dots = ((x1 - x0) / s + 1) * ((y1 - y0) / s + 1);
    if (!(dots < 4e6)) return;
    for (double x = x0; x <= x1 + s / 2; x += s)
        for (double y = y0; y <= y1 + s / 2; y += s)
            SurfaceSetPixel(app.screen, ToScreenX(app, x), ToScreenY(app, y), app.set.GridColor);
    SurfaceSetPixel(app.screen, ToScreenX(app, 0), ToScreenY(app, 0), app.set.GridColor ^ 0xFFFFFFu);
}

// " Zoom " + figure + "%" left of the readout: whole numbers from 100 up,
// one decimal below.
static void DrawZoomFigure(App& app) {
    double z = app.view.FitZoom != 0 ? app.dwg.Zoom * 100 / app.view.FitZoom : 100;
    z = z >= 100 ? std::floor(z + 0.5) : std::floor(z * 10 + 0.5) / 10;
    app.view.ZoomPercent = z;
    app.ui.SurfaceText(app.screen, app.view.ReadoutLeft - 1300, 0, " Zoom " + GeneralNumber(z) + "%",
                       app.set.BoardColor ^ 0xFFFFFFu);
}

void ScreenRedraw(App& app, int flag) {
    (void)flag;  // bit 1 asks for the cross-hair, which arrives with pointer input
    SurfaceClear(app.screen, app.set.BoardColor);
    DrawGrid(app);
    static const char* const kWord[4] = {"Snap (Off)     ", "Snap (X)       ", "Snap (Y)       ",
                                         "Snap (Both)    "};
    int mode = app.dwg.SnapMode >= 0 && app.dwg.SnapMode <= 3 ? app.dwg.SnapMode : 0;
    app.view.SnapWord = kWord[mode];
    app.ui.SurfaceText(app.screen, app.view.ReadoutLeft, 0, app.view.SnapWord, app.set.BoardColor ^ 0xFFFFFFu);
    DrawZoomFigure(app);
    app.ui.SurfaceChanged();
}

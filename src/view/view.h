// View values: the size of the drawing area in twips and the fit scale. The
// mapping itself (Zoom, PanX, PanY) is saved with the drawing (model/drawing.h).
// Called by start-up, the defaults, the file reader and every renderer.
#pragma once
#include <cstdint>
#include <string>

struct App;

struct View {
    int16_t ViewWidth = 12000;      // width of the drawing area (twips), measured once at start-up
    int16_t ViewHeight = 8000;      // height of the drawing area (twips)
    int16_t ViewBase = 7328;        // screen y of drawing y = 0 when PanY is 0 (twips)
    double ViewAspect = 8000.0 / 12000.0;  // ViewHeight / ViewWidth
    double FitZoom = 1;             // the scale that shows as 100 % (twips per drawing unit)
    double ZoomPercent = 100;       // zoom figure last shown
    std::string SnapWord = "Snap (Both)    ";  // snap status word after the readout
    int16_t ReadoutDecimalsX = 4;   // decimals of the X readout
    int16_t ReadoutDecimalsY = 4;   // decimals of the Y readout
    int16_t ReadoutLeft = 9000;     // x of the coordinate readout (twips)
};

// Takes the drawing area's size, once, at start-up (twips).
void MeasureView(App& app, double widthTw, double heightTw);
// The standard fit of the limits: the scale only.
double StandardFitScale(const App& app);
// Standard fit into Zoom and FitZoom, then the centring of the limits.
void FitViewToLimits(App& app);
// After opening a drawing: only FitZoom takes the standard fit.
void FitZoomOnly(App& app);
// The snap menu caption, snap word and readout decimals from SnapMode and the steps.
void ApplySnapMode(App& app);
// nearest(): halves to the even neighbour, as pan offsets are stored.
int32_t RoundHalfEven(double v);
int CountDecimals(double v);

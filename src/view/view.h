// The view: the mapping between drawing units and the drawing area's twips
// (one scale, two offsets), the snapped conversion of a pointer position,
// the three fits of the limits, and the texts of the readout and the zoom
// figure. Called by start-up, the defaults, OpenFile, every renderer, the
// View commands (commands/viewmenu.h) and every command that takes a click.
#pragma once
#include <array>
#include <cstdint>
#include <string>

struct App;
struct Point2;

struct View {
    // 32-bit: a drawing area wider than 2184 pixels at 96 dpi does not fit in 16 bits of twips.
    int32_t ViewWidth = 12000;      // width of the drawing area (twips)
    int32_t ViewHeight = 8000;      // height of the drawing area (twips)
    int32_t ViewBase = 7328;        // screen y of drawing y = 0 when PanY is 0 (twips)
    double ViewAspect = 8000.0 / 12000.0;  // ViewHeight / ViewWidth
    double FitZoom = 1;             // the scale that shows as 100 % (twips per drawing unit)
    double ZoomPercent = 100;       // zoom figure last shown (percent)
    std::string SnapWord = "Snap (Both)    ";  // snap status word after the readout
    int16_t ReadoutDecimalsX = 4;   // decimals of the X readout
    int16_t ReadoutDecimalsY = 4;   // decimals of the Y readout
    int16_t ReadoutLeft = 9000;     // x of the coordinate readout (twips)
    std::array<uint32_t, 15> ColorTable{};  // screen colour of colour numbers -7..7, index + 7
};

// ---- the mapping -------------------------------------------------------------
double ToScreenX(const App& app, double x);
double ToScreenY(const App& app, double y);
double ToDrawingX(const App& app, double sx);
double ToDrawingY(const App& app, double sy);
// The snapped drawing point of a screen position (twips, single precision).
// With a zero Zoom or a snap mode outside 0..3 the outputs keep their values.
void SnapToDrawing(const App& app, float sx, float sy, double& x, double& y);

// ---- measuring and fitting ------------------------------------------------------
// Takes the drawing area's size (twips): at start-up, and again whenever the
// window is resized (the drawing's own Zoom and Pan stay; FitZoom follows).
void MeasureView(App& app, double widthTw, double heightTw);
// The standard fit of the limits: the scale only.
double StandardFitScale(const App& app);
// Standard fit into Zoom and FitZoom, then the centring of the limits.
void FitViewToLimits(App& app);
// The fit after typed or automatic limits into Zoom and FitZoom, then the centring.
void FitViewToTypedLimits(App& app);
// After opening a drawing: only FitZoom takes the standard fit.
void FitZoomOnly(App& app);
// SnapMode when it is 0..3, else 0 (off).
int SnapModeOf(const App& app);
// The snap word and the readout decimals of a snap mode (0..3) with the
// drawing's snap steps.
void SetReadoutDecimals(App& app, int mode);
// nearest(): halves to the even neighbour, as pan offsets are stored.
int32_t RoundHalfEven(double v);

// ---- texts ------------------------------------------------------------------------
// Decimals of the shortest text of v.
int CountDecimals(double v);
// v to n decimals (halves to even), padded with zeros, a blank before a
// value that is not negative.
std::string FormatReadout(double v, int n);
// The readout of a drawing point: X , Y and three blanks.
std::string ReadoutText(const App& app, double x, double y);
// " Zoom " + figure + "%", the figure from Zoom and FitZoom.
std::string ZoomFigureText(App& app);
// Writes the readout of (x, y) and the snap word on the prompt line.
void WriteReadout(App& app, double x, double y);

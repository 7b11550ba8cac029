// The HP-GL plot file: "Plot to HPGL File" turns every object of the table
// into absolute pen moves through the plotter device (the shared renderers
// of view/ with chords and pen moves of its own) and writes them beside the
// drawing as <name>.PLT. Called by the menu table; tests call PlotText
// for the file's bytes.
#pragma once
#include <string>

#include "view/device.h"

struct App;

// Plotter units per drawing unit at plot scale 1, held in single precision.
inline constexpr float kPlotUnitsPerUnit = 169.361f;

struct Plotter {
    bool PenIsDown = false;   // the last pen command written was "PD;" (kept between plots)
};

// The plotter as a device: pen-up moves for MoveTo, pen-down moves for
// LineTo, and curves as chords whose step follows the plot scale (arcs and
// circles), the text size (glyph strokes) or the screen zoom (dial numbers).
class PlotterDevice final : public Device {
public:
    // zoomRatio is FitZoom / Zoom at the time of plotting.
    PlotterDevice(std::string& out, bool& penIsDown, double plotScale, double zoomRatio, double pi);
    void Dot(double x, double y, uint32_t rgb) override;
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y, uint32_t rgb) override;
    void DrawCurve(const Curve& c, uint32_t rgb) override;
    // A missing shape is simply not plotted.
    bool MissingShape(const std::string& name) override;

private:
    std::string& out_;
    bool& pen_;
    double plotScale_;   // the drawing's plot scale
    double zoomRatio_;   // FitZoom / Zoom
    double pi_;
};

// Pen-up and pen-down moves to a drawing point: "PU;" or "PD;" when the pen
// changes, then "PA" X "," Y ";" in plotter units.
void PlotMoveUp(std::string& out, bool& penIsDown, double plotScale, double x, double y);
void PlotMoveDown(std::string& out, bool& penIsDown, double plotScale, double x, double y);

// The whole plot file's text for the current table.
std::string PlotText(App& app);
// The plot file's path: the drawing's name without its last three
// characters, then "PLT", in the drawing's folder.
std::string PlotFileName(const App& app);
// Files > Plot to HPGL File.
void Plot_Click(App& app);

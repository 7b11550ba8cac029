// Export at true size: "Export..." writes the drawing as a PDF or SVG page
// one drawing unit to the inch, or as a DXF file, through the export device
// (the shared renderers of view/ with chords of at most 0.001 in, or true
// arcs, circles, texts and dashed lines for DXF). The platform's sink
// writes the file safely. Called by the menu table.
#pragma once
#include <string>
#include <vector>

#include "platform/platform.h"
#include "view/device.h"

struct App;

inline constexpr double kExportMargin = 0.25;       // page margin round the extents (inches)
inline constexpr double kExportChordError = 0.001;  // largest distance of a chord from its curve (inches)

// The drawing's extents as the automatic limits find them; false when the
// table holds no object. The table's stored extents are left as they were.
bool DrawingExtents(App& app, double& minX, double& minY, double& maxX, double& maxY);

// The export device: polylines on the page (PDF, SVG: inches from the top
// left corner of the page, whose top left is the drawing point (left, top)),
// or entities in drawing units (DXF).
class ExportDevice final : public Device {
public:
    ExportDevice(ExportSink& sink, ExportFormat format, double left, double top, double pi);
    void Dot(double x, double y, uint32_t rgb) override;
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y, uint32_t rgb) override;
    void DrawCurve(const Curve& c, uint32_t rgb) override;
    bool MissingShape(const std::string& name) override;
    bool Text(const std::string& text, const std::string& just, double h, double a, double x, double y,
              uint32_t rgb) override;
    bool HiddenSegment(double x1, double y1, double x2, double y2, double dash, double gap, uint32_t rgb) override;
    // Sends the polyline under way.
    void Flush();
    int color = 1;                        // colour number (1..7) of the object being exported
    std::vector<std::string> missing;     // shapes whose files were not found

private:
    void Add(double x, double y);
    ExportSink& sink_;
    ExportFormat format_;
    double left_, top_, pi_;
    std::vector<double> xy_;              // the polyline under way (output units)
    uint32_t rgb_ = 0;
};

// The chord points of a curve (drawing units), no farther than
// kExportChordError from it; a circle's run closes on its start.
std::vector<double> CurveChords(const Curve& c, double pi);

// Writes the table through a sink opened for `job`, whose page size it
// sets from the extents (plus the margins); false, with the reason.
bool ExportTable(App& app, ExportJob& job, std::string& error);
// Files > Export...
void Export_Click(App& app);
// Files > Print at True Size...
void PrintTrueSize_Click(App& app);

// The export device and "Export...": the extents make the page, the device
// turns the renderers' output into polylines (or DXF entities), the sink
// writes the file. Nothing on the table changes.
#include "output/export.h"

#include <algorithm>
#include <cmath>

#include "app.h"
#include "commands/registers.h"
#include "commands/typed.h"
#include "model/extents.h"
#include "output/print.h"
#include "view/redraw.h"

namespace {

const char kTitleExport[] = "Export Drawing";
const char kMsgNothing[] = "Nothing to export.";
const char kMsgExportFailed[] = "The drawing could not be exported to\r\n";  // + path + ":" CR LF + reason
const std::vector<std::string> kExportFilters = {"PDF at true size (*.pdf)", "SVG at true size (*.svg)",
                                                 "DXF (*.dxf)"};
const char* const kExportExtensions[] = {".pdf", ".svg", ".dxf"};
constexpr long kMaxChords = 200000;  // one curve never makes more

}  // namespace

bool DrawingExtents(App& app, double& minX, double& minY, double& maxX, double& maxY) {
    Drawing& d = app.dwg;
    bool any = false;
    for (int s = 1; s < d.ObjNext && s <= kMaxSlot; ++s)
        if (!d.ObjType[s].empty()) any = true;
    if (!any) return false;
    const double keep[4] = {d.ExtMinX, d.ExtMinY, d.ExtMaxX, d.ExtMaxY};
    RecomputeExtents(d);
    minX = d.ExtMinX, minY = d.ExtMinY, maxX = d.ExtMaxX, maxY = d.ExtMaxY;
    d.ExtMinX = keep[0], d.ExtMinY = keep[1], d.ExtMaxX = keep[2], d.ExtMaxY = keep[3];
    return minX <= maxX && minY <= maxY;
}

// ---- the device ----------------------------------------------------------------

std::vector<double> CurveChords(const Curve& c, double pi) {
    const bool circle = c.kind == CurveKind::Circle || c.kind == CurveKind::GlyphCircle;
    const double t0 = circle ? 0 : c.t0, t1 = circle ? 2 * pi : c.t1;
    const double r = std::max(std::fabs(c.ax), std::fabs(c.ay));
    // The angle whose chord stays within the allowed error of the curve.
    double step = r > kExportChordError ? 2 * std::acos(1 - kExportChordError / r) : pi / 2;
    if (!(step > 0) || !std::isfinite(step)) step = pi / 2;
    const double span = t1 - t0;
    if (!std::isfinite(span) || !std::isfinite(c.cx) || !std::isfinite(c.cy)) return {};
    long n = std::max(1L, static_cast<long>(std::ceil(std::fabs(span) / step)));
    n = std::min(n, kMaxChords);
    std::vector<double> xy;
    xy.reserve(static_cast<size_t>(2 * (n + 1)));
    for (long k = 0; k <= n; ++k) {
        const double t = (k == n ? t1 : t0 + span * static_cast<double>(k) / static_cast<double>(n)) + c.rot;
        xy.push_back(c.cx + c.ax * std::cos(t));
        xy.push_back(c.cy + c.ay * std::sin(t));
    }
    return xy;
}

ExportDevice::ExportDevice(ExportSink& sink, ExportFormat format, double left, double top, double pi)
    : sink_(sink), format_(format), left_(left), top_(top), pi_(pi) {}

void ExportDevice::Add(double x, double y) {
    if (format_ == ExportFormat::Dxf) {
        xy_.push_back(x);
        xy_.push_back(y);
    } else {
        xy_.push_back(x - left_);
        xy_.push_back(top_ - y);
    }
}

void ExportDevice::Flush() {
    if (xy_.size() >= 4) sink_.Polyline(xy_, false, rgb_, color);
    xy_.clear();
}

void ExportDevice::Dot(double x, double y, uint32_t rgb) {
    MoveTo(x, y);
    LineTo(x, y, rgb);
}

void ExportDevice::MoveTo(double x, double y) {
    Flush();
    Add(x, y);
}

// A renderer draws each polyline in one colour, from its MoveTo on.
void ExportDevice::LineTo(double x, double y, uint32_t rgb) {
    rgb_ = rgb;
    Add(x, y);
}

void ExportDevice::DrawCurve(const Curve& c, uint32_t rgb) {
    Flush();
    const bool round = c.ax == c.ay && c.ax != 0;
    if (format_ == ExportFormat::Dxf && round && (c.kind == CurveKind::Circle || c.kind == CurveKind::Arc)) {
        const double r = std::fabs(c.ax);
        // Both factors -1 turn the curve half round.
        const double turn = c.rot + (c.ax < 0 ? pi_ : 0);
        if (c.kind == CurveKind::Circle) sink_.Circle(c.cx, c.cy, r, color);
        else sink_.Arc(c.cx, c.cy, r, std::min(c.t0, c.t1) + turn, std::max(c.t0, c.t1) + turn, color);
        return;
    }
    std::vector<double> xy = CurveChords(c, pi_);
    if (xy.size() < 4) return;
    const bool closed = c.kind == CurveKind::Circle || c.kind == CurveKind::GlyphCircle;
    if (format_ != ExportFormat::Dxf)
        for (size_t i = 0; i < xy.size(); i += 2) xy[i] -= left_, xy[i + 1] = top_ - xy[i + 1];
    if (closed) xy.resize(xy.size() - 2);  // the closing point is the closed flag's
    sink_.Polyline(xy, closed, rgb, color);
}

bool ExportDevice::MissingShape(const std::string& name) {
    if (std::find(missing.begin(), missing.end(), name) == missing.end()) missing.push_back(name);
    return true;
}

bool ExportDevice::Text(const std::string& text, const std::string& just, double h, double a, double x, double y,
                        uint32_t) {
    if (format_ != ExportFormat::Dxf) return false;
    Flush();
    sink_.Text(text, just, h, a, x, y, color);
    return true;
}

bool ExportDevice::HiddenSegment(double x1, double y1, double x2, double y2, double, double, uint32_t) {
    if (format_ != ExportFormat::Dxf) return false;
    Flush();
    sink_.HiddenLine(x1, y1, x2, y2, color);
    return true;
}

// ---- the command ---------------------------------------------------------------

bool ExportTable(App& app, ExportJob& job, std::string& error) {
    double minX, minY, maxX, maxY;
    if (!DrawingExtents(app, minX, minY, maxX, maxY)) {
        error = kMsgNothing;
        return false;
    }
    job.width = maxX - minX + 2 * kExportMargin;
    job.height = maxY - minY + 2 * kExportMargin;
    std::unique_ptr<ExportSink> sink = app.ui.ExportOpen(job, error);
    if (!sink) return false;
    Drawing& d = app.dwg;
    ExportDevice dev(*sink, job.format, minX - kExportMargin, maxY + kExportMargin, d.PI);
    for (int s = 1; s < d.ObjNext && s <= kMaxSlot; ++s) {
        if (d.ObjType[s].empty()) continue;
        const int c = std::abs(static_cast<int>(d.ObjColor[s]));
        dev.color = c >= 1 && c <= 7 ? c : 1;
        RenderSlot(app, dev, s, PrintColorOf(app, dev.color));
        dev.Flush();
    }
    return sink->Finish(error);
}

void Export_Click(App& app) {
    if (app.cmd.CurCommand != "None") return;
    CancelCommand(app, 0);
    double minX, minY, maxX, maxY;
    if (!DrawingExtents(app, minX, minY, maxX, maxY)) {
        app.ui.MsgBox(kMsgNothing, MsgButtons::OK, MsgIcon::None, kTitleExport);
        return;
    }
    Drawing& d = app.dwg;
    int filter = 0;
    std::string path =
        app.ui.SaveFileDialog(kTitleExport, DrawingFolder(app), DrawingStem(app) + ".pdf", kExportFilters, filter);
    if (path.empty()) return;
    ExportJob job;
    job.format = ExportFormat::Pdf;
    const std::string ending = path.size() >= 4 ? UpperText(path.substr(path.size() - 4)) : "";
    bool known = false;
    for (int i = 0; i < 3; ++i)
        if (ending == UpperText(kExportExtensions[i])) job.format = static_cast<ExportFormat>(i), known = true;
    if (!known) {
        filter = std::clamp(filter, 0, 2);
        path += kExportExtensions[filter];
        job.format = static_cast<ExportFormat>(filter);
    }
    job.path = path;
    job.dash = d.HiddenDash;
    job.gap = d.HiddenGap;
    std::string error;
    if (!ExportTable(app, job, error))
        app.ui.MsgBox(kMsgExportFailed + path + ":\r\n" + error, MsgButtons::OK, MsgIcon::Warning, kTitleExport);
}

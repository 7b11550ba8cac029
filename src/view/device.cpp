// The screen device: the view mapping to twips, twips to the buffer's
// pixels, dot runs for curves and Bresenham lines. Figures that lie wholly
// beside the buffer are skipped before any dot is computed.
#include "view/device.h"

#include <algorithm>

#include "platform/surface.h"

bool Device::Touches(double, double, double, double) const { return true; }
bool Device::MissingShape(const std::string&) { return false; }
bool Device::Text(const std::string&, const std::string&, double, double, double, double, uint32_t) { return false; }
bool Device::HiddenSegment(double, double, double, double, double, double, uint32_t) { return false; }

ScreenDevice::ScreenDevice(Surface& s, double zoom, double panX, double panY, double viewBase,
                           double viewWidth, double pi)
    : s_(s), zoom_(zoom), panX_(panX), panY_(panY), base_(viewBase), unit_(viewWidth / 10 / zoom), pi_(pi) {}

// Screen positions are single-precision twips, as the window system takes them.
int ScreenDevice::PixelX(double x) const {
    return TwipsToPixels(s_, static_cast<float>(zoom_ * x + panX_));
}
int ScreenDevice::PixelY(double y) const {
    return TwipsToPixels(s_, static_cast<float>(base_ - zoom_ * y - panY_));
}

void ScreenDevice::Dot(double x, double y, uint32_t rgb) {
    if (invert) SurfaceInvertPixelAt(s_, PixelX(x), PixelY(y));
    else SurfacePutPixel(s_, PixelX(x), PixelY(y), rgb & 0xFFFFFFu);
}

void ScreenDevice::MoveTo(double x, double y) {
    penX_ = PixelX(x);
    penY_ = PixelY(y);
    penInked_ = false;
}

void ScreenDevice::LineTo(double x, double y, uint32_t rgb) {
    int nx = PixelX(x), ny = PixelY(y);
    // An inverted polyline inverts each joint once, so short segments stay visible.
    if (invert) SurfaceInvertLinePixels(s_, penX_, penY_, nx, ny, penInked_);
    else SurfaceLinePixels(s_, penX_, penY_, nx, ny, rgb);
    penInked_ = true;
    penX_ = nx;
    penY_ = ny;
}

bool ScreenDevice::Touches(double minX, double minY, double maxX, double maxY) const {
    if (!cull) return true;
    // One pixel of slack on every side covers the float rounding of the mapping.
    int x0 = PixelX(minX) - 1, x1 = PixelX(maxX) + 1;
    int y0 = PixelY(maxY) - 1, y1 = PixelY(minY) + 1;
    if (zoom_ < 0) std::swap(x0, x1), std::swap(y0, y1);
    return !(x1 < 0 || y1 < 0 || x0 >= s_.width || y0 >= s_.height);
}

void ScreenDevice::DrawCurve(const Curve& c, uint32_t rgb) {
    double rx = std::fabs(c.ax), ry = std::fabs(c.ay);
    if (!Touches(c.cx - rx, c.cy - ry, c.cx + rx, c.cy + ry)) return;
    rgb &= 0xFFFFFFu;
    if (invert)
        RunDots(c, unit_, pi_, [&](double x, double y) { SurfaceInvertPixelAt(s_, PixelX(x), PixelY(y)); });
    else
        RunDots(c, unit_, pi_, [&](double x, double y) { SurfacePutPixel(s_, PixelX(x), PixelY(y), rgb); });
}

// Pixel operations on the core's screen buffer, in twips. Called by the view
// renderers, the prompt line and the previews.
#include "platform/surface.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

void SurfaceResize(Surface& s, int w, int h, double dpi, uint32_t rgb) {
    s.width = std::max(w, 0);
    s.height = std::max(h, 0);
    s.dpi = dpi > 0 ? dpi : 96;
    s.px.assign(static_cast<size_t>(s.width) * s.height, rgb & 0xFFFFFFu);
}

void SurfaceClear(Surface& s, uint32_t rgb) {
    std::fill(s.px.begin(), s.px.end(), rgb & 0xFFFFFFu);
    int w = std::min(s.pictureWidth, s.width), h = std::min(s.pictureHeight, s.height);
    for (int y = 0; y < h; ++y)
        std::copy_n(s.picture.begin() + static_cast<std::ptrdiff_t>(y) * s.pictureWidth, w,
                    s.px.begin() + static_cast<std::ptrdiff_t>(y) * s.width);
}

void SurfaceSetPicture(Surface& s, int w, int h, std::vector<uint32_t> pixels) {
    if (w <= 0 || h <= 0 || pixels.size() != static_cast<size_t>(w) * h) return;
    for (uint32_t& p : pixels) p &= 0xFFFFFFu;
    s.picture = std::move(pixels);
    s.pictureWidth = w;
    s.pictureHeight = h;
}

void SurfaceRemovePicture(Surface& s) {
    s.picture.clear();
    s.pictureWidth = s.pictureHeight = 0;
}

static uint32_t* PixelAt(Surface& s, int x, int y) {
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return nullptr;
    return &s.px[static_cast<size_t>(y) * s.width + x];
}

void SurfaceSetPixel(Surface& s, double xTw, double yTw, uint32_t rgb) {
    if (uint32_t* p = PixelAt(s, TwipsToPixels(s, xTw), TwipsToPixels(s, yTw))) *p = rgb & 0xFFFFFFu;
}

uint32_t SurfaceGetPixel(const Surface& s, double xTw, double yTw) {
    int x = TwipsToPixels(s, xTw), y = TwipsToPixels(s, yTw);
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return 0xFFFFFFFFu;
    return s.px[static_cast<size_t>(y) * s.width + x];
}

void SurfaceInvertPixel(Surface& s, double xTw, double yTw) {
    if (uint32_t* p = PixelAt(s, TwipsToPixels(s, xTw), TwipsToPixels(s, yTw))) *p ^= 0xFFFFFFu;
}

namespace {

// Lines whose ends lie within this many pixels of the buffer are drawn as
// they are; longer ones are first cut down to this range, so a line across a
// huge zoom neither loops for ever nor changes its slope.
constexpr double kLineReach = 32768;

// Liang-Barsky cut of (x0,y0)-(x1,y1) to the box [lo, hiX] x [lo, hiY].
bool CutToBox(double& x0, double& y0, double& x1, double& y1, double lo, double hiX, double hiY) {
    double t0 = 0, t1 = 1, dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - lo, hiX - x0, y0 - lo, hiY - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy, nx1 = x0 + t1 * dx, ny1 = y0 + t1 * dy;
    x0 = nx0, y0 = ny0, x1 = nx1, y1 = ny1;
    return true;
}

}  // namespace

// Bresenham between the two end pixels; both ends are drawn. A line wholly
// beside the buffer costs nothing.
// Bresenham between two pixel positions, both ends included; `put` takes
// each pixel on the buffer. Ends far off are cut in floating point first.
template <class Put>
static void WalkLinePixels(const Surface& s, int x0, int y0, int x1, int y1, Put put, bool skipFirst = false) {
    if ((x0 < 0 && x1 < 0) || (y0 < 0 && y1 < 0) || (x0 >= s.width && x1 >= s.width) ||
        (y0 >= s.height && y1 >= s.height))
        return;
    double lo = -kLineReach, hiX = s.width + kLineReach, hiY = s.height + kLineReach;
    if (x0 < lo || x1 < lo || y0 < lo || y1 < lo || x0 > hiX || x1 > hiX || y0 > hiY || y1 > hiY) {
        double fx0 = x0, fy0 = y0, fx1 = x1, fy1 = y1;
        if (!CutToBox(fx0, fy0, fx1, fy1, lo, hiX, hiY)) return;
        x0 = static_cast<int>(std::lround(fx0)), y0 = static_cast<int>(std::lround(fy0));
        x1 = static_cast<int>(std::lround(fx1)), y1 = static_cast<int>(std::lround(fy1));
    }
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (bool first = true;; first = false) {
        if (!(first && skipFirst) && static_cast<unsigned>(x0) < static_cast<unsigned>(s.width) &&
            static_cast<unsigned>(y0) < static_cast<unsigned>(s.height))
            put(static_cast<size_t>(y0) * s.width + x0);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void SurfaceLinePixels(Surface& s, int x0, int y0, int x1, int y1, uint32_t rgb) {
    rgb &= 0xFFFFFFu;
    WalkLinePixels(s, x0, y0, x1, y1, [&](size_t i) { s.px[i] = rgb; });
}

void SurfaceInvertLinePixels(Surface& s, int x0, int y0, int x1, int y1, bool skipFirst) {
    WalkLinePixels(s, x0, y0, x1, y1, [&](size_t i) { s.px[i] ^= 0xFFFFFFu; }, skipFirst);
}

void SurfaceLine(Surface& s, double x1Tw, double y1Tw, double x2Tw, double y2Tw, uint32_t rgb) {
    SurfaceLinePixels(s, TwipsToPixels(s, x1Tw), TwipsToPixels(s, y1Tw), TwipsToPixels(s, x2Tw),
                      TwipsToPixels(s, y2Tw), rgb);
}

void SurfaceFillPixels(Surface& s, int x, int y, int w, int h, uint32_t rgb) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, s.width), y1 = std::min(y + h, s.height);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) s.px[static_cast<size_t>(yy) * s.width + xx] = rgb & 0xFFFFFFu;
}

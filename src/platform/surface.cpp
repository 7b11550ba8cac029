// Pixel operations on the core's screen buffer, in twips. Called by the view
// renderers, the prompt line and the previews.
#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

void SurfaceResize(Surface& s, int w, int h, double dpi, uint32_t rgb) {
    s.width = std::max(w, 0);
    s.height = std::max(h, 0);
    s.dpi = dpi > 0 ? dpi : 96;
    s.px.assign(static_cast<size_t>(s.width) * s.height, rgb & 0xFFFFFFu);
}

int TwipsToPixels(const Surface& s, double twips) {
    return static_cast<int>(std::floor(twips * s.dpi / kTwipsPerInch));
}

void SurfaceClear(Surface& s, uint32_t rgb) { std::fill(s.px.begin(), s.px.end(), rgb & 0xFFFFFFu); }

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

// Bresenham between the two end pixels; both ends are drawn.
void SurfaceLine(Surface& s, double x1Tw, double y1Tw, double x2Tw, double y2Tw, uint32_t rgb) {
    // Far-off ends are clamped so a line across a huge zoom cannot loop for ever.
    auto clampPx = [](int v) { return std::clamp(v, -100000, 100000); };
    int x0 = clampPx(TwipsToPixels(s, x1Tw)), y0 = clampPx(TwipsToPixels(s, y1Tw));
    int x1 = clampPx(TwipsToPixels(s, x2Tw)), y1 = clampPx(TwipsToPixels(s, y2Tw));
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        if (uint32_t* p = PixelAt(s, x0, y0)) *p = rgb & 0xFFFFFFu;
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void SurfaceFillPixels(Surface& s, int x, int y, int w, int h, uint32_t rgb) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, s.width), y1 = std::min(y + h, s.height);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) s.px[static_cast<size_t>(yy) * s.width + xx] = rgb & 0xFFFFFFu;
}

// The screen surface: a 32-bit pixel buffer the core draws on in twips. The
// window shows this buffer as it is; pixel inversion for previews works here
// so that drawing a figure twice restores every pixel. Used by the view and
// by the Qt binding, which only displays the buffer.
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

constexpr int kTwipsPerInch = 1440;

struct Surface {
    int width = 0;                 // device pixels
    int height = 0;                // device pixels
    double dpi = 96;               // device pixels per inch (screen dpi times the device pixel ratio)
    std::vector<uint32_t> px;      // rows top to bottom, colour values (blue*65536 + green*256 + red)
    // The trace picture: drawn at the top-left corner under everything by every clear.
    int pictureWidth = 0;          // pixels, 0 when there is no picture
    int pictureHeight = 0;         // pixels
    std::vector<uint32_t> picture; // rows top to bottom, colour values
};

// Makes the buffer w x h pixels, every pixel `rgb`.
void SurfaceResize(Surface& s, int w, int h, double dpi, uint32_t rgb);
// Twips to pixels on this surface (truncating towards minus infinity). Every
// drawing operation converts through this one formula, so a figure drawn by
// two routes lands on the same pixels.
inline int TwipsToPixels(const Surface& s, double twips) {
    double p = std::floor(twips * s.dpi / kTwipsPerInch);
    // Far-off positions are pinned well outside any buffer.
    if (!(p > -1e9)) return -1000000000;
    if (p > 1e9) return 1000000000;
    return static_cast<int>(p);
}
// The board colour, then the trace picture when there is one.
void SurfaceClear(Surface& s, uint32_t rgb);
void SurfaceSetPicture(Surface& s, int w, int h, std::vector<uint32_t> pixels);
void SurfaceRemovePicture(Surface& s);
void SurfaceSetPixel(Surface& s, double xTw, double yTw, uint32_t rgb);
// "Not on the surface" reads as 0xFFFFFFFF.
uint32_t SurfaceGetPixel(const Surface& s, double xTw, double yTw);
void SurfaceLine(Surface& s, double x1Tw, double y1Tw, double x2Tw, double y2Tw, uint32_t rgb);
// The same between two pixel positions; both ends are drawn.
void SurfaceLinePixels(Surface& s, int x0, int y0, int x1, int y1, uint32_t rgb);
// The same line with every pixel inverted: drawn twice, the buffer is back.
// skipFirst leaves the first pixel alone (the end of the segment before,
// which a polyline must not invert twice).
void SurfaceInvertLinePixels(Surface& s, int x0, int y0, int x1, int y1, bool skipFirst = false);
// Colour XOR 0xFFFFFF at one pixel: drawn twice, the pixel is back.
void SurfaceInvertPixel(Surface& s, double xTw, double yTw);
// Fills a rectangle given in pixels (used by the prompt line's eraser).
void SurfaceFillPixels(Surface& s, int x, int y, int w, int h, uint32_t rgb);

// One pixel inverted by pixel position; nothing off the buffer.
inline void SurfaceInvertPixelAt(Surface& s, int x, int y) {
    if (static_cast<unsigned>(x) < static_cast<unsigned>(s.width) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(s.height))
        s.px[static_cast<size_t>(y) * s.width + x] ^= 0xFFFFFFu;
}
// One pixel by pixel position; nothing off the buffer.
inline void SurfacePutPixel(Surface& s, int x, int y, uint32_t rgb) {
    if (static_cast<unsigned>(x) < static_cast<unsigned>(s.width) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(s.height))
        s.px[static_cast<size_t>(y) * s.width + x] = rgb;
}

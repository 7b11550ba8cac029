// The screen surface: a 32-bit pixel buffer the core draws on in twips. The
// window shows this buffer as it is; pixel inversion for previews works here
// so that drawing a figure twice restores every pixel. Used by the view and
// by the Qt binding, which only displays the buffer.
#pragma once
#include <cstdint>
#include <vector>

constexpr int kTwipsPerInch = 1440;

struct Surface {
    int width = 0;                 // pixels
    int height = 0;                // pixels
    double dpi = 96;               // device pixels per inch
    std::vector<uint32_t> px;      // rows top to bottom, colour values (blue*65536 + green*256 + red)
};

// Makes the buffer w x h pixels, every pixel `rgb`.
void SurfaceResize(Surface& s, int w, int h, double dpi, uint32_t rgb);
// Twips to pixels on this surface (truncating, as the window system does).
int TwipsToPixels(const Surface& s, double twips);
void SurfaceClear(Surface& s, uint32_t rgb);
void SurfaceSetPixel(Surface& s, double xTw, double yTw, uint32_t rgb);
// "Not on the surface" reads as 0xFFFFFFFF.
uint32_t SurfaceGetPixel(const Surface& s, double xTw, double yTw);
void SurfaceLine(Surface& s, double x1Tw, double y1Tw, double x2Tw, double y2Tw, uint32_t rgb);
// Colour XOR 0xFFFFFF at one pixel: drawn twice, the pixel is back.
void SurfaceInvertPixel(Surface& s, double xTw, double yTw);
// Fills a rectangle given in pixels (used by the prompt line's eraser).
void SurfaceFillPixels(Surface& s, int x, int y, int w, int h, uint32_t rgb);

// The whole-view redraw and the screen primitives. Every change of the
// drawing ends in ScreenRedraw: clear (the trace picture comes back), grid,
// every object by its kind, the prompt line's texts, the cross-hair.
#include "view/redraw.h"

#include <cmath>

#include "app.h"
#include "view/device.h"
#include "view/dial.h"
#include "view/font.h"
#include "view/render.h"
#include "view/shapes.h"
#include "view/view.h"

// ---- colours --------------------------------------------------------------------

void FillColorTable(App& app) {
    // Colour values keep red in the low byte: blue*65536 + green*256 + red.
    static const uint32_t kRgb[8] = {0, 0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00};
    auto& t = app.view.ColorTable;
    uint32_t board = app.set.BoardColor & 0xFFFFFFu;
    t[7] = board;
    t[7 + 1] = t[7 - 1] = board ^ 0xFFFFFFu;
    for (int c = 2; c <= 7; ++c) t[7 + c] = t[7 - c] = kRgb[c];
}

uint32_t ColorOf(const App& app, int color) {
    if (color < -7 || color > 7) color = 1;
    return app.view.ColorTable[static_cast<size_t>(color + 7)];
}

ScreenDevice MakeScreenDevice(App& app) {
    return ScreenDevice(app.screen, app.dwg.Zoom, app.dwg.PanX, app.dwg.PanY, app.view.ViewBase,
                        app.view.ViewWidth, app.dwg.PI);
}

// ---- grid -------------------------------------------------------------------------

void DrawGrid(App& app) {
    const Drawing& d = app.dwg;
    if (!d.GridOn) return;
    double s = d.GridSpacing;
    // A spacing of 0 or less would never end; one whose dots outnumber the
    // pixels shows nothing but noise.
    if (!(s > 0)) return;
    double x0 = std::trunc(d.LimLLX / s) * s, x1 = std::trunc(d.LimURX / s) * s;
    double y0 = std::trunc(d.LimLLY / s) * s, y1 = std::trunc(d.LimURY / s + 0.000001) * s;
    double dots = (std::floor((x1 - x0) / s) + 1) * (std::floor((y1 - y0) / s) + 1);
    if (!(dots <= static_cast<double>(app.screen.width) * app.screen.height)) return;
    uint32_t c = app.set.GridColor & 0xFFFFFFu;
    Surface& sf = app.screen;
    for (double x = x0; x <= x1 + s / 2; x += s) {
        int px = TwipsToPixels(sf, static_cast<float>(ToScreenX(app, x)));
        if (px < 0 || px >= sf.width) continue;
        for (double y = y0; y <= y1 + s / 2; y += s)
            SurfacePutPixel(sf, px, TwipsToPixels(sf, static_cast<float>(ToScreenY(app, y))), c);
    }
    SurfacePutPixel(sf, TwipsToPixels(sf, static_cast<float>(ToScreenX(app, 0))),
                    TwipsToPixels(sf, static_cast<float>(ToScreenY(app, 0))), c ^ 0xFFFFFFu);
}

// ---- objects -----------------------------------------------------------------------

void DrawArcObject(App& app, int slot, uint32_t rgb) {
    ScreenDevice dev = MakeScreenDevice(app);
    RenderArcObject(dev, app.dwg, slot, rgb);
}

void DrawCircleObject(App& app, int slot, uint32_t rgb) {
    ScreenDevice dev = MakeScreenDevice(app);
    RenderCircleObject(dev, app.dwg, slot, rgb);
}

static void PolylineOn(Device& dev, App& app, int slot, int lineType, uint32_t rgb, int last, double fx, double fy) {
    if (last > kMaxVertex) last = kMaxVertex;
    const Drawing& d = app.dwg;
    RenderPolyline(dev, d.VertX.Row(slot), d.VertY.Row(slot), last, lineType, fx, fy,
                   HiddenPattern{d.HiddenDash, d.HiddenGap}, rgb);
}

void DrawPolyline(App& app, int slot, int lineType, uint32_t rgb, int last, double fx, double fy) {
    ScreenDevice dev = MakeScreenDevice(app);
    PolylineOn(dev, app, slot, lineType, rgb, last, fx, fy);
}

bool RenderSlot(App& app, Device& dev, int s, uint32_t rgb) {
    Drawing& d = app.dwg;
    const std::string& kind = d.ObjType[s];
    if (kind == "Arc") {
        RenderArcObject(dev, d, s, rgb);
    } else if (kind == "Circle") {
        RenderCircleObject(dev, d, s, rgb);
    } else if (kind == "Line") {
        PolylineOn(dev, app, s, d.ObjLineType[s], rgb, VertexCountOf(d.ObjSize[s]), d.ObjXScale[s], d.ObjYScale[s]);
    } else if (kind == "Shape") {
        RenderShape(app, dev, rgb, d.ObjSize[s], d.ObjText[s], d.ObjXScale[s], d.ObjYScale[s], d.ObjAngle[s],
                    d.ObjX[s], d.ObjY[s], s);
        if (app.cmd.ShapeAbort) return false;
    } else if (kind == "Text") {
        RenderText(dev, app.font, app.set.FontDescender, d.ObjText[s], d.ObjJust[s], d.ObjSize[s], d.ObjAngle[s],
                   d.ObjX[s], d.ObjY[s], rgb);
    } else if (kind == "Dial") {
        const DialValues v = DialValuesOf(d, s);
        const DialLaw law = DialLawOf(d, s);
        RenderDial(dev, app.font, app.set.FontDescender, DialLayout(v, law, d.ObjX[s], d.ObjY[s], d.PI),
                   DialArc(v, law, d.ObjX[s], d.ObjY[s], d.PI), v[13], rgb);
    }
    return true;
}

// One slot in its own colour.
static bool DrawSlot(App& app, ScreenDevice& dev, int s) {
    Drawing& d = app.dwg;
    if (d.ObjType[s].empty()) return true;
    // Colours above 7 are repaired in the table; below -7 no colour exists either.
    if (d.ObjColor[s] > 7 || d.ObjColor[s] < -7) d.ObjColor[s] = 1;
    return RenderSlot(app, dev, s, ColorOf(app, d.ObjColor[s]));
}

void DrawObject(App& app, int slot, uint32_t rgb) {
    if (slot < 1 || slot > kMaxSlot || app.dwg.ObjType[slot].empty()) return;
    ScreenDevice dev = MakeScreenDevice(app);
    RenderSlot(app, dev, slot, rgb);
}

// ---- the prompt line -------------------------------------------------------------

void PaintPromptLine(App& app, const std::string& prompt, double boxLeft, const std::string& filler) {
    uint32_t fg = app.set.BoardColor ^ 0xFFFFFFu;
    int h = TwipsToPixels(app.screen, 275 + app.ui.TextHeight());
    SurfaceFillPixels(app.screen, 0, 0, TwipsToPixels(app.screen, app.view.ReadoutLeft - 1300), h,
                      app.set.BoardColor);
    app.ui.SurfaceText(app.screen, 200, 0, std::string(72, ' '), fg);
    app.ui.SurfaceText(app.screen, 200, 0, prompt, fg);
    app.ui.SurfaceText(app.screen, 0, 275, filler, fg);
    if (boxLeft >= 0) app.ui.SurfaceText(app.screen, boxLeft, 275, "TAB to Enter", fg);
}

// ---- cross-hair ---------------------------------------------------------------------

void DrawCrossHair(App& app, double x, double y) {
    double sx = ToScreenX(app, x), sy = ToScreenY(app, y);
    if (sx > app.view.ViewWidth || sx < 0 || sy > app.view.ViewHeight || sy < 0) return;
    double ix = std::nearbyint(sx), iy = std::nearbyint(sy);
    Surface& s = app.screen;
    for (int k = -10; k <= 10; ++k) SurfaceInvertPixel(s, ix + 105 * k, iy);
    for (int k = -10; k <= 10; ++k) SurfaceInvertPixel(s, ix, iy + 105 * k);
}

// ---- the redraw ----------------------------------------------------------------------

void ScreenRedraw(App& app, int flag) {
    // A question asked inside a redraw (a missing shape) lets the window
    // handle events; a redraw they ask for would break the one under way.
    Shapes& sh = app.shapes;
    if (sh.Redrawing) return;
    sh.Redrawing = true;
    // 1-2. The board (with the trace picture), the grid.
    SurfaceClear(app.screen, app.set.BoardColor);
    DrawGrid(app);
    // 3. Every object in slot order; a Shape being renamed stops the loop.
    ScreenDevice dev = MakeScreenDevice(app);
    int last = app.dwg.ObjNext - 1;
    if (last > kMaxSlot) last = kMaxSlot;
    for (int s = 1; s <= last; ++s)
        if (!DrawSlot(app, dev, s)) break;
    // The prompt line stays readable across redraws: the registers' prompt
    // is written again when one stands.
    const Registers& c = app.cmd;
    if (!c.PromptText.empty() || c.PromptBoxLeft >= 0) PaintPromptLine(app, c.PromptText, c.PromptBoxLeft, c.PromptFiller);
    // 4. The cross-hair at Pt0 snapped.
    Point2& p0 = app.cmd.Pt0;
    double cx = p0.x, cy = p0.y;
    SnapToDrawing(app, static_cast<float>(ToScreenX(app, p0.x)), static_cast<float>(ToScreenY(app, p0.y)), cx, cy);
    DrawCrossHair(app, p0.x, p0.y);
    DrawCrossHair(app, cx, cy);
    // 5. The readout, the snap word and the zoom figure.
    static const char* const kWord[4] = {"Snap (Off)     ", "Snap (X)       ", "Snap (Y)       ", "Snap (Both)    "};
    int mode = app.dwg.SnapMode >= 0 && app.dwg.SnapMode <= 3 ? app.dwg.SnapMode : 0;
    app.view.SnapWord = kWord[mode];
    WriteReadout(app, cx, cy);
    app.ui.SurfaceText(app.screen, app.view.ReadoutLeft - 1300, 0, ZoomFigureText(app), app.set.BoardColor ^ 0xFFFFFFu);
    // 6. One cross-hair left visible.
    if (flag & 1) DrawCrossHair(app, cx, cy);
    // 7. The missing shapes of this redraw are forgotten.
    sh.MissingShapeNames.clear();
    sh.Redrawing = false;
    app.ui.SurfaceChanged();
}

// ---- trace picture ------------------------------------------------------------------

bool LoadTracePicture(App& app, const std::string& name) {
    // A name is looked for in the drawing's folder; a whole path is taken as it is.
    std::string path = !name.empty() && name[0] == kSep ? name : app.dwg.DwgPath + name;
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    if (name.empty() || !app.ui.LoadPicture(path, w, h, px) || w <= 0 || h <= 0 ||
        px.size() != static_cast<size_t>(w) * h) {
        app.ui.MsgBox("The picture " + path + " cannot be loaded." "\r\n" "It must be a PNG, JPEG or BMP file.",
                      MsgButtons::OK, MsgIcon::None, "");
        return false;
    }
    SurfaceSetPicture(app.screen, w, h, std::move(px));
    return true;
}

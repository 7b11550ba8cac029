// render_drawing: draws a drawing file the way the program's screen does
// (limits fitted, grid, every object, shapes from the data folder, the stroke
// font) into a PPM picture, without a window. Used to look at the contact
// sheets and the example drawings while the library is drawn.
//   render_drawing DATA_FOLDER DRAWING OUT.ppm [WIDTH HEIGHT]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app.h"
#include "model/dwgfile.h"
#include "platform/null_platform.h"
#include "view/font.h"
#include "view/redraw.h"
#include "view/shapes.h"
#include "view/view.h"

int main(int argc, char** argv) {
    if (argc != 4 && argc != 6) {
        std::fprintf(stderr, "usage: render_drawing DATA_FOLDER DRAWING OUT.ppm [WIDTH HEIGHT]\n");
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != kSep) folder += kSep;
    const int w = argc == 6 ? std::atoi(argv[4]) : 1600, h = argc == 6 ? std::atoi(argv[5]) : 1000;
    NullPlatform ui;
    App app(ui);
    app.set.DataFolder = folder;
    app.set.ShapeFontPath = folder;
    app.dwg.PI = 4 * std::atan(1.0);
    SurfaceResize(app.screen, w, h, 96, 0);
    MeasureView(app, w * 15.0, h * 15.0);  // 96 dots per inch: 15 twips a pixel
    BuildFontFile(app);
    FillColorTable(app);
    InstallShapeBoxHook(app);
    std::string text;
    ReadResult r = LoadTextFile(argv[2], text);
    if (r.fail == ReadFail::None) r = ParseDrawing(app.dwg, text, false, 0, 0, 1);
    if (r.fail != ReadFail::None) {
        std::fprintf(stderr, "render_drawing: %s\n", ReadFailMessage(r).c_str());
        return 1;
    }
    FitViewToLimits(app);
    ScreenRedraw(app, 0);
    std::FILE* f = std::fopen(argv[3], "wb");
    if (!f) return 1;
    std::fprintf(f, "P6\n%d %d\n255\n", w, h);
    for (uint32_t p : app.screen.px) {
        unsigned char rgb[3] = {static_cast<unsigned char>(p & 0xFF), static_cast<unsigned char>((p >> 8) & 0xFF),
                                static_cast<unsigned char>((p >> 16) & 0xFF)};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
    if (ui.messages > 0) std::fprintf(stderr, "render_drawing: %d message(s) while drawing\n", ui.messages);
    return ui.messages > 0 ? 1 : 0;
}

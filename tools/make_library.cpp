// make_library: saves every symbol of library/ as a shape file in the data
// folder, then one contact sheet per library (every symbol placed with its
// name under it) and the example drawings into the data folder's examples/
// folder, all with the program's own writer.
//   make_library DATA_FOLDER
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "app.h"
#include "commands/browser.h"
#include "library/library.h"
#include "model/dwgfile.h"
#include "model/extents.h"
#include "platform/null_platform.h"
#include "view/shapes.h"

namespace {

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// A grid of about forty steps across a drawing of this size, on a round number.
double SheetGrid(double size) {
    const double span = size / 40;
    for (double g : {0.1, 0.25, 0.5, 1.0, 2.0, 5.0, 10.0, 12.0, 24.0, 48.0})
        if (g >= span) return g;
    return 96;
}

// Limits round the drawing's extents, a view fitted to a 12000 x 8000 twip
// area, the factory snap and a grid (chosen from the size when grid is 0).
void SetHeader(Drawing& d, const std::string& prefix, double margin, double grid) {
    RecomputeExtents(d);
    double x0 = d.ExtMinX, x1 = d.ExtMaxX, y0 = d.ExtMinY, y1 = d.ExtMaxY;
    if (!(x1 > x0)) x0 = -0.5, x1 = 0.5;
    if (!(y1 > y0)) y0 = -0.5, y1 = 0.5;
    if (grid <= 0) grid = SheetGrid(std::max(x1 - x0, y1 - y0) + 2 * margin);
    d.ShapePrefix = prefix;
    d.LimLLX = std::floor((x0 - margin) / grid) * grid;
    d.LimURX = std::ceil((x1 + margin) / grid) * grid;
    d.LimLLY = std::floor((y0 - margin) / grid) * grid;
    d.LimURY = std::ceil((y1 + margin) / grid) * grid;
    d.GridOn = true;
    d.GridSpacing = grid;
    d.SnapMode = 3;
    d.SnapX = d.SnapY = 0.1;
    const double w = d.LimURX - d.LimLLX, h = d.LimURY - d.LimLLY;
    const double vw = 12000, vh = 8000, base = 7328;
    d.Zoom = h / w <= vh / vw ? 0.94 * vw / w : 0.91 * vh / h;
    d.PanX = static_cast<int32_t>(std::lround(vw / 2 - 85 - (d.LimLLX + d.LimURX) / 2 * d.Zoom));
    d.PanY = static_cast<int32_t>(std::lround(base - vh / 2 + 100 - (d.LimLLY + d.LimURY) / 2 * d.Zoom));
    d.PlotScale = 1;
    d.TextHeight = 0.1;
}

bool Save(Drawing& d, const std::string& path) {
    int count = NumberObjectsForSave(d);
    std::string text = FormatDrawing(d, count);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

// The prefix a symbol's file name begins with.
std::string PrefixOf(const std::string& name) { return name.substr(0, 2); }

// A sheet of every symbol of one prefix: rows of cells, each symbol at its
// cell's insertion point with its name under it. The schematic library
// starts a new row under a heading at every category.
void DrawSheet(Sym& s, const std::vector<SymbolDef>& symbols, const std::map<std::string, Box>& boxes,
               const std::string& prefix) {
    // Furniture is inches across, schematic symbols fractions of one: the
    // sheet's measures follow the largest symbol of the library.
    double largest = 0;
    for (const SymbolDef& def : symbols)
        if (PrefixOf(def.name) == prefix) {
            const Box& b = boxes.at(def.name);
            largest = std::max({largest, b.x1 - b.x0, b.y1 - b.y0});
        }
    const double unit = std::max(1.0, largest / 2);  // 1 for symbols up to 2 in
    const double rowWidth = std::max(16.0, 5 * largest), gap = 0.4 * unit, labelH = 0.07 * unit;
    double x = 0, y = 0, rowHeight = 0;
    std::string category;
    s.Text(0, 0.6 * unit, 0.3 * unit, "Library " + prefix, "S");
    for (const SymbolDef& def : symbols) {
        if (PrefixOf(def.name) != prefix) continue;
        const Box& b = boxes.at(def.name);
        const bool sc = prefix == "Sc";
        const std::string label = def.name.substr(sc ? 4 : 2);
        const double labelW = labelH * static_cast<double>(label.size());
        const double w = std::max(b.x1 - b.x0, labelW) + gap;
        const double h = (b.y1 - b.y0) + gap + 2 * labelH;
        const std::string code = sc ? def.name.substr(2, 2) : "";
        if (code != category) {
            if (x > 0) y -= rowHeight;
            x = 0;
            rowHeight = 0;
            s.Text(0, y - 0.15, 0.12, CategoryHeading(code), "S");
            y -= 0.45;
            category = code;
        } else if (x > 0 && x + w > rowWidth) {
            x = 0;
            y -= rowHeight;
            rowHeight = 0;
        }
        const double cellX = x + (w - gap) / 2;
        s.Shape(def.name, cellX - (b.x0 + b.x1) / 2, y - b.y1);
        s.Text(cellX, y - (b.y1 - b.y0) - 2 * labelH, labelH, label, "M");
        x += w;
        rowHeight = std::max(rowHeight, h);
    }
}


}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_library DATA_FOLDER\n");
        return 2;
    }
    std::string out = argv[1];
    if (out.back() != kSep) out += kSep;
    const std::string examples = out + "examples" + kSep;
    ::mkdir(examples.c_str(), 0755);

    NullPlatform ui;
    App app(ui);
    app.set.DataFolder = out;
    app.set.ShapeFontPath = out;
    InstallShapeBoxHook(app);
    Drawing& d = app.dwg;

    // 1. The symbols; each one's extents place it on the sheets.
    const std::vector<SymbolDef> symbols = AllSymbols();
    std::map<std::string, Box> boxes;
    std::vector<std::string> prefixes;
    for (const SymbolDef& def : symbols) {
        ClearObjects(d);
        Sym s(d);
        def.draw(s);
        SetHeader(d, PrefixOf(def.name), 0.1, 0.1);
        boxes[def.name] = {d.ExtMinX, d.ExtMinY, d.ExtMaxX, d.ExtMaxY};
        if (!Save(d, out + def.name + ".dwg")) {
            std::fprintf(stderr, "make_library: cannot write %s%s.dwg\n", out.c_str(), def.name.c_str());
            return 1;
        }
        if (std::find(prefixes.begin(), prefixes.end(), PrefixOf(def.name)) == prefixes.end())
            prefixes.push_back(PrefixOf(def.name));
    }
    // 2. One contact sheet per library.
    for (const std::string& p : prefixes) {
        ClearObjects(d);
        Sym s(d);
        DrawSheet(s, symbols, boxes, p);
        SetHeader(d, p, 0.3, 0);
        std::string name = "Library Sheet " + p;
        if (!Save(d, examples + name + ".dwg")) {
            std::fprintf(stderr, "make_library: cannot write the sheet %s\n", name.c_str());
            return 1;
        }
    }
    // 3. The example drawings.
    for (const ExampleDef& ex : AllExamples()) {
        ClearObjects(d);
        Sym s(d);
        ex.draw(s);
        SetHeader(d, ex.prefix, 0.3, 0);
        if (!Save(d, examples + ex.name + ".dwg")) {
            std::fprintf(stderr, "make_library: cannot write %s\n", ex.name.c_str());
            return 1;
        }
    }
    if (ui.messages > 0) {
        std::fprintf(stderr, "make_library: %d message(s) while saving; a symbol names a missing shape?\n",
                     ui.messages);
        return 1;
    }
    std::FILE* stamp = std::fopen((out + "library.stamp").c_str(), "wb");
    if (stamp) std::fclose(stamp);
    return 0;
}

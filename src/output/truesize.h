// The tiling of Print at True Size: how many pages a drawing's extents need
// at 1:1 with half an inch of overlap, and each tile's page mapping. The
// command itself is declared with Export (output/export.h).
#pragma once
#include <string>

#include "output/print.h"

struct App;

inline constexpr double kTileOverlap = 720;   // overlap of neighbouring tiles (twips)
inline constexpr double kTileBand = 1800;     // the band below each tile for its label and the square (twips)

struct TileLayout {
    int rows = 1, cols = 1;        // pages down and across
    double width = 0, height = 0;  // one tile on the page (twips), from the page's top left corner
    double left = 0, top = 0;      // the extents' top left corner (drawing units)
};

TileLayout LayOutTiles(const PrintArea& area, double minX, double minY, double maxX, double maxY);
// The mapping of tile (row, col), both from 0: drawing units to twips at 1:1.
PageMapping TileMapping(const TileLayout& t, int row, int col);

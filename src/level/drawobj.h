#pragma once
// Drawing level objects from their pictures in `objcells` onto the level view,
// and the small picture helpers the level redraw shares: 8 x 8 pattern tiles,
// 16 x 16 cells of four tiles, and hatched boxes.
#include "graphics/surface.h"

#include <cstdint>

namespace quib {

struct Graphics;
struct LevelDocument;
struct ObjCells;
struct ObjProps;

// Object i (0..255) of the level onto dst, which shows the level's blocks
// from column col0 and row row0 on: the nine-slice of a 4-byte object or the
// fixed picture of a 3-byte one, clipped to dst whatever its size, with the
// stretch rules and the per-row palette and cell exceptions of its object
// set. Writes nothing but pixels.
void drawobj(Surface &dst, int col0, int row0, const LevelDocument &lv, const ObjProps &props,
             const ObjCells &objcells, const Graphics &gfx, int i);

// Opaque copy of pattern tile `tile` (0..255) of graphic set `graphicset` in
// palette `palette` (0..3) to (x, y) of dst, clipped to dst. A sheet that has
// not been painted yet draws nothing.
void drawtile(Surface &dst, int x, int y, const Graphics &g, int graphicset, int tile, int palette);

// The four tiles of a cell (bits 24..31 top left, 16..23 top right, 8..15
// bottom left, 0..7 bottom right) at (x, y), (x + 8, y), (x, y + 8),
// (x + 8, y + 8). Tile 0xFF is left out unless `opaque`.
void drawcell(Surface &dst, int x, int y, const Graphics &g, int graphicset, uint32_t cell, int palette,
              bool opaque);

// Diagonal cross-hatching in `colour` over the inside of the rectangle from
// (x0, y0) to (x1, y1), its border excluded; the pixels between the lines
// stay. Clipped to dst.
void hatch(Surface &dst, int x0, int y0, int x1, int y1, uint32_t colour);

// A one-pixel outline from (x0, y0) to (x1, y1) in `line` around a hatched
// inside in `fill`.
void hatchedbox(Surface &dst, int x0, int y0, int x1, int y1, uint32_t line, uint32_t fill);

} // namespace quib

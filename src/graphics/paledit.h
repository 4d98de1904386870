#pragma once
// The colour palette editor's pictures and cell arithmetic, in picture
// pixels. A colour group (16 NES colour numbers, byte 4p + k colour k of
// palette p) is shown as cells of 16 x 16 pixels: a level group as 4 rows of
// 4, an enemy group's palettes 1..3 as 3 rows of 4 (palette 0 of an enemy
// group is not shown), and the 64 NES colours as 4 rows of 16.
#include "graphics/graphics.h"
#include "graphics/surface.h"

#include <QString>

namespace quib {

constexpr int palcell = 16;
constexpr int lvlgroupcols = 4, lvlgrouprows = 4;
constexpr int enmgroupcols = 4, enmgrouprows = 3;
constexpr int nescolcols = 16, nescolrows = 4;

// Colours of the frame around the selected NES colour: inner, then outer.
constexpr uint32_t palselinner = rgb(255, 240, 0);
constexpr uint32_t palselouter = rgb(255, 120, 0);

// Level group `group` (0..7) of object set `objset` into a 64 x 64 picture.
void drawlvlgroup(Surface &pic, const Graphics &g, int objset, int group);
// Palettes 1..3 of enemy group `group` (0..3) into a 64 x 48 picture.
void drawenmgroup(Surface &pic, const Graphics &g, int objset, int group);
// The 64 NES colours into a 256 x 64 picture, with the frame around the
// selected colour (0..63).
void drawnescolours(Surface &pic, const Graphics &g, int selected);

// The cell (row * cols + column) under picture pixel (px, py) of a picture of
// cols x rows cells, or -1 when the pixel lies outside every cell.
int cellat(int px, int py, int cols, int rows);
// The byte of the group that a cell of each picture shows.
constexpr int lvlgroupbyte(int cell) { return cell; }
constexpr int enmgroupbyte(int cell) { return cell + 4; } // row 0 is palette 1

// The NES colour under a pointer dragged across the colour picture: a pointer
// beyond the picture's edge picks the colour at that edge, so the result is
// always 0..63.
int nescolourat(int px, int py);

// "World maps" for object set 0, else "Object set " and the set in hexadecimal.
// Opened inside an area of object set `areaset` whose colours come from
// another set's record, that record's caption says so.
QString palsetcaption(int objset, int areaset = -1);

} // namespace quib

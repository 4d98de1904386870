#pragma once
// The redraw of the level view.
#include "graphics/drawoptions.h"
#include "graphics/infolabels.h"
#include "graphics/surface.h"

namespace quib {

struct Graphics;
struct Level;
struct NameTables;
struct ObjCells;
struct ObjProps;

// Colours of the level view's marks.
constexpr uint32_t objselouter = rgb(0, 0, 0);
constexpr uint32_t objsel4byte = rgb(160, 240, 255); // inner outline of a selected 4-byte object
constexpr uint32_t objsel3byte = rgb(255, 240, 200); // ... of a selected 3-byte object
constexpr uint32_t enemyline = rgb(255, 0, 0);
constexpr uint32_t enemyfill = rgb(128, 100, 128);
constexpr uint32_t enemysel = rgb(255, 200, 200); // outline and hatching of the selected enemy

// Draws the blocks of opt.area of the level area into dst (a surface of
// 16 x 16 pixels a block, see surfacefor, or a reduction of one): background
// colour, the optional background blocks, the fixed strips of object sets 2
// and 9, every object in stream order, the selected object's outline, the
// enemies as hatched boxes, the selected enemy's outline and, when asked, the
// two pattern sheets on top. Changes nothing but dst.
void drawlevel(Surface &dst, const Level &lv, const ObjProps &props, const ObjCells &objcells, const Graphics &gfx,
               const DrawOptions &opt);

// The four info labels describing the selected object or enemy (`which`);
// empty when the area has none or `which` is none.
InfoLabels levellabels(const Level &lv, const NameTables &names, SelectionMark which);

} // namespace quib

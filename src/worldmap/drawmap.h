#pragma once
#include "graphics/drawoptions.h"
#include "graphics/editmode.h"
#include "graphics/surface.h"
#include "graphics/infolabels.h"

namespace quib {

struct Graphics;
struct NameTables;
struct WorldMap;

// The view's colours.
constexpr uint32_t mapbackground = rgb(224, 224, 224);

// Draws the blocks of opt.area of world `world`'s map into dst (16 x 16
// pixels a block): the tiles (background below the map), then the overlays
// the options ask for. The warp world shows no sprites. Changes nothing but dst.
void drawmap(Surface &dst, const WorldMap &map, int world, const Graphics &gfx, const DrawOptions &opt);

// What a map view of `view`'s size shows in mode `mode`: the blocks from
// column `mapscroll` and the boxes and mark of the mode; the sprites in the
// sprites mode, and in the others when `viewsprites` is set.
DrawOptions mapoptions(int mapscroll, uint8_t mode, bool viewsprites, const Surface &view);

// The four info labels of the map modes, describing the cursor's tile, the
// selected pointer or the selected sprite. Offsets are shown 0x10 lower
// unless `hdrofs`.
InfoLabels maplabels(const WorldMap &map, const NameTables &names, int world, uint8_t mode, bool hdrofs);

} // namespace quib

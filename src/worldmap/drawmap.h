#pragma once
#include "graphics/drawoptions.h"
#include "graphics/surface.h"
#include "graphics/infolabels.h"

namespace quib {

struct EditorState;
struct Graphics;
struct WorldMap;

// The view's colours.
constexpr uint32_t mapbackground = rgb(224, 224, 224);

// Draws the blocks of opt.area of world `world`'s map into dst (16 x 16
// pixels a block): the tiles (background below the map), then the overlays
// the options ask for. The warp world shows no sprites. Changes nothing but dst.
void drawmap(Surface &dst, const WorldMap &map, int world, const Graphics &gfx, const DrawOptions &opt);

// What the window's map view shows: the view at the scroll and the boxes and
// mark of the mode.
DrawOptions mapoptions(const EditorState &state);

// Redraws the window's view state.lvl with mapoptions(state).
void drawmap(EditorState &state);

// The four info labels of the map modes, describing the cursor's tile, the
// selected pointer or the selected sprite.
InfoLabels maplabels(const EditorState &state);

} // namespace quib

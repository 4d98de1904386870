#pragma once
// Moving between the world map and the levels, and between the areas of a
// level, and keeping the selected item in view.
#include "graphics/drawoptions.h"

#include <cstdint>

namespace quib {

struct Level;
struct LevelContext;
struct ObjProps;
struct Surface;
struct WorldMap;

// The closing-bars transition of entering a level, `elapsedms` after it
// began: black bars close in on the 256 x 144 map view from all four sides.
// It lasts until 550 ms.
constexpr int transitionms = 550;
void drawtransition(Surface &lvl, int elapsedms);

// True when the selected map pointer leads into a level (object sets 0 and
// 15 lead nowhere; a world without pointers has none).
bool canenterlevel(const WorldMap &map);

// Loads the selected pointer's area, selects its first object and scrolls
// to it (the window plays the transition first, and switches to object
// editing). Nothing is drawn. False, with nothing changed, when the pointer
// leads nowhere.
bool enterlevel(Level &lvl, const WorldMap &map, const LevelContext &c, ViewSize view = {});

// Loads the linked area; false (nothing loaded) when the area links nowhere.
bool nextarea(Level &lvl, const LevelContext &c, ViewSize view = {});

// Scroll a view of `view` blocks so that the selected object / enemy is
// visible.
void showobj(Level &lvl, const ObjProps &props, ViewSize view = {});
void showenemy(Level &lvl, const ObjProps &props, ViewSize view = {});

} // namespace quib

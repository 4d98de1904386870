#pragma once
// Editing a level area: picking and dragging objects and enemies with the
// mouse, and the keypad changes of the selected item. These change the state
// only; the caller redraws.
#include "graphics/drawoptions.h"

#include <cstdint>

namespace quib {

struct EditorState;
struct Level;
struct ObjProps;

// Where an item may stand: a horizontal area is 256 columns of 27 rows, a
// vertical one 16 columns of 241 rows for enemies and of 240 for objects,
// whose records hold 16 screens of 15 rows.
int levelmaxx(const Level &lvl);
int levelmaxy(const Level &lvl, bool object);

// The part of a view of `view` blocks that shows the area: no more columns
// and rows than the area has.
ViewSize levelview(const Level &lvl, ViewSize view);

// How far the level view scrolls: to the area's last column and row and no
// further. A horizontal area is 256 columns of 27 rows (a view of 16 x 15:
// left column 0..240, top row 0..12); a vertical one 16 columns of 16
// screens of 15 rows, rows 0..239 (left column 0, top row 0..225). The same
// for objects and enemies: the view shows the area, whatever kind of item is
// edited in it. A view as large as the area does not scroll that way.
struct ScrollLimits {
    int maxx, maxy;
};
ScrollLimits levelscrolllimits(const Level &lvl, ViewSize view = {});
// Keeps the view's left column and top row within 0 and the limits.
void clampscroll(Level &lvl, ViewSize view = {});

// The items whose boxes hold block (col, row): the highest index of each
// kind, -1 for none.
struct LevelHit {
    int object = -1, enemy = -1;
};
LevelHit levelhit(const Level &lvl, const ObjProps &props, int col, int row);

// A press on the view at pixel (px, py) of the window's view (s.lvl, whose
// size gives the view's blocks): picks the item under it (objects
// over enemies in object mode, enemies over objects in enemy mode, the
// highest index of a kind), switches the mode to the kind picked and keeps
// the grab offset. A press on nothing changes nothing.
void levelpress(EditorState &s, int px, int py);

// A move with a button held: the selected item goes to the block under the
// pointer plus the grab offset, kept inside the area, and the view follows.
void leveldrag(EditorState &s, int px, int py);

} // namespace quib

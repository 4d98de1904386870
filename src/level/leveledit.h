#pragma once
// Editing a level area: picking and dragging objects and enemies with the
// mouse, and the keypad changes of the selected item. These change the state
// only; the caller redraws.
#include "graphics/drawoptions.h"

#include <cstdint>

namespace quib {

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

// Where a dragged item is held: its block minus the block under the pointer.
struct LevelGrab {
    int16_t x = 0, y = 0;
};

// A press on a view of `view` blocks at pixel (px, py): picks the item under
// it (objects over enemies in object mode, enemies over objects otherwise,
// the highest index of a kind), selects it and keeps the grab offset. Gives
// the kind picked (the caller switches the mode to it); a press on nothing
// gives none and changes nothing.
SelectionMark levelpress(Level &lvl, const ObjProps &props, bool objectmode, int px, int py, LevelGrab &grab,
                         ViewSize view = {});

// A move with a button held: the selected object (else enemy) goes to the
// block under the pointer plus the grab offset, kept inside the area, and
// the view follows.
void leveldrag(Level &lvl, const ObjProps &props, bool objects, LevelGrab grab, int px, int py, ViewSize view = {});

} // namespace quib

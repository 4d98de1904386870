#pragma once
// Editing a level area: picking and dragging objects and enemies with the
// mouse, and the keypad changes of the selected item. These change the state
// only; the caller redraws.
#include <cstdint>

namespace quib {

struct EditorState;
struct Level;
struct ObjProps;

// The blocks an item covers, inclusive: columns x - left .. x + width - 1,
// rows y - up .. y + height - 1. An item of width or height 0 covers nothing.
struct ItemBox {
    int x = 0, y = 0, width = 0, height = 0, left = 0, up = 0;
    bool contains(int bx, int by) const
    {
        return bx >= x - left && bx <= x + width - 1 && by >= y - up && by <= y + height - 1;
    }
};
ItemBox objectbox(const Level &lvl, const ObjProps &props, int i);
ItemBox enemybox(const Level &lvl, const ObjProps &props, int i);

// Where an item may stand: a horizontal area is 256 columns of 27 rows, a
// vertical one 16 columns of 241 rows.
int levelmaxx(const Level &lvl);
int levelmaxy(const Level &lvl);

// A press on the view at pixel (px, py): picks the item under it (objects
// over enemies in object mode, enemies over objects in enemy mode, the
// highest index of a kind), switches the mode to the kind picked and keeps
// the grab offset. A press on nothing changes nothing.
void levelpress(EditorState &s, int px, int py);

// A move with a button held: the selected item goes to the block under the
// pointer plus the grab offset, kept inside the area, and the view follows.
void leveldrag(EditorState &s, int px, int py);

} // namespace quib

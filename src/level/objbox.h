#pragma once
// The blocks a level object or enemy covers: its selection outline, the
// blocks a press hits and what the view scrolls to show.
#include <cstdint>

namespace quib {

struct Level;
struct ObjProps;

// In level blocks. The box spans columns x - left .. x + width - 1 and rows
// y - up .. y + height - 1 (empty when width or height is 0).
struct ObjBox {
    int x = 0, y = 0;          // the item's own block
    int width = 0, height = 0; // from that block rightwards and downwards, itself included
    int left = 0, up = 0;      // further columns to the left, rows above

    int firstcol() const { return x - left; }
    int lastcol() const { return x + width - 1; }
    int firstrow() const { return y - up; }
    int lastrow() const { return y + height - 1; }
    bool contains(int col, int row) const
    {
        return col >= firstcol() && col <= lastcol() && row >= firstrow() && row <= lastrow();
    }
};

// Object i: a 3-byte object by the size tables of (object set, bank, type);
// a 4-byte object from its own record, length + 1 columns and (type & 15) + 1
// rows from its block, except object set 2's bank-0 types 0xF0..0xFF, which
// run downwards (columns and rows exchanged).
ObjBox objbox(const Level &lvl, const ObjProps &props, int i);

// Enemy i, by the box table of its type.
ObjBox enemybox(const Level &lvl, const ObjProps &props, int i);

} // namespace quib

#pragma once
// Building an area: selecting several items, adding, deleting, duplicating and
// pasting objects and enemies, and the draw order of objects. Each operation
// changes the level only, or, when it is refused, changes nothing and says
// why; the caller redraws.
#include "graphics/drawoptions.h"
#include "level/level.h"

#include <QString>
#include <vector>

namespace quib {

struct ObjProps;

// ---- Selection ----------------------------------------------------------------
// The selected objects (enemies), in stream order: the set when it holds the
// item picked last, else that item alone; none in an area without any.
std::vector<int> selecteditems(const Level &lvl, bool objects);
// Selects `items` (indices of the kind), `picked` being the item picked last.
void selectitems(Level &lvl, bool objects, const std::vector<int> &items, int picked);
// Ctrl+click: item i joins the selection or leaves it. The last selected item
// stays selected (there is always an item picked last).
void toggleitem(Level &lvl, bool objects, int i);
void selectall(Level &lvl, bool objects);

// The items of the kind whose boxes touch the rectangle of blocks between
// two corners (any order), in stream order.
std::vector<int> itemsinrect(const Level &lvl, const ObjProps &props, bool objects, int col0, int row0, int col1,
                             int row1);

// ---- Groups of items ----------------------------------------------------------
// Items as copied: positions in level blocks, objects with their record size
// and length. `objset` is the object set they were copied from (-1 when
// unknown, as for typed text).
struct ItemGroup {
    int objset = -1;
    std::vector<ObjRecord> objects;
    std::vector<EnemyRecord> enemies;
    bool empty() const { return objects.empty() && enemies.empty(); }
};

// The selected items of the kind, in stream order.
ItemGroup copyitems(const Level &lvl, bool objects);

// Adds the group's items to the end of their lists, in their order, keeping
// their layout: the group's top-left block (the smallest column and row of
// the items' own blocks) goes to (col, row), moved back as far as needed to
// keep every item inside the area. Objects pasted into another object set
// keep bank and type; whether they have a length byte follows the area's
// set (length 0 when one is gained). The added items become the selection.
// Refused (empty string otherwise): more than maxrecords of a kind, or
// enemies in an area of object set 0, which has none.
QString pasteitems(Level &lvl, const ObjProps &props, const ItemGroup &group, int col, int row);

// Deletes the selected items of the kind. The item that now stands where the
// first deleted one stood (else the last) is picked.
void deleteitems(Level &lvl, bool objects);

// Bring to Front: the selected objects move to the end of the stream (drawn
// last), in their order; Send to Back to its start. They stay selected.
void objectstofront(Level &lvl);
void objectstoback(Level &lvl);

// Moves the selected items of the kind by (dx, dy) blocks, as a whole: the
// move is refused (false) when it would take any of them past a bound of
// the area.
bool moveitems(Level &lvl, bool objects, int dx, int dy);

// A drag of the selection. `origin` holds the selected items' blocks when the
// drag began; each item goes `d` blocks from its origin, kept inside the area.
struct ItemPos {
    int index;
    int x, y;
};
std::vector<ItemPos> itemorigins(const Level &lvl, bool objects);
void dragitems(Level &lvl, bool objects, const std::vector<ItemPos> &origin, int dx, int dy);

// The level block under surface pixel (px, py) of the view.
struct Block {
    int col = 0, row = 0;
};
Block viewblock(const Level &lvl, int px, int py);

// What a press at pixel (px, py) of a view of `view` blocks hits, as the
// plain press picks it (the pixel kept on the view, the mode's kind winning
// a shared block): the block pressed and the item, of which kind; index -1
// for none.
struct PressHit {
    Block block;
    bool object = true;
    int index = -1;
};
PressHit presshit(const Level &lvl, const ObjProps &props, bool objectmode, int px, int py, ViewSize view = {});

} // namespace quib

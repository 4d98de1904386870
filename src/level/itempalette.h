#pragma once
// What the item palette offers: the objects of an object set, each drawn as
// the level view draws it, and its length byte marked.
#include "graphics/surface.h"

#include <vector>

namespace quib {

struct Graphics;
struct LevelDocument;
struct ObjCells;
struct ObjProps;

struct PaletteObject {
    int bank = 0, type = 0;
    bool four = false; // a 4-byte object (it has a length)
};

// The objects of `objset` that have a size (3-byte objects) or a length byte
// (4-byte objects), by bank and type.
std::vector<PaletteObject> paletteobjects(const ObjProps &props, int objset);

// The object drawn alone, as it would stand in `area` (its object set,
// graphic set and colours), on the area's background colour: a 4-byte
// object two blocks long. At most `maxblocks` blocks each way.
Surface drawpaletteobject(const LevelDocument &area, const ObjProps &props, const ObjCells &cells,
                          const Graphics &gfx, const PaletteObject &obj, int maxblocks = 4);

} // namespace quib

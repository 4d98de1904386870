#pragma once
// The demo level areas: pattern sheets, level colours and the areas the map
// pointers lead into.
#include "demorom/romimage.h"

#include <vector>

namespace quib::demo {

struct AreaRef {
    int64_t objpos; // file offset of the object stream (its header)
    int64_t enmpos; // file offset of the enemy stream (its leading byte)
};

// The area entered from pointer `index` of world `world`, whose object set
// is `objset` (world 9: the destination world's number - 1; such pointers
// warp and lead into no area). Must lie in the object set's bank window and
// the enemy window.
AreaRef demolevelfor(int world, int index, int objset);

// Every demo area with its name and place, in the order they are written.
struct DemoAreaPlace {
    const char *name;
    int objset;
    AreaRef ref;
};
std::vector<DemoAreaPlace> demoareaplaces();

// Writes the CHR-ROM pattern sheets, the level and enemy colour groups of
// object sets 1..15 and every demo level area, with runs of 0xFF to grow
// into: room after every other stream of a window and a free run of a few
// hundred bytes in every object window and the enemy window.
void putlevels(RomImage &rom);

} // namespace quib::demo

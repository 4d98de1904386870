#pragma once
// The demo ROM: a complete, original ROM image of the supported layout, with
// consistent data at every fixed location the editor reads. It is the default
// ROM that the run command writes, and the ground the tests stand on.
#include "demorom/romimage.h"

namespace quib::demo {

// Where the demo puts the map sprite tables (inside bank 11, which the map
// data pointers reach): five 9-byte tables per world, worlds 1..8.
constexpr int64_t spritetables = 0x16070;

RomImage builddemorom();

// The pieces, for tests that want one part on an otherwise blank image.
void putworldmaps(RomImage &rom);
void putmappointers(RomImage &rom);
void putmapsprites(RomImage &rom);
void putmappalettes(RomImage &rom);

} // namespace quib::demo

#pragma once
// The demo ROM's game setting tables: level timer values, starting status and
// the level music set, and the colour groups of object set 0 that nothing
// else fills.
#include "demorom/romimage.h"

namespace quib::demo {

void putgametables(RomImage &rom);

} // namespace quib::demo

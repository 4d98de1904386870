#pragma once
// The demo ROM's game setting tables: level timer values, starting status and
// the level music set.
#include "demorom/romimage.h"

namespace quib::demo {

void putgametables(RomImage &rom);

} // namespace quib::demo

#pragma once
// The demo ROM's map start points and world-map properties.
#include "demorom/romimage.h"

namespace quib::demo {

// Each world's marker starts on its layout's start square.
void putstartpoints(RomImage &rom);

// Palette, animation times and musics of the 256 world-map property entries.
// Entries 1..9 keep the palette bytes that putworldmaps writes; the last
// animation byte of entry 256 lies in the next bank (0x18010, the first
// byte of object set 0's level data) and is left alone.
void putmapproperties(RomImage &rom);

} // namespace quib::demo

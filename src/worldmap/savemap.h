#pragma once
#include <QString>

namespace quib {

struct WorldMap;
class Rom;
class RomFile;

// Writes maptiles over the world's tile data exactly where loadmap read it
// (a tile 0xFF is written as 0xFE so the data can't end early), and the map
// sprite tables of worlds 1..8.
void savemap(RomFile &rom, const WorldMap &map, int world);

// Sorts the map pointers (screen, then row, then column; the order stays in
// memory) and writes them over the pointer table.
void savemapptrs(RomFile &rom, WorldMap &map, int world);

// Save in a map mode: both of the above in one write operation. False with
// the reason (naming the file) when the ROM could not be written; the edits
// then stay in memory.
bool savemapmodes(Rom &rom, WorldMap &map, int world, QString *error);

} // namespace quib

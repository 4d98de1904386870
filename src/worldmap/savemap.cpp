#include "worldmap/savemap.h"

#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "worldmap/maprecords.h"
#include "worldmap/worldmap.h"

namespace quib {

void savemap(RomFile &rom, const WorldMap &map, int world)
{
    // Over the bytes loadmap read, and no further: the end marker stays
    // where it is, and a tile 0xFF is written as 0xFE so the data can't end
    // early.
    walkmaptiles(rom, rom::mapdatapos_of(world), [&](int64_t p, uint8_t, int row, int col) {
        const uint8_t tile = map.maptiles[row][col];
        rom.writebyte(p, tile == mapend ? 0xFE : tile);
    });
    writesprites(rom, world, map.sprites);
}

void savemapptrs(RomFile &rom, WorldMap &map, int world)
{
    sortmapptrs(map.pointers);
    const int64_t base = rom::mapptrpos_of(world);
    const int n = map.ptrcount();
    for (int i = 0; i < n; ++i)
        writeptrbytes(rom, base, n, i, encodeptr(map.pointers[size_t(i)]));
}

bool savemapmodes(Rom &target, WorldMap &map, int world, QString *error)
{
    const WorldMap before = map;
    RomFile rom(target, RomFile::Mode::Write);
    savemap(rom, map, world);
    savemapptrs(rom, map, world);
    if (!rom.close()) {
        // Nothing was written: the pointers keep the order they had.
        map = before;
        if (error)
            *error = rom.error();
        return false;
    }
    return true;
}

} // namespace quib

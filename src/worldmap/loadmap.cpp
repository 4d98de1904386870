#include "worldmap/loadmap.h"

#include "graphics/graphics.h"
#include "rom/rom.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "worldmap/maprecords.h"
#include "worldmap/worldmap.h"

#include <algorithm>

namespace quib {

int readmaptiles(WorldMap &map, const RomFile &rom, int world)
{
    return walkmaptiles(rom, rom::mapdatapos_of(world),
                        [&](int64_t, uint8_t tile, int row, int col) { map.maptiles[row][col] = tile; });
}

void readmapsprites(WorldMap &map, const RomFile &rom, int world)
{
    // The warp world reads none: none of another world's stay behind.
    map.sprites = readsprites(rom, world);
}

void readmapptrs(WorldMap &map, const RomFile &rom, int world)
{
    const int64_t base = rom::mapptrpos_of(world);
    const int n = ptrcountof(rom.readbyte(base));
    map.pointers.clear();
    for (int i = 0; i < n; ++i)
        map.pointers.push_back(decodeptr(readptrbytes(rom, base, n, i)));
    map.selptr = 0;
}

QString maptitle(int world)
{
    return QStringLiteral("Quib editor -- World ") + QString::number(world);
}

void loadmap(const Rom &source, int world, WorldMap &map, Graphics &gfx, ViewSize view)
{
    map.selptr = 0;
    map.selsprite = 0;
    int n = 0;
    {
        RomFile rom(source);
        n = readmaptiles(map, rom, world);
        readmapsprites(map, rom, world);
        rom.close();
    }
    // A world has at least one screen, even when its data starts with the end marker.
    map.mapmaxscroll = uint8_t(n / screenbytes >= 1 ? 16 * (n / screenbytes) - 16 : 0);
    map.mapscroll = uint8_t(std::min<int>(map.mapscroll, mapscrollmax(map, view)));
    colormap(gfx, source, world);
    {
        RomFile rom(source);
        readmapptrs(map, rom, world);
        rom.close();
    }
    clampcursor(map, view);
}

} // namespace quib

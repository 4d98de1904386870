#include "worldmap/loadmap.h"

#include "editor/editorstate.h"
#include "editor/romfile.h"
#include "editor/romlayout.h"

#include <algorithm>

namespace quib {

int readmaptiles(WorldMap &map, const RomFile &rom, int world)
{
    // Data that runs on past eight screens without its end marker stops at
    // the end of the eighth: nothing is stored outside maptiles.
    const int64_t start = rom::mapdatapos_of(world);
    constexpr int room = maxscreens * screenbytes;
    for (int k = 0; k < room; ++k) {
        const uint8_t b = rom.readbyte(start + k);
        if (b == 0xFF)
            return k + 1;
        map.maptiles[(k / 16) % maprows][(k % 16) + 16 * (k / screenbytes)] = b;
    }
    return rom.readbyte(start + room) == 0xFF ? room + 1 : room;
}

void readmapsprites(WorldMap &map, const RomFile &rom, int world)
{
    if (world >= 9) {
        // World 9 has no map sprites: none of another world's stay behind.
        map.spry = {};
        map.sprx = {};
        map.sprtype = {};
        map.spritem = {};
        return;
    }
    int64_t table[rom::mapspritefields + 1];
    for (int k = 1; k <= rom::mapspritefields; ++k)
        table[k] = rom::ptrtooffset(rom.readword(rom::mapspriteptrpos(k, world)), rom::mapdataadder);
    for (int j = 0; j < rom::mapspritecount; ++j) {
        map.spry[size_t(j)] = rom.readbyte(table[1] + j);
        map.sprx[size_t(j)] = int16_t(rom.readbyte(table[2] + j) * 256 + rom.readbyte(table[3] + j));
        map.sprtype[size_t(j)] = rom.readbyte(table[4] + j);
        map.spritem[size_t(j)] = rom.readbyte(table[5] + j);
    }
}

void readmapptrs(WorldMap &map, const RomFile &rom, int world)
{
    const int64_t base = rom::mapptrpos_of(world);
    int n = rom.readbyte(base);
    if (n == 35)
        n = 41;
    map.ptrcount = n;
    for (int i = 0; i < n; ++i) {
        const uint8_t b = rom.readbyte(base + 1 + i);
        // A row nibble of 0 or 1 would be above the map: keep such an entry
        // on row 0 so drawing and saving stay in range.
        map.ptrrow[size_t(i)] = uint8_t(b / 16 >= 2 ? b / 16 - 2 : 0);
        map.ptrrawrow[size_t(i)] = uint8_t(b / 16 >= 2 ? 0xFF : b / 16);
        map.ptrobjset[size_t(i)] = b % 16;
        map.ptrcol[size_t(i)] = rom.readbyte(base + 1 + n + i);
        map.ptrenmpos[size_t(i)] = int32_t(rom::ptrtooffset(rom.readword(base + 1 + 2 * n + 2 * i), rom::enemydataadder));
        map.ptrobjpos[size_t(i)] =
            int32_t(rom::ptrtooffset(rom.readword(base + 1 + 4 * n + 2 * i), rom::objadder(b % 16)));
    }
    map.selptr = 0;
}

QString maptitle(int world)
{
    return QStringLiteral("Quib editor -- World ") + QString::number(world);
}

void loadmap(EditorState &state)
{
    WorldMap &map = state.map;
    map.selptr = 0;
    map.selsprite = 0;
    int n = 0;
    {
        RomFile rom(state.romfile);
        n = readmaptiles(map, rom, state.curworld);
        readmapsprites(map, rom, state.curworld);
        rom.close();
    }
    // A world has at least one screen, even when its data starts with the end marker.
    map.mapmaxscroll = uint8_t(n / screenbytes >= 1 ? 16 * (n / screenbytes) - 16 : 0);
    if (map.mapscroll > map.mapmaxscroll)
        map.mapscroll = map.mapmaxscroll;
    colormap(state.gfx, state.romfile, state.curworld);
    {
        RomFile rom(state.romfile);
        readmapptrs(map, rom, state.curworld);
        rom.close();
    }
    clampcursor(map);
}

void changeworld(EditorState &state, int world)
{
    state.curworld = uint8_t(std::clamp(world, 1, 9));
    state.map.mapscroll = 0;
    loadmap(state);
}

} // namespace quib

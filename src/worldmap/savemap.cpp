#include "worldmap/savemap.h"

#include "editor/editorstate.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "worldmap/maprecords.h"

namespace quib {

void savemap(RomFile &rom, const EditorState &s)
{
    const WorldMap &map = s.map;
    // Over the bytes loadmap read, and no further: the end marker stays
    // where it is, and a tile 0xFF is written as 0xFE so the data can't end
    // early.
    walkmaptiles(rom, rom::mapdatapos_of(s.curworld), [&](int64_t p, uint8_t, int row, int col) {
        const uint8_t tile = map.maptiles[row][col];
        rom.writebyte(p, tile == mapend ? 0xFE : tile);
    });
    if (s.curworld >= 9)
        return;
    const std::array<int64_t, 6> table = mapspritetables(rom, s.curworld);
    for (int j = 0; j < rom::mapspritecount; ++j) {
        const size_t i = size_t(j);
        rom.writebyte(table[1] + j, map.spry[i]);
        rom.writebyte(table[2] + j, uint8_t(uint16_t(map.sprx[i]) >> 8));
        rom.writebyte(table[3] + j, uint8_t(uint16_t(map.sprx[i]) & 0xFF));
        rom.writebyte(table[4] + j, map.sprtype[i]);
        rom.writebyte(table[5] + j, map.spritem[i]);
    }
}

void savemapptrs(RomFile &rom, EditorState &s)
{
    WorldMap &map = s.map;
    const int n = map.ptrcount;
    // Screen, then row, then column within the screen. An exchange sort, not
    // a stable one: the order it leaves pointers with equal keys in is the
    // order they are stored in, so it is kept as it is.
    auto key = [&](int i) {
        const int col = map.ptrcol[size_t(i)];
        return 10000 * (col / 16) + 100 * map.ptrrow[size_t(i)] + col % 16;
    };
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (key(i) > key(j)) {
                const MapPtr a = mapptr(map, i);
                setmapptr(map, i, mapptr(map, j));
                setmapptr(map, j, a);
            }
    const int64_t base = rom::mapptrpos_of(s.curworld);
    for (int i = 0; i < n; ++i)
        writeptrbytes(rom, base, n, i, encodeptr(mapptr(map, i)));
}

bool savemapmodes(EditorState &s, QString *error)
{
    const WorldMap before = s.map;
    RomFile rom(s.rom, RomFile::Mode::Write);
    savemap(rom, s);
    savemapptrs(rom, s);
    if (!rom.close()) {
        // Nothing was written: the pointers keep the order they had.
        s.map = before;
        if (error)
            *error = rom.error();
        return false;
    }
    return true;
}

} // namespace quib

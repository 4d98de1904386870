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
    writesprites(rom, s.curworld, map.sprites);
}

void savemapptrs(RomFile &rom, EditorState &s)
{
    WorldMap &map = s.map;
    sortmapptrs(map.pointers);
    const int64_t base = rom::mapptrpos_of(s.curworld);
    const int n = map.ptrcount();
    for (int i = 0; i < n; ++i)
        writeptrbytes(rom, base, n, i, encodeptr(map.pointers[size_t(i)]));
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

#include "worldmap/savemap.h"

#include "editor/editorstate.h"
#include "editor/romfile.h"
#include "editor/romlayout.h"

#include <utility>

namespace quib {

void savemap(RomFile &rom, const EditorState &s)
{
    const WorldMap &map = s.map;
    const int64_t start = rom::mapdatapos_of(s.curworld);
    // Walk the data as loadmap read it, and stop where it stopped: at the end
    // marker, or after eight screens when there is none.
    for (int k = 0; k <= maxscreens * screenbytes; ++k) {
        const int64_t p = start + k;
        if (rom.readbyte(p) == 0xFF) {
            rom.writebyte(p, 0xFF);
            break;
        }
        if (k == maxscreens * screenbytes)
            break;
        const uint8_t tile = map.maptiles[(k / 16) % maprows][(k % 16) + 16 * (k / screenbytes)];
        rom.writebyte(p, tile == 0xFF ? 0xFE : tile);
    }
    if (s.curworld >= 9)
        return;
    int64_t table[rom::mapspritefields + 1];
    for (int k = 1; k <= rom::mapspritefields; ++k)
        table[k] = rom::ptrtooffset(rom.readword(rom::mapspriteptrpos(k, s.curworld)), rom::mapdataadder);
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
    auto key = [&](int i) {
        const int col = map.ptrcol[size_t(i)];
        return 10000 * (col / 16) + 100 * map.ptrrow[size_t(i)] + col % 16;
    };
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (key(i) > key(j)) {
                const size_t a = size_t(i), b = size_t(j);
                std::swap(map.ptrrow[a], map.ptrrow[b]);
                std::swap(map.ptrrawrow[a], map.ptrrawrow[b]);
                std::swap(map.ptrcol[a], map.ptrcol[b]);
                std::swap(map.ptrobjset[a], map.ptrobjset[b]);
                std::swap(map.ptrenmpos[a], map.ptrenmpos[b]);
                std::swap(map.ptrobjpos[a], map.ptrobjpos[b]);
            }
    const int64_t base = rom::mapptrpos_of(s.curworld);
    for (int i = 0; i < n; ++i) {
        const size_t e = size_t(i);
        const int nibble = map.ptrrawrow[e] < 2 && map.ptrrow[e] == 0 ? map.ptrrawrow[e] : map.ptrrow[e] + 2;
        rom.writebyte(base + 1 + i, uint8_t(16 * nibble + (map.ptrobjset[e] & 15)));
        rom.writebyte(base + 1 + n + i, map.ptrcol[e]);
        rom.writeword(base + 1 + 2 * n + 2 * i, rom::offsettoptr(map.ptrenmpos[e], rom::enemydataadder));
        rom.writeword(base + 1 + 4 * n + 2 * i, rom::offsettoptr(map.ptrobjpos[e], rom::objadder(map.ptrobjset[e])));
    }
}

bool savemapmodes(EditorState &s, QString *error)
{
    const WorldMap before = s.map;
    RomFile rom(s.romfile, RomFile::Mode::Write);
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

#include "demorom/demorom.h"

#include "demorom/demolevels.h"
#include "demorom/demomapprops.h"
#include "demorom/demotables.h"
#include "demorom/demoworlds.h"
#include "rom/romlayout.h"
#include "graphics/pictures.h"
#include "worldmap/maprecords.h"

#include <stdexcept>

namespace quib::demo {

namespace {

// The map colour group byte of world w sits at 0x1842C + w.
constexpr int64_t mappalettes = 0x1842C;

int64_t room(const std::array<int32_t, 9> &starts, int world, int64_t end)
{
    const int64_t next = world < 9 ? starts[size_t(world)] : end;
    return next - starts[size_t(world - 1)];
}

} // namespace

void putworldmaps(RomImage &rom)
{
    for (int world = 1; world <= rom::worldcount; ++world) {
        const DemoWorld &w = demoworlds()[size_t(world - 1)];
        const int64_t start = rom::mapdatapos[size_t(world - 1)];
        const int64_t length = 144 * w.screens + 1;
        if (length > room(rom::mapdatapos, world, rom::mapptrpos[0]))
            throw std::length_error("demo world does not fit its map data room");
        for (int k = 0; k < length - 1; ++k) {
            const MapSquare sq = mapsquare(k);
            rom.put(start + k, demotile(w, sq.row, sq.col));
        }
        rom.put(start + length - 1, mapend);
        rom.put(mappalettes + world, w.palette);
    }
}

void putmappointers(RomImage &rom)
{
    for (int world = 1; world <= rom::worldcount; ++world) {
        const std::vector<DemoPointer> ptrs = demopointers(world);
        const int n = int(ptrs.size());
        const int64_t base = rom::mapptrpos[size_t(world - 1)];
        if (ptrcountof(uint8_t(n)) != n || (world < 9 && 1 + 6 * n > room(rom::mapptrpos, world, 0)))
            throw std::length_error("demo pointer table does not fit");
        rom.put(base, uint8_t(n));
        for (int i = 0; i < n; ++i) {
            const DemoPointer &p = ptrs[size_t(i)];
            const AreaRef area = demolevelfor(world, i, p.objset);
            MapPtr m;
            m.row = uint8_t(p.row);
            m.col = uint8_t(p.col);
            m.objset = uint8_t(p.objset);
            m.enmpos = int32_t(area.enmpos);
            m.objpos = int32_t(area.objpos);
            const PtrBytes b = encodeptr(m);
            rom.put(ptrrowpos(base, n, i), b.rowset);
            rom.put(ptrcolpos(base, n, i), b.col);
            rom.putword(ptrenmpos_at(base, n, i), b.enmword);
            rom.putword(ptrobjpos_at(base, n, i), b.objword);
        }
    }
}

void putmapsprites(RomImage &rom)
{
    for (int world = 1; !iswarpworld(world); ++world) {
        const std::array<DemoSprite, 9> sprites = demosprites(world);
        for (int field = 1; field <= rom::mapspritefields; ++field) {
            const int64_t table = spritetables + 45 * (world - 1) + 9 * (field - 1);
            rom.putptr(rom::mapspriteptrpos(field, world), table, rom::mapdataadder);
            for (int j = 0; j < rom::mapspritecount; ++j) {
                const DemoSprite &s = sprites[size_t(j)];
                // No sprite: all five bytes 0.
                const MapSprite sprite = s.type == 0 ? MapSprite{}
                                                     : MapSprite{uint8_t(32 + 16 * s.row), int16_t(16 * s.col),
                                                                 uint8_t(s.type), uint8_t(s.item)};
                rom.put(table + j, encodesprite(sprite)[size_t(field - 1)]);
            }
        }
    }
}

void putmappalettes(RomImage &rom)
{
    // The world map is coloured from object set 0's record: worlds 1..8 use
    // its level groups 0..7, world 9 its enemy group 1 (the map's group
    // number runs on past the eight level groups); the map sprites use
    // enemy group 0.
    for (int world = 1; world <= rom::worldcount; ++world) {
        const uint8_t g = demoworlds()[size_t(world - 1)].palette;
        const std::array<uint8_t, 16> group = pictures::mapcolourgroup(world);
        rom.putbytes(rom::palgroup(0, g), std::vector<uint8_t>(group.begin(), group.end()));
    }
    const std::array<uint8_t, 16> sprites = pictures::mapspritegroup();
    rom.putbytes(rom::enmpalgroup(0, 0), std::vector<uint8_t>(sprites.begin(), sprites.end()));
}

RomImage builddemorom()
{
    RomImage rom;
    putmappalettes(rom);
    putlevels(rom);
    putworldmaps(rom);
    putmappointers(rom);
    putmapsprites(rom);
    putstartpoints(rom);
    putmapproperties(rom);
    putgametables(rom);
    return rom;
}

} // namespace quib::demo

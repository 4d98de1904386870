#include "worldmap/maprecords.h"

#include "rom/romlayout.h"

#include <utility>

namespace quib {

MapPtr decodeptr(const PtrBytes &b)
{
    MapPtr p;
    const int nibble = b.rowset >> 4;
    p.row = uint8_t(nibble >= 2 ? nibble - 2 : 0);
    p.rawrow = uint8_t(nibble >= 2 ? 0xFF : nibble);
    p.objset = b.rowset & 0x0F;
    p.col = b.col;
    p.enmpos = int32_t(rom::ptrtooffset(b.enmword, rom::enemydataadder));
    p.objpos = int32_t(rom::ptrtooffset(b.objword, rom::objadder(p.objset)));
    return p;
}

PtrBytes encodeptr(const MapPtr &p)
{
    const int nibble = p.rawrow < 2 && p.row == 0 ? p.rawrow : p.row + 2;
    PtrBytes b;
    b.rowset = uint8_t(16 * nibble + (p.objset & 0x0F));
    b.col = p.col;
    b.enmword = rom::offsettoptr(p.enmpos, rom::enemydataadder);
    b.objword = rom::offsettoptr(p.objpos, rom::objadder(p.objset));
    return b;
}

PtrBytes readptrbytes(const RomFile &rom, int64_t base, int n, int i)
{
    return ptrbytesfrom([&](int64_t at) { return rom.readbyte(at); }, base, n, i);
}

void writeptrbytes(RomFile &rom, int64_t base, int n, int i, const PtrBytes &b)
{
    rom.writebyte(ptrrowpos(base, n, i), b.rowset);
    rom.writebyte(ptrcolpos(base, n, i), b.col);
    rom.writeword(ptrenmpos_at(base, n, i), b.enmword);
    rom.writeword(ptrobjpos_at(base, n, i), b.objword);
}

void sortmapptrs(std::vector<MapPtr> &pointers)
{
    // Not std::stable_sort: for i, every later entry with a smaller key is
    // exchanged with entry i, which moves entries with equal keys past
    // each other in a way no stable sort reproduces.
    for (size_t i = 0; i < pointers.size(); ++i)
        for (size_t j = i + 1; j < pointers.size(); ++j)
            if (ptrsortkey(pointers[i]) > ptrsortkey(pointers[j]))
                std::swap(pointers[i], pointers[j]);
}

std::array<int64_t, 6> mapspritetables(const RomFile &rom, int world)
{
    std::array<int64_t, 6> table{};
    for (int k = 1; k <= rom::mapspritefields; ++k)
        table[size_t(k)] = rom::ptrtooffset(rom.readword(rom::mapspriteptrpos(k, world)), rom::mapdataadder);
    return table;
}

std::array<MapSprite, mapspritecount> readsprites(const RomFile &rom, int world)
{
    std::array<MapSprite, mapspritecount> sprites{};
    if (iswarpworld(world))
        return sprites;
    const std::array<int64_t, 6> table = mapspritetables(rom, world);
    for (int j = 0; j < mapspritecount; ++j) {
        SpriteBytes b;
        for (int k = 0; k < rom::mapspritefields; ++k)
            b[size_t(k)] = rom.readbyte(table[size_t(k + 1)] + j);
        sprites[size_t(j)] = decodesprite(b);
    }
    return sprites;
}

void writesprites(RomFile &rom, int world, const std::array<MapSprite, mapspritecount> &sprites)
{
    if (iswarpworld(world))
        return;
    const std::array<int64_t, 6> table = mapspritetables(rom, world);
    for (int j = 0; j < mapspritecount; ++j) {
        const SpriteBytes b = encodesprite(sprites[size_t(j)]);
        for (int k = 0; k < rom::mapspritefields; ++k)
            rom.writebyte(table[size_t(k + 1)] + j, b[size_t(k)]);
    }
}

} // namespace quib

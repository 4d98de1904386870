#include "worldmap/maprecords.h"

#include "rom/romlayout.h"

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
    PtrBytes b;
    b.rowset = rom.readbyte(ptrrowpos(base, n, i));
    b.col = rom.readbyte(ptrcolpos(base, n, i));
    b.enmword = rom.readword(ptrenmpos_at(base, n, i));
    b.objword = rom.readword(ptrobjpos_at(base, n, i));
    return b;
}

void writeptrbytes(RomFile &rom, int64_t base, int n, int i, const PtrBytes &b)
{
    rom.writebyte(ptrrowpos(base, n, i), b.rowset);
    rom.writebyte(ptrcolpos(base, n, i), b.col);
    rom.writeword(ptrenmpos_at(base, n, i), b.enmword);
    rom.writeword(ptrobjpos_at(base, n, i), b.objword);
}

MapPtr mapptr(const WorldMap &map, int i)
{
    const size_t k = size_t(i);
    return {map.ptrrow[k], map.ptrcol[k], map.ptrobjset[k], map.ptrrawrow[k], map.ptrenmpos[k], map.ptrobjpos[k]};
}

void setmapptr(WorldMap &map, int i, const MapPtr &p)
{
    const size_t k = size_t(i);
    map.ptrrow[k] = p.row;
    map.ptrcol[k] = p.col;
    map.ptrobjset[k] = p.objset;
    map.ptrrawrow[k] = p.rawrow;
    map.ptrenmpos[k] = p.enmpos;
    map.ptrobjpos[k] = p.objpos;
}

std::array<int64_t, 6> mapspritetables(const RomFile &rom, int world)
{
    std::array<int64_t, 6> table{};
    for (int k = 1; k <= rom::mapspritefields; ++k)
        table[size_t(k)] = rom::ptrtooffset(rom.readword(rom::mapspriteptrpos(k, world)), rom::mapdataadder);
    return table;
}

} // namespace quib

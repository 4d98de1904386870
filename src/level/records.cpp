#include "level/records.h"

#include "rom/romfile.h"
#include "tables/objprops.h"

#include <algorithm>

namespace quib {

// ---- Header -------------------------------------------------------------------

HdrLink hdrlink(const LevelHeader &h)
{
    HdrLink l;
    l.objptr = uint16_t(h[hdrlinkobj] | h[hdrlinkobj + 1] << 8);
    l.enmptr = uint16_t(h[hdrlinkenm] | h[hdrlinkenm + 1] << 8);
    l.objset = hdrfield(h, HdrField::LinkSet);
    return l;
}

void sethdrlink(LevelHeader &h, const HdrLink &link)
{
    h[hdrlinkobj] = uint8_t(link.objptr & 0xFF);
    h[hdrlinkobj + 1] = uint8_t(link.objptr >> 8);
    h[hdrlinkenm] = uint8_t(link.enmptr & 0xFF);
    h[hdrlinkenm + 1] = uint8_t(link.enmptr >> 8);
    sethdrfield(h, HdrField::LinkSet, link.objset);
}

LevelHeader readheader(const RomFile &rom, int64_t objpos)
{
    LevelHeader h{};
    for (int k = 0; k < hdrsize; ++k)
        h[size_t(k)] = rom.readbyte(objpos + k);
    return h;
}

void writeheader(RomFile &rom, int64_t objpos, const LevelHeader &h)
{
    for (int k = 0; k < hdrsize; ++k)
        rom.writebyte(objpos + k, h[size_t(k)]);
}

// ---- Object records -----------------------------------------------------------

bool sameobject(const ObjRecord &a, const ObjRecord &b)
{
    return a.x == b.x && a.y == b.y && a.bank == b.bank && a.type == b.type && a.four == b.four
           && (!a.four || a.len == b.len);
}

ObjRecord decodeobj(const ObjBytes &raw, bool vertical)
{
    ObjRecord o;
    o.raw = raw;
    o.bank = recordbank(raw.b[0]);
    o.y = recordrow(raw.b[0]);
    o.x = raw.b[1];
    o.type = raw.b[2];
    o.four = raw.size == 4;
    o.len = o.four ? raw.b[3] : 0;
    if (vertical) {
        o.y = verticalrow(o.x, o.y);
        o.x = verticalcol(o.x);
    }
    return o;
}

ObjBytes encodeobj(const ObjRecord &o, bool vertical)
{
    int col = o.x, row = o.y;
    if (vertical) {
        row = std::min(row, lastverticalrow);
        col = (o.x & 0x0F) + 16 * (row / screenrows);
        row %= screenrows;
    }
    ObjBytes raw;
    raw.b = {uint8_t((o.bank & 7) << 5 | (row & 0x1F)), uint8_t(col), o.type, o.four ? o.len : uint8_t(0)};
    raw.size = o.four ? 4 : 3;
    return raw;
}

ObjBytes saveobjbytes(const ObjRecord &o, bool vertical)
{
    if (o.raw.size != 0 && sameobject(decodeobj(o.raw, vertical), o))
        return o.raw;
    return encodeobj(o, vertical);
}

ObjBytes readobjbytes(const RomFile &rom, int64_t at, const ObjProps &props, int objset)
{
    ObjBytes raw;
    raw.b[0] = rom.readbyte(at);
    if (raw.b[0] == streamend)
        return raw;
    raw.b[1] = rom.readbyte(at + 1);
    raw.b[2] = rom.readbyte(at + 2);
    raw.size = 3;
    if (props.four(objset, recordbank(raw.b[0]), raw.b[2])) {
        raw.b[3] = rom.readbyte(at + 3);
        raw.size = 4;
    }
    return raw;
}

void writeobjbytes(RomFile &rom, int64_t at, const ObjBytes &raw)
{
    for (int k = 0; k < raw.size; ++k)
        rom.writebyte(at + k, raw.b[size_t(k)]);
}

// ---- Enemy records ------------------------------------------------------------

EnemyBytes readenemybytes(const RomFile &rom, int64_t at)
{
    return {rom.readbyte(at), rom.readbyte(at + 1), rom.readbyte(at + 2)};
}

void writeenemybytes(RomFile &rom, int64_t at, const EnemyBytes &b)
{
    for (int k = 0; k < enemyrecordsize; ++k)
        rom.writebyte(at + k, b[size_t(k)]);
}

} // namespace quib

#pragma once
// The world map's records, byte for byte, and the one decoder and one
// encoder of each that loadmap, Save and the demo ROM builder share.
//
// Map tile data (world w from mapdatapos[w]): screens of 144 bytes, 9 rows
// of 16 tile bytes from the top, screens left to right, ended by one 0xFF.
// Byte k is the square of row (k / 16) % 9, column (k % 16) + 16 (k / 144).
// A world has one to eight screens; data running on past eight screens
// without its end marker is read and written up to the end of the eighth.
//
// Map pointer table (world w at base = mapptrpos[w], n pointers):
//   base                1 byte    n; a stored 35 is read as 41, and the table
//                                 is then laid out for 41 entries. Never written.
//   base + 1 + i        n bytes   high nibble map row + 2, low nibble object set
//                                 (world 9: destination world - 1)
//   base + 1 + n + i    n bytes   map column, 16 * screen + column in the screen
//   base + 1 + 2n + 2i  n words   enemy data pointer (file offset = word + 0x10)
//   base + 1 + 4n + 2i  n words   object data pointer (+ 0x10 + objsetbase[set])
//
// Map sprites (worlds 1..8): five 9-byte tables, one per field, each reached
// through the map data pointer at 0x16010 + 16 k + 2 (w - 1), k = 1..5:
//   1 Y in pixels, 2 X high byte, 3 X low byte, 4 type (0 none), 5 item given.
#include "rom/romfile.h"
#include "rom/romlayout.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quib {

constexpr int maprows = 9;
constexpr int mapcols = 128;
constexpr int screenbytes = 144;
constexpr int maxscreens = 8;

// World 9 is the warp world: the object set nibble of its pointers is the
// world they lead to, minus 1, and it has no map sprites.
constexpr bool iswarpworld(int world) { return world >= 9; }

// ---- Map tile data ------------------------------------------------------------
constexpr uint8_t mapend = 0xFF;
constexpr int maproom = maxscreens * screenbytes; // eight screens of tile bytes

struct MapSquare {
    int row, col;
};
constexpr MapSquare mapsquare(int k) { return {(k / 16) % maprows, (k % 16) + 16 * (k / screenbytes)}; }

// The walk over a world's tile data as stored: visit(position, byte, row,
// column) for each tile byte, stopping at the end marker or after eight
// screens. Returns the number of bytes the data takes, the end marker
// included (eight screens without a marker after them: 1152).
template <class Visit> int walkmaptiles(const RomFile &rom, int64_t start, Visit &&visit);

// ---- Map pointers -------------------------------------------------------------
// The number of entries a stored count byte gives.
constexpr int ptrcountof(uint8_t stored) { return stored == 35 ? 41 : stored; }

// Positions of entry i's fields in a table of n entries at base.
constexpr int64_t ptrrowpos(int64_t base, int, int i) { return base + 1 + i; }
constexpr int64_t ptrcolpos(int64_t base, int n, int i) { return base + 1 + n + i; }
constexpr int64_t ptrenmpos_at(int64_t base, int n, int i) { return base + 1 + 2 * n + 2 * i; }
constexpr int64_t ptrobjpos_at(int64_t base, int n, int i) { return base + 1 + 4 * n + 2 * i; }

// An entry as stored.
struct PtrBytes {
    uint8_t rowset = 0; // row nibble, object set nibble
    uint8_t col = 0;
    uint16_t enmword = 0;
    uint16_t objword = 0;
};

// An entry as the editor holds it. A row nibble of 0 or 1 (above the map)
// is held as row 0 with the nibble kept in rawrow (else 0xFF): it is stored
// again while the row stays 0, so an untouched odd byte goes back as it was.
struct MapPtr {
    uint8_t row = 0;
    uint8_t col = 0;
    uint8_t objset = 0; // the warp world: destination world - 1
    uint8_t rawrow = 0xFF;
    int32_t enmpos = 0; // file offsets
    int32_t objpos = 0;
    bool operator==(const MapPtr &) const = default;
};

MapPtr decodeptr(const PtrBytes &b);
PtrBytes encodeptr(const MapPtr &p);

// Entry i of a table of n pointers at `base`, read through `byteat`
// (offset -> byte); words low byte first.
template <class ByteAt>
PtrBytes ptrbytesfrom(const ByteAt &byteat, int64_t base, int n, int i)
{
    const auto word = [&](int64_t p) { return uint16_t(byteat(p) | byteat(p + 1) << 8); };
    PtrBytes b;
    b.rowset = byteat(ptrrowpos(base, n, i));
    b.col = byteat(ptrcolpos(base, n, i));
    b.enmword = word(ptrenmpos_at(base, n, i));
    b.objword = word(ptrobjpos_at(base, n, i));
    return b;
}
PtrBytes readptrbytes(const RomFile &rom, int64_t base, int n, int i);
void writeptrbytes(RomFile &rom, int64_t base, int n, int i, const PtrBytes &b);

// Save's order of the pointers: screen, then row, then column within the
// screen. Save has always sorted them with an exchange sort, which is not
// stable: pointers on the same square end in the order it leaves them, and
// that order is what gets stored, so sortmapptrs keeps exactly that sort.
constexpr int ptrsortkey(const MapPtr &p) { return 10000 * (p.col / 16) + 100 * p.row + p.col % 16; }
void sortmapptrs(std::vector<MapPtr> &pointers);

// ---- Map sprites --------------------------------------------------------------
using rom::mapspritecount; // sprites of a world

// A sprite as the editor holds it: byte j of each of the five tables.
struct MapSprite {
    uint8_t y = 0;    // table 1: pixels; map row r is y 32 + 16 r .. 47 + 16 r
    int16_t x = 0;    // tables 2 and 3: high byte, low byte; pixels
    uint8_t type = 0; // table 4: 0 none
    uint8_t item = 0; // table 5: item given
    bool operator==(const MapSprite &) const = default;
};
using SpriteBytes = std::array<uint8_t, 5>; // byte j of tables 1..5

constexpr MapSprite decodesprite(const SpriteBytes &b)
{
    return {b[0], int16_t(b[1] * 256 + b[2]), b[3], b[4]};
}
constexpr SpriteBytes encodesprite(const MapSprite &s)
{
    return {s.y, uint8_t(uint16_t(s.x) >> 8), uint8_t(uint16_t(s.x) & 0xFF), s.type, s.item};
}

// File offsets of the five field tables of a world 1..8, index 1..5 (index 0
// unused), read from the map sprite pointer table.
std::array<int64_t, 6> mapspritetables(const RomFile &rom, int world);
// The nine sprites of a world, read and written through its five tables;
// the warp world has none (all zero) and writes none.
std::array<MapSprite, mapspritecount> readsprites(const RomFile &rom, int world);
void writesprites(RomFile &rom, int world, const std::array<MapSprite, mapspritecount> &sprites);

// ---- The walk -----------------------------------------------------------------
template <class Visit> int walkmaptiles(const RomFile &rom, int64_t start, Visit &&visit)
{
    for (int k = 0; k < maproom; ++k) {
        const int64_t p = start + k;
        const uint8_t b = rom.readbyte(p);
        if (b == mapend)
            return k + 1;
        const MapSquare sq = mapsquare(k);
        visit(p, b, sq.row, sq.col);
    }
    return rom.readbyte(start + maproom) == mapend ? maproom + 1 : maproom;
}

} // namespace quib

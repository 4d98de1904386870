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
#include "worldmap/worldmap.h"

#include <array>
#include <cstdint>

namespace quib {

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

// An entry as the editor holds it (ptrrow, ptrcol, ptrobjset, ptrenmpos,
// ptrobjpos, ptrrawrow). A row nibble of 0 or 1 (above the map) is held as
// row 0 with the nibble kept in rawrow (else 0xFF): it is stored again while
// the row stays 0, so an untouched odd byte goes back as it was.
struct MapPtr {
    uint8_t row = 0;
    uint8_t col = 0;
    uint8_t objset = 0;
    uint8_t rawrow = 0xFF;
    int32_t enmpos = 0;
    int32_t objpos = 0;
};

MapPtr decodeptr(const PtrBytes &b);
PtrBytes encodeptr(const MapPtr &p);

PtrBytes readptrbytes(const RomFile &rom, int64_t base, int n, int i);
void writeptrbytes(RomFile &rom, int64_t base, int n, int i, const PtrBytes &b);

MapPtr mapptr(const WorldMap &map, int i);
void setmapptr(WorldMap &map, int i, const MapPtr &p);

// ---- Map sprites --------------------------------------------------------------
// File offsets of the five field tables of a world 1..8, index 1..5 (index 0
// unused), read from the map sprite pointer table.
std::array<int64_t, 6> mapspritetables(const RomFile &rom, int world);

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

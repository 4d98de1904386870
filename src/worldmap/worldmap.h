#pragma once
// The world map of the current world: its tiles, pointers and sprites.
//
// Map tile data in the ROM (world w from mapdatapos[w]): screens of 144 bytes,
// 9 rows of 16 tile bytes from the top, screens left to right, ended by one
// 0xFF. Byte k is row (k / 16) % 9, column (k % 16) + 16 (k / 144). A world
// has one to eight screens.
//
// Map pointer table (world w at base = mapptrpos[w], n pointers):
//   base              1 byte   n (a stored 35 is read as 41)
//   base + 1 + i      n bytes  high nibble: map row + 2; low nibble: object set
//                              (world 9: destination world - 1)
//   base + 1 + n + i  n bytes  map column, 16 * screen + column in the screen
//   base + 1 + 2n + 2i n words enemy data pointer (file offset = word + 0x10)
//   base + 1 + 4n + 2i n words object data pointer (+ 0x10 + objsetbase[set])
//
// Map sprites (worlds 1..8): five 9-byte tables, one per field, each reached
// through a map data pointer at 0x16010 + 16 k + 2 (w - 1), k = 1..5:
// Y, X high byte, X low byte, type (0 none, 1..16 a figure), item given.
#include <array>
#include <cstdint>

namespace quib {

constexpr int maprows = 9;
constexpr int mapcols = 128;
constexpr int screenbytes = 144;
constexpr int maxscreens = 8;

// What Save writes: the tiles, pointers and sprites of the loaded world.
// Two documents compare equal when Save would write the same bytes from them
// (the scroll and the selections are not part of it).
struct MapDocument {
    uint8_t maptiles[maprows][mapcols]{};
    uint8_t mapmaxscroll = 0; // 16 * (screens - 1), fixed by the data read

    // Map pointers, ptrcount of them.
    int ptrcount = 0; // 0..255 (a stored 35 reads as 41)
    std::array<uint8_t, 256> ptrrow{};
    std::array<uint8_t, 256> ptrcol{};
    std::array<uint8_t, 256> ptrobjset{};
    std::array<int32_t, 256> ptrenmpos{};
    std::array<int32_t, 256> ptrobjpos{};
    // The row nibble as stored when it was 0 or 1 (a row above the map, shown
    // on row 0), else 0xFF. Saving writes it back unchanged until the
    // pointer's row is edited, so an untouched odd byte stays as it was.
    std::array<uint8_t, 256> ptrrawrow{};

    // The nine map sprites.
    std::array<uint8_t, 9> spry{};
    std::array<int16_t, 9> sprx{};
    std::array<uint8_t, 9> sprtype{};
    std::array<uint8_t, 9> spritem{};

    int width() const { return mapmaxscroll + 16; } // columns
    bool operator==(const MapDocument &) const = default;
};

// Where the user looks and what is selected: never saved.
struct MapView {
    uint8_t mapscroll = 0;    // first shown column, 0..mapmaxscroll
    uint8_t mapcurcol = 0;    // map editing cursor, absolute column
    uint8_t mapcurrow = 0;
    uint8_t selptr = 0;
    uint8_t selsprite = 0;    // 0..8
};

// The loaded world: its document and the view on it.
struct WorldMap : MapDocument, MapView {
    MapDocument &document() { return *this; }
    const MapDocument &document() const { return *this; }
    MapView &view() { return *this; }
    const MapView &view() const { return *this; }
};

// In map editing mode the cursor stays inside the shown window of the map:
// scrolling drags it along.
void clampcursor(WorldMap &map);

} // namespace quib

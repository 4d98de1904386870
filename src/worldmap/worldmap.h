#pragma once
// The world map of the current world: its tiles, pointers and sprites. The
// ROM formats of all three are described in worldmap/maprecords.h.
#include <array>
#include <cstdint>

namespace quib {

constexpr int maprows = 9;
constexpr int mapcols = 128;
constexpr int screenbytes = 144;
constexpr int maxscreens = 8;

struct WorldMap {
    uint8_t maptiles[maprows][mapcols]{};
    uint8_t mapscroll = 0;    // first shown column, 0..mapmaxscroll
    uint8_t mapmaxscroll = 0; // 16 * (screens - 1)
    uint8_t mapcurcol = 0;    // map editing cursor, absolute column
    uint8_t mapcurrow = 0;
    uint8_t selptr = 0;
    uint8_t selsprite = 0;    // 0..8

    // Map pointers, ptrcount of them.
    int ptrcount = 0; // 0..255 (a stored 35 reads as 41)
    std::array<uint8_t, 256> ptrrow{};
    std::array<uint8_t, 256> ptrcol{};
    std::array<uint8_t, 256> ptrobjset{};
    std::array<int32_t, 256> ptrenmpos{};
    std::array<int32_t, 256> ptrobjpos{};
    // The row nibble as stored when it was 0 or 1 (a row above the map, shown
    // on row 0), else 0xFF: see MapPtr in worldmap/maprecords.h.
    std::array<uint8_t, 256> ptrrawrow{};

    // The nine map sprites.
    std::array<uint8_t, 9> spry{};
    std::array<int16_t, 9> sprx{};
    std::array<uint8_t, 9> sprtype{};
    std::array<uint8_t, 9> spritem{};

    int width() const { return mapmaxscroll + 16; } // columns
};

} // namespace quib

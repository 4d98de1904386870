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
    // on row 0), else 0xFF: see MapPtr in worldmap/maprecords.h.
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

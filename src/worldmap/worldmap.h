#pragma once
// The world map of the current world: its tiles, pointers and sprites. The
// ROM formats of all three are described in worldmap/maprecords.h.
#include "graphics/drawoptions.h"
#include "worldmap/maprecords.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quib {

// What Save writes: the tiles, pointers and sprites of the loaded world.
// Two documents compare equal when Save would write the same bytes from them
// (the scroll and the selections are not part of it).
struct MapDocument {
    uint8_t maptiles[maprows][mapcols]{};
    uint8_t mapmaxscroll = 0; // 16 * (screens - 1), fixed by the data read

    // The map pointers in table order, 0..255 of them (a stored 35 reads as 41).
    std::vector<MapPtr> pointers;
    // The nine map sprites (all zero in the warp world, which has none).
    std::array<MapSprite, mapspritecount> sprites{};

    int ptrcount() const { return int(pointers.size()); }
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
    // The selected pointer; none in a world without pointers.
    MapPtr *selectedpointer() { return selptr < pointers.size() ? &pointers[selptr] : nullptr; }
    const MapPtr *selectedpointer() const { return selptr < pointers.size() ? &pointers[selptr] : nullptr; }
    MapSprite &selectedsprite() { return sprites[selsprite % mapspritecount]; }
    const MapSprite &selectedsprite() const { return sprites[selsprite % mapspritecount]; }
    MapDocument &document() { return *this; }
    const MapDocument &document() const { return *this; }
    MapView &view() { return *this; }
    const MapView &view() const { return *this; }
};

// The columns a view of `view` blocks shows of the map (no more than the
// world has), and the last first column it may scroll to: the world's last
// columns at the view's right edge (mapmaxscroll for a view of 16).
int mapviewcols(const MapDocument &map, ViewSize view);
int mapscrollmax(const MapDocument &map, ViewSize view);

// In map editing mode the cursor stays inside the shown window of the map:
// scrolling drags it along.
void clampcursor(WorldMap &map, ViewSize view = {});

} // namespace quib

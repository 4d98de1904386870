#pragma once
#include "graphics/drawoptions.h"

#include <QString>

namespace quib {

struct Graphics;
struct WorldMap;
class Rom;
class RomFile;

// Loads world `world` whole (tiles, sprites, pointers) into `map` and
// recolours the map pictures of `gfx`; the scroll and the cursor stay in the
// world for a view of `view` blocks. Nothing is drawn.
void loadmap(const Rom &rom, int world, WorldMap &map, Graphics &gfx, ViewSize view = {});

// The pieces of loadmap that read the ROM, for the renderer and the tests.
// Returns the number of bytes read, the end marker included.
int readmaptiles(WorldMap &map, const RomFile &rom, int world);
void readmapsprites(WorldMap &map, const RomFile &rom, int world);
void readmapptrs(WorldMap &map, const RomFile &rom, int world);

QString maptitle(int world);

} // namespace quib

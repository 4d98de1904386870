#pragma once
#include <QString>

namespace quib {

struct EditorState;
struct WorldMap;
class RomFile;

// Loads world `curworld` whole (tiles, sprites, pointers), recolours the map
// pictures and draws it; sets the window title.
void loadmap(EditorState &state);

// The pieces of loadmap that read the ROM, for the renderer and the tests.
// Returns the number of bytes read, the end marker included.
int readmaptiles(WorldMap &map, const RomFile &rom, int world);
void readmapsprites(WorldMap &map, const RomFile &rom, int world);
void readmapptrs(WorldMap &map, const RomFile &rom, int world);

QString maptitle(int world);

} // namespace quib

#pragma once
#include <QString>

namespace quib {

struct EditorState;
struct WorldMap;
class RomFile;

// Loads world `curworld` whole (tiles, sprites, pointers) and recolours the
// map pictures. Nothing is drawn.
void loadmap(EditorState &state);

// Page Up / Page Down: world 1..9 from its first column.
void changeworld(EditorState &state, int world);

// The pieces of loadmap that read the ROM, for the renderer and the tests.
// Returns the number of bytes read, the end marker included.
int readmaptiles(WorldMap &map, const RomFile &rom, int world);
void readmapsprites(WorldMap &map, const RomFile &rom, int world);
void readmapptrs(WorldMap &map, const RomFile &rom, int world);

QString maptitle(int world);

} // namespace quib

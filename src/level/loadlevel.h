#pragma once
// Loading a level area into the current-area state (see level/records.h for
// the stream formats).
#include "level/records.h"

#include <QString>
#include <cstdint>

namespace quib {

struct EditorState;
struct Level;
struct ObjProps;
struct WorldMap;
class RomFile;

// ---- Loading ----------------------------------------------------------------
// Reads the area at s.level.lvlobjpos / lvlenmpos of object set lvlobjset
// (masked to 0..15) into s.level, sets the window title, resets the
// selection, prepares the level's pattern sheets, object pictures and object
// palettes, and marks the level loaded. Object set 7 always takes its
// enemies from objset7enemies, which is stored as lvlenmpos.
void loadlevel(EditorState &s);

// The reading steps of loadlevel, for the renderer and the tests. Both reset
// their part of `lvl` first and stop at the end marker or after 255 records.
void readenemies(Level &lvl, const RomFile &rom);
// Header and objects, record lengths by props.is4byte of lvl.lvlobjset;
// objects of a vertical area are converted to absolute rows. Every object
// keeps the bytes it was read from.
void readobjects(Level &lvl, const RomFile &rom, const ObjProps &props);

// "Quib editor -- World 3", or "Quib editor -- World 3-4" when the map
// cursor stands on a level square (map tile 3..12 is level tile - 2).
QString leveltitle(const WorldMap &map, int world);

// ---- Linked area ------------------------------------------------------------
// The header's link (hdrlink) as file offsets. All four pointer bytes zero
// means there is no linked area.
struct LinkedArea {
    int32_t objpos = 0;
    int32_t enmpos = 0;
    int32_t objset = 0;
    bool haslink = false;
};
LinkedArea linkedarea(const Level &lvl);

} // namespace quib

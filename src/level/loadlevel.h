#pragma once
// Loading a level area into the current-area state (see level/records.h for
// the stream formats).
#include "level/records.h"

#include <QString>
#include <cstdint>

namespace quib {

struct Graphics;
struct Level;
struct ObjCells;
struct ObjProps;
struct WorldMap;
class Rom;
class RomFile;

// What loading an area reads and prepares besides the area itself: the ROM,
// the object tables, the pattern sheets and the object pictures of the
// area's object set. `defset` is the object set whose pictures objcells holds.
struct LevelContext {
    const Rom &rom;
    ObjProps &props;
    Graphics &gfx;
    ObjCells &objcells;
    int &defset;
};

// ---- Loading ----------------------------------------------------------------
// Reads the area at lvl.lvlobjpos / lvlenmpos of object set lvlobjset
// (masked to 0..15) into lvl, resets the selection, prepares the level's
// pattern sheets, object pictures and object palettes, and marks the level
// loaded. Object set 7 always takes its enemies from objset7enemies, which
// is stored as lvlenmpos.
void loadlevel(Level &lvl, const LevelContext &c);

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

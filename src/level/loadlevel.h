#pragma once
// Loading a level area into the current-area state (see level/level.h for
// the stream formats).
#include <QString>
#include <cstdint>

namespace quib {

struct EditorState;
struct Level;
struct ObjProps;
struct WorldMap;
class RomFile;

// ---- Stream records ---------------------------------------------------------
constexpr int hdrsize = 9;          // header bytes before the first object record
constexpr uint8_t streamend = 0xFF; // first byte of the record that ends a stream
constexpr int maxrecords = 255;     // objects or enemies read from one stream at most

// Object record byte 0: bank in bits 5..7, row in bits 0..4.
constexpr uint8_t recordbank(uint8_t b0) { return uint8_t(b0 >> 5); }
constexpr uint8_t recordrow(uint8_t b0) { return uint8_t(b0 & 0x1F); }
// Column byte of a record in a vertical area: screen in the high nibble,
// column 0..15 in the low one; a screen is 15 rows. The absolute row is cut
// at 255 (rows 16..31 of screen 15 have no place in a byte).
constexpr uint8_t verticalcol(uint8_t colbyte) { return uint8_t(colbyte & 0x0F); }
constexpr uint8_t verticalrow(uint8_t colbyte, uint8_t row)
{
    const int y = (colbyte >> 4) * 15 + row;
    return uint8_t(y > 255 ? 255 : y);
}

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
// objects of a vertical area are converted to absolute rows.
void readobjects(Level &lvl, const RomFile &rom, const ObjProps &props);

// "Quib editor -- World 3", or "Quib editor -- World 3-4" when the map
// cursor stands on a level square (map tile 3..12 is level tile - 2).
QString leveltitle(const WorldMap &map, int world);

// ---- Linked area ------------------------------------------------------------
// Header bytes 0..1 and 2..3 are the CPU pointers of the linked area's object
// and enemy streams, byte 6 bits 0..3 its object set. All four pointer bytes
// zero means there is no linked area.
struct LinkedArea {
    int32_t objpos = 0;
    int32_t enmpos = 0;
    int32_t objset = 0;
    bool haslink = false;
};
LinkedArea linkedarea(const Level &lvl);

} // namespace quib

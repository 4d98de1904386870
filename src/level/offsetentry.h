#pragma once
// Entering a level area by its two stream offsets and its object set, as
// typed by the user rather than taken from a map pointer.
#include <QString>
#include <cstdint>

namespace quib {

struct Level;
struct LevelContext;
struct WorldMap;

struct LevelSpec {
    int32_t objpos = 0; // file offset of the object stream
    int32_t enmpos = 0; // file offset of the enemy stream
    int objset = 0;     // 0..15
};

// The typed offsets (shown 0x10 lower while the offset display flag is off)
// as file offsets the game can point at: the object offset moves by 8 KB
// banks into the 64 KB of CPU addresses of the set's pointers
// (objsetbase + 0x10 .. objsetbase + 0x1000F), the enemy offset folds into
// 0x10 .. 0x1000F. Text is read as hex digits by position (see hexval); the
// dialog refuses text that is not hex before it gets here.
LevelSpec foldlevelspec(const QString &objtext, const QString &enmtext, int objset, bool hdrofs);

// The offsets and set the dialog opens with: those of the selected map
// pointer, or of the current area when the world has no pointers.
LevelSpec initiallevelspec(const WorldMap &map, const Level &lvl);

// Loads the area with object 0 selected (the caller switches to object
// editing). The view's scroll is left as it was and nothing is drawn: the
// caller redraws. False, with nothing changed, when no ROM is open.
bool enterlevelspec(Level &lvl, const LevelContext &c, int32_t objofs, int32_t enmofs, int objset);

} // namespace quib

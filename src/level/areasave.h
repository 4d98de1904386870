#pragma once
// Saving a level area whose streams changed size: where each stream goes,
// which bytes it frees and which pointers follow it. The plan is made from
// the ROM image and its map before anything is written, so a save either
// writes all of it in one operation or nothing.
//
// Each stream of the area is planned on its own (set 0 has no enemy stream):
//   object stream  9 header bytes, the records, 0xFF (none after 255 records)
//   enemy stream   the leading byte, 3-byte records, 0xFF (none after 255)
// A stream that fits its room (see level/rommap.h) is written where it is;
// the bytes of its old extent past its new end become 0xFF. One that doesn't
// fit moves to the lowest-addressed free run of its window that holds it:
// it is written there (the enemy stream with the leading byte it had), its
// whole old extent becomes 0xFF, and every link the map knows is repointed:
//   map pointer of world w, entry i (table of n entries at base, see
//   worldmap/maprecords.h): the object word at base + 1 + 4n + 2i holds
//   new start - 0x10 - objsetbase[set], the enemy word at base + 1 + 2n + 2i
//   new start - 0x10; low byte first.
//   area header at h: bytes h+0..1 the object word (same adder, the set is
//   the header's byte 6 low nibble), h+2..3 the enemy word.
// A stream written in place stays within its room and a moved one within a
// free run, so bytes another known stream uses are never claimed or freed;
// nothing outside the image is written. A stream is refused, and the whole save with
// it, when it doesn't fit and may not move: the fixed enemy stream of object
// set 7, a stream that starts outside its window, one the map doesn't know
// (nothing leads to it), or one no free run holds.
#include "level/level.h"
#include "level/rommap.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace quib {

struct WorldMap;

struct ByteWrite {
    int64_t offset = 0;
    std::vector<uint8_t> bytes;
    bool operator==(const ByteWrite &) const = default;
};

// What happens to one stream of the area.
struct StreamSave {
    enum Outcome : uint8_t { InPlace, Move, Fixed, OutsideWindow, Unknown, NoRoom };
    StreamKind kind = StreamKind::Objects;
    Outcome outcome = InPlace;
    int objset = 0;
    int64_t oldstart = 0;
    int64_t newstart = 0; // oldstart unless it moves
    int64_t oldend = 0;   // one past its old extent
    int64_t need = 0;     // bytes it takes now
    int64_t room = 0;     // room at the old start
    int64_t largest = 0;  // NoRoom: the largest free run of its window
    std::vector<StreamLink> links; // what leads to it; repointed when it moves

    bool moves() const { return outcome == Move; }
    bool refused() const { return outcome != InPlace && outcome != Move; }
};

struct AreaSavePlan {
    std::vector<StreamSave> streams; // objects, then enemies (set 0: objects only)
    std::vector<ByteWrite> writes;   // in order; empty when refused
    LevelHeader header{};            // the header the object stream is written with

    bool refused() const;
    const StreamSave *refusal() const;
    std::vector<const StreamSave *> moves() const;
};

// The plan of saving `doc` (records as Save writes them: see settlerecords)
// into `image`, whose map is `map`. `props` measures an object stream the map
// doesn't know.
AreaSavePlan planareasave(const std::vector<uint8_t> &image, const RomMap &map, const ObjProps &props,
                          const LevelDocument &doc);

// The area and the loaded world's pointers after the plan was written: the
// places of moved streams, and every pointer of `world` (and the area's own
// header) that the plan repointed. Other pointers stay as they are.
void followplan(const AreaSavePlan &plan, LevelDocument &doc, WorldMap &map, int world);

// The texts Save shows; offsets as file offsets, or 0x10 lower.
QString movequestion(const StreamSave &s, bool fileoffsets);
QString refusaltext(const StreamSave &s, bool fileoffsets);

} // namespace quib

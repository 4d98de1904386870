#pragma once
// The ROM map: every level stream the editor can reach, the bytes it takes,
// the room it has to grow in place, what leads to it, and the free space of
// each bank window. Built from the ROM image in memory, in one pass; it reads
// nothing outside the image, and a damaged image still gives a map at once.
//
// The walk starts at the map pointers of worlds 1..8 (world 9 holds warp
// pointers) and follows every area header's link to the next area, however
// deep, stopping at areas it has seen and after maxmapareas object streams.
// Each area gives its object stream (read with its object set's 4-byte table)
// and the enemy stream its loader reads: none for object set 0, the fixed
// stream at objset7enemies for object set 7, else the one its pointer names.
// The fixed stream of set 7 is always part of the map.
//
// Extents are the bytes the loader reads:
//   object stream  9 header bytes, the records, the 0xFF terminator
//   enemy stream   the leading byte, 3-byte records, the 0xFF terminator
// (no terminator after 255 records: the loader stops there). A stream that
// runs past the end of the image ends at the end.
//
// Room of a stream = its extent plus the 0xFF bytes that follow, up to the
// first byte that is not 0xFF, belongs to another known stream or lies
// outside the stream's window. A stream that starts outside its window has
// no room beyond its extent.
//
// Windows are ranges of file offsets: the object window of set s is what a
// CPU pointer 0xA000..0xBFFF reaches for that set (sets sharing a bank share
// a window), the enemy window is 0xC010..0x1000F. Free space of a window =
// its runs of at least minfreerun 0xFF bytes that no known stream uses. The
// world maps' tile data, their pointer tables and colour bytes lie in object
// set 0's window and are never free.
#include <cstdint>
#include <optional>
#include <vector>

namespace quib {

struct ObjProps;

constexpr int maxmapareas = 4096; // object streams the walk records at most
constexpr int64_t minfreerun = 16;

enum class StreamKind : uint8_t { Objects, Enemies };

// One thing that leads to a stream.
struct StreamLink {
    enum Kind : uint8_t { MapPointer, AreaHeader };
    Kind kind = MapPointer;
    int world = 0;      // map pointer: world 1..8
    int index = 0;      // map pointer: entry of the world's table
    int row = 0;        // map pointer: map square, row 0..8
    int col = 0;        //   and column byte (16 * screen + column)
    int64_t header = 0; // area header: object offset of the area whose header links here
    bool operator==(const StreamLink &) const = default;
};

struct MapStream {
    StreamKind kind = StreamKind::Objects;
    int objset = 0;      // objects: the set their records are read with; enemies: 0 (7 for the fixed stream)
    int64_t start = 0;   // first byte: the header, or the leading byte
    int64_t end = 0;     // one past the last byte read
    int64_t roomend = 0; // one past the last byte of its room
    int window = -1;     // index into RomMap::windows; -1 when it starts outside its window
    bool fixed = false;  // the enemy stream of object set 7: the game reads it there, it never moves
    std::vector<StreamLink> from; // in the order the walk met them: map pointers, then headers

    int64_t used() const { return end - start; }
    int64_t room() const { return roomend - start; }
};

struct FreeRun {
    int64_t start = 0;
    int64_t size = 0;
    bool operator==(const FreeRun &) const = default;
};

struct RomWindow {
    int64_t low = 0, high = 0; // file offsets, both inclusive
    bool enemies = false;      // the enemy window
    uint16_t objsets = 0;      // bit s set: object set s's streams belong here
    std::vector<FreeRun> free; // ascending
    int64_t freetotal() const;
};

struct RomMap {
    std::vector<MapStream> streams; // ascending by start, then objects before enemies, then set
    std::vector<RomWindow> windows; // ascending by low
    bool cut = false;               // the walk stopped at maxmapareas
};

RomMap buildrommap(const std::vector<uint8_t> &image, const ObjProps &props);

// The window of an object set's streams, and the enemy window.
int objwindow(const RomMap &map, int objset);
int enemywindow(const RomMap &map);

// One past the last byte the loader reads of a stream at `start` (at most the
// end of the image), as the map measures its streams.
int64_t measurestream(const std::vector<uint8_t> &image, const ObjProps &props, StreamKind kind, int64_t start,
                  int objset);

const MapStream *findobjstream(const RomMap &map, int64_t start, int objset);
const MapStream *findenemystream(const RomMap &map, int64_t start);

// The lowest-addressed free run of the window that holds `size` bytes.
std::optional<FreeRun> findfreerun(const RomMap &map, int window, int64_t size);
// The largest free run of the window (the lowest of equals); size 0 for none.
FreeRun largestfreerun(const RomMap &map, int window);

} // namespace quib

#pragma once
// The current level area: the in-memory copy that all level editing works on.
//
// An area is two byte streams in the ROM:
//   object stream at lvlobjpos: a 9-byte header, then 3- or 4-byte records
//     byte 0: bank (bits 5..7) and row (bits 0..4); byte 1: column; byte 2:
//     type; byte 3 only for 4-byte objects (see is4byte): length. A record
//     whose first byte is 0xFF ends the stream.
//   enemy stream at lvlenmpos: one leading byte, then 3-byte records (type,
//     column, row), ended by 0xFF.
// Header bytes:
//   0..1  CPU pointer to the linked area's object stream (low byte first)
//   2..3  CPU pointer to the linked area's enemy stream
//   4     bits 0..3 level length (screens - 1), bit 4 flag, bits 5..7 start position
//   5     bits 0..2 level colour group, bits 3..4 enemy colour group,
//         bits 5..6 start position, bit 7 flag
//   6     bits 0..3 linked area's object set, bits 4..6 scrolling type
//         (vertical when bit 4 is set), bit 7 flag
//   7     bits 0..4 graphic set, bits 5..7 start action
//   8     bits 0..3 music, bits 4, 5 flags, bits 6..7 time setting
// In a vertical area a record's column byte holds the screen in its high
// nibble and the column in its low nibble; in memory such an object has
// objx = column (0..15) and objy = screen * 15 + row.
#include <array>
#include <cstdint>

namespace quib {

// What Save writes: the area's place, header and records. Two documents
// compare equal when Save would write the same bytes from them.
struct LevelDocument {
    int32_t lvlobjpos = 0; // file offset of the object stream (its header)
    int32_t lvlenmpos = 0; // file offset of the enemy stream (its leading byte)
    int32_t lvlobjset = 0; // 0..15
    std::array<uint8_t, 9> lvlhdr{};

    int objcount = 0;   // 0..255
    int enemycount = 0; // 0..255

    std::array<uint8_t, 256> objy{};
    std::array<uint8_t, 256> objbank{};
    std::array<uint8_t, 256> objx{};
    std::array<uint8_t, 256> objtype{};
    std::array<bool, 256> obj4{}; // has a length byte
    std::array<uint8_t, 256> objlen{};

    std::array<uint8_t, 256> enemytype{};
    std::array<uint8_t, 256> enemyx{};
    std::array<uint8_t, 256> enemyy{};

    bool vertical() const { return lvlhdr[6] & 0x10; }
    int graphicset() const { return lvlhdr[7] & 0x1F; }
    bool operator==(const LevelDocument &) const = default;
};

// Where the user looks and what is selected: never saved.
struct LevelView {
    uint8_t selobj = 0;
    uint8_t selenemy = 0;
    int16_t lvlscrollx = 0; // level column at the view's left edge
    int16_t lvlscrolly = 0; // level row at the view's top edge
};

// The loaded area: its document and the view on it.
struct Level : LevelDocument, LevelView {
    bool loaded = false; // an area has been loaded since start-up

    LevelDocument &document() { return *this; }
    const LevelDocument &document() const { return *this; }
    LevelView &view() { return *this; }
    const LevelView &view() const { return *this; }
};

} // namespace quib

#pragma once
// The records of a level area, byte for byte, and the one decoder and one
// encoder of each that loading, saving and the demo ROM builder share.
//
// Object stream, at the area's object offset:
//   +0               9 bytes   header (below)
//   +9               records of 3 or 4 bytes, back to back
//   after the last   1 byte    0xFF
// Object record:
//   byte 0   bits 5..7 bank (0..7), bits 0..4 row (0..31)
//   byte 1   column; in a vertical area bits 4..7 are the screen and bits
//            0..3 the column (0..15), and the row counts within the screen
//   byte 2   type
//   byte 3   length; only for 4-byte objects, which the stream does not
//            mark: is4byte of (area's object set, bank, type) decides
//   A record whose byte 0 is 0xFF ends the stream.
//
// Enemy stream, at the area's enemy offset:
//   +0               1 byte    leading byte (the editor neither reads nor writes it)
//   +1 + 3 i         3 bytes   enemy i: type, column, row
//   after the last   1 byte    0xFF (a record whose type byte is 0xFF ends the stream)
//
// Header, the 9 bytes at the start of the object stream:
//   0..1  CPU pointer to the linked area's object stream, low byte first
//         (file offset = pointer + 0x10 + objsetbase[linked area's set])
//   2..3  CPU pointer to the linked area's enemy stream, low byte first
//         (file offset = pointer + 0x10); all four bytes 0: no linked area
//   4     bits 0..3 level length (screens - 1), bit 4 flag, bits 5..7 start
//         Y index (block row 01 05 08 0C 10 15 18 19)
//   5     bits 0..2 level colour group, bits 3..4 enemy colour group,
//         bits 5..6 start X index (block column 01 07 08 0D), bit 7 flag
//   6     bits 0..3 linked area's object set, bits 4..6 scrolling type
//         (vertical when bit 4 is set), bit 7 off: entering a pipe ends
//         the level
//   7     bits 0..4 graphic set, bits 5..7 start action
//   8     bits 0..3 music, bits 4 and 5 flags, bits 6..7 time setting
//
// In memory an object of a vertical area has x = column (0..15) and
// y = screen * 15 + row; a horizontal area keeps the record's column and
// row as they are.
#include <array>
#include <cstdint>

namespace quib {

class RomFile;
struct ObjProps;

constexpr uint8_t streamend = 0xFF; // first byte of the record that ends a stream
constexpr int maxrecords = 255;     // objects or enemies read from one stream at most

// ---- Header -------------------------------------------------------------------
// The one type and codec of the nine header bytes: the loader, the level
// view, the header dialog and its write all go through the fields below.
constexpr int hdrsize = 9; // header bytes before the first object record
using LevelHeader = std::array<uint8_t, hdrsize>;

constexpr int hdrlinkobj = 0; // bytes 0..1
constexpr int hdrlinkenm = 2; // bytes 2..3

// The bit fields of bytes 4..8 (the layout above).
enum class HdrField : uint8_t {
    Length,       // byte 4 bits 0..3: screens - 1
    Flag4,        // byte 4 bit 4
    StartY,       // byte 4 bits 5..7: start position, row index
    LevelColours, // byte 5 bits 0..2
    EnemyColours, // byte 5 bits 3..4
    StartX,       // byte 5 bits 5..6: start position, column index
    Flag5,        // byte 5 bit 7
    LinkSet,      // byte 6 bits 0..3: the linked area's object set
    Scrolling,    // byte 6 bits 4..6: odd types scroll vertically
    PipeFlag,     // byte 6 bit 7: off, entering a pipe ends the level
    GraphicSet,   // byte 7 bits 0..4
    StartAction,  // byte 7 bits 5..7
    Music,        // byte 8 bits 0..3
    Flag8Bit4,    // byte 8 bit 4
    Flag8Bit5,    // byte 8 bit 5
    Time,         // byte 8 bits 6..7
};

struct BitField {
    uint8_t byte, shift, bits;
    constexpr int max() const { return (1 << bits) - 1; }
};
constexpr BitField bitfield(HdrField f)
{
    constexpr BitField table[] = {
        {4, 0, 4}, {4, 4, 1}, {4, 5, 3},            // Length, Flag4, StartY
        {5, 0, 3}, {5, 3, 2}, {5, 5, 2}, {5, 7, 1}, // LevelColours, EnemyColours, StartX, Flag5
        {6, 0, 4}, {6, 4, 3}, {6, 7, 1},            // LinkSet, Scrolling, PipeFlag
        {7, 0, 5}, {7, 5, 3},                       // GraphicSet, StartAction
        {8, 0, 4}, {8, 4, 1}, {8, 5, 1}, {8, 6, 2}, // Music, Flag8Bit4, Flag8Bit5, Time
    };
    return table[int(f)];
}

constexpr int hdrfield(const LevelHeader &h, HdrField f)
{
    const BitField b = bitfield(f);
    return (h[b.byte] >> b.shift) & b.max();
}
// Puts value (cut to the field's width) into the field; other bits stay.
constexpr void sethdrfield(LevelHeader &h, HdrField f, int value)
{
    const BitField b = bitfield(f);
    const int mask = b.max() << b.shift;
    h[b.byte] = uint8_t((h[b.byte] & ~mask) | ((value << b.shift) & mask));
}

// Odd scrolling types (bit 4 of byte 6) are vertical.
constexpr bool hdrvertical(const LevelHeader &h) { return hdrfield(h, HdrField::Scrolling) & 1; }
constexpr int hdrscreens(const LevelHeader &h) { return hdrfield(h, HdrField::Length) + 1; }
constexpr int hdrgraphicset(const LevelHeader &h) { return hdrfield(h, HdrField::GraphicSet); }

// The linked area as the header stores it: two CPU pointers and the object
// set (which also decides the object pointer's adder).
struct HdrLink {
    uint16_t objptr = 0;
    uint16_t enmptr = 0;
    int objset = 0;
    bool any() const { return objptr != 0 || enmptr != 0; }
};
HdrLink hdrlink(const LevelHeader &h);
// Stores the link into bytes 0..3 and the low nibble of byte 6.
void sethdrlink(LevelHeader &h, const HdrLink &link);

LevelHeader readheader(const RomFile &rom, int64_t objpos);
void writeheader(RomFile &rom, int64_t objpos, const LevelHeader &h);

// ---- Object records -----------------------------------------------------------
// A record's bytes, as stored.
struct ObjBytes {
    std::array<uint8_t, 4> b{};
    int size = 0; // 3 or 4; 0 for an object that was not read from the ROM
    bool operator==(const ObjBytes &) const = default;
};

// An object as the editor holds it, with the bytes it was read from.
struct ObjRecord {
    uint8_t x = 0;
    uint8_t y = 0;
    uint8_t bank = 0; // 0..7
    uint8_t type = 0;
    bool four = false; // has a length byte
    uint8_t len = 0;   // meaningful only when four
    // The bytes the object was read from: Save writes them back while the
    // object still decodes from them (see saveobjbytes).
    ObjBytes raw{};
    bool operator==(const ObjRecord &) const = default;
};
// The same object on the level, whatever bytes it came from.
bool sameobject(const ObjRecord &a, const ObjRecord &b);

// Byte 0: bank in bits 5..7, row in bits 0..4.
constexpr uint8_t recordbank(uint8_t b0) { return uint8_t(b0 >> 5); }
constexpr uint8_t recordrow(uint8_t b0) { return uint8_t(b0 & 0x1F); }
// The rows of a vertical area's screen: rows 0..14 of screens 0..15, so
// row 239 is the last one a record can hold.
constexpr int screenrows = 15;
constexpr int lastverticalrow = 16 * screenrows - 1;
// The column byte of a vertical area: screen in the high nibble. A stored
// row may be 15..31 too; the absolute row is then cut at 255.
constexpr uint8_t verticalcol(uint8_t colbyte) { return uint8_t(colbyte & 0x0F); }
constexpr uint8_t verticalrow(uint8_t colbyte, uint8_t row)
{
    const int y = (colbyte >> 4) * screenrows + row;
    return uint8_t(y > 255 ? 255 : y);
}

// The object the bytes hold; it keeps them as its raw bytes.
ObjRecord decodeobj(const ObjBytes &raw, bool vertical);
// A horizontal area keeps rows 0..31 (the row never spills into the bank
// bits); a vertical area keeps rows up to lastverticalrow.
ObjBytes encodeobj(const ObjRecord &o, bool vertical);
// What Save writes for an object: the bytes it was read from while they
// still decode to the object as it is now, else its encoding. A record the
// encoder would store otherwise (a vertical area's row 15..31) thus goes back
// unchanged until the object is edited.
ObjBytes saveobjbytes(const ObjRecord &o, bool vertical);

// The record at `at`: 3 or 4 bytes by is4byte of the object set; size 0
// when byte 0 is the end marker.
ObjBytes readobjbytes(const RomFile &rom, int64_t at, const ObjProps &props, int objset);
void writeobjbytes(RomFile &rom, int64_t at, const ObjBytes &raw);

// ---- Enemy records ------------------------------------------------------------
constexpr int enemyrecordsize = 3;
constexpr int64_t enemyrecordpos(int64_t enmpos, int i) { return enmpos + 1 + int64_t(enemyrecordsize) * i; }

struct EnemyRecord {
    uint8_t type = 0;
    uint8_t x = 0; // column
    uint8_t y = 0; // row
    bool operator==(const EnemyRecord &) const = default;
};
using EnemyBytes = std::array<uint8_t, enemyrecordsize>;

constexpr EnemyRecord decodeenemy(const EnemyBytes &b) { return {b[0], b[1], b[2]}; }
constexpr EnemyBytes encodeenemy(const EnemyRecord &e) { return {e.type, e.x, e.y}; }

EnemyBytes readenemybytes(const RomFile &rom, int64_t at);
void writeenemybytes(RomFile &rom, int64_t at, const EnemyBytes &b);

} // namespace quib

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
//   2..3  CPU pointer to the linked area's enemy stream, low byte first
//         (all four bytes 0: no linked area)
//   4     bits 0..3 level length (screens - 1), bit 4 flag, bits 5..7 start position
//   5     bits 0..2 level colour group, bits 3..4 enemy colour group,
//         bits 5..6 start position, bit 7 flag
//   6     bits 0..3 linked area's object set, bits 4..6 scrolling type
//         (vertical when bit 4 is set), bit 7 flag
//   7     bits 0..4 graphic set, bits 5..7 start action
//   8     bits 0..3 music, bits 4 and 5 flags, bits 6..7 time setting
//
// In memory an object of a vertical area has objx = column (0..15) and
// objy = screen * 15 + row; a horizontal area keeps the record's column and
// row as they are.
#include <array>
#include <cstdint>

namespace quib {

class RomFile;
struct LevelDocument;
struct ObjProps;

constexpr uint8_t streamend = 0xFF; // first byte of the record that ends a stream
constexpr int maxrecords = 255;     // objects or enemies read from one stream at most

// ---- Header -------------------------------------------------------------------
constexpr int hdrsize = 9; // header bytes before the first object record
using LevelHeader = std::array<uint8_t, hdrsize>;

constexpr int hdrlinkobj = 0; // bytes 0..1
constexpr int hdrlinkenm = 2; // bytes 2..3
constexpr int hdrlength = 4;
constexpr int hdrcolours = 5;
constexpr int hdrscroll = 6;
constexpr int hdrgfx = 7;
constexpr int hdrmusic = 8;
constexpr uint8_t hdrverticalbit = 0x10; // in byte hdrscroll

constexpr bool hdrvertical(const LevelHeader &h) { return h[hdrscroll] & hdrverticalbit; }
constexpr int hdrscreens(const LevelHeader &h) { return (h[hdrlength] & 0x0F) + 1; }
constexpr int hdrgraphicset(const LevelHeader &h) { return h[hdrgfx] & 0x1F; }

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

// An object as the editor holds it (objx, objy, objbank, objtype, obj4, objlen).
struct ObjRecord {
    uint8_t x = 0;
    uint8_t y = 0;
    uint8_t bank = 0; // 0..7
    uint8_t type = 0;
    bool four = false; // has a length byte
    uint8_t len = 0;   // meaningful only when four
    bool operator==(const ObjRecord &o) const
    {
        return x == o.x && y == o.y && bank == o.bank && type == o.type && four == o.four && (!four || len == o.len);
    }
};

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

ObjRecord decodeobj(const ObjBytes &raw, bool vertical);
// A horizontal area keeps rows 0..31 (the row never spills into the bank
// bits); a vertical area keeps rows up to lastverticalrow.
ObjBytes encodeobj(const ObjRecord &o, bool vertical);
// What Save writes for an object: the bytes it was read from while they
// still decode to the object as it is now, else its encoding. A record the
// encoder would store otherwise (a vertical area's row 15..31) thus goes back
// unchanged until the object is edited.
ObjBytes saveobjbytes(const ObjRecord &o, const ObjBytes &raw, bool vertical);

// The record at `at`: 3 or 4 bytes by is4byte of the object set; size 0
// when byte 0 is the end marker.
ObjBytes readobjbytes(const RomFile &rom, int64_t at, const ObjProps &props, int objset);
void writeobjbytes(RomFile &rom, int64_t at, const ObjBytes &raw);

// Object i of the current area, and storing it back (its raw bytes are kept).
ObjRecord objrecord(const LevelDocument &lvl, int i);
void setobjrecord(LevelDocument &lvl, int i, const ObjRecord &o);

// ---- Enemy records ------------------------------------------------------------
constexpr int enemyrecordsize = 3;
constexpr int64_t enemyrecordpos(int64_t enmpos, int i) { return enmpos + 1 + int64_t(enemyrecordsize) * i; }

struct EnemyRecord {
    uint8_t type = 0;
    uint8_t x = 0; // column
    uint8_t y = 0; // row
};
using EnemyBytes = std::array<uint8_t, enemyrecordsize>;

constexpr EnemyRecord decodeenemy(const EnemyBytes &b) { return {b[0], b[1], b[2]}; }
constexpr EnemyBytes encodeenemy(const EnemyRecord &e) { return {e.type, e.x, e.y}; }

EnemyBytes readenemybytes(const RomFile &rom, int64_t at);
void writeenemybytes(RomFile &rom, int64_t at, const EnemyBytes &b);

EnemyRecord enemyrecord(const LevelDocument &lvl, int i);
void setenemyrecord(LevelDocument &lvl, int i, const EnemyRecord &e);

} // namespace quib

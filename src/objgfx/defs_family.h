#pragma once
// The building forms the object picture definitions are written in. Every
// form writes constant cells into the picture store and nothing else; a
// later write over the same cell wins.
#include "objgfx/objcells.h"

#include <initializer_list>

namespace quib::defs {

// The nine cells of a 4-byte object: [row][column], top/middle/bottom by
// left/middle/right.
using Slice = uint32_t[3][3];

constexpr uint32_t E = emptycell; // a hole: what lies below shows through

// ---- Cells on page 2, the same in every graphic set -----------------------
constexpr uint32_t brick = 0x989A999B;
constexpr uint32_t question = 0xB4B6B5B7;
constexpr uint32_t hardblock = 0xB8BAB9BB;
constexpr uint32_t coin = 0xC0C2C1C3;
constexpr uint32_t metal = 0xDCDEDDDF;
constexpr uint32_t gem = 0xE0E2E1E3;
constexpr uint32_t planks = 0xC8C8C9C9;  // a thin bridge of planks on a rope
constexpr uint32_t log = 0xBCBEBDBF;
constexpr uint32_t watertop = 0xAAAAABAB, water = 0xABABABAB;
constexpr uint32_t dirttop = 0xD5D5B2B2, dirt = 0xB2B2B2B2;
constexpr uint32_t piperimleft = 0x8C8D9C9D, piperimright = 0x8E8F9E9F; // vertical pipe, two columns
constexpr uint32_t pipeleft = 0xACADACAD, piperight = 0xAEAFAEAF;
constexpr uint32_t hmouthtop = 0x74787579, hmouthbottom = 0x767A777B;   // horizontal pipe, two rows
constexpr uint32_t hpipetop = 0x70707171, hpipebottom = 0x72727373;

// ---- Cells on page 1 that every graphic set draws alike -------------------
// Ground: a grassy top row over earth, with left and right edges.
constexpr uint32_t gtop = 0x40414243, gtopl = 0x44454647, gtopr = 0x48494A4B;
constexpr uint32_t gbody = 0x4C4D4E4F, gbodyl = 0x50515253, gbodyr = 0x54555657;
// Rounded hills of the background: shoulders, sides, body and its spots.
constexpr uint32_t hilltl = 0x68696C0F, hilltr = 0x6A6B0F6D;
constexpr uint32_t hilll = 0x6E0F6E0F, hillr = 0x0F6F0F6F, hillfill = 0x0F0F0F0F;
constexpr uint32_t hillspot1 = 0x1A1B1E0F, hillspot2 = 0x1C1D0F1F;
// Big coloured blocks: a light top edge, a shaded right edge.
constexpr Slice bigblock = {{0x0A015A61, 0x01016061, 0x010B600C},
                            {0x66636663, 0x62636263, 0x620D620D},
                            {0x66636663, 0x62636263, 0x620D620D}};
constexpr Slice groundslice = {{gtopl, gtop, gtopr}, {gbodyl, gbody, gbodyr}, {gbodyl, gbody, gbodyr}};

// ---- Cells on page 1 that each graphic set draws its own way --------------
// Twelve 16 x 16 slots; each family says what its sheet draws in them.
constexpr uint32_t slotA = 0x10111213, slotB = 0x14151718, slotC = 0x20212223, slotD = 0x24252627;
constexpr uint32_t slotE = 0x28292A2B, slotF = 0x2C2D2E2F, slotG = 0x30313233, slotH = 0x35363839;
constexpr uint32_t slotI = 0x3D3E3F58, slotJ = 0x5B5C5D5E, slotK = 0x7C7D7E7F, slotL = 0x02030409;

inline void put(ObjCells &c, int bank, int type, int row, int col, uint32_t v)
{
    c.at(bank, type, row, col) = v;
}

// A fixed picture, row by row from row 0 and column 0.
inline void fixedpic(ObjCells &c, int bank, int type, std::initializer_list<std::initializer_list<uint32_t>> rows)
{
    int r = 0;
    for (const auto &row : rows) {
        int col = 0;
        for (uint32_t v : row)
            c.at(bank, type, r, col++) = v;
        ++r;
    }
}

// One value in columns c0..c1 of one row.
inline void rowrun(ObjCells &c, int bank, int type, int row, int c0, int c1, uint32_t v)
{
    for (int col = c0; col <= c1; ++col)
        c.at(bank, type, row, col) = v;
}

// One value in rows r0..r1 of one column.
inline void colrun(ObjCells &c, int bank, int type, int col, int r0, int r1, uint32_t v)
{
    for (int row = r0; row <= r1; ++row)
        c.at(bank, type, row, col) = v;
}

// A filled rectangle of one value.
inline void fillrect(ObjCells &c, int bank, int type, int r0, int r1, int c0, int c1, uint32_t v)
{
    for (int row = r0; row <= r1; ++row)
        rowrun(c, bank, type, row, c0, c1, v);
}


inline void nineslice(ObjCells &c, int bank, int type, const Slice &s)
{
    for (int r = 0; r < 3; ++r)
        for (int col = 0; col < 3; ++col)
            c.at(bank, type, r, col) = s[r][col];
}

// A nine-slice whose three columns are alike: top row, then the middle and
// bottom rows.
inline void nineslicecols(ObjCells &c, int bank, int type, uint32_t top, uint32_t rest)
{
    const Slice s = {{top, top, top}, {rest, rest, rest}, {rest, rest, rest}};
    nineslice(c, bank, type, s);
}

// The background hills, 5 x 4, 4 x 3 and 6 x 8 blocks (families 1 and 3);
// a type of -1 skips that picture.
void hillpictures(ObjCells &c, int bank, int small, int medium, int tall);

// Pipes lying down, n + 1 blocks long (families 3 and 5): bank 1 types
// 0xE0..0xFF with the mouth at the right end, bank 2 types 0x10..0x2F with
// the mouth at the left.
void lyingpipes(ObjCells &c, int n);

} // namespace quib::defs

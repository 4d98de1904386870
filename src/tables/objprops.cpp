#include "tables/objprops.h"

// The property tables are data: rows of (object sets, bank, first type, last
// type, values), written in order, then the copies by which object sets that
// share their graphics share their properties. A value that depends on the
// type is a linear function of n = type % 16, written as in `W n + 1` or
// `H 2n + 2`, so a range of sixteen types gives each member its own size.

namespace quib {

namespace {

// A set of object sets, bit s for object set s.
using Sets = uint16_t;
constexpr Sets sets(int first, int last)
{
    Sets m = 0;
    for (int s = first; s <= last; ++s)
        m = Sets(m | (1u << s));
    return m;
}
constexpr Sets set(int s) { return sets(s, s); }

// a * n + c, n being the type's low nibble.
struct Lin {
    int a = 0, c = 0;
    constexpr Lin(int constant) : c(constant) {}
    constexpr Lin(int slope, int constant) : a(slope), c(constant) {}
    constexpr uint8_t at(int t) const { return uint8_t(a * (t & 15) + c); }
};
constexpr Lin n{1, 0};
constexpr Lin operator+(Lin l, int k) { return {l.a, l.c + k}; }
constexpr Lin operator*(int k, Lin l) { return {k * l.a, k * l.c}; }

// Calls f(s) for each object set s in m.
template<typename F>
void forsets(Sets m, F &&f)
{
    for (int s = 0; s < 16; ++s)
        if (m & (1u << s))
            f(s);
}

// Copies types 0..255 of banks 0..lastbank from one object set to another,
// in a table indexed by `ix`(s, b, t).
template<typename Table, typename Index>
void copyset(Table &table, Index ix, int from, int to, int lastbank)
{
    for (int b = 0; b <= lastbank; ++b)
        for (int t = 0; t < 256; ++t)
            table[size_t(ix(to, b, t))] = table[size_t(ix(from, b, t))];
}

// Object sets that share the graphics, and so the properties, of another.
struct SetCopy {
    int from, to;
};
constexpr SetCopy sharedsets[] = {{3, 14}, {4, 12}, {5, 11}, {6, 8}, {6, 7}};

constexpr int objix(int s, int b, int t) { return ObjProps::index(s, b, t); }
constexpr int palix(int s, int b, int t) { return (s - 1) + 14 * b + 98 * t; }

// ---- Objects with a length byte ---------------------------------------------
struct FourRow {
    Sets sets;
    uint8_t bank, first, last;
};

// Written for object sets 0..10, 13 and 15; the other sets are copies.
constexpr FourRow fourrows[] = {
    {sets(0, 10) | set(13) | set(15), 2, 0x60, 0xDF},
    {set(1), 0, 0xC0, 0xDF},
    {set(2), 0, 0xE0, 0xFF},
    {set(2), 3, 0x20, 0x4F},
    {set(2), 3, 0xD0, 0xDF},
    {set(3), 4, 0x10, 0xCF},
    {set(4), 0, 0x10, 0x1F},
    {set(4), 3, 0xA0, 0xAF},
    {set(5), 0, 0xE0, 0xF0}, // up to 0xF0 itself: 0xF1..0xFF are 3-byte objects
    {set(5), 3, 0x40, 0x4F},
    {set(5), 3, 0x70, 0x7F},
    {set(6), 3, 0x50, 0x5F},
    {set(6), 3, 0xD0, 0xDF},
    {set(9), 0, 0xB0, 0xEF},
    {set(10), 0, 0x20, 0x3F},
    {set(10), 3, 0x40, 0x4F},
    {set(10), 3, 0x70, 0x7F},
    {set(13), 0, 0xE0, 0xF0},
    {set(13), 3, 0x10, 0x2F},
    {set(13), 3, 0x40, 0x4F},
    {set(13), 3, 0x70, 0x7F},
    {set(15), 3, 0x10, 0x1F},
};

// ---- Object sizes -----------------------------------------------------------
struct SizeRow {
    Sets sets;
    uint8_t bank, first, last;
    Lin w = 1, h = 1, left = 0, up = 0;
};

// Every object set but 0.
constexpr SizeRow commonsizes[] = {
    {sets(1, 15), 1, 0x10, 0x8F, n + 1},
    {sets(1, 15), 1, 0x90, 0xDF, 2, n + 1},
    {sets(1, 15), 1, 0xE0, 0xFF, n + 1, 2},
    {sets(1, 15), 2, 0x10, 0x2F, n + 1, 2},
    {sets(1, 15), 2, 0x30, 0x3F, 1, n + 1},
    {sets(1, 15), 2, 0x40, 0x5F, n + 1},
    {sets(1, 15), 2, 0xE0, 0xEF, n + 1},
    {sets(1, 15), 2, 0xF0, 0xFF, 2, n + 1},
};

// Written for these sets; 7, 8, 11, 12 and 14 are copies.
//   set      bank first last   W          H       left   up
constexpr SizeRow setsizes[] = {
    {set(1), 0, 0x00, 0x00, 5, 4},
    {set(1), 0, 0x01, 0x01, 4, 3},
    {set(1), 0, 0x02, 0x02, 6, 8},
    {set(1), 0, 0x03, 0x03, 3},
    {set(1), 0, 0x04, 0x05, 1, 2},
    {set(1), 0, 0x06, 0x06, 1, 26},
    {set(1), 0, 0x10, 0x4F, n + 2, 26},
    {set(1), 0, 0x50, 0x8F, n + 1, 3},
    {set(1), 0, 0x90, 0xBF, n + 1},
    {set(1), 0, 0xE0, 0xEF, n + 1, 2},
    {set(1), 0, 0xF0, 0xFF, n + 1},
    {set(1), 3, 0x10, 0x1F, n + 1},

    {set(2), 0, 0x00, 0x00, 1, 2},
    {set(2), 0, 0x03, 0x03, 16, 27},
    {set(2), 0, 0x05, 0x06, 1, 2},
    {set(2), 0, 0x07, 0x07, 2, 2},
    {set(2), 0, 0x10, 0x2F, 4 * n + 2},
    {set(2), 0, 0x30, 0x3F, n + 1, 2},
    {set(2), 0, 0x40, 0x5F, n + 1},
    {set(2), 0, 0x60, 0x6F, 4 * n + 1, 2},
    {set(2), 0, 0x70, 0x7F, 4 * n + 1, 4},
    {set(2), 0, 0x80, 0x8F, 4 * n + 1},
    {set(2), 0, 0x90, 0x9F, 4 * n + 1, 1, 0, 25},
    {set(2), 0, 0xA0, 0xDF, n + 1},
    {set(2), 3, 0x10, 0x1F, n, 26}, // type 0x10 is 0 wide
    {set(2), 3, 0x50, 0x7F, n + 1},
    {set(2), 3, 0x80, 0x8F, 1, n + 1},
    {set(2), 3, 0x90, 0x9F, n + 1, n + 1},
    {set(2), 3, 0xA0, 0xAF, n + 1, 1, 0, n},
    {set(2), 3, 0xB0, 0xBF, n + 1, 2 * n + 2},
    {set(2), 3, 0xC0, 0xCF, 1, 2 * n + 2, n},
    {set(2), 3, 0xE0, 0xEF, n + 1},

    {set(3), 0, 0x0F, 0x0F, 1, 2},
    {set(3), 0, 0x10, 0x1F, n + 1, n + 1},
    {set(3), 0, 0x20, 0x2F, 1, n + 1, n},
    {set(3), 0, 0x30, 0x5F, n + 1, n + 1},
    {set(3), 0, 0x60, 0x6F, 1, n + 1, n},
    {set(3), 0, 0x70, 0x9F, n + 1, n + 1},
    {set(3), 0, 0xA0, 0xAF, 1, n + 1, n},
    {set(3), 0, 0xB0, 0xCF, n + 1, n + 1},
    {set(3), 0, 0xD0, 0xFF, 1, n + 1},
    {set(3), 2, 0x0A, 0x0A, 5, 4},
    {set(3), 2, 0x0B, 0x0B, 4, 3},
    {set(3), 2, 0x0C, 0x0C, 6, 8},
    {set(3), 2, 0x0F, 0x0F, 255, 26},
    {set(3), 3, 0x00, 0x0F, 8, 6},
    {set(3), 3, 0x10, 0x1F, 2 * n + 2, n + 1},
    {set(3), 3, 0x20, 0x2F, 2, n + 1, 2 * n},
    {set(3), 3, 0x30, 0x5F, 2 * n + 2, n + 1},
    {set(3), 3, 0x60, 0x6F, 2, n + 1, 2 * n},
    {set(3), 3, 0x70, 0x9F, 2 * n + 2, n + 1},
    {set(3), 3, 0xA0, 0xAF, 2, n + 1, 2 * n},
    {set(3), 3, 0xB0, 0xCF, 2 * n + 2, n + 1},
    {set(3), 3, 0xD0, 0xFF, 1, n + 1},
    {set(3), 4, 0xD0, 0xDF, n + 1},
    {set(3), 4, 0xE0, 0xEF, 2, n + 1},
    {set(3), 4, 0xF0, 0xF0, 255, 2},
    {set(3), 4, 0xF1, 0xFF, n, 2},
    {set(3), 5, 0x10, 0x1F, n + 1},
    {set(3), 5, 0x30, 0x3F, n + 1, 2},

    {set(4), 0, 0x01, 0x01, 2},
    {set(4), 0, 0x02, 0x03, 1, 1, 0, 25},
    {set(4), 0, 0x04, 0x04, 1, 26},
    {set(4), 0, 0x05, 0x05, 1, 2},
    {set(4), 0, 0x20, 0x3F, n + 1, 2},
    {set(4), 0, 0x40, 0x4F, n + 1, 2}, // set 12 keeps H 2; set 4 ends with H 1
    {set(4), 0, 0x50, 0x5F, n + 1},
    {set(4), 0, 0x60, 0x7F, n + 1, 26},
    {set(4), 0, 0x80, 0x8F, n + 1},
    {set(4), 0, 0x90, 0x9F, 1, n + 1},
    {set(4), 0, 0xA0, 0xAF, n + 1, n + 1},
    {set(4), 0, 0xB0, 0xBF, n + 1, 1, 0, n},
    {set(4), 0, 0xC0, 0xCF, n + 1, 2},
    {set(4), 0, 0xD0, 0xDF, n + 1, 2 * n + 2},
    {set(4), 0, 0xE0, 0xEF, 1, 2 * n + 2, n},
    {set(4), 0, 0xF0, 0xFF, n + 1, 2},
    {set(4), 3, 0x10, 0x7F, n + 1},
    {set(4), 3, 0x80, 0x8F, 2 * n + 2, 2},
    {set(4), 3, 0x90, 0x9F, n + 1},

    {set(5), 0, 0x05, 0x05, 8, 26, 7},
    {set(5), 0, 0x10, 0x7F, 2 * n + 2, 2},
    {set(5), 0, 0x80, 0x8F, 3, n + 1},
    {set(5), 0, 0x90, 0x9F, 2, 2 * n + 2},
    {set(5), 0, 0xA0, 0xBF, 1, n + 1},
    {set(5), 3, 0x30, 0x3F, n + 1, 2},
    {set(5), 3, 0x50, 0x5F, 2, n + 1},
    {set(5), 3, 0x60, 0x6F, n + 1, 2},

    {set(6), 0, 0x00, 0x03, 2, 2},
    {set(6), 0, 0x04, 0x07, 2},
    {set(6), 0, 0x08, 0x08, 2, 2},
    {set(6), 0, 0x0A, 0x0A, 1, 2},
    {set(6), 0, 0x0D, 0x0D, 255, 26},
    {set(6), 0, 0x10, 0x1F, 2, n + 1},
    {set(6), 0, 0x20, 0x3F, n + 1, 2},
    {set(6), 0, 0x40, 0x4F, 2, n + 1},
    {set(6), 0, 0x50, 0x5F, 1, n + 1},
    {set(6), 0, 0x60, 0x7F, n + 1, 2},
    {set(6), 0, 0x80, 0x9F, n + 1},
    {set(6), 0, 0xA0, 0xAF, 1, n + 1},
    {set(6), 0, 0xB0, 0xBF, n + 1, 2},
    {set(6), 0, 0xC0, 0xEF, 1, n + 1},
    {set(6), 0, 0xF0, 0xFF, n + 1},
    {set(6), 3, 0x10, 0x1F, 2, n + 1},
    {set(6), 3, 0x20, 0x3F, n + 1, 2},
    {set(6), 3, 0x40, 0x4F, n + 1, 26},
    {set(6), 3, 0x60, 0x6F, n + 1},
    {set(6), 3, 0x70, 0x7F, 1, n + 1},
    {set(6), 3, 0x80, 0xCF, n + 1},

    {set(9), 0, 0x00, 0x00, 8, 26, 7},
    {set(9), 0, 0x04, 0x04, 3, 4},
    {set(9), 0, 0x05, 0x05, 2, 3, 1},
    {set(9), 0, 0x09, 0x09, 1, 3},
    {set(9), 0, 0x0A, 0x0A, 2},
    {set(9), 0, 0x0B, 0x0B, 1, 2},
    {set(9), 0, 0x0C, 0x0C, 8, 26, 7},
    {set(9), 0, 0x10, 0x1F, 2 * n + 2},
    {set(9), 0, 0x20, 0x2F, 4 * n + 4, 2},
    {set(9), 0, 0x30, 0x3F, 6 * n + 6, 3},
    {set(9), 0, 0x40, 0x4F, 8 * n + 8, 4},
    {set(9), 0, 0x50, 0x5F, 1, n + 2, n},
    {set(9), 0, 0x60, 0x6F, 2 * n + 2},
    {set(9), 0, 0x70, 0x7F, 4 * n + 4, 2},
    {set(9), 0, 0x80, 0x8F, 6 * n + 6, 3},
    {set(9), 0, 0x90, 0x9F, 8 * n + 8, 4},
    {set(9), 0, 0xA0, 0xAF, 1, n + 2, n},
    {set(9), 0, 0xF0, 0xFF, n + 1},
    {set(9), 3, 0x10, 0x1F, 1, n + 1},
    {set(9), 3, 0x20, 0x6F, n + 1},
    {set(9), 3, 0x70, 0x8F, 1, n + 1},
    {set(9), 3, 0x90, 0x9F, n + 1},
    {set(9), 3, 0xB0, 0xBF, 1, n + 1},
    {set(9), 3, 0xC0, 0xCF, n + 1},

    {set(10), 0, 0x0A, 0x0B, 2, 3},
    {set(10), 0, 0x0C, 0x0E, 2, 2},
    {set(10), 0, 0x10, 0x1F, n + 1},
    {set(10), 0, 0x40, 0x4F, 1, n + 1},
    {set(10), 0, 0x50, 0x5F, n + 1, 3},
    {set(10), 0, 0x60, 0x6F, 2, n + 1},
    {set(10), 0, 0x70, 0x8F, n + 1},
    {set(10), 0, 0x90, 0xAF, 1, n + 1},
    {set(10), 0, 0xB0, 0xBF, n + 1},
    {set(10), 0, 0xC0, 0xFF, 1, n + 1},
    {set(10), 2, 0x0A, 0x0B, 2},
    {set(10), 2, 0x0C, 0x0C, 6, 5},
    {set(10), 2, 0x0D, 0x0D, 11, 5},
    {set(10), 2, 0x0E, 0x0E, 6, 5},
    {set(10), 3, 0x01, 0x01, 5, 2},
    {set(10), 3, 0x02, 0x02, 5, 3},
    {set(10), 3, 0x10, 0x2F, n + 1},
    {set(10), 3, 0x30, 0x3F, n + 1, 2},
    {set(10), 3, 0x50, 0x5F, n + 1, 4},
    {set(10), 3, 0x60, 0x6F, 2 * n + 1},
    {set(10), 3, 0x80, 0x9F, n + 1, 2},
    {set(10), 3, 0xA0, 0xCF, n + 1},
    {set(10), 4, 0x20, 0x2F, 6, 5},

    {set(13), 0, 0x02, 0x02, 10, 7},
    {set(13), 0, 0x03, 0x03, 255, 26},
    {set(13), 0, 0x06, 0x06, 5, 4},
    {set(13), 0, 0x07, 0x07, 5, 3},
    {set(13), 0, 0xC0, 0xDF, n + 1, 2},
    {set(13), 0, 0xF0, 0xFF, n + 1},
    {set(13), 3, 0x30, 0x3F, n + 1, 2},
    {set(13), 3, 0x50, 0x5F, 2, n + 1},
    {set(13), 3, 0x60, 0x6F, n + 1, 2},
    {set(13), 3, 0xC0, 0xCF, n + 1},
    {set(13), 3, 0xE0, 0xEF, n + 1},
};

// ---- Object palettes --------------------------------------------------------
struct PalRow {
    Sets sets;
    uint8_t bank, first, last, pal;
};

constexpr Sets palsets = sets(1, 14); // the sets objpal has room for

// Banks 1 and 2 of every set that has palettes. No row here overlaps a row
// of the sets' own entries, so the order of the two tables does not matter.
constexpr PalRow commonpals[] = {
    {palsets, 1, 0x00, 0x4F, 1},
    {palsets, 1, 0x50, 0x5F, 2},
    {palsets, 1, 0x60, 0x6F, 0},
    {palsets, 1, 0x70, 0x8F, 1},
    {palsets, 1, 0x90, 0xFF, 2},
    {palsets, 2, 0x04, 0x07, 1},
    {palsets, 2, 0x08, 0x08, 3},
    {palsets, 2, 0x10, 0x2F, 2},
    {palsets, 2, 0x30, 0x3F, 1},
    {palsets, 2, 0x60, 0xBF, 3},
    {palsets, 2, 0xC0, 0xDF, 1},
    {palsets, 2, 0xF0, 0xFF, 2},
};

// Written for these sets; 7, 8, 11, 12 and 14 are copies, 10 and 13 have only
// the common entries. A palette of 4 stands for palette 0 with tile 0xFF
// drawn opaque.
constexpr PalRow setpals[] = {
    {set(1), 0, 0x00, 0x02, 2},
    {set(1), 0, 0x06, 0x06, 2},
    {set(1), 0, 0x20, 0x2F, 1},
    {set(1), 0, 0x30, 0x3F, 2},
    {set(1), 0, 0x40, 0x4F, 3},
    {set(1), 0, 0x60, 0x6F, 1},
    {set(1), 0, 0x70, 0x7F, 2},
    {set(1), 0, 0x80, 0x8F, 3},
    {set(1), 0, 0x90, 0x9F, 2},
    {set(1), 0, 0xA0, 0xAF, 1},
    {set(1), 0, 0xC0, 0xCF, 1},
    {set(1), 0, 0xD0, 0xDF, 3},
    {set(1), 0, 0xF0, 0xFF, 3},

    {set(2), 0, 0x00, 0x00, 1},
    {set(2), 0, 0x02, 0x02, 2},
    {set(2), 0, 0x03, 0x03, 3},
    {set(2), 0, 0x04, 0x04, 2},
    {set(2), 0, 0x05, 0x05, 3},
    {set(2), 0, 0x07, 0x07, 2},
    {set(2), 0, 0x10, 0x5F, 2},
    {set(2), 0, 0x90, 0x9F, 2},
    {set(2), 0, 0xA0, 0xAF, 1},
    {set(2), 0, 0xC0, 0xFF, 3},
    {set(2), 3, 0x10, 0x4F, 2},
    {set(2), 3, 0xD0, 0xDF, 2},
    {set(2), 3, 0xE0, 0xEF, 1},

    {set(3), 0, 0x01, 0x01, 2},
    {set(3), 0, 0x02, 0x02, 3},
    {set(3), 0, 0x04, 0x04, 2},
    {set(3), 0, 0x05, 0x05, 3},
    {set(3), 0, 0x07, 0x07, 2},
    {set(3), 0, 0x08, 0x08, 3},
    {set(3), 0, 0x0A, 0x0A, 2},
    {set(3), 0, 0x0B, 0x0B, 3},
    {set(3), 0, 0x0F, 0x0F, 1},
    {set(3), 0, 0x50, 0x8F, 2},
    {set(3), 0, 0x90, 0xCF, 3},
    {set(3), 0, 0xE0, 0xFF, 2},
    {set(3), 2, 0x0A, 0x0C, 2},
    {set(3), 2, 0x0F, 0x0F, 3},
    {set(3), 3, 0x00, 0x0C, 2},
    {set(3), 3, 0x0D, 0x0F, 3},
    {set(3), 3, 0x50, 0x8F, 2},
    {set(3), 3, 0x90, 0xCF, 3},
    {set(3), 3, 0xE0, 0xFF, 2},
    {set(3), 4, 0x20, 0x2F, 2},
    {set(3), 4, 0x30, 0x3F, 3},
    {set(3), 4, 0x50, 0x6F, 2},
    {set(3), 4, 0x80, 0x8F, 2},
    {set(3), 4, 0x90, 0x9F, 3},
    {set(3), 4, 0xB0, 0xBF, 2},
    {set(3), 4, 0xC0, 0xCF, 3},
    {set(3), 4, 0xD0, 0xEF, 2},
    {set(3), 5, 0x10, 0x1F, 2},

    {set(4), 0, 0x00, 0x03, 3},
    {set(4), 0, 0x04, 0x05, 1},
    {set(4), 0, 0x06, 0x06, 2},
    {set(4), 0, 0x07, 0x07, 3},
    {set(4), 0, 0x10, 0x3F, 1},
    {set(4), 0, 0x50, 0x6F, 2},
    {set(4), 3, 0x20, 0x4F, 1},
    {set(4), 3, 0x70, 0x7F, 3},
    {set(4), 3, 0xA0, 0xAF, 1},

    {set(5), 0, 0x00, 0x01, 3},
    {set(5), 0, 0x05, 0x05, 2},
    {set(5), 0, 0x20, 0x7F, 1},
    {set(5), 0, 0x80, 0x8F, 2},
    {set(5), 0, 0x90, 0x9F, 3},
    {set(5), 0, 0xA0, 0xBF, 2},
    {set(5), 3, 0x30, 0x3F, 2},
    {set(5), 3, 0x50, 0x7F, 2},

    {set(6), 0, 0x00, 0x07, 1},
    {set(6), 0, 0x08, 0x09, 2},
    {set(6), 0, 0x0A, 0x0A, 1},
    {set(6), 0, 0x0B, 0x0B, 3},
    {set(6), 0, 0x0D, 0x0D, 2},
    {set(6), 0, 0x10, 0x3F, 2},
    {set(6), 0, 0x40, 0x8F, 3},
    {set(6), 0, 0xA0, 0xBF, 3},
    {set(6), 0, 0xC0, 0xCF, 1},
    {set(6), 0, 0xD0, 0xDF, 2},
    {set(6), 0, 0xE0, 0xEF, 3},
    {set(6), 3, 0x10, 0x2F, 2},
    {set(6), 3, 0x40, 0x4F, 3},
    {set(6), 3, 0x50, 0x5F, 1},
    {set(6), 3, 0x60, 0x7F, 4},
    {set(6), 3, 0x90, 0x9F, 2},
    {set(6), 3, 0xA0, 0xAF, 3},
    {set(6), 3, 0xB0, 0xBF, 1},
    {set(6), 3, 0xD0, 0xDF, 2},

    {set(9), 0, 0x00, 0x00, 2},
    {set(9), 0, 0x04, 0x04, 2},
    {set(9), 0, 0x05, 0x05, 3},
    {set(9), 0, 0x07, 0x09, 3},
    {set(9), 0, 0x0B, 0x0C, 1},
    {set(9), 0, 0x10, 0x5F, 2},
    {set(9), 0, 0x60, 0xAF, 1},
    {set(9), 3, 0x10, 0x1F, 1},
    {set(9), 3, 0x20, 0x2F, 2},
    {set(9), 3, 0x30, 0x5F, 1},
    {set(9), 3, 0x70, 0x8F, 1},
    {set(9), 3, 0xA0, 0xAF, 3},
};

template<size_t N>
void putpals(ObjProps &p, const PalRow (&rows)[N])
{
    for (const PalRow &r : rows)
        forsets(r.sets & palsets, [&](int s) {
            for (int t = r.first; t <= r.last; ++t)
                p.objpal[size_t(palix(s, r.bank, t))] = r.pal;
        });
}

// ---- Enemy boxes ------------------------------------------------------------
struct EnemyRow {
    uint8_t first, last;
    uint8_t w = 1, h = 1, left = 0, up = 0;
};

// In ascending order; each row sets all four values, so 0x90..0x93 end as
// W 2, H 1, L 2 over the W 2, H 2 of 0x8A..0x9A.
//   first last  W  H  left up
constexpr EnemyRow enemyrows[] = {
    {0x08, 0x08, 1, 2},
    {0x09, 0x09, 3, 2},
    {0x0E, 0x0E, 2, 2},
    {0x18, 0x18, 2, 3},
    {0x24, 0x24, 3},
    {0x26, 0x28, 3},
    {0x2A, 0x2A, 1, 2},
    {0x2B, 0x2B, 1, 1, 0, 1},
    {0x2C, 0x2C, 3},
    {0x2D, 0x2D, 2, 2},
    {0x2E, 0x2E, 2},
    {0x36, 0x38, 3},
    {0x3A, 0x3A, 2},
    {0x3C, 0x3C, 3},
    {0x3E, 0x3E, 3},
    {0x3F, 0x3F, 1, 1, 0, 1},
    {0x44, 0x44, 3},
    {0x46, 0x46, 1, 2},
    {0x49, 0x49, 2},
    {0x4B, 0x4C, 2, 2},
    {0x56, 0x56, 2},
    {0x57, 0x57, 1, 1, 1},
    {0x59, 0x59, 1, 1, 0, 2},
    {0x5D, 0x5D, 4, 8},
    {0x61, 0x61, 1, 1, 0, 1},
    {0x63, 0x63, 2, 2},
    {0x67, 0x67, 2, 2},
    {0x6C, 0x6F, 1, 1, 0, 1},
    {0x73, 0x74, 2, 1, 0, 1},
    {0x7A, 0x7F, 2, 2},
    {0x80, 0x80, 1, 1, 0, 1},
    {0x81, 0x83, 1, 2},
    {0x86, 0x86, 2, 2},
    {0x87, 0x87, 1, 2},
    {0x89, 0x89, 2},
    {0x8A, 0x9A, 2, 2},
    {0x90, 0x93, 2, 1, 2},
    {0x9D, 0x9D, 1, 3},
    {0xA0, 0xA0, 1, 2},
    {0xA1, 0xA1, 1, 1, 0, 1},
    {0xA2, 0xA2, 1, 2},
    {0xA3, 0xA3, 1, 1, 0, 1},
    {0xA4, 0xA4, 1, 2},
    {0xA5, 0xA5, 1, 1, 0, 1},
    {0xA6, 0xA6, 1, 2},
    {0xA7, 0xA7, 1, 1, 0, 1},
    {0xA8, 0xA9, 2},
    {0xAA, 0xAA, 1, 2, 0, 1},
    {0xAC, 0xAC, 3},
    {0xAE, 0xAE, 2},
    {0xAF, 0xB0, 2, 2},
    {0xB1, 0xB1, 3},
    {0xB2, 0xB2, 1, 3},
    {0xB9, 0xB9, 3},
    {0xC3, 0xC3, 2, 2},
    {0xCD, 0xCD, 2, 2},
    {0xD1, 0xD1, 3, 2},
    {0xD2, 0xD2, 1, 3},
};

} // namespace

void build4byte(ObjProps &p)
{
    p.is4byte.fill(false);
    for (const FourRow &r : fourrows)
        forsets(r.sets, [&](int s) {
            for (int t = r.first; t <= r.last; ++t)
                p.is4byte[size_t(objix(s, r.bank, t))] = true;
        });
    // Set 7 keeps only its bank-2 entries: it is not a copy of set 6 here.
    for (const SetCopy &c : sharedsets)
        if (c.to != 7)
            copyset(p.is4byte, objix, c.from, c.to, 6);
}

void buildobjsizes(ObjProps &p)
{
    p.objwidth.fill(1);
    p.objheight.fill(1);
    p.objleft.fill(0);
    p.objup.fill(0);

    forsets(sets(1, 14), [&](int s) {
        p.objwidth[size_t(objix(s, 2, 0x09))] = 20;
        p.objheight[size_t(objix(s, 2, 0x09))] = 26;
    });

    auto put = [&p](const SizeRow &r) {
        forsets(r.sets, [&](int s) {
            for (int t = r.first; t <= r.last; ++t) {
                const size_t i = size_t(objix(s, r.bank, t));
                p.objwidth[i] = r.w.at(t);
                p.objheight[i] = r.h.at(t);
                p.objleft[i] = r.left.at(t);
                p.objup[i] = r.up.at(t);
            }
        });
    };
    for (const SizeRow &r : commonsizes)
        put(r);
    for (const SizeRow &r : setsizes)
        put(r);

    for (const SetCopy &c : sharedsets) {
        copyset(p.objwidth, objix, c.from, c.to, 7);
        copyset(p.objheight, objix, c.from, c.to, 7);
        copyset(p.objleft, objix, c.from, c.to, 7);
        copyset(p.objup, objix, c.from, c.to, 7);
    }

    // After the copies, so set 12 keeps height 2 here.
    for (int t = 0x40; t <= 0x4F; ++t)
        p.objheight[size_t(objix(4, 0, t))] = 1;
}

void buildenemyboxes(ObjProps &p)
{
    p.enemywidth.fill(1);
    p.enemyheight.fill(1);
    p.enemyleft.fill(0);
    p.enemyup.fill(0);
    for (const EnemyRow &r : enemyrows)
        for (int t = r.first; t <= r.last; ++t) {
            p.enemywidth[size_t(t)] = r.w;
            p.enemyheight[size_t(t)] = r.h;
            p.enemyleft[size_t(t)] = r.left;
            p.enemyup[size_t(t)] = r.up;
        }
}

void buildobjpal(ObjProps &p)
{
    p.objpal.fill(0);
    putpals(p, commonpals);
    putpals(p, setpals);
    for (const SetCopy &c : sharedsets)
        copyset(p.objpal, palix, c.from, c.to, 6);
}

} // namespace quib

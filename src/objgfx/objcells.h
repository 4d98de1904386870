#pragma once
// The object picture store: for the current object set, the picture of
// every level object, as 16 x 16 cells of four 8 x 8 pattern tiles.
//
// A cell is a 32-bit value of four tile numbers: bits 24..31 top left, 16..23
// top right, 8..15 bottom left, 0..7 bottom right. Tile 0xFF draws nothing
// (unless the object's palette value is 4..7); 0xFFFFFFFF is an empty cell.
// objcells[bank 0..6][type 0..255][row 0..26][column 0..31]. The store starts
// all zero and is never cleared: loading a set's definitions overwrites
// exactly the cells they name.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quib {

constexpr uint32_t emptycell = 0xFFFFFFFFu;

struct ObjCells {
    static constexpr int banks = 7, types = 256, rows = 27, cols = 32;
    std::vector<uint32_t> cells = std::vector<uint32_t>(std::size_t(banks) * types * rows * cols, 0);

    uint32_t &at(int b, int t, int r, int c) { return cells[((std::size_t(b) * types + std::size_t(t)) * rows + std::size_t(r)) * cols + std::size_t(c)]; }
    uint32_t at(int b, int t, int r, int c) const { return cells[((std::size_t(b) * types + std::size_t(t)) * rows + std::size_t(r)) * cols + std::size_t(c)]; }
};

constexpr uint32_t cell(uint8_t tl, uint8_t tr, uint8_t bl, uint8_t br)
{
    return (uint32_t(tl) << 24) | (uint32_t(tr) << 16) | (uint32_t(bl) << 8) | uint32_t(br);
}

// Runs the common definitions, then the family of the object set.
void loadobjdefs(ObjCells &cells, int objset);

// The definitions: common to every set, and one family per group of sets.
void commondefs(ObjCells &cells);
void family1(ObjCells &cells); // set 1
void family2(ObjCells &cells); // set 2
void family3(ObjCells &cells); // sets 3, 14
void family4(ObjCells &cells); // sets 4, 12
void family5(ObjCells &cells); // sets 5, 11
void family6(ObjCells &cells); // sets 6, 7, 8
void family9(ObjCells &cells); // set 9

} // namespace quib

// Family 9, the desert: sand hills and stone pyramids that widen down to the
// bottom, palm trees, cacti, rocks, stone rows and sand rows.
//
// Slots of its sheet: A B C palm leaves, D palm trunk, E sand, F cactus,
// G H cactus arms, I rock, J slope rising, K cactus top, L slope falling.
#include "objgfx/defs_family.h"

namespace quib {

using namespace defs;

namespace {

// A pyramid with its peak in column 7 of rows 0..25: the slope edges widen
// one column per row, the inside alternates two cells, outside is empty.
void pyramid(ObjCells &c, int type, uint32_t even, uint32_t odd)
{
    for (int r = 0; r <= 25; ++r)
        for (int col = 0; col <= 15; ++col) {
            const int d = col - 7;
            uint32_t v = E;
            if (d == -r)
                v = slotJ;
            else if (d == r)
                v = slotL;
            else if (d > -r && d < r)
                v = (r + col) % 2 ? odd : even;
            put(c, 0, type, r, col, v);
        }
}

} // namespace

void family9(ObjCells &c)
{
    pyramid(c, 0x00, gbody, slotE);
    pyramid(c, 0x0C, brick, hardblock);

    fixedpic(c, 0, 0x04, {                 // palm tree
        {slotA, slotB, slotC},
        {E, slotD, E},
        {E, slotD, E},
        {E, slotD, E},
    });
    fixedpic(c, 0, 0x05, {                 // cactus with two arms
        {E, slotK, E},
        {slotG, slotF, slotH},
        {E, slotF, E},
    });
    put(c, 0, 0x07, 0, 0, slotI);
    put(c, 0, 0x08, 0, 0, metal);
    fixedpic(c, 0, 0x09, {{slotK}, {slotF}, {slotF}});
    fixedpic(c, 0, 0x0A, {{slotI, slotI}});
    fixedpic(c, 0, 0x0B, {{hardblock}, {hardblock}});
    fixedpic(c, 0, 0x0C, {{E, E, E, E, E, E, E, slotJ}});

    for (int n = 0; n < 16; ++n) {
        rowrun(c, 0, 0x10 + n, 0, 0, 24, hardblock);  // stone row, 2n + 2 wide
        rowrun(c, 3, 0x20 + n, 0, 0, 15, gtop);       // sand row
    }
}

} // namespace quib

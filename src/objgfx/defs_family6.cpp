// Family 6, water, items and pipes: coral, seaweed, the sea that fills the
// level from a row down, pipes up and down, sand floors, pillars that reach
// down to what stands below them, treasure and shells.
//
// Slots of its sheet: A B C D coral (2 x 2), E seaweed, F pole, G bubbles,
// H sand, I pillar, J sand top, K treasure, L shell.
#include "objgfx/defs_family.h"

namespace quib {

using namespace defs;

namespace {

constexpr Slice sandslice = {{slotJ, slotJ, slotJ}, {slotH, slotH, slotH}, {slotH, slotH, slotH}};

} // namespace

void family6(ObjCells &c)
{
    fixedpic(c, 0, 0x00, {{slotA, slotB}, {slotC, slotD}});
    fixedpic(c, 0, 0x01, {{brick, brick}, {brick, brick}});
    fixedpic(c, 0, 0x02, {{question, question}, {question, question}});
    fixedpic(c, 0, 0x03, {{hardblock, hardblock}, {hardblock, hardblock}});
    fixedpic(c, 0, 0x04, {{slotE, slotE}});
    fixedpic(c, 0, 0x05, {{slotG, slotG}});
    fixedpic(c, 0, 0x06, {{coin, coin}});
    fixedpic(c, 0, 0x07, {{brick, brick}});
    fixedpic(c, 0, 0x08, {{slotK, slotL}, {slotJ, slotJ}});
    put(c, 0, 0x09, 0, 0, slotL);
    fixedpic(c, 0, 0x0A, {{slotF}, {slotF}});
    put(c, 0, 0x0B, 0, 0, metal);
    put(c, 0, 0x0C, 0, 0, slotK);
    put(c, 0, 0x0E, 0, 0, coin);
    put(c, 0, 0x0F, 0, 0, gem);

    // 0x0D: the sea, all across the level below its top row.
    fillrect(c, 0, 0x0D, 1, 26, 0, 31, water);

    for (int n = 0; n < 16; ++n) {
        // 0x10: pipes standing up in bank 0, hanging down in bank 3.
        put(c, 0, 0x10 + n, 0, 0, piperimleft);
        put(c, 0, 0x10 + n, 0, 1, piperimright);
        colrun(c, 0, 0x10 + n, 0, 1, 15, pipeleft);
        colrun(c, 0, 0x10 + n, 1, 1, 15, piperight);
        colrun(c, 3, 0x10 + n, 0, 0, 15, pipeleft);
        colrun(c, 3, 0x10 + n, 1, 0, 15, piperight);
        put(c, 3, 0x10 + n, n, 0, piperimleft);
        put(c, 3, 0x10 + n, n, 1, piperimright);

        // 0x50: seaweed in bank 0, sand floors in bank 3.
        colrun(c, 0, 0x50 + n, 0, 0, 15, slotE);
        nineslice(c, 3, 0x50 + n, sandslice);
        // 0xD0: poles in bank 0, ground in bank 3.
        colrun(c, 0, 0xD0 + n, 0, 0, 15, slotF);
        nineslice(c, 3, 0xD0 + n, groundslice);

        // 0xE0: bubbles rising, a pipe lying down, sand rows.
        colrun(c, 0, 0xE0 + n, 0, 0, 15, slotG);
        put(c, 1, 0xE0 + n, 0, 0, hmouthtop);
        put(c, 1, 0xE0 + n, 1, 0, hmouthbottom);
        rowrun(c, 1, 0xE0 + n, 0, 1, 15, hpipetop);
        rowrun(c, 1, 0xE0 + n, 1, 1, 15, hpipebottom);
        rowrun(c, 2, 0xE0 + n, 0, 0, 15, slotJ);
        rowrun(c, 3, 0xE0 + n, 0, 0, 15, slotJ);

        // Bank 3 0x40: pillars down to whatever stands below them.
        fillrect(c, 3, 0x40 + n, 1, 26, 0, 15, slotI);

        nineslice(c, 2, 0xB0 + n, sandslice);
        nineslice(c, 3, 0xB0 + n, bigblock);
    }
}

} // namespace quib

// Family 5, the land of creatures and giants: big blocks, giant rows of
// bricks and question blocks, giant pipes, hilltops, vines and wide areas.
//
// Slots of its sheet: A B blocks, C hilltop, D giant row, L vine.
#include "objgfx/defs_family.h"

namespace quib {

using namespace defs;

void family5(ObjCells &c)
{
    put(c, 0, 0x00, 0, 0, slotA);
    put(c, 0, 0x01, 0, 0, slotB);
    // 0x05: the top of a hill that widens downwards; the anchor is column 7.
    fixedpic(c, 0, 0x05, {{E, E, E, E, E, E, E, slotC}});

    for (int t = 0x0F; t <= 0x1F; ++t) {
        rowrun(c, 0, t, 0, 0, 15, slotD);
        rowrun(c, 0, t, 1, 0, 15, slotD);
    }
    for (int n = 0; n < 16; ++n) {
        // Pipes lying down: bank 1 with the mouth at the right end, bank 2
        // with the mouth at the left.
        lyingpipes(c, n);
        // Bank 3: giant bricks and question blocks two rows high, a giant
        // pipe standing up.
        fillrect(c, 3, 0x30 + n, 0, 1, 0, 15, brick);
        put(c, 3, 0x50 + n, 0, 0, piperimleft);
        put(c, 3, 0x50 + n, 0, 1, piperimright);
        colrun(c, 3, 0x50 + n, 0, 1, 15, pipeleft);
        colrun(c, 3, 0x50 + n, 1, 1, 15, piperight);
        fillrect(c, 3, 0x60 + n, 0, 1, 0, 15, question);

        // 0xB0: a vine in bank 0, large areas in banks 2 and 3.
        colrun(c, 0, 0xB0 + n, 0, 0, 15, slotL);
        nineslice(c, 2, 0xB0 + n, bigblock);
        nineslice(c, 3, 0xB0 + n, groundslice);
    }
}

} // namespace quib

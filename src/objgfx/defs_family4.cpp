// Family 4, sky and ice: clouds to stand on, pillars that rise from the
// bottom, icicles that hang from the top, lamps, ice walls and ledges.
//
// Slots of its sheet: A cloud puff, B C a cloud of two, D pillar, E pillar
// foot, F icicle, G icicle tip, H lamp, I lamp post, J K L cloud left,
// middle, right.
#include "objgfx/defs_family.h"

namespace quib {

using namespace defs;

void family4(ObjCells &c)
{
    put(c, 0, 0x00, 0, 0, slotA);
    fixedpic(c, 0, 0x01, {{slotB, slotC}});
    // 0x02 and 0x03 reach up from their anchor, the picture's row 25.
    colrun(c, 0, 0x02, 0, 0, 24, slotD);
    put(c, 0, 0x02, 25, 0, slotE);
    colrun(c, 0, 0x03, 0, 0, 24, slotF);
    put(c, 0, 0x03, 25, 0, slotG);
    fixedpic(c, 0, 0x05, {{slotH}, {slotI}});
    put(c, 0, 0x06, 0, 0, hardblock);
    put(c, 0, 0x07, 0, 0, metal);

    const Slice cloud = {{slotJ, slotK, slotL}, {E, E, E}, {E, E, E}};
    for (int n = 0; n < 16; ++n) {
        // 0x10..0x1F: a cloud platform one row deep, whatever its height;
        // banks 2 and 3 get cloud banks of the same types.
        nineslice(c, 0, 0x10 + n, cloud);
        rowrun(c, 2, 0x10 + n, 0, 0, 15, slotK);
        rowrun(c, 2, 0x10 + n, 1, 0, 15, slotK);
        rowrun(c, 3, 0x10 + n, 0, 0, 15, slotK);

        fillrect(c, 0, 0x20 + n, 1, 25, 0, 15, brick);  // ice wall below its top row
        rowrun(c, 0, 0xC0 + n, 0, 1, 18, gtop);           // a ledge of two rows
        rowrun(c, 0, 0xC0 + n, 1, 1, 18, gbody);
        rowrun(c, 1, 0x80 + n, 0, 0, 15, hardblock);
    }
    for (int t = 0x0F; t <= 0x1F; ++t)
        rowrun(c, 3, t, 0, 0, 15, slotK);
}

} // namespace quib

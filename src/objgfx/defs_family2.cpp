// Family 2, the fortress: stone floors, ledges, spikes, walls that reach the
// bottom, doors and pillars, and the great hall of 16 x 27 blocks with its
// floor, pillars, door and the lava below.
//
// Slots of its sheet: A door top, B door foot, C stone block, D pillar top,
// E pillar, G floor stone, H ledge top, I ledge foot, J spikes, K hall
// wall, L hall door. Tiles 0x0C, 0x0D, 0x2E and 0x2F are the lava.
#include "objgfx/defs_family.h"

namespace quib {

using namespace defs;

namespace {

constexpr uint32_t lavaeven = 0x0C0C2E2E, lavaodd = 0x0D0D2F2F;

// The hall: wall above the floor at row 15, pillars in columns 1 and 15,
// a door in columns 12..13 from row 21, a low floor at row 24 from column
// 8, lava in rows 25 and 26.
void greathall(ObjCells &c)
{
    for (int col = 0; col < 16; ++col) {
        for (int row = 0; row <= 26; ++row) {
            uint32_t v = slotK;
            if (row == 15 || (row == 24 && col >= 8))
                v = slotG;
            else if (row > 15 && row < 25 && (col == 1 || col == 15))
                v = row == 16 ? slotD : slotE;
            else if (row >= 21 && row < 24 && (col == 12 || col == 13))
                v = row == 21 ? slotA : slotB;
            else if (row >= 25)
                v = col % 2 ? lavaodd : lavaeven;
            put(c, 0, 0x03, row, col, v);
        }
    }
}

} // namespace

void family2(ObjCells &c)
{
    fixedpic(c, 0, 0x00, {{slotA}, {slotB}});  // door
    put(c, 0, 0x02, 0, 0, slotC);
    put(c, 0, 0x04, 0, 0, slotC);
    fixedpic(c, 0, 0x05, {{slotD}, {slotE}});  // pillar
    fixedpic(c, 0, 0x07, {{slotC, slotC}, {slotC, slotC}});
    greathall(c);

    for (int n = 0; n < 16; ++n) {
        rowrun(c, 0, 0x10 + n, 0, 0, 24, slotG);  // stone floor, 4n + 2 wide
        rowrun(c, 0, 0x30 + n, 0, 0, 15, slotH);  // ledge, two rows
        rowrun(c, 0, 0x30 + n, 1, 0, 15, slotI);
        rowrun(c, 0, 0xB0 + n, 0, 0, 15, slotJ);  // spikes
        fillrect(c, 3, 0x10 + n, 0, 25, 0, 15, slotC); // wall down to the bottom
    }
}

} // namespace quib

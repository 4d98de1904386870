// Family 1, the plain: grounds that reach the bottom, raised ledges, hills
// of the background, bushes, fences, bridges, clouds and big coloured blocks.
//
// Slots of its sheet: A fence, B post top, C post foot, D door top, E door
// foot, F vine, G bush, H bridge post, I railing, J K L cloud left, middle,
// right.
#include "objgfx/defs_family.h"

namespace quib {

using namespace defs;

void defs::lyingpipes(ObjCells &c, int n)
{
    for (int t = 0xE0 + n; t <= 0xFF; t += 16) {
        rowrun(c, 1, t, 0, 0, 15, hpipetop);
        rowrun(c, 1, t, 1, 0, 15, hpipebottom);
        put(c, 1, t, 0, n, hmouthtop);
        put(c, 1, t, 1, n, hmouthbottom);
    }
    for (int t = 0x10 + n; t <= 0x2F; t += 16) {
        rowrun(c, 2, t, 0, 0, 15, hpipetop);
        rowrun(c, 2, t, 1, 0, 15, hpipebottom);
        put(c, 2, t, 0, 0, hmouthtop);
        put(c, 2, t, 1, 0, hmouthbottom);
    }
}

void defs::hillpictures(ObjCells &c, int bank, int small, int medium, int tall)
{
    if (small >= 0)
        fixedpic(c, bank, small, {
        {E, E, hilltl, hilltr, E},
        {E, hilltl, hillspot1, hillfill, hilltr},
        {hilltl, hillfill, hillfill, hillspot2, hillr},
        {hilll, hillspot2, hillfill, hillfill, hillr},
    });
    if (medium >= 0)
        fixedpic(c, bank, medium, {
        {E, 0x68696C0F, 0x6A6B0F6D, E},
        {E, 0x6E0F6E0F, 0x1A1B1E0F, 0x6A6B0F6D},
        {0x68696C0F, 0x1C1D0F1F, 0x0F0F0F0F, 0x0F6F0F6F},
    });
    if (tall >= 0)
        fixedpic(c, bank, tall, {
        {E, E, hilltl, hilltr, E, E},
        {E, E, hilll, hillr, E, E},
        {E, hilltl, hillspot1, hillfill, hilltr, E},
        {E, hilll, hillfill, hillspot2, hillr, E},
        {hilltl, hillfill, hillfill, hillfill, hillspot1, hilltr},
        {hilll, hillspot2, hillfill, hillfill, hillfill, hillr},
        {hilll, hillfill, hillfill, hillspot1, hillfill, hillr},
        {hilll, hillfill, hillspot2, hillfill, hillfill, hillr},
    });
}

void family1(ObjCells &c)
{
    // ---- fixed pictures
    hillpictures(c, 0, 0x00, 0x01, 0x02);
    fixedpic(c, 0, 0x03, {{slotA, slotA, slotA}});  // fence
    fixedpic(c, 0, 0x04, {{slotB}, {slotC}});       // post
    fixedpic(c, 0, 0x05, {{slotD}, {slotE}});       // door
    put(c, 0, 0x07, 0, 0, hardblock);
    colrun(c, 0, 0x06, 0, 1, 25, slotF);            // vine down to the bottom

    for (int n = 0; n < 16; ++n) {
        // 0x10..0x4F: ground to the bottom of the level, n + 2 wide, one
        // range per colour. Row 25 is the bottom row.
        for (int t = 0x10 + n; t <= 0x4F; t += 16) {
            rowrun(c, 0, t, 0, 0, 18, gtop);
            fillrect(c, 0, t, 1, 25, 0, 18, gbody);
            put(c, 0, t, 0, n, gtop);
            colrun(c, 0, t, n, 1, 25, gbody);
            put(c, 0, t, 0, n + 1, gtopr);
            colrun(c, 0, t, n + 1, 1, 25, gbodyr);
            put(c, 0, t, 0, 0, gtopl);
            colrun(c, 0, t, 0, 1, 25, gbodyl);
        }
        // 0x50..0x8F: a ledge of ground three rows deep, n + 1 wide.
        for (int t = 0x50 + n; t <= 0x8F; t += 16) {
            rowrun(c, 0, t, 0, 1, 18, gtop);
            fillrect(c, 0, t, 1, 2, 1, 18, gbody);
            put(c, 0, t, 0, 0, gtopl);
            colrun(c, 0, t, 0, 1, 2, gbodyl);
            put(c, 0, t, 0, n, gtopr);
            colrun(c, 0, t, n, 1, 2, gbodyr);
        }
        rowrun(c, 0, 0x90 + n, 0, 0, 15, slotG); // bushes

        // 0xA0: a plank bridge between posts; 0xF0: a cloud to stand on.
        rowrun(c, 0, 0xA0 + n, 0, 1, 14, planks);
        put(c, 0, 0xA0 + n, 0, 0, slotH);
        put(c, 0, 0xA0 + n, 0, n, slotH);
        rowrun(c, 0, 0xF0 + n, 0, 1, 14, slotK);
        put(c, 0, 0xF0 + n, 0, 0, slotJ);
        put(c, 0, 0xF0 + n, 0, n, slotL);

        rowrun(c, 0, 0xB0 + n, 0, 0, 15, slotA);  // fence
        rowrun(c, 3, 0x10 + n, 0, 0, 15, metal);  // hard blocks

        nineslice(c, 0, 0xC0 + n, bigblock);
        nineslice(c, 0, 0xD0 + n, bigblock);

        // 0xE0: a bridge with a railing, posts at both ends.
        const int b = 0xE0 + n;
        rowrun(c, 0, b, 0, 1, 18, slotI);
        rowrun(c, 0, b, 1, 1, 18, planks);
        for (int col : {0, n}) {
            put(c, 0, b, 0, col, slotB);
            put(c, 0, b, 1, col, slotC);
        }
    }
}

} // namespace quib

// The pictures every object set shares: the blocks, bricks, coins, pipes and
// platforms of banks 1 and 2. Their tiles lie on page 2 of the graphic set
// (0x80..0xFF), with the horizontal pipe and a few fillers on page 1.
#include "objgfx/defs_family.h"

namespace quib {

using namespace defs;

namespace {

// Bank 1 row runs, one value per group of 16 types from 0x10.
constexpr uint32_t bank1rows[8] = {question, brick, question, coin, hardblock, hardblock, coin, metal};

struct GroupSlice {
    int first;
    uint32_t top, rest;
};
// Bank 2 nine-slices whose three columns are alike.
constexpr GroupSlice bank2slices[] = {
    {0x60, 0xAAAAABAB, 0xABABABAB}, // water: waves over water
    {0x70, 0xC5C5FEFE, 0xFEFEFEFE},
    {0x80, 0xC7C7FEFE, 0xFEFEFEFE},
    {0x90, 0xC5C5FEFE, 0xFEFEFEFE},
    {0xA0, 0xB3B3CDCF, 0xCCCECDCF},
    {0xB0, 0x0E676465, 0x0E676465},
    {0xC0, 0xD5D5B2B2, 0xB2B2B2B2},
    {0xD0, 0x3C37373C, 0x3C371634},
};

} // namespace

void commondefs(ObjCells &cells)
{
    // ---- bank 1: single blocks, rows of blocks, vertical and horizontal pipes
    for (int t = 0x00; t <= 0x04; ++t)
        put(cells, 1, t, 0, 0, brick);
    put(cells, 1, 0x05, 0, 0, 0x92CA93CB);
    for (int t = 0x06; t <= 0x0D; ++t)
        put(cells, 1, t, 0, 0, question);

    for (int n = 0; n < 16; ++n) {
        for (int k = 0; k < 8; ++k)
            rowrun(cells, 1, 0x10 + 16 * k + n, 0, 0, 15, bank1rows[k]);

        // 0x90..0xBF: pipes standing up, rim on top.
        for (int t = 0x90 + n; t <= 0xBF; t += 16) {
            put(cells, 1, t, 0, 0, piperimleft);
            put(cells, 1, t, 0, 1, piperimright);
            colrun(cells, 1, t, 0, 1, 15, pipeleft);
            colrun(cells, 1, t, 1, 1, 15, piperight);
        }
        // 0xC0..0xDF: pipes hanging down, rim at the bottom row n.
        for (int t = 0xC0 + n; t <= 0xDF; t += 16) {
            colrun(cells, 1, t, 0, 0, 14, pipeleft);
            colrun(cells, 1, t, 1, 0, 14, piperight);
            put(cells, 1, t, n, 0, piperimleft);
            put(cells, 1, t, n, 1, piperimright);
        }
        // 0xE0..0xFF: pipes lying down, mouth on the left.
        for (int t = 0xE0 + n; t <= 0xFF; t += 16) {
            put(cells, 1, t, 0, 0, hmouthtop);
            put(cells, 1, t, 1, 0, hmouthbottom);
            rowrun(cells, 1, t, 0, 1, 15, hpipetop);
            rowrun(cells, 1, t, 1, 1, 15, hpipebottom);
        }
    }

    // ---- bank 2: single blocks, the dark backdrop, runs and large areas
    for (int t : {0x01, 0x02, 0x03, 0x07})
        put(cells, 2, t, 0, 0, hardblock);
    for (int t = 0x04; t <= 0x06; ++t)
        put(cells, 2, t, 0, 0, coin);
    put(cells, 2, 0x08, 0, 0, 0xE0E2E1E3);

    colrun(cells, 2, 0x09, 0, 0, 25, 0x3AFC3BFC);
    fillrect(cells, 2, 0x09, 0, 25, 1, 19, 0xFCFCFCFC);

    for (int n = 0; n < 16; ++n) {
        // 0x10..0x2F: pipes lying down, mouth at the right end.
        for (int t = 0x10 + n; t <= 0x2F; t += 16) {
            rowrun(cells, 2, t, 0, 0, 14, hpipetop);
            rowrun(cells, 2, t, 1, 0, 14, hpipebottom);
            put(cells, 2, t, 0, n, hmouthtop);
            put(cells, 2, t, 1, n, hmouthbottom);
        }
        // 0x30..0x3F: a stalk with its head on top.
        const int stalk = 0x30 + n;
        put(cells, 2, stalk, 0, 0, 0xA4A6A5A7);
        put(cells, 2, stalk, 1, 0, 0xECEEEDEF);
        colrun(cells, 2, stalk, 0, 2, 15, 0xE4E5E4E5);

        rowrun(cells, 2, 0x40 + n, 0, 0, 15, 0xC8C8C9C9);
        rowrun(cells, 2, 0x50 + n, 0, 0, 15, metal);
        rowrun(cells, 2, 0xE0 + n, 0, 0, 15, 0xBCBEBDBF);

        // 0xF0..0xFF: a pipe with a rim at both ends, rows 0 and n.
        const int both = 0xF0 + n;
        colrun(cells, 2, both, 0, 1, 14, pipeleft);
        colrun(cells, 2, both, 1, 1, 14, piperight);
        for (int row : {0, n}) {
            put(cells, 2, both, row, 0, piperimleft);
            put(cells, 2, both, row, 1, piperimright);
        }

        for (const GroupSlice &g : bank2slices)
            nineslicecols(cells, 2, g.first + n, g.top, g.rest);
    }
}

} // namespace quib

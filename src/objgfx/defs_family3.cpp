// Family 3, hills and underground: square ground blocks, hillsides and
// mounds up to 32 columns wide, trees and signs, pyramids of ground, bushes,
// pipes lying down, the cave backdrop and the large 4-byte areas of bank 4.
//
// Slots of its sheet: A rock, B crystal, C small bush, D sign, E sign post,
// F slope rising to the right, G slope falling, H tree trunk, I tree top,
// J bushes.
#include "objgfx/defs_family.h"

namespace quib {

using namespace defs;

namespace {

constexpr uint32_t up = slotF, down = slotG;

// A ground block: top row, body below, left edge at column 0 and right
// edge at column `right`, over rows 0..lastrow and columns 0..lastcol.
void groundblock(ObjCells &c, int bank, int type, int lastrow, int lastcol, int right)
{
    rowrun(c, bank, type, 0, 0, lastcol, gtop);
    fillrect(c, bank, type, 1, lastrow, 0, lastcol, gbody);
    put(c, bank, type, 0, right, gtopr);
    colrun(c, bank, type, right, 1, lastrow, gbodyr);
    put(c, bank, type, 0, 0, gtopl);
    colrun(c, bank, type, 0, 1, lastrow, gbodyl);
}

// A hillside of w columns and h rows: the slope edge climbs one row per
// column, ground below it.
void hillside(ObjCells &c, int type, int w, int h, bool rising)
{
    for (int r = 0; r < h; ++r) {
        for (int col = 0; col < w; ++col) {
            const int edge = rising ? w - 1 - r : r;
            uint32_t v = E;
            if (col == edge)
                v = rising ? up : down;
            else if (rising ? col > edge : col < edge)
                v = gbody;
            put(c, 3, type, r, col, v);
        }
    }
}

// A mound: slopes rising from both sides to a peak in the middle columns,
// ground below them.
void mound(ObjCells &c, int bank, int type, int w, int h)
{
    for (int r = 0; r < h; ++r) {
        for (int col = 0; col < w; ++col) {
            const int left = (w - 1) / 2 - r, right = w / 2 + r;
            uint32_t v = E;
            if (col == left)
                v = up;
            else if (col == right)
                v = down;
            else if (col > left && col < right)
                v = gbody;
            put(c, bank, type, r, col, v);
        }
    }
}

struct BigSlice {
    int first;
    const Slice *cells;
};

constexpr Slice brickslice = {{brick, brick, brick}, {brick, brick, brick}, {brick, brick, brick}};
constexpr Slice rockslice = {{slotA, slotA, slotA}, {slotA, slotA, slotA}, {slotA, slotA, slotA}};

// Bank 4: large areas, one look per group of 16 types.
constexpr BigSlice bank4[] = {
    {0x10, &groundslice}, {0x20, &groundslice}, {0x30, &brickslice},  {0x40, &bigblock},
    {0x50, &groundslice}, {0x60, &groundslice}, {0x70, &rockslice},   {0x80, &bigblock},
    {0x90, &bigblock},    {0xA0, &groundslice}, {0xB0, &bigblock},    {0xC0, &brickslice},
};

} // namespace

void family3(ObjCells &c)
{
    // ---- single blocks and small pictures of bank 0
    constexpr struct { int type; uint32_t cell; } singles[] = {
        {0x00, slotA}, {0x01, hardblock}, {0x02, question}, {0x03, slotB}, {0x04, coin},
        {0x05, metal}, {0x07, brick},     {0x08, gem},      {0x0A, slotC}, {0x0B, slotA},
    };
    for (const auto &s : singles)
        put(c, 0, s.type, 0, 0, s.cell);
    fixedpic(c, 0, 0x0F, {{slotD}, {slotE}});  // sign
    put(c, 4, 0x00, 0, 0, slotB);              // a crystal

    // ---- background hills in bank 2, hillsides and mounds in bank 3
    hillpictures(c, 2, 0x0A, 0x0B, 0x0C);
    hillside(c, 0x00, 8, 6, true);
    hillside(c, 0x01, 8, 6, false);
    mound(c, 3, 0x02, 6, 6);
    groundblock(c, 3, 0x03, 5, 7, 7);
    hillside(c, 0x06, 8, 6, true);
    hillside(c, 0x07, 8, 6, false);
    groundblock(c, 3, 0x08, 2, 7, 7);
    mound(c, 3, 0x09, 8, 6);
    rowrun(c, 3, 0x0A, 0, 0, 7, gtop);
    put(c, 3, 0x0B, 0, 0, up);
    hillpictures(c, 3, 0x0C, -1, -1);
    fillrect(c, 3, 0x0D, 0, 5, 0, 3, slotA);
    rowrun(c, 3, 0x0D, 0, 0, 3, gtop);
    mound(c, 3, 0x0E, 8, 6);
    fillrect(c, 3, 0x0F, 0, 5, 0, 7, slotA);

    // ---- the cave backdrop, 20 x 26
    colrun(c, 2, 0x09, 0, 0, 25, 0x3A0E3B64);
    fillrect(c, 2, 0x09, 0, 25, 1, 19, 0x0E676465);

    for (int n = 0; n < 16; ++n) {
        // Square blocks of ground, n + 1 each way.
        groundblock(c, 0, 0x10 + n, 15, 15, n);
        // Trees, n + 1 high.
        put(c, 0, 0xD0 + n, 0, 0, slotI);
        colrun(c, 0, 0xD0 + n, 0, 1, 15, slotH);

        // Pipes lying down: bank 1 with the mouth at the right end, bank 2
        // with the mouth at the left.
        lyingpipes(c, n);

        // Bank 3 0x10: a pyramid of ground 2n + 2 wide and n + 1 high.
        for (int r = 0; r < 16; ++r)
            for (int col = 0; col < 32; ++col) {
                const int left = n - r, right = n + 1 + r;
                uint32_t v = E;
                if (r <= n && col == left)
                    v = up;
                else if (r <= n && col == right)
                    v = down;
                else if (r <= n && col > left && col < right)
                    v = gbody;
                put(c, 3, 0x10 + n, r, col, v);
            }
        rowrun(c, 5, 0x10 + n, 0, 0, 15, slotJ);  // bushes

        for (const BigSlice &s : bank4)
            nineslice(c, 4, s.first + n, *s.cells);
    }
}

} // namespace quib

// Drawing one level object from its picture.
//
// A 4-byte object is drawn as a nine-slice of picture rows 0..2 and columns
// 0..2 (edges once, the middle repeated) stretched to its own width (length
// byte + 1) and height (low nibble of the type + 1). A 3-byte object is a
// fixed picture cut to the size tables, its top-left cell at the anchor minus
// objleft and objup. Only the cells inside the view are visited.
#include "level/drawobj.h"

#include "graphics/blit.h"
#include "graphics/graphics.h"
#include "level/level.h"
#include "objgfx/objcells.h"
#include "tables/objprops.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quib {

namespace {

constexpr int lastpicrow = ObjCells::rows - 1; // 26
constexpr int lastpiccol = ObjCells::cols - 1; // 31
constexpr int lastpicbank = ObjCells::banks - 1; // bank 7 has no pictures

// Colours of the box shown for a 4-byte object whose type has no length byte
// in the current object set.
constexpr uint32_t placeholderfill = rgb(0, 150, 255);
constexpr uint32_t placeholderouter = rgb(0, 0, 255);
constexpr uint32_t placeholderinner = rgb(0, 100, 255);

// What drawing an object reads and where it draws: the target surface shows
// the blocks from (col0, row0) on.
struct Ctx {
    Surface &lvl;
    const LevelDocument &level;
    const ObjProps &props;
    const ObjCells &objcells;
    const Graphics &gfx;
    int col0;
    int row0;
};

// Copies the 8 x 8 tile `src` to (x, y); `inside` when the whole square lies
// within dst, so that the rows can be copied without clipping.
inline void copytile(Surface &dst, int x, int y, const TileRef &src, bool inside)
{
    const Surface &sheet = *src.sheet;
    if (src.x + 8 > sheet.width || src.y + 8 > sheet.height)
        return; // sheet not painted yet
    if (!inside || dst.shift != 0) {
        blit(dst, x, y, sheet, src.x, src.y, 8, 8);
        return;
    }
    const size_t fromstride = size_t(sheet.width), tostride = size_t(dst.width);
    const uint32_t *from = sheet.row(src.y) + src.x;
    uint32_t *to = dst.row(y) + x;
    for (int k = 0; k < 8; ++k, from += fromstride, to += tostride)
        std::memcpy(to, from, 8 * sizeof(uint32_t));
}

// Objects whose height is not fixed: they reach down until they meet another
// object. Column objects are met by anything over their own columns, slopes
// by anything their widening edge (one block each side per row) touches.
enum class Stretch : uint8_t { none, column, slope, slopetorow25 };

Stretch stretchkind(int set, int b, int t)
{
    if (b == 0 && (set == 4 || set == 12) && t >= 0x60 && t <= 0x6F)
        return Stretch::column;
    if (b == 3 && (set == 6 || set == 8) && t >= 0x40 && t <= 0x4F)
        return Stretch::column;
    if (b == 0 && (set == 5 || set == 11) && t == 0x05)
        return Stretch::slope;
    if (b == 0 && set == 9 && (t == 0x00 || t == 0x0C))
        return Stretch::slopetorow25;
    return Stretch::none;
}

// The last picture row of stretching object i: the row above the nearest
// object it meets, or `lastrow` when it meets none. Objects of its own bank
// and type never stop it.
int stretch(const Ctx &s, int i, Stretch kind, int lastrow)
{
    const LevelDocument &lv = s.level;
    const ObjProps &pr = s.props;
    const int set = lv.lvlobjset & 15;
    const ObjRecord &o = lv.objects[size_t(i)];
    const int b = o.bank, t = o.type;
    const int x = o.x, y = o.y;
    if (kind == Stretch::slopetorow25 && lastrow == 25)
        lastrow = 25 - y;
    for (const ObjRecord &oj : lv.objects) {
        const int bj = oj.bank, tj = oj.type;
        if (bj == b && tj == t)
            continue;
        const int xj = oj.x, yj = oj.y;
        int leftj, rightj, topj;
        if (oj.four) {
            leftj = xj;
            rightj = xj + oj.len;
            topj = yj;
        } else {
            leftj = xj - pr.left(set, bj, tj);
            rightj = xj + pr.width(set, bj, tj) - 1;
            topj = yj - pr.up(set, bj, tj);
        }
        const int d = topj - y;
        if (d <= 0 || d - 1 >= lastrow)
            continue;
        const bool meets = kind == Stretch::column ? leftj <= x + (t & 15) && rightj >= x
                                                   : leftj <= x + d && rightj >= x - d;
        if (meets)
            lastrow = d - 1;
    }
    return lastrow;
}

// Per-row palette and cell exceptions of some 3-byte objects.
enum class RowRule : uint8_t { none, row0pal0, row0pal2, row1pal1, sharedspot, set2backdrop };

RowRule rowrule(int set, int b, int t)
{
    if (b == 3 && (set == 3 || set == 14) && t <= 0x01)
        return RowRule::row0pal0;
    if (b == 0 && (set == 4 || set == 12) && t >= 0x30 && t <= 0x4F)
        return RowRule::row0pal2;
    if (b == 0 && set >= 6 && set <= 8 && t >= 0xB0 && t <= 0xBF)
        return RowRule::row1pal1;
    if (b == 0 && set >= 6 && set <= 8 && t >= 0xC0 && t <= 0xCF)
        return RowRule::sharedspot;
    if (b == 0 && set == 2 && t == 0x03)
        return RowRule::set2backdrop;
    return RowRule::none;
}

// The big backdrop picture of object set 2 (bank 0, type 3): palettes by
// row and column, later lines win.
int set2backdroppal(int r, int c, int p)
{
    if (r <= 14)
        p = 1;
    if (r == 15)
        p = 2;
    if (r == 24 && c >= 8)
        p = 1;
    if ((c == 1 || c == 15) && r > 15)
        p = 2;
    if ((c == 12 || c == 13) && r >= 21)
        p = 1;
    if (r >= 25)
        p = 0;
    return p;
}

// Another object stands on the same block as object i.
bool sharesspot(const LevelDocument &lv, int i)
{
    const ObjRecord &o = lv.objects[size_t(i)];
    for (int j = 0; j < lv.objcount(); ++j)
        if (j != i && lv.objects[size_t(j)].x == o.x && lv.objects[size_t(j)].y == o.y)
            return true;
    return false;
}

void drawnineslice(const Ctx &s, int i)
{
    const LevelDocument &lv = s.level;
    const ObjProps &pr = s.props;
    const int set = lv.lvlobjset & 15;
    const ObjRecord &o = lv.objects[size_t(i)];
    const int b = o.bank, t = o.type;
    const int px = 16 * (o.x - s.col0);
    const int py = 16 * (o.y - s.row0);
    int lastcol = o.len;
    int lastrow = t & 15;
    // Object set 2's bank-0 types F0..FF run downwards: the nibble is the width.
    if (set == 2 && b == 0 && t >= 0xF0)
        std::swap(lastcol, lastrow);
    const int w = 16 * lastcol + 16, h = 16 * lastrow + 16;
    const int dstw = s.lvl.fullwidth(), dsth = s.lvl.fullheight();
    if (px + w < 1 || py + h < 1 || px >= dstw || py >= dsth)
        return;

    if (b > lastpicbank || !pr.four(set, b, t)) {
        // Read as a 4-byte object under another object set.
        hatchedbox(s.lvl, px, py, px + w - 1, py + h - 1, placeholderouter, placeholderfill);
        outline(s.lvl, px + 1, py + 1, px + w - 2, py + h - 2, placeholderinner);
        return;
    }

    const int c0 = std::max(0, -px / 16), c1 = std::min(lastcol, (dstw - 1 - px) / 16);
    const int r0 = std::max(0, -py / 16), r1 = std::min(lastrow, (dsth - 1 - py) / 16);
    const int pal = pr.pal(set, b, t) & 3; // 4-byte objects have no opaque palettes
    const int gs = lv.graphicset();

    uint32_t slice[3][3];
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            slice[r][c] = s.objcells.at(b, t, r, c);
    // The slice row or column of position k of 0..last: first, middle, last.
    const auto part = [](int k, int last) { return k == 0 ? 0 : k == last ? 2 : 1; };

    // Cells don't overlap, so rows go outermost for the sake of the caches.
    for (int r = r0; r <= r1; ++r) {
        const int sr = part(r, lastrow);
        for (int c = c0; c <= c1; ++c) {
            const int sc = part(c, lastcol);
            int row = sr;
            // A one-row object whose top and middle agree but whose bottom
            // differs shows its bottom row.
            if (r == lastrow && slice[0][sc] == slice[1][sc] && slice[0][sc] != slice[2][sc])
                row = 2;
            drawcell(s.lvl, px + 16 * c, py + 16 * r, s.gfx, gs, slice[row][sc], pal, false);
        }
    }
}

void drawpicture(const Ctx &s, int i)
{
    const LevelDocument &lv = s.level;
    const ObjProps &pr = s.props;
    const int set = lv.lvlobjset & 15;
    const ObjRecord &o = lv.objects[size_t(i)];
    const int b = o.bank, t = o.type;
    if (b > lastpicbank)
        return;
    const int y = o.y;
    const int px = 16 * (o.x - s.col0);
    const int py = 16 * (y - s.row0);
    const int width = pr.width(set, b, t), height = pr.height(set, b, t);
    const int left = pr.left(set, b, t), up = pr.up(set, b, t);
    const int ox = px - 16 * left, oy = py - 16 * up;
    const int dstw = s.lvl.fullwidth(), dsth = s.lvl.fullheight();
    if (px + 16 * width < 1 || py + 16 * height < 1 || ox >= dstw || oy >= dsth)
        return;

    if (set == 2 && b == 0 && t == 0x03) // the backdrop hides whatever is behind it
        fillrect(s.lvl, px, py, px + 255, py + 431, s.gfx.lvlbackground);

    const int lastcol = width + left - 1;
    int lastrow = height + up - 1;
    const Stretch kind = stretchkind(set, b, t);
    if (kind != Stretch::none)
        lastrow = stretch(s, i, kind, lastrow);

    // Pictures are 24 columns wide and repeat columns 1..24 beyond that,
    // except bank 3 of sets 3 and 14, up to 32 columns.
    const bool repeat = !(b == 3 && (set == 3 || set == 14));
    const int c0 = std::max(0, -ox / 16);
    const int c1 = std::min({lastcol, (dstw - 1 - ox) / 16, repeat ? lastcol : lastpiccol});
    const int r0 = std::max(0, -oy / 16);
    const int r1 = std::min({lastrow, (dsth - 1 - oy) / 16, lastpicrow});

    // Set 1's ground (bank 0, 10..4F) ends at level row 25 with picture row 25.
    const bool ground = set == 1 && b == 0 && t >= 0x10 && t <= 0x4F;
    const RowRule rule = rowrule(set, b, t);
    const bool shared = rule == RowRule::sharedspot && sharesspot(lv, i);
    const int basepal = pr.pal(set, b, t);
    const int gs = lv.graphicset();

    for (int r = r0; r <= r1; ++r) {
        const int levelrow = y + r;
        if (ground && levelrow >= 26)
            break;
        int rowpal = basepal;
        if (rule == RowRule::row0pal0 && r == 0)
            rowpal = 0;
        else if (rule == RowRule::row0pal2 && r == 0)
            rowpal = 2;
        else if (rule == RowRule::row1pal1 && r == 1)
            rowpal = 1;
        for (int c = c0; c <= c1; ++c) {
            const int pc = repeat && c > 24 ? c % 24 : c;
            uint32_t value = s.objcells.at(b, t, r, pc);
            if (ground && levelrow == 25)
                value = s.objcells.at(b, t, 25, c <= lastpiccol ? c : pc);
            int pal = rowpal;
            if (rule == RowRule::set2backdrop)
                pal = set2backdroppal(r, c, pal);
            if (shared && r == 0)
                value = 0x997A997Au;
            drawcell(s.lvl, ox + 16 * c, oy + 16 * r, s.gfx, gs, value, pal & 3, pal >= 4);
        }
    }
}

} // namespace

void drawtile(Surface &dst, int x, int y, const Graphics &g, int graphicset, int tile, int palette)
{
    const bool inside = x >= 0 && y >= 0 && x <= dst.fullwidth() - 8 && y <= dst.fullheight() - 8;
    copytile(dst, x, y, leveltile(g, graphicset, tile, palette), inside);
}

namespace {

// drawcell onto a reduced surface: only the kept pixels of each quarter are
// visited.
// A cell wholly inside a surface reduced by 2^K (1..3), at a multiple of 2^K,
// from two painted sheets of the usual size: the first kept pixel of each
// quarter is its top-left one.
template <int K>
void keptcell(Surface &dst, int x, int y, const Surface *const pages[2], uint32_t cell, int palette, bool opaque)
{
    constexpr int step = 1 << K, n = 8 / step, sheetw = 128;
    const size_t stride = size_t(dst.width);
    uint32_t *const base = dst.row(y >> K) + (x >> K);
    const int band = sheetband * (palette & 3);
    for (int q = 0; q < 4; ++q) {
        const int tile = int(cell >> (24 - 8 * q)) & 0xFF;
        if (tile == 0xFF && !opaque)
            continue;
        const uint32_t *from = pages[tile >> 7]->px.data() + size_t(band + 8 * ((tile >> 4) & 7)) * sheetw
            + 8 * (tile & 15);
        uint32_t *to = base + (q >> 1) * n * stride + (q & 1) * n;
        for (int r = 0; r < n; ++r, from += step * sheetw, to += stride)
            for (int c = 0; c < n; ++c)
                to[c] = from[c * step];
    }
}

void reducedcell(Surface &dst, int x, int y, const Graphics &g, int graphicset, uint32_t cell, int palette,
                 bool opaque)
{
    const int k = dst.shift, m = (1 << k) - 1;
    const int w = dst.fullwidth(), h = dst.fullheight();
    if (k <= 3 && ((x | y) & m) == 0 && x >= 0 && y >= 0 && x <= w - 16 && y <= h - 16) {
        const Surface *const pages[2] = {&g.gfxo[gfxsetsheet[0][graphicset & 0x1F]],
                                         &g.gfxo[gfxsetsheet[1][graphicset & 0x1F]]};
        const auto usual = [](const Surface *p) { return p->width == 128 && p->height == 4 * sheetband; };
        if (usual(pages[0]) && usual(pages[1])) {
            if (k == 1)
                keptcell<1>(dst, x, y, pages, cell, palette, opaque);
            else if (k == 2)
                keptcell<2>(dst, x, y, pages, cell, palette, opaque);
            else
                keptcell<3>(dst, x, y, pages, cell, palette, opaque);
            return;
        }
    }
    for (int q = 0; q < 4; ++q) {
        const int tile = int(cell >> (24 - 8 * q)) & 0xFF;
        if (tile == 0xFF && !opaque)
            continue;
        const int qx = x + 8 * (q & 1), qy = y + 8 * (q >> 1);
        const int xa = (std::max(qx, 0) + m) & ~m, xb = std::min(qx + 8, w);
        const int ya = (std::max(qy, 0) + m) & ~m, yb = std::min(qy + 8, h);
        if (xa >= xb || ya >= yb)
            continue;
        const TileRef t = leveltile(g, graphicset, tile, palette);
        const Surface &sheet = *t.sheet;
        if (t.x + 8 > sheet.width || t.y + 8 > sheet.height)
            continue; // sheet not painted yet
        for (int yy = ya; yy < yb; yy += m + 1) {
            const uint32_t *from = sheet.row(t.y + yy - qy) + (t.x - qx); // indexed by destination x
            uint32_t *to = dst.row(yy >> k);
            for (int xx = xa; xx < xb; xx += m + 1)
                to[xx >> k] = from[xx];
        }
    }
}

} // namespace

void drawcell(Surface &dst, int x, int y, const Graphics &g, int graphicset, uint32_t cell, int palette, bool opaque)
{
    if (dst.shift != 0) {
        reducedcell(dst, x, y, g, graphicset, cell, palette, opaque);
        return;
    }
    const bool inside = x >= 0 && y >= 0 && x <= dst.fullwidth() - 16 && y <= dst.fullheight() - 16;
    const auto quarter = [&](int tile, int dx, int dy) {
        if (tile != 0xFF || opaque)
            copytile(dst, x + dx, y + dy, leveltile(g, graphicset, tile, palette), inside);
    };
    quarter(int(cell >> 24), 0, 0);
    quarter(int(cell >> 16) & 0xFF, 8, 0);
    quarter(int(cell >> 8) & 0xFF, 0, 8);
    quarter(int(cell) & 0xFF, 8, 8);
}

void hatch(Surface &dst, int x0, int y0, int x1, int y1, uint32_t colour)
{
    const int xa = std::max(x0 + 1, 0), xb = std::min(x1 - 1, dst.fullwidth() - 1);
    const int ya = std::max(y0 + 1, 0), yb = std::min(y1 - 1, dst.fullheight() - 1);
    if (xa > xb || ya > yb)
        return;
    // Lines where x + y and x - y are multiples of 8, in view coordinates.
    if (dst.shift == 0) {
        for (int y = ya; y <= yb; ++y) {
            uint32_t *row = dst.row(y);
            for (const int phase : {-y & 7, y & 7})
                for (int x = xa + ((phase - xa) & 7); x <= xb; x += 8)
                    row[x] = colour;
        }
        return;
    }
    const int k = dst.shift, m = (1 << k) - 1;
    for (int y = (ya + m) & ~m; y <= yb; y += m + 1) {
        uint32_t *row = dst.row(y >> k);
        for (const int phase : {-y & 7, y & 7})
            for (int x = xa + ((phase - xa) & 7); x <= xb; x += 8)
                if ((x & m) == 0)
                    row[x >> k] = colour;
    }
}

void hatchedbox(Surface &dst, int x0, int y0, int x1, int y1, uint32_t line, uint32_t fill)
{
    hatch(dst, x0, y0, x1, y1, fill);
    outline(dst, x0, y0, x1, y1, line);
}

void drawobj(Surface &dst, int col0, int row0, const LevelDocument &lv, const ObjProps &props,
             const ObjCells &objcells, const Graphics &gfx, int i)
{
    if (i < 0 || i >= lv.objcount())
        return;
    const Ctx c{dst, lv, props, objcells, gfx, col0, row0};
    if (lv.objects[size_t(i)].four)
        drawnineslice(c, i);
    else
        drawpicture(c, i);
}

} // namespace quib

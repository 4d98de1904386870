// The level redraw: everything on the level view is drawn again after every
// change, back to front.
#include "level/drawlevel.h"

#include "level/level.h"
#include "rom/hex.h"
#include "graphics/blit.h"
#include "level/objbox.h"
#include "graphics/graphics.h"
#include "level/drawobj.h"
#include "objgfx/objcells.h"
#include "tables/names.h"

#include <algorithm>
#include <cstring>

namespace quib {

namespace {

const QString linebreak = QStringLiteral("\r\n");

QString threedigits(int n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

QString position(int x, int y)
{
    return QStringLiteral("X: ") + hexpad(x, 2) + QStringLiteral("   Y: ") + hexpad(y, 2);
}

QString objsetline(const Level &lv, const NameTables &names)
{
    const int set = lv.lvlobjset & 15;
    return QStringLiteral("Obj. set: ") + hexstr(set) + QStringLiteral(" -- ") + names.objsetnames[size_t(set)];
}

bool hasobject(const Level &lv, int bank, int type)
{
    return std::any_of(lv.objects.begin(), lv.objects.end(),
                       [&](const ObjRecord &o) { return o.bank == bank && o.type == type; });
}

// A fill of 32-bit values is not vectorised at the usual optimisation level;
// copying the first row down is, and makes the clear cost about one frame copy.
void clear(Surface &lvl, int rows, uint32_t colour)
{
    if (lvl.px.empty())
        return;
    std::fill_n(lvl.row(0), lvl.width, colour);
    for (int y = 1; y < rows; ++y)
        std::memcpy(lvl.row(y), lvl.row(0), size_t(lvl.width) * sizeof(uint32_t));
}

// What the redraw reads and where it draws.
struct Ctx {
    Surface &lvl;
    const Level &level;
    const ObjProps &props;
    const ObjCells &objcells;
    const Graphics &gfx;
    const DrawOptions &opt;
    int col0;
    int row0;
};

// The block that fills the view when the background is shown, by object set.
struct Backdrop {
    uint32_t cell;
    int pal;
};

Backdrop backdrop(const Level &lv)
{
    switch (lv.lvlobjset & 15) {
    case 2:
        return {cell(96, 98, 97, 99), 2};
    case 4:
    case 12:
        return {cell(5, 7, 6, 8), 2};
    case 7:
        return {cell(153, 153, 153, 153), 1};
    case 6:
        if (!hasobject(lv, 0, 12))
            return {cell(254, 254, 254, 254), 2};
        return {cell(5, 7, 6, 8), 3};
    default:
        return {cell(5, 7, 6, 8), 3};
    }
}

// The background does not scroll: the same block on every screen position.
// It covers the whole view, so it takes the place of the clear: the first
// row of blocks is drawn over the background colour (which stays where a
// sheet isn't painted) and copied down.
void background(const Ctx &s)
{
    Surface &lvl = s.lvl;
    // A row of blocks is `rows` rows of the surface (one at a reduction of
    // more than a block).
    const int rows = std::max(16 >> lvl.shift, 1);
    clear(lvl, std::min(rows, lvl.height), s.gfx.lvlbackground);
    const Backdrop bd = backdrop(s.level);
    const int gs = s.level.graphicset();
    for (int x = 0; x < lvl.fullwidth(); x += 16)
        drawcell(lvl, x, 0, s.gfx, gs, bd.cell, bd.pal, true);
    const size_t band = size_t(lvl.width) * rows;
    for (int y = rows; y < lvl.height; y += rows)
        std::memcpy(lvl.row(y), lvl.row(0), std::min(band, size_t(lvl.width) * size_t(lvl.height - y)) * sizeof(uint32_t));
}

// The fixed bottom rows of object sets 2 (rows 25 and 26, two alternating
// blocks) and 9 (row 26), shown while level row 25 is in the view (a view of
// 15 rows then has its top row at 11..25).
void strips(const Ctx &s)
{
    const Level &lv = s.level;
    const int set = lv.lvlobjset & 15;
    if (!s.opt.area.containsrow(25) || (set != 2 && set != 9))
        return;
    const int gs = lv.graphicset();
    for (int c = 0; c < s.opt.area.width; ++c) {
        if (set == 2) {
            const bool odd = (c + s.col0) & 1;
            const uint32_t block = odd ? cell(13, 13, 47, 47) : cell(12, 12, 46, 46);
            for (const int row : {25, 26})
                drawcell(s.lvl, 16 * c, 16 * (row - s.row0), s.gfx, gs, block, 0, true);
        } else {
            drawcell(s.lvl, 16 * c, 16 * (26 - s.row0), s.gfx, gs, cell(89, 89, 119, 119), 1, true);
        }
    }
}

void objectoutline(const Ctx &s, int i)
{
    const Level &lv = s.level;
    if (i < 0 || i >= lv.objcount())
        return;
    const bool four = lv.objects[size_t(i)].four;
    const ObjBox box = objbox(lv, s.props, i);
    const int px = 16 * (box.x - s.col0), py = 16 * (box.y - s.row0);
    const int w = 16 * box.width, h = 16 * box.height;
    const int left = px - 16 * box.left, top = py - 16 * box.up;
    outline(s.lvl, left - 1, top - 1, px + w, py + h, objselouter);
    outline(s.lvl, left, top, px + w - 1, py + h - 1, four ? objsel4byte : objsel3byte);
}

void objectselection(const Ctx &s)
{
    const Level &lv = s.level;
    if (s.opt.selection != SelectionMark::object || !lv.selectedobject())
        return;
    for (const int i : s.opt.marked)
        objectoutline(s, i);
    objectoutline(s, lv.selobj);
}

// The rectangle of a Ctrl+drag, over everything.
void band(const Ctx &s)
{
    const BlockRect &b = s.opt.band;
    if (b.width <= 0 || b.height <= 0)
        return;
    const int left = 16 * (b.col - s.col0), top = 16 * (b.row - s.row0);
    outline(s.lvl, left, top, left + 16 * b.width - 1, top + 16 * b.height - 1, objselouter);
    outline(s.lvl, left + 1, top + 1, left + 16 * b.width - 2, top + 16 * b.height - 2, objsel3byte);
}

// Enemies are boxes of their table size; the selected one is marked in its
// place in the stream, so later enemies may cover the mark.
void enemies(const Ctx &s)
{
    const Level &lv = s.level;
    for (int i = 0; i < lv.enemycount(); ++i) {
        const ObjBox box = enemybox(lv, s.props, i);
        const int px = 16 * (box.x - s.col0), py = 16 * (box.y - s.row0);
        const int w = 16 * box.width, h = 16 * box.height;
        const int left = px - 16 * box.left, top = py - 16 * box.up;
        if (px + w >= 1 && py + h >= 1 && left < s.lvl.fullwidth() && top < s.lvl.fullheight())
            hatchedbox(s.lvl, left, top, px + w - 1, py + h - 1, enemyline, enemyfill);
        const bool marked = i == lv.selenemy
            || std::find(s.opt.marked.begin(), s.opt.marked.end(), i) != s.opt.marked.end();
        if (s.opt.selection != SelectionMark::enemy || !marked)
            continue;
        hatchedbox(s.lvl, left, top, px + w - 1, py + h - 1, enemysel, enemysel);
    }
}

// The two pattern sheets of the graphic set, as painted for this level.
void sheets(const Ctx &s)
{
    const int gs = s.level.graphicset();
    for (int page = 0; page < 2; ++page) {
        const Surface &sheet = s.gfx.gfxo[gfxsetsheet[page][gs]];
        blit(s.lvl, 128 * page, 0, sheet, 0, 0, sheet.width, sheet.height);
    }
}

} // namespace

void drawlevel(Surface &dst, const Level &lv, const ObjProps &props, const ObjCells &objcells, const Graphics &gfx,
               const DrawOptions &opt)
{
    const Ctx s{dst, lv, props, objcells, gfx, opt, opt.area.col, opt.area.row};
    if (opt.background)
        background(s);
    else
        clear(dst, dst.height, gfx.lvlbackground);
    strips(s);
    for (int i = 0; i < lv.objcount(); ++i)
        drawobj(dst, s.col0, s.row0, lv, props, objcells, gfx, i);
    objectselection(s);
    enemies(s);
    if (opt.sheets)
        sheets(s);
    band(s);
}

InfoLabels levellabels(const Level &lv, const NameTables &names, SelectionMark which)
{
    InfoLabels t;
    if (which == SelectionMark::object && lv.selectedobject()) {
        const int i = lv.selobj;
        const ObjRecord &o = *lv.selectedobject();
        const int b = o.bank, type = o.type;
        const bool four = o.four;
        t[0] = QStringLiteral("Object #") + threedigits(i + 1) + QLatin1Char('/') + threedigits(lv.objcount())
            + (four ? QStringLiteral(" (4 bytes)") : QStringLiteral(" (3 bytes)"));
        t[1] = position(o.x, o.y);
        t[2] = objsetline(lv, names);
        t[3] = QStringLiteral("Object bank: ") + QString::number(b) + linebreak + QStringLiteral("Object type: ")
            + hexpad(type, 2);
        if (four)
            t[3] += linebreak + QStringLiteral("Object length: ") + hexpad(o.len, 2);
    } else if (which == SelectionMark::enemy && lv.selectedenemy()) {
        const int i = lv.selenemy;
        const EnemyRecord &e = *lv.selectedenemy();
        const int type = e.type;
        t[0] = QStringLiteral("Enemy #") + threedigits(i + 1) + QLatin1Char('/') + threedigits(lv.enemycount());
        t[1] = position(e.x, e.y);
        t[2] = objsetline(lv, names);
        t[3] = QStringLiteral("Enemy type: ") + hexpad(type, 2) + linebreak + names.enemynames[size_t(type)];
    }
    return t;
}

} // namespace quib

#include "worldmap/drawmap.h"

#include "graphics/blit.h"
#include "graphics/graphics.h"
#include "rom/hex.h"
#include "tables/names.h"
#include "worldmap/worldmap.h"

#include <algorithm>

namespace quib {

namespace {

// "Pointer #01": decimal with at least two digits.
QString twodigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString position(int x, int xdigits, int y)
{
    return QStringLiteral("X: ") + hexpad(x, xdigits) + QStringLiteral("   Y: ") + hexpad(y, 2);
}

// Rows below the map stay background; columns past its end show tile 0.
void drawtiles(Surface &lvl, const WorldMap &map, const Surface &tiles, const BlockRect &area)
{
    for (int row = std::max(area.row, 0); row < std::min(area.row + area.height, maprows); ++row)
        for (int j = 0; j < area.width; ++j) {
            const int col = area.col + j;
            const uint8_t t = col >= 0 && col < mapcols ? map.maptiles[row][col] : 0;
            blit(lvl, 16 * j, 16 * (row - area.row), tiles, 16 * (t % 16), 16 * (t / 16), 16, 16);
        }
}

void pointerboxes(Surface &lvl, const WorldMap &map, const BlockRect &area)
{
    for (const MapPtr &p : map.pointers)
        if (p.col >= area.col && p.col < area.col + area.width)
            box(lvl, 16 * (p.col - area.col), 16 * (p.row - area.row), rgb(0, 128, 255), rgb(0, 192, 255));
}

void pointerselection(Surface &lvl, const WorldMap &map, const BlockRect &area)
{
    const MapPtr *sel = map.selectedpointer();
    if (sel && sel->col >= area.col)
        box(lvl, 16 * (sel->col - area.col), 16 * (sel->row - area.row), rgb(255, 255, 92), rgb(255, 255, 160));
}

InfoLabels pointerlabels(const WorldMap &map, const NameTables &names, int world, bool hdrofs)
{
    // Nothing to select: say so rather than describe a pointer that isn't there.
    const MapPtr *sel = map.selectedpointer();
    if (!sel)
        return {QStringLiteral("No map pointers"), QString(), QString(), QString()};
    InfoLabels t;
    t[0] = QStringLiteral("Pointer #") + twodigits(map.selptr + 1);
    t[1] = position(sel->col, 2, sel->row);
    if (iswarpworld(world)) {
        t[2] = QStringLiteral("Goes to world ") + QString::number(sel->objset + 1);
    } else {
        const int d = hdrofs ? 0 : 0x10;
        t[2] = QStringLiteral("Obj. set: ") + hexstr(sel->objset) + QStringLiteral(" -- ")
            + names.objsetnames[sel->objset & 15];
        t[3] = QStringLiteral("Object data: ") + hexstr(sel->objpos - d) + QChar(10) + QChar(13)
            + QStringLiteral("Enemy data: ") + hexstr(sel->enmpos - d);
    }
    return t;
}

// The cursor is drawn where it is; the editing code keeps it in the window.
void mapcursor(Surface &lvl, const WorldMap &map, const BlockRect &area)
{
    box(lvl, 16 * (map.mapcurcol - area.col), 16 * (std::min<int>(map.mapcurrow, maprows - 1) - area.row),
        rgb(255, 160, 0), rgb(255, 240, 0));
}

InfoLabels editinglabels(const WorldMap &map, const NameTables &names)
{
    const uint8_t tile = map.maptiles[std::min<int>(map.mapcurrow, maprows - 1)][map.mapcurcol & (mapcols - 1)];
    return {QString(), position(map.mapcurcol, 2, map.mapcurrow), QStringLiteral("Object type: ") + hexpad(tile, 2),
            names.maptilenames[tile]};
}

// A sprite's y is 32 pixels below the map row it stands on.
void sprites(Surface &lvl, const WorldMap &map, const Graphics &gfx, const DrawOptions &opt)
{
    for (const MapSprite &sprite : map.sprites) {
        const int type = sprite.type;
        if (type < 1 || type > 16)
            continue;
        const int x = sprite.x - 16 * opt.area.col;
        const int y = sprite.y - 32 - 16 * opt.area.row;
        maskblit(lvl, x, y, gfx.mapsgrey, 16 * (type - 1), 16, gfx.maps, 16 * (type - 1), 0, 16, 16);
        if (opt.spriteboxes)
            box(lvl, x, y, rgb(160, 0, 0), rgb(240, 0, 0));
    }
}

void spriteselection(Surface &lvl, const WorldMap &map, const BlockRect &area)
{
    const MapSprite &sel = map.selectedsprite();
    box(lvl, sel.x - 16 * area.col, sel.y - 32 - 16 * area.row, rgb(200, 170, 170), rgb(250, 190, 190));
}

InfoLabels spritelabels(const WorldMap &map, const NameTables &names)
{
    const MapSprite &sel = map.selectedsprite();
    const uint8_t type = sel.type;
    const uint8_t item = sel.item;
    return {QStringLiteral("Map sprite #") + QString::number(map.selsprite % mapspritecount + 1),
            position(sel.x, 3, sel.y),
            QStringLiteral("Object type: ") + hexpad(type, 2),
            names.mapspritenames[type] + QChar(13) + QChar(13) + QStringLiteral("Item given: ") + hexpad(item, 2)
                + QChar(13) + names.itemnames[item]};
}

} // namespace

void drawmap(Surface &dst, const WorldMap &map, int world, const Graphics &gfx, const DrawOptions &opt)
{
    dst.fill(mapbackground);
    drawtiles(dst, map, gfx.map, opt.area);
    if (opt.pointerboxes)
        pointerboxes(dst, map, opt.area);
    if (opt.selection == SelectionMark::pointer)
        pointerselection(dst, map, opt.area);
    if (opt.selection == SelectionMark::mapcursor)
        mapcursor(dst, map, opt.area);
    if (iswarpworld(world))
        return; // no sprites there
    if (opt.mapsprites)
        sprites(dst, map, gfx, opt);
    if (opt.selection == SelectionMark::sprite)
        spriteselection(dst, map, opt.area);
}

DrawOptions mapoptions(int mapscroll, uint8_t mode, bool viewsprites, const Surface &view)
{
    DrawOptions o;
    o.area = {mapscroll, 0, view.width / 16, view.height / 16};
    o.selection = mode == ModeMapPointers ? SelectionMark::pointer
        : mode == ModeMapEditing          ? SelectionMark::mapcursor
        : mode == ModeMapSprites          ? SelectionMark::sprite
                                          : SelectionMark::none;
    o.pointerboxes = mode == ModeMapPointers;
    o.mapsprites = mode == ModeMapSprites || viewsprites;
    o.spriteboxes = mode == ModeMapSprites;
    return o;
}

InfoLabels maplabels(const WorldMap &map, const NameTables &names, int world, uint8_t mode, bool hdrofs)
{
    switch (mode) {
    case ModeMapPointers: return pointerlabels(map, names, world, hdrofs);
    case ModeMapEditing: return editinglabels(map, names);
    case ModeMapSprites:
        // The warp world has no sprites to describe.
        return !iswarpworld(world) ? spritelabels(map, names) : InfoLabels{};
    default: return {};
    }
}

} // namespace quib

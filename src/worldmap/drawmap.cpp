#include "worldmap/drawmap.h"

#include "editor/editorstate.h"
#include "rom/hex.h"
#include "graphics/blit.h"

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

void drawtiles(Surface &lvl, const WorldMap &map, const Surface &tiles)
{
    for (int row = 0; row < maprows; ++row)
        for (int j = 0; j < 16; ++j) {
            const int col = map.mapscroll + j;
            const uint8_t t = col < mapcols ? map.maptiles[row][col] : 0;
            blit(lvl, 16 * j, 16 * row, tiles, 16 * (t % 16), 16 * (t / 16), 16, 16);
        }
}

void pointermode(Surface &lvl, const EditorState &s)
{
    const WorldMap &map = s.map;
    for (const MapPtr &p : map.pointers)
        if (p.col >= map.mapscroll && p.col < map.mapscroll + 16)
            box(lvl, 16 * (p.col - map.mapscroll), 16 * p.row, rgb(0, 128, 255), rgb(0, 192, 255));
    const MapPtr *sel = map.selectedpointer();
    if (sel && sel->col >= map.mapscroll)
        box(lvl, 16 * (sel->col - map.mapscroll), 16 * sel->row, rgb(255, 255, 92), rgb(255, 255, 160));
}

InfoLabels pointerlabels(const EditorState &s)
{
    const WorldMap &map = s.map;
    // Nothing to select: say so rather than describe a pointer that isn't there.
    const MapPtr *sel = map.selectedpointer();
    if (!sel)
        return {QStringLiteral("No map pointers"), QString(), QString(), QString()};
    InfoLabels t;
    t[0] = QStringLiteral("Pointer #") + twodigits(map.selptr + 1);
    t[1] = position(sel->col, 2, sel->row);
    if (iswarpworld(s.curworld)) {
        t[2] = QStringLiteral("Goes to world ") + QString::number(sel->objset + 1);
    } else {
        const int d = s.hdrofs ? 0 : 0x10;
        t[2] = QStringLiteral("Obj. set: ") + hexstr(sel->objset) + QStringLiteral(" -- ")
            + s.names.objsetnames[sel->objset & 15];
        t[3] = QStringLiteral("Object data: ") + hexstr(sel->objpos - d) + QChar(10) + QChar(13)
            + QStringLiteral("Enemy data: ") + hexstr(sel->enmpos - d);
    }
    return t;
}

// The cursor is drawn where it is; the editing code keeps it in the window.
void editingmode(Surface &lvl, const WorldMap &map)
{
    box(lvl, 16 * (map.mapcurcol - map.mapscroll), 16 * std::min<int>(map.mapcurrow, maprows - 1), rgb(255, 160, 0),
        rgb(255, 240, 0));
}

InfoLabels editinglabels(const EditorState &s)
{
    const WorldMap &map = s.map;
    const uint8_t tile = map.maptiles[std::min<int>(map.mapcurrow, maprows - 1)][map.mapcurcol & (mapcols - 1)];
    return {QString(), position(map.mapcurcol, 2, map.mapcurrow), QStringLiteral("Object type: ") + hexpad(tile, 2),
            s.names.maptilenames[tile]};
}

void sprites(Surface &lvl, const EditorState &s)
{
    const WorldMap &map = s.map;
    for (const MapSprite &sprite : map.sprites) {
        const int type = sprite.type;
        if (type < 1 || type > 16)
            continue;
        const int x = sprite.x - 16 * map.mapscroll;
        const int y = sprite.y - 32;
        maskblit(lvl, x, y, s.gfx.mapsgrey, 16 * (type - 1), 16, s.gfx.maps, 16 * (type - 1), 0, 16, 16);
        if (s.editmode == ModeMapSprites)
            box(lvl, x, y, rgb(160, 0, 0), rgb(240, 0, 0));
    }
}

void spritemode(Surface &lvl, const WorldMap &map)
{
    const MapSprite &sel = map.selectedsprite();
    box(lvl, sel.x - 16 * map.mapscroll, sel.y - 32, rgb(200, 170, 170), rgb(250, 190, 190));
}

InfoLabels spritelabels(const EditorState &s)
{
    const WorldMap &map = s.map;
    const MapSprite &sel = map.selectedsprite();
    const uint8_t type = sel.type;
    const uint8_t item = sel.item;
    return {QStringLiteral("Map sprite #") + QString::number(map.selsprite % mapspritecount + 1),
            position(sel.x, 3, sel.y),
            QStringLiteral("Object type: ") + hexpad(type, 2),
            s.names.mapspritenames[type] + QChar(13) + QChar(13) + QStringLiteral("Item given: ") + hexpad(item, 2)
                + QChar(13) + s.names.itemnames[item]};
}

} // namespace

void drawmap(EditorState &s)
{
    Surface &lvl = s.lvl;
    lvl.fill(mapbackground);
    drawtiles(lvl, s.map, s.gfx.map);
    if (s.editmode == ModeMapPointers)
        pointermode(lvl, s);
    if (s.editmode == ModeMapEditing)
        editingmode(lvl, s.map);
    if (!iswarpworld(s.curworld) && (s.editmode == ModeMapSprites || s.viewmapsprites))
        sprites(lvl, s);
    if (s.editmode == ModeMapSprites && !iswarpworld(s.curworld))
        spritemode(lvl, s.map);
}

InfoLabels maplabels(const EditorState &s)
{
    switch (s.editmode) {
    case ModeMapPointers: return pointerlabels(s);
    case ModeMapEditing: return editinglabels(s);
    case ModeMapSprites:
        // The warp world has no sprites to describe.
        return !iswarpworld(s.curworld) ? spritelabels(s) : InfoLabels{};
    default: return {};
    }
}

} // namespace quib

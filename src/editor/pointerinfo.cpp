#include "editor/pointerinfo.h"

#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "level/leveledit.h"
#include "level/objbox.h"
#include "rom/hex.h"
#include "worldmap/mapedit.h"

namespace quib {

namespace {

const QString gap = QStringLiteral("   ");

QString position(int col, int row)
{
    return QStringLiteral("X: ") + hexpad(col, 2) + gap + QStringLiteral("Y: ") + hexpad(row, 2);
}

QString number(int i, int digits)
{
    return QStringLiteral("#%1").arg(i + 1, digits, 10, QLatin1Char('0'));
}

QString objecttext(const EditorState &s, int i)
{
    const ObjRecord &o = s.level.objects[size_t(i)];
    const ObjBox b = objbox(s.level, s.props, i);
    return QStringLiteral("Object ") + number(i, 3) + QStringLiteral(": bank ") + QString::number(o.bank)
        + QStringLiteral(", type ") + hexpad(o.type, 2) + QStringLiteral(", ")
        + QString::number(b.lastcol() - b.firstcol() + 1) + QStringLiteral(" x ")
        + QString::number(b.lastrow() - b.firstrow() + 1) + QStringLiteral(" blocks");
}

QString enemytext(const EditorState &s, int i)
{
    const uint8_t type = s.level.enemies[size_t(i)].type;
    return QStringLiteral("Enemy ") + number(i, 3) + QStringLiteral(": type ") + hexpad(type, 2) + QLatin1Char(' ')
        + s.names.enemynames[type];
}

QString levelinfo(const EditorState &s, int px, int py)
{
    const Level &l = s.level;
    const int col = px / 16 + l.lvlscrollx, row = py / 16 + l.lvlscrolly;
    if (px < 0 || py < 0 || col < 0 || row < 0 || col > levelmaxx(l) || row > levelmaxy(l, false))
        return {};
    QString text = position(col, row);
    const LevelHit hit = levelhit(l, s.props, col, row);
    // The kind a press would pick first, as the press decides.
    const QString obj = hit.object >= 0 ? gap + objecttext(s, hit.object) : QString();
    const QString enemy = hit.enemy >= 0 ? gap + enemytext(s, hit.enemy) : QString();
    return s.editmode == ModeEnemyEditing ? text + enemy + obj : text + obj + enemy;
}

QString mapinfo(const EditorState &s, int px, int py)
{
    const WorldMap &map = s.map;
    const int col = px / 16 + map.mapscroll, row = py / 16;
    if (px < 0 || py < 0 || row >= maprows || col >= map.width())
        return {};
    const uint8_t tile = map.maptiles[row][col];
    QString text = position(col, row) + gap + QStringLiteral("Tile ") + hexpad(tile, 2) + QStringLiteral(": ")
        + s.names.maptilenames[tile];
    if (const int i = pointerat(map, col, row); i >= 0) {
        const MapPtr &p = map.pointers[size_t(i)];
        text += gap + QStringLiteral("Pointer ") + number(i, 2) + QStringLiteral(": ");
        if (iswarpworld(s.curworld))
            text += QStringLiteral("goes to world ") + QString::number(p.objset + 1);
        else
            text += QStringLiteral("obj. set ") + hexstr(p.objset) + QStringLiteral(" -- ")
                + s.names.objsetnames[p.objset & 15];
    }
    // Sprites only where they are drawn; the warp world has none.
    const bool sprites = s.editmode == ModeMapSprites || s.viewmapsprites;
    if (sprites && !iswarpworld(s.curworld)) {
        if (const int i = spriteat(map, 16 * map.mapscroll + px, py); i >= 0) {
            const uint8_t type = map.sprites[size_t(i)].type;
            text += gap + QStringLiteral("Map sprite #") + QString::number(i + 1) + QStringLiteral(": type ")
                + hexpad(type, 2) + QLatin1Char(' ') + s.names.mapspritenames[type];
        }
    }
    return text;
}

} // namespace

QString pointerinfo(const EditorState &s, int px, int py)
{
    return ismapmode(s.editmode) ? mapinfo(s, px, py) : levelinfo(s, px, py);
}

} // namespace quib

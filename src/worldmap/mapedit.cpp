#include "worldmap/mapedit.h"

#include "worldmap/worldmap.h"

#include <algorithm>

namespace quib {

int mapviewcols(const MapDocument &map, ViewSize view)
{
    return std::min(view.cols, map.width());
}

int mapscrollmax(const MapDocument &map, ViewSize view)
{
    return map.width() - mapviewcols(map, view);
}

void clampcursor(WorldMap &map, ViewSize view)
{
    const int last = map.mapscroll + mapviewcols(map, view) - 1;
    if (map.mapcurcol < map.mapscroll)
        map.mapcurcol = map.mapscroll;
    if (map.mapcurcol > last)
        map.mapcurcol = uint8_t(last);
    if (map.mapcurrow >= maprows)
        map.mapcurrow = maprows - 1;
}

namespace {

// The square under the pointer: column px \ 16 + mapscroll (a column left of
// 0 taken as 0) and row py \ 16. The column may lie past the world's right
// edge; the caller decides what that means.
struct Square {
    int col, row;
};

Square squareat(const WorldMap &map, int px, int py)
{
    return {std::max(px / 16 + map.mapscroll, 0), std::clamp(py / 16, 0, maprows - 1)};
}

void paintmode0(const MapEditing &s, const MapMouse &m, int py)
{
    WorldMap &map = s.map;
    const Square sq = squareat(map, m.px, py);
    // A square beyond the world's last column is no square of the map.
    if (sq.col >= map.width())
        return;
    if (m.buttons == ButtonLeft) {
        map.mapcurcol = uint8_t(sq.col);
        map.mapcurrow = uint8_t(sq.row);
        uint8_t &tile = map.maptiles[sq.row][sq.col];
        if (m.shiftonly)
            tile = s.curtile;
        if (m.toolbox) {
            if (s.toolaction == 0) {
                tile = s.tooltile;
            } else {
                const uint8_t from = tile;
                for (int r = 0; r < maprows; ++r)
                    for (int c = 0; c < map.width(); ++c)
                        if (map.maptiles[r][c] == from)
                            map.maptiles[r][c] = s.tooltile;
            }
        }
    } else if (m.buttons == ButtonRight) {
        s.curtile = map.maptiles[sq.row][sq.col];
    }
}

// The world pixel under the pointer; left of the view it lies in the world
// columns scrolled out of sight.
int worldx(const WorldMap &map, int px)
{
    return 16 * map.mapscroll + px;
}

} // namespace

int pointerat(const WorldMap &map, int col, int row)
{
    int found = -1;
    for (int i = 0; i < map.ptrcount(); ++i)
        if (map.pointers[size_t(i)].col == col && map.pointers[size_t(i)].row == row)
            found = i;
    return found;
}

int spriteat(const WorldMap &map, int wx, int py)
{
    for (size_t i = 0; i < map.sprites.size(); ++i) {
        const MapSprite &sprite = map.sprites[i];
        if (sprite.x <= wx && wx <= sprite.x + 15 && sprite.y - 32 <= py && py <= sprite.y - 17)
            return int(i);
    }
    return -1;
}

bool mappress(const MapEditing &s, const MapMouse &m)
{
    if (m.py > 143)
        return false;
    const int py = std::max(m.py, 0);
    WorldMap &map = s.map;
    const Square sq = squareat(map, m.px, py);
    switch (s.mode) {
    case ModeMapEditing:
        paintmode0(s, m, py);
        clampcursor(map, s.view);
        break;
    case ModeMapPointers:
        if (const int i = pointerat(map, sq.col, sq.row); i >= 0)
            map.selptr = uint8_t(i);
        break;
    case ModeMapSprites: {
        const int wx = worldx(map, std::max(m.px, 0));
        const int i = spriteat(map, wx, py);
        if (i < 0) {
            s.grabx = 0;
            s.graby = 32;
            break;
        }
        const MapSprite &sprite = map.sprites[size_t(i)];
        map.selsprite = uint8_t(i);
        s.grabx = int16_t(sprite.x - wx);
        s.graby = int16_t(sprite.y - py);
        break;
    }
    default:
        return false;
    }
    return true;
}

void mapdrag(const MapEditing &s, const MapMouse &m)
{
    WorldMap &map = s.map;
    const int py = std::clamp(m.py, 0, 143);
    switch (s.mode) {
    case ModeMapEditing:
        paintmode0(s, m, py);
        clampcursor(map, s.view);
        break;
    case ModeMapPointers: {
        MapPtr *p = map.selectedpointer();
        if (!p)
            break;
        // The column stays inside the world however far right the pointer goes.
        const Square sq = squareat(map, m.px, py);
        p->col = uint8_t(std::min(sq.col, map.width() - 1));
        p->row = uint8_t(sq.row);
        p->rawrow = 0xFF; // placed by the user: a map row from now on
        break;
    }
    case ModeMapSprites: {
        MapSprite &sprite = map.selectedsprite();
        const int wx = worldx(map, m.px);
        int x = wx + s.grabx;
        int y = py + s.graby;
        if (m.buttons == ButtonLeft) {
            x = (std::max(wx, 0) / 16) * 16;
            y = ((py + 32) / 16) * 16;
        }
        // X stays in the world's pixels, Y in its byte: clamp, don't wrap.
        sprite.x = int16_t(std::clamp(x, 0, 16 * map.width() - 1));
        sprite.y = uint8_t(std::clamp(y, 0, 255));
        break;
    }
    default:
        return;
    }
}

} // namespace quib

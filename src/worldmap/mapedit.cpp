#include "worldmap/mapedit.h"

#include "editor/editorstate.h"
#include "worldmap/drawmap.h"

#include <algorithm>

namespace quib {

namespace {

// The square under the pointer, kept inside the world's columns and rows.
struct Square {
    int col, row;
};

Square squareat(const WorldMap &map, int px, int py)
{
    const int col = std::clamp(px / 16 + map.mapscroll, 0, map.width() - 1);
    const int row = std::clamp(py / 16, 0, maprows - 1);
    return {col, row};
}

void paintmode0(EditorState &s, const MapMouse &m, int py)
{
    WorldMap &map = s.map;
    const Square sq = squareat(map, m.px, py);
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

} // namespace

bool mappress(EditorState &s, const MapMouse &m)
{
    if (m.py > 143)
        return false;
    const int py = std::max(m.py, 0);
    WorldMap &map = s.map;
    const Square sq = squareat(map, m.px, py);
    switch (s.editmode) {
    case ModeMapEditing:
        paintmode0(s, m, py);
        break;
    case ModeMapPointers:
        for (int i = 0; i < map.ptrcount; ++i)
            if (map.ptrcol[size_t(i)] == sq.col && map.ptrrow[size_t(i)] == sq.row)
                map.selptr = uint8_t(i);
        break;
    case ModeMapSprites: {
        const int wx = 16 * map.mapscroll + std::max(m.px, 0);
        for (size_t i = 0; i < 9; ++i) {
            const bool hit = map.sprx[i] <= wx && wx <= map.sprx[i] + 15 && map.spry[i] - 32 <= py
                && py <= map.spry[i] - 17;
            if (!hit) {
                s.grabx = 0;
                s.graby = 32;
                continue;
            }
            map.selsprite = uint8_t(i);
            s.grabx = int16_t(map.sprx[i] - wx);
            s.graby = int16_t(map.spry[i] - py);
            break;
        }
        break;
    }
    default:
        return false;
    }
    drawmap(s);
    return true;
}

void mapdrag(EditorState &s, const MapMouse &m)
{
    WorldMap &map = s.map;
    const int py = std::clamp(m.py, 0, 143);
    switch (s.editmode) {
    case ModeMapEditing:
        paintmode0(s, m, py);
        break;
    case ModeMapPointers: {
        if (map.ptrcount == 0)
            break;
        // The column stays inside the world however far right the pointer goes.
        const Square sq = squareat(map, m.px, py);
        map.ptrcol[map.selptr] = uint8_t(sq.col);
        map.ptrrow[map.selptr] = uint8_t(sq.row);
        map.ptrrawrow[map.selptr] = 0xFF; // placed by the user: a map row from now on
        break;
    }
    case ModeMapSprites: {
        const size_t i = map.selsprite % 9;
        const int wx = 16 * map.mapscroll + std::max(m.px, 0);
        int x = wx + s.grabx;
        int y = py + s.graby;
        if (m.buttons == ButtonLeft) {
            x = (wx / 16) * 16;
            y = ((py + 32) / 16) * 16;
        }
        map.sprx[i] = int16_t(std::clamp(x, 0, 0x7FFF));
        map.spry[i] = uint8_t(std::clamp(y, 0, 255)); // Y is one byte: clamp, don't wrap
        break;
    }
    default:
        return;
    }
    drawmap(s);
}

} // namespace quib

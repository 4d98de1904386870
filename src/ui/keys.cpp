#include "ui/keys.h"

#include "editor/editorstate.h"
#include "level/drawlevel.h"
#include "level/navigate.h"
#include "worldmap/drawmap.h"
#include "worldmap/loadmap.h"

#include <QKeyEvent>

namespace quib {

std::optional<Key> keyfromevent(const QKeyEvent &e)
{
    const bool keypad = e.modifiers() & Qt::KeypadModifier;
    // Ctrl or Alt with a letter is a menu shortcut, never the letter's command.
    if (e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z && (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return std::nullopt;
    switch (e.key()) {
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_PageUp: return Key::PageUp;
    case Qt::Key_PageDown: return Key::PageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Escape: return Key::Esc;
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_B: return Key::B;
    case Qt::Key_E: return Key::E;
    case Qt::Key_H: return Key::H;
    case Qt::Key_P: return Key::P;
    case Qt::Key_S: return Key::S;
    case Qt::Key_2: return keypad ? std::optional(Key::Kp2) : std::nullopt;
    case Qt::Key_4: return keypad ? std::optional(Key::Kp4) : std::nullopt;
    case Qt::Key_6: return keypad ? std::optional(Key::Kp6) : std::nullopt;
    case Qt::Key_8: return keypad ? std::optional(Key::Kp8) : std::nullopt;
    case Qt::Key_Minus: return keypad ? std::optional(Key::KpMinus) : std::nullopt;
    case Qt::Key_Plus: return keypad ? std::optional(Key::KpPlus) : std::nullopt;
    case Qt::Key_Slash: return keypad ? std::optional(Key::KpDivide) : std::nullopt;
    case Qt::Key_Asterisk: return keypad ? std::optional(Key::KpMultiply) : std::nullopt;
    case Qt::Key_Period:
    case Qt::Key_Comma: return keypad ? std::optional(Key::KpDot) : std::nullopt;
    default: return std::nullopt;
    }
}

KeyMods modsfromevent(const QKeyEvent &e)
{
    const Qt::KeyboardModifiers m = e.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return {m != Qt::NoModifier, m == Qt::ShiftModifier};
}

namespace {

void scroll(WorldMap &map, int step)
{
    if (step < 0)
        map.mapscroll = uint8_t(std::max(0, map.mapscroll + step));
    else
        map.mapscroll = uint8_t(std::min<int>(map.mapmaxscroll, map.mapscroll + step));
}

// Page Up / Page Down: the previous or next world.
void changeworld(EditorState &s, int delta)
{
    const int world = s.curworld + delta;
    if (world < 1 || world > 9)
        return;
    s.curworld = uint8_t(world);
    s.map.mapscroll = 0;
    loadmap(s);
}

// The tile under the map cursor (the cursor is kept on the map by drawmap).
uint8_t &cursortile(WorldMap &map)
{
    return map.maptiles[std::min<int>(map.mapcurrow, maprows - 1)][std::min<int>(map.mapcurcol, map.width() - 1)];
}

// Wraps v into 0 .. n - 1.
int wrap(int v, int n)
{
    return ((v % n) + n) % n;
}

// Keeps a column in view by scrolling just enough, never past the world's
// last screen.
void follow(WorldMap &map, int col)
{
    if (col > map.mapscroll + 15)
        map.mapscroll = uint8_t(std::min(col - 15, int(map.mapmaxscroll)));
    if (col < map.mapscroll)
        map.mapscroll = uint8_t(std::clamp(col, 0, int(map.mapmaxscroll)));
}

void mapediting(EditorState &s, Key key, KeyMods mods)
{
    WorldMap &map = s.map;
    const int step = mods.shiftonly ? 16 : 1;
    switch (key) {
    case Key::H: s.hdrofs = !s.hdrofs; drawmap(s); break;
    case Key::Left: scroll(map, -step); break;
    case Key::Right: scroll(map, step); break;
    case Key::PageUp: changeworld(s, -1); break;
    case Key::PageDown: changeworld(s, 1); break;
    case Key::Kp8: if (map.mapcurrow > 0) --map.mapcurrow; break;
    case Key::Kp2: if (map.mapcurrow < 255) ++map.mapcurrow; break;
    case Key::Kp4: if (map.mapcurcol > 0) --map.mapcurcol; break;
    case Key::Kp6: if (map.mapcurcol < 255) ++map.mapcurcol; break;
    case Key::KpMinus: cursortile(map) -= 1; break;
    case Key::KpPlus: cursortile(map) += 1; break;
    case Key::KpDivide: cursortile(map) -= 16; break;
    case Key::KpMultiply: cursortile(map) += 16; break;
    case Key::Enter: cursortile(map) = s.curtile; break;
    case Key::KpDot: s.curtile = cursortile(map); break;
    case Key::P:
        s.editmode = ModeMapPointers;
        for (int i = 0; i < map.ptrcount; ++i)
            if (map.ptrrow[size_t(i)] == map.mapcurrow && map.ptrcol[size_t(i)] == map.mapcurcol)
                map.selptr = uint8_t(i);
        break;
    case Key::E: s.editmode = ModeMapSprites; break;
    default: break;
    }
    // After the cursor keys the view follows the cursor by one column at
    // most. (After Left and Right it does not: there the view moves and the
    // redraw drags the cursor along.)
    if (key == Key::Kp2 || key == Key::Kp4 || key == Key::Kp6 || key == Key::Kp8) {
        if (map.mapcurcol > map.mapscroll + 15 && map.mapscroll < map.mapmaxscroll)
            ++map.mapscroll;
        if (map.mapcurcol < map.mapscroll && map.mapscroll > 0)
            --map.mapscroll;
    }
}

KeyOutcome mappointers(EditorState &s, Key key, KeyMods)
{
    WorldMap &map = s.map;
    KeyOutcome out{true};
    // The pointer keys act on the selected pointer; a world without pointers
    // has none to act on.
    const bool any = map.ptrcount > 0;
    const size_t sel = map.selptr;
    switch (key) {
    case Key::H: s.hdrofs = !s.hdrofs; drawmap(s); break;
    case Key::Kp4: if (any) map.ptrcol[sel] = uint8_t(wrap(map.ptrcol[sel] - 1, map.width())); break;
    case Key::Kp6: if (any) map.ptrcol[sel] = uint8_t(wrap(map.ptrcol[sel] + 1, map.width())); break;
    case Key::Kp8:
        if (any) {
            map.ptrrow[sel] = uint8_t(wrap(map.ptrrow[sel] - 1, maprows));
            map.ptrrawrow[sel] = 0xFF;
        }
        break;
    case Key::Kp2:
        if (any) {
            map.ptrrow[sel] = uint8_t(wrap(map.ptrrow[sel] + 1, maprows));
            map.ptrrawrow[sel] = 0xFF;
        }
        break;
    case Key::Space:
        // Entering the level draws it; no follow-up and no map redraw here.
        return {false, false, any};
    case Key::Up:
        // With no pointers there is nothing to select.
        if (map.ptrcount > 0)
            map.selptr = uint8_t(map.selptr == 0 ? map.ptrcount - 1 : map.selptr - 1);
        break;
    case Key::Down:
        if (map.ptrcount > 0)
            map.selptr = uint8_t(map.selptr + 1 >= map.ptrcount ? 0 : map.selptr + 1);
        break;
    case Key::Left: scroll(map, -1); break;
    case Key::Right: scroll(map, 1); break;
    case Key::PageUp: changeworld(s, -1); break;
    case Key::PageDown: changeworld(s, 1); break;
    default: break;
    }
    if (map.ptrcount > 0)
        follow(map, map.ptrcol[map.selptr]);
    if (key == Key::Enter && any)
        out.editpointer = true; // the window opens the pointer dialog before the redraw
    if (key == Key::P)
        s.editmode = ModeMapEditing;
    if (key == Key::E)
        s.editmode = ModeMapSprites;
    if (map.ptrcount > 0) {
        map.mapcurcol = map.ptrcol[map.selptr];
        map.mapcurrow = map.ptrrow[map.selptr];
    }
    return out;
}

void mapsprites(EditorState &s, Key key, KeyMods mods)
{
    WorldMap &map = s.map;
    const size_t cur = map.selsprite % 9;
    const int widthpx = 16 * map.width();
    const int step = mods.any ? 1 : 16;
    uint8_t &field = mods.any ? map.spritem[cur] : map.sprtype[cur];
    switch (key) {
    case Key::Kp4: map.sprx[cur] = int16_t(wrap(map.sprx[cur] - step, widthpx)); break;
    case Key::Kp6: map.sprx[cur] = int16_t(wrap(map.sprx[cur] + step, widthpx)); break;
    case Key::Kp8: map.spry[cur] = uint8_t(map.spry[cur] - step); break;
    case Key::Kp2: map.spry[cur] = uint8_t(map.spry[cur] + step); break;
    case Key::KpMinus: field = uint8_t(field - 1); break;
    case Key::KpPlus: field = uint8_t(field + 1); break;
    case Key::KpDivide: field = uint8_t(field - 16); break;
    case Key::KpMultiply: field = uint8_t(field + 16); break;
    case Key::Up: map.selsprite = uint8_t(map.selsprite == 0 ? 8 : map.selsprite - 1); break;
    case Key::Down: map.selsprite = uint8_t(map.selsprite >= 8 ? 0 : map.selsprite + 1); break;
    case Key::Left: scroll(map, -1); break;
    case Key::Right: scroll(map, 1); break;
    case Key::PageUp: changeworld(s, -1); break;
    case Key::PageDown: changeworld(s, 1); break;
    default: break;
    }
    const size_t sel = map.selsprite % 9;
    const int sc = map.sprx[sel] / 16;
    follow(map, sc);
    if (key == Key::E)
        s.editmode = ModeMapEditing;
    if (key == Key::P)
        s.editmode = ModeMapPointers;
    map.mapcurcol = uint8_t(std::clamp(sc, 0, 255));
    map.mapcurrow = uint8_t(std::max(map.spry[sel] / 16 - 2, 0));
}

// Object and enemy editing: the view, the selection, the linked area.
KeyOutcome levelkeys(EditorState &s, Key key, KeyMods mods)
{
    Level &l = s.level;
    const bool objects = s.editmode == ModeObjectEditing;
    KeyOutcome out;
    switch (key) {
    case Key::Left:
        if (l.lvlscrollx > 0)
            --l.lvlscrollx;
        break;
    case Key::Right:
        if (l.lvlscrollx < (l.vertical() ? 0 : 240))
            ++l.lvlscrollx;
        break;
    case Key::Up:
        if (l.lvlscrolly > 0)
            --l.lvlscrolly;
        break;
    case Key::Down:
        if (l.lvlscrolly < (l.vertical() ? (objects ? 225 : 240) : 12))
            ++l.lvlscrolly;
        break;
    case Key::PageUp:
        if (objects && l.selobj > 0) {
            --l.selobj;
            showobj(s);
        } else if (!objects && l.selenemy > 0) {
            --l.selenemy;
            showenemy(s);
        }
        break;
    case Key::PageDown:
        if (objects && l.selobj + 1 < l.objcount) {
            ++l.selobj;
            showobj(s);
        } else if (!objects && l.selenemy + 1 < l.enemycount) {
            ++l.selenemy;
            showenemy(s);
        }
        break;
    case Key::B:
        if (!mods.any && !nextarea(s))
            out.nolink = true;
        break;
    case Key::Space:
        s.editmode = objects ? ModeEnemyEditing : ModeObjectEditing;
        if (objects)
            showenemy(s);
        else
            showobj(s);
        break;
    default:
        break;
    }
    drawlevel(s);
    if (key == Key::Esc) {
        exitlevel(s);
        out.exitedlevel = true;
    }
    return out;
}

} // namespace

KeyOutcome handlekey(EditorState &s, Key key, KeyMods mods)
{
    if (key == Key::S)
        s.showsheets = !s.showsheets;
    switch (s.editmode) {
    case ModeMapEditing: mapediting(s, key, mods); break;
    case ModeMapPointers: {
        const KeyOutcome out = mappointers(s, key, mods);
        if (out.redrawmap)
            drawmap(s);
        return out;
    }
    case ModeMapSprites: mapsprites(s, key, mods); break;
    case ModeObjectEditing:
    case ModeEnemyEditing: return levelkeys(s, key, mods);
    default: return {};
    }
    drawmap(s);
    return {true};
}

} // namespace quib

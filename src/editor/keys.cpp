#include "editor/keys.h"

#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "level/itemedit.h"
#include "level/leveledit.h"
#include "level/navigate.h"
#include "editor/mapstate.h"
#include "worldmap/loadmap.h"

#include <algorithm>
#include <iterator>

namespace quib {

namespace {

struct Ctx {
    EditorState &s;
    KeyMods mods;
    KeyOutcome &out;
    Navigator *nav;
    bool stop = false; // no follow-up rules after this key
};

using Action = void (*)(Ctx &);

// A key row: the modes it acts in, the key, the modifier state it asks for,
// its line in the keyboard reference, the name of the edit it makes (none for
// keys that only look or select) and what it does.
struct Row {
    unsigned modes;
    Key key;
    ModReq mods;
    const char *help;
    const char *edit;
    Action act;
};

// Wraps v into 0 .. n - 1.
int wrap(int v, int n)
{
    return ((v % n) + n) % n;
}

// ---- The map ----------------------------------------------------------------

void scroll(WorldMap &map, int step, ViewSize view)
{
    map.mapscroll = uint8_t(std::clamp(map.mapscroll + step, 0, mapscrollmax(map, view)));
}

int scrollstep(const Ctx &c)
{
    return c.s.editmode == ModeMapEditing && c.mods.shiftonly ? 16 : 1;
}

void gotoworld(Ctx &c, int delta)
{
    const int world = c.s.curworld + delta;
    if (world < 1 || world > 9)
        return;
    if (c.nav)
        c.nav->changeworld(c.s, world);
    else
        changeworld(c.s, world);
}

// The tile under the map cursor (the cursor is kept on the map).
uint8_t &cursortile(WorldMap &map)
{
    return map.maptiles[std::min<int>(map.mapcurrow, maprows - 1)][std::min<int>(map.mapcurcol, map.width() - 1)];
}

void addtile(Ctx &c, int delta)
{
    uint8_t &t = cursortile(c.s.map);
    t = uint8_t(t + delta);
}

// The selected pointer; the pointer keys do nothing in a world without any.
bool anyptr(const Ctx &c)
{
    return c.s.map.selectedpointer() != nullptr;
}

void moveptrcol(Ctx &c, int delta)
{
    WorldMap &map = c.s.map;
    if (MapPtr *p = map.selectedpointer())
        p->col = uint8_t(wrap(p->col + delta, map.width()));
}

void moveptrrow(Ctx &c, int delta)
{
    MapPtr *p = c.s.map.selectedpointer();
    if (!p)
        return;
    p->row = uint8_t(wrap(p->row + delta, maprows));
    p->rawrow = 0xFF; // placed by the user: a map row from now on
}

void selectptr(Ctx &c, int delta)
{
    WorldMap &map = c.s.map;
    if (map.ptrcount() > 0)
        map.selptr = uint8_t(wrap(map.selptr + delta, map.ptrcount()));
}

WorldMap &mapof(Ctx &c)
{
    return c.s.map;
}

size_t selsprite(const Ctx &c)
{
    return c.s.map.selsprite % mapspritecount;
}

void movesprx(Ctx &c, int delta)
{
    WorldMap &map = c.s.map;
    MapSprite &sprite = map.selectedsprite();
    sprite.x = int16_t(wrap(sprite.x + delta, 16 * map.width()));
}

void movespry(Ctx &c, int delta)
{
    uint8_t &y = c.s.map.selectedsprite().y;
    y = uint8_t(y + delta);
}

void addsprtype(Ctx &c, int delta)
{
    uint8_t &t = c.s.map.selectedsprite().type;
    t = uint8_t(t + delta);
}

void addspritem(Ctx &c, int delta)
{
    uint8_t &t = c.s.map.selectedsprite().item;
    t = uint8_t(t + delta);
}

// ---- The level --------------------------------------------------------------

bool objects(const Ctx &c)
{
    return c.s.editmode == ModeObjectEditing;
}

// The selected item of the mode; none in an area without objects (enemies).
bool anyitem(const Ctx &c)
{
    return objects(c) ? c.s.level.selectedobject() != nullptr : c.s.level.selectedenemy() != nullptr;
}

void showitem(Ctx &c)
{
    if (objects(c))
        showobj(c.s);
    else
        showenemy(c.s);
}

void selectitem(Ctx &c, int delta)
{
    Level &l = c.s.level;
    uint8_t &sel = objects(c) ? l.selobj : l.selenemy;
    const int count = objects(c) ? l.objcount() : l.enemycount();
    const int to = sel + delta;
    if (to < 0 || to >= count)
        return;
    (objects(c) ? l.objsel : l.enemysel).clear();
    sel = uint8_t(to);
    showitem(c);
}

// The type keys: an object's bank and type as one number mod 2048, an
// enemy's type mod 256. The object keeps its record size.
void addtype(Ctx &c, int delta)
{
    Level &l = c.s.level;
    if (!objects(c)) {
        if (EnemyRecord *e = l.selectedenemy())
            e->type = uint8_t(e->type + delta);
        return;
    }
    ObjRecord *o = l.selectedobject();
    if (!o)
        return;
    const int n = wrap((o->bank & 7) * 256 + o->type + delta, 2048);
    o->bank = uint8_t(n / 256);
    o->type = uint8_t(n % 256);
}

// With a modifier held the same keys change a 4-byte object's length; an
// enemy has no length and takes them as type keys.
void addlength(Ctx &c, int delta)
{
    if (!objects(c)) {
        addtype(c, delta);
        return;
    }
    ObjRecord *o = c.s.level.selectedobject();
    if (o && o->four)
        o->len = uint8_t(o->len + delta);
}

// The position keys move the whole selection, as long as none of its items
// is at the bound in that direction. Each direction stops at its own bound
// only: an item that stands outside the area (as the ROM may have it) can be
// moved back in.
void moveitem(Ctx &c, int dx, int dy)
{
    if (anyitem(c) && moveitems(c.s.level, objects(c), dx, dy))
        showitem(c);
}

void scrolllevel(Ctx &c, int dx, int dy)
{
    Level &l = c.s.level;
    const ScrollLimits lim = levelscrolllimits(l, viewsizeof(c.s.lvl));
    if (dx < 0 && l.lvlscrollx > 0)
        --l.lvlscrollx;
    if (dx > 0 && l.lvlscrollx < lim.maxx)
        ++l.lvlscrollx;
    if (dy < 0 && l.lvlscrolly > 0)
        --l.lvlscrolly;
    if (dy > 0 && l.lvlscrolly < lim.maxy)
        ++l.lvlscrolly;
}

// ---- The table --------------------------------------------------------------

constexpr unsigned M0 = modebit(ModeMapEditing), M1 = modebit(ModeMapPointers), M4 = modebit(ModeMapSprites);
constexpr unsigned LV = levelmodes;

const Row rows[] = {
    // Every mode.
    {allmodes, Key::S, ModReq::Any, "Show or hide the level's two pattern sheets", nullptr,
     [](Ctx &c) { c.s.showsheets = !c.s.showsheets; }},

    // Map Editing.
    {M0 | M1, Key::H, ModReq::Any, "Show offsets as file offsets or 0x10 lower", nullptr,
     [](Ctx &c) { c.s.hdrofs = !c.s.hdrofs; }},
    {M0, Key::Left, ModReq::Any, "Scroll the map left (16 columns with Shift)", nullptr,
     [](Ctx &c) { scroll(mapof(c), -scrollstep(c), viewsizeof(c.s.lvl)); }},
    {M0, Key::Right, ModReq::Any, "Scroll the map right (16 columns with Shift)", nullptr,
     [](Ctx &c) { scroll(mapof(c), scrollstep(c), viewsizeof(c.s.lvl)); }},
    {mapmodes, Key::PageUp, ModReq::Any, "Previous world", nullptr, [](Ctx &c) { gotoworld(c, -1); }},
    {mapmodes, Key::PageDown, ModReq::Any, "Next world", nullptr, [](Ctx &c) { gotoworld(c, 1); }},
    {M0, Key::Kp8, ModReq::Any, "Move the cursor up", nullptr,
     [](Ctx &c) { if (mapof(c).mapcurrow > 0) --mapof(c).mapcurrow; }},
    {M0, Key::Kp2, ModReq::Any, "Move the cursor down", nullptr,
     [](Ctx &c) { if (mapof(c).mapcurrow < 255) ++mapof(c).mapcurrow; }},
    {M0, Key::Kp4, ModReq::Any, "Move the cursor left", nullptr,
     [](Ctx &c) { if (mapof(c).mapcurcol > 0) --mapof(c).mapcurcol; }},
    {M0, Key::Kp6, ModReq::Any, "Move the cursor right", nullptr,
     [](Ctx &c) { if (mapof(c).mapcurcol < 255) ++mapof(c).mapcurcol; }},
    {M0, Key::KpMinus, ModReq::Any, "Tile under the cursor - 1", "Change tile", [](Ctx &c) { addtile(c, -1); }},
    {M0, Key::KpPlus, ModReq::Any, "Tile under the cursor + 1", "Change tile", [](Ctx &c) { addtile(c, 1); }},
    {M0, Key::KpDivide, ModReq::Any, "Tile under the cursor - 16", "Change tile", [](Ctx &c) { addtile(c, -16); }},
    {M0, Key::KpMultiply, ModReq::Any, "Tile under the cursor + 16", "Change tile", [](Ctx &c) { addtile(c, 16); }},
    {M0, Key::Enter, ModReq::Any, "Put the current tile under the cursor", "Paint tile",
     [](Ctx &c) { cursortile(mapof(c)) = c.s.curtile; }},
    {M0, Key::KpDot, ModReq::Any, "Pick the tile under the cursor as the current tile", nullptr,
     [](Ctx &c) { c.s.curtile = cursortile(mapof(c)); }},
    {M0, Key::P, ModReq::Any, "Map Pointers mode, selecting the pointer under the cursor", nullptr,
     [](Ctx &c) {
         WorldMap &map = mapof(c);
         c.s.editmode = ModeMapPointers;
         for (int i = 0; i < map.ptrcount(); ++i)
             if (map.pointers[size_t(i)].row == map.mapcurrow && map.pointers[size_t(i)].col == map.mapcurcol)
                 map.selptr = uint8_t(i);
     }},
    {M0, Key::E, ModReq::Any, "Map Sprites mode", nullptr, [](Ctx &c) { c.s.editmode = ModeMapSprites; }},

    // Map Pointers.
    {M1, Key::Kp4, ModReq::Any, "Move the pointer left (wraps)", "Move pointer", [](Ctx &c) { moveptrcol(c, -1); }},
    {M1, Key::Kp6, ModReq::Any, "Move the pointer right (wraps)", "Move pointer", [](Ctx &c) { moveptrcol(c, 1); }},
    {M1, Key::Kp8, ModReq::Any, "Move the pointer up (wraps)", "Move pointer", [](Ctx &c) { moveptrrow(c, -1); }},
    {M1, Key::Kp2, ModReq::Any, "Move the pointer down (wraps)", "Move pointer", [](Ctx &c) { moveptrrow(c, 1); }},
    {M1, Key::Up, ModReq::Any, "Select the previous pointer", nullptr, [](Ctx &c) { selectptr(c, -1); }},
    {M1, Key::Down, ModReq::Any, "Select the next pointer", nullptr, [](Ctx &c) { selectptr(c, 1); }},
    {M1 | M4, Key::Left, ModReq::Any, "Scroll the map left", nullptr, [](Ctx &c) { scroll(mapof(c), -1, viewsizeof(c.s.lvl)); }},
    {M1 | M4, Key::Right, ModReq::Any, "Scroll the map right", nullptr, [](Ctx &c) { scroll(mapof(c), 1, viewsizeof(c.s.lvl)); }},
    {M1, Key::Space, ModReq::Any, "Enter the pointer's level", nullptr,
     [](Ctx &c) {
         if (canenterlevel(c.s))
             c.out.enterlevel = true;
         else
             c.out.cantenter = anyptr(c);
         c.stop = true;
     }},
    {M1, Key::Enter, ModReq::Any, "Edit the pointer's object set and data offsets", nullptr,
     [](Ctx &c) { c.out.editpointer = anyptr(c); }},
    {M1, Key::P, ModReq::Any, "Map Editing mode", nullptr, [](Ctx &c) { c.s.editmode = ModeMapEditing; }},
    {M1, Key::E, ModReq::Any, "Map Sprites mode", nullptr, [](Ctx &c) { c.s.editmode = ModeMapSprites; }},

    // Map Sprites.
    {M4, Key::Kp4, ModReq::None, "Move the sprite a square left (wraps)", "Move sprite",
     [](Ctx &c) { movesprx(c, -16); }},
    {M4, Key::Kp4, ModReq::With, "Move the sprite a pixel left (wraps)", "Move sprite",
     [](Ctx &c) { movesprx(c, -1); }},
    {M4, Key::Kp6, ModReq::None, "Move the sprite a square right (wraps)", "Move sprite",
     [](Ctx &c) { movesprx(c, 16); }},
    {M4, Key::Kp6, ModReq::With, "Move the sprite a pixel right (wraps)", "Move sprite",
     [](Ctx &c) { movesprx(c, 1); }},
    {M4, Key::Kp8, ModReq::None, "Move the sprite a square up", "Move sprite", [](Ctx &c) { movespry(c, -16); }},
    {M4, Key::Kp8, ModReq::With, "Move the sprite a pixel up", "Move sprite", [](Ctx &c) { movespry(c, -1); }},
    {M4, Key::Kp2, ModReq::None, "Move the sprite a square down", "Move sprite", [](Ctx &c) { movespry(c, 16); }},
    {M4, Key::Kp2, ModReq::With, "Move the sprite a pixel down", "Move sprite", [](Ctx &c) { movespry(c, 1); }},
    {M4, Key::KpMinus, ModReq::None, "Sprite type - 1", "Change sprite", [](Ctx &c) { addsprtype(c, -1); }},
    {M4, Key::KpMinus, ModReq::With, "Item given - 1", "Change sprite", [](Ctx &c) { addspritem(c, -1); }},
    {M4, Key::KpPlus, ModReq::None, "Sprite type + 1", "Change sprite", [](Ctx &c) { addsprtype(c, 1); }},
    {M4, Key::KpPlus, ModReq::With, "Item given + 1", "Change sprite", [](Ctx &c) { addspritem(c, 1); }},
    {M4, Key::KpDivide, ModReq::None, "Sprite type - 16", "Change sprite", [](Ctx &c) { addsprtype(c, -16); }},
    {M4, Key::KpDivide, ModReq::With, "Item given - 16", "Change sprite", [](Ctx &c) { addspritem(c, -16); }},
    {M4, Key::KpMultiply, ModReq::None, "Sprite type + 16", "Change sprite", [](Ctx &c) { addsprtype(c, 16); }},
    {M4, Key::KpMultiply, ModReq::With, "Item given + 16", "Change sprite", [](Ctx &c) { addspritem(c, 16); }},
    {M4, Key::Up, ModReq::Any, "Select the previous sprite", nullptr,
     [](Ctx &c) { mapof(c).selsprite = uint8_t(wrap(int(selsprite(c)) - 1, 9)); }},
    {M4, Key::Down, ModReq::Any, "Select the next sprite", nullptr,
     [](Ctx &c) { mapof(c).selsprite = uint8_t(wrap(int(selsprite(c)) + 1, 9)); }},
    {M4, Key::E, ModReq::Any, "Map Editing mode", nullptr, [](Ctx &c) { c.s.editmode = ModeMapEditing; }},
    {M4, Key::P, ModReq::Any, "Map Pointers mode", nullptr, [](Ctx &c) { c.s.editmode = ModeMapPointers; }},

    // Object and Enemy Editing.
    {LV, Key::Left, ModReq::Any, "Scroll the view left", nullptr, [](Ctx &c) { scrolllevel(c, -1, 0); }},
    {LV, Key::Right, ModReq::Any, "Scroll the view right", nullptr, [](Ctx &c) { scrolllevel(c, 1, 0); }},
    {LV, Key::Up, ModReq::Any, "Scroll the view up", nullptr, [](Ctx &c) { scrolllevel(c, 0, -1); }},
    {LV, Key::Down, ModReq::Any, "Scroll the view down", nullptr, [](Ctx &c) { scrolllevel(c, 0, 1); }},
    {LV, Key::PageUp, ModReq::Any, "Select the previous object or enemy", nullptr, [](Ctx &c) { selectitem(c, -1); }},
    {LV, Key::PageDown, ModReq::Any, "Select the next object or enemy", nullptr, [](Ctx &c) { selectitem(c, 1); }},
    {LV, Key::KpMinus, ModReq::None, "Object bank and type - 1, enemy type - 1", "Change type",
     [](Ctx &c) { addtype(c, -1); }},
    {LV, Key::KpPlus, ModReq::None, "Object bank and type + 1, enemy type + 1", "Change type",
     [](Ctx &c) { addtype(c, 1); }},
    {LV, Key::KpDivide, ModReq::None, "Object bank and type - 16, enemy type - 16", "Change type",
     [](Ctx &c) { addtype(c, -16); }},
    {LV, Key::KpMultiply, ModReq::None, "Object bank and type + 16, enemy type + 16", "Change type",
     [](Ctx &c) { addtype(c, 16); }},
    {LV, Key::KpMinus, ModReq::With, "Length of a 4-byte object - 1", "Change length",
     [](Ctx &c) { addlength(c, -1); }},
    {LV, Key::KpPlus, ModReq::With, "Length of a 4-byte object + 1", "Change length",
     [](Ctx &c) { addlength(c, 1); }},
    {LV, Key::KpDivide, ModReq::With, "Length of a 4-byte object - 16", "Change length",
     [](Ctx &c) { addlength(c, -16); }},
    {LV, Key::KpMultiply, ModReq::With, "Length of a 4-byte object + 16", "Change length",
     [](Ctx &c) { addlength(c, 16); }},
    {LV, Key::Kp8, ModReq::Any, "Move the object or enemy up", "Move", [](Ctx &c) { moveitem(c, 0, -1); }},
    {LV, Key::Kp2, ModReq::Any, "Move the object or enemy down", "Move", [](Ctx &c) { moveitem(c, 0, 1); }},
    {LV, Key::Kp4, ModReq::Any, "Move the object or enemy left", "Move", [](Ctx &c) { moveitem(c, -1, 0); }},
    {LV, Key::Kp6, ModReq::Any, "Move the object or enemy right", "Move", [](Ctx &c) { moveitem(c, 1, 0); }},
    {LV, Key::B, ModReq::None, "Go to the area this one links to", nullptr,
     [](Ctx &c) {
         const int r = c.nav ? c.nav->nextarea(c.s) : (nextarea(c.s) ? 1 : 0);
         c.out.nolink = r == 0;
     }},
    {LV, Key::Space, ModReq::Any, "Switch between Object and Enemy Editing", nullptr,
     [](Ctx &c) {
         const bool wasobjects = objects(c);
         c.s.editmode = wasobjects ? ModeEnemyEditing : ModeObjectEditing;
         showitem(c);
     }},
    {LV, Key::Esc, ModReq::Any, "Leave the level for the world map", nullptr,
     [](Ctx &c) {
         if (c.nav)
             c.nav->exitlevel(c.s);
         else
             exitlevel(c.s);
     }},
};

bool modsmatch(ModReq req, KeyMods mods)
{
    return req == ModReq::Any || (req == ModReq::With) == mods.any;
}

// ---- Follow-up rules after a key, by the mode it was pressed in -------------

// Keeps a column in view by scrolling just enough, never past the world's
// last screen.
void follow(WorldMap &map, int col, ViewSize view)
{
    const int cols = mapviewcols(map, view), max = mapscrollmax(map, view);
    if (col > map.mapscroll + cols - 1)
        map.mapscroll = uint8_t(std::min(col - (cols - 1), max));
    if (col < map.mapscroll)
        map.mapscroll = uint8_t(std::clamp(col, 0, max));
}

void followup(EditorState &s, int mode, Key key)
{
    WorldMap &map = s.map;
    const ViewSize view = viewsizeof(s.lvl);
    switch (mode) {
    case ModeMapEditing:
        // After the cursor keys the view follows the cursor by one column at
        // most. (After Left and Right it does not: there the view moves and
        // the cursor is dragged along.)
        if (key == Key::Kp2 || key == Key::Kp4 || key == Key::Kp6 || key == Key::Kp8) {
            if (map.mapcurcol > map.mapscroll + mapviewcols(map, view) - 1 && map.mapscroll < mapscrollmax(map, view))
                ++map.mapscroll;
            if (map.mapcurcol < map.mapscroll && map.mapscroll > 0)
                --map.mapscroll;
        }
        break;
    case ModeMapPointers:
        if (const MapPtr *p = map.selectedpointer()) {
            follow(map, p->col, view);
            map.mapcurcol = p->col;
            map.mapcurrow = p->row;
        }
        break;
    case ModeMapSprites: {
        const MapSprite &sprite = map.selectedsprite();
        const int sc = sprite.x / 16;
        follow(map, sc, view);
        map.mapcurcol = uint8_t(std::clamp(sc, 0, 255));
        map.mapcurrow = uint8_t(std::max(sprite.y / 16 - 2, 0));
        break;
    }
    default:
        break;
    }
    if (s.editmode == ModeMapEditing)
        clampcursor(map, view);
}

} // namespace

KeyOutcome handlekey(EditorState &s, Key key, KeyMods mods, Navigator *nav)
{
    KeyOutcome out;
    Ctx c{s, mods, out, nav};
    const int mode = s.editmode;
    for (const Row &row : rows) {
        if (!(row.modes & modebit(mode)) || row.key != key || !modsmatch(row.mods, mods))
            continue;
        row.act(c);
        if (row.edit)
            out.edit = QString::fromLatin1(row.edit);
        // A mode change by an earlier row does not bring in the new mode's rows.
    }
    if (!c.stop && ismapmode(uint8_t(mode)) && ismapmode(s.editmode))
        followup(s, mode, key);
    return out;
}

std::vector<KeyHelp> keyreference()
{
    std::vector<KeyHelp> help;
    for (const Row &row : rows)
        help.push_back({row.modes, row.key, row.mods, QString::fromLatin1(row.help)});
    return help;
}

namespace {

struct KeyName {
    Key key;
    const char *name;
};
// Every key's name, in the order of Key.
constexpr KeyName keynames[] = {
    {Key::Left, "Left"},         {Key::Right, "Right"},       {Key::Up, "Up"},
    {Key::Down, "Down"},         {Key::PageUp, "Page Up"},    {Key::PageDown, "Page Down"},
    {Key::Enter, "Enter"},       {Key::Esc, "Esc"},           {Key::Space, "Space"},
    {Key::B, "B"},               {Key::E, "E"},               {Key::H, "H"},
    {Key::P, "P"},               {Key::S, "S"},               {Key::Kp2, "Keypad 2"},
    {Key::Kp4, "Keypad 4"},      {Key::Kp6, "Keypad 6"},      {Key::Kp8, "Keypad 8"},
    {Key::KpMinus, "Keypad -"},  {Key::KpPlus, "Keypad +"},   {Key::KpDivide, "Keypad /"},
    {Key::KpMultiply, "Keypad *"}, {Key::KpDot, "Keypad ."},
};

constexpr bool everykeynamed()
{
    if (std::size(keynames) != size_t(Key::Count))
        return false;
    for (size_t k = 0; k < std::size(keynames); ++k)
        if (keynames[k].key != Key(k) || keynames[k].name == nullptr || keynames[k].name[0] == 0)
            return false;
    return true;
}
static_assert(everykeynamed(), "every key needs its name in keynames, in the order of Key");

} // namespace

QString keyname(Key key)
{
    const size_t k = size_t(key);
    return k < std::size(keynames) ? QString::fromLatin1(keynames[k].name) : QString();
}

} // namespace quib

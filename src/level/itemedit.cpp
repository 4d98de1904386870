#include "level/itemedit.h"

#include "level/leveledit.h"
#include "level/objbox.h"
#include "tables/objprops.h"

#include <algorithm>

namespace quib {

namespace {

int count(const Level &l, bool objects)
{
    return objects ? l.objcount() : l.enemycount();
}

uint8_t &picked(Level &l, bool objects)
{
    return objects ? l.selobj : l.selenemy;
}

std::set<int> &marks(Level &l, bool objects)
{
    return objects ? l.objsel : l.enemysel;
}

ObjBox boxof(const Level &l, const ObjProps &props, bool objects, int i)
{
    return objects ? objbox(l, props, i) : enemybox(l, props, i);
}

template <class T>
void positionsof(const T &item, int &x, int &y)
{
    x = item.x;
    y = item.y;
}

} // namespace

// ---- Selection ----------------------------------------------------------------

std::vector<int> selecteditems(const Level &l, bool objects)
{
    const int n = count(l, objects);
    const int last = objects ? l.selobj : l.selenemy;
    const std::set<int> &set = objects ? l.objsel : l.enemysel;
    if (last >= n)
        return {};
    if (!set.count(last))
        return {last};
    std::vector<int> out;
    for (const int i : set)
        if (i >= 0 && i < n)
            out.push_back(i);
    return out;
}

void selectitems(Level &l, bool objects, const std::vector<int> &items, int last)
{
    std::set<int> &set = marks(l, objects);
    set.clear();
    const int n = count(l, objects);
    for (const int i : items)
        if (i >= 0 && i < n)
            set.insert(i);
    if (last >= 0 && last < n) {
        set.insert(last);
        picked(l, objects) = uint8_t(last);
    } else if (!set.empty()) {
        picked(l, objects) = uint8_t(*set.rbegin());
    }
    if (set.size() <= 1)
        set.clear();
}

void toggleitem(Level &l, bool objects, int i)
{
    if (i < 0 || i >= count(l, objects))
        return;
    std::vector<int> now = selecteditems(l, objects);
    const auto at = std::find(now.begin(), now.end(), i);
    if (at == now.end()) {
        now.push_back(i);
        selectitems(l, objects, now, i);
        return;
    }
    if (now.size() == 1)
        return; // the one selected item stays
    now.erase(at);
    const int last = picked(l, objects) == i ? now.back() : picked(l, objects);
    selectitems(l, objects, now, last);
}

void selectall(Level &l, bool objects)
{
    std::vector<int> all(size_t(count(l, objects)));
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = int(i);
    selectitems(l, objects, all, picked(l, objects));
}

std::vector<int> itemsinrect(const Level &l, const ObjProps &props, bool objects, int col0, int row0, int col1,
                             int row1)
{
    const int c0 = std::min(col0, col1), c1 = std::max(col0, col1);
    const int r0 = std::min(row0, row1), r1 = std::max(row0, row1);
    std::vector<int> out;
    for (int i = 0; i < count(l, objects); ++i) {
        const ObjBox b = boxof(l, props, objects, i);
        if (b.width <= 0 || b.height <= 0)
            continue;
        if (b.firstcol() <= c1 && b.lastcol() >= c0 && b.firstrow() <= r1 && b.lastrow() >= r0)
            out.push_back(i);
    }
    return out;
}

// ---- Groups -------------------------------------------------------------------

ItemGroup copyitems(const Level &l, bool objects)
{
    ItemGroup g;
    g.objset = l.lvlobjset & 15;
    for (const int i : selecteditems(l, objects)) {
        if (objects)
            g.objects.push_back(l.objects[size_t(i)]);
        else
            g.enemies.push_back(l.enemies[size_t(i)]);
    }
    return g;
}

QString pasteitems(Level &l, const ObjProps &props, const ItemGroup &g, int col, int row)
{
    if (g.empty())
        return QStringLiteral("There is nothing to paste.");
    if (!g.enemies.empty() && (l.lvlobjset & 15) == 0)
        return QStringLiteral("Areas of object set 0 have no enemies: the game reads none for them.");
    const auto full = [](const char *kind, int have, size_t adding) {
        return QStringLiteral("An area holds at most %1 %2: this one has %3, and %4 more would not fit.")
            .arg(maxrecords)
            .arg(QLatin1String(kind))
            .arg(have)
            .arg(adding);
    };
    if (l.objcount() + g.objects.size() > size_t(maxrecords))
        return full("objects", l.objcount(), g.objects.size());
    if (l.enemycount() + g.enemies.size() > size_t(maxrecords))
        return full("enemies", l.enemycount(), g.enemies.size());

    // The group's extent by the items' own blocks.
    int minx = 255, miny = 255, maxx = 0, maxy = 0;
    const auto extend = [&](int x, int y) {
        minx = std::min(minx, x);
        miny = std::min(miny, y);
        maxx = std::max(maxx, x);
        maxy = std::max(maxy, y);
    };
    for (const ObjRecord &o : g.objects)
        extend(o.x, o.y);
    for (const EnemyRecord &e : g.enemies)
        extend(e.x, e.y);
    const int boundx = levelmaxx(l);
    const int boundy = levelmaxy(l, !g.objects.empty());
    const int tx = std::max(0, std::min(col, boundx - (maxx - minx)));
    const int ty = std::max(0, std::min(row, boundy - (maxy - miny)));
    const auto place = [&](int v, int from, int to, int bound) { return uint8_t(std::clamp(to + v - from, 0, bound)); };

    const int set = l.lvlobjset & 15;
    const bool sameset = g.objset == set;
    std::vector<int> added;
    for (const ObjRecord &src : g.objects) {
        ObjRecord o = src;
        o.x = place(src.x, minx, tx, boundx);
        o.y = place(src.y, miny, ty, levelmaxy(l, true));
        o.raw = {}; // not read from the ROM: Save encodes it
        if (!sameset) {
            const bool four = props.four(set, o.bank, o.type);
            o.len = four && src.four ? src.len : 0;
            o.four = four;
        }
        added.push_back(l.objcount());
        l.objects.push_back(o);
    }
    std::vector<int> addedenemies;
    for (const EnemyRecord &src : g.enemies) {
        EnemyRecord e = src;
        e.x = place(src.x, minx, tx, boundx);
        e.y = place(src.y, miny, ty, levelmaxy(l, false));
        addedenemies.push_back(l.enemycount());
        l.enemies.push_back(e);
    }
    if (!added.empty())
        selectitems(l, true, added, added.back());
    if (!addedenemies.empty())
        selectitems(l, false, addedenemies, addedenemies.back());
    return QString();
}

void deleteitems(Level &l, bool objects)
{
    const std::vector<int> gone = selecteditems(l, objects);
    if (gone.empty())
        return;
    const auto erase = [&](auto &list) {
        for (auto it = gone.rbegin(); it != gone.rend(); ++it)
            list.erase(list.begin() + *it);
    };
    if (objects)
        erase(l.objects);
    else
        erase(l.enemies);
    const int n = count(l, objects);
    marks(l, objects).clear();
    picked(l, objects) = uint8_t(std::max(0, std::min(gone.front(), n - 1)));
}

namespace {

// The selected objects taken out and put back at the end or the start.
void reorder(Level &l, bool tofront)
{
    const std::vector<int> sel = selecteditems(l, true);
    if (sel.empty())
        return;
    const int last = l.selobj;
    std::vector<ObjRecord> moved, rest;
    int lastat = 0;
    for (int i = 0; i < l.objcount(); ++i) {
        if (std::binary_search(sel.begin(), sel.end(), i)) {
            if (i == last)
                lastat = int(moved.size());
            moved.push_back(l.objects[size_t(i)]);
        } else {
            rest.push_back(l.objects[size_t(i)]);
        }
    }
    const int first = tofront ? int(rest.size()) : 0;
    if (tofront)
        rest.insert(rest.end(), moved.begin(), moved.end());
    else
        rest.insert(rest.begin(), moved.begin(), moved.end());
    l.objects = std::move(rest);
    std::vector<int> now;
    for (size_t k = 0; k < moved.size(); ++k)
        now.push_back(first + int(k));
    selectitems(l, true, now, first + lastat);
}

} // namespace

void objectstofront(Level &l)
{
    reorder(l, true);
}

void objectstoback(Level &l)
{
    reorder(l, false);
}

bool moveitems(Level &l, bool objects, int dx, int dy)
{
    const std::vector<int> sel = selecteditems(l, objects);
    const int bx = levelmaxx(l), by = levelmaxy(l, objects);
    const auto blocked = [&](int x, int y) {
        return (dx < 0 && x == 0) || (dx > 0 && x >= bx) || (dy < 0 && y == 0) || (dy > 0 && y >= by);
    };
    for (const int i : sel) {
        int x, y;
        if (objects)
            positionsof(l.objects[size_t(i)], x, y);
        else
            positionsof(l.enemies[size_t(i)], x, y);
        if (blocked(x, y))
            return false;
    }
    for (const int i : sel) {
        uint8_t &x = objects ? l.objects[size_t(i)].x : l.enemies[size_t(i)].x;
        uint8_t &y = objects ? l.objects[size_t(i)].y : l.enemies[size_t(i)].y;
        x = uint8_t(x + dx);
        y = uint8_t(y + dy);
    }
    return !sel.empty();
}

std::vector<ItemPos> itemorigins(const Level &l, bool objects)
{
    std::vector<ItemPos> out;
    for (const int i : selecteditems(l, objects)) {
        int x, y;
        if (objects)
            positionsof(l.objects[size_t(i)], x, y);
        else
            positionsof(l.enemies[size_t(i)], x, y);
        out.push_back({i, x, y});
    }
    return out;
}

void dragitems(Level &l, bool objects, const std::vector<ItemPos> &origin, int dx, int dy)
{
    const int bx = levelmaxx(l), by = levelmaxy(l, objects);
    for (const ItemPos &p : origin) {
        if (p.index >= count(l, objects))
            continue;
        uint8_t &x = objects ? l.objects[size_t(p.index)].x : l.enemies[size_t(p.index)].x;
        uint8_t &y = objects ? l.objects[size_t(p.index)].y : l.enemies[size_t(p.index)].y;
        x = uint8_t(std::clamp(p.x + dx, 0, bx));
        y = uint8_t(std::clamp(p.y + dy, 0, by));
    }
}

Block viewblock(const Level &l, int px, int py)
{
    return {px / 16 + l.lvlscrollx, py / 16 + l.lvlscrolly};
}

PressHit presshit(const Level &l, const ObjProps &props, bool objectmode, int px, int py, ViewSize view)
{
    py = std::clamp(py, 0, 16 * view.rows);
    if (px / 16 < -l.lvlscrollx)
        px = -l.lvlscrollx * 16;
    PressHit out;
    out.block = viewblock(l, px, py);
    const LevelHit hit = levelhit(l, props, out.block.col, out.block.row);
    const bool objectwins = objectmode ? hit.object >= 0 : hit.enemy < 0;
    if (objectwins && hit.object >= 0)
        out.index = hit.object;
    else if (hit.enemy >= 0) {
        out.object = false;
        out.index = hit.enemy;
    }
    return out;
}

} // namespace quib

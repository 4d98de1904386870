#include "level/navigate.h"

#include "graphics/blit.h"
#include "level/level.h"
#include "level/leveledit.h"
#include "level/loadlevel.h"
#include "level/objbox.h"
#include "worldmap/worldmap.h"

#include <algorithm>

namespace quib {

void drawtransition(Surface &lvl, int e)
{
    const uint32_t black = rgb(0, 0, 0);
    const int v = e * 72 / 500, h = e * 128 / 500;
    fillrect(lvl, 0, 0, 256, v, black);
    fillrect(lvl, 0, 143 - v, 256, 143, black);
    fillrect(lvl, 0, 0, h, 143, black);
    fillrect(lvl, 256 - h, 0, 256, 143, black);
}

bool canenterlevel(const WorldMap &map)
{
    const MapPtr *p = map.selectedpointer();
    if (!p)
        return false;
    return p->objset != 0 && p->objset != 15;
}

bool enterlevel(Level &l, const WorldMap &map, const LevelContext &c, ViewSize view)
{
    if (!canenterlevel(map))
        return false;
    const MapPtr &p = *map.selectedpointer();
    l.lvlobjpos = p.objpos;
    l.lvlenmpos = p.enmpos;
    l.lvlobjset = p.objset;
    loadlevel(l, c);
    l.lvlscrollx = 0;
    l.lvlscrolly = 12;
    showobj(l, c.props, view);
    return true;
}

bool nextarea(Level &l, const LevelContext &c, ViewSize view)
{
    const LinkedArea link = linkedarea(l);
    if (!link.haslink)
        return false;
    l.lvlobjpos = link.objpos;
    l.lvlenmpos = link.enmpos;
    l.lvlobjset = link.objset;
    loadlevel(l, c);
    showobj(l, c.props, view);
    return true;
}

namespace {

// Brings the item's blocks into the view: its middle column to the view's
// middle column (8 of 16) and its middle row to the middle row (7 of 15)
// when it reaches outside.
void showitem(Level &l, const ObjBox &box, ViewSize view)
{
    const ViewSize v = levelview(l, view);
    const int x = box.x, y = box.y, w = box.width, h = box.height;
    const int left = box.firstcol(), top = box.firstrow();
    if (x + w >= l.lvlscrollx + v.cols + 1 || left < l.lvlscrollx)
        l.lvlscrollx = int16_t((x + left + w) / 2 - v.cols / 2);
    if (y + h >= l.lvlscrolly + v.rows + 1 || top < l.lvlscrolly)
        l.lvlscrolly = int16_t((y + top + h) / 2 - v.rows / 2);
    clampscroll(l, view);
}

} // namespace

void showobj(Level &l, const ObjProps &props, ViewSize view)
{
    if (!l.selectedobject())
        return; // nothing selected to show
    showitem(l, objbox(l, props, l.selobj), view);
}

void showenemy(Level &l, const ObjProps &props, ViewSize view)
{
    if (!l.selectedenemy())
        return;
    showitem(l, enemybox(l, props, l.selenemy), view);
}

} // namespace quib

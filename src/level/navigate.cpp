#include "level/navigate.h"

#include "editor/editorstate.h"
#include "graphics/blit.h"
#include "level/leveledit.h"
#include "level/loadlevel.h"
#include "level/objbox.h"

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

bool canenterlevel(const EditorState &s)
{
    const MapPtr *p = s.map.selectedpointer();
    if (!p)
        return false;
    return p->objset != 0 && p->objset != 15;
}

void enterlevel(EditorState &s)
{
    if (!canenterlevel(s))
        return;
    Level &l = s.level;
    const MapPtr &p = *s.map.selectedpointer();
    l.lvlobjpos = p.objpos;
    l.lvlenmpos = p.enmpos;
    l.lvlobjset = p.objset;
    loadlevel(s);
    s.editmode = ModeObjectEditing;
    l.lvlscrollx = 0;
    l.lvlscrolly = 12;
    showobj(s);
}

void exitlevel(EditorState &s)
{
    s.editmode = ModeMapPointers;
}

bool nextarea(EditorState &s)
{
    const LinkedArea link = linkedarea(s.level);
    if (!link.haslink)
        return false;
    s.level.lvlobjpos = link.objpos;
    s.level.lvlenmpos = link.enmpos;
    s.level.lvlobjset = link.objset;
    loadlevel(s);
    showobj(s);
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

void showobj(EditorState &s)
{
    Level &l = s.level;
    if (!l.selectedobject())
        return; // nothing selected to show
    const ObjBox box = objbox(l, s.props, l.selobj);
    showitem(l, box, viewsizeof(s.lvl));
}

void showenemy(EditorState &s)
{
    Level &l = s.level;
    if (!l.selectedenemy())
        return;
    showitem(l, enemybox(l, s.props, l.selenemy), viewsizeof(s.lvl));
}

} // namespace quib

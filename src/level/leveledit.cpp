#include "level/leveledit.h"

#include "level/level.h"
#include "level/objbox.h"

#include <algorithm>

namespace quib {

int levelmaxx(const Level &l)
{
    return l.vertical() ? 15 : 255;
}

int levelmaxy(const Level &l, bool object)
{
    return l.vertical() ? (object ? lastverticalrow : 240) : 26;
}

ViewSize levelview(const Level &l, ViewSize view)
{
    // An object may stand on every block of the area and nowhere else.
    return {std::min(view.cols, levelmaxx(l) + 1), std::min(view.rows, levelmaxy(l, true) + 1)};
}

ScrollLimits levelscrolllimits(const Level &l, ViewSize view)
{
    const ViewSize v = levelview(l, view);
    return {levelmaxx(l) + 1 - v.cols, levelmaxy(l, true) + 1 - v.rows};
}

void clampscroll(Level &l, ViewSize view)
{
    const ScrollLimits lim = levelscrolllimits(l, view);
    l.lvlscrollx = int16_t(std::clamp<int>(l.lvlscrollx, 0, lim.maxx));
    l.lvlscrolly = int16_t(std::clamp<int>(l.lvlscrolly, 0, lim.maxy));
}

namespace {

// Pixels to blocks: division truncating toward zero, as the view reports
// whole pixels.
int block(int px)
{
    return px / 16;
}

} // namespace

LevelHit levelhit(const Level &l, const ObjProps &props, int col, int row)
{
    LevelHit hit;
    for (int i = 0; i < l.objcount(); ++i)
        if (objbox(l, props, i).contains(col, row))
            hit.object = i;
    for (int i = 0; i < l.enemycount(); ++i)
        if (enemybox(l, props, i).contains(col, row))
            hit.enemy = i;
    return hit;
}

SelectionMark levelpress(Level &l, const ObjProps &props, bool objectmode, int px, int py, LevelGrab &grab,
                         ViewSize view)
{
    py = std::clamp(py, 0, 16 * view.rows);
    if (block(px) < -l.lvlscrollx)
        px = -l.lvlscrollx * 16;
    const int bx = block(px) + l.lvlscrollx, by = block(py) + l.lvlscrolly;

    const LevelHit hit = levelhit(l, props, bx, by);
    const int hitobj = hit.object, hitenemy = hit.enemy;
    // The kind of the current mode is scanned last, so it wins a shared block.
    const bool objectwins = objectmode ? hitobj >= 0 : hitenemy < 0;
    if (objectwins && hitobj >= 0) {
        l.selobj = uint8_t(hitobj);
        grab.x = int16_t(l.objects[size_t(hitobj)].x - bx);
        grab.y = int16_t(l.objects[size_t(hitobj)].y - by);
        return SelectionMark::object;
    }
    if (hitenemy >= 0) {
        l.selenemy = uint8_t(hitenemy);
        grab.x = int16_t(l.enemies[size_t(hitenemy)].x - bx);
        grab.y = int16_t(l.enemies[size_t(hitenemy)].y - by);
        return SelectionMark::enemy;
    }
    return SelectionMark::none;
}

void leveldrag(Level &l, const ObjProps &props, bool objects, LevelGrab grab, int px, int py, ViewSize view)
{
    if (objects ? !l.selectedobject() : !l.selectedenemy())
        return;
    const int bx = block(px) + l.lvlscrollx, by = block(py) + l.lvlscrolly;
    const int nx = std::min(std::max(bx + grab.x, 0), levelmaxx(l));
    const int ny = std::min(std::max(by + grab.y, 0), levelmaxy(l, objects));
    ObjBox b;
    if (objects) {
        l.selectedobject()->x = uint8_t(nx);
        l.selectedobject()->y = uint8_t(ny);
        b = objbox(l, props, l.selobj);
    } else {
        l.selectedenemy()->x = uint8_t(nx);
        l.selectedenemy()->y = uint8_t(ny);
        b = enemybox(l, props, l.selenemy);
    }
    // The view follows the item's box; not clamped, so an empty box at
    // column or row 0 may take the view to -1.
    const ViewSize v = levelview(l, view);
    if (nx - b.left >= l.lvlscrollx + v.cols)
        l.lvlscrollx = int16_t(nx - b.left - (v.cols - 1));
    if (nx + b.width - 1 < l.lvlscrollx)
        l.lvlscrollx = int16_t(nx + b.width - 1);
    if (ny - b.up >= l.lvlscrolly + v.rows)
        l.lvlscrolly = int16_t(ny - b.up - (v.rows - 1));
    if (ny + b.height - 1 < l.lvlscrolly)
        l.lvlscrolly = int16_t(ny + b.height - 1);
}

} // namespace quib

#include "level/objbox.h"

#include "level/level.h"
#include "tables/objprops.h"

#include <utility>

namespace quib {

ObjBox objbox(const Level &lvl, const ObjProps &props, int i)
{
    const ObjRecord &o = lvl.objects[size_t(i)];
    const int set = lvl.lvlobjset & 15, b = o.bank, t = o.type;
    ObjBox box;
    box.x = o.x;
    box.y = o.y;
    if (o.four) {
        box.width = o.len + 1;
        box.height = (t & 15) + 1;
        if (set == 2 && b == 0 && t >= 0xF0)
            std::swap(box.width, box.height);
    } else {
        box.width = props.width(set, b, t);
        box.height = props.height(set, b, t);
        box.left = props.left(set, b, t);
        box.up = props.up(set, b, t);
    }
    return box;
}

ObjBox enemybox(const Level &lvl, const ObjProps &props, int i)
{
    const EnemyRecord &e = lvl.enemies[size_t(i)];
    const size_t t = e.type;
    ObjBox box;
    box.x = e.x;
    box.y = e.y;
    box.width = props.enemywidth[t];
    box.height = props.enemyheight[t];
    box.left = props.enemyleft[t];
    box.up = props.enemyup[t];
    return box;
}

} // namespace quib

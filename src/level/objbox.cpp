#include "level/objbox.h"

#include "level/level.h"
#include "tables/objprops.h"

#include <utility>

namespace quib {

ObjBox objbox(const Level &lvl, const ObjProps &props, int i)
{
    const size_t k = size_t(i);
    const int set = lvl.lvlobjset & 15, b = lvl.objbank[k], t = lvl.objtype[k];
    ObjBox box;
    box.x = lvl.objx[k];
    box.y = lvl.objy[k];
    if (lvl.obj4[k]) {
        box.width = lvl.objlen[k] + 1;
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
    const size_t k = size_t(i);
    const size_t t = lvl.enemytype[k];
    ObjBox box;
    box.x = lvl.enemyx[k];
    box.y = lvl.enemyy[k];
    box.width = props.enemywidth[t];
    box.height = props.enemyheight[t];
    box.left = props.enemyleft[t];
    box.up = props.enemyup[t];
    return box;
}

} // namespace quib

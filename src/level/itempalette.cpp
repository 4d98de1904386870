#include "level/itempalette.h"

#include "graphics/graphics.h"
#include "level/level.h"
#include "level/objbox.h"
#include "level/drawobj.h"
#include "tables/objprops.h"

#include <algorithm>

namespace quib {

std::vector<PaletteObject> paletteobjects(const ObjProps &props, int objset)
{
    std::vector<PaletteObject> out;
    for (int bank = 0; bank < 8; ++bank)
        for (int type = 0; type < 256; ++type) {
            const bool four = props.four(objset, bank, type);
            if (four || (props.width(objset, bank, type) > 0 && props.height(objset, bank, type) > 0))
                out.push_back({bank, type, four});
        }
    return out;
}

Surface drawpaletteobject(const LevelDocument &area, const ObjProps &props, const ObjCells &cells,
                          const Graphics &gfx, const PaletteObject &obj, int maxblocks)
{
    Level l;
    l.document() = area;
    l.objects.clear();
    l.enemies.clear();
    ObjRecord o;
    o.bank = uint8_t(obj.bank);
    o.type = uint8_t(obj.type);
    o.four = obj.four;
    o.len = 1;
    l.objects.push_back(o);
    // Its box from the block (0, 0), then moved so the box starts there.
    ObjBox box = objbox(l, props, 0);
    l.objects[0].x = uint8_t(std::clamp(box.left, 0, 255));
    l.objects[0].y = uint8_t(std::clamp(box.up, 0, 255));
    box = objbox(l, props, 0);
    const int w = std::clamp(box.lastcol() - box.firstcol() + 1, 1, maxblocks);
    const int h = std::clamp(box.lastrow() - box.firstrow() + 1, 1, maxblocks);
    Surface s(16 * w, 16 * h, gfx.lvlbackground);
    drawobj(s, box.firstcol(), box.firstrow(), l, props, cells, gfx, 0);
    return s;
}

} // namespace quib

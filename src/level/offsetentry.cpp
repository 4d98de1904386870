#include "level/offsetentry.h"

#include "level/level.h"
#include "rom/romfile.h"
#include "level/loadlevel.h"
#include "rom/rom.h"
#include "rom/areaoffsets.h"
#include "worldmap/worldmap.h"

namespace quib {

LevelSpec foldlevelspec(const QString &objtext, const QString &enmtext, int objset, bool hdrofs)
{
    objset &= 15;
    return {foldobjpos(objtext.trimmed(), objset, hdrofs), foldenmpos(enmtext.trimmed(), hdrofs), objset};
}

LevelSpec initiallevelspec(const WorldMap &map, const Level &lvl)
{
    const MapPtr *p = map.selectedpointer();
    if (!p)
        return {lvl.lvlobjpos, lvl.lvlenmpos, lvl.lvlobjset & 15};
    return {p->objpos, p->enmpos, p->objset & 15};
}

bool enterlevelspec(Level &lvl, const LevelContext &c, int32_t objofs, int32_t enmofs, int objset)
{
    if (!c.rom.isopen())
        return false;
    lvl.lvlobjpos = objofs;
    lvl.lvlenmpos = enmofs;
    lvl.lvlobjset = objset & 15;
    loadlevel(lvl, c);
    return true;
}

} // namespace quib

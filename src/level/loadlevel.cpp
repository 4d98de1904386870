#include "level/loadlevel.h"

#include "graphics/graphics.h"
#include "level/level.h"
#include "objgfx/objcells.h"
#include "tables/objprops.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "worldmap/loadmap.h"
#include "worldmap/worldmap.h"

namespace quib {

void readenemies(Level &lvl, const RomFile &rom)
{
    lvl.enemies.clear();
    // Object set 0 has no enemies: its areas load with none.
    if (lvl.lvlobjset == 0)
        return;
    while (lvl.enemycount() < maxrecords) {
        const EnemyBytes b = readenemybytes(rom, enemyrecordpos(lvl.lvlenmpos, lvl.enemycount()));
        if (b[0] == streamend)
            break;
        lvl.enemies.push_back(decodeenemy(b));
    }
}

void readobjects(Level &lvl, const RomFile &rom, const ObjProps &props)
{
    lvl.lvlhdr = readheader(rom, lvl.lvlobjpos);
    lvl.objects.clear();
    const bool vertical = lvl.vertical();
    int64_t q = int64_t(lvl.lvlobjpos) + hdrsize;
    while (lvl.objcount() < maxrecords) {
        const ObjBytes raw = readobjbytes(rom, q, props, lvl.lvlobjset);
        if (raw.size == 0)
            break;
        lvl.objects.push_back(decodeobj(raw, vertical));
        q += raw.size;
    }
}

QString leveltitle(const WorldMap &map, int world)
{
    QString title = maptitle(world);
    if (map.mapcurrow < maprows && map.mapcurcol < mapcols) {
        const int tile = map.maptiles[map.mapcurrow][map.mapcurcol];
        if (tile >= 3 && tile <= 12)
            title += QLatin1Char('-') + QString::number(tile - 2);
    }
    return title;
}

void loadlevel(Level &lvl, const LevelContext &c)
{
    lvl.lvlobjset &= 15;
    if (lvl.lvlobjset == 7)
        lvl.lvlenmpos = int32_t(rom::objset7enemies);
    {
        RomFile rom(c.rom);
        readenemies(lvl, rom);
        readobjects(lvl, rom, c.props);
        rom.close();
    }

    lvl.selobj = 0;
    lvl.selenemy = 0;
    lvl.objsel.clear();
    lvl.enemysel.clear();
    lvl.band = {};

    // The CHR data never changes, so a sheet decoded once stays valid.
    for (int page = 0; page < 2; ++page) {
        const int sheet = gfxsetsheet[page][lvl.graphicset()];
        if (c.gfx.sheetdone[size_t(sheet)] == 0)
            decodechr(c.gfx, c.rom, sheet);
    }
    if (lvl.lvlobjset != c.defset) {
        loadobjdefs(c.objcells, lvl.lvlobjset);
        c.defset = lvl.lvlobjset;
    }
    buildobjpal(c.props);
    colorlvlgfx(c.gfx, lvl.lvlobjset, hdrfield(lvl.lvlhdr, HdrField::LevelColours), lvl.graphicset());
    lvl.loaded = true;
}

LinkedArea linkedarea(const Level &lvl)
{
    const HdrLink link = hdrlink(lvl.lvlhdr);
    LinkedArea a;
    a.objset = link.objset;
    a.objpos = int32_t(rom::ptrtooffset(link.objptr, rom::objadder(link.objset)));
    a.enmpos = int32_t(rom::ptrtooffset(link.enmptr, rom::enemydataadder));
    a.haslink = link.any();
    return a;
}

} // namespace quib

#include "level/loadlevel.h"

#include "editor/editorstate.h"
#include "editor/romfile.h"
#include "editor/romlayout.h"
#include "worldmap/loadmap.h"

namespace quib {

void readenemies(Level &lvl, const RomFile &rom)
{
    lvl.enemycount = 0;
    lvl.enemytype.fill(0);
    lvl.enemyx.fill(0);
    lvl.enemyy.fill(0);
    // Object set 0 has no enemies: its areas load with none.
    if (lvl.lvlobjset == 0)
        return;
    int64_t q = int64_t(lvl.lvlenmpos) + 1; // past the leading byte
    while (lvl.enemycount < maxrecords) {
        const uint8_t type = rom.readbyte(q);
        if (type == streamend)
            break;
        const size_t i = size_t(lvl.enemycount++);
        lvl.enemytype[i] = type;
        lvl.enemyx[i] = rom.readbyte(q + 1);
        lvl.enemyy[i] = rom.readbyte(q + 2);
        q += 3;
    }
}

void readobjects(Level &lvl, const RomFile &rom, const ObjProps &props)
{
    for (int k = 0; k < hdrsize; ++k)
        lvl.lvlhdr[size_t(k)] = rom.readbyte(int64_t(lvl.lvlobjpos) + k);

    lvl.objcount = 0;
    lvl.objy.fill(0);
    lvl.objbank.fill(0);
    lvl.objx.fill(0);
    lvl.objtype.fill(0);
    lvl.obj4.fill(false);
    lvl.objlen.fill(0);
    // Whether a record has a length byte is not marked in the stream: the
    // object set, bank and type decide it.
    int64_t q = int64_t(lvl.lvlobjpos) + hdrsize;
    while (lvl.objcount < maxrecords) {
        const uint8_t b0 = rom.readbyte(q);
        if (b0 == streamend)
            break;
        const size_t i = size_t(lvl.objcount++);
        lvl.objy[i] = recordrow(b0);
        lvl.objbank[i] = recordbank(b0);
        lvl.objx[i] = rom.readbyte(q + 1);
        lvl.objtype[i] = rom.readbyte(q + 2);
        q += 3;
        if (props.four(lvl.lvlobjset, lvl.objbank[i], lvl.objtype[i])) {
            lvl.obj4[i] = true;
            lvl.objlen[i] = rom.readbyte(q);
            q += 1;
        }
    }

    if (lvl.vertical())
        for (size_t i = 0; i < size_t(lvl.objcount); ++i) {
            lvl.objy[i] = verticalrow(lvl.objx[i], lvl.objy[i]);
            lvl.objx[i] = verticalcol(lvl.objx[i]);
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

void loadlevel(EditorState &s)
{
    Level &lvl = s.level;
    lvl.lvlobjset &= 15;
    if (lvl.lvlobjset == 7)
        lvl.lvlenmpos = int32_t(rom::objset7enemies);
    {
        RomFile rom(s.romfile);
        readenemies(lvl, rom);
        readobjects(lvl, rom, s.props);
        rom.close();
    }

    lvl.selobj = 0;
    lvl.selenemy = 0;

    // The CHR data never changes, so a sheet decoded once stays valid.
    for (int page = 0; page < 2; ++page) {
        const int sheet = gfxsetsheet[page][lvl.graphicset()];
        if (s.gfx.sheetdone[size_t(sheet)] == 0)
            decodechr(s.gfx, s.romfile, sheet);
    }
    if (lvl.lvlobjset != s.defset) {
        loadobjdefs(s.objcells, lvl.lvlobjset);
        s.defset = lvl.lvlobjset;
    }
    buildobjpal(s.props);
    colorlvlgfx(s.gfx, lvl.lvlobjset, lvl.lvlhdr.data());
    lvl.loaded = true;
}

LinkedArea linkedarea(const Level &lvl)
{
    const auto &h = lvl.lvlhdr;
    LinkedArea a;
    a.objset = h[6] & 0x0F;
    a.objpos = int32_t(rom::ptrtooffset(uint16_t(h[0] | h[1] << 8), rom::objadder(a.objset)));
    a.enmpos = int32_t(rom::ptrtooffset(uint16_t(h[2] | h[3] << 8), rom::enemydataadder));
    a.haslink = (h[0] | h[1] | h[2] | h[3]) != 0;
    return a;
}

} // namespace quib

#include "level/savelevel.h"

#include "level/level.h"
#include "rom/romfile.h"

#include <algorithm>

namespace quib {

void settlerecords(LevelDocument &l)
{
    std::stable_sort(l.enemies.begin(), l.enemies.end(),
                     [](const EnemyRecord &a, const EnemyRecord &b) { return a.x < b.x; });
    for (ObjRecord &o : l.objects)
        o.raw = saveobjbytes(o, l.vertical());
}

std::vector<uint8_t> savedbytes(const LevelDocument &doc)
{
    LevelDocument l = doc;
    settlerecords(l);
    std::vector<uint8_t> out;
    for (const EnemyRecord &e : l.enemies) {
        const EnemyBytes b = encodeenemy(e);
        out.insert(out.end(), b.begin(), b.end());
    }
    for (const ObjRecord &o : l.objects)
        out.insert(out.end(), o.raw.b.begin(), o.raw.b.begin() + o.raw.size);
    return out;
}

void savelevel(RomFile &rom, LevelDocument &l)
{
    settlerecords(l);
    for (int e = 0; e < l.enemycount(); ++e)
        writeenemybytes(rom, enemyrecordpos(l.lvlenmpos, e), encodeenemy(l.enemies[size_t(e)]));
    int64_t q = int64_t(l.lvlobjpos) + hdrsize;
    for (const ObjRecord &o : l.objects) {
        writeobjbytes(rom, q, o.raw);
        q += o.raw.size;
    }
    // The header is the one read or imported. An end marker goes where the
    // loader stopped reading (so an area as read gets the same byte back) or
    // within the old stream when an import made it shorter; a stream of
    // maxrecords has none.
    writeheader(rom, l.lvlobjpos, l.lvlhdr);
    if (l.objcount() < maxrecords)
        rom.writebyte(q, streamend);
    if (l.lvlobjset != 0 && l.enemycount() < maxrecords)
        rom.writebyte(enemyrecordpos(l.lvlenmpos, l.enemycount()), streamend);
}

bool savelevelmodes(Rom &romimage, LevelDocument &doc, QString *error)
{
    const LevelDocument before = doc;
    RomFile rom(romimage, RomFile::Mode::Write);
    savelevel(rom, doc);
    const bool ok = rom.close();
    if (!ok) {
        // Nothing was written: the enemies keep the order they had, the
        // objects the bytes they were read from.
        doc = before;
        if (error)
            *error = rom.error();
    }
    return ok;
}

} // namespace quib

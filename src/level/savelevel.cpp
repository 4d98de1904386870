#include "level/savelevel.h"

#include "level/areasave.h"
#include "level/level.h"
#include "level/rommap.h"
#include "rom/romfile.h"
#include "worldmap/worldmap.h"

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

namespace {

AreaSavePlan plan(const std::vector<uint8_t> &image, LevelDocument &doc, const ObjProps &props)
{
    settlerecords(doc);
    return planareasave(image, buildrommap(image, props), props, doc);
}

void write(RomFile &rom, const AreaSavePlan &plan)
{
    for (const ByteWrite &w : plan.writes)
        for (size_t i = 0; i < w.bytes.size(); ++i)
            rom.writebyte(w.offset + int64_t(i), w.bytes[i]);
}

} // namespace

bool savelevel(RomFile &rom, LevelDocument &doc, const ObjProps &props, AreaSavePlan *planned)
{
    const AreaSavePlan p = plan(rom.readblock(0, int(rom.length())), doc, props);
    if (planned)
        *planned = p;
    if (p.refused())
        return false;
    write(rom, p);
    WorldMap none;
    followplan(p, doc, none, 0);
    return true;
}

bool savelevelmodes(Rom &romimage, LevelDocument &doc, const ObjProps &props, QString *error,
                    const LevelSaveContext &context, AreaSavePlan *planned)
{
    // On any failure the enemies keep the order they had, the objects the
    // bytes they were read from, and the area and the world their places.
    const LevelDocument before = doc;
    const auto fail = [&](const QString &why) {
        doc = before;
        if (error)
            *error = why;
        return false;
    };
    const AreaSavePlan p = plan(romimage.image(), doc, props);
    if (planned)
        *planned = p;
    if (const StreamSave *refused = p.refusal())
        return fail(refusaltext(*refused, context.fileoffsets));
    for (const StreamSave *move : p.moves())
        if (context.ask && !context.ask(movequestion(*move, context.fileoffsets)))
            return fail(QString());
    RomFile rom(romimage, RomFile::Mode::Write);
    write(rom, p);
    if (!rom.close())
        return fail(rom.error());
    WorldMap none;
    followplan(p, doc, context.map ? *context.map : none, context.map ? context.world : 0);
    return true;
}

} // namespace quib

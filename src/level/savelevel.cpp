#include "level/savelevel.h"

#include "editor/editorstate.h"
#include "level/areasave.h"
#include "level/rommap.h"
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

namespace {

AreaSavePlan plan(EditorState &s)
{
    settlerecords(s.level);
    return planareasave(s.rom.image(), buildrommap(s.rom.image(), s.props), s.props, s.level);
}

void write(RomFile &rom, const AreaSavePlan &plan)
{
    for (const ByteWrite &w : plan.writes)
        for (size_t i = 0; i < w.bytes.size(); ++i)
            rom.writebyte(w.offset + int64_t(i), w.bytes[i]);
}

} // namespace

bool savelevel(RomFile &rom, EditorState &s, AreaSavePlan *planned)
{
    const AreaSavePlan p = plan(s);
    if (planned)
        *planned = p;
    if (p.refused())
        return false;
    write(rom, p);
    followplan(p, s.level, s.map, s.curworld);
    return true;
}

bool savelevelmodes(EditorState &s, QString *error, const MoveQuestion &ask, AreaSavePlan *planned)
{
    // On any failure the enemies keep the order they had, the objects the
    // bytes they were read from, and the area and the world its place.
    const Level before = s.level;
    const std::vector<MapPtr> pointers = s.map.pointers;
    const auto fail = [&](const QString &why) {
        s.level = before;
        s.map.pointers = pointers;
        if (error)
            *error = why;
        return false;
    };
    const AreaSavePlan p = plan(s);
    if (planned)
        *planned = p;
    if (const StreamSave *refused = p.refusal())
        return fail(refusaltext(*refused, s.hdrofs));
    for (const StreamSave *move : p.moves())
        if (ask && !ask(movequestion(*move, s.hdrofs)))
            return fail(QString());
    RomFile rom(s.rom, RomFile::Mode::Write);
    write(rom, p);
    if (!rom.close())
        return fail(rom.error());
    followplan(p, s.level, s.map, s.curworld);
    return true;
}

} // namespace quib

#include "level/savelevel.h"

#include "editor/editorstate.h"
#include "rom/romfile.h"


namespace quib {

void settlerecords(LevelDocument &l)
{
    // Enemies by column, a stable exchange sort.
    int i = 0;
    while (i < l.enemycount) {
        if (i < l.enemycount - 1 && l.enemyx[size_t(i + 1)] < l.enemyx[size_t(i)]) {
            const EnemyRecord e = enemyrecord(l, i);
            setenemyrecord(l, i, enemyrecord(l, i + 1));
            setenemyrecord(l, i + 1, e);
            if (i > 0)
                --i;
        } else {
            ++i;
        }
    }
    for (int o = 0; o < l.objcount; ++o) {
        ObjBytes &raw = l.objraw[size_t(o)];
        raw = saveobjbytes(objrecord(l, o), raw, l.vertical());
    }
}

std::vector<uint8_t> savedbytes(const LevelDocument &doc)
{
    LevelDocument l = doc;
    settlerecords(l);
    std::vector<uint8_t> out;
    for (int e = 0; e < l.enemycount; ++e) {
        const EnemyBytes b = encodeenemy(enemyrecord(l, e));
        out.insert(out.end(), b.begin(), b.end());
    }
    for (int o = 0; o < l.objcount; ++o) {
        const ObjBytes &raw = l.objraw[size_t(o)];
        out.insert(out.end(), raw.b.begin(), raw.b.begin() + raw.size);
    }
    return out;
}

void savelevel(RomFile &rom, EditorState &s)
{
    Level &l = s.level;
    settlerecords(l);
    for (int e = 0; e < l.enemycount; ++e)
        writeenemybytes(rom, enemyrecordpos(l.lvlenmpos, e), encodeenemy(enemyrecord(l, e)));
    int64_t q = int64_t(l.lvlobjpos) + hdrsize;
    for (int o = 0; o < l.objcount; ++o) {
        const ObjBytes &raw = l.objraw[size_t(o)];
        writeobjbytes(rom, q, raw);
        q += raw.size;
    }
}

bool savelevelmodes(EditorState &s, QString *error)
{
    const Level before = s.level;
    RomFile rom(s.rom, RomFile::Mode::Write);
    savelevel(rom, s);
    const bool ok = rom.close();
    if (!ok) {
        // Nothing was written: the enemies keep the order they had, the
        // objects the bytes they were read from.
        s.level = before;
        if (error)
            *error = rom.error();
    }
    return ok;
}

} // namespace quib

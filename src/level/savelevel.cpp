#include "level/savelevel.h"

#include "editor/editorstate.h"
#include "editor/romfile.h"

#include <algorithm>
#include <utility>

namespace quib {

void savelevel(RomFile &rom, EditorState &s)
{
    Level &l = s.level;
    // Enemies by column, a stable exchange sort.
    int i = 0;
    while (i < l.enemycount) {
        if (i < l.enemycount - 1 && l.enemyx[size_t(i + 1)] < l.enemyx[size_t(i)]) {
            std::swap(l.enemytype[size_t(i)], l.enemytype[size_t(i + 1)]);
            std::swap(l.enemyx[size_t(i)], l.enemyx[size_t(i + 1)]);
            std::swap(l.enemyy[size_t(i)], l.enemyy[size_t(i + 1)]);
            if (i > 0)
                --i;
        } else {
            ++i;
        }
    }
    for (int e = 0; e < l.enemycount; ++e) {
        const int64_t q = l.lvlenmpos + 1 + 3 * e;
        rom.writebyte(q, l.enemytype[size_t(e)]);
        rom.writebyte(q + 1, l.enemyx[size_t(e)]);
        rom.writebyte(q + 2, l.enemyy[size_t(e)]);
    }
    // Objects; a vertical area stores the screen in the column byte.
    int64_t q = l.lvlobjpos + 9;
    for (int o = 0; o < l.objcount; ++o) {
        const size_t k = size_t(o);
        int x = l.objx[k], y = l.objy[k];
        if (l.vertical()) {
            // The column byte holds screens 0..15 only: row 239 is the last
            // one a record can store.
            y = std::min(y, 16 * 15 - 1);
            x = (x & 15) + (y / 15) * 16;
            y = y % 15;
        }
        rom.writebyte(q++, uint8_t(y + 32 * l.objbank[k]));
        rom.writebyte(q++, uint8_t(x));
        rom.writebyte(q++, l.objtype[k]);
        if (l.obj4[k])
            rom.writebyte(q++, l.objlen[k]);
    }
}

bool savelevelmodes(EditorState &s, QString *error)
{
    const Level before = s.level;
    RomFile rom(s.romfile, RomFile::Mode::Write);
    savelevel(rom, s);
    const bool ok = rom.close();
    if (!ok) {
        // Nothing was written: the enemies keep the order they had.
        s.level = before;
        if (error)
            *error = rom.error();
    }
    return ok;
}

} // namespace quib

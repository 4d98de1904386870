// The NES colour table and the ROM's colour palette table.
//
// The palette table holds one 192-byte record per object set: level colour
// groups 0..7 (16 bytes each) and then enemy colour groups 0..3. The editor
// reads sixteen level groups per set, so groups 8..15 of set s are set s's
// enemy groups followed by level groups 0..3 of set s + 1 (for set 15 the 64
// bytes after the table). Only the world map's 4-bit palette selector reaches
// those extra groups; they are never written back.
#include "graphics/graphics.h"

#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "graphics/pictures.h"

namespace quib {

void readnespal(Graphics &g)
{
    const Surface pal = pictures::nespal();
    for (int n = 0; n < 64; ++n)
        g.nescol[size_t(n)] = 0xFF000000u | (pal.at(n % 16, n / 16) & 0xFFFFFFu);
    // Numbers past 63 are no NES colour, but a palette byte can hold them:
    // they show black.
    for (size_t n = 64; n < g.nescol.size(); ++n)
        g.nescol[n] = rgb(0, 0, 0);
}

bool loadpal(Graphics &g, const Rom &rom)
{
    const RomFile f(rom);
    if (!f.isopen())
        return false;
    for (int s = 0; s < 16; ++s) {
        for (int i = 0; i < 16; ++i) {
            for (int grp = 0; grp < 16; ++grp)
                g.lvlpal[s][grp][i] = f.readbyte(rom::palgroup(s, grp) + i);
            for (int grp = 0; grp < 4; ++grp)
                g.enmpal[s][grp][i] = f.readbyte(rom::enmpalgroup(s, grp) + i);
        }
    }
    return true;
}

bool savepal(const Graphics &g, Rom &rom, QString *error)
{
    RomFile f(rom, RomFile::Mode::Write);
    for (int s = 0; s < 16; ++s) {
        for (int i = 0; i < 16; ++i) {
            for (int grp = 0; grp < 8; ++grp)
                f.writebyte(rom::palgroup(s, grp) + i, g.lvlpal[s][grp][i]);
            for (int grp = 0; grp < 4; ++grp)
                f.writebyte(rom::enmpalgroup(s, grp) + i, g.enmpal[s][grp][i]);
        }
    }
    if (f.close())
        return true;
    if (error)
        *error = f.error();
    return false;
}

} // namespace quib

// Level pattern sheets: 2 KB pages of CHR-ROM decoded into colour indices,
// then painted with the current level's colour group.
//
// A sheet is 128 pattern tiles of 16 bytes: 8 bytes of bit plane 0, then 8
// bytes of bit plane 1, one byte per pixel row, most significant bit leftmost.
// A pixel's value is 2 * (plane 1 bit) + (plane 0 bit), 0..3. The decoded sheet
// is 128 x 256 indices: tile t at (8 (t % 16), 8 (t / 16)) in rows 0..63 with
// palette 0 (index = value), and again in rows 64k..64k + 63 with palette k
// (index 4k + value; value 0 stays index 0, the group's shared colour).
#include "graphics/graphics.h"

#include "rom/romfile.h"
#include "rom/romlayout.h"

#include <algorithm>
#include <cstring>

namespace quib {

namespace {

constexpr int sheetw = 128;
constexpr int sheeth = 256;
constexpr int bandh = sheetband;


void ensuresheet(Graphics &g, int n)
{
    if (g.sheetpix[n].empty())
        g.sheetpix[n].assign(size_t(sheetw) * sheeth, 0);
    if (g.gfxo[n].px.empty())
        g.gfxo[n] = Surface(sheetw, sheeth);
}

} // namespace

void decodechr(Graphics &g, const Rom &rom, int sheet)
{
    if (sheet < 0 || sheet >= sheetcount)
        return;
    ensuresheet(g, sheet);
    const RomFile f(rom);
    if (!f.isopen())
        return; // stays undecoded, so the next level load tries again
    const std::vector<uint8_t> chr = f.readblock(rom::chrpos[sheet], rom::chrblocksize);

    uint8_t *pix = g.sheetpix[sheet].data();
    for (int t = 0; t < 128; ++t) {
        const uint8_t *tile = chr.data() + 16 * t;
        const int x0 = 8 * (t % 16);
        const int y0 = 8 * (t / 16);
        for (int r = 0; r < 8; ++r) {
            const int lo = tile[r];
            const int hi = tile[r + 8];
            uint8_t *band0 = pix + size_t(y0 + r) * sheetw + x0;
            for (int b = 0; b < 8; ++b) {
                const int bit = 7 - b;
                const int v = ((hi >> bit) & 1) << 1 | ((lo >> bit) & 1);
                band0[b] = uint8_t(v);
                for (int k = 1; k < 4; ++k)
                    band0[size_t(bandh * k) * sheetw + b] = v ? uint8_t((4 * k + v) & 15) : 0;
            }
        }
    }
    g.sheetdone[sheet] = -1;
}

void forgetrom(Graphics &g)
{
    g.sheetdone.fill(0);
    // A cached colour 0 repaints every index (see colorlvlgfx), 64 every map index.
    std::memset(g.sheetcache, 0, sizeof g.sheetcache);
    g.mapcache.fill(64);
    g.mapbcache.fill(64);
    g.fontcache.fill(64);
}

void colorlvlgfx(Graphics &g, int objset, int colourgroup, int graphicset)
{
    const uint8_t *group = g.lvlpal[palrecord(objset)][colourgroup & 7];
    g.lvlbackground = g.nescol[group[0]];

    const int gs = graphicset & 31;
    for (int page = 0; page < 2; ++page) {
        const int n = gfxsetsheet[page][gs];
        ensuresheet(g, n);
        uint8_t *cache = g.sheetcache[n];
        // Colour 0 is always painted: a cached 0 can't tell a pixel painted
        // with colour 0 from one never painted.
        bool repaint[16];
        uint32_t colour[16];
        bool any = false;
        for (int k = 0; k < 16; ++k) {
            repaint[k] = group[k] == 0 || group[k] != cache[k];
            colour[k] = g.nescol[group[k]];
            any = any || repaint[k];
        }
        if (any) {
            const uint8_t *src = g.sheetpix[n].data();
            uint32_t *dst = g.gfxo[n].px.data();
            for (size_t i = 0, count = size_t(sheetw) * sheeth; i < count; ++i) {
                const int k = src[i] & 15;
                if (repaint[k])
                    dst[i] = colour[k];
            }
        }
        std::copy(group, group + 16, cache);
    }
}

} // namespace quib

// The world map's built-in pictures: read into colour-index arrays once at
// start-up, then painted with the current world's colour group.
//
// The pictures are grey. A pixel's value v is its packed 0x00BBGGRR colour
// divided by 0x10101 (for a grey pixel, its common component), and it encodes
// the colour index K = (v + 4) / 16, rounded to the nearest whole number with
// halves going to the even one: grey 0 is index 0, grey 16 K - 4 is index K.
#include "graphics/graphics.h"

#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "graphics/pictures.h"

#include <algorithm>

namespace quib {

namespace {

// Colour index of grey value v (0..255); values past index 15 (v > 243) stay 15.
constexpr std::array<uint8_t, 256> greytable = [] {
    std::array<uint8_t, 256> t{};
    for (int v = 0; v < 256; ++v) {
        const int n = v + 4;
        int k = n / 16;
        const int rest = n % 16;
        if (rest > 8 || (rest == 8 && (k & 1)))
            ++k;
        t[size_t(v)] = uint8_t(std::min(k, 15));
    }
    return t;
}();

// The index array of the first `rows` rows of a grey picture.
IndexPicture readindex(const Surface &pic, int rows)
{
    rows = std::min(rows, pic.height);
    IndexPicture out(pic.width, rows);
    for (int y = 0; y < rows; ++y) {
        const uint32_t *src = pic.row(y);
        uint8_t *dst = out.idx.data() + size_t(y) * pic.width;
        for (int x = 0; x < pic.width; ++x)
            dst[x] = greyindex(src[x]);
    }
    return out;
}

// Paints `surface` from `pic` with the colour group `group`, touching only
// the pixels whose index is now given another colour than the one in `cache`
// (the colour number each index was last painted with). Does not update the
// cache: the callers do, each as its own rule says.
void recolour(Surface &surface, const IndexPicture &pic, const uint8_t group[16],
              const std::array<uint8_t, 16> &cache, const std::array<uint32_t, 256> &nescol)
{
    bool repaint[16];
    uint32_t colour[16];
    bool any = false;
    for (int k = 0; k < 16; ++k) {
        repaint[k] = group[k] != cache[size_t(k)];
        colour[k] = nescol[group[k]];
        any = any || repaint[k];
    }
    if (!any)
        return;
    const int w = std::min(surface.width, pic.width);
    const int h = std::min(surface.height, pic.height);
    for (int y = 0; y < h; ++y) {
        const uint8_t *src = pic.idx.data() + size_t(y) * pic.width;
        uint32_t *dst = surface.row(y);
        for (int x = 0; x < w; ++x) {
            const int k = src[x] & 15;
            if (repaint[k])
                dst[x] = colour[k];
        }
    }
}

// The world's colour group: level group (low nibble of its palette byte) of
// object set 0. Nibbles 8..15 reach into set 0's enemy groups and set 1.
const uint8_t *worldgroup(const Graphics &g, const Rom &rom, int world)
{
    const RomFile f(rom);
    const int grp = f.readbyte(rom::mappalette + world) & 0x0F;
    return g.lvlpal[0][grp];
}

void storecache(std::array<uint8_t, 16> &cache, const uint8_t group[16])
{
    std::copy(group, group + 16, cache.begin());
}

} // namespace

uint8_t greyindex(uint32_t pixel)
{
    const uint32_t r = (pixel >> 16) & 0xFF, gr = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    const uint32_t packed = (b << 16) | (gr << 8) | r; // 0x00BBGGRR
    return greytable[packed / 0x10101];
}

void readimages(Graphics &g, const ProgressFn &progress)
{
    auto report = [&progress](int32_t value) {
        if (progress)
            progress(value);
    };
    g.mapidx = readindex(pictures::map(), 256);
    report(435000);
    g.mapsgrey = pictures::maps();
    g.mapsidx = readindex(g.mapsgrey, 16); // rows 16..47 are used as they are
    report(475000);
    g.mapbidx = readindex(pictures::mapb(), 224);
    report(550000);
    g.fontidx = readindex(pictures::mfont(), 128);
    g.mapanim = pictures::mapanim();
}

void colormap(Graphics &g, const Rom &rom, int world)
{
    const uint8_t *group = worldgroup(g, rom, world);
    recolour(g.map, g.mapidx, group, g.mapcache, g.nescol);

    // The sprite figures always take enemy group 0 of set 0, painted whole.
    const uint8_t *sprites = g.enmpal[0][0];
    const int w = std::min(g.maps.width, g.mapsidx.width);
    const int h = std::min(g.maps.height, g.mapsidx.height);
    for (int y = 0; y < h; ++y) {
        const uint8_t *src = g.mapsidx.idx.data() + size_t(y) * g.mapsidx.width;
        uint32_t *dst = g.maps.row(y);
        for (int x = 0; x < w; ++x)
            dst[x] = g.nescol[sprites[src[x] & 15]];
    }

    storecache(g.mapcache, group);
}

void colormapb(Graphics &g, const Rom &rom, int world)
{
    const uint8_t *group = worldgroup(g, rom, world);
    recolour(g.mapb, g.mapbidx, group, g.mapbcache, g.nescol);
    recolour(g.mfont, g.fontidx, group, g.fontcache, g.nescol);
    storecache(g.mapcache, group);
    storecache(g.mapbcache, group);
    storecache(g.fontcache, group);
}

} // namespace quib

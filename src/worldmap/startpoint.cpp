#include "worldmap/startpoint.h"

#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "graphics/blit.h"
#include "graphics/graphics.h"
#include "worldmap/worldmap.h"

namespace quib {

namespace {

// Where the map screen puts things, in pixels of the preview.
constexpr int tilesx = 16, tilesy = 25; // map column 1, row 0
constexpr int shownfirstcol = 1, shownlastcol = 14;
constexpr int stripx0 = 16, stripy0 = 169, stripx1 = 239, stripy1 = 176;
constexpr int spritelift = 7;          // figures and marker stand 7 pixels above their map Y
constexpr int digitx = 48, digity = 194;

// The marker's picture and mask in the raw sprite picture.
constexpr int markerpicx = 0, markermaskx = 16, markery = 32;

// The colour of the ground strip below the map: index 15 of the world's
// group for worlds 1..7 (world 3 borrows group 0), fixed colours of object
// set 0's groups for worlds 8 and 9.
uint8_t stripcolour(const Graphics &g, int world)
{
    if (world == 8)
        return g.lvlpal[0][7][1];
    if (world >= 9)
        return g.lvlpal[0][2][9];
    const int group = world == 3 ? 0 : world - 1;
    return g.lvlpal[0][group][15];
}

} // namespace

uint8_t readstartpoint(const Rom &rom, int world)
{
    const RomFile f(rom);
    return f.readbyte(rom::startpointpos(world));
}

bool writestartpoint(Rom &rom, int world, uint8_t value, QString *error)
{
    RomFile f(rom, RomFile::Mode::Write);
    f.writebyte(rom::startpointpos(world), value);
    if (f.close())
        return true;
    if (error)
        *error = f.error();
    return false;
}

void refmapb(const Graphics &g, const WorldMap &map, int world, uint8_t value, Surface &preview)
{
    preview.fill(rgb(224, 224, 224));
    blit(preview, 0, 0, g.mapb, 0, 0, mapscreenwidth, mapscreenheight);

    for (int r = 0; r < maprows; ++r)
        for (int col = shownfirstcol; col <= shownlastcol; ++col) {
            const uint8_t t = map.maptiles[r][col];
            blit(preview, tilesx + 16 * (col - shownfirstcol), tilesy + 16 * r, g.map, 16 * (t % 16),
                 16 * (t / 16), 16, 16);
        }

    fillrect(preview, stripx0, stripy0, stripx1, stripy1, g.nescol[stripcolour(g, world)]);

    // The figures are shown whatever the view option says; world 9 has none.
    if (world >= 1 && !iswarpworld(world))
        for (const MapSprite &sprite : map.sprites) {
            const int type = sprite.type;
            if (type < 1 || type > 16)
                continue;
            maskblit(preview, sprite.x, sprite.y - spritelift, g.mapsgrey, 16 * (type - 1), 16, g.maps,
                     16 * (type - 1), 0, 16, 16);
        }

    maskblit(preview, startmarkerx, value - spritelift, g.mapsgrey, markermaskx, markery, g.mapsgrey, markerpicx,
             markery, 16, 16);

    blit(preview, digitx, digity, g.mfont, 8 * world, 24, 8, 8);
}

} // namespace quib

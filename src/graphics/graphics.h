#pragma once
// Colours, palettes and pattern tiles: the pre-coloured surfaces that all
// map and level drawing copies from.
#include "graphics/progress.h"
#include "graphics/surface.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace quib {

class Rom;

constexpr int sheetcount = 23;
constexpr int sheetband = 64; // rows of one palette's copy of a sheet's 128 tiles

// For each graphic set G (0..31, the level header's graphic-set field) the
// sheet that supplies pattern tiles 0..127 (page 1) and 128..255 (page 2).
constexpr uint8_t gfxsetsheet[2][32] = {
    // G: 0   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15  16  17  18  19  20  21  22  23  24  25  26  27  28  29  30  31
    {0, 1, 2, 3, 4, 5, 5, 6, 5, 7, 8, 10, 11, 12, 3, 13, 14, 6, 5, 15, 16, 17, 18, 19, 20, 20, 20, 20, 21, 20, 22, 20},
    {20, 20, 20, 20, 20, 20, 20, 22, 20, 20, 9, 20, 20, 20, 20, 20, 20, 22, 20, 20, 20, 20, 22, 20, 20, 20, 20, 20, 20, 20, 20, 20},
};

struct Graphics {
    // NES colour number -> 0xFFRRGGBB; 64 used, room for 256.
    std::array<uint32_t, 256> nescol{};
    // Colour groups per object set: lvlpal[s][g][i], 16 groups read per set
    // (groups 8..15 run on into the enemy groups and the next record);
    // enmpal[s][g][i], the 4 enemy groups.
    uint8_t lvlpal[16][16][16]{};
    uint8_t enmpal[16][4][16]{};

    // Index arrays of the built-in map pictures (one colour index 0..15 per pixel).
    IndexPicture mapidx;  // 256 x 256: map tile t at (16 (t % 16), 16 (t / 16))
    IndexPicture mapsidx; // 256 x 16: the sprite figures
    IndexPicture mapbidx; // 256 x 224: the map screen frame
    IndexPicture fontidx; // 128 x 128
    Surface mapsgrey;     // the sprite picture as built in; rows 16..47 (masks, start marker) are used as they are
    Surface mapanim;      // 48 x 64 animation frames, used as they are

    // Colour surfaces painted from the index arrays for the current world.
    Surface map{256, 256};
    Surface maps{256, 16};
    Surface mapb{256, 224};
    Surface mfont{128, 128};
    // NES colour number each index was last painted with; 64 forces a full paint.
    std::array<uint8_t, 16> mapcache;
    std::array<uint8_t, 16> mapbcache;
    std::array<uint8_t, 16> fontcache;

    // Level pattern sheets: sheetpix[n] is 128 x 256 indices (row-major,
    // y * 128 + x); rows 0..63 the tiles in palette 0, rows 64k..64k+63 the
    // same tiles in palette k. Empty until decoded.
    std::array<std::vector<uint8_t>, sheetcount> sheetpix;
    std::array<int16_t, sheetcount> sheetdone{}; // -1 once decoded
    std::array<Surface, sheetcount> gfxo;         // 128 x 256 colour sheets
    uint8_t sheetcache[sheetcount][16]{};
    uint32_t lvlbackground = 0; // background colour of `lvl` for the current level

    Graphics() { mapcache.fill(64); mapbcache.fill(64); fontcache.fill(64); }
};

// Start-up, in this order: the index pictures, the NES colours, the palettes.
void readimages(Graphics &g, const ProgressFn &progress);
// Colour index 0..15 of a pixel of a built-in grey picture.
uint8_t greyindex(uint32_t pixel);
void readnespal(Graphics &g);
bool loadpal(Graphics &g, const Rom &rom);
// Writes level groups 0..7 and enemy groups 0..3 of all 16 sets.
bool savepal(const Graphics &g, Rom &rom, QString *error = nullptr);

// Repaint the map pictures for world `world` (1..9).
void colormap(Graphics &g, const Rom &rom, int world);
void colormapb(Graphics &g, const Rom &rom, int world);

// Decode sheet n (0..22) from CHR-ROM; sets sheetdone[n].
void decodechr(Graphics &g, const Rom &rom, int sheet);
// Forgets what was decoded and painted from the ROM's bytes (pattern sheets,
// painted colours), for a ROM read again: the next loads decode and paint
// everything anew. The palettes are read again by loadpal.
void forgetrom(Graphics &g);
// Paint the two sheets of the current level and set the background colour:
// the level's colour group (0..7, from its header) in the palette record of
// its object set, on the two sheets of its graphic set (0..31).
void colorlvlgfx(Graphics &g, int objset, int colourgroup, int graphicset);
// The palette record a level of object set `objset` is coloured from: set 14
// shares set 3's record.
constexpr int palrecord(int objset) { return objset == 14 ? 3 : (objset & 15); }

// Where pattern tile T (0..255) of graphic set G in palette p (0..3) lies.
struct TileRef {
    const Surface *sheet;
    int x, y;
};
inline TileRef leveltile(const Graphics &g, int graphicset, int tile, int palette)
{
    tile &= 0xFF;
    const int n = gfxsetsheet[tile / 128][graphicset & 0x1F];
    return {&g.gfxo[size_t(n)], 8 * (tile % 16), sheetband * (palette & 3) + 8 * ((tile / 16) % 8)};
}

} // namespace quib

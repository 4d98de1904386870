#pragma once
// The built-in pictures of the world map: map tiles, map sprites and their
// masks, the map screen frame, the font, the animation frames and the NES
// colour table. They are drawn by this program at start-up, in the grey
// encoding the picture readers expect: a pixel of colour index K (0..15) has
// grey level 0 for K = 0 and 16 * K - 4 for K = 1..15.
//
// Colour indices of the map pictures (one scheme for every tile, the frame and
// the font; the world's 16-byte colour group gives each its NES colour):
//   0 outline black     1 ground            2 ground shade    3 ground light
//   4 shore / deep      5 water             6 water light     7 white
//   8 road edge, wood   9 road, sand        10 level square   11 red
//   12 yellow           13 stone dark       14 stone light    15 foliage
// Index 15 is also the colour of the ground strip below the map screen.
#include "graphics/surface.h"
#include <array>
#include <cstdint>

namespace quib::pictures {

// Colour indices of the map pictures, named for the drawing code.
namespace ix {
constexpr uint8_t black = 0, ground = 1, shade = 2, light = 3;
constexpr uint8_t deep = 4, water = 5, foam = 6, white = 7;
constexpr uint8_t edge = 8, road = 9, square = 10, red = 11;
constexpr uint8_t yellow = 12, stonedark = 13, stone = 14, leaf = 15;
}

Surface map();      // "Map": 256x256 grey; world-map tile t at (16*(t%16), 16*(t/16))
Surface maps();     // "Maps": 256x48: sprite figures (rows 0..15), their masks (rows 16..31),
                    // start marker at (0,32) and its mask at (16,32)
Surface mapb();     // "Mapb": 256x224 grey, the map screen frame
Surface mfont();    // "mFont": 128x128 grey, 8x8 font, char c at (8*(c%16), 8*(c/16))
Surface mapanim();  // "mapanim": 48x64 full colour, frame f at rows 16f..16f+15
Surface nespal();   // "Nespal": 32x8, NES colour n at (n%16, n/16), rest black

// The index pictures behind the grey ones (the grey pictures encode exactly these).
IndexPicture mapindex();     // 256x256
IndexPicture spriteindex();  // 256x16, the sprite figure row band of maps()
IndexPicture frameindex();   // 256x224
IndexPicture fontindex();    // 128x128

// Colour groups our demo ROM gives the world map, chosen to make these pictures look right.
std::array<uint8_t, 16> mapcolourgroup(int world); // world 1..9: byte 4p+q = colour q of palette p
std::array<uint8_t, 16> mapspritegroup();          // colours of the sprite figures

// The RGB value of NES colour number n (0..63; higher numbers wrap).
uint32_t nescolour(int n);

// Grey encoding of colour index k, and back (rounding halves to even).
uint32_t greyof(int k);
int indexofgrey(uint32_t pixel);
Surface togrey(const IndexPicture &pic);
// Paint an index picture with a 16-byte colour group (index -> NES number -> RGB).
Surface colourise(const IndexPicture &pic, const std::array<uint8_t, 16> &group);

// A sample screen of world w (1..9): 9 rows of 16 map tile numbers that show
// the world's look (roads joining level squares, water, bridges, a castle).
std::array<std::array<uint8_t, 16>, 9> samplescreen(int world);

} // namespace quib::pictures

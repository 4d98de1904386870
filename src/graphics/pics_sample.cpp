// Sample screens: one 16x9 screen per world, composed from the map tiles,
// showing each world's look (what a reviewer of the tiles and the colour
// groups wants to see, and a ready first screen for a demo world).
#include "graphics/pictures.h"

#include <string_view>

namespace quib::pictures {

namespace {

// Nine rows of sixteen tile numbers in hex per world.
constexpr std::string_view screens[9] = {
    // 1 grassland: roads between squares, a river with a bridge, a lake, the castle
    "B4 B4 5D 42 42 5E 42 42 42 42 42 A2 42 B4 B4 B4"
    "B4 44 45 45 03 45 45 44 42 BB 42 A2 42 42 5D B4"
    "5D 46 42 42 42 42 42 46 42 42 42 A2 42 C8 42 B4"
    "42 46 42 50 42 5F 42 04 45 45 45 B2 45 C9 42 42"
    "42 46 42 46 42 46 42 46 42 42 42 A2 42 42 42 42"
    "42 44 45 44 45 44 45 05 42 84 85 91 85 85 85 85"
    "42 42 42 42 42 42 42 46 42 8C 8D 8D 8D AD 8D 8D"
    "5E 42 B4 B4 42 67 45 44 42 8C 8D 8D 8D 8D 8D 8D"
    "B4 B4 B4 B4 42 42 42 42 42 94 95 95 95 95 95 95",
    // 2 desert: pyramids, quicksand, an oasis, palms
    "43 43 42 42 BB 42 42 69 42 42 43 43 42 69 42 42"
    "42 44 45 45 03 45 45 44 42 42 42 43 42 42 BB 42"
    "42 46 42 42 42 BB 42 46 42 BF 42 42 42 42 42 42"
    "69 46 42 68 45 45 45 04 45 45 45 44 45 05 42 43"
    "42 46 42 46 42 42 42 42 42 42 42 46 42 46 42 43"
    "42 44 45 44 42 52 52 42 55 45 45 44 42 44 45 67"
    "43 42 42 42 42 52 42 42 46 42 42 42 42 46 42 42"
    "43 43 BB 42 42 42 42 42 06 45 45 45 45 44 42 BB"
    "43 43 43 42 42 69 42 42 42 42 42 42 42 42 42 42",
    // 3 water: islands joined by fords, a dock, the castle island
    "87 95 95 95 88 8D 87 95 95 95 88 8D 8D 8D 8D 8D"
    "8E 5D 42 BB 8C 8D 8E 42 05 42 8C 8D 8D 8D AD 8D"
    "8E 44 03 44 B7 AC B8 45 44 42 4B 8D 8D 8D 8D 8D"
    "8E 42 42 46 8C 8D 8F 85 85 85 90 87 95 95 95 88"
    "8F 85 85 AA 90 8D 8D 8D 8D 8D 8D 8E 42 C8 42 8C"
    "8D 8D 87 AB 95 95 95 88 8D 8D 8D 8E 42 C9 42 8C"
    "8D 8D 8E 46 42 BB 42 8C 8D AD 8D 8E 67 46 BB 8C"
    "8D 8D 8E 44 45 04 45 B7 AC AC AC B8 44 44 42 8C"
    "8D 8D 8F 85 85 85 85 90 8D 8D 8D 8F 85 85 85 90",
    // 4 giant: big hills, a river with a bridge, a pipe
    "B4 B4 B4 42 42 B4 B4 B4 42 A2 42 42 B4 B4 B4 B4"
    "B4 44 45 03 45 45 45 44 42 A2 42 42 42 42 B4 B4"
    "42 46 B4 B4 42 42 42 46 42 A2 42 BC 42 42 42 B4"
    "42 46 B4 B4 52 42 42 04 45 B2 45 44 45 05 42 42"
    "42 44 45 45 51 45 44 42 42 A2 42 42 42 46 42 42"
    "B4 42 42 42 42 42 46 42 42 83 42 B4 B4 46 B4 B4"
    "B4 B4 42 5D 42 42 44 45 67 42 42 B4 B4 44 45 06"
    "B4 B4 42 42 42 42 42 42 42 42 42 42 42 42 42 42"
    "B4 B4 B4 42 42 B4 B4 B4 42 42 5E 42 B4 B4 B4 B4",
    // 5 sky: cloud land over open sky, a tower, a ford to a small cloud
    "8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D"
    "8D 8D D4 D3 C7 8D 8D 8D 8D 8D 8D 8D D4 D3 C7 8D"
    "8D 8D C5 C3 C2 8D 8D 8D 8D 8D 8D 8D C5 C4 C2 8D"
    "D3 D3 D3 D3 D3 D3 D3 D3 D3 D3 C7 8D 8D 8D 8D 8D"
    "42 44 45 03 45 45 44 42 DF 42 CE 8D D4 D3 D3 C7"
    "42 46 42 42 42 42 46 42 44 45 B7 B8 05 45 44 CE"
    "42 44 45 04 45 45 44 45 44 42 D2 8D C5 C3 C4 C2"
    "C3 C4 C3 C4 C3 C4 C3 C4 C3 C4 C2 8D 8D 8D 8D 8D"
    "8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D 8D",
    // 6 ice: ice blocks, rocks, a frozen lake
    "EA EA 42 42 53 42 42 42 EA 42 42 42 42 EA EA EA"
    "EA 44 45 45 03 45 45 44 42 42 84 85 86 42 42 EA"
    "42 46 42 EA 42 42 42 46 42 42 8C 8D 8E 42 53 42"
    "42 46 42 52 42 EA 42 04 45 45 B7 AC B8 44 45 05"
    "42 44 45 44 42 42 42 46 42 42 94 95 99 46 42 42"
    "42 42 42 46 42 42 42 44 45 54 45 45 45 44 42 42"
    "53 42 42 05 45 45 44 42 42 42 42 EA 42 42 42 EA"
    "EA 42 EA 42 EA 42 46 42 EB 45 45 44 42 EA EA EA"
    "EA EA EA 42 42 42 44 45 44 42 42 42 42 EA EA EA",
    // 7 pipes: pipes everywhere, a canal, small roads
    "BC 42 42 BC 42 42 42 BC 42 42 A2 42 BC 42 42 BC"
    "42 44 45 45 03 45 45 44 42 42 A2 42 42 42 42 42"
    "42 46 42 BC 42 BC 42 46 42 BC A2 BC 42 BC 42 42"
    "42 46 42 42 42 42 42 04 45 45 B2 45 45 44 45 05"
    "42 44 45 44 42 BC 42 46 42 42 A2 42 42 46 42 42"
    "42 BC 42 46 42 42 42 44 45 45 B2 45 45 44 42 BC"
    "42 42 42 06 45 45 44 42 42 42 A2 42 42 42 42 42"
    "BC 42 42 42 BC 42 46 42 BC 42 A2 42 BC 42 BC 42"
    "42 42 BC 42 42 42 44 45 67 42 83 42 42 42 42 BC",
    // 8 dark: lava lakes, fire, skulls, stone roads, fortresses
    "D1 D7 D7 E2 D7 D7 D1 D7 D7 D7 84 85 85 86 D7 D1"
    "D7 D9 DA DA 03 DA DA D9 D7 D7 8C 8D 8D 8E D7 D7"
    "D7 DB D7 E6 D7 D7 D7 DB D7 D7 94 95 89 99 D7 E2"
    "D1 DB D7 D7 EB D7 D7 04 DA DA DA DA B2 DA D9 D7"
    "D7 D9 DA DA DC DA D9 D7 D7 D1 D7 D7 A2 D7 DB D7"
    "D7 D7 D1 D7 D7 D7 DB D7 E2 D7 D7 D7 83 D7 DB D7"
    "E2 D7 D7 D7 E3 D7 05 DA DA DA D9 D7 D7 D7 DB D1"
    "D7 D1 D7 D7 D7 D7 D7 D7 D7 D7 DB D7 C8 D7 DB D7"
    "D1 D7 E2 D7 D1 D7 D1 D7 E6 D7 D9 DA C9 DA D9 D7",
    // 9 warp: squares leading to the worlds, among pipes
    "42 42 BC 42 42 42 BC 42 42 42 BC 42 42 42 BC 42"
    "42 03 45 45 44 45 45 04 45 45 44 45 45 05 42 42"
    "42 42 42 42 46 42 42 42 42 42 46 42 42 42 42 42"
    "BC 42 42 42 46 42 BC 42 BC 42 46 42 42 42 BC 42"
    "42 06 45 45 4A 45 45 07 45 45 4A 45 45 08 42 42"
    "42 42 42 42 46 42 42 42 42 42 46 42 42 42 42 42"
    "42 BC 42 42 46 42 84 85 86 42 46 42 42 BC 42 42"
    "42 09 45 45 44 42 94 95 99 42 44 45 45 0A 42 42"
    "42 42 BC 42 42 42 42 42 42 42 42 42 BC 42 42 42",
};

int hexdigit(char c)
{
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

} // namespace

std::array<std::array<uint8_t, 16>, 9> samplescreen(int world)
{
    if (world < 1 || world > 9)
        world = 1;
    std::array<std::array<uint8_t, 16>, 9> s{};
    const std::string_view text = screens[world - 1];
    size_t i = 0;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 16; ++c) {
            while (i < text.size() && text[i] == ' ')
                ++i;
            s[size_t(r)][size_t(c)] = uint8_t(16 * hexdigit(text[i]) + hexdigit(text[i + 1]));
            i += 2;
        }
    return s;
}

} // namespace quib::pictures

// "mapanim": four frames of three animated map tiles, in full colour (the
// world-map properties dialog shows them as they are). Frame f occupies rows
// 16f..16f+15: rolling water, a flower opening and closing, a waving flag.
#include "graphics/pictures.h"
#include "graphics/pics_parts.h"

#include <cmath>

namespace quib::pictures {

namespace {

using namespace ix;

Tile waterframe(int f)
{
    // The open-water tile with its wave marks rolled to the right, a quarter
    // tile per frame, so the fourth frame leads back to the first.
    const Tile w = maptile(0x8D);
    Tile t;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            t.set((x + 4 * f) % 16, y, w.at(x, y));
    return t;
}

Tile flowerframe(int f)
{
    Tile t = maptile(0x42);
    // stem and leaves
    t.rect(7, 9, 8, 14, leaf);
    t.set(5, 11, leaf); t.set(6, 12, leaf); t.set(10, 11, leaf); t.set(9, 12, leaf);
    // petals open wider in frames 1 and 2, a bud in frames 0 and 3
    static constexpr double radius[4] = {2.0, 3.4, 4.4, 3.4};
    const double r = radius[f & 3];
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double dx = x + 0.5 - 8, dy = y + 0.5 - 6;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d <= r + 0.8 && d > r - 0.2)
                t.set(x, y, black);
            else if (d <= r)
                t.set(x, y, d < 1.6 ? yellow : red);
        }
    return t;
}

Tile flagframe(int f)
{
    Tile t = maptile(0x42);
    t.rect(3, 1, 3, 14, black);
    t.rect(2, 14, 4, 14, black);
    t.set(3, 0, yellow);
    for (int x = 4; x <= 13; ++x) {
        const int wave = int(std::lround(1.5 * std::sin((x - 4) * 0.7 - f * M_PI / 2)));
        for (int y = 2; y <= 7; ++y) {
            const int yy = y + wave;
            const bool rim = y == 2 || y == 7 || x == 13;
            t.set(x, yy, rim ? black : (y == 4 || y == 5 ? white : red));
        }
    }
    return t;
}

} // namespace

Surface mapanim()
{
    const std::array<uint8_t, 16> group = mapcolourgroup(1);
    Surface s(48, 64);
    for (int f = 0; f < 4; ++f) {
        const Tile tiles[3] = {waterframe(f), flowerframe(f), flagframe(f)};
        for (int i = 0; i < 3; ++i)
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    s.set(16 * i + x, 16 * f + y, nescolour(group[tiles[i].at(x, y)]));
    }
    return s;
}

} // namespace quib::pictures

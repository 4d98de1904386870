// "Mapb": the map screen frame the start-point preview draws the map into.
// The map shows at (16..239, 25..168), the ground strip at (16..239,
// 169..176); around them runs a stone border, and below is the status panel
// with "WORLD" and the place (48,194) where the world digit is copied from the
// font. The panel is black with white text, like the font, so the digit fits.
#include "graphics/pictures.h"
#include "graphics/pics_draw.h"

#include <string_view>

namespace quib::pictures {

namespace {

using namespace ix;

// Writes text with the font glyphs, `advance` pixels per character.
void text(IndexPicture &pic, const IndexPicture &font, std::string_view s, int x, int y, int advance = 8)
{
    for (char c : s) {
        const int fx = 8 * (c % 16), fy = 8 * (c / 16);
        for (int j = 0; j < 8; ++j)
            for (int i = 0; i < 8; ++i)
                if (font.at(fx + i, fy + j) != black && x + i < pic.width)
                    pic.set(x + i, y + j, font.at(fx + i, fy + j));
        x += advance;
    }
}

void fillrect(IndexPicture &pic, int x0, int y0, int x1, int y1, int k)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            pic.set(x, y, uint8_t(k));
}

void outline(IndexPicture &pic, int x0, int y0, int x1, int y1, int k)
{
    fillrect(pic, x0, y0, x1, y0, k);
    fillrect(pic, x0, y1, x1, y1, k);
    fillrect(pic, x0, y0, x0, y1, k);
    fillrect(pic, x1, y0, x1, y1, k);
}

// A rounded panel: white rim, stone band, black inside.
void panel(IndexPicture &pic, int x0, int y0, int x1, int y1)
{
    fillrect(pic, x0 + 1, y0, x1 - 1, y1, white);
    fillrect(pic, x0, y0 + 1, x1, y1 - 1, white);
    fillrect(pic, x0 + 1, y0 + 1, x1 - 1, y1 - 1, stone);
    fillrect(pic, x0 + 3, y0 + 3, x1 - 3, y1 - 3, black);
}

} // namespace

IndexPicture frameindex()
{
    const IndexPicture font = fontindex();
    IndexPicture pic(256, 224, black);

    // Border around map and ground strip: a white line, a band of stone
    // blocks, and a black line next to the map.
    const int x0 = 10, y0 = 19, x1 = 245, y1 = 182;
    fillrect(pic, x0, y0, x1, y1, white);
    fillrect(pic, x0 + 1, y0 + 1, x1 - 1, y1 - 1, stone);
    for (int x = x0 + 1; x < x1; ++x)
        for (int y = y0 + 1; y < y1; ++y) {
            const bool joint = ((x - x0) % 8 == 0 && (y < 25 || y > 176)) ||
                               ((y - y0) % 8 == 0 && (x < 16 || x > 239));
            if (joint)
                pic.set(x, y, stonedark);
        }
    outline(pic, 15, 24, 240, 177, black);
    fillrect(pic, 16, 25, 239, 168, black); // the map goes here
    fillrect(pic, 16, 169, 239, 176, leaf); // and the ground strip here

    // Status panel: world, lives and score on the left, time on the right.
    panel(pic, 2, 186, 171, 217);
    text(pic, font, "WORLD", 8, 194, 7);
    text(pic, font, "1", 48, 194);
    text(pic, font, "LIVES", 76, 194, 7);
    text(pic, font, "04", 118, 194);
    text(pic, font, "SCORE", 8, 205, 7);
    text(pic, font, "0000000", 48, 205, 7);
    panel(pic, 176, 186, 253, 217);
    text(pic, font, "TIME", 201, 194, 7);
    text(pic, font, "300", 204, 205, 7);
    return pic;
}

Surface mapb()
{
    return togrey(frameindex());
}

} // namespace quib::pictures

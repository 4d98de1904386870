#pragma once
// Hand-painted pattern sheets for the level drawing tests: every pixel of
// every tile in every palette has its own colour, so each 8 x 8 copy on the
// view can be told apart.
#include "graphics/graphics.h"

#include <QString>
#include <QStringList>

namespace testsheets {

using quib::rgb;

constexpr uint32_t bg = rgb(1, 2, 3);
constexpr uint32_t tilepixel(int tile, int pal, int xx, int yy) { return rgb(tile, 64 * pal + 8 * yy + xx, 0x5A); }

// Graphic set 0: sheet 0 holds tiles 0..127, sheet 20 tiles 128..255.
inline void paintsheets(quib::Graphics &g)
{
    for (int page = 0; page < 2; ++page) {
        quib::Surface &sheet = g.gfxo[quib::gfxsetsheet[page][0]];
        sheet = quib::Surface(128, 256);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 128; ++x)
                sheet.set(x, y, tilepixel(128 * page + 16 * (y % 64 / 8) + x / 8, y / 64, x % 8, y % 8));
    }
    g.lvlbackground = bg;
}

inline QString tilename(int tile, int pal)
{
    return QString::number(tile, 16).toUpper() + QLatin1Char('.') + QString::number(pal);
}

// The 8 x 8 square at (x, y): "T.p" for tile T (hex) in palette p, "bg", or "?".
inline QString tileat(const quib::Surface &lvl, int x, int y)
{
    const int tile = (lvl.at(x, y) >> 16) & 255, pal = ((lvl.at(x, y) >> 8) & 255) / 64;
    bool isbg = true, istile = true;
    for (int yy = 0; yy < 8; ++yy)
        for (int xx = 0; xx < 8; ++xx) {
            isbg = isbg && lvl.at(x + xx, y + yy) == bg;
            istile = istile && lvl.at(x + xx, y + yy) == tilepixel(tile, pal, xx, yy);
        }
    return isbg ? QStringLiteral("bg") : istile ? tilename(tile, pal) : QStringLiteral("?");
}

// The 16 x 16 block at (x, y), its four tiles from the top left.
inline QString blockat(const quib::Surface &lvl, int x, int y)
{
    return tileat(lvl, x, y) + ' ' + tileat(lvl, x + 8, y) + ' ' + tileat(lvl, x, y + 8) + ' ' + tileat(lvl, x + 8, y + 8);
}

} // namespace testsheets

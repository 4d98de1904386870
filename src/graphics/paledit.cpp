#include "graphics/paledit.h"

#include "rom/hex.h"

#include <algorithm>

namespace quib {

namespace {

void fillcell(Surface &pic, int col, int row, uint32_t colour)
{
    for (int y = 0; y < palcell; ++y)
        for (int x = 0; x < palcell; ++x)
            if (pic.contains(palcell * col + x, palcell * row + y))
                pic.set(palcell * col + x, palcell * row + y, colour);
}

// An unfilled one-pixel rectangle with both corners included, clipped to the picture.
void outline(Surface &pic, int x1, int y1, int x2, int y2, uint32_t colour)
{
    for (int x = x1; x <= x2; ++x)
        for (int y : {y1, y2})
            if (pic.contains(x, y))
                pic.set(x, y, colour);
    for (int y = y1; y <= y2; ++y)
        for (int x : {x1, x2})
            if (pic.contains(x, y))
                pic.set(x, y, colour);
}

} // namespace

void drawlvlgroup(Surface &pic, const Graphics &g, int objset, int group)
{
    const uint8_t *colours = g.lvlpal[objset & 15][group & 7];
    for (int p = 0; p < lvlgrouprows; ++p)
        for (int k = 0; k < lvlgroupcols; ++k)
            fillcell(pic, k, p, g.nescol[colours[4 * p + k]]);
}

void drawenmgroup(Surface &pic, const Graphics &g, int objset, int group)
{
    const uint8_t *colours = g.enmpal[objset & 15][group & 3];
    for (int p = 1; p <= enmgrouprows; ++p)
        for (int k = 0; k < enmgroupcols; ++k)
            fillcell(pic, k, p - 1, g.nescol[colours[4 * p + k]]);
}

void drawnescolours(Surface &pic, const Graphics &g, int selected)
{
    for (int n = 0; n < nescolcols * nescolrows; ++n)
        fillcell(pic, n % nescolcols, n / nescolcols, g.nescol[size_t(n)]);
    const int k = selected % nescolcols, r = selected / nescolcols;
    outline(pic, palcell * k - 1, palcell * r - 1, palcell * k + 16, palcell * r + 16, palselinner);
    outline(pic, palcell * k - 2, palcell * r - 2, palcell * k + 17, palcell * r + 17, palselouter);
}

int cellat(int px, int py, int cols, int rows)
{
    if (px < 0 || py < 0 || px >= palcell * cols || py >= palcell * rows)
        return -1;
    return (py / palcell) * cols + px / palcell;
}

int nescolourat(int px, int py)
{
    const int x = std::clamp(px, 0, palcell * nescolcols - 1);
    const int y = std::clamp(py, 0, palcell * nescolrows - 1);
    return cellat(x, y, nescolcols, nescolrows);
}

QString palsetcaption(int objset, int areaset)
{
    QString caption = objset == 0 ? QStringLiteral("World maps") : QStringLiteral("Object set ") + hexstr(objset);
    if (areaset >= 0 && areaset != objset && palrecord(areaset) == objset)
        caption += QStringLiteral(" (also the colours of this area's object set ") + hexstr(areaset) + QLatin1Char(')');
    return caption;
}

} // namespace quib

// Pattern pictures made by code: pipes, hills, big blocks, ground cells and
// fillers, whose shading follows simple rules better written than drawn.
#include "demorom/demochr.h"

#include <cmath>

namespace quib::demo {

namespace {

ChrArt blank(int w, int h)
{
    return ChrArt(size_t(h), std::string(size_t(w), '0'));
}

void dot(ChrArt &a, int x, int y, int v)
{
    if (y >= 0 && y < int(a.size()) && x >= 0 && x < int(a[0].size()))
        a[size_t(y)][size_t(x)] = char('0' + v);
}

// A small fixed hash for the grain of textures: the same every build.
int grain(int x, int y, int salt)
{
    unsigned h = unsigned(x * 73 + y * 151 + salt * 977);
    h ^= h >> 5;
    h *= 2654435761u;
    return int((h >> 24) & 31);
}

// Shade across a pipe of width w, position i: dark outline at both sides, a
// light band near the left, a dark band near the right.
int pipeshade(int i, int w)
{
    if (i == 0 || i == w - 1)
        return 3;
    if (i >= 2 && i <= 4)
        return 1;
    if (i == w - 3 || i == w - 5)
        return 3;
    return 2;
}

} // namespace

ChrArt vpipecap()
{
    ChrArt a = blank(32, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            dot(a, x, y, y == 0 || y == 15 ? 3 : pipeshade(x, 32));
    return a;
}

ChrArt vpipebody()
{
    ChrArt a = blank(32, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 2; x < 30; ++x)
            dot(a, x, y, pipeshade(x - 2, 28));
    return a;
}

ChrArt hpipemouth()
{
    ChrArt a = blank(16, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 16; ++x)
            dot(a, x, y, x == 0 || x == 15 ? 3 : pipeshade(y, 32));
    return a;
}

ChrArt hpipebody()
{
    ChrArt a = blank(8, 32);
    for (int y = 2; y < 30; ++y)
        for (int x = 0; x < 8; ++x)
            dot(a, x, y, pipeshade(y - 2, 28));
    return a;
}

// A quarter disc of radius 15 around the cell's lower inner corner.
ChrArt hillshoulder(bool left)
{
    ChrArt a = blank(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double dx = (left ? 16.0 - (x + 0.5) : x + 0.5), dy = 16.0 - (y + 0.5);
            const double d = std::sqrt(dx * dx + dy * dy);
            int v = 0;
            if (d <= 12.2)
                v = 2;
            else if (d <= 14.2)
                v = left ? 1 : 2;
            else if (d <= 15.6)
                v = 3;
            dot(a, x, y, v);
        }
    return a;
}

ChrArt hillside(bool left)
{
    ChrArt a = blank(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            dot(a, x, y, left ? (x == 0 ? 3 : x <= 2 ? 1 : 2) : (x == 7 ? 3 : 2));
    return a;
}

ChrArt hillspots(int kind)
{
    ChrArt a = blank(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            dot(a, x, y, 2);
    // An upright oval spot with a light rim on its left.
    const double cx = kind == 1 ? 5.0 : 10.0, cy = kind == 1 ? 6.0 : 5.0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double ex = (x + 0.5 - cx) / 2.2, ey = (y + 0.5 - cy) / 4.0;
            const double d = ex * ex + ey * ey;
            if (d <= 1.0)
                dot(a, x, y, 3);
            else if (d <= 1.6 && x + 0.5 < cx)
                dot(a, x, y, 1);
        }
    return a;
}

ChrArt bigblock(bool top, bool left, bool right)
{
    ChrArt a = blank(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            int v = (x + 2 * y) % 7 == 0 ? 1 : 2; // a faint diagonal grain
            if (top && y == 0)
                v = 3;
            else if (top && y <= 3)
                v = 1;
            if (left && x == 0)
                v = 3;
            else if (left && x == 1 && !(top && y == 0))
                v = 1;
            if (right && x >= 14)
                v = 3;
            if (top && y == 0 && ((left && x == 0) || (right && x == 15)))
                v = 0; // rounded corners
            dot(a, x, y, v);
        }
    return a;
}

ChrArt groundcell(int style, bool top, bool left, bool right)
{
    ChrArt a = blank(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int s = grain(x, y, style);
            int v = 2;
            switch (style) {
            case 1: // stone blocks of 8 x 8, joints dark, lit top-left
                v = (x % 8 == 7 || y % 8 == 7) ? 3 : (x % 8 == 0 || y % 8 == 0) ? 1 : 2;
                break;
            case 2: // sand: ripples
                v = ((x + 3 * (y / 4)) % 8 == 0 && y % 4 == 1) ? 3 : s < 3 ? 1 : 2;
                break;
            case 3: // ice: streaks
                v = (x + y) % 9 == 0 ? 1 : s < 2 ? 3 : 2;
                break;
            case 4: // cave rock: lumps
                v = s < 5 ? 3 : s < 9 ? 1 : 2;
                break;
            default: // earth with grains
                v = s < 3 ? 3 : s < 5 ? 1 : 2;
                break;
            }
            if (top) {
                const int edge = style == 2 ? 2 : style == 1 ? 1 : 3 + ((x / 3) % 2);
                if (y == 0)
                    v = 3;
                else if (y < edge)
                    v = 1;
                else if (y == edge && style != 1)
                    v = 3;
            }
            if (left && x == 0)
                v = 3;
            else if (left && x == 1 && v == 2)
                v = 1;
            if (right && x == 15)
                v = 3;
            if (top && y == 0 && ((left && x == 0) || (right && x == 15)))
                v = 0;
            dot(a, x, y, v);
        }
    return a;
}

ChrArt filler(int style)
{
    ChrArt a = blank(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int s = grain(x, y, style + 40);
            dot(a, x, y, s < 3 ? 3 : s < 6 ? 1 : 2);
        }
    return a;
}

} // namespace quib::demo

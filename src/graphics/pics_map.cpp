// "Map": the 256 world-map tiles. Hand-drawn pieces come from pics_tileart.cpp;
// the systematic families (water edges and corners, roads and connectors,
// water roads, clouds, level squares) are built here from a few rules so that
// neighbouring tiles join: a shore band is 4 pixels deep along a tile border,
// a road is 6 pixels wide across the middle (pixels 5..10).
#include "graphics/pictures.h"
#include "graphics/pics_parts.h"

#include <cmath>

namespace quib::pictures {

namespace {

using namespace ix;

const ArtBook &book()
{
    static const ArtBook b = parseart(tileartsource());
    return b;
}

const Art &piece(std::string_view name) { return artof(book(), name); }

Tile artile(std::string_view name)
{
    Tile t;
    t.stamp(piece(name));
    return t;
}

Tile onbase(std::string_view base, std::string_view name)
{
    Tile t = artile(base);
    t.stamp(piece(name));
    return t;
}

// Every drawn pixel of the art in one colour.
void stampin(Tile &t, const Art &art, int dx, int dy, int k)
{
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x)
            if (art.at(x, y) != '.')
                t.set(x + dx, y + dy, k);
}

// ---- Water with ground along its borders ------------------------------------

enum Side : unsigned { L = 1, R = 2, T = 4, B = 8, TL = 16, TR = 32, BL = 64, BR = 128 };
constexpr int shore = 4; // depth of a ground band

bool onland(unsigned m, int x, int y)
{
    const double cx = x + 0.5, cy = y + 0.5;
    if (((m & L) && x < shore) || ((m & R) && x >= 16 - shore) ||
        ((m & T) && y < shore) || ((m & B) && y >= 16 - shore))
        return true;
    // Ground corners poking into the water: quarter discs at the tile corners.
    auto near = [&](double px, double py) { return (cx - px) * (cx - px) + (cy - py) * (cy - py) < shore * shore; };
    if (((m & TL) && near(0, 0)) || ((m & TR) && near(16, 0)) ||
        ((m & BL) && near(0, 16)) || ((m & BR) && near(16, 16)))
        return true;
    // Round the water's own corners where two ground bands meet.
    constexpr double r = 3.5;
    auto rounded = [&](double ox, double oy) {
        const double dx = cx - ox, dy = cy - oy;
        return std::fabs(dx) < r && std::fabs(dy) < r && dx * dx + dy * dy > r * r &&
               dx * (ox < 8 ? 1 : -1) > 0 && dy * (oy < 8 ? 1 : -1) > 0;
    };
    const double lo = shore + r, hi = 16 - shore - r;
    if (((m & L) && (m & T) && rounded(lo, lo)) || ((m & R) && (m & T) && rounded(hi, lo)) ||
        ((m & L) && (m & B) && rounded(lo, hi)) || ((m & R) && (m & B) && rounded(hi, hi)))
        return true;
    return false;
}

// Small wave marks; the second set sits elsewhere so look-alike variants differ.
void waves(Tile &t, const std::array<bool, 256> &land, int variant)
{
    static constexpr int marks[2][3][2] = {{{2, 3}, {9, 8}, {4, 12}}, {{8, 2}, {2, 8}, {10, 12}}};
    for (const auto &m : marks[variant & 1]) {
        const int pts[4][2] = {{m[0] + 1, m[1]}, {m[0] + 2, m[1]}, {m[0], m[1] + 1}, {m[0] + 3, m[1] + 1}};
        bool clear = true;
        for (int dy = -1; dy <= 2; ++dy)
            for (int dx = -1; dx <= 4; ++dx) {
                const int x = m[0] + dx, y = m[1] + dy;
                if (x >= 0 && y >= 0 && x < 16 && y < 16 && land[size_t(y * 16 + x)])
                    clear = false;
            }
        if (clear)
            for (const auto &p : pts)
                t.set(p[0], p[1], foam);
    }
}

// Water with ground where the mask says; land pixels next to water get the
// outline, water pixels next to land a light rim.
Tile lake(unsigned m, int variant = 0)
{
    const Tile g = artile("ground");
    std::array<bool, 256> land{};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            land[size_t(y * 16 + x)] = onland(m, x, y);
    auto landat = [&](int x, int y, bool self) {
        if (x < 0 || y < 0 || x > 15 || y > 15)
            return self;
        return land[size_t(y * 16 + x)];
    };
    Tile t;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool self = land[size_t(y * 16 + x)];
            bool edge = false;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                if (landat(x + dx, y + dy, self) != self)
                    edge = true;
            if (self)
                t.set(x, y, edge ? black : g.at(x, y));
            else
                t.set(x, y, edge ? foam : water);
        }
    waves(t, land, variant);
    return t;
}

// ---- Roads ---------------------------------------------------------------------

enum Way : unsigned { N = 1, E = 2, S = 4, W = 8, Node = 16, Plaza = 32 };
enum class Paving { dirt, stone, dashed };

bool onroad(unsigned w, int x, int y, int lo = 5, int hi = 10)
{
    const bool across = y >= lo && y <= hi, along = x >= lo && x <= hi;
    if (((w & W) && x <= 7 && across) || ((w & E) && x >= 8 && across) ||
        ((w & N) && y <= 7 && along) || ((w & S) && y >= 8 && along))
        return true;
    const double cx = x + 0.5 - 8, cy = y + 0.5 - 8;
    if ((w & Node) && cx * cx + cy * cy <= 5.2 * 5.2)
        return true;
    if (w & Plaza) {
        // A rounded square that meets a road of any side exactly at the border.
        const double dx = std::max(0.0, std::fabs(cx) - 2.5), dy = std::max(0.0, std::fabs(cy) - 2.5);
        return dx * dx + dy * dy <= 25.0 + 1e-9;
    }
    return false;
}

void paveroad(Tile &t, unsigned w, Paving p, int lo = 5, int hi = 10)
{
    auto in = [&](int x, int y, bool self) {
        if (x < 0 || y < 0 || x > 15 || y > 15)
            return self;
        return onroad(w, x, y, lo, hi);
    };
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            if (!onroad(w, x, y, lo, hi))
                continue;
            bool edgepx = false;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                if (!in(x + dx, y + dy, true))
                    edgepx = true;
            int k = road;
            if (p == Paving::stone)
                k = ((y % 3 == 0) || ((x + (y / 3) * 2) % 4 == 0)) ? stonedark : stone;
            else if (p == Paving::dashed && (y == 7 || y == 8) && (w & (E | W)) && x % 4 < 2)
                k = edge;
            t.set(x, y, edgepx ? (p == Paving::stone ? black : edge) : k);
        }
    if (w & (Node | Plaza)) {
        // The stopping point in the middle of a connector.
        t.rect(7, 7, 8, 8, p == Paving::stone ? black : edge);
        t.set(6, 7, p == Paving::stone ? stonedark : edge);
        t.set(9, 8, p == Paving::stone ? stonedark : edge);
    }
}

Tile roadtile(unsigned w, Paving p = Paving::dirt, std::string_view base = "ground")
{
    Tile t = artile(base);
    paveroad(t, w, p);
    return t;
}

// A footpath two pixels wide with its edges, for the small roads.
Tile smallroad(unsigned w, std::string_view hills)
{
    Tile t = hills.empty() ? artile("ground") : onbase("ground", hills);
    paveroad(t, w, Paving::dirt, 6, 9);
    return t;
}

// ---- Water roads: a shallow ford of stepping stones across the water ---------

Tile waterroad(unsigned ways, unsigned banks)
{
    const unsigned lanes = ways & unsigned(N | E | S | W);
    Tile t = lake(banks, lanes & (N | S) ? 1 : 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (onroad(lanes, x, y) && !onland(banks, x, y))
                t.set(x, y, foam);
    // Stepping stones every four pixels along the ford.
    auto stepstone = [&](int x, int y) {
        if (onland(banks, x, y) || onland(banks, x + 1, y + 1))
            return;
        t.rect(x, y, x + 1, y + 1, road);
        t.set(x + 1, y + 1, edge);
    };
    for (int i = 0; i < 16; i += 4) {
        if (((lanes & W) && i < 8) || ((lanes & E) && i >= 8))
            stepstone(i + 1, 7);
        if (((lanes & N) && i < 8) || ((lanes & S) && i >= 8))
            stepstone(7, i + 1);
    }
    // Where the ford reaches a bank it becomes a road, edged along its sides.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (onland(banks, x, y) && onroad(lanes, x, y)) {
                const bool rim = (lanes & (E | W)) ? (y == 5 || y == 10) : (x == 5 || x == 10);
                t.set(x, y, rim ? edge : road);
            }
    if (ways & (Node | Plaza)) {
        // A little round island carrying the connector: a small round stop
        // with short roads out to the fords.
        const Tile g = artile("ground");
        auto d2 = [](int x, int y) {
            const double cx = x + 0.5 - 8, cy = y + 0.5 - 8;
            return cx * cx + cy * cy;
        };
        auto stop = [&](int x, int y) {
            return d2(x, y) <= 5.6 * 5.6 &&
                   (d2(x, y) <= 3.3 * 3.3 || onroad(lanes, x, y, 6, 9));
        };
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                if (d2(x, y) > 6.8 * 6.8)
                    continue;
                int k = d2(x, y) > 5.6 * 5.6 ? black : g.at(x, y);
                if (stop(x, y)) {
                    k = road;
                    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                        if (d2(x + dx, y + dy) <= 5.6 * 5.6 && !stop(x + dx, y + dy))
                            k = edge;
                }
                t.set(x, y, k);
            }
        t.rect(7, 7, 8, 8, edge);
    }
    return t;
}

// ---- Clouds: cloud ground with a puffy edge towards open sky -----------------

Tile clouds(unsigned sky, int phase, bool weird)
{
    // depth(x, y) into the cloud from each open side; the edge is scalloped.
    auto bump = [&](int u) {
        const double c = std::fmod(u + 0.5 + phase * 4.0, 8.0) - 4.0;
        return 7.0 - 4.0 * std::sqrt(std::max(0.0, 1.0 - c * c / 16.0));
    };
    auto incloud = [&](int x, int y) {
        double need[4] = {0, 0, 0, 0}, have[4] = {0, 0, 0, 0};
        int n = 0;
        if (sky & L) { need[n] = bump(y); have[n++] = x + 0.5; }
        if (sky & R) { need[n] = bump(y); have[n++] = 15.5 - x; }
        if (sky & T) { need[n] = bump(x); have[n++] = y + 0.5; }
        if (sky & B) { need[n] = bump(x); have[n++] = 15.5 - y; }
        for (int i = 0; i < n; ++i)
            if (have[i] < need[i])
                return false;
        if (n == 2) {
            // round the corner between two open sides
            const double a = have[0] - need[0], b = have[1] - need[1], r = 4.0;
            if (a < r && b < r && (r - a) * (r - a) + (r - b) * (r - b) > r * r)
                return false;
        }
        return true;
    };
    const Tile g = artile("ground");
    Tile t;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool c = incloud(x, y);
            bool edgepx = false;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < 16 && ny < 16 && incloud(nx, ny) != c)
                    edgepx = true;
            }
            if (c)
                t.set(x, y, edgepx ? deep : g.at(x, y));
            else
                t.set(x, y, water);
        }
    // Shade just inside the edge.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (t.at(x, y) != deep && t.at(x, y) != water) {
                bool nearedge = false;
                if ((sky & B) && y + 1 < 16 && t.at(x, y + 1) == deep)
                    nearedge = true;
                if ((sky & R) && x + 1 < 16 && t.at(x + 1, y) == deep)
                    nearedge = true;
                if (nearedge)
                    t.set(x, y, shade);
            }
    if (weird)
        for (int i = 0; i < 16; i += 3)
            t.set(i, (i * 5) % 16, t.at(i, (i * 5) % 16) == water ? white : deep);
    return t;
}

// ---- Level squares and marks -----------------------------------------------------

// A raised square plate with a dark outline and bevelled inner edges.
Tile plate(int fill, int lightk, int darkk, std::string_view base = "ground")
{
    Tile t = artile(base);
    t.rect(2, 1, 13, 14, black);
    t.rect(1, 2, 14, 13, black);
    t.rect(2, 2, 13, 13, fill);
    for (int i = 2; i <= 13; ++i) {
        t.set(i, 2, lightk);
        t.set(2, i, lightk);
        t.set(i, 13, darkk);
        t.set(13, i, darkk);
    }
    t.set(2, 13, fill);
    t.set(13, 2, fill);
    return t;
}

void number(Tile &t, int n, int k)
{
    const std::string digits = std::to_string(n);
    const int w = int(digits.size()) * 6 - 1;
    int x = 8 - (w + 1) / 2;
    for (char c : digits) {
        stampin(t, piece(std::string("n") + c), x, 5, k);
        x += 6;
    }
}

Tile levelsquare(int n)
{
    Tile t = plate(square, yellow, edge);
    number(t, n, black);
    return t;
}

// The "weird" squares: the same numbers on a dark, dotted plate.
Tile weirdsquare(int n)
{
    Tile t = plate(stonedark, stone, black);
    for (int i = 3; i <= 12; i += 2)
        t.set(i, 3, red);
    number(t, n, white);
    return t;
}

// Finished-level marks: a plate in the mark colour with a ring or a cross.
Tile finishedmark(int k, int variant)
{
    Tile t = plate(k, white, black);
    if (k == white)
        t = plate(k, white, stone);
    if (variant == 0) {
        t.box(5, 4, 10, 11, black);
        t.box(4, 5, 11, 10, black);
        t.rect(6, 6, 9, 9, k);
    } else {
        for (int i = 0; i < 6; ++i) {
            t.rect(4 + i, 4 + i, 5 + i, 5 + i, black);
            t.rect(10 - i, 4 + i, 11 - i, 5 + i, black);
        }
    }
    return t;
}

// ---- Other systematic pieces -------------------------------------------------------

Tile pyramid()
{
    Tile t = artile("ground");
    for (int y = 2; y <= 14; ++y) {
        const int hw = 1 + (y - 2) * 7 / 12;
        for (int x = 8 - hw; x <= 7 + hw; ++x) {
            int k = x < 8 ? yellow : road;
            if ((y % 3 == 0) && x >= 8)
                k = edge;
            if ((y % 3 == 0) && x < 8)
                k = road;
            if (x == 8 - hw || x == 7 + hw || y == 14)
                k = black;
            t.set(x, y, k);
        }
    }
    t.rect(7, 11, 8, 13, black);
    return t;
}

Tile quicksand()
{
    Tile t = artile("sand");
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double dx = (x + 0.5 - 8) / 6.8, dy = (y + 0.5 - 8) / 5.5;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d > 1.0)
                continue;
            const double turn = std::atan2(dy, dx) / (2 * M_PI);
            const double v = d * 3.0 + turn;
            const double f = v - std::floor(v);
            int k = f < 0.4 ? edge : (f < 0.7 ? road : yellow);
            if (d > 0.88)
                k = edge;
            if (d < 0.22)
                k = black;
            t.set(x, y, k);
        }
    return t;
}

// A big striped tent over four tiles; quarter q: 0 top-left, 1 top-right,
// 2 bottom-left, 3 bottom-right.
Tile tentquarter(int q)
{
    static const std::array<uint8_t, 1024> big = [] {
        std::array<uint8_t, 1024> p{};
        const Tile g = artile("ground");
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                p[size_t(y * 32 + x)] = g.at(x % 16, y % 16);
        auto set = [&](int x, int y, int k) { if (x >= 0 && y >= 0 && x < 32 && y < 32) p[size_t(y * 32 + x)] = uint8_t(k); };
        // roof
        for (int y = 4; y <= 17; ++y) {
            const int hw = 1 + (y - 4) * 14 / 13;
            for (int x = 16 - hw; x < 16 + hw; ++x) {
                const int band = int(std::floor((x + 0.5 - 16) / double(hw) * 3.0 + 3.0));
                set(x, y, (x == 16 - hw || x == 15 + hw) ? black : (band % 2 ? white : red));
            }
        }
        for (int x = 1; x <= 30; ++x)
            set(x, 18, black);
        // pennant on the top
        for (int y = 0; y <= 4; ++y)
            set(15, y, black);
        set(16, 0, yellow); set(17, 0, yellow); set(16, 1, yellow); set(17, 1, yellow); set(18, 1, yellow);
        // walls and doorway
        for (int y = 19; y <= 29; ++y)
            for (int x = 3; x <= 28; ++x) {
                int k = (x == 3 || x == 28 || y == 29) ? black : road;
                if (x > 3 && x < 28 && (x % 6 == 0) && y < 29)
                    k = edge;
                set(x, y, k);
            }
        for (int y = 21; y <= 28; ++y)
            for (int x = 12; x <= 19; ++x) {
                const double dx = x + 0.5 - 16, dy = y - 24.5;
                if (y > 24 || dx * dx + dy * dy < 16.5)
                    set(x, y, (x == 12 || x == 19 || y == 21) ? black : (x < 14 || x > 17 ? red : black));
            }
        return p;
    }();
    Tile t;
    const int ox = 16 * (q % 2), oy = 16 * (q / 2);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            t.set(x, y, big[size_t((oy + y) * 32 + ox + x)]);
    return t;
}

// Ground textures with simple black line patterns for the odd "weird" tiles.
Tile bars()
{
    Tile t = artile("ground");
    for (int x = 1; x < 16; x += 4)
        t.rect(x, 0, x + 1, 15, black);
    return t;
}

Tile zigzag()
{
    Tile t = artile("ground");
    for (int oy = 0; oy < 16; oy += 8)
        for (int ox = 0; ox < 16; ox += 8) {
            t.rect(ox + 1, oy + 1, ox + 6, oy + 1, black);
            t.rect(ox + 1, oy + 6, ox + 6, oy + 6, black);
            for (int i = 0; i < 4; ++i)
                t.set(ox + 5 - i, oy + 2 + i, black);
        }
    return t;
}

Tile line(bool withground, bool vertical)
{
    Tile t = artile("ground");
    if (withground)
        t.rect(0, 9, 15, 15, shade);
    t.rect(0, 7, 15, 8, black);
    return vertical ? t.transposed() : t;
}

Tile fortweird()
{
    Tile t = onbase("ground", "fortA");
    t.recolour(stone, yellow);
    t.recolour(stonedark, red);
    return t;
}

Tile redsquare()
{
    return plate(red, square, black);
}

} // namespace

Tile maptile(int t)
{
    t &= 255;
    switch (t) {
    case 0x00: case 0x01: return finishedmark(white, t & 1);
    case 0x40: case 0x41: return finishedmark(yellow, t & 1);
    case 0x80: case 0x81: return finishedmark(leaf, t & 1);
    case 0xC0: case 0xC1: return finishedmark(red, t & 1);
    }
    if (t >= 0x03 && t <= 0x0C)
        return levelsquare(t - 0x02);
    if (t >= 0x0D && t <= 0x15)
        return weirdsquare(t - 0x0C);

    switch (t) {
    // grounds and roads
    case 0x42: return artile("ground");
    case 0x43: return artile("sand");
    case 0xD7: return artile("ground2");
    case 0x44: return roadtile(Plaza);
    case 0x45: return roadtile(E | W);
    case 0x46: return roadtile(N | S);
    case 0x47: return roadtile(Node | E | W);
    case 0x48: return roadtile(Node | N | S);
    case 0x49: return roadtile(E | W, Paving::dashed);
    case 0x4A: return roadtile(Node | N | E | S | W);
    case 0x66: return roadtile(Node | E | W, Paving::stone, "ground2");
    case 0xD9: return roadtile(Plaza, Paving::stone);
    case 0xDA: return roadtile(E | W, Paving::stone);
    case 0xDB: return roadtile(N | S, Paving::stone);
    case 0xDC: return roadtile(Node | E | W, Paving::stone);
    case 0xDD: return roadtile(Node | N | S, Paving::stone);
    case 0xDE: return roadtile(Node | N | E | S | W, Paving::stone);
    case 0x57: return smallroad(W, "smallhills");
    case 0x58: return smallroad(E, "smallhillsA");
    case 0x59: return smallroad(S, "smallhillsB");
    case 0x5B: return smallroad(S, {});
    case 0x5C: return smallroad(S | E, "smallhills");
    case 0x5A: {
        Tile r = smallroad(S, {});
        r.stamp(piece("smalltower"));
        return r;
    }
    case 0x4B: {
        Tile d = lake(L);
        d.stamp(piece("dock"));
        return d;
    }
    // odd patterns
    case 0x4C: return bars();
    case 0x4D: return zigzag();
    case 0x4E: return line(false, false);
    case 0x4F: return line(true, false);
    case 0xE7: return line(true, true);
    case 0xD5: return artile("redbars");
    case 0xD6: return redsquare();
    // rocks, doors, buildings
    case 0x51: { Tile r = onbase("ground", "rock"); r.stamp(piece("rockcracks")); return r; }
    case 0x52: return onbase("ground", "rock");
    case 0x53: return onbase("ground", "rockhard");
    case 0x54: return onbase("ground", "doorA");
    case 0x56: return onbase("ground", "doorB");
    case 0xE4: return onbase("ground", "doorC");
    case 0x5D: return onbase("ground", "smallhillsA");
    case 0x5E: return onbase("ground", "smallhillsB");
    case 0x5F: return onbase("ground", "tower");
    case 0xDF: return onbase("ground", "towerB");
    case 0x60: return onbase("ground", "ruinA");
    case 0xE3: return onbase("ground2", "ruinB");
    case 0x61: return onbase("ground", "castletop");
    case 0x62: return onbase("ground", "castlecolumns");
    case 0x63: return onbase("ground", "wallA");
    case 0x64: return onbase("ground", "wallV");
    case 0x65: return onbase("ground", "wallB");
    case 0x67: return onbase("ground", "fortA");
    case 0xEB: return onbase("ground", "fortB");
    case 0x6A: return fortweird();
    case 0x68: return quicksand();
    case 0x69: return pyramid();
    case 0xC8: return onbase("ground", "castleT");
    case 0xC9: return onbase("ground", "castleB");
    // things to find
    case 0x50: return onbase("ground", "houseA");
    case 0x55: return onbase("ground", "houseB");
    case 0xBD: return onbase("ground", "starblock");
    case 0xBE: return onbase("ground", "chest");
    case 0xCA: case 0xCB: case 0xCC: case 0xCD: return tentquarter(t - 0xCA);
    case 0xE0: return onbase("ground", "card");
    case 0xE1: return onbase("ground", "coin");
    case 0xE8: return onbase("ground", "gem");
    case 0xE9: return onbase("ground", "key");
    case 0xE5: return onbase("ground", "hole");
    // hazards
    case 0xD1: return onbase("ground", "fire");
    case 0xE2: return onbase("ground", "skull");
    case 0xE6: return onbase("ground", "handtrap");
    case 0xEA: return onbase("ground", "ice");
    // greenery
    case 0xB4: return onbase("ground", "hills");
    case 0xBB: return onbase("ground", "palm");
    case 0xBC: return onbase("ground", "pipe");
    case 0xBF: return onbase("ground", "pond");
    }

    // water, named by where ground borders it
    switch (t) {
    case 0x82: return lake(L | R | T);
    case 0x83: return lake(L | R | B);
    case 0x84: return lake(L | T);
    case 0x85: return lake(T);
    case 0x86: return lake(T | R);
    case 0x87: return lake(BR);
    case 0x88: return lake(BL);
    case 0x89: return lake(BL | BR);
    case 0x8A: return lake(R | T | B);
    case 0x8B: return lake(L | T | B);
    case 0x8C: return lake(L);
    case 0x8D: return lake(0);
    case 0x8E: return lake(R);
    case 0x8F: return lake(TR);
    case 0x90: return lake(TL);
    case 0x91: return lake(TL | TR);
    case 0x92: return lake(TR | BR);
    case 0x93: return lake(TL | BL);
    case 0x94: return lake(L | B);
    case 0x95: return lake(B);
    case 0x96: return lake(R | B);
    case 0x97: return lake(L | BR);
    case 0x98: return lake(R | BL);
    case 0x99: return lake(R | B, 1);
    case 0x9A: return lake(L | B, 1);
    case 0x9B: return lake(T | BR);
    case 0x9C: return lake(T | BL);
    case 0x9D: return lake(T | B);
    case 0x9E: return lake(TL | BR);
    case 0x9F: return lake(TR | BL);
    case 0xA0: return lake(TL | TR | BL | BR);
    case 0xA1: return lake(R, 1);
    case 0xA2: return lake(L | R);
    case 0xA3: return lake(L, 1);
    case 0xA4: return lake(L | TR);
    case 0xA5: return lake(R | TL);
    case 0xA6: return lake(R | T, 1);
    case 0xA7: return lake(L | T, 1);
    case 0xA8: return lake(B | TR);
    case 0xA9: return lake(B | TL);
    // water roads
    case 0xAA: return waterroad(N | S, T);
    case 0xAB: return waterroad(N | S, B);
    case 0xAC: return waterroad(E | W, 0);
    case 0xAE: return waterroad(E | W | Node, 0);
    case 0xAF: return waterroad(N | E | S | W | Node, 0);
    case 0xB0: return waterroad(N | S, 0);
    case 0xB5: return waterroad(N | S | Node, 0);
    case 0xB6: return waterroad(Node, 0);
    case 0xB7: return waterroad(E | W, L);
    case 0xB8: return waterroad(E | W, R);
    case 0xB9: return waterroad(E | W, L | R);
    case 0xBA: return waterroad(N | S, T | B);
    case 0xAD: { Tile w = lake(0, 1); w.stamp(piece("island")); return w; }
    case 0xB1: { Tile w = lake(L | R); w.stamp(piece("bridge")); return w.transposed(); }
    case 0xB2: { Tile w = lake(L | R); w.stamp(piece("bridge")); return w; }
    case 0xB3: { Tile w = lake(0, 1); w.stamp(piece("bigbridge")); return w; }
    // clouds, named by where the open sky is
    case 0xC2: return clouds(B | R, 0, false);
    case 0xC3: return clouds(B, 0, false);
    case 0xC4: return clouds(B, 1, false);
    case 0xC5: return clouds(B | L, 0, false);
    case 0xC6: return clouds(T | L, 0, true);
    case 0xC7: return clouds(T | R, 0, false);
    case 0xCE: return clouds(R, 0, false);
    case 0xCF: return clouds(B | L, 1, true);
    case 0xD0: return clouds(B | R, 1, false);
    case 0xD2: return clouds(R, 1, false);
    case 0xD3: return clouds(T, 1, false);
    case 0xD4: return clouds(T | L, 1, false);
    }
    return artile("blank");
}

IndexPicture mapindex()
{
    IndexPicture pic(256, 256, black);
    for (int t = 0; t < 256; ++t)
        puttile(pic, t, maptile(t));
    return pic;
}

Surface map()
{
    return togrey(mapindex());
}

} // namespace quib::pictures

// Art parsing, the tile primitives and the grey encoding of the built-in pictures.
#include "graphics/pics_draw.h"
#include "graphics/pictures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quib::pictures {

namespace {

[[noreturn]] void artfault(const char *what, std::string_view line)
{
    std::fprintf(stderr, "built-in picture art: %s: %.*s\n", what, int(line.size()), line.data());
    std::abort();
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        size_t j = i;
        while (j < line.size() && line[j] != ' ')
            ++j;
        if (j > i)
            out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

} // namespace

ArtBook parseart(std::string_view text)
{
    ArtBook book;
    std::vector<std::string> names;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        std::vector<std::string_view> f = fields(line);
        if (f.empty())
            continue;
        if (f.front() == "@") {
            names.assign(f.begin() + 1, f.end());
            for (const std::string &n : names) {
                if (book.count(n))
                    artfault("name used twice", n);
                book[n] = Art{};
            }
            continue;
        }
        if (f.size() != names.size())
            artfault("field count differs from the block header", line);
        for (size_t i = 0; i < f.size(); ++i) {
            Art &a = book[names[i]];
            if (a.height > 0 && int(f[i].size()) != a.width)
                artfault("row width differs", line);
            a.width = int(f[i].size());
            a.rows.emplace_back(f[i]);
            ++a.height;
        }
    }
    return book;
}

const Art &artof(const ArtBook &book, std::string_view name)
{
    auto it = book.find(name);
    if (it == book.end())
        artfault("no such piece", name);
    return it->second;
}

int artindex(char c, int inkindex)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c == '.')
        return -1;
    return inkindex;
}

void Tile::rect(int x0, int y0, int x1, int y1, int k)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            set(x, y, k);
}

void Tile::box(int x0, int y0, int x1, int y1, int k)
{
    for (int x = x0; x <= x1; ++x) {
        set(x, y0, k);
        set(x, y1, k);
    }
    for (int y = y0; y <= y1; ++y) {
        set(x0, y, k);
        set(x1, y, k);
    }
}

void Tile::stamp(const Art &art, int dx, int dy, int inkindex)
{
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x) {
            int k = artindex(art.at(x, y), inkindex);
            if (k >= 0)
                set(x + dx, y + dy, k);
        }
}

void Tile::recolour(int from, int to)
{
    for (uint8_t &p : px)
        if (p == from)
            p = uint8_t(to);
}

Tile Tile::transposed() const
{
    Tile t;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            t.set(y, x, at(x, y));
    return t;
}

void puttile(IndexPicture &pic, int t, const Tile &tile)
{
    const int ox = 16 * (t % 16), oy = 16 * (t / 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            pic.set(ox + x, oy + y, tile.at(x, y));
}

void putart(IndexPicture &pic, const Art &art, int x0, int y0, int inkindex)
{
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x) {
            int k = artindex(art.at(x, y), inkindex);
            if (k >= 0 && x0 + x < pic.width && y0 + y < pic.height)
                pic.set(x0 + x, y0 + y, uint8_t(k));
        }
}

// ---- Grey encoding --------------------------------------------------------

uint32_t greyof(int k)
{
    const int v = k <= 0 ? 0 : 16 * (k & 15) - 4;
    return rgb(v, v, v);
}

int indexofgrey(uint32_t pixel)
{
    // The readers take the blue component of a grey pixel and round
    // (v + 4) / 16 to the nearest whole number, halves to even.
    const double v = double(pixel & 0xFF);
    return int(std::nearbyint((v + 4.0) / 16.0));
}

Surface togrey(const IndexPicture &pic)
{
    Surface s(pic.width, pic.height);
    for (size_t i = 0; i < pic.idx.size(); ++i)
        s.px[i] = greyof(pic.idx[i]);
    return s;
}

Surface colourise(const IndexPicture &pic, const std::array<uint8_t, 16> &group)
{
    Surface s(pic.width, pic.height);
    for (size_t i = 0; i < pic.idx.size(); ++i)
        s.px[i] = nescolour(group[pic.idx[i] & 15]);
    return s;
}

} // namespace quib::pictures

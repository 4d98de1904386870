#pragma once
// Drawing helpers shared by the built-in pictures: a 16x16 index tile with a
// few primitives, and text "art" parsed from rows of characters.
//
// Art is written as blocks of rows. A block starts with a line
//   @ name1 name2 ...
// and is followed by rows holding one field per name, separated by spaces; all
// rows of a field have the same width. Lines starting with ';' are comments.
// A pixel character is a hex digit (colour index 0..15), '.' for "leave what is
// below", or any other character the caller maps (the font uses '#').
#include "graphics/surface.h"
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quib::pictures {

struct Art {
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;
    char at(int x, int y) const { return rows[size_t(y)][size_t(x)]; }
};

using ArtBook = std::map<std::string, Art, std::less<>>;

// Parses all blocks of a text into named pieces. A malformed block (rows of
// unequal width, wrong field count) is a programming error and aborts.
ArtBook parseart(std::string_view text);
const Art &artof(const ArtBook &book, std::string_view name);

// Colour index of an art character: hex digits give their value, '.' gives -1
// (transparent), ink gives inkindex for any other non-space character.
int artindex(char c, int inkindex = -1);

// A 16x16 tile of colour indices.
struct Tile {
    std::array<uint8_t, 256> px{};

    uint8_t at(int x, int y) const { return px[size_t(y * 16 + x)]; }
    void set(int x, int y, int k)
    {
        if (x >= 0 && y >= 0 && x < 16 && y < 16)
            px[size_t(y * 16 + x)] = uint8_t(k);
    }
    void fill(int k) { px.fill(uint8_t(k)); }
    void rect(int x0, int y0, int x1, int y1, int k); // filled, corners included
    void box(int x0, int y0, int x1, int y1, int k);  // outline only
    void stamp(const Art &art, int dx = 0, int dy = 0, int inkindex = -1);
    void recolour(int from, int to);
    Tile transposed() const;
};

// Puts tile t of a 16-per-row sheet into an index picture.
void puttile(IndexPicture &pic, int t, const Tile &tile);
void putart(IndexPicture &pic, const Art &art, int x, int y, int inkindex = -1);

} // namespace quib::pictures

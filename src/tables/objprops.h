#pragma once
// Object and enemy property tables, built from constants at start-up: which
// objects carry a length byte, how large each object is and how far it
// reaches left of and above its anchor block, the palette of its tiles, and
// the boxes by which enemies are shown and picked.
//
// Objects are keyed by (object set s 0..15, bank b 0..7, type t 0..255).
#include <array>
#include <cstddef>
#include <cstdint>

namespace quib {

struct ObjProps {
    static constexpr int index(int s, int b, int t) { return (s & 15) + 16 * (b & 7) + 128 * (t & 255); }

    std::array<bool, 16 * 8 * 256> is4byte{};
    std::array<uint8_t, 16 * 8 * 256> objwidth{};  // blocks from the anchor column rightwards, anchor included
    std::array<uint8_t, 16 * 8 * 256> objheight{}; // blocks from the anchor row downwards, anchor included
    std::array<uint8_t, 16 * 8 * 256> objleft{};   // further columns left of the anchor
    std::array<uint8_t, 16 * 8 * 256> objup{};     // further rows above the anchor
    // Palette of an object's tiles, object sets 1..14 and banks 0..6 only:
    // index (s - 1) + 14 b + 98 t. 0..3 a palette; 4..7 palette value - 4
    // with tile 0xFF drawn opaque.
    std::array<uint8_t, 14 * 7 * 256> objpal{};

    std::array<uint8_t, 256> enemywidth{};
    std::array<uint8_t, 256> enemyheight{};
    std::array<uint8_t, 256> enemyleft{};
    std::array<uint8_t, 256> enemyup{};

    bool four(int s, int b, int t) const { return is4byte[std::size_t(index(s, b, t))]; }
    int width(int s, int b, int t) const { return objwidth[std::size_t(index(s, b, t))]; }
    int height(int s, int b, int t) const { return objheight[std::size_t(index(s, b, t))]; }
    int left(int s, int b, int t) const { return objleft[std::size_t(index(s, b, t))]; }
    int up(int s, int b, int t) const { return objup[std::size_t(index(s, b, t))]; }
    // Sets 0 and 15 and bank 7 have no entries: palette 0.
    int pal(int s, int b, int t) const
    {
        if (s < 1 || s > 14 || b < 0 || b > 6)
            return 0;
        return objpal[std::size_t((s - 1) + 14 * b + 98 * (t & 255))];
    }
};

void build4byte(ObjProps &p);
void buildobjsizes(ObjProps &p);
void buildenemyboxes(ObjProps &p);
void buildobjpal(ObjProps &p);

} // namespace quib

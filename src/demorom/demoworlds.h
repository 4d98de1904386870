#pragma once
// The nine demo worlds, drawn as text: one character a map tile.
#include <array>
#include <cstdint>
#include <vector>

namespace quib::demo {

struct DemoPointer {
    int row, col;       // map square
    int objset;         // object set (world 9: destination world - 1)
};

struct DemoSprite {
    int type;           // 1..16, 0 = none
    int col, row;       // map square it stands on
    int item;
};

struct DemoWorld {
    int screens;                      // 1..8, fits the world's room in the ROM
    std::array<const char *, 9> rows; // 16 * screens characters each
    uint8_t palette;                  // map colour group (low nibble)
};

// Tile number of a layout character; water is chosen by its neighbours.
uint8_t demotile(const DemoWorld &w, int row, int col);

const std::array<DemoWorld, 9> &demoworlds();

// The squares that lead into levels, read off the layout (level squares,
// fortresses, towers, castles, pipes...), with the object set each enters.
std::vector<DemoPointer> demopointers(int world);
std::array<DemoSprite, 9> demosprites(int world);

} // namespace quib::demo

#pragma once
// What a redraw of the level or map view draws, apart from the document: the
// rectangle of blocks to draw and the overlays to put on it. The window
// builds these from its mode and view options; the command-line renderer and
// the benchmark build their own.
#include "graphics/surface.h"

#include <cstdint>
#include <vector>

namespace quib {

// A rectangle of 16 x 16 blocks: its first column and row in the level (or
// map) and its size. Today's view is 16 x 15 blocks.
struct BlockRect {
    int col = 0;
    int row = 0;
    int width = 16;
    int height = 15;

    bool containsrow(int r) const { return r >= row && r < row + height; }
};

// How many whole blocks the window's view shows across and down: today's
// 16 x 15 at the least, more in a larger window. The map and the level show
// no more of it than the world or the area holds (the rest stays empty).
struct ViewSize {
    int cols = 16;
    int rows = 15;
    bool operator==(const ViewSize &) const = default;
};

// The view size of a surface of whole blocks.
inline ViewSize viewsizeof(const Surface &s)
{
    return {s.width / 16, s.height / 16};
}

// The surface a rectangle of blocks is drawn into.
inline Surface surfacefor(const BlockRect &r, uint32_t fill = rgb(0, 0, 0))
{
    return Surface(16 * std::max(r.width, 0), 16 * std::max(r.height, 0), fill);
}

// The surface the rectangle is drawn into keeping 1 pixel in 2^k each way.
inline Surface surfacefor(const BlockRect &r, int k, uint32_t fill = rgb(0, 0, 0))
{
    return Surface::reduced(16 * std::max(r.width, 0), 16 * std::max(r.height, 0), k, fill);
}

// The largest k (up to 4) at which a picture of w x h pixels kept 1 pixel in
// 2^k each way is still no smaller than `fitw` across and `fith` down: the
// rest of the scaling is left to the screen.
inline int reductionfor(int w, int h, int fitw, int fith)
{
    int k = 0;
    while (k < 4 && (w >> (k + 1)) >= fitw && (h >> (k + 1)) >= fith)
        ++k;
    return k;
}

// The one selection mark a redraw shows.
enum class SelectionMark : uint8_t {
    none,
    object,    // outline of the selected level object
    enemy,     // outline and hatching of the selected enemy
    mapcursor, // the map editing cursor
    pointer,   // the selected map pointer
    sprite,    // the selected map sprite
};

struct DrawOptions {
    BlockRect area;
    SelectionMark selection = SelectionMark::none;
    bool pointerboxes = false; // a box on every map pointer
    bool mapsprites = false;   // the map sprites (never in the warp world)
    bool spriteboxes = false;  // a box around every map sprite drawn
    bool background = false;   // the level background blocks
    bool sheets = false;       // the level's two pattern sheets over the top-left corner
    // Level items of the selection's kind marked as selected besides the
    // picked one (a selection of several), and the rectangle a Ctrl+drag is
    // drawing (width 0: none).
    std::vector<int> marked;
    BlockRect band{0, 0, 0, 0};
};

} // namespace quib

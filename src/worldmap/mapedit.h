#pragma once
// Mouse editing of the world map: a press or a move with a button held on
// the view, in pixels of the view. These change the map and the tool values
// only; the caller redraws.
#include "graphics/drawoptions.h"
#include "graphics/editmode.h"

#include <cstdint>

namespace quib {

struct WorldMap;

enum MouseButtons : int { ButtonLeft = 1, ButtonRight = 2 };

struct MapMouse {
    int px = 0, py = 0;     // pointer position in view pixels
    int buttons = 0;        // 1 left alone, 2 right alone, other values other combinations
    bool shiftonly = false; // exactly Shift held
    bool toolbox = false;   // the map objects toolbox is shown
};

// What a press or a drag works on: the map, the mode, and the editor's tool
// values (the current tile, the toolbox's tile and action, the grab offset of
// a dragged sprite).
struct MapEditing {
    WorldMap &map;
    uint8_t mode;
    uint8_t &curtile;        // painted by Shift+click, picked by a right click
    uint8_t tooltile;        // the toolbox's tile
    uint8_t toolaction;      // 0 draw one square, 1 replace all
    int16_t &grabx, &graby;  // grab offset of the dragged sprite
    ViewSize view{};         // the blocks the view shows
};

// The map pointer on square (col, row), the last of the table there; -1 for none.
int pointerat(const WorldMap &map, int col, int row);
// The first map sprite whose 16 x 16 picture holds world pixel (wx, py),
// py counted from the top of the map rows; -1 for none.
int spriteat(const WorldMap &map, int wx, int py);

// Returns false when the press was ignored (below the map rows): nothing
// changed.
bool mappress(const MapEditing &e, const MapMouse &m);
void mapdrag(const MapEditing &e, const MapMouse &m);

} // namespace quib

#pragma once
// Mouse editing of the world map: a press or a move with a button held on
// the view, in pixels of the view. These change the state only; the caller
// redraws.
#include <cstdint>

namespace quib {

struct EditorState;

enum MouseButtons : int { ButtonLeft = 1, ButtonRight = 2 };

struct MapMouse {
    int px = 0, py = 0;     // pointer position in view pixels
    int buttons = 0;        // 1 left alone, 2 right alone, other values other combinations
    bool shiftonly = false; // exactly Shift held
    bool toolbox = false;   // the map objects toolbox is shown
};

struct WorldMap;

// The map pointer on square (col, row), the last of the table there; -1 for none.
int pointerat(const WorldMap &map, int col, int row);
// The first map sprite whose 16 x 16 picture holds world pixel (wx, py),
// py counted from the top of the map rows; -1 for none.
int spriteat(const WorldMap &map, int wx, int py);

// Returns false when the press was ignored (below the map rows): nothing
// changed.
bool mappress(EditorState &state, const MapMouse &m);
void mapdrag(EditorState &state, const MapMouse &m);

} // namespace quib

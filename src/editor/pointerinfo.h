#pragma once
// The status bar's read-out of what the mouse pointer is over on the view.
#include <QString>

namespace quib {

struct EditorState;

// The block under view pixel (px, py) (the surface's own pixels), as the info
// labels give positions ("X: 1C   Y: 05"), followed by what lies there:
// - in a level, the item a press would pick ("Object #003: bank 5, type 2A,
//   2 x 3 blocks" or "Enemy #002: type 08 Spinner") and the item of the other
//   kind sharing the block;
// - on the map, the tile ("Tile 4C: Castle"), the map pointer on the square
//   ("Pointer #03: obj. set 1 -- Plain", in the warp world "Pointer #03: goes
//   to world 4") and, where sprites are drawn, the sprite a press would pick
//   ("Map sprite #2: type 05 Hammer").
// Empty text off the map's rows or columns and outside the area.
QString pointerinfo(const EditorState &s, int px, int py);

} // namespace quib

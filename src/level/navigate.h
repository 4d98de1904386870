#pragma once
// Moving between the world map and the levels, and between the areas of a
// level, and keeping the selected item in view.
#include <cstdint>

namespace quib {

struct EditorState;
struct Surface;

// The closing-bars transition of entering a level, `elapsedms` after it
// began: black bars close in on the 256 x 144 map view from all four sides.
// It lasts until 550 ms.
constexpr int transitionms = 550;
void drawtransition(Surface &lvl, int elapsedms);

// True when the selected map pointer leads into a level (object sets 0 and
// 15 lead nowhere; a world without pointers has none).
bool canenterlevel(const EditorState &s);

// Loads the selected pointer's area and selects its first object in object
// editing mode (the window plays the transition first). Nothing is drawn.
void enterlevel(EditorState &s);

// Back to the map pointers mode of the world map.
void exitlevel(EditorState &s);

// Loads the linked area; false (nothing loaded) when the area links nowhere.
bool nextarea(EditorState &s);

// Scroll the view so that the selected object / enemy is visible.
void showobj(EditorState &s);
void showenemy(EditorState &s);

} // namespace quib

#pragma once
// The world map as the window holds it: the map functions applied to the
// editor state's world, map, graphics and view.
#include "graphics/drawoptions.h"
#include "worldmap/mapedit.h"

namespace quib {

struct EditorState;

// Loads world `state.curworld` into state.map and recolours the map pictures.
void loadmap(EditorState &state);

// Page Up / Page Down: world 1..9 from its first column.
void changeworld(EditorState &state, int world);

// What the window's map view shows: the view at the scroll and the boxes and
// mark of the mode.
DrawOptions mapoptions(const EditorState &state);

// Redraws the window's view state.lvl with mapoptions(state).
void drawmap(EditorState &state);

// The map, the mode and the tool values a mouse press or drag works on.
MapEditing mapediting(EditorState &state);

} // namespace quib

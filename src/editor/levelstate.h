#pragma once
// The level functions applied to the editor state: each hands the level
// layer the parts of the state it works on and keeps the mode in step.
#include "graphics/drawoptions.h"
#include "graphics/infolabels.h"
#include "level/loadlevel.h"

#include <cstdint>

namespace quib {

struct EditorState;

// The ROM, tables and pictures loading an area works with.
LevelContext levelcontext(EditorState &s);

// What the window's level view shows: its blocks at the scroll, the mark of
// the mode's selection, and the view options.
DrawOptions leveloptions(const EditorState &s);
// Redraws the window's view s.lvl with leveloptions(s).
void drawlevel(EditorState &s);
// The four info labels of the level modes: the selected object (object mode)
// or enemy (enemy mode); empty when the area has none.
InfoLabels levellabels(const EditorState &s);

// Loads the area s.level points at.
void loadlevel(EditorState &s);
// True when the selected map pointer leads into a level.
bool canenterlevel(const EditorState &s);
// Enters the selected pointer's area in object editing mode.
void enterlevel(EditorState &s);
// Back to the map pointers mode of the world map.
void exitlevel(EditorState &s);
// Loads the linked area; false (nothing loaded) when the area links nowhere.
bool nextarea(EditorState &s);
// Enters the area at the typed offsets in object editing mode; false, with
// nothing changed, when no ROM is open.
bool enterlevelspec(EditorState &s, int32_t objofs, int32_t enmofs, int objset);
// Scroll the view so that the selected object / enemy is visible.
void showobj(EditorState &s);
void showenemy(EditorState &s);

// A press and a drag on the level view at pixel (px, py): the mode follows
// the kind of item picked, the grab offset is kept in the state.
void levelpress(EditorState &s, int px, int py);
void leveldrag(EditorState &s, int px, int py);

} // namespace quib

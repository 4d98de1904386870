#pragma once
// What the main window shows beside the view, computed from the editor state:
// the info labels, the window title and the name of the edit mode.
#include "graphics/infolabels.h"

#include <QString>
#include <cstdint>

namespace quib {

struct EditorState;

// The info labels of the current mode.
InfoLabels infolabels(const EditorState &s);

// "Quib editor -- World 3" on the map; inside a level the world and, when the
// map cursor stood on a level square, its number ("Quib editor -- World 3-4").
QString windowtitle(const EditorState &s);

// "Map Editing", "Map Pointers", "Object Editing", "Enemy Editing", "Map Sprites".
QString modename(uint8_t mode);

} // namespace quib

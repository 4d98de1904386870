#pragma once
#include "graphics/surface.h"

namespace quib {

struct EditorState;

// The view's colours.
constexpr uint32_t mapbackground = rgb(224, 224, 224);

// Redraws the world map view and the info labels from the editor state,
// without touching the ROM.
void drawmap(EditorState &state);

} // namespace quib

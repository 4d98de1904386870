#pragma once
#include "graphics/surface.h"
#include "graphics/infolabels.h"

namespace quib {

struct EditorState;

// The view's colours.
constexpr uint32_t mapbackground = rgb(224, 224, 224);

// Redraws the world map view (the surface `lvl`) from the editor state,
// without touching the ROM or changing anything else.
void drawmap(EditorState &state);

// The four info labels of the map modes, describing the cursor's tile, the
// selected pointer or the selected sprite.
InfoLabels maplabels(const EditorState &state);

} // namespace quib

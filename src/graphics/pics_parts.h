#pragma once
// Pieces shared between the picture files: the art sources and the tile
// builders that the sprite strip and the frame reuse.
#include "graphics/pics_draw.h"
#include <string_view>

namespace quib::pictures {

std::string_view tileartsource();   // hand-drawn map tile pieces (pics_tileart.cpp)
std::string_view spriteartsource(); // sprite figures and the start marker (pics_sprites.cpp)

Tile maptile(int t); // one composed map tile (pics_map.cpp)

} // namespace quib::pictures

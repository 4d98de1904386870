#pragma once
// Copying rectangles between surfaces, clipped to both, and the highlight
// boxes of the views. Destination coordinates are those of the full picture
// of a reduced surface (Surface::shift); sources are read a pixel a pixel.
#include "graphics/surface.h"

namespace quib {

// Opaque copy of the w x h rectangle of src at (sx, sy) to dst at (dx, dy).
void blit(Surface &dst, int dx, int dy, const Surface &src, int sx, int sy, int w, int h);

// Masked copy: where the mask pixel is black the picture's pixel is drawn,
// where it is white the destination stays (the AND-then-OR of a sprite and
// its mask, without relying on the picture being black where it is clear).
void maskblit(Surface &dst, int dx, int dy, const Surface &mask, int mx, int my, const Surface &pic, int px, int py,
              int w, int h);

// Unfilled rectangle outline from (x0, y0) to (x1, y1), corners included.
void outline(Surface &dst, int x0, int y0, int x1, int y1, uint32_t colour);

// A 16 x 16 highlight box at (x, y): two nested outlines.
void box(Surface &dst, int x, int y, uint32_t outer, uint32_t inner);

void fillrect(Surface &dst, int x0, int y0, int x1, int y1, uint32_t colour);

} // namespace quib

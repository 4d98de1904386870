#include "graphics/blit.h"

#include <algorithm>
#include <cstring>

namespace quib {

namespace {

// Clips a w x h copy from (sx, sy) in a src-sized area to (dx, dy) in a
// dst-sized area; false when nothing is left.
bool clip(int &dx, int &dy, int dw, int dh, int &sx, int &sy, int sw, int sh, int &w, int &h)
{
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, sw - sx, dw - dx});
    h = std::min({h, sh - sy, dh - dy});
    return w > 0 && h > 0;
}

// The first multiple of 2^k at or after v (v >= 0).
inline int keptfrom(int v, int k)
{
    const int m = (1 << k) - 1;
    return (v + m) & ~m;
}

} // namespace

void blit(Surface &dst, int dx, int dy, const Surface &src, int sx, int sy, int w, int h)
{
    if (!clip(dx, dy, dst.fullwidth(), dst.fullheight(), sx, sy, src.width, src.height, w, h))
        return;
    if (dst.shift == 0) {
        for (int y = 0; y < h; ++y)
            std::memcpy(dst.row(dy + y) + dx, src.row(sy + y) + sx, size_t(w) * 4);
        return;
    }
    const int k = dst.shift, step = 1 << k;
    const int x0 = keptfrom(dx, k);
    for (int y = keptfrom(dy, k); y < dy + h; y += step) {
        const uint32_t *from = src.row(sy + y - dy) + (sx - dx); // indexed by destination x
        uint32_t *to = dst.row(y >> k);
        for (int x = x0; x < dx + w; x += step)
            to[x >> k] = from[x];
    }
}

void maskblit(Surface &dst, int dx, int dy, const Surface &mask, int mx, int my, const Surface &pic, int px, int py,
              int w, int h)
{
    // Clip against the mask's picture, the picture's and the destination.
    int ox = px - mx, oy = py - my;
    int sx = mx, sy = my;
    if (!clip(dx, dy, dst.fullwidth(), dst.fullheight(), sx, sy, mask.width, mask.height, w, h))
        return;
    int qx = sx + ox, qy = sy + oy;
    if (qx < 0 || qy < 0)
        return;
    w = std::min(w, pic.width - qx);
    h = std::min(h, pic.height - qy);
    if (dst.shift != 0) {
        const int k = dst.shift, step = 1 << k;
        for (int y = keptfrom(dy, k) - dy; y < h; y += step) {
            const uint32_t *m = mask.row(sy + y) + sx;
            const uint32_t *p = pic.row(qy + y) + qx;
            uint32_t *d = dst.row((dy + y) >> k);
            for (int x = keptfrom(dx, k) - dx; x < w; x += step) {
                uint32_t &to = d[(dx + x) >> k];
                const uint32_t keep = m[x] | 0xFF000000u;
                to = (to & keep) | (p[x] & ~keep) | 0xFF000000u;
            }
        }
        return;
    }
    for (int y = 0; y < h; ++y) {
        const uint32_t *m = mask.row(sy + y) + sx;
        const uint32_t *p = pic.row(qy + y) + qx;
        uint32_t *d = dst.row(dy + y) + dx;
        for (int x = 0; x < w; ++x) {
            const uint32_t keep = m[x] | 0xFF000000u;
            d[x] = (d[x] & keep) | (p[x] & ~keep) | 0xFF000000u;
        }
    }
}

void fillrect(Surface &dst, int x0, int y0, int x1, int y1, uint32_t colour)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, dst.fullwidth() - 1);
    y1 = std::min(y1, dst.fullheight() - 1);
    if (x0 > x1 || y0 > y1)
        return;
    if (dst.shift != 0) {
        x0 = keptfrom(x0, dst.shift) >> dst.shift;
        y0 = keptfrom(y0, dst.shift) >> dst.shift;
        x1 >>= dst.shift;
        y1 >>= dst.shift;
        if (x0 > x1 || y0 > y1)
            return;
    }
    for (int y = y0; y <= y1; ++y)
        std::fill(dst.row(y) + x0, dst.row(y) + x1 + 1, colour);
}

void outline(Surface &dst, int x0, int y0, int x1, int y1, uint32_t colour)
{
    fillrect(dst, x0, y0, x1, y0, colour);
    fillrect(dst, x0, y1, x1, y1, colour);
    fillrect(dst, x0, y0, x0, y1, colour);
    fillrect(dst, x1, y0, x1, y1, colour);
}

void box(Surface &dst, int x, int y, uint32_t outer, uint32_t inner)
{
    outline(dst, x, y, x + 15, y + 15, outer);
    outline(dst, x + 1, y + 1, x + 14, y + 14, inner);
}

} // namespace quib

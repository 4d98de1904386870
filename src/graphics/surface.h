#pragma once
// Plain RGB drawing buffers of the core. A pixel is 0xFFRRGGBB (the layout of
// QImage::Format_RGB32), so the front end can wrap a surface without copying.
#include <cstdint>
#include <algorithm>
#include <vector>

namespace quib {

constexpr uint32_t rgb(int r, int g, int b)
{
    return 0xFF000000u | (uint32_t(r & 255) << 16) | (uint32_t(g & 255) << 8) | uint32_t(b & 255);
}

// A surface may keep only 1 pixel in 2^shift of a larger picture in each
// direction: the drawing functions take that picture's coordinates, and its
// pixel (x, y), when both are multiples of 2^shift, lands at (x >> shift,
// y >> shift); the others are skipped. At shift 0 a pixel is a pixel.
struct Surface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> px; // row-major, y * width + x
    int shift = 0;

    Surface() = default;
    Surface(int w, int h, uint32_t fill = rgb(0, 0, 0)) : width(w), height(h), px(size_t(w) * h, fill) {}

    // A surface keeping 1 pixel in 2^k of a w x h picture (its top-left one first).
    static Surface reduced(int w, int h, int k, uint32_t fill = rgb(0, 0, 0))
    {
        const int m = (1 << k) - 1;
        Surface s((std::max(w, 0) + m) >> k, (std::max(h, 0) + m) >> k, fill);
        s.shift = k;
        return s;
    }

    // The size of the picture the drawing functions address.
    int fullwidth() const { return width << shift; }
    int fullheight() const { return height << shift; }

    uint32_t at(int x, int y) const { return px[size_t(y) * width + x]; }
    void set(int x, int y, uint32_t c) { px[size_t(y) * width + x] = c; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    uint32_t *row(int y) { return px.data() + size_t(y) * width; }
    const uint32_t *row(int y) const { return px.data() + size_t(y) * width; }
    void fill(uint32_t c) { std::fill_n(px.begin(), std::min(px.size(), size_t(width) * height), c); }
};

// A 4-bit colour-index picture: one byte per pixel, row-major. A value K in
// 0..15 means palette K / 4, colour K % 4 of a 16-byte colour group.
struct IndexPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> idx; // row-major, y * width + x

    IndexPicture() = default;
    IndexPicture(int w, int h, uint8_t fill = 0) : width(w), height(h), idx(size_t(w) * h, fill) {}

    uint8_t at(int x, int y) const { return idx[size_t(y) * width + x]; }
    void set(int x, int y, uint8_t k) { idx[size_t(y) * width + x] = k; }
};

} // namespace quib

#pragma once
// The demo ROM's pattern sheets: every 2 KB sheet of CHR-ROM, drawn by us.
//
// A sheet is 128 tiles of 8 x 8 pixels, each pixel a colour value 0..3
// (0 the level's background colour, 1 light, 2 middle, 3 dark). Pictures
// are made as "art": rows of characters '0'..'3' ('.' is 0), 8 x 8 tiles
// side by side, placed on a sheet under a list of tile numbers in reading
// order, e.g. "98-9A-99-9B" for the four tiles of a 16 x 16 block.
#include "demorom/romimage.h"

#include <string>
#include <string_view>
#include <vector>

namespace quib::demo {

using ChrArt = std::vector<std::string>; // rows of '0'..'3' / '.'

class ChrSheet {
public:
    ChrSheet() : px_(128 * 64, 0) {}
    uint8_t at(int x, int y) const { return px_[size_t(y * 128 + x)]; }
    void set(int x, int y, int v) { px_[size_t(y * 128 + x)] = uint8_t(v & 3); }

    // Puts art under the tile numbers of `tiles` (hex, '-' between, "xx"
    // skips one); tile numbers are taken modulo 128.
    void place(const ChrArt &art, std::string_view tiles);
    // The 16 bytes of tile t in the NES format: plane 0 rows, then plane 1.
    std::vector<uint8_t> encode() const;

private:
    std::vector<uint8_t> px_; // 128 x 64, tile t at (8 (t % 16), 8 (t / 16))
};

// The art of a named motif, hand-drawn (demochr_art.cpp) or made by a
// shape function (demochr_shapes.cpp). Unknown names abort.
const ChrArt &motif(std::string_view name);

// Shapes made by code.
ChrArt vpipecap();   // 32 x 16, the rim of a pipe standing up
ChrArt vpipebody();  // 32 x 8
ChrArt hpipemouth(); // 16 x 32, the rim of a pipe lying down
ChrArt hpipebody();  // 8 x 32
ChrArt hillshoulder(bool left); // 16 x 16
ChrArt hillside(bool left);     // 8 x 8
ChrArt hillspots(int kind);     // 16 x 16, body with spots
ChrArt bigblock(bool top, bool left, bool right); // 16 x 16 cell of a big block
// A ground cell in one of the ground styles: 0 grass over earth, 1 stone
// blocks, 2 sand, 3 snow over ice, 4 cave rock.
ChrArt groundcell(int style, bool top, bool left, bool right);
ChrArt filler(int style); // 8 x 8, tile 0 of a page-1 sheet

// Writes all 23 sheets into CHR-ROM.
void putsheets(RomImage &rom);

} // namespace quib::demo

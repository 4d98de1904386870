#pragma once
// The map start point of a world: the Y at which the player's marker starts on
// the map screen (one byte per world, rom::startpointpos), and the preview of
// the map screen as the game shows it with the marker at a chosen height.
#include <QString>
#include <cstdint>

namespace quib {

class Rom;

struct Graphics;
struct Surface;
struct WorldMap;

// The map screen preview is this size; the dialog's view shows it whole.
constexpr int mapscreenwidth = 256;
constexpr int mapscreenheight = 224;

// The marker stands in map column 2: map column k is drawn at x = 16 k.
constexpr int startmarkerx = 32;

// The stored start point of world `world` (1..9), read in one operation.
uint8_t readstartpoint(const Rom &rom, int world);

// Writes the one byte in one operation; false with the reason (naming the
// file) in *error when the file could not be written.
bool writestartpoint(Rom &rom, int world, uint8_t value, QString *error = nullptr);

// Draws the map screen of world `world` (its tiles and sprites in `map`) into `preview` (256 x 224) with the
// start marker at `value`: the frame, the first screen's columns 1..14, the
// ground strip, the map sprites (worlds 1..8), the marker and the world digit.
// Uses the colour surfaces as they are: colormapb must have run for the world.
void refmapb(const Graphics &g, const WorldMap &map, int world, uint8_t value, Surface &preview);

} // namespace quib

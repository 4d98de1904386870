#pragma once
// The world-map properties: for each of the 256 entries (worlds 1..9 first)
// the map's colour group, the times of the four map animation frames, the
// music played when the world is entered and the one played after going in an
// area. The tables and their offsets are in editor/romlayout.h. They are read
// whole and written whole.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace quib {

class Rom;

// Entry w (1..256) is index w - 1 of every array.
struct MapProps {
    std::array<uint8_t, 256> palette{};
    std::array<std::array<uint8_t, 256>, 4> anim{}; // anim[k]: time of frame k
    std::array<uint8_t, 256> entrymusic{};
    std::array<uint8_t, 256> returnmusic{};

    std::array<uint8_t, 4> animtimes(int entry) const
    {
        const size_t i = size_t(entry - 1) & 255;
        return {anim[0][i], anim[1][i], anim[2][i], anim[3][i]};
    }
};

// One read operation for all 7 x 256 bytes; false when the file can't be opened.
bool readmapprops(const Rom &rom, MapProps &props);

// One write operation for all 7 x 256 bytes; false with the reason (naming
// the file) in *error when the file could not be written.
bool writemapprops(Rom &rom, const MapProps &props, QString *error = nullptr);

// ---- The map animation ------------------------------------------------------
// A frame time byte d lasts d + 1 ticks of 1/60 second; a byte above 128
// lasts one tick.
constexpr int animframeticks(uint8_t d) { return d + 1 > 129 ? 1 : d + 1; }

// Elapsed milliseconds as whole ticks: ms * 0.06, rounded to nearest, halves
// to even. Exact for every ms (no floating point).
int64_t animticks(int64_t ms);

// The frame (0..3) shown `ticks` ticks after the animation started. Frame 0
// covers t = 0..n0 of the cycle (t = ticks mod (n0 + n1 + n2 + n3)), frame 1
// up to n0 + n1, and so on.
int animframe(const std::array<uint8_t, 4> &times, int64_t ticks);

// ---- Dialog texts ------------------------------------------------------------
// "World  1": the number in sign-position form (a blank where a minus would go).
QString worldlabel(int entry);
// "Palette to use: #1F": hexadecimal, no leading zeros.
QString palettelabel(int value);

// A frame time typed as decimal text: a whole number n >= 0 gives n mod 256;
// anything else (empty text, a sign, a fraction, letters) gives nothing.
// Blanks around the digits are allowed.
std::optional<uint8_t> animbyte(const QString &text);

} // namespace quib

#include "demorom/demotables.h"

#include "rom/romlayout.h"
#include "graphics/pictures.h"

namespace quib::demo {

namespace {

// Timer values in hundreds: 300, 400 and 200, and 000 for infinite time.
constexpr uint8_t starttimes[rom::starttimecount] = {3, 4, 2, 0};

// Five lives, at most 99 on the start screen, world 1, small.
constexpr uint8_t startlives = 5 - 1;
constexpr uint8_t maxstartlives = 99 - 1;
constexpr uint8_t startworld = 1 - 1;
constexpr uint8_t startstatus = 0;

// One music per option: the level musics first, then the single tunes.
constexpr uint8_t musicset[rom::lvlmusicoptions] = {
    0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, // plain .. special level (A)
    0x90, 0xA0, 0xB0, 0x09, 0x0D, 0x0A, 0x0B, 0x0C, // hilly .. special tune (C)
};

} // namespace

void putgametables(RomImage &rom)
{
    for (int k = 0; k < rom::starttimecount; ++k)
        rom.put(rom::starttimes + k, starttimes[k]);
    rom.put(rom::startlives, startlives);
    rom.put(rom::maxstartlives, maxstartlives);
    rom.put(rom::startworld, startworld);
    rom.put(rom::startstatus, startstatus);
    for (int k = 0; k < rom::lvlmusicoptions; ++k)
        rom.put(rom::lvlmusicset + k, musicset[k]);

    // Object set 0's enemy groups 2 and 3 colour nothing on the maps; they
    // repeat the map sprites' group so that the palette editor shows colours there too.
    const std::array<uint8_t, 16> sprites = pictures::mapspritegroup();
    for (int g = 2; g < 4; ++g)
        rom.putbytes(rom::enmpalgroup(0, g), std::vector<uint8_t>(sprites.begin(), sprites.end()));
}

} // namespace quib::demo

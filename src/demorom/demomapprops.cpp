#include "demorom/demomapprops.h"

#include "demorom/demoworlds.h"
#include "rom/romlayout.h"

#include <stdexcept>

namespace quib::demo {

namespace {

// Per world: the four animation frame times and the two musics. Worlds 1..8
// play their own map music (0x01..0x08) both on entering and on coming back
// from an area; world 9, the warp world, plays the sky music.
struct WorldProps {
    uint8_t anim[4];
    uint8_t entrymusic, returnmusic;
};
constexpr WorldProps worldprops[9] = {
    {{7, 7, 7, 7}, 0x01, 0x01},     // world 1: an even roll
    {{9, 9, 9, 9}, 0x02, 0x02},     // world 2: slow desert shimmer
    {{7, 8, 7, 8}, 0x03, 0x03},     // world 3: waves
    {{10, 8, 10, 8}, 0x04, 0x04},   // world 4
    {{12, 10, 12, 10}, 0x05, 0x05}, // world 5: drifting clouds
    {{8, 8, 8, 8}, 0x06, 0x06},     // world 6
    {{7, 9, 7, 9}, 0x07, 0x07},     // world 7
    {{11, 7, 11, 7}, 0x08, 0x08},   // world 8: flickering fire
    {{9, 9, 9, 9}, 0x09, 0x09},     // world 9
};

} // namespace

void putstartpoints(RomImage &rom)
{
    for (int world = 1; world <= rom::worldcount; ++world) {
        const DemoWorld &w = demoworlds()[size_t(world - 1)];
        int startrow = -1;
        for (int row = 0; row < 9 && startrow < 0; ++row)
            for (int col = 0; col < 16 * w.screens; ++col)
                if (w.rows[size_t(row)][col] == 's') {
                    startrow = row;
                    break;
                }
        if (startrow < 0)
            throw std::logic_error("demo world has no start square");
        rom.put(rom::startpointpos(world), uint8_t(32 + 16 * startrow));
    }
}

void putmapproperties(RomImage &rom)
{
    // Entries past the worlds repeat the worlds' values in turn, so every
    // entry the dialog can reach reads as a sensible one.
    for (int entry = 1; entry <= rom::mappropentries; ++entry) {
        const int world = (entry - 1) % rom::worldcount + 1;
        const WorldProps &p = worldprops[world - 1];
        if (entry > rom::worldcount)
            rom.put(rom::mappalettepos(entry), demoworlds()[size_t(world - 1)].palette);
        for (int k = 0; k < 4; ++k) {
            const int64_t at = rom::mapanimpos(entry, k);
            if (at < rom::bankoffset(12))
                rom.put(at, p.anim[k]);
        }
        rom.put(rom::entrymusicpos(entry), p.entrymusic);
        rom.put(rom::returnmusicpos(entry), p.returnmusic);
    }
}

} // namespace quib::demo

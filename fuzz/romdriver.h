#pragma once
// One ROM image through everything the editor does with a ROM's bytes:
// start-up, every world map, every level area its pointers lead to and the
// areas linked from them, and a save of each back into memory. Shared by the
// libFuzzer target and the smoke test of the normal suite; nothing touches
// the disk.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quib::fuzz {

struct DriverLimits {
    int areas = 256;       // distinct level areas loaded per image, at most
    int linkedsteps = 4;   // linked areas followed from each area entered
};

struct DriverCounts {
    int worlds = 0;
    int areas = 0;  // level areas loaded and drawn
    int saves = 0;  // successful saves into memory
};

// Runs one image. Crashes, sanitizer reports and hangs are the faults it
// finds; it also stops the process (abort) when a save changes the size of
// the image.
DriverCounts runimage(const uint8_t *data, size_t size, const DriverLimits &limits = {});

} // namespace quib::fuzz

// libFuzzer target: every input is a ROM image run through the editor's
// reading and saving paths (see romdriver.h). Build with clang and
// -DQUIB_FUZZ=ON; seed it with the demo ROM (build/mkdemorom corpus/demo.nes).
#include "romdriver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Fewer areas per image than the editor could reach: more images a second.
    quib::fuzz::DriverLimits limits;
    limits.areas = 64;
    quib::fuzz::runimage(data, size, limits);
    return 0;
}

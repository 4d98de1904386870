#pragma once
// A ROM image under construction: the demo ROM builder and the tests put
// their bytes, words and game pointers into it at file offsets.
#include "rom/romlayout.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace quib::demo {

class RomImage {
public:
    // A blank image of the supported layout: iNES header, 256 KB PRG-ROM and
    // 128 KB CHR-ROM, every other byte `fill`.
    explicit RomImage(int64_t size = rom::imagesize, uint8_t fill = 0x00);

    int64_t size() const { return int64_t(bytes_.size()); }
    uint8_t at(int64_t offset) const { return bytes_.at(size_t(offset)); }
    uint16_t wordat(int64_t offset) const { return uint16_t(at(offset) | (at(offset + 1) << 8)); }

    void put(int64_t offset, uint8_t value) { bytes_.at(size_t(offset)) = value; }
    void putword(int64_t offset, uint16_t value); // low byte first
    void putbytes(int64_t offset, const std::vector<uint8_t> &values);
    // A game pointer to `target`: the CPU address target - adder, low byte first.
    void putptr(int64_t offset, int64_t target, int64_t adder);

    const std::vector<uint8_t> &bytes() const { return bytes_; }
    void resize(int64_t size) { bytes_.resize(size_t(size), 0x00); }

    // Writes the image to a file; false with a reason on failure.
    bool save(const QString &path, QString *error = nullptr) const;

private:
    std::vector<uint8_t> bytes_;
};

} // namespace quib::demo

#include "demorom/romimage.h"

#include "rom/romlayout.h"

#include <QSaveFile>
#include <stdexcept>

namespace quib::demo {

RomImage::RomImage(int64_t size, uint8_t fill) : bytes_(size_t(size), fill)
{
    if (size >= 16) {
        // iNES header: magic, 16 x 16 KB PRG, 16 x 8 KB CHR, mapper 4, rest 0.
        const uint8_t header[16] = {'N', 'E', 'S', 0x1A, 0x10, 0x10, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        for (int i = 0; i < 16; ++i)
            bytes_[size_t(i)] = header[i];
    }
}

void RomImage::putword(int64_t offset, uint16_t value)
{
    put(offset, uint8_t(value & 0xFF));
    put(offset + 1, uint8_t(value >> 8));
}

void RomImage::putbytes(int64_t offset, const std::vector<uint8_t> &values)
{
    for (size_t i = 0; i < values.size(); ++i)
        put(offset + int64_t(i), values[i]);
}

void RomImage::putptr(int64_t offset, int64_t target, int64_t adder)
{
    const int64_t address = target - adder;
    if (address < 0 || address > 0xFFFF)
        throw std::out_of_range("pointer target outside the CPU window of its kind");
    putword(offset, uint16_t(address));
}

bool RomImage::save(const QString &path, QString *error) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)
        || f.write(reinterpret_cast<const char *>(bytes_.data()), qint64(bytes_.size())) != qint64(bytes_.size())
        || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

} // namespace quib::demo

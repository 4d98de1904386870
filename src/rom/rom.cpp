#include "rom/rom.h"

#include "rom/romfile.h"

#include <algorithm>

namespace quib {

Rom::Rom(std::vector<uint8_t> image, const QString &name) : path_(name), open_(true), image_(std::move(image)) {}

bool Rom::open(const QString &path, QString *error, const FileCalls &calls)
{
    std::vector<uint8_t> image;
    if (!readwhole(path, &image, error, calls))
        return false;
    path_ = path;
    open_ = true;
    infile_ = true;
    image_.swap(image);
    calls_ = calls;
    return true;
}

bool Rom::reload(QString *error)
{
    if (!infile_) {
        if (error)
            *error = QStringLiteral("%1 has no file to read again.").arg(path_);
        return false;
    }
    return open(path_, error, calls_);
}

std::vector<uint8_t> Rom::readblock(int64_t offset, int count) const
{
    std::vector<uint8_t> out(size_t(std::max(count, 0)), 0xFF);
    for (int i = 0; i < count; ++i) {
        const int64_t at = offset + i;
        if (at >= 0 && at < length())
            out[size_t(i)] = image_[size_t(at)];
    }
    return out;
}

} // namespace quib

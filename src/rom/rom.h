#pragma once
// The ROM the editor works on: the path of its file and its whole image.
//
// The file is read once, when the ROM is opened (and again when the editor
// reloads it after another program changed it); every read comes from the
// image in memory. Every write goes to the file at once, through a write
// operation (RomFile in Write mode) that replaces the file atomically and
// then puts the same bytes into the image, so the image is always the file as
// the editor last read or wrote it.
//
// A Rom made from bytes has no file: writes change only its image. The
// fuzzing harness and the tests work on ROMs made that way.
//
// Reads outside the image give 0xFF, the end marker of every stream in the
// ROM, so a short file can never make a reading loop run away; the image
// never grows or shrinks.
#include "rom/atomicwrite.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace quib {

class Rom {
public:
    // No ROM: every read gives 0xFF and every write fails.
    Rom() = default;
    // A ROM in memory only. `name` is what messages call it.
    explicit Rom(std::vector<uint8_t> image, const QString &name = QStringLiteral("the ROM image in memory"));

    // Reads the file at `path` whole (see readwhole). False, with the reason
    // naming the file in `error`, when it can't; the Rom is then unchanged.
    // `calls` are the system calls this ROM's reads and writes go through.
    bool open(const QString &path, QString *error = nullptr, const FileCalls &calls = FileCalls());
    // Reads the file again, as open does.
    bool reload(QString *error = nullptr);

    bool isopen() const { return open_; }
    bool infile() const { return infile_; }
    // The file, or the name of a ROM in memory.
    const QString &path() const { return path_; }
    int64_t length() const { return int64_t(image_.size()); }
    const std::vector<uint8_t> &image() const { return image_; }
    const FileCalls &calls() const { return calls_; }

    uint8_t readbyte(int64_t offset) const
    {
        return offset >= 0 && offset < length() ? image_[size_t(offset)] : uint8_t(0xFF);
    }
    uint16_t readword(int64_t offset) const { return uint16_t(readbyte(offset) | (readbyte(offset + 1) << 8)); }
    std::vector<uint8_t> readblock(int64_t offset, int count) const;

    // Asked before a write replaces this ROM's file, with the file's path:
    // false refuses the write (nothing is changed on disk or in the image)
    // and `error` says why. The editor keeps a copy of the original this
    // way. A ROM in memory never asks.
    using BeforeWrite = std::function<bool(const QString &path, QString *error)>;
    void setbeforewrite(BeforeWrite hook) { beforewrite_ = std::move(hook); }

private:
    friend class RomFile; // the write operation puts what it wrote into the image

    QString path_;
    bool open_ = false;
    bool infile_ = false;
    std::vector<uint8_t> image_;
    FileCalls calls_;
    BeforeWrite beforewrite_;
};

} // namespace quib

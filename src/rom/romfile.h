#pragma once
// One operation on the ROM: what a loader reads, or what a save or a dialog's
// OK writes.
//
// A reading operation reads the Rom's image in memory. A writing one works
// on a copy of the image: reads see its own writes, and close() puts the
// whole new image into the file through writeatomic (keeping the file's
// permissions and owner) and then into the Rom. A killed program or a full
// disk therefore never leaves half a ROM behind, and the ROM never grows or
// shrinks: a write past its end fails the operation. A Rom without a file
// (one made from bytes) only gets the new image.
#include "rom/atomicwrite.h"
#include "rom/rom.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace quib {

// The largest file the editor opens as a ROM. The supported image is 384 KB;
// a file far larger is not a ROM of this game, and reading it whole would
// only stall the editor.
constexpr int64_t maxromsize = int64_t(16) << 20;

class RomFile {
public:
    enum class Mode { Read, Write };

    // A reading operation.
    explicit RomFile(const Rom &rom);
    // A writing operation (Mode::Write); Mode::Read is the same as above.
    RomFile(Rom &rom, Mode mode);
    // An operation holds on to its Rom: never a temporary one.
    RomFile(const Rom &&) = delete;
    RomFile(Rom &&, Mode) = delete;
    ~RomFile();
    RomFile(const RomFile &) = delete;
    RomFile &operator=(const RomFile &) = delete;

    bool isopen() const { return rom_ != nullptr && rom_->isopen(); }
    const QString &path() const { return rom_->path(); }
    int64_t length() const { return rom_->length(); }

    uint8_t readbyte(int64_t offset) const
    {
        if (mode_ == Mode::Read)
            return rom_->readbyte(offset);
        return offset >= 0 && offset < int64_t(image_.size()) ? image_[size_t(offset)] : uint8_t(0xFF);
    }
    uint16_t readword(int64_t offset) const; // low byte first
    std::vector<uint8_t> readblock(int64_t offset, int count) const;

    // Only in Write mode. A write past the end of the ROM is refused and
    // makes close() fail without touching the file.
    void writebyte(int64_t offset, uint8_t value);
    void writeword(int64_t offset, uint16_t value); // low byte, then high byte

    // Ends the operation. In Write mode, puts the gathered writes into the
    // file and the Rom; returns false (and error() says why, naming the file)
    // when the file could not be written. Nothing is then changed on disk or
    // in the Rom, except when only the last sync of the folder failed: the
    // file and the Rom then hold the new bytes, and error() says so.
    bool close();
    const QString &error() const { return error_; }
    bool changed() const { return changed_; }

private:
    const Rom *rom_ = nullptr;
    Rom *target_ = nullptr; // the Rom a writing operation changes
    Mode mode_ = Mode::Read;
    bool changed_ = false;
    bool closed_ = false;
    std::vector<uint8_t> image_; // the new image, in a writing operation
    QString error_;
};

// Reads the file at `path` whole into `image`. Fails, with the reason naming
// the file in `error`, when it can't be opened, is not a file, is larger than
// maxromsize, or doesn't come back whole: a read cut short, or a file that
// another program shrank or grew while it was read. `image` is then left as
// it was.
bool readwhole(const QString &path, std::vector<uint8_t> *image, QString *error,
               const FileCalls &calls = FileCalls());

// True when the file can be opened as a ROM: it exists, is a regular file,
// can be read, is not empty and not larger than maxromsize. Creates nothing.
bool romusable(const QString &path);

// Why the ROM can't be written, or empty when it can: the system is asked
// whether this process may write the file and its folder (so a file writable
// through its group is). A file or folder without any write permission bit
// counts as read-only even for the superuser, whom the system never refuses.
QString romwriteproblem(const QString &path);

} // namespace quib

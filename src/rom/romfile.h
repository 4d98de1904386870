#pragma once
// The ROM file layer.
//
// Every operation of the editor that touches the ROM opens the file, does all
// its reads and writes, and closes it before it returns: nothing is held open
// or cached between operations, so two successive operations always see each
// other's writes.
//
// One operation is one RomFile: the file is open from its construction to
// close() (or its end). A reading operation fetches the 4 KB pages it touches
// as it goes; a writing one reads the file whole. Reads outside the file give
// 0xFF, the end marker of every stream in the ROM, so a short file can never
// make a reading loop run away. Writes are gathered in memory and applied by
// close(): the whole new image replaces the ROM through writeatomic (see
// editor/atomicwrite.h), keeping its permissions and owner. A killed program
// or a full disk therefore never leaves half a ROM behind, and the ROM never
// grows or shrinks: a write past its end fails the operation.
//
// A RomFile can also work on an image in memory, under the same rules; the
// fuzzing harness runs the editor's whole reading and saving path that way.
#include "rom/atomicwrite.h"

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class QFile;

namespace quib {

// The largest file the editor opens as a ROM. The supported image is 384 KB;
// a file far larger is not a ROM of this game, and reading it whole would
// only stall the editor.
constexpr int64_t maxromsize = int64_t(16) << 20;

class RomFile {
public:
    enum class Mode { Read, Write };

    // Never creates a file: a missing one simply fails to open.
    // A path on which a MemoryRom is mounted works on that image instead.
    // A file larger than maxromsize fails to open. `calls` are the system
    // calls used to read the file whole and to replace it.
    explicit RomFile(const QString &path, Mode mode = Mode::Read, const FileCalls &calls = FileCalls());
    // Over an image in memory: reads come from `image`; in Write mode the
    // writes are gathered and put into `image` by a successful close(). Reads
    // past its end give 0xFF, a write past its end fails the operation, and
    // the image never changes size. `name` is what messages call it.
    explicit RomFile(std::vector<uint8_t> &image, Mode mode = Mode::Read,
                     const QString &name = QStringLiteral("the ROM image in memory"));
    ~RomFile();
    RomFile(const RomFile &) = delete;
    RomFile &operator=(const RomFile &) = delete;

    bool isopen() const { return open_; }
    const QString &path() const { return path_; }
    int64_t length() const { return length_; }

    uint8_t readbyte(int64_t offset) const;
    uint16_t readword(int64_t offset) const; // low byte first
    std::vector<uint8_t> readblock(int64_t offset, int count) const;

    // Only in Write mode. A write past the end of the file is refused and
    // makes close() fail without touching the file.
    void writebyte(int64_t offset, uint8_t value);
    void writeword(int64_t offset, uint16_t value); // low byte, then high byte

    // Ends the operation. In Write mode, puts the gathered writes into the
    // file; returns false (and error() says why, naming the file) when the
    // file could not be written. Nothing is then changed on disk.
    bool close();
    const QString &error() const { return error_; }
    bool changed() const { return changed_; }

private:
    QString path_;
    Mode mode_;
    bool open_ = false;
    bool changed_ = false;
    bool closed_ = false;
    const uint8_t *page(int64_t number) const;

    int64_t length_ = 0;
    std::vector<uint8_t> image_;                 // the whole file, in a writing operation
    std::unique_ptr<QFile> file_;                // open while a reading operation lasts
    std::vector<uint8_t> *memory_ = nullptr;     // the image, when not working on a file
    mutable std::map<int64_t, std::vector<uint8_t>> pages_;
    QString error_;
    FileCalls calls_;
};

// Reads the file at `path` whole into `image`. Fails, with the reason naming
// the file in `error`, when it can't be opened, is larger than maxromsize, or
// doesn't come back whole: a read cut short, or a file that another program
// shrank or grew while it was read. `image` is then left as it was.
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

// While a MemoryRom lives, every RomFile opened on `path` (which need not
// exist as a file) works on `image` instead, and romusable and
// romwriteproblem treat it as a usable, writable ROM. The editor's operations
// take the ROM by its path; this runs them on an image in memory.
class MemoryRom {
public:
    MemoryRom(const QString &path, std::vector<uint8_t> &image);
    ~MemoryRom();
    MemoryRom(const MemoryRom &) = delete;
    MemoryRom &operator=(const MemoryRom &) = delete;

private:
    QString path_;
    std::vector<uint8_t> *previous_;
};

} // namespace quib

#include "rom/romfile.h"

#include "rom/atomicwrite.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quib {

namespace {

// Whether this process may write the file, or create and rename files in the
// folder, judged by the system with the effective user and groups.
bool maywrite(const QString &path, bool folder)
{
#ifdef Q_OS_UNIX
    const int how = folder ? W_OK | X_OK : W_OK;
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), how, AT_EACCESS) == 0;
#else
    Q_UNUSED(folder);
    return QFileInfo(path).isWritable();
#endif
}

constexpr QFileDevice::Permissions anywrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

} // namespace

bool readwhole(const QString &path, std::vector<uint8_t> *image, QString *error, const FileCalls &calls)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("Can't read '%1': %2.").arg(path, why);
        return false;
    };
    if (!QFileInfo(path).isFile())
        return fail(QFileInfo::exists(path) ? QStringLiteral("it is not a file") : QStringLiteral("it does not exist"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const int64_t size = file.size();
    if (size > maxromsize)
        return fail(QStringLiteral("the file is %1 bytes long, far larger than any ROM of this game").arg(size));
    std::vector<uint8_t> bytes(size_t(size) + 1); // one byte more, to see a file that grew
    int64_t got = 0;
#ifdef Q_OS_UNIX
    const int fd = file.handle();
    while (got < int64_t(bytes.size())) {
        const int64_t n = calls.read(fd, bytes.data() + got, int64_t(bytes.size()) - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(QString::fromLocal8Bit(std::strerror(errno)));
        if (n == 0)
            break;
        got += n;
    }
#else
    Q_UNUSED(calls);
    got = file.read(reinterpret_cast<char *>(bytes.data()), int64_t(bytes.size()));
    if (got < 0)
        return fail(file.errorString());
#endif
    if (got < size)
        return fail(QStringLiteral("only %1 of its %2 bytes could be read (was it shortened while the editor had it "
                                   "open?)")
                        .arg(got)
                        .arg(size));
    if (got > size)
        return fail(QStringLiteral("the file grew while it was read"));
    bytes.pop_back();
    image->swap(bytes);
    return true;
}

RomFile::RomFile(const Rom &rom) : rom_(&rom) {}

RomFile::RomFile(Rom &rom, Mode mode) : rom_(&rom), mode_(mode)
{
    if (mode == Mode::Write) {
        target_ = &rom;
        image_ = rom.image();
    }
}

RomFile::~RomFile() = default;

uint16_t RomFile::readword(int64_t offset) const
{
    return uint16_t(readbyte(offset) | (readbyte(offset + 1) << 8));
}

std::vector<uint8_t> RomFile::readblock(int64_t offset, int count) const
{
    std::vector<uint8_t> out(size_t(std::max(count, 0)), 0xFF);
    for (int i = 0; i < count; ++i)
        out[size_t(i)] = readbyte(offset + i);
    return out;
}

void RomFile::writebyte(int64_t offset, uint8_t value)
{
    if (mode_ != Mode::Write || !isopen()) {
        if (error_.isEmpty())
            error_ = isopen() ? QStringLiteral("'%1' was not opened for writing.").arg(path())
                              : QStringLiteral("No ROM is open.");
        return;
    }
    if (offset < 0 || offset >= int64_t(image_.size())) {
        if (error_.isEmpty())
            error_ = QStringLiteral("Can't write to '%1' at offset %2: the file is only %3 bytes long, "
                                    "and the editor never makes a ROM longer.")
                         .arg(path(), QString::number(offset, 16).toUpper(), QString::number(length()));
        return;
    }
    if (image_[size_t(offset)] != value) {
        image_[size_t(offset)] = value;
        changed_ = true;
    }
}

void RomFile::writeword(int64_t offset, uint16_t value)
{
    writebyte(offset, uint8_t(value & 0xFF));
    writebyte(offset + 1, uint8_t(value >> 8));
}

QString romwriteproblem(const QString &path)
{
    const QFileInfo info(followlink(path));
    if (!info.isFile())
        return QStringLiteral("the file does not exist");
    if (!(info.permissions() & anywrite) || !maywrite(info.absoluteFilePath(), false))
        return QStringLiteral("the file is read-only");
    const QFileInfo dir(info.absolutePath());
    if (!(dir.permissions() & anywrite) || !maywrite(dir.absoluteFilePath(), true))
        return QStringLiteral("its folder '%1' is read-only").arg(info.absolutePath());
    return {};
}

bool RomFile::close()
{
    if (closed_)
        return error_.isEmpty();
    closed_ = true;
    if (mode_ == Mode::Read)
        return isopen();
    if (!isopen() && error_.isEmpty())
        error_ = QStringLiteral("No ROM is open.");
    if (!error_.isEmpty())
        return false;
    if (!changed_)
        return true;
    Rom &rom = *target_;
    if (!rom.infile()) {
        rom.image_.swap(image_); // same size: the image never grows or shrinks
        return true;
    }

    const QString target = followlink(rom.path());
    const QString problem = romwriteproblem(target);
    if (!problem.isEmpty()) {
        error_ = QStringLiteral("Can't write to '%1': %2.").arg(rom.path(), problem);
        return false;
    }
    if (rom.beforewrite_ && !rom.beforewrite_(rom.path(), &error_)) {
        if (error_.isEmpty())
            error_ = QStringLiteral("The write to '%1' was refused.").arg(rom.path());
        return false;
    }
    QString why;
    bool replaced = false;
    const bool ok = writeatomic(target, image_.data(), int64_t(image_.size()), &why, rom.calls(), &replaced);
    if (replaced)
        rom.image_.swap(image_);
    if (ok)
        return true;
    if (replaced)
        error_ = QStringLiteral("'%1' was replaced with the new contents, but %2. Saving again tries the sync again.")
                     .arg(rom.path(), why);
    else
        error_ = QStringLiteral("Can't write to '%1': %2.").arg(rom.path(), why);
    return false;
}

bool romusable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || info.size() <= 0 || info.size() > maxromsize)
        return false;
    QFile f(path);
    return f.open(QIODevice::ReadOnly);
}

} // namespace quib

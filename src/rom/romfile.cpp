#include "rom/romfile.h"

#include "rom/atomicwrite.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quib {

namespace {

// Paths on which an image in memory is mounted (see MemoryRom).
QHash<QString, std::vector<uint8_t> *> &mounted()
{
    static QHash<QString, std::vector<uint8_t> *> table;
    return table;
}

std::vector<uint8_t> *mountedimage(const QString &path)
{
    return mounted().value(path, nullptr);
}

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

RomFile::RomFile(const QString &path, Mode mode, const FileCalls &calls) : path_(path), mode_(mode), calls_(calls)
{
    if (std::vector<uint8_t> *image = mountedimage(path)) {
        memory_ = image;
        length_ = int64_t(image->size());
        if (mode == Mode::Write)
            image_ = *image;
        open_ = true;
        return;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        error_ = QStringLiteral("The file '%1' does not exist.").arg(path);
        return;
    }
    if (!info.isFile()) {
        error_ = QStringLiteral("'%1' is not a file.").arg(path);
        return;
    }
    if (info.size() > maxromsize) {
        error_ = QStringLiteral("'%1' is %2 bytes long, far larger than any ROM of this game.")
                     .arg(path, QString::number(info.size()));
        return;
    }
    if (mode == Mode::Write) {
        if (!readwhole(path, &image_, &error_, calls_))
            return;
        length_ = int64_t(image_.size());
        open_ = true;
        return;
    }
    file_ = std::make_unique<QFile>(path);
    if (!file_->open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("Can't read '%1': %2.").arg(path, file_->errorString());
        file_.reset();
        return;
    }
    length_ = file_->size();
    open_ = true;
}

RomFile::RomFile(std::vector<uint8_t> &image, Mode mode, const QString &name)
    : path_(name), mode_(mode), memory_(&image)
{
    length_ = int64_t(image.size());
    if (mode == Mode::Write)
        image_ = image;
    open_ = true;
}

RomFile::~RomFile() = default;

constexpr int64_t pagesize = 4096;

const uint8_t *RomFile::page(int64_t number) const
{
    auto it = pages_.find(number);
    if (it == pages_.end()) {
        std::vector<uint8_t> bytes(size_t(pagesize), 0xFF);
        if (file_ && file_->seek(number * pagesize)) {
            const qint64 got = file_->read(reinterpret_cast<char *>(bytes.data()), pagesize);
            if (got < pagesize)
                std::fill(bytes.begin() + std::max<qint64>(got, 0), bytes.end(), uint8_t(0xFF));
        }
        it = pages_.emplace(number, std::move(bytes)).first;
    }
    return it->second.data();
}

uint8_t RomFile::readbyte(int64_t offset) const
{
    if (!open_ || offset < 0 || offset >= length_)
        return 0xFF;
    if (mode_ == Mode::Write)
        return image_[size_t(offset)];
    if (memory_)
        return (*memory_)[size_t(offset)];
    return page(offset / pagesize)[offset % pagesize];
}

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
    if (mode_ != Mode::Write || !open_) {
        if (error_.isEmpty())
            error_ = QStringLiteral("'%1' was not opened for writing.").arg(path_);
        return;
    }
    if (offset < 0 || offset >= length()) {
        if (error_.isEmpty())
            error_ = QStringLiteral("Can't write to '%1' at offset %2: the file is only %3 bytes long, "
                                    "and the editor never makes a ROM longer.")
                         .arg(path_, QString::number(offset, 16).toUpper(), QString::number(length()));
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
    if (mountedimage(path))
        return {};
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
    file_.reset();
    pages_.clear();
    if (mode_ == Mode::Read)
        return open_;
    if (!open_ || !error_.isEmpty())
        return false;
    if (!changed_)
        return true;
    if (memory_) {
        memory_->swap(image_); // same size: the image never grows or shrinks
        return true;
    }

    const QString target = followlink(path_);
    const QString problem = romwriteproblem(target);
    if (!problem.isEmpty()) {
        error_ = QStringLiteral("Can't write to '%1': %2.").arg(path_, problem);
        return false;
    }
    QString why;
    bool replaced = false;
    if (!writeatomic(target, image_.data(), int64_t(image_.size()), &why, calls_, &replaced)) {
        if (replaced)
            error_ = QStringLiteral("'%1' was replaced with the new contents, but %2. Saving again tries the sync "
                                    "again.")
                         .arg(path_, why);
        else
            error_ = QStringLiteral("Can't write to '%1': %2.").arg(path_, why);
        return false;
    }
    return true;
}

bool romusable(const QString &path)
{
    if (std::vector<uint8_t> *image = mountedimage(path))
        return !image->empty();
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || info.size() <= 0 || info.size() > maxromsize)
        return false;
    QFile f(path);
    return f.open(QIODevice::ReadOnly);
}

MemoryRom::MemoryRom(const QString &path, std::vector<uint8_t> &image)
    : path_(path), previous_(mountedimage(path))
{
    mounted().insert(path, &image);
}

MemoryRom::~MemoryRom()
{
    if (previous_)
        mounted().insert(path_, previous_);
    else
        mounted().remove(path_);
}

} // namespace quib

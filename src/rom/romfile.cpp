#include "rom/romfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace quib {

namespace {

QString targetpath(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

} // namespace

RomFile::RomFile(const QString &path, Mode mode) : path_(path), mode_(mode)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        error_ = QStringLiteral("The file '%1' does not exist.").arg(path);
        return;
    }
    if (!info.isFile()) {
        error_ = QStringLiteral("'%1' is not a file.").arg(path);
        return;
    }
    file_ = std::make_unique<QFile>(path);
    if (!file_->open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("Can't read '%1': %2.").arg(path, file_->errorString());
        file_.reset();
        return;
    }
    length_ = file_->size();
    if (mode == Mode::Write) {
        const QByteArray bytes = file_->readAll();
        image_.assign(bytes.begin(), bytes.end());
        length_ = int64_t(image_.size());
        file_.reset();
    }
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
    const QFileInfo info(targetpath(path));
    if (!info.isFile())
        return QStringLiteral("the file does not exist");
    if (!(info.permissions() & QFileDevice::WriteOwner) || !info.isWritable())
        return QStringLiteral("the file is read-only");
    const QFileInfo dir(info.absolutePath());
    if (!(dir.permissions() & QFileDevice::WriteOwner) || !dir.isWritable())
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

    const QString target = targetpath(path_);
    const QString problem = romwriteproblem(target);
    if (!problem.isEmpty()) {
        error_ = QStringLiteral("Can't write to '%1': %2.").arg(path_, problem);
        return false;
    }
    const QFileInfo before(target);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)
        || out.write(reinterpret_cast<const char *>(image_.data()), qint64(image_.size())) != qint64(image_.size())
        || !out.commit()) {
        error_ = QStringLiteral("Can't write to '%1': %2.").arg(path_, out.errorString());
        return false;
    }
#ifdef Q_OS_UNIX
    // The new file belongs to whoever wrote it; give it back to the ROM's owner.
    if (::geteuid() == 0 && (before.ownerId() != 0 || before.groupId() != 0)) {
        if (::chown(QFile::encodeName(target).constData(), before.ownerId(), before.groupId()) != 0) {
            // The bytes are written; a failed chown only leaves the owner changed.
        }
    }
#endif
    return true;
}

bool romusable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || info.size() <= 0)
        return false;
    QFile f(path);
    return f.open(QIODevice::ReadOnly);
}

} // namespace quib

#include "rom/atomicwrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace quib {

QString followlink(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

namespace {

const QString unfinished = QStringLiteral(".unfinished-save-");
constexpr int uniquechars = 6; // what mkstemp puts in place of XXXXXX

#ifdef Q_OS_UNIX
QString reason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

bool writeall(int fd, const uint8_t *data, int64_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Syncs the folder that holds a file, so that a rename in it is on disk.
// A file system that can't sync folders (EINVAL) has nothing more to do.
bool syncfolder(const QByteArray &folder, const FileCalls &calls, int *err)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *err = errno;
        return false;
    }
    const bool ok = calls.syncfolder(fd) == 0 || errno == EINVAL;
    *err = errno;
    ::close(fd);
    return ok;
}
#endif

} // namespace

FileCalls::FileCalls()
{
#ifdef Q_OS_UNIX
    read = [](int fd, uint8_t *data, int64_t size) { return int64_t(::read(fd, data, size_t(size))); };
    syncfile = [](int fd) { return ::fsync(fd); };
    syncfolder = [](int fd) { return ::fsync(fd); };
#endif
}

QString unfinishedsaveprefix(const QString &path)
{
    const QFileInfo info(followlink(path));
    return QStringLiteral(".") + info.fileName() + unfinished;
}

int removeunfinishedsaves(const QString &path)
{
    const QFileInfo rom(followlink(path));
    const QString prefix = unfinishedsaveprefix(path);
    QDir folder = rom.absoluteDir();
    int removed = 0;
    // Names are compared as they are: a ROM's name may hold wildcard characters.
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (name.size() != prefix.size() + uniquechars || !name.startsWith(prefix))
            continue;
        const QString file = folder.filePath(name);
#ifdef Q_OS_UNIX
        struct stat st {};
        if (::lstat(QFile::encodeName(file).constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
#endif
        if (QFile::remove(file))
            ++removed;
    }
    return removed;
}

bool writeatomic(const QString &path, const uint8_t *data, int64_t size, QString *error, const FileCalls &calls,
                 bool *replaced)
{
    const QString target = followlink(path);
    if (replaced)
        *replaced = false;
#ifdef Q_OS_UNIX
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QByteArray name = QFile::encodeName(target);
    // Owner, group and permissions are read before anything changes.
    struct stat before {};
    const bool existed = ::stat(name.constData(), &before) == 0;
    if (existed && !S_ISREG(before.st_mode))
        return fail(QStringLiteral("it is not a regular file"));

    const QFileInfo info(target);
    QByteArray temp = QFile::encodeName(info.absolutePath() + QLatin1Char('/') + unfinishedsaveprefix(target))
                      + QByteArray(uniquechars, 'X');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(reason(errno));
    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(temp.constData());
        return fail(reason(err));
    };
    if (!writeall(fd, data, size))
        return abandon(errno);
    if (existed) {
        // The new file belongs to whoever writes it: give it the old owner
        // and group, then the old permissions, which a change of owner may
        // have cut.
        struct stat now {};
        if (::fstat(fd, &now) == 0 && (now.st_uid != before.st_uid || now.st_gid != before.st_gid)) {
            // An ordinary user can't give a file away, but may keep its
            // group when they belong to it.
            if (::fchown(fd, before.st_uid, before.st_gid) != 0 && ::fchown(fd, uid_t(-1), before.st_gid) != 0) {
                // The file becomes the writer's, with the writer's group.
            }
        }
        if (::fchmod(fd, before.st_mode & 07777) != 0)
            return abandon(errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd, 0666 & ~mask) != 0)
            return abandon(errno);
    }
    if (calls.syncfile(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        return fail(reason(err));
    }
    if (::rename(temp.constData(), name.constData()) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        return fail(reason(err));
    }
    if (replaced)
        *replaced = true;
    int err = 0;
    if (!syncfolder(QFile::encodeName(info.absolutePath()), calls, &err))
        return fail(QStringLiteral("its folder could not be synced to disk (%1), so its new folder entry may not be "
                                   "on disk yet and a power cut could still bring back the old file")
                        .arg(reason(err)));
    return true;
#else
    Q_UNUSED(calls);
    QSaveFile f(target);
    if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char *>(data), size) != size || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    if (replaced)
        *replaced = true;
    return true;
#endif
}

bool writeatomic(const QString &path, const QByteArray &bytes, QString *error)
{
    return writeatomic(path, reinterpret_cast<const uint8_t *>(bytes.constData()), bytes.size(), error);
}

} // namespace quib

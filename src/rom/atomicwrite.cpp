#include "rom/atomicwrite.h"

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
bool syncfolder(const QByteArray &folder, int *err)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *err = errno;
        return false;
    }
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    *err = errno;
    ::close(fd);
    return ok;
}
#endif

} // namespace

bool writeatomic(const QString &path, const uint8_t *data, int64_t size, QString *error)
{
    const QString target = followlink(path);
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

    QByteArray temp = name + ".XXXXXX";
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
    if (::fsync(fd) != 0)
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
    int err = 0;
    if (!syncfolder(QFile::encodeName(QFileInfo(target).absolutePath()), &err))
        return fail(QStringLiteral("the file was replaced, but its folder could not be synced to disk (%1)")
                        .arg(reason(err)));
    return true;
#else
    QSaveFile f(target);
    if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char *>(data), size) != size || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
#endif
}

bool writeatomic(const QString &path, const QByteArray &bytes, QString *error)
{
    return writeatomic(path, reinterpret_cast<const uint8_t *>(bytes.constData()), bytes.size(), error);
}

} // namespace quib

#include "rom/backup.h"

#include "rom/atomicwrite.h"
#include "rom/romfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <vector>

namespace quib {

namespace {

bool present(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink(); // a dangling link is not ours to write through
}

} // namespace

QString originalpath(const QString &rompath)
{
    return rompath + QStringLiteral(".orig");
}

QString originalindatafolder(const QString &rompath, const QString &datadir)
{
    const QFileInfo info(rompath);
    const QByteArray hash =
        QCryptographicHash::hash(info.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return QDir(datadir).filePath(info.fileName() + QLatin1Char('.') + QString::fromLatin1(hash)
                                  + QStringLiteral(".orig"));
}

KeptOriginal keeporiginal(const QString &rompath, const QString &datadir)
{
    KeptOriginal kept;
    const QString beside = originalpath(rompath);
    const QString elsewhere = datadir.isEmpty() ? QString() : originalindatafolder(rompath, datadir);
    for (const QString &path : {beside, elsewhere})
        if (!path.isEmpty() && present(path)) {
            kept.outcome = KeptOriginal::Outcome::Existing;
            kept.path = path;
            kept.indatafolder = path == elsewhere;
            return kept;
        }

    std::vector<uint8_t> image;
    if (!readwhole(rompath, &image, &kept.error))
        return kept;
    QString why;
    if (writeatomic(beside, image.data(), int64_t(image.size()), &why)) {
        kept.outcome = KeptOriginal::Outcome::Made;
        kept.path = beside;
        return kept;
    }
    kept.error = QStringLiteral("Can't write '%1': %2.").arg(beside, why);
    if (elsewhere.isEmpty())
        return kept;
    QString why2;
    if (!QDir().mkpath(QFileInfo(elsewhere).absolutePath())) {
        kept.error += QStringLiteral(" Can't make the folder '%1'.").arg(QFileInfo(elsewhere).absolutePath());
        return kept;
    }
    if (!writeatomic(elsewhere, image.data(), int64_t(image.size()), &why2)) {
        kept.error += QStringLiteral(" Can't write '%1': %2.").arg(elsewhere, why2);
        return kept;
    }
    kept.outcome = KeptOriginal::Outcome::Made;
    kept.path = elsewhere;
    kept.indatafolder = true;
    kept.error.clear();
    return kept;
}

QString keptmessage(const KeptOriginal &kept)
{
    const QString where = kept.indatafolder ? QDir::toNativeSeparators(kept.path) : QFileInfo(kept.path).fileName();
    return QStringLiteral("Original kept as %1").arg(where);
}

} // namespace quib

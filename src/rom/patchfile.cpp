#include "rom/patchfile.h"

#include "rom/atomicwrite.h"
#include "rom/patch.h"

#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <optional>
#include <vector>

namespace quib {

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// The whole of a regular file, or nothing and the reason.
std::optional<std::vector<uint8_t>> readwhole(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        fail(error, QStringLiteral("%1 does not exist.").arg(path));
        return std::nullopt;
    }
    if (!info.isFile()) {
        fail(error, QStringLiteral("%1 is not a file.").arg(path));
        return std::nullopt;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        fail(error, QStringLiteral("Cannot read %1: %2.").arg(path, f.errorString()));
        return std::nullopt;
    }
    if (f.size() > maxpatchfile) {
        fail(error, QStringLiteral("%1 is larger than 64 MiB, too large for a ROM or a patch.").arg(path));
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(size_t(f.size()));
    const qint64 got = bytes.empty() ? 0 : f.read(reinterpret_cast<char *>(bytes.data()), qint64(bytes.size()));
    if (got != qint64(bytes.size()) || !f.atEnd()) {
        fail(error, QStringLiteral("Cannot read %1: %2.").arg(path, got < 0 ? f.errorString()
                                                                          : QStringLiteral("it changed while being read")));
        return std::nullopt;
    }
    return bytes;
}

// True when both paths name one existing file (links followed).
bool samefile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
    return !ca.isEmpty() && ca == cb;
}

bool writeout(const QString &path, const std::vector<uint8_t> &bytes, QString *error)
{
    QString why;
    if (writeatomic(path, bytes.data(), int64_t(bytes.size()), &why))
        return true;
    return fail(error, QStringLiteral("Cannot write %1: %2.").arg(path, why));
}

} // namespace

bool createpatchfile(const QString &original, const QString &modified, const QString &patch, QString *error)
{
    if (samefile(patch, original) || samefile(patch, modified))
        return fail(error, QStringLiteral("The patch would be written over the ROM file %1.").arg(patch));
    const auto source = readwhole(original, error);
    if (!source)
        return false;
    const auto target = readwhole(modified, error);
    if (!target)
        return false;
    if (patch.endsWith(QStringLiteral(".ips"), Qt::CaseInsensitive)) {
        const auto ips = createips(*source, *target, error);
        return ips && writeout(patch, *ips, error);
    }
    return writeout(patch, createbps(*source, *target), error);
}

bool applypatchfile(const QString &patch, const QString &rom, const QString &output, QString *error)
{
    if (samefile(output, patch))
        return fail(error, QStringLiteral("The result would be written over the patch file %1.").arg(output));
    if (samefile(output, rom))
        return fail(error, QStringLiteral("The result would be written over the ROM file %1; choose another name.").arg(output));
    const auto bytes = readwhole(patch, error);
    if (!bytes)
        return false;
    const auto source = readwhole(rom, error);
    if (!source)
        return false;
    const auto result = applypatch(*bytes, *source, error);
    return result && writeout(output, *result, error);
}

} // namespace quib

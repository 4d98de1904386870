#pragma once
// The one way the editor replaces a file on disk: the ROM and the settings
// file both go through it.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace quib {

// Writes `size` bytes as the new contents of `path` (a symbolic link is
// followed and stays a link). The bytes go to a temporary file in the same
// folder, which is synced to disk, given the old file's permissions and owner
// and renamed over it; then the folder is synced, so the rename itself
// survives a power cut. A crash or a full disk leaves the old file whole and
// no temporary file behind.
//
// Returns true only when the new contents are durably on disk. Otherwise
// `error` gets the system's reason ("No space left on device"), without a
// full stop and without the file's name.
bool writeatomic(const QString &path, const uint8_t *data, int64_t size, QString *error);
bool writeatomic(const QString &path, const QByteArray &bytes, QString *error);

// The file a path names: the target of a symbolic link, else the path itself.
QString followlink(const QString &path);

} // namespace quib

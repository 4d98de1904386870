#pragma once
// The one way the editor replaces a file on disk: the ROM and the settings
// file both go through it.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

namespace quib {

// The system calls through which the ROM layer reads a file whole and
// replaces one. Everything uses the system's own (the default); a test gives
// its own to make one of them fail or come back short.
struct FileCalls {
    std::function<int64_t(int fd, uint8_t *data, int64_t size)> read;
    std::function<int(int fd)> syncfile;   // the new contents, before the rename
    std::function<int(int fd)> syncfolder; // the folder, after the rename
    FileCalls();
};

// Writes `size` bytes as the new contents of `path` (a symbolic link is
// followed and stays a link). The bytes go to a temporary file in the same
// folder, hidden and named as an unfinished save (see unfinishedsavename),
// which is synced to disk, given the old file's permissions and owner and
// renamed over it; then the folder is synced, so the rename itself survives a
// power cut. A full disk leaves the old file whole and no temporary file
// behind; a killed program leaves the old file whole and at worst the
// temporary file, which removeunfinishedsaves takes away.
//
// Returns true only when the new contents are durably on disk. Otherwise
// `error` gets the reason ("No space left on device"), without a full stop
// and without the file's name; `replaced` (when given) tells whether the file
// already holds the new contents, which is the case when only the last sync
// of the folder failed.
bool writeatomic(const QString &path, const uint8_t *data, int64_t size, QString *error,
                 const FileCalls &calls = FileCalls(), bool *replaced = nullptr);
bool writeatomic(const QString &path, const QByteArray &bytes, QString *error);

// The file a path names: the target of a symbolic link, else the path itself.
QString followlink(const QString &path);

// The name of the temporary copy that a save of `path` writes before it
// replaces the file: ".NAME.unfinished-save-" followed by six characters that
// make it unique, in the same folder. This gives the prefix.
QString unfinishedsaveprefix(const QString &path);

// Removes what a killed save of `path` left beside it: regular files of this
// user whose names are exactly an unfinished save's. Nothing else is touched.
// Returns how many were removed.
int removeunfinishedsaves(const QString &path);

} // namespace quib

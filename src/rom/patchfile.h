#pragma once
// Patch files on disk: made from two ROM files, applied to one, the result
// written through writeatomic. The command line and the window both use these.
#include <QString>

namespace quib {

// Writes the patch turning the file `original` into the file `modified` to
// `patch`: IPS when its name ends in .ips (any case), BPS otherwise. The patch
// is never written over either ROM file.
bool createpatchfile(const QString &original, const QString &modified, const QString &patch, QString *error);

// Applies the patch file `patch` to the file `rom` and writes the result to
// `output`, which may be neither of them. A patch that does not apply writes
// nothing; a failed write leaves no partial file.
bool applypatchfile(const QString &patch, const QString &rom, const QString &output, QString *error);

} // namespace quib

#pragma once
// The copy of a ROM file as it was before the editor first wrote to it:
// NAME.orig beside the ROM, made once and never replaced or removed.
#include <QString>

namespace quib {

struct KeptOriginal {
    enum class Outcome {
        Existing, // a copy was kept before; nothing was written
        Made,     // the copy was made now
        Failed,   // no copy could be made; `error` says why
    };
    Outcome outcome = Outcome::Failed;
    QString path; // where the copy is
    bool indatafolder = false;
    QString error;
};

// "NAME.orig" beside the ROM.
QString originalpath(const QString &rompath);
// The copy's place in `datadir` when the ROM's folder takes no new file:
// "NAME.XXXXXXXX.orig", the X's a hash of the ROM's absolute path, so two
// ROMs of one name in different folders keep their own copies.
QString originalindatafolder(const QString &rompath, const QString &datadir);

// Copies the ROM file at `rompath` as it is now, unless a copy exists already
// in either place. The copy goes beside the ROM, else into `datadir` (the
// editor's data folder, created when missing). It is written whole through
// writeatomic, so a failure leaves no half copy; an existing file is never
// written over.
KeptOriginal keeporiginal(const QString &rompath, const QString &datadir);

// The status bar's line for a copy made now: "Original kept as NAME.orig",
// with the full path when it went to the data folder.
QString keptmessage(const KeptOriginal &kept);

} // namespace quib

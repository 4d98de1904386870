#pragma once
// File > Create patch and Apply patch: the file questions and the messages
// around the patch files of the ROM layer. The window only asks about unsaved
// edits first and opens a result.
#include <QString>
#include <functional>

class QWidget;

namespace quib {

// One file dialog: a file to read, or a name to write (`save`).
struct FileQuestion {
    bool save = false;
    QString caption;
    QString initial; // a file or a folder
    QString filter;
};
// The chosen file, empty when cancelled. Replaceable so tests can answer.
using FilePicker = std::function<QString(QWidget *parent, const FileQuestion &question)>;

// The system's file dialog. A name to write typed without an extension gets
// the one of the chosen filter.
QString askfile(QWidget *parent, const FileQuestion &question);

// Asks for the unmodified ROM (its kept original offered first when there
// is one, beside the ROM or in `datadir`) and the patch to write, then
// writes the difference between it and the ROM file at `rompath`. Returns
// the status bar's text, empty when cancelled or refused (refusals are
// shown in a message box).
QString createpatchflow(QWidget *parent, const QString &rompath, const QString &datadir, const FilePicker &pick);

// Asks for a patch and where to write the patched ROM, and applies the patch
// to the ROM file at `rompath`; the result is never written over it. Returns
// the written file, empty when cancelled or refused (shown in a message box).
QString applypatchflow(QWidget *parent, const QString &rompath, const FilePicker &pick);

} // namespace quib

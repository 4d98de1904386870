#pragma once
// Levels > Play ROM: the user's emulator command line, started on the ROM.
#include <QString>
#include <QStringList>
#include <optional>

namespace quib {

// A command split into the program and its arguments.
struct Launch {
    QString program;
    QStringList arguments;
};

// Splits `command` as a shell would split words (double quotes group,
// QProcess::splitCommand) and puts `rompath` wherever an argument holds
// "%f", so a path with spaces stays one argument. A command without "%f"
// gets the path as its last argument. An empty command gives nothing.
std::optional<Launch> emulatorlaunch(const QString &command, const QString &rompath);

// Starts the emulator detached from the editor: it goes on running when the
// editor ends. False when no command is set or the program can't be started;
// `error` then names the program and says why.
bool startemulator(const QString &command, const QString &rompath, QString *error);

} // namespace quib

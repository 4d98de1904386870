#include "editor/playtest.h"

#include <QProcess>

namespace quib {

std::optional<Launch> emulatorlaunch(const QString &command, const QString &rompath)
{
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty())
        return std::nullopt;
    Launch l;
    l.program = words.takeFirst();
    bool placed = false;
    for (QString &w : words)
        if (w.contains(QLatin1String("%f"))) {
            w.replace(QLatin1String("%f"), rompath);
            placed = true;
        }
    if (!placed)
        words << rompath;
    l.arguments = words;
    return l;
}

bool startemulator(const QString &command, const QString &rompath, QString *error)
{
    const std::optional<Launch> l = emulatorlaunch(command, rompath);
    if (!l) {
        if (error)
            *error = QStringLiteral("No emulator command is set.");
        return false;
    }
    QProcess process;
    process.setProgram(l->program);
    process.setArguments(l->arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached())
        return true;
    if (error)
        *error = QStringLiteral("Can't start the emulator '%1': %2.").arg(l->program, process.errorString());
    return false;
}

} // namespace quib

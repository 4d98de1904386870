#include "rom/patchcommand.h"

#include "rom/patchfile.h"

#include <cstdio>

namespace quib {

namespace {

int complain(const QString &why, int code)
{
    std::fprintf(stderr, "quibed: %s\n", qPrintable(why));
    return code;
}

} // namespace

int runpatchcommand(const QStringList &args)
{
    const QString create = QStringLiteral("--create-patch"), apply = QStringLiteral("--apply-patch");
    QStringList files;
    QString command;
    for (const QString &a : args.mid(1)) {
        if (a == create || a == apply) {
            if (!command.isEmpty())
                return complain(QStringLiteral("give one of --create-patch and --apply-patch, once."), 2);
            command = a;
        } else {
            files << a;
        }
    }
    if (command.isEmpty())
        return -1;
    if (files.size() != 3)
        return complain(command == create ? QStringLiteral("--create-patch takes three files: ORIGINAL MODIFIED PATCH.")
                                          : QStringLiteral("--apply-patch takes three files: PATCH ROM OUTPUT."),
                        2);
    QString error;
    const bool ok = command == create ? createpatchfile(files[0], files[1], files[2], &error)
                                      : applypatchfile(files[0], files[1], files[2], &error);
    return ok ? 0 : complain(error, 1);
}

QString patchcommandhelp()
{
    return QStringLiteral(
        "Patches, without a window:\n"
        "  quibed --create-patch ORIGINAL MODIFIED PATCH  writes the difference as PATCH\n"
        "                                                (IPS for a name ending in .ips, else BPS)\n"
        "  quibed --apply-patch PATCH ROM OUTPUT          writes ROM with PATCH applied as OUTPUT");
}

} // namespace quib

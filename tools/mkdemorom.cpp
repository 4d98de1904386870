// Writes the demo ROM: an original ROM image of the layout the editor
// supports, for trying the editor without a ROM of one's own.
#include "demorom/demorom.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() > 2 || args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::printf("usage: mkdemorom [--keep] [FILE]\n"
                    "Writes the demo ROM image to FILE (default quibrom.nes).\n"
                    "With --keep an existing FILE is left as it is.\n");
        return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h")) ? 0 : 2;
    }
    bool keep = false;
    QString path = QStringLiteral("quibrom.nes");
    for (const QString &a : args) {
        if (a == QStringLiteral("--keep"))
            keep = true;
        else
            path = a;
    }
    if (keep && QFileInfo::exists(path)) {
        std::printf("%s exists; left as it is.\n", qPrintable(path));
        return 0;
    }
    QString error;
    if (!quib::demo::builddemorom().save(path, &error)) {
        std::fprintf(stderr, "mkdemorom: can't write %s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    std::printf("Wrote the demo ROM to %s.\n", qPrintable(path));
    return 0;
}

#include "rom/patchcommand.h"
#include "ui/quib.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstring>

namespace {

void describe(QCommandLineParser &p)
{
    p.setApplicationDescription(QStringLiteral(
        "Edits the world maps, level areas and game tables of a Quib ROM image, in place.\n"
        "Without a ROM file it asks for one at start-up."));
    p.setApplicationDescription(p.applicationDescription() + QStringLiteral("\n\n") + quib::patchcommandhelp());
    p.addHelpOption();
    p.addVersionOption();
    p.addPositionalArgument(QStringLiteral("ROM"), QStringLiteral("The ROM file to open."), QStringLiteral("[ROM]"));
}

void name()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quibed"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2, build %3")
                                                .arg(QUIB_VERSION_MAJOR)
                                                .arg(QUIB_VERSION_MINOR, 2, 10, QLatin1Char('0'))
                                                .arg(QUIB_VERSION_REVISION));
}

// Help and version are printed without a display, so they work anywhere.
bool printsonly(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *o : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], o) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    // The patch commands need no window, nor a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const int code = quib::runpatchcommand(arguments); code >= 0)
        return code;
    if (printsonly(argc, argv)) {
        QCoreApplication app(argc, argv);
        name();
        QCommandLineParser p;
        describe(p);
        p.process(app); // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    name();
    QCommandLineParser p;
    describe(p);
    p.process(app);
    const QStringList args = p.positionalArguments();
    if (args.size() > 1) {
        std::fprintf(stderr, "quibed: give at most one ROM file (see --help).\n");
        return 2;
    }
    quib::QuibWindow window;
    if (!window.startup(args.value(0)))
        return 0;
    window.show();
    return app.exec();
}

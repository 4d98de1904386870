#include "rom/patchcommand.h"
#include "ui/quib.h"
#include "widgets/appstyle.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

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

QStringList arguments(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// The one place that decides whether the command line needs a window: only
// opening the editor does. Everything else (help, version, a mistake in the
// command line) prints and ends without touching the window system, so it
// works over ssh and in scripts.
bool needswindow(const QCommandLineParser &p, bool parsed)
{
    return parsed && !p.isSet(QStringLiteral("help")) && !p.isSet(QStringLiteral("help-all"))
           && !p.isSet(QStringLiteral("version")) && p.positionalArguments().size() <= 1;
}

// Runs what needs no window, with the core application only.
int withoutwindow(QCommandLineParser &p, QCoreApplication &app)
{
    p.process(app); // prints help, the version or what is wrong, and ends
    if (p.positionalArguments().size() > 1) {
        std::fprintf(stderr, "quibed: give at most one ROM file (see --help).\n");
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // The patch commands need no window, nor a display.
    if (const int code = quib::runpatchcommand(arguments(argc, argv)); code >= 0)
        return code;
    name();
    QCommandLineParser p;
    describe(p);
    if (!needswindow(p, p.parse(arguments(argc, argv)))) {
        QCoreApplication app(argc, argv);
        return withoutwindow(p, app);
    }
    QApplication app(argc, argv);
    quib::useappstyle(app);
    quib::QuibWindow window;
    if (!window.startup(p.positionalArguments().value(0)))
        return 0;
    window.show();
    return app.exec();
}

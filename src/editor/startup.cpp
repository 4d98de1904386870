#include "editor/startup.h"

#include "editor/editorstate.h"
#include "editor/romlayout.h"

#include <QLocale>

namespace quib {

QString cantopenmessage(const QString &romfile)
{
    return QStringLiteral("File '") + romfile + QStringLiteral("' is either empty or can't be found.");
}

QString romsizewarning(const QString &romfile, int64_t size)
{
    if (size == rom::imagesize)
        return {};
    QLocale english(QLocale::English, QLocale::UnitedStates);
    english.setNumberOptions({});
    const QString expected = english.toString(qlonglong(rom::imagesize));
    const QString actual = english.toString(qlonglong(size));
    if (size < rom::imagesize)
        return QStringLiteral("The file '%1' is %2 bytes long, shorter than the %3 bytes of the supported ROM "
                              "image (16-byte header, 256 KB PRG-ROM, 128 KB CHR-ROM).\n\n"
                              "It is opened anyway: what lies past its end reads as FF, and nothing is ever "
                              "written past its end.")
            .arg(romfile, actual, expected);
    return QStringLiteral("The file '%1' is %2 bytes long, longer than the %3 bytes of the supported ROM "
                          "image (16-byte header, 256 KB PRG-ROM, 128 KB CHR-ROM).\n\n"
                          "It is opened anyway; the bytes past the supported image are kept as they are.")
        .arg(romfile, actual, expected);
}

std::vector<StartupStep> startupsteps()
{
    auto none = [](EditorState &, const ProgressFn &) {};
    return {
        // The ROM location tables are compile-time constants (romlayout.h);
        // their steps only keep the progress bar's rhythm.
        {70000, "CHR block offsets", none},
        {760000, "object-set adders", none},
    };
}

void runstartup(EditorState &state, const Settings &settings, const ProgressFn &progress)
{
    auto report = [&](int32_t value) {
        state.loadprogress = value;
        if (progress)
            progress(value);
    };
    report(5000);
    state.curworld = settings.startmap;
    state.viewmapsprites = settings.viewmapsprites;
    state.viewlvlbg = settings.viewlvlbg;
    report(10000);
    for (const StartupStep &step : startupsteps()) {
        report(step.progress);
        step.build(state, report);
    }
    report(1000000);
    state.hdrofs = true;
}

} // namespace quib

namespace quib {

QString versiontext(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2, Build %3").arg(major).arg(minor, 2, 10, QLatin1Char('0')).arg(revision);
}

QString versiontext()
{
    return versiontext(QUIB_VERSION_MAJOR, QUIB_VERSION_MINOR, QUIB_VERSION_REVISION);
}

} // namespace quib

#include "editor/startup.h"

#include "editor/editorstate.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "graphics/graphics.h"
#include "tables/names.h"
#include "tables/objprops.h"
#include "editor/mapstate.h"
#include "worldmap/loadmap.h"

#include <QFileInfo>
#include <QLocale>

namespace quib {

QString cantopenmessage(const QString &romfile)
{
    return QStringLiteral("File '") + romfile + QStringLiteral("' is either empty or can't be found.");
}

QString romrefusal(const QString &romfile)
{
    const QFileInfo info(romfile);
    if (info.isFile() && info.size() > maxromsize) {
        QLocale english(QLocale::English, QLocale::UnitedStates);
        return QStringLiteral("The file '%1' is %2 bytes long, far larger than the %3 bytes of the supported ROM "
                              "image: it is not a ROM this editor can open.")
            .arg(romfile, english.toString(qlonglong(info.size())), english.toString(qlonglong(rom::imagesize)));
    }
    return romusable(romfile) ? QString() : cantopenmessage(romfile);
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
    // The ROM location tables and the graphic-set table are compile-time
    // constants; their steps only keep the progress bar's rhythm.
    auto none = [](EditorState &, const ProgressFn &) {};
    return {
        {50000, "enemy names", [](EditorState &s, const ProgressFn &) { fillenemynames(s.names); }},
        {70000, "CHR block offsets", none},
        {90000, "map tile names", [](EditorState &s, const ProgressFn &) { fillmaptilenames(s.names); }},
        {120000, "map sprite names", [](EditorState &s, const ProgressFn &) { fillmapspritenames(s.names); }},
        {135000, "item names", [](EditorState &s, const ProgressFn &) { fillitemnames(s.names); }},
        {155000, "music names", [](EditorState &s, const ProgressFn &) { fillmusicnames(s.names); }},
        {170000, "object palettes", [](EditorState &s, const ProgressFn &) { buildobjpal(s.props); }},
        {360000, "index pictures", [](EditorState &s, const ProgressFn &p) { readimages(s.gfx, p); }},
        {600000, "NES colours", [](EditorState &s, const ProgressFn &) { readnespal(s.gfx); }},
        {700000, "palettes", [](EditorState &s, const ProgressFn &) { loadpal(s.gfx, s.rom); }},
        {760000, "object-set adders", none},
        {780000, "object set names", [](EditorState &s, const ProgressFn &) { fillobjsetnames(s.names); }},
        {800000, "graphic set sheets", none},
        {900000, "4-byte objects", [](EditorState &s, const ProgressFn &) { build4byte(s.props); }},
        {950000, "object sizes", [](EditorState &s, const ProgressFn &) { buildobjsizes(s.props); }},
        {970000, "enemy boxes", [](EditorState &s, const ProgressFn &) { buildenemyboxes(s.props); }},
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
    state.gfx.mapcache.fill(64); // no colour has number 64: the first map paint paints every pixel
    for (const StartupStep &step : startupsteps()) {
        report(step.progress);
        step.build(state, report);
    }
    report(1000000);
    state.hdrofs = true;
    loadmap(state);
    buildobjpal(state.props);
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

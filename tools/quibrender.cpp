// quibrender: writes a PNG of a world map of a ROM, drawn exactly as the
// editor draws it, using the core library alone (no window).
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "level/areafile.h"
#include "rom/romfile.h"
#include "editor/startup.h"
#include "graphics/blit.h"
#include "level/drawlevel.h"
#include "level/loadlevel.h"
#include "level/navigate.h"
#include "worldmap/drawmap.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <cstdio>

using namespace quib;

namespace {

// --area FILE: an area file's header and records, drawn with the ROM's
// pattern tiles and palettes. `s.level` is loaded as an area of the file's
// object set first, so everything of the set is prepared; the file's
// header then chooses the graphic set and colours.
bool loadareafile(EditorState &s, const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("can't read '%1': %2").arg(path, file.errorString());
        return false;
    }
    const std::optional<AreaFile> area = readareafile(file.read(1 << 20), error);
    if (!area)
        return false;
    s.level.lvlobjset = area->objset;
    loadlevel(s);
    s.level.document() = arearecords(s.level.document(), *area, s.props);
    for (int page = 0; page < 2; ++page)
        decodechr(s.gfx, s.rom, gfxsetsheet[page][s.level.graphicset()]);
    colorlvlgfx(s.gfx, s.level.lvlobjset, hdrfield(s.level.lvlhdr, HdrField::LevelColours), s.level.graphicset());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quibrender"));
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Writes a PNG picture of a world map or of a level area of a ROM, drawn as the editor draws it.\n"
        "Examples:\n"
        "  quibrender --world 3 --full quibrom.nes world3.png\n"
        "  quibrender --world 1 --pointer 1 --full quibrom.nes level-1-1.png\n"
        "  quibrender --area 1E0D6,C123,1 --background quibrom.nes area.png"));
    p.addHelpOption();
    p.addPositionalArgument(QStringLiteral("rom"), QStringLiteral("The ROM file."));
    p.addPositionalArgument(QStringLiteral("png"), QStringLiteral("The picture to write."));
    QCommandLineOption world({QStringLiteral("w"), QStringLiteral("world")}, QStringLiteral("World 1..9 (default 1)."),
                             QStringLiteral("n"), QStringLiteral("1"));
    QCommandLineOption mode({QStringLiteral("m"), QStringLiteral("mode")},
                            QStringLiteral("Overlay of an editing mode: 0 map editing cursor, 1 map pointers, "
                                           "4 map sprites (default: none)."),
                            QStringLiteral("mode"));
    QCommandLineOption sprites({QStringLiteral("s"), QStringLiteral("sprites")},
                               QStringLiteral("Draw the map sprites in every mode."));
    QCommandLineOption scroll(QStringLiteral("scroll"), QStringLiteral("First column shown (one screen wide)."),
                              QStringLiteral("column"), QStringLiteral("0"));
    QCommandLineOption full({QStringLiteral("f"), QStringLiteral("full")}, QStringLiteral("The whole width of the world."));
    QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("Enlarge by 1..8 (default 1)."),
                             QStringLiteral("n"), QStringLiteral("1"));
    QCommandLineOption pointer(QStringLiteral("pointer"),
                               QStringLiteral("Draw the level area that map pointer n (1, 2, ...) of the world leads into."),
                               QStringLiteral("n"));
    QCommandLineOption area(QStringLiteral("area"),
                            QStringLiteral("Draw the level area at these file offsets (hex) of its object stream and "
                                           "enemy stream, with its object set (hex); or the area of an area file "
                                           "(then the ROM may be left out: the demo ROM's graphics are used)."),
                            QStringLiteral("objects,enemies,set"));
    QCommandLineOption background(QStringLiteral("background"), QStringLiteral("Levels: draw the background."));
    QCommandLineOption sheets(QStringLiteral("sheets"), QStringLiteral("Levels: draw the two pattern sheets on top."));
    QCommandLineOption selection(QStringLiteral("selection"),
                                 QStringLiteral("Levels: mark the first object and describe it on standard output."));
    p.addOptions({world, mode, sprites, scroll, full, scale, pointer, area, background, sheets, selection});
    p.process(app);

    QStringList args = p.positionalArguments();
    const bool areafile = p.isSet(area) && p.value(area).split(QLatin1Char(',')).size() != 3;
    if (areafile && args.size() == 1)
        args.prepend(QString());
    if (args.size() != 2) {
        std::fprintf(stderr, "quibrender: give a ROM file and a PNG file (see --help).\n");
        return 2;
    }
    const int w = p.value(world).toInt();
    const int zoom = p.value(scale).toInt();
    if (w < 1 || w > 9 || zoom < 1 || zoom > 8) {
        std::fprintf(stderr, "quibrender: the world is 1..9 and the scale 1..8.\n");
        return 2;
    }
    if (!args[0].isEmpty() && !romusable(args[0])) {
        std::fprintf(stderr, "quibrender: '%s' is either empty or can't be found.\n", qPrintable(args[0]));
        return 1;
    }

    EditorState s;
    QString error;
    if (args[0].isEmpty())
        s.rom = Rom(demo::builddemorom().bytes(), QStringLiteral("the demo ROM"));
    else if (!s.rom.open(args[0], &error)) {
        std::fprintf(stderr, "quibrender: %s\n", qPrintable(error));
        return 1;
    }
    Settings settings;
    settings.startmap = uint8_t(w);
    settings.viewmapsprites = p.isSet(sprites);
    // Without an overlay, draw the plain map: sprites mode draws only when asked.
    runstartup(s, settings, nullptr);
    int m = p.isSet(mode) ? p.value(mode).toInt() : -1;
    if (p.isSet(mode) && m != 0 && m != 1 && m != 4) {
        std::fprintf(stderr, "quibrender: the mode is 0, 1 or 4.\n");
        return 2;
    }
    // The overlays are draw options: the document and the mode stay as loaded.
    DrawOptions opt;

    Surface out;
    if (p.isSet(pointer) || p.isSet(area)) {
        if (areafile) {
            // Read below, once the view options are set.
        } else if (p.isSet(area)) {
            const QStringList parts = p.value(area).split(QLatin1Char(','));
            bool ok1 = false, ok2 = false, ok3 = false;
            if (parts.size() == 3) {
                s.level.lvlobjpos = parts[0].toInt(&ok1, 16);
                s.level.lvlenmpos = parts[1].toInt(&ok2, 16);
                s.level.lvlobjset = parts[2].toInt(&ok3, 16) & 15;
            }
            if (!ok1 || !ok2 || !ok3) {
                std::fprintf(stderr, "quibrender: --area takes three hex numbers: objects,enemies,set.\n");
                return 2;
            }
        } else {
            const int n = p.value(pointer).toInt();
            if (n < 1 || n > s.map.ptrcount()) {
                std::fprintf(stderr, "quibrender: world %d has pointers 1..%d.\n", w, s.map.ptrcount());
                return 2;
            }
            s.level.lvlobjpos = s.map.pointers[size_t(n - 1)].objpos;
            s.level.lvlenmpos = s.map.pointers[size_t(n - 1)].enmpos;
            s.level.lvlobjset = s.map.pointers[size_t(n - 1)].objset;
        }
        opt.background = p.isSet(background);
        opt.sheets = p.isSet(sheets);
        opt.selection = p.isSet(selection) ? SelectionMark::object : SelectionMark::none;
        if (!areafile)
            loadlevel(s);
        else if (!loadareafile(s, p.value(area), &error)) {
            std::fprintf(stderr, "quibrender: %s\n", qPrintable(error));
            return 1;
        }
        Level &l = s.level;
        const int screens = hdrscreens(l.lvlhdr);
        const int cols = !p.isSet(full) ? 16 : l.vertical() ? 16 : std::min(16 * screens, 256);
        const int rows = !p.isSet(full) ? 15 : l.vertical() ? std::min(15 * screens, 240) : 27;
        if (!p.isSet(full)) {
            l.lvlscrollx = 0;
            l.lvlscrolly = int16_t(l.vertical() ? 0 : 12);
            showobj(l, s.props);
            opt.area = {l.lvlscrollx, l.lvlscrolly, cols, rows};
        } else {
            opt.area = {0, 0, cols, rows};
        }
        out = surfacefor(opt.area);
        drawlevel(out, l, s.props, s.objcells, s.gfx, opt);
        if (p.isSet(selection))
            for (const QString &t : levellabels(s.level, s.names, SelectionMark::object))
                std::printf("%s\n", qPrintable(QString(t).replace(QLatin1Char('\r'), QString())));
        QImage img(reinterpret_cast<const uchar *>(out.px.data()), out.width, out.height, out.width * 4,
                   QImage::Format_RGB32);
        if (!img.scaled(out.width * zoom, out.height * zoom).save(args[1], "PNG")) {
            std::fprintf(stderr, "quibrender: can't write '%s'.\n", qPrintable(args[1]));
            return 1;
        }
        std::printf("Level area %X/%X, object set %d: %d objects, %d enemies, written to %s\n", l.lvlobjpos,
                    l.lvlenmpos, l.lvlobjset, l.objcount(), l.enemycount(), qPrintable(args[1]));
        return 0;
    }

    const int columns = p.isSet(full) ? s.map.width() : 16;
    const int first = p.isSet(full) ? 0 : std::clamp(p.value(scroll).toInt(), 0, int(s.map.mapmaxscroll));
    opt.area = {first, 0, columns, maprows};
    opt.selection = m == ModeMapEditing    ? SelectionMark::mapcursor
        : m == ModeMapPointers             ? SelectionMark::pointer
        : m == ModeMapSprites              ? SelectionMark::sprite
                                           : SelectionMark::none;
    opt.pointerboxes = m == ModeMapPointers;
    opt.mapsprites = m == ModeMapSprites || p.isSet(sprites);
    opt.spriteboxes = m == ModeMapSprites;
    out = surfacefor(opt.area);
    drawmap(out, s.map, w, s.gfx, opt);
    QImage img(reinterpret_cast<const uchar *>(out.px.data()), out.width, out.height, out.width * 4,
               QImage::Format_RGB32);
    QImage result = img.scaled(out.width * zoom, out.height * zoom);
    if (!result.save(args[1], "PNG")) {
        std::fprintf(stderr, "quibrender: can't write '%s'.\n", qPrintable(args[1]));
        return 1;
    }
    std::printf("World %d: %d columns, written to %s\n", w, s.map.width(), qPrintable(args[1]));
    return 0;
}

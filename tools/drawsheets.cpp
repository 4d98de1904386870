// drawsheets: pictures for reviewing the demo ROM's graphics. Writes, for
// a graphic set and a colour group, its two pattern sheets in the four
// palettes; and, for an object set, a catalogue of every object picture its
// definitions write, each cut to the cells written, tiles coloured with the
// object's palette.
#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "rom/romlayout.h"
#include "graphics/graphics.h"
#include "graphics/pictures.h"
#include "objgfx/objcells.h"
#include "tables/objprops.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdio>

using namespace quib;

namespace {

struct RomBytes {
    std::vector<uint8_t> bytes;
    uint8_t at(int64_t o) const { return o >= 0 && o < int64_t(bytes.size()) ? bytes[size_t(o)] : 0; }
};

// Colour value 0..3 of pixel (x, y) of tile t of a graphic set.
int tilepixel(const RomBytes &rom, int gfx, int t, int x, int y)
{
    const int sheet = gfxsetsheet[(t >> 7) & 1][gfx & 31];
    const int64_t base = rom::chrpos[size_t(sheet)] + 16 * (t & 127);
    const int lo = (rom.at(base + y) >> (7 - x)) & 1;
    const int hi = (rom.at(base + 8 + y) >> (7 - x)) & 1;
    return 2 * hi + lo;
}

QRgb colour(const RomBytes &rom, int objset, int group, int pal, int v)
{
    const int ps = objset == 14 ? 3 : objset;
    const uint8_t n = rom.at(rom::palgroup(ps, group) + (v ? 4 * pal + v : 0));
    return QRgb(pictures::nescolour(n));
}

void drawtile(QImage &img, int px, int py, const RomBytes &rom, int gfx, int t, int objset, int group, int pal)
{
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (img.rect().contains(px + x, py + y))
                img.setPixel(px + x, py + y, colour(rom, objset, group, pal, tilepixel(rom, gfx, t, x, y)));
}

QImage sheets(const RomBytes &rom, int gfx, int objset, int group)
{
    QImage img(256 + 8, 256, QImage::Format_RGB32);
    img.fill(Qt::black);
    for (int page = 0; page < 2; ++page)
        for (int pal = 0; pal < 4; ++pal)
            for (int t = 0; t < 128; ++t)
                drawtile(img, page * 136 + 8 * (t % 16), 64 * pal + 8 * (t / 16), rom, gfx, 128 * page + t, objset,
                         group, pal);
    return img;
}

// Every (bank, type) whose picture the set's definitions write, cut to the
// rows and columns written (at most 10 rows and 12 columns shown).
QImage catalogue(const RomBytes &rom, int objset, int gfx, int group)
{
    constexpr uint32_t unwritten = 0x12345678;
    ObjCells cells;
    std::fill(cells.cells.begin(), cells.cells.end(), unwritten);
    loadobjdefs(cells, objset);
    ObjProps props;
    buildobjpal(props);

    struct Pic { int bank, type, rows, cols; };
    std::vector<Pic> pics;
    for (int b = 0; b < 7; ++b)
        for (int t = 0; t < 256; ++t) {
            int rows = 0, cols = 0;
            for (int r = 0; r < 27; ++r)
                for (int c = 0; c < 32; ++c)
                    if (cells.at(b, t, r, c) != unwritten) {
                        rows = std::max(rows, r + 1);
                        cols = std::max(cols, c + 1);
                    }
            // Of a range of 16 like types, show one.
            if (rows && (t < 0x10 || t % 16 == 3))
                pics.push_back({b, t, std::min(rows, 10), std::min(cols, 12)});
        }

    const int cellw = 16 * 13, cellh = 16 * 11 + 12, percol = 8;
    const int lines = (int(pics.size()) + percol - 1) / percol;
    QImage big(percol * cellw, lines * cellh, QImage::Format_RGB32);
    big.fill(QColor(40, 40, 40));
    QPainter text(&big);
    text.setPen(Qt::white);
    for (size_t i = 0; i < pics.size(); ++i) {
        const Pic &p = pics[i];
        const int ox = int(i % percol) * cellw, oy = int(i / percol) * cellh + 12;
        text.drawText(ox, oy - 2, QStringLiteral("%1:%2").arg(p.bank).arg(p.type, 2, 16, QLatin1Char('0')).toUpper());
        const int pal = props.pal(objset, p.bank, p.type) & 3;
        for (int r = 0; r < p.rows; ++r)
            for (int c = 0; c < p.cols; ++c) {
                const uint32_t v = cells.at(p.bank, p.type, r, c);
                const int quarters[4] = {int(v >> 24), int((v >> 16) & 255), int((v >> 8) & 255), int(v & 255)};
                for (int q = 0; q < 4; ++q) {
                    if (v == unwritten || quarters[q] == 0xFF)
                        continue;
                    drawtile(big, ox + 16 * c + 8 * (q & 1), oy + 16 * r + 8 * (q >> 1), rom, gfx, quarters[q], objset,
                             group, pal);
                }
            }
    }
    text.end();
    return big;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no window is ever shown
    QGuiApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Writes PNG pictures of the pattern sheets and object pictures, for review.\n"
        "Examples:\n"
        "  drawsheets --gfx 1 --set 1 sheets1.png\n"
        "  drawsheets --pictures --gfx 1 --set 1 plain.png"));
    p.addHelpOption();
    p.addPositionalArgument(QStringLiteral("png"), QStringLiteral("The picture to write."));
    QCommandLineOption romopt(QStringLiteral("rom"), QStringLiteral("A ROM file (default: the demo ROM)."),
                              QStringLiteral("file"));
    QCommandLineOption gfx(QStringLiteral("gfx"), QStringLiteral("Graphic set 0..31 (default 1)."), QStringLiteral("n"),
                           QStringLiteral("1"));
    QCommandLineOption set(QStringLiteral("set"), QStringLiteral("Object set whose colours to use (default 1)."),
                           QStringLiteral("n"), QStringLiteral("1"));
    QCommandLineOption group(QStringLiteral("group"), QStringLiteral("Level colour group 0..7 (default 0)."),
                             QStringLiteral("n"), QStringLiteral("0"));
    QCommandLineOption pictures(QStringLiteral("pictures"),
                                QStringLiteral("Draw the object set's pictures instead of the sheets."));
    QCommandLineOption list(QStringLiteral("list"),
                             QStringLiteral("List the demo areas (name, object set, object and enemy offsets) and stop."));
    p.addOptions({romopt, gfx, set, group, pictures, list});
    p.process(app);
    if (p.isSet(list)) {
        for (const demo::DemoAreaPlace &a : demo::demoareaplaces())
            std::printf("%-16s %2d %X %X\n", a.name, a.objset, unsigned(a.ref.objpos), unsigned(a.ref.enmpos));
        return 0;
    }
    if (p.positionalArguments().size() != 1) {
        std::fprintf(stderr, "drawsheets: give the PNG file to write (see --help).\n");
        return 2;
    }

    RomBytes rom;
    if (p.isSet(romopt)) {
        QFile f(p.value(romopt));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "drawsheets: can't read '%s'.\n", qPrintable(p.value(romopt)));
            return 1;
        }
        const QByteArray b = f.readAll();
        rom.bytes.assign(b.begin(), b.end());
    } else {
        rom.bytes = demo::builddemorom().bytes();
    }

    const int g = p.value(gfx).toInt() & 31, s = p.value(set).toInt() & 15, c = p.value(group).toInt() & 7;
    const QImage img = p.isSet(pictures) ? catalogue(rom, s, g, c) : sheets(rom, g, s, c).scaled(528, 512);
    if (!img.save(p.positionalArguments()[0], "PNG")) {
        std::fprintf(stderr, "drawsheets: can't write '%s'.\n", qPrintable(p.positionalArguments()[0]));
        return 1;
    }
    return 0;
}

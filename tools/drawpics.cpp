// drawpics: writes PNG files of the built-in world-map pictures for review.
// Grey pictures are written as the program holds them; Map, Maps and Mapb are
// also coloured with a world's colour group, and every world gets a sample
// screen composed from the tiles, plus the start-point preview of one world.
#include "graphics/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QStringList>

#include <cstdio>

using namespace quib;
using namespace quib::pictures;

namespace {

const char *usage =
    "Usage: drawpics [--world N] [--out DIR] [--scale N]\n"
    "\n"
    "Writes PNG files of the built-in world-map pictures into DIR\n"
    "(default /tmp/quibpics), for looking at them:\n"
    "  map.png maps.png mapb.png mfont.png mapanim.png nespal.png\n"
    "                        the pictures as the program holds them (grey)\n"
    "  map-wN.png maps-wN.png mapb-wN.png\n"
    "                        Map, Maps and Mapb coloured with world N's colour\n"
    "                        group (sprites with the sprite group), scaled\n"
    "  tiles-wN.png          the tile sheet of world N, larger, with a grid\n"
    "  mapanim-big.png       the animation frames, larger\n"
    "  sample-w1.png .. sample-w9.png, samples.png\n"
    "                        a sample screen of each world made of the tiles\n"
    "  screen-wN.png         world N's sample in the map screen frame, as the\n"
    "                        start-point preview shows it\n"
    "\n"
    "  --world N   world 1..9 for the coloured pictures (default 1)\n"
    "  --out DIR   output folder (created if missing)\n"
    "  --scale N   enlargement of the coloured pictures (default 2)\n"
    "  --help      this text\n";

QImage toimage(const Surface &s)
{
    QImage img(s.width, s.height, QImage::Format_RGB32);
    for (int y = 0; y < s.height; ++y)
        std::copy(s.row(y), s.row(y) + s.width, reinterpret_cast<uint32_t *>(img.scanLine(y)));
    return img;
}

QImage scaled(const QImage &img, int k)
{
    return img.scaled(img.width() * k, img.height() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

IndexPicture decode(const Surface &grey, int rows)
{
    IndexPicture pic(grey.width, rows);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < grey.width; ++x)
            pic.set(x, y, uint8_t(indexofgrey(grey.at(x, y))));
    return pic;
}

// The sprite strip with its figure row coloured and the rest as it is.
Surface colouredmaps()
{
    Surface s = maps();
    const Surface figs = colourise(decode(s, 16), mapspritegroup());
    std::copy(figs.px.begin(), figs.px.end(), s.px.begin());
    return s;
}

// Copies a 16x16 cell with the sprite drawing of the map view: AND the mask,
// then OR the picture.
void sprite(Surface &dst, const Surface &strip, int sx, int sy, int mx, int my, int dx, int dy)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            if (!dst.contains(dx + x, dy + y))
                continue;
            uint32_t p = dst.at(dx + x, dy + y) & strip.at(mx + x, my + y);
            dst.set(dx + x, dy + y, p | strip.at(sx + x, sy + y) | 0xFF000000u);
        }
}

struct Placed { int type, col, row; };

// A few map sprites per world for the sample screens.
std::vector<Placed> samplesprites(int w)
{
    switch (w) {
    case 1: return {{3, 9, 3}, {5, 3, 2}, {16, 12, 6}};
    case 2: return {{4, 10, 5}, {7, 5, 7}};
    case 3: return {{2, 9, 5}, {15, 14, 2}, {12, 10, 8}};
    case 4: return {{3, 10, 6}, {10, 5, 1}};
    case 5: return {{4, 7, 1}, {8, 13, 2}};
    case 6: return {{3, 9, 6}, {6, 14, 4}};
    case 7: return {{3, 5, 4}, {9, 14, 6}};
    case 8: return {{14, 9, 4}, {13, 12, 1}, {1, 5, 1}};
    default: return {{11, 8, 6}};
    }
}

Surface samplemap(int w)
{
    const Surface tiles = colourise(mapindex(), mapcolourgroup(w));
    const Surface strip = colouredmaps();
    const auto screen = samplescreen(w);
    Surface s(256, 144);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 16; ++c) {
            const int t = screen[size_t(r)][size_t(c)];
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    s.set(16 * c + x, 16 * r + y, tiles.at(16 * (t % 16) + x, 16 * (t / 16) + y));
        }
    if (w < 9)
        for (const Placed &p : samplesprites(w))
            sprite(s, strip, 16 * (p.type - 1), 0, 16 * (p.type - 1), 16, 16 * p.col, 16 * p.row);
    return s;
}

// The start-point preview: frame, map columns 1..14, ground strip, marker, digit.
Surface screen(int w)
{
    const auto group = mapcolourgroup(w);
    Surface s = colourise(frameindex(), group);
    const Surface m = samplemap(w);
    for (int y = 0; y < 144; ++y)
        for (int x = 16; x < 240; ++x)
            s.set(x, 25 + y, m.at(x, y));
    for (int y = 169; y <= 176; ++y)
        for (int x = 16; x <= 239; ++x)
            s.set(x, y, nescolour(group[15]));
    const Surface strip = maps();
    sprite(s, strip, 0, 32, 16, 32, 32, 0x40 - 7);
    const Surface font = colourise(fontindex(), group);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            s.set(48 + x, 194 + y, font.at(8 * w + x, 24 + y));
    return s;
}

QImage tilesheet(int w, int k)
{
    const Surface t = colourise(mapindex(), mapcolourgroup(w));
    const int cell = 16 * k + 1;
    QImage img(16 * cell + 1, 16 * cell + 1, QImage::Format_RGB32);
    img.fill(0xFF303030);
    for (int ty = 0; ty < 16; ++ty)
        for (int tx = 0; tx < 16; ++tx)
            for (int y = 0; y < 16 * k; ++y)
                for (int x = 0; x < 16 * k; ++x)
                    img.setPixel(1 + tx * cell + x, 1 + ty * cell + y, t.at(16 * tx + x / k, 16 * ty + y / k));
    return img;
}

bool save(const QImage &img, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (!img.save(path)) {
        std::fprintf(stderr, "drawpics: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int world = 1, scale = 2;
    QString out = "/tmp/quibpics";
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasvalue = i + 1 < args.size();
        if (a == "--help" || a == "-h") {
            std::fputs(usage, stdout);
            return 0;
        } else if (a == "--world" && hasvalue) {
            world = args[++i].toInt();
        } else if (a == "--out" && hasvalue) {
            out = args[++i];
        } else if (a == "--scale" && hasvalue) {
            scale = args[++i].toInt();
        } else {
            std::fprintf(stderr, "drawpics: unknown argument %s\n\n%s", qPrintable(a), usage);
            return 2;
        }
    }
    if (world < 1 || world > 9 || scale < 1 || scale > 16) {
        std::fprintf(stderr, "drawpics: world must be 1..9 and scale 1..16\n");
        return 2;
    }
    QDir dir(out);
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "drawpics: cannot create %s\n", qPrintable(out));
        return 1;
    }

    const QString wn = QString("-w%1.png").arg(world);
    const auto group = mapcolourgroup(world);
    bool ok = save(toimage(map()), dir, "map.png") && save(toimage(maps()), dir, "maps.png") &&
              save(toimage(mapb()), dir, "mapb.png") && save(toimage(mfont()), dir, "mfont.png") &&
              save(toimage(mapanim()), dir, "mapanim.png") && save(toimage(nespal()), dir, "nespal.png") &&
              save(scaled(toimage(colourise(mapindex(), group)), scale), dir, "map" + wn) &&
              save(scaled(toimage(colouredmaps()), scale), dir, "maps" + wn) &&
              save(scaled(toimage(colourise(frameindex(), group)), scale), dir, "mapb" + wn) &&
              save(tilesheet(world, 3), dir, "tiles" + wn) &&
              save(scaled(toimage(mapanim()), 4 * scale), dir, "mapanim-big.png") &&
              save(scaled(toimage(screen(world)), scale), dir, "screen" + wn);

    QImage all(3 * 256 + 4 * 4, 3 * 144 + 4 * 4, QImage::Format_RGB32);
    all.fill(0xFF202020);
    for (int w = 1; w <= 9 && ok; ++w) {
        const QImage img = toimage(samplemap(w));
        ok = save(scaled(img, scale), dir, QString("sample-w%1.png").arg(w));
        for (int y = 0; y < 144; ++y)
            for (int x = 0; x < 256; ++x)
                all.setPixel(4 + ((w - 1) % 3) * 260 + x, 4 + ((w - 1) / 3) * 148 + y, img.pixel(x, y));
    }
    ok = ok && save(all, dir, "samples.png");
    if (ok)
        std::printf("drawpics: pictures written to %s\n", qPrintable(dir.absolutePath()));
    return ok ? 0 : 1;
}

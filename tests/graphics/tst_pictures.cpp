// The built-in world-map pictures: sizes, the grey encoding the picture
// readers rely on, sprite masks, the font, the named map tiles, the NES colour
// table and the colour groups.
#include "graphics/pictures.h"
#include "tables/names.h"

#include <QTest>

#include <cmath>
#include <set>

Q_DECLARE_METATYPE(quib::Surface)
Q_DECLARE_METATYPE(quib::IndexPicture)

using namespace quib;
using namespace quib::pictures;

namespace {

// The readers' rule: v = packed 0x00BBGGRR / 0x10101, K = (v + 4) / 16
// rounded to the nearest whole number, halves to even.
int readindex(uint32_t pixel)
{
    const uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    const uint32_t packed = (b << 16) | (g << 8) | r;
    const double v = double(packed / 0x10101);
    return int(std::nearbyint((v + 4.0) / 16.0));
}

std::array<uint8_t, 256> tilepixels(const IndexPicture &map, int t)
{
    std::array<uint8_t, 256> px{};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            px[size_t(y * 16 + x)] = map.at(16 * (t % 16) + x, 16 * (t / 16) + y);
    return px;
}

uint8_t tileat(const IndexPicture &map, int t, int x, int y)
{
    return map.at(16 * (t % 16) + x, 16 * (t / 16) + y);
}

bool isgrey(uint32_t p)
{
    return ((p >> 16) & 0xFF) == (p & 0xFF) && ((p >> 8) & 0xFF) == (p & 0xFF);
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void greyencoding_data();
    void greyencoding();
    void spritemasks();
    void font();
    void namedtiles();
    void wateredges_data();
    void wateredges();
    void roadends_data();
    void roadends();
    void nescolours();
    void colourgroups();
    void samplescreens();
    void animation();
};

void TestPictures::sizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("expectedwidth");
    QTest::addColumn<int>("expectedheight");
    auto row = [](const char *name, const Surface &s, int w, int h) { QTest::newRow(name) << s.width << s.height << w << h; };
    row("Map", map(), 256, 256);
    row("Maps", maps(), 256, 48);
    row("Mapb", mapb(), 256, 224);
    row("mFont", mfont(), 128, 128);
    row("mapanim", mapanim(), 48, 64);
    row("Nespal", nespal(), 32, 8);
}

void TestPictures::sizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, expectedwidth);
    QFETCH(int, expectedheight);
    QCOMPARE(width, expectedwidth);
    QCOMPARE(height, expectedheight);
}

void TestPictures::greyencoding_data()
{
    QTest::addColumn<Surface>("grey");
    QTest::addColumn<IndexPicture>("index");
    QTest::addColumn<int>("rows");
    QTest::newRow("Map") << map() << mapindex() << 256;
    QTest::newRow("Maps figures") << maps() << spriteindex() << 16;
    QTest::newRow("Mapb") << mapb() << frameindex() << 224;
    QTest::newRow("mFont") << mfont() << fontindex() << 128;
}

// Every pixel the readers convert is grey, decodes to an index 0..15 that
// re-encodes to the same pixel, and matches the index picture it came from.
void TestPictures::greyencoding()
{
    QFETCH(Surface, grey);
    QFETCH(IndexPicture, index);
    QFETCH(int, rows);
    QCOMPARE(index.width, grey.width);
    std::set<int> seen;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < grey.width; ++x) {
            const uint32_t p = grey.at(x, y);
            QVERIFY2(isgrey(p), qPrintable(QString("(%1,%2)").arg(x).arg(y)));
            const int k = readindex(p);
            QVERIFY(k >= 0 && k <= 15);
            QCOMPARE(greyof(k), p);
            QCOMPARE(indexofgrey(p), k);
            QCOMPARE(int(index.at(x, y)), k);
            seen.insert(k);
        }
    QVERIFY(seen.size() >= 2);
}

// Masks are pure black where the figure is opaque (index not 0) and pure
// white elsewhere; the start marker and its mask agree the same way.
void TestPictures::spritemasks()
{
    constexpr uint32_t black = 0xFF000000u, white = 0xFFFFFFFFu;
    const Surface s = maps();
    for (int type = 1; type <= 16; ++type) {
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 16 * (type - 1); x < 16 * type; ++x) {
                const uint32_t m = s.at(x, 16 + y);
                QVERIFY(m == black || m == white);
                const bool figure = readindex(s.at(x, y)) != 0;
                QCOMPARE(m == black, figure);
                opaque += figure;
            }
        QVERIFY2(opaque >= 20 && opaque < 256, qPrintable(QString("sprite type %1").arg(type)));
    }
    int marker = 0;
    for (int y = 32; y < 48; ++y) {
        for (int x = 0; x < 16; ++x) {
            const uint32_t p = s.at(x, y), m = s.at(16 + x, y);
            QVERIFY(isgrey(p));
            QVERIFY(m == black || m == white);
            QCOMPARE(m == black, p != black);
            marker += p != black;
        }
        for (int x = 32; x < 256; ++x)
            QCOMPARE(s.at(x, y), black);
    }
    QVERIFY(marker >= 20);
}

// Every printable character has a glyph of its own; the digits the map
// screen copies sit at (8n, 24).
void TestPictures::font()
{
    const IndexPicture f = fontindex();
    auto glyph = [&](int c) {
        QByteArray g;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                g.append(char(f.at(8 * (c % 16) + x, 8 * (c / 16) + y)));
        return g;
    };
    auto inked = [](const QByteArray &g) { return int(g.size() - g.count(char(0))); };
    for (int n = 0; n <= 9; ++n) {
        QCOMPARE(glyph('0' + n), glyph(16 * 3 + n)); // '0' + n is at (8n, 24)
        QVERIFY(inked(glyph('0' + n)) >= 8);
    }
    std::set<QByteArray> distinct;
    for (int c = 0x21; c <= 0x7E; ++c) {
        QVERIFY2(inked(glyph(c)) > 0, qPrintable(QString("char %1").arg(c)));
        distinct.insert(glyph(c));
    }
    QCOMPARE(int(distinct.size()), 0x7E - 0x21 + 1);
    QCOMPARE(inked(glyph(' ')), 0);
    for (int c : {0x00, 0x1F, 0x7F, 0xFF})
        QCOMPARE(inked(glyph(c)), 0);
}

// Every named map tile shows something, and tiles with different names look
// different.
void TestPictures::namedtiles()
{
    NameTables names;
    fillmaptilenames(names);
    const QString blank = names.maptilenames[0xFF];
    const IndexPicture map = mapindex();
    std::vector<int> named;
    for (int t = 0; t < 256; ++t) {
        if (names.maptilenames[size_t(t)] == blank)
            continue;
        named.push_back(t);
        const auto px = tilepixels(map, t);
        QVERIFY2(std::set<uint8_t>(px.begin(), px.end()).size() >= 2, qPrintable(names.maptilenames[size_t(t)]));
    }
    QVERIFY(named.size() > 150);
    for (size_t i = 0; i < named.size(); ++i)
        for (size_t j = i + 1; j < named.size(); ++j) {
            const int a = named[i], b = named[j];
            if (names.maptilenames[size_t(a)] == names.maptilenames[size_t(b)])
                continue;
            QVERIFY2(tilepixels(map, a) != tilepixels(map, b),
                     qPrintable(QString("%1 and %2").arg(a, 2, 16).arg(b, 2, 16)));
        }
}

// Water tiles: ground (not water) along exactly the borders the name gives,
// four pixels deep, and in the corners it names, so neighbouring tiles join.
// Sides in the order left, right, top, bottom; corner pieces in the order
// top-left, top-right, bottom-left, bottom-right.
void TestPictures::wateredges_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("sides");
    QTest::addColumn<QString>("pieces");
    const struct { int t; const char *sides, *pieces; } rows[] = {
        {0x82, "111-", "----"}, {0x83, "11-1", "----"}, {0x84, "1-1-", "----"}, {0x85, "--1-", "----"},
        {0x86, "-11-", "----"}, {0x87, "----", "---1"}, {0x88, "----", "--1-"}, {0x89, "----", "--11"},
        {0x8A, "-111", "----"}, {0x8B, "1-11", "----"}, {0x8C, "1---", "----"}, {0x8D, "----", "----"},
        {0x8E, "-1--", "----"}, {0x8F, "----", "-1--"}, {0x90, "----", "1---"}, {0x91, "----", "11--"},
        {0x92, "----", "-1-1"}, {0x93, "----", "1-1-"}, {0x94, "1--1", "----"}, {0x95, "---1", "----"},
        {0x96, "-1-1", "----"}, {0x97, "1---", "---1"}, {0x98, "-1--", "--1-"}, {0x99, "-1-1", "----"},
        {0x9A, "1--1", "----"}, {0x9B, "--1-", "---1"}, {0x9C, "--1-", "--1-"}, {0x9D, "--11", "----"},
        {0x9E, "----", "1--1"}, {0x9F, "----", "-11-"}, {0xA0, "----", "1111"}, {0xA1, "-1--", "----"},
        {0xA2, "11--", "----"}, {0xA3, "1---", "----"}, {0xA4, "1---", "-1--"}, {0xA5, "-1--", "1---"},
        {0xA6, "-11-", "----"}, {0xA7, "1-1-", "----"}, {0xA8, "---1", "-1--"}, {0xA9, "---1", "1---"},
    };
    for (const auto &r : rows)
        QTest::addRow("%02X", r.t) << r.t << QString(r.sides) << QString(r.pieces);
}

void TestPictures::wateredges()
{
    QFETCH(int, tile);
    QFETCH(QString, sides);
    QFETCH(QString, pieces);
    const IndexPicture map = mapindex();
    auto land = [&](int x, int y) {
        const uint8_t k = tileat(map, tile, x, y);
        return k != ix::water && k != ix::foam;
    };
    const bool l = sides[0] == '1', r = sides[1] == '1', t = sides[2] == '1', b = sides[3] == '1';
    // Across the middle of each border: ground 0..3 pixels in, water from 5 in.
    QCOMPARE(land(0, 7) && land(3, 7), l);
    QCOMPARE(land(15, 7) && land(12, 7), r);
    QCOMPARE(land(7, 0) && land(7, 3), t);
    QCOMPARE(land(7, 15) && land(7, 12), b);
    QVERIFY(!land(5, 7) || (l && r));
    QVERIFY(!land(7, 5) || (t && b));
    QVERIFY(!land(10, 7) || (l && r));
    QVERIFY(!land(7, 10) || (t && b));
    // The corner pixels: ground from a side band or a corner piece.
    QCOMPARE(land(0, 0), l || t || pieces[0] == '1');
    QCOMPARE(land(15, 0), r || t || pieces[1] == '1');
    QCOMPARE(land(0, 15), l || b || pieces[2] == '1');
    QCOMPARE(land(15, 15), r || b || pieces[3] == '1');
    // A corner piece is small: the water starts a diagonal step further in.
    if (pieces[0] == '1' && !l && !t)
        QVERIFY(land(1, 1) && !land(4, 4));
    if (pieces[3] == '1' && !r && !b)
        QVERIFY(land(14, 14) && !land(11, 11));
}

// Roads reach the borders they lead to, at the same place on every tile
// (pixels 5..10 across), and no other border.
void TestPictures::roadends_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("ways"); // west, east, north, south
    const struct { int t; const char *ways; } rows[] = {
        {0x44, "WENS"}, {0x45, "WE--"}, {0x46, "--NS"}, {0x47, "WE--"}, {0x48, "--NS"}, {0x49, "WE--"},
        {0x4A, "WENS"}, {0x66, "WE--"}, {0xD9, "WENS"}, {0xDA, "WE--"}, {0xDB, "--NS"}, {0xDC, "WE--"},
        {0xDD, "--NS"}, {0xDE, "WENS"}, {0x57, "W---"}, {0x58, "-E--"}, {0x59, "---S"}, {0x5B, "---S"},
        {0x5C, "-E-S"}, {0x5A, "---S"},
    };
    for (const auto &r : rows)
        QTest::addRow("%02X", r.t) << r.t << QString(r.ways);
}

void TestPictures::roadends()
{
    QFETCH(int, tile);
    QFETCH(QString, ways);
    const IndexPicture map = mapindex();
    auto paved = [&](int x, int y) {
        const uint8_t k = tileat(map, tile, x, y);
        return k == ix::road || k == ix::edge || k == ix::stone || k == ix::stonedark || k == ix::black;
    };
    const int at[4][2] = {{0, 7}, {15, 7}, {7, 0}, {7, 15}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(paved(at[i][0], at[i][1]), ways[i] != '-');
        if (ways[i] == '-')
            continue;
        // the road's edges lie within pixels 5..10 across the border
        for (int a = 0; a < 16; ++a) {
            const int x = i < 2 ? at[i][0] : a, y = i < 2 ? a : at[i][1];
            if (a < 5 || a > 10)
                QVERIFY2(!paved(x, y) || tileat(map, tile, x, y) == ix::black,
                         qPrintable(QString("%1,%2").arg(x).arg(y)));
        }
    }
}

// Nespal carries exactly the NES colour table, colour n at (n % 16, n / 16).
void TestPictures::nescolours()
{
    const uint32_t table[64] = {
        0x737373, 0x21188C, 0x0000AD, 0x42009C, 0x8C0073, 0xAD0010, 0xA50000, 0x7B0800,
        0x422900, 0x004200, 0x005200, 0x003910, 0x18395A, 0x000000, 0x181818, 0x000000,
        0xBDBDBD, 0x0073EF, 0x2139EF, 0x8400F7, 0xBD00BD, 0xE7005A, 0xDE2900, 0xCE4A08,
        0x8C7300, 0x009400, 0x00AD00, 0x009439, 0x00848C, 0x212121, 0x000000, 0x000000,
        0xFFFFFF, 0x39BDFF, 0x5A94FF, 0xA58CFF, 0xF77BFF, 0xFF73B5, 0xFF7363, 0xFF9C39,
        0xF7BD39, 0x84D610, 0x4ADE4A, 0x5AFF9C, 0x00EFDE, 0x848484, 0x000000, 0x000000,
        0xFFFFFF, 0xADE7FF, 0xC6D6FF, 0xD6CEFF, 0xFFC6FF, 0xFFC6DE, 0xFFBDB5, 0xFFDEAD,
        0xFFE7A5, 0xE7FFA5, 0xADF7CE, 0xB5FFCE, 0x9CFFF7, 0xD6D6D6, 0x000000, 0x000000,
    };
    const Surface s = nespal();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool entry = x < 16 && y < 4;
            const uint32_t want = 0xFF000000u | (entry ? table[16 * y + x] : 0);
            QCOMPARE(s.at(x, y), want);
        }
    for (int n = 0; n < 64; ++n)
        QCOMPARE(nescolour(n), 0xFF000000u | table[n]);
}

// The colour groups are NES colour numbers; each world looks different; the
// sprites' colour 0 is black so that OR-drawing leaves the map showing.
void TestPictures::colourgroups()
{
    std::set<std::array<uint8_t, 16>> worlds;
    for (int w = 1; w <= 9; ++w) {
        const auto g = mapcolourgroup(w);
        for (uint8_t c : g)
            QVERIFY(c <= 0x3F);
        QVERIFY(g[ix::ground] != g[ix::water]);
        QVERIFY(nescolour(g[ix::ground]) != nescolour(g[ix::black]));
        worlds.insert(g);
    }
    QCOMPARE(int(worlds.size()), 9);
    QCOMPARE(nescolour(mapspritegroup()[0]), 0xFF000000u);
}

// The sample screens use only named tiles.
void TestPictures::samplescreens()
{
    NameTables names;
    fillmaptilenames(names);
    for (int w = 1; w <= 9; ++w)
        for (const auto &row : samplescreen(w))
            for (uint8_t t : row)
                QVERIFY2(names.maptilenames[t] != names.maptilenames[0xFF],
                         qPrintable(QString("world %1 tile %2").arg(w).arg(t, 2, 16)));
}

// The four animation frames differ from each other.
void TestPictures::animation()
{
    const Surface a = mapanim();
    std::set<std::vector<uint32_t>> frames;
    for (int f = 0; f < 4; ++f)
        frames.insert(std::vector<uint32_t>(a.px.begin() + 48 * 16 * f, a.px.begin() + 48 * 16 * (f + 1)));
    QCOMPARE(int(frames.size()), 4);
}

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"

// The NES colour table, the palette table of the ROM, the built-in map
// pictures and their recolouring for a world.
#include "demorom/romimage.h"
#include "rom/romlayout.h"
#include "graphics/graphics.h"
#include "graphics/pictures.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quib;

namespace {

// Every byte of the palette table and the 64 bytes after it differs from
// its neighbours 1, 16, 128 and 192 bytes away, and is an NES colour number.
uint8_t patternat(int64_t offset) { return uint8_t(offset % 61); }

constexpr int64_t tablestart = 0x36BE2;
constexpr int64_t tableend = 0x377E2; // 16 records of 192 bytes

demo::RomImage patternrom()
{
    demo::RomImage img;
    for (int64_t o = tablestart - 16; o < tableend + 80; ++o)
        img.put(o, patternat(o));
    return img;
}

// An index picture whose pixel (x, y) has index (x + y) % 16.
IndexPicture diagonal(int w, int h)
{
    IndexPicture pic(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pic.set(x, y, uint8_t((x + y) % 16));
    return pic;
}

constexpr uint32_t marker = 0xFF123456u; // no NES colour

} // namespace

class TestPalettes : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    std::unique_ptr<Graphics> g;

private slots:
    void init()
    {
        rompath = dir.filePath(QStringLiteral("rom.nes"));
        QVERIFY(patternrom().save(rompath));
        g = std::make_unique<Graphics>();
        readnespal(*g);
    }

    void nescolours_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<uint32_t>("colour");
        QTest::newRow("0x00 grey") << 0x00 << 0xFF737373u;
        QTest::newRow("0x16 red") << 0x16 << 0xFFDE2900u;
        QTest::newRow("0x3D light grey") << 0x3D << 0xFFD6D6D6u;
        QTest::newRow("0xFF past the table") << 0xFF << 0xFF000000u;
    }
    void nescolours()
    {
        QFETCH(int, number);
        QFETCH(uint32_t, colour);
        QCOMPARE(g->nescol[size_t(number)], colour);
    }

    void greyrule_data()
    {
        QTest::addColumn<uint32_t>("pixel");
        QTest::addColumn<int>("index");
        QTest::newRow("black") << 0xFF000000u << 0;
        QTest::newRow("grey 4, half rounds down to 0") << 0xFF040404u << 0;
        QTest::newRow("grey 12 is index 1") << 0xFF0C0C0Cu << 1;
        QTest::newRow("grey 20, half rounds up to 2") << 0xFF141414u << 2;
        QTest::newRow("grey 36, half rounds down to 2") << 0xFF242424u << 2;
        QTest::newRow("grey 52, half rounds up to 4") << 0xFF343434u << 4;
        QTest::newRow("grey 236 is index 15") << 0xFFECECECu << 15;
        QTest::newRow("white stays 15") << 0xFFFFFFFFu << 15;
        QTest::newRow("pure red packs low") << 0xFFFF0000u << 0;
        QTest::newRow("pure blue packs high") << 0xFF0000FFu << 15;
    }
    void greyrule()
    {
        QFETCH(uint32_t, pixel);
        QFETCH(int, index);
        QCOMPARE(int(greyindex(pixel)), index);
    }

    void readimagesroundtrip()
    {
        std::vector<int32_t> steps;
        readimages(*g, [&steps](int32_t v) { steps.push_back(v); });
        QCOMPARE(steps, (std::vector<int32_t>{435000, 475000, 550000}));

        // The grey pictures give back the index pictures they were made from.
        QCOMPARE(g->mapidx.width, 256);
        QCOMPARE(g->mapidx.idx, pictures::mapindex().idx);
        QCOMPARE(g->mapsidx.height, 16);
        QCOMPARE(g->mapsidx.idx, pictures::spriteindex().idx);
        QCOMPARE(g->mapbidx.idx, pictures::frameindex().idx);
        QCOMPARE(g->fontidx.idx, pictures::fontindex().idx);
        QCOMPARE(g->mapsgrey.px, pictures::maps().px); // masks and marker kept as built in
        QCOMPARE(g->mapanim.px, pictures::mapanim().px);
        readimages(*g, {}); // no progress receiver
    }

    // Sixteen groups per set: 8..11 are the set's enemy groups, 12..15 the
    // next record's first groups, and for set 15 the bytes after the table.
    void loadgroups_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("i");
        QTest::addColumn<int64_t>("offset");
        QTest::newRow("set 0 group 0") << 0 << 0 << 0 << int64_t(0x36BE2);
        QTest::newRow("set 0 group 7 last byte") << 0 << 7 << 15 << int64_t(0x36C61);
        QTest::newRow("set 0 group 8 is enemy group 0") << 0 << 8 << 0 << int64_t(0x36C62);
        QTest::newRow("set 2 group 11 is enemy group 3") << 2 << 11 << 4 << int64_t(0x36E16);
        QTest::newRow("set 2 group 13 is set 3 group 1") << 2 << 13 << 5 << int64_t(0x36E37);
        QTest::newRow("set 14 group 15 is set 15 group 3") << 14 << 15 << 15 << int64_t(0x37761);
        QTest::newRow("set 15 group 12 past the table") << 15 << 12 << 0 << int64_t(0x377E2);
        QTest::newRow("set 15 group 15 last byte read") << 15 << 15 << 15 << int64_t(0x37821);
    }
    void loadgroups()
    {
        QFETCH(int, set);
        QFETCH(int, group);
        QFETCH(int, i);
        QFETCH(int64_t, offset);
        QVERIFY(loadpal(*g, testutil::openrom(rompath)));
        QCOMPARE(g->lvlpal[set][group][i], patternat(offset));
        if (group >= 8 && group < 12)
            QCOMPARE(g->enmpal[set][group - 8][i], patternat(offset));
    }

    void loadmissingfile()
    {
        g->lvlpal[3][2][1] = 0x2A;
        QVERIFY(!loadpal(*g, testutil::openrom(dir.filePath(QStringLiteral("none.nes")))));
        QCOMPARE(g->lvlpal[3][2][1], uint8_t(0x2A));
    }

    // Only level groups 0..7 and enemy groups 0..3 go back, from the arrays
    // they belong to: edits held in groups 8..15 are never written.
    void savewritesrecordsonly()
    {
        QVERIFY(loadpal(*g, testutil::openrom(rompath)));
        for (int s = 0; s < 16; ++s)
            for (int i = 0; i < 16; ++i) {
                for (int grp = 0; grp < 16; ++grp)
                    g->lvlpal[s][grp][i] = uint8_t(grp < 8 ? 0x80 | (s + grp + i) : 0xEE);
                for (int grp = 0; grp < 4; ++grp)
                    g->enmpal[s][grp][i] = uint8_t(0x40 | (s + grp + i));
            }
        QByteArray expected = testutil::readfile(rompath);
        for (int s = 0; s < 16; ++s)
            for (int i = 0; i < 16; ++i) {
                for (int grp = 0; grp < 8; ++grp)
                    expected[int(tablestart + 192 * s + 16 * grp + i)] = char(0x80 | (s + grp + i));
                for (int grp = 0; grp < 4; ++grp)
                    expected[int(tablestart + 192 * s + 128 + 16 * grp + i)] = char(0x40 | (s + grp + i));
            }
        QString error;
        Rom rom = testutil::openrom(rompath);
        QVERIFY(savepal(*g, rom, &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(testutil::readfile(rompath), expected);

        // Reloading gives the saved records, and groups 8..15 follow them again.
        auto again = std::make_unique<Graphics>();
        QVERIFY(loadpal(*again, testutil::openrom(rompath)));
        QCOMPARE(again->lvlpal[4][6][9], uint8_t(0x80 | 19));
        QCOMPARE(again->lvlpal[4][9][9], uint8_t(0x40 | 14));
        QCOMPARE(again->lvlpal[4][14][9], uint8_t(0x80 | 16));
        QCOMPARE(again->lvlpal[15][12][0], patternat(tableend));
    }

    void savefailureleavesfile()
    {
        const QString path = dir.filePath(QStringLiteral("short.nes"));
        demo::RomImage img = patternrom();
        img.resize(tablestart + 100);
        QVERIFY(img.save(path));
        const QByteArray before = testutil::readfile(path);
        g->lvlpal[0][0][0] = 0x11;
        QString error;
        Rom rom = testutil::openrom(path);
        QVERIFY(!savepal(*g, rom, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(testutil::readfile(path), before);
    }

    // The world's palette byte picks group (low nibble) of set 0's sixteen.
    void worldgroup_data()
    {
        QTest::addColumn<int>("world");
        QTest::addColumn<int>("palbyte");
        QTest::addColumn<int64_t>("groupoffset");
        QTest::newRow("world 1 group 3") << 1 << 0x03 << int64_t(0x36C12);
        QTest::newRow("world 5 high nibble ignored") << 5 << 0xA0 << int64_t(0x36BE2);
        QTest::newRow("world 2 nibble 9: enemy group 1 of set 0") << 2 << 0xF9 << int64_t(0x36C72);
        QTest::newRow("world 9 nibble 14: group 2 of set 1") << 9 << 0x0E << int64_t(0x36CC2);
    }
    void worldgroup()
    {
        QFETCH(int, world);
        QFETCH(int, palbyte);
        QFETCH(int64_t, groupoffset);
        demo::RomImage img = patternrom();
        img.put(rom::mappalette + world, uint8_t(palbyte));
        QVERIFY(img.save(rompath));
        QVERIFY(loadpal(*g, testutil::openrom(rompath)));
        g->mapidx = diagonal(256, 256);
        g->mapsidx = diagonal(256, 16);
        g->map.fill(marker);

        colormap(*g, testutil::openrom(rompath), world);
        for (int k = 0; k < 16; ++k) {
            const uint32_t colour = g->nescol[patternat(groupoffset + k)];
            QCOMPARE(g->map.at(k, 0), colour);
            QCOMPARE(g->map.at(255, 240 + (k + 1) % 16), colour);
            QCOMPARE(g->mapcache[size_t(k)], patternat(groupoffset + k));
            // The sprite figures: enemy group 0 of set 0 whatever the world.
            QCOMPARE(g->maps.at(16 + k, 0), g->nescol[patternat(0x36C62 + k)]);
        }
    }

    // After a palette edit only the pixels of the changed index are painted;
    // the sprite figures are painted whole every time.
    void mapcache()
    {
        QVERIFY(loadpal(*g, testutil::openrom(rompath))); // world 3's palette byte is 0: group 0
        g->mapidx = diagonal(256, 256);
        g->mapsidx = diagonal(256, 16);
        colormap(*g, testutil::openrom(rompath), 3);

        g->map.fill(marker);
        g->maps.fill(marker);
        g->lvlpal[0][0][5] = 0x30;
        colormap(*g, testutil::openrom(rompath), 3);
        for (int y = 0; y < 256; y += 7)
            for (int x = 0; x < 256; x += 3) {
                const int k = (x + y) % 16;
                QCOMPARE(g->map.at(x, y), k == 5 ? g->nescol[0x30] : marker);
            }
        QCOMPARE(g->mapcache[5], uint8_t(0x30));
        QCOMPARE(g->maps.at(3, 4), g->nescol[g->enmpal[0][0][7]]);

        // Nothing changed: nothing painted.
        g->map.fill(marker);
        colormap(*g, testutil::openrom(rompath), 3);
        QCOMPARE(g->map.at(5, 0), marker);
    }

    // The frame and the font: painted in full the first time, then the three
    // caches all hold the world's group.
    void colourframeandfont()
    {
        QVERIFY(loadpal(*g, testutil::openrom(rompath)));
        g->mapbidx = diagonal(256, 224);
        g->fontidx = diagonal(128, 128);
        g->mapb.fill(marker);
        g->mfont.fill(marker);
        colormapb(*g, testutil::openrom(rompath), 4); // palette byte 0: group 0
        for (int k = 0; k < 16; ++k) {
            const uint8_t col = patternat(tablestart + k);
            QCOMPARE(g->mapb.at(k, 0), g->nescol[col]);
            QCOMPARE(g->mapb.at(255, 208 + (k + 1) % 16), g->nescol[col]);
            QCOMPARE(g->mfont.at(127, (k + 1) % 16), g->nescol[col]);
            QCOMPARE(g->mapcache[size_t(k)], col);
            QCOMPARE(g->mapbcache[size_t(k)], col);
            QCOMPARE(g->fontcache[size_t(k)], col);
        }
    }
};

QTEST_GUILESS_MAIN(TestPalettes)
#include "tst_palettes.moc"

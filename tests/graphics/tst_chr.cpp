// Pattern sheets from CHR-ROM: decoding, the tile rule and the level colours.
#include "demorom/romimage.h"
#include "rom/romlayout.h"
#include "graphics/graphics.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <memory>

using namespace quib;

namespace {

// A tile made by hand, bit plane 0 then bit plane 1, and its pixel values
// row by row (value = 2 * plane-1 bit + plane-0 bit, leftmost pixel = bit 7).
const std::vector<uint8_t> tileplanes = {
    0x80, 0x40, 0xFF, 0x00, 0x0F, 0xAA, 0x01, 0x00, // plane 0
    0x80, 0x00, 0x00, 0xFF, 0xF0, 0xCC, 0x01, 0x00, // plane 1
};
const char *const tilevalues[8] = {
    "30000000", "01000000", "11111111", "22222222",
    "22221111", "32103210", "00000003", "00000000",
};
constexpr int tilenonzero = 33;

// Row 5 of the tile as indices in the four palette bands.
const char *const row5bands[4] = {"32103210", "76507650", "BA90BA90", "FED0FED0"};

int hexdigit(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

constexpr uint32_t marker = 0xFF123456u; // no NES colour

// Level header with the colour-group byte 5 and graphic-set byte 7.
std::array<uint8_t, 9> header(uint8_t byte5, uint8_t byte7)
{
    std::array<uint8_t, 9> h{};
    h[5] = byte5;
    h[7] = byte7;
    return h;
}

} // namespace

class TestChr : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    std::unique_ptr<Graphics> g;

    void putrom(int sheet, int tile)
    {
        demo::RomImage img;
        img.putbytes(rom::chrpos[sheet] + 16 * tile, tileplanes);
        QVERIFY(img.save(rompath));
    }

private slots:
    void init()
    {
        rompath = dir.filePath(QStringLiteral("rom.nes"));
        g = std::make_unique<Graphics>();
        readnespal(*g);
    }

    void decode_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("x0");
        QTest::addColumn<int>("y0");
        QTest::newRow("sheet 0 tile 0") << 0 << 0 << 0 << 0;
        QTest::newRow("sheet 9 tile 17") << 9 << 17 << 8 << 8;
        QTest::newRow("sheet 3 tile 0x5C") << 3 << 0x5C << 96 << 40;
        QTest::newRow("sheet 22 tile 127") << 22 << 127 << 120 << 56;
    }
    void decode()
    {
        QFETCH(int, sheet);
        QFETCH(int, tile);
        QFETCH(int, x0);
        QFETCH(int, y0);
        putrom(sheet, tile);
        QCOMPARE(g->sheetdone[sheet], int16_t(0));
        decodechr(*g, testutil::openrom(rompath), sheet);
        QCOMPARE(g->sheetdone[sheet], int16_t(-1));
        const std::vector<uint8_t> &pix = g->sheetpix[sheet];
        QCOMPARE(pix.size(), size_t(128 * 256));
        QCOMPARE(g->gfxo[sheet].width, 128);
        QCOMPARE(g->gfxo[sheet].height, 256);
        auto at = [&pix](int x, int y) { return int(pix[size_t(y) * 128 + x]); };

        for (int r = 0; r < 8; ++r)
            for (int b = 0; b < 8; ++b) {
                const int v = tilevalues[r][b] - '0';
                QCOMPARE(at(x0 + b, y0 + r), v);
                for (int k = 1; k < 4; ++k)
                    QCOMPARE(at(x0 + b, y0 + r + 64 * k), v == 0 ? 0 : 4 * k + v);
            }
        for (int k = 0; k < 4; ++k)
            for (int b = 0; b < 8; ++b)
                QCOMPARE(at(x0 + b, y0 + 5 + 64 * k), hexdigit(row5bands[k][b]));

        // The other 127 tiles are empty in the ROM and stay 0 in every band.
        const auto nonzero = std::count_if(pix.begin(), pix.end(), [](uint8_t v) { return v != 0; });
        QCOMPARE(int(nonzero), 4 * tilenonzero);
    }

    void decodeagain()
    {
        putrom(4, 0);
        decodechr(*g, testutil::openrom(rompath), 4);
        QVERIFY(demo::RomImage().save(rompath));
        decodechr(*g, testutil::openrom(rompath), 4);
        QCOMPARE(std::count(g->sheetpix[4].begin(), g->sheetpix[4].end(), 0), 128 * 256);
    }

    void decodeoutofrange()
    {
        putrom(0, 0);
        decodechr(*g, testutil::openrom(rompath), -1);
        decodechr(*g, testutil::openrom(rompath), sheetcount);
        for (int n = 0; n < sheetcount; ++n) {
            QCOMPARE(g->sheetdone[n], int16_t(0));
            QVERIFY(g->sheetpix[n].empty());
        }
        // No file: nothing decoded, so a later load tries again.
        decodechr(*g, testutil::openrom(dir.filePath(QStringLiteral("none.nes"))), 2);
        QCOMPARE(g->sheetdone[2], int16_t(0));
    }

    void tilerule_data()
    {
        QTest::addColumn<int>("graphicset");
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("palette");
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("G0 T0 p0") << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("G14 T0x35 p1") << 14 << 0x35 << 1 << 3 << 40 << 88;
        QTest::newRow("G3 T0x7F p2") << 3 << 0x7F << 2 << 3 << 120 << 184;
        QTest::newRow("G10 T200 p2: page 2") << 10 << 200 << 2 << 9 << 64 << 160;
        QTest::newRow("G7 T255 p3: page 2") << 7 << 255 << 3 << 22 << 120 << 248;
        QTest::newRow("G28 T0x80 p0") << 28 << 0x80 << 0 << 20 << 0 << 0;
        QTest::newRow("G30 T0x41 p0") << 30 << 0x41 << 0 << 22 << 8 << 32;
    }
    void tilerule()
    {
        QFETCH(int, graphicset);
        QFETCH(int, tile);
        QFETCH(int, palette);
        QFETCH(int, sheet);
        QFETCH(int, x);
        QFETCH(int, y);
        const TileRef ref = leveltile(*g, graphicset, tile, palette);
        QCOMPARE(ref.sheet, &g->gfxo[sheet]);
        QCOMPARE(ref.x, x);
        QCOMPARE(ref.y, y);
    }

    // The palette record is the object set's, except set 14 which takes set
    // 3's; the group is bits 0..2 of header byte 5.
    void levelcolours_data()
    {
        QTest::addColumn<int>("objset");
        QTest::addColumn<int>("byte5");
        QTest::addColumn<QByteArray>("group");
        const QByteArray a("\x0F\x16\x27\x30\x0F\x1A\x2A\x3A\x0F\x12\x00\x32\x0F\x14\x24\x34", 16);
        const QByteArray b("\x21\x01\x11\x31\x21\x06\x16\x26\x21\x09\x19\x29\x21\x0C\x1C\x2C", 16);
        const QByteArray plain(16, '\x05');
        QTest::newRow("set 3 group 2") << 3 << 0x02 << a;
        QTest::newRow("set 3, high bits of byte 5 ignored") << 3 << 0xFA << a;
        QTest::newRow("set 14 uses set 3's record") << 14 << 0x02 << a;
        QTest::newRow("set 13 has its own") << 13 << 0x02 << plain;
        QTest::newRow("set 5 group 7") << 5 << 0x07 << b;
    }
    void levelcolours()
    {
        QFETCH(int, objset);
        QFETCH(int, byte5);
        QFETCH(QByteArray, group);
        std::memset(g->lvlpal, 0x05, sizeof g->lvlpal);
        std::memcpy(g->lvlpal[3][2], "\x0F\x16\x27\x30\x0F\x1A\x2A\x3A\x0F\x12\x00\x32\x0F\x14\x24\x34", 16);
        std::memcpy(g->lvlpal[5][7], "\x21\x01\x11\x31\x21\x06\x16\x26\x21\x09\x19\x29\x21\x0C\x1C\x2C", 16);
        putrom(3, 0);
        decodechr(*g, testutil::openrom(rompath), 3);
        g->gfxo[3].fill(marker);

        const auto hdr = header(uint8_t(byte5), 0xE3); // graphic set 3: sheets 3 and 20
        colorlvlgfx(*g, objset, hdr.data());
        auto colour = [&](int k) { return g->nescol[uint8_t(group[k])]; };
        QCOMPARE(g->lvlbackground, colour(0));
        for (int p = 0; p < 4; ++p)
            for (int b = 0; b < 8; ++b)
                QCOMPARE(g->gfxo[3].at(b, 5 + 64 * p), colour(hexdigit(row5bands[p][b])));
        // Empty tiles show byte 0 of the group in every band.
        for (int p = 0; p < 4; ++p)
            QCOMPARE(g->gfxo[3].at(127, 64 * p + 63), colour(0));
        // Page 2's sheet, never decoded, is there and painted.
        QCOMPARE(g->gfxo[20].width, 128);
        QCOMPARE(g->gfxo[20].at(50, 200), colour(0));
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(g->sheetcache[3][k], uint8_t(group[k]));
            QCOMPARE(g->sheetcache[20][k], uint8_t(group[k]));
        }
    }

    // A second level on the same sheet repaints only the indices whose colour
    // changed, and every index of colour number 0.
    void sharedsheet()
    {
        const uint8_t first[16] = {0x0F, 0x16, 0x27, 0x30, 0x0F, 0x1A, 0x2A, 0x3A,
                                   0x0F, 0x00, 0x22, 0x32, 0x0F, 0x14, 0x24, 0x34};
        uint8_t second[16];
        std::memcpy(second, first, 16);
        second[6] = 0x21;
        std::memcpy(g->lvlpal[3][2], first, 16);
        std::memcpy(g->lvlpal[3][4], second, 16);
        putrom(3, 0);
        decodechr(*g, testutil::openrom(rompath), 3);
        colorlvlgfx(*g, 3, header(2, 3).data());

        g->gfxo[3].fill(marker);
        colorlvlgfx(*g, 3, header(4, 14).data()); // graphic set 14: page 1 is sheet 3 too
        const char *const expect[4] = {
            "--------",      // band 0: 3 2 1 0 unchanged
            "-6--" "-6--",   // band 1: index 6 changed
            "--9-" "--9-",   // band 2: index 9 is colour 0
            "--------",
        };
        for (int p = 0; p < 4; ++p)
            for (int b = 0; b < 8; ++b) {
                const uint32_t px = g->gfxo[3].at(b, 5 + 64 * p);
                if (expect[p][b] == '-')
                    QCOMPARE(px, marker);
                else
                    QCOMPARE(px, g->nescol[second[expect[p][b] - '0']]);
            }
        QCOMPARE(g->gfxo[3].at(127, 255), marker); // index 0 kept its colour
        QCOMPARE(g->sheetcache[3][6], uint8_t(0x21));
        QCOMPARE(g->lvlbackground, g->nescol[0x0F]);
    }
};

QTEST_GUILESS_MAIN(TestChr)
#include "tst_chr.moc"

#include "graphics/graphics.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "tables/gametables.h"

#include <map>
#include <memory>

#include <QTest>

using namespace quib;

// The fixed ROM locations, typed out again from the ROM's description rather
// than copied from romlayout.h, so that a change there can't pass unseen.
class TestRomLayout : public QObject {
    Q_OBJECT
private slots:
    void image()
    {
        QCOMPARE(rom::headersize, 0x10);
        QCOMPARE(rom::chrstart, 0x40010);
        QCOMPARE(rom::imagesize, 393232);
        QCOMPARE(rom::bankoffset(11), 0x16010);
        QCOMPARE(rom::mapdataadder, 0xC010);
        QCOMPARE(rom::enemydataadder, 0x10);
        QCOMPARE(rom::chrblocksize, 2048);
    }

    void objectsets()
    {
        struct Row { int base, bank, low, high; };
        const Row rows[16] = {
            {0xE000, 12, 0x18010, 0x1A00F},  {0x14000, 15, 0x1E010, 0x2000F}, {0x20000, 21, 0x2A010, 0x2C00F},
            {0x16000, 16, 0x20010, 0x2200F}, {0x18000, 17, 0x22010, 0x2400F}, {0x1C000, 19, 0x26010, 0x2800F},
            {0x1A000, 18, 0x24010, 0x2600F}, {0x1A000, 18, 0x24010, 0x2600F}, {0x1A000, 18, 0x24010, 0x2600F},
            {0x1E000, 20, 0x28010, 0x2A00F}, {0x24000, 23, 0x2E010, 0x3000F}, {0x1C000, 19, 0x26010, 0x2800F},
            {0x18000, 17, 0x22010, 0x2400F}, {0x1C000, 19, 0x26010, 0x2800F}, {0x10000, 13, 0x1A010, 0x1C00F},
            {0, 5, 0xA010, 0xC00F},
        };
        for (int s = 0; s < 16; ++s) {
            const Row &r = rows[s];
            QCOMPARE(rom::objsetbase[size_t(s)], r.base);
            QCOMPARE(rom::objsetbase[size_t(s)], 0x2000 * r.bank - 0xA000);
            QCOMPARE(rom::objdatarange(s).low, r.low);
            QCOMPARE(rom::objdatarange(s).high, r.high);
            QCOMPARE(rom::ptrtooffset(0xA000, rom::objadder(s)), r.low);
        }
        QCOMPARE(rom::enemydatarange.low, 0xC010);
        QCOMPARE(rom::enemydatarange.high, 0x1000F);
    }

    void tables()
    {
        const int chr[23] = {0x40010, 0x42010, 0x44010, 0x47010, 0x43010, 0x56010, 0x57010, 0x4C010,
                             0x4D010, 0x5A810, 0x5B810, 0x46010, 0x4E010, 0x49010, 0x4B010, 0x5B010,
                             0x5A010, 0x5C010, 0x4A010, 0x40810, 0x58010, 0x4F810, 0x57810};
        for (int i = 0; i < 23; ++i)
            QCOMPARE(rom::chrpos[size_t(i)], chr[i]);
        const int mapdata[9] = {0x185BA, 0x1864B, 0x1876C, 0x1891D, 0x18A3E, 0x18B5F, 0x18D10, 0x18E31, 0x19072};
        const int mapptr[9] = {0x19437, 0x194B9, 0x195D7, 0x19713, 0x197E3, 0x198E3, 0x19A3D, 0x19B55, 0x19C4F};
        for (int w = 1; w <= 9; ++w) {
            QCOMPARE(rom::mapdatapos_of(w), mapdata[w - 1]);
            QCOMPARE(rom::mapptrpos_of(w), mapptr[w - 1]);
        }
        // Map sprite pointers: field k of world w at 0x16010 + 16k + 2(w - 1).
        QCOMPARE(rom::mapspriteptrpos(1, 1), 0x16020);
        QCOMPARE(rom::mapspriteptrpos(5, 8), 0x1606E);
    }

    void gametables()
    {
        // Palettes: record s at 0x36BE2 + 192s, level groups then enemy groups.
        QCOMPARE(rom::palgroup(0, 0), 0x36BE2);
        QCOMPARE(rom::palgroup(15, 7), 0x36BE2 + 192 * 15 + 16 * 7);
        QCOMPARE(rom::enmpalgroup(2, 3), 0x36BE2 + 192 * 2 + 128 + 48);
        // World-map properties, entry 1, and the start points.
        QCOMPARE(rom::mappalettepos(1), 0x1842D);
        QCOMPARE(rom::mapanimpos(1, 0), 0x17C11);
        QCOMPARE(rom::mapanimpos(1, 3), 0x17C14);
        QCOMPARE(rom::entrymusicpos(1), 0x3C424);
        QCOMPARE(rom::returnmusicpos(1), 0x143CA);
        QCOMPARE(rom::startpointpos(1), 0x3C39A);
        QCOMPARE(rom::startpointpos(9), 0x3C3A2);
        // Object set 7's fixed enemy stream.
        QCOMPARE(rom::objset7enemies, 0xC043);
    }

    // The game-setting tables through the functions their dialogs use, on a
    // ROM of zeros: every value lands at the offset typed here, and nothing
    // else changes.
    void gamesettingswrites()
    {
        Rom image(std::vector<uint8_t>(size_t(rom::imagesize), 0));
        QVERIFY(writestarttimes(image, {0x11, 0x12, 0x13, 0x14}));
        QVERIFY(writestartstatus(image, {0x21, 0x22, 0x23, 0x24}));
        MusicSet music;
        for (int k = 0; k < 16; ++k)
            music[size_t(k)] = uint8_t(0x40 + k);
        QVERIFY(writemusicset(image, music));
        auto g = std::make_unique<Graphics>();
        for (int s = 0; s < 16; ++s)
            for (int i = 0; i < 16; ++i) {
                for (int grp = 0; grp < 8; ++grp)
                    g->lvlpal[s][grp][i] = uint8_t(0x80 | i);
                for (int grp = 0; grp < 4; ++grp)
                    g->enmpal[s][grp][i] = uint8_t(0xC0 | i);
            }
        QVERIFY(savepal(*g, image));

        std::map<int64_t, uint8_t> expected = {
            {0x3D7B8, 0x11}, {0x3D7B9, 0x12}, {0x3D7BA, 0x13}, {0x3D7BB, 0x14}, // timer values
            {0x308E1, 0x21}, {0x35062, 0x22}, {0x30CC3, 0x23}, {0x30CCC, 0x24}, // lives, max, world, status
        };
        for (int k = 0; k < 16; ++k)
            expected[0x3D7BC + k] = uint8_t(0x40 + k); // music of options 1..16, up to 0x3D7CB
        for (int s = 0; s < 16; ++s)
            for (int i = 0; i < 16; ++i) {
                for (int grp = 0; grp < 8; ++grp)
                    expected[0x36BE2 + 192 * s + 16 * grp + i] = uint8_t(0x80 | i);
                for (int grp = 0; grp < 4; ++grp)
                    expected[0x36BE2 + 192 * s + 128 + 16 * grp + i] = uint8_t(0xC0 | i);
            }
        for (int64_t at = 0; at < image.length(); ++at) {
            const auto it = expected.find(at);
            if (image.readbyte(at) != (it == expected.end() ? 0 : it->second))
                QFAIL(qPrintable(QStringLiteral("byte %1 is %2").arg(at, 0, 16).arg(image.readbyte(at), 0, 16)));
        }
        StartTimes times{};
        StartStatus status;
        QVERIFY(readstarttimes(image, times) && readstartstatus(image, status));
        QCOMPARE(int(times[3]), 0x14);
        QCOMPARE(int(status.world), 0x23);
    }
};

QTEST_APPLESS_MAIN(TestRomLayout)
#include "tst_romlayout.moc"

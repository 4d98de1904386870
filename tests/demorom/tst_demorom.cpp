#include "demorom/demorom.h"
#include "demorom/demoworlds.h"
#include "rom/romlayout.h"

#include <QTest>

using namespace quib;

// The demo ROM must hold consistent data at every fixed location, each piece
// inside the room the layout gives it.
class TestDemoRom : public QObject {
    Q_OBJECT
    demo::RomImage rom = demo::builddemorom();

private slots:
    void header()
    {
        QCOMPARE(rom.size(), 393232);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(rom.bytes().data()), 4), QByteArray("NES\x1A"));
        QCOMPARE(int(rom.at(4)), 16); // 16 x 16 KB PRG-ROM
        QCOMPARE(int(rom.at(5)), 16); // 16 x 8 KB CHR-ROM
    }

    // Each world's tiles end in 0xFF inside the room before the next world,
    // whole screens of 144 bytes, with no 0xFF tile before the end.
    void worldmaps()
    {
        for (int w = 1; w <= 9; ++w) {
            const int64_t start = rom::mapdatapos[size_t(w - 1)];
            const int64_t next = w < 9 ? rom::mapdatapos[size_t(w)] : rom::mapptrpos[0];
            int64_t p = start;
            while (p < next && rom.at(p) != 0xFF)
                ++p;
            QVERIFY2(p < next, qPrintable(QStringLiteral("world %1 runs over").arg(w)));
            const int64_t tiles = p - start;
            QCOMPARE(tiles % 144, 0);
            QVERIFY(tiles >= 144 && tiles <= 8 * 144);
        }
    }

    // Pointer tables fit their room, sit on level squares of the map, and
    // their pointers land in the windows of their kinds.
    void mappointers()
    {
        for (int w = 1; w <= 9; ++w) {
            const int64_t base = rom::mapptrpos[size_t(w - 1)];
            const int n = rom.at(base);
            QVERIFY(n > 0 && n != 35);
            if (w < 9)
                QVERIFY(base + 1 + 6 * n <= rom::mapptrpos[size_t(w)]);
            const int64_t mapstart = rom::mapdatapos[size_t(w - 1)];
            for (int i = 0; i < n; ++i) {
                const int b = rom.at(base + 1 + i);
                const int row = b / 16 - 2;
                const int set = b % 16;
                const int col = rom.at(base + 1 + n + i);
                QVERIFY(row >= 0 && row <= 8);
                const int64_t k = 144 * (col / 16) + 16 * row + col % 16;
                const uint8_t tile = rom.at(mapstart + k);
                QVERIFY2(tile != 0x42 && tile != 0x45 && tile != 0x46 && tile != 0xFF,
                         qPrintable(QStringLiteral("world %1 pointer %2 on tile %3").arg(w).arg(i).arg(tile, 0, 16)));
                const int64_t enm = rom.wordat(base + 1 + 2 * n + 2 * i) + rom::enemydataadder;
                QVERIFY(enm >= rom::enemydatarange.low && enm <= rom::enemydatarange.high);
                const int64_t obj = rom.wordat(base + 1 + 4 * n + 2 * i) + rom::objadder(set);
                QVERIFY(obj >= rom::objdatarange(set).low && obj <= rom::objdatarange(set).high);
            }
        }
    }

    // Worlds 1..8 have their five sprite fields in bank 11, on the map.
    void mapsprites()
    {
        for (int w = 1; w <= 8; ++w) {
            for (int k = 1; k <= 5; ++k) {
                const int64_t table = rom.wordat(rom::mapspriteptrpos(k, w)) + rom::mapdataadder;
                QVERIFY(table >= 0x16010 && table + 9 <= 0x18010);
                QVERIFY(table >= 0x16070); // clear of the pointer rows
            }
            const int64_t types = rom.wordat(rom::mapspriteptrpos(4, w)) + rom::mapdataadder;
            const int64_t ys = rom.wordat(rom::mapspriteptrpos(1, w)) + rom::mapdataadder;
            int figures = 0;
            for (int j = 0; j < 9; ++j) {
                const int type = rom.at(types + j);
                QVERIFY(type <= 16);
                if (type) {
                    ++figures;
                    QVERIFY((rom.at(ys + j) - 32) % 16 == 0);
                }
            }
            QVERIFY(figures >= 3);
        }
    }
};

QTEST_APPLESS_MAIN(TestDemoRom)
#include "tst_demorom.moc"

#include "demorom/demorom.h"
#include "editor/presentation.h"
#include "editor/editorstate.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "editor/startup.h"
#include "editor/mapstate.h"
#include "worldmap/drawmap.h"
#include "worldmap/loadmap.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quib;

namespace {

// A world's tile data of `screens` screens, tile k = byte value k % 0xF0.
std::vector<uint8_t> worlddata(int screens, bool endmarker = true)
{
    std::vector<uint8_t> d;
    for (int k = 0; k < 144 * screens; ++k)
        d.push_back(uint8_t(k % 0xF0));
    if (endmarker)
        d.push_back(0xFF);
    return d;
}

// A pointer table at base with the given entries.
struct Ptr {
    uint8_t rowset, col;
    uint16_t enemy, object;
};
void putptrs(demo::RomImage &rom, int64_t base, const std::vector<Ptr> &ptrs, int storedcount = -1)
{
    const int n = storedcount == 35 ? 41 : int(ptrs.size());
    rom.put(base, uint8_t(storedcount >= 0 ? storedcount : n));
    for (int i = 0; i < int(ptrs.size()); ++i) {
        rom.put(base + 1 + i, ptrs[size_t(i)].rowset);
        rom.put(base + 1 + n + i, ptrs[size_t(i)].col);
        rom.putword(base + 1 + 2 * n + 2 * i, ptrs[size_t(i)].enemy);
        rom.putword(base + 1 + 4 * n + 2 * i, ptrs[size_t(i)].object);
    }
}

} // namespace

class TestWorldMap : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString save(const demo::RomImage &rom, const QString &name = QStringLiteral("rom.nes"))
    {
        const QString path = dir.filePath(name);
        rom.save(path);
        return path;
    }

    // An editor brought up on a ROM as start-up does, on world `world`,
    // with the window's first redraw.
    void startup(EditorState &s, const QString &path, int world = 1)
    {
        s.rom = testutil::openrom(path);
        Settings settings;
        settings.startmap = uint8_t(world);
        runstartup(s, settings, nullptr);
        drawmap(s);
    }

private slots:
    void screens_data()
    {
        QTest::addColumn<int>("screens");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<int>("bytesread");
        QTest::addColumn<int>("maxscroll");
        QTest::newRow("one screen") << 1 << true << 145 << 0;
        QTest::newRow("four screens") << 4 << true << 577 << 48;
        QTest::newRow("eight screens") << 8 << true << 1153 << 112;
        QTest::newRow("no end marker within eight screens") << 9 << false << 1152 << 112;
        QTest::newRow("empty world") << 0 << true << 1 << 0;
    }
    void screens()
    {
        QFETCH(int, screens);
        QFETCH(bool, marker);
        QFETCH(int, bytesread);
        QFETCH(int, maxscroll);
        demo::RomImage img;
        img.putbytes(rom::mapdatapos[0], worlddata(screens, marker));
        EditorState s;
        startup(s, save(img));
        RomFile rom(s.rom);
        WorldMap fresh;
        QCOMPARE(readmaptiles(fresh, rom, 1), bytesread);
        QCOMPARE(int(s.map.mapmaxscroll), maxscroll);
        if (screens >= 2) {
            // Byte 150 lands in row 0, column 22 (second screen, column 6).
            QCOMPARE(int(s.map.maptiles[0][22]), 150);
        }
        if (screens >= 8) {
            // The last byte of the eighth screen is the bottom-right tile.
            QCOMPARE(int(s.map.maptiles[8][127]), (144 * 7 + 8 * 16 + 15) % 0xF0);
        }
    }

    void pointers()
    {
        demo::RomImage img;
        const int64_t base = rom::mapptrpos[1];
        putptrs(img, base, {{0x31, 0x05, 0xC195, 0xA123}, {0xAF, 0x7F, 0xC000, 0xA000}, {0x04, 0x10, 0xFFFF, 0xBFFF}});
        const Rom romimage = testutil::openrom(save(img));
        RomFile rom(romimage);
        WorldMap map;
        map.selptr = 2;
        readmapptrs(map, rom, 2);
        QCOMPARE(map.ptrcount(), 3);
        QCOMPARE(int(map.selptr), 0);
        QCOMPARE(int(map.pointers[0].row), 1);
        QCOMPARE(int(map.pointers[0].objset), 1);
        QCOMPARE(int(map.pointers[0].col), 5);
        QCOMPARE(map.pointers[0].enmpos, 0xC1A5);
        QCOMPARE(map.pointers[0].objpos, 0x1E133);
        QCOMPARE(int(map.pointers[1].row), 8);
        QCOMPARE(int(map.pointers[1].objset), 15);
        QCOMPARE(map.pointers[1].objpos, 0xA010);
        // A row nibble above the map stays on row 0.
        QCOMPARE(int(map.pointers[2].row), 0);
        QCOMPARE(map.pointers[2].enmpos, 0x1000F);
    }

    // A stored count of 35 is read as 41, and the table is laid out for 41.
    void count35()
    {
        demo::RomImage img;
        const int64_t base = rom::mapptrpos[2];
        std::vector<Ptr> ptrs(41, Ptr{0x21, 0, 0xC000, 0xA000});
        ptrs[40] = {0x53, 0x33, 0xC123, 0xA456};
        putptrs(img, base, ptrs, 35);
        const Rom romimage = testutil::openrom(save(img));
        RomFile rom(romimage);
        WorldMap map;
        readmapptrs(map, rom, 3);
        QCOMPARE(map.ptrcount(), 41);
        QCOMPARE(int(map.pointers[40].row), 3);
        QCOMPARE(int(map.pointers[40].col), 0x33);
        QCOMPARE(map.pointers[40].enmpos, 0xC133);
    }

    void sprites()
    {
        demo::RomImage img;
        for (int k = 1; k <= 5; ++k) {
            img.putptr(rom::mapspriteptrpos(k, 3), 0x17000 + 16 * k, rom::mapdataadder);
            for (int j = 0; j < 9; ++j)
                img.put(0x17000 + 16 * k + j, uint8_t(16 * k + j));
        }
        const Rom romimage = testutil::openrom(save(img));
        RomFile rom(romimage);
        WorldMap map;
        readmapsprites(map, rom, 3);
        QCOMPARE(int(map.sprites[2].y), 0x12);
        QCOMPARE(int(map.sprites[2].x), 0x2232);
        QCOMPARE(int(map.sprites[8].type), 0x48);
        QCOMPARE(int(map.sprites[0].item), 0x50);
        WorldMap nine;
        readmapsprites(nine, rom, 9);
        QCOMPARE(int(nine.sprites[0].type), 0);
    }

    void pointerlabels()
    {
        demo::RomImage img = demo::builddemorom();
        putptrs(img, rom::mapptrpos[0], {{0x31, 0x05, 0xC195, 0xA123}, {0x22, 0x40, 0xC000, 0xA000}});
        EditorState s;
        startup(s, save(img));
        s.editmode = ModeMapPointers;
        drawmap(s);
        QCOMPARE(infolabels(s)[0], QStringLiteral("Pointer #01"));
        QCOMPARE(infolabels(s)[1], QStringLiteral("X: 05   Y: 01"));
        QCOMPARE(infolabels(s)[2], QStringLiteral("Obj. set: 1 -- Plain"));
        QCOMPARE(infolabels(s)[3], QStringLiteral("Object data: 1E133\n\rEnemy data: C1A5"));
        s.hdrofs = false;
        drawmap(s);
        QCOMPARE(infolabels(s)[3], QStringLiteral("Object data: 1E123\n\rEnemy data: C195"));
        // The selected pointer's yellow box and the others' blue ones.
        QCOMPARE(s.lvl.at(16 * 5, 16), rgb(255, 255, 92));
        QCOMPARE(s.lvl.at(16 * 5 + 1, 17), rgb(255, 255, 160));
        // A selected pointer right of the view draws nowhere and breaks nothing.
        s.map.selptr = 1;
        drawmap(s);
        QCOMPARE(infolabels(s)[0], QStringLiteral("Pointer #02"));
        QCOMPARE(s.lvl.at(16 * 5, 16), rgb(0, 128, 255));
    }

    void world9()
    {
        EditorState s;
        startup(s, save(demo::builddemorom()), 9);
        QCOMPARE(windowtitle(s), QStringLiteral("Quib editor -- World 9"));
        s.editmode = ModeMapPointers;
        s.viewmapsprites = true;
        drawmap(s);
        QVERIFY(infolabels(s)[2].startsWith(QStringLiteral("Goes to world ")));
        QCOMPARE(infolabels(s)[2], QStringLiteral("Goes to world ") + QString::number(s.map.pointers[0].objset + 1));
        QCOMPARE(infolabels(s)[3], QString());
    }

    void editinglabels()
    {
        EditorState s;
        startup(s, save(demo::builddemorom()));
        s.map.mapcurcol = 4;
        s.map.mapcurrow = 2;
        drawmap(s);
        const uint8_t tile = s.map.maptiles[2][4];
        QCOMPARE(infolabels(s)[0], QString());
        QCOMPARE(infolabels(s)[1], QStringLiteral("X: 04   Y: 02"));
        QCOMPARE(infolabels(s)[2], QStringLiteral("Object type: ") + QStringLiteral("%1").arg(tile, 2, 16, QLatin1Char('0')).toUpper());
        QCOMPARE(infolabels(s)[3], s.names.maptilenames[tile]);
        QCOMPARE(s.lvl.at(64, 32), rgb(255, 160, 0));
        QCOMPARE(s.lvl.at(65, 33), rgb(255, 240, 0));
        // The cursor is pulled back into the view and onto the map's rows.
        s.map.mapcurcol = 40;
        s.map.mapcurrow = 12;
        clampcursor(s.map);
        QCOMPARE(int(s.map.mapcurcol), 15);
        QCOMPARE(int(s.map.mapcurrow), 8);
    }

    void spritelabels()
    {
        EditorState s;
        startup(s, save(demo::builddemorom()), 2);
        s.editmode = ModeMapSprites;
        s.map.selsprite = 8;
        s.map.sprites[8].type = 17; // not a figure: not drawn, but still described and boxed
        s.map.sprites[8].item = 0;
        s.map.sprites[8].x = 0x20;
        s.map.sprites[8].y = 0x50;
        drawmap(s);
        QCOMPARE(infolabels(s)[0], QStringLiteral("Map sprite #9"));
        QCOMPARE(infolabels(s)[1], QStringLiteral("X: 020   Y: 50"));
        QCOMPARE(infolabels(s)[2], QStringLiteral("Object type: 11"));
        QCOMPARE(infolabels(s)[3], QStringLiteral("Crashes game\r\rItem given: 00\rNothing"));
        QCOMPARE(s.lvl.at(0x20, 0x50 - 32), rgb(200, 170, 170));
    }

    // Changing one tile byte in the ROM changes exactly that cell of the view;
    // scrolling shows the next screen's columns.
    void onetilechange()
    {
        demo::RomImage img = demo::builddemorom();
        EditorState a;
        startup(a, save(img, QStringLiteral("a.nes")), 2);
        const int64_t k = 144 * 0 + 16 * 3 + 7; // row 3, column 7
        img.put(rom::mapdatapos[1] + k, uint8_t(a.map.maptiles[3][7] == 0x8D ? 0x42 : 0x8D));
        EditorState b;
        startup(b, save(img, QStringLiteral("b.nes")), 2);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 256; ++x) {
                const bool incell = x / 16 == 7 && y / 16 == 3;
                if (!incell && a.lvl.at(x, y) != b.lvl.at(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 changed").arg(x).arg(y)));
            }
        bool changed = false;
        for (int y = 48; y < 64; ++y)
            for (int x = 112; x < 128; ++x)
                changed |= a.lvl.at(x, y) != b.lvl.at(x, y);
        QVERIFY(changed);

        // Column 16 (second screen) shows at the left after scrolling by 16.
        a.map.mapscroll = 16;
        a.editmode = ModeMapPointers; // no cursor box
        a.map.pointers.clear();
        drawmap(a);
        EditorState c;
        startup(c, save(img, QStringLiteral("c.nes")), 2);
        for (int y = 0; y < 144; ++y)
            for (int x = 0; x < 16; ++x)
                QCOMPARE(a.lvl.at(x, y), c.gfx.map.at(16 * (a.map.maptiles[y / 16][16] % 16) + x,
                                                      16 * (a.map.maptiles[y / 16][16] / 16) + y % 16));
    }
};

QTEST_GUILESS_MAIN(TestWorldMap)
#include "tst_worldmap.moc"

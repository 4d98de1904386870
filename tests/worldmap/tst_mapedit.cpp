#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "editor/startup.h"
#include "editor/mapstate.h"
#include "worldmap/drawmap.h"
#include "worldmap/loadmap.h"
#include "worldmap/mapedit.h"
#include "rom/areaoffsets.h"
#include "worldmap/savemap.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quib;

class TestMapEdit : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;

    void start(EditorState &s, int world)
    {
        QVERIFY(demo::builddemorom().save(rompath));
        s.rom = testutil::openrom(rompath);
        Settings settings;
        settings.startmap = uint8_t(world);
        runstartup(s, settings, nullptr);
    }
    static MapMouse at(int px, int py, int buttons, bool shift = false, bool toolbox = false)
    {
        return {px, py, buttons, shift, toolbox};
    }

private slots:
    void initTestCase() { rompath = dir.filePath(QStringLiteral("rom.nes")); }

    void painting()
    {
        EditorState s;
        start(s, 1);
        const uint8_t before = s.map.maptiles[2][3];
        // A left press with no toolbox and no Shift only moves the cursor.
        QVERIFY(mappress(mapediting(s), at(3 * 16 + 5, 2 * 16 + 5, ButtonLeft)));
        QCOMPARE(int(s.map.mapcurcol), 3);
        QCOMPARE(int(s.map.mapcurrow), 2);
        QCOMPARE(s.map.maptiles[2][3], before);
        // A right press picks the tile; nothing on the map changes.
        mappress(mapediting(s), at(0, 0, ButtonRight));
        QCOMPARE(s.curtile, s.map.maptiles[0][0]);
        QCOMPARE(int(s.map.mapcurcol), 3);
        // Shift + left paints curtile; with the toolbox in Draw mode the
        // toolbox tile wins.
        s.curtile = 0x8D;
        mappress(mapediting(s), at(5 * 16, 16, ButtonLeft, true));
        QCOMPARE(int(s.map.maptiles[1][5]), 0x8D);
        s.tooltile = 0x52;
        mappress(mapediting(s), at(6 * 16, 16, ButtonLeft, true, true));
        QCOMPARE(int(s.map.maptiles[1][6]), 0x52);
        // Below the map rows a press is ignored.
        s.map.mapcurcol = 0;
        QVERIFY(!mappress(mapediting(s), at(0, 150, ButtonLeft)));
        QCOMPARE(int(s.map.mapcurcol), 0);
        // A drag with the left button keeps painting with Shift.
        mapdrag(mapediting(s), at(7 * 16, 16, ButtonLeft, true));
        QCOMPARE(int(s.map.maptiles[1][7]), 0x8D);
    }

    void replaceall()
    {
        EditorState s;
        start(s, 8); // four screens
        int count = 0;
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 64; ++c)
                count += s.map.maptiles[r][c] == 0x45;
        QVERIFY(count > 10);
        s.map.maptiles[0][100] = 0x45; // beyond the world: must not be touched
        s.toolaction = 1;
        s.tooltile = 0x8D;
        // find a visible 0x45
        int pc = -1, pr = -1;
        for (int r = 0; r < 9 && pc < 0; ++r)
            for (int c = 0; c < 16; ++c)
                if (s.map.maptiles[r][c] == 0x45) {
                    pc = c;
                    pr = r;
                    break;
                }
        QVERIFY(pc >= 0);
        mappress(mapediting(s), at(16 * pc, 16 * pr, ButtonLeft, false, true));
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 64; ++c)
                QVERIFY(s.map.maptiles[r][c] != 0x45);
        QCOMPARE(int(s.map.maptiles[0][100]), 0x45);
    }

    void pointers()
    {
        EditorState s;
        start(s, 1);
        s.editmode = ModeMapPointers;
        s.map.pointers[3].row = s.map.pointers[1].row;
        s.map.pointers[3].col = s.map.pointers[1].col;
        mappress(mapediting(s), at(16 * s.map.pointers[1].col, 16 * s.map.pointers[1].row, ButtonLeft));
        QCOMPARE(int(s.map.selptr), 3);
        // Dragging moves it square by square; far right it stays in the world.
        mapdrag(mapediting(s), at(16 * 2 + 3, 16 * 7 + 3, ButtonLeft));
        QCOMPARE(int(s.map.pointers[3].col), 2);
        QCOMPARE(int(s.map.pointers[3].row), 7);
        mapdrag(mapediting(s), at(5000, 500, ButtonLeft));
        QCOMPARE(int(s.map.pointers[3].col), 15);
        QCOMPARE(int(s.map.pointers[3].row), 8);
        // A press on an empty square keeps the selection.
        mappress(mapediting(s), at(0, 0, ButtonLeft));
        QCOMPARE(int(s.map.selptr), 3);
    }

    void sprites()
    {
        EditorState s;
        start(s, 2);
        s.editmode = ModeMapSprites;
        s.map.sprites[4].x = 0x40;
        s.map.sprites[4].y = 0x50; // drawn from y = 0x30
        // Press 3 pixels right of its left edge and 5 below its top.
        mappress(mapediting(s), at(0x43, 0x35, ButtonLeft));
        QCOMPARE(int(s.map.selsprite), 4);
        QCOMPARE(int(s.grabx), -3);
        QCOMPARE(int(s.graby), 0x50 - 0x35);
        // A right drag keeps that relation.
        mapdrag(mapediting(s), at(0x80, 0x60, ButtonRight));
        QCOMPARE(int(s.map.sprites[4].x), 0x7D);
        QCOMPARE(int(s.map.sprites[4].y), 0x60 + 0x50 - 0x35);
        // A left drag snaps to the square under the pointer.
        mapdrag(mapediting(s), at(0x87, 0x65, ButtonLeft));
        QCOMPARE(int(s.map.sprites[4].x), 0x80);
        QCOMPARE(int(s.map.sprites[4].y), ((0x65 + 32) / 16) * 16);
        // A press on empty map, then a right drag: x is the world pixel and
        // y the pointer's y + 32.
        mappress(mapediting(s), at(250, 140, ButtonLeft));
        QCOMPARE(int(s.map.selsprite), 4);
        mapdrag(mapediting(s), at(0x20, 0x10, ButtonRight));
        QCOMPARE(int(s.map.sprites[4].x), 0x20);
        QCOMPARE(int(s.map.sprites[4].y), 0x30);
        // A grab far below keeps y within its byte.
        s.graby = 200;
        mapdrag(mapediting(s), at(0, 143, ButtonRight));
        QCOMPARE(int(s.map.sprites[4].y), 255);
        // Dragged left of the view, the sprite follows the world pixel under
        // the pointer into the columns scrolled out of sight, and stops at
        // the world's left edge.
        s.map.mapscroll = 4;
        s.grabx = 0;
        mapdrag(mapediting(s), at(-20, 0x40, ButtonRight));
        QCOMPARE(int(s.map.sprites[4].x), 4 * 16 - 20);
        mapdrag(mapediting(s), at(-200, 0x40, ButtonRight));
        QCOMPARE(int(s.map.sprites[4].x), 0);
        mapdrag(mapediting(s), at(-20, 0x40, ButtonLeft)); // snapped: the square under the pointer
        QCOMPARE(int(s.map.sprites[4].x), 16 * ((4 * 16 - 20) / 16));
    }

    // A press or drag on a square beyond the world's last column is no
    // square of the map: nothing is painted, picked or moved there.
    void pastworldedge()
    {
        EditorState s;
        start(s, 1);
        QCOMPARE(int(s.map.mapmaxscroll), 0); // one screen: columns 0..15
        s.map.mapscroll = 0;
        s.curtile = 0x77;
        s.tooltile = 0x66;
        mappress(mapediting(s), at(15 * 16, 16, ButtonLeft, true, true));
        QCOMPARE(int(s.map.maptiles[1][15]), 0x66);
        // A drag on to the right of the world's last column paints nothing more.
        const MapDocument painted = s.map.document();
        mapdrag(mapediting(s), at(16 * 16 + 3, 16, ButtonLeft, true, true));
        mapdrag(mapediting(s), at(40 * 16, 32, ButtonLeft, true, true));
        QVERIFY(s.map.document() == painted);
        QCOMPARE(int(s.map.mapcurcol), 15);
        mappress(mapediting(s), at(20 * 16, 0, ButtonRight));
        QCOMPARE(int(s.curtile), 0x77);
    }

    // Save writes the tiles, sprites and pointers where they were read, and
    // nothing else of the file changes.
    void savebytes()
    {
        EditorState s;
        start(s, 2);
        const QByteArray before = testutil::readfile(rompath);
        s.map.maptiles[0][17] = 0xFF; // written as 0xFE
        s.map.maptiles[8][31] = 0x33;
        s.map.sprites[1].type = 0x0C;
        s.map.sprites[1].x = 0x1F0;
        QString error;
        QVERIFY(savemapmodes(s.rom, s.map, s.curworld, &error));
        const QByteArray after = testutil::readfile(rompath);
        QCOMPARE(after.size(), before.size());
        QByteArray expected = before;
        const int64_t data = rom::mapdatapos[1];
        expected[int(data + 144 + 1)] = char(0xFE);
        expected[int(data + 144 + 16 * 8 + 15)] = char(0x33);
        const Rom romimage = testutil::openrom(rompath);
        RomFile rom(romimage);
        const int64_t types = rom.readword(rom::mapspriteptrpos(4, 2)) + rom::mapdataadder;
        const int64_t xhi = rom.readword(rom::mapspriteptrpos(2, 2)) + rom::mapdataadder;
        const int64_t xlo = rom.readword(rom::mapspriteptrpos(3, 2)) + rom::mapdataadder;
        expected[int(types + 1)] = char(0x0C);
        expected[int(xhi + 1)] = char(0x01);
        expected[int(xlo + 1)] = char(0xF0);
        QCOMPARE(after, expected);
    }

    void pointersort()
    {
        EditorState s;
        start(s, 3);
        const QByteArray before = testutil::readfile(rompath);
        // Three pointers at (screen 1, row 0, col 2), (0, 5, 9), (0, 5, 3).
        s.map.pointers.resize(3);
        const uint8_t cols[3] = {0x12, 0x09, 0x03}, rows[3] = {0, 5, 5};
        for (int i = 0; i < 3; ++i) {
            s.map.pointers[size_t(i)].col = cols[i];
            s.map.pointers[size_t(i)].row = rows[i];
            s.map.pointers[size_t(i)].objset = uint8_t(i == 0 ? 15 : 1);
            s.map.pointers[size_t(i)].objpos = i == 0 ? 0xA010 : 0x1E133;
            s.map.pointers[size_t(i)].enmpos = 0xC1A5 + i;
        }
        s.map.pointers[0].row = 8; // row 8, object set 15 -> 0xAF
        QVERIFY(savemapmodes(s.rom, s.map, s.curworld, nullptr));
        QCOMPARE(int(s.map.pointers[0].col), 0x03);
        QCOMPARE(int(s.map.pointers[1].col), 0x09);
        QCOMPARE(int(s.map.pointers[2].col), 0x12);
        const QByteArray after = testutil::readfile(rompath);
        const int base = rom::mapptrpos[2];
        // The count byte is never written: the table keeps its stored count.
        QCOMPARE(after[base], before[base]);
        QCOMPARE(uint8_t(after[base + 1 + 2]), uint8_t(0xAF));
        const Rom romimage = testutil::openrom(rompath);
        RomFile rom(romimage);
        QCOMPARE(rom.readword(base + 1 + 2 * 3 + 0), uint16_t(0xC1A7 - 0x10 - 0)); // sorted: old entry 2 first
        QCOMPARE(rom.readword(base + 1 + 4 * 3 + 2 * 2), uint16_t(0xA000));
        QCOMPARE(rom.readword(base + 1 + 4 * 3 + 0), uint16_t(0xA123));
    }

    // Pointers with equal keys (on the same square) are not kept in their
    // order by the exchange sort: behind a pointer with a greater key they
    // come out reversed. A table already in order is left as it is.
    void pointersortequalkeys()
    {
        EditorState s;
        start(s, 3);
        s.map.pointers.resize(4);
        const uint8_t cols[4] = {0x14, 0x05, 0x05, 0x02}, rows[4] = {0, 3, 3, 1};
        for (int i = 0; i < 4; ++i) {
            s.map.pointers[size_t(i)].col = cols[i];
            s.map.pointers[size_t(i)].row = rows[i];
            s.map.pointers[size_t(i)].objset = 1;
            s.map.pointers[size_t(i)].enmpos = 0xC110 + i; // tells them apart
        }
        QVERIFY(savemapmodes(s.rom, s.map, s.curworld, nullptr));
        const Rom romimage = testutil::openrom(rompath);
        RomFile rom(romimage);
        const int64_t base = rom::mapptrpos[2];
        const uint16_t order[4] = {0xC103, 0xC102, 0xC101, 0xC100};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(rom.readword(base + 1 + 2 * 4 + 2 * i), order[i]);
        rom.close();
        const QByteArray saved = testutil::readfile(rompath);
        QVERIFY(savemapmodes(s.rom, s.map, s.curworld, nullptr));
        QCOMPARE(testutil::readfile(rompath), saved);
    }

    // A stored count of 35 reads as 41 entries laid out for 41: Save writes
    // the 41 entries at those places and leaves the count byte 35, so the
    // table reads back the same.
    void count35()
    {
        demo::RomImage img = demo::builddemorom();
        const int64_t base = rom::mapptrpos[2];
        const int n = 41;
        img.put(base, 35);
        for (int i = 0; i < n; ++i) {
            img.put(base + 1 + i, uint8_t(16 * (i % 9 + 2) + 1));
            img.put(base + 1 + n + i, uint8_t(16 * (i / 9)));
            img.putword(base + 1 + 2 * n + 2 * i, uint16_t(0xC100 + i));
            img.putword(base + 1 + 4 * n + 2 * i, uint16_t(0xA000 + i));
        }
        QVERIFY(img.save(rompath));
        EditorState s;
        s.rom = testutil::openrom(rompath);
        Settings settings;
        settings.startmap = 3;
        runstartup(s, settings, nullptr);
        QCOMPARE(s.map.ptrcount(), 41);
        const QByteArray before = testutil::readfile(rompath);
        QVERIFY(savemapmodes(s.rom, s.map, s.curworld, nullptr));
        QCOMPARE(testutil::readfile(rompath), before);
        s.map.pointers[40].enmpos = 0xC210;
        QVERIFY(savemapmodes(s.rom, s.map, s.curworld, nullptr));
        QByteArray expected = before;
        expected[int(base + 1 + 2 * n + 2 * 40)] = char(0x00);
        expected[int(base + 1 + 2 * n + 2 * 40 + 1)] = char(0xC2);
        QCOMPARE(testutil::readfile(rompath), expected);
    }

    // A pointer stored with a row nibble above the map (0 or 1) shows on
    // row 0 and is written back unchanged, unless its row is edited.
    void oddrownibble()
    {
        demo::RomImage img = demo::builddemorom();
        const int64_t base = rom::mapptrpos[0];
        img.put(base + 1, uint8_t(0x11)); // nibble 1, object set 1
        QVERIFY(img.save(rompath));
        EditorState s;
        s.rom = testutil::openrom(rompath);
        runstartup(s, Settings{}, nullptr);
        QCOMPARE(int(s.map.pointers[0].row), 0);
        s.map.maptiles[0][0] = 0x43; // some other edit
        QVERIFY(savemapmodes(s.rom, s.map, s.curworld, nullptr));
        QCOMPARE(uint8_t(testutil::readfile(rompath)[int(base + 1)]), uint8_t(0x11));
        s.editmode = ModeMapPointers;
        s.map.selptr = 0;
        mapdrag(mapediting(s), at(16 * s.map.pointers[0].col, 0, ButtonLeft)); // placed on row 0 by hand
        QVERIFY(savemapmodes(s.rom, s.map, s.curworld, nullptr));
        QCOMPARE(uint8_t(testutil::readfile(rompath)[int(base + 1)]), uint8_t(0x21));
    }

    // A world whose tile data has no end marker within eight screens: save
    // writes the eight screens and nothing past them.
    void savestopswhereloadstopped()
    {
        demo::RomImage img = demo::builddemorom();
        for (int k = 0; k < 144 * 9; ++k)
            img.put(rom::mapdatapos[8] + k, 0x42);
        QVERIFY(img.save(rompath));
        EditorState s;
        s.rom = testutil::openrom(rompath);
        Settings settings;
        settings.startmap = 9;
        runstartup(s, settings, nullptr);
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 128; ++c)
                s.map.maptiles[r][c] = 0x43;
        const QByteArray before = testutil::readfile(rompath);
        QVERIFY(savemapmodes(s.rom, s.map, s.curworld, nullptr));
        const QByteArray after = testutil::readfile(rompath);
        const int start = rom::mapdatapos[8];
        for (int k = 0; k < 144 * 8; ++k)
            QCOMPARE(uint8_t(after[start + k]), uint8_t(0x43));
        const int ptrs = rom::mapptrpos[8]; // world 9's pointers are written (sorted) too
        QCOMPARE(after.mid(start + 144 * 8, ptrs - start - 144 * 8), before.mid(start + 144 * 8, ptrs - start - 144 * 8));
        QCOMPARE(after.left(start), before.left(start));
    }

    void readonlyrom()
    {
        EditorState s;
        start(s, 1);
        const QByteArray before = testutil::readfile(rompath);
        QFile::setPermissions(rompath, QFile::ReadOwner);
        s.map.maptiles[0][0] = 0x11;
        QString error;
        QVERIFY(!savemapmodes(s.rom, s.map, s.curworld, &error));
        QVERIFY(error.contains(rompath));
        QCOMPARE(int(s.map.maptiles[0][0]), 0x11); // the edit stays
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(testutil::readfile(rompath), before);
    }

    void pointerdialogarithmetic_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("hdrofs");
        QTest::addColumn<int>("objpos");
        QTest::newRow("file offset kept") << "1E133" << true << 0x1E133;
        QTest::newRow("too low: up by 0x2000 steps") << "133" << true << 0x14133;
        QTest::newRow("too high: down by 0x2000 steps") << "40133" << true << 0x22133;
        QTest::newRow("offsets shown 0x10 lower") << "1E123" << false << 0x1E133;
    }
    void pointerdialogarithmetic()
    {
        QFETCH(QString, typed);
        QFETCH(bool, hdrofs);
        QFETCH(int, objpos);
        QCOMPARE(foldobjpos(typed, 1, hdrofs), objpos);
    }

    void enemyfolding()
    {
        QCOMPARE(foldenmpos(QStringLiteral("1C1B5"), true), 0xC1B5);
        QCOMPARE(foldenmpos(QString(), true), 0x10000);
        QCOMPARE(rebaseobjpos(0x1E133, 1, 3), 0x20133);
        QCOMPARE(objrangetext(1, true), QStringLiteral("(hex) (between 1E010 and 2000F)"));
        QCOMPARE(enmrangetext(true), QStringLiteral("(hex) (between C010 and 1000F)"));
        QCOMPARE(enmrangetext(false), QStringLiteral("(hex) (between C000 and FFFF)"));
    }
};

QTEST_GUILESS_MAIN(TestMapEdit)
#include "tst_mapedit.moc"

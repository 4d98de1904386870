#include "demorom/demorom.h"
#include "editor/presentation.h"
#include "demorom/romimage.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "editor/startup.h"
#include "level/loadlevel.h"
#include "level/navigate.h"
#include "level/savelevel.h"
#include "ui/keys.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quib;

namespace {

using Bytes = std::vector<uint8_t>;

// Two linked areas of object set 1 (bank 15 at 0x1E010) and their enemies.
constexpr int64_t area1 = 0x1F000, area2 = 0x1F100;
constexpr int64_t enemies1 = 0xE000, enemies2 = 0xE100;

Bytes header(int64_t linkobj, int64_t linkenm, int linkset, bool vertical)
{
    const uint16_t o = linkobj ? rom::offsettoptr(linkobj, rom::objadder(linkset)) : 0;
    const uint16_t e = linkenm ? rom::offsettoptr(linkenm, rom::enemydataadder) : 0;
    return {uint8_t(o & 0xFF), uint8_t(o >> 8), uint8_t(e & 0xFF), uint8_t(e >> 8), 0x03, 0x00,
            uint8_t(linkset | (vertical ? 0x10 : 0)), 0x01, 0x00};
}

} // namespace

class TestNavigate : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;

    // A demo ROM whose world 1 pointer 0 leads into area 1, which links to
    // area 2, which links back.
    void start(EditorState &s, bool vertical2 = false)
    {
        demo::RomImage img = demo::builddemorom();
        Bytes a1 = header(area2, enemies2, 1, false);
        // objects: a 3-byte block far right, then a 3-byte block at 2,20
        for (uint8_t b : Bytes{0x14, 0x40, 0x01, 0x14, 0x02, 0x01, 0xFF})
            a1.push_back(b);
        img.putbytes(area1, a1);
        Bytes a2 = header(area1, enemies1, 1, vertical2);
        // column 5 row 47, and a record of screen 1 with stored row 17
        for (uint8_t b : Bytes{0x02, 0x35, 0x01, 0x11, 0x12, 0x01, 0xFF})
            a2.push_back(b);
        img.putbytes(area2, a2);
        img.putbytes(enemies1, {0x01, 0x10, 0x05, 0x18, 0x11, 0x03, 0x18, 0x12, 0x03, 0x19, 0x13, 0x01, 0x18, 0xFF});
        img.putbytes(enemies2, {0x01, 0xFF});
        const int64_t base = rom::mapptrpos[0];
        const int n = img.at(base);
        img.put(base + 1, uint8_t(0x20 | 1)); // row 0, set 1
        img.putptr(base + 1 + 2 * n, enemies1, rom::enemydataadder);
        img.putptr(base + 1 + 4 * n, area1, rom::objadder(1));
        img.put(base + 2, uint8_t(0x20 | 15)); // pointer 1: set 15 leads nowhere
        QVERIFY(img.save(rompath));
        s.rom = testutil::openrom(rompath);
        runstartup(s, Settings{}, nullptr);
        s.editmode = ModeMapPointers;
    }

private slots:
    void initTestCase() { rompath = dir.filePath(QStringLiteral("rom.nes")); }

    void enterandleave()
    {
        EditorState s;
        start(s);
        s.map.selptr = 1;
        QVERIFY(!canenterlevel(s));
        enterlevel(s);
        QCOMPARE(int(s.editmode), int(ModeMapPointers));
        s.map.selptr = 0;
        enterlevel(s);
        QCOMPARE(int(s.editmode), int(ModeObjectEditing));
        QCOMPARE(s.level.objcount(), 2);
        QCOMPARE(s.level.enemycount(), 4);
        // Object 0 (4 blocks wide) lies at column 0x40: the view centres on it.
        QCOMPARE(int(s.level.lvlscrollx), (0x40 + 0x40 + 4) / 2 - 8);
        QCOMPARE(int(s.level.lvlscrolly), 12);
        QVERIFY(infolabels(s)[0].startsWith(QStringLiteral("Object #001/002")));
        exitlevel(s);
        QCOMPARE(int(s.editmode), int(ModeMapPointers));
        QCOMPARE(windowtitle(s), QStringLiteral("Quib editor -- World 1"));
    }

    // An item exactly filling the view's columns does not scroll; one more
    // column to the right does.
    void showobjbounds()
    {
        EditorState s;
        start(s);
        enterlevel(s);
        Level &l = s.level;
        l.objects[0].four = true;
        l.objects[0].x = 20;
        l.objects[0].y = 14;
        l.objects[0].type = 0x01;
        l.objects[0].len = 15; // 16 columns: 20..35
        l.lvlscrollx = 20;
        l.lvlscrolly = 12;
        showobj(s);
        QCOMPARE(int(l.lvlscrollx), 20);
        l.objects[0].len = 16;
        showobj(s);
        QCOMPARE(int(l.lvlscrollx), (20 + 20 + 17) / 2 - 8);
        // Far right stays within 240.
        l.objects[0].x = 250;
        showobj(s);
        QCOMPARE(int(l.lvlscrollx), 240);
        // Rows alike: type 4 covers rows 10..14, the last one shown; type 5
        // reaches row 15, below the view.
        l.objects[0].x = 20;
        l.objects[0].len = 0;
        l.objects[0].y = 10;
        l.lvlscrolly = 0;
        l.objects[0].type = 0x04;
        showobj(s);
        QCOMPARE(int(l.lvlscrolly), 0);
        l.objects[0].type = 0x05;
        showobj(s);
        QCOMPARE(int(l.lvlscrolly), (10 + 10 + 6) / 2 - 7);
    }

    void linkedareas()
    {
        EditorState s;
        start(s, true);
        enterlevel(s);
        s.level.selobj = 1;
        QVERIFY(nextarea(s));
        QCOMPARE(s.level.lvlobjpos, int32_t(area2));
        QVERIFY(s.level.vertical());
        // Column byte 0x35, row 2: column 5, row 47; the vertical view stays at x 0.
        QCOMPARE(int(s.level.objects[0].x), 5);
        QCOMPARE(int(s.level.objects[0].y), 47);
        QCOMPARE(int(s.level.lvlscrollx), 0);
        QVERIFY(nextarea(s));
        QCOMPARE(s.level.lvlobjpos, int32_t(area1));
        QCOMPARE(int(s.level.selobj), 0);
        // No link: nothing loads.
        s.level.lvlhdr[0] = s.level.lvlhdr[1] = s.level.lvlhdr[2] = s.level.lvlhdr[3] = 0;
        QVERIFY(!nextarea(s));
        QCOMPARE(s.level.lvlobjpos, int32_t(area1));
    }

    void levelkeys()
    {
        EditorState s;
        start(s);
        enterlevel(s);
        const KeyMods none{};
        handlekey(s, Key::PageUp, none);
        QCOMPARE(int(s.level.selobj), 0);
        handlekey(s, Key::PageDown, none);
        QCOMPARE(int(s.level.selobj), 1);
        handlekey(s, Key::PageDown, none);
        QCOMPARE(int(s.level.selobj), 1);
        handlekey(s, Key::Space, none);
        QCOMPARE(int(s.editmode), int(ModeEnemyEditing));
        QVERIFY(infolabels(s)[0].startsWith(QStringLiteral("Enemy #001/004")));
        s.level.lvlscrolly = 12;
        handlekey(s, Key::Down, none);
        QCOMPARE(int(s.level.lvlscrolly), 12);
        s.level.lvlscrollx = 240;
        handlekey(s, Key::Right, none);
        QCOMPARE(int(s.level.lvlscrollx), 240);
        handlekey(s, Key::Esc, none);
        QCOMPARE(int(s.editmode), int(ModeMapPointers));
    }

    void verticalscrolllimits()
    {
        EditorState s;
        start(s, true);
        enterlevel(s);
        nextarea(s);
        const KeyMods none{};
        s.level.lvlscrolly = 224;
        handlekey(s, Key::Down, none);
        handlekey(s, Key::Down, none);
        QCOMPARE(int(s.level.lvlscrolly), 225);
        // Enemies alike: the view stops at the area's last screen.
        s.editmode = ModeEnemyEditing;
        for (int i = 0; i < 20; ++i)
            handlekey(s, Key::Down, none);
        QCOMPARE(int(s.level.lvlscrolly), 225);
        // Showing an enemy deep in a vertical area brings its row into view.
        s.level.enemies = {{0x20, 3, 100}};
        s.level.selenemy = 0;
        s.level.lvlscrollx = 5;
        showenemy(s);
        QCOMPARE(int(s.level.lvlscrollx), 0);
        QVERIFY(s.level.lvlscrolly <= 100 && s.level.lvlscrolly + 14 >= 100);
    }

    // Enemies are written sorted by column, equal columns keeping their
    // order; objects of a vertical area go back to screen and row.
    void savebytes()
    {
        EditorState s;
        start(s, true);
        enterlevel(s);
        const QByteArray before = testutil::readfile(rompath);
        QVERIFY(savelevelmodes(s.rom, s.level, nullptr));
        QByteArray expected = before;
        // enemies 5,3,3,1 -> 1,3,3,5 (the two column-3 ones keep their order)
        const Bytes sorted = {0x13, 0x01, 0x18, 0x11, 0x03, 0x18, 0x12, 0x03, 0x19, 0x10, 0x05, 0x18};
        for (size_t i = 0; i < sorted.size(); ++i)
            expected[int(enemies1 + 1 + int64_t(i))] = char(sorted[i]);
        QCOMPARE(testutil::readfile(rompath), expected);
        QCOMPARE(int(s.level.enemies[0].x), 1); // the sorted order stays in memory

        // The vertical area: column 5, row 47 is written as 0x35 and row 2,
        // and shows as column 5, row 47 again; no enemies, nothing written
        // there. The record stored with row 17 of screen 1 (row 32, which
        // would be stored as screen 2, row 2) goes back as it was read
        // until it is moved.
        QVERIFY(nextarea(s));
        const QByteArray before2 = testutil::readfile(rompath);
        QVERIFY(savelevelmodes(s.rom, s.level, nullptr));
        QCOMPARE(testutil::readfile(rompath), before2);
        QCOMPARE(int(s.level.objects[0].x), 5);
        QCOMPARE(int(s.level.objects[0].y), 47);
        QCOMPARE(int(s.level.objects[1].y), 32);
        s.level.objects[0].y = 48;
        QVERIFY(savelevelmodes(s.rom, s.level, nullptr));
        QByteArray expected2 = before2;
        expected2[int(area2 + 9)] = 3;
        QCOMPARE(testutil::readfile(rompath), expected2);
        s.level.objects[1].y = 33;
        QVERIFY(savelevelmodes(s.rom, s.level, nullptr));
        expected2[int(area2 + 12)] = 0x03;
        expected2[int(area2 + 13)] = 0x22;
        QCOMPARE(testutil::readfile(rompath), expected2);
    }

    // A failed save leaves the enemies in the order they had.
    void failedsavekeepsorder()
    {
        EditorState s;
        start(s);
        enterlevel(s);
        QFile::setPermissions(rompath, QFile::ReadOwner);
        QString error;
        QVERIFY(!savelevelmodes(s.rom, s.level, &error));
        QVERIFY(error.contains(rompath));
        QCOMPARE(int(s.level.enemies[0].x), 5);
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
    }

    void transition()
    {
        Surface lvl(256, 240, rgb(1, 2, 3));
        drawtransition(lvl, 250);
        QCOMPARE(lvl.at(128, 10), rgb(0, 0, 0));   // top bar: 36 rows
        QCOMPARE(lvl.at(128, 72), rgb(1, 2, 3));   // middle still open
        QCOMPARE(lvl.at(10, 72), rgb(0, 0, 0));    // left bar: 64 columns
        QCOMPARE(lvl.at(128, 200), rgb(1, 2, 3));  // below the map untouched
        drawtransition(lvl, 550);
        QCOMPARE(lvl.at(128, 72), rgb(0, 0, 0));   // closed
    }
};

QTEST_GUILESS_MAIN(TestNavigate)
#include "tst_navigate.moc"

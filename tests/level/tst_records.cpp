#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "editor/startup.h"
#include "level/loadlevel.h"
#include "level/objbox.h"
#include "level/records.h"
#include "level/savelevel.h"
#include "editor/mapstate.h"
#include "worldmap/loadmap.h"
#include "worldmap/savemap.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>
#include <set>
#include <tuple>

using namespace quib;

// The record codecs and the boxes, and the demo ROM read and saved back
// whole: a save without edits changes no byte of the file.
class TestRecords : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    // Every world, every area a map pointer leads into (world 9's warps
    // included), every area linked from those and every area the demo
    // builder wrote, loaded and saved through the editor's own routines.
    void demosavesunchanged()
    {
        const QString path = dir.filePath(QStringLiteral("demo.nes"));
        const QByteArray pristine = testutil::bytesof(demo::builddemorom());
        QVERIFY(testutil::writefile(path, pristine));
        EditorState s;
        s.rom = testutil::openrom(path);
        runstartup(s, Settings{}, nullptr);

        using Area = std::tuple<int32_t, int32_t, int32_t>; // objects, enemies, object set
        std::vector<Area> todo;
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            todo.emplace_back(int32_t(p.ref.objpos), int32_t(p.ref.enmpos), p.objset);
        for (int w = 1; w <= 9; ++w) {
            s.curworld = uint8_t(w);
            s.editmode = ModeMapPointers;
            loadmap(s);
            QVERIFY(savemapmodes(s.rom, s.map, s.curworld, nullptr));
            QVERIFY2(testutil::readfile(path) == pristine, qPrintable(QStringLiteral("world %1").arg(w)));
            for (int i = 0; i < s.map.ptrcount(); ++i)
                todo.emplace_back(s.map.pointers[size_t(i)].objpos, s.map.pointers[size_t(i)].enmpos, s.map.pointers[size_t(i)].objset);
        }
        std::set<Area> seen;
        s.editmode = ModeObjectEditing;
        while (!todo.empty()) {
            const Area a = todo.back();
            todo.pop_back();
            if (!seen.insert(a).second)
                continue;
            std::tie(s.level.lvlobjpos, s.level.lvlenmpos, s.level.lvlobjset) = a;
            loadlevel(s);
            QVERIFY(savelevelmodes(s.rom, s.level, nullptr));
            QVERIFY2(testutil::readfile(path) == pristine,
                     qPrintable(QStringLiteral("area %1/%2 of set %3").arg(std::get<0>(a), 0, 16).arg(std::get<1>(a), 0, 16).arg(std::get<2>(a))));
            const LinkedArea link = linkedarea(s.level);
            if (link.haslink)
                todo.emplace_back(link.objpos, link.enmpos, link.objset);
        }
        QVERIFY(seen.size() >= demo::demoareaplaces().size());
    }

    // What Save writes for an object: its bytes as read while they decode to
    // it, else its encoding.
    void saveobjbytes_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<QByteArray>("read");   // empty: not read from the ROM
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QByteArray>("written");

        const QByteArray none;
        QTest::newRow("vertical 35/2 re-encoded") << true << none << 5 << 47 << QByteArray("\x02\x35\x10", 3);
        // Screen 1, stored row 17: absolute row 32, which the encoder would
        // store as screen 2, row 2.
        QTest::newRow("vertical row 17 unedited") << true << QByteArray("\x11\x12\x10", 3) << 2 << 32
                                                  << QByteArray("\x11\x12\x10", 3);
        QTest::newRow("vertical row 17 moved") << true << QByteArray("\x11\x12\x10", 3) << 2 << 33
                                               << QByteArray("\x03\x22\x10", 3);
        QTest::newRow("vertical below screen 15") << true << none << 3 << 250 << QByteArray("\x0E\xF3\x10", 3);
        // Bank 2: a row past 31 never spills into the bank bits.
        QTest::newRow("horizontal row 33") << false << none << 7 << 33 << QByteArray("\x41\x07\x10", 3);
    }

    void saveobjbytes()
    {
        QFETCH(bool, vertical);
        QFETCH(QByteArray, read);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QByteArray, written);

        ObjBytes raw;
        for (int k = 0; k < read.size(); ++k)
            raw.b[size_t(k)] = uint8_t(read[k]);
        raw.size = int(read.size());
        const uint8_t bank = read.isEmpty() ? (vertical ? 0 : 2) : recordbank(raw.b[0]);
        const ObjBytes out = quib::saveobjbytes({uint8_t(x), uint8_t(y), bank, 0x10, false, 0, raw}, vertical);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(out.b.data()), out.size), written);
    }

    // Boxes in blocks: a 4-byte object from its own record, object set 2's
    // bank-0 types F0..FF running downwards, a 3-byte object and an enemy by
    // their tables.
    void boxes()
    {
        Level l;
        ObjProps p;
        l.lvlobjset = 2;
        l.objects = {{10, 4, 1, 0x25, true, 3, {}}, {10, 4, 0, 0xF2, true, 5, {}}, {10, 4, 3, 0x40, false, 0, {}}};
        const size_t k = size_t(ObjProps::index(2, 3, 0x40));
        p.objwidth[k] = 2;
        p.objheight[k] = 1;
        p.objleft[k] = 1;
        p.objup[k] = 3;
        l.enemies = {{0x20, 30, 20}};
        p.enemywidth[0x20] = 1;
        p.enemyheight[0x20] = 2;
        p.enemyup[0x20] = 1;

        const ObjBox four = objbox(l, p, 0);
        QCOMPARE(QList<int>({four.firstcol(), four.lastcol(), four.firstrow(), four.lastrow()}), QList<int>({10, 13, 4, 9}));
        const ObjBox down = objbox(l, p, 1);
        QCOMPARE(QList<int>({down.width, down.height}), QList<int>({3, 6}));
        const ObjBox three = objbox(l, p, 2);
        QCOMPARE(QList<int>({three.firstcol(), three.lastcol(), three.firstrow(), three.lastrow()}), QList<int>({9, 11, 1, 4}));
        QVERIFY(three.contains(9, 1) && three.contains(11, 4) && !three.contains(12, 4) && !three.contains(9, 0));
        const ObjBox enemy = enemybox(l, p, 0);
        QCOMPARE(QList<int>({enemy.firstcol(), enemy.lastcol(), enemy.firstrow(), enemy.lastrow()}), QList<int>({30, 30, 19, 21}));
        p.enemywidth[0x20] = 0; // an empty box is never hit
        QVERIFY(!enemybox(l, p, 0).contains(30, 20));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"

#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "rom/romlayout.h"
#include "editor/startup.h"
#include "level/drawlevel.h"
#include "level/loadlevel.h"
#include "level/navigate.h"
#include "ui/keys.h"
#include "editor/mapstate.h"
#include "worldmap/drawmap.h"
#include "worldmap/loadmap.h"
#include "worldmap/mapedit.h"

#include "testutil.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// ROMs that are not what the editor expects: random bytes, cut short, all
// 0xFF. Everything the views read from them must stay inside the tables and
// pictures (run under the address sanitizer to see it), and nothing may hang.
class TestOddRoms : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    // Every world in every map mode, every pointer's level in both level
    // modes with the keys that move around, and a chain of linked areas.
    void walk(const QString &path)
    {
        EditorState s;
        s.rom = testutil::openrom(path);
        runstartup(s, Settings{}, nullptr);
        const KeyMods none{};
        for (int w = 1; w <= 9; ++w) {
            s.curworld = uint8_t(w);
            s.map.mapscroll = 0;
            s.editmode = ModeMapEditing;
            loadmap(s);
            for (uint8_t mode : {ModeMapEditing, ModeMapPointers, ModeMapSprites}) {
                s.editmode = mode;
                for (Key k : {Key::Right, Key::Kp6, Key::Kp2, Key::Down, Key::Up, Key::Kp4, Key::Kp8, Key::KpPlus,
                              Key::KpMultiply, Key::Enter, Key::Left})
                    handlekey(s, k, none);
                mappress(mapediting(s), {200, 100, ButtonLeft, false, true});
                mapdrag(mapediting(s), {255, 143, ButtonLeft, false, false});
                mapdrag(mapediting(s), {-5, -5, ButtonRight, false, false});
            }
            s.editmode = ModeMapPointers;
            for (int p = 0; p < s.map.ptrcount(); p += 7) {
                s.map.selptr = uint8_t(p);
                s.editmode = ModeMapPointers;
                s.level.lvlobjpos = s.map.pointers[size_t(p)].objpos;
                s.level.lvlenmpos = s.map.pointers[size_t(p)].enmpos;
                s.level.lvlobjset = s.map.pointers[size_t(p)].objset;
                loadlevel(s);
                s.editmode = ModeObjectEditing;
                s.viewlvlbg = p % 2;
                s.showsheets = p % 3 == 0;
                for (int step = 0; step < 4; ++step) {
                    for (Key k : {Key::PageDown, Key::Right, Key::Down, Key::Space, Key::PageDown, Key::Space})
                        handlekey(s, k, none);
                    nextarea(s);
                    drawlevel(s);
                }
                exitlevel(s);
            }
        }
        QVERIFY(s.lvl.width == 256 && s.lvl.height == 240);
    }

private slots:
    void randombytes()
    {
        QRandomGenerator rng(1234);
        for (int round = 0; round < 3; ++round) {
            QByteArray bytes(int(rom::imagesize), '\0');
            for (char &b : bytes)
                b = char(rng.bounded(256));
            const QString path = dir.filePath(QStringLiteral("random%1.nes").arg(round));
            QVERIFY(testutil::writefile(path, bytes));
            walk(path);
        }
    }

    void allff()
    {
        const QString path = dir.filePath(QStringLiteral("ff.nes"));
        QVERIFY(testutil::writefile(path, QByteArray(int(rom::imagesize), char(0xFF))));
        walk(path);
    }

    void cutshort_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("header only") << 16;
        QTest::newRow("inside the map data") << 0x18700;
        QTest::newRow("before the palettes") << 0x30000;
        QTest::newRow("no CHR") << 0x40010;
    }
    void cutshort()
    {
        QFETCH(int, size);
        const demo::RomImage img = demo::builddemorom();
        const QString path = dir.filePath(QStringLiteral("short%1.nes").arg(size));
        QVERIFY(testutil::writefile(path, testutil::bytesof(img, size)));
        walk(path);
    }
};

QTEST_GUILESS_MAIN(TestOddRoms)
#include "tst_oddroms.moc"

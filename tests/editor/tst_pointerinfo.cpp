#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/document.h"
#include "editor/editorstate.h"
#include "editor/pointerinfo.h"
#include "editor/startup.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// The status bar's read-out of what lies under the mouse pointer, over the
// demo ROM: map squares with a pointer and a sprite, level blocks with an
// object, an enemy or nothing, in a horizontal and a vertical area scrolled
// away from their start.
class TestPointerInfo : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;

    static demo::AreaRef place(const QString &name)
    {
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            if (name == QLatin1String(p.name))
                return p.ref;
        return {};
    }
    static int objset(const QString &name)
    {
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            if (name == QLatin1String(p.name))
                return p.objset;
        return 0;
    }

private slots:
    void initTestCase()
    {
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(testutil::writefile(rompath, testutil::bytesof(demo::builddemorom())));
    }

    void readout_data()
    {
        QTest::addColumn<QString>("area"); // empty: the map of world 2, two screens wide
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("scrollx");
        QTest::addColumn<int>("scrolly");
        QTest::addColumn<int>("col"); // the block, in the map's or the area's columns and rows
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        const QString map;
        const QString plain = QStringLiteral("plain-1"), tower = QStringLiteral("fortress-tower");
        QTest::newRow("map pointer") << map << int(ModeMapPointers) << 16 << 0 << 23 << 3
                                     << "X: 17   Y: 03   Tile 07: Level 5   Pointer #09: obj. set 4 -- Sky";
        QTest::newRow("map sprite") << map << int(ModeMapSprites) << 16 << 0 << 20 << 6
                                    << "X: 14   Y: 06   Tile 43: Sand   Map sprite #3: type 01 Help!";
        QTest::newRow("sprite not shown") << map << int(ModeMapEditing) << 16 << 0 << 20 << 6
                                          << "X: 14   Y: 06   Tile 43: Sand";
        QTest::newRow("below the map") << map << int(ModeMapEditing) << 16 << 0 << 20 << 9 << "";
        QTest::newRow("4-byte object") << plain << int(ModeObjectEditing) << 0x30 << 12 << 63 << 19
                                       << "X: 3F   Y: 13   Object #039: bank 0, type D4, 3 x 5 blocks";
        QTest::newRow("enemy") << plain << int(ModeObjectEditing) << 0x30 << 12 << 57 << 22
                               << "X: 39   Y: 16   Enemy #003: type 6C Enemy 6C";
        QTest::newRow("empty block") << plain << int(ModeObjectEditing) << 0x30 << 12 << 50 << 13 << "X: 32   Y: 0D";
        // Both kinds on one block: the kind a press picks first.
        QTest::newRow("shared, object mode") << plain << int(ModeObjectEditing) << 0x78 << 12 << 124 << 22
            << "X: 7C   Y: 16   Object #012: bank 0, type 94, 5 x 1 blocks   Enemy #008: type 6C Enemy 6C";
        QTest::newRow("shared, enemy mode") << plain << int(ModeEnemyEditing) << 0x78 << 12 << 124 << 22
            << "X: 7C   Y: 16   Enemy #008: type 6C Enemy 6C   Object #012: bank 0, type 94, 5 x 1 blocks";
        QTest::newRow("vertical object") << tower << int(ModeObjectEditing) << 0 << 30 << 10 << 36
                                         << "X: 0A   Y: 24   Object #012: bank 0, type 34, 5 x 2 blocks";
        QTest::newRow("vertical enemy") << tower << int(ModeEnemyEditing) << 0 << 5 << 8 << 11
                                        << "X: 08   Y: 0B   Enemy #002: type 80 Enemy 80";
        QTest::newRow("vertical empty") << tower << int(ModeObjectEditing) << 0 << 30 << 7 << 40 << "X: 07   Y: 28";
    }
    void readout()
    {
        QFETCH(QString, area);
        QFETCH(int, mode);
        QFETCH(int, scrollx);
        QFETCH(int, scrolly);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, text);
        EditorState s;
        s.rom = testutil::openrom(rompath);
        Settings settings;
        settings.startmap = 2;
        runstartup(s, settings, nullptr);
        Document doc(s);
        if (!area.isEmpty()) {
            const demo::AreaRef a = place(area);
            QVERIFY(doc.enterarea(int32_t(a.objpos), int32_t(a.enmpos), objset(area)));
            s.level.lvlscrollx = int16_t(scrollx);
            s.level.lvlscrolly = int16_t(scrolly);
        } else {
            s.map.mapscroll = uint8_t(scrollx);
        }
        s.editmode = uint8_t(mode);
        // The middle of the block, and its corners: the whole block reads the same.
        const int px = 16 * (col - scrollx), py = 16 * (row - scrolly);
        QCOMPARE(pointerinfo(s, px + 8, py + 8), text);
        QCOMPARE(pointerinfo(s, px, py), text);
        QCOMPARE(pointerinfo(s, px + 15, py + 15), text);
    }
};

QTEST_GUILESS_MAIN(TestPointerInfo)
#include "tst_pointerinfo.moc"

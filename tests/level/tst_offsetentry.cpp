// Entering a level area by typed offsets: the folding of the typed offsets,
// the "Enter level from specified address" dialog driven offscreen, and the
// load that follows it.
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "editor/startup.h"
#include "level/offsetentry.h"
#include "level/navigate.h"
#include "dialogs/enterbyoffsets.h"

#include "testutil.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quib;

class TestEnterSpec : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;

    // World 1 after start-up, its first pointer that leads into a level selected.
    std::unique_ptr<EditorState> open()
    {
        auto s = std::make_unique<EditorState>();
        s->rom = testutil::openrom(rompath);
        runstartup(*s, Settings{}, nullptr);
        s->editmode = ModeMapPointers;
        while (!canenterlevel(*s) && s->map.selptr + 1 < s->map.ptrcount())
            ++s->map.selptr;
        return s;
    }
    template <class T> static T *get(QDialog &d, const char *name) { return d.findChild<T *>(QLatin1String(name)); }
    static void press(QDialog &d, const char *name) { get<QPushButton>(d, name)->click(); }
    static void type(QDialog &d, const char *name, const QString &text)
    {
        QLineEdit *e = get<QLineEdit>(d, name);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }

private slots:
    void initTestCase()
    {
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(demo::builddemorom().save(rompath));
    }
    void cleanup() { testutil::stopanswering(); }

    void fold_data()
    {
        QTest::addColumn<QString>("objtext");
        QTest::addColumn<QString>("enmtext");
        QTest::addColumn<int>("objset");
        QTest::addColumn<bool>("hdrofs");
        QTest::addColumn<int>("objpos");
        QTest::addColumn<int>("enmpos");
        QTest::newRow("as typed") << "1E133" << "C1A5" << 1 << true << 0x1E133 << 0xC1A5;
        QTest::newRow("enemy past the window") << "1E133" << "1C010" << 1 << true << 0x1E133 << 0xC010;
        QTest::newRow("display off") << "1E123" << "C000" << 1 << false << 0x1E133 << 0xC010;
        QTest::newRow("a bank below the set") << "12133" << "C010" << 1 << true << 0x14133 << 0xC010;
        QTest::newRow("far above the set") << "40133" << "C010" << 1 << true << 0x22133 << 0xC010;
        QTest::newRow("empty, set 15") << "" << " " << 15 << false << 0x10 << 0x10;
        QTest::newRow("blanks around") << " 2A010 " << " C010 " << 2 << true << 0x2A010 << 0xC010;
    }
    void fold()
    {
        QFETCH(QString, objtext);
        QFETCH(QString, enmtext);
        QFETCH(int, objset);
        QFETCH(bool, hdrofs);
        QFETCH(int, objpos);
        QFETCH(int, enmpos);
        const LevelSpec spec = foldlevelspec(objtext, enmtext, objset, hdrofs);
        QCOMPARE(spec.objpos, objpos);
        QCOMPARE(spec.enmpos, enmpos);
        QCOMPARE(spec.objset, objset);
    }

    // Confirming the values it opens with enters the selected pointer's area
    // like entering the level does, but keeps the view's scroll.
    void unchangedentersthepointersarea()
    {
        auto s = open();
        const WorldMap &m = s->map;
        const size_t sel = m.selptr;
        Enterlevelspc d(s->hdrofs, s->names.objsetnames, initiallevelspec(s->map, s->level));
        QCOMPARE(d.windowTitle(), QStringLiteral("Enter level from specified address"));
        QCOMPARE(get<QLineEdit>(d, "objposEdit")->text(), QString::number(m.pointers[sel].objpos, 16).toUpper());
        QCOMPARE(get<QListWidget>(d, "objsetlist")->currentRow(), int(m.pointers[sel].objset));
        press(d, "OK");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.objpos(), m.pointers[sel].objpos);
        QCOMPARE(d.enmpos(), m.pointers[sel].enmpos);
        QCOMPARE(d.objset(), int(m.pointers[sel].objset));

        s->level.lvlscrollx = 7;
        s->level.lvlscrolly = 3;
        s->level.selobj = 5;
        QVERIFY(enterlevelspec(*s, d.objpos(), d.enmpos(), d.objset()));
        QCOMPARE(int(s->editmode), int(ModeObjectEditing));
        QCOMPARE(int(s->level.lvlscrollx), 7);
        QCOMPARE(int(s->level.lvlscrolly), 3);
        QCOMPARE(int(s->level.selobj), 0);
        auto viapointer = open();
        enterlevel(*viapointer);
        const Level &a = s->level, &b = viapointer->level;
        QVERIFY(a.objcount() > 0);
        QVERIFY(a.lvlhdr == b.lvlhdr && a.objcount() == b.objcount() && a.objects == b.objects && a.enemycount() == b.enemycount());
    }

    // With the offset display off the boxes and ranges are 0x10 lower; a new
    // object set keeps the CPU pointer; text that is not hex is refused.
    void typedandrefused()
    {
        auto s = open();
        s->hdrofs = false;
        const size_t sel = s->map.selptr;
        s->map.pointers[sel].objset = 1;
        s->map.pointers[sel].objpos = 0x1E133;
        Enterlevelspc d(s->hdrofs, s->names.objsetnames, initiallevelspec(s->map, s->level));
        d.show();
        QCOMPARE(get<QLabel>(d, "enmrangeLabel")->text(), QStringLiteral("(hex) (between C000 and FFFF)"));
        QCOMPARE(get<QLineEdit>(d, "objposEdit")->text(), QStringLiteral("1E123"));
        get<QListWidget>(d, "objsetlist")->setCurrentRow(3); // objsetbase 0x16000 against 0x14000
        QCOMPARE(get<QLineEdit>(d, "objposEdit")->text(), QStringLiteral("20123"));
        QCOMPARE(get<QLabel>(d, "objrangeLabel")->text(), QStringLiteral("(hex) (between 20000 and 21FFF)"));

        testutil::SeenBox seen;
        testutil::answermodals(seen);
        type(d, "enmposEdit", QStringLiteral("C0O0"));
        press(d, "OK");
        QCOMPARE(seen.text, QStringLiteral("'C0O0' is not a hexadecimal number."));
        QVERIFY(d.isVisible());
        type(d, "enmposEdit", QStringLiteral("C000"));
        press(d, "OK");
        QCOMPARE(seen.count, 1);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.objpos(), 0x20133);
        QCOMPARE(d.enmpos(), 0xC010);
        QCOMPARE(d.objset(), 3);
    }

    void unreadableromchangesnothing()
    {
        auto s = open();
        s->rom = testutil::openrom(dir.filePath(QStringLiteral("missing.nes")));
        QVERIFY(!enterlevelspec(*s, 0x1E133, 0xC010, 1));
        QCOMPARE(int(s->editmode), int(ModeMapPointers));
        QVERIFY(!s->level.loaded);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing.nes"))));
    }
};

QTEST_MAIN(TestEnterSpec)
#include "tst_offsetentry.moc"

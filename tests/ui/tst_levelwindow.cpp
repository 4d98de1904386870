#include "demorom/demorom.h"
#include "level/rommap.h"
#include "level/savelevel.h"
#include "widgets/lvlview.h"
#include "ui/quib.h"

#include "testutil.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

class TestLevelWindow : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;

    void open(QuibWindow &w)
    {
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        QVERIFY(w.startup());
        w.show();
    }
    QAction *action(QuibWindow &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }
    void openlevels(QuibWindow &w) { emit w.findChild<QMenu *>(QStringLiteral("Levels"))->aboutToShow(); }
    // Entering plays the closing bars from a timer; the level opens after them.
    void entered(QuibWindow &w) { QTRY_COMPARE(int(w.state().editmode), 2); }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(demo::builddemorom().save(rompath));
    }
    void cleanup() { testutil::stopanswering(); }

    void enterandexit()
    {
        QuibWindow w;
        open(w);
        openlevels(w);
        QVERIFY(action(w, "enterlevelM")->isEnabled());
        QVERIFY(!action(w, "exitlevelM")->isEnabled());
        // The toolbox closes inside the level and comes back after it.
        action(w, "usemapobjtb")->trigger();
        QVERIFY(w.maptool());
        QTest::keyClick(&w, Qt::Key_P);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(&w, Qt::Key_Space);
        // The bars close while the event loop runs: keys typed meanwhile
        // act on the level once it is in, in order.
        QVERIFY(w.intransition());
        QCOMPARE(int(w.state().editmode), 1);
        QTest::keyClick(&w, Qt::Key_Space);
        QTest::keyClick(&w, Qt::Key_PageDown);
        QTRY_COMPARE(int(w.state().editmode), 3);
        QVERIFY(clock.elapsed() >= 500); // the closing bars played
        QCOMPARE(w.state().level.view().selenemy, 1);
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(int(w.state().editmode), 2);
        QVERIFY(!w.maptool());
        QVERIFY(action(w, "usemapobjtb")->isChecked());
        QVERIFY(w.t(0)->text().startsWith(QStringLiteral("Object #001/")));
        openlevels(w);
        QVERIFY(!action(w, "enterlevelM")->isEnabled());
        QVERIFY(action(w, "exitlevelM")->isEnabled());
        QCOMPARE(action(w, "emodswitch")->text(), QStringLiteral("&Go to Enemy Editing mode"));
        QCOMPARE(action(w, "emodswitch2")->text(), QStringLiteral("G&o to next area from that level"));
        QCOMPARE(action(w, "movestart")->text(), QStringLiteral("Edit level &header ..."));
        QVERIFY(action(w, "movestart")->isEnabled());

        // The toolbox can't be used inside a level: Ctrl+J does nothing.
        testutil::SeenBox box;
        testutil::answermodals(box);
        QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier);
        action(w, "usemapobjtb")->trigger();
        QCOMPARE(box.count, 0);
        QVERIFY(action(w, "usemapobjtb")->isChecked());
        QVERIFY(!w.maptool());
        testutil::stopanswering();

        action(w, "emodswitch")->trigger();
        QCOMPARE(int(w.state().editmode), 3);
        // One line break between the enemy type and its name.
        QCOMPARE(w.t(3)->text().count(QLatin1Char('\n')), 1);
        QVERIFY(!w.t(3)->text().contains(QLatin1Char('\r')));
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(int(w.state().editmode), 1);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quib editor -- World 1"));
        QVERIFY(w.maptool());
        QVERIFY(w.maptool()->isVisible());
    }

    // Enter and Exit level follow the mode even when the Levels menu was
    // last opened in another mode, so their shortcuts work.
    void shortcutsfollowmode()
    {
        QuibWindow w;
        open(w);
        openlevels(w);
        QTest::keyClick(&w, Qt::Key_P);
        QTest::keyClick(&w, Qt::Key_Space);
        entered(w);
        QVERIFY(action(w, "exitlevelM")->isEnabled());
        // Ctrl+J inside a level neither ticks the toolbox nor opens it later.
        QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier);
        QVERIFY(!action(w, "usemapobjtb")->isChecked());
        action(w, "exitlevelM")->trigger();
        QCOMPARE(int(w.state().editmode), 1);
        QVERIFY(action(w, "enterlevelM")->isEnabled());
        QVERIFY(!w.maptool());
    }

    void backgroundoption()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_P);
        action(w, "enterlevelM")->trigger();
        entered(w);
        const std::vector<uint32_t> before = w.state().lvl.px;
        action(w, "viewlvlbg")->trigger();
        QVERIFY(w.state().viewlvlbg);
        QVERIFY(w.state().lvl.px != before);
        action(w, "exitlevelM")->trigger();
        QCOMPARE(int(w.state().editmode), 1);
    }

    // B in a level without a link says so.
    void nolink()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_P);
        action(w, "enterlevelM")->trigger();
        entered(w);
        w.state().level.lvlhdr[0] = w.state().level.lvlhdr[1] = 0;
        w.state().level.lvlhdr[2] = w.state().level.lvlhdr[3] = 0;
        testutil::SeenBox box;
        testutil::answermodals(box);
        QTest::keyClick(&w, Qt::Key_B);
        QCOMPARE(box.title, QStringLiteral("Can't go there!"));
        QCOMPARE(box.text, QStringLiteral("No room is pointed from that area."));
        QCOMPARE(box.icon, QMessageBox::Warning);
    }

    // Save of an area grown past its room asks before moving it; a box
    // closed without "Move" writes nothing and keeps the edit.
    void moveasked()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_P);
        action(w, "enterlevelM")->trigger();
        entered(w);
        const EditorState &s = w.state();
        const RomMap map = buildrommap(s.rom.image(), s.props);
        const MapStream *m = findobjstream(map, s.level.lvlobjpos, s.level.lvlobjset);
        QVERIFY(m && !s.level.objects.empty());
        LevelDocument grown = s.level.document();
        for (int64_t added = 0; added <= m->room() - m->used(); added += grown.objects.front().raw.size)
            grown.objects.push_back(grown.objects.front());
        w.document().replacearea(grown, QStringLiteral("Grow"));
        const QByteArray before = testutil::readfile(rompath);
        testutil::SeenBox box;
        testutil::answermodals(box);
        action(w, "MSave")->trigger();
        QCOMPARE(box.title, QStringLiteral("Move area"));
        QVERIFY2(box.text.startsWith(QStringLiteral("The objects of this area need %1 bytes and have room for %2 at 0x")
                                         .arg(savedbytes(grown).size() - 3 * grown.enemycount() + hdrsize + 1)
                                         .arg(m->room())),
                 qPrintable(box.text));
        QCOMPARE(testutil::readfile(rompath), before);
        QVERIFY(w.document().modified());
    }
};

QTEST_MAIN(TestLevelWindow)
#include "tst_levelwindow.moc"

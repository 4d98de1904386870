#include "demorom/demorom.h"
#include "editor/presentation.h"
#include "editor/editorstate.h"
#include "rom/romlayout.h"
#include "editor/startup.h"
#include "ui/keys.h"
#include "ui/quib.h"

#include "testutil.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

class TestMapKeys : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    const KeyMods none{};
    const KeyMods shift{true, true};
    const KeyMods ctrl{true, false};

    void start(EditorState &s, int world)
    {
        s.rom = testutil::openrom(rompath);
        Settings settings;
        settings.startmap = uint8_t(world);
        runstartup(s, settings, nullptr);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(demo::builddemorom().save(rompath));
    }

    void scrolling()
    {
        EditorState s;
        start(s, 8); // four screens: mapmaxscroll 48
        QCOMPARE(int(s.map.mapmaxscroll), 48);
        handlekey(s, Key::Right, shift);
        QCOMPARE(int(s.map.mapscroll), 16);
        handlekey(s, Key::Right, shift);
        handlekey(s, Key::Right, shift);
        handlekey(s, Key::Right, shift);
        QCOMPARE(int(s.map.mapscroll), 48);
        // Scrolling drags the cursor along.
        QCOMPARE(int(s.map.mapcurcol), 48);
        s.map.mapscroll = 5;
        handlekey(s, Key::Left, shift);
        QCOMPARE(int(s.map.mapscroll), 0);
        handlekey(s, Key::Right, ctrl); // not Shift alone: one column
        QCOMPARE(int(s.map.mapscroll), 1);
    }

    void cursorfollow()
    {
        EditorState s;
        start(s, 2);
        for (int i = 0; i < 15; ++i)
            handlekey(s, Key::Kp6, none);
        QCOMPARE(int(s.map.mapcurcol), 15);
        QCOMPARE(int(s.map.mapscroll), 0);
        handlekey(s, Key::Kp6, none); // one past the view: the view follows by one
        QCOMPARE(int(s.map.mapscroll), 1);
        QCOMPARE(int(s.map.mapcurcol), 16);
        for (int i = 0; i < 12; ++i)
            handlekey(s, Key::Kp2, none);
        QCOMPARE(int(s.map.mapcurrow), 8);
        handlekey(s, Key::Kp8, none);
        QCOMPARE(int(s.map.mapcurrow), 7);
        // At the world's right edge the cursor stops at the last column.
        for (int i = 0; i < 40; ++i)
            handlekey(s, Key::Kp6, none);
        QCOMPARE(int(s.map.mapscroll), 16);
        QCOMPARE(int(s.map.mapcurcol), 31);
    }

    // P selects the pointer under the cursor (the last of several wins);
    // on a square without one the selection stays.
    void pointerundercursor()
    {
        EditorState s;
        start(s, 1);
        QVERIFY(s.map.ptrcount >= 3);
        s.map.ptrrow[2] = s.map.ptrrow[1];
        s.map.ptrcol[2] = s.map.ptrcol[1];
        s.map.mapcurrow = s.map.ptrrow[1];
        s.map.mapcurcol = s.map.ptrcol[1];
        handlekey(s, Key::P, none);
        QCOMPARE(int(s.editmode), int(ModeMapPointers));
        QCOMPARE(int(s.map.selptr), 2);
        handlekey(s, Key::P, none);
        QCOMPARE(int(s.editmode), int(ModeMapEditing));
        s.map.mapcurrow = 0;
        s.map.mapcurcol = 0;
        handlekey(s, Key::P, none);
        QCOMPARE(int(s.map.selptr), 2);
    }

    void pointerselection()
    {
        EditorState s;
        start(s, 8);
        s.editmode = ModeMapPointers;
        const int n = s.map.ptrcount;
        handlekey(s, Key::Up, none);
        QCOMPARE(int(s.map.selptr), n - 1);
        // The view follows the pointer and the cursor lands on it.
        QVERIFY(s.map.ptrcol[size_t(n - 1)] <= s.map.mapscroll + 15);
        QVERIFY(s.map.ptrcol[size_t(n - 1)] >= s.map.mapscroll);
        QCOMPARE(s.map.mapcurcol, s.map.ptrcol[size_t(n - 1)]);
        QCOMPARE(s.map.mapcurrow, s.map.ptrrow[size_t(n - 1)]);
        handlekey(s, Key::Down, none);
        QCOMPARE(int(s.map.selptr), 0);
        QVERIFY(s.map.ptrcol[0] >= s.map.mapscroll && s.map.ptrcol[0] <= s.map.mapscroll + 15);
        // No pointers: Up and Down leave the selection alone.
        s.map.ptrcount = 0;
        s.map.selptr = 0;
        handlekey(s, Key::Up, none);
        QCOMPARE(int(s.map.selptr), 0);
        QCOMPARE(infolabels(s)[0], QStringLiteral("No map pointers"));
    }

    void spriteselection()
    {
        EditorState s;
        start(s, 2);
        handlekey(s, Key::E, none);
        QCOMPARE(int(s.editmode), int(ModeMapSprites));
        handlekey(s, Key::Up, none);
        QCOMPARE(int(s.map.selsprite), 8);
        handlekey(s, Key::Down, none);
        QCOMPARE(int(s.map.selsprite), 0);
        // Leaving with E puts the cursor on the sprite's square.
        s.map.spry[0] = 40;
        s.map.sprx[0] = 0x130;
        handlekey(s, Key::E, none);
        QCOMPARE(int(s.editmode), int(ModeMapEditing));
        QCOMPARE(int(s.map.mapcurrow), 0);
        QCOMPARE(int(s.map.mapcurcol), 0x13);
        QCOMPARE(int(s.map.mapscroll), 0x13 - 15);
        s.editmode = ModeMapSprites;
        s.map.spry[0] = 56;
        handlekey(s, Key::P, none);
        QCOMPARE(int(s.editmode), int(ModeMapPointers));
        QCOMPARE(int(s.map.mapcurrow), 1);
    }

    void worlds()
    {
        EditorState s;
        start(s, 1);
        handlekey(s, Key::PageUp, none);
        QCOMPARE(int(s.curworld), 1);
        s.map.mapscroll = 0;
        handlekey(s, Key::PageDown, none);
        QCOMPARE(int(s.curworld), 2);
        QCOMPARE(windowtitle(s), QStringLiteral("Quib editor -- World 2"));
        s.curworld = 9;
        handlekey(s, Key::PageDown, none);
        QCOMPARE(int(s.curworld), 9);
        s.editmode = ModeMapPointers;
        s.map.selptr = 3;
        handlekey(s, Key::PageUp, none);
        QCOMPARE(int(s.curworld), 8);
        QCOMPARE(int(s.map.selptr), 0);
    }

    // World 9 has no sprites: another world's don't stay behind, and the
    // view never follows anything past the world's last screen.
    void followstaysinworld()
    {
        EditorState s;
        start(s, 8);
        handlekey(s, Key::PageDown, none);
        QCOMPARE(int(s.curworld), 9);
        for (size_t i = 0; i < 9; ++i)
            QCOMPARE(int(s.map.sprtype[i]), 0);
        handlekey(s, Key::E, none);
        s.map.sprx[1] = 0x260;
        handlekey(s, Key::Down, none);
        QCOMPARE(int(s.map.mapscroll), 0);
        s.editmode = ModeMapPointers;
        s.map.ptrcol[0] = 0x70;
        s.map.selptr = 1;
        handlekey(s, Key::Up, none);
        QCOMPARE(int(s.map.mapscroll), int(s.map.mapmaxscroll));
    }

    void hkeyandsheets()
    {
        EditorState s;
        start(s, 1);
        s.editmode = ModeMapPointers;
        handlekey(s, Key::H, none);
        QVERIFY(!s.hdrofs);
        QVERIFY(infolabels(s)[3].contains(QString::number(s.map.ptrobjpos[0] - 0x10, 16).toUpper()));
        handlekey(s, Key::S, none);
        QVERIFY(s.showsheets);
    }

    // Through the window: keypad digits are told from main digits, and the
    // Levels menu's captions follow the mode.
    void window()
    {
        QuibWindow w;
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        QVERIFY(w.startup());
        w.show();
        QTest::keyClick(&w, Qt::Key_6);
        QCOMPARE(int(w.state().map.mapcurcol), 0);
        QTest::keyClick(&w, Qt::Key_6, Qt::KeypadModifier);
        QCOMPARE(int(w.state().map.mapcurcol), 1);
        QCOMPARE(w.t(1)->text(), QStringLiteral("X: 01   Y: 00"));
        QTest::keyClick(&w, Qt::Key_PageDown);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quib editor -- World 2"));

        auto *levels = w.findChild<QMenu *>(QStringLiteral("Levels"));
        QAction *sw1 = w.findChild<QAction *>(QStringLiteral("emodswitch"));
        QAction *sw2 = w.findChild<QAction *>(QStringLiteral("emodswitch2"));
        w.state().editmode = ModeMapSprites;
        emit levels->aboutToShow();
        QCOMPARE(sw1->text(), QStringLiteral("&Go to Map Pointers mode"));
        QCOMPARE(sw2->text(), QStringLiteral("G&o to Map Editing mode"));
        sw1->trigger();
        QCOMPARE(int(w.state().editmode), int(ModeMapPointers));
        QVERIFY(w.t(0)->text().startsWith(QStringLiteral("Pointer #")));
        QVERIFY(w.t(3)->text().contains(QLatin1Char('\n')));
        QVERIFY(!w.t(3)->text().contains(QLatin1Char('\r')));
        sw2->trigger();
        QCOMPARE(int(w.state().editmode), int(ModeMapSprites));
        sw2->trigger();
        QCOMPARE(int(w.state().editmode), int(ModeMapEditing));
        emit levels->aboutToShow();
        QCOMPARE(sw1->text(), QStringLiteral("&Go to Map Pointers mode"));
        QCOMPARE(sw2->text(), QStringLiteral("G&o to Map Sprites mode"));

        // The sprite option redraws the map with its figures.
        const std::vector<uint32_t> before = w.state().lvl.px;
        w.findChild<QAction *>(QStringLiteral("viewmapsprites"))->trigger();
        QVERIFY(w.state().viewmapsprites);
        QVERIFY(w.state().lvl.px != before);
        w.findChild<QAction *>(QStringLiteral("viewmapsprites"))->trigger();
        QCOMPARE(w.state().lvl.px, before);
    }

    // While a menu has the keyboard, keys are the menu's: none edits the map
    // behind it, neither in the open menu nor in the menu bar after Esc.
    void menuhaskeyboard()
    {
        QuibWindow w;
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        QVERIFY(w.startup());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const MapDocument before = w.state().map.document();
        auto *levels = w.findChild<QMenu *>(QStringLiteral("Levels"));
        w.menuBar()->setActiveAction(levels->menuAction());
        QTRY_VERIFY(levels->isVisible());
        QTest::keyClick(levels, Qt::Key_BracketRight);
        QTest::keyClick(levels, Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(levels, Qt::Key_Escape);
        QTRY_VERIFY(!levels->isVisible());
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &w, Qt::Key_BracketRight);
        QVERIFY(w.state().map.document() == before);
        QVERIFY(!w.document().modified());
        // Once the menu bar lets go, the keys edit again.
        QTest::keyClick(focus ? focus : &w, Qt::Key_Escape);
        QTest::keyClick(&w, Qt::Key_BracketRight);
        QVERIFY(w.document().modified());
    }
};

QTEST_MAIN(TestMapKeys)
#include "tst_mapkeys.moc"

// The menu bar as the user meets it: every item's caption with its access
// letter, its shortcut, and which items each mode enables. A refactor of the
// window must not change any of it unseen.
#include "demorom/demorom.h"
#include "ui/quib.h"

#include "testutil.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

class TestMenus : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;

    void open(QuibWindow &w)
    {
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        QVERIFY(w.startup());
        w.show();
    }
    static QAction *action(QuibWindow &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }
    static QString caption(QuibWindow &w, const char *name)
    {
        QAction *a = action(w, name);
        return a ? a->text() + QLatin1Char('|') + a->shortcut().toString() : QString();
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(demo::builddemorom().save(rompath));
    }

    void table()
    {
        QuibWindow w;
        open(w);
        QStringList top;
        for (QAction *a : w.menuBar()->actions())
            top << a->text();
        QCOMPARE(top, (QStringList{"&File", "&Levels", "&Edit", "&Options", "&View", "O&ther", "&About", "&Help"}));

        const char *const rows[][2] = {
            {"createpatch", "&Create patch ...|"},
            {"applypatch", "&Apply patch ...|"},
            {"MSave", "&Save|Ctrl+S"},
            {"emodswitch", "&Go to Map Pointers mode|"},
            {"emodswitch2", "G&o to Map Sprites mode|"},
            {"movestart", "&Move start point on map ...|"},
            {"enterlevelM", "&Enter level|Ctrl+E"},
            {"enterlevelspec", "E&nter level from specified offset and object set ...|Ctrl+L"},
            {"exitlevelM", "E&xit level|Ctrl+X"},
            {"areapointers", "Poin&ters to this area ...|"},
            {"playrom", "&Play ROM|F5"},
            {"Quit", "&Quit|Ctrl+Q"},
            {"undo", "&Undo|Ctrl+Z"},
            {"viewmapsprites", "&View map sprites when not in Map Sprites mode|Ctrl+V"},
            {"viewlvlbg", "View level &background|Ctrl+B"},
            {"usemapobjtb", "Use Map Objects &toolbox|Ctrl+J"},
            {"keeporiginal", "&Keep a copy of the original ROM|"},
            {"emulatorcommand", "&Emulator command ...|"},
            {"editmappalettes", "Edit &color palettes ...|Ctrl+P"},
            {"editstartingtime", "Edit starting &time for levels ...|Ctrl+T"},
            {"editstartingstatus", "Edit starting &status ...|Ctrl+A"},
            {"editmapproperties", "Edit &world map properties ...|Ctrl+W"},
            {"EditLvlMusicSet", "Edit level &music set ...|Ctrl+M"},
            {"romspace", "&ROM space ...|"},
            {"grid", "&Grid|Ctrl+G"},
            {"about", "&About|"},
            {"keyreference", "&Keys and mouse ...|F1"},
        };
        for (const auto &row : rows)
            QCOMPARE(caption(w, row[0]), QString::fromUtf8(row[1]));
        QCOMPARE(action(w, "redo")->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
        // The Other menu in its order.
        QStringList other;
        for (QAction *a : w.findChild<QMenu *>(QStringLiteral("Other"))->actions())
            other << a->objectName();
        QCOMPARE(other, (QStringList{"editmappalettes", "editstartingtime", "editstartingstatus", "editmapproperties",
                                     "EditLvlMusicSet", "romspace"}));
    }

    // The per-mode captions, set when Levels opens, and what each mode
    // enables; the mode's name stays in the status bar.
    void permode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<bool>("inlevel");
        const QString start = QStringLiteral("&Move start point on map ...");
        const QString header = QStringLiteral("Edit level &header ...");
        QTest::newRow("map editing") << 0 << QStringList{"&Go to Map Pointers mode", "G&o to Map Sprites mode", start}
                                     << false;
        QTest::newRow("map pointers") << 1 << QStringList{"&Go to Map Editing mode", "G&o to Map Sprites mode", start}
                                      << false;
        QTest::newRow("object editing")
            << 2 << QStringList{"&Go to Enemy Editing mode", "G&o to next area from that level", header} << true;
        QTest::newRow("enemy editing")
            << 3 << QStringList{"&Go to Object Editing mode", "G&o to next area from that level", header} << true;
        QTest::newRow("map sprites") << 4 << QStringList{"&Go to Map Pointers mode", "G&o to Map Editing mode", start}
                                     << false;
    }
    void permode()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, captions);
        QFETCH(bool, inlevel);
        QuibWindow w;
        open(w);
        static const char *const names[5] = {"Map Editing", "Map Pointers", "Object Editing", "Enemy Editing",
                                             "Map Sprites"};
        if (inlevel) {
            QTest::keyClick(&w, Qt::Key_P);
            action(w, "enterlevelM")->trigger();
            QTRY_COMPARE(int(w.state().editmode), 2);
            if (mode == 3)
                QTest::keyClick(&w, Qt::Key_Space);
        } else if (mode == 1) {
            QTest::keyClick(&w, Qt::Key_P);
        } else if (mode == 4) {
            QTest::keyClick(&w, Qt::Key_E);
        }
        QCOMPARE(int(w.state().editmode), mode);
        emit w.findChild<QMenu *>(QStringLiteral("Levels"))->aboutToShow();
        QCOMPARE((QStringList{action(w, "emodswitch")->text(), action(w, "emodswitch2")->text(),
                              action(w, "movestart")->text()}),
                 captions);
        QCOMPARE(action(w, "enterlevelM")->isEnabled(), !inlevel);
        QCOMPARE(action(w, "exitlevelM")->isEnabled(), inlevel);
        QCOMPARE(action(w, "areapointers")->isEnabled(), inlevel);
        QVERIFY(action(w, "movestart")->isEnabled());
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("modelabel"))->text(),
                 QString::fromLatin1(names[mode]) + QStringLiteral(" mode"));
    }

    // Space or Ctrl+E on a pointer that leads into no level says why.
    void noleveltoenter()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_P);
        w.state().map.pointers[w.state().map.selptr].objset = 15;
        QTest::keyClick(&w, Qt::Key_Space);
        QVERIFY(!w.intransition());
        QCOMPARE(int(w.state().editmode), 1);
        QCOMPARE(w.statusBar()->currentMessage(),
                 QStringLiteral("This pointer leads into no level: its object set is 15."));
        w.statusBar()->clearMessage();
        w.state().map.pointers[w.state().map.selptr].objset = 0;
        action(w, "enterlevelM")->trigger();
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("This pointer leads into no level: its object set is 0."));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"

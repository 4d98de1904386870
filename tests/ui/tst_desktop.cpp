#include "demorom/demorom.h"
#include "editor/settings.h"
#include "editor/startup.h"
#include "level/rommap.h"
#include "rom/hex.h"
#include "widgets/lvlview.h"
#include "ui/quib.h"
#include "widgets/appstyle.h"
#include "dialogs/maptoolbox.h"

#include "testutil.h"

#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

using namespace quib;

// The window as a desktop program: a ROM from the command line, the prompt,
// zoom with its menu, keys and setting, the grid, the wheel, and the dialogs
// over the ROM map.
class TestDesktop : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    QTemporaryDir work;
    QString rompath;

    QString inipath() const { return config.filePath(QStringLiteral("Quibed.ini")); }
    static QAction *action(QuibWindow &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }

    // Starts from a path as the command line gives it; the prompt must not open.
    void open(QuibWindow &w)
    {
        bool asked = false;
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) {
            asked = true;
            return QString();
        });
        QVERIFY(w.startup(rompath));
        QVERIFY(!asked);
        w.show();
        w.activateWindow(); // shortcuts go to the active window
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    // The first pointer of world 1 leads into an area.
    void enter(QuibWindow &w)
    {
        QTest::keyClick(&w, Qt::Key_P);
        QTest::keyClick(&w, Qt::Key_Space);
        QTRY_COMPARE(int(w.state().editmode), int(ModeObjectEditing));
    }
    // The rows of the tree the dialog of `name` shows, each row its column texts.
    static QList<QList<QStringList>> shown(QuibWindow &w, const char *name)
    {
        QList<QList<QStringList>> tops;
        testutil::SeenBox seen;
        testutil::answermodals(seen, [&](QWidget *d) {
            auto *tree = d->findChild<QTreeWidget *>();
            for (int i = 0; tree && i < tree->topLevelItemCount(); ++i) {
                QList<QStringList> rows;
                QTreeWidgetItem *top = tree->topLevelItem(i);
                for (int j = -1; j < top->childCount(); ++j) {
                    QTreeWidgetItem *item = j < 0 ? top : top->child(j);
                    QStringList texts;
                    for (int c = 0; c < tree->columnCount(); ++c)
                        texts << item->text(c);
                    rows << texts;
                }
                tops << rows;
            }
            qobject_cast<QDialog *>(d)->reject();
        });
        action(w, name)->trigger();
        testutil::stopanswering();
        return tops;
    }
    static int64_t atoffset(const QString &text) { return hexval(text.mid(2)); }
    // A turn over the view, as the view passes it on to the area around it.
    static void turnwheel(QuibWindow &w, int dy, Qt::KeyboardModifiers mods)
    {
        QWidget *viewport = w.findChild<ViewArea *>()->viewport();
        const QPointF at(20, 20);
        QWheelEvent turn(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, dy), Qt::NoButton, mods,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &turn);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        rompath = work.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(demo::builddemorom().save(rompath));
        useappstyle(*qApp); // as the program does
    }
    void init() { QFile::remove(inipath()); }
    void cleanup() { testutil::stopanswering(); }

    void commandlinerom()
    {
        QuibWindow w;
        open(w);
        QCOMPARE(w.state().rom.path(), rompath);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quib editor -- World 1"));
        // A bad path from the command line is told as the prompt's answer is.
        testutil::SeenBox seen;
        testutil::answermodals(seen);
        QuibWindow bad;
        const QString missing = work.filePath(QStringLiteral("none.nes"));
        QVERIFY(!bad.startup(missing));
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.title, QStringLiteral("Can't open file!"));
        QCOMPARE(seen.text, QStringLiteral("File '") + missing + QStringLiteral("' is either empty or can't be found."));
        QVERIFY(!QFileInfo::exists(missing));
    }

    // The real prompt is wide enough to show a long stored path whole.
    void promptshowswholepath()
    {
        const QString longpath = QStringLiteral("/home/someone/Documents/roms/originals/backups/2024/quib-copy-2.nes");
        testutil::writefile(inipath(), "[Load]\nFilename=" + longpath.toUtf8() + "\n");
        QuibWindow w;
        int room = 0, needed = 0;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            QLineEdit *edit = d->findChild<QLineEdit *>();
            room = edit->contentsRect().width();
            needed = edit->fontMetrics().horizontalAdvance(longpath);
            d->reject();
        });
        QVERIFY(!w.startup());
        QVERIFY2(room > needed, qPrintable(QStringLiteral("%1 <= %2").arg(room).arg(needed)));
    }

    // At every factor the view is that many times the surface, and a click
    // on the last screen pixel of a square paints that square with the tile
    // picked in the toolbox, which follows the zoom.
    void zoompaints()
    {
        QuibWindow w;
        open(w);
        QCOMPARE(w.zoom(), 2);
        QList<QAction *> top = w.menuBar()->actions();
        QCOMPARE(top.value(3)->text(), QStringLiteral("&Options"));
        QCOMPARE(top.value(4)->text(), QStringLiteral("&View"));
        QSignalSpy spy(&w, &QuibWindow::zoomchanged);
        action(w, "usemapobjtb")->trigger();
        QVERIFY(w.maptool());
        const int squares[][2] = {{0, 0}, {5, 3}, {15, 8}};
        int tile = 0x21;
        for (int z : {1, 3, 4, 2}) {
            w.setzoom(z);
            QCOMPARE(w.zoom(), z);
            QCOMPARE(w.lvl()->size(), QSize(256 * z, 240 * z));
            auto *map = w.maptool()->findChild<LvlView *>(QStringLiteral("Map"));
            QCOMPARE(map->size(), QSize(256 * z, 256 * z));
            for (const auto &sq : squares) {
                ++tile;
                const QPoint inpick((16 * (tile % 16) + 15) * z + z - 1, 16 * (tile / 16) * z);
                QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, inpick);
                QCOMPARE(int(w.state().tooltile), tile);
                const QPoint last((16 * sq[0] + 16) * z - 1, (16 * sq[1] + 16) * z - 1);
                QTest::mouseClick(w.lvl(), Qt::LeftButton, Qt::NoModifier, last);
                QCOMPARE(int(w.state().map.maptiles[sq[1]][sq[0]]), tile);
                QCOMPARE(int(w.state().map.mapcurcol), sq[0]);
            }
        }
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.last().value(0).toInt(), 2);
    }

    // Ctrl with the main "+", "=", "-" and "0" zooms; Ctrl with keypad "+"
    // and "-" is an editing key and leaves the zoom alone.
    void zoomkeys()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 3);
        QTest::keyClick(&w, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 4);
        QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 4);
        QVERIFY(!action(w, "zoomin")->isEnabled());
        QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 3);

        const uint8_t tile = w.state().map.maptiles[0][0];
        QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(w.zoom(), 3);
        QCOMPARE(int(w.state().map.maptiles[0][0]), (tile + 1) & 0xFF);
        QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(w.zoom(), 3);
        QCOMPARE(int(w.state().map.maptiles[0][0]), (tile - 1) & 0xFF);
        // The same from the toolbox, which hands its keys to the editor.
        action(w, "usemapobjtb")->trigger();
        QTest::keyClick(w.maptool(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(w.zoom(), 3);
        QCOMPARE(int(w.state().map.maptiles[0][0]), int(tile));

        QTest::keyClick(&w, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 1);
        QVERIFY(!action(w, "zoomout")->isEnabled());
        // The window takes the size of the new zoom at once, not one step late.
        const QSize now = w.size();
        QCoreApplication::processEvents();
        QCOMPARE(now, w.sizeHint());
        QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(w.size(), w.sizeHint());
    }

    // A scroll bar at its minimum shows its content's start with the thumb
    // drawn at that end, darker than its groove; dragging the thumb towards
    // the other end shows more.
    void scrollbars()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_F1);
        auto *view = w.findChild<QTextBrowser *>();
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        view->window()->resize(620, 300);
        QScrollBar *bar = view->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->minimum());
        QCOMPARE(view->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);
        const QImage at = bar->grab().toImage();
        const int arrow = bar->width(); // the arrow buttons are square
        auto grey = [&](int y) { return qGray(at.pixel(bar->width() / 2, y)); };
        QVERIFY2(grey(arrow + 6) < grey(bar->height() - arrow - 4), "thumb not darker at the start");

        const QPoint from(bar->width() / 2, arrow + 6);
        QTest::mousePress(bar, Qt::LeftButton, {}, from);
        for (int dy = 10; dy <= 60; dy += 10) {
            const QPointF to = from + QPoint(0, dy);
            QMouseEvent move(QEvent::MouseMove, to, bar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(bar, &move);
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, from + QPoint(0, 60));
        QVERIFY(bar->value() > bar->minimum());
        QVERIFY(view->cursorForPosition(QPoint(4, 4)).blockNumber() > 0);
        view->window()->close();
    }

    // Closing keeps the zoom as one more key; the next start uses it.
    void zoomsetting()
    {
        testutil::writefile(inipath(), "[Options]\r\nZoom=9\r\n");
        {
            QuibWindow w;
            open(w);
            QCOMPARE(w.zoom(), 4);
            w.setzoom(3);
            w.close();
        }
        QCOMPARE(testutil::readfile(inipath()),
                 QByteArray("[Options]\r\nZoom= 3\r\nStartMapNumber= 1\r\nViewMapSprites= 0\r\nViewLevelBackg= 0\r\nGrid= 0\r\n"
                            "[Load]\r\nFilename=")
                     + rompath.toUtf8() + "\r\n");
        QuibWindow again;
        open(again);
        QCOMPARE(again.zoom(), 3);
        testutil::writefile(inipath(), "[Options]\nZoom=x\n");
        QuibWindow fallback;
        open(fallback);
        QCOMPARE(fallback.zoom(), 2);
    }

    // Levels > Pointers to this area and Other > ROM space show what the ROM
    // map of the file finds for the area just entered.
    void rommapdialogs()
    {
        QuibWindow w;
        open(w);
        enter(w);
        const QByteArray bytes = testutil::readfile(rompath);
        const RomMap map = buildrommap(std::vector<uint8_t>(bytes.begin(), bytes.end()), w.state().props);
        const Level &l = w.state().level;
        const MapStream *objects = findobjstream(map, l.lvlobjpos, l.lvlobjset);
        const MapStream *enemies = findenemystream(map, l.lvlenmpos);
        QVERIFY(objects && enemies);

        const QList<QList<QStringList>> pointers = shown(w, "areapointers");
        QCOMPARE(pointers.size(), 2);
        for (int k = 0; k < 2; ++k) {
            const MapStream &stream = k == 0 ? *objects : *enemies;
            QVERIFY(pointers[k][0][0].contains(QStringLiteral("0x") + hexstr(stream.start)));
            QCOMPARE(pointers[k].size() - 1, qsizetype(stream.from.size()));
            for (size_t i = 0; i < stream.from.size(); ++i) {
                const StreamLink &link = stream.from[i];
                const QStringList &row = pointers[k][qsizetype(i) + 1];
                if (link.kind == StreamLink::AreaHeader)
                    QCOMPARE(atoffset(row[4]), link.header);
                else
                    QCOMPARE(row.mid(1, 2), (QStringList{QString::number(link.world),
                                                         QStringLiteral("#%1").arg(link.index + 1, 2, 10, QLatin1Char('0'))}));
            }
        }
        // The pointer we came in by is among them.
        QVERIFY(std::any_of(objects->from.begin(), objects->from.end(), [](const StreamLink &link) {
            return link.kind == StreamLink::MapPointer && link.world == 1 && link.index == 0;
        }));

        const QList<QList<QStringList>> space = shown(w, "romspace");
        const int win = objwindow(map, l.lvlobjset);
        QVERIFY(win >= 0 && win < space.size());
        const RomWindow &window = map.windows[size_t(win)];
        QVERIFY(!window.free.empty()); // the demo ROM leaves room to grow
        QCOMPARE(space[win][0][4].toLongLong(), window.freetotal());
        std::vector<FreeRun> free;
        bool listed = false;
        for (const QStringList &row : space[win].mid(1)) {
            if (row[1] == QStringLiteral("free"))
                free.push_back({atoffset(row[0]), row[4].toLongLong()});
            else if (atoffset(row[0]) == objects->start)
                listed = row[2].toLongLong() == objects->used() && row[3].toLongLong() == objects->room();
        }
        QVERIFY(listed);
        QVERIFY(free == window.free);
    }

    // View > Grid draws one-pixel lines between the blocks, over the map's
    // rows and the whole level, at every zoom; the next start keeps it.
    void grid()
    {
        {
            QuibWindow w;
            open(w);
            QVERIFY(!action(w, "grid")->isChecked());
            auto check = [&](int zoom, int rows) {
                w.setzoom(zoom);
                const QImage plain = w.lvl()->grab().toImage();
                QTest::keyClick(&w, Qt::Key_G, Qt::ControlModifier);
                QVERIFY(action(w, "grid")->isChecked());
                const QImage lined = w.lvl()->grab().toImage();
                action(w, "grid")->trigger();
                QCOMPARE(plain.size(), lined.size());
                const int block = 16 * zoom;
                int online = 0, changed = 0;
                for (int y = 0; y < plain.height(); ++y)
                    for (int x = 0; x < plain.width(); ++x) {
                        const bool line = y < rows * block && ((x > 0 && x % block == 0) || (y > 0 && y % block == 0));
                        const bool differs = plain.pixel(x, y) != lined.pixel(x, y);
                        if (differs && !line)
                            QFAIL(qPrintable(QStringLiteral("zoom %1: pixel (%2, %3) off the grid").arg(zoom).arg(x).arg(y)));
                        online += line;
                        changed += differs;
                    }
                QVERIFY2(changed > online * 3 / 4, qPrintable(QStringLiteral("%1 of %2").arg(changed).arg(online)));
            };
            check(1, 9); // the map
            enter(w);
            check(3, 15); // the level
            if (QTest::currentTestFailed())
                return;
            action(w, "grid")->trigger();
            w.close();
        }
        QVERIFY(readgrid(inipath()));
        QuibWindow again;
        open(again);
        QVERIFY(action(again, "grid")->isChecked());
    }

    // Ctrl + wheel zooms as Zoom In and Out do; the wheel moves the view's
    // scroll bar (Shift: across) and, at its end, the level.
    void wheel()
    {
        QuibWindow w;
        open(w);
        enter(w);
        turnwheel(w, 120, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 3);
        for (int i = 0; i < 3; ++i)
            turnwheel(w, -120, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 1);

        w.setzoom(4); // larger than the screen: the view scrolls inside the window
        auto *area = w.findChild<ViewArea *>();
        QScrollBar *down = area->verticalScrollBar(), *across = area->horizontalScrollBar();
        QTRY_VERIFY(down->maximum() > 0 && across->maximum() > 0);
        const Level &l = w.state().level;
        const int top = l.lvlscrolly, left = l.lvlscrollx;
        QCOMPARE(down->value(), 0);
        turnwheel(w, -120, {});
        QVERIFY(down->value() > 0);
        QCOMPARE(int(l.lvlscrolly), top);
        while (down->value() > 0)
            turnwheel(w, 120, {});
        QCOMPARE(int(l.lvlscrolly), top);
        turnwheel(w, 120, {}); // the bar is at its start: the level scrolls
        QCOMPARE(int(l.lvlscrolly), std::max(top - QApplication::wheelScrollLines(), 0));

        QCOMPARE(across->value(), 0);
        turnwheel(w, -120, Qt::ShiftModifier);
        QVERIFY(across->value() > 0);
        QCOMPARE(int(l.lvlscrollx), left);
        QCOMPARE(w.zoom(), 4);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"

// The window's views of the ROM and of the picture: the dialogs built on the
// ROM map, the block grid and the mouse wheel.
#include "demorom/demorom.h"
#include "editor/settings.h"
#include "level/rommap.h"
#include "rom/hex.h"
#include "ui/quib.h"
#include "widgets/lvlview.h"

#include "testutil.h"

#include <QAction>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

using namespace quib;

class TestViews : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;

    QString inipath() const { return dir.filePath(QStringLiteral("Quibed.ini")); }
    static QAction *action(QuibWindow &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }
    void open(QuibWindow &w)
    {
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        QVERIFY(w.startup());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
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
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(demo::builddemorom().save(rompath));
    }
    void init() { QFile::remove(inipath()); }
    void cleanup() { testutil::stopanswering(); }

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
        bool first = false; // the pointer we came in by
        for (int k = 0; k < 2; ++k) {
            const MapStream &stream = k == 0 ? *objects : *enemies;
            const QList<QStringList> &rows = pointers[k];
            QVERIFY(rows[0][0].contains(QStringLiteral("0x") + hexstr(stream.start)));
            QCOMPARE(rows.size() - 1, qsizetype(stream.from.size()));
            for (size_t i = 0; i < stream.from.size(); ++i) {
                const StreamLink &link = stream.from[i];
                const QStringList &row = rows[qsizetype(i) + 1];
                if (link.kind == StreamLink::AreaHeader) {
                    QCOMPARE(atoffset(row[4]), link.header);
                    continue;
                }
                QCOMPARE(row[1].toInt(), link.world);
                QCOMPARE(row[2].mid(1).toInt(), link.index + 1);
                QCOMPARE(row[3], QStringLiteral("X: %1   Y: %2").arg(hexpad(link.col, 2), hexpad(link.row, 2)));
                first = first || (k == 0 && link.world == 1 && link.index == 0);
            }
        }
        QVERIFY(first);

        const QList<QList<QStringList>> space = shown(w, "romspace");
        const int win = objwindow(map, l.lvlobjset);
        QVERIFY(win >= 0 && win < space.size());
        const RomWindow &window = map.windows[size_t(win)];
        QVERIFY(!window.free.empty()); // the demo ROM leaves room to grow
        const QList<QStringList> &rows = space[win];
        QCOMPARE(rows[0][4].toLongLong(), window.freetotal());
        std::vector<FreeRun> free;
        bool listed = false;
        for (const QStringList &row : rows.mid(1)) {
            if (row[1] == QStringLiteral("free"))
                free.push_back({atoffset(row[0]), row[4].toLongLong()});
            else if (atoffset(row[0]) == objects->start)
                listed = row[2].toLongLong() == objects->used() && row[3].toLongLong() == objects->room();
        }
        QVERIFY(listed);
        QVERIFY(free == window.free);
        int64_t total = 0;
        for (const RomWindow &each : map.windows)
            total += each.freetotal();
        QCOMPARE(space.last()[0][4].toLongLong(), total);
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
        while (across->value() < across->maximum())
            turnwheel(w, -120, Qt::ShiftModifier);
        turnwheel(w, -120, Qt::ShiftModifier);
        QCOMPARE(int(l.lvlscrollx), left + QApplication::wheelScrollLines());
        QCOMPARE(w.zoom(), 4);
    }
};

QTEST_MAIN(TestViews)
#include "tst_views.moc"

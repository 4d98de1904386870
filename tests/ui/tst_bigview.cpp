// The view in a window of any size: a larger window shows more blocks, the
// overview scrolls the view, Ctrl + wheel zooms about the pointer, and the
// window's size comes back at the next start.
#include "demorom/demorom.h"
#include "editor/settings.h"
#include "level/leveledit.h"
#include "ui/quib.h"
#include "widgets/appstyle.h"
#include "widgets/lvlview.h"
#include "widgets/overview.h"

#include "testutil.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace quib;

class TestBigView : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    QTemporaryDir work;
    QString rompath;

    QString inipath() const { return config.filePath(QStringLiteral("Quibed.ini")); }
    static QAction *action(QuibWindow &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }

    void open(QuibWindow &w)
    {
        QVERIFY(w.startup(rompath));
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    static ViewSize view(QuibWindow &w) { return viewsizeof(w.state().lvl); }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        rompath = work.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(demo::builddemorom().save(rompath));
        useappstyle(*qApp);
    }

    // A larger window shows more blocks at the same zoom; a press on the
    // last pixel of the view picks the last column shown; a larger zoom in
    // the same window shows fewer, larger blocks and keeps the block under
    // the wheel where it was.
    void resize()
    {
        QFile::remove(inipath());
        QuibWindow w;
        open(w);
        w.setzoom(1);
        QCOMPARE(view(w), ViewSize{});
        QCOMPARE(w.lvl()->size(), QSize(256, 240));
        w.resize(w.size() + QSize(250, 180));
        QTRY_VERIFY(view(w).cols >= 30 && view(w).rows >= 25);
        const ViewSize big = view(w);
        QCOMPARE(w.lvl()->size(), QSize(16 * big.cols, 16 * big.rows));
        QCOMPARE(int(w.state().map.mapscroll), 0);
        const int shown = std::min(big.cols, w.state().map.width()); // no more than the world
        QTest::mouseClick(w.lvl(), Qt::LeftButton, {}, QPoint(16 * shown - 1, 16 * 9 - 1));
        QCOMPARE(int(w.state().map.mapcurcol), shown - 1);
        QCOMPARE(int(w.state().map.mapcurrow), 8);

        QTest::keyClick(&w, Qt::Key_P);
        QTest::keyClick(&w, Qt::Key_Space);
        QTRY_COMPARE(int(w.state().editmode), int(ModeObjectEditing));
        Level &l = w.state().level;
        QVERIFY(!l.vertical());
        l.lvlscrollx = 40;
        l.lvlscrolly = 0;
        w.redraw();
        // The wheel turned with Ctrl over block (5, 4) of the view.
        QWidget *port = w.findChild<ViewArea *>()->viewport();
        const QPoint at = w.lvl()->mapTo(port, QPoint(5 * 16 + 8, 4 * 16 + 8));
        QWheelEvent turn(at, port->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                         Qt::NoScrollPhase, false);
        const QSize before = w.size();
        QApplication::sendEvent(port, &turn);
        QCOMPARE(w.zoom(), 2);
        QCOMPARE(w.size(), before);
        QVERIFY(view(w).cols < big.cols);
        const QPoint now = w.lvl()->mapFrom(port, at);
        QCOMPARE(l.lvlscrollx + now.x() / 32, 45);
        QCOMPARE(l.lvlscrolly + now.y() / 32, 4);
        w.close();
    }

    // View > Overview shows the whole area below the view with the part
    // shown outlined; a click in it brings that part into the view.
    void overview()
    {
        QFile::remove(inipath());
        {
            QuibWindow w;
            open(w);
            QVERIFY(!action(w, "overview")->isChecked());
            QVERIFY(!w.overview()->isVisible());
            action(w, "overview")->trigger();
            QTRY_VERIFY(w.overview()->isVisible());
            QCOMPARE(w.overview()->shown(), QRect(0, 0, 16, 9));
            QTest::keyClick(&w, Qt::Key_P);
            QTest::keyClick(&w, Qt::Key_Space);
            QTRY_COMPARE(int(w.state().editmode), int(ModeObjectEditing));
            const Level &l = w.state().level;
            QCOMPARE(w.overview()->shown(), QRect(l.lvlscrollx, l.lvlscrolly, 16, 15));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QRect pic = w.overview()->picturerect();
            QTest::mouseClick(w.overview(), Qt::LeftButton, {}, QPoint(pic.right(), pic.top()));
            QCOMPARE(int(l.lvlscrollx), 240);
            QCOMPARE(int(l.lvlscrolly), 0);
            QCOMPARE(w.overview()->shown(), QRect(240, 0, 16, 15));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            pic = w.overview()->picturerect();
            QTest::mouseClick(w.overview(), Qt::LeftButton, {}, pic.center());
            QVERIFY2(std::abs(l.lvlscrollx - (128 - 8)) <= 1, qPrintable(QString::number(l.lvlscrollx)));
            w.close();
        }
        QuibWindow again;
        open(again);
        QVERIFY(action(again, "overview")->isChecked());
        QVERIFY(again.overview()->isVisible());
        action(again, "overview")->trigger();
        again.close();
    }

    // The window's size and maximised state are kept in keys of their own;
    // a window at its first size writes none.
    void windowsize()
    {
        testutil::writefile(inipath(), "[Options]\r\nZoom=1\r\n"); // room to grow on the test's screen
        QSize size;
        {
            QuibWindow w;
            open(w);
            w.close();
            QCOMPARE(readwindowplace(inipath()), WindowPlace{});
        }
        {
            QuibWindow w;
            open(w);
            size = w.size() + QSize(120, 80);
            w.resize(size);
            QTRY_COMPARE(w.size(), size);
            w.close();
        }
        QCOMPARE(readwindowplace(inipath()), (WindowPlace{size.width(), size.height(), false}));
        {
            QuibWindow w;
            open(w);
            QCOMPARE(w.size(), size);
            w.showMaximized();
            QTRY_VERIFY(w.isMaximized());
            w.close();
        }
        QCOMPARE(readwindowplace(inipath()), (WindowPlace{size.width(), size.height(), true}));
        QuibWindow w;
        open(w);
        QVERIFY(w.isMaximized());
    }
};

QTEST_MAIN(TestBigView)
#include "tst_bigview.moc"

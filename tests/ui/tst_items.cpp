#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "dialogs/itempalette.h"
#include "level/itemclip.h"
#include "level/itemedit.h"
#include "level/leveledit.h"
#include "level/objbox.h"
#include "ui/quib.h"
#include "widgets/lvlview.h"

#include "testutil.h"

#include <QAction>
#include <QListWidget>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// Building areas through the window: delete, add, copy and paste (within an
// area and into one of another object set), moving a selection of several,
// Bring to Front; each followed by Save and the ROM file compared with the
// bytes the records should have, and undone.
class TestItems : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    QByteArray pristine;

    static demo::AreaRef place(const char *name)
    {
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            if (qstrcmp(p.name, name) == 0)
                return p.ref;
        return {};
    }

    void open(QuibWindow &w)
    {
        QVERIFY(testutil::writefile(rompath, pristine));
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        QVERIFY(w.startup());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // World 1's first pointer leads into plain-1.
        QTest::keyClick(&w, Qt::Key_P);
        QTest::keyClick(&w, Qt::Key_Space);
        QTRY_COMPARE(int(w.state().editmode), int(ModeObjectEditing));
    }

    // The area's object records as the file holds them, one by one.
    static std::vector<QByteArray> records(const QByteArray &rom, const Level &l)
    {
        std::vector<QByteArray> out;
        qsizetype at = l.lvlobjpos + hdrsize;
        for (const ObjRecord &o : l.objects) {
            out.push_back(rom.mid(at, o.raw.size));
            at += o.raw.size;
        }
        return out;
    }
    static QByteArray stream(const QByteArray &rom, const Level &l, const std::vector<QByteArray> &recs)
    {
        QByteArray s = rom.mid(l.lvlobjpos, hdrsize);
        for (const QByteArray &r : recs)
            s += r;
        return s + char(0xFF);
    }
    // A record moved to (x, y) of a horizontal area.
    static QByteArray moved(QByteArray r, int x, int y)
    {
        r[0] = char((uint8_t(r[0]) & 0xE0) | y);
        r[1] = char(x);
        return r;
    }
    // Save, then the file: `base` with the object stream `s` at its place;
    // a shorter stream frees the rest of its old extent (`oldsize`) to 0xFF,
    // and nothing after it changes.
    void savedwith(QuibWindow &w, const QByteArray &base, const QByteArray &s, qsizetype oldsize)
    {
        QVERIFY(w.save());
        const QByteArray now = testutil::readfile(rompath);
        const qsizetype at = w.state().level.lvlobjpos;
        QCOMPARE(now.size(), base.size());
        QCOMPARE(now.left(at), base.left(at));
        QCOMPARE(now.mid(at, s.size()), s);
        // Bytes of the old extent the shorter stream no longer uses are freed.
        if (oldsize > s.size())
            QCOMPARE(now.mid(at + s.size(), oldsize - s.size()), QByteArray(oldsize - s.size(), char(0xFF)));
        const qsizetype after = at + std::max(s.size(), oldsize);
        QCOMPARE(now.mid(after), base.mid(after));
    }

    // A block of the view where a press picks object i.
    static QPoint clickable(QuibWindow &w, int i)
    {
        const Level &l = w.state().level;
        for (int r = 0; r < 15; ++r)
            for (int c = 0; c < 16; ++c) {
                const int col = l.lvlscrollx + c, row = l.lvlscrolly + r;
                if (objbox(l, w.state().props, i).contains(col, row)
                    && levelhit(l, w.state().props, col, row).object == i)
                    return QPoint(col, row);
            }
        return QPoint(-1, -1);
    }
    static QPoint at(QuibWindow &w, QPoint block)
    {
        const Level &l = w.state().level;
        return QPoint(((block.x() - l.lvlscrollx) * 16 + 8) * w.zoom(), ((block.y() - l.lvlscrolly) * 16 + 8) * w.zoom());
    }
    static void move(QuibWindow &w, QPoint to, Qt::MouseButtons buttons)
    {
        QMouseEvent e(QEvent::MouseMove, to, w.lvl()->mapToGlobal(to), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(w.lvl(), &e);
    }
    // Two objects that a click picks, a before b; b selected last with
    // Ctrl+click.
    static std::pair<int, int> selecttwo(QuibWindow &w)
    {
        int a = -1, b = -1;
        for (int i = 0; i < w.state().level.objcount() && b < 0; ++i)
            if (clickable(w, i).x() >= 0
                && objbox(w.state().level, w.state().props, i).lastcol() < w.state().level.lvlscrollx + 12)
                (a < 0 ? a : b) = i;
        QTest::mouseClick(w.lvl(), Qt::LeftButton, {}, at(w, clickable(w, a)));
        QTest::mouseClick(w.lvl(), Qt::LeftButton, Qt::ControlModifier, at(w, clickable(w, b)));
        return {a, b};
    }
    static void trigger(QuibWindow &w, const char *name) { w.findChild<QAction *>(QLatin1String(name))->trigger(); }
    static std::vector<uint32_t> picture(QuibWindow &w) { return w.state().lvl.px; }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        pristine = testutil::bytesof(demo::builddemorom());
    }
    void cleanup() { testutil::stopanswering(); }

    // Ctrl+click a second object, drag it: both move by the same blocks;
    // Bring to Front puts them last in the stream. Undo restores picture
    // and bytes.
    void movegroup()
    {
        QuibWindow w;
        open(w);
        const Level &l = w.state().level;
        std::vector<QByteArray> recs = records(pristine, l);
        const auto [a, b] = selecttwo(w);
        QCOMPARE(selecteditems(l, true), (std::vector<int>{a, b}));
        QCOMPARE(int(l.selobj), b);
        const std::vector<uint32_t> before = picture(w);
        const QPoint from = at(w, clickable(w, b));
        QTest::mousePress(w.lvl(), Qt::LeftButton, {}, from);
        move(w, from + QPoint(16 * w.zoom(), 0), Qt::LeftButton);
        move(w, from + QPoint(32 * w.zoom(), 0), Qt::LeftButton);
        QTest::mouseRelease(w.lvl(), Qt::LeftButton, {}, from + QPoint(32 * w.zoom(), 0));
        trigger(w, "bringtofront");
        QCOMPARE(selecteditems(l, true), (std::vector<int>{l.objcount() - 2, l.objcount() - 1}));

        std::vector<QByteArray> expect;
        for (int i = 0; i < int(recs.size()); ++i)
            if (i != a && i != b)
                expect.push_back(recs[size_t(i)]);
        for (const int i : {a, b})
            expect.push_back(moved(recs[size_t(i)], uint8_t(recs[size_t(i)][1]) + 2, uint8_t(recs[size_t(i)][0]) & 31));
        QByteArray exp = pristine;
        const QByteArray s = stream(pristine, l, expect);
        exp.replace(l.lvlobjpos, s.size(), s);
        QVERIFY(w.save());
        QCOMPARE(testutil::readfile(rompath), exp);

        w.document().undo();
        w.document().undo();
        QCOMPARE(picture(w), before);
        QVERIFY(w.save());
        QCOMPARE(testutil::readfile(rompath), pristine);
    }

    // Delete (not the keypad's "." with Num Lock off), then Insert adds a
    // copy of the item picked last one block right of it; Save after each.
    void deleteadd()
    {
        QuibWindow w;
        open(w);
        const Level &l = w.state().level;
        const std::vector<QByteArray> recs = records(pristine, l);
        const LevelDocument start = l.document();
        const qsizetype oldsize = stream(pristine, l, recs).size();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&w, Qt::Key_PageDown);
        QTest::keyClick(&w, Qt::Key_Delete, Qt::KeypadModifier);
        QCOMPARE(l.objcount(), int(recs.size()));

        QTest::keyClick(&w, Qt::Key_Delete);
        QCOMPARE(l.objcount(), int(recs.size()) - 1);
        std::vector<QByteArray> expect = recs;
        expect.erase(expect.begin() + 3);
        savedwith(w, pristine, stream(pristine, l, expect), oldsize);
        QByteArray base = testutil::readfile(rompath);

        QCOMPARE(int(l.selobj), 3);
        QTest::keyClick(&w, Qt::Key_Insert);
        QCOMPARE(l.objcount(), int(recs.size()));
        QCOMPARE(selecteditems(l, true), std::vector<int>{l.objcount() - 1});
        expect.push_back(moved(recs[4], uint8_t(recs[4][1]) + 1, uint8_t(recs[4][0]) & 31));
        savedwith(w, base, stream(pristine, l, expect), oldsize);

        w.document().undo();
        w.document().undo();
        QVERIFY(l.document() == start);
        QVERIFY(w.save());
        QCOMPARE(testutil::readfile(rompath), pristine);
    }

    // Copy two objects, paste them under the pointer in the same area and
    // at the view's top-left in an area of object set 3, whose table decides
    // the length bytes.
    void copypaste()
    {
        QuibWindow w;
        open(w);
        const Level &l = w.state().level;
        const std::vector<QByteArray> recs = records(pristine, l);
        const auto [a, b] = selecttwo(w);
        QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1String("object ")), 2);

        // The group's top-left at the block under the pointer.
        const ObjRecord oa = l.objects[size_t(a)], ob = l.objects[size_t(b)];
        const int left = std::min(oa.x, ob.x), top = std::min(oa.y, ob.y);
        const QPoint target(l.lvlscrollx + 3, l.lvlscrolly + 2);
        move(w, at(w, target), Qt::NoButton);
        const LevelDocument before = l.document();
        QTest::keyClick(&w, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(l.objcount(), int(recs.size()) + 2);
        std::vector<QByteArray> expect = recs;
        for (const auto &[i, o] : {std::pair(a, oa), std::pair(b, ob)})
            expect.push_back(moved(recs[size_t(i)], target.x() + o.x - left, target.y() + o.y - top));
        savedwith(w, pristine, stream(pristine, l, expect), 0);
        w.document().undo();
        QVERIFY(l.document() == before);
        w.document().redo();
        QVERIFY(w.save());

        // Into hills-1, object set 3, with the pointer away from the view.
        const QByteArray base = testutil::readfile(rompath);
        const demo::AreaRef hills = place("hills-1");
        QVERIFY(w.document().enterarea(int32_t(hills.objpos), int32_t(hills.enmpos), 3));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w.lvl(), &leave);
        const std::vector<QByteArray> hillrecs = records(base, l);
        const int col = l.lvlscrollx, row = l.lvlscrolly;
        QTest::keyClick(&w, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(l.objcount(), int(hillrecs.size()) + 2);
        std::vector<QByteArray> hillexpect = hillrecs;
        for (const ObjRecord &o : {oa, ob}) {
            QByteArray r = moved(recs[size_t(o == oa ? a : b)].left(3), col + o.x - left, row + o.y - top);
            if (w.state().props.four(3, o.bank, o.type))
                r += char(0);
            hillexpect.push_back(r);
        }
        savedwith(w, base, stream(base, l, hillexpect), 0);
    }

    // The palette lists the area's set; Enter on an entry adds it at the
    // view's centre block, or where the pointer was last over the view; it
    // follows the zoom.
    void palette()
    {
        QuibWindow w;
        open(w);
        const Level &l = w.state().level;
        trigger(w, "itempalette");
        auto *palette = w.findChild<ItemPalette *>();
        QVERIFY(palette && palette->isVisible());
        QListWidget *objects = palette->objects();
        QVERIFY(objects->count() > 10);
        QCOMPARE(palette->enemies()->count(), 256);
        objects->setCurrentRow(objects->count() - 1);
        const ItemGroup entry = palette->group(objects->currentItem());
        QTest::keyClick(objects, Qt::Key_Return);
        QCOMPARE(l.objects.back().type, entry.objects[0].type);
        QCOMPARE(l.objects.back().four, w.state().props.four(l.lvlobjset, entry.objects[0].bank, entry.objects[0].type));
        QCOMPARE(int(l.objects.back().x), l.lvlscrollx + 8);

        move(w, at(w, QPoint(l.lvlscrollx + 2, l.lvlscrolly + 3)), Qt::NoButton);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w.lvl(), &leave);
        QTest::keyClick(palette->enemies(), Qt::Key_Down);
        QTest::keyClick(palette->enemies(), Qt::Key_Return);
        QCOMPARE(int(w.state().editmode), int(ModeEnemyEditing));
        QCOMPARE(std::pair(int(l.enemies.back().x), int(l.enemies.back().y)),
                 std::pair(l.lvlscrollx + 2, l.lvlscrolly + 3));

        // An entry dropped on the view lands on the block under the drop.
        QMimeData dragged;
        dragged.setData(QString::fromLatin1(itemmimetype), itemsmime(entry));
        const QPoint drop(l.lvlscrollx + 5, l.lvlscrolly + 1);
        QDragEnterEvent enter(at(w, drop), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.lvl(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropevent(at(w, drop), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.lvl(), &dropevent);
        QCOMPARE(int(w.state().editmode), int(ModeObjectEditing));
        QCOMPARE(std::pair(int(l.objects.back().x), int(l.objects.back().y)), std::pair(drop.x(), drop.y()));

        const QSize icons = objects->iconSize();
        w.setzoom(w.zoom() + 1);
        QVERIFY(objects->iconSize().width() > icons.width());
    }

    // A Ctrl+drag from an empty block draws a rectangle that selects the
    // objects it touches; letting go removes the rectangle.
    // Save sorts the enemies by column; a selection of several follows
    // its records to their new places.
    void enemyselectionaftersave()
    {
        QuibWindow w;
        open(w);
        w.document().setmode(ModeEnemyEditing);
        Level &l = w.state().level;
        QVERIFY(l.enemycount() >= 3);
        l.enemies[0].x = 0xFF;
        selectitems(l, false, {0, 1}, 0);
        const EnemyRecord a = l.enemies[0], b = l.enemies[1];
        QVERIFY(w.save());
        QCOMPARE(l.enemies.back(), a);
        const std::vector<int> sel = selecteditems(l, false);
        QCOMPARE(sel.size(), size_t(2));
        QVERIFY(l.enemies[size_t(sel[0])] == b && l.enemies[size_t(sel[1])] == a);
        QVERIFY(*l.selectedenemy() == a);
    }

    void rectangle()
    {
        QuibWindow w;
        open(w);
        const Level &l = w.state().level;
        QPoint empty(-1, -1);
        for (int r = 0; r < 15 && empty.x() < 0; ++r)
            for (int c = 0; c < 16 && empty.x() < 0; ++c) {
                const LevelHit h = levelhit(l, w.state().props, l.lvlscrollx + c, l.lvlscrolly + r);
                if (h.object < 0 && h.enemy < 0)
                    empty = QPoint(c, r);
            }
        QVERIFY(empty.x() >= 0);
        QPoint corner(empty.x() < 8 ? 15 : 0, empty.y() < 7 ? 14 : 0);
        empty += QPoint(l.lvlscrollx, l.lvlscrolly);
        corner += QPoint(l.lvlscrollx, l.lvlscrolly);
        QTest::mousePress(w.lvl(), Qt::LeftButton, Qt::ControlModifier, at(w, empty));
        move(w, at(w, corner), Qt::LeftButton);
        QVERIFY(l.band.on);
        const std::vector<int> inside =
            itemsinrect(l, w.state().props, true, empty.x(), empty.y(), corner.x(), corner.y());
        QVERIFY(inside.size() > 1);
        QCOMPARE(selecteditems(l, true), inside);
        QTest::mouseRelease(w.lvl(), Qt::LeftButton, Qt::ControlModifier, at(w, corner));
        QVERIFY(!l.band.on);
        QVERIFY(!w.document().modified());
    }
};

QTEST_MAIN(TestItems)
#include "tst_items.moc"

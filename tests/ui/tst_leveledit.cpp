#include "demorom/demolevels.h"
#include "demorom/demoareas.h"
#include "demorom/demorom.h"
#include "level/objbox.h"
#include "widgets/lvlview.h"
#include "ui/quib.h"

#include "testutil.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// Editing a level through the window, keys and mouse, each stretch ended by
// Save and a comparison of the whole ROM file with the bytes the records
// should have.
class TestLevelEdit : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    QByteArray pristine;

    static const demo::DemoArea &area(const char *name)
    {
        for (const demo::DemoArea &a : demo::demoareas())
            if (qstrcmp(a.name, name) == 0)
                return a;
        qFatal("no demo area %s", name);
    }
    static demo::AreaRef place(const char *name)
    {
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            if (qstrcmp(p.name, name) == 0)
                return p.ref;
        return {};
    }
    // Byte k of object i's record, from the records' sizes as the area was built.
    static qsizetype objbyte(const char *name, int i, int k)
    {
        qsizetype at = qsizetype(place(name).objpos) + 9;
        for (int j = 0; j < i; ++j)
            at += area(name).objects[size_t(j)].len < 0 ? 3 : 4;
        return at + k;
    }
    static qsizetype enmbyte(const char *name, int i, int k) { return qsizetype(place(name).enmpos) + 1 + 3 * i + k; }

    void open(QuibWindow &w) { open(w, pristine); }
    void open(QuibWindow &w, const QByteArray &rom)
    {
        QVERIFY(testutil::writefile(rompath, rom));
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        QVERIFY(w.startup());
        w.show();
    }
    // World 1's first pointer leads into plain-1.
    void enter(QuibWindow &w)
    {
        QTest::keyClick(&w, Qt::Key_P);
        QTest::keyClick(&w, Qt::Key_Space);
        QTRY_COMPARE(int(w.state().editmode), int(ModeObjectEditing));
        QCOMPARE(w.state().level.lvlobjpos, int32_t(place("plain-1").objpos));
    }
    void savedas(QuibWindow &w, const QByteArray &expected)
    {
        QVERIFY(w.save());
        QCOMPARE(testutil::readfile(rompath), expected);
    }
    // Levels > Edit level header: `choose` sets the dialog's controls, then OK.
    static void editheader(QuibWindow &w, const std::function<void(QWidget *)> &choose)
    {
        testutil::SeenBox seen;
        testutil::answermodals(seen, [choose](QWidget *d) {
            choose(d);
            d->findChild<QPushButton *>(QStringLiteral("OK"))->click();
        });
        w.findChild<QAction *>(QStringLiteral("movestart"))->trigger();
        testutil::stopanswering();
        QCOMPARE(seen.count, 0);
    }
    static std::function<void(QWidget *)> pick(const char *list, int row)
    {
        return [list, row](QWidget *d) { d->findChild<QListWidget *>(QLatin1String(list))->setCurrentRow(row); };
    }
    static QByteArray header(const QByteArray &rom, const char *name) { return rom.mid(qsizetype(place(name).objpos), 9); }
    static void kp(QuibWindow &w, Qt::Key key, Qt::KeyboardModifiers mods = {}, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&w, key, mods | Qt::KeypadModifier);
    }
    static void keys(QuibWindow &w, Qt::Key key, int times)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&w, key);
    }
    // The middle of a level block on the view, in widget pixels.
    static QPoint blockat(QuibWindow &w, int col, int row)
    {
        const Level &l = w.state().level;
        return QPoint(((col - l.lvlscrollx) * 16 + 8) * w.zoom(), ((row - l.lvlscrolly) * 16 + 8) * w.zoom());
    }
    static void press(QuibWindow &w, int col, int row)
    {
        QTest::mousePress(w.lvl(), Qt::LeftButton, {}, blockat(w, col, row));
        QTest::mouseRelease(w.lvl(), Qt::LeftButton, {}, blockat(w, col, row));
    }
    static void move(QuibWindow &w, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent e(QEvent::MouseMove, at, w.lvl()->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(w.lvl(), &e);
    }
    // A drag in many small moves, the view scrolling under it as it goes.
    static void drag(QuibWindow &w, int col, int row, QPoint to)
    {
        const QPoint from = blockat(w, col, row);
        QTest::mousePress(w.lvl(), Qt::LeftButton, {}, from);
        for (int i = 1; i <= 24; ++i)
            move(w, from + (to - from) * i / 24, Qt::LeftButton);
        QTest::mouseRelease(w.lvl(), Qt::LeftButton, {}, to);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        pristine = testutil::bytesof(demo::builddemorom());
    }
    void cleanup() { testutil::stopanswering(); }

    // A held key is one undo step however long it repeats, also where the
    // system sends the repeats as plain presses without releases; the next
    // press is a step of its own.
    void heldkey()
    {
        QuibWindow w;
        open(w);
        enter(w);
        const LevelDocument start = w.state().level.document();
        const QUndoStack &undo = w.document().undostack();
        for (int i = 0; i < 17; ++i)
            QTest::keyPress(&w, Qt::Key_L);
        QTest::keyRelease(&w, Qt::Key_L);
        QCOMPARE(undo.count(), 1);
        for (int i = 0; i < 3; ++i)
            QTest::keyPress(&w, Qt::Key_6, Qt::KeypadModifier);
        QTest::keyRelease(&w, Qt::Key_6, Qt::KeypadModifier);
        QTest::keyClick(&w, Qt::Key_L);
        QCOMPARE(undo.count(), 3);
        w.document().undostack().undo();
        w.document().undostack().undo();
        w.document().undostack().undo();
        QVERIFY(w.state().level.document() == start);
    }

    // Every key of the level modes, in plain-1.
    void levelkeys()
    {
        QuibWindow w;
        open(w);
        enter(w);
        const Level &l = w.state().level;
        const char *plain = "plain-1";
        QByteArray exp = pristine;
        savedas(w, exp); // the demo's enemies are stored in column order already

        // Object 0, bank 0 type 0x00: bank and type wrap as one number mod 2048.
        kp(w, Qt::Key_Minus);
        QCOMPARE(int(l.objects[0].bank), 7);
        QCOMPARE(int(l.objects[0].type), 0xFF);
        exp[objbyte(plain, 0, 0)] = char(0xE0 | 19);
        exp[objbyte(plain, 0, 2)] = char(0xFF);
        savedas(w, exp);
        kp(w, Qt::Key_Slash);
        kp(w, Qt::Key_Plus, {}, 6); // bank 7, type 0xF5
        kp(w, Qt::Key_Asterisk);
        exp[objbyte(plain, 0, 0)] = char(19);
        exp[objbyte(plain, 0, 2)] = char(0x05);
        // With a modifier the same keys change the length, which a 3-byte
        // object hasn't got; they are no zoom shortcut either.
        const int zoom = w.zoom();
        kp(w, Qt::Key_Plus, Qt::ControlModifier);
        kp(w, Qt::Key_Minus, Qt::ShiftModifier);
        QCOMPARE(w.zoom(), zoom);
        savedas(w, exp);

        // Moves stop at the area's edges.
        kp(w, Qt::Key_4, {}, 2);
        kp(w, Qt::Key_2, {}, 8);
        QCOMPARE(int(l.objects[0].x), 0);
        QCOMPARE(int(l.objects[0].y), 26);
        kp(w, Qt::Key_8);
        exp[objbyte(plain, 0, 0)] = char(25);
        exp[objbyte(plain, 0, 1)] = char(0);
        savedas(w, exp);

        // A 4-byte object: Ctrl or Shift with the keypad keys changes its
        // length; a new type keeps its length byte.
        QTest::keyClick(&w, Qt::Key_PageUp);
        QCOMPARE(int(l.selobj), 0);
        int four = 0;
        while (area(plain).objects[size_t(four)].len < 0)
            ++four;
        keys(w, Qt::Key_PageDown, four);
        QCOMPARE(int(l.selobj), four);
        kp(w, Qt::Key_Plus, Qt::ControlModifier);
        kp(w, Qt::Key_Asterisk, Qt::ControlModifier);
        kp(w, Qt::Key_Minus, Qt::ShiftModifier);
        kp(w, Qt::Key_Plus);
        QCOMPARE(w.zoom(), zoom);
        const demo::DemoObj &o = area(plain).objects[size_t(four)];
        exp[objbyte(plain, four, 2)] = char(o.type + 1);
        exp[objbyte(plain, four, 3)] = char(o.len + 1 + 16 - 1);
        savedas(w, exp);

        // Selection and scrolling: within bounds, and nothing to save.
        keys(w, Qt::Key_PageDown, 300);
        QCOMPARE(l.selobj, uint8_t(l.objcount() - 1));
        keys(w, Qt::Key_Down, 20);
        QCOMPARE(int(l.lvlscrolly), 12);
        keys(w, Qt::Key_Right, 300);
        QCOMPARE(int(l.lvlscrollx), 240);
        keys(w, Qt::Key_Left, 300);
        keys(w, Qt::Key_Up, 20);
        QCOMPARE(int(l.lvlscrollx), 0);
        QCOMPARE(int(l.lvlscrolly), 0);
        QVERIFY(!w.document().modified());

        // Enemy 0: the type keys with or without a modifier, moves.
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(int(w.state().editmode), int(ModeEnemyEditing));
        QCOMPARE(int(l.selenemy), 0);
        kp(w, Qt::Key_Plus);
        kp(w, Qt::Key_Plus, Qt::ShiftModifier);
        kp(w, Qt::Key_Asterisk, Qt::ControlModifier);
        kp(w, Qt::Key_Slash, Qt::AltModifier);
        kp(w, Qt::Key_Minus);
        kp(w, Qt::Key_8);
        kp(w, Qt::Key_4);
        const demo::DemoEnemy &e = area(plain).enemies[0];
        exp[enmbyte(plain, 0, 0)] = char(e.type + 1);
        exp[enmbyte(plain, 0, 1)] = char(e.x - 1);
        exp[enmbyte(plain, 0, 2)] = char(e.y - 1);
        savedas(w, exp);
        kp(w, Qt::Key_2, {}, 10);
        QCOMPARE(int(l.enemies[0].y), 26);
        exp[enmbyte(plain, 0, 2)] = char(26);
        savedas(w, exp);

        // Space back to the objects, B to the linked area, Esc to the map.
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(int(w.state().editmode), int(ModeObjectEditing));
        QTest::keyClick(&w, Qt::Key_B);
        QCOMPARE(l.lvlobjpos, int32_t(place("underground-1").objpos));
        QTest::keyClick(&w, Qt::Key_B, Qt::ShiftModifier); // B with a modifier is not B
        QCOMPARE(l.lvlobjpos, int32_t(place("underground-1").objpos));
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(int(w.state().editmode), int(ModeMapPointers));
        QCOMPARE(testutil::readfile(rompath), exp);
    }

    // An item the ROM puts below the area's last row can't go further down,
    // but moves back up; each direction keeps to its own bound.
    void outofbounds()
    {
        const char *plain = "plain-1";
        QByteArray rom = pristine;
        rom[objbyte(plain, 0, 0)] = char((rom[objbyte(plain, 0, 0)] & 0xE0) | 30);
        rom[enmbyte(plain, 0, 2)] = char(30);
        QuibWindow w;
        open(w, rom);
        enter(w);
        const Level &l = w.state().level;
        kp(w, Qt::Key_2);
        QVERIFY(!w.document().modified());
        kp(w, Qt::Key_8);
        QCOMPARE(int(l.objects[0].y), 29);
        QTest::keyClick(&w, Qt::Key_Space);
        kp(w, Qt::Key_2);
        kp(w, Qt::Key_8, {}, 2);
        QCOMPARE(int(l.enemies[0].y), 28);
        rom[objbyte(plain, 0, 0)] = char((rom[objbyte(plain, 0, 0)] & 0xE0) | 29);
        rom[enmbyte(plain, 0, 2)] = char(28);
        savedas(w, rom);
    }

    // Horizontal to vertical and back through the header dialog changes
    // nothing Save writes: the objects come back as they were, with no
    // unsaved mark; edits made before stay unsaved and are saved as made.
    void headerroundtrip()
    {
        const char *plain = "plain-1";
        const qsizetype scrollbyte = qsizetype(place(plain).objpos) + 6;
        QuibWindow w;
        open(w);
        enter(w);
        const Level &l = w.state().level;
        const LevelDocument loaded = l.document();
        QByteArray exp = pristine;
        exp[scrollbyte] = char((exp[scrollbyte] & 0x8F) | 0x10);
        editheader(w, pick("scrollingList", 1));
        QVERIFY(l.vertical());
        QCOMPARE(testutil::readfile(rompath), exp);
        QVERIFY(!w.document().modified());
        editheader(w, pick("scrollingList", 0));
        QCOMPARE(testutil::readfile(rompath), pristine);
        QVERIFY(l.document() == loaded);
        QVERIFY(!w.document().modified());
        QVERIFY(!w.windowTitle().endsWith(QLatin1Char('*')));
        savedas(w, pristine);

        kp(w, Qt::Key_6);
        editheader(w, pick("scrollingList", 1));
        editheader(w, pick("scrollingList", 0));
        QVERIFY(w.document().modified());
        exp = pristine;
        exp[objbyte(plain, 0, 1)] = char(exp[objbyte(plain, 0, 1)] + 1);
        savedas(w, exp);
    }

    // Undo and redo of a record step after the header dialog take back the
    // records only: the header stays as the dialog wrote it, in memory as in
    // the file. The header's own step takes back both.
    void undoafterheader()
    {
        const char *plain = "plain-1";
        QuibWindow w;
        open(w);
        enter(w);
        const Level &l = w.state().level;
        const auto hdr = [&] { return QByteArray(reinterpret_cast<const char *>(l.lvlhdr.data()), 9); };
        editheader(w, pick("musicList", 5));
        const QByteArray written = testutil::readfile(rompath);
        QVERIFY(header(written, plain) != header(pristine, plain));
        kp(w, Qt::Key_6);
        w.document().undostack().undo();
        QCOMPARE(hdr(), header(written, plain));
        QVERIFY(!w.document().modified());
        savedas(w, written);
        w.document().undostack().redo();
        QCOMPARE(hdr(), header(written, plain));
        QByteArray exp = written;
        exp[objbyte(plain, 0, 1)] = char(exp[objbyte(plain, 0, 1)] + 1);
        savedas(w, exp);

        // The header's own step: undo writes the header before it back and
        // the area takes its form again; redo writes the dialog's bytes.
        const std::vector<ObjRecord> objects = l.objects;
        editheader(w, pick("scrollingList", 1));
        const QByteArray vertical = testutil::readfile(rompath);
        QVERIFY(header(vertical, plain) != header(exp, plain));
        QCOMPARE(w.findChild<QAction *>(QStringLiteral("undo"))->text(), QStringLiteral("&Undo Edit level header"));
        w.findChild<QAction *>(QStringLiteral("undo"))->trigger();
        QCOMPARE(testutil::readfile(rompath), exp);
        QCOMPARE(hdr(), header(exp, plain));
        QVERIFY(l.objects == objects);
        w.findChild<QAction *>(QStringLiteral("redo"))->trigger();
        QCOMPARE(testutil::readfile(rompath), vertical);
        QCOMPARE(hdr(), header(vertical, plain));
    }

    // Presses pick the item under the pointer by the mode's rule and keep
    // the grab offset; drags move the selection within the area's bounds.
    void mouse()
    {
        QuibWindow w;
        open(w);
        enter(w);
        const Level &l = w.state().level;
        const char *plain = "plain-1";
        QByteArray exp = pristine;
        const auto mode = [&] { return int(w.state().editmode); };

        // The hill (object 0) moved over the bush (object 8): where both
        // are, the higher index wins.
        kp(w, Qt::Key_6, {}, 5);
        press(w, 9, 22);
        QCOMPARE(int(l.selobj), 8);
        // A press on nothing changes nothing; the drag after it moves the
        // bush with the grab offset of the press before (one column left).
        press(w, 3, 19);
        QCOMPARE(int(l.selobj), 8);
        drag(w, 3, 19, blockat(w, 12, 17));
        QCOMPARE(int(l.objects[8].x), 11);
        QCOMPARE(int(l.objects[8].y), 17);
        exp[objbyte(plain, 0, 1)] = char(6);
        exp[objbyte(plain, 8, 0)] = char(17);
        exp[objbyte(plain, 8, 1)] = char(11);
        savedas(w, exp);

        // Enemy 0 brought next to the hill.
        QTest::keyClick(&w, Qt::Key_Space);
        kp(w, Qt::Key_4, {}, 8);
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(mode(), int(ModeObjectEditing));
        press(w, 12, 22); // the enemy alone: enemy editing
        QCOMPARE(mode(), int(ModeEnemyEditing));
        QCOMPARE(int(l.selenemy), 0);
        kp(w, Qt::Key_4, {}, 2); // into the hill's box
        press(w, 10, 22);        // both: the enemy wins in enemy editing
        QCOMPARE(mode(), int(ModeEnemyEditing));
        press(w, 9, 22); // the hill alone: object editing
        QCOMPARE(mode(), int(ModeObjectEditing));
        QCOMPARE(int(l.selobj), 0);
        press(w, 10, 22); // both: the object wins in object editing
        QCOMPARE(mode(), int(ModeObjectEditing));
        QCOMPARE(int(l.selobj), 0);

        // Dragged far to the right and down: the last column and row, the
        // view following.
        drag(w, 10, 22, QPoint(4000, 100));
        QCOMPARE(int(l.objects[0].x), 255);
        QCOMPARE(int(l.lvlscrollx), 240);
        drag(w, 255, l.objects[0].y, QPoint(blockat(w, 255, 0).x(), 4000));
        QCOMPARE(int(l.objects[0].y), 26);
        exp[objbyte(plain, 0, 0)] = char(26);
        exp[objbyte(plain, 0, 1)] = char(255);
        exp[enmbyte(plain, 0, 1)] = char(10);
        // A move without a button does nothing.
        move(w, QPoint(20, 20), Qt::NoButton);
        QCOMPARE(int(l.objects[0].x), 255);
        savedas(w, exp);

        // A vertical area by its offsets (Ctrl+L): the view scrolls further
        // down for enemies than for objects; an object stays within its 16
        // columns and its last row.
        const demo::AreaRef tower = place("fortress-tower");
        testutil::SeenBox box;
        testutil::answermodals(box, [&](QWidget *d) {
            d->findChild<QListWidget *>(QStringLiteral("objsetlist"))->setCurrentRow(2);
            d->findChild<QLineEdit *>(QStringLiteral("objposEdit"))->setText(QString::number(tower.objpos, 16));
            d->findChild<QLineEdit *>(QStringLiteral("enmposEdit"))->setText(QString::number(tower.enmpos, 16));
            static_cast<QDialog *>(d)->accept();
        });
        QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
        testutil::stopanswering();
        QCOMPARE(box.count, 0);
        QCOMPARE(l.lvlobjpos, int32_t(tower.objpos));
        QVERIFY(l.vertical());
        keys(w, Qt::Key_Down, 250);
        QCOMPARE(int(l.lvlscrolly), 225);
        QTest::keyClick(&w, Qt::Key_Space);
        keys(w, Qt::Key_Down, 250);
        QCOMPARE(int(l.lvlscrolly), 225);
        keys(w, Qt::Key_Right, 3);
        QCOMPARE(int(l.lvlscrollx), 0);
        QTest::keyClick(&w, Qt::Key_Space);
        kp(w, Qt::Key_6); // object 0 moved and shown,
        kp(w, Qt::Key_4); // and back
        QVERIFY(objbox(l, w.state().props, 0).contains(0, l.lvlscrolly));
        drag(w, 0, l.lvlscrolly, QPoint(4000, 4000));
        QCOMPARE(int(l.objects[0].x), 15);
        QCOMPARE(int(l.objects[0].y), 239); // screen 15, row 14
        QCOMPARE(int(l.lvlscrollx), 0);
        exp[objbyte("fortress-tower", 0, 0)] = char(0x60 | 14);
        exp[objbyte("fortress-tower", 0, 1)] = char(0xFF);
        savedas(w, exp);
    }

    // Moving the mouse with no button held tells in the status bar what is
    // under it; leaving the view clears it.
    void pointerreadout()
    {
        QuibWindow w;
        open(w);
        enter(w);
        auto *readout = w.findChild<QLabel *>(QStringLiteral("pointerlabel"));
        move(w, blockat(w, 8, 22), Qt::NoButton);
        QCOMPARE(readout->text(), QStringLiteral("X: 08   Y: 16   Object #009: bank 0, type 92, 3 x 1 blocks"));
        // The view scrolls under the resting pointer: the read-out follows.
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(readout->text(), QStringLiteral("X: 09   Y: 16   Object #009: bank 0, type 92, 3 x 1 blocks"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w.lvl(), &leave);
        QCOMPARE(readout->text(), QString());
    }
};

QTEST_MAIN(TestLevelEdit)
#include "tst_leveledit.moc"

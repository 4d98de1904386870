// The game setting dialogs driven through the main window: each opens from
// its shortcut on the ROM's values, OK writes exactly its table and Cancel
// writes nothing, checked against every byte of the file.
#include "demorom/demorom.h"
#include "dialogs/editlvlmusic.h"
#include "dialogs/editmappal.h"
#include "dialogs/editstarttime.h"
#include "dialogs/editstatus.h"
#include "rom/romlayout.h"
#include "graphics/paledit.h"
#include "widgets/lvlview.h"
#include "ui/quib.h"

#include "testutil.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <functional>
#include <map>

using namespace quib;

namespace {

// Bytes the tests put over the demo ROM's game tables.
constexpr uint8_t livesbyte = 4, maxlivesbyte = 0x30, worldbyte = 9, statusbyte = 12;

template <class T> T *child(QWidget &d, const char *name)
{
    T *w = d.findChild<T *>(QLatin1String(name));
    if (!w)
        qWarning("no child %s", name);
    return w;
}
QString text(QWidget &d, const char *name) { return child<QLabel>(d, name)->text(); }
void press(QWidget &d, QDialogButtonBox::StandardButton which)
{
    d.findChild<QDialogButtonBox *>()->button(which)->click();
}
void keys(QWidget *w, Qt::Key key, int times = 1)
{
    w->setFocus();
    for (int i = 0; i < times; ++i)
        QTest::keyClick(w, key);
}

// A press, or a move with the left button held, on picture pixel (x, y).
void click(LvlView *v, int x, int y)
{
    QTest::mouseClick(v, Qt::LeftButton, Qt::NoModifier, QPoint(x * v->zoom() + 1, y * v->zoom() + 1));
}
void dragto(LvlView *v, int x, int y)
{
    const QPointF at(x * v->zoom() + 1, y * v->zoom() + 1);
    QMouseEvent move(QEvent::MouseMove, at, v->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v, &move);
}

// The first offsets at which the file differs from what is expected.
QByteArray differences(const QByteArray &file, const QByteArray &expected)
{
    if (file.size() != expected.size())
        return "size " + QByteArray::number(file.size());
    QByteArray out;
    for (qsizetype i = 0, n = 0; i < file.size() && n < 8; ++i)
        if (file[i] != expected[i]) {
            out += QByteArray::number(i, 16) + ": " + QByteArray::number(uint8_t(file[i]), 16) + " ";
            ++n;
        }
    return out;
}
#define QCOMPAREROM(path, expected)                                                                                    \
    do {                                                                                                               \
        const QByteArray diff_ = differences(testutil::readfile(path), expected);                                      \
        QVERIFY2(diff_.isEmpty(), diff_.constData());                                                                  \
    } while (false)

// The middle of cell (col, row) of a palette picture.
uint32_t cellcolour(const Surface &pic, int col, int row)
{
    return pic.at(palcell * col + 8, palcell * row + 8);
}

} // namespace

class TestGameDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    QByteArray pristine;

    void open(QuibWindow &w)
    {
        QVERIFY(testutil::writefile(rompath, pristine));
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        QVERIFY(w.startup());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    uint8_t romat(int64_t offset) const { return uint8_t(pristine.at(qsizetype(offset))); }
    QByteArray with(const std::map<int64_t, uint8_t> &changes) const
    {
        QByteArray b = pristine;
        for (const auto &[offset, value] : changes)
            b[qsizetype(offset)] = char(value);
        return b;
    }

    // Presses `shortcut` in the window and runs `work` on the dialog it opens
    // while the dialog is modal; a dialog that work left open is cancelled.
    // Returns false when no dialog of that kind opened.
    template <class D> bool withdialog(QuibWindow &w, Qt::Key shortcut, const std::function<void(D &)> &work)
    {
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            return false;
        bool opened = false;
        QTimer::singleShot(0, &w, [&] {
            auto *d = qobject_cast<D *>(QApplication::activeModalWidget());
            if (!d)
                return;
            opened = true;
            work(*d);
            if (d->isVisible())
                d->reject();
        });
        QTest::keyClick(&w, shortcut, Qt::ControlModifier);
        QCoreApplication::processEvents();
        return opened;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        demo::RomImage rom = demo::builddemorom();
        rom.putbytes(rom::starttimes, {1, 0});
        rom.put(rom::startlives, livesbyte);
        rom.put(rom::maxstartlives, maxlivesbyte);
        rom.put(rom::startworld, worldbyte);
        rom.put(rom::startstatus, statusbyte);
        pristine = testutil::bytesof(rom);
    }
    void cleanup() { testutil::stopanswering(); }

    // Picks, paints across sets and groups, presses outside the cells, then
    // one OK writes every edit and nothing else. Ctrl+P opens the dialog and
    // is not taken as the P key (which would change the mode).
    void paletteedits()
    {
        QuibWindow w;
        open(w);
        const Graphics &gfx = w.state().gfx;
        const bool opened = withdialog<EditMapPal>(w, Qt::Key_P, [&](EditMapPal &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Edit color palettes"));
            QCOMPARE(text(d, "objsetCaption"), QStringLiteral("World maps"));
            QCOMPARE(d.objset(), 0);
            QCOMPARE(d.levelgroup(), 0);
            QCOMPARE(d.enemygroup(), 0);
            QCOMPARE(d.selected(), 0);
            QCOMPARE(cellcolour(d.levelpicture(), 2, 1), gfx.nescol[gfx.lvlpal[0][0][6]]);
            QCOMPARE(cellcolour(d.enemypicture(), 3, 2), gfx.nescol[gfx.enmpal[0][0][15]]);
            QCOMPARE(cellcolour(d.nespicture(), 10, 2), gfx.nescol[0x2A]);
            auto *levelview = child<LvlView>(d, "levelColors");
            auto *enemyview = child<LvlView>(d, "enemyColors");
            auto *nesview = child<LvlView>(d, "nesColors");
            auto *setbar = child<QScrollBar>(d, "objsetBar");

            // Set 2, level group 3 by keyboard; colour 0x2A into palette 1, colour 2.
            setbar->setValue(2);
            QCOMPARE(text(d, "objsetCaption"), QStringLiteral("Object set 2"));
            keys(child<QListWidget>(d, "levelGroups"), Qt::Key_Down, 3);
            QCOMPARE(d.levelgroup(), 3);
            click(nesview, 16 * 10 + 3, 16 * 2 + 15);
            QCOMPARE(d.selected(), 0x2A);
            QCOMPARE(d.nespicture().at(159, 31), palselinner); // the frame around row 2, column 10
            QCOMPARE(d.nespicture().at(158, 40), palselouter);
            QCOMPARE(d.nespicture().at(160, 32), gfx.nescol[0x2A]);
            click(levelview, 16 * 2 + 4, 16 * 1 + 9);
            QCOMPARE(cellcolour(d.levelpicture(), 2, 1), gfx.nescol[0x2A]);
            click(levelview, 64, 10); // beside the cells: ignored
            click(levelview, 10, 64);

            // Set A: a drag off the bottom of the colours keeps to the last row.
            setbar->setValue(10);
            QCOMPARE(text(d, "objsetCaption"), QStringLiteral("Object set A"));
            click(nesview, 20, 4);
            QCOMPARE(d.selected(), 0x01);
            dragto(nesview, 40, 300);
            QCOMPARE(d.selected(), 0x32);
            keys(child<QListWidget>(d, "enemyGroups"), Qt::Key_Down, 2);
            click(enemyview, 16 * 2 + 1, 16 * 1 + 1); // row 1, column 2: byte 10
            click(enemyview, 70, 47);                  // beside the cells: ignored
            QCOMPARE(cellcolour(d.enemypicture(), 2, 1), gfx.nescol[0x32]);

            // Set 0's enemy group 1, which world 9's map is coloured with.
            setbar->setValue(0);
            keys(child<QListWidget>(d, "enemyGroups"), Qt::Key_Up);
            QCOMPARE(d.enemygroup(), 1);
            click(enemyview, 17, 0);

            // Back at set 2, the first edit is still there.
            setbar->setValue(2);
            QCOMPARE(cellcolour(d.levelpicture(), 2, 1), gfx.nescol[0x2A]);
            press(d, QDialogButtonBox::Ok);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        QVERIFY(opened);
        QCOMPARE(int(w.state().editmode), 0);
        QCOMPAREROM(rompath, with({{rom::palgroup(2, 3) + 6, 0x2A},
                                                     {rom::enmpalgroup(10, 2) + 10, 0x32},
                                                     {rom::enmpalgroup(0, 1) + 5, 0x32}}));
        // The map's group 9 is the same bytes as set 0's enemy group 1.
        QCOMPARE(int(gfx.lvlpal[0][9][5]), 0x32);
    }

    // Ctrl or Alt with a letter that no menu item takes is not that letter's command.
    void lettershortcuts()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_P, Qt::AltModifier);
        QTest::keyClick(&w, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(int(w.state().editmode), 0);
        QVERIFY(w.state().hdrofs);
        QTest::keyClick(&w, Qt::Key_P);
        QCOMPARE(int(w.state().editmode), 1);
    }

    // Inside a level the dialog opens on the level's set and groups; OK
    // recolours the level and the map it returns to.
    void paletteinlevel()
    {
        QuibWindow w;
        open(w);
        EditorState &s = w.state();
        QTest::keyClick(&w, Qt::Key_P);
        QTest::keyClick(&w, Qt::Key_Space);
        QTRY_COMPARE(int(s.editmode), 2); // after the closing bars
        s.level.lvlhdr[5] = 0x1B;
        const int objset = s.level.lvlobjset;
        const int mapgroup = romat(rom::mappalettepos(1)) & 15;
        QVERIFY(mapgroup < 8);
        const bool opened = withdialog<EditMapPal>(w, Qt::Key_P, [&](EditMapPal &d) {
            QCOMPARE(d.objset(), objset);
            QCOMPARE(d.levelgroup(), 3);
            QCOMPARE(d.enemygroup(), 3);
            click(child<LvlView>(d, "nesColors"), 16 * 6, 16); // 0x16
            child<QScrollBar>(d, "objsetBar")->setValue(0);
            child<QListWidget>(d, "levelGroups")->setCurrentRow(mapgroup);
            click(child<LvlView>(d, "levelColors"), 0, 0); // the map's colour 0
            press(d, QDialogButtonBox::Ok);
        });
        QVERIFY(opened);
        QCOMPARE(int(s.editmode), 2);
        QCOMPAREROM(rompath, with({{rom::palgroup(0, mapgroup), 0x16}}));
        // Levels of object set 14 are coloured from set 3's record, and the dialog opens there.
        s.level.lvlobjset = 14;
        QVERIFY(withdialog<EditMapPal>(w, Qt::Key_P, [&](EditMapPal &d) {
            QCOMPARE(d.objset(), 3);
            QCOMPARE(text(d, "objsetCaption"), QStringLiteral("Object set 3 (also the colours of this area's object set E)"));
            child<QScrollBar>(d, "objsetBar")->setValue(4);
            QCOMPARE(text(d, "objsetCaption"), QStringLiteral("Object set 4"));
        }));
        s.level.lvlobjset = objset;
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(int(s.editmode), 1);
        QCOMPARE(int(s.gfx.mapcache[0]), 0x16);
    }

    // Cancel drops the edits in memory too: a reopened dialog shows the ROM's colours.
    void palettecancel()
    {
        QuibWindow w;
        open(w);
        const Graphics &gfx = w.state().gfx;
        const uint8_t before = gfx.lvlpal[0][0][0];
        QVERIFY(withdialog<EditMapPal>(w, Qt::Key_P, [&](EditMapPal &d) {
            click(child<LvlView>(d, "nesColors"), 16 * 15, 48); // 0x3F
            click(child<LvlView>(d, "levelColors"), 0, 0);
            QCOMPARE(int(gfx.lvlpal[0][0][0]), 0x3F);
            press(d, QDialogButtonBox::Cancel);
        }));
        QCOMPARE(gfx.lvlpal[0][0][0], before);
        QCOMPAREROM(rompath, pristine);
        QVERIFY(withdialog<EditMapPal>(w, Qt::Key_P, [&](EditMapPal &d) {
            QCOMPARE(cellcolour(d.levelpicture(), 0, 0), gfx.nescol[before]);
        }));
    }

    void starttimes()
    {
        QuibWindow w;
        open(w);
        QVERIFY(withdialog<EditStartTime>(w, Qt::Key_T, [&](EditStartTime &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Edit starting times"));
            const QStringList captions = {text(d, "timeCaption0"), text(d, "timeCaption1"), text(d, "timeCaption2"),
                                          text(d, "timeCaption3")};
            QCOMPARE(captions, QStringList({"Value 1", "Value 2", "Value 3", "Infinite time"}));
            const QStringList values = {text(d, "timeValue0"), text(d, "timeValue1"), text(d, "timeValue2"),
                                        text(d, "timeValue3")};
            QCOMPARE(values, QStringList({"100", "000", "200", "000"}));
            // Tab reaches every bar; its keys work as on a slider.
            auto *bar0 = child<QScrollBar>(d, "timeBar0");
            bar0->setFocus();
            for (const char *next : {"timeBar1", "timeBar2", "timeBar3"}) {
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
                QCOMPARE(d.focusWidget(), child<QScrollBar>(d, next));
            }
            const std::pair<Qt::Key, const char *> presses[] = {
                {Qt::Key_Right, "200"}, {Qt::Key_Up, "300"},   {Qt::Key_PageUp, "1300"}, {Qt::Key_Down, "1200"},
                {Qt::Key_PageDown, "200"}, {Qt::Key_Home, "000"}, {Qt::Key_End, "25500"}, {Qt::Key_Left, "25400"}};
            for (const auto &[key, shown] : presses) {
                keys(bar0, key);
                QCOMPARE(text(d, "timeValue0"), QString::fromLatin1(shown));
            }
            bar0->setValue(1);
            keys(child<QScrollBar>(d, "timeBar3"), Qt::Key_End);
            QCOMPARE(text(d, "timeValue3"), QStringLiteral("25500"));
            press(d, QDialogButtonBox::Ok);
        }));
        QCOMPARE(int(w.state().editmode), 0);
        QCOMPAREROM(rompath, with({{rom::starttimes + 3, 0xFF}}));
    }

    // The stored bytes are one less than the values; a status past the list
    // opens on its last item, which OK then writes.
    void startstatus()
    {
        QuibWindow w;
        open(w);
        QVERIFY(withdialog<EditStatus>(w, Qt::Key_A, [&](EditStatus &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Edit starting status"));
            QCOMPARE(text(d, "livesLabel"), QStringLiteral("Starting lives: 5 (H x 4)"));
            QCOMPARE(text(d, "maxLivesLabel"), QStringLiteral("Max. starting lives: 49 (H x 48)"));
            QCOMPARE(text(d, "worldLabel"), QStringLiteral("Starting world: 10 (weird)"));
            auto *list = child<QListWidget>(d, "statusList");
            QCOMPARE(list->count(), 9);
            QCOMPARE(list->item(0)->text(), QStringLiteral("Small"));
            QCOMPARE(list->item(7)->text(), QStringLiteral("Level skip (weird)"));
            QVERIFY(list->item(8)->text().endsWith(QStringLiteral(" (weird)")));
            QCOMPARE(list->currentRow(), 8);
            keys(child<QScrollBar>(d, "maxLivesBar"), Qt::Key_End);
            QCOMPARE(text(d, "maxLivesLabel"), QStringLiteral("Max. starting lives: 256 (H x 255)"));
            child<QScrollBar>(d, "worldBar")->setValue(9);
            QCOMPARE(text(d, "worldLabel"), QStringLiteral("Starting world: 9"));
            press(d, QDialogButtonBox::Ok);
        }));
        QCOMPAREROM(rompath, with({{rom::maxstartlives, 0xFF}, {rom::startworld, 8}, {rom::startstatus, 8}}));

        // The status picked with the keyboard.
        QVERIFY(withdialog<EditStatus>(w, Qt::Key_A, [&](EditStatus &d) {
            QCOMPARE(text(d, "maxLivesLabel"), QStringLiteral("Max. starting lives: 256 (H x 255)"));
            keys(child<QListWidget>(d, "statusList"), Qt::Key_Home);
            keys(child<QListWidget>(d, "statusList"), Qt::Key_Down, 2);
            press(d, QDialogButtonBox::Ok);
        }));
        QCOMPAREROM(rompath, with({{rom::maxstartlives, 0xFF}, {rom::startworld, 8}, {rom::startstatus, 2}}));
    }

    // A write that fails says so and keeps the dialog and its values.
    void failedwrite()
    {
        QuibWindow w;
        open(w);
        testutil::SeenBox seen;
        testutil::answermodals(seen, [](QWidget *) {});
        QVERIFY(withdialog<EditStatus>(w, Qt::Key_A, [&](EditStatus &d) {
            child<QScrollBar>(d, "livesBar")->setValue(livesbyte + 2);
            QFile::setPermissions(rompath, QFile::ReadOwner);
            press(d, QDialogButtonBox::Ok);
            QCOMPARE(seen.count, 1);
            QVERIFY2(seen.text.contains(rompath), qPrintable(seen.text));
            QVERIFY(d.isVisible());
            QCOMPAREROM(rompath, pristine);
            QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
            press(d, QDialogButtonBox::Ok);
        }));
        QCOMPAREROM(rompath, with({{rom::startlives, livesbyte + 1}, {rom::startstatus, 8}}));
    }

    // Each OK is a step of Edit > Undo: undo writes the bytes before it back,
    // redo writes them again, and the pictures follow; a write refused on
    // undo keeps the step where it was.
    void undowrites()
    {
        QuibWindow w;
        open(w);
        QAction *undo = w.findChild<QAction *>(QStringLiteral("undo"));
        QAction *redo = w.findChild<QAction *>(QStringLiteral("redo"));
        QVERIFY(withdialog<EditStartTime>(w, Qt::Key_T, [&](EditStartTime &d) {
            keys(child<QScrollBar>(d, "timeBar3"), Qt::Key_End);
            press(d, QDialogButtonBox::Ok);
        }));
        const QByteArray times = with({{rom::starttimes + 3, 0xFF}});
        QCOMPAREROM(rompath, times);
        QCOMPARE(undo->text(), QStringLiteral("&Undo Edit starting times"));
        QVERIFY(!w.document().modified());

        testutil::SeenBox seen;
        testutil::answermodals(seen, [](QWidget *) {});
        QFile::setPermissions(rompath, QFile::ReadOwner);
        undo->trigger();
        QCOMPARE(seen.count, 1);
        QCOMPAREROM(rompath, times);
        QCOMPARE(undo->text(), QStringLiteral("&Undo Edit starting times"));
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        testutil::stopanswering();
        undo->trigger();
        QCOMPAREROM(rompath, pristine);
        redo->trigger();
        QCOMPAREROM(rompath, times);

        // Palettes in a level: the level is recoloured at each step.
        QTest::keyClick(&w, Qt::Key_P);
        QTest::keyClick(&w, Qt::Key_Space);
        QTRY_COMPARE(int(w.state().editmode), 2);
        QVERIFY(!undo->isEnabled()); // another area: the steps before are gone
        const QImage plain = w.lvl()->grab().toImage();
        QVERIFY(withdialog<EditMapPal>(w, Qt::Key_P, [&](EditMapPal &d) {
            click(child<LvlView>(d, "nesColors"), 16 * 6, 16); // 0x16
            click(child<LvlView>(d, "levelColors"), 0, 0);
            click(child<LvlView>(d, "levelColors"), 16, 0);
            click(child<LvlView>(d, "levelColors"), 32, 0);
            click(child<LvlView>(d, "levelColors"), 48, 0);
            press(d, QDialogButtonBox::Ok);
        }));
        const QByteArray coloured = testutil::readfile(rompath);
        const QImage red = w.lvl()->grab().toImage();
        QVERIFY(coloured != times);
        QVERIFY(red != plain);
        QCOMPARE(undo->text(), QStringLiteral("&Undo Edit palettes"));
        undo->trigger();
        QCOMPAREROM(rompath, times);
        QCOMPARE(w.lvl()->grab().toImage(), plain);
        redo->trigger();
        QCOMPAREROM(rompath, coloured);
        QCOMPARE(w.lvl()->grab().toImage(), red);
    }

    // Picks for several options go out with one OK.
    void musicset()
    {
        QuibWindow w;
        open(w);
        const std::array<QString, 256> &names = w.state().names.musicnames;
        QVERIFY(withdialog<EditLvlMusic>(w, Qt::Key_M, [&](EditLvlMusic &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Edit level music set"));
            QCOMPARE(text(d, "optionLabel"), QStringLiteral("Option # 1"));
            auto *music = child<QListWidget>(d, "musicList");
            auto *set = child<QListWidget>(d, "setList");
            QCOMPARE(music->count(), 256);
            QCOMPARE(set->count(), 16);
            QCOMPARE(music->currentRow(), int(romat(rom::lvlmusicset)));
            QCOMPARE(set->item(15)->text(), names[romat(rom::lvlmusicset + 15)]);
            // The first opening selects and shows the option's music as any other.
            QCOMPARE(music->selectedItems(), QList<QListWidgetItem *>{music->currentItem()});
            QVERIFY(music->viewport()->rect().contains(music->visualItemRect(music->currentItem())));
            child<QScrollBar>(d, "optionBar")->setValue(5);
            QCOMPARE(text(d, "optionLabel"), QStringLiteral("Option # 5"));
            keys(music, Qt::Key_Home);
            keys(music, Qt::Key_Down, 0x0C);
            QCOMPARE(set->item(4)->text(), names[0x0C]);
            child<QScrollBar>(d, "optionBar")->setValue(9);
            music->setCurrentRow(0x33);
            child<QScrollBar>(d, "optionBar")->setValue(5);
            QCOMPARE(music->currentRow(), 0x0C);
            QCOMPARE(set->item(8)->text(), names[0x33]);
            press(d, QDialogButtonBox::Ok);
        }));
        QCOMPAREROM(rompath, with({{rom::lvlmusicset + 4, 0x0C}, {rom::lvlmusicset + 8, 0x33}}));
    }

    // Cancel after changes writes nothing, and the dialog opens again on the ROM's values.
    void tablescancel()
    {
        QuibWindow w;
        open(w);
        for (int round = 0; round < 2; ++round) {
            QVERIFY(withdialog<EditStartTime>(w, Qt::Key_T, [&](EditStartTime &d) {
                QCOMPARE(text(d, "timeValue0"), QStringLiteral("100"));
                keys(child<QScrollBar>(d, "timeBar0"), Qt::Key_End);
                press(d, QDialogButtonBox::Cancel);
            }));
            QVERIFY(withdialog<EditStatus>(w, Qt::Key_A, [&](EditStatus &d) {
                QCOMPARE(text(d, "livesLabel"), QStringLiteral("Starting lives: 5 (H x 4)"));
                keys(child<QScrollBar>(d, "livesBar"), Qt::Key_End);
                keys(child<QListWidget>(d, "statusList"), Qt::Key_Home);
                press(d, QDialogButtonBox::Cancel);
            }));
            QVERIFY(withdialog<EditLvlMusic>(w, Qt::Key_M, [&](EditLvlMusic &d) {
                QCOMPARE(d.musicset()[1], romat(rom::lvlmusicset + 1));
                child<QScrollBar>(d, "optionBar")->setValue(2);
                child<QListWidget>(d, "musicList")->setCurrentRow(0x44);
                press(d, QDialogButtonBox::Cancel);
            }));
            QCOMPAREROM(rompath, pristine);
        }
        QCOMPARE(int(w.state().editmode), 0);
    }
};

QTEST_MAIN(TestGameDialogs)
#include "tst_gamedialogs.moc"

#include "demorom/demorom.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "widgets/lvlview.h"
#include "ui/quib.h"
#include "dialogs/mappointer.h"
#include "dialogs/maptoolbox.h"

#include "testutil.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// Edits driven through the real window, then the ROM file's bytes: what
// changed and what must not have.
class TestMapSave : public QObject {
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
    }
    QAction *action(QuibWindow &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        const demo::RomImage img = demo::builddemorom();
        pristine = testutil::bytesof(img);
    }
    void cleanup() { testutil::stopanswering(); }

    // Another program patches the ROM while the editor has it open. Without
    // unsaved edits the editor reads it again and says so; the editor's own
    // save (a rename over the file) is not taken for such a change; with
    // unsaved edits the user reloads or keeps them, and Save then writes over
    // the other program's change, saying so.
    void changedoutside()
    {
        QuibWindow w;
        open(w);
        const int64_t tile = rom::mapdatapos[0];
        auto patch = [&](int64_t at, uint8_t value, bool rename) {
            QByteArray bytes = testutil::readfile(rompath);
            bytes[int(at)] = char(value);
            const QString other = dir.filePath(QStringLiteral("patched.tmp"));
            QVERIFY(testutil::writefile(rename ? other : rompath, bytes));
            if (rename)
                QVERIFY(::rename(QFile::encodeName(other).constData(), QFile::encodeName(rompath).constData()) == 0);
        };
        patch(tile, 0x31, false);
        QTRY_COMPARE(int(w.state().map.maptiles[0][0]), 0x31);
        QVERIFY(w.statusBar()->currentMessage().contains(QStringLiteral("read again")));
        QVERIFY(!w.document().modified());

        testutil::SeenBox seen;
        testutil::answermodals(seen); // answers the question with neither button: the edits are kept
        QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
        QVERIFY(w.save());
        QTest::qWait(600);
        QCOMPARE(seen.count, 0);
        QCOMPARE(int(w.state().map.maptiles[0][0]), 0x32);

        QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
        patch(tile + 1, 0x44, true);
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.title, QStringLiteral("ROM changed on disk"));
        QCOMPARE(int(w.state().map.maptiles[0][0]), 0x33);
        QVERIFY(w.document().modified());
        QByteArray expected = testutil::readfile(rompath);
        expected[int(tile)] = char(0x33);
        expected[int(tile + 1)] = char(pristine[int(tile + 1)]);
        QVERIFY(w.save());
        QVERIFY(w.statusBar()->currentMessage().endsWith(QStringLiteral(", over the other program's change")));
        QCOMPARE(testutil::readfile(rompath), expected);
        testutil::stopanswering();

        // Reload drops the edits and shows what the other program wrote.
        QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
        QTimer reload;
        connect(&reload, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Discard)->click();
        });
        reload.start(10);
        patch(tile + 1, 0x45, true);
        QTRY_COMPARE(int(w.state().map.maptiles[0][1]), 0x45);
        QCOMPARE(int(w.state().map.maptiles[0][0]), 0x33);
        QVERIFY(!w.document().modified());
    }

    // A save without edits changes nothing.
    void saveunchanged()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(testutil::readfile(rompath), pristine);
    }

    void tilekeys()
    {
        QuibWindow w;
        open(w);
        const uint8_t t = w.state().map.maptiles[0][0];
        QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(&w, Qt::Key_Asterisk, Qt::KeypadModifier);
        QCOMPARE(int(w.state().map.maptiles[0][0]), (t + 17) & 0xFF);
        QTest::keyClick(&w, Qt::Key_Period, Qt::KeypadModifier); // pick it as curtile
        QTest::keyClick(&w, Qt::Key_6, Qt::KeypadModifier);
        QTest::keyClick(&w, Qt::Key_Return); // paint it one square right
        w.savebutton()->click();
        QByteArray expected = pristine;
        expected[rom::mapdatapos[0]] = char((t + 17) & 0xFF);
        expected[rom::mapdatapos[0] + 1] = char((t + 17) & 0xFF);
        QCOMPARE(testutil::readfile(rompath), expected);
    }

    // Save in map-sprites mode writes the sprites, and tiles and pointers
    // too; world 9 writes no sprites.
    void spritemodesave()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_E);
        QCOMPARE(int(w.state().editmode), 4);
        QTest::keyClick(&w, Qt::Key_Minus, Qt::KeypadModifier); // type - 1
        QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier); // item + 1
        const uint8_t type = w.state().map.sprites[0].type;
        const uint8_t item = w.state().map.sprites[0].item;
        w.state().map.maptiles[1][1] = 0x8D;
        action(w, "MSave")->trigger();
        const QByteArray after = testutil::readfile(rompath);
        const Rom romimage = testutil::openrom(rompath);
        RomFile rom(romimage);
        QCOMPARE(rom.readbyte(rom.readword(rom::mapspriteptrpos(4, 1)) + rom::mapdataadder), type);
        QCOMPARE(rom.readbyte(rom.readword(rom::mapspriteptrpos(5, 1)) + rom::mapdataadder), item);
        QCOMPARE(uint8_t(after[rom::mapdatapos[0] + 17]), uint8_t(0x8D));
        int changed = 0;
        for (int i = 0; i < after.size(); ++i)
            changed += after[i] != pristine[i];
        QCOMPARE(changed, 3);
    }

    void world9nosprites()
    {
        QuibWindow w;
        open(w);
        w.state().curworld = 9;
        QTest::keyClick(&w, Qt::Key_PageUp);
        QTest::keyClick(&w, Qt::Key_PageDown); // reload world 9 through the keys
        QCOMPARE(int(w.state().curworld), 9);
        QTest::keyClick(&w, Qt::Key_E);
        w.state().map.sprites[0].type = 5;
        w.state().map.maptiles[2][2] = 0x42;
        w.save();
        QByteArray expected = pristine;
        expected[rom::mapdatapos[8] + 34] = char(0x42);
        QCOMPARE(testutil::readfile(rompath), expected);
    }

    void pointerdialog()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_P);
        QTest::keyClick(&w, Qt::Key_Down);
        QCOMPARE(int(w.state().map.selptr), 1);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<EditMapPntr *>(QApplication::activeModalWidget());
            QVERIFY(d);
            seen = true;
            d->objsetlist()->setCurrentRow(3);
            d->enemyOffsetEdit()->setText(QStringLiteral("1C1B5"));
            d->accept();
        });
        QTest::keyClick(&w, Qt::Key_Return);
        QVERIFY(seen);
        QCOMPARE(int(w.state().map.pointers[1].objset), 3);
        QCOMPARE(w.state().map.pointers[1].enmpos, 0xC1B5);
        QCOMPARE(w.t(2)->text(), QStringLiteral("Obj. set: 3 -- Hills"));
        w.save();
        const Rom romimage = testutil::openrom(rompath);
        RomFile rom(romimage);
        const int n = rom.readbyte(rom::mapptrpos[0]);
        const int64_t base = rom::mapptrpos[0];
        // the pointer may have moved in the sort: find it by its enemy word
        bool found = false;
        for (int i = 0; i < n; ++i)
            if (rom.readword(base + 1 + 2 * n + 2 * i) == 0xC1A5) {
                found = true;
                QCOMPARE(rom.readbyte(base + 1 + i) & 15, 3);
            }
        QVERIFY(found);
    }

    void nonhexrefused()
    {
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_P);
        testutil::SeenBox box;
        bool stayed = false;
        const int32_t before = w.state().map.pointers[0].objpos;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<EditMapPntr *>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->objectOffsetEdit()->setText(QStringLiteral("12XZ"));
            testutil::answermodals(box);
            d->accept();
            stayed = d->isVisible();
            testutil::stopanswering();
            d->reject();
        });
        QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(stayed);
        QVERIFY(box.text.contains(QStringLiteral("12XZ")));
        QCOMPARE(w.state().map.pointers[0].objpos, before);
    }

    void toolbox()
    {
        QuibWindow w;
        open(w);
        QAction *tb = action(w, "usemapobjtb");
        tb->trigger();
        QVERIFY(w.maptool());
        QVERIFY(w.maptool()->isVisible());
        w.maptool()->pick(37, 70);
        QCOMPARE(int(w.state().tooltile), 0x42);
        w.maptool()->replacebutton()->click();
        QCOMPARE(int(w.state().toolaction), 1);
        // Replace all from the view, then save: every such tile of the world.
        const uint8_t from = w.state().map.maptiles[0][0];
        QTest::mouseClick(static_cast<QWidget *>(w.lvl()), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 16; ++c)
                QVERIFY(w.state().map.maptiles[r][c] != from || from == 0x42);
        // The close box unchecks the menu item.
        w.maptool()->close();
        QVERIFY(!tb->isChecked());
        tb->trigger();
        QVERIFY(w.maptool());
        // Reopened, it shows the action still in force: Replace all.
        QCOMPARE(int(w.state().toolaction), 1);
        QVERIFY(w.maptool()->replacebutton()->styleSheet().contains(QStringLiteral("255, 255, 192")));
        QVERIFY(!w.maptool()->drawbutton()->styleSheet().contains(QStringLiteral("255, 255, 192")));
        tb->trigger();
        QVERIFY(!w.maptool());
    }

    // Beside the main window: against its left side when there is room, else
    // its right side (15 twips a pixel: 3000 twips left and 9000 wide on a
    // 19200-twip screen put it at 12000; at 5000 it goes to 1070).
    void toolboxplace()
    {
        QCOMPARE(placetoolboxleft(200, 600, 1280, MapTool::boxwidth, 7), 800);
        QCOMPARE(placetoolboxleft(333, 600, 1280, MapTool::boxwidth, 7), 333 - 262);
        QCOMPARE(placetoolboxleft(100, 1000, 1280, MapTool::boxwidth, 7), 7);
    }

    // Keys pressed while the toolbox has the focus still edit the map.
    void toolboxforwardskeys()
    {
        QuibWindow w;
        open(w);
        action(w, "usemapobjtb")->trigger();
        const uint8_t t = w.state().map.maptiles[0][0];
        QTest::keyClick(w.maptool(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(int(w.state().map.maptiles[0][0]), (t + 1) & 0xFF);
    }

    void readonlysave()
    {
        QuibWindow w;
        open(w);
        QFile::setPermissions(rompath, QFile::ReadOwner);
        w.state().map.maptiles[0][0] = 0x11;
        testutil::SeenBox box;
        testutil::answermodals(box);
        const uint8_t firstcol = w.state().map.pointers[0].col;
        std::swap(w.state().map.pointers[0].col, w.state().map.pointers[1].col); // out of order
        QVERIFY(!w.save());
        QCOMPARE(box.count, 1);
        // Nothing was written, so the pointers were not reordered either.
        QCOMPARE(w.state().map.pointers[1].col, firstcol);
        QVERIFY(box.text.contains(rompath));
        QCOMPARE(int(w.state().map.maptiles[0][0]), 0x11);
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(testutil::readfile(rompath), pristine);
    }
};

QTEST_MAIN(TestMapSave)
#include "tst_mapsave.moc"

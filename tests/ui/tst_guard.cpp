#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "rom/romlayout.h"
#include "ui/quib.h"

#include "testutil.h"

#include <QAction>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace quib;

// Unsaved edits are asked about before anything drops them: each way of
// leaving a world or an area, answered Cancel, Discard and Save, and not
// asked at all without edits.
class TestGuard : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    QByteArray pristine;

    std::unique_ptr<QuibWindow> w;
    Document::Leave answer = Document::Leave::Cancel;
    QStringList asked;

    static QAction *action(QuibWindow &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }
    void open()
    {
        w = std::make_unique<QuibWindow>();
        w->setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        w->setleaveprompt([&](QWidget *, const QString &question) {
            asked << question;
            return answer;
        });
        QVERIFY(w->startup());
        w->show();
        w->activateWindow(); // for the shortcuts
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    static qsizetype tilepos(int world) { return rom::mapdatapos[size_t(world - 1)]; }
    static demo::AreaRef plain() { return demo::demolevelfor(1, 0, 1); }
    static demo::AreaRef underground()
    {
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            if (qstrcmp(p.name, "underground-1") == 0)
                return p.ref;
        return {};
    }
    void enterplain()
    {
        QTest::keyClick(w.get(), Qt::Key_P);
        enterfrompointers();
    }
    void enterfrompointers()
    {
        QTest::keyClick(w.get(), Qt::Key_Space);
        QTRY_COMPARE(int(w->state().editmode), int(ModeObjectEditing));
        QCOMPARE(w->state().level.lvlobjpos, int32_t(plain().objpos));
    }
    // The value the edit changes: tile (0, 0) of the world, or object 0's type.
    int value(bool level) const
    {
        return level ? w->state().level.objects[0].type : w->state().map.maptiles[0][0];
    }

    struct Way {
        bool level;    // starts in plain-1, else on world `world`'s map
        int world;
        std::function<void()> go;
        std::function<bool()> away; // the other place is shown
        std::function<void()> back; // null: the window is gone
    };
    QMap<QString, Way> ways;

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        pristine = testutil::bytesof(demo::builddemorom());

        auto key = [this](Qt::Key k, Qt::KeyboardModifiers m = {}) {
            return [this, k, m] { QTest::keyClick(w.get(), k, m); };
        };
        auto world = [this](int n) { return [this, n] { return w->state().curworld == n; }; };
        // Entering plays the closing bars first.
        auto inlevel = [this] {
            return [this] {
                return (w->intransition() || !ismapmode(w->state().editmode))
                    && QTest::qWaitFor([this] { return w->state().editmode == ModeObjectEditing; }, 3000);
            };
        };
        auto onmap = [this] { return [this] { return ismapmode(w->state().editmode); }; };
        auto byoffsets = [this] {
            return [this] {
                testutil::SeenBox box;
                testutil::answermodals(box, [](QWidget *d) { static_cast<QDialog *>(d)->accept(); });
                w->activateWindow(); // back from the last dialog
                QVERIFY(QTest::qWaitForWindowActive(w.get()));
                QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
                testutil::stopanswering();
            };
        };
        auto gone = [this] { return [this] { return !w->isVisible(); }; };
        ways = {
            {"Page Down", {false, 1, key(Qt::Key_PageDown), world(2), key(Qt::Key_PageUp)}},
            {"Page Up", {false, 2, key(Qt::Key_PageUp), world(1), key(Qt::Key_PageDown)}},
            {"Space", {false, 1, [this] {
                           w->document().setmode(ModeMapPointers);
                           QTest::keyClick(w.get(), Qt::Key_Space);
                       }, inlevel(), key(Qt::Key_Escape)}},
            {"Ctrl+E", {false, 1, key(Qt::Key_E, Qt::ControlModifier), inlevel(), key(Qt::Key_Escape)}},
            {"Ctrl+L", {false, 1, byoffsets(), inlevel(), key(Qt::Key_Escape)}},
            {"Esc", {true, 1, key(Qt::Key_Escape), onmap(), [this] { enterfrompointers(); }}},
            {"Ctrl+X", {true, 1, key(Qt::Key_X, Qt::ControlModifier), onmap(), [this] { enterfrompointers(); }}},
            {"B", {true, 1, key(Qt::Key_B),
                   [this] { return w->state().level.lvlobjpos == int32_t(underground().objpos); }, key(Qt::Key_B)}},
            {"Quit", {false, 1, [this] { action(*w, "Quit")->trigger(); }, gone(), nullptr}},
            {"close", {false, 1, [this] { w->close(); }, gone(), nullptr}},
        };
    }
    void cleanup()
    {
        testutil::stopanswering();
        w.reset();
    }

    void leave_data()
    {
        QTest::addColumn<QString>("way");
        for (const QString &name : ways.keys())
            QTest::newRow(qPrintable(name)) << name;
    }
    void leave()
    {
        QFETCH(QString, way);
        const Way &to = ways[way];
        QVERIFY(testutil::writefile(rompath, pristine));
        auto start = [&] {
            open();
            if (to.world == 2)
                QTest::keyClick(w.get(), Qt::Key_PageDown);
            if (to.level)
                enterplain();
        };
        start();
        const bool level = to.level;
        const int original = value(level);
        const QString question =
            level ? QStringLiteral("Save changes to the level area at 0x%1?").arg(QString::number(plain().objpos, 16).toUpper())
                  : QStringLiteral("Save changes to world %1?").arg(to.world);
        QByteArray edited = pristine;
        if (level)
            edited[qsizetype(plain().objpos) + 9 + 2] = char(original + 1);
        else
            edited[tilepos(to.world)] = char(original + 1);
        auto edit = [&] {
            if (!level)
                w->document().setmode(ModeMapEditing);
            QTest::keyClick(w.get(), Qt::Key_Plus, Qt::KeypadModifier);
            QCOMPARE(value(level), original + 1);
            QVERIFY(w->windowTitle().endsWith(QStringLiteral(" *")));
        };
        auto again = [&] {
            if (to.back)
                to.back();
            else
                start();
        };

        // No edits: nothing is asked.
        asked.clear();
        to.go();
        QVERIFY(to.away());
        QVERIFY(asked.isEmpty());
        again();
        QCOMPARE(value(level), original);

        // Cancel: the edit and the place stay.
        edit();
        answer = Document::Leave::Cancel;
        to.go();
        QCOMPARE(asked, QStringList{question});
        QVERIFY(!to.away());
        QVERIFY(w->isVisible());
        QCOMPARE(value(level), original + 1);
        QVERIFY(w->document().modified());
        QVERIFY(w->windowTitle().endsWith(QStringLiteral(" *")));

        // Discard: nothing written; coming back shows the ROM's value.
        asked.clear();
        answer = Document::Leave::Discard;
        to.go();
        QVERIFY(to.away());
        QCOMPARE(asked, QStringList{question});
        QCOMPARE(testutil::readfile(rompath), pristine);
        again();
        QCOMPARE(value(level), original);
        QVERIFY(!w->document().modified());

        // Save: written, and there when coming back.
        edit();
        asked.clear();
        answer = Document::Leave::Save;
        to.go();
        QVERIFY(to.away());
        QCOMPARE(asked, QStringList{question});
        QCOMPARE(testutil::readfile(rompath), edited);
        again();
        QCOMPARE(value(level), original + 1);
        QVERIFY(!w->windowTitle().endsWith(QStringLiteral(" *")));
    }

    // The title marks unsaved edits; Save says what it wrote.
    void titleandstatus()
    {
        QVERIFY(testutil::writefile(rompath, pristine));
        open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Quib editor -- World 1"));
        QTest::keyClick(w.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(w->windowTitle(), QStringLiteral("Quib editor -- World 1 *"));
        QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w->windowTitle(), QStringLiteral("Quib editor -- World 1"));
        QCOMPARE(w->statusBar()->currentMessage(), QStringLiteral("Saved world 1 to quibrom.nes"));
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->windowTitle(), QStringLiteral("Quib editor -- World 1 *"));
        QTest::keyClick(w.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w->windowTitle(), QStringLiteral("Quib editor -- World 1"));
    }

    // A save that fails while leaving: the user is told, the edits and the
    // place stay.
    void savefails()
    {
        QVERIFY(testutil::writefile(rompath, pristine));
        open();
        QTest::keyClick(w.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QFile::setPermissions(rompath, QFile::ReadOwner);
        answer = Document::Leave::Save;
        testutil::SeenBox box;
        testutil::answermodals(box);
        QTest::keyClick(w.get(), Qt::Key_PageDown);
        testutil::stopanswering();
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(int(w->state().curworld), 1);
        QVERIFY(w->document().modified());
        QCOMPARE(box.count, 1);
        QVERIFY(box.text.contains(rompath));
        QCOMPARE(testutil::readfile(rompath), pristine);
    }
};

QTEST_MAIN(TestGuard)
#include "tst_guard.moc"

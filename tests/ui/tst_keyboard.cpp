#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "editor/startup.h"
#include "level/offsetentry.h"
#include "ui/keyreference.h"
#include "ui/keys.h"
#include "ui/quib.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// The keypad's twins on the main keyboard, and the keyboard reference
// against what the key handler really does.
class TestKeyboard : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;

    // What a key may change.
    struct Seen {
        MapDocument map;
        MapView mapview;
        LevelDocument lvl;
        LevelView lvlview;
        uint8_t mode, world, curtile;
        bool hdrofs, showsheets;
        bool editpointer = false, enterlevel = false, cantenter = false, nolink = false;
        bool operator==(const Seen &o) const
        {
            return map == o.map && mapview.mapscroll == o.mapview.mapscroll && mapview.mapcurcol == o.mapview.mapcurcol
                && mapview.mapcurrow == o.mapview.mapcurrow && mapview.selptr == o.mapview.selptr
                && mapview.selsprite == o.mapview.selsprite && lvl == o.lvl && lvlview.selobj == o.lvlview.selobj
                && lvlview.selenemy == o.lvlview.selenemy && lvlview.lvlscrollx == o.lvlview.lvlscrollx
                && lvlview.lvlscrolly == o.lvlview.lvlscrolly && mode == o.mode && world == o.world
                && curtile == o.curtile && hdrofs == o.hdrofs && showsheets == o.showsheets
                && editpointer == o.editpointer && enterlevel == o.enterlevel && cantenter == o.cantenter
                && nolink == o.nolink;
        }
    };
    static Seen seen(const EditorState &s, const KeyOutcome &out = {})
    {
        return {s.map.document(), s.map.view(), s.level.document(), s.level.view(), s.editmode, s.curworld,
                s.curtile, s.hdrofs, s.showsheets, out.editpointer, out.enterlevel, out.cantenter, out.nolink};
    }
    static void restore(EditorState &s, const Seen &v)
    {
        s.map.document() = v.map;
        s.map.view() = v.mapview;
        s.level.document() = v.lvl;
        s.level.view() = v.lvlview;
        s.editmode = v.mode;
        s.curworld = v.world;
        s.curtile = v.curtile;
        s.hdrofs = v.hdrofs;
        s.showsheets = v.showsheets;
    }

    void open(QuibWindow &w)
    {
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        w.setleaveprompt([](QWidget *, const QString &) { return Document::Leave::Discard; });
        QVERIFY(w.startup());
        w.show();
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(demo::builddemorom().save(rompath));
    }

    // The same keys, once from the keypad and once from their twins, alone
    // and with Shift, in every mode: the two windows end alike.
    void twins()
    {
        QuibWindow a, b;
        open(a);
        open(b);
        const struct {
            Qt::Key keypad, plain, shifted;
        } pairs[] = {
            {Qt::Key_8, Qt::Key_I, Qt::Key_I},
            {Qt::Key_2, Qt::Key_K, Qt::Key_K},
            {Qt::Key_4, Qt::Key_J, Qt::Key_J},
            {Qt::Key_6, Qt::Key_L, Qt::Key_L},
            {Qt::Key_Minus, Qt::Key_BracketLeft, Qt::Key_BraceLeft},
            {Qt::Key_Plus, Qt::Key_BracketRight, Qt::Key_BraceRight},
            {Qt::Key_Slash, Qt::Key_Semicolon, Qt::Key_Colon},
            {Qt::Key_Asterisk, Qt::Key_Apostrophe, Qt::Key_QuoteDbl},
            {Qt::Key_Period, Qt::Key_Period, Qt::Key_Greater},
        };
        auto both = [&](Qt::Key key) {
            QTest::keyClick(&a, key);
            QTest::keyClick(&b, key);
        };
        auto run = [&] {
            for (const auto &p : pairs) {
                QTest::keyClick(&a, p.keypad, Qt::KeypadModifier);
                QTest::keyClick(&b, p.plain);
                QVERIFY2(seen(a.state()) == seen(b.state()), qPrintable(QString::number(int(p.plain), 16)));
                QTest::keyClick(&a, p.keypad, Qt::KeypadModifier | Qt::ShiftModifier);
                QTest::keyClick(&b, p.shifted, Qt::ShiftModifier);
                QVERIFY2(seen(a.state()) == seen(b.state()), qPrintable(QString::number(int(p.shifted), 16)));
            }
            QVERIFY(a.document().undostack().count() > 0);
            QCOMPARE(a.document().undostack().count(), b.document().undostack().count());
        };
        run(); // map editing
        both(Qt::Key_E);
        QCOMPARE(int(a.state().editmode), int(ModeMapSprites));
        run();
        both(Qt::Key_P);
        QCOMPARE(int(a.state().editmode), int(ModeMapPointers));
        run();
        both(Qt::Key_Space);
        QTRY_COMPARE(int(a.state().editmode), int(ModeObjectEditing));
        QTRY_COMPARE(int(b.state().editmode), int(ModeObjectEditing));
        run();
        both(Qt::Key_Space);
        QCOMPARE(int(a.state().editmode), int(ModeEnemyEditing));
        run();
    }

    // Every key the handler reacts to in a mode, alone or with a modifier,
    // is listed for that mode in the reference, with its twin.
    void referencelistseverykey()
    {
        EditorState s;
        s.rom = testutil::openrom(rompath);
        Settings settings;
        settings.startmap = 8;
        runstartup(s, settings, nullptr);
        // Everything movable somewhere in the middle: a four-screen world,
        // a long area.
        s.map.mapscroll = 16;
        s.map.mapcurcol = 20;
        s.map.mapcurrow = 4;
        s.map.selptr = 1;
        s.map.selsprite = 1;
        s.curtile = uint8_t(s.map.maptiles[4][20] + 1);
        const Seen onmap = seen(s);
        const demo::AreaRef plain = demo::demolevelfor(1, 0, 1);
        QVERIFY(enterlevelspec(s, int32_t(plain.objpos), int32_t(plain.enmpos), 1));
        s.level.selobj = 20;
        s.level.selenemy = 3;
        s.level.lvlscrollx = 100;
        s.level.lvlscrolly = 6;
        const Seen inlevel = seen(s);

        const KeyMods variants[] = {{}, {true, true}, {true, false}};
        const std::vector<KeyHelp> rows = keyreference();
        for (int mode : {0, 1, 4, 2, 3}) {
            const QString text = KeyReference::text(mode);
            Seen start = ismapmode(uint8_t(mode)) ? onmap : inlevel;
            start.mode = uint8_t(mode);
            // Every key of a map mode ends with the view on the selection:
            // start from there (S twice changes nothing else).
            restore(s, start);
            handlekey(s, Key::S, {});
            handlekey(s, Key::S, {});
            start = seen(s);
            for (int k = 0; k < int(Key::Count); ++k) {
                const Key key = Key(k);
                for (const KeyMods &mods : variants) {
                    restore(s, start);
                    const KeyOutcome out = handlekey(s, key, mods);
                    if (seen(s, out) == start)
                        continue;
                    const bool listed = std::any_of(rows.begin(), rows.end(), [&](const KeyHelp &r) {
                        return (r.modes & modebit(mode)) && r.key == key
                            && (r.mods == ModReq::Any || (r.mods == ModReq::With) == mods.any);
                    });
                    const QString what = QStringLiteral("mode %1, %2%3").arg(mode).arg(mods.any ? "Shift + " : "", keyname(key));
                    QVERIFY2(listed, qPrintable(what + QStringLiteral(" acts but is not listed")));
                    QVERIFY2(text.contains(QStringLiteral("<td>") + keyname(key)) || text.contains(keyname(key) + QStringLiteral("</td>")),
                             qPrintable(what));
                    if (!laptopkey(key).isEmpty())
                        QVERIFY2(text.contains(laptopkey(key).toHtmlEscaped() + QStringLiteral("</td>")), qPrintable(what));
                }
            }
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

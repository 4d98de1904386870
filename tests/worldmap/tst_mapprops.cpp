// The world-map properties: the animation timing, the tables and the "Edit
// world map properties" dialog, checked against the ROM file's bytes.
#include "demorom/demomapprops.h"
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "rom/romlayout.h"
#include "editor/startup.h"
#include "editor/mapstate.h"
#include "worldmap/drawmap.h"
#include "worldmap/mapprops.h"
#include "dialogs/mapproperties.h"

#include "testutil.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

using namespace quib;

using Times = std::array<uint8_t, 4>;
Q_DECLARE_METATYPE(Times)

class TestMapProps : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    QByteArray rombytes;

    std::unique_ptr<EditorState> open(int world)
    {
        auto s = std::make_unique<EditorState>();
        s->rom = testutil::openrom(rompath);
        Settings settings;
        settings.startmap = uint8_t(world);
        runstartup(*s, settings, nullptr);
        return s;
    }
    QByteArray with(const std::map<int64_t, uint8_t> &changes) const
    {
        QByteArray b = rombytes;
        for (const auto &[offset, value] : changes)
            b[qsizetype(offset)] = char(value);
        return b;
    }
    template <class T> static T *get(EditMapPr &d, const QString &name) { return d.findChild<T *>(name); }
    static QScrollBar *bar(EditMapPr &d, int i) { return get<QScrollBar>(d, i == 0 ? QStringLiteral("entryBar") : QStringLiteral("paletteBar")); }
    static QLineEdit *s(EditMapPr &d, int k) { return get<QLineEdit>(d, QStringLiteral("frameTimeEdit%1").arg(k)); }
    static QListWidget *list(EditMapPr &d, int i) { return get<QListWidget>(d, QStringLiteral("musicList%1").arg(i)); }
    static QString text(EditMapPr &d, const char *name) { return get<QLabel>(d, QString::fromLatin1(name))->text(); }
    static void press(EditMapPr &d, const char *name) { get<QPushButton>(d, QString::fromLatin1(name))->click(); }

private slots:
    void initTestCase()
    {
        demo::RomImage rom = demo::builddemorom();
        demo::putmapproperties(rom);
        // Entry 1 set apart from the demo's values.
        rom.put(0x1842D, 0x1C);
        rom.putbytes(0x17C11, {3, 200, 12, 0});
        rom.put(0x3C424, 0x2A);
        rom.put(0x143CA, 0x05);
        rombytes = testutil::bytesof(rom);
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
    }
    void init()
    {
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(testutil::writefile(rompath, rombytes));
    }
    void cleanup() { testutil::stopanswering(); }

    void animframes_data()
    {
        QTest::addColumn<Times>("times");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("frame");
        const int even[][2] = {{0, 0}, {8, 0}, {9, 1}, {16, 1}, {17, 2}, {24, 2}, {25, 3}, {31, 3}, {32, 0}, {41, 1}};
        for (const auto &r : even)
            QTest::addRow("7,7,7,7 at %d", r[0]) << Times{7, 7, 7, 7} << r[0] << r[1];
        QTest::newRow("200 lasts one tick: t 8") << Times{7, 200, 7, 7} << 8 << 0;
        QTest::newRow("200 lasts one tick: t 9") << Times{7, 200, 7, 7} << 9 << 1;
        QTest::newRow("200 lasts one tick: t 10") << Times{7, 200, 7, 7} << 10 << 2;
        QTest::newRow("128 lasts 129 ticks") << Times{128, 0, 0, 0} << 129 << 0;
        QTest::newRow("129 lasts one tick") << Times{129, 0, 0, 0} << 2 << 1;
        QTest::newRow("one-tick frames never reach 3") << Times{0, 0, 0, 0} << 7 << 2;
    }
    void animframes()
    {
        QFETCH(Times, times);
        QFETCH(int, ticks);
        QFETCH(int, frame);
        QCOMPARE(animframe(times, ticks), frame);
    }

    // Milliseconds times 0.06, halves to even.
    void animticks_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("ticks");
        const int rows[][2] = {{8, 0}, {9, 1}, {25, 2}, {75, 4}, {125, 8}, {533, 32}, {86400000, 5184000}};
        for (const auto &r : rows)
            QTest::addRow("%d ms", r[0]) << r[0] << r[1];
    }
    void animticks()
    {
        QFETCH(int, ms);
        QFETCH(int, ticks);
        QCOMPARE(quib::animticks(ms), int64_t(ticks));
    }

    void animtext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored"); // -1: not stored
        QTest::newRow("300 wraps") << "300" << 44;
        QTest::newRow("blanks around") << " 12 " << 12;
        QTest::newRow("twenty nines") << "99999999999999999999" << 255;
        for (const char *bad : {"", "  ", "-1", "1.5", "12a", "0x10"})
            QTest::addRow("'%s'", bad) << bad << -1;
    }
    void animtext()
    {
        QFETCH(QString, text);
        QFETCH(int, stored);
        const std::optional<uint8_t> b = animbyte(text);
        QCOMPARE(b ? int(*b) : -1, stored);
    }

    // One write puts all 7 x 256 bytes at their places and touches nothing else.
    void tableswrittenwhole()
    {
        MapProps props;
        Rom rom = testutil::openrom(rompath);
        QVERIFY(readmapprops(rom, props));
        std::map<int64_t, uint8_t> expected;
        auto flip = [&expected](uint8_t &v, int64_t offset) { expected[offset] = v = uint8_t(~v); };
        for (int w = 1; w <= 256; ++w) {
            flip(props.palette[size_t(w - 1)], 0x1842C + w);
            for (int k = 0; k < 4; ++k)
                flip(props.anim[size_t(k)][size_t(w - 1)], 0x17C0D + 4 * w + k);
            flip(props.entrymusic[size_t(w - 1)], 0x3C423 + w);
            flip(props.returnmusic[size_t(w - 1)], 0x143C9 + w);
        }
        QCOMPARE(expected.size(), size_t(7 * 256));
        QVERIFY(writemapprops(rom, props));
        QVERIFY(testutil::readfile(rompath) == with(expected));
    }

    void opening()
    {
        auto st = open(2);
        EditMapPr d(st->rom, st->gfx, st->curworld, st->names, nullptr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Edit world map properties"));
        QCOMPARE(text(d, "entryLabel"), QStringLiteral("World  1"));
        QCOMPARE(bar(d, 0)->value(), 1);
        QCOMPARE(bar(d, 1)->value(), 0x1C);
        QCOMPARE(text(d, "paletteLabel"), QStringLiteral("Palette to use: #1C"));
        QCOMPARE(text(d, "speedCaption"), QStringLiteral("Animation speed: (time for each frame)"));
        QCOMPARE(QStringList({s(d, 0)->text(), s(d, 1)->text(), s(d, 2)->text(), s(d, 3)->text()}),
                 QStringList({"3", "200", "12", "0"}));
        QCOMPARE(get<QGroupBox>(d, QStringLiteral("musicGroup"))->title(), QStringLiteral("Music"));
        QCOMPARE(text(d, "musicCaption0"), QStringLiteral("When entering world:"));
        QCOMPARE(text(d, "musicCaption1"), QStringLiteral("After going in an area:"));
        QCOMPARE(list(d, 0)->count(), 256);
        QCOMPARE(list(d, 1)->item(0x1F)->text(), st->names.musicnames[0x1F]);
        QCOMPARE(list(d, 0)->currentRow(), 0x2A);
        QCOMPARE(list(d, 1)->currentRow(), 0x05);
        QCOMPARE(bar(d, 1)->maximum(), 255); // the palette stays a byte
    }

    // Edits of several entries survive the selector and go out with one OK;
    // text that is no whole number keeps the old time.
    void okwritesedits()
    {
        auto st = open(2);
        EditMapPr d(st->rom, st->gfx, st->curworld, st->names, nullptr);
        d.show();
        bar(d, 1)->setValue(0x07);
        QCOMPARE(text(d, "paletteLabel"), QStringLiteral("Palette to use: #7"));
        s(d, 2)->clear();
        QTest::keyClicks(s(d, 2), QStringLiteral("300"));
        bar(d, 0)->setValue(4);
        QCOMPARE(text(d, "entryLabel"), QStringLiteral("World  4"));
        list(d, 0)->setCurrentRow(0x33);
        list(d, 1)->setCurrentRow(0x10);
        s(d, 0)->setText(QStringLiteral("abc"));
        s(d, 1)->setText(QStringLiteral("-5"));
        s(d, 3)->setText(QString());
        QCOMPARE(d.props().animtimes(4), (Times{10, 8, 10, 8}));
        bar(d, 0)->setValue(1);
        QCOMPARE(bar(d, 1)->value(), 0x07);
        QCOMPARE(s(d, 2)->text(), QStringLiteral("44"));
        press(d, "OK");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(testutil::readfile(rompath) == with({{0x1842D, 0x07}, {0x17C13, 44}, {0x3C427, 0x33}, {0x143CD, 0x10}}));
    }

    void cancelwritesnothing()
    {
        auto st = open(1);
        {
            EditMapPr d(st->rom, st->gfx, st->curworld, st->names, nullptr);
            d.show();
            bar(d, 1)->setValue(0x05);
            s(d, 0)->setText(QStringLiteral("99"));
            list(d, 1)->setCurrentRow(0x40);
            press(d, "Cancel");
            QCOMPARE(d.result(), int(QDialog::Rejected));
        }
        QVERIFY(testutil::readfile(rompath) == rombytes);
        EditMapPr again(st->rom, st->gfx, st->curworld, st->names, nullptr);
        QCOMPARE(bar(again, 1)->value(), 0x1C);
        QCOMPARE(s(again, 0)->text(), QStringLiteral("3"));
    }

    // OK recolours the map at once when the current world's palette changed;
    // the window's redraw then shows it.
    void okrecolours()
    {
        auto st = open(4);
        const Surface before = st->lvl;
        EditMapPr d(st->rom, st->gfx, st->curworld, st->names, nullptr);
        bar(d, 0)->setValue(4);
        bar(d, 1)->setValue(0x05);
        press(d, "OK");
        QVERIFY(std::equal(st->gfx.lvlpal[0][5], st->gfx.lvlpal[0][5] + 16, st->gfx.mapcache.begin()));
        drawmap(*st);
        QVERIFY(st->lvl.px != before.px);
        const uint8_t tile = st->map.maptiles[4][5];
        QCOMPARE(st->lvl.at(85, 69), st->gfx.map.at(16 * (tile % 16) + 5, 16 * (tile / 16) + 5));
        QVERIFY(testutil::readfile(rompath) == with({{0x1842C + 4, 0x05}}));
    }

    void okfailurekeepsdialog()
    {
        auto st = open(1);
        EditMapPr d(st->rom, st->gfx, st->curworld, st->names, nullptr);
        d.show();
        s(d, 1)->setText(QStringLiteral("9"));
        QFile::setPermissions(rompath, QFile::ReadOwner);
        testutil::SeenBox seen;
        testutil::answermodals(seen);
        press(d, "OK");
        QCOMPARE(seen.count, 1);
        QVERIFY2(seen.text.contains(rompath), qPrintable(seen.text));
        QVERIFY(d.isVisible());
        QVERIFY(testutil::readfile(rompath) == rombytes);
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        press(d, "OK");
        QVERIFY(testutil::readfile(rompath) == with({{0x17C12, 9}}));
    }

    // The preview shows the frame the elapsed time falls in, with the edited times.
    void preview_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("frame");
        const int rows[][2] = {{0, 0}, {133, 0}, {150, 1}, {283, 2}, {500, 3}, {534, 0}};
        for (const auto &r : rows)
            QTest::addRow("%d ms", r[0]) << r[0] << r[1];
    }
    void preview()
    {
        QFETCH(int, ms);
        QFETCH(int, frame);
        auto st = open(1);
        EditMapPr d(st->rom, st->gfx, st->curworld, st->names, nullptr);
        for (int k = 0; k < 4; ++k)
            s(d, k)->setText(QStringLiteral("7"));
        d.previewstep(ms);
        for (int f = 0; f < 4; ++f) {
            bool same = true;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 48; ++x)
                    same = same && d.animsurface().at(x, y) == st->gfx.mapanim.at(x, 16 * f + y);
            QCOMPARE(same, f == frame);
        }
    }
};

QTEST_MAIN(TestMapProps)
#include "tst_mapprops.moc"

// The map start point: the preview of the map screen and the "Move map start
// position" dialog, checked against the ROM file's bytes.
#include "demorom/demomapprops.h"
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/startup.h"
#include "worldmap/startpoint.h"
#include "dialogs/startposition.h"

#include "testutil.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quib;

namespace {

constexpr uint8_t offscreen = 0xFF; // puts the marker below the preview

bool samecell(const Surface &a, int ax, int ay, const Surface &b, int bx, int by, int w, int h)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.at(ax + x, ay + y) != b.at(bx + x, by + y))
                return false;
    return true;
}

} // namespace

class TestStartPoint : public QObject {
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
    QByteArray with(int world, uint8_t value) const
    {
        QByteArray b = rombytes;
        b[0x3C39A + world - 1] = char(value);
        return b;
    }
    static QScrollBar *bar(MoveStartPnt &d) { return d.findChild<QScrollBar *>(QStringLiteral("positionBar")); }
    static QString label(MoveStartPnt &d, const char *name) { return d.findChild<QLabel *>(name)->text(); }
    static void press(MoveStartPnt &d, const char *name) { d.findChild<QPushButton *>(name)->click(); }

private slots:
    void initTestCase()
    {
        demo::RomImage rom = demo::builddemorom();
        demo::putstartpoints(rom);
        rombytes = testutil::bytesof(rom);
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
    }
    void init()
    {
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(testutil::writefile(rompath, rombytes));
    }
    void cleanup() { testutil::stopanswering(); }

    // The demo's start squares: world 1 on row 2, world 9 on row 6.
    void opening_data()
    {
        QTest::addColumn<int>("world");
        QTest::addColumn<int>("value");
        QTest::newRow("world 1") << 1 << 0x40;
        QTest::newRow("world 9") << 9 << 0x80;
    }
    void opening()
    {
        QFETCH(int, world);
        QFETCH(int, value);
        auto s = open(world);
        MoveStartPnt d(s->rom, s->gfx, s->map, s->curworld, nullptr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Move map start position"));
        QCOMPARE(label(d, "positionCaption"), QStringLiteral("Y start point (pixels) : (hex)"));
        QCOMPARE(label(d, "valueLabel"), QString::number(value, 16));
        QCOMPARE(bar(d)->value(), value);
        QCOMPARE(bar(d)->maximum(), 255);
        // The frame and font were recoloured with the world's group.
        const uint8_t *group = s->gfx.lvlpal[0][uint8_t(rombytes[0x1842C + world]) & 15];
        QVERIFY(std::equal(group, group + 16, s->gfx.mapbcache.begin()));
        QVERIFY(std::equal(group, group + 16, s->gfx.fontcache.begin()));
    }

    // A stored 0x40 puts the marker's top at y = 57, level with map row 2;
    // nothing else in the picture depends on the value.
    void markerheight()
    {
        auto s = open(1);
        MoveStartPnt d(s->rom, s->gfx, s->map, s->curworld, nullptr);
        const Surface at40 = d.preview();
        bar(d)->setValue(offscreen);
        const Surface &away = d.preview(), &grey = s->gfx.mapsgrey;
        int drawn = 0;
        for (int y = 0; y < 224; ++y)
            for (int x = 0; x < 256; ++x) {
                const bool opaque = x >= 32 && x < 48 && y >= 57 && y < 73 && (grey.at(x - 16, y - 25) & 0xFFFFFF) == 0;
                QCOMPARE(at40.at(x, y), opaque ? grey.at(x - 32, y - 25) : away.at(x, y));
                drawn += opaque;
            }
        QVERIFY(drawn > 20);
        const uint8_t left = s->map.maptiles[2][1];
        QVERIFY(samecell(at40, 16, 57, s->gfx.map, 16 * (left % 16), 16 * (left / 16), 16, 16));
    }

    void steps_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("shown");
        QTest::newRow("large step is one map row") << int(QAbstractSlider::SliderPageStepAdd) << "50";
        QTest::newRow("small step") << int(QAbstractSlider::SliderSingleStepSub) << "3F";
        QTest::newRow("top, two digits") << int(QAbstractSlider::SliderToMinimum) << "00";
    }
    void steps()
    {
        QFETCH(int, action);
        QFETCH(QString, shown);
        auto s = open(1);
        MoveStartPnt d(s->rom, s->gfx, s->map, s->curworld, nullptr);
        bar(d)->triggerAction(QAbstractSlider::SliderAction(action));
        QCOMPARE(label(d, "valueLabel"), shown);
        QCOMPARE(int(d.value()), shown.toInt(nullptr, 16));
    }

    // OK writes the current world's byte and nothing else; Cancel nothing.
    void closing_data()
    {
        QTest::addColumn<int>("world");
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK, world 1") << 1 << true;
        QTest::newRow("OK, world 9") << 9 << true;
        QTest::newRow("Cancel") << 3 << false;
    }
    void closing()
    {
        QFETCH(int, world);
        QFETCH(bool, ok);
        auto s = open(world);
        MoveStartPnt d(s->rom, s->gfx, s->map, s->curworld, nullptr);
        d.show();
        const uint8_t before = d.value();
        bar(d)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        bar(d)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        press(d, ok ? "OK" : "Cancel");
        QCOMPARE(d.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
        QVERIFY(!d.isVisible());
        QVERIFY(testutil::readfile(rompath) == (ok ? with(world, uint8_t(before + 17)) : rombytes));
    }

    void okfailurekeepsdialog()
    {
        auto s = open(2);
        MoveStartPnt d(s->rom, s->gfx, s->map, s->curworld, nullptr);
        d.show();
        bar(d)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QFile::setPermissions(rompath, QFile::ReadOwner);
        testutil::SeenBox seen;
        testutil::answermodals(seen);
        press(d, "OK");
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QVERIFY2(seen.text.contains(rompath) && seen.text.contains(QStringLiteral("read-only")), qPrintable(seen.text));
        QVERIFY(d.isVisible());
        QVERIFY(testutil::readfile(rompath) == rombytes);
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        press(d, "OK");
        QVERIFY(testutil::readfile(rompath) == with(2, 0x40));
    }

    void stripcolour_data()
    {
        QTest::addColumn<int>("world");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("index");
        QTest::newRow("world 2") << 2 << 1 << 15;
        QTest::newRow("world 3 borrows group 0") << 3 << 0 << 15;
        QTest::newRow("world 7") << 7 << 6 << 15;
        QTest::newRow("world 8") << 8 << 7 << 1;
        QTest::newRow("world 9") << 9 << 2 << 9;
    }
    void stripcolour()
    {
        QFETCH(int, world);
        QFETCH(int, group);
        QFETCH(int, index);
        auto s = open(world);
        std::fill(&s->gfx.lvlpal[0][0][0], &s->gfx.lvlpal[0][15][15] + 1, uint8_t(0x0F));
        s->gfx.lvlpal[0][group][index] = 0x2A;
        Surface preview(256, 224);
        refmapb(s->gfx, s->map, s->curworld, offscreen, preview);
        for (const auto &p : {QPoint(16, 169), QPoint(239, 176), QPoint(128, 172)})
            QCOMPARE(preview.at(p.x(), p.y()), s->gfx.nescol[0x2A]);
    }

    // Figures stand 7 pixels above their Y, whatever the view option; world 9 has none.
    void sprites_data()
    {
        QTest::addColumn<int>("world");
        QTest::newRow("world 1") << 1;
        QTest::newRow("world 9") << 9;
    }
    void sprites()
    {
        QFETCH(int, world);
        auto s = open(world);
        s->viewmapsprites = false;
        s->map.sprites = {};
        Surface none(256, 224), one(256, 224);
        refmapb(s->gfx, s->map, s->curworld, offscreen, none);
        s->map.sprites[0] = {96, 80, 3, 0};
        s->map.sprites[1] = {96, 128, 17, 0}; // a type that is none
        refmapb(s->gfx, s->map, s->curworld, offscreen, one);
        int changed = 0;
        for (int y = 0; y < 224; ++y)
            for (int x = 0; x < 256; ++x)
                if (one.at(x, y) != none.at(x, y)) {
                    QVERIFY(x >= 80 && x < 96 && y >= 89 && y < 105);
                    QCOMPARE(one.at(x, y), s->gfx.maps.at(x - 48, y - 89));
                    ++changed;
                }
        QCOMPARE(changed > 20, world < 9);
    }

    // Columns 1..14 of the first screen, whatever the scroll; the world digit below.
    void tilesanddigit()
    {
        auto s = open(4);
        s->map.sprites = {};
        s->map.mapscroll = 16;
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 16; ++c)
                s->map.maptiles[r][c] = uint8_t(16 * r + c);
        colormapb(s->gfx, s->rom, 4);
        Surface preview(256, 224);
        refmapb(s->gfx, s->map, s->curworld, offscreen, preview);
        for (int r = 0; r < 9; ++r)
            for (int j = 0; j < 14; ++j)
                QVERIFY(samecell(preview, 16 + 16 * j, 25 + 16 * r, s->gfx.map, 16 * (j + 1), 16 * r, 16, 16));
        QVERIFY(samecell(preview, 0, 25, s->gfx.mapb, 0, 25, 16, 144));
        QVERIFY(samecell(preview, 240, 25, s->gfx.mapb, 240, 25, 16, 144));
        QVERIFY(samecell(preview, 48, 194, s->gfx.mfont, 32, 24, 8, 8));
        QVERIFY(!samecell(preview, 48, 194, s->gfx.mfont, 24, 24, 8, 8));
    }
};

QTEST_MAIN(TestStartPoint)
#include "tst_startpoint.moc"

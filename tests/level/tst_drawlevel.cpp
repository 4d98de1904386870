// The level redraw: background, strips, selection marks, enemy boxes, the
// sheet overlay and the info labels.
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "editor/mapstate.h"
#include "editor/startup.h"
#include "level/drawlevel.h"
#include "level/leveledit.h"
#include "worldmap/drawmap.h"

#include <QRect>
#include <QTest>

#include <algorithm>
#include <memory>

#include "testsheets.h"

using namespace quib;

namespace {

using namespace testsheets;

int count(const Surface &lvl, uint32_t colour) { return int(std::count(lvl.px.begin(), lvl.px.end(), colour)); }

// Draws `area` keeping 1 pixel in 2^k into a surface followed by a guard of
// sentinel pixels, and checks it against `full` (the same area drawn at full
// size) sampled every 2^k pixels, and the guard against writes past the end.
template <typename Draw>
void comparereduced(const Surface &full, const BlockRect &area, int k, Draw draw)
{
    constexpr uint32_t sentinel = 0x00ABCDEFu; // not a colour the drawing writes
    Surface small = surfacefor(area, k, sentinel);
    const size_t size = small.px.size();
    small.px.resize(size + 4096, sentinel);
    draw(small);
    QVERIFY(std::all_of(small.px.begin() + qsizetype(size), small.px.end(), [](uint32_t c) { return c == sentinel; }));
    small.px.resize(size);
    QCOMPARE(small.width, (full.width + (1 << k) - 1) >> k);
    QCOMPARE(small.height, (full.height + (1 << k) - 1) >> k);
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x)
            if (small.at(x, y) != full.at(x << k, y << k))
                QFAIL(qPrintable(QStringLiteral("k %1: pixel (%2, %3) differs").arg(k).arg(x).arg(y)));
}

} // namespace

class TestDrawLevel : public QObject {
    Q_OBJECT
    std::unique_ptr<EditorState> s;

    void put(int bank, int type, int x, int y, int len = -1)
    {
        Level &lv = s->level;
        lv.objects.push_back({uint8_t(x), uint8_t(y), uint8_t(bank), uint8_t(type), len >= 0,
                              uint8_t(std::max(len, 0)), {}});
    }
    void putenemy(int type, int x, int y)
    {
        Level &lv = s->level;
        lv.enemies.push_back({uint8_t(type), uint8_t(x), uint8_t(y)});
    }

private slots:
    void init()
    {
        s = std::make_unique<EditorState>();
        paintsheets(s->gfx);
        s->props.objwidth.fill(1);
        s->props.objheight.fill(1);
        s->props.enemywidth.fill(1);
        s->props.enemyheight.fill(1);
        std::fill(s->objcells.cells.begin(), s->objcells.cells.end(), emptycell);
        s->level.lvlobjset = 1;
    }

    void infoline_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("sel");
        QTest::addColumn<bool>("empty"); // an area without objects and enemies
        QTest::addColumn<QStringList>("labels");
        const QString set = QStringLiteral("Obj. set: C -- Twelve");
        const QStringList none(4, QString()); // nothing selected: nothing to describe
        QTest::newRow("first of three objects") << 2 << 0 << false
            << QStringList{"Object #001/003 (3 bytes)", "X: 1C   Y: 05", set, "Object bank: 5\r\nObject type: 2A"};
        QTest::newRow("a 4-byte object") << 2 << 1 << false
            << QStringList{"Object #002/003 (4 bytes)", "X: 03   Y: 0A", set, "Object bank: 0\r\nObject type: C3\r\nObject length: 0B"};
        QTest::newRow("enemy outside the view") << 3 << 1 << false
            << QStringList{"Enemy #002/002", "X: 40   Y: 09", set, "Enemy type: 08\r\nSpinner"};
        QTest::newRow("selection past the objects") << 2 << 3 << false << none;
        QTest::newRow("no objects") << 2 << 0 << true << none;
        QTest::newRow("no enemies") << 3 << 0 << true << none;
    }
    void infoline()
    {
        QFETCH(int, mode);
        QFETCH(int, sel);
        QFETCH(bool, empty);
        QFETCH(QStringList, labels);
        s->level.lvlobjset = 12;
        s->names.objsetnames[12] = QStringLiteral("Twelve");
        s->names.enemynames[8] = QStringLiteral("Spinner");
        if (!empty) {
            put(5, 0x2A, 0x1C, 0x05);
            put(0, 0xC3, 0x03, 0x0A, 0x0B);
            put(2, 0x10, 0x00, 0x00);
            putenemy(0x5D, 0x10, 0x02);
            putenemy(0x08, 0x40, 0x09);
        }
        s->editmode = uint8_t(mode);
        s->level.selobj = s->level.selenemy = uint8_t(sel);
        drawlevel(*s);
        const InfoLabels t = levellabels(*s);
        QCOMPARE(QStringList(t.begin(), t.end()), labels);
        QCOMPARE(count(s->lvl, enemysel), 0); // the selected enemy's box is off the view
    }

    void selection_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("len");
        QTest::addColumn<QRect>("box"); // the inner outline
        QTest::addColumn<uint32_t>("colour");
        // 2 x 2 blocks from the anchor at (3, 3), one column left and one row above.
        QTest::newRow("3-byte") << 1 << 0x10 << -1 << QRect(32, 32, 48, 48) << objsel3byte;
        QTest::newRow("set 2, F3 length 5") << 2 << 0xF3 << 5 << QRect(48, 48, 64, 96) << objsel4byte;
    }
    void selection()
    {
        QFETCH(int, set);
        QFETCH(int, type);
        QFETCH(int, len);
        QFETCH(QRect, box);
        QFETCH(uint32_t, colour);
        s->level.lvlobjset = set;
        ObjProps &pr = s->props;
        const size_t k = size_t(ObjProps::index(set, 0, type)), cover = size_t(ObjProps::index(set, 1, 0));
        pr.objwidth[k] = pr.objheight[k] = 2;
        pr.objleft[k] = pr.objup[k] = 1;
        pr.is4byte[k] = len >= 0;
        pr.objwidth[cover] = 16, pr.objheight[cover] = 15;
        for (int r = 0; r < 15; ++r)
            for (int c = 0; c < 16; ++c)
                s->objcells.at(1, 0, r, c) = cell(0x20, 0x20, 0x20, 0x20);
        put(0, type, 3, 3, len);
        put(1, 0, 0, 0); // a later object over the whole view
        s->editmode = ModeObjectEditing;
        drawlevel(*s);
        const QRect outer = box.adjusted(-1, -1, 1, 1);
        for (const QPoint p : {outer.topLeft(), outer.bottomRight(), outer.topRight(), outer.bottomLeft()})
            QCOMPARE(s->lvl.at(p.x(), p.y()), objselouter);
        QCOMPARE(s->lvl.at(box.right(), box.bottom()), colour);
        QCOMPARE(count(s->lvl, colour), 2 * (box.width() + box.height()) - 4);
        QCOMPARE(blockat(s->lvl, box.x() + 16, box.y() + 16), QStringLiteral("20.0 20.0 20.0 20.0"));
    }

    void enemies()
    {
        s->props.enemywidth[0x5D] = 4;
        s->props.enemyheight[0x5D] = 8;
        s->props.enemyleft[0x57] = 1;
        putenemy(0x5D, 2, 1); // (32, 16) to (95, 143)
        putenemy(0x57, 0, 0); // from x = -16: partly in view
        s->editmode = ModeObjectEditing;
        drawlevel(*s);
        QCOMPARE(s->lvl.at(32, 16), enemyline);
        QCOMPARE(s->lvl.at(95, 143), enemyline);
        QCOMPARE(s->lvl.at(96, 144), bg);
        QCOMPARE(s->lvl.at(15, 0), enemyline);
        const auto inside = [this](uint32_t colour) {
            int n = 0;
            for (int y = 17; y < 143; ++y)
                for (int x = 33; x < 95; ++x)
                    n += s->lvl.at(x, y) == colour;
            return n;
        };
        QCOMPARE(inside(enemyfill) + inside(bg), 62 * 126);
        QVERIFY(inside(enemyfill) > 62 * 126 / 8 && inside(enemyfill) < 62 * 126 / 2);

        s->editmode = ModeEnemyEditing;
        drawlevel(*s);
        QCOMPARE(s->lvl.at(95, 143), enemysel);
        QCOMPARE(inside(enemyfill), 0); // hatched over in the selection colour
        QCOMPARE(s->lvl.at(15, 0), enemyline);
    }

    void background_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<bool>("type12"); // an object of bank 0, type 12 in the area
        QTest::addColumn<QString>("block");
        QTest::newRow("set 1") << 1 << false << "5.3 7.3 6.3 8.3";
        QTest::newRow("set 2") << 2 << false << "60.2 62.2 61.2 63.2";
        QTest::newRow("set 12") << 12 << false << "5.2 7.2 6.2 8.2";
        QTest::newRow("set 7") << 7 << false << "99.1 99.1 99.1 99.1";
        QTest::newRow("set 6") << 6 << false << "FE.2 FE.2 FE.2 FE.2";
        QTest::newRow("set 6 with type 12") << 6 << true << "5.3 7.3 6.3 8.3";
        QTest::newRow("set 8") << 8 << false << "5.3 7.3 6.3 8.3";
    }
    void background()
    {
        QFETCH(int, set);
        QFETCH(bool, type12);
        QFETCH(QString, block);
        s->level.lvlobjset = set;
        s->level.lvlscrollx = 3; // the background doesn't scroll
        if (type12)
            put(0, 12, 0, 20); // below the view
        drawlevel(*s);
        QCOMPARE(count(s->lvl, bg), 256 * 240);
        s->viewlvlbg = true;
        drawlevel(*s);
        for (int y = 0; y < 240; y += 16)
            for (int x = 0; x < 256; x += 16)
                QCOMPARE(blockat(s->lvl, x, y), block);
    }

    void strips_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QPoint>("scroll");
        QTest::addColumn<QStringList>("rows"); // view row: its first two blocks
        const QString even = QStringLiteral("C.0 C.0 2E.0 2E.0"), odd = QStringLiteral("D.0 D.0 2F.0 2F.0");
        QTest::newRow("set 2, top row 10") << 2 << QPoint(0, 10) << QStringList{};
        QTest::newRow("set 2, top row 11") << 2 << QPoint(0, 11) << QStringList{"14: " + even + " " + odd};
        QTest::newRow("set 2, top row 25, odd column")
            << 2 << QPoint(1, 25) << QStringList{"0: " + odd + " " + even, "1: " + odd + " " + even};
        QTest::newRow("set 9, top row 20") << 9 << QPoint(5, 20) << QStringList{"6: 59.1 59.1 77.1 77.1 59.1 59.1 77.1 77.1"};
        QTest::newRow("set 9, top row 26") << 9 << QPoint(0, 26) << QStringList{};
        QTest::newRow("set 1") << 1 << QPoint(0, 20) << QStringList{};
    }
    void strips()
    {
        QFETCH(int, set);
        QFETCH(QPoint, scroll);
        QFETCH(QStringList, rows);
        s->level.lvlobjset = set;
        s->level.lvlscrollx = int16_t(scroll.x());
        s->level.lvlscrolly = int16_t(scroll.y());
        drawlevel(*s);
        for (const QString &row : rows) {
            const int y = 16 * row.section(':', 0, 0).toInt();
            QCOMPARE(QString::number(y / 16) + ": " + blockat(s->lvl, 0, y) + ' ' + blockat(s->lvl, 16, y), row);
        }
        QCOMPARE(count(s->lvl, bg), 256 * (240 - 16 * int(rows.size())));
    }

    // A view of 32 x 30 blocks is four views of 16 x 15 side by side, and
    // drawing it changes nothing but the picture.
    void rectangle()
    {
        s->level.lvlobjset = 2; // with the strips of rows 25 and 26
        put(0, 0x31, 14, 13, 4); // 4-byte boxes across the quarters' edges
        put(0, 0x22, 30, 28, 3);
        put(1, 0x10, 3, 4);
        putenemy(1, 15, 14);
        putenemy(2, 31, 29);
        s->level.selobj = 0;
        const Level before = s->level;
        DrawOptions big;
        big.area = {2, 0, 32, 30};
        big.selection = SelectionMark::object;
        big.background = true;
        Surface whole = surfacefor(big.area);
        drawlevel(whole, s->level, s->props, s->objcells, s->gfx, big);
        QCOMPARE(whole.width, 512);
        QCOMPARE(whole.height, 480);
        for (const auto &[dc, dr] : {std::pair{0, 0}, {16, 0}, {0, 15}, {16, 15}}) {
            DrawOptions quarter = big;
            quarter.area = {big.area.col + dc, big.area.row + dr, 16, 15};
            Surface part = surfacefor(quarter.area);
            drawlevel(part, s->level, s->props, s->objcells, s->gfx, quarter);
            for (int y = 0; y < part.height; ++y)
                QVERIFY(std::equal(part.row(y), part.row(y) + part.width, whole.row(16 * dr + y) + 16 * dc));
        }
        QVERIFY(s->level == before);
        QVERIFY(s->level.lvlscrollx == before.lvlscrollx && s->level.selobj == before.selobj);
    }

    void sheets()
    {
        s->level.lvlhdr[7] = 0xE0; // graphic set 0 under the start-action bits
        putenemy(1, 1, 1);
        s->showsheets = true;
        drawlevel(*s);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 128; ++x) {
                QCOMPARE(s->lvl.at(x, y), s->gfx.gfxo[0].at(x, y));
                QCOMPARE(s->lvl.at(128 + x, y), s->gfx.gfxo[20].at(x, y));
            }
    }

    // The overview's pictures: the busiest area of the demo ROM (background,
    // objects, enemies, the selected object's outline) and a world map with
    // its sprites and pointer boxes, drawn reduced, equal the full pictures
    // sampled, whole and from an odd corner.
    void reduced()
    {
        EditorState d;
        d.rom = Rom(demo::builddemorom().bytes());
        runstartup(d, Settings{}, nullptr);
        Level best;
        for (int w = 1; w <= 8; ++w) {
            d.curworld = uint8_t(w);
            loadmap(d);
            for (const MapPtr &p : d.map.pointers) {
                if (p.objset == 0 || p.objset == 15)
                    continue;
                d.level.lvlobjpos = p.objpos;
                d.level.lvlenmpos = p.enmpos;
                d.level.lvlobjset = p.objset;
                loadlevel(d);
                if (d.level.objcount() > best.objcount())
                    best = d.level;
            }
        }
        QVERIFY(best.objcount() > 20 && best.enemycount() > 0);
        d.level = best;
        loadlevel(d);
        d.viewlvlbg = true;
        d.editmode = ModeObjectEditing;
        d.level.selobj = 3;
        DrawOptions lo = leveloptions(d);
        QVERIFY(lo.background && lo.selection == SelectionMark::object);
        const BlockRect whole{0, 0, levelmaxx(d.level) + 1, levelmaxy(d.level, true) + 1};

        d.curworld = 8;
        loadmap(d);
        d.editmode = ModeMapPointers;
        d.viewmapsprites = true;
        DrawOptions mo = mapoptions(d);
        QVERIFY(mo.mapsprites && mo.pointerboxes && !d.map.sprites.empty());

        for (const BlockRect &area : {whole, BlockRect{3, 1, 37, 20}}) {
            lo.area = area;
            mo.area = area;
            Surface full = surfacefor(area);
            drawlevel(full, d.level, d.props, d.objcells, d.gfx, lo);
            Surface fullmap = surfacefor(area);
            drawmap(fullmap, d.map, d.curworld, d.gfx, mo);
            for (int k = 1; k <= 3; ++k) {
                comparereduced(full, area, k, [&](Surface &to) { drawlevel(to, d.level, d.props, d.objcells, d.gfx, lo); });
                comparereduced(fullmap, area, k, [&](Surface &to) { drawmap(to, d.map, d.curworld, d.gfx, mo); });
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDrawLevel)
#include "tst_drawlevel.moc"

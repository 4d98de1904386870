// The level redraw: background, strips, selection marks, enemy boxes, the
// sheet overlay and the info labels, on pattern sheets in which every pixel
// of every tile in every palette has its own colour.
#include "editor/editorstate.h"
#include "level/drawlevel.h"

#include <QPoint>
#include <QRect>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace quib;

namespace {

constexpr uint32_t bg = rgb(1, 2, 3);

constexpr uint32_t tilepixel(int tile, int pal, int xx, int yy) { return rgb(tile, 64 * pal + 8 * yy + xx, 0x5A); }

// Graphic set 0: sheet 0 holds tiles 0..127, sheet 20 tiles 128..255.
void paintsheets(Graphics &g)
{
    for (int page = 0; page < 2; ++page) {
        Surface &sheet = g.gfxo[gfxsetsheet[page][0]];
        sheet = Surface(128, 256);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 128; ++x)
                sheet.set(x, y, tilepixel(128 * page + 16 * (y % 64 / 8) + x / 8, y / 64, x % 8, y % 8));
    }
    g.lvlbackground = bg;
}

// The 16 x 16 block at (x, y) as four "T.p" (tile in hex, palette), "bg" or "?".
QString blockat(const Surface &lvl, int x, int y)
{
    QStringList q;
    for (const auto &[qx, qy] : {std::pair{0, 0}, {8, 0}, {0, 8}, {8, 8}}) {
        const uint32_t first = lvl.at(x + qx, y + qy);
        const int tile = (first >> 16) & 255, pal = ((first >> 8) & 255) / 64;
        bool isbg = true, istile = true;
        for (int yy = 0; yy < 8; ++yy)
            for (int xx = 0; xx < 8; ++xx) {
                isbg = isbg && lvl.at(x + qx + xx, y + qy + yy) == bg;
                istile = istile && lvl.at(x + qx + xx, y + qy + yy) == tilepixel(tile, pal, xx, yy);
            }
        q << (isbg ? QStringLiteral("bg")
                   : istile ? QString::number(tile, 16).toUpper() + QLatin1Char('.') + QString::number(pal)
                            : QStringLiteral("?"));
    }
    return q.join(QLatin1Char(' '));
}

int count(const Surface &lvl, uint32_t colour)
{
    return int(std::count(lvl.px.begin(), lvl.px.end(), colour));
}

} // namespace

class TestDrawLevel : public QObject {
    Q_OBJECT
    std::unique_ptr<EditorState> s;

    void put(int i, int bank, int type, int x, int y, int len = -1)
    {
        Level &lv = s->level;
        lv.objbank[size_t(i)] = uint8_t(bank);
        lv.objtype[size_t(i)] = uint8_t(type);
        lv.objx[size_t(i)] = uint8_t(x);
        lv.objy[size_t(i)] = uint8_t(y);
        lv.obj4[size_t(i)] = len >= 0;
        lv.objlen[size_t(i)] = uint8_t(std::max(len, 0));
        lv.objcount = std::max(lv.objcount, i + 1);
    }
    void putenemy(int i, int type, int x, int y)
    {
        Level &lv = s->level;
        lv.enemytype[size_t(i)] = uint8_t(type);
        lv.enemyx[size_t(i)] = uint8_t(x);
        lv.enemyy[size_t(i)] = uint8_t(y);
        lv.enemycount = std::max(lv.enemycount, i + 1);
    }

private slots:
    void init()
    {
        s = std::make_unique<EditorState>();
        paintsheets(s->gfx);
        for (auto *table : {&s->props.objwidth, &s->props.objheight})
            table->fill(1);
        s->props.enemywidth.fill(1);
        s->props.enemyheight.fill(1);
        std::fill(s->objcells.cells.begin(), s->objcells.cells.end(), emptycell);
        s->level.lvlobjset = 1;
    }

    void infoline_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("sel");
        QTest::addColumn<bool>("none"); // an area without objects and enemies
        QTest::addColumn<QStringList>("labels");
        const QString set = QStringLiteral("Obj. set: C -- Twelve");
        QTest::newRow("first of three objects") << 2 << 0 << false
            << QStringList{"Object #001/003 (3 bytes)", "X: 1C   Y: 05", set, "Object bank: 5\r\nObject type: 2A"};
        QTest::newRow("a 4-byte object") << 2 << 1 << false
            << QStringList{"Object #002/003 (4 bytes)", "X: 03   Y: 0A", set,
                           "Object bank: 0\r\nObject type: C3\r\nObject length: 0B"};
        QTest::newRow("enemy outside the view") << 3 << 1 << false
            << QStringList{"Enemy #002/002", "X: 40   Y: 09", set, "Enemy type: 08\r\nSpinner"};
        QTest::newRow("selection past the objects") << 2 << 3 << false << QStringList{"keep", "keep", "keep", "keep"};
        QTest::newRow("no objects") << 2 << 0 << true << QStringList{"keep", "keep", "keep", "keep"};
        QTest::newRow("no enemies") << 3 << 0 << true << QStringList{"keep", "keep", "keep", "keep"};
        QTest::newRow("map mode") << 0 << 0 << false << QStringList{"keep", "keep", "keep", "keep"};
    }
    void infoline()
    {
        QFETCH(int, mode);
        QFETCH(int, sel);
        QFETCH(bool, none);
        QFETCH(QStringList, labels);
        s->level.lvlobjset = 12;
        s->names.objsetnames[12] = QStringLiteral("Twelve");
        s->names.enemynames[8] = QStringLiteral("Spinner");
        if (!none) {
            put(0, 5, 0x2A, 0x1C, 0x05);
            put(1, 0, 0xC3, 0x03, 0x0A, 0x0B);
            put(2, 2, 0x10, 0x00, 0x00);
            putenemy(0, 0x5D, 0x10, 0x02);
            putenemy(1, 0x08, 0x40, 0x09);
        }
        s->editmode = uint8_t(mode);
        s->level.selobj = uint8_t(sel);
        s->level.selenemy = uint8_t(sel);
        s->t.fill(QStringLiteral("keep"));
        drawlevel(*s);
        QCOMPARE(QStringList(s->t.begin(), s->t.end()), labels);
        if (mode == 3)
            QCOMPARE(count(s->lvl, enemysel), 0); // the selected box is off the view
    }

    void selection_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("len");
        QTest::addColumn<QRect>("box"); // the inner outline
        QTest::addColumn<uint32_t>("colour");
        // 2 x 2 blocks from the anchor at (3, 3), one more column left and one more row above.
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
        const size_t k = size_t(ObjProps::index(set, 0, type));
        s->props.objwidth[k] = 2;
        s->props.objheight[k] = 2;
        s->props.objleft[k] = 1;
        s->props.objup[k] = 1;
        s->props.is4byte[k] = len >= 0;
        put(0, 0, type, 3, 3, len);
        // A later object covering the whole area.
        s->props.objwidth[size_t(ObjProps::index(set, 1, 0))] = 16;
        s->props.objheight[size_t(ObjProps::index(set, 1, 0))] = 15;
        for (int r = 0; r < 15; ++r)
            for (int c = 0; c < 16; ++c)
                s->objcells.at(1, 0, r, c) = cell(0x20, 0x20, 0x20, 0x20);
        put(1, 1, 0, 0, 0);
        s->editmode = ModeObjectEditing;
        drawlevel(*s);
        const QRect outer = box.adjusted(-1, -1, 1, 1);
        for (const QPoint p : {outer.topLeft(), outer.bottomRight(), outer.topRight(), outer.bottomLeft()})
            QCOMPARE(s->lvl.at(p.x(), p.y()), objselouter);
        for (const QPoint p : {box.topLeft(), box.bottomRight(), box.topRight(), box.bottomLeft()})
            QCOMPARE(s->lvl.at(p.x(), p.y()), colour);
        QCOMPARE(count(s->lvl, colour), 2 * (box.width() + box.height()) - 4);
        QCOMPARE(blockat(s->lvl, box.x() + 16, box.y() + 16), QStringLiteral("20.0 20.0 20.0 20.0"));
    }

    void enemies()
    {
        // Type 5D: 4 x 8 blocks from its own block; 57 reaches one block left.
        s->props.enemywidth[0x5D] = 4;
        s->props.enemyheight[0x5D] = 8;
        s->props.enemyleft[0x57] = 1;
        putenemy(0, 0x5D, 2, 1);
        putenemy(1, 0x57, 0, 0); // its box starts at x = -16: a part shows
        putenemy(2, 0x57, 17, 3);
        s->editmode = ModeObjectEditing;
        drawlevel(*s);
        QCOMPARE(s->lvl.at(32, 16), enemyline);
        QCOMPARE(s->lvl.at(32 + 63, 16 + 127), enemyline);
        QCOMPARE(s->lvl.at(32 + 64, 16 + 128), bg);
        QCOMPARE(s->lvl.at(15, 0), enemyline);
        // Inside the first box: hatching and background, nothing else.
        const auto inside = [this](uint32_t colour) {
            int n = 0;
            for (int y = 17; y < 16 + 127; ++y)
                for (int x = 33; x < 32 + 63; ++x)
                    n += s->lvl.at(x, y) == colour;
            return n;
        };
        QCOMPARE(inside(enemyfill) + inside(bg), 62 * 126);
        QVERIFY(inside(enemyfill) > 62 * 126 / 8 && inside(enemyfill) < 62 * 126 / 2);

        s->editmode = ModeEnemyEditing;
        s->level.selenemy = 0;
        drawlevel(*s);
        QCOMPARE(s->lvl.at(32 + 63, 16 + 127), enemysel);
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
            put(0, 0, 12, 0, 20); // below the view
        drawlevel(*s);
        QCOMPARE(count(s->lvl, bg), 256 * 240);
        s->viewlvlbg = true;
        drawlevel(*s);
        QCOMPARE(blockat(s->lvl, 0, 0), block);
        QCOMPARE(blockat(s->lvl, 240, 224), block);
    }

    void strips_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("scrollx");
        QTest::addColumn<int>("scrolly");
        QTest::addColumn<QStringList>("rows"); // view rows 0..14: column 0 | column 1, "" for background
        const QString none = QStringLiteral("bg bg bg bg|bg bg bg bg");
        const QString even = QStringLiteral("C.0 C.0 2E.0 2E.0"), odd = QStringLiteral("D.0 D.0 2F.0 2F.0");
        QStringList rows(15, none);
        QTest::newRow("set 2, top row 10") << 2 << 0 << 10 << rows;
        rows[14] = even + QLatin1Char('|') + odd;
        QTest::newRow("set 2, top row 11") << 2 << 0 << 11 << rows;
        rows = QStringList(15, none);
        rows[0] = rows[1] = odd + QLatin1Char('|') + even;
        QTest::newRow("set 2, top row 25, odd column") << 2 << 1 << 25 << rows;
        rows = QStringList(15, none);
        rows[6] = QStringLiteral("59.1 59.1 77.1 77.1|59.1 59.1 77.1 77.1");
        QTest::newRow("set 9, top row 20") << 9 << 5 << 20 << rows;
        QTest::newRow("set 9, top row 26") << 9 << 0 << 26 << QStringList(15, none);
        QTest::newRow("set 1") << 1 << 0 << 20 << QStringList(15, none);
    }
    void strips()
    {
        QFETCH(int, set);
        QFETCH(int, scrollx);
        QFETCH(int, scrolly);
        QFETCH(QStringList, rows);
        s->level.lvlobjset = set;
        s->level.lvlscrollx = int16_t(scrollx);
        s->level.lvlscrolly = int16_t(scrolly);
        drawlevel(*s);
        for (int r = 0; r < 15; ++r)
            QCOMPARE(blockat(s->lvl, 0, 16 * r) + QLatin1Char('|') + blockat(s->lvl, 16, 16 * r), rows[r]);
    }

    void sheets()
    {
        s->level.lvlhdr[7] = 0xE0; // graphic set 0 under the start-action bits
        putenemy(0, 1, 1, 1);
        s->showsheets = true;
        drawlevel(*s);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 128; ++x) {
                QCOMPARE(s->lvl.at(x, y), s->gfx.gfxo[0].at(x, y));
                QCOMPARE(s->lvl.at(128 + x, y), s->gfx.gfxo[20].at(x, y));
            }
    }
};

QTEST_GUILESS_MAIN(TestDrawLevel)
#include "tst_drawlevel.moc"

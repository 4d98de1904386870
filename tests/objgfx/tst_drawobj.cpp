// Drawing level objects, checked by pixel on pattern sheets in which every
// pixel of every tile in every palette has its own colour.
#include "editor/editorstate.h"
#include "objgfx/drawobj.h"

#include <QPoint>
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

// The 8 x 8 square at (x, y): "T.p" for tile T (hex) in palette p, "bg", or "?".
QString tileat(const Surface &lvl, int x, int y)
{
    const uint32_t first = lvl.at(x, y);
    const int tile = (first >> 16) & 255, pal = ((first >> 8) & 255) / 64;
    bool isbg = true, istile = true;
    for (int yy = 0; yy < 8; ++yy)
        for (int xx = 0; xx < 8; ++xx) {
            isbg = isbg && lvl.at(x + xx, y + yy) == bg;
            istile = istile && lvl.at(x + xx, y + yy) == tilepixel(tile, pal, xx, yy);
        }
    if (isbg)
        return QStringLiteral("bg");
    return istile ? QString::number(tile, 16).toUpper() + QLatin1Char('.') + QString::number(pal) : QStringLiteral("?");
}

// The 16 x 16 block at (x, y) as its four tiles, top left first.
QString blockat(const Surface &lvl, int x, int y)
{
    return QStringList{tileat(lvl, x, y), tileat(lvl, x + 8, y), tileat(lvl, x, y + 8), tileat(lvl, x + 8, y + 8)}.join(
        QLatin1Char(' '));
}

// The same for a cell drawn in palette p over the background.
QString expected(uint32_t value, int pal)
{
    QStringList q;
    for (int shift : {24, 16, 8, 0}) {
        const int tile = int(value >> shift) & 255;
        q << (tile == 255 ? QStringLiteral("bg") : QString::number(tile, 16).toUpper() + QLatin1Char('.') + QString::number(pal));
    }
    return q.join(QLatin1Char(' '));
}

int nonbg(const Surface &lvl)
{
    return int(std::count_if(lvl.px.begin(), lvl.px.end(), [](uint32_t c) { return c != bg; }));
}

// Picture cells that tell their row and column apart.
constexpr uint32_t piccell(int r, int c) { return cell(uint8_t(r), uint8_t(0x40 + c), uint8_t(r), uint8_t(0x40 + c)); }
constexpr uint32_t slicecell(int r, int c) { return cell(uint8_t(0x80 + 16 * r + c), 0x90, 0xA0, uint8_t(0xB0 + 16 * r + c)); }

} // namespace

class TestDrawObj : public QObject {
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
    void size(int set, int b, int t, int w, int h, int left = 0, int up = 0)
    {
        const size_t k = size_t(ObjProps::index(set, b, t));
        s->props.objwidth[k] = uint8_t(w);
        s->props.objheight[k] = uint8_t(h);
        s->props.objleft[k] = uint8_t(left);
        s->props.objup[k] = uint8_t(up);
    }
    void setpal(int set, int b, int t, int p) { s->props.objpal[size_t((set - 1) + 14 * b + 98 * t)] = uint8_t(p); }
    void picture(int b, int t, uint32_t (*cellof)(int, int))
    {
        for (int r = 0; r < ObjCells::rows; ++r)
            for (int c = 0; c < ObjCells::cols; ++c)
                s->objcells.at(b, t, r, c) = cellof(r, c);
    }
    void render()
    {
        s->lvl.fill(bg);
        for (int i = 0; i < s->level.objcount; ++i)
            drawobj(*s, i);
    }

private slots:
    void init()
    {
        s = std::make_unique<EditorState>();
        paintsheets(s->gfx);
        s->props.objwidth.fill(1);
        s->props.objheight.fill(1);
        std::fill(s->objcells.cells.begin(), s->objcells.cells.end(), emptycell);
    }

    void nineslice_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("len");
        QTest::addColumn<int>("agree"); // columns whose slice rows 0 and 1 are alike
        QTest::addColumn<QString>("slices");
        QTest::newRow("1x1") << 1 << 0xC0 << 0 << 0 << "00";
        QTest::newRow("1x1, top and middle alike: bottom row") << 1 << 0xC0 << 0 << 1 << "20";
        QTest::newRow("one row, the rule by column") << 1 << 0xC0 << 2 << 2 << "00 21 02";
        QTest::newRow("two rows: no middle") << 1 << 0xC1 << 2 << 0 << "00 01 02|20 21 22";
        QTest::newRow("5 x 4") << 1 << 0xC3 << 4 << 7 << "00 01 01 01 02|10 11 11 11 12|10 11 11 11 12|20 21 21 21 22";
        QTest::newRow("set 2, F3 length 5: 4 x 6")
            << 2 << 0xF3 << 5 << 0 << "00 01 01 02|10 11 11 12|10 11 11 12|10 11 11 12|10 11 11 12|20 21 21 22";
    }
    void nineslice()
    {
        QFETCH(int, set);
        QFETCH(int, type);
        QFETCH(int, len);
        QFETCH(int, agree);
        QFETCH(QString, slices);
        s->level.lvlobjset = set;
        s->props.is4byte[size_t(ObjProps::index(set, 0, type))] = true;
        setpal(set, 0, type, 2);
        picture(0, type, [](int r, int c) { return slicecell(r, c); });
        for (int c = 0; c < 3; ++c)
            if (agree & (1 << c))
                s->objcells.at(0, type, 1, c) = slicecell(0, c);
        put(0, 0, type, 2, 1, len);
        render();
        const QStringList rows = slices.split(QLatin1Char('|'));
        int cells = 0;
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList ids = rows[r].split(QLatin1Char(' '));
            for (int c = 0; c < ids.size(); ++c, ++cells) {
                const uint32_t value = s->objcells.at(0, type, ids[c][0].digitValue(), ids[c][1].digitValue());
                QCOMPARE(blockat(s->lvl, 32 + 16 * c, 16 + 16 * r), expected(value, 2));
            }
        }
        QCOMPARE(nonbg(s->lvl), 256 * cells); // nothing beyond the object's size
    }

    void clipping_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("scrollx");
        QTest::addColumn<int>("scrolly");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("len"); // -1: a 3-byte 6 x 4 picture
        QTest::addColumn<QPoint>("first"); // picture column, row shown at the view's edge
        QTest::addColumn<int>("cells");
        QTest::newRow("left") << 0 << 2 << 3 << 0 << 0 << -1 << QPoint(3, 0) << 12;
        QTest::newRow("left, with objleft") << 1 << 2 << 0 << 0 << 2 << -1 << QPoint(1, 0) << 20;
        QTest::newRow("top") << 2 << 0 << 0 << 2 << 0 << -1 << QPoint(0, 2) << 12;
        QTest::newRow("right: cut at 256") << 13 << 2 << 0 << 0 << 0 << -1 << QPoint(0, 0) << 12;
        QTest::newRow("bottom: cut at 240") << 2 << 13 << 0 << 0 << 0 << -1 << QPoint(0, 0) << 12;
        QTest::newRow("wholly left") << 0 << 2 << 6 << 0 << 0 << -1 << QPoint() << 0;
        QTest::newRow("4-byte, left") << 0 << 2 << 3 << 0 << 0 << 7 << QPoint(1, 0) << 20;
        QTest::newRow("4-byte, right") << 14 << 2 << 0 << 0 << 0 << 7 << QPoint(0, 0) << 8;
        QTest::newRow("4-byte, wholly above") << 2 << 0 << 0 << 4 << 0 << 7 << QPoint() << 0;
    }
    void clipping()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, scrollx);
        QFETCH(int, scrolly);
        QFETCH(int, left);
        QFETCH(int, len);
        QFETCH(QPoint, first);
        QFETCH(int, cells);
        s->level.lvlobjset = 1;
        s->level.lvlscrollx = int16_t(scrollx);
        s->level.lvlscrolly = int16_t(scrolly);
        const int type = len < 0 ? 0x00 : 0xC3; // 4-byte: 4 rows
        s->props.is4byte[size_t(ObjProps::index(1, 0, 0xC3))] = true;
        size(1, 0, 0x00, 6 - left, 4, left);
        picture(0, type, [](int r, int c) { return piccell(r, c); });
        put(0, 0, type, x, y, len);
        render();
        QCOMPARE(nonbg(s->lvl), 256 * cells);
        if (cells == 0)
            return;
        const int vx = std::clamp(16 * (x - left - scrollx), 0, 255), vy = std::clamp(16 * (y - scrolly), 0, 239);
        QCOMPARE(blockat(s->lvl, vx, vy), expected(piccell(first.y(), first.x()), 0));
    }

    void stretch_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("scrolly");
        QTest::addColumn<QList<int>>("others"); // bank, type, dx, dy, length (-1: 3-byte) of each
        QTest::addColumn<int>("rows");
        const QList<int> none;
        QTest::newRow("column, nothing below: table height") << 4 << 0 << 0x62 << 2 << 0 << none << 10;
        QTest::newRow("column, met in its last column") << 4 << 0 << 0x62 << 2 << 0 << QList<int>{1, 0, 2, 4, -1} << 4;
        QTest::newRow("column, the nearest wins")
            << 12 << 0 << 0x62 << 2 << 0 << QList<int>{1, 0, 0, 6, -1, 1, 1, 1, 3, -1} << 3;
        QTest::newRow("column, beside it") << 4 << 0 << 0x62 << 2 << 0 << QList<int>{1, 0, 3, 4, -1} << 10;
        QTest::newRow("column, reached by a wide object") << 4 << 0 << 0x62 << 2 << 0 << QList<int>{1, 2, -2, 5, -1} << 5;
        QTest::newRow("column, reached by a length") << 4 << 0 << 0x62 << 2 << 0 << QList<int>{2, 0x60, -3, 5, 3} << 5;
        QTest::newRow("column, above or level with it")
            << 4 << 0 << 0x62 << 2 << 0 << QList<int>{1, 0, 0, 0, -1, 1, 1, 1, -1, -1} << 10;
        QTest::newRow("column, same bank and type") << 4 << 0 << 0x62 << 2 << 0 << QList<int>{0, 0x62, 2, 3, -1} << 10;
        QTest::newRow("column of set 8, bank 3") << 8 << 3 << 0x40 << 2 << 0 << QList<int>{1, 0, 0, 2, -1} << 2;
        QTest::newRow("set 7 doesn't stretch") << 7 << 3 << 0x40 << 2 << 0 << QList<int>{1, 0, 0, 2, -1} << 10;
        QTest::newRow("slope, met by its edge") << 5 << 0 << 0x05 << 2 << 0 << QList<int>{1, 0, 4, 4, -1} << 4;
        QTest::newRow("slope, past its edge") << 11 << 0 << 0x05 << 2 << 0 << QList<int>{1, 0, 5, 4, -1} << 10;
        QTest::newRow("two slopes of one type") << 5 << 0 << 0x05 << 2 << 0 << QList<int>{0, 0x05, 1, 3, -1} << 10;
        QTest::newRow("set 9 slope ends at row 25") << 9 << 0 << 0x0C << 20 << 12 << none << 6;
    }
    void stretch()
    {
        QFETCH(int, set);
        QFETCH(int, bank);
        QFETCH(int, type);
        QFETCH(int, y);
        QFETCH(int, scrolly);
        QFETCH(QList<int>, others);
        QFETCH(int, rows);
        s->level.lvlobjset = set;
        s->level.lvlscrolly = int16_t(scrolly);
        const bool slope = type == 0x05 || type == 0x0C;
        // Slopes: 8 wide, 7 of them left of the anchor; table height 26 for
        // set 9's, else 10. Only the anchor column has cells, so that other
        // objects of the same type don't draw over it.
        size(set, bank, type, slope ? 8 : 3, set == 9 ? 26 : 10, slope ? 7 : 0);
        const int anchor = slope ? 7 : 0;
        for (int r = 0; r < ObjCells::rows; ++r)
            s->objcells.at(bank, type, r, anchor) = piccell(r, 0);
        size(set, 1, 2, 3, 1);
        const int x = 8;
        put(0, bank, type, x, y);
        for (int k = 0; k + 4 < others.size(); k += 5) {
            s->props.is4byte[size_t(ObjProps::index(set, others[k], others[k + 1]))] = others[k + 4] >= 0;
            put(1 + k / 5, others[k], others[k + 1], x + others[k + 2], y + others[k + 3], others[k + 4]);
        }
        render();
        int drawn = 0;
        while (16 * (y - scrolly + drawn) < 240 && blockat(s->lvl, 16 * x, 16 * (y - scrolly + drawn)) == expected(piccell(drawn, 0), 0))
            ++drawn;
        QCOMPARE(drawn, rows);
    }

    void transparency_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("pal");
        QTest::addColumn<QString>("block");
        QTest::newRow("palette 1: FF shows what is below") << 1 << 1 << "11.1 20.0 20.0 12.1";
        QTest::newRow("palette 4: FF opaque, palette 0") << 1 << 4 << "11.0 FF.0 FF.0 12.0";
        QTest::newRow("palette 5") << 3 << 5 << "11.1 FF.1 FF.1 12.1";
        QTest::newRow("palette 7") << 14 << 7 << "11.3 FF.3 FF.3 12.3";
        QTest::newRow("set 0: palette 0") << 0 << 5 << "11.0 20.0 20.0 12.0";
        QTest::newRow("set 15: palette 0") << 15 << 5 << "11.0 20.0 20.0 12.0";
    }
    void transparency()
    {
        QFETCH(int, set);
        QFETCH(int, pal);
        QFETCH(QString, block);
        s->level.lvlobjset = set;
        s->objcells.at(1, 0, 0, 0) = cell(0x20, 0x20, 0x20, 0x20);
        s->objcells.at(1, 1, 0, 0) = cell(0x11, 0xFF, 0xFF, 0x12);
        for (int k = 1; k <= 14; ++k)
            setpal(k, 1, 1, pal);
        put(0, 1, 0, 3, 3);
        put(1, 1, 1, 3, 3);
        render();
        QCOMPARE(blockat(s->lvl, 48, 48), block);
    }

    void rowrules_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("pal");
        QTest::newRow("set 3, bank 3, 00, row 0") << 3 << 3 << 0x00 << 0 << 2 << 0;
        QTest::newRow("set 14, bank 3, 01, row 1") << 14 << 3 << 0x01 << 1 << 2 << 2;
        QTest::newRow("set 4, 30, row 0") << 4 << 0 << 0x30 << 0 << 0 << 2;
        QTest::newRow("set 12, 4F, row 1") << 12 << 0 << 0x4F << 1 << 0 << 1;
        QTest::newRow("set 7, B5, row 1") << 7 << 0 << 0xB5 << 1 << 0 << 1;
        QTest::newRow("set 8, BF, row 0") << 8 << 0 << 0xBF << 0 << 0 << 3;
        QTest::newRow("set 5, 30, row 0: no rule") << 5 << 0 << 0x30 << 0 << 0 << 1;
        QTest::newRow("set 2 backdrop, row 14") << 2 << 0 << 0x03 << 14 << 5 << 1;
        QTest::newRow("... row 15") << 2 << 0 << 0x03 << 15 << 1 << 2;
        QTest::newRow("... row 20") << 2 << 0 << 0x03 << 20 << 5 << 3;
        QTest::newRow("... row 24, column 7") << 2 << 0 << 0x03 << 24 << 7 << 3;
        QTest::newRow("... row 24, column 8") << 2 << 0 << 0x03 << 24 << 8 << 1;
        QTest::newRow("... row 24, column 15") << 2 << 0 << 0x03 << 24 << 15 << 2;
        QTest::newRow("... row 20, column 1") << 2 << 0 << 0x03 << 20 << 1 << 2;
        QTest::newRow("... row 21, column 13") << 2 << 0 << 0x03 << 21 << 13 << 1;
        QTest::newRow("... row 25, column 1") << 2 << 0 << 0x03 << 25 << 1 << 0;
        QTest::newRow("... row 26, column 12") << 2 << 0 << 0x03 << 26 << 12 << 0;
    }
    void rowrules()
    {
        QFETCH(int, set);
        QFETCH(int, bank);
        QFETCH(int, type);
        QFETCH(int, r);
        QFETCH(int, c);
        QFETCH(int, pal);
        s->level.lvlobjset = set;
        s->level.lvlscrolly = int16_t(std::max(0, r - 10));
        size(set, bank, type, 16, 27);
        const int base = type == 0x30 || type == 0x4F ? 1 : type == 0x03 ? 3 : 2 + (type >= 0xBF);
        setpal(set, bank, type, base);
        picture(bank, type, [](int r, int c) { return piccell(r, c); });
        put(0, bank, type, 0, 0);
        render();
        QCOMPARE(blockat(s->lvl, 16 * c, 16 * (r - s->level.lvlscrolly)), expected(piccell(r, c), pal));
    }

    void sharedspot()
    {
        s->level.lvlobjset = 6;
        picture(0, 0xC3, [](int r, int c) { return piccell(r, c); });
        size(6, 0, 0xC3, 1, 2);
        put(0, 0, 0xC3, 4, 4);
        render();
        QCOMPARE(blockat(s->lvl, 64, 64), expected(piccell(0, 0), 0));
        put(1, 1, 0, 4, 4); // an empty picture on the same block
        render();
        QCOMPARE(blockat(s->lvl, 64, 64), expected(0x997A997A, 0));
        QCOMPARE(blockat(s->lvl, 64, 80), expected(piccell(1, 0), 0));
    }

    void widepictures_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("shown"); // -1: nothing
        QTest::newRow("column 24") << 1 << 0 << 24 << 24;
        QTest::newRow("column 25 repeats 1") << 1 << 0 << 25 << 1;
        QTest::newRow("column 30 repeats 6") << 4 << 3 << 30 << 6;
        QTest::newRow("set 3, bank 3: column 25") << 3 << 3 << 25 << 25;
        QTest::newRow("set 14, bank 3: column 31") << 14 << 3 << 31 << 31;
        QTest::newRow("set 3, bank 3: no column 32") << 3 << 3 << 32 << -1;
    }
    void widepictures()
    {
        QFETCH(int, set);
        QFETCH(int, bank);
        QFETCH(int, column);
        QFETCH(int, shown);
        s->level.lvlobjset = set;
        s->level.lvlscrollx = int16_t(column);
        size(set, bank, 0x10, 40, 1);
        picture(bank, 0x10, [](int r, int c) { return piccell(r, c); });
        put(0, bank, 0x10, 0, 0);
        render();
        QCOMPARE(blockat(s->lvl, 0, 0), shown < 0 ? expected(emptycell, 0) : expected(piccell(0, shown), 0));
    }

    void set1ground()
    {
        s->level.lvlobjset = 1;
        s->level.lvlscrolly = 12;
        size(1, 0, 0x20, 2, 26);
        picture(0, 0x20, [](int r, int c) { return piccell(r, c); });
        put(0, 0, 0x20, 0, 20);
        render();
        for (int r = 0; r < 5; ++r)
            QCOMPARE(blockat(s->lvl, 16, 16 * (8 + r)), expected(piccell(r, 1), 0));
        QCOMPARE(blockat(s->lvl, 16, 16 * 13), expected(piccell(25, 1), 0)); // level row 25
        QCOMPARE(blockat(s->lvl, 16, 16 * 14), expected(emptycell, 0));      // level row 26
    }

    void notdrawn()
    {
        // Bank 7 has no pictures.
        s->level.lvlobjset = 1;
        size(1, 7, 0x10, 3, 3);
        put(0, 7, 0x10, 1, 1);
        render();
        QCOMPARE(nonbg(s->lvl), 0);

        // A 4-byte record of a type without a length byte in this set: the
        // placeholder box of its 4-byte size (3 x 2 blocks).
        put(0, 0, 0x21, 1, 1, 2);
        render();
        QCOMPARE(s->lvl.at(16, 16), rgb(0, 0, 255));
        QCOMPARE(s->lvl.at(16 + 47, 16 + 31), rgb(0, 0, 255));
        QCOMPARE(s->lvl.at(17, 17), rgb(0, 100, 255));
        QCOMPARE(s->lvl.at(16 + 46, 16 + 30), rgb(0, 100, 255));
        QCOMPARE(s->lvl.at(16 + 48, 16), bg);
        int fill = 0, clear = 0, other = 0;
        for (int y = 18; y < 16 + 30; ++y)
            for (int x = 18; x < 16 + 46; ++x) {
                const uint32_t c = s->lvl.at(x, y);
                ++(c == rgb(0, 150, 255) ? fill : c == bg ? clear : other);
            }
        QCOMPARE(other, 0);
        QVERIFY(fill > 40);
        QVERIFY(clear > fill);
    }

    void set2backdrop()
    {
        // The backdrop's holes show the background colour, not what was drawn before.
        s->level.lvlobjset = 2;
        s->objcells.at(1, 0, 0, 0) = cell(0x20, 0x20, 0x20, 0x20);
        size(2, 0, 0x03, 16, 27);
        put(0, 1, 0, 5, 5);
        put(1, 0, 0x03, 0, 0);
        render();
        QCOMPARE(nonbg(s->lvl), 0);
    }
};

QTEST_GUILESS_MAIN(TestDrawObj)
#include "tst_drawobj.moc"

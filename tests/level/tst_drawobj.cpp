// Drawing level objects, by pixel, on pattern sheets in which every pixel of
// every tile in every palette has its own colour.
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "level/drawobj.h"

#include <QTest>

#include <algorithm>
#include <memory>

#include "testsheets.h"

using namespace quib;

namespace {

using namespace testsheets;

// ... and what it should be for a cell drawn in palette p over the background.
QString expected(uint32_t value, int pal)
{
    QStringList q;
    for (int shift : {24, 16, 8, 0}) {
        const int tile = int(value >> shift) & 255;
        q << (tile == 255 ? QStringLiteral("bg") : tilename(tile, pal));
    }
    return q.join(' ');
}

int nonbg(const Surface &lvl) { return int(std::count_if(lvl.px.begin(), lvl.px.end(), [](uint32_t c) { return c != bg; })); }

// Cells that tell their picture row and column apart.
constexpr uint32_t piccell(int r, int c) { return cell(uint8_t(r), uint8_t(0x40 + c), uint8_t(r), uint8_t(0x40 + c)); }

struct Obj {
    int bank, type, x, y, len = -1; // len -1: a 3-byte object
};

} // namespace

Q_DECLARE_METATYPE(Obj)

class TestDrawObj : public QObject {
    Q_OBJECT
    std::unique_ptr<EditorState> s;

    void put(const QList<Obj> &objs)
    {
        Level &lv = s->level;
        for (const Obj &o : objs)
            lv.objects.push_back({uint8_t(o.x), uint8_t(o.y), uint8_t(o.bank), uint8_t(o.type), o.len >= 0,
                                  uint8_t(std::max(o.len, 0)), {}});
    }
    void size(int b, int t, int w, int h, int left = 0, int up = 0)
    {
        const size_t k = size_t(ObjProps::index(s->level.lvlobjset, b, t));
        s->props.objwidth[k] = uint8_t(w), s->props.objheight[k] = uint8_t(h);
        s->props.objleft[k] = uint8_t(left), s->props.objup[k] = uint8_t(up);
    }
    void setpal(int set, int b, int t, int p) { s->props.objpal[size_t((set - 1) + 14 * b + 98 * t)] = uint8_t(p); }
    void picture(int b, int t, uint32_t (*cellof)(int, int))
    {
        for (int r = 0; r < ObjCells::rows; ++r)
            for (int c = 0; c < ObjCells::cols; ++c)
                s->objcells.at(b, t, r, c) = cellof(r, c);
    }
    void render(int set, int scrollx = 0, int scrolly = 0)
    {
        s->level.lvlobjset = set;
        s->level.lvlscrollx = int16_t(scrollx), s->level.lvlscrolly = int16_t(scrolly);
        s->lvl.fill(bg);
        for (int i = 0; i < s->level.objcount(); ++i)
            drawobj(s->lvl, scrollx, scrolly, s->level, s->props, s->objcells, s->gfx, i);
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
        QTest::addColumn<Obj>("obj");
        QTest::addColumn<int>("agree"); // bit c: slice rows 0 and 1 alike in column c
        QTest::addColumn<QString>("slices");
        QTest::newRow("1x1") << 1 << Obj{0, 0xC0, 2, 1, 0} << 0 << "00";
        QTest::newRow("1x1, top and middle alike: bottom row") << 1 << Obj{0, 0xC0, 2, 1, 0} << 1 << "20";
        QTest::newRow("one row, that rule by column") << 1 << Obj{0, 0xC0, 2, 1, 2} << 2 << "00 21 02";
        QTest::newRow("two rows: no middle") << 1 << Obj{0, 0xC1, 2, 1, 2} << 0 << "00 01 02|20 21 22";
        QTest::newRow("5 x 4") << 1 << Obj{0, 0xC3, 2, 1, 4} << 7 << "00 01 01 01 02|10 11 11 11 12|10 11 11 11 12|20 21 21 21 22";
        QTest::newRow("set 2, F3 length 5: 4 x 6")
            << 2 << Obj{0, 0xF3, 2, 1, 5} << 0 << "00 01 01 02|10 11 11 12|10 11 11 12|10 11 11 12|10 11 11 12|20 21 21 22";
    }
    void nineslice()
    {
        QFETCH(int, set);
        QFETCH(Obj, obj);
        QFETCH(int, agree);
        QFETCH(QString, slices);
        s->props.is4byte[size_t(ObjProps::index(set, 0, obj.type))] = true;
        setpal(set, 0, obj.type, 6); // 4-byte objects take the palette without the opaque bit
        picture(0, obj.type, [](int r, int c) { return cell(uint8_t(0x80 + 16 * r + c), 0x90, 0xFF, uint8_t(0xB0 + 16 * r + c)); });
        for (int c = 0; c < 3; ++c)
            if (agree & (1 << c))
                s->objcells.at(0, obj.type, 1, c) = s->objcells.at(0, obj.type, 0, c);
        put({obj});
        render(set);
        const QStringList rows = slices.split('|');
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList ids = rows[r].split(' ');
            for (int c = 0; c < ids.size(); ++c)
                QCOMPARE(blockat(s->lvl, 32 + 16 * c, 16 + 16 * r),
                         expected(s->objcells.at(0, obj.type, ids[c][0].digitValue(), ids[c][1].digitValue()), 2));
        }
        QCOMPARE(nonbg(s->lvl), 192 * rows.size() * rows[0].split(' ').size()); // nothing past its size
    }

    void clipping_data()
    {
        QTest::addColumn<Obj>("obj"); // 3-byte: a 6 x 4 picture; 4-byte: 4 rows
        QTest::addColumn<int>("left");
        QTest::addColumn<QPoint>("scroll");
        QTest::addColumn<QPoint>("first"); // picture column and row at the view's edge
        QTest::addColumn<int>("cells");
        QTest::newRow("left") << Obj{0, 0, 0, 2} << 0 << QPoint(3, 0) << QPoint(3, 0) << 12;
        QTest::newRow("left, with objleft") << Obj{0, 0, 1, 2} << 2 << QPoint(0, 0) << QPoint(1, 0) << 20;
        QTest::newRow("top") << Obj{0, 0, 2, 0} << 0 << QPoint(0, 2) << QPoint(0, 2) << 12;
        QTest::newRow("right: cut at 256") << Obj{0, 0, 13, 2} << 0 << QPoint(0, 0) << QPoint(0, 0) << 12;
        QTest::newRow("bottom: cut at 240") << Obj{0, 0, 2, 13} << 0 << QPoint(0, 0) << QPoint(0, 0) << 12;
        QTest::newRow("4-byte, left") << Obj{0, 0xC3, 0, 2, 7} << 0 << QPoint(3, 0) << QPoint(1, 0) << 20;
        QTest::newRow("4-byte, right") << Obj{0, 0xC3, 14, 2, 7} << 0 << QPoint(0, 0) << QPoint(0, 0) << 8;
        QTest::newRow("4-byte, wholly above") << Obj{0, 0xC3, 2, 0, 7} << 0 << QPoint(0, 4) << QPoint() << 0;
    }
    void clipping()
    {
        QFETCH(Obj, obj);
        QFETCH(int, left);
        QFETCH(QPoint, scroll);
        QFETCH(QPoint, first);
        QFETCH(int, cells);
        s->level.lvlobjset = 1;
        s->props.is4byte[size_t(ObjProps::index(1, 0, 0xC3))] = true;
        size(0, 0, 6 - left, 4, left);
        picture(0, obj.type, piccell);
        put({obj});
        render(1, scroll.x(), scroll.y());
        QCOMPARE(nonbg(s->lvl), 256 * cells);
        if (cells)
            QCOMPARE(blockat(s->lvl, std::max(0, 16 * (obj.x - left - scroll.x())), std::max(0, 16 * (obj.y - scroll.y()))),
                     expected(piccell(first.y(), first.x()), 0));
    }

    void stretch_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<Obj>("obj"); // at column 8
        QTest::addColumn<int>("scrolly");
        QTest::addColumn<QList<Obj>>("others"); // their columns and rows relative to it
        QTest::addColumn<int>("rows");
        const Obj column{0, 0x62, 8, 2}, slope{0, 0x05, 8, 2}; // columns 8..10; slope widening from column 8
        QTest::newRow("column, nothing below: table height") << 4 << column << 0 << QList<Obj>{} << 10;
        QTest::newRow("column, met in its last column") << 4 << column << 0 << QList<Obj>{{1, 0, 2, 4}} << 4;
        QTest::newRow("column, met in its last row") << 12 << column << 0 << QList<Obj>{{1, 0, 1, 9}} << 9;
        QTest::newRow("column, the nearest wins") << 4 << column << 0 << QList<Obj>{{1, 0, 0, 6}, {1, 1, 1, 3}} << 3;
        QTest::newRow("column, beside it") << 4 << column << 0 << QList<Obj>{{1, 0, 3, 4}} << 10;
        QTest::newRow("column, reached by a wide object") << 4 << column << 0 << QList<Obj>{{1, 2, -2, 5}} << 5;
        QTest::newRow("column, reached by a length") << 4 << column << 0 << QList<Obj>{{2, 0x60, -3, 5, 3}} << 5;
        QTest::newRow("column, above or level with it") << 4 << column << 0 << QList<Obj>{{1, 0, 0, 0}, {1, 1, 1, -1}} << 10;
        QTest::newRow("column, same bank and type") << 4 << column << 0 << QList<Obj>{{0, 0x62, 2, 3}} << 10;
        QTest::newRow("column of set 8, bank 3") << 8 << Obj{3, 0x40, 8, 2} << 0 << QList<Obj>{{1, 0, 0, 2}} << 2;
        QTest::newRow("set 7 doesn't stretch") << 7 << Obj{3, 0x40, 8, 2} << 0 << QList<Obj>{{1, 0, 0, 2}} << 10;
        QTest::newRow("slope, met by its edge") << 5 << slope << 0 << QList<Obj>{{1, 0, 4, 4}} << 4;
        QTest::newRow("slope, past its edge") << 11 << slope << 0 << QList<Obj>{{1, 0, 5, 4}} << 10;
        QTest::newRow("two slopes of one type") << 5 << slope << 0 << QList<Obj>{{0, 0x05, 1, 3}} << 10;
        QTest::newRow("set 9 slope ends at row 25") << 9 << Obj{0, 0x0C, 8, 20} << 12 << QList<Obj>{} << 6;
    }
    void stretch()
    {
        QFETCH(int, set);
        QFETCH(Obj, obj);
        QFETCH(int, scrolly);
        QFETCH(QList<Obj>, others);
        QFETCH(int, rows);
        s->level.lvlobjset = set;
        // Table heights 10 (26 for set 9); slopes reach 7 columns left. Only
        // the anchor column has cells, so other objects of the type draw
        // nothing over it; the others have empty pictures.
        const bool slope = obj.type == 0x05 || obj.type == 0x0C;
        size(obj.bank, obj.type, slope ? 8 : 3, set == 9 ? 26 : 10, slope ? 7 : 0);
        size(1, 2, 3, 1);
        for (int r = 0; r < ObjCells::rows; ++r)
            s->objcells.at(obj.bank, obj.type, r, slope ? 7 : 0) = piccell(r, 0);
        put({obj});
        for (Obj o : others) {
            s->props.is4byte[size_t(ObjProps::index(set, o.bank, o.type))] = o.len >= 0;
            o.x += obj.x, o.y += obj.y;
            put({o});
        }
        render(set, 0, scrolly);
        int drawn = 0;
        while (obj.y - scrolly + drawn < 15 && blockat(s->lvl, 128, 16 * (obj.y - scrolly + drawn)) == expected(piccell(drawn, 0), 0))
            ++drawn;
        QCOMPARE(drawn, rows);
    }

    void transparency_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("pal");
        QTest::addColumn<QString>("block"); // a cell 11 FF FF 12 over one of tile 20 in palette 0
        QTest::newRow("palette 1: FF shows what is below") << 1 << 1 << "11.1 20.0 20.0 12.1";
        QTest::newRow("palette 4: FF opaque, palette 0") << 1 << 4 << "11.0 FF.0 FF.0 12.0";
        QTest::newRow("palette 7") << 14 << 7 << "11.3 FF.3 FF.3 12.3";
        QTest::newRow("set 0: palette 0") << 0 << 5 << "11.0 20.0 20.0 12.0";
        QTest::newRow("set 15: palette 0") << 15 << 5 << "11.0 20.0 20.0 12.0";
    }
    void transparency()
    {
        QFETCH(int, set);
        QFETCH(int, pal);
        QFETCH(QString, block);
        s->objcells.at(1, 0, 0, 0) = cell(0x20, 0x20, 0x20, 0x20);
        s->objcells.at(1, 1, 0, 0) = cell(0x11, 0xFF, 0xFF, 0x12);
        for (int k = 1; k <= 14; ++k)
            setpal(k, 1, 1, pal);
        put({{1, 0, 3, 3}, {1, 1, 3, 3}});
        render(set);
        QCOMPARE(blockat(s->lvl, 48, 48), block);
    }

    void rowrules_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<Obj>("obj"); // x, y: the picture column and row looked at
        QTest::addColumn<int>("pal");
        // The table gives palette 3 to each.
        QTest::newRow("set 3, bank 3, 00, row 0") << 3 << Obj{3, 0x00, 2, 0} << 0;
        QTest::newRow("set 14, bank 3, 01, row 1") << 14 << Obj{3, 0x01, 2, 1} << 3;
        QTest::newRow("set 12, 4F, row 0") << 12 << Obj{0, 0x4F, 0, 0} << 2;
        QTest::newRow("set 7, B5, row 1") << 7 << Obj{0, 0xB5, 0, 1} << 1;
        QTest::newRow("set 5, B5, row 1: no rule") << 5 << Obj{0, 0xB5, 0, 1} << 3;
        QTest::newRow("backdrop, row 14") << 2 << Obj{0, 0x03, 5, 14} << 1;
        QTest::newRow("... row 15") << 2 << Obj{0, 0x03, 3, 15} << 2;
        QTest::newRow("... row 20") << 2 << Obj{0, 0x03, 5, 20} << 3;
        QTest::newRow("... row 24, column 8") << 2 << Obj{0, 0x03, 8, 24} << 1;
        QTest::newRow("... row 24, column 15") << 2 << Obj{0, 0x03, 15, 24} << 2;
        QTest::newRow("... row 21, column 13") << 2 << Obj{0, 0x03, 13, 21} << 1;
        QTest::newRow("... row 26, column 12") << 2 << Obj{0, 0x03, 12, 26} << 0;
    }
    void rowrules()
    {
        QFETCH(int, set);
        QFETCH(Obj, obj);
        QFETCH(int, pal);
        s->level.lvlobjset = set;
        size(obj.bank, obj.type, 16, 27);
        setpal(set, obj.bank, obj.type, 3);
        picture(obj.bank, obj.type, piccell);
        put({{obj.bank, obj.type, 0, 0}});
        const int scrolly = std::max(0, obj.y - 10);
        render(set, 0, scrolly);
        QCOMPARE(blockat(s->lvl, 16 * obj.x, 16 * (obj.y - scrolly)), expected(piccell(obj.y, obj.x), pal));
    }

    void sharedspot()
    {
        picture(0, 0xC3, piccell);
        put({{1, 0, 4, 4}, {0, 0xC3, 4, 4}}); // the first is an empty picture
        s->level.lvlobjset = 6;
        size(0, 0xC3, 1, 2);
        render(6);
        QCOMPARE(blockat(s->lvl, 64, 64), expected(0x997A997A, 0));
        QCOMPARE(blockat(s->lvl, 64, 80), expected(piccell(1, 0), 0));
        s->level.objects[0].x = 5;
        render(6);
        QCOMPARE(blockat(s->lvl, 64, 64), expected(piccell(0, 0), 0));
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
        size(bank, 0x10, 40, 1);
        picture(bank, 0x10, piccell);
        put({{bank, 0x10, 0, 0}});
        render(set, column);
        QCOMPARE(blockat(s->lvl, 0, 0), expected(shown < 0 ? emptycell : piccell(0, shown), 0));
    }

    void bottomrows()
    {
        // Pictures end at row 26: a taller object shows nothing below.
        picture(0, 0xD7, piccell);
        picture(0, 0xD8, piccell);
        put({{0, 0xD7, 0, 0}});
        s->level.lvlobjset = 4;
        size(0, 0xD7, 1, 40);
        render(4, 0, 20);
        QCOMPARE(blockat(s->lvl, 0, 16 * 6), expected(piccell(26, 0), 0));
        QCOMPARE(nonbg(s->lvl), 7 * 256);

        // Set 1's ground shows picture row 25 in level row 25, nothing below.
        s->level.objects[0].type = 0x20;
        s->level.objects[0].y = 20;
        s->level.lvlobjset = 1;
        size(0, 0x20, 2, 26);
        picture(0, 0x20, piccell);
        render(1, 0, 12);
        for (int r = 0; r < 5; ++r)
            QCOMPARE(blockat(s->lvl, 16, 16 * (8 + r)), expected(piccell(r, 1), 0));
        QCOMPARE(blockat(s->lvl, 16, 16 * 13), expected(piccell(25, 1), 0));
        QCOMPARE(blockat(s->lvl, 16, 16 * 14), expected(emptycell, 0));
    }

    void unusualobjects()
    {
        // Bank 7 has no pictures.
        s->level.lvlobjset = 1;
        size(7, 0x10, 3, 3);
        put({{7, 0x10, 1, 1}});
        render(1);
        QCOMPARE(nonbg(s->lvl), 0);

        // A 4-byte record of a type without a length byte in this set: a
        // placeholder box of its 4-byte size, here 3 x 2 blocks.
        s->level.objects.clear();
        put({{0, 0x21, 1, 1, 2}});
        render(1);
        QCOMPARE(s->lvl.at(16, 16), rgb(0, 0, 255));
        QCOMPARE(s->lvl.at(16 + 47, 16 + 31), rgb(0, 0, 255));
        QCOMPARE(s->lvl.at(17, 17), rgb(0, 100, 255));
        QCOMPARE(s->lvl.at(16 + 46, 16 + 30), rgb(0, 100, 255));
        const int hatched = int(std::count(s->lvl.px.begin(), s->lvl.px.end(), rgb(0, 150, 255)));
        QCOMPARE(nonbg(s->lvl), 2 * (48 + 32) - 4 + 2 * (46 + 30) - 4 + hatched);
        QVERIFY(hatched > 44 * 28 / 8 && hatched < 44 * 28 / 2);

        // Set 2's backdrop covers what is behind it with the background colour.
        s->level.objects.clear();
        s->objcells.at(1, 0, 0, 0) = cell(0x20, 0x20, 0x20, 0x20);
        put({{1, 0, 5, 5}, {0, 0x03, 0, 0}});
        s->level.lvlobjset = 2;
        size(0, 0x03, 16, 27);
        render(2);
        QCOMPARE(nonbg(s->lvl), 0);
    }
};

QTEST_GUILESS_MAIN(TestDrawObj)
#include "tst_drawobj.moc"

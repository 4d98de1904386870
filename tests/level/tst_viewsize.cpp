// The level and map views at any size: scrolling with the keys, showobj,
// picking and dragging right at the view's edges, on a view of 16 x 15 (as
// always), of 40 x 20 and in a vertical area.
#include "editor/document.h"
#include "editor/editorstate.h"
#include "level/leveledit.h"
#include "level/navigate.h"
#include "worldmap/worldmap.h"

#include <QTest>

using namespace quib;

namespace {

// A level of one 4-byte object (w x h blocks at x, y) in a view of
// cols x rows blocks.
void setup(EditorState &s, bool vertical, int cols, int rows)
{
    s.lvl = Surface(16 * cols, 16 * rows);
    s.level = Level{};
    if (vertical)
        s.level.lvlhdr[6] = 0x10;
    s.editmode = ModeObjectEditing;
}

void putobject(EditorState &s, int x, int y, int w, int h)
{
    ObjRecord o;
    o.x = uint8_t(x);
    o.y = uint8_t(y);
    o.four = true;
    o.len = uint8_t(w - 1);
    o.type = uint8_t(h - 1);
    s.level.objects = {o};
    s.level.selobj = 0;
}

} // namespace

class TestViewSize : public QObject {
    Q_OBJECT

private slots:
    void level_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("shown");   // columns of the area shown
        QTest::addColumn<int>("maxx");
        QTest::addColumn<int>("maxy");
        QTest::newRow("16 x 15") << false << 16 << 15 << 16 << 240 << 12;
        QTest::newRow("40 x 20") << false << 40 << 20 << 40 << 216 << 7;
        QTest::newRow("taller than the area") << false << 50 << 31 << 50 << 206 << 0;
        QTest::newRow("vertical 16 x 15") << true << 16 << 15 << 16 << 0 << 225;
        QTest::newRow("vertical 40 x 20") << true << 40 << 20 << 16 << 0 << 220;
    }
    void level()
    {
        QFETCH(bool, vertical);
        QFETCH(int, cols);
        QFETCH(int, rows);
        QFETCH(int, shown);
        QFETCH(int, maxx);
        QFETCH(int, maxy);
        EditorState s;
        setup(s, vertical, cols, rows);
        putobject(s, 0, 0, 1, 1);
        Level &l = s.level;
        QCOMPARE(levelview(l, viewsizeof(s.lvl)).cols, shown);
        rows = levelview(l, viewsizeof(s.lvl)).rows; // rows of the area shown

        // The keys scroll to the limits and no further.
        Document doc(s);
        for (int i = 0; i < 300; ++i) {
            doc.key(Key::Right, KeyMods{});
            doc.key(Key::Down, KeyMods{});
        }
        QCOMPARE(int(l.lvlscrollx), maxx);
        QCOMPARE(int(l.lvlscrolly), maxy);

        // showobj: an object filling the view's last column stays put, one a
        // column further centres the view on it (within the limits).
        l.lvlscrollx = 0;
        l.lvlscrolly = 0;
        putobject(s, shown - 4, 2, 4, 1);
        showobj(l, s.props, viewsizeof(s.lvl));
        QCOMPARE(int(l.lvlscrollx), 0);
        putobject(s, shown - 3, 2, 4, 1);
        showobj(l, s.props, viewsizeof(s.lvl));
        QCOMPARE(int(l.lvlscrollx), std::min((2 * (shown - 3) + 4) / 2 - shown / 2, maxx));
        l.lvlscrollx = 0;
        putobject(s, 1, rows - 1, 2, 1);
        showobj(l, s.props, viewsizeof(s.lvl));
        QCOMPARE(int(l.lvlscrolly), 0);
        putobject(s, 1, rows, 2, 1);
        showobj(l, s.props, viewsizeof(s.lvl));
        QCOMPARE(int(l.lvlscrolly), std::min((2 * rows + 1) / 2 - rows / 2, maxy));

        // Picking the last pixel of the view's last block, and below it.
        l.lvlscrollx = int16_t(std::min(3, maxx));
        l.lvlscrolly = int16_t(std::min(2, maxy));
        const int lastcol = l.lvlscrollx + shown - 1, lastrow = l.lvlscrolly + rows - 1;
        putobject(s, lastcol, lastrow, 1, 1);
        ObjRecord other = l.objects[0];
        other.x = 0;
        l.objects.push_back(other);
        l.selobj = 1;
        doc.press({16 * shown - 1, 16 * rows - 1, 1, false, false});
        QCOMPARE(int(l.selobj), 0);
        l.selobj = 1;
        doc.press({16 * shown - 1, 16 * rows + 50, 1, false, false}); // taken as the view's bottom edge
        QCOMPARE(int(l.selobj), 1);

        // Dragging it a block past the right and the bottom edges: the view
        // follows so that it is in the last column and row.
        doc.press({16 * shown - 1, 16 * rows - 1, 1, false, false});
        const int fromx = l.lvlscrollx, fromy = l.lvlscrolly;
        doc.drag({16 * shown + 1, 16 * rows + 1, 1, false, false});
        const ObjRecord &o = l.objects[0];
        QCOMPARE(int(o.x), std::min(lastcol + 1, levelmaxx(l)));
        QCOMPARE(int(o.y), std::min(lastrow + 1, levelmaxy(l, true)));
        QCOMPARE(int(l.lvlscrollx), o.x == lastcol ? fromx : fromx + 1);
        QCOMPARE(int(l.lvlscrolly), o.y == lastrow ? fromy : fromy + 1);
    }

    // The map shows no more columns than the world has and scrolls to its
    // last column; the cursor stays in the columns shown.
    void map()
    {
        EditorState s;
        s.lvl = Surface(16 * 40, 16 * 20);
        s.editmode = ModeMapEditing;
        WorldMap &map = s.map;
        map.mapmaxscroll = 48; // four screens: 64 columns
        QCOMPARE(mapviewcols(map, viewsizeof(s.lvl)), 40);
        QCOMPARE(mapscrollmax(map, viewsizeof(s.lvl)), 24);
        QCOMPARE(mapscrollmax(map, ViewSize{}), 48);
        Document doc(s);
        for (int i = 0; i < 100; ++i)
            doc.key(Key::Right, KeyMods{});
        QCOMPARE(int(map.mapscroll), 24);
        map.mapcurcol = 0;
        clampcursor(map, viewsizeof(s.lvl));
        QCOMPARE(int(map.mapcurcol), 24);
        map.mapscroll = 0;
        map.mapcurcol = 63;
        clampcursor(map, viewsizeof(s.lvl));
        QCOMPARE(int(map.mapcurcol), 39);
        map.mapmaxscroll = 0; // one screen: all of it in view
        QCOMPARE(mapviewcols(map, viewsizeof(s.lvl)), 16);
        QCOMPARE(mapscrollmax(map, viewsizeof(s.lvl)), 0);
    }
};

QTEST_MAIN(TestViewSize)
#include "tst_viewsize.moc"

#include "level/itemclip.h"
#include "level/itemedit.h"
#include "tables/objprops.h"

#include <QTest>

using namespace quib;

// Building an area from groups of items: the limits, a paste into another
// object set, the layout kept and clamped, and the clipboard text.
class TestItemEdit : public QObject {
    Q_OBJECT
    ObjProps props;

    static ObjRecord obj(int x, int y, int bank, int type, int len = -1)
    {
        ObjRecord o;
        o.x = uint8_t(x);
        o.y = uint8_t(y);
        o.bank = uint8_t(bank);
        o.type = uint8_t(type);
        o.four = len >= 0;
        o.len = uint8_t(len < 0 ? 0 : len);
        return o;
    }

private slots:
    void initTestCase()
    {
        build4byte(props);
        buildobjsizes(props);
        buildenemyboxes(props);
    }

    // 255 of a kind at most: one more is refused, with the figures, and
    // nothing changes; the 255th still goes in.
    void limits()
    {
        Level l;
        l.lvlobjset = 1;
        l.objects.assign(254, obj(1, 1, 0, 0x10));
        ItemGroup two;
        two.objects = {obj(0, 0, 0, 0x10), obj(1, 0, 0, 0x10)};
        const Level before = l;
        const QString why = pasteitems(l, props, two, 5, 5);
        QVERIFY(why.contains(QLatin1String("255 objects")));
        QVERIFY(why.contains(QLatin1String("254")));
        QVERIFY(l.document() == before.document());
        two.objects.pop_back();
        QVERIFY(pasteitems(l, props, two, 5, 5).isEmpty());
        QCOMPARE(l.objcount(), 255);

        Level none; // object set 0 reads no enemies
        ItemGroup enemy;
        enemy.enemies = {{0x41, 3, 3}};
        QVERIFY(!pasteitems(none, props, enemy, 0, 0).isEmpty());
        QVERIFY(none.enemies.empty());
    }

    // The group keeps its layout with its top-left block at the target,
    // pushed back inside the area; the pasted items are the selection; in
    // another object set the length byte follows that set's table.
    void pastelayout()
    {
        int set = -1, bank = 0, type = 0;
        for (int s = 1; s < 16 && set < 0; ++s)
            for (int t = 0; t < 256 && set < 0; ++t)
                if (props.four(s, 0, t) && !props.four(1, 0, t)) {
                    set = s;
                    type = t;
                }
        QVERIFY(set > 0);
        Level l;
        l.lvlobjset = 1; // horizontal: columns 0..255, rows 0..26
        l.objects = {obj(0, 0, 0, 0)};
        ItemGroup g;
        g.objset = set;
        g.objects = {obj(10, 20, bank, type, 7), obj(12, 24, 1, 0x20)};
        QVERIFY(pasteitems(l, props, g, 254, 25).isEmpty());
        QCOMPARE(l.objcount(), 3);
        const ObjRecord &a = l.objects[1], &b = l.objects[2];
        QCOMPARE(std::pair(int(a.x), int(a.y)), std::pair(253, 22));
        QCOMPARE(std::pair(int(b.x), int(b.y)), std::pair(255, 26));
        QVERIFY(!a.four); // set 1 has no length byte for it: dropped
        QCOMPARE(b.four, props.four(1, 1, 0x20));
        QCOMPARE(selecteditems(l, true), (std::vector<int>{1, 2}));
        QCOMPARE(int(l.selobj), 2);

        // Back into the set it came from: the length byte comes back as 0.
        Level other;
        other.lvlobjset = set;
        ItemGroup back = copyitems(l, true);
        QVERIFY(pasteitems(other, props, back, 0, 0).isEmpty());
        QVERIFY(other.objects[0].four);
        QCOMPARE(int(other.objects[0].len), 0);

        // Bring to Front and Send to Back keep the selection on the items.
        selectitems(l, true, {0}, 0);
        objectstofront(l);
        QCOMPARE(int(l.objects[2].type), 0);
        QCOMPARE(int(l.selobj), 2);
        objectstoback(l);
        QCOMPARE(int(l.objects[0].type), 0);
        deleteitems(l, true);
        QCOMPARE(l.objcount(), 2);
    }

    // The text names every field; the editor's own format keeps the set;
    // typed text with a mistake names the line and gives nothing.
    void clipboardtext()
    {
        ItemGroup g;
        g.objset = 4;
        g.objects = {obj(5, 0x0C, 0, 0x1A), obj(0x10, 8, 3, 0x25, 3)};
        g.enemies = {{0x41, 0x12, 0x0A}};
        const QString text = itemstext(g);
        QCOMPARE(text, QStringLiteral("object 0 1A 05 0C -\nobject 3 25 10 08 03\nenemy 0 41 12 0A -\n"));
        QString error;
        const auto mime = parseitemsmime(itemsmime(g), &error);
        QVERIFY(mime);
        QCOMPARE(mime->objset, 4);
        QVERIFY(mime->objects == g.objects);
        QVERIFY(mime->enemies == g.enemies);
        const auto typed = parseitems(text, &error);
        QVERIFY(typed);
        QCOMPARE(typed->objset, -1);

        QVERIFY(!parseitems(QStringLiteral("object 0 1A 05 0C -\nobject 9 1A 05 0C -\n"), &error));
        QVERIFY(error.contains(QLatin1String("Line 2")));
        QVERIFY(!parseitems(QStringLiteral("hello"), &error));
        QVERIFY(!parseitems(QString(), &error));
    }
};

QTEST_GUILESS_MAIN(TestItemEdit)
#include "tst_itemedit.moc"

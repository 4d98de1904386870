#include "tables/objprops.h"

#include <QTest>
#include <algorithm>

using namespace quib;

namespace {

// The tables as start-up leaves them.
const ObjProps &built()
{
    static const ObjProps p = [] {
        ObjProps q;
        buildobjpal(q);
        build4byte(q);
        buildobjsizes(q);
        buildenemyboxes(q);
        return q;
    }();
    return p;
}

QByteArray where(int s, int b, int t)
{
    return QStringLiteral("set %1 bank %2 type %3").arg(s).arg(b).arg(t, 2, 16, QLatin1Char('0')).toLatin1();
}

} // namespace

class TestObjProps : public QObject {
    Q_OBJECT

private slots:
    void fourbyte_data();
    void fourbyte();
    void fourbytecount();
    void sizes_data();
    void sizes();
    void palettes_data();
    void palettes();
    void sharedsets_data();
    void sharedsets();
    void palrebuild();
    void enemyboxes_data();
    void enemyboxes();
};

void TestObjProps::fourbyte_data()
{
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("t");
    QTest::addColumn<bool>("four");

    QTest::newRow("set 7 bank 3 55: not a copy of 6") << 7 << 3 << 0x55 << false;
    QTest::newRow("set 6 bank 3 55") << 6 << 3 << 0x55 << true;
    QTest::newRow("set 8 bank 3 55") << 8 << 3 << 0x55 << true;
    QTest::newRow("set 5 bank 0 f0") << 5 << 0 << 0xF0 << true;
    QTest::newRow("set 5 bank 0 f1") << 5 << 0 << 0xF1 << false;
    QTest::newRow("set 11 bank 0 f0") << 11 << 0 << 0xF0 << true;
    QTest::newRow("set 13 bank 0 f1") << 13 << 0 << 0xF1 << false;
    QTest::newRow("set 0 bank 2 60") << 0 << 2 << 0x60 << true;
    QTest::newRow("set 0 bank 2 5f") << 0 << 2 << 0x5F << false;
    QTest::newRow("set 0 bank 2 e0") << 0 << 2 << 0xE0 << false;
    QTest::newRow("set 12 bank 2 60") << 12 << 2 << 0x60 << true;
    QTest::newRow("set 0 bank 7 80") << 0 << 7 << 0x80 << false;
    QTest::newRow("set 1 bank 0 bf") << 1 << 0 << 0xBF << false;
    QTest::newRow("set 1 bank 0 c0") << 1 << 0 << 0xC0 << true;
    QTest::newRow("set 2 bank 3 4f") << 2 << 3 << 0x4F << true;
    QTest::newRow("set 2 bank 3 50") << 2 << 3 << 0x50 << false;
    QTest::newRow("set 14 bank 4 cf") << 14 << 4 << 0xCF << true;
    QTest::newRow("set 14 bank 4 d0") << 14 << 4 << 0xD0 << false;
    QTest::newRow("set 12 bank 0 1f") << 12 << 0 << 0x1F << true;
    QTest::newRow("set 12 bank 3 a5") << 12 << 3 << 0xA5 << true;
    QTest::newRow("set 9 bank 0 ef") << 9 << 0 << 0xEF << true;
    QTest::newRow("set 9 bank 0 f0") << 9 << 0 << 0xF0 << false;
    QTest::newRow("set 10 bank 0 3f") << 10 << 0 << 0x3F << true;
    QTest::newRow("set 13 bank 3 35") << 13 << 3 << 0x35 << false;
    QTest::newRow("set 15 bank 3 20") << 15 << 3 << 0x20 << false;
}

void TestObjProps::fourbyte()
{
    QFETCH(int, s);
    QFETCH(int, b);
    QFETCH(int, t);
    QFETCH(bool, four);
    QVERIFY2(built().four(s, b, t) == four, where(s, b, t));
}

// Nothing beyond the listed ranges: 2048 in bank 2 plus 963 in the sets'
// own ranges (copies included).
void TestObjProps::fourbytecount()
{
    const auto &f = built().is4byte;
    QCOMPARE(std::count(f.begin(), f.end(), true), 3011);
}

void TestObjProps::sizes_data()
{
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("up");

    QTest::newRow("set 2 bank 3 10: no width at all") << 2 << 3 << 0x10 << 0 << 26 << 0 << 0;
    QTest::newRow("set 2 bank 3 1f") << 2 << 3 << 0x1F << 15 << 26 << 0 << 0;
    QTest::newRow("set 4 bank 0 40: height 1 at last") << 4 << 0 << 0x40 << 1 << 1 << 0 << 0;
    QTest::newRow("set 12 bank 0 40 keeps height 2") << 12 << 0 << 0x40 << 1 << 2 << 0 << 0;
    QTest::newRow("set 12 bank 0 4f keeps height 2") << 12 << 0 << 0x4F << 16 << 2 << 0 << 0;
    QTest::newRow("set 12 bank 0 55") << 12 << 0 << 0x55 << 6 << 1 << 0 << 0;
    QTest::newRow("set 4 bank 0 e3") << 4 << 0 << 0xE3 << 1 << 8 << 3 << 0;
    QTest::newRow("set 1 bank 2 09") << 1 << 2 << 0x09 << 20 << 26 << 0 << 0;
    QTest::newRow("set 14 bank 2 09") << 14 << 2 << 0x09 << 20 << 26 << 0 << 0;
    QTest::newRow("set 15 bank 2 09") << 15 << 2 << 0x09 << 1 << 1 << 0 << 0;
    QTest::newRow("set 0 bank 2 09") << 0 << 2 << 0x09 << 1 << 1 << 0 << 0;
    QTest::newRow("set 15 bank 1 13") << 15 << 1 << 0x13 << 4 << 1 << 0 << 0;
    QTest::newRow("set 11 bank 1 95") << 11 << 1 << 0x95 << 2 << 6 << 0 << 0;
    QTest::newRow("set 10 bank 2 3a") << 10 << 2 << 0x3A << 1 << 11 << 0 << 0;
    QTest::newRow("set 8 bank 2 f3") << 8 << 2 << 0xF3 << 2 << 4 << 0 << 0;
    QTest::newRow("set 1 bank 0 00") << 1 << 0 << 0x00 << 5 << 4 << 0 << 0;
    QTest::newRow("set 1 bank 0 12") << 1 << 0 << 0x12 << 4 << 26 << 0 << 0;
    QTest::newRow("set 2 bank 0 03") << 2 << 0 << 0x03 << 16 << 27 << 0 << 0;
    QTest::newRow("set 2 bank 0 13") << 2 << 0 << 0x13 << 14 << 1 << 0 << 0;
    QTest::newRow("set 2 bank 0 93") << 2 << 0 << 0x93 << 13 << 1 << 0 << 25;
    QTest::newRow("set 2 bank 3 a4") << 2 << 3 << 0xA4 << 5 << 1 << 0 << 4;
    QTest::newRow("set 2 bank 3 c2") << 2 << 3 << 0xC2 << 1 << 6 << 2 << 0;
    QTest::newRow("set 3 bank 3 23") << 3 << 3 << 0x23 << 2 << 4 << 6 << 0;
    QTest::newRow("set 14 bank 3 23") << 14 << 3 << 0x23 << 2 << 4 << 6 << 0;
    QTest::newRow("set 3 bank 2 0f") << 3 << 2 << 0x0F << 255 << 26 << 0 << 0;
    QTest::newRow("set 3 bank 4 f0") << 3 << 4 << 0xF0 << 255 << 2 << 0 << 0;
    QTest::newRow("set 3 bank 4 f1") << 3 << 4 << 0xF1 << 1 << 2 << 0 << 0;
    QTest::newRow("set 14 bank 5 33") << 14 << 5 << 0x33 << 4 << 2 << 0 << 0;
    QTest::newRow("set 5 bank 0 05") << 5 << 0 << 0x05 << 8 << 26 << 7 << 0;
    QTest::newRow("set 11 bank 0 05") << 11 << 0 << 0x05 << 8 << 26 << 7 << 0;
    QTest::newRow("set 6 bank 0 0d") << 6 << 0 << 0x0D << 255 << 26 << 0 << 0;
    QTest::newRow("set 6 bank 0 09: not listed") << 6 << 0 << 0x09 << 1 << 1 << 0 << 0;
    QTest::newRow("set 7 bank 3 45") << 7 << 3 << 0x45 << 6 << 26 << 0 << 0;
    QTest::newRow("set 9 bank 0 05") << 9 << 0 << 0x05 << 2 << 3 << 1 << 0;
    QTest::newRow("set 9 bank 0 55") << 9 << 0 << 0x55 << 1 << 7 << 5 << 0;
    QTest::newRow("set 9 bank 0 9f") << 9 << 0 << 0x9F << 128 << 4 << 0 << 0;
    QTest::newRow("set 10 bank 2 0d") << 10 << 2 << 0x0D << 11 << 5 << 0 << 0;
    QTest::newRow("set 10 bank 3 63") << 10 << 3 << 0x63 << 7 << 1 << 0 << 0;
    QTest::newRow("set 13 bank 0 02") << 13 << 0 << 0x02 << 10 << 7 << 0 << 0;
    QTest::newRow("set 13 bank 0 03") << 13 << 0 << 0x03 << 255 << 26 << 0 << 0;
    QTest::newRow("set 3 bank 7 10") << 3 << 7 << 0x10 << 1 << 1 << 0 << 0;
}

void TestObjProps::sizes()
{
    QFETCH(int, s);
    QFETCH(int, b);
    QFETCH(int, t);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, left);
    QFETCH(int, up);
    const ObjProps &p = built();
    const QByteArray at = where(s, b, t);
    QVERIFY2(p.width(s, b, t) == w, at + " width " + QByteArray::number(p.width(s, b, t)));
    QVERIFY2(p.height(s, b, t) == h, at + " height " + QByteArray::number(p.height(s, b, t)));
    QVERIFY2(p.left(s, b, t) == left, at + " left " + QByteArray::number(p.left(s, b, t)));
    QVERIFY2(p.up(s, b, t) == up, at + " up " + QByteArray::number(p.up(s, b, t)));
}

void TestObjProps::palettes_data()
{
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("pal");

    QTest::newRow("set 1 bank 1 45") << 1 << 1 << 0x45 << 1;
    QTest::newRow("set 1 bank 1 65") << 1 << 1 << 0x65 << 0;
    QTest::newRow("set 14 bank 1 ff") << 14 << 1 << 0xFF << 2;
    QTest::newRow("set 1 bank 2 04") << 1 << 2 << 0x04 << 1;
    QTest::newRow("set 12 bank 2 08") << 12 << 2 << 0x08 << 3;
    QTest::newRow("set 13 bank 2 35") << 13 << 2 << 0x35 << 1;
    QTest::newRow("set 1 bank 2 65") << 1 << 2 << 0x65 << 3;
    QTest::newRow("set 1 bank 2 c5") << 1 << 2 << 0xC5 << 1;
    QTest::newRow("set 1 bank 2 f5") << 1 << 2 << 0xF5 << 2;
    QTest::newRow("set 1 bank 0 00") << 1 << 0 << 0x00 << 2;
    QTest::newRow("set 1 bank 0 06") << 1 << 0 << 0x06 << 2;
    QTest::newRow("set 1 bank 0 45") << 1 << 0 << 0x45 << 3;
    QTest::newRow("set 2 bank 0 01") << 2 << 0 << 0x01 << 0;
    QTest::newRow("set 2 bank 0 c5") << 2 << 0 << 0xC5 << 3;
    QTest::newRow("set 3 bank 2 0f") << 3 << 2 << 0x0F << 3;
    QTest::newRow("set 14 bank 4 35") << 14 << 4 << 0x35 << 3;
    QTest::newRow("set 12 bank 3 a5") << 12 << 3 << 0xA5 << 1;
    QTest::newRow("set 11 bank 0 95") << 11 << 0 << 0x95 << 3;
    QTest::newRow("set 6 bank 3 60: opaque 0xff") << 6 << 3 << 0x60 << 4;
    QTest::newRow("set 7 bank 3 7f: opaque 0xff") << 7 << 3 << 0x7F << 4;
    QTest::newRow("set 9 bank 0 09") << 9 << 0 << 0x09 << 3;
    QTest::newRow("set 9 bank 3 a5") << 9 << 3 << 0xA5 << 3;
    QTest::newRow("set 10 bank 0 20: common only") << 10 << 0 << 0x20 << 0;
    QTest::newRow("set 13 bank 3 55: common only") << 13 << 3 << 0x55 << 0;
    QTest::newRow("set 0: no palettes") << 0 << 1 << 0x00 << 0;
    QTest::newRow("set 15: no palettes") << 15 << 1 << 0x00 << 0;
    QTest::newRow("bank 7: no palettes") << 1 << 7 << 0x00 << 0;
}

void TestObjProps::palettes()
{
    QFETCH(int, s);
    QFETCH(int, b);
    QFETCH(int, t);
    QFETCH(int, pal);
    QVERIFY2(built().pal(s, b, t) == pal, where(s, b, t) + " palette " + QByteArray::number(built().pal(s, b, t)));
}

// Object sets that share another set's graphics share its tables entry for
// entry: the length flags in banks 0..6 (set 7 excepted), sizes in every bank
// (set 12's 0x40..0x4F heights excepted), palettes in banks 0..6.
void TestObjProps::sharedsets_data()
{
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("from");
    QTest::newRow("8 = 6") << 8 << 6;
    QTest::newRow("7 = 6") << 7 << 6;
    QTest::newRow("11 = 5") << 11 << 5;
    QTest::newRow("12 = 4") << 12 << 4;
    QTest::newRow("14 = 3") << 14 << 3;
}

void TestObjProps::sharedsets()
{
    QFETCH(int, to);
    QFETCH(int, from);
    const ObjProps &p = built();
    int fourdiffer = 0;
    for (int b = 0; b < 8; ++b)
        for (int t = 0; t < 256; ++t) {
            const QByteArray at = where(to, b, t);
            const bool set12step = to == 12 && b == 0 && t >= 0x40 && t <= 0x4F;
            QVERIFY2(p.width(to, b, t) == p.width(from, b, t), at);
            QVERIFY2(set12step || p.height(to, b, t) == p.height(from, b, t), at);
            QVERIFY2(p.left(to, b, t) == p.left(from, b, t), at);
            QVERIFY2(p.up(to, b, t) == p.up(from, b, t), at);
            if (b < 7)
                QVERIFY2(p.pal(to, b, t) == p.pal(from, b, t), at);
            if (b < 7 && p.four(to, b, t) != p.four(from, b, t))
                ++fourdiffer;
        }
    // Set 6's own ranges: bank 3, 0x50..0x5F and 0xD0..0xDF.
    QCOMPARE(fourdiffer, to == 7 ? 32 : 0);
}

// The palettes are rebuilt at every level load and always come out the same.
void TestObjProps::palrebuild()
{
    ObjProps p = built();
    p.objpal.fill(7);
    buildobjpal(p);
    QVERIFY(p.objpal == built().objpal);
}

void TestObjProps::enemyboxes_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("up");

    QTest::newRow("00 default") << 0x00 << 1 << 1 << 0 << 0;
    QTest::newRow("08") << 0x08 << 1 << 2 << 0 << 0;
    QTest::newRow("18") << 0x18 << 2 << 3 << 0 << 0;
    QTest::newRow("26") << 0x26 << 3 << 1 << 0 << 0;
    QTest::newRow("2b") << 0x2B << 1 << 1 << 0 << 1;
    QTest::newRow("57") << 0x57 << 1 << 1 << 1 << 0;
    QTest::newRow("59") << 0x59 << 1 << 1 << 0 << 2;
    QTest::newRow("5d from its own block") << 0x5D << 4 << 8 << 0 << 0;
    QTest::newRow("74") << 0x74 << 2 << 1 << 0 << 1;
    QTest::newRow("8f") << 0x8F << 2 << 2 << 0 << 0;
    QTest::newRow("90 later write") << 0x90 << 2 << 1 << 2 << 0;
    QTest::newRow("93 later write") << 0x93 << 2 << 1 << 2 << 0;
    QTest::newRow("94") << 0x94 << 2 << 2 << 0 << 0;
    QTest::newRow("9a") << 0x9A << 2 << 2 << 0 << 0;
    QTest::newRow("9b default") << 0x9B << 1 << 1 << 0 << 0;
    QTest::newRow("a7") << 0xA7 << 1 << 1 << 0 << 1;
    QTest::newRow("aa") << 0xAA << 1 << 2 << 0 << 1;
    QTest::newRow("d1") << 0xD1 << 3 << 2 << 0 << 0;
    QTest::newRow("d2") << 0xD2 << 1 << 3 << 0 << 0;
}

void TestObjProps::enemyboxes()
{
    QFETCH(int, t);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, left);
    QFETCH(int, up);
    const ObjProps &p = built();
    QCOMPARE(int(p.enemywidth[size_t(t)]), w);
    QCOMPARE(int(p.enemyheight[size_t(t)]), h);
    QCOMPARE(int(p.enemyleft[size_t(t)]), left);
    QCOMPARE(int(p.enemyup[size_t(t)]), up);
}

QTEST_APPLESS_MAIN(TestObjProps)
#include "tst_objprops.moc"

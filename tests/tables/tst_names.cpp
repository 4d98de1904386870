#include "tables/names.h"

#include <QTest>

using namespace quib;

namespace {

enum Table { MapTile, MapSprite, Item, ObjSet, Music, Enemy, TableCount };

using FillStep = void (*)(NameTables &);
constexpr FillStep fillsteps[TableCount] = {
    fillmaptilenames, fillmapspritenames, fillitemnames, fillobjsetnames, fillmusicnames, fillenemynames,
};

NameTables filledtables()
{
    NameTables t;
    // Start-up order.
    fillenemynames(t);
    fillmaptilenames(t);
    fillmapspritenames(t);
    fillitemnames(t);
    fillmusicnames(t);
    fillobjsetnames(t);
    return t;
}

// The texts of one table as a list, so the six tables can be handled alike.
QStringList texts(const NameTables &t, int table)
{
    auto list = [](const auto &a) { return QStringList(a.begin(), a.end()); };
    switch (table) {
    case MapTile: return list(t.maptilenames);
    case MapSprite: return list(t.mapspritenames);
    case Item: return list(t.itemnames);
    case ObjSet: return list(t.objsetnames);
    case Music: return list(t.musicnames);
    case Enemy: return list(t.enemynames);
    }
    return {};
}

} // namespace

class TestNames : public QObject {
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void fillerrange_data();
    void fillerrange();
    void fillstepownsitstable_data();
    void fillstepownsitstable();
    void musicnamedbyhighnibble();
};

void TestNames::text_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tile ff blank") << int(MapTile) << 0xFF << "Blank square";
    QTest::newRow("tile 02 blank") << int(MapTile) << 0x02 << "Blank square";
    QTest::newRow("tile d8 blank") << int(MapTile) << 0xD8 << "Blank square";
    QTest::newRow("tile 03") << int(MapTile) << 0x03 << "Level 1";
    QTest::newRow("tile 15") << int(MapTile) << 0x15 << "Level 9 (weird)";
    QTest::newRow("tile c3") << int(MapTile) << 0xC3 << "Clouds (bottom) (A)";
    QTest::newRow("tile c4 same as c3") << int(MapTile) << 0xC4 << "Clouds (bottom) (A)";
    QTest::newRow("tile eb") << int(MapTile) << 0xEB << "Fortress (B)";
    QTest::newRow("sprite 00") << int(MapSprite) << 0x00 << "Ship start point (or nothing when unused)";
    QTest::newRow("item 00") << int(Item) << 0x00 << "Nothing";
    QTest::newRow("item 0d") << int(Item) << 0x0D << "Item 0D";
    QTest::newRow("objset 0") << int(ObjSet) << 0 << "World map";
    QTest::newRow("music 00") << int(Music) << 0x00 << "No music";
    QTest::newRow("music 0f") << int(Music) << 0x0F << "Ending music";
    QTest::newRow("music 10") << int(Music) << 0x10 << "Plain level";
    QTest::newRow("music 1f") << int(Music) << 0x1F << "Plain level";
    QTest::newRow("music 9a") << int(Music) << 0x9A << "Hilly level";
    QTest::newRow("music ff") << int(Music) << 0xFF << "Weird mix (3)";
    QTest::newRow("enemy 07") << int(Enemy) << 0x07 << "Enemy 07";
    QTest::newRow("enemy 1a") << int(Enemy) << 0x1A << "0010, disappears when hit (weird)";
    QTest::newRow("enemy a9") << int(Enemy) << 0xA9 << "Auto-moving upward directional platform (can't step on)";
    QTest::newRow("enemy d6") << int(Enemy) << 0xD6 << "Sets item for treasure chest";
    QTest::newRow("enemy fe") << int(Enemy) << 0xFE << "??? (may crash game)";
    QTest::newRow("enemy ff") << int(Enemy) << 0xFF << "Ends enemy data";
}

void TestNames::text()
{
    QFETCH(int, table);
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(texts(filledtables(), table).at(index), expected);
}

void TestNames::fillerrange_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("filler");

    QTest::newRow("tiles 16-3f") << int(MapTile) << 0x16 << 0x3F << "Blank square";
    QTest::newRow("tiles 6b-7f") << int(MapTile) << 0x6B << 0x7F << "Blank square";
    QTest::newRow("tiles ec-ff") << int(MapTile) << 0xEC << 0xFF << "Blank square";
    QTest::newRow("sprites 11-ff") << int(MapSprite) << 0x11 << 0xFF << "Crashes game";
    QTest::newRow("items 0e-ff") << int(Item) << 0x0E << 0xFF << "Can crash game when used (weird)";
    QTest::newRow("enemies d7-fe") << int(Enemy) << 0xD7 << 0xFE << "??? (may crash game)";
}

// The whole range carries the filler and the values just outside it do not.
void TestNames::fillerrange()
{
    QFETCH(int, table);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, filler);

    const QStringList names = texts(filledtables(), table);
    for (int i = first; i <= last; ++i)
        QVERIFY2(names.at(i) == filler, qPrintable(QString::number(i, 16)));
    QVERIFY(names.at(first - 1) != filler);
    if (last + 1 < names.size())
        QVERIFY(names.at(last + 1) != filler);
}

void TestNames::fillstepownsitstable_data()
{
    QTest::addColumn<int>("table");
    QTest::newRow("map tiles") << int(MapTile);
    QTest::newRow("map sprites") << int(MapSprite);
    QTest::newRow("items") << int(Item);
    QTest::newRow("object sets") << int(ObjSet);
    QTest::newRow("music") << int(Music);
    QTest::newRow("enemies") << int(Enemy);
}

// A step gives every index of its own table a text and touches no other table,
// so start-up may run the steps in any order.
void TestNames::fillstepownsitstable()
{
    QFETCH(int, table);
    NameTables t;
    fillsteps[table](t);
    for (int other = 0; other < TableCount; ++other) {
        const QStringList names = texts(t, other);
        for (int i = 0; i < names.size(); ++i) {
            const QString where = QString("table %1 index %2").arg(other).arg(i, 2, 16);
            if (other == table)
                QVERIFY2(!names.at(i).trimmed().isEmpty(), qPrintable(where));
            else
                QVERIFY2(names.at(i).isEmpty(), qPrintable(where));
        }
    }
}

void TestNames::musicnamedbyhighnibble()
{
    const NameTables t = filledtables();
    for (int v = 0x10; v <= 0xFF; ++v)
        QVERIFY2(t.musicnames[v] == t.musicnames[v & 0xF0], qPrintable(QString::number(v, 16)));
    // Each group has its own text.
    QStringList heads;
    for (int h = 0x10; h <= 0xF0; h += 0x10)
        heads << t.musicnames[h];
    heads.removeDuplicates();
    QCOMPARE(heads.size(), 15);
}

QTEST_APPLESS_MAIN(TestNames)
#include "tst_names.moc"

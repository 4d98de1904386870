#include "demorom/romimage.h"
#include "editor/presentation.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "rom/romlayout.h"
#include "level/loadlevel.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace quib;

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int64_t objpos = 0x24010; // object set 6's bank, but any set reads it
constexpr int64_t enmpos = 0xD000;

// A plain header: graphic set 1, colour group 0, horizontal.
const Bytes header = {0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x01, 0x00};

Bytes cat(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The objects as "bank:row:col:type" with ":len" for 4-byte objects.
QStringList objects(const Level &l)
{
    QStringList out;
    for (size_t i = 0; i < size_t(l.objcount()); ++i) {
        QString o = QStringLiteral("%1:%2:%3:%4").arg(l.objects[i].bank).arg(l.objects[i].y).arg(l.objects[i].x).arg(l.objects[i].type, 2, 16,
                                                                                                       QLatin1Char('0'));
        if (l.objects[i].four)
            o += QStringLiteral(":%1").arg(l.objects[i].len);
        out << o;
    }
    return out;
}

QStringList enemies(const Level &l)
{
    QStringList out;
    for (size_t i = 0; i < size_t(l.enemycount()); ++i)
        out << QStringLiteral("%1:%2:%3").arg(l.enemies[i].type, 2, 16, QLatin1Char('0')).arg(l.enemies[i].x).arg(l.enemies[i].y);
    return out;
}

} // namespace

class TestLoadLevel : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    int saved = 0;

    // A state on a ROM made of `rom`, with the tables start-up builds.
    void prepare(EditorState &s, const demo::RomImage &rom)
    {
        const QString path = dir.filePath(QStringLiteral("rom%1.nes").arg(saved++));
        QVERIFY(rom.save(path));
        s.rom = testutil::openrom(path);
        build4byte(s.props);
        buildobjsizes(s.props);
        buildenemyboxes(s.props);
        buildobjpal(s.props);
    }

    void load(EditorState &s, int64_t obj, int64_t enm, int objset)
    {
        s.level.lvlobjpos = int32_t(obj);
        s.level.lvlenmpos = int32_t(enm);
        s.level.lvlobjset = objset;
        loadlevel(s);
    }

private slots:
    void objectstream_data();
    void objectstream();
    void enemystream_data();
    void enemystream();
    void vertical_data();
    void vertical();
    void cap_data();
    void cap();
    void shortfile();
    void title_data();
    void title();
    void defset();
    void sheetsandpalettes();
    void linked_data();
    void linked();
};

void TestLoadLevel::objectstream_data()
{
    QTest::addColumn<int>("objset");
    QTest::addColumn<Bytes>("records");
    QTest::addColumn<QStringList>("expected");

    // Bank 3 type 0x55 has a length byte in sets 6 and 8 only: in set 7 the
    // same bytes read the length as the next record's first byte.
    const Bytes shifted = {0x60, 0x05, 0x55, 0x03, 0x02, 0x07, 0x10, 0xFF, 0xFF, 0xFF};
    QTest::newRow("set 6: 4-byte") << 6 << shifted << QStringList{"3:0:5:55:3", "0:2:7:10"};
    QTest::newRow("set 7: 3-byte, records shift") << 7 << shifted << QStringList{"3:0:5:55", "0:3:2:07", "0:16:255:ff"};

    const Bytes f0 = {0x04, 0x01, 0xF0, 0x09, 0x04, 0x02, 0xF1, 0x1F, 0x00, 0x00, 0xFF, 0xFF, 0xFF};
    QTest::newRow("set 5: f0 has a length, f1 not") << 5 << f0 << QStringList{"0:4:1:f0:9", "0:4:2:f1", "0:31:0:00"};
    QTest::newRow("set 9: neither") << 9 << f0 << QStringList{"0:4:1:f0", "0:9:4:02", "7:17:31:00", "0:0:255:ff"};

    QTest::newRow("first record ends: no objects") << 6 << Bytes{0xFF, 0x11, 0x22} << QStringList{};
    QTest::newRow("bank and row bits") << 0 << Bytes{0xE5, 0x80, 0x12, 0xFF} << QStringList{"7:5:128:12"};
    QTest::newRow("bank 2 has a length in set 0")
        << 0 << Bytes{0x41, 0x02, 0x60, 0x07, 0xFF} << QStringList{"2:1:2:60:7"};
}

void TestLoadLevel::objectstream()
{
    QFETCH(int, objset);
    QFETCH(Bytes, records);
    QFETCH(QStringList, expected);

    const Bytes hdr = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0x0E, 0x03, 0xF0};
    demo::RomImage rom;
    rom.putbytes(objpos, cat(hdr, records));
    EditorState s;
    prepare(s, rom);
    s.level.selobj = 4;
    s.level.selenemy = 2;
    load(s, objpos, enmpos, objset);

    QCOMPARE(objects(s.level), expected);
    QCOMPARE(s.level.objcount(), int(expected.size()));
    for (size_t k = 0; k < 9; ++k)
        QCOMPARE(s.level.lvlhdr[k], hdr[k]);
    QCOMPARE(s.level.selobj, uint8_t(0));
    QCOMPARE(s.level.selenemy, uint8_t(0));
    QVERIFY(s.level.loaded);
}

void TestLoadLevel::enemystream_data()
{
    QTest::addColumn<int>("objset");
    QTest::addColumn<int>("givenpos");
    QTest::addColumn<int>("storedpos");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("set 3 at its pointer") << 3 << int(enmpos) << int(enmpos) << QStringList{"6d:16:9", "08:200:3"};
    QTest::newRow("set 0 has none") << 0 << int(enmpos) << int(enmpos) << QStringList{};
    QTest::newRow("set 7 from the fixed stream")
        << 7 << int(enmpos) << int(rom::objset7enemies) << QStringList{"2c:1:2"};
    QTest::newRow("set 23 is set 7") << 23 << int(enmpos) << int(rom::objset7enemies) << QStringList{"2c:1:2"};
    QTest::newRow("leading byte only") << 4 << 0xE000 << 0xE000 << QStringList{};
}

void TestLoadLevel::enemystream()
{
    QFETCH(int, objset);
    QFETCH(int, givenpos);
    QFETCH(int, storedpos);
    QFETCH(QStringList, expected);

    demo::RomImage rom;
    rom.putbytes(objpos, cat(header, {0xFF}));
    // The leading byte is not read, even when it looks like an end.
    rom.putbytes(enmpos, {0xFF, 0x6D, 0x10, 0x09, 0x08, 0xC8, 0x03, 0xFF});
    rom.putbytes(rom::objset7enemies, {0x01, 0x2C, 0x01, 0x02, 0xFF});
    rom.putbytes(0xE000, {0x00, 0xFF, 0x6D, 0x10});
    EditorState s;
    prepare(s, rom);
    load(s, objpos, givenpos, objset);

    QCOMPARE(enemies(s.level), expected);
    QCOMPARE(s.level.lvlenmpos, storedpos);
    QCOMPARE(s.level.lvlobjset, objset & 15);
}

void TestLoadLevel::vertical_data()
{
    QTest::addColumn<int>("hdr6");
    QTest::addColumn<uint8_t>("col");
    QTest::addColumn<uint8_t>("row");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");

    QTest::newRow("vertical 35/2") << 0x10 << uint8_t(0x35) << uint8_t(2) << 5 << 47;
    QTest::newRow("vertical scrolling type 7") << 0x70 << uint8_t(0x35) << uint8_t(2) << 5 << 47;
    QTest::newRow("vertical past a byte") << 0x10 << uint8_t(0xF3) << uint8_t(31) << 3 << 255;
    QTest::newRow("horizontal 35/2") << 0x20 << uint8_t(0x35) << uint8_t(2) << 0x35 << 2;
}

void TestLoadLevel::vertical()
{
    QFETCH(int, hdr6);
    QFETCH(uint8_t, col);
    QFETCH(uint8_t, row);
    QFETCH(int, x);
    QFETCH(int, y);

    Bytes hdr = header;
    hdr[6] = uint8_t(hdr6);
    demo::RomImage rom;
    rom.putbytes(objpos, cat(hdr, {row, col, 0x10, 0xFF}));
    EditorState s;
    prepare(s, rom);
    load(s, objpos, enmpos, 3);

    QCOMPARE(s.level.objcount(), 1);
    QCOMPARE(int(s.level.objects[0].x), x);
    QCOMPARE(int(s.level.objects[0].y), y);
}

// Streams without an end marker stop after 255 records; the 256th is never
// read, not even into the arrays' last entry.
void TestLoadLevel::cap_data()
{
    QTest::addColumn<bool>("fourbyte");
    QTest::newRow("3-byte objects") << false;
    QTest::newRow("4-byte objects") << true;
}

void TestLoadLevel::cap()
{
    QFETCH(bool, fourbyte);

    demo::RomImage rom;
    Bytes objs = header, enms = {0x00};
    for (int k = 0; k < 300; ++k) {
        const uint8_t b = uint8_t(std::min(k, 254));
        objs.insert(objs.end(), {uint8_t(fourbyte ? 0x41 : 0x01), b, uint8_t(fourbyte ? 0x70 : 0x10)});
        if (fourbyte)
            objs.push_back(b);
        enms.insert(enms.end(), {0x20, b, 0x03});
    }
    // Records 256 and on are told apart by column 255.
    objs[size_t(9 + 255 * (fourbyte ? 4 : 3) + 1)] = 0xFF;
    enms[size_t(1 + 255 * 3 + 1)] = 0xFF;
    rom.putbytes(objpos, objs);
    rom.putbytes(enmpos, enms);
    EditorState s;
    prepare(s, rom);
    load(s, objpos, enmpos, 3);

    QCOMPARE(s.level.objcount(), 255);
    QCOMPARE(s.level.enemycount(), 255);
    QCOMPARE(int(s.level.objects[254].x), 254);
    QCOMPARE(int(s.level.enemies[254].x), 254);
    QCOMPARE(bool(s.level.objects[254].four), fourbyte);
}

// Reads past the end of the file give 0xFF and so end the streams.
void TestLoadLevel::shortfile()
{
    demo::RomImage rom(0x200);
    const int64_t obj = 0x1F1, enm = 0x1FA;
    // Header at 0x1F1..0x1F9; a 4-byte record (set 6, bank 3, 0x55) at 0x1FA,
    // a 3-byte one at 0x1FE whose type byte lies past the end.
    rom.putbytes(obj, cat(header, {0x60, 0x01, 0x55, 0x02, 0x02, 0x03}));
    EditorState s;
    prepare(s, rom);
    // The enemy stream shares the file's last bytes: its records run out too.
    load(s, obj, enm, 6);
    QCOMPARE(objects(s.level), (QStringList{"3:0:1:55:2", "0:2:3:ff"}));
    QCOMPARE(enemies(s.level), (QStringList{"01:85:2", "02:3:255"}));

    // An area wholly past the end: a header of 0xFF bytes and nothing else.
    load(s, 0x5000, 0x5000, 6);
    QCOMPARE(s.level.objcount(), 0);
    QCOMPARE(s.level.enemycount(), 0);
    for (uint8_t b : s.level.lvlhdr)
        QCOMPARE(b, uint8_t(0xFF));
    QVERIFY(s.level.loaded);
}

void TestLoadLevel::title_data()
{
    QTest::addColumn<int>("world");
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tile 2") << 4 << 2 << "Quib editor -- World 4";
    QTest::newRow("tile 3") << 4 << 3 << "Quib editor -- World 4-1";
    QTest::newRow("tile 12") << 9 << 12 << "Quib editor -- World 9-10";
    QTest::newRow("tile 13") << 1 << 13 << "Quib editor -- World 1";
}

void TestLoadLevel::title()
{
    QFETCH(int, world);
    QFETCH(int, tile);
    QFETCH(QString, expected);

    demo::RomImage rom;
    rom.putbytes(objpos, cat(header, {0xFF}));
    EditorState s;
    prepare(s, rom);
    s.curworld = uint8_t(world);
    s.map.mapcurrow = 6;
    s.map.mapcurcol = 100;
    s.map.maptiles[6][100] = uint8_t(tile);
    s.map.maptiles[0][0] = 5; // the tile under the cursor counts, no other
    load(s, objpos, enmpos, 1);
    s.editmode = ModeObjectEditing;
    QCOMPARE(windowtitle(s), expected);
}

// The object pictures are rebuilt only when the object set changes.
void TestLoadLevel::defset()
{
    demo::RomImage rom;
    rom.putbytes(objpos, cat(header, {0xFF}));
    EditorState s;
    prepare(s, rom);
    constexpr uint32_t marker = 0x12345678;

    s.objcells.cells.assign(s.objcells.cells.size(), marker);
    load(s, objpos, enmpos, 0);
    QCOMPARE(s.defset, 0);
    QVERIFY(std::all_of(s.objcells.cells.begin(), s.objcells.cells.end(), [](uint32_t c) { return c == marker; }));

    load(s, objpos, enmpos, 3);
    QCOMPARE(s.defset, 3);
    QVERIFY(std::any_of(s.objcells.cells.begin(), s.objcells.cells.end(), [](uint32_t c) { return c != marker; }));

    s.objcells.cells.assign(s.objcells.cells.size(), marker);
    load(s, objpos, enmpos, 3);
    QCOMPARE(s.defset, 3);
    QVERIFY(std::all_of(s.objcells.cells.begin(), s.objcells.cells.end(), [](uint32_t c) { return c == marker; }));
}

// Both sheets of the header's graphic set are decoded once; the object
// palettes are rebuilt at every load.
void TestLoadLevel::sheetsandpalettes()
{
    demo::RomImage rom;
    Bytes hdr = header;
    hdr[7] = 0xEA; // start action 7, graphic set 10: sheets 8 and 9
    rom.putbytes(objpos, cat(hdr, {0xFF}));
    rom.put(rom::chrpos[8], 0x80); // top-left pixel of tile 0 has colour 1
    rom.put(rom::chrpos[9], 0x80);
    EditorState s;
    prepare(s, rom);
    s.gfx.sheetpix[9].assign(128 * 256, 3); // sheet 9 already decoded
    s.gfx.sheetdone[9] = -1;
    s.props.objpal.fill(7);

    load(s, objpos, enmpos, 1);
    QCOMPARE(s.gfx.sheetdone[8], int16_t(-1));
    QCOMPARE(int(s.gfx.sheetpix[8][0]), 1);
    QCOMPARE(int(s.gfx.sheetpix[9][0]), 3);
    for (int n = 0; n < sheetcount; ++n)
        if (n != 8 && n != 9)
            QVERIFY2(s.gfx.sheetdone[size_t(n)] == 0, qPrintable(QString::number(n)));
    ObjProps fresh;
    buildobjpal(fresh);
    QVERIFY(s.props.objpal == fresh.objpal);
}

void TestLoadLevel::linked_data()
{
    QTest::addColumn<Bytes>("ptrs"); // header bytes 0..3
    QTest::addColumn<int>("hdr6");
    QTest::addColumn<bool>("haslink");
    QTest::addColumn<int>("objpos");
    QTest::addColumn<int>("enmpos");
    QTest::addColumn<int>("objset");

    QTest::newRow("set 3") << Bytes{0x00, 0xA0, 0x00, 0xC0} << 0x13 << true << 0x20010 << 0xC010 << 3;
    QTest::newRow("set 15") << Bytes{0x34, 0xB2, 0x78, 0xD6} << 0x9F << true << 0xB244 << 0xD688 << 15;
    QTest::newRow("set 7 enemy pointer as given") << Bytes{0x00, 0xA1, 0x00, 0xF0} << 0x07 << true << 0x24110 << 0xF010 << 7;
    QTest::newRow("all four zero") << Bytes{0x00, 0x00, 0x00, 0x00} << 0x03 << false << 0x16010 << 0x10 << 3;
    QTest::newRow("one byte set") << Bytes{0x00, 0x00, 0x01, 0x00} << 0x00 << true << 0xE010 << 0x11 << 0;
}

void TestLoadLevel::linked()
{
    QFETCH(Bytes, ptrs);
    QFETCH(int, hdr6);
    QFETCH(bool, haslink);
    QFETCH(int, objpos);
    QFETCH(int, enmpos);
    QFETCH(int, objset);

    Level l;
    for (size_t k = 0; k < 4; ++k)
        l.lvlhdr[k] = ptrs[k];
    l.lvlhdr[6] = uint8_t(hdr6);
    const LinkedArea a = linkedarea(l);
    QCOMPARE(a.haslink, haslink);
    QCOMPARE(a.objpos, objpos);
    QCOMPARE(a.enmpos, enmpos);
    QCOMPARE(a.objset, objset);
}

QTEST_GUILESS_MAIN(TestLoadLevel)
#include "tst_loadlevel.moc"

// The level header: its fields, the linked area's pointers as typed, and the
// "Edit level header" dialog driven offscreen, checked against the ROM file.
#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "rom/romlayout.h"
#include "editor/startup.h"
#include "level/offsetentry.h"
#include "level/loadlevel.h"
#include "level/lvlhdr.h"
#include "level/savelevel.h"
#include "dialogs/levelheader.h"

#include "testutil.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quib;

Q_DECLARE_METATYPE(TypedPointer::Status)

class TestLvlHdr : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    QByteArray rombytes;

    static demo::AreaRef area(const char *name)
    {
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            if (qstrcmp(p.name, name) == 0)
                return p.ref;
        qFatal("no demo area %s", name);
    }
    static int areaset(const char *name)
    {
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            if (qstrcmp(p.name, name) == 0)
                return p.objset;
        return -1;
    }
    // The editor after start-up, inside the named demo area.
    std::unique_ptr<EditorState> open(const char *name, bool hdrofs = true)
    {
        auto s = std::make_unique<EditorState>();
        s->rom = testutil::openrom(rompath);
        runstartup(*s, Settings{}, nullptr);
        s->hdrofs = hdrofs;
        const demo::AreaRef a = area(name);
        if (!enterlevelspec(*s, int32_t(a.objpos), int32_t(a.enmpos), areaset(name)))
            return nullptr;
        return s;
    }
    // The ROM with the header of area `name` replaced.
    QByteArray withheader(const char *name, const LevelHeader &h) const
    {
        QByteArray b = rombytes;
        for (size_t k = 0; k < 9; ++k)
            b[qsizetype(area(name).objpos) + qsizetype(k)] = char(h[k]);
        return b;
    }
    LevelHeader headerof(const char *name) const
    {
        LevelHeader h;
        for (size_t k = 0; k < 9; ++k)
            h[k] = uint8_t(rombytes[qsizetype(area(name).objpos) + qsizetype(k)]);
        return h;
    }
    template <class T> static T *get(QDialog &d, const char *name) { return d.findChild<T *>(QLatin1String(name)); }
    static QString text(QDialog &d, const char *name) { return get<QLabel>(d, name)->text(); }
    static void press(QDialog &d, const char *name) { get<QPushButton>(d, name)->click(); }
    static void type(QDialog &d, const char *name, const QString &text)
    {
        QLineEdit *e = get<QLineEdit>(d, name);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }

private slots:
    void initTestCase()
    {
        demo::RomImage rom = demo::builddemorom();
        rom.putbytes(rom::starttimes, {3, 2, 0, 255});
        rom.putbytes(rom::lvlmusicset, {0x90, 0x20, 0x40, 0x50, 0x91, 0x0B, 0, 0, 0, 0, 0, 0, 0x33, 0, 0, 0});
        rombytes = testutil::bytesof(rom);
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
    }
    void init()
    {
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(testutil::writefile(rompath, rombytes));
    }
    void cleanup() { testutil::stopanswering(); }

    // The sixteen fields cover bytes 4..8 once each, and setting one leaves
    // every other bit alone.
    void fieldscoverbytes()
    {
        LevelHeader all{};
        for (int f = 0; f <= int(HdrField::Time); ++f) {
            LevelHeader h{0x12, 0x34, 0x56, 0x78, 0, 0, 0, 0, 0};
            sethdrfield(h, HdrField(f), 0xFF);
            QCOMPARE(hdrfield(h, HdrField(f)), bitfield(HdrField(f)).max());
            for (size_t k = 0; k < 9; ++k) {
                QVERIFY2((all[k] & h[k]) == 0 || k < 4, qPrintable(QStringLiteral("field %1 overlaps").arg(f)));
                if (k >= 4)
                    all[k] |= h[k];
            }
            sethdrfield(h, HdrField(f), 0);
            QCOMPARE(h, (LevelHeader{0x12, 0x34, 0x56, 0x78, 0, 0, 0, 0, 0}));
        }
        QCOMPARE(all, (LevelHeader{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    }

    void typedpointers_data()
    {
        QTest::addColumn<bool>("enemy");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hdrofs");
        QTest::addColumn<int>("held");
        QTest::addColumn<TypedPointer::Status>("status");
        QTest::addColumn<int>("word");
        // Object set 1: bank window 0x1E010..0x2000F as file offsets.
        QTest::newRow("obj low end") << false << "1E010" << true << 0 << TypedPointer::Ok << 0xA000;
        QTest::newRow("obj high end") << false << "2000f " << true << 0 << TypedPointer::Ok << 0xBFFF;
        QTest::newRow("obj past the end") << false << "20010" << true << 0 << TypedPointer::OutOfRange << 0;
        QTest::newRow("obj below") << false << "1E00F" << true << 0 << TypedPointer::OutOfRange << 0;
        QTest::newRow("obj display off") << false << "1E000" << false << 0 << TypedPointer::Ok << 0xA000;
        QTest::newRow("obj held word outside") << false << "14010" << true << 0 << TypedPointer::Ok << 0;
        QTest::newRow("obj not hex") << false << "1E01G" << true << 0 << TypedPointer::NotHex << 0;
        QTest::newRow("obj empty") << false << "" << true << 0 << TypedPointer::NotHex << 0;
        QTest::newRow("enm low end off") << true << "C000" << false << 0 << TypedPointer::Ok << 0xC000;
        QTest::newRow("enm high end") << true << "1000F" << true << 0 << TypedPointer::Ok << 0xFFFF;
        QTest::newRow("enm below") << true << "C00F" << true << 0 << TypedPointer::OutOfRange << 0;
        QTest::newRow("enm held word") << true << "1234" << true << 0x1224 << TypedPointer::Ok << 0x1224;
        QTest::newRow("enm too big") << true << "7FFFFFFF" << true << 0 << TypedPointer::OutOfRange << 0;
    }
    void typedpointers()
    {
        QFETCH(bool, enemy);
        QFETCH(QString, text);
        QFETCH(bool, hdrofs);
        QFETCH(int, held);
        QFETCH(TypedPointer::Status, status);
        QFETCH(int, word);
        const TypedPointer p = enemy ? typedenmptr(text, hdrofs, uint16_t(held)) : typedobjptr(text, 1, hdrofs, uint16_t(held));
        QCOMPARE(p.status, status);
        QCOMPARE(int(p.word), word);
    }

    // Opening and confirming rewrites the same bytes, with the offset display
    // on or off, also for an area that links nowhere (pointer words 0, outside
    // the ranges shown).
    void unchangedok_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("hdrofs");
        QTest::newRow("linked, on") << "plain-1" << true;
        QTest::newRow("linked, off") << "plain-1" << false;
        QTest::newRow("no link") << "hills-1" << true;
    }
    void unchangedok()
    {
        QFETCH(QString, name);
        QFETCH(bool, hdrofs);
        auto st = open(qPrintable(name), hdrofs);
        const LevelHeader h = st->level.lvlhdr;
        EditLvlHdr d(st->level, st->rom, st->gfx, st->names, st->hdrofs, nullptr);
        const int a = hdrofs ? 0x10 : 0;
        const int set = h[6] & 15;
        QCOMPARE(get<QLineEdit>(d, "objptrEdit")->text(), QString::number((h[0] | h[1] << 8) + rom::objsetbase[size_t(set)] + a, 16).toUpper());
        QCOMPARE(get<QLineEdit>(d, "enmptrEdit")->text(), QString::number((h[2] | h[3] << 8) + a, 16).toUpper());
        QCOMPARE(text(d, "enmrangeLabel"), hdrofs ? QStringLiteral("(hex) (between C010 and 1000F)") : QStringLiteral("(hex) (between C000 and FFFF)"));
        QCOMPARE(text(d, "hdrbytesLabel"), hdrbytestext(h));
        press(d, "OK");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(st->level.lvlhdr, h);
        QVERIFY(testutil::readfile(rompath) == rombytes);
    }

    // Every control moves its field; the labels follow each change; OK writes
    // the nine bytes and nothing else, and recolours the level.
    void editandok()
    {
        auto st = open("plain-1");
        const LevelHeader before = st->level.lvlhdr;
        QCOMPARE(before[6] & 15, 14);
        EditLvlHdr d(st->level, st->rom, st->gfx, st->names, st->hdrofs, nullptr);
        d.show();
        QCOMPARE(get<QListWidget>(d, "musicList")->item(12)->text(), st->names.musicnames[0x33]);
        const QStringList times = {"300", "200", "000", "25500 (unlimited)"};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(get<QListWidget>(d, "timeList")->item(k)->text(), times[k]);
        QCOMPARE(text(d, "lengthLabel"), QStringLiteral("Length: BF"));

        // The linked set changes, the CPU pointer stays.
        const int shown = get<QLineEdit>(d, "objptrEdit")->text().toInt(nullptr, 16);
        get<QListWidget>(d, "objsetlist")->setCurrentRow(3);
        QCOMPARE(get<QLineEdit>(d, "objptrEdit")->text().toInt(nullptr, 16), shown + 0x16000 - 0x10000);
        QCOMPARE(text(d, "objrangeLabel"), QStringLiteral("(hex) (between 20010 and 2200F)"));
        type(d, "enmptrEdit", QStringLiteral("c1a5"));
        get<QScrollBar>(d, "lengthBar")->setValue(0);
        QCOMPARE(text(d, "lengthLabel"), QStringLiteral("Length: 0F"));
        get<QScrollBar>(d, "lengthBar")->setValue(5);
        get<QCheckBox>(d, "byte4bit4")->setChecked(true);
        get<QScrollBar>(d, "startyBar")->setValue(7);
        get<QScrollBar>(d, "startxBar")->setValue(1);
        QCOMPARE(text(d, "startxLabel"), QStringLiteral("X : 07"));
        QCOMPARE(text(d, "startyLabel"), QStringLiteral("Y : 19"));
        get<QListWidget>(d, "levelcoloursList")->setCurrentRow(2);
        get<QListWidget>(d, "enemycoloursList")->setCurrentRow(3);
        get<QCheckBox>(d, "byte5bit7")->setChecked(true);
        get<QListWidget>(d, "scrollingList")->setCurrentRow(2);
        get<QCheckBox>(d, "byte6bit7")->setChecked(true);
        get<QListWidget>(d, "graphicsetList")->setCurrentRow(9);
        get<QListWidget>(d, "startactionList")->setCurrentRow(6);
        get<QListWidget>(d, "musicList")->setCurrentRow(12);
        get<QCheckBox>(d, "byte8bit5")->setChecked(true);
        get<QListWidget>(d, "timeList")->setCurrentRow(3);
        // A list whose selection is cleared gives 0.
        get<QCheckBox>(d, "byte8bit4")->setChecked(true);
        get<QListWidget>(d, "enemycoloursList")->clearSelection();

        const LevelHeader expected{before[0], before[1], 0x95, 0xC1, 0xF5, 0xA2, 0xA3, 0xC9, 0xFC};
        QCOMPARE(text(d, "hdrbytesLabel"), hdrbytestext(expected));
        press(d, "OK");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(testutil::readfile(rompath) == withheader("plain-1", expected));
        QCOMPARE(st->level.lvlhdr, expected);
        QCOMPARE(st->gfx.sheetdone[gfxsetsheet[0][9]], int16_t(-1));
        QCOMPARE(st->gfx.lvlbackground, st->gfx.nescol[st->gfx.lvlpal[1][2][0]]);
    }

    // A pointer outside its range or not hex is refused with a message; the
    // dialog stays open and writes nothing until it is put right.
    void refusals()
    {
        auto st = open("plain-1");
        EditLvlHdr d(st->level, st->rom, st->gfx, st->names, st->hdrofs, nullptr);
        d.show();
        testutil::SeenBox seen;
        testutil::answermodals(seen);
        type(d, "enmptrEdit", QStringLiteral("C00F"));
        press(d, "OK");
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.text, QStringLiteral("The enemies of the linked area must lie between C010 and 1000F (hex): 'C00F' does not."));
        type(d, "objptrEdit", QStringLiteral("1e0x0"));
        QVERIFY(text(d, "hdrbytesLabel").startsWith(QStringLiteral("-- -- -- -- ")));
        type(d, "enmptrEdit", QStringLiteral("C1A5"));
        QVERIFY(text(d, "hdrbytesLabel").startsWith(QStringLiteral("-- -- 95 C1 ")));
        press(d, "OK");
        QCOMPARE(seen.text, QStringLiteral("'1e0x0' is not a hexadecimal number."));
        QVERIFY(d.isVisible());
        QVERIFY(testutil::readfile(rompath) == rombytes);

        type(d, "objptrEdit", QStringLiteral("1C00F"));
        type(d, "enmptrEdit", QStringLiteral("1000F"));
        press(d, "OK");
        QCOMPARE(seen.count, 2);
        LevelHeader h = headerof("plain-1");
        h[0] = 0xFF, h[1] = 0xBF, h[2] = 0xFF, h[3] = 0xFF; // set 14: 0x1C00F is the window's last byte
        QVERIFY(testutil::readfile(rompath) == withheader("plain-1", h));
    }

    void cancelwritesnothing()
    {
        auto st = open("plain-1");
        const LevelHeader before = st->level.lvlhdr;
        EditLvlHdr d(st->level, st->rom, st->gfx, st->names, st->hdrofs, nullptr);
        d.show();
        get<QScrollBar>(d, "lengthBar")->setValue(2);
        get<QListWidget>(d, "objsetlist")->setCurrentRow(5);
        press(d, "Cancel");
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(st->level.lvlhdr, before);
        QVERIFY(testutil::readfile(rompath) == rombytes);
    }

    void writefailurekeepsdialog()
    {
        auto st = open("plain-1");
        const LevelHeader before = st->level.lvlhdr;
        EditLvlHdr d(st->level, st->rom, st->gfx, st->names, st->hdrofs, nullptr);
        d.show();
        get<QScrollBar>(d, "lengthBar")->setValue(2);
        QFile::setPermissions(rompath, QFile::ReadOwner);
        testutil::SeenBox seen;
        testutil::answermodals(seen);
        press(d, "OK");
        QCOMPARE(seen.count, 1);
        QVERIFY2(seen.text.contains(rompath), qPrintable(seen.text));
        QVERIFY(d.isVisible());
        QCOMPARE(st->level.lvlhdr, before);
        QVERIFY(testutil::readfile(rompath) == rombytes);
    }

    // A new scrolling type between horizontal and vertical puts the objects
    // in the form loading the area again gives, so a save writes what the
    // game will read; a vertical area saved as horizontal keeps its records.
    void scrollingturns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("scrolling");
        QTest::newRow("vertical to horizontal") << "fortress-tower" << 0;
        QTest::newRow("horizontal to vertical") << "plain-1" << 1;
    }
    void scrollingturns()
    {
        QFETCH(QString, name);
        QFETCH(int, scrolling);
        auto st = open(qPrintable(name));
        st->level.lvlscrollx = 30;
        st->level.lvlscrolly = 40;
        LevelHeader h = st->level.lvlhdr;
        sethdrfield(h, HdrField::Scrolling, scrolling);
        QString error;
        QVERIFY(applylevelheader(st->level, st->rom, st->gfx, h, &error));
        QVERIFY(st->level.lvlscrollx <= (scrolling ? 0 : 240) && st->level.lvlscrolly <= (scrolling ? 225 : 12));
        const Level edited = st->level;
        loadlevel(*st);
        QVERIFY(edited.objects == st->level.objects);
        if (scrolling == 0) {
            QVERIFY(savelevelmodes(st->rom, st->level, &error));
            // Saving sorts the enemies by column; every other byte stays.
            const QByteArray got = testutil::readfile(rompath);
            QByteArray want = withheader(qPrintable(name), h);
            const qsizetype enemies = qsizetype(area(qPrintable(name)).enmpos) + 1, size = 3 * st->level.enemycount();
            want.replace(enemies, size, got.mid(enemies, size));
            QVERIFY(got == want);
        }
    }
};

QTEST_MAIN(TestLvlHdr)
#include "tst_lvlhdr.moc"

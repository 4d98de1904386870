#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/document.h"
#include "editor/editorstate.h"
#include "editor/startup.h"
#include "level/records.h"
#include "level/rommap.h"
#include "rom/romlayout.h"
#include "worldmap/maprecords.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>

using namespace quib;

// Saving an area whose streams grew or shrank, through the document as the
// window drives it: records are added with one undo step, then saved; the
// whole file is compared with the bytes it must hold.
class TestAreaSave : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path;
    QByteArray pristine;
    RomMap map;

    void open(EditorState &s, Document &doc, const demo::DemoAreaPlace &p)
    {
        QVERIFY(testutil::writefile(path, pristine));
        s.rom = testutil::openrom(path);
        runstartup(s, Settings(), nullptr);
        QVERIFY(doc.enterarea(int32_t(p.ref.objpos), int32_t(p.ref.enmpos), p.objset));
    }
    static const MapStream *streamof(const RomMap &map, const demo::DemoAreaPlace &p, bool enemies, int64_t at = -1)
    {
        return enemies ? findenemystream(map, at < 0 ? p.ref.enmpos : at)
                       : findobjstream(map, at < 0 ? p.ref.objpos : at, p.objset);
    }
    // The first demo area whose stream of that kind passes `ok`.
    const demo::DemoAreaPlace *pick(bool enemies, const std::function<bool(const MapStream &)> &ok) const
    {
        static const std::vector<demo::DemoAreaPlace> places = demo::demoareaplaces();
        for (const demo::DemoAreaPlace &p : places) {
            if (p.objset == 0 || (enemies && p.objset == 7))
                continue;
            const MapStream *m = streamof(map, p, enemies);
            if (m && ok(*m))
                return &p;
        }
        return nullptr;
    }
    // Records added at the end (objects: a 3-byte type of bank 1 far right;
    // enemies: at the last column, so the save's sort keeps them last) or
    // taken from the end, as one undo step.
    static void resize(EditorState &s, Document &doc, bool enemies, int delta)
    {
        LevelDocument next = s.level.document();
        for (int k = 0; k < delta; ++k) {
            if (enemies) {
                next.enemies.push_back({uint8_t(0x10 + k), 0xFF, uint8_t(k % 12)});
            } else {
                ObjRecord o;
                o.bank = 1;
                o.type = 0x10;
                o.x = uint8_t(0xF0 - k);
                o.y = uint8_t(k % 12);
                o.four = s.props.four(next.lvlobjset, o.bank, o.type);
                next.objects.push_back(o);
            }
        }
        for (int k = 0; k < -delta; ++k)
            enemies ? next.enemies.pop_back() : next.objects.pop_back();
        doc.replacearea(next, QStringLiteral("Resize"));
    }
    // The stream Save writes: the old stream's bytes up to its records'
    // end, minus the records taken, plus the ones added, then 0xFF.
    static QByteArray stream(const QByteArray &old, const LevelDocument &l, bool enemies)
    {
        QByteArray out;
        if (enemies) {
            out = old.left(1);
            for (const EnemyRecord &e : l.enemies)
                out += QByteArray(reinterpret_cast<const char *>(encodeenemy(e).data()), enemyrecordsize);
        } else {
            out = old.left(hdrsize);
            for (const ObjRecord &o : l.objects) {
                const ObjBytes b = o.raw.size ? o.raw : encodeobj(o, l.vertical());
                out += QByteArray(reinterpret_cast<const char *>(b.b.data()), b.size);
            }
        }
        return out + '\xFF';
    }
    // The file equals the bytes, or the first offset where it doesn't.
    void same(const QByteArray &expected)
    {
        const QByteArray now = testutil::readfile(path);
        qsizetype k = 0;
        while (k < now.size() && k < expected.size() && now[k] == expected[k])
            ++k;
        QVERIFY2(now == expected, qPrintable(QStringLiteral("differ at 0x%1: %2 for %3")
                                                 .arg(k, 0, 16)
                                                 .arg(QLatin1String(now.mid(k, 8).toHex(' ')),
                                                      QLatin1String(expected.mid(k, 8).toHex(' ')))));
    }
    static void fill(QByteArray &image, int64_t from, int64_t to) { image.replace(from, to - from, QByteArray(to - from, '\xFF')); }

private slots:
    void initTestCase()
    {
        path = dir.filePath(QStringLiteral("quibrom.nes"));
        const demo::RomImage rom = demo::builddemorom();
        pristine = testutil::bytesof(rom);
        EditorState s;
        s.rom = Rom(rom.bytes());
        runstartup(s, Settings(), nullptr);
        map = buildrommap(s.rom.image(), s.props);
    }

    // Growth within the room and shrinking are written in place: the new
    // stream with its end marker, 0xFF over the rest of the old one, the
    // leading enemy byte untouched, and no question asked.
    void inplace_data()
    {
        QTest::addColumn<bool>("enemies");
        QTest::addColumn<int>("delta");
        QTest::newRow("objects grow") << false << 3;
        QTest::newRow("objects shrink") << false << -2;
        QTest::newRow("enemies grow") << true << 2;
        QTest::newRow("enemies shrink") << true << -1;
    }
    void inplace()
    {
        QFETCH(bool, enemies);
        QFETCH(int, delta);
        const demo::DemoAreaPlace *p = pick(enemies, [&](const MapStream &m) {
            return m.used() >= (enemies ? 8 : hdrsize + 7) && m.room() >= m.used() + 4 * delta;
        });
        QVERIFY(p);
        const MapStream &m = *streamof(map, *p, enemies);
        EditorState s;
        Document doc(s);
        open(s, doc, *p);
        resize(s, doc, enemies, delta);
        int asked = 0;
        doc.setmoveprompt([&](const QString &) { return ++asked, false; });
        QString error;
        QVERIFY2(doc.save(&error), qPrintable(error));
        QCOMPARE(asked, 0);

        QByteArray expected = pristine;
        const QByteArray now = stream(pristine.mid(m.start, m.used()), s.level, enemies);
        fill(expected, m.start, m.end);
        expected.replace(m.start, now.size(), now);
        same(expected);
        QVERIFY(!doc.modified());
    }

    // Streams grown past their room: Cancel writes nothing; Move puts them
    // in the window's first free run that holds them, repoints every map
    // pointer and area header that led to them and frees the old bytes, in
    // the file and in the loaded world. Undoing the growth and saving again
    // shrinks them where they are now.
    void move_data()
    {
        QTest::addColumn<bool>("enemies");
        QTest::newRow("objects") << false;
        QTest::newRow("enemies") << true;
    }
    void move()
    {
        QFETCH(bool, enemies);
        const demo::DemoAreaPlace *p = pick(enemies, [&](const MapStream &m) {
            return m.window >= 0 && m.from.size() >= 2 && m.from.front().kind == StreamLink::MapPointer
                   && m.from.back().kind == StreamLink::AreaHeader;
        });
        QVERIFY(p);
        const MapStream &m = *streamof(map, *p, enemies);
        // The place a pointer of the loaded world holds, and whether it
        // reads this kind of stream.
        const auto place = [&](const MapPtr &ptr) { return enemies ? ptr.enmpos : ptr.objpos; };
        const auto reads = [&](const MapPtr &ptr) {
            return enemies ? ptr.objset != 0 && ptr.objset != 7 : ptr.objset == p->objset;
        };
        const auto ownplace = [&](const EditorState &s) { return enemies ? s.level.lvlenmpos : s.level.lvlobjpos; };
        EditorState s;
        Document doc(s);
        open(s, doc, *p);
        const LevelDocument before = s.level.document();
        resize(s, doc, enemies, int(m.room() - m.used()) / 3 + 2);
        const QByteArray now = stream(pristine.mid(m.start, m.used()), s.level, enemies);
        int64_t to = -1;
        for (const FreeRun &r : map.windows[size_t(m.window)].free)
            if (to < 0 && r.size >= now.size())
                to = r.start;
        QVERIFY(to > m.start);

        QStringList asked;
        bool answer = false;
        doc.setmoveprompt([&](const QString &q) { return asked << q, answer; });
        QString error;
        QVERIFY(!doc.save(&error));
        QVERIFY(error.isEmpty());
        same(pristine);
        QVERIFY(doc.modified());
        QCOMPARE(ownplace(s), int32_t(m.start));

        answer = true;
        QString saved;
        QVERIFY2(doc.save(&error, &saved), qPrintable(error));
        QCOMPARE(asked.size(), 2);
        const auto hex = [](int64_t v) { return QString::number(v, 16).toUpper(); };
        const QString kind = enemies ? QStringLiteral("enemies") : QStringLiteral("objects");
        QVERIFY2(saved.endsWith(QStringLiteral(", its %1 moved from 0x%2").arg(kind, hex(m.start))), qPrintable(saved));
        QCOMPARE(asked.back(), QStringLiteral("The %1 of this area need %2 bytes and have room for %3 at 0x%4. Move "
                                              "them to 0x%5 and update the %6 pointers that lead there?")
                                   .arg(kind)
                                   .arg(now.size())
                                   .arg(m.room())
                                   .arg(hex(m.start), hex(to))
                                   .arg(m.from.size()));

        QByteArray expected = pristine;
        fill(expected, m.start, m.end);
        expected.replace(to, now.size(), now);
        const uint16_t word = rom::offsettoptr(to, enemies ? rom::enemydataadder : rom::objadder(p->objset));
        const QByteArray wordbytes = QByteArray(1, char(word & 0xFF)) + char(word >> 8);
        for (const StreamLink &l : m.from) {
            if (l.kind == StreamLink::AreaHeader) {
                expected.replace(l.header + (enemies ? 2 : 0), 2, wordbytes);
            } else {
                const int64_t base = rom::mapptrpos_of(l.world);
                const int n = ptrcountof(uint8_t(pristine[qsizetype(base)]));
                expected.replace(enemies ? ptrenmpos_at(base, n, l.index) : ptrobjpos_at(base, n, l.index), 2, wordbytes);
            }
        }
        same(expected);
        QCOMPARE(ownplace(s), int32_t(to));
        QVERIFY(!doc.modified());
        // The loaded world's pointers that led there follow, unsaved edits
        // none the less.
        const auto inworld = std::count_if(m.from.begin(), m.from.end(), [&](const StreamLink &l) {
            return l.kind == StreamLink::MapPointer && l.world == s.curworld;
        });
        QCOMPARE(std::count_if(s.map.pointers.begin(), s.map.pointers.end(),
                               [&](const MapPtr &ptr) { return place(ptr) == to && reads(ptr); }),
                 inworld);
        QVERIFY(std::none_of(s.map.pointers.begin(), s.map.pointers.end(),
                             [&](const MapPtr &ptr) { return place(ptr) == m.start && reads(ptr); }));
        const RomMap after = buildrommap(s.rom.image(), s.props);
        QVERIFY(!streamof(after, *p, enemies, m.start));
        QCOMPARE(streamof(after, *p, enemies, to)->from.size(), m.from.size());

        doc.undo();
        QVERIFY(s.level.objects == before.objects && s.level.enemies == before.enemies);
        QCOMPARE(ownplace(s), int32_t(to));
        QVERIFY2(doc.save(&error), qPrintable(error));
        const QByteArray back = pristine.mid(m.start, m.used());
        fill(expected, to, to + now.size());
        expected.replace(to, back.size(), back);
        same(expected);
        QVERIFY(doc.exitlevel());
        QVERIFY(!doc.modified());
    }

    // Growth that can't be saved: past the largest free run of the window,
    // or past the room of object set 7's fixed enemy stream. Save says so
    // with the figures, writes nothing, and the edit stays, undoable.
    void refused_data()
    {
        QTest::addColumn<bool>("fixed");
        QTest::newRow("no free run") << false;
        QTest::newRow("set 7 enemies") << true;
    }
    void refused()
    {
        QFETCH(bool, fixed);
        static const std::vector<demo::DemoAreaPlace> places = demo::demoareaplaces();
        const demo::DemoAreaPlace *p = nullptr;
        for (const demo::DemoAreaPlace &d : places)
            if (!p && (fixed ? d.objset == 7 : d.objset != 0))
                p = &d;
        QVERIFY(p);
        EditorState s;
        Document doc(s);
        open(s, doc, *p);
        const LevelDocument before = s.level.document();
        const MapStream *m = fixed ? findenemystream(map, rom::objset7enemies) : findobjstream(map, p->ref.objpos, p->objset);
        QVERIFY(m && m->fixed == fixed);
        const int64_t largest = largestfreerun(map, m->window).size;
        const int delta = fixed ? int(m->room() - m->used()) / 3 + 1 : int(largest) / 3 + 1;
        resize(s, doc, fixed, delta);
        bool asked = false;
        doc.setmoveprompt([&](const QString &) { return asked = true; });
        QString error;
        QVERIFY(!doc.save(&error));
        QVERIFY(!asked);
        const QString needs = QStringLiteral("needs %1 bytes").arg(m->used() + 3 * delta);
        QVERIFY2(error.contains(fixed ? needs + QStringLiteral(", and the game reads them at that fixed place")
                                      : needs + QStringLiteral("; the largest free run of this window has %1").arg(largest)),
                 qPrintable(error));
        same(pristine);
        QVERIFY(doc.modified());
        doc.undo();
        QVERIFY(s.level.document() == before);
    }
};

QTEST_MAIN(TestAreaSave)
#include "tst_areasave.moc"

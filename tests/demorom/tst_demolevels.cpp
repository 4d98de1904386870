#include "demorom/demoareas.h"
#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "rom/romlayout.h"
#include "graphics/graphics.h"
#include "objgfx/objcells.h"
#include "tables/objprops.h"

#include <QTest>
#include <map>
#include <memory>
#include <set>

using namespace quib;

namespace {

// One object record as read back: bank, column byte, row bits, type, length.
struct Record {
    int bank, col, row, type, len;
    bool operator==(const Record &) const = default;
};

// An area as the ROM holds it, reached from the map pointers and links.
struct Area {
    int64_t obj = 0, enm = 0;
    int objset = 0;
    int64_t objend = 0, enmend = 0; // one past the terminators
    std::vector<Record> records;
    bool fromptr = false;
};

} // namespace

// The demo areas in the ROM: streams, links, reach from the world maps,
// colours and pattern sheets, all read back from the built image.
class TestDemoLevels : public QObject {
    Q_OBJECT
    demo::RomImage rom = demo::builddemorom();
    ObjProps props;
    std::map<int64_t, Area> areas; // by object stream offset

    int64_t window(int set, bool high) const
    {
        const rom::OffsetRange r = rom::objdatarange(set);
        return high ? r.high : r.low;
    }

    // Reads the object stream at obj: records up to the 0xFF, none past
    // the set's bank window.
    Area readarea(int64_t obj, int64_t enm, int set) const
    {
        Area a;
        a.obj = obj;
        a.enm = enm;
        a.objset = set;
        int64_t q = obj + 9;
        while (q <= window(set, true) && rom.at(q) != 0xFF) {
            Record r{rom.at(q) >> 5, rom.at(q + 1), rom.at(q) & 0x1F, rom.at(q + 2), -1};
            q += 3;
            if (props.four(set, r.bank, r.type))
                r.len = rom.at(q++);
            a.records.push_back(r);
        }
        a.objend = q + 1;
        q = enm + 1;
        while (q <= rom::enemydatarange.high && rom.at(q) != 0xFF)
            q += 3;
        a.enmend = q + 1;
        return a;
    }

    // The linked area of a, or nothing.
    bool link(const Area &a, int64_t &obj, int64_t &enm, int &set) const
    {
        const int64_t h = a.obj;
        if (!rom.at(h) && !rom.at(h + 1) && !rom.at(h + 2) && !rom.at(h + 3))
            return false;
        set = rom.at(h + 6) & 15;
        obj = rom::ptrtooffset(rom.wordat(h), rom::objadder(set));
        enm = rom::ptrtooffset(rom.wordat(h + 2), rom::enemydataadder);
        return true;
    }

    void add(int64_t obj, int64_t enm, int set, bool fromptr)
    {
        auto it = areas.find(obj);
        if (it != areas.end()) {
            it->second.fromptr |= fromptr;
            return;
        }
        Area a = readarea(obj, enm, set);
        a.fromptr = fromptr;
        areas[obj] = a;
        int64_t o, e;
        int s;
        if (link(a, o, e, s))
            add(o, e, s, false);
    }

    // Pixels of tile t of graphic set g, all zero for a blank tile.
    bool blanktile(int g, int t) const
    {
        const int64_t at = rom::chrpos[size_t(gfxsetsheet[t >> 7][g])] + 16 * (t & 127);
        for (int i = 0; i < 16; ++i)
            if (rom.at(at + i))
                return false;
        return true;
    }

private slots:
    void initTestCase()
    {
        build4byte(props);
        for (int w = 1; w <= 9; ++w) {
            const int64_t base = rom::mapptrpos[size_t(w - 1)];
            const int n = rom.at(base);
            for (int i = 0; i < n; ++i) {
                const int set = rom.at(base + 1 + i) % 16;
                const int64_t enm = rom::ptrtooffset(rom.wordat(base + 1 + 2 * n + 2 * i), rom::enemydataadder);
                const int64_t obj = rom::ptrtooffset(rom.wordat(base + 1 + 4 * n + 2 * i), rom::objadder(set));
                add(obj, enm, set, true);
            }
        }
        QVERIFY(areas.size() >= 15);
    }

    // Both streams of every area lie in their windows and end in 0xFF.
    void streams()
    {
        for (const auto &[obj, a] : areas) {
            QVERIFY(obj >= window(a.objset, false));
            QVERIFY2(a.objend - 1 <= window(a.objset, true) && rom.at(a.objend - 1) == 0xFF,
                     qPrintable(QString::number(obj, 16)));
            QVERIFY(a.enm >= rom::enemydatarange.low);
            QVERIFY(a.enmend - 1 <= rom::enemydatarange.high && rom.at(a.enmend - 1) == 0xFF);
            QVERIFY(!a.records.empty());
        }
    }

    // Read back with the set's 4-byte table, every area gives exactly the
    // records it was written from: a length byte too many or too few would
    // shift the records after it.
    void fourbyterecords()
    {
        int fourbyte = 0;
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces()) {
            const demo::DemoArea *src = nullptr;
            for (const demo::DemoArea &d : demo::demoareas())
                if (QString::fromLatin1(d.name) == QString::fromLatin1(p.name))
                    src = &d;
            QVERIFY(src);
            const Area a = readarea(p.ref.objpos, p.ref.enmpos, p.objset);
            QCOMPARE(a.records.size(), src->objects.size());
            for (size_t i = 0; i < a.records.size(); ++i) {
                const demo::DemoObj &o = src->objects[i];
                const Record want = src->vertical ? Record{o.bank, (o.y / 15) * 16 + o.x, o.y % 15, o.type, o.len}
                                                  : Record{o.bank, o.x, o.y, o.type, o.len};
                QVERIFY2(a.records[i] == want, p.name);
                fourbyte += o.len >= 0;
            }
        }
        QVERIFY(fourbyte >= 10);
    }

    // Links lead to areas that link back.
    void links()
    {
        int linked = 0;
        for (const auto &[obj, a] : areas) {
            int64_t o, e;
            int s;
            if (!link(a, o, e, s))
                continue;
            ++linked;
            QVERIFY(areas.count(o));
            const Area &b = areas.at(o);
            QCOMPARE(b.enm, e);
            QCOMPARE(b.objset, s);
            int64_t bo, be;
            int bs;
            QVERIFY(link(b, bo, be, bs));
            QCOMPARE(bo, a.obj);
            QCOMPARE(be, a.enm);
            QCOMPARE(bs, a.objset);
        }
        QVERIFY(linked >= 6);
    }

    // Every object set 1..14 has an area a map pointer leads into, and
    // every demo area is reached from the maps.
    void reach()
    {
        std::set<int> sets;
        for (const auto &[obj, a] : areas)
            if (a.fromptr)
                sets.insert(a.objset);
        for (int s = 1; s <= 14; ++s)
            QVERIFY2(sets.count(s), qPrintable(QStringLiteral("set %1").arg(s)));
        QCOMPARE(areas.size(), demo::demoareaplaces().size());
    }

    // Set 7 reads its enemies from the fixed stream; the demo puts them there.
    void itemenemies()
    {
        int seen = 0;
        for (const auto &[obj, a] : areas) {
            if (a.objset == 7) {
                QCOMPARE(a.enm, int64_t(0xC043));
                ++seen;
            } else {
                QVERIFY(a.enmend <= 0xC043 || a.enm > 0xC043 + 64);
            }
        }
        QVERIFY(seen > 0);
        QVERIFY(rom.at(0xC044) != 0xFF); // at least one enemy
    }

    // No two areas share a byte of their streams.
    void nooverlap()
    {
        std::vector<std::pair<int64_t, int64_t>> objs, enms;
        for (const auto &[obj, a] : areas) {
            objs.push_back({a.obj, a.objend});
            enms.push_back({a.enm, a.enmend});
        }
        for (auto *list : {&objs, &enms}) {
            std::sort(list->begin(), list->end());
            for (size_t i = 1; i < list->size(); ++i)
                QVERIFY((*list)[i].first >= (*list)[i - 1].second);
        }
    }

    // Horizontal and vertical areas, and the objects that stretch down.
    void shapes()
    {
        bool vertical = false, horizontal = false;
        std::set<int> stretch;
        for (const auto &[obj, a] : areas) {
            (rom.at(obj + 6) & 0x10 ? vertical : horizontal) = true;
            for (const Record &r : a.records) {
                const int s = a.objset, b = r.bank, t = r.type;
                if ((s == 4 || s == 12) && b == 0 && t >= 0x60 && t <= 0x6F)
                    stretch.insert(4);
                if ((s == 6 || s == 8) && b == 3 && t >= 0x40 && t <= 0x4F)
                    stretch.insert(6);
                if ((s == 5 || s == 11) && b == 0 && t == 0x05)
                    stretch.insert(5);
                if (s == 9 && b == 0 && (t == 0x00 || t == 0x0C))
                    stretch.insert(9);
            }
        }
        QVERIFY(vertical && horizontal);
        QCOMPARE(stretch, (std::set<int>{4, 5, 6, 9}));
    }

    // Every tile a picture of the area's set uses is drawn in the area's
    // graphic set, so no object shows as an empty square.
    void tilesdrawn()
    {
        constexpr uint32_t unwritten = 0x12345678;
        for (const auto &[obj, a] : areas) {
            const int g = rom.at(obj + 7) & 0x1F;
            auto cells = std::make_unique<ObjCells>();
            std::fill(cells->cells.begin(), cells->cells.end(), unwritten);
            loadobjdefs(*cells, a.objset);
            std::set<int> tiles;
            for (uint32_t v : cells->cells)
                if (v != unwritten && v != emptycell)
                    for (int sh : {24, 16, 8, 0})
                        if (((v >> sh) & 0xFF) != 0xFF)
                            tiles.insert(int((v >> sh) & 0xFF));
            QStringList blank;
            for (int t : tiles)
                if (blanktile(g, t))
                    blank << QString::number(t, 16);
            QVERIFY2(blank.isEmpty(), qPrintable(QStringLiteral("graphic set %1: %2").arg(g).arg(blank.join(' '))));
        }
    }

    // Colour groups: set 0's record (the world map's) is left alone; the
    // others are NES colour numbers with a background in every group.
    void colours()
    {
        demo::RomImage blank;
        demo::putlevels(blank);
        for (int i = 0; i < rom::palrecord; ++i)
            QCOMPARE(int(blank.at(rom::palgroup(0, 0) + i)), 0);
        for (int s = 1; s <= 15; ++s)
            for (int i = 0; i < rom::palrecord; ++i)
                QVERIFY(rom.at(rom::palgroup(s, 0) + i) < 0x40);
        // Light and dark of each palette differ, so tiles show on their ground.
        for (const auto &[obj, a] : areas) {
            const int ps = a.objset == 14 ? 3 : a.objset;
            const int64_t g = rom::palgroup(ps, rom.at(obj + 5) & 7);
            for (int p = 0; p < 4; ++p)
                QVERIFY(rom.at(g + 4 * p + 1) != rom.at(g + 4 * p + 3));
        }
    }
};

QTEST_APPLESS_MAIN(TestDemoLevels)
#include "tst_demolevels.moc"

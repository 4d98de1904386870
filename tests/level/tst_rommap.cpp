#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "level/level.h"
#include "level/loadlevel.h"
#include "level/records.h"
#include "level/rommap.h"
#include "rom/rom.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "tables/objprops.h"
#include "worldmap/maprecords.h"

#include <QTest>
#include <random>
#include <set>
#include <tuple>

using namespace quib;

namespace {

ObjProps props4()
{
    ObjProps p;
    build4byte(p);
    return p;
}

// What holds for the map of any image: extents, rooms and free runs inside
// the image and their windows, rooms of 0xFF bytes that no other stream
// uses, free runs that no stream touches.
void checkbounds(const RomMap &map, const std::vector<uint8_t> &image)
{
    const int64_t size = int64_t(image.size());
    std::vector<int> users(image.size(), 0);
    for (const MapStream &s : map.streams) {
        QVERIFY(s.start >= 0 && s.start < s.end && s.end <= s.roomend && s.roomend <= size);
        for (int64_t p = s.start; p < s.end; ++p)
            ++users[size_t(p)];
    }
    for (const MapStream &s : map.streams) {
        if (s.window < 0) {
            QCOMPARE(s.roomend, s.end);
            continue;
        }
        const RomWindow &w = map.windows[size_t(s.window)];
        QVERIFY(s.start >= w.low && s.roomend <= std::max(s.end, w.high + 1));
        for (int64_t p = s.end; p < s.roomend; ++p)
            QVERIFY(image[size_t(p)] == 0xFF && users[size_t(p)] == 0);
    }
    for (const RomWindow &w : map.windows) {
        int64_t after = w.low;
        for (const FreeRun &r : w.free) {
            QVERIFY(r.start >= after && r.size >= minfreerun && r.start + r.size <= std::min(w.high + 1, size));
            for (int64_t p = r.start; p < r.start + r.size; ++p)
                QVERIFY(image[size_t(p)] == 0xFF && users[size_t(p)] == 0);
            after = r.start + r.size + 1;
        }
    }
}

struct Ptr {
    int world, row, col, objset;
    int64_t objpos, enmpos;
};

// Map pointer tables of the given pointers, world by world.
void putpointers(demo::RomImage &img, const std::vector<Ptr> &ptrs)
{
    for (int world = 1; world <= 9; ++world) {
        std::vector<Ptr> mine;
        for (const Ptr &p : ptrs)
            if (p.world == world)
                mine.push_back(p);
        const int64_t base = rom::mapptrpos_of(world);
        const int n = int(mine.size());
        img.put(base, uint8_t(n));
        for (int i = 0; i < n; ++i) {
            MapPtr m;
            m.row = uint8_t(mine[size_t(i)].row);
            m.col = uint8_t(mine[size_t(i)].col);
            m.objset = uint8_t(mine[size_t(i)].objset);
            m.objpos = int32_t(mine[size_t(i)].objpos);
            m.enmpos = int32_t(mine[size_t(i)].enmpos);
            const PtrBytes b = encodeptr(m);
            img.put(ptrrowpos(base, n, i), b.rowset);
            img.put(ptrcolpos(base, n, i), b.col);
            img.putword(ptrenmpos_at(base, n, i), b.enmword);
            img.putword(ptrobjpos_at(base, n, i), b.objword);
        }
    }
}

// An area's object stream: a header linking to (objpos, enmpos, objset), or
// nowhere when objpos is 0, and the records.
void putarea(demo::RomImage &img, int64_t at, const std::vector<uint8_t> &records, int64_t linkobj = 0,
             int64_t linkenm = 0, int linkset = 0)
{
    LevelHeader h{};
    if (linkobj != 0)
        sethdrlink(h, {rom::offsettoptr(linkobj, rom::objadder(linkset)), rom::offsettoptr(linkenm, rom::enemydataadder),
                       linkset});
    img.putbytes(at, std::vector<uint8_t>(h.begin(), h.end()));
    img.putbytes(at + hdrsize, records);
}

} // namespace

class TestRomMap : public QObject {
    Q_OBJECT
    const ObjProps props = props4();

private slots:
    // Every area the editor can open from a map pointer of worlds 1..8 or
    // through header links, read by the loader itself: each of its streams
    // is in the map, ending where the loader stopped reading, and the map
    // holds no other stream. The demo ROM leaves free runs of a few hundred
    // bytes in every window and room to grow after some areas.
    void demostreams()
    {
        std::vector<uint8_t> image = demo::builddemorom().bytes();
        const RomMap map = buildrommap(image, props);
        checkbounds(map, image);
        QVERIFY(!map.cut);

        using Area = std::tuple<int32_t, int32_t, int32_t>; // objects, enemies, object set
        std::vector<Area> todo;
        const Rom romimage(image);
        {
            RomFile rom(romimage);
            for (int w = 1; w <= 8; ++w) {
                const int64_t base = rom::mapptrpos_of(w);
                const int n = ptrcountof(rom.readbyte(base));
                for (int i = 0; i < n; ++i) {
                    const MapPtr p = decodeptr(readptrbytes(rom, base, n, i));
                    todo.emplace_back(p.objpos, p.enmpos, p.objset);
                }
            }
        }
        std::set<Area> seen;
        std::set<std::pair<int64_t, int>> streams; // start, object set or -1 for enemies
        while (!todo.empty()) {
            const Area a = todo.back();
            todo.pop_back();
            if (!seen.insert(a).second)
                continue;
            Level lvl;
            std::tie(lvl.lvlobjpos, lvl.lvlenmpos, lvl.lvlobjset) = a;
            if (lvl.lvlobjset == 7)
                lvl.lvlenmpos = int32_t(rom::objset7enemies);
            RomFile rom(romimage);
            readobjects(lvl, rom, props);
            readenemies(lvl, rom);
            int64_t end = lvl.lvlobjpos + hdrsize + (lvl.objcount < maxrecords ? 1 : 0);
            for (int i = 0; i < lvl.objcount; ++i)
                end += lvl.objraw[size_t(i)].size;
            const MapStream *objs = findobjstream(map, lvl.lvlobjpos, lvl.lvlobjset);
            QVERIFY(objs);
            QCOMPARE(objs->end, end);
            QCOMPARE(objs->window, objwindow(map, lvl.lvlobjset));
            streams.insert({lvl.lvlobjpos, lvl.lvlobjset});
            if (lvl.lvlobjset != 0) {
                const MapStream *enms = findenemystream(map, lvl.lvlenmpos);
                QVERIFY(enms);
                QCOMPARE(enms->end, lvl.lvlenmpos + 1 + 3 * lvl.enemycount + (lvl.enemycount < maxrecords ? 1 : 0));
                QCOMPARE(enms->fixed, lvl.lvlobjset == 7);
                streams.insert({lvl.lvlenmpos, -1});
            }
            const LinkedArea link = linkedarea(lvl);
            if (link.haslink)
                todo.emplace_back(link.objpos, link.enmpos, link.objset);
        }
        QCOMPARE(map.streams.size(), streams.size());
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            QVERIFY2(findobjstream(map, p.ref.objpos, p.objset), p.name);

        int grow = 0;
        for (const MapStream &s : map.streams)
            grow += s.room() > s.used() ? 1 : 0;
        QVERIFY(grow >= int(map.windows.size()));
        for (int w = 0; w < int(map.windows.size()); ++w) {
            const FreeRun big = largestfreerun(map, w);
            QVERIFY2(big.size >= 256, qPrintable(QString::number(map.windows[size_t(w)].low, 16)));
            QCOMPARE(findfreerun(map, w, big.size)->size, big.size);
            QVERIFY(!findfreerun(map, w, big.size + 1));
        }
    }

    // Two map pointers and a header lead to one area: all three are listed,
    // for its objects and its enemies. Its room stops at the next area,
    // which is of another object set in the same bank window; a room stops at
    // its window's end too. Object set 7's areas
    // read the fixed enemy stream, whatever their pointer says.
    void sharedarea()
    {
        demo::RomImage img(rom::imagesize, 0x00);
        const int64_t a = 0x22010, b = 0x22030, enma = 0xC200, enmb = 0xC207;
        const int64_t c = 0x28000, item = 0x24010; // c: set 5, near its window's end
        putarea(img, a, {0x01, 0x04, 0x10, 0x05, 0xFF}); // a 4-byte object of set 4
        img.putbytes(a + hdrsize + 5, std::vector<uint8_t>(size_t(b - a - hdrsize - 5), 0xFF));
        putarea(img, b, {0x22, 0x05, 0x11, 0xFF}, a, enma, 4);
        // The room of a's enemies ends where b's, with a leading byte of 0xFF, begin.
        img.putbytes(enma, {0x01, 0x30, 0x04, 0x10, 0xFF, 0xFF, 0xFF});
        img.putbytes(enmb, {0xFF, 0xFF});
        putarea(img, c, {0xFF});
        img.putbytes(c + hdrsize + 1, std::vector<uint8_t>(0x20, 0xFF));
        putarea(img, item, {0xFF});
        img.putbytes(rom::objset7enemies, {0x01, 0xFF});
        putpointers(img, {{1, 2, 0x05, 4, a, enma}, {1, 4, 0x17, 4, a, enma}, {3, 0, 0x22, 12, b, enmb},
                          {5, 1, 0x01, 5, c, enmb}, {9, 1, 0x01, 4, 0x22010, 0xC300}, {8, 3, 0x03, 7, item, enma}});
        const std::vector<uint8_t> image = img.bytes();
        const RomMap map = buildrommap(image, props);
        checkbounds(map, image);

        const std::vector<StreamLink> froma = {
            {StreamLink::MapPointer, 1, 0, 2, 0x05, 0},
            {StreamLink::MapPointer, 1, 1, 4, 0x17, 0},
            {StreamLink::AreaHeader, 0, 0, 0, 0, b},
        };
        const MapStream *objs = findobjstream(map, a, 4);
        QVERIFY(objs);
        QCOMPARE(objs->from, froma);
        QCOMPARE(objs->used(), int64_t(hdrsize + 5));
        QCOMPARE(objs->roomend, b);
        const MapStream *enms = findenemystream(map, enma);
        QVERIFY(enms);
        QCOMPARE(enms->from, froma);
        QCOMPARE(enms->used(), int64_t(5));
        QCOMPARE(enms->room(), int64_t(7));
        QCOMPARE(findobjstream(map, b, 12)->from.size(), size_t(1));
        QCOMPARE(findobjstream(map, c, 5)->roomend, int64_t(0x28010));
        QVERIFY(findobjstream(map, item, 7));
        const MapStream *fixed = findenemystream(map, rom::objset7enemies);
        QVERIFY(fixed && fixed->fixed && fixed->from.empty());
        // The warp pointer of world 9 leads nowhere; nothing else is there.
        QVERIFY(!findenemystream(map, 0xC300));
        QCOMPARE(map.streams.size(), size_t(7));
    }

    // Damaged images: the map is built at once and stays inside the image.
    void damaged_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("0xFF everywhere") << 0;
        QTest::newRow("header links in a cycle") << 1;
        QTest::newRow("pointers outside the windows") << 2;
        QTest::newRow("cut inside a header") << 3;
        QTest::newRow("random bytes") << 4;
    }
    void damaged()
    {
        QFETCH(int, kind);
        std::vector<uint8_t> image = demo::builddemorom().bytes();
        const std::vector<demo::DemoAreaPlace> places = demo::demoareaplaces();
        const int64_t first = places.front().ref.objpos;
        switch (kind) {
        case 0:
            std::fill(image.begin(), image.end(), uint8_t(0xFF));
            break;
        case 1: {
            // Every area links to the first, and the first to itself.
            for (const demo::DemoAreaPlace &p : places) {
                const uint16_t w = rom::offsettoptr(first, rom::objadder(places.front().objset));
                image[size_t(p.ref.objpos)] = uint8_t(w & 0xFF);
                image[size_t(p.ref.objpos + 1)] = uint8_t(w >> 8);
                image[size_t(p.ref.objpos + 6)] = uint8_t((image[size_t(p.ref.objpos + 6)] & 0xF0) | places.front().objset);
            }
            break;
        }
        case 2:
            for (int64_t p = rom::mapptrpos_of(1) + 1; p < rom::mapptrpos_of(9); ++p)
                image[size_t(p)] = uint8_t(p * 7);
            break;
        case 3:
            image.resize(size_t(first + 5));
            break;
        case 4: {
            std::mt19937 rng(17);
            for (uint8_t &b : image)
                b = uint8_t(rng());
            break;
        }
        }
        const RomMap map = buildrommap(image, props);
        checkbounds(map, image);
        if (kind == 1)
            QCOMPARE(findobjstream(map, first, places.front().objset)->from.back().kind, StreamLink::AreaHeader);
    }
};

QTEST_GUILESS_MAIN(TestRomMap)
#include "tst_rommap.moc"

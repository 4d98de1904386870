#include "demorom/demorom.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "worldmap/loadmap.h"
#include "worldmap/worldmap.h"

#include "../../fuzz/romdriver.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using namespace quib;

namespace {

struct Range {
    int64_t start, length;
};

// Where the demo ROM keeps what the editor reads: the fixed tables and the
// streams of every level area its map pointers lead to.
std::vector<Range> readranges(std::vector<uint8_t> &image)
{
    std::vector<Range> ranges = {
        {rom::mapspriteptrs, 16 * (rom::mapspritefields + 1)},
        {demo::spritetables, 8 * rom::mapspritefields * rom::mapspritecount},
        {rom::palettetable, 16 * rom::palrecord},
        {rom::mappalettepos(1), 9},
        {rom::startpointpos(1), 9},
        {rom::objset7enemies, 32},
    };
    const Rom whole(image);
    const RomFile rom(whole);
    for (int w = 1; w <= rom::worldcount; ++w) {
        WorldMap map;
        ranges.push_back({rom::mapdatapos_of(w), readmaptiles(map, rom, w)});
        readmapptrs(map, rom, w);
        ranges.push_back({rom::mapptrpos_of(w), 1 + 6 * map.ptrcount});
        for (int p = 0; p < map.ptrcount; ++p) {
            ranges.push_back({map.ptrobjpos[size_t(p)], 48});
            ranges.push_back({map.ptrenmpos[size_t(p)], 24});
        }
    }
    return ranges;
}

} // namespace

// Mutations of the demo ROM through the fuzzing driver: every world, area,
// linked area and save of each image must finish, quickly, without touching
// anything outside the editor's tables (the sanitizer build sees that).
class TestRomDriver : public QObject {
    Q_OBJECT
    std::vector<uint8_t> demo = demo::builddemorom().bytes();
    fuzz::DriverLimits limits;
    qint64 slowestms = 0;

    void run(const std::vector<uint8_t> &image)
    {
        QElapsedTimer t;
        t.start();
        const fuzz::DriverCounts counts = fuzz::runimage(image.data(), image.size(), limits);
        slowestms = std::max(slowestms, t.elapsed());
        QCOMPARE(counts.worlds, 9);
    }

private slots:
    void initTestCase()
    {
        limits.areas = 12;
        limits.linkedsteps = 2;
    }

    void unchanged()
    {
        const fuzz::DriverCounts counts = fuzz::runimage(demo.data(), demo.size());
        QCOMPARE(counts.worlds, 9);
        QVERIFY(counts.areas >= 9);
        QCOMPARE(counts.saves, counts.worlds + counts.areas);
    }

    void mutations()
    {
        QRandomGenerator rng(20240611);
        const std::vector<Range> ranges = readranges(demo);
        auto anywhere = [&](const Range &r) { return r.start + int64_t(rng.bounded(quint32(std::max<int64_t>(r.length, 1)))); };
        auto pick = [&]() -> const Range & { return ranges[rng.bounded(quint32(ranges.size()))]; };
        int images = 0;
        // Flipped bytes where the editor reads.
        for (int k = 0; k < 400; ++k, ++images) {
            std::vector<uint8_t> image = demo;
            for (int n = 1 + int(rng.bounded(4)); n > 0; --n)
                image[size_t(anywhere(pick()))] ^= uint8_t(1 + rng.bounded(255));
            run(image);
        }
        // Runs of 0x00 or 0xFF over the tables and streams.
        for (int k = 0; k < 400; ++k, ++images) {
            std::vector<uint8_t> image = demo;
            const Range &r = pick();
            const int64_t from = anywhere(r);
            const int64_t length = 1 + rng.bounded(quint32(std::min<int64_t>(r.length, 64)));
            std::fill_n(image.begin() + from, length, uint8_t(k % 2 ? 0xFF : 0x00));
            run(image);
        }
        // Cut short: inside what the editor reads, and anywhere.
        for (int k = 0; k < 200; ++k, ++images) {
            const int64_t size = k % 2 ? anywhere(pick()) : 1 + rng.bounded(quint32(demo.size()));
            run(std::vector<uint8_t>(demo.begin(), demo.begin() + size));
        }
        qInfo("%d images, the slowest took %lld ms", images, slowestms);
        QVERIFY2(slowestms < 2000, "an image took over two seconds");
    }
};

QTEST_GUILESS_MAIN(TestRomDriver)
#include "tst_romdriver.moc"

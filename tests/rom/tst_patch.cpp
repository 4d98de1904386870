#include "rom/patch.h"
#include "rom/patchfile.h"
#include "testutil.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <random>

using namespace quib;
using Bytes = std::vector<uint8_t>;

namespace {

// ---- Plain appliers written from the formats' definitions alone --------

uint32_t plaincrc(const uint8_t *p, size_t n)
{
    uint32_t c = 0xFFFFFFFF;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    return ~c;
}

// Also collects the offsets its records start at.
Bytes plainips(const Bytes &patch, Bytes file, std::vector<size_t> *starts)
{
    size_t p = 5;
    auto be = [&](int n) {
        size_t v = 0;
        while (n--)
            v = v * 256 + patch.at(p++);
        return v;
    };
    for (;;) {
        if (patch.at(p) == 'E' && patch.at(p + 1) == 'O' && patch.at(p + 2) == 'F') {
            p += 3;
            break;
        }
        const size_t offset = be(3), size = be(2);
        starts->push_back(offset);
        if (size == 0) {
            const size_t count = be(2);
            const uint8_t v = patch.at(p++);
            if (file.size() < offset + count)
                file.resize(offset + count);
            for (size_t i = 0; i < count; ++i)
                file[offset + i] = v;
        } else {
            if (file.size() < offset + size)
                file.resize(offset + size);
            for (size_t i = 0; i < size; ++i)
                file[offset + i] = patch.at(p++);
        }
    }
    if (p + 3 == patch.size())
        file.resize(be(3));
    return file;
}

// Empty when a checksum is wrong.
Bytes plainbps(const Bytes &patch, const Bytes &source)
{
    size_t p = 4;
    auto number = [&] {
        uint64_t x = 0, shift = 1;
        for (;;) {
            const uint8_t b = patch.at(p++);
            x += (b & 0x7F) * shift;
            if (b & 0x80)
                return x;
            shift <<= 7;
            x += shift;
        }
    };
    auto le = [&](size_t at) {
        return uint32_t(patch[at]) | patch[at + 1] << 8 | patch[at + 2] << 16 | uint32_t(patch[at + 3]) << 24;
    };
    const size_t end = patch.size() - 12;
    if (number() != source.size())
        return {};
    Bytes out(number());
    p += number();
    size_t at = 0, spos = 0, tpos = 0;
    while (p < end) {
        const uint64_t n = number(), length = (n >> 2) + 1;
        for (uint64_t i = 0; i < length; ++i, ++at) {
            if ((n & 3) == 0)
                out.at(at) = source.at(at);
            else if ((n & 3) == 1)
                out.at(at) = patch.at(p++);
            if ((n & 3) >= 2 && i == 0) {
                const uint64_t d = number();
                size_t &pos = (n & 3) == 2 ? spos : tpos;
                pos = (d & 1) ? pos - (d >> 1) : pos + (d >> 1);
            }
            if ((n & 3) == 2)
                out.at(at) = source.at(spos++);
            else if ((n & 3) == 3)
                out.at(at) = out.at(tpos++);
        }
    }
    if (at != out.size() || plaincrc(source.data(), source.size()) != le(end) ||
        plaincrc(out.data(), out.size()) != le(end + 4) || plaincrc(patch.data(), patch.size() - 4) != le(end + 8))
        return {};
    return out;
}

// ---- Made-up images ----------------------------------------------------

Bytes noise(size_t size, unsigned seed)
{
    std::mt19937 r(seed);
    Bytes b(size);
    for (auto &v : b)
        v = uint8_t(r());
    return b;
}

// About one byte in a hundred changed, as edits of a ROM change them: short
// stretches of new bytes and runs of one value.
Bytes edited(Bytes b, unsigned seed)
{
    std::mt19937 r(seed);
    for (size_t at = 0; at + 64 < b.size(); at += 200 + r() % 1000) {
        const size_t n = 1 + r() % 12;
        const bool run = r() % 3 == 0;
        const uint8_t v = uint8_t(r());
        for (size_t i = 0; i < n * (run ? 3 : 1); ++i)
            b[at + i] = run ? v : uint8_t(r());
    }
    return b;
}

Bytes bytes(const char *text, size_t n) { return Bytes(text, text + n); }

QByteArray qbytes(const Bytes &b) { return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size())); }

} // namespace

class TestPatch : public QObject {
    Q_OBJECT

private slots:
    // Both formats, made by the editor, turn the source into the target in
    // the editor and in the plain appliers above.
    void roundtrip_data()
    {
        QTest::addColumn<Bytes>("source");
        QTest::addColumn<Bytes>("target");
        const Bytes rom = noise(0x8000, 1);
        QTest::newRow("stretches and runs") << rom << edited(rom, 2);
        QTest::newRow("identical") << rom << rom;
        QTest::newRow("both empty") << Bytes{} << Bytes{};
        QTest::newRow("from nothing") << Bytes{} << edited(rom, 3);
        Bytes longer = edited(rom, 4);
        longer.resize(rom.size() + 3000, 0xEA);
        QTest::newRow("longer, run at the end") << rom << longer;
        QTest::newRow("shorter") << rom << Bytes(rom.begin(), rom.begin() + 0x5000);
        Bytes big = rom;
        std::fill(big.begin() + 100, big.begin() + 20100, 0x00);
        big.insert(big.end(), 70000, 0x55);
        const Bytes tail = noise(97232, 11);
        big.insert(big.end(), tail.begin(), tail.end());
        QTest::newRow("runs and stretches past 0xFFFF") << rom << big;
        Bytes wide = noise(200000, 5);
        QTest::newRow("all new") << rom << wide;
        // A block moved, one inserted: the rest is found elsewhere in the source.
        Bytes moved(rom.begin() + 0x4000, rom.end());
        moved.insert(moved.end(), rom.begin(), rom.begin() + 0x4000);
        moved.insert(moved.begin() + 0x123, {1, 2, 3});
        QTest::newRow("moved and shifted") << rom << moved;
        // Offset 0x454F46 reads as "EOF": changes there, a run from there,
        // and a target that first exists there.
        const size_t eof = 0x454F46;
        const Bytes large = noise(eof + 0x100, 6);
        for (int start : {0, -1, -3}) {
            Bytes t = large;
            for (int i = 0; i < 4; ++i)
                t[size_t(int(eof) + start + i)] ^= 0xFF;
            QTest::newRow(qPrintable(QStringLiteral("changed from 0x454F46%1").arg(start))) << large << t;
        }
        Bytes run = large;
        std::fill(run.begin() + eof, run.begin() + eof + 40, 0xEE);
        QTest::newRow("run from 0x454F46") << large << run;
        QTest::newRow("grows past 0x454F46") << Bytes(large.begin(), large.begin() + eof) << large;
    }
    void roundtrip()
    {
        QFETCH(Bytes, source);
        QFETCH(Bytes, target);
        QString error;
        const auto ips = createips(source, target, &error);
        QVERIFY2(ips, qPrintable(error));
        std::vector<size_t> starts;
        QVERIFY(plainips(*ips, source, &starts) == target);
        QVERIFY(std::find(starts.begin(), starts.end(), size_t(0x454F46)) == starts.end());
        const auto ownips = applypatch(*ips, source, &error);
        QVERIFY2(ownips && *ownips == target, qPrintable(error));

        const Bytes bps = createbps(source, target);
        QVERIFY(plainbps(bps, source) == target);
        const auto ownbps = applypatch(bps, source, &error);
        QVERIFY2(ownbps && *ownbps == target, qPrintable(error));
        if (source == target) {
            QCOMPARE(qbytes(*ips), QByteArray("PATCHEOF"));
            QVERIFY(bps.size() <= 32); // the header, one SourceRead, the checksums
        }
        // Checksums aside, BPS costs less per change than IPS.
        if (target.size() == source.size() && ips->size() > 1000)
            QVERIFY2(bps.size() <= ips->size(), qPrintable(QStringLiteral("%1 > %2").arg(bps.size()).arg(ips->size())));
    }

    // Patches written byte by byte, as other tools write them.
    void handmade()
    {
        const Bytes source = bytes("abcdefghij", 10);
        QString error;
        // A record, a run of five, growth past the end, then truncation to 12.
        const Bytes ips = bytes("PATCH\0\0\1\0\2XY\0\0\4\0\0\0\5Z\0\0\x0a\0\3\1\2\3EOF\0\0\x0c", 34);
        const auto a = applypatch(ips, source, &error);
        QVERIFY2(a, qPrintable(error));
        QCOMPARE(qbytes(*a), QByteArray("aXYdZZZZZj\1\2"));

        // SourceRead 2, TargetRead "QQ", TargetCopy 3 from offset 2, SourceCopy
        // 4 from offset 6, SourceCopy 2 from offset 1 (a negative delta).
        Bytes bps = bytes("BPS1\x8a\x8d\x80", 7);
        for (uint8_t b : {uint8_t(0x80 | 1 << 2 | 0), uint8_t(0x80 | 1 << 2 | 1), uint8_t('Q'), uint8_t('Q'),
                          uint8_t(0x80 | 2 << 2 | 3), uint8_t(0x80 | 2 << 1), uint8_t(0x80 | 3 << 2 | 2),
                          uint8_t(0x80 | 6 << 1), uint8_t(0x80 | 1 << 2 | 2), uint8_t(0x80 | 9 << 1 | 1)})
            bps.push_back(b);
        const Bytes want = bytes("abQQQQQghijbc", 13);
        auto le = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i)
                bps.push_back(uint8_t(v >> (8 * i)));
        };
        le(plaincrc(source.data(), source.size()));
        le(plaincrc(want.data(), want.size()));
        le(plaincrc(bps.data(), bps.size()));
        const auto b = applypatch(bps, source, &error);
        QVERIFY2(b, qPrintable(error));
        QCOMPARE(qbytes(*b), qbytes(want));
    }

    // Damaged, cut-short and wrong-source patches give nothing and a reason.
    void refused_data()
    {
        QTest::addColumn<Bytes>("patch");
        QTest::addColumn<Bytes>("source");
        QTest::addColumn<QString>("reason");
        const Bytes rom = noise(5000, 7), mod = edited(rom, 8);
        const Bytes ips = *createips(rom, mod, nullptr), bps = createbps(rom, mod);
        QTest::newRow("empty") << Bytes{} << rom << "empty";
        QTest::newRow("other format") << bytes("UPS1\0\0", 6) << rom << "not an IPS or BPS";
        QTest::newRow("ips without EOF") << Bytes(ips.begin(), ips.end() - 3) << rom << "cut short";
        QTest::newRow("ips cut in a record") << Bytes(ips.begin(), ips.begin() + 12) << rom << "cut short";
        Bytes stray = ips;
        stray.push_back(0);
        QTest::newRow("ips stray byte") << stray << rom << "stray";
        QTest::newRow("bps cut short") << Bytes(bps.begin(), bps.end() - 1) << rom << "checksum";
        QTest::newRow("bps header only") << Bytes(bps.begin(), bps.begin() + 6) << rom << "cut short";
        Bytes flipped = bps;
        flipped[flipped.size() / 2] ^= 0x10;
        QTest::newRow("bps damaged") << flipped << rom << "damaged";
        Bytes other = rom;
        other[4000] ^= 1;
        QTest::newRow("bps other source") << bps << other << "different file";
        QTest::newRow("bps other size") << bps << Bytes(rom.begin(), rom.end() - 1) << "not this one";
        // Checksums right, actions wrong: a SourceRead past the source.
        Bytes reach = bytes("BPS1\x82\x8a\x80\xa4", 8);
        const Bytes src = bytes("ab", 2), none;
        auto le = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i)
                reach.push_back(uint8_t(v >> (8 * i)));
        };
        le(plaincrc(src.data(), 2));
        le(0);
        le(plaincrc(reach.data(), reach.size()));
        QTest::newRow("bps reaches outside") << reach << src << "outside";
    }
    void refused()
    {
        QFETCH(Bytes, patch);
        QFETCH(Bytes, source);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!applypatch(patch, source, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(!error.contains(QLatin1Char('\n')));
    }

    // Through the files: whole-file comparisons, and a patch that does not
    // apply, or would overwrite its inputs, writes nothing.
    void files()
    {
        QTemporaryDir dir;
        auto path = [&](const char *name) { return dir.filePath(QLatin1String(name)); };
        const Bytes rom = noise(393232, 9), mod = edited(rom, 10);
        QVERIFY(testutil::writefile(path("orig.nes"), qbytes(rom)));
        QVERIFY(testutil::writefile(path("mod.nes"), qbytes(mod)));
        QString error;
        for (const char *name : {"fix.IPS", "fix.bps", "fix"}) {
            QVERIFY2(createpatchfile(path("orig.nes"), path("mod.nes"), path(name), &error), qPrintable(error));
            QCOMPARE(testutil::readfile(path(name)).left(4), QByteArray(name[4] == 'I' ? "PATC" : "BPS1"));
            QVERIFY2(applypatchfile(path(name), path("orig.nes"), path("out.nes"), &error), qPrintable(error));
            QCOMPARE(testutil::readfile(path("out.nes")), qbytes(mod));
            QVERIFY(QFile::remove(path("out.nes")));
        }
        QVERIFY(!applypatchfile(path("fix.bps"), path("mod.nes"), path("out.nes"), &error));
        QVERIFY(error.contains(QStringLiteral("different file")));
        QVERIFY(!applypatchfile(path("fix.bps"), path("orig.nes"), path("orig.nes"), &error));
        QVERIFY(!applypatchfile(path("fix.bps"), path("orig.nes"), path("fix.bps"), &error));
        QVERIFY(!createpatchfile(path("orig.nes"), path("mod.nes"), path("mod.nes"), &error));
        QVERIFY(!applypatchfile(path("missing.bps"), path("orig.nes"), path("out.nes"), &error));
        QVERIFY(error.contains(QStringLiteral("missing.bps")));
        QVERIFY(!applypatchfile(path("fix.bps"), path("orig.nes"), path("no/out.nes"), &error));
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        QCOMPARE(left, QStringList({"fix", "fix.IPS", "fix.bps", "mod.nes", "orig.nes"}));
        QCOMPARE(testutil::readfile(path("orig.nes")), qbytes(rom));
        QCOMPARE(testutil::readfile(path("mod.nes")), qbytes(mod));
    }
};

QTEST_MAIN(TestPatch)
#include "tst_patch.moc"

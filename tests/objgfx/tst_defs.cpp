#include "objgfx/objcells.h"

#include <QTest>
#include <memory>

using namespace quib;

Q_DECLARE_METATYPE(uint32_t)

namespace {

constexpr uint32_t unwritten = 0x12345678; // a value no definition writes

std::unique_ptr<ObjCells> marked()
{
    auto c = std::make_unique<ObjCells>();
    std::fill(c->cells.begin(), c->cells.end(), unwritten);
    return c;
}

struct Range {
    int bank, first, last;
};

bool inranges(const std::vector<Range> &ranges, int b, int t)
{
    for (const Range &r : ranges)
        if (r.bank == b && t >= r.first && t <= r.last)
            return true;
    return false;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Range>)

// The pictures of the common objects and of the seven families: the cells
// the ROM format fixes, what each family may write, and how loading one set
// after another keeps what the later set leaves alone.
class TestDefs : public QObject {
    Q_OBJECT

private slots:
    // ---- commondefs, cell for cell --------------------------------------
    void common_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<uint32_t>("value");
        auto row = [](const char *name, int b, int f, int l, int r, int c, uint32_t v) {
            QTest::newRow(name) << b << f << l << r << c << v;
        };
        row("1:00-04", 1, 0x00, 0x04, 0, 0, 0x989A999B);
        row("1:05", 1, 0x05, 0x05, 0, 0, 0x92CA93CB);
        row("1:06-0D", 1, 0x06, 0x0D, 0, 0, 0xB4B6B5B7);
        row("1:10 run end", 1, 0x10, 0x1F, 0, 15, 0xB4B6B5B7);
        row("1:20 run", 1, 0x20, 0x2F, 0, 7, 0x989A999B);
        row("1:30 run", 1, 0x30, 0x3F, 0, 0, 0xB4B6B5B7);
        row("1:40 run", 1, 0x40, 0x4F, 0, 15, 0xC0C2C1C3);
        row("1:50 run", 1, 0x50, 0x5F, 0, 3, 0xB8BAB9BB);
        row("1:60 run", 1, 0x60, 0x6F, 0, 15, 0xB8BAB9BB);
        row("1:70 run", 1, 0x70, 0x7F, 0, 0, 0xC0C2C1C3);
        row("1:80 run", 1, 0x80, 0x8F, 0, 15, 0xDCDEDDDF);
        row("1:90 rim left", 1, 0x90, 0xBF, 0, 0, 0x8C8D9C9D);
        row("1:90 rim right", 1, 0x90, 0xBF, 0, 1, 0x8E8F9E9F);
        row("1:90 body left", 1, 0x90, 0xBF, 15, 0, 0xACADACAD);
        row("1:90 body right", 1, 0x90, 0xBF, 1, 1, 0xAEAFAEAF);
        row("1:E0 mouth top", 1, 0xE0, 0xFF, 0, 0, 0x74787579);
        row("1:E0 mouth bottom", 1, 0xE0, 0xFF, 1, 0, 0x767A777B);
        row("1:E0 body top", 1, 0xE0, 0xFF, 0, 15, 0x70707171);
        row("1:E0 body bottom", 1, 0xE0, 0xFF, 1, 1, 0x72727373);
        row("2:01-03", 2, 0x01, 0x03, 0, 0, 0xB8BAB9BB);
        row("2:07", 2, 0x07, 0x07, 0, 0, 0xB8BAB9BB);
        row("2:04-06", 2, 0x04, 0x06, 0, 0, 0xC0C2C1C3);
        row("2:08", 2, 0x08, 0x08, 0, 0, 0xE0E2E1E3);
        row("2:09 edge top", 2, 0x09, 0x09, 0, 0, 0x3AFC3BFC);
        row("2:09 edge bottom", 2, 0x09, 0x09, 25, 0, 0x3AFC3BFC);
        row("2:09 fill", 2, 0x09, 0x09, 25, 19, 0xFCFCFCFC);
        row("2:30 head", 2, 0x30, 0x3F, 0, 0, 0xA4A6A5A7);
        row("2:30 joint", 2, 0x30, 0x3F, 1, 0, 0xECEEEDEF);
        row("2:30 stalk", 2, 0x30, 0x3F, 15, 0, 0xE4E5E4E5);
        row("2:40 run", 2, 0x40, 0x4F, 0, 15, 0xC8C8C9C9);
        row("2:50 run", 2, 0x50, 0x5F, 0, 0, 0xDCDEDDDF);
        row("2:E0 run", 2, 0xE0, 0xEF, 0, 15, 0xBCBEBDBF);
        row("2:F0 body", 2, 0xF8, 0xFF, 7, 1, 0xAEAFAEAF);
        row("2:F0 top rim", 2, 0xF0, 0xFF, 0, 0, 0x8C8D9C9D);
        row("2:60 top", 2, 0x60, 0x6F, 0, 2, 0xAAAAABAB);
        row("2:60 rest", 2, 0x60, 0x6F, 2, 0, 0xABABABAB);
        row("2:70 top", 2, 0x70, 0x7F, 0, 1, 0xC5C5FEFE);
        row("2:80 top", 2, 0x80, 0x8F, 0, 0, 0xC7C7FEFE);
        row("2:90 rest", 2, 0x90, 0x9F, 1, 2, 0xFEFEFEFE);
        row("2:A0 top", 2, 0xA0, 0xAF, 0, 0, 0xB3B3CDCF);
        row("2:A0 rest", 2, 0xA0, 0xAF, 2, 1, 0xCCCECDCF);
        row("2:B0 all rows", 2, 0xB0, 0xBF, 1, 1, 0x0E676465);
        row("2:C0 top", 2, 0xC0, 0xCF, 0, 2, 0xD5D5B2B2);
        row("2:C0 rest", 2, 0xC0, 0xCF, 1, 0, 0xB2B2B2B2);
        row("2:D0 top", 2, 0xD0, 0xDF, 0, 0, 0x3C37373C);
        row("2:D0 rest", 2, 0xD0, 0xDF, 2, 2, 0x3C371634);
    }

    void common()
    {
        QFETCH(int, bank);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(uint32_t, value);
        auto c = marked();
        commondefs(*c);
        for (int t = first; t <= last; ++t)
            QCOMPARE(c->at(bank, t, row, col), value);
    }

    // The capped forms put their cap where the type's size says, over the run.
    void commoncaps()
    {
        auto c = marked();
        commondefs(*c);
        for (int n = 0; n < 16; ++n) {
            // 1:C0..DF hang down with the rim at row n, body above it.
            for (int t : {0xC0 + n, 0xD0 + n}) {
                QCOMPARE(c->at(1, t, n, 0), 0x8C8D9C9Du);
                QCOMPARE(c->at(1, t, n, 1), 0x8E8F9E9Fu);
                if (n > 0)
                    QCOMPARE(c->at(1, t, n - 1, 0), 0xACADACADu);
            }
            // 2:10..2F: the mouth at column n; type 0x10 shows only the mouth.
            for (int t : {0x10 + n, 0x20 + n}) {
                QCOMPARE(c->at(2, t, 0, n), 0x74787579u);
                QCOMPARE(c->at(2, t, 1, n), 0x767A777Bu);
                if (n > 0)
                    QCOMPARE(c->at(2, t, 1, n - 1), 0x72727373u);
            }
            // 2:F0..FF: rims at both ends.
            QCOMPARE(c->at(2, 0xF0 + n, n, 1), 0x8E8F9E9Fu);
            QCOMPARE(c->at(2, 0xF0 + n, 0, 1), 0x8E8F9E9Fu);
        }
        QCOMPARE(c->at(1, 0xC5, 15, 0), unwritten); // nothing below row 14 but a rim at 15
        QCOMPARE(c->at(2, 0x30, 16, 0), unwritten); // the stalk ends at row 15
    }

    // Banks 0 and 3..6 belong to the families.
    void commonbanks()
    {
        auto c = marked();
        commondefs(*c);
        for (int b : {0, 3, 4, 5, 6})
            for (int t = 0; t < 256; ++t)
                for (int r = 0; r < ObjCells::rows; ++r)
                    for (int col = 0; col < ObjCells::cols; ++col)
                        QCOMPARE(c->at(b, t, r, col), unwritten);
    }

    // ---- family 1's given pictures ---------------------------------------
    void familyoneexamples()
    {
        auto c = marked();
        loadobjdefs(*c, 1);
        const uint32_t E = emptycell;
        const uint32_t hill[3][4] = {
            {E, 0x68696C0F, 0x6A6B0F6D, E},
            {E, 0x6E0F6E0F, 0x1A1B1E0F, 0x6A6B0F6D},
            {0x68696C0F, 0x1C1D0F1F, 0x0F0F0F0F, 0x0F6F0F6F},
        };
        for (int r = 0; r < 3; ++r)
            for (int col = 0; col < 4; ++col)
                QCOMPARE(c->at(0, 0x01, r, col), hill[r][col]);

        const uint32_t slice[3][3] = {
            {0x0A015A61, 0x01016061, 0x010B600C},
            {0x66636663, 0x62636263, 0x620D620D},
            {0x66636663, 0x62636263, 0x620D620D},
        };
        for (int t = 0xC0; t <= 0xDF; ++t)
            for (int r = 0; r < 3; ++r)
                for (int col = 0; col < 3; ++col)
                    QCOMPARE(c->at(0, t, r, col), slice[r][col]);
    }

    // Full-height ground of set 1 fills rows 0..25 and n + 2 columns.
    void familyoneground()
    {
        auto c = marked();
        loadobjdefs(*c, 1);
        for (int t = 0x10; t <= 0x4F; ++t) {
            const int n = t % 16;
            for (int r = 0; r <= 25; ++r)
                for (int col = 0; col <= n + 1; ++col)
                    QVERIFY(c->at(0, t, r, col) != unwritten && c->at(0, t, r, col) != emptycell);
            QVERIFY(c->at(0, t, 0, 0) != c->at(0, t, 1, 0)); // a top row over the body
            QCOMPARE(c->at(0, t, 26, 0), unwritten);
        }
    }

    // ---- what each family writes --------------------------------------
    void familyextent_data()
    {
        QTest::addColumn<int>("objset");
        QTest::addColumn<std::vector<Range>>("allowed");
        // Beyond the common banks 1 and 2, the (bank, type) ranges the family
        // names for its pictures.
        QTest::newRow("family 1") << 1 << std::vector<Range>{{0, 0x00, 0xFF}, {3, 0x10, 0x1F}};
        QTest::newRow("family 2") << 2 << std::vector<Range>{{0, 0x00, 0x3F}, {0, 0xB0, 0xBF}, {3, 0x10, 0x1F}};
        QTest::newRow("family 3") << 3 << std::vector<Range>{{0, 0x00, 0x1F}, {0, 0xD0, 0xDF}, {3, 0x00, 0x1F},
                                                           {4, 0x00, 0xCF}, {5, 0x10, 0x1F}};
        QTest::newRow("family 4") << 4 << std::vector<Range>{{0, 0x00, 0x2F}, {0, 0xC0, 0xCF}, {3, 0x0F, 0x1F}};
        QTest::newRow("family 5") << 5 << std::vector<Range>{{0, 0x00, 0x1F}, {0, 0xB0, 0xBF}, {3, 0x30, 0x3F},
                                                           {3, 0x50, 0x6F}, {3, 0xB0, 0xBF}};
        QTest::newRow("family 6") << 6 << std::vector<Range>{{0, 0x00, 0x1F}, {0, 0x50, 0x5F}, {0, 0xD0, 0xEF},
                                                           {3, 0x10, 0x1F}, {3, 0x40, 0x5F}, {3, 0xB0, 0xBF},
                                                           {3, 0xD0, 0xEF}};
        QTest::newRow("family 9") << 9 << std::vector<Range>{{0, 0x00, 0x1F}, {3, 0x20, 0x2F}};
    }

    void familyextent()
    {
        QFETCH(int, objset);
        QFETCH(std::vector<Range>, allowed);
        auto c = marked();
        loadobjdefs(*c, objset);
        for (int b : {0, 3, 4, 5, 6})
            for (int t = 0; t < 256; ++t) {
                if (inranges(allowed, b, t))
                    continue;
                for (int r = 0; r < ObjCells::rows; ++r)
                    for (int col = 0; col < ObjCells::cols; ++col)
                        if (c->at(b, t, r, col) != unwritten)
                            QFAIL(qPrintable(QStringLiteral("wrote %1:%2").arg(b).arg(t, 2, 16, QLatin1Char('0'))));
            }
    }

    // Fixed pictures fill at least the size the family gives them.
    void fixedsizes_data()
    {
        QTest::addColumn<int>("objset");
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("rows");
        auto row = [](int s, int b, int t, int w, int h) {
            QTest::addRow("set %d %d:%02X", s, b, t) << s << b << t << w << h;
        };
        row(1, 0, 0x00, 5, 4); row(1, 0, 0x02, 6, 8); row(1, 0, 0x03, 3, 1); row(1, 0, 0x04, 1, 2);
        row(2, 0, 0x03, 16, 25); row(2, 0, 0x07, 2, 2);
        row(3, 2, 0x0A, 5, 4); row(3, 2, 0x0C, 6, 8); row(3, 3, 0x00, 8, 6); row(3, 3, 0x02, 6, 6);
        row(3, 3, 0x08, 8, 3); row(3, 3, 0x0D, 4, 6); row(14, 3, 0x0F, 8, 6); row(3, 4, 0x00, 1, 1);
        row(4, 0, 0x01, 2, 1); row(4, 0, 0x02, 1, 26); row(12, 0, 0x05, 1, 2);
        row(5, 0, 0x05, 8, 1); row(11, 0, 0x01, 1, 1);
        row(6, 0, 0x00, 2, 2); row(7, 0, 0x04, 2, 1); row(8, 0, 0x0A, 1, 2);
        row(9, 0, 0x04, 3, 4); row(9, 0, 0x05, 3, 3); row(9, 0, 0x09, 1, 3); row(9, 0, 0x0C, 8, 1);
    }

    void fixedsizes()
    {
        QFETCH(int, objset);
        QFETCH(int, bank);
        QFETCH(int, type);
        QFETCH(int, cols);
        QFETCH(int, rows);
        auto c = marked();
        loadobjdefs(*c, objset);
        for (int r = 0; r < rows; ++r)
            for (int col = 0; col < cols; ++col)
                QVERIFY(c->at(bank, type, r, col) != unwritten);
    }

    // ---- loading one set after another ------------------------------------
    // Family 4 writes nothing to the plain's bridges, ledges and bushes: they
    // keep family 1's pictures; what family 4 does write is replaced.
    void setonethenfour()
    {
        auto plain = std::make_unique<ObjCells>();
        loadobjdefs(*plain, 1);
        auto both = std::make_unique<ObjCells>();
        loadobjdefs(*both, 1);
        loadobjdefs(*both, 4);
        for (int t : {0x50, 0x8F, 0x90, 0xA3, 0xB0, 0xD5, 0xE2, 0xF7})
            for (int r = 0; r < ObjCells::rows; ++r)
                for (int col = 0; col < ObjCells::cols; ++col)
                    QCOMPARE(both->at(0, t, r, col), plain->at(0, t, r, col));
        QVERIFY(both->at(0, 0x00, 0, 0) != plain->at(0, 0x00, 0, 0));
        QVERIFY(both->at(0, 0x10, 0, 0) != plain->at(0, 0x10, 0, 0));
    }

    // Sets without a family get the common pictures and keep bank 0 as it was.
    void commononly_data()
    {
        QTest::addColumn<int>("objset");
        for (int s : {0, 10, 13, 15})
            QTest::addRow("set %d", s) << s;
    }

    void commononly()
    {
        QFETCH(int, objset);
        auto common = marked();
        commondefs(*common);
        auto fresh = marked();
        loadobjdefs(*fresh, objset);
        QVERIFY(fresh->cells == common->cells);

        auto after = std::make_unique<ObjCells>();
        loadobjdefs(*after, 1);
        const auto before = after->cells;
        loadobjdefs(*after, objset);
        QVERIFY(after->cells == before); // family 1 already ran the common pictures
    }

    // The families that share a set list build the same pictures.
    void sharedfamilies()
    {
        for (auto [a, b] : {std::pair{3, 14}, std::pair{4, 12}, std::pair{5, 11}, std::pair{6, 7}, std::pair{6, 8}}) {
            auto x = marked();
            auto y = marked();
            loadobjdefs(*x, a);
            loadobjdefs(*y, b);
            QVERIFY(x->cells == y->cells);
        }
    }
};

QTEST_APPLESS_MAIN(TestDefs)
#include "tst_defs.moc"

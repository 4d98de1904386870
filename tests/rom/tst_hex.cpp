#include "rom/hex.h"

#include <QTest>

using namespace quib;

class TestHex : public QObject {
    Q_OBJECT
private slots:
    void hexval_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("lower case") << "1f" << 31;
        QTest::newRow("non-digit counts as zero but keeps its place") << "1G" << 16;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("file offset") << "1E133" << 0x1E133;
        QTest::newRow("blank inside") << "1 3" << 0x103;
        QTest::newRow("largest positive") << "7FFFFFFF" << 0x7FFFFFFF;
        QTest::newRow("overflowing top digit is skipped") << "80000001" << 1;
        QTest::newRow("nine digits: the ninth from the right never fits") << "100000001" << 1;
        QTest::newRow("skipped step, later digits still add") << "F0000000F" << 0xF;
        // Only ASCII letters change case; anything else is one zero digit.
        QTest::newRow("sharp s keeps its one place") << QStringLiteral("1\u00DF") << 0x10;
        QTest::newRow("ligature ff is one zero digit") << QStringLiteral("\uFB001") << 0x1;
        QTest::newRow("astral character is one place") << QStringLiteral("1\U0001F600") << 0x10;
    }
    void hexval()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(quib::hexval(text), value);
    }

    void hexpad_data()
    {
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("text");
        QTest::newRow("five digits") << 0x185BALL << 5 << "185BA";
        QTest::newRow("two digits") << 7LL << 2 << "07";
        QTest::newRow("zero") << 0LL << 2 << "00";
        QTest::newRow("four digits") << 0x1FLL << 4 << "001F";
        QTest::newRow("longer than asked is not cut") << 0x12345LL << 2 << "12345";
        QTest::newRow("exact power of sixteen") << 0x100LL << 3 << "100";
        QTest::newRow("no digits") << 5LL << 0 << "5";
    }
    void hexpad()
    {
        QFETCH(qlonglong, value);
        QFETCH(int, digits);
        QFETCH(QString, text);
        QCOMPARE(quib::hexpad(value, digits), text);
    }

    void ishextext()
    {
        QVERIFY(quib::ishextext(QStringLiteral(" 1e133 ")));
        QVERIFY(!quib::ishextext(QString()));
        QVERIFY(!quib::ishextext(QStringLiteral("12G")));
    }
};

QTEST_APPLESS_MAIN(TestHex)
#include "tst_hex.moc"

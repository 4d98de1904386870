#include "editor/playtest.h"
#include "editor/settings.h"

#include "testutil.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

class TestPlaytest : public QObject {
    Q_OBJECT
private slots:
    // Words split as typed, the ROM's path put into every "%f" as one
    // argument, or last when the command has none.
    void launch_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        const QString rom = QStringLiteral("/home/u/my roms/quib.nes");
        QTest::newRow("quoted program") << QStringLiteral("\"/opt/my emu/run\" --rom=%f -full")
                                        << QStringLiteral("/opt/my emu/run")
                                        << QStringList{QStringLiteral("--rom=") + rom, QStringLiteral("-full")};
        QTest::newRow("quoted path") << QStringLiteral("emu \"%f\"") << QStringLiteral("emu") << QStringList{rom};
        QTest::newRow("no %f") << QStringLiteral("emu -s 2") << QStringLiteral("emu")
                               << QStringList{QStringLiteral("-s"), QStringLiteral("2"), rom};
    }
    void launch()
    {
        QFETCH(QString, command);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        const auto l = emulatorlaunch(command, QStringLiteral("/home/u/my roms/quib.nes"));
        QVERIFY(l);
        QCOMPARE(l->program, program);
        QCOMPARE(l->arguments, arguments);
        QVERIFY(!emulatorlaunch(QStringLiteral("   "), QStringLiteral("x")));
    }

    // A real program gets the path with its space as one argument; a missing
    // one is named; the command survives the settings file, quotes and all.
    void start()
    {
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("my emu.sh"));
        const QString out = dir.filePath(QStringLiteral("args.txt"));
        QVERIFY(testutil::writefile(script, "#!/bin/sh\nprintf '%s|' \"$@\" > \"" + out.toUtf8() + ".tmp\"\nmv \""
                                                + out.toUtf8() + ".tmp\" \"" + out.toUtf8() + "\"\n"));
        QFile(script).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString rom = dir.filePath(QStringLiteral("a rom.nes"));
        const QString command = QStringLiteral("\"%1\" -x \"%f\"").arg(script);
        QString error;
        QVERIFY2(startemulator(command, rom, &error), qPrintable(error));
        QTRY_COMPARE(testutil::readfile(out), ("-x|" + rom + "|").toUtf8());

        QVERIFY(!startemulator(QStringLiteral("/no/such/emu %f"), rom, &error));
        QVERIFY2(error.contains(QLatin1String("'/no/such/emu'")), qPrintable(error));

        const QString ini = dir.filePath(QStringLiteral("Quibed.ini"));
        QVERIFY(writeemulator(ini, command));
        QCOMPARE(reademulator(ini), command);
        QVERIFY(readkeeporiginal(ini));
        QVERIFY(writekeeporiginal(ini, false));
        QVERIFY(!readkeeporiginal(ini));
    }
};

QTEST_MAIN(TestPlaytest)
#include "tst_playtest.moc"

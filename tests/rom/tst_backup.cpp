#include "rom/backup.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;
using Outcome = KeptOriginal::Outcome;

// The copy of the original: made once from the bytes before the first write,
// never written over, in the data folder when the ROM's folder takes no file.
class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void keptonce()
    {
        QTemporaryDir dir;
        const QString rom = dir.filePath(QStringLiteral("quibrom.nes"));
        const QString data = dir.filePath(QStringLiteral("data"));
        QVERIFY(testutil::writefile(rom, QByteArray(4096, 'a')));

        KeptOriginal k = keeporiginal(rom, data);
        QCOMPARE(k.outcome, Outcome::Made);
        QCOMPARE(k.path, rom + QStringLiteral(".orig"));
        QCOMPARE(keptmessage(k), QStringLiteral("Original kept as quibrom.nes.orig"));
        QCOMPARE(testutil::readfile(k.path), QByteArray(4096, 'a'));

        QVERIFY(testutil::writefile(rom, QByteArray(4096, 'b'))); // a save
        k = keeporiginal(rom, data);
        QCOMPARE(k.outcome, Outcome::Existing);
        QCOMPARE(testutil::readfile(rom + QStringLiteral(".orig")), QByteArray(4096, 'a'));
        QVERIFY(!QFileInfo::exists(data));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary left
    }

    // A file of that name, whatever it holds, is the user's: never touched.
    void existingfilekept()
    {
        QTemporaryDir dir;
        const QString rom = dir.filePath(QStringLiteral("hack.nes"));
        QVERIFY(testutil::writefile(rom, "rom"));
        QVERIFY(testutil::writefile(rom + QStringLiteral(".orig"), "mine"));
        QCOMPARE(keeporiginal(rom, dir.filePath(QStringLiteral("data"))).outcome, Outcome::Existing);
        QCOMPARE(testutil::readfile(rom + QStringLiteral(".orig")), QByteArray("mine"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), dir.filePath(QStringLiteral("b.nes.orig"))));
        QVERIFY(testutil::writefile(dir.filePath(QStringLiteral("b.nes")), "b"));
        QCOMPARE(keeporiginal(dir.filePath(QStringLiteral("b.nes")), QString()).outcome, Outcome::Existing);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
    }

#ifdef Q_OS_UNIX
    // A folder the user may not write: the copy goes to the data folder,
    // once, and the message gives its whole path.
    void datafolder()
    {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                              | QFile::ExeOther | QFile::WriteOther);
        const QString folder = dir.filePath(QStringLiteral("roms"));
        const QString data = dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(folder));
        const QString rom = folder + QStringLiteral("/quibrom.nes");
        QVERIFY(testutil::writefile(rom, "original"));
        QFile::setPermissions(rom, QFile::ReadOwner | QFile::ReadOther | QFile::WriteOther);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        KeptOriginal k;
        {
            testutil::AsUser as(54321, 54321); // the superuser may write anywhere: be someone else
            if (!as.ok)
                QSKIP("needs to run as the superuser to act as an ordinary user");
            k = keeporiginal(rom, data);
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(k.outcome, Outcome::Made);
        QVERIFY(k.indatafolder);
        QCOMPARE(k.path, originalindatafolder(rom, data));
        QVERIFY(k.path.startsWith(data + QStringLiteral("/quibrom.nes.")));
        QCOMPARE(keptmessage(k), QStringLiteral("Original kept as ") + k.path);
        QCOMPARE(testutil::readfile(k.path), QByteArray("original"));
        QVERIFY(!QFileInfo::exists(rom + QStringLiteral(".orig")));
        QCOMPARE(keeporiginal(rom, data).outcome, Outcome::Existing);
    }
#endif
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"

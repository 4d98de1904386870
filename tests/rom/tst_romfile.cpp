#include "demorom/romimage.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"

#include "testutil.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quib;

class TestRomFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;

    // The names in the ROM's folder that hold its name, hidden ones too.
    QStringList folderfiles() const
    {
        return QDir(dir.path()).entryList({QStringLiteral("*rom.nes*")},
                                          QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        rompath = dir.filePath(QStringLiteral("rom.nes"));
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(rompath);
        demo::RomImage img;
        img.putword(0x19437, 0xA123);
        img.put(0x1000F, 0x42);
        QVERIFY(img.save(rompath));
    }

    void reads()
    {
        Rom rom = testutil::openrom(rompath);
        RomFile f(rom);
        QVERIFY(f.isopen());
        QCOMPARE(f.length(), rom::imagesize);
        QCOMPARE(f.readbyte(0), uint8_t('N'));
        QCOMPARE(f.readword(0x19437), uint16_t(0xA123));
        const std::vector<uint8_t> block = f.readblock(0x1000E, 3);
        QCOMPARE(block, (std::vector<uint8_t>{0x00, 0x42, 0x00}));
        QVERIFY(f.close());
    }

    // Past the end of a short file every read is 0xFF, the end marker.
    void shortfile()
    {
        const QString path = dir.filePath(QStringLiteral("short.nes"));
        QVERIFY(testutil::writefile(path, QByteArray("\x01\x02\x03", 3)));
        Rom rom = testutil::openrom(path);
        RomFile f(rom);
        QCOMPARE(f.length(), 3);
        QCOMPARE(f.readbyte(2), uint8_t(3));
        QCOMPARE(f.readbyte(3), uint8_t(0xFF));
        QCOMPARE(f.readbyte(-1), uint8_t(0xFF));
        QCOMPARE(f.readword(2), uint16_t(0xFF03));
        QCOMPARE(f.readblock(rom::chrpos[0], 2048), std::vector<uint8_t>(2048, 0xFF));
    }

    void missingisnevercreated()
    {
        const QString path = dir.filePath(QStringLiteral("none.nes"));
        Rom rom;
        QString error;
        QVERIFY(!rom.open(path, &error));
        QCOMPARE(error, QStringLiteral("Can't read '%1': it does not exist.").arg(path));
        RomFile f(rom, RomFile::Mode::Write);
        QVERIFY(!f.isopen());
        f.writebyte(0, 1);
        QVERIFY(!f.close());
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!romusable(path));
        QVERIFY(!romusable(dir.path()));
    }

    // Two successive operations see each other's writes, and a write
    // operation changes exactly the bytes written, in the file and in the
    // image the ROM keeps.
    void writethenread()
    {
        const QByteArray before = testutil::readfile(rompath);
        Rom rom = testutil::openrom(rompath);
        {
            RomFile f(rom, RomFile::Mode::Write);
            f.writebyte(0x10, 0x99);
            f.writeword(0x19437, 0xBEEF);
            QCOMPARE(f.readbyte(0x10), uint8_t(0x99)); // reads in the same operation see it too
            QCOMPARE(rom.readbyte(0x10), uint8_t(before[0x10])); // the ROM only once it is written
            QVERIFY(f.close());
        }
        RomFile g(rom);
        QCOMPARE(g.readbyte(0x10), uint8_t(0x99));
        QCOMPARE(g.readword(0x19437), uint16_t(0xBEEF));
        QByteArray expected = before;
        expected[0x10] = char(0x99);
        expected[0x19437] = char(0xEF);
        expected[0x19438] = char(0xBE);
        QCOMPARE(testutil::readfile(rompath), expected);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(rom.image().data()), rom.length()), expected);
    }

    // A ROM made from bytes: writes change its image and touch no file.
    void inmemory()
    {
        Rom rom(std::vector<uint8_t>(100, 0), QStringLiteral("test image"));
        RomFile f(rom, RomFile::Mode::Write);
        f.writeword(98, 0x1234);
        QVERIFY(f.close());
        QCOMPARE(rom.readword(98), uint16_t(0x1234));
        RomFile g(rom, RomFile::Mode::Write);
        g.writebyte(100, 1);
        QVERIFY(!g.close());
        QVERIFY(g.error().contains(QStringLiteral("test image")));
        QCOMPARE(rom.length(), 100);
        QVERIFY(!rom.infile());
    }

    // A write past the end never grows the ROM and fails the operation as a
    // whole: nothing of it reaches the file.
    void writepastendrefused()
    {
        const QByteArray before = testutil::readfile(rompath);
        Rom rom = testutil::openrom(rompath);
        RomFile f(rom, RomFile::Mode::Write);
        f.writebyte(0x20, 0x55);
        f.writebyte(rom::imagesize, 0x55);
        QVERIFY(!f.close());
        QVERIFY(f.error().contains(rompath));
        QCOMPARE(testutil::readfile(rompath), before);
    }

    void readonlyfile()
    {
        const QByteArray before = testutil::readfile(rompath);
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::ReadGroup);
        Rom rom = testutil::openrom(rompath);
        RomFile f(rom, RomFile::Mode::Write);
        QVERIFY(f.isopen()); // still readable
        f.writebyte(0x20, 0x55);
        QVERIFY(!f.close());
        QVERIFY(f.error().contains(rompath));
        QVERIFY(f.error().contains(QStringLiteral("read-only")));
        QFile::setPermissions(rompath, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(testutil::readfile(rompath), before);
        QCOMPARE(rom.readbyte(0x20), uint8_t(before[0x20])); // nor into the ROM in memory
    }

    void readonlyfolder()
    {
        QTemporaryDir sub;
        const QString path = sub.filePath(QStringLiteral("rom.nes"));
        QVERIFY(demo::RomImage().save(path));
        const QByteArray before = testutil::readfile(path);
        QFile::setPermissions(sub.path(), QFile::ReadOwner | QFile::ExeOwner);
        Rom rom = testutil::openrom(path);
        RomFile f(rom, RomFile::Mode::Write);
        f.writebyte(0x20, 0x55);
        QVERIFY(!f.close());
        QVERIFY(f.error().contains(QStringLiteral("read-only")));
        QFile::setPermissions(sub.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(testutil::readfile(path), before);
        QCOMPARE(QDir(sub.path()).entryList(QDir::Files), QStringList{QStringLiteral("rom.nes")});
    }

    void keepspermissions()
    {
        const auto perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(rompath, perms);
        Rom rom = testutil::openrom(rompath);
        RomFile f(rom, RomFile::Mode::Write);
        f.writebyte(0x20, 0x55);
        QVERIFY(f.close());
        QCOMPARE(QFileInfo(rompath).permissions() & 0x7077, QFileDevice::Permissions(perms) & 0x7077);
        QCOMPARE(folderfiles(), QStringList{QStringLiteral("rom.nes")});
    }

    // Whether a file may be written is the system's answer for this process:
    // a ROM of another owner that the user's group may write is writable.
    void writablethroughgroup()
    {
        if (::geteuid() != 0)
            QSKIP("only the superuser can act as another user");
        constexpr uid_t user = 54321;
        constexpr gid_t group = 4321;
        QTemporaryDir sub;
        const QString path = sub.filePath(QStringLiteral("rom.nes"));
        QVERIFY(demo::RomImage().save(path));
        const QByteArray folder = QFile::encodeName(sub.path()), file = QFile::encodeName(path);
        QVERIFY(::chown(folder, 0, group) == 0 && ::chmod(folder, 0775) == 0);
        QVERIFY(::chown(file, 0, group) == 0 && ::chmod(file, 0464) == 0);
        {
            testutil::AsUser as(user, group);
            QVERIFY(as.ok);
            QCOMPARE(romwriteproblem(path), QString());
            Rom rom = testutil::openrom(path);
            RomFile f(rom, RomFile::Mode::Write);
            f.writebyte(0x20, 0x55);
            QVERIFY2(f.close(), qPrintable(f.error()));
        }
        QCOMPARE(uint8_t(testutil::readfile(path).at(0x20)), uint8_t(0x55));
        struct stat st {};
        QVERIFY(::stat(file, &st) == 0);
        QCOMPARE(st.st_gid, group); // the writer could not keep the owner, but keeps the group
        QCOMPARE(st.st_mode & 07777, mode_t(0464));
        QVERIFY(::chmod(file, 0444) == 0);
        testutil::AsUser as(user, group);
        QVERIFY(romwriteproblem(path).contains(QStringLiteral("read-only")));
    }

    // Saving as the superuser leaves the ROM with its owner and group.
    void keepsowner()
    {
        if (::geteuid() != 0)
            QSKIP("only the superuser can give a file away");
        QVERIFY(::chown(QFile::encodeName(rompath), 12345, 23456) == 0);
        Rom rom = testutil::openrom(rompath);
        RomFile f(rom, RomFile::Mode::Write);
        f.writebyte(0x20, 0x55);
        QVERIFY(f.close());
        const QFileInfo after(rompath);
        QCOMPARE(after.ownerId(), 12345u);
        QCOMPARE(after.groupId(), 23456u);
    }

    // A write the system refuses half way (here: over the file size limit,
    // as a full disk would) says why and leaves the ROM and its folder as
    // they were.
    void failedwritesayswhy()
    {
        const QByteArray before = testutil::readfile(rompath);
        Rom rom = testutil::openrom(rompath);
        RomFile f(rom, RomFile::Mode::Write);
        f.writebyte(0x20, 0x55);
        const auto oldhandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old {};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &old) == 0);
        rlimit small = old;
        small.rlim_cur = 4096;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const bool ok = f.close();
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldhandler);
        QVERIFY(!ok);
        QCOMPARE(f.error(), QStringLiteral("Can't write to '%1': %2.").arg(rompath, QString::fromLocal8Bit(std::strerror(EFBIG))));
        QCOMPARE(testutil::readfile(rompath), before);
        QCOMPARE(folderfiles(), QStringList{QStringLiteral("rom.nes")});
    }

    // The ROM is read whole when it is opened. A read that comes back short,
    // or a file that another program shortened meanwhile, fails the opening
    // with its reason: the editor never works on, and never writes back, a
    // truncated image.
    void shortreadrefused_data()
    {
        QTest::addColumn<bool>("shrink");
        QTest::newRow("read cut short") << false;
        QTest::newRow("file shortened") << true;
    }
    void shortreadrefused()
    {
        QFETCH(bool, shrink);
        FileCalls calls;
        const auto read = calls.read;
        int64_t total = 0;
        calls.read = [&](int fd, uint8_t *data, int64_t size) {
            if (shrink) {
                if (total++ == 0)
                    QFile::resize(rompath, 200000); // by another program, between two reads
                return read(fd, data, size);
            }
            const int64_t n = read(fd, data, std::min<int64_t>(size, 200000 - total));
            total += n;
            return n;
        };
        Rom rom;
        QString error;
        QVERIFY(!rom.open(rompath, &error, calls));
        QVERIFY(!rom.isopen());
        QCOMPARE(error, QStringLiteral("Can't read '%1': only 200000 of its 393232 bytes could be read (was it "
                                       "shortened while the editor had it open?).")
                            .arg(rompath));
        RomFile f(rom, RomFile::Mode::Write);
        f.writebyte(0x20, 0x55);
        QVERIFY(!f.close());
        QCOMPARE(QFileInfo(rompath).size(), shrink ? 200000 : rom::imagesize);
        QCOMPARE(folderfiles(), QStringList{QStringLiteral("rom.nes")});
    }

    // When only the sync of the folder fails, the ROM already holds the new
    // bytes: the error says so instead of claiming nothing was written.
    void failedfoldersync()
    {
        QByteArray expected = testutil::readfile(rompath);
        expected[0x20] = char(0x55);
        FileCalls calls;
        calls.syncfolder = [](int) {
            errno = EIO;
            return -1;
        };
        Rom rom;
        QVERIFY(rom.open(rompath, nullptr, calls));
        RomFile f(rom, RomFile::Mode::Write);
        f.writebyte(0x20, 0x55);
        QVERIFY(!f.close());
        QVERIFY2(f.error().startsWith(QStringLiteral("'%1' was replaced with the new contents, but its folder could "
                                                     "not be synced to disk (%2)")
                                          .arg(rompath, QString::fromLocal8Bit(std::strerror(EIO)))),
                 qPrintable(f.error()));
        QVERIFY(!f.error().contains(QStringLiteral("Can't")));
        QCOMPARE(testutil::readfile(rompath), expected);
        QCOMPARE(rom.readbyte(0x20), uint8_t(0x55)); // the ROM in memory follows the file
        QCOMPARE(folderfiles(), QStringList{QStringLiteral("rom.nes")});
    }

    // While a save runs, its copy is hidden and named as an unfinished save;
    // one that a killed save left is removed by the editor, and nothing else.
    void unfinishedsave()
    {
        QStringList during;
        FileCalls calls;
        calls.syncfile = [&](int fd) {
            during = folderfiles();
            return ::fsync(fd);
        };
        Rom rom;
        QVERIFY(rom.open(rompath, nullptr, calls));
        RomFile f(rom, RomFile::Mode::Write);
        f.writebyte(0x20, 0x55);
        QVERIFY(f.close());
        QCOMPARE(during.size(), 2);
        const QString copy = during.filter(QStringLiteral("unfinished")).value(0);
        QVERIFY2(copy.startsWith(QStringLiteral(".rom.nes.unfinished-save-")) && copy.size() == 31, qPrintable(copy));
        QCOMPARE(folderfiles(), QStringList{QStringLiteral("rom.nes")});

        // What a killed save leaves, beside files that only look like it.
        const QStringList keep = {QStringLiteral(".other.rom.nes.unfinished-save-Ab12Cd"),
                                  QStringLiteral(".rom.nes.unfinished-save-Ab12Cd.bak"),
                                  QStringLiteral("rom.nes.unfinished-save-Ab12Cd"), QStringLiteral("rom.nes.bak")};
        for (const QString &name : keep + QStringList{copy})
            QVERIFY(testutil::writefile(dir.filePath(name), QByteArray(1000, 'x')));
        const QString linked = QStringLiteral(".rom.nes.unfinished-save-Zz99Yy");
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("rom.nes.bak")), dir.filePath(linked)));
        QCOMPARE(removeunfinishedsaves(rompath), 1);
        QStringList expected = keep + QStringList{linked, QStringLiteral("rom.nes")};
        expected.sort();
        QStringList now = folderfiles();
        now.sort();
        QCOMPARE(now, expected);
        for (const QString &name : keep + QStringList{linked})
            QFile::remove(dir.filePath(name));
    }

    // A file far larger than any ROM of the game is refused before anything
    // reads it whole.
    void hugefilerefused()
    {
        const QString path = dir.filePath(QStringLiteral("huge.nes"));
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(maxromsize + 1)); // sparse: takes no room
        huge.close();
        QVERIFY(!romusable(path));
        Rom rom;
        QString error;
        QVERIFY(!rom.open(path, &error));
        QVERIFY(error.contains(QStringLiteral("far larger")));
        QCOMPARE(QFileInfo(path).size(), maxromsize + 1);
        QFile::remove(path);
    }

    void followssymlink()
    {
        const QString link = dir.filePath(QStringLiteral("link.nes"));
        QFile::remove(link);
        QVERIFY(QFile::link(rompath, link));
        Rom rom = testutil::openrom(link);
        RomFile f(rom, RomFile::Mode::Write);
        f.writebyte(0x21, 0x77);
        QVERIFY(f.close());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(uint8_t(testutil::readfile(rompath).at(0x21)), uint8_t(0x77));
        QFile::remove(link);
    }

    void pointerconversion()
    {
        // An object pointer 0xA123 of object set 1 is file offset 0x1E133,
        // and writing it back gives 0x23, 0xA1.
        QCOMPARE(rom::ptrtooffset(0xA123, rom::objadder(1)), 0x1E133);
        QCOMPARE(rom::offsettoptr(0x1E133, rom::objadder(1)), uint16_t(0xA123));
        QCOMPARE(rom::ptrtooffset(0xC000, rom::enemydataadder), 0xC010);
        QCOMPARE(rom::ptrtooffset(0xA000, rom::mapdataadder), 0x16010);
        QCOMPARE(rom::ptrtooffset(0xFFFF, rom::enemydataadder), 0x1000F);
        // Each set's object window is its bank's 8 KB.
        for (int s = 0; s < 16; ++s) {
            const rom::OffsetRange r = rom::objdatarange(s);
            QCOMPARE(r.high - r.low, 0x1FFF);
            QCOMPARE((r.low - 0x10) % 0x2000, 0);
            QVERIFY(r.high < rom::chrstart);
        }
        QCOMPARE(rom::objdatarange(15).low, 0xA010);
        QCOMPARE(rom::objdatarange(2).high, 0x2C00F);
        for (int32_t p : rom::chrpos)
            QVERIFY(p >= rom::chrstart && p + rom::chrblocksize <= rom::imagesize);
    }
};

QTEST_GUILESS_MAIN(TestRomFile)
#include "tst_romfile.moc"

#include "editor/editorstate.h"
#include "editor/inifile.h"
#include "editor/settings.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

namespace {

QString writefile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("Quibed.ini"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QByteArray readfile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// A settings file as a Windows user might have edited it by hand.
const QByteArray windowsstyle =
    "; Quibed settings\r\n"
    "[other]\r\n"
    "Filename = not this one\r\n"
    "\r\n"
    "[ LOAD ]\r\n"
    "  fileNAME   =   \"C:\\Games\\my rom.nes\"  \r\n"
    "Comment line without equals\r\n"
    "\r\n"
    "[options]\r\n"
    "startmapnumber = 7 worlds\r\n"
    "VIEWMAPSPRITES='5'\r\n"
    "ViewLevelBackg=\r\n"
    "Extra=kept\r\n";

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void windowsrules()
    {
        const IniFile ini = IniFile::fromBytes(windowsstyle);
        QCOMPARE(ini.value("Load", "Filename").value(), QStringLiteral("C:\\Games\\my rom.nes"));
        QCOMPARE(ini.value("Options", "StartMapNumber").value(), QStringLiteral("7 worlds"));
        QCOMPARE(ini.value("Options", "ViewMapSprites").value(), QStringLiteral("5"));
        QCOMPARE(ini.value("Options", "ViewLevelBackg").value(), QString());
        QVERIFY(!ini.value("Options", "Missing").has_value());
        QVERIFY(!ini.value("Nosection", "Filename").has_value());
        // A key of another section is not found.
        QCOMPARE(ini.value("Other", "Filename").value(), QStringLiteral("not this one"));
    }

    void quotes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("double") << QByteArray("k=\"a b\"") << "a b";
        QTest::newRow("single") << QByteArray("k='a b'") << "a b";
        QTest::newRow("blanks inside quotes kept") << QByteArray("k=\" a \"") << " a ";
        QTest::newRow("mismatched quotes kept") << QByteArray("k=\"a'") << "\"a'";
        QTest::newRow("one quote only") << QByteArray("k=\"") << "\"";
        QTest::newRow("only one pair removed") << QByteArray("k=\"\"x\"\"") << "\"x\"";
        QTest::newRow("tabs trimmed") << QByteArray("k=\tv\t") << "v";
        QTest::newRow("equals in value") << QByteArray("k=a=b") << "a=b";
    }
    void quotes()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, value);
        QCOMPARE(IniFile::fromBytes("[s]\n" + line + "\n").value("S", "K").value(), value);
    }

    void firstkeywins()
    {
        const IniFile ini = IniFile::fromBytes("[s]\nk=1\nk=2\n[s]\nk=3\n");
        QCOMPARE(ini.value("s", "k").value(), QStringLiteral("1"));
    }

    void readinibuffer()
    {
        QTemporaryDir dir;
        const QString path = writefile(dir, "[Load]\nFilename=\"" + QByteArray(300, 'x') + "\"\nB=\" ab  \"\n");
        QCOMPARE(readini(path, "load", "filename").size(), 254);
        // Quotes come off before the trailing blanks do.
        QCOMPARE(readini(path, "load", "b"), QStringLiteral(" ab"));
        QCOMPARE(readini(dir.filePath("none.ini"), "Load", "Filename"), QString());
    }

    void leadingnumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "4" << 4;
        QTest::newRow("sign position") << " 4" << 4;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("plus") << "+3" << 3;
        QTest::newRow("trailing text") << "12abc" << 12;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("blank between sign and digits") << "- 3" << 0;
        QTest::newRow("huge saturates") << "99999999999" << 2147483647;
        QTest::newRow("hugely negative saturates") << "-99999999999" << int(-2147483647 - 1);
    }
    void leadingnumber()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(quib::leadingnumber(text), value);
    }

    void startworld_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("world");
        QTest::newRow("zero") << QByteArray("0") << 1;
        QTest::newRow("text") << QByteArray("world") << 1;
        QTest::newRow("twelve") << QByteArray("12") << 9;
        QTest::newRow("nine") << QByteArray("9") << 9;
        QTest::newRow("four") << QByteArray(" 4") << 4;
        QTest::newRow("negative") << QByteArray("-3") << 1;
        QTest::newRow("above a byte") << QByteArray("300") << 9;
        QTest::newRow("missing") << QByteArray() << 1;
    }
    void startworld()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, world);
        QTemporaryDir dir;
        const QByteArray line = stored.isNull() ? QByteArray() : "StartMapNumber=" + stored + "\n";
        const QString path = writefile(dir, "[Options]\n" + line);
        QCOMPARE(int(readsettings(path).startmap), world);
    }

    void viewoptions_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("-1") << QByteArray("-1") << true;
        QTest::newRow("5") << QByteArray("5") << true;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("blank 0") << QByteArray(" 0") << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("text") << QByteArray("yes") << false;
    }
    void viewoptions()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, on);
        QTemporaryDir dir;
        const QString path = writefile(dir, "[Options]\nViewMapSprites=" + stored + "\nViewLevelBackg=" + stored + "\n");
        const Settings s = readsettings(path);
        QCOMPARE(s.viewmapsprites, on);
        QCOMPARE(s.viewlvlbg, on);
    }

    void defaults()
    {
        const Settings s = readsettings(QStringLiteral("/nonexistent/Quibed.ini"));
        QCOMPARE(s.filename, QStringLiteral("quibrom.nes"));
        QCOMPARE(int(s.startmap), 1);
        QVERIFY(!s.viewmapsprites && !s.viewlvlbg);
    }

    // Writing changes the four keys' lines and nothing else.
    void writekeepsotherlines()
    {
        QTemporaryDir dir;
        const QString path = writefile(dir, windowsstyle);
        EditorState state;
        state.rom = Rom({}, QStringLiteral("/home/me/rom.nes"));
        state.curworld = 4;
        state.viewmapsprites = true;
        state.viewlvlbg = false;
        QVERIFY(writesettings(path, state));
        const QByteArray expected =
            "; Quibed settings\r\n"
            "[other]\r\n"
            "Filename = not this one\r\n"
            "\r\n"
            "[ LOAD ]\r\n"
            "fileNAME=/home/me/rom.nes\r\n"
            "Comment line without equals\r\n"
            "\r\n"
            "[options]\r\n"
            "startmapnumber= 4\r\n"
            "VIEWMAPSPRITES=-1\r\n"
            "ViewLevelBackg= 0\r\n"
            "Extra=kept\r\n";
        QCOMPARE(readfile(path), expected);
        const Settings back = readsettings(path);
        QCOMPARE(int(back.startmap), 4);
        QVERIFY(back.viewmapsprites);
        QVERIFY(!back.viewlvlbg);
        QCOMPARE(back.filename, state.rom.path());
    }

    void writeaddsmissing()
    {
        QTemporaryDir dir;
        const QString path = writefile(dir, "[Options]\nViewLevelBackg=5\n\n[Other]\nx=1");
        EditorState state;
        state.rom = Rom({}, QStringLiteral("/roms/quibrom.nes"));
        state.curworld = 9;
        QVERIFY(writesettings(path, state));
        QCOMPARE(readfile(path), QByteArray("[Options]\nViewLevelBackg= 0\nStartMapNumber= 9\nViewMapSprites= 0\n\n"
                                             "[Other]\nx=1\n[Load]\nFilename=/roms/quibrom.nes\n"));
    }

    void writenewfile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/folder/Quibed.ini"));
        EditorState state;
        state.rom = Rom({}, QStringLiteral("/roms/a.nes"));
        state.curworld = 2;
        QVERIFY(writesettings(path, state));
        QCOMPARE(readfile(path), QByteArray("[Load]\nFilename=/roms/a.nes\n[Options]\nStartMapNumber= 2\n"
                                             "ViewMapSprites= 0\nViewLevelBackg= 0\n"));
    }

    // The ROM path typed relative to where the editor was started is stored
    // absolute, so it still names the ROM from any other folder.
    void storesabsolutepath()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Quibed.ini"));
        const QString home = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const QString expected = QDir::current().absoluteFilePath(QStringLiteral("roms/my rom.nes"));
        EditorState state;
        state.rom = Rom({}, QStringLiteral("roms/my rom.nes"));
        const bool ok = writesettings(path, state);
        QDir::setCurrent(home);
        QVERIFY(ok);
        QCOMPARE(readsettings(path).filename, expected);
    }

    // Files saved by other editors: a byte-order mark before the first
    // section, a path in a Windows ANSI code page. Writing keeps both.
    void othereditorsfiles()
    {
        QTemporaryDir dir;
        const QString path = writefile(dir, "\xEF\xBB\xBF[Load]\r\nFilename=C:\\Spiele\\\xFC" "ber.nes\r\n"
                                            "[Options]\r\nStartMapNumber=3\r\n");
        const Settings s = readsettings(path);
        QCOMPARE(s.filename, QStringLiteral("C:\\Spiele\\\u00FCber.nes"));
        QCOMPARE(int(s.startmap), 3);
        EditorState state;
        state.rom = Rom({}, QStringLiteral("/roms/\u00FCber.nes"));
        state.curworld = 5;
        QVERIFY(writesettings(path, state));
        QCOMPARE(readfile(path), QByteArray("\xEF\xBB\xBF[Load]\r\nFilename=/roms/\xC3\xBC" "ber.nes\r\n[Options]\r\n"
                                             "StartMapNumber= 5\r\nViewMapSprites= 0\r\nViewLevelBackg= 0\r\n"));
        QCOMPARE(readsettings(path).filename, state.rom.path());
    }

    // A settings file that exists but can't be read is left alone on close:
    // writing it anew would lose its other sections and comments.
    void unreadablefileleftalone()
    {
        QTemporaryDir dir;
        const QString path = writefile(dir, windowsstyle);
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
        QVERIFY(QFile::setPermissions(path, {}));
        EditorState state;
        state.rom = Rom({}, QStringLiteral("/roms/a.nes"));
        QString error;
        bool ok = true;
        {
            testutil::AsUser as(54321, 54321); // the superuser reads anything: be someone else
            QCOMPARE(readsettings(path).filename, QStringLiteral("quibrom.nes"));
            ok = writesettings(path, state, &error);
        }
        QVERIFY(!ok);
        QVERIFY2(error.contains(QStringLiteral("can't be read")), qPrintable(error));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QCOMPARE(readfile(path), windowsstyle);
    }

    void inidirfromenvironment()
    {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", "/x/conf");
        const QString fromxdg = inidir();
        qunsetenv("XDG_CONFIG_HOME");
        const QString fromhome = inidir();
        if (!saved.isNull())
            qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(fromxdg, QStringLiteral("/x/conf/"));
        QCOMPARE(fromhome, QDir::homePath() + QStringLiteral("/.config/"));
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"

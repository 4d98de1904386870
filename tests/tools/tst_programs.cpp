#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "editor/startup.h"
#include "level/areafile.h"
#include "level/loadlevel.h"
#include "testutil.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// The built programs, run as a user runs them.
class TestPrograms : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    struct Run {
        int code = -1;
        QString out;
    };
    // Without a display, as over ssh: nothing run here needs a window.
    Run run(const QString &program, const QStringList &args)
    {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        p.setProcessEnvironment(env);
        p.start(program, args);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            return {};
        return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError())};
    }

private slots:
    void initTestCase() { QVERIFY(demo::builddemorom().save(dir.filePath(QStringLiteral("quibrom.nes")))); }

    void editorprints()
    {
        const Run help = run(QStringLiteral(QUIBED_PATH), {QStringLiteral("--help")});
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.contains(QStringLiteral("[ROM]")));
        const Run version = run(QStringLiteral(QUIBED_PATH), {QStringLiteral("--version")});
        QCOMPARE(version.code, 0);
        QCOMPARE(version.out.trimmed(), QStringLiteral("Quibed 0.01, build 29"));
        const Run two = run(QStringLiteral(QUIBED_PATH), {QStringLiteral("a.nes"), QStringLiteral("b.nes")});
        QCOMPARE(two.code, 2);
        QVERIFY(two.out.contains(QStringLiteral("at most one ROM")));
        const Run bogus = run(QStringLiteral(QUIBED_PATH), {QStringLiteral("--bogus")});
        QCOMPARE(bogus.code, 1);
        QCOMPARE(bogus.out.trimmed(), QStringLiteral("Quibed: Unknown option 'bogus'."));
    }

    // The patch commands run without a display: a patch made and applied
    // gives the modified ROM byte for byte; a wrong source or a misuse exits
    // with one line of reason and writes nothing.
    void patchcommands()
    {
        QByteArray rom = testutil::readfile(dir.filePath(QStringLiteral("quibrom.nes")));
        rom[0x8010] = char(rom[0x8010] ^ 0x5A);
        rom.replace(0x9000, 40, QByteArray(40, '\x77'));
        QVERIFY(testutil::writefile(dir.filePath(QStringLiteral("hack.nes")), rom));
        for (const QString &patch : {QStringLiteral("hack.bps"), QStringLiteral("hack.ips")}) {
            Run r = run(QStringLiteral(QUIBED_PATH), {"--create-patch", "quibrom.nes", "hack.nes", patch});
            QVERIFY2(r.code == 0, qPrintable(r.out));
            r = run(QStringLiteral(QUIBED_PATH), {"--apply-patch", patch, "quibrom.nes", "out.nes"});
            QVERIFY2(r.code == 0, qPrintable(r.out));
            QCOMPARE(testutil::readfile(dir.filePath(QStringLiteral("out.nes"))), rom);
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("out.nes"))));
        }
        const Run wrong = run(QStringLiteral(QUIBED_PATH), {"--apply-patch", "hack.bps", "hack.nes", "out.nes"});
        QCOMPARE(wrong.code, 1);
        QCOMPARE(wrong.out.count(QLatin1Char('\n')), 1);
        QVERIFY(wrong.out.startsWith(QStringLiteral("quibed: ")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.nes"))));
        QCOMPARE(run(QStringLiteral(QUIBED_PATH), {"--create-patch", "quibrom.nes", "x.bps"}).code, 2);
    }

    // Every example of the renderer's help works on the demo ROM and writes
    // a picture of the right size.
    void renderexamples()
    {
        // The demo's world 3 is 48 columns; the area behind world 1's first
        // pointer is 12 screens across, drawn 27 rows high; one screen.
        const QHash<QString, QSize> sizes = {{QStringLiteral("world3.png"), QSize(16 * 48, 144)},
                                             {QStringLiteral("level-1-1.png"), QSize(256 * 12, 16 * 27)},
                                             {QStringLiteral("area.png"), QSize(256, 240)}};
        const Run help = run(QStringLiteral(QUIBRENDER_PATH), {QStringLiteral("--help")});
        QCOMPARE(help.code, 0);
        int examples = 0;
        for (const QString &line : help.out.split(QLatin1Char('\n'))) {
            if (!line.startsWith(QStringLiteral("  quibrender ")))
                continue;
            ++examples;
            const QStringList args = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1);
            const QString png = dir.filePath(args.last());
            QFile::remove(png);
            const Run r = run(QStringLiteral(QUIBRENDER_PATH), args);
            QVERIFY2(r.code == 0, qPrintable(line + QLatin1Char('\n') + r.out));
            QVERIFY2(sizes.contains(args.last()), qPrintable(QStringLiteral("no size known for: ") + line));
            QCOMPARE(QImage(png).size(), sizes.value(args.last()));
        }
        QCOMPARE(examples, int(sizes.size()));
    }

    // An area file draws as the area it was exported from, with the given
    // ROM's graphics or, without one, the demo ROM's.
    void renderareafile()
    {
        const demo::DemoAreaPlace area = demo::demoareaplaces().at(1);
        EditorState s;
        s.rom = testutil::openrom(dir.filePath(QStringLiteral("quibrom.nes")));
        runstartup(s, Settings(), nullptr);
        s.level.lvlobjpos = int32_t(area.ref.objpos);
        s.level.lvlenmpos = int32_t(area.ref.enmpos);
        s.level.lvlobjset = area.objset;
        loadlevel(s);
        QVERIFY(s.level.objcount() > 0 && s.level.enemycount() > 0);
        QVERIFY(testutil::writefile(dir.filePath(QStringLiteral("area.json")), writeareafile(s.level.document())));
        const QString place = QStringLiteral("%1,%2,%3")
                                  .arg(area.ref.objpos, 0, 16)
                                  .arg(area.ref.enmpos, 0, 16)
                                  .arg(area.objset, 0, 16);
        const QList<QStringList> runs = {
            {"--area", place, "--full", "--background", "quibrom.nes", "fromrom.png"},
            {"--area", "area.json", "--full", "--background", "quibrom.nes", "fromfile.png"},
            {"--area", "area.json", "--full", "--background", "fromdemo.png"},
        };
        for (const QStringList &args : runs) {
            const Run r = run(QStringLiteral(QUIBRENDER_PATH), args);
            QVERIFY2(r.code == 0, qPrintable(args.join(QLatin1Char(' ')) + QLatin1Char('\n') + r.out));
        }
        const QImage fromrom(dir.filePath(QStringLiteral("fromrom.png")));
        QVERIFY(!fromrom.isNull());
        QCOMPARE(QImage(dir.filePath(QStringLiteral("fromfile.png"))), fromrom);
        QCOMPARE(QImage(dir.filePath(QStringLiteral("fromdemo.png"))), fromrom);
        const Run bad = run(QStringLiteral(QUIBRENDER_PATH), {"--area", "quibrom.nes", "bad.png"});
        QCOMPARE(bad.code, 1);
        QVERIFY2(bad.out.contains(QStringLiteral("Not a JSON document")), qPrintable(bad.out));
    }
};

QTEST_MAIN(TestPrograms)
#include "tst_programs.moc"

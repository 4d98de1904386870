#include "demorom/demorom.h"
#include "dialogs/emulatorcommand.h"
#include "editor/settings.h"
#include "rom/patch.h"
#include "rom/patchfile.h"
#include "ui/quib.h"

#include "testutil.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// The File menu's patches and the play test, driven through the window with
// the file dialogs answered by the test, then the files' bytes.
class TestShare : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    QByteArray pristine;
    QStringList answers;            // the file dialogs' answers, in order
    QList<FileQuestion> questions;  // what they were asked
    int leaveasked = 0;

    void open(QuibWindow &w)
    {
        QVERIFY(testutil::writefile(rompath, pristine));
        w.setromprompt([&](QWidget *, const QString &, const QString &, const QString &) { return rompath; });
        w.setleaveprompt([&](QWidget *, const QString &) {
            ++leaveasked;
            return Document::Leave::Save;
        });
        w.setfilepicker([&](QWidget *, const FileQuestion &q) {
            questions << q;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
        QVERIFY(w.startup());
        w.show();
    }
    static QAction *action(QuibWindow &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }
    static std::vector<uint8_t> vec(const QByteArray &b) { return {b.begin(), b.end()}; }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        pristine = testutil::bytesof(demo::builddemorom());
    }
    void init()
    {
        answers.clear();
        questions.clear();
        leaveasked = 0;
    }
    void cleanup() { testutil::stopanswering(); }

    // An unsaved edit is asked about and saved; the kept original is offered
    // first; the patch turns it into the saved ROM, byte for byte.
    void createpatch_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("bps") << QStringLiteral("hack.bps");
        QTest::newRow("ips") << QStringLiteral("hack.ips");
    }
    void createpatch()
    {
        QFETCH(QString, name);
        const QString orig = rompath + QStringLiteral(".orig");
        const QString patch = dir.filePath(name);
        QVERIFY(testutil::writefile(orig, pristine));
        QuibWindow w;
        open(w);
        QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier); // tile (0, 0) + 1
        QVERIFY(w.document().modified());
        answers << orig << patch;
        action(w, "createpatch")->trigger();
        QCOMPARE(leaveasked, 1);
        QVERIFY(!w.document().modified());
        QCOMPARE(questions.size(), 2);
        QCOMPARE(questions[0].initial, orig);
        QVERIFY(questions[1].save);

        const QByteArray saved = testutil::readfile(rompath);
        QVERIFY(saved != pristine);
        QString error;
        const auto result = quib::applypatch(vec(testutil::readfile(patch)), vec(pristine), &error);
        QVERIFY2(result, qPrintable(error));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(result->data()), qsizetype(result->size())), saved);
        QCOMPARE(testutil::readfile(patch).left(4), name.endsWith(QLatin1String(".ips")) ? QByteArray("PATC")
                                                                                          : QByteArray("BPS1"));
        QFile::remove(orig);
        QFile::remove(patch);
    }

    // The open ROM is never the output: refused with the reason, nothing
    // written; another name gets the patched ROM.
    void applypatch()
    {
        QByteArray modified = pristine;
        modified[0x12345] = char(modified[0x12345] ^ 0x5A);
        const QString target = dir.filePath(QStringLiteral("target.nes"));
        const QString patch = dir.filePath(QStringLiteral("fix.bps"));
        const QString output = dir.filePath(QStringLiteral("patched.nes"));
        QVERIFY(testutil::writefile(target, modified));
        QVERIFY(testutil::writefile(rompath, pristine));
        QString error;
        QVERIFY2(createpatchfile(rompath, target, patch, &error), qPrintable(error));
        QuibWindow w;
        open(w);
        const QStringList before = files();

        testutil::SeenBox seen;
        testutil::answermodals(seen);
        answers << patch << rompath;
        action(w, "applypatch")->trigger();
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.title, QStringLiteral("Patch not applied"));
        QVERIFY2(seen.text.contains(rompath), qPrintable(seen.text));
        QCOMPARE(testutil::readfile(rompath), pristine);
        QCOMPARE(files(), before);

        answers << patch << output;
        action(w, "applypatch")->trigger(); // "Open it?" is answered no
        QTRY_COMPARE(seen.count, 2);
        QVERIFY2(seen.title == QStringLiteral("Patch applied"), qPrintable(seen.text));
        QCOMPARE(testutil::readfile(output), modified);
        QCOMPARE(testutil::readfile(rompath), pristine);
        QCOMPARE(leaveasked, 0);
        for (const QString &f : {target, patch, output})
            QFile::remove(f);
    }

    // The first save keeps the file as it was; later saves and dialogs leave
    // the copy alone; with the option off no copy is made.
    void keeporiginal()
    {
        const QString orig = rompath + QStringLiteral(".orig");
        QFile::remove(orig);
        {
            QuibWindow w;
            open(w);
            QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
            QVERIFY(!QFileInfo::exists(orig));
            QVERIFY(w.save());
            QCOMPARE(testutil::readfile(orig), pristine);
            QVERIFY2(w.statusBar()->currentMessage().startsWith(QLatin1String("Original kept as quibrom.nes.orig. ")),
                     qPrintable(w.statusBar()->currentMessage()));
            const QByteArray first = testutil::readfile(rompath);
            QVERIFY(first != pristine);
            QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
            QVERIFY(w.save());
            QVERIFY(testutil::readfile(rompath) != first);
            QCOMPARE(testutil::readfile(orig), pristine);
            QVERIFY(!w.statusBar()->currentMessage().contains(QLatin1String("Original")));
        }
        QVERIFY(testutil::writefile(orig, "the user's own file"));
        {
            QuibWindow w;
            open(w);
            QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
            QVERIFY(w.save());
            QCOMPARE(testutil::readfile(orig), QByteArray("the user's own file"));
        }
        QFile::remove(orig);
        {
            QuibWindow w;
            open(w);
            action(w, "keeporiginal")->trigger();
            QVERIFY(!action(w, "keeporiginal")->isChecked());
            QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
            QVERIFY(w.save());
            QVERIFY(!QFileInfo::exists(orig));
            QVERIFY(!readkeeporiginal(w.settingsfile()));
            action(w, "keeporiginal")->trigger();
        }
    }

    // Play ROM without a command opens the dialog; the command is kept in
    // the settings, and a program that can't start is named.
    void playwithoutcommand()
    {
        QuibWindow w;
        open(w);
        const QString command = QStringLiteral("\"/no such/emulator\" -rom \"%f\"");
        testutil::SeenBox seen;
        int dialogs = 0;
        testutil::answermodals(seen, [&](QWidget *d) {
            auto *dialog = qobject_cast<EmulatorCommand *>(d);
            QVERIFY(dialog);
            ++dialogs;
            dialog->edit()->setText(command);
            dialog->accept();
        });
        action(w, "playrom")->trigger();
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(dialogs, 1);
        QCOMPARE(seen.title, QStringLiteral("Can't play the ROM"));
        QVERIFY2(seen.text.contains(QLatin1String("/no such/emulator")), qPrintable(seen.text));
        QCOMPARE(reademulator(w.settingsfile()), command);

        action(w, "playrom")->trigger(); // the command is set: no dialog
        QTRY_COMPARE(seen.count, 2);
        QCOMPARE(dialogs, 1);
    }
};

QTEST_MAIN(TestShare)
#include "tst_share.moc"

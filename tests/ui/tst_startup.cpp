#include "demorom/demorom.h"
#include "ui/splash.h"
#include "ui/quib.h"

#include "testutil.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace quib;

class TestStartup : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    QTemporaryDir work;
    QString rompath;

    QString inipath() const { return config.filePath(QStringLiteral("Quibed.ini")); }

    // Starts a window whose prompt answers `answer`; records what it offered.
    bool start(QuibWindow &w, const QString &answer, QString *offered = nullptr)
    {
        w.setromprompt([=](QWidget *, const QString &, const QString &, const QString &initial) {
            if (offered)
                *offered = initial;
            return answer;
        });
        return w.startup();
    }

    QStringList workfiles() const { return QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        rompath = work.filePath(QStringLiteral("quibrom.nes"));
        QVERIFY(demo::builddemorom().save(rompath));
    }
    void init() { QFile::remove(inipath()); }
    void cleanup() { testutil::stopanswering(); }

    // The real prompt: its title, text and the default offered.
    void prompt()
    {
        QuibWindow w;
        QString title, label, value;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            title = d->windowTitle();
            label = d->labelText();
            value = d->textValue();
            d->reject();
        });
        QVERIFY(!w.startup());
        QCOMPARE(title, QStringLiteral("Quib level editor"));
        QCOMPARE(label, QStringLiteral("Enter the filename and path :"));
        QCOMPARE(value, QStringLiteral("quibrom.nes"));
        QVERIFY(!QFileInfo::exists(inipath()));
    }

    void promptoffersstoredname()
    {
        testutil::writefile(inipath(), "[Load]\r\nFilename = \"" + rompath.toUtf8() + "\"\r\n");
        QuibWindow w;
        QString offered;
        QVERIFY(!start(w, QString(), &offered));
        QCOMPARE(offered, rompath);
    }

    // A missing path, an empty file and a folder get the message and end the
    // program; nothing on disk is created, changed or deleted.
    void unusablerom_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind"); // 0 missing, 1 empty, 2 folder
        QTest::newRow("missing") << "none.nes" << 0;
        QTest::newRow("empty") << "empty.nes" << 1;
        QTest::newRow("folder") << "folder" << 2;
    }
    void unusablerom()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        const QString path = work.filePath(name);
        if (kind == 1)
            QVERIFY(testutil::writefile(path, QByteArray()));
        if (kind == 2)
            QVERIFY(QDir(work.path()).mkdir(name));
        const QStringList before = workfiles();
        testutil::SeenBox seen;
        testutil::answermodals(seen);
        QuibWindow w;
        QVERIFY(!start(w, path));
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.title, QStringLiteral("Can't open file!"));
        QCOMPARE(seen.text, QStringLiteral("File '") + path + QStringLiteral("' is either empty or can't be found."));
        QCOMPARE(workfiles(), before);
        QCOMPARE(QFileInfo(path).exists(), kind != 0);
        QVERIFY(!QFileInfo::exists(inipath()));
        if (kind == 1)
            QFile::remove(path);
        if (kind == 2)
            QDir(work.path()).rmdir(name);
    }

    // A file far larger than any ROM is refused with its own message (here a
    // sparse one, which takes no room); the copy a killed save of a ROM left
    // beside it is removed when that ROM is opened again, and nothing else.
    void hugeromrefused()
    {
        const QString path = work.filePath(QStringLiteral("huge.nes"));
        QVERIFY(testutil::writefile(path, QByteArray()) && QFile::resize(path, qint64(3) << 30));
        testutil::SeenBox seen;
        testutil::answermodals(seen);
        QuibWindow w;
        QVERIFY(!start(w, path));
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.title, QStringLiteral("Can't open file!"));
        QCOMPARE(seen.text, QStringLiteral("The file '%1' is 3,221,225,472 bytes long, far larger than the 393,232 bytes "
                                           "of the supported ROM image: it is not a ROM this editor can open.")
                                .arg(path));
        QCOMPARE(QFileInfo(path).size(), qint64(3) << 30);
        QFile::remove(path);
    }
    void leftoversaveremoved()
    {
        const QString left = work.filePath(QStringLiteral(".quibrom.nes.unfinished-save-k3Lq9Z"));
        const QString backup = work.filePath(QStringLiteral("quibrom.nes.bak"));
        QVERIFY(testutil::writefile(left, QByteArray(200000, 'x')) && testutil::writefile(backup, QByteArray(9, 'x')));
        QuibWindow w;
        QVERIFY(start(w, rompath));
        QVERIFY(!QFileInfo::exists(left));
        QVERIFY(QFileInfo::exists(backup));
        QFile::remove(backup);
    }

    void shortromwarns()
    {
        const QString path = work.filePath(QStringLiteral("short.nes"));
        QVERIFY(testutil::writefile(path, QByteArray(1000, '\0')));
        testutil::SeenBox seen;
        testutil::answermodals(seen);
        QuibWindow w;
        QVERIFY(start(w, path));
        QCOMPARE(seen.count, 1);
        QVERIFY(seen.text.contains(QStringLiteral("1,000")));
        QVERIFY(seen.text.contains(QStringLiteral("393,232")));
        QCOMPARE(QFileInfo(path).size(), 1000);
        QFile::remove(path);
    }

    void startsonstoredworld()
    {
        testutil::writefile(inipath(), "[Options]\nStartMapNumber=12\nViewMapSprites=5\nViewLevelBackg= 0\n");
        QuibWindow w;
        QVERIFY(start(w, rompath));
        QCOMPARE(int(w.state().curworld), 9);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quib editor -- World 9"));
        QVERIFY(w.state().viewmapsprites);
        QVERIFY(!w.state().viewlvlbg);
        QVERIFY(w.findChild<QAction *>(QStringLiteral("viewmapsprites"))->isChecked());
        QVERIFY(!w.findChild<QAction *>(QStringLiteral("viewlvlbg"))->isChecked());
        QCOMPARE(w.state().editmode, uint8_t(0));
        QVERIFY(w.state().hdrofs);
        QCOMPARE(w.state().loadprogress, 1000000);
        QVERIFY(!w.splash()->isVisible());
        QCOMPARE(w.splash()->version()->text(), QStringLiteral("Version 0.01, Build 29"));
    }

    // Closing writes the four keys in their forms, and the zoom; only their
    // lines change.
    void closewritessettings()
    {
        testutil::writefile(inipath(), "; mine\r\n[Options]\r\nStartMapNumber=2\r\nOther=x\r\n");
        {
            QuibWindow w;
            QVERIFY(start(w, rompath));
            w.state().curworld = 4;
            w.findChild<QAction *>(QStringLiteral("viewmapsprites"))->trigger();
            QVERIFY(w.state().viewmapsprites);
            w.close();
        }
        QCOMPARE(testutil::readfile(inipath()),
                 QByteArray("; mine\r\n[Options]\r\nStartMapNumber= 4\r\nOther=x\r\nViewMapSprites=-1\r\n"
                            "ViewLevelBackg= 0\r\nZoom= 2\r\nGrid= 0\r\n[Load]\r\nFilename=")
                     + rompath.toUtf8() + "\r\n");
        QuibWindow again;
        QVERIFY(start(again, rompath));
        QCOMPARE(int(again.state().curworld), 4);
        QVERIFY(again.state().viewmapsprites);
    }

    void quitkeepssettings()
    {
        const QByteArray before = "[Options]\nStartMapNumber=3\n";
        testutil::writefile(inipath(), before);
        QuibWindow w;
        QVERIFY(start(w, rompath));
        w.state().curworld = 7;
        QAction *quit = w.findChild<QAction *>(QStringLiteral("Quit"));
        QCOMPARE(quit->text(), QStringLiteral("&Quit"));
        QCOMPARE(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        quit->trigger();
        QCOMPARE(testutil::readfile(inipath()), before);
    }

    void progressbar()
    {
        ProgressBox box;
        box.showprogress(500000);
        const QImage &p = box.picture();
        QCOMPARE(p.size(), QSize(200, 13));
        QCOMPARE(QColor(p.pixel(99, 6)), QColor(240, 180, 30));
        QCOMPARE(QColor(p.pixel(101, 6)), QColor(40, 10, 0));
        box.showprogress(1000000);
        QCOMPARE(QColor(box.picture().pixel(199, 12)), QColor(240, 180, 30));
        box.showprogress(0);
        QCOMPARE(QColor(box.picture().pixel(0, 0)), QColor(40, 10, 0));
    }

    void aboutclosesonclick()
    {
        QuibWindow w;
        QVERIFY(start(w, rompath));
        bool wasmodal = false;
        QTimer::singleShot(0, [&] {
            QWidget *m = QApplication::activeModalWidget();
            wasmodal = m == w.splash();
            if (m)
                QTest::mouseClick(m, Qt::LeftButton, {}, QPoint(10, 10));
        });
        w.findChild<QAction *>(QStringLiteral("about"))->trigger();
        QVERIFY(wasmodal);
        QVERIFY(!w.splash()->isVisible());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

#include "demorom/demorom.h"
#include "editor/presentation.h"
#include "editor/editorstate.h"
#include "editor/startup.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// Start-up reports its progress in a fixed order, each table built after
// its step, and ends with the start world loaded.
class TestStartupSteps : public QObject {
    Q_OBJECT
private slots:
    void order()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rom.nes"));
        QVERIFY(demo::builddemorom().save(path));
        EditorState s;
        s.rom = testutil::openrom(path);
        QList<int> seen;
        bool namesbeforeimages = false;
        runstartup(s, Settings{}, [&](int32_t v) {
            seen << v;
            if (v == 360000)
                namesbeforeimages = !s.names.enemynames[0].isEmpty() && !s.names.musicnames[0x10].isEmpty()
                                    && s.gfx.mapidx.idx.empty();
        });
        const QList<int> expected = {5000,   10000,  50000,  70000,  90000,  120000, 135000, 155000,
                                     170000, 360000, 435000, 475000, 550000, 600000, 700000, 760000,
                                     780000, 800000, 900000, 950000, 970000, 1000000};
        QCOMPARE(seen, expected);
        QVERIFY(namesbeforeimages);
        QCOMPARE(s.loadprogress, 1000000);
        QVERIFY(s.hdrofs);
        QCOMPARE(windowtitle(s), QStringLiteral("Quib editor -- World 1"));
        QVERIFY(s.props.four(1, 2, 0x60)); // the property tables are built
        QCOMPARE(s.props.pal(1, 1, 0x50), 2);
    }

    void versiontext()
    {
        QCOMPARE(quib::versiontext(0, 1, 29), QStringLiteral("Version 0.01, Build 29"));
        QCOMPARE(quib::versiontext(), QStringLiteral("Version 0.01, Build 29"));
        QCOMPARE(quib::versiontext(2, 15, 3), QStringLiteral("Version 2.15, Build 3"));
    }
};

QTEST_GUILESS_MAIN(TestStartupSteps)
#include "tst_startupsteps.moc"

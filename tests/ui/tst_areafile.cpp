#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/document.h"
#include "editor/editorstate.h"
#include "editor/startup.h"
#include "level/areafile.h"
#include "level/records.h"
#include "ui/areaactions.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// Levels > Export area and Import area, through the flows the menu runs.
class TestAreaFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    QByteArray pristine;

    demo::DemoAreaPlace place(const char *name) const
    {
        for (const demo::DemoAreaPlace &p : demo::demoareaplaces())
            if (QByteArray(p.name) == name)
                return p;
        qFatal("no demo area %s", name);
    }
    void start(EditorState &s, Document &doc, const demo::DemoAreaPlace &area)
    {
        QVERIFY(testutil::writefile(rompath, pristine));
        s.rom = testutil::openrom(rompath);
        runstartup(s, Settings(), nullptr);
        QVERIFY(doc.enterarea(int32_t(area.ref.objpos), int32_t(area.ref.enmpos), area.objset));
    }
    static FilePicker answer(const QString &path)
    {
        return [path](QWidget *, const FileQuestion &) { return path; };
    }
    // The bytes of a stream as stored: header and objects (or the enemy
    // records) and the end marker.
    QByteArray objstream(const demo::DemoAreaPlace &a, int objbytes) const
    {
        return pristine.mid(a.ref.objpos, hdrsize + objbytes + 1);
    }

private slots:
    void initTestCase()
    {
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        pristine = testutil::bytesof(demo::builddemorom());
    }

    // An area exported and imported into another area of its object set,
    // undone, redone and saved: that area's header and streams are the
    // exported one's, byte for byte, and nothing else changed.
    void exportimportsave()
    {
        const demo::DemoAreaPlace from = place("plain-2"), to = place("plain-1");
        const QString file = dir.filePath(QStringLiteral("plain-2.json"));
        LevelDocument exported;
        {
            EditorState s;
            Document doc(s);
            start(s, doc, from);
            QVERIFY(!exportareaflow(nullptr, doc, answer(file)).isEmpty());
            exported = s.level.document();
            QCOMPARE(testutil::readfile(file), writeareafile(exported)); // same area, same bytes
        }
        EditorState s;
        Document doc(s);
        start(s, doc, to);
        const LevelDocument before = s.level.document();
        QVERIFY(!importareaflow(nullptr, doc, answer(file)).isEmpty());
        QCOMPARE(doc.undostack().count(), 1);
        QCOMPARE(doc.undostack().undoText(), QStringLiteral("Import area"));
        doc.undostack().undo();
        QVERIFY(s.level.document() == before);
        doc.undostack().redo();
        QCOMPARE(s.level.lvlhdr, exported.lvlhdr);
        QString error;
        QVERIFY2(doc.save(&error), qPrintable(error));

        int objbytes = 0;
        for (const ObjRecord &o : exported.objects)
            objbytes += o.four ? 4 : 3;
        // The old streams' bytes the new ones don't use become 0xFF.
        int oldobjbytes = 0;
        for (const ObjRecord &o : before.objects)
            oldobjbytes += o.four ? 4 : 3;
        QByteArray expected = pristine;
        expected.replace(to.ref.objpos, hdrsize + oldobjbytes + 1, QByteArray(hdrsize + oldobjbytes + 1, '\xFF'));
        expected.replace(to.ref.enmpos + 1, enemyrecordsize * before.enemycount() + 1,
                         QByteArray(enemyrecordsize * before.enemycount() + 1, '\xFF'));
        expected.replace(to.ref.objpos, hdrsize + objbytes + 1, objstream(from, objbytes));
        const int enemybytes = enemyrecordsize * exported.enemycount() + 1;
        expected.replace(to.ref.enmpos + 1, enemybytes, pristine.mid(from.ref.enmpos + 1, enemybytes));
        QCOMPARE(testutil::readfile(rompath), expected);
    }

    // Files that are refused (the field named) or asked about first: the
    // area and the undo stack stay as they were.
    void badfiles_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("says");
        const QString area = QStringLiteral(
            R"({"format": "quibed-area", "version": 1, "objectSet": %1, "header": "00 00 00 00 00 00 00 00 00",
                "objects": %2, "enemies": %3})");
        auto file = [&](int set, const char *objects, const char *enemies) {
            return area.arg(set).arg(QLatin1String(objects), QLatin1String(enemies)).toUtf8();
        };
        const QString refused = QStringLiteral("Area not imported");
        QTest::newRow("bank") << file(1, R"([{"x": 1, "y": 2, "bank": 9, "type": "10"}])", "[]") << refused
                              << QStringLiteral("objects[0].bank: 9 is outside 0..7");
        QTest::newRow("missing") << file(1, "[]", R"([{"x": 1, "y": 2}])") << refused
                                 << QStringLiteral("enemies[0].type: missing");
        QTest::newRow("end marker") << file(1, R"([{"x": 1, "y": 31, "bank": 7, "type": "10"}])", "[]") << refused
                                    << QStringLiteral("objects[0].y: row 31 of bank 7 would end the stream");
        QTest::newRow("broken json") << QByteArray(R"({"format": "quibed-area", "objects": [)") << refused
                                     << QStringLiteral("Not a JSON document");
        QTest::newRow("too large") << file(1, "[]", R"([)" + QByteArray(R"({"x": 1, "y": 2, "type": "10"},)").repeated(255) + R"({"x": 1, "y": 2, "type": "10"}])")
                                   << refused << QStringLiteral("enemies: 256 records, at most 255");
        QTest::newRow("other set") << file(2, "[]", "[]") << QStringLiteral("Import area")
                                   << QStringLiteral("holds an area of object set 2");
    }
    void badfiles()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, title);
        QFETCH(QString, says);
        const QString file = dir.filePath(QStringLiteral("bad.json"));
        QVERIFY(testutil::writefile(file, json));
        EditorState s;
        Document doc(s);
        start(s, doc, place("plain-1"));
        const LevelDocument before = s.level.document();
        testutil::SeenBox seen;
        testutil::answermodals(seen); // a question is answered "no"
        const QString done = importareaflow(nullptr, doc, answer(file));
        testutil::stopanswering();
        QVERIFY(done.isEmpty());
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.title, title);
        QVERIFY2(seen.text.contains(says), qPrintable(seen.text));
        QVERIFY(s.level.document() == before);
        QCOMPARE(doc.undostack().count(), 0);
    }
};

QTEST_MAIN(TestAreaFile)
#include "tst_areafile.moc"

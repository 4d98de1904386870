#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/document.h"
#include "editor/editorstate.h"
#include "rom/romlayout.h"
#include "editor/startup.h"

#include "testutil.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quib;

// Edit sequences through the document alone: what makes one undo step, what
// undo and redo bring back, and the bytes Save then writes.
class TestDocument : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString rompath;
    QByteArray pristine;
    const KeyMods none{};

    void start(EditorState &s, int world)
    {
        QVERIFY(testutil::writefile(rompath, pristine));
        s.rom = testutil::openrom(rompath);
        Settings settings;
        settings.startmap = uint8_t(world);
        runstartup(s, settings, nullptr);
    }
    // The first area of plain-1: a horizontal area of 12 screens.
    demo::AreaRef plain() const { return demo::demolevelfor(1, 0, 1); }
    void enterplain(Document &doc)
    {
        const demo::AreaRef a = plain();
        QVERIFY(doc.enterarea(int32_t(a.objpos), int32_t(a.enmpos), 1));
    }
    static qsizetype tilepos(int world, int row, int col)
    {
        return rom::mapdatapos[size_t(world - 1)] + 144 * (col / 16) + 16 * row + col % 16;
    }
    QByteArray saved(Document &doc)
    {
        QString error;
        if (!doc.save(&error))
            qWarning() << error;
        return testutil::readfile(rompath);
    }
    static PointerInput at(int px, int py, int buttons = 1) { return {px, py, buttons, false, false}; }

private slots:
    void initTestCase()
    {
        rompath = dir.filePath(QStringLiteral("quibrom.nes"));
        pristine = testutil::bytesof(demo::builddemorom());
    }

    // Every kind of map edit, each one undo step however many keys or moves
    // it took; undone and redone step by step, then saved.
    void mapsteps()
    {
        EditorState s;
        start(s, 1);
        Document doc(s);
        QUndoStack &stack = doc.undostack();
        QByteArray exp = pristine;
        auto tile = [&](int r, int c) -> char & { return exp[tilepos(1, r, c)]; };
        std::vector<MapDocument> docs{s.map.document()};
        std::vector<MapView> views{s.map.view()};
        auto step = [&] {
            QCOMPARE(stack.count(), int(docs.size()));
            docs.push_back(s.map.document());
            views.push_back(s.map.view());
        };

        // A key, then a held key: one step each.
        doc.key(Key::KpPlus, none);
        tile(0, 0) = char(tile(0, 0) + 1);
        step();
        doc.key(Key::KpMultiply, none);
        for (int i = 0; i < 9; ++i)
            doc.key(Key::KpMultiply, none, true);
        tile(0, 0) = char(tile(0, 0) + 160);
        step();

        // Shift + drag paints square after square.
        s.curtile = 0x5D;
        doc.press({2 * 16 + 3, 16 + 3, 1, true, false});
        for (int px = 2 * 16 + 3; px < 7 * 16; px += 2)
            doc.drag({px, 16 + 5, 1, true, false});
        for (int c = 2; c <= 6; ++c)
            tile(1, c) = char(0x5D);
        step();

        // Replace all from the toolbox, the pointer wandering in the square.
        s.toolaction = 1;
        s.tooltile = 0xBF;
        const uint8_t from = s.map.maptiles[3][3];
        doc.press({3 * 16 + 1, 3 * 16 + 1, 1, false, true});
        for (int i = 0; i < 20; ++i)
            doc.drag({3 * 16 + i % 14, 3 * 16 + 2, 1, false, true});
        for (qsizetype k = rom::mapdatapos[0]; exp[k] != char(0xFF); ++k)
            if (exp[k] == char(from))
                exp[k] = char(0xBF);
        step();

        // Pointer 0 dragged up a row and two columns right: it stays first in
        // the stored order.
        doc.setmode(ModeMapPointers);
        QCOMPARE(stack.count(), 4); // a mode change is no step
        const int row0 = s.map.ptrrow[0], col0 = s.map.ptrcol[0];
        QVERIFY(doc.press(at(col0 * 16 + 8, row0 * 16 + 8)));
        for (int i = 0; i < 32; ++i)
            doc.drag(at(col0 * 16 + 8 + i, row0 * 16 + 8 - i / 2));
        const qsizetype base = rom::mapptrpos[0];
        const int n = uint8_t(pristine[base]);
        exp[base + 1] = char(((row0 - 1 + 2) << 4) | s.map.ptrobjset[0]);
        exp[base + 1 + n] = char(col0 + 2);
        step();

        // Its target from the pointer dialog.
        const demo::AreaRef hills = demo::demolevelfor(1, 0, 3);
        doc.setpointer(3, int32_t(hills.objpos), int32_t(hills.enmpos));
        exp[base + 1] = char(((row0 - 1 + 2) << 4) | 3);
        const uint16_t enm = rom::offsettoptr(hills.enmpos, rom::enemydataadder);
        const uint16_t obj = rom::offsettoptr(hills.objpos, rom::objadder(3));
        exp[base + 1 + 2 * n] = char(enm & 0xFF);
        exp[base + 2 + 2 * n] = char(enm >> 8);
        exp[base + 1 + 4 * n] = char(obj & 0xFF);
        exp[base + 2 + 4 * n] = char(obj >> 8);
        step();

        // Sprite 0 grabbed and dragged with the left button: it lands on the
        // square under the pointer.
        doc.setmode(ModeMapSprites);
        const int sx = s.map.sprx[0], sy = s.map.spry[0];
        doc.press(at(sx + 3, sy - 32 + 5));
        for (int i = 0; i <= 40; ++i)
            doc.drag(at(sx + 3 + (5 * 16 + 7 - sx - 3) * i / 40, sy - 27 + (50 - sy + 27) * i / 40));
        auto spritefield = [&](int field) {
            const qsizetype p = rom::mapspriteptrpos(field, 1);
            return qsizetype(rom::ptrtooffset(uint16_t(uint8_t(pristine[p]) | uint8_t(pristine[p + 1]) << 8),
                                              rom::mapdataadder));
        };
        exp[spritefield(1)] = char(80);
        exp[spritefield(2)] = 0;
        exp[spritefield(3)] = char(80);
        step();
        QCOMPARE(stack.count(), 7);

        // Undo step by step: each brings back the document, the view and
        // the mode it was made in.
        for (int i = 7; i > 0; --i) {
            stack.undo();
            QVERIFY(s.map.document() == docs[size_t(i - 1)]);
            QCOMPARE(s.map.selptr, views[size_t(i - 1)].selptr);
            QCOMPARE(s.map.mapcurcol, views[size_t(i - 1)].mapcurcol);
        }
        QVERIFY(!doc.modified());
        QCOMPARE(saved(doc), pristine);
        for (int i = 1; i <= 7; ++i) {
            stack.redo();
            QVERIFY(s.map.document() == docs[size_t(i)]);
        }
        QCOMPARE(int(s.editmode), int(ModeMapSprites));
        QVERIFY(doc.modified());
        QCOMPARE(saved(doc), exp);
        QVERIFY(!doc.modified());
    }

    // Save, undo, save again: the file goes back to the earlier bytes; the
    // unsaved mark follows the stack's position against the last save.
    void undoacrosssave()
    {
        EditorState s;
        start(s, 1);
        Document doc(s);
        QByteArray one = pristine, two = pristine;
        const qsizetype p = tilepos(1, 0, 0);
        one[p] = char(pristine[p] + 1);
        two[p] = char(pristine[p] + 2);

        doc.key(Key::KpPlus, none);
        QCOMPARE(saved(doc), one);
        doc.key(Key::KpPlus, none);
        QVERIFY(doc.modified());
        QCOMPARE(saved(doc), two);
        doc.undostack().undo();
        QVERIFY(doc.modified());
        QCOMPARE(saved(doc), one);
        QVERIFY(!doc.modified());
        doc.undostack().undo();
        QCOMPARE(saved(doc), pristine);
        doc.undostack().redo();
        QVERIFY(doc.modified());
        doc.undostack().redo();
        QCOMPARE(saved(doc), two);

        // The same in a level, whose Save puts the enemies in column order.
        enterplain(doc);
        const demo::AreaRef a = plain();
        const QByteArray entered = saved(doc); // enemies sorted
        doc.key(Key::Space, none);             // enemies
        doc.key(Key::Kp8, none);
        QByteArray up = entered;
        const qsizetype row0 = qsizetype(a.enmpos) + 3; // enemy 0's row
        up[row0] = char(up[row0] - 1);
        QCOMPARE(saved(doc), up);
        doc.undostack().undo();
        QCOMPARE(int(s.editmode), int(ModeEnemyEditing));
        QCOMPARE(saved(doc), entered);
        doc.undostack().redo();
        QCOMPARE(saved(doc), up);
    }

    // A drag of many moves and a held key are one step each; undo brings
    // back the selection and the scroll of the step, and the mode.
    void levelsteps()
    {
        EditorState s;
        start(s, 1);
        Document doc(s);
        enterplain(doc);
        QUndoStack &stack = doc.undostack();
        Level &l = s.level;
        QCOMPARE(stack.count(), 0);
        const LevelDocument entered = l.document();

        for (int i = 0; i < 20; ++i)
            doc.key(Key::PageDown, none);
        const LevelView picked = l.view();
        QCOMPARE(int(picked.selobj), 20);
        doc.key(Key::Kp6, none);
        doc.key(Key::Kp6, none, true);
        doc.key(Key::Kp6, none, true);
        QCOMPARE(stack.count(), 1);
        const LevelDocument moved = l.document();
        doc.key(Key::Kp6, none); // pressed again: a new step
        QCOMPARE(stack.count(), 2);
        stack.undo();
        QVERIFY(l.document() == moved);

        // Enemy 0 dragged by the mouse, 300 moves, the view following it.
        doc.key(Key::Space, none);
        QCOMPARE(int(s.editmode), int(ModeEnemyEditing));
        const LevelView enemyview = l.view();
        const int ex = l.enemyx[0] - l.lvlscrollx, ey = l.enemyy[0] - l.lvlscrolly;
        QVERIFY(doc.press(at(ex * 16 + 4, ey * 16 + 4)));
        for (int i = 0; i < 300; ++i)
            doc.drag(at(ex * 16 + 4 + i, ey * 16 + 4 - i / 30));
        QCOMPARE(stack.count(), 2);
        const LevelView dragged = l.view();
        QVERIFY(dragged.lvlscrollx != enemyview.lvlscrollx);

        // Looking around is no step and sets no unsaved mark.
        for (Key k : {Key::Left, Key::Up, Key::PageUp, Key::Right, Key::Down, Key::PageDown, Key::S})
            doc.key(k, none);
        doc.press(at(255, 0)); // on nothing
        QCOMPARE(stack.count(), 2);
        stack.undo(); // the drag
        QVERIFY(l.document() == moved);
        QCOMPARE(int(s.editmode), int(ModeEnemyEditing));
        QCOMPARE(l.selenemy, enemyview.selenemy);
        QCOMPARE(l.lvlscrollx, enemyview.lvlscrollx);
        QCOMPARE(l.lvlscrolly, enemyview.lvlscrolly);
        stack.undo(); // the keys
        QVERIFY(l.document() == entered);
        QCOMPARE(int(s.editmode), int(ModeObjectEditing));
        QCOMPARE(l.selobj, picked.selobj);
        QCOMPARE(l.lvlscrollx, picked.lvlscrollx);
        QVERIFY(!doc.modified());
        stack.redo();
        stack.redo();
        QCOMPARE(int(s.editmode), int(ModeEnemyEditing));
        QCOMPARE(l.lvlscrollx, dragged.lvlscrollx);
        QCOMPARE(l.selenemy, dragged.selenemy);

        // A drag back to where it began changed nothing.
        const LevelDocument before = l.document();
        const int bx = (l.enemyx[0] - l.lvlscrollx) * 16 + 4, by = (l.enemyy[0] - l.lvlscrolly) * 16 + 4;
        doc.press(at(bx, by));
        doc.drag(at(bx - 16, by));
        doc.drag(at(bx, by));
        QVERIFY(l.document() == before);
        QCOMPARE(stack.count(), 2);
    }

    // In the map modes the keys and clicks that only look or select are no
    // step and leave no unsaved mark.
    void mapviewchanges()
    {
        EditorState s;
        start(s, 8);
        Document doc(s);
        const struct {
            uint8_t mode;
            std::vector<Key> keys;
        } looks[] = {
            {ModeMapEditing, {Key::Right, Key::Left, Key::Kp2, Key::Kp6, Key::Kp8, Key::Kp4, Key::KpDot, Key::H, Key::S}},
            {ModeMapPointers, {Key::Down, Key::Up, Key::Right, Key::Left, Key::H}},
            {ModeMapSprites, {Key::Down, Key::Up, Key::Right, Key::Left}},
        };
        for (const auto &look : looks) {
            doc.setmode(look.mode);
            for (Key k : look.keys)
                doc.key(k, none);
            doc.press(at(40, 40));      // selects or moves the cursor
            doc.press(at(40, 40, 2));   // picks a tile in map editing
            doc.press(at(40, 200));     // below the map rows
            QCOMPARE(doc.undostack().count(), 0);
            QVERIFY(!doc.modified());
        }
    }

    // Loading another world or area starts a new history: the stack is
    // cleared and nothing is marked unsaved (without a guard the edits are
    // dropped).
    void loadingclearsstack()
    {
        EditorState s;
        start(s, 1);
        Document doc(s);
        const demo::AreaRef a = plain();
        const struct {
            const char *what;
            bool inlevel;
            std::function<bool()> go;
        } loads[] = {
            {"world", false, [&] { return doc.gotoworld(2); }},
            {"Page Down", false, [&] { doc.key(Key::PageDown, none); return s.curworld == 3; }},
            {"enter", false, [&] { s.editmode = ModeMapPointers; return doc.enterlevel(); }},
            {"next area", true, [&] { return doc.gotonextarea() == 1; }},
            {"B", true, [&] { doc.key(Key::B, none); return s.level.lvlobjpos != int32_t(a.objpos); }},
            {"by offsets", true, [&] { return doc.enterarea(int32_t(a.objpos), int32_t(a.enmpos), 1); }},
            {"exit", true, [&] { return doc.exitlevel(); }},
        };
        for (const auto &load : loads) {
            if (load.inlevel)
                enterplain(doc);
            if (!load.inlevel)
                s.map.selptr = 0;
            doc.key(Key::KpPlus, none);
            QVERIFY2(doc.modified(), load.what);
            QVERIFY2(load.go(), load.what);
            QVERIFY2(!doc.modified(), load.what);
            QVERIFY2(!doc.undostack().canUndo() && doc.undostack().count() == 0, load.what);
        }
        // The map edit dropped on the way into the level is gone on coming back.
        QCOMPARE(int(s.curworld), 3);
        QCOMPARE(s.map.maptiles[0][0], uint8_t(pristine[tilepos(3, 0, 0)]));
        QCOMPARE(testutil::readfile(rompath), pristine);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"

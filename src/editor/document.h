#pragma once
// The document: the one path by which the loaded world map or level area is
// changed. Every edit (keys, mouse, the pointer dialog) is an operation here;
// each one that changes what Save writes becomes a step on the undo stack,
// and every operation ends by reporting what changed, so the window redraws
// once per operation and nothing else draws.
//
// The undo stack belongs to the world or area it edits: loading another one
// clears it. Its clean state is the "unsaved edits" mark.
#include "editor/keys.h"

#include <QObject>
#include <QString>
#include "level/itemedit.h"

#include <QUndoStack>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace quib {

struct AreaSavePlan;
struct EditorState;
struct LevelDocument;

// What an operation changed. The window redraws the whole view for any of
// them; the bits say why.
enum Change : unsigned {
    ChangedDocument = 1, // what Save writes
    ChangedView = 2,     // scroll, cursor, selection, view options
    ChangedMode = 4,
    ChangedLoaded = 8,   // another world or area is shown
};

// A press or a move with a button held on the view, in surface pixels.
struct PointerInput {
    int px = 0, py = 0;
    int buttons = 0;        // 1 left, 2 right, 4 middle, added up
    bool shiftonly = false; // exactly Shift held
    bool toolbox = false;   // the map objects toolbox is shown
    bool ctrl = false;      // Ctrl held: a level item joins or leaves the selection
};

class Document : public QObject, private Navigator {
    Q_OBJECT
public:
    explicit Document(EditorState &state, QObject *parent = nullptr);
    ~Document() override;

    EditorState &state() { return s_; }
    QUndoStack &undostack() { return stack_; }

    // True when the loaded world or area has edits that Save has not written.
    // The steps of the writing dialogs don't count: their bytes are in the
    // file already.
    bool modified() const;
    // "world 3", or "the level area at 0x1A2B3"
    QString name() const;

    // What to do with unsaved edits before they would be dropped.
    enum class Leave { Save, Discard, Cancel };
    using Guard = std::function<Leave(Document &)>;
    void setguard(Guard guard) { guard_ = std::move(guard); }
    // Asks the guard when there are unsaved edits; true when they were saved
    // or may be dropped. Without a guard they are dropped. A save that fails
    // here is reported by savefailed and refuses the leave.
    bool mayleave();

    // Asked before a save moves a stream of the area to another place in
    // the ROM, with the question to show; false cancels the save. Without a
    // prompt the stream is moved.
    using MovePrompt = std::function<bool(const QString &question)>;
    void setmoveprompt(MovePrompt prompt) { moveprompt_ = std::move(prompt); }

    // ---- Edits and view changes --------------------------------------------
    KeyOutcome key(Key key, KeyMods mods, bool autorepeat = false);
    // Returns false when the press was ignored (below the map rows).
    bool press(const PointerInput &in);
    void drag(const PointerInput &in);
    // The button was let go: a selection rectangle goes.
    void release();
    // The map pointer dialog's OK: the selected pointer's target.
    void setpointer(int objset, int32_t objpos, int32_t enmpos);
    // The mode items of the Levels menu (within the map or the level modes).
    void setmode(uint8_t mode);
    // An imported area: the current area's header and records become
    // those of `next`, as one undo step that restores the header as well.
    void replacearea(const LevelDocument &next, const QString &label);
    // ---- Building an area (the Edit menu in the level modes) ---------------
    // Each is one undo step on the items of the current mode's kind. A
    // refused one changes nothing and returns why; else an empty string.
    // Add: a copy of the item picked last at `at`, else one block right of
    // it (an area without any gets a new one at the view's top-left block).
    QString additem(std::optional<Block> at);
    // Delete, or Cut (the window copied them first).
    QString deleteitems(bool cut = false);
    QString duplicateitems();
    // The group's top-left block goes to `at`. Items of the other kind only
    // switch the mode to theirs.
    QString pasteitems(const ItemGroup &group, Block at);
    ItemGroup copyitems() const;
    void selectallitems();
    void bringtofront();
    void sendtoback();

    // A view option changed outside the document (hdrofs, view options, tool
    // state, palettes): only redraw.
    void viewchanged() { emit changed(ChangedView); }

    // ---- Loading other worlds and areas ------------------------------------
    // Each asks about unsaved edits first and returns false when refused.
    bool gotoworld(int world);
    // `asked`: the window asked about the map's edits already, before the
    // closing bars; it is asked again only if edits came in meanwhile.
    bool enterlevel(bool asked = false);
    bool exitlevel();
    int gotonextarea(); // 1 loaded, 0 no linked area, -1 refused
    bool enterarea(int32_t objpos, int32_t enmpos, int objset);
    // The header dialog wrote the area's header to the ROM and decoded it;
    // `before` is the area as it was. When the scrolling type changed, the
    // records in memory took the form of the new type: the steps before
    // can't be undone any more, but their edits stay unsaved. Anything that
    // changed what Save writes shows as unsaved.
    // `image` is the ROM image before the dialog; the write becomes an undo
    // step that restores the area and the header bytes together.
    void headerwritten(const LevelDocument &before, const std::vector<uint8_t> &image);
    // A dialog wrote the ROM at once; `image` is the ROM image before it. The
    // bytes it changed become an undo step named `label`, whose undo writes
    // the old bytes back and whose redo writes the new ones, each followed by
    // `refresh` (what was decoded from those bytes is read again). Nothing
    // is pushed (and false returned) when no byte changed.
    bool romwritten(const QString &label, const std::vector<uint8_t> &image, std::function<void()> refresh);
    // Edit > Undo and Redo. A step of a writing dialog writes first; when
    // the write fails, `writefailed` says why and the step stays where it was.
    void undo();
    void redo();
    // The ROM was read again (another program changed it): the loaded world,
    // and the area when inside one, are read again from it, keeping the view;
    // their edits and undo steps are dropped.
    void romreloaded();

    // ---- Saving --------------------------------------------------------------
    // Writes the loaded world (tiles, sprites, pointers) or area (objects,
    // enemies) into the ROM. On success the unsaved mark goes and `saved`
    // says what was written ("Saved world 3 to quibrom.nes"); on failure
    // nothing changes and `error` says why (empty when the move prompt
    // cancelled it).
    bool save(QString *error, QString *saved = nullptr);

signals:
    void changed(unsigned what);
    // The save chosen before leaving failed; nothing was written.
    void savefailed(const QString &error);
    // The write of an undo or redo step failed; nothing changed.
    void writefailed(const QString &error);

private:
    struct Before;
    class MapEdit;
    class LevelEdit;
    class RomWrite;
    class AreaReplace;

    Before snapshot() const;
    unsigned commit(const Before &before, const QString &label, uint64_t merge);
    void finish(const Before &before, unsigned extra, const QString &label, uint64_t merge);
    void loaded();
    void revertmap();
    void moved(const AreaSavePlan &plan);
    void reloadmap();

    bool changeworld(EditorState &s, int world) override;
    bool exitlevel(EditorState &s) override;
    int nextarea(EditorState &s) override;

    EditorState &s_;
    QUndoStack stack_;
    Guard guard_;
    MovePrompt moveprompt_;
    bool navigated_ = false; // another world or area was loaded during an operation
    bool discarded_ = false; // the last mayleave() dropped the edits
    bool unsaved_ = false;   // edits that are no longer on the undo stack
    uint64_t serial_ = 0;    // merge keys: one per drag, one per held key
    uint64_t dragmerge_ = 0;
    uint64_t keymerge_ = 0;
    Key lastkey_ = Key::Esc;
    // A drag of level items: where the selected items were at the press,
    // and the selection a Ctrl+drag's rectangle adds to.
    std::vector<ItemPos> dragorigin_;
    ItemPos pickedorigin_{-1, 0, 0};
    std::vector<int> bandbase_;

    void itempress(const PointerInput &in);
    void itemdrag(const PointerInput &in);
    QString edititems(const QString &label, const std::function<QString(Level &, bool objects)> &op);
};

} // namespace quib

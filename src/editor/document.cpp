#include "editor/document.h"

#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "graphics/graphics.h"
#include "rom/hex.h"
#include "level/offsetentry.h"
#include "level/leveledit.h"
#include "level/lvlhdr.h"
#include "level/loadlevel.h"
#include "level/navigate.h"
#include "level/areasave.h"
#include "level/savelevel.h"
#include "editor/mapstate.h"
#include "worldmap/loadmap.h"
#include "worldmap/mapedit.h"
#include "worldmap/savemap.h"
#include "rom/romfile.h"

#include <QFileInfo>
#include <QUndoCommand>
#include <algorithm>
#include <optional>

namespace quib {

// The state before an operation: the document of the current kind, the view
// on it and the mode.
struct Document::Before {
    bool level = false;
    uint8_t mode = 0;
    MapDocument map;
    MapView mapview;
    LevelDocument lvl;
    LevelView lvlview;
};

namespace {

// An area's steps edit its header and records, never its place: a save that
// moved its streams leaves every step with the place it has now.
LevelDocument inplace(LevelDocument d, const LevelDocument &now)
{
    d.lvlobjpos = now.lvlobjpos;
    d.lvlenmpos = now.lvlenmpos;
    return d;
}

// One undo step: the document, the view and the mode before and after. A
// step restores the selection and the scroll it was made with, so the edited
// item is in view again. The steps of one drag or one held key carry the same
// merge key and fold into one.
template <class Doc, class View>
class SnapshotCommand : public QUndoCommand {
public:
    SnapshotCommand(Document &doc, const QString &label, uint64_t merge, const Doc &before, const View &vbefore,
                    uint8_t mbefore, const Doc &after, const View &vafter, uint8_t mafter)
        : QUndoCommand(label), doc_(doc), merge_(merge), before_(before), after_(after), vbefore_(vbefore),
          vafter_(vafter), mbefore_(mbefore), mafter_(mafter)
    {
    }

    void undo() override { apply(before_, vbefore_, mbefore_); }
    void redo() override
    {
        // Pushing the step runs redo(): the edit has been made already.
        if (first_) {
            first_ = false;
            return;
        }
        apply(after_, vafter_, mafter_);
    }
    int id() const override { return merge_ ? 1 : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *o = dynamic_cast<const SnapshotCommand *>(other);
        if (!o || o->merge_ != merge_)
            return false;
        after_ = o->after_;
        vafter_ = o->vafter_;
        mafter_ = o->mafter_;
        // A drag that ends where it began changed nothing.
        setObsolete(after_ == before_);
        return true;
    }

private:
    void apply(const Doc &doc, const View &view, uint8_t mode);

    Document &doc_;
    uint64_t merge_;
    Doc before_, after_;
    View vbefore_, vafter_;
    uint8_t mbefore_, mafter_;
    bool first_ = true;
};

template <>
void SnapshotCommand<MapDocument, MapView>::apply(const MapDocument &doc, const MapView &view, uint8_t mode)
{
    EditorState &s = doc_.state();
    s.map.document() = doc;
    s.map.view() = view;
    s.editmode = mode;
    emit doc_.changed(ChangedDocument | ChangedView | ChangedMode);
}

template <>
void SnapshotCommand<LevelDocument, LevelView>::apply(const LevelDocument &doc, const LevelView &view, uint8_t mode)
{
    EditorState &s = doc_.state();
    // Only the records are edited here; the header is written by its own
    // dialog and stays as it is now.
    const LevelDocument now = s.level.document();
    s.level.document() = inplace(doc, now);
    s.level.lvlhdr = now.lvlhdr;
    s.level.view() = view;
    s.editmode = mode;
    emit doc_.changed(ChangedDocument | ChangedView | ChangedMode);
}

} // namespace

// The step of a dialog that wrote the ROM at once: the stretches of bytes it
// changed, old and new. Undo and redo write one side through one write
// operation, then read again what was decoded from them. The level header's
// step also holds the area before and after the dialog (the scrolling type
// changes the form of the records in memory).
class Document::RomWrite : public QUndoCommand {
public:
    struct Stretch {
        int64_t offset;
        std::vector<uint8_t> old, now;
    };
    RomWrite(Document &doc, const QString &label, std::vector<Stretch> stretches, std::function<void()> refresh)
        : QUndoCommand(label), doc_(doc), stretches_(std::move(stretches)), refresh_(std::move(refresh))
    {
    }
    void setareas(const LevelDocument &before, const LevelDocument &after)
    {
        areas_ = true;
        before_ = before;
        after_ = after;
    }

    // Writes one side; false, with the reason, when the file can't be written.
    bool write(bool after, QString *error)
    {
        EditorState &s = doc_.state();
        RomFile rom(s.rom, RomFile::Mode::Write);
        for (const Stretch &st : stretches_) {
            const std::vector<uint8_t> &bytes = after ? st.now : st.old;
            for (size_t i = 0; i < bytes.size(); ++i)
                rom.writebyte(st.offset + int64_t(i), bytes[i]);
        }
        if (!rom.close()) {
            if (error)
                *error = rom.error();
            return false;
        }
        if (areas_ && !ismapmode(s.editmode)) {
            s.level.document() = inplace(after ? after_ : before_, s.level.document());
            clampscroll(s.level, viewsizeof(s.lvl));
        }
        if (refresh_)
            refresh_();
        emit doc_.changed(ChangedDocument | ChangedView);
        return true;
    }
    // True when a side of the step writes a byte of [from, to).
    bool touches(int64_t from, int64_t to) const
    {
        for (const Stretch &st : stretches_)
            if (st.offset < to && st.offset + int64_t(std::max(st.old.size(), st.now.size())) > from)
                return true;
        return false;
    }

    // Document::undo and redo wrote already.
    void skipnext() { skip_ = true; }

    void undo() override
    {
        if (!std::exchange(skip_, false))
            write(false, nullptr);
    }
    void redo() override
    {
        // Pushing the step runs redo(): the dialog has written already.
        if (!std::exchange(first_, false) && !std::exchange(skip_, false))
            write(true, nullptr);
    }

private:
    Document &doc_;
    std::vector<Stretch> stretches_;
    std::function<void()> refresh_;
    bool areas_ = false;
    LevelDocument before_, after_;
    bool first_ = true, skip_ = false;
};

class Document::MapEdit : public SnapshotCommand<MapDocument, MapView> {
    using SnapshotCommand::SnapshotCommand;
};
class Document::LevelEdit : public SnapshotCommand<LevelDocument, LevelView> {
    using SnapshotCommand::SnapshotCommand;
};

// Unlike the other level steps, this one takes the header along.
class Document::AreaReplace : public QUndoCommand {
public:
    AreaReplace(Document &doc, const QString &label, const LevelDocument &before, const LevelDocument &after)
        : QUndoCommand(label), doc_(doc), before_(before), after_(after)
    {
    }
    void undo() override { apply(before_); }
    void redo() override { apply(after_); }

private:
    void apply(const LevelDocument &d)
    {
        Level &l = doc_.state().level;
        l.document() = inplace(d, l.document());
        l.selobj = 0;
        l.selenemy = 0;
        clampscroll(l, viewsizeof(doc_.state().lvl));
        // The header chooses the pattern sheets and their colours.
        EditorState &s = doc_.state();
        for (int page = 0; page < 2; ++page)
            decodechr(s.gfx, s.rom, gfxsetsheet[page][l.graphicset()]);
        colorlvlgfx(s.gfx, l.lvlobjset, hdrfield(l.lvlhdr, HdrField::LevelColours), l.graphicset());
        emit doc_.changed(ChangedDocument | ChangedView);
    }
    Document &doc_;
    LevelDocument before_, after_;
};

Document::Document(EditorState &state, QObject *parent) : QObject(parent), s_(state)
{
    stack_.setUndoLimit(1000);
}

Document::~Document() = default;

QString Document::name() const
{
    if (ismapmode(s_.editmode))
        return QStringLiteral("world ") + QString::number(s_.curworld);
    return QStringLiteral("the level area at 0x") + hexstr(s_.level.lvlobjpos - (s_.hdrofs ? 0 : 0x10));
}

bool Document::mayleave()
{
    discarded_ = false;
    if (!modified())
        return true;
    if (!guard_) { // dropped as if the guard said so
        discarded_ = true;
        return true;
    }
    switch (guard_(*this)) {
    case Leave::Save: {
        QString error;
        if (save(&error))
            return true;
        emit savefailed(error);
        return false;
    }
    case Leave::Discard:
        discarded_ = true;
        return true;
    case Leave::Cancel:
    default:
        return false;
    }
}

Document::Before Document::snapshot() const
{
    Before b;
    b.mode = s_.editmode;
    b.level = !ismapmode(s_.editmode);
    if (b.level) {
        b.lvl = s_.level.document();
        b.lvlview = s_.level.view();
    } else {
        b.map = s_.map.document();
        b.mapview = s_.map.view();
    }
    return b;
}

// Puts the change since `before` on the undo stack, unless the operation
// changed nothing that Save writes or loaded something else. Returns the
// change bits.
unsigned Document::commit(const Before &b, const QString &label, uint64_t merge)
{
    if (navigated_)
        return ChangedLoaded | ChangedDocument | ChangedView | ChangedMode;
    unsigned what = ChangedView;
    if (b.mode != s_.editmode)
        what |= ChangedMode;
    if (b.level != !ismapmode(s_.editmode))
        return what;
    if (b.level) {
        if (s_.level.document() == b.lvl)
            return what;
        stack_.push(new LevelEdit(*this, label, merge, b.lvl, b.lvlview, b.mode, s_.level.document(),
                                  s_.level.view(), s_.editmode));
    } else {
        if (s_.map.document() == b.map)
            return what;
        stack_.push(new MapEdit(*this, label, merge, b.map, b.mapview, b.mode, s_.map.document(), s_.map.view(),
                                s_.editmode));
    }
    return what | ChangedDocument;
}

void Document::finish(const Before &before, unsigned extra, const QString &label, uint64_t merge)
{
    const unsigned what = commit(before, label, merge) | extra;
    navigated_ = false;
    emit changed(what);
}

// Another world or area was loaded: its edits start here.
void Document::loaded()
{
    stack_.clear();
    unsaved_ = false;
    navigated_ = true;
}

KeyOutcome Document::key(Key key, KeyMods mods, bool autorepeat)
{
    // A held key makes one undo step; a new press starts another.
    if (!autorepeat || key != lastkey_)
        keymerge_ = ++serial_;
    lastkey_ = key;
    const Before before = snapshot();
    const KeyOutcome out = handlekey(s_, key, mods, this);
    finish(before, 0, out.edit, keymerge_);
    return out;
}

namespace {

QString mouseedit(const EditorState &s, const PointerInput &in)
{
    switch (s.editmode) {
    case ModeMapEditing:
        return in.toolbox && s.toolaction == 1 ? QStringLiteral("Replace all") : QStringLiteral("Paint tile");
    case ModeMapPointers: return QStringLiteral("Move pointer");
    case ModeMapSprites: return QStringLiteral("Move sprite");
    case ModeObjectEditing: return QStringLiteral("Move object");
    case ModeEnemyEditing: return QStringLiteral("Move enemy");
    default: return QString();
    }
}

} // namespace

bool Document::press(const PointerInput &in)
{
    dragmerge_ = ++serial_;
    const Before before = snapshot();
    bool handled = true;
    if (ismapmode(s_.editmode))
        handled = mappress(mapediting(s_), {in.px, in.py, in.buttons, in.shiftonly, in.toolbox});
    else
        itempress(in);
    if (handled)
        finish(before, 0, mouseedit(s_, in), dragmerge_);
    return handled;
}

void Document::drag(const PointerInput &in)
{
    const Before before = snapshot();
    if (ismapmode(s_.editmode))
        mapdrag(mapediting(s_), {in.px, in.py, in.buttons, in.shiftonly, in.toolbox});
    else
        itemdrag(in);
    finish(before, 0, mouseedit(s_, in), dragmerge_);
}

void Document::release()
{
    if (ismapmode(s_.editmode) || !s_.level.band.on)
        return;
    s_.level.band = {};
    emit changed(ChangedView);
}

// A plain press picks as it always did; an item of a selection of several
// keeps the selection, so that a drag moves all of it. Ctrl+press on an item
// of the mode's kind adds it or takes it out; on nothing it starts a
// rectangle.
void Document::itempress(const PointerInput &in)
{
    Level &l = s_.level;
    l.band = {};
    const bool objmode = s_.editmode == ModeObjectEditing;
    const PressHit hit = presshit(l, s_.props, objmode, in.px, in.py, viewsizeof(s_.lvl));
    if (in.ctrl && hit.index < 0) {
        bandbase_ = selecteditems(l, objmode);
        l.band = {true, hit.block.col, hit.block.row, hit.block.col, hit.block.row};
        dragorigin_.clear();
        return;
    }
    if (in.ctrl && hit.object == objmode) {
        toggleitem(l, objmode, hit.index);
        const int i = objmode ? l.selobj : l.selenemy;
        const int x = objmode ? l.objects[size_t(i)].x : l.enemies[size_t(i)].x;
        const int y = objmode ? l.objects[size_t(i)].y : l.enemies[size_t(i)].y;
        s_.grabx = int16_t(x - hit.block.col);
        s_.graby = int16_t(y - hit.block.row);
    } else {
        quib::levelpress(s_, in.px, in.py);
        const bool objects = s_.editmode == ModeObjectEditing;
        if (objects != objmode)
            (objects ? l.objsel : l.enemysel).clear();
        else if (!(objects ? l.objsel : l.enemysel).count(objects ? l.selobj : l.selenemy))
            (objects ? l.objsel : l.enemysel).clear();
    }
    const bool objects = s_.editmode == ModeObjectEditing;
    dragorigin_ = itemorigins(l, objects);
    pickedorigin_ = {-1, 0, 0};
    const int picked = objects ? l.selobj : l.selenemy;
    for (const ItemPos &p : dragorigin_)
        if (p.index == picked)
            pickedorigin_ = p;
}

void Document::itemdrag(const PointerInput &in)
{
    Level &l = s_.level;
    const bool objects = s_.editmode == ModeObjectEditing;
    if (l.band.on) {
        const Block b = viewblock(l, in.px, in.py);
        l.band.col1 = b.col;
        l.band.row1 = b.row;
        const std::vector<int> inside = itemsinrect(l, s_.props, objects, l.band.col0, l.band.row0, b.col, b.row);
        std::vector<int> sel = bandbase_;
        sel.insert(sel.end(), inside.begin(), inside.end());
        selectitems(l, objects, sel, inside.empty() ? (objects ? l.selobj : l.selenemy) : inside.back());
        return;
    }
    const Block b = viewblock(l, in.px, in.py);
    quib::leveldrag(s_, in.px, in.py);
    if (dragorigin_.size() > 1 && pickedorigin_.index >= 0)
        dragitems(l, objects, dragorigin_, b.col + s_.grabx - pickedorigin_.x, b.row + s_.graby - pickedorigin_.y);
}

// ---- Building an area --------------------------------------------------------

QString Document::edititems(const QString &label, const std::function<QString(Level &, bool)> &op)
{
    if (ismapmode(s_.editmode))
        return QString();
    const Before before = snapshot();
    s_.level.band = {};
    const QString refused = op(s_.level, s_.editmode == ModeObjectEditing);
    if (!refused.isEmpty()) {
        s_.level.document() = before.lvl;
        s_.level.view() = before.lvlview;
        s_.editmode = before.mode;
        return refused;
    }
    if (s_.editmode == ModeObjectEditing)
        showobj(s_);
    else
        showenemy(s_);
    finish(before, 0, label, 0);
    return QString();
}

ItemGroup Document::copyitems() const
{
    if (ismapmode(s_.editmode))
        return {};
    return quib::copyitems(s_.level, s_.editmode == ModeObjectEditing);
}

QString Document::pasteitems(const ItemGroup &group, Block at)
{
    return edititems(QStringLiteral("Paste"), [&](Level &l, bool) {
        const QString refused = quib::pasteitems(l, s_.props, group, at.col, at.row);
        // Items of one kind only: the mode follows them.
        if (refused.isEmpty() && group.objects.empty() != group.enemies.empty())
            s_.editmode = group.objects.empty() ? ModeEnemyEditing : ModeObjectEditing;
        return refused;
    });
}

QString Document::additem(std::optional<Block> at)
{
    return edititems(QStringLiteral("Add"), [&](Level &l, bool objects) {
        ItemGroup g;
        g.objset = l.lvlobjset & 15;
        Block to{l.lvlscrollx, l.lvlscrolly};
        if (objects) {
            if (const ObjRecord *o = l.selectedobject()) {
                g.objects.push_back(*o);
                to = {o->x + 1, o->y};
            } else {
                ObjRecord first;
                first.four = s_.props.four(g.objset, 0, 0);
                g.objects.push_back(first);
            }
        } else {
            if (const EnemyRecord *e = l.selectedenemy()) {
                g.enemies.push_back(*e);
                to = {e->x + 1, e->y};
            } else {
                g.enemies.push_back({});
            }
        }
        return quib::pasteitems(l, s_.props, g, at ? at->col : to.col, at ? at->row : to.row);
    });
}

QString Document::deleteitems(bool cut)
{
    return edititems(cut ? QStringLiteral("Cut") : QStringLiteral("Delete"), [](Level &l, bool objects) {
        quib::deleteitems(l, objects);
        return QString();
    });
}

QString Document::duplicateitems()
{
    return edititems(QStringLiteral("Duplicate"), [&](Level &l, bool objects) {
        const ItemGroup g = quib::copyitems(l, objects);
        if (g.empty())
            return QString();
        int col = 255, row = 255;
        for (const ObjRecord &o : g.objects) {
            col = std::min<int>(col, o.x);
            row = std::min<int>(row, o.y);
        }
        for (const EnemyRecord &e : g.enemies) {
            col = std::min<int>(col, e.x);
            row = std::min<int>(row, e.y);
        }
        return quib::pasteitems(l, s_.props, g, col + 1, row + 1);
    });
}

void Document::selectallitems()
{
    if (ismapmode(s_.editmode))
        return;
    quib::selectall(s_.level, s_.editmode == ModeObjectEditing);
    emit changed(ChangedView);
}

void Document::bringtofront()
{
    if (s_.editmode == ModeObjectEditing)
        edititems(QStringLiteral("Bring to Front"), [](Level &l, bool) {
            objectstofront(l);
            return QString();
        });
}

void Document::sendtoback()
{
    if (s_.editmode == ModeObjectEditing)
        edititems(QStringLiteral("Send to Back"), [](Level &l, bool) {
            objectstoback(l);
            return QString();
        });
}

void Document::setpointer(int objset, int32_t objpos, int32_t enmpos)
{
    WorldMap &map = s_.map;
    if (!ismapmode(s_.editmode) || !map.selectedpointer())
        return;
    const Before before = snapshot();
    MapPtr &p = *map.selectedpointer();
    p.objset = uint8_t(objset & 15);
    p.objpos = objpos;
    p.enmpos = enmpos;
    finish(before, 0, QStringLiteral("Edit pointer"), 0);
}

void Document::setmode(uint8_t mode)
{
    if (mode > ModeMapSprites || ismapmode(mode) != ismapmode(s_.editmode))
        return;
    const Before before = snapshot();
    s_.editmode = mode;
    if (mode == ModeObjectEditing)
        showobj(s_);
    else if (mode == ModeEnemyEditing)
        showenemy(s_);
    else if (mode == ModeMapEditing)
        clampcursor(s_.map, viewsizeof(s_.lvl));
    finish(before, 0, QString(), 0);
}

// ---- Loading ----------------------------------------------------------------

bool Document::changeworld(EditorState &s, int world)
{
    if (!mayleave())
        return false;
    quib::changeworld(s, world);
    loaded();
    return true;
}

bool Document::exitlevel(EditorState &s)
{
    if (ismapmode(s.editmode) || !mayleave())
        return false;
    quib::exitlevel(s);
    loaded();
    return true;
}

int Document::nextarea(EditorState &s)
{
    if (!linkedarea(s.level).haslink)
        return 0;
    if (!mayleave())
        return -1;
    const bool enemies = s.editmode == ModeEnemyEditing;
    quib::nextarea(s);
    if (enemies)
        showenemy(s);
    loaded();
    return 1;
}

// The map's edits were dropped on the way into a level: read the world again,
// keeping the view and the selection.
void Document::revertmap()
{
    if (discarded_)
        reloadmap();
}

// Reads the loaded world again from the ROM, keeping the view and the
// selection.
void Document::reloadmap()
{
    const MapView view = s_.map.view();
    const uint8_t mode = s_.editmode;
    s_.editmode = ModeMapPointers;
    loadmap(s_);
    s_.map.view() = view;
    s_.editmode = mode;
}

bool Document::gotoworld(int world)
{
    if (!ismapmode(s_.editmode) || world < 1 || world > 9)
        return false;
    const Before before = snapshot();
    const bool ok = changeworld(s_, world);
    finish(before, 0, QString(), 0);
    return ok;
}

bool Document::enterlevel(bool asked)
{
    if (!ismapmode(s_.editmode) || !canenterlevel(s_))
        return false;
    const bool settled = asked && (discarded_ || !modified());
    if (!settled && !mayleave())
        return false;
    revertmap();
    const Before before = snapshot();
    quib::enterlevel(s_);
    loaded();
    finish(before, 0, QString(), 0);
    return true;
}

bool Document::exitlevel()
{
    const Before before = snapshot();
    const bool ok = exitlevel(s_);
    finish(before, 0, QString(), 0);
    return ok;
}

int Document::gotonextarea()
{
    if (ismapmode(s_.editmode))
        return -1;
    const Before before = snapshot();
    const int r = nextarea(s_);
    finish(before, 0, QString(), 0);
    return r;
}

bool Document::enterarea(int32_t objpos, int32_t enmpos, int objset)
{
    if (!mayleave())
        return false;
    if (ismapmode(s_.editmode))
        revertmap();
    const Before before = snapshot();
    const bool ok = enterlevelspec(s_, objpos, enmpos, objset);
    if (ok)
        loaded();
    finish(before, 0, QString(), 0);
    return ok;
}

namespace {

// The stretches where `now` differs from `old` (of the same length); stretches
// closer than a few bytes join into one.
std::vector<std::pair<size_t, size_t>> differences(const std::vector<uint8_t> &old, const std::vector<uint8_t> &now)
{
    std::vector<std::pair<size_t, size_t>> out; // begin, end
    const size_t n = std::min(old.size(), now.size());
    for (size_t i = 0; i < n; ++i) {
        if (old[i] == now[i])
            continue;
        if (!out.empty() && i - out.back().second < 8)
            out.back().second = i + 1;
        else
            out.emplace_back(i, i + 1);
    }
    return out;
}

} // namespace

bool Document::modified() const
{
    if (unsaved_)
        return true;
    const int clean = stack_.cleanIndex();
    if (clean < 0)
        return true;
    const int from = std::min(clean, stack_.index()), to = std::max(clean, stack_.index());
    for (int i = from; i < to; ++i)
        if (!dynamic_cast<const RomWrite *>(stack_.command(i)))
            return true;
    return false;
}

bool Document::romwritten(const QString &label, const std::vector<uint8_t> &image, std::function<void()> refresh)
{
    const std::vector<uint8_t> &now = s_.rom.image();
    std::vector<RomWrite::Stretch> stretches;
    for (const auto &[begin, end] : differences(image, now))
        stretches.push_back({int64_t(begin), std::vector<uint8_t>(image.begin() + ptrdiff_t(begin), image.begin() + ptrdiff_t(end)),
                             std::vector<uint8_t>(now.begin() + ptrdiff_t(begin), now.begin() + ptrdiff_t(end))});
    const bool any = !stretches.empty();
    if (any)
        stack_.push(new RomWrite(*this, label, std::move(stretches), std::move(refresh)));
    emit changed(ChangedDocument | ChangedView);
    return any;
}

void Document::undo()
{
    if (!stack_.canUndo())
        return;
    if (auto *step = dynamic_cast<RomWrite *>(const_cast<QUndoCommand *>(stack_.command(stack_.index() - 1)))) {
        QString error;
        if (!step->write(false, &error)) {
            emit writefailed(error);
            return;
        }
        step->skipnext();
    }
    stack_.undo();
}

void Document::redo()
{
    if (!stack_.canRedo())
        return;
    if (auto *step = dynamic_cast<RomWrite *>(const_cast<QUndoCommand *>(stack_.command(stack_.index())))) {
        QString error;
        if (!step->write(true, &error)) {
            emit writefailed(error);
            return;
        }
        step->skipnext();
    }
    stack_.redo();
}

void Document::replacearea(const LevelDocument &next, const QString &label)
{
    if (ismapmode(s_.editmode) || s_.level.document() == next)
        return;
    stack_.push(new AreaReplace(*this, label, s_.level.document(), next));
}

void Document::headerwritten(const LevelDocument &before, const std::vector<uint8_t> &image)
{
    const LevelDocument &now = s_.level.document();
    if (savedbytes(now) != savedbytes(before))
        unsaved_ = true;
    if (now.vertical() != before.vertical()) {
        const bool edits = modified();
        stack_.clear();
        unsaved_ = edits;
    }
    const LevelDocument after = now;
    if (romwritten(QStringLiteral("Edit level header"), image, [this] { headergraphics(s_.level, s_.rom, s_.gfx); }))
        if (auto *step = dynamic_cast<RomWrite *>(const_cast<QUndoCommand *>(stack_.command(stack_.index() - 1))))
            step->setareas(before, after);
}

void Document::romreloaded()
{
    reloadmap();
    if (!ismapmode(s_.editmode))
        loadlevel(s_);
    stack_.clear();
    unsaved_ = false;
    emit changed(ChangedDocument | ChangedView | ChangedLoaded);
}

// ---- Saving -----------------------------------------------------------------

// The steps of writing dialogs hold the bytes they wrote at the place they
// wrote them. Once a stream moved, undoing one that wrote its old bytes, the
// bytes it moved to or a pointer the move changed would write over bytes
// that are free now, someone else's or the new pointers: such a history is
// dropped (the edits on it are saved).
void Document::moved(const AreaSavePlan &plan)
{
    if (plan.moves().empty())
        return;
    std::vector<std::pair<int64_t, int64_t>> spans; // begin, end
    for (const StreamSave *m : plan.moves())
        spans.emplace_back(m->oldstart, m->oldend);
    for (const ByteWrite &w : plan.writes)
        spans.emplace_back(w.offset, w.offset + int64_t(w.bytes.size()));
    for (int i = 0; i < stack_.count(); ++i)
        if (const auto *step = dynamic_cast<const RomWrite *>(stack_.command(i)))
            for (const auto &[from, to] : spans)
                if (step->touches(from, to)) {
                    stack_.clear();
                    return;
                }
}

bool Document::save(QString *error, QString *saved)
{
    bool ok;
    QString movednote; // ", its objects moved from 0x1E133"
    if (ismapmode(s_.editmode)) {
        // Save puts the pointers and enemies in the game's order; the
        // selection stays on the item it was on.
        WorldMap &map = s_.map;
        const std::optional<MapPtr> sel =
            map.selectedpointer() ? std::optional<MapPtr>(*map.selectedpointer()) : std::nullopt;
        ok = savemapmodes(s_.rom, s_.map, s_.curworld, error);
        if (ok && sel && !(*map.selectedpointer() == *sel)) {
            const auto it = std::find(map.pointers.begin(), map.pointers.end(), *sel);
            if (it != map.pointers.end())
                map.selptr = uint8_t(it - map.pointers.begin());
        }
    } else {
        Level &l = s_.level;
        const bool hadsel = l.selectedenemy() != nullptr;
        const EnemyRecord sel = hadsel ? *l.selectedenemy() : EnemyRecord{};
        // Save sorts the enemies by column: the selected ones are found
        // again by their records (equal records are interchangeable).
        std::vector<EnemyRecord> marked;
        for (int i : l.enemysel)
            if (size_t(i) < l.enemies.size())
                marked.push_back(l.enemies[size_t(i)]);
        AreaSavePlan plan;
        LevelSaveContext context;
        context.map = &s_.map;
        context.world = s_.curworld;
        context.fileoffsets = s_.hdrofs;
        context.ask = moveprompt_;
        ok = savelevelmodes(s_.rom, s_.level, s_.props, error, context, &plan);
        if (ok)
            moved(plan);
        for (const StreamSave *m : plan.moves())
            movednote += QStringLiteral(", its %1 moved from 0x%2")
                             .arg(m->kind == StreamKind::Objects ? QStringLiteral("objects") : QStringLiteral("enemies"),
                                  hexstr(m->oldstart - (s_.hdrofs ? 0 : 0x10)));
        if (ok && hadsel) {
            const auto it = std::find(l.enemies.begin(), l.enemies.end(), sel);
            if (it != l.enemies.end())
                l.selenemy = uint8_t(it - l.enemies.begin());
        }
        if (ok && !marked.empty()) {
            std::vector<bool> taken(l.enemies.size(), false);
            l.enemysel.clear();
            for (const EnemyRecord &e : marked)
                for (size_t i = 0; i < l.enemies.size(); ++i)
                    if (!taken[i] && l.enemies[i] == e) {
                        taken[i] = true;
                        l.enemysel.insert(int(i));
                        break;
                    }
        }
    }
    if (!ok)
        return false;
    stack_.setClean();
    unsaved_ = false;
    if (saved)
        *saved = QStringLiteral("Saved %1 to %2").arg(name(), QFileInfo(s_.rom.path()).fileName()) + movednote;
    emit changed(ChangedDocument | ChangedView);
    return true;
}

} // namespace quib

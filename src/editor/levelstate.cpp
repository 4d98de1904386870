#include "editor/levelstate.h"

#include "editor/editorstate.h"
#include "level/drawlevel.h"
#include "level/itemedit.h"
#include "level/leveledit.h"
#include "level/navigate.h"
#include "level/offsetentry.h"

namespace quib {

LevelContext levelcontext(EditorState &s)
{
    return {s.rom, s.props, s.gfx, s.objcells, s.defset};
}

DrawOptions leveloptions(const EditorState &s)
{
    DrawOptions o;
    o.area = {s.level.lvlscrollx, s.level.lvlscrolly, s.lvl.width / 16, s.lvl.height / 16};
    o.selection = s.editmode == ModeObjectEditing ? SelectionMark::object
        : s.editmode == ModeEnemyEditing          ? SelectionMark::enemy
                                                  : SelectionMark::none;
    o.background = s.viewlvlbg;
    o.sheets = s.showsheets;
    if (o.selection != SelectionMark::none) {
        o.marked = selecteditems(s.level, o.selection == SelectionMark::object);
        if (o.marked.size() <= 1)
            o.marked.clear();
    }
    if (const LevelView::Band &b = s.level.band; b.on)
        o.band = {std::min(b.col0, b.col1), std::min(b.row0, b.row1), std::abs(b.col1 - b.col0) + 1,
                  std::abs(b.row1 - b.row0) + 1};
    return o;
}

void drawlevel(EditorState &s)
{
    drawlevel(s.lvl, s.level, s.props, s.objcells, s.gfx, leveloptions(s));
}

InfoLabels levellabels(const EditorState &s)
{
    return levellabels(s.level, s.names, leveloptions(s).selection);
}

void loadlevel(EditorState &s)
{
    loadlevel(s.level, levelcontext(s));
}

bool canenterlevel(const EditorState &s)
{
    return canenterlevel(s.map);
}

void enterlevel(EditorState &s)
{
    if (enterlevel(s.level, s.map, levelcontext(s), viewsizeof(s.lvl)))
        s.editmode = ModeObjectEditing;
}

void exitlevel(EditorState &s)
{
    s.editmode = ModeMapPointers;
}

bool nextarea(EditorState &s)
{
    return nextarea(s.level, levelcontext(s), viewsizeof(s.lvl));
}

bool enterlevelspec(EditorState &s, int32_t objofs, int32_t enmofs, int objset)
{
    if (!enterlevelspec(s.level, levelcontext(s), objofs, enmofs, objset))
        return false;
    s.editmode = ModeObjectEditing;
    return true;
}

void showobj(EditorState &s)
{
    showobj(s.level, s.props, viewsizeof(s.lvl));
}

void showenemy(EditorState &s)
{
    showenemy(s.level, s.props, viewsizeof(s.lvl));
}

void levelpress(EditorState &s, int px, int py)
{
    LevelGrab grab{s.grabx, s.graby};
    const SelectionMark picked =
        levelpress(s.level, s.props, s.editmode == ModeObjectEditing, px, py, grab, viewsizeof(s.lvl));
    if (picked == SelectionMark::none)
        return;
    s.grabx = grab.x;
    s.graby = grab.y;
    s.editmode = picked == SelectionMark::object ? ModeObjectEditing : ModeEnemyEditing;
}

void leveldrag(EditorState &s, int px, int py)
{
    leveldrag(s.level, s.props, s.editmode == ModeObjectEditing, {s.grabx, s.graby}, px, py, viewsizeof(s.lvl));
}

} // namespace quib

#include "editor/levelstate.h"

#include "editor/editorstate.h"
#include "level/drawlevel.h"
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
    if (enterlevel(s.level, s.map, levelcontext(s)))
        s.editmode = ModeObjectEditing;
}

void exitlevel(EditorState &s)
{
    s.editmode = ModeMapPointers;
}

bool nextarea(EditorState &s)
{
    return nextarea(s.level, levelcontext(s));
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
    showobj(s.level, s.props);
}

void showenemy(EditorState &s)
{
    showenemy(s.level, s.props);
}

void levelpress(EditorState &s, int px, int py)
{
    LevelGrab grab{s.grabx, s.graby};
    const SelectionMark picked = levelpress(s.level, s.props, s.editmode == ModeObjectEditing, px, py, grab);
    if (picked == SelectionMark::none)
        return;
    s.grabx = grab.x;
    s.graby = grab.y;
    s.editmode = picked == SelectionMark::object ? ModeObjectEditing : ModeEnemyEditing;
}

void leveldrag(EditorState &s, int px, int py)
{
    leveldrag(s.level, s.props, s.editmode == ModeObjectEditing, {s.grabx, s.graby}, px, py);
}

} // namespace quib

#include "level/enterspec.h"

#include "editor/editorstate.h"
#include "rom/romfile.h"
#include "level/loadlevel.h"
#include "rom/areaoffsets.h"

namespace quib {

LevelSpec foldlevelspec(const QString &objtext, const QString &enmtext, int objset, bool hdrofs)
{
    objset &= 15;
    return {foldobjpos(objtext.trimmed(), objset, hdrofs), foldenmpos(enmtext.trimmed(), hdrofs), objset};
}

LevelSpec initiallevelspec(const EditorState &s)
{
    const MapPtr *p = s.map.selectedpointer();
    if (!p)
        return {s.level.lvlobjpos, s.level.lvlenmpos, s.level.lvlobjset & 15};
    return {p->objpos, p->enmpos, p->objset & 15};
}

bool enterlevelspec(EditorState &s, int32_t objofs, int32_t enmofs, int objset)
{
    if (!s.rom.isopen())
        return false;
    s.level.lvlobjpos = objofs;
    s.level.lvlenmpos = enmofs;
    s.level.lvlobjset = objset & 15;
    loadlevel(s);
    s.editmode = ModeObjectEditing;
    return true;
}

} // namespace quib

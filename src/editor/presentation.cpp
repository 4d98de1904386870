#include "editor/presentation.h"

#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "level/drawlevel.h"
#include "level/loadlevel.h"
#include "worldmap/drawmap.h"
#include "worldmap/loadmap.h"

namespace quib {

InfoLabels infolabels(const EditorState &s)
{
    return ismapmode(s.editmode) ? maplabels(s.map, s.names, s.curworld, s.editmode, s.hdrofs) : levellabels(s);
}

QString windowtitle(const EditorState &s)
{
    return ismapmode(s.editmode) ? maptitle(s.curworld) : leveltitle(s.map, s.curworld);
}

QString modename(uint8_t mode)
{
    static const char *const names[5] = {"Map Editing", "Map Pointers", "Object Editing", "Enemy Editing",
                                         "Map Sprites"};
    return mode < 5 ? QString::fromLatin1(names[mode]) : QString();
}

} // namespace quib

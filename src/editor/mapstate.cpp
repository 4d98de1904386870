#include "editor/mapstate.h"

#include "editor/editorstate.h"
#include "worldmap/drawmap.h"
#include "worldmap/loadmap.h"

#include <algorithm>

namespace quib {

void loadmap(EditorState &state)
{
    loadmap(state.rom, state.curworld, state.map, state.gfx, viewsizeof(state.lvl));
}

void changeworld(EditorState &state, int world)
{
    state.curworld = uint8_t(std::clamp(world, 1, 9));
    state.map.mapscroll = 0;
    loadmap(state);
}

DrawOptions mapoptions(const EditorState &state)
{
    DrawOptions o = mapoptions(state.map.mapscroll, state.editmode, state.viewmapsprites, state.lvl);
    o.area.width = mapviewcols(state.map, viewsizeof(state.lvl)); // no more than the world has
    return o;
}

void drawmap(EditorState &state)
{
    drawmap(state.lvl, state.map, state.curworld, state.gfx, mapoptions(state));
}

MapEditing mapediting(EditorState &state)
{
    return {state.map,  state.editmode, state.curtile,         state.tooltile,
            state.toolaction, state.grabx, state.graby, viewsizeof(state.lvl)};
}

} // namespace quib

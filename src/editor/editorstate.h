#pragma once
// The editor state: one instance for the whole run, owned by the main window
// and handed by reference to the code that reads or changes it.
#include "graphics/editmode.h"
#include "graphics/graphics.h"
#include "graphics/surface.h"
#include "level/level.h"
#include "objgfx/objcells.h"
#include "rom/rom.h"
#include "tables/objprops.h"
#include "tables/names.h"
#include "worldmap/worldmap.h"

#include <QString>
#include <array>
#include <cstdint>

namespace quib {

struct EditorState {
    Rom rom;                  // opened at start-up from the path typed there; read once, written at once
    QString inidir;           // folder of the settings file, ending in "/"
    uint8_t curworld = 1;     // 1..9, the world whose map is loaded
    uint8_t editmode = ModeMapEditing;
    bool viewmapsprites = false; // draw map sprites outside map-sprites mode too
    bool viewlvlbg = false;      // draw the level background
    int32_t loadprogress = 0;    // 0..1000000 during start-up
    bool hdrofs = true;          // offsets shown as file offsets (else 0x10 lower)
    bool showsheets = false;     // draw the level's two pattern sheets over the view

    uint8_t curtile = 0;    // current map tile: painted by Shift+click and Enter, picked by a right click
    uint8_t tooltile = 0;   // tile chosen in the map objects toolbox
    uint8_t toolaction = 0; // toolbox action: 0 draw one square, 1 replace all
    int16_t grabx = 0;      // grab offset of a dragged sprite or level item
    int16_t graby = 0;

    NameTables names;
    Graphics gfx;
    WorldMap map;
    ObjProps props;
    ObjCells objcells;
    int defset = 0;   // object set whose pictures objcells holds
    Level level;

    // The drawing surface `lvl` the main window shows (the map in its
    // top-left 256 x 144). The core draws into it; the window only displays
    // it. The info labels and the title are computed (editor/presentation.h).
    Surface lvl{256, 240, rgb(224, 224, 224)};
};

} // namespace quib

#include "romdriver.h"

#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "editor/startup.h"
#include "level/drawlevel.h"
#include "level/loadlevel.h"
#include "level/navigate.h"
#include "level/rommap.h"
#include "level/savelevel.h"
#include "editor/mapstate.h"
#include "worldmap/drawmap.h"
#include "worldmap/loadmap.h"
#include "worldmap/savemap.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <tuple>

namespace quib::fuzz {

namespace {

// The editor state after start-up, made once over a blank image: the names,
// property tables and built-in pictures don't depend on the ROM, so every
// image starts from a copy of it and runs again only the start-up steps that
// read the ROM.
const EditorState &startedstate()
{
    static const std::unique_ptr<EditorState> state = [] {
        auto s = std::make_unique<EditorState>();
        s->rom = Rom(std::vector<uint8_t>(size_t(rom::imagesize), 0));
        Settings settings;
        settings.viewmapsprites = true;
        settings.viewlvlbg = true;
        runstartup(*s, settings, nullptr);
        return s;
    }();
    return *state;
}

// The start-up steps that read the ROM: the palettes, then the start world
// (as runstartup ends).
void startimage(EditorState &s)
{
    s.gfx.mapcache.fill(64);
    loadpal(s.gfx, s.rom);
    s.hdrofs = true;
    loadmap(s);
    buildobjpal(s.props);
}

// A rectangle of blocks taken from the image's own bytes: it may start
// before the area or map, run past its end, or be a single block, and every
// overlay is asked for. The renderer must clip it and change nothing else.
DrawOptions oddrect(const std::vector<uint8_t> &image, size_t at)
{
    const auto byte = [&](size_t i) { return image.empty() ? 0 : int(image[(at + i) % image.size()]); };
    DrawOptions o;
    o.area = BlockRect{byte(0) * 2 - 64, byte(1) / 4 - 16, 1 + byte(2) % 48, 1 + byte(3) % 40};
    o.selection = SelectionMark(byte(4) % 6);
    o.pointerboxes = o.mapsprites = o.spriteboxes = o.background = true;
    o.sheets = (byte(5) & 1) != 0;
    return o;
}

void mustkeepsize(const Rom &rom, size_t size)
{
    if (size_t(rom.length()) != size)
        std::abort(); // a save grew or cut the ROM
}

// Draws the loaded area in both level modes with its last object and enemy
// selected, then saves it.
void visitarea(EditorState &s, DriverCounts &counts)
{
    s.editmode = ModeObjectEditing;
    s.level.selobj = uint8_t(s.level.objcount() > 0 ? s.level.objcount() - 1 : 0);
    drawlevel(s);
    s.editmode = ModeEnemyEditing;
    s.level.selenemy = uint8_t(s.level.enemycount() > 0 ? s.level.enemycount() - 1 : 0);
    drawlevel(s);
    const DrawOptions odd = oddrect(s.rom.image(), size_t(s.level.lvlobjpos));
    Surface out = surfacefor(odd.area);
    drawlevel(out, s.level, s.props, s.objcells, s.gfx, odd);
    ++counts.areas;

    const size_t size = size_t(s.rom.length());
    RomFile rom(s.rom, RomFile::Mode::Write);
    savelevel(rom, s.level);
    if (rom.close())
        ++counts.saves;
    mustkeepsize(s.rom, size);
}

// The ROM map of the image: every stream, room and free run inside it.
void mapimage(const std::vector<uint8_t> &image, const ObjProps &props)
{
    const RomMap map = buildrommap(image, props);
    const int64_t size = int64_t(image.size());
    for (const MapStream &st : map.streams)
        if (st.start < 0 || st.start >= st.end || st.end > st.roomend || st.roomend > size)
            std::abort();
    for (const RomWindow &w : map.windows)
        for (const FreeRun &r : w.free)
            if (r.start < w.low || r.start + r.size > std::min(w.high + 1, size))
                std::abort();
}

} // namespace

DriverCounts runimage(const uint8_t *data, size_t size, const DriverLimits &limits)
{
    DriverCounts counts;
    if (size == 0)
        return counts; // start-up refuses an empty ROM
    const EditorState &started = startedstate();
    // One working state, set back to the started one for every image (an
    // assignment keeps its buffers, so nothing is allocated again), over a
    // ROM made from the image's bytes: its saves stay in memory.
    static const std::unique_ptr<EditorState> s = std::make_unique<EditorState>();
    *s = started;
    s->rom = Rom(std::vector<uint8_t>(data, data + size));
    startimage(*s);
    mapimage(s->rom.image(), s->props);

    // Every world, as a user would go through them: map modes drawn, saved
    // back (the saves land in the image, so later reads see them, as in the
    // editor), then every area its pointers lead to and the areas linked
    // from those. An area reached twice is visited once.
    std::set<std::tuple<int32_t, int32_t, int32_t>> seen;
    for (int w = 1; w <= 9; ++w) {
        s->curworld = uint8_t(w);
        s->editmode = ModeMapEditing;
        loadmap(*s);
        for (uint8_t mode : {ModeMapPointers, ModeMapSprites}) {
            s->editmode = mode;
            s->map.selptr = uint8_t(s->map.ptrcount() > 0 ? s->map.ptrcount() - 1 : 0);
            s->map.mapscroll = s->map.mapmaxscroll;
            drawmap(*s);
        }
        {
            const DrawOptions odd = oddrect(s->rom.image(), size_t(w) * 4099);
            Surface out = surfacefor(odd.area);
            drawmap(out, s->map, w, s->gfx, odd);
        }
        ++counts.worlds;
        {
            RomFile rom(s->rom, RomFile::Mode::Write);
            savemap(rom, s->map, s->curworld);
            savemapptrs(rom, s->map, s->curworld);
            if (rom.close())
                ++counts.saves;
            mustkeepsize(s->rom, size);
        }

        for (int p = 0; p < s->map.ptrcount() && counts.areas < limits.areas; ++p) {
            const size_t i = size_t(p);
            if (!seen.insert({s->map.pointers[i].objpos, s->map.pointers[i].enmpos, s->map.pointers[i].objset}).second)
                continue;
            s->map.selptr = uint8_t(p);
            s->level.lvlobjpos = s->map.pointers[i].objpos;
            s->level.lvlenmpos = s->map.pointers[i].enmpos;
            s->level.lvlobjset = s->map.pointers[i].objset;
            loadlevel(*s);
            visitarea(*s, counts);
            for (int step = 0; step < limits.linkedsteps && counts.areas < limits.areas; ++step) {
                const LinkedArea link = linkedarea(s->level);
                if (!link.haslink || !seen.insert({link.objpos, link.enmpos, link.objset}).second || !nextarea(*s))
                    break;
                visitarea(*s, counts);
            }
        }
        if (!ismapmode(s->editmode))
            exitlevel(*s);
    }
    return counts;
}

} // namespace quib::fuzz

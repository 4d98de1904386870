#include "romdriver.h"

#include "editor/editorstate.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"
#include "editor/startup.h"
#include "level/drawlevel.h"
#include "level/loadlevel.h"
#include "level/navigate.h"
#include "level/savelevel.h"
#include "worldmap/drawmap.h"
#include "worldmap/loadmap.h"
#include "worldmap/savemap.h"

#include <cstdlib>
#include <memory>
#include <set>
#include <tuple>

namespace quib::fuzz {

namespace {

const QString romname = QStringLiteral("/fuzz/rom.nes"); // mounted, never a file

// The editor state after start-up, made once over a blank image: the names,
// property tables and built-in pictures don't depend on the ROM, so every
// image starts from a copy of it and runs again only the start-up steps that
// read the ROM.
const EditorState &startedstate()
{
    static const std::unique_ptr<EditorState> state = [] {
        std::vector<uint8_t> blank(size_t(rom::imagesize), 0);
        const MemoryRom mounted(romname, blank);
        auto s = std::make_unique<EditorState>();
        s->romfile = romname;
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
    loadpal(s.gfx, s.romfile);
    s.hdrofs = true;
    loadmap(s);
    buildobjpal(s.props);
}

void mustkeepsize(const std::vector<uint8_t> &image, size_t size)
{
    if (image.size() != size)
        std::abort(); // a save grew or cut the ROM
}

// Draws the loaded area in both level modes with its last object and enemy
// selected, then saves it.
void visitarea(EditorState &s, std::vector<uint8_t> &image, DriverCounts &counts)
{
    s.editmode = ModeObjectEditing;
    s.level.selobj = uint8_t(s.level.objcount() > 0 ? s.level.objcount() - 1 : 0);
    drawlevel(s);
    s.editmode = ModeEnemyEditing;
    s.level.selenemy = uint8_t(s.level.enemycount() > 0 ? s.level.enemycount() - 1 : 0);
    drawlevel(s);
    ++counts.areas;

    const size_t size = image.size();
    RomFile rom(image, RomFile::Mode::Write);
    savelevel(rom, s);
    if (rom.close())
        ++counts.saves;
    mustkeepsize(image, size);
}

} // namespace

DriverCounts runimage(const uint8_t *data, size_t size, const DriverLimits &limits)
{
    DriverCounts counts;
    if (size == 0)
        return counts; // start-up refuses an empty ROM
    const EditorState &started = startedstate();
    std::vector<uint8_t> image(data, data + size);
    const MemoryRom mounted(romname, image);
    // One working state, set back to the started one for every image (an
    // assignment keeps its buffers, so nothing is allocated again).
    static const std::unique_ptr<EditorState> s = std::make_unique<EditorState>();
    *s = started;
    startimage(*s);

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
        ++counts.worlds;
        {
            RomFile rom(image, RomFile::Mode::Write);
            savemap(rom, *s);
            savemapptrs(rom, *s);
            if (rom.close())
                ++counts.saves;
            mustkeepsize(image, size);
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
            visitarea(*s, image, counts);
            for (int step = 0; step < limits.linkedsteps && counts.areas < limits.areas; ++step) {
                const LinkedArea link = linkedarea(s->level);
                if (!link.haslink || !seen.insert({link.objpos, link.enmpos, link.objset}).second || !nextarea(*s))
                    break;
                visitarea(*s, image, counts);
            }
        }
        if (!ismapmode(s->editmode))
            exitlevel(*s);
    }
    return counts;
}

} // namespace quib::fuzz

// Benchmarks of the editor's core operations. Each figure is the median of
// many runs, printed next to a baseline measured in the same run (copying one
// 256 x 240 frame of 32-bit pixels), since the machines are shared and noisy.
#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/document.h"
#include "editor/editorstate.h"
#include "editor/levelstate.h"
#include "rom/patch.h"
#include "rom/romfile.h"
#include "editor/settings.h"
#include "editor/startup.h"
#include "graphics/graphics.h"
#include "tables/objprops.h"
#include "level/drawlevel.h"
#include "level/leveledit.h"
#include "level/offsetentry.h"
#include "level/loadlevel.h"
#include "level/rommap.h"
#include "level/savelevel.h"
#include "level/drawobj.h"
#include "editor/mapstate.h"
#include "worldmap/drawmap.h"
#include "worldmap/mapedit.h"
#include "worldmap/savemap.h"
#include "worldmap/loadmap.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

// The median time of `work` alone, each run after an untimed `setup`.
double median_us(int runs, const std::function<void()> &setup, const std::function<void()> &work)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        setup();
        const auto a = clock_type::now();
        work();
        const auto b = clock_type::now();
        t.push_back(std::chrono::duration<double, std::micro>(b - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

double median_us(int runs, const std::function<void()> &work)
{
    return median_us(runs, [] {}, work);
}

volatile uint32_t sink;

void report(const char *what, double us, double base)
{
    std::printf("%-44s %10.2f us  %8.1f x frame copy\n", what, us, us / base);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString romfile = dir.filePath(QStringLiteral("quibrom.nes"));
    quib::demo::builddemorom().save(romfile);
    quib::Rom opened;
    opened.open(romfile);

    std::vector<uint32_t> src(256 * 240, 0xFF102030), dst(256 * 240);
    const double base = median_us(2001, [&] {
        std::memcpy(dst.data(), src.data(), dst.size() * 4);
        sink = dst[size_t(sink) % dst.size()];
    });
    std::printf("baseline: memcpy of one 256 x 240 32-bit frame: %.3f us (median of 2001)\n\n", base);

    // The undo and the redo of the top step, each with the redraw after it.
    auto undoredo = [&](const char *what, quib::Document &doc, const std::function<void()> &redraw) {
        QUndoStack &stack = doc.undostack();
        report(qPrintable(QStringLiteral("undo of %1 + redraw (target 20 x)").arg(QLatin1String(what))),
               median_us(501, [&] { stack.redo(); }, [&] { stack.undo(); redraw(); }), base);
        report(qPrintable(QStringLiteral("redo of %1 + redraw (target 20 x)").arg(QLatin1String(what))),
               median_us(501, [&] { stack.undo(); }, [&] { stack.redo(); redraw(); }), base);
    };

    report("opening a ROM (read the file, start-up, world 1)", median_us(51, [&] {
               quib::EditorState s;
               s.rom.open(romfile);
               quib::runstartup(s, quib::Settings{}, nullptr);
               sink = s.curworld;
           }), base);
    report("start-up (tables, pictures, palettes, world 1)", median_us(51, [&] {
               quib::EditorState s;
               s.rom = opened;
               quib::runstartup(s, quib::Settings{}, nullptr);
               sink = s.curworld;
           }), base);

    quib::EditorState ed;
    ed.rom = opened;
    quib::runstartup(ed, quib::Settings{}, nullptr);
    int world = 0;
    report("loadmap + drawmap (next world, cycling)", median_us(201, [&] {
               ed.curworld = uint8_t(1 + world++ % 9);
               ed.map.mapscroll = 0;
               quib::loadmap(ed);
               quib::drawmap(ed);
               sink = ed.lvl.px[0];
           }), base);
    ed.curworld = 8;
    quib::loadmap(ed);
    report("drawmap (world 8, map sprites mode)", median_us(2001, [&] {
               ed.editmode = quib::ModeMapSprites;
               quib::drawmap(ed);
               sink = ed.lvl.px[1000];
           }), base);
    ed.editmode = quib::ModeMapEditing;
    int flip = 0;
    report("colormap after one colour of the group changed", median_us(501, [&] {
               // world 8's group is 7: toggle the colour of index 5
               ed.gfx.lvlpal[0][7][5] = uint8_t((flip++ % 2) ? 0x21 : 0x11);
               quib::colormap(ed.gfx, ed.rom, 8);
               sink = ed.gfx.map.px[300];
           }), base);
    report("colormap, nothing changed", median_us(501, [&] {
               quib::colormap(ed.gfx, ed.rom, 8);
               sink = ed.gfx.map.px[300];
           }), base);
    const QString ini = dir.filePath(QStringLiteral("Quibed.ini"));
    quib::EditorState st;
    st.rom = opened;
    quib::writesettings(ini, st);
    report("settings file read (four keys)", median_us(501, [&] { sink = quib::readsettings(ini).startmap; }), base);
    report("ROM read operation (read a word)", median_us(501, [&] {
               quib::RomFile f(st.rom);
               sink = f.readword(0x19437);
               f.close();
           }), base);
    report("ROM write operation (one byte, replace file)", median_us(101, [&] {
               quib::RomFile f(st.rom, quib::RomFile::Mode::Write);
               f.writebyte(0x10, uint8_t(f.readbyte(0x10) + 1));
               f.close();
           }), base);
    // A drag of 1,000 mouse moves over the largest world in map editing mode,
    // the toolbox in Replace all, each move followed by its redraw.
    {
        quib::EditorState m;
        m.rom = opened;
        quib::Settings settings;
        settings.startmap = 8;
        quib::runstartup(m, settings, nullptr);
        m.toolaction = 1;
        const double drag = median_us(11, [&] {
            for (int i = 0; i < 1000; ++i) {
                m.tooltile = uint8_t(0x42 + (i & 1));
                quib::mapdrag(quib::mapediting(m), {(i * 7) % 256, (i * 3) % 144, quib::ButtonLeft, false, true});
                quib::drawmap(m);
            }
            sink = m.lvl.px[5];
        });
        report("drag of 1,000 moves, Replace all, world 8", drag, base);
        report("  the same, per move (move + redraw)", drag / 1000, base);
        int toggle = 0;
        report("Save in a map mode, one tile changed", median_us(51, [&] {
                   m.map.maptiles[0][0] = uint8_t(0x42 + (toggle++ & 1));
                   quib::savemapmodes(m.rom, m.map, m.curworld, nullptr);
                   sink = m.map.ptrcount();
               }), base);
    }

    // Levels: the busiest demo area of all map pointers. The maximised view
    // and the overview are set against the busy view below as well.
    double maximised = 0, overview = 0;
    {
        quib::EditorState l;
        l.rom = opened;
        quib::runstartup(l, quib::Settings{}, nullptr);
        int bestcount = -1;
        quib::Level best, other;
        for (int w = 1; w <= 8; ++w) {
            l.curworld = uint8_t(w);
            quib::loadmap(l);
            for (int i = 0; i < l.map.ptrcount(); ++i) {
                const int set = l.map.pointers[size_t(i)].objset;
                if (set == 0 || set == 15)
                    continue;
                l.level.lvlobjpos = l.map.pointers[size_t(i)].objpos;
                l.level.lvlenmpos = l.map.pointers[size_t(i)].enmpos;
                l.level.lvlobjset = set;
                quib::loadlevel(l);
                if (l.level.objcount() > bestcount) {
                    bestcount = l.level.objcount();
                    best = l.level;
                }
                if (l.level.lvlobjset != best.lvlobjset && l.level.graphicset() != best.graphicset())
                    other = l.level;
            }
        }
        std::printf("\nbusiest demo area: %X, object set %d, %d objects, %d enemies\n", best.lvlobjpos,
                    best.lvlobjset, best.objcount(), best.enemycount());
        std::unique_ptr<quib::EditorState> cold;
        report("loadlevel cold: new editor state, open Rom", median_us(21, [&] {
                   cold = std::make_unique<quib::EditorState>();
                   cold->rom = opened;
                   quib::runstartup(*cold, quib::Settings{}, nullptr);
                   cold->level.lvlobjpos = best.lvlobjpos;
                   cold->level.lvlenmpos = best.lvlenmpos;
                   cold->level.lvlobjset = best.lvlobjset;
               }, [&] {
                   quib::loadlevel(*cold);
                   sink = cold->level.objcount();
               }), base);
        // What entering another area costs in a running editor: the busiest
        // area and one of another object set and graphic set, in turn.
        bool flip = false;
        report("loadlevel from an open Rom, areas in turn (target 15 x)", median_us(201, [&] {
                   const quib::Level &to = (flip = !flip) ? other : best;
                   l.level.lvlobjpos = to.lvlobjpos;
                   l.level.lvlenmpos = to.lvlenmpos;
                   l.level.lvlobjset = to.lvlobjset;
               }, [&] {
                   quib::loadlevel(l);
                   sink = uint32_t(l.level.objcount());
               }), base);
        l.level = best;
        quib::loadlevel(l);
        report("loadlevel warm (same area again)", median_us(201, [&] {
                   quib::loadlevel(l);
                   sink = l.level.objcount();
               }), base);
        l.viewlvlbg = true;
        l.editmode = quib::ModeObjectEditing;
        double busiest = 0;
        int bestx = 0;
        l.level.lvlscrolly = int16_t(l.level.vertical() ? 0 : 12); // the bottom of the area, where the ground is
        for (int x = 0; x <= 240; x += 4) {
            l.level.lvlscrollx = int16_t(x);
            const double t = median_us(51, [&] { quib::drawlevel(l); sink = l.lvl.px[9]; });
            if (t > busiest) {
                busiest = t;
                bestx = x;
            }
        }
        l.level.lvlscrollx = int16_t(bestx);
        std::printf("busiest view at column %d, row %d\n", bestx, int(l.level.lvlscrolly));
        const double busy = median_us(1001, [&] {
            quib::drawlevel(l);
            sink = l.lvl.px[9];
        });
        report("drawlevel, busiest view, background on", busy, base);
        // Four times the view: 32 x 30 blocks from the busiest view's column,
        // down to its bottom row (rows past the area's bottom are empty).
        {
            quib::DrawOptions big = quib::leveloptions(l);
            big.area = {bestx, std::max(0, int(l.level.lvlscrolly) - 15), 32, 30};
            quib::Surface view = quib::surfacefor(big.area);
            const double t = median_us(501, [&] {
                quib::drawlevel(view, l.level, l.props, l.objcells, l.gfx, big);
                sink = view.px[9];
            });
            report("drawlevel, 32 x 30 blocks, busiest, bg on", t, base);
            std::printf("  = %.2f busiest views (goal: within 4)\n", t / busy);
        }
        // A maximised window: 1600 x 1000 pixels at 2 times, 50 x 31 blocks
        // (the area's 27 rows of them), and the overview of the whole area.
        {
            quib::DrawOptions big = quib::leveloptions(l);
            big.area = {std::min(bestx, 256 - 50), 0, 50, 31};
            quib::Surface view = quib::surfacefor(big.area);
            const double t = median_us(501, [&] {
                quib::drawlevel(view, l.level, l.props, l.objcells, l.gfx, big);
                sink = view.px[9];
            });
            report("drawlevel, maximised view 50 x 31, bg on", t, base);
            maximised = t;
            std::printf("  = %.2f busiest views (goal: within 4)\n", t / busy);
            quib::DrawOptions whole = quib::leveloptions(l);
            whole.area = {0, 0, quib::levelmaxx(l.level) + 1, quib::levelmaxy(l.level, true) + 1};
            whole.selection = quib::SelectionMark::none;
            quib::Surface all = quib::surfacefor(whole.area);
            const double o = median_us(101, [&] {
                quib::drawlevel(all, l.level, l.props, l.objcells, l.gfx, whole);
                sink = all.px[9];
            });
            report("whole area at full size, bg on", o, base);
            std::printf("  = %.2f busiest views\n", o / busy);
            // The overview draws it reduced to a strip a window's width across
            // (1,000 pixels: 1 pixel in 4 each way for a 15-screen area).
            const int k = quib::reductionfor(all.width, all.height, 1000, 1000 * all.height / all.width);
            quib::Surface strip = quib::surfacefor(whole.area, k);
            const double r = median_us(501, [&] {
                quib::drawlevel(strip, l.level, l.props, l.objcells, l.gfx, whole);
                sink = strip.px[9];
            });
            std::printf("overview picture %d x %d (1 pixel in %d each way)\n", strip.width, strip.height, 1 << k);
            report("overview: drawlevel, whole area, bg on", r, base);
            overview = r;
            std::printf("  = %.2f busiest views (goal: within 2)\n", r / busy);
        }
        l.viewlvlbg = false;
        report("drawlevel, same view, background off", median_us(1001, [&] {
                   quib::drawlevel(l);
                   sink = l.lvl.px[9];
               }), base);
    }

    // A busy level view kept for good: 60 rectangles of object set 1 piled
    // over the view (about 4,000 tile copies) and a dozen enemies.
    {
        quib::EditorState b;
        b.rom = opened;
        quib::runstartup(b, quib::Settings{}, nullptr);
        const quib::demo::AreaRef plain = quib::demo::demolevelfor(1, 0, 1);
        quib::enterlevelspec(b, int32_t(plain.objpos), int32_t(plain.enmpos), 1);
        quib::Level &lv = b.level;
        lv.lvlscrollx = 40;
        lv.lvlscrolly = 12;
        lv.objects.assign(60, {});
        for (size_t i = 0; i < 60; ++i) {
            quib::ObjRecord &o = lv.objects[i];
            o.type = uint8_t(0xD0 + i % 4); // 1..4 rows, 4-byte in this set
            o.four = b.props.four(1, 0, o.type);
            o.len = uint8_t(4 + i % 5); // 5..9 columns
            o.x = uint8_t(40 + (i * 7) % 13);
            o.y = uint8_t(12 + (i * 5) % 13);
        }
        lv.enemies.assign(12, {});
        for (size_t i = 0; i < 12; ++i)
            lv.enemies[i] = {uint8_t(i % 2 ? 0x72 : 0x6C), uint8_t(41 + (i * 5) % 15), uint8_t(13 + (i * 3) % 13)};
        b.editmode = quib::ModeObjectEditing;
        // Tile copies, counted as the 8 x 8 cells each object paints on its own.
        int tiles = 0;
        constexpr uint32_t unpainted = 0xFF123457;
        for (int i = 0; i < lv.objcount(); ++i) {
            std::fill(b.lvl.px.begin(), b.lvl.px.end(), unpainted);
            quib::drawobj(b.lvl, b.level.lvlscrollx, b.level.lvlscrolly, b.level, b.props, b.objcells, b.gfx, i);
            for (int ty = 0; ty < 30; ++ty)
                for (int tx = 0; tx < 32; ++tx) {
                    bool painted = false;
                    for (int y = 0; y < 8 && !painted; ++y)
                        for (int x = 0; x < 8 && !painted; ++x)
                            painted = b.lvl.px[size_t((ty * 8 + y) * 256 + tx * 8 + x)] != unpainted;
                    tiles += painted;
                }
        }
        std::printf("\nbusy level view: %d objects (%d tile copies), %d enemies\n", lv.objcount(), tiles,
                    lv.enemycount());
        const double busy = median_us(1001, [&] {
            quib::drawlevel(b);
            sink = b.lvl.px[9];
        });
        report("drawlevel, busy view (target 15 x)", busy, base);
        std::printf("  maximised view = %.2f busy views (goal: within 4), overview = %.2f busy views (goal: within 2)\n",
                    maximised / busy, overview / busy);

        // A drag of 1,000 moves over that view, each with its redraw, then
        // its undo and redo, each with its redraw.
        quib::Document doc(b);
        const double drag = median_us(1, [&] {
            doc.press({8 * 16 + 8, 6 * 16 + 8, 1, false, false});
            for (int i = 0; i < 1000; ++i) {
                doc.drag({(i * 7) % 256, (i * 3) % 240, 1, false, false});
                quib::drawlevel(b);
            }
            sink = b.lvl.px[5];
        });
        std::printf("undo steps after the drag: %d\n", doc.undostack().count());
        report("  level drag, per move (move + redraw)", drag / 1000, base);
        undoredo("the drag", doc, [&] {
            quib::drawlevel(b);
            sink = b.lvl.px[5];
        });

        // A paste of a group of 50 one-block objects (a 10 x 5 block field)
        // onto that view, with its redraw: one undo step, taken back untimed
        // before the next run.
        int small = 0;
        while (small < 255 && (b.props.four(1, 0, small) || b.props.width(1, 0, small) != 1 || b.props.height(1, 0, small) != 1))
            ++small;
        quib::ItemGroup fifty;
        fifty.objset = 1;
        for (int i = 0; i < 50; ++i) {
            quib::ObjRecord o;
            o.type = uint8_t(small);
            o.x = uint8_t(i % 10);
            o.y = uint8_t(i / 10);
            fifty.objects.push_back(o);
        }
        report("paste of 50 objects + redraw (target 20 x)", median_us(501, [&] { doc.undostack().undo(); }, [&] {
                   doc.pasteitems(fifty, {42, 13});
                   quib::drawlevel(b);
                   sink = b.lvl.px[7];
               }),
               base);
    }
    // The same on the map: a Replace all drag over world 8.
    {
        quib::EditorState m;
        m.rom = opened;
        quib::Settings settings;
        settings.startmap = 8;
        quib::runstartup(m, settings, nullptr);
        m.toolaction = 1;
        quib::Document doc(m);
        doc.press({8, 8, 1, false, true});
        for (int i = 0; i < 1000; ++i) {
            m.tooltile = uint8_t(0x42 + (i & 1));
            doc.drag({(i * 7) % 256, (i * 3) % 144, 1, false, true});
        }
        std::printf("undo steps after the map drag: %d\n", doc.undostack().count());
        undoredo("a map drag", doc, [&] {
            quib::drawmap(m);
            sink = m.lvl.px[5];
        });
    }

    // The ROM map of the whole demo ROM, from the image an open ROM holds in
    // memory: every stream, its room and the free runs of every window.
    {
        std::vector<uint8_t> image;
        quib::readwhole(romfile, &image, nullptr);
        quib::ObjProps props;
        quib::build4byte(props);
        report("ROM map of the demo ROM (target 100 x)", median_us(201, [&] {
                   sink = uint32_t(quib::buildrommap(image, props).streams.size());
               }), base);
    }

    // Save of an area grown past its room: the plan (ROM map, free run,
    // pointers) and its one write, into a ROM in memory.
    {
        quib::EditorState a;
        a.rom = quib::Rom(opened.image());
        quib::runstartup(a, quib::Settings{}, nullptr);
        const quib::demo::DemoAreaPlace p = quib::demo::demoareaplaces().front();
        a.editmode = quib::ModeObjectEditing;
        a.level.lvlobjpos = int32_t(p.ref.objpos);
        a.level.lvlenmpos = int32_t(p.ref.enmpos);
        a.level.lvlobjset = p.objset;
        quib::loadlevel(a);
        const quib::RomMap map = quib::buildrommap(a.rom.image(), a.props);
        const quib::MapStream *m = quib::findobjstream(map, p.ref.objpos, p.objset);
        for (int64_t k = 0; m && k < m->room() - m->used() + 3; k += 3)
            a.level.objects.push_back(a.level.objects.front());
        const quib::Rom rom = a.rom;
        const quib::Level grown = a.level;
        const double us = median_us(201, [&] { a.rom = rom; a.level = grown; }, [&] {
            sink = quib::savelevelmodes(a.rom, a.level, a.props, nullptr) ? uint32_t(a.level.lvlobjpos) : 0;
        });
        if (a.level.lvlobjpos == p.ref.objpos)
            std::printf("AREA NOT MOVED\n");
        report("save of an area moved to a free run", us, base);
    }

    report("demo ROM build", median_us(51, [&] { sink = quib::demo::builddemorom().at(0x185BA); }), base);

    // Patches between the demo ROM and a copy with one byte in a hundred
    // changed, in short stretches and runs, as a ROM hack changes it.
    {
        const std::vector<uint8_t> original = quib::demo::builddemorom().bytes();
        std::vector<uint8_t> modified = original;
        std::mt19937 r(19);
        for (size_t at = 16; at + 64 < modified.size(); at += 300 + r() % 600) {
            const size_t n = 2 + r() % 7;
            const bool run = r() % 3 == 0;
            const uint8_t v = uint8_t(r());
            for (size_t i = 0; i < n * (run ? 2 : 1); ++i)
                modified[at + i] = run ? v : uint8_t(modified[at + i] + 1 + r() % 255);
        }
        size_t changed = 0;
        for (size_t i = 0; i < original.size(); ++i)
            changed += original[i] != modified[i];
        std::printf("\npatches: %zu of %zu bytes changed\n", changed, original.size());
        std::vector<uint8_t> bps, ips;
        report("create BPS patch (target 40,000 x)", median_us(21, [&] { bps = quib::createbps(original, modified); }),
               base);
        report("apply BPS patch (target 4,000 x)", median_us(51, [&] {
                   sink = uint32_t(quib::applypatch(bps, original, nullptr)->size());
               }), base);
        report("create IPS patch", median_us(51, [&] { ips = *quib::createips(original, modified, nullptr); }), base);
        report("apply IPS patch", median_us(51, [&] {
                   sink = uint32_t(quib::applypatch(ips, original, nullptr)->size());
               }), base);
        std::printf("patch sizes: BPS %zu bytes, IPS %zu bytes (target: BPS no larger)\n", bps.size(), ips.size());
        if (quib::applypatch(bps, original, nullptr) != modified || quib::applypatch(ips, original, nullptr) != modified)
            std::printf("PATCH ROUND TRIP FAILED\n");
    }
    return 0;
}

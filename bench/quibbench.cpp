// Benchmarks of the editor's core operations. Each figure is the median of
// many runs, printed next to a baseline measured in the same run (copying one
// 256 x 240 frame of 32-bit pixels), since the machines are shared and noisy.
#include "demorom/demolevels.h"
#include "demorom/demorom.h"
#include "editor/document.h"
#include "editor/editorstate.h"
#include "rom/romfile.h"
#include "editor/settings.h"
#include "editor/startup.h"
#include "graphics/graphics.h"
#include "level/drawlevel.h"
#include "level/enterspec.h"
#include "level/loadlevel.h"
#include "objgfx/drawobj.h"
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

    report("start-up (tables, pictures, palettes, world 1)", median_us(51, [&] {
               quib::EditorState s;
               s.romfile = romfile;
               quib::runstartup(s, quib::Settings{}, nullptr);
               sink = s.curworld;
           }), base);

    quib::EditorState ed;
    ed.romfile = romfile;
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
               quib::colormap(ed.gfx, romfile, 8);
               sink = ed.gfx.map.px[300];
           }), base);
    report("colormap, nothing changed", median_us(501, [&] {
               quib::colormap(ed.gfx, romfile, 8);
               sink = ed.gfx.map.px[300];
           }), base);
    const QString ini = dir.filePath(QStringLiteral("Quibed.ini"));
    quib::EditorState st;
    st.romfile = romfile;
    quib::writesettings(ini, st);
    report("settings file read (four keys)", median_us(501, [&] { sink = quib::readsettings(ini).startmap; }), base);
    report("ROM read operation (open, read a word, close)", median_us(501, [&] {
               quib::RomFile f(romfile);
               sink = f.readword(0x19437);
               f.close();
           }), base);
    report("ROM write operation (one byte, replace file)", median_us(101, [&] {
               quib::RomFile f(romfile, quib::RomFile::Mode::Write);
               f.writebyte(0x10, uint8_t(f.readbyte(0x10) + 1));
               f.close();
           }), base);
    // A drag of 1,000 mouse moves over the largest world in map editing mode,
    // the toolbox in Replace all, each move followed by its redraw.
    {
        quib::EditorState m;
        m.romfile = romfile;
        quib::Settings settings;
        settings.startmap = 8;
        quib::runstartup(m, settings, nullptr);
        m.toolaction = 1;
        const double drag = median_us(11, [&] {
            for (int i = 0; i < 1000; ++i) {
                m.tooltile = uint8_t(0x42 + (i & 1));
                quib::mapdrag(m, {(i * 7) % 256, (i * 3) % 144, quib::ButtonLeft, false, true});
                quib::drawmap(m);
            }
            sink = m.lvl.px[5];
        });
        report("drag of 1,000 moves, Replace all, world 8", drag, base);
        report("  the same, per move (move + redraw)", drag / 1000, base);
        int toggle = 0;
        report("Save in a map mode, one tile changed", median_us(51, [&] {
                   m.map.maptiles[0][0] = uint8_t(0x42 + (toggle++ & 1));
                   quib::savemapmodes(m, nullptr);
                   sink = m.map.ptrcount();
               }), base);
    }

    // Levels: the busiest demo area of all map pointers.
    {
        quib::EditorState l;
        l.romfile = romfile;
        quib::runstartup(l, quib::Settings{}, nullptr);
        int bestcount = -1;
        quib::Level best;
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
            }
        }
        std::printf("\nbusiest demo area: %X, object set %d, %d objects, %d enemies\n", best.lvlobjpos,
                    best.lvlobjset, best.objcount(), best.enemycount());
        std::unique_ptr<quib::EditorState> cold;
        report("loadlevel cold (sheets decoded, pictures built)", median_us(21, [&] {
                   cold = std::make_unique<quib::EditorState>();
                   cold->romfile = romfile;
                   quib::runstartup(*cold, quib::Settings{}, nullptr);
                   cold->level.lvlobjpos = best.lvlobjpos;
                   cold->level.lvlenmpos = best.lvlenmpos;
                   cold->level.lvlobjset = best.lvlobjset;
               }, [&] {
                   quib::loadlevel(*cold);
                   sink = cold->level.objcount();
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
        report("drawlevel, busiest view, background on", median_us(1001, [&] {
                   quib::drawlevel(l);
                   sink = l.lvl.px[9];
               }), base);
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
        b.romfile = romfile;
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
            quib::drawobj(b, i);
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
    }
    // The same on the map: a Replace all drag over world 8.
    {
        quib::EditorState m;
        m.romfile = romfile;
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

    report("demo ROM build", median_us(51, [&] { sink = quib::demo::builddemorom().at(0x185BA); }), base);
    return 0;
}

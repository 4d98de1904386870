// Benchmarks of the editor's core operations. Each figure is the median of
// many runs, printed next to a baseline measured in the same run (copying one
// 256 x 240 frame of 32-bit pixels), since the machines are shared and noisy.
#include "demorom/demorom.h"
#include "editor/editorstate.h"
#include "editor/romfile.h"
#include "editor/settings.h"
#include "editor/startup.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

double median_us(int runs, const std::function<void()> &work)
{
    std::vector<double> t;
    t.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        const auto a = clock_type::now();
        work();
        const auto b = clock_type::now();
        t.push_back(std::chrono::duration<double, std::micro>(b - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
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

    report("start-up tables (settings applied, steps)", median_us(501, [&] {
               quib::EditorState s;
               quib::runstartup(s, quib::Settings{}, nullptr);
               sink = s.curworld;
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
    report("demo ROM build", median_us(51, [&] { sink = quib::demo::builddemorom().at(0x185BA); }), base);
    return 0;
}

#pragma once
// Start-up work that needs no window: checking the ROM file, applying the
// settings and building every table and picture in a fixed order behind the
// splash window's progress bar.
#include "graphics/progress.h"
#include "editor/settings.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace quib {

struct EditorState;

// The message shown, with the critical icon, when the ROM can't be used.
constexpr const char *cantopentitle = "Can't open file!";
QString cantopenmessage(const QString &romfile);

// Why the file can't be opened as the ROM (shown under cantopentitle), or
// empty text when it can: a missing, empty or unreadable file, or one far
// larger than any ROM of the game.
QString romrefusal(const QString &romfile);

// A warning for a ROM whose size is not the supported image's, or empty text.
// Such a file still opens: reads past its end give 0xFF, and nothing is ever
// written past its end.
QString romsizewarning(const QString &romfile, int64_t size);

struct StartupStep {
    int32_t progress;      // reported before the step runs
    const char *what;      // for benchmarks and debugging
    std::function<void(EditorState &, const ProgressFn &)> build;
};

// The table-building steps in their order.
std::vector<StartupStep> startupsteps();

// Everything from reading the options to the full bar: progress 5000 (the
// settings), 10000, the table steps, 1000000; then the offset display is
// switched on and the start world is loaded. The window-side parts (prompt,
// splash, the first redraw) are the main window's.
void runstartup(EditorState &state, const Settings &settings, const ProgressFn &progress);

} // namespace quib

namespace quib {
// "Version 0.01, Build 29" for program version 0.1.0.29: the minor number as
// two digits, the build from the last part.
QString versiontext(int major, int minor, int revision);
QString versiontext();
} // namespace quib

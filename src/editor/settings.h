#pragma once
// The settings file "Quibed.ini": where it lives, reading and writing its keys.
#include <QString>
#include <cstdint>

namespace quib {

struct EditorState;

constexpr const char *settingsname = "Quibed.ini";
constexpr const char *defaultromname = "quibrom.nes";

// The per-user configuration folder, always ending in "/": the system's
// generic configuration location ($XDG_CONFIG_HOME when it is set to an
// absolute path, else ~/.config).
QString inidir();

// The stored value of a key as the profile functions return it into a
// 255-character buffer: at most 254 characters, trailing blanks removed;
// empty when the key is missing or the file can't be read.
QString readini(const QString &file, const QString &section, const QString &key);

// Leading-number parse: leading blanks skipped, an optional sign and the
// digits after it taken, the rest ignored; no leading number reads as 0.
// Saturates at the 32-bit range.
int32_t leadingnumber(const QString &text);

// Sign-position form: " 4" for 4, "-1" for -1, " 0" for 0.
QString signform(int64_t n);

// The four keys, read with their defaults and clamps applied.
struct Settings {
    QString filename = QString::fromLatin1(defaultromname);
    uint8_t startmap = 1;       // 1..9
    bool viewmapsprites = false;
    bool viewlvlbg = false;
};

// "StartMapNumber" as stored -> the world shown first: 0 or less gives 1,
// 10 or more gives 9.
uint8_t clampworld(int32_t n);

Settings readsettings(const QString &file);

// Writes the four keys in their order, each changing only its own line; the
// ROM path is stored absolute. A settings file that exists but can't be read
// is left alone: false, and `error` says so.
bool writesettings(const QString &file, const EditorState &state, QString *error = nullptr);

// The zoom of the view, one more key beside the four: "Options"/"Zoom", 1..4
// in sign-position form. Missing, empty or 0 gives 2; other numbers are
// clamped into 1..4.
int readzoom(const QString &file);
bool writezoom(const QString &file, int zoom, QString *error = nullptr);

// The block grid over the view: "Options"/"Grid", -1 on, 0 off (the form of
// the other switches); missing or 0 is off.
bool readgrid(const QString &file);
bool writegrid(const QString &file, bool grid, QString *error = nullptr);

// The main window between runs: "Options"/"WindowWidth" and "WindowHeight"
// (its size when not maximised; 0 for the size that shows 16 x 15 blocks at
// the zoom) and "WindowMaximized" (-1 on, 0 off). Like "Overview" below,
// these keys are written only when they say something other than the
// default or are in the file already: a file without them stays as it was.
struct WindowPlace {
    int width = 0;
    int height = 0;
    bool maximized = false;
    bool operator==(const WindowPlace &) const = default;
};
WindowPlace readwindowplace(const QString &file);
bool writewindowplace(const QString &file, const WindowPlace &place, QString *error = nullptr);

// View > Overview: "Options"/"Overview", -1 on, 0 off; missing is off.
bool readoverview(const QString &file);
bool writeoverview(const QString &file, bool on, QString *error = nullptr);

// The emulator's command line for Levels > Play ROM: "Options"/"EmulatorCommand",
// kept as typed and read whole (not cut at the profile buffer's length, a
// command line may be long). Missing gives empty: no emulator set.
QString reademulator(const QString &file);
bool writeemulator(const QString &file, const QString &command, QString *error = nullptr);

// Whether the first write to a ROM keeps a copy of the file as it was:
// "Options"/"KeepOriginal", on (-1) unless stored as 0.
bool readkeeporiginal(const QString &file);
bool writekeeporiginal(const QString &file, bool keep, QString *error = nullptr);

} // namespace quib

#include "editor/settings.h"

#include "editor/editorstate.h"
#include "editor/inifile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <initializer_list>
#include <limits>
#include <utility>

namespace quib {

QString inidir()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.config");
    if (!dir.endsWith(QLatin1Char('/')) && !dir.endsWith(QLatin1Char('\\')))
        dir += QLatin1Char('/');
    return dir;
}

namespace {

// What the profile functions put into a 255-character buffer, with the
// trailing blanks removed.
QString buffered(const IniFile &ini, const QString &section, const QString &key)
{
    QString v = ini.value(section, key).value_or(QString());
    v.truncate(254);
    while (!v.isEmpty() && (v.back() == QLatin1Char(' ') || v.back() == QLatin1Char('\t')))
        v.chop(1);
    return v;
}

} // namespace

QString readini(const QString &file, const QString &section, const QString &key)
{
    return buffered(IniFile::load(file), section, key);
}

int32_t leadingnumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int64_t v = 0;
    while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        v = v * 10 + (text[i].unicode() - '0');
        if (v > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            v = int64_t(std::numeric_limits<int32_t>::max()) + 1;
        ++i;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int32_t>::max())
        v = std::numeric_limits<int32_t>::max();
    return int32_t(v);
}

QString signform(int64_t n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

uint8_t clampworld(int32_t n)
{
    if (n < 1)
        return 1;
    if (n > 9)
        return 9;
    return uint8_t(n);
}

Settings readsettings(const QString &file)
{
    const IniFile ini = IniFile::load(file);
    auto get = [&](const char *section, const char *key) {
        return buffered(ini, QLatin1String(section), QLatin1String(key));
    };
    Settings s;
    const QString name = get("Load", "Filename");
    if (!name.isEmpty())
        s.filename = name;
    s.startmap = clampworld(leadingnumber(get("Options", "StartMapNumber")));
    s.viewmapsprites = leadingnumber(get("Options", "ViewMapSprites")) != 0;
    s.viewlvlbg = leadingnumber(get("Options", "ViewLevelBackg")) != 0;
    return s;
}

bool writesettings(const QString &file, const EditorState &state, QString *error)
{
    QString why;
    std::optional<IniFile> ini = IniFile::read(file, &why);
    if (!ini) {
        // Rewriting it from nothing would lose its other lines.
        if (error)
            *error = QStringLiteral("the file exists but can't be read (%1), so it is left as it is").arg(why);
        return false;
    }
    // The path as opened, made absolute, so it still names the ROM when the
    // editor is started from another folder.
    const QString rom = state.rom.path().isEmpty() ? QString() : QFileInfo(state.rom.path()).absoluteFilePath();
    ini->setvalue(QStringLiteral("Load"), QStringLiteral("Filename"), rom);
    ini->setvalue(QStringLiteral("Options"), QStringLiteral("StartMapNumber"), signform(state.curworld));
    ini->setvalue(QStringLiteral("Options"), QStringLiteral("ViewMapSprites"), signform(state.viewmapsprites ? -1 : 0));
    ini->setvalue(QStringLiteral("Options"), QStringLiteral("ViewLevelBackg"), signform(state.viewlvlbg ? -1 : 0));
    return ini->save(file, error);
}

int readzoom(const QString &file)
{
    const int32_t z = leadingnumber(readini(file, QStringLiteral("Options"), QStringLiteral("Zoom")));
    return z == 0 ? 2 : z < 1 ? 1 : z > 4 ? 4 : int(z);
}

bool writezoom(const QString &file, int zoom, QString *error)
{
    IniFile ini = IniFile::load(file);
    ini.setvalue(QStringLiteral("Options"), QStringLiteral("Zoom"), signform(zoom));
    return ini.save(file, error);
}

bool readgrid(const QString &file)
{
    return leadingnumber(readini(file, QStringLiteral("Options"), QStringLiteral("Grid"))) != 0;
}

bool writegrid(const QString &file, bool grid, QString *error)
{
    IniFile ini = IniFile::load(file);
    ini.setvalue(QStringLiteral("Options"), QStringLiteral("Grid"), signform(grid ? -1 : 0));
    return ini.save(file, error);
}

WindowPlace readwindowplace(const QString &file)
{
    auto number = [&](const char *key) {
        return leadingnumber(readini(file, QStringLiteral("Options"), QLatin1String(key)));
    };
    // A size no screen has is no size: the default then.
    auto size = [](int32_t n) { return n >= 100 && n <= 100000 ? int(n) : 0; };
    WindowPlace p;
    p.width = size(number("WindowWidth"));
    p.height = size(number("WindowHeight"));
    if (p.width == 0 || p.height == 0)
        p.width = p.height = 0;
    p.maximized = number("WindowMaximized") != 0;
    return p;
}

namespace {

// Sets the keys that differ from their defaults or are there already.
bool setoptional(const QString &file, const std::initializer_list<std::pair<const char *, int>> &keys,
                 const std::initializer_list<int> &defaults, QString *error)
{
    IniFile ini = IniFile::load(file);
    bool any = false;
    auto def = defaults.begin();
    for (const auto &[key, value] : keys) {
        const QString name = QLatin1String(key);
        if (value != *def++ || ini.value(QStringLiteral("Options"), name)) {
            ini.setvalue(QStringLiteral("Options"), name, signform(value));
            any = true;
        }
    }
    return !any || ini.save(file, error);
}

} // namespace

bool writewindowplace(const QString &file, const WindowPlace &place, QString *error)
{
    return setoptional(file,
                       {{"WindowWidth", place.width}, {"WindowHeight", place.height},
                        {"WindowMaximized", place.maximized ? -1 : 0}},
                       {0, 0, 0}, error);
}

bool readoverview(const QString &file)
{
    return leadingnumber(readini(file, QStringLiteral("Options"), QStringLiteral("Overview"))) != 0;
}

bool writeoverview(const QString &file, bool on, QString *error)
{
    return setoptional(file, {{"Overview", on ? -1 : 0}}, {0}, error);
}

QString reademulator(const QString &file)
{
    return IniFile::load(file).value(QStringLiteral("Options"), QStringLiteral("EmulatorCommand")).value_or(QString());
}

bool writeemulator(const QString &file, const QString &command, QString *error)
{
    // One line, and a command that starts and ends with the same quote (a
    // quoted program and a quoted "%f") gets one more pair, which reading
    // takes off again.
    QString v = command;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    v = v.trimmed();
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
        v = QLatin1Char('"') + v + QLatin1Char('"');
    IniFile ini = IniFile::load(file);
    ini.setvalue(QStringLiteral("Options"), QStringLiteral("EmulatorCommand"), v);
    return ini.save(file, error);
}

bool readkeeporiginal(const QString &file)
{
    const QString v = readini(file, QStringLiteral("Options"), QStringLiteral("KeepOriginal"));
    return v.isEmpty() || leadingnumber(v) != 0;
}

bool writekeeporiginal(const QString &file, bool keep, QString *error)
{
    IniFile ini = IniFile::load(file);
    ini.setvalue(QStringLiteral("Options"), QStringLiteral("KeepOriginal"), signform(keep ? -1 : 0));
    return ini.save(file, error);
}

} // namespace quib

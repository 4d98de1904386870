#include "tables/gametables.h"

#include "rom/romfile.h"

namespace quib {

namespace {

// The hero's initial, as the game's lives display shows it.
constexpr char heroinitial = 'H';

const std::array<int64_t, 4> statusoffsets = {rom::startlives, rom::maxstartlives, rom::startworld,
                                              rom::startstatus};

// Reads `count` bytes, byte i from offset at(i), in one operation.
template <class At> bool readbytes(const Rom &rom, uint8_t *out, int count, At at)
{
    const RomFile f(rom);
    if (!f.isopen())
        return false;
    for (int i = 0; i < count; ++i)
        out[i] = f.readbyte(at(i));
    return true;
}

template <class At>
bool writebytes(Rom &rom, const uint8_t *values, int count, At at, QString *error)
{
    RomFile f(rom, RomFile::Mode::Write);
    for (int i = 0; i < count; ++i)
        f.writebyte(at(i), values[i]);
    if (f.close())
        return true;
    if (error)
        *error = f.error();
    return false;
}

QString liveswith(const char *caption, int lives)
{
    return QString::fromLatin1(caption) + QString::number(lives) + QStringLiteral(" (") + QLatin1Char(heroinitial) +
           QStringLiteral(" x ") + QString::number(lives - 1) + QLatin1Char(')');
}

} // namespace

bool readstarttimes(const Rom &rom, StartTimes &times)
{
    return readbytes(rom, times.data(), int(times.size()), [](int k) { return rom::starttimes + k; });
}

bool writestarttimes(Rom &rom, const StartTimes &times, QString *error)
{
    return writebytes(rom, times.data(), int(times.size()), [](int k) { return rom::starttimes + k; }, error);
}

QString timelabel(int value)
{
    return QStringLiteral("%1").arg(value * 100, 3, 10, QLatin1Char('0'));
}

bool readstartstatus(const Rom &rom, StartStatus &status)
{
    uint8_t b[4];
    if (!readbytes(rom, b, 4, [](int i) { return statusoffsets[size_t(i)]; }))
        return false;
    status = {b[0], b[1], b[2], b[3]};
    return true;
}

bool writestartstatus(Rom &rom, const StartStatus &status, QString *error)
{
    const uint8_t b[4] = {status.lives, status.maxlives, status.world, status.status};
    return writebytes(rom, b, 4, [](int i) { return statusoffsets[size_t(i)]; }, error);
}

QString statusname(int index)
{
    static constexpr const char *names[statuscount] = {
        "Small",
        "Big",
        "Power-up 2",
        "Power-up 3",
        "Power-up 4",
        "Power-up 5",
        "Power-up 6",
        "Level skip (weird)",
        "Carried item (weird)",
    };
    return index >= 0 && index < statuscount ? QString::fromLatin1(names[index]) : QString();
}

QString liveslabel(int lives)
{
    return liveswith("Starting lives: ", lives);
}

QString maxliveslabel(int lives)
{
    return liveswith("Max. starting lives: ", lives);
}

QString startworldlabel(int world)
{
    return QStringLiteral("Starting world: ") + QString::number(world) +
           (world > 9 ? QStringLiteral(" (weird)") : QString());
}

QString statuscaption()
{
    return QStringLiteral("Starting status of the hero:");
}

bool readmusicset(const Rom &rom, MusicSet &set)
{
    return readbytes(rom, set.data(), int(set.size()), [](int k) { return rom::lvlmusicset + k; });
}

bool writemusicset(Rom &rom, const MusicSet &set, QString *error)
{
    return writebytes(rom, set.data(), int(set.size()), [](int k) { return rom::lvlmusicset + k; }, error);
}

QString optionlabel(int option)
{
    return QStringLiteral("Option #") + (option < 0 ? QString() : QStringLiteral(" ")) + QString::number(option);
}

} // namespace quib

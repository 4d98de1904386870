#include "worldmap/mapprops.h"

#include "rom/hex.h"
#include "rom/romfile.h"
#include "rom/romlayout.h"

namespace quib {

bool readmapprops(const Rom &rom, MapProps &props)
{
    const RomFile f(rom);
    if (!f.isopen())
        return false;
    for (int w = 1; w <= rom::mappropentries; ++w) {
        const size_t i = size_t(w - 1);
        props.palette[i] = f.readbyte(rom::mappalettepos(w));
        for (int k = 0; k < 4; ++k)
            props.anim[size_t(k)][i] = f.readbyte(rom::mapanimpos(w, k));
        props.entrymusic[i] = f.readbyte(rom::entrymusicpos(w));
        props.returnmusic[i] = f.readbyte(rom::returnmusicpos(w));
    }
    return true;
}

bool writemapprops(Rom &rom, const MapProps &props, QString *error)
{
    RomFile f(rom, RomFile::Mode::Write);
    for (int w = 1; w <= rom::mappropentries; ++w) {
        const size_t i = size_t(w - 1);
        f.writebyte(rom::mappalettepos(w), props.palette[i]);
        for (int k = 0; k < 4; ++k)
            f.writebyte(rom::mapanimpos(w, k), props.anim[size_t(k)][i]);
        f.writebyte(rom::entrymusicpos(w), props.entrymusic[i]);
        f.writebyte(rom::returnmusicpos(w), props.returnmusic[i]);
    }
    if (f.close())
        return true;
    if (error)
        *error = f.error();
    return false;
}

int64_t animticks(int64_t ms)
{
    // ms * 0.06 = 3 ms / 50.
    const int64_t num = 3 * ms, den = 50;
    int64_t q = num / den;
    const int64_t twice = 2 * (num % den);
    if (twice > den || (twice == den && (q & 1)))
        ++q;
    return q;
}

int animframe(const std::array<uint8_t, 4> &times, int64_t ticks)
{
    int n[4];
    int cycle = 0;
    for (int k = 0; k < 4; ++k) {
        n[k] = animframeticks(times[size_t(k)]);
        cycle += n[k];
    }
    const int64_t t = ((ticks % cycle) + cycle) % cycle;
    int frame = 0;
    if (t > n[0])
        frame = 1;
    if (t > n[0] + n[1])
        frame = 2;
    if (t > n[0] + n[1] + n[2])
        frame = 3;
    return frame;
}

QString worldlabel(int entry)
{
    return QStringLiteral("World ") + (entry < 0 ? QString() : QStringLiteral(" ")) + QString::number(entry);
}

QString palettelabel(int value)
{
    return QStringLiteral("Palette to use: #") + hexstr(value);
}

std::optional<uint8_t> animbyte(const QString &text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    unsigned value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = (value * 10 + unsigned(c.unicode() - '0')) % 256;
    }
    return uint8_t(value);
}

} // namespace quib

#include "rom/areaoffsets.h"

#include "rom/hex.h"
#include "rom/romlayout.h"

namespace quib {

namespace {
QString between(int64_t low, int64_t high)
{
    return QStringLiteral("(hex) (between ") + hexstr(low) + QStringLiteral(" and ") + hexstr(high) + QLatin1Char(')');
}
} // namespace

QString objrangetext(int objset, bool hdrofs)
{
    const int a = displayadjust(hdrofs);
    const int32_t base = rom::objsetbase[size_t(objset & 15)];
    return between(base + 0xA000 + a, base + 0xBFFF + a);
}

QString enmrangetext(bool hdrofs)
{
    const int a = displayadjust(hdrofs);
    return between(0xC000 + a, 0xFFFF + a);
}

int32_t rebaseobjpos(int32_t objpos, int fromset, int toset)
{
    return objpos - rom::objsetbase[size_t(fromset & 15)] + rom::objsetbase[size_t(toset & 15)];
}

int32_t foldobjpos(const QString &typed, int objset, bool hdrofs)
{
    const int32_t base = rom::objsetbase[size_t(objset & 15)];
    int64_t q = int64_t(hexval(typed)) - displayadjust(hdrofs);
    while (q < base)
        q += 0x2000;
    while (q > base + 0xFFFF)
        q -= 0x2000;
    return int32_t(q + 0x10);
}

int32_t foldenmpos(const QString &typed, bool hdrofs)
{
    const int64_t q = int64_t(hexval(typed)) - displayadjust(hdrofs) + 0x100000;
    return int32_t(((q % 0x10000) + 0x10000) % 0x10000 + 0x10);
}

} // namespace quib

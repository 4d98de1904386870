#include "rom/hex.h"

#include <QList>

#include <limits>

namespace quib {

int32_t hexval(const QString &text)
{
    // One digit per character (a character outside the BMP is one, not two).
    // Only ASCII letters have a case here: full Unicode upper-casing would
    // change the text's length (sharp s becomes "SS") and so every digit's place.
    const QList<uint> chars = text.toUcs4();
    const int n = int(chars.size());
    int64_t result = 0;
    for (int i = 1; i <= n; ++i) {
        const uint c = chars.at(i - 1);
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = int(c - '0');
        else if (c >= 'A' && c <= 'F')
            digit = int(c - 'A') + 10;
        else if (c >= 'a' && c <= 'f')
            digit = int(c - 'a') + 10;
        if (digit == 0)
            continue;
        const int power = n - i;
        if (power >= 8)
            continue; // digit * 16^8 or more never fits
        const int64_t sum = result + (int64_t(digit) << (4 * power));
        if (sum > std::numeric_limits<int32_t>::max())
            continue;
        result = sum;
    }
    return int32_t(result);
}

QString hexstr(int64_t value)
{
    if (value < 0)
        value &= 0xFFFFFFFF;
    return QString::number(value, 16).toUpper();
}

QString hexpad(int64_t value, int digits)
{
    QString s = hexstr(value);
    const int64_t floor = value > 1 ? value : 1;
    int64_t power = 1;
    for (int k = 0; k < digits; ++k) {
        if (floor < power)
            s.prepend(QLatin1Char('0'));
        if (power > (int64_t(1) << 56))
            power = std::numeric_limits<int64_t>::max();
        else
            power *= 16;
    }
    return s;
}

bool ishextext(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    for (QChar c : t) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
            return false;
    }
    return true;
}

} // namespace quib

#include "level/itemclip.h"

#include <QStringList>

namespace quib {

namespace {

QString hex2(int v)
{
    return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}

// A hexadecimal field of at most `max`; "-" stands for none (-1).
std::optional<int> field(const QString &s, int max, bool dashok)
{
    if (dashok && s == QLatin1String("-"))
        return -1;
    bool ok = false;
    const int v = s.toInt(&ok, 16);
    if (!ok || v < 0 || v > max)
        return std::nullopt;
    return v;
}

} // namespace

QString itemstext(const ItemGroup &g)
{
    QString out;
    for (const ObjRecord &o : g.objects)
        out += QStringLiteral("object %1 %2 %3 %4 %5\n")
                   .arg(o.bank & 7)
                   .arg(hex2(o.type), hex2(o.x), hex2(o.y), o.four ? hex2(o.len) : QStringLiteral("-"));
    for (const EnemyRecord &e : g.enemies)
        out += QStringLiteral("enemy 0 %1 %2 %3 -\n").arg(hex2(e.type), hex2(e.x), hex2(e.y));
    return out;
}

QByteArray itemsmime(const ItemGroup &g)
{
    return (QStringLiteral("objset %1\n").arg(g.objset) + itemstext(g)).toUtf8();
}

std::optional<ItemGroup> parseitems(const QString &text, QString *error)
{
    ItemGroup g;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QStringList f = lines[n].simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.isEmpty())
            continue;
        const auto bad = [&](const QString &why) {
            if (error)
                *error = QStringLiteral("Line %1 (\"%2\") is not an object or enemy: %3.")
                             .arg(n + 1)
                             .arg(lines[n].trimmed().left(60), why);
            return std::nullopt;
        };
        const QString kind = f[0].toLower();
        if (kind == QLatin1String("objset") && f.size() == 2) {
            const auto set = f[1] == QLatin1String("-1") ? std::optional<int>(-1) : field(f[1], 15, false);
            if (!set)
                return bad(QStringLiteral("the object set is 0 to F"));
            g.objset = *set;
            continue;
        }
        if (kind != QLatin1String("object") && kind != QLatin1String("enemy"))
            return bad(QStringLiteral("it should start with \"object\" or \"enemy\""));
        if (f.size() != 6)
            return bad(QStringLiteral("it needs kind, bank, type, column, row and length"));
        const auto bank = field(f[1], 7, true);
        const auto type = field(f[2], 255, false);
        const auto x = field(f[3], 255, false);
        const auto y = field(f[4], 255, false);
        const auto len = field(f[5], 255, true);
        if (!bank || !type || !x || !y || !len)
            return bad(QStringLiteral("bank is 0 to 7, the others 00 to FF in hexadecimal, or \"-\" for no length"));
        if (kind == QLatin1String("object")) {
            ObjRecord o;
            o.bank = uint8_t(std::max(*bank, 0));
            o.type = uint8_t(*type);
            o.x = uint8_t(*x);
            o.y = uint8_t(*y);
            o.four = *len >= 0;
            o.len = uint8_t(std::max(*len, 0));
            g.objects.push_back(o);
        } else {
            g.enemies.push_back({uint8_t(*type), uint8_t(*x), uint8_t(*y)});
        }
    }
    if (g.empty()) {
        if (error)
            *error = QStringLiteral("The text holds no objects or enemies.");
        return std::nullopt;
    }
    return g;
}

std::optional<ItemGroup> parseitemsmime(const QByteArray &data, QString *error)
{
    return parseitems(QString::fromUtf8(data), error);
}

} // namespace quib

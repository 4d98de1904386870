#include "level/areafile.h"

#include "level/loadlevel.h"
#include "rom/atomicwrite.h"
#include "rom/hex.h"
#include "rom/romfile.h"
#include "tables/objprops.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace quib {

namespace {

const QString formatname = QStringLiteral("quibed-area");
constexpr int formatversion = 1;

QString hexbyte(int v) { return hexpad(v, 2); }

// Reads the fields of one JSON object, stopping at the first fault.
class Fields {
public:
    Fields(const QJsonObject &o, QString path, QString *error) : o_(o), path_(std::move(path)), error_(error) {}
    bool ok() const { return ok_; }

    // A plain number in low..high; `fallback` when missing and optional.
    int number(const char *key, int low, int high, std::optional<int> fallback = std::nullopt)
    {
        if (!ok_)
            return 0;
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined() && fallback)
            return *fallback;
        if (v.isUndefined())
            return fail(key, QStringLiteral("missing"));
        const double d = v.toDouble(-1e9);
        if (!v.isDouble() || d != double(int(d)))
            return fail(key, QStringLiteral("not a whole number"));
        if (d < low || d > high)
            return fail(key, QStringLiteral("%1 is outside %2..%3").arg(int(d)).arg(low).arg(high));
        return int(d);
    }
    // A byte as two hexadecimal digits, in low..high.
    int hex(const char *key, int low, int high)
    {
        if (!ok_)
            return 0;
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined())
            return fail(key, QStringLiteral("missing"));
        bool isnum = false;
        const int n = v.toString().toInt(&isnum, 16);
        if (!v.isString() || !isnum || v.toString().size() > 2)
            return fail(key, QStringLiteral("not a byte in hexadecimal (\"5D\")"));
        if (n < low || n > high)
            return fail(key, QStringLiteral("%1 is outside %2..%3").arg(hexbyte(n), hexbyte(low), hexbyte(high)));
        return n;
    }
    int fail(const char *key, const QString &why)
    {
        if (ok_ && error_)
            *error_ = path_ + QLatin1String(key) + QStringLiteral(": ") + why;
        ok_ = false;
        return 0;
    }

private:
    QJsonObject o_;
    QString path_;
    QString *error_;
    bool ok_ = true;
};

bool failed(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

QByteArray writeareafile(const LevelDocument &doc)
{
    QStringList header;
    for (uint8_t b : doc.lvlhdr)
        header << hexbyte(b);
    QJsonArray objects;
    for (const ObjRecord &o : doc.objects) {
        QJsonObject r{{QStringLiteral("x"), o.x}, {QStringLiteral("y"), o.y}, {QStringLiteral("bank"), o.bank},
                      {QStringLiteral("type"), hexbyte(o.type)}};
        if (o.four)
            r.insert(QStringLiteral("length"), o.len);
        objects.append(r);
    }
    QJsonArray enemies;
    for (const EnemyRecord &e : doc.enemies)
        enemies.append(QJsonObject{
            {QStringLiteral("x"), e.x}, {QStringLiteral("y"), e.y}, {QStringLiteral("type"), hexbyte(e.type)}});
    const QJsonObject root{{QStringLiteral("format"), formatname},
                           {QStringLiteral("version"), formatversion},
                           {QStringLiteral("objectSet"), doc.lvlobjset},
                           {QStringLiteral("header"), header.join(QLatin1Char(' '))},
                           {QStringLiteral("objects"), objects},
                           {QStringLiteral("enemies"), enemies}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<AreaFile> readareafile(const QByteArray &bytes, QString *error)
{
    QJsonParseError parse;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        failed(error, QStringLiteral("Not a JSON document: %1 at byte %2").arg(parse.errorString()).arg(parse.offset));
        return std::nullopt;
    }
    const QJsonObject root = json.object();
    if (!json.isObject() || root.value(QStringLiteral("format")).toString() != formatname) {
        failed(error, QStringLiteral("format: not an area file (\"%1\")").arg(formatname));
        return std::nullopt;
    }
    AreaFile a;
    Fields top(root, QString(), error);
    top.number("version", formatversion, formatversion);
    a.objset = top.number("objectSet", 0, 15);
    if (!top.ok())
        return std::nullopt;

    const QStringList header = root.value(QStringLiteral("header")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool hexok = header.size() == hdrsize;
    for (int i = 0; hexok && i < hdrsize; ++i) {
        a.header[size_t(i)] = uint8_t(header[i].toInt(&hexok, 16));
        hexok = hexok && header[i].size() <= 2;
    }
    if (!hexok) {
        failed(error, QStringLiteral("header: not nine bytes in hexadecimal (\"00 00 00 00 0F 01 10 00 00\")"));
        return std::nullopt;
    }
    const bool vertical = hdrvertical(a.header);

    for (const char *list : {"objects", "enemies"}) {
        const QJsonValue v = root.value(QLatin1String(list));
        if (!v.isArray()) {
            failed(error, QLatin1String(list) + QStringLiteral(": missing or not a list"));
            return std::nullopt;
        }
        if (v.toArray().size() > maxrecords) {
            failed(error, QStringLiteral("%1: %2 records, at most %3")
                              .arg(QLatin1String(list)).arg(v.toArray().size()).arg(maxrecords));
            return std::nullopt;
        }
    }
    const QJsonArray objects = root.value(QStringLiteral("objects")).toArray();
    for (int i = 0; i < objects.size(); ++i) {
        Fields f(objects[i].toObject(), QStringLiteral("objects[%1].").arg(i), error);
        if (!objects[i].isObject())
            f.fail("", QStringLiteral("not an object"));
        ObjRecord o;
        o.x = uint8_t(f.number("x", 0, vertical ? 15 : 255));
        o.y = uint8_t(f.number("y", 0, vertical ? 255 : 31));
        o.bank = uint8_t(f.number("bank", 0, 7));
        o.type = uint8_t(f.hex("type", 0, 255));
        o.len = uint8_t(f.number("length", 0, 255, 0));
        // Bank 7 at row 31 stores the byte that ends the stream.
        if (f.ok() && !vertical && o.bank == 7 && o.y == 31)
            f.fail("y", QStringLiteral("row 31 of bank 7 would end the stream"));
        if (!f.ok())
            return std::nullopt;
        a.objects.push_back(o);
    }
    const QJsonArray enemies = root.value(QStringLiteral("enemies")).toArray();
    for (int i = 0; i < enemies.size(); ++i) {
        Fields f(enemies[i].toObject(), QStringLiteral("enemies[%1].").arg(i), error);
        if (!enemies[i].isObject())
            f.fail("", QStringLiteral("not an object"));
        EnemyRecord e;
        e.x = uint8_t(f.number("x", 0, 255));
        e.y = uint8_t(f.number("y", 0, 255));
        e.type = uint8_t(f.hex("type", 0, streamend - 1)); // FF ends the stream
        if (!f.ok())
            return std::nullopt;
        a.enemies.push_back(e);
    }
    return a;
}

bool saveareafile(const QString &path, const LevelDocument &doc, QString *error)
{
    return writeatomic(path, writeareafile(doc), error);
}

LevelDocument arearecords(const LevelDocument &place, const AreaFile &file, const ObjProps &props)
{
    LevelDocument next = place;
    next.lvlhdr = file.header;
    next.objects = file.objects;
    for (ObjRecord &o : next.objects) {
        o.four = props.four(place.lvlobjset, o.bank, o.type);
        if (!o.four)
            o.len = 0;
        o.raw = {};
    }
    next.enemies = file.enemies;
    return next;
}

} // namespace quib

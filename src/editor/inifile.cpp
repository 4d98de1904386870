#include "editor/inifile.h"

#include "rom/atomicwrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace quib {

namespace {

bool isblank(char c) { return c == ' ' || c == '\t' || c == '\x1a'; }

QByteArray trimblanks(const QByteArray &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isblank(s[b]))
        ++b;
    while (e > b && isblank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

bool samename(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// UTF-8 when the bytes are valid UTF-8, else Latin-1.
QString text(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : s;
}

const QByteArray bom = "\xEF\xBB\xBF";

} // namespace

IniFile IniFile::fromBytes(const QByteArray &bytes)
{
    IniFile ini;
    qsizetype start = 0;
    if (bytes.startsWith(bom)) {
        ini.bom_ = true;
        start = bom.size();
    }
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && bytes[i] != '\n' && bytes[i] != '\r')
            ++i;
        Line line{bytes.mid(start, i - start), {}};
        if (i < n) {
            if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') {
                line.eol = "\r\n";
                i += 2;
            } else {
                line.eol = QByteArray(1, bytes[i]);
                i += 1;
            }
        }
        ini.lines_.push_back(line);
        start = i;
    }
    return ini;
}

IniFile IniFile::load(const QString &path)
{
    return read(path).value_or(IniFile());
}

std::optional<IniFile> IniFile::read(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return IniFile();
    auto fail = [&](const QString &why) -> std::optional<IniFile> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (!info.isFile())
        return fail(QStringLiteral("it is not a file"));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fail(f.errorString());
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return fail(f.errorString());
    return fromBytes(bytes);
}

QByteArray IniFile::toBytes() const
{
    QByteArray out = bom_ ? bom : QByteArray();
    for (const Line &l : lines_)
        out += l.text + l.eol;
    return out;
}

IniFile::Parsed IniFile::parse(const QByteArray &raw)
{
    Parsed p;
    const QByteArray line = trimblanks(raw);
    if (line.startsWith('[')) {
        const qsizetype close = line.lastIndexOf(']');
        if (close > 0) {
            p.kind = Parsed::Section;
            p.name = text(trimblanks(line.mid(1, close - 1)));
        }
        return p;
    }
    if (line.isEmpty())
        return p;
    const qsizetype eq = line.indexOf('=');
    p.kind = Parsed::Key;
    if (eq < 0) {
        p.name = text(line);
        return p;
    }
    p.name = text(trimblanks(line.left(eq)));
    p.rawvalue = line.mid(eq + 1);
    p.hasvalue = true;
    return p;
}

std::optional<QString> IniFile::value(const QString &section, const QString &key) const
{
    bool insection = false;
    for (const Line &l : lines_) {
        const Parsed p = parse(l.text);
        if (p.kind == Parsed::Section) {
            insection = samename(p.name, section);
        } else if (insection && p.kind == Parsed::Key && samename(p.name, key)) {
            QByteArray v = trimblanks(p.rawvalue);
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.mid(1, v.size() - 2);
            return text(v);
        }
    }
    return std::nullopt;
}

QByteArray IniFile::eolstyle() const
{
    for (const Line &l : lines_)
        if (!l.eol.isEmpty())
            return l.eol;
    return "\n";
}

void IniFile::setvalue(const QString &section, const QString &key, const QString &value)
{
    const QByteArray v = value.toUtf8();
    const QByteArray eol = eolstyle();
    bool insection = false;
    bool infirst = false;      // inside the first section of that name
    qsizetype sectionend = -1; // index after the last non-blank line of the first matching section
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Parsed p = parse(lines_[i].text);
        if (p.kind == Parsed::Section) {
            insection = samename(p.name, section);
            infirst = insection && sectionend < 0;
            if (infirst)
                sectionend = qsizetype(i) + 1;
            continue;
        }
        if (!insection)
            continue;
        if (p.kind == Parsed::Key && samename(p.name, key)) {
            // Keep the key as it was spelt; only the value changes.
            const QByteArray &t = lines_[i].text;
            const qsizetype eq = t.indexOf('=');
            QByteArray keytext = eq >= 0 ? trimblanks(t.left(eq)) : trimblanks(t);
            lines_[i].text = keytext + '=' + v;
            if (lines_[i].eol.isEmpty() && i + 1 < lines_.size())
                lines_[i].eol = eol;
            return;
        }
        if (infirst && !trimblanks(lines_[i].text).isEmpty())
            sectionend = qsizetype(i) + 1;
    }
    const Line keyline{key.toUtf8() + '=' + v, eol};
    if (sectionend >= 0) {
        if (lines_[sectionend - 1].eol.isEmpty())
            lines_[sectionend - 1].eol = eol;
        lines_.insert(lines_.begin() + sectionend, keyline);
        return;
    }
    if (!lines_.empty() && lines_.back().eol.isEmpty())
        lines_.back().eol = eol;
    lines_.push_back({'[' + section.toUtf8() + ']', eol});
    lines_.push_back(keyline);
}

bool IniFile::save(const QString &path, QString *error) const
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        if (error)
            *error = QStringLiteral("Can't create the folder '%1'.").arg(info.absolutePath());
        return false;
    }
    return writeatomic(path, toBytes(), error);
}

} // namespace quib

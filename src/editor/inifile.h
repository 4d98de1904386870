#pragma once
// The settings file as Windows' profile-string functions treat it.
//
// Reading: a section is a line "[name]"; a key line is "name=value". Names are
// matched without regard to case and with surrounding blanks trimmed; the
// value is trimmed of blanks and one pair of enclosing double or single quotes
// is removed. The first matching key of the first section that has it wins.
// Lines that are neither (comments, junk) are ignored.
//
// Text is UTF-8; a name or value that is not valid UTF-8 is read as Latin-1
// (files written by Windows programs in their ANSI code page). A UTF-8
// byte-order mark at the start is skipped.
//
// Writing one key changes only that key's line (or adds the key at the end of
// its section, or the section at the end of the file); every other line,
// including its line ending and a byte-order mark, stays byte for byte as it
// was. A written value is UTF-8.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace quib {

class IniFile {
public:
    // An unreadable or missing file gives an empty IniFile.
    static IniFile load(const QString &path);
    // A missing file gives an empty IniFile; one that exists but can't be
    // read whole gives nothing, and `error` says why.
    static std::optional<IniFile> read(const QString &path, QString *error = nullptr);
    static IniFile fromBytes(const QByteArray &bytes);

    // The stored value, or nothing when the key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;
    void setvalue(const QString &section, const QString &key, const QString &value);

    QByteArray toBytes() const;
    // Written through writeatomic (editor/atomicwrite.h), so a crash never
    // leaves half a settings file. Creates the folder when missing.
    bool save(const QString &path, QString *error = nullptr) const;

private:
    struct Line {
        QByteArray text; // without its line ending
        QByteArray eol;  // "\r\n", "\n", "\r" or empty for a last line without one
    };
    struct Parsed {
        enum Kind { Other, Section, Key } kind = Other;
        QString name;            // section or key name, trimmed
        QByteArray rawvalue;     // key lines: text after '='
        bool hasvalue = false;
    };
    static Parsed parse(const QByteArray &line);
    QByteArray eolstyle() const;

    std::vector<Line> lines_;
    bool bom_ = false; // the file starts with a UTF-8 byte-order mark, kept on writing
};

} // namespace quib

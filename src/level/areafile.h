#pragma once
// Area files: one level area (its object set, header, objects and enemies)
// as a small JSON document to share, review and keep under version control.
//
//   {
//       "enemies": [ { "type": "3A", "x": 40, "y": 12 }, ... ],
//       "format": "quibed-area",
//       "header": "00 00 00 00 0F 01 10 00 00",
//       "objectSet": 1,
//       "objects": [ { "bank": 1, "length": 3, "type": "5D", "x": 12, "y": 5 }, ... ],
//       "version": 1
//   }
//
// Bytes the editor shows in hexadecimal (types, the nine header bytes) are
// hexadecimal strings; positions, banks, lengths and the object set are
// plain numbers. x and y are the editor's: in a vertical area x is the
// column (0..15) and y the row counted from the top of the area. "length"
// is written only for objects that have a length byte; on reading, whether
// an object has one follows the 4-byte table of the area it goes into, so
// the field is optional (0 when missing). Keys are sorted and records kept
// in stream order, so the same area always gives the same bytes.
#include "level/level.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace quib {

struct ObjProps;

struct AreaFile {
    int objset = 0;
    LevelHeader header{};
    std::vector<ObjRecord> objects; // `four` not yet known: see arearecords
    std::vector<EnemyRecord> enemies;
};

QByteArray writeareafile(const LevelDocument &doc);
// The area of a file, every field checked; otherwise nothing and `error`
// names the field ("objects[3].bank: 9 is outside 0..7").
std::optional<AreaFile> readareafile(const QByteArray &bytes, QString *error);

// Writes the file through the atomic write; false with the reason.
bool saveareafile(const QString &path, const LevelDocument &doc, QString *error);

// `place` with the file's header and records: each object gets a length
// byte when the 4-byte table of place's object set says so.
LevelDocument arearecords(const LevelDocument &place, const AreaFile &file, const ObjProps &props);

} // namespace quib

#pragma once
// Copied items as text: the editor's own clipboard format and the plain text
// beside it, one line per item with its kind, bank, type, column, row and
// length in hexadecimal:
//
//   object 0 1A 05 0C -     a 3-byte object (no length)
//   object 3 25 10 08 03    a 4-byte object of length 3
//   enemy 0 41 12 0A -      an enemy (no bank, no length)
//
// The editor's own format is the same lines after a first line naming the
// object set they were copied from ("objset 4"), so a paste into an area of
// that set keeps each record exactly as it was.
#include "level/itemedit.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace quib {

inline constexpr char itemmimetype[] = "application/x-quibed-items";

QString itemstext(const ItemGroup &group);
QByteArray itemsmime(const ItemGroup &group);

// The items of a text (as typed or copied): nullopt with the reason, naming
// the line, when a line is not an item.
std::optional<ItemGroup> parseitems(const QString &text, QString *error);
std::optional<ItemGroup> parseitemsmime(const QByteArray &data, QString *error);

} // namespace quib

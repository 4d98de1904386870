#pragma once
// Display names of ROM byte values: the short English text shown next to a map
// tile, a map sprite and the item it gives, an object set, a music value and an
// enemy type. Every table is indexed by the raw byte and has a text at every
// index; values that name nothing known carry the table's filler text. None of
// these tables is read from or written to the ROM.
#include <QString>
#include <array>

namespace quib {

// Display names of ROM byte values, filled once at start-up from constants.
struct NameTables {
    std::array<QString, 256> maptilenames;   // world-map tile byte
    std::array<QString, 256> mapspritenames; // map sprite type
    std::array<QString, 256> itemnames;      // item a map sprite gives
    std::array<QString, 16>  objsetnames;    // object set 0..15
    std::array<QString, 256> musicnames;     // music value
    std::array<QString, 256> enemynames;     // enemy type byte
};

// One filling step per table (start-up runs them in its own order, interleaved with other work).
void fillenemynames(NameTables &t);
void fillmaptilenames(NameTables &t);
void fillmapspritenames(NameTables &t);
void fillitemnames(NameTables &t);
void fillmusicnames(NameTables &t);
void fillobjsetnames(NameTables &t);

} // namespace quib

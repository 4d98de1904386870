#pragma once
#include <QString>

#include <cstdint>
#include <vector>

namespace quib {

struct LevelDocument;
class Rom;
class RomFile;

// Puts an area's records in the form Save writes them: the enemies sorted by
// column, keeping the order of equal columns, and each object's bytes
// settled (the bytes it was read from while it still decodes from them).
void settlerecords(LevelDocument &doc);
// The record bytes Save writes for a document, enemies then objects: two
// documents with the same bytes save alike.
std::vector<uint8_t> savedbytes(const LevelDocument &doc);

// Writes the current area's header, enemy and object records and end
// markers back over the bytes they were read from (the leading enemy byte is
// not written; an import makes streams shorter only). Enemies are first sorted by column, keeping the
// order of equal columns; the sorted order stays in memory. An object not
// edited since it was read goes back with the bytes it was read from.
void savelevel(RomFile &rom, LevelDocument &doc);

// Save in a level mode: one write operation (the caller redraws). False
// with the reason (naming the file) when the ROM could not be written, the
// document then as it was.
bool savelevelmodes(Rom &rom, LevelDocument &doc, QString *error);

} // namespace quib

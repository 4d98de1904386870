#pragma once
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace quib {

struct AreaSavePlan;
struct EditorState;
struct LevelDocument;
class RomFile;

// Puts an area's records in the form Save writes them: the enemies sorted by
// column, keeping the order of equal columns, and each object's bytes
// settled (the bytes it was read from while it still decodes from them).
void settlerecords(LevelDocument &doc);
// The record bytes Save writes for a document, enemies then objects: two
// documents with the same bytes save alike.
std::vector<uint8_t> savedbytes(const LevelDocument &doc);

// Writes the current area's header, enemy and object streams with their
// end markers, as planned by planareasave (level/areasave.h): in place when
// they fit their room, else moved to a free run with every pointer and
// header that led to them repointed; bytes no longer used become 0xFF.
// Enemies are first sorted by column, keeping the order of equal columns;
// the sorted order stays in memory. An object not edited since it was read
// goes back with the bytes it was read from. After a move the area's place,
// and the loaded world's pointers that led there, follow. False, and nothing
// written, when the plan refuses; `plan` then says why.
bool savelevel(RomFile &rom, EditorState &state, AreaSavePlan *plan = nullptr);

// Asked before a save moves a stream, with the question; false cancels it.
using MoveQuestion = std::function<bool(const QString &question)>;

// Save in a level mode: one write operation, then the level is redrawn.
// False with the reason (naming the file) when the ROM could not be written
// or the area can't be saved where it is, and with an empty reason when
// `ask` said no to a move; nothing is then written and the area stays as it
// was in memory. Without `ask` a move is made. `planned` gets the plan.
bool savelevelmodes(EditorState &state, QString *error, const MoveQuestion &ask = {},
                    AreaSavePlan *planned = nullptr);

} // namespace quib

#pragma once
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace quib {

struct AreaSavePlan;
struct LevelDocument;
struct ObjProps;
struct WorldMap;
class Rom;
class RomFile;

// Puts an area's records in the form Save writes them: the enemies sorted by
// column, keeping the order of equal columns, and each object's bytes
// settled (the bytes it was read from while it still decodes from them).
void settlerecords(LevelDocument &doc);
// The record bytes Save writes for a document, enemies then objects: two
// documents with the same bytes save alike.
std::vector<uint8_t> savedbytes(const LevelDocument &doc);

// Writes the area's header, enemy and object streams with their end
// markers, as planned by planareasave (level/areasave.h) against the ROM as
// `rom` reads it: in place when they fit their room, else moved to a free
// run with every pointer and header that led to them repointed; bytes no
// longer used become 0xFF. Enemies are first sorted by column, keeping the
// order of equal columns; the sorted order stays in memory. An object not
// edited since it was read goes back with the bytes it was read from. After
// a move the area's place follows. False, and nothing written, when the plan
// refuses; `plan` then says why.
bool savelevel(RomFile &rom, LevelDocument &doc, const ObjProps &props, AreaSavePlan *plan = nullptr);

// Asked before a save moves a stream, with the question; false cancels it.
using MoveQuestion = std::function<bool(const QString &question)>;

// What a save in the level modes looks at besides the ROM and the area.
struct LevelSaveContext {
    WorldMap *map = nullptr; // the loaded world: its pointers follow a moved stream
    int world = 0;           // its number
    bool fileoffsets = true; // offsets in the texts as file offsets, else 0x10 lower
    MoveQuestion ask;        // asked before each move; none: the stream moves
};

// Save in a level mode: one write operation (the caller redraws). False
// with the reason (naming the file) when the ROM could not be written or the
// area can't be saved (see refusaltext), and with an empty reason when `ask`
// said no to a move; nothing is then written and the document and the world
// are as they were. `planned` gets the plan.
bool savelevelmodes(Rom &rom, LevelDocument &doc, const ObjProps &props, QString *error,
                    const LevelSaveContext &context = {}, AreaSavePlan *planned = nullptr);

} // namespace quib

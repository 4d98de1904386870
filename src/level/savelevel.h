#pragma once
#include <QString>

namespace quib {

struct EditorState;
class RomFile;

// Writes the current area's enemy and object records back over the bytes
// they were read from (the header, the leading enemy byte and the end
// markers are not written). Enemies are first sorted by column, keeping the
// order of equal columns; the sorted order stays in memory. An object not
// edited since it was read goes back with the bytes it was read from.
void savelevel(RomFile &rom, EditorState &state);

// Save in a level mode: one write operation, then the level is redrawn.
// False with the reason (naming the file) when the ROM could not be written.
bool savelevelmodes(EditorState &state, QString *error);

} // namespace quib

#pragma once
// The current level area: the in-memory copy that all level editing works on.
// The stream formats (header, object and enemy records) are described in
// level/records.h.
#include "level/records.h"

#include <cstdint>
#include <set>
#include <vector>

namespace quib {

// What Save writes: the area's place, header and records. Two documents
// compare equal when Save would write the same bytes from them.
struct LevelDocument {
    int32_t lvlobjpos = 0; // file offset of the object stream (its header)
    int32_t lvlenmpos = 0; // file offset of the enemy stream (its leading byte)
    int32_t lvlobjset = 0; // 0..15
    LevelHeader lvlhdr{};

    // In stream order, at most maxrecords of each.
    std::vector<ObjRecord> objects;
    std::vector<EnemyRecord> enemies;

    int objcount() const { return int(objects.size()); }
    int enemycount() const { return int(enemies.size()); }
    bool vertical() const { return hdrvertical(lvlhdr); }
    int graphicset() const { return hdrgraphicset(lvlhdr); }
    bool operator==(const LevelDocument &) const = default;
};

// Where the user looks and what is selected: never saved.
// The selection is the item picked last (selobj, selenemy: what the labels
// and the type keys go by) and, when several are selected, the set of them.
// A set that does not hold the item picked last is stale: the selection is
// then that item alone (see itemedit.h).
struct LevelView {
    uint8_t selobj = 0;
    uint8_t selenemy = 0;
    int16_t lvlscrollx = 0; // level column at the view's left edge
    int16_t lvlscrolly = 0; // level row at the view's top edge
    std::set<int> objsel;   // the selected objects, when several are
    std::set<int> enemysel; // the selected enemies, when several are
    // The rectangle a Ctrl+drag draws, in level blocks, corners inclusive.
    struct Band {
        bool on = false;
        int col0 = 0, row0 = 0, col1 = 0, row1 = 0;
    } band;
};

// The loaded area: its document and the view on it.
struct Level : LevelDocument, LevelView {
    bool loaded = false; // an area has been loaded since start-up

    // The selected object (enemy); none when the area has none.
    ObjRecord *selectedobject() { return selobj < objects.size() ? &objects[selobj] : nullptr; }
    const ObjRecord *selectedobject() const { return selobj < objects.size() ? &objects[selobj] : nullptr; }
    EnemyRecord *selectedenemy() { return selenemy < enemies.size() ? &enemies[selenemy] : nullptr; }
    const EnemyRecord *selectedenemy() const { return selenemy < enemies.size() ? &enemies[selenemy] : nullptr; }

    LevelDocument &document() { return *this; }
    const LevelDocument &document() const { return *this; }
    LevelView &view() { return *this; }
    const LevelView &view() const { return *this; }
};

} // namespace quib

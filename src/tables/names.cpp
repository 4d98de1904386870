#include "tables/names.h"

// The name tables are data: one row per byte value that has a text of its own,
// then a loop that gives the table's filler text to each remaining range.
// Values whose in-game meaning is a figure, a bonus or a collectable carry
// plain descriptive texts of our own, after the pictures we draw ("Bonus house (A)", "Item 01").

namespace quib {

namespace {

struct NameRow {
    int index;
    const char *text;
};

template<size_t N, size_t M>
void putrows(std::array<QString, N> &table, const NameRow (&rows)[M])
{
    for (const NameRow &r : rows)
        table[r.index] = QString::fromLatin1(r.text);
}

// Two uppercase hex digits, as the editor shows every ROM byte.
QString hex2(int v)
{
    return QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

template<size_t N>
void fillrange(std::array<QString, N> &table, int first, int last, const QString &text)
{
    for (int i = first; i <= last; ++i)
        table[i] = text;
}

// ---- World-map tiles ----------------------------------------------------
// The top two bits of a tile byte pick one of four groups of 64 tiles. Each
// group starts with two finished-level marks, then its named tiles, then blank
// squares up to the end of the group; 0x02 and 0xD8 are blank squares as well.
// 0xE5 has no known meaning.
constexpr NameRow maptilerows[] = {
    // 0x00-0x3F: finished marks (white), level numbers; 0x16-0x3F blank
    {0x00, "Finished level (white) (A)"},
    {0x01, "Finished level (white) (B)"},
    {0x02, "Blank square"},
    {0x03, "Level 1"},
    {0x04, "Level 2"},
    {0x05, "Level 3"},
    {0x06, "Level 4"},
    {0x07, "Level 5"},
    {0x08, "Level 6"},
    {0x09, "Level 7"},
    {0x0A, "Level 8"},
    {0x0B, "Level 9"},
    {0x0C, "Level 10"},
    {0x0D, "Level 1 (weird)"},
    {0x0E, "Level 2 (weird)"},
    {0x0F, "Level 3 (weird)"},
    {0x10, "Level 4 (weird)"},
    {0x11, "Level 5 (weird)"},
    {0x12, "Level 6 (weird)"},
    {0x13, "Level 7 (weird)"},
    {0x14, "Level 8 (weird)"},
    {0x15, "Level 9 (weird)"},
    // 0x40-0x7F: finished marks (yellow), land, roads, rocks, castles; 0x6B-0x7F blank
    {0x40, "Finished level (yellow) (A)"},
    {0x41, "Finished level (yellow) (B)"},
    {0x42, "Ground"},
    {0x43, "Sand"},
    {0x44, "Road connector (A)"},
    {0x45, "Road (horizontal) (A)"},
    {0x46, "Road (vertical) (A)"},
    {0x47, "Road connector, horizontal road (A)"},
    {0x48, "Road connector, vertical road (A)"},
    {0x49, "Road (horizontal) (C)"},
    {0x4A, "Road connector, horizontal and vertical roads (A)"},
    {0x4B, "Boat dock"},
    {0x4C, "IIII (weird)"},
    {0x4D, "ZZZZ (weird)"},
    {0x4E, "Line (weird)"},
    {0x4F, "Line with ground (weird) (A)"},
    {0x50, "Bonus house (A)"},
    {0x51, "Rock (breakable)"},
    {0x52, "Rock"},
    {0x53, "Rock (unbreakable)"},
    {0x54, "Locked door (A)"},
    {0x55, "Bonus house (B)"},
    {0x56, "Locked door (B)"},
    {0x57, "Small left road"},
    {0x58, "Small right road"},
    {0x59, "Small bottom road"},
    {0x5A, "Small tower and road"},
    {0x5B, "Small bottom road, no hills"},
    {0x5C, "Small bottom-right road"},
    {0x5D, "Small hills (A)"},
    {0x5E, "Small hills (B)"},
    {0x5F, "Tower"},
    {0x60, "Destroyed fortress (A)"},
    {0x61, "Castle top"},
    {0x62, "Castle columns"},
    {0x63, "Castle wall (horizontal) (A)"},
    {0x64, "Castle wall (vertical)"},
    {0x65, "Castle wall (horizontal) (B)"},
    {0x66, "Road connector, horizontal road (B)"},
    {0x67, "Fortress (A)"},
    {0x68, "Quicksand level"},
    {0x69, "Pyramid"},
    {0x6A, "Weird fortress"},
    // 0x80-0xBF: finished marks (green), water, water roads, bridges
    {0x80, "Finished level (green) (A)"},
    {0x81, "Finished level (green) (B)"},
    {0x82, "Water (left, right, top)"},
    {0x83, "Water (left, right, bottom)"},
    {0x84, "Water (left and top ground)"},
    {0x85, "Water (top ground)"},
    {0x86, "Water (top and right ground)"},
    {0x87, "Water (bottom-right corner)"},
    {0x88, "Water (bottom-left corner)"},
    {0x89, "Water (bottom corners)"},
    {0x8A, "Water (right, top, bottom)"},
    {0x8B, "Water (left, top, bottom)"},
    {0x8C, "Water (left ground)"},
    {0x8D, "Water"},
    {0x8E, "Water (right ground)"},
    {0x8F, "Water (top-right corner)"},
    {0x90, "Water (top-left corner)"},
    {0x91, "Water (top corners)"},
    {0x92, "Water (right corners)"},
    {0x93, "Water (left corners)"},
    {0x94, "Water (left and bottom ground)"},
    {0x95, "Water (bottom ground)"},
    {0x96, "Water (bottom-right ground)"},
    {0x97, "Water (left and bottom-right ground)"},
    {0x98, "Water (right and bottom-left ground)"},
    {0x99, "Water (right, bottom)"},
    {0x9A, "Water (left, bottom)"},
    {0x9B, "Water (top and bottom-right ground)"},
    {0x9C, "Water (top and bottom-left ground)"},
    {0x9D, "Water (top and bottom)"},
    {0x9E, "Water (top-left and bottom-right corners)"},
    {0x9F, "Water (top-right and bottom-left corners)"},
    {0xA0, "Water (all corners)"},
    {0xA1, "Water (right)"},
    {0xA2, "Water (left, right)"},
    {0xA3, "Water (left)"},
    {0xA4, "Water (left and top-right ground)"},
    {0xA5, "Water (right and top-left ground)"},
    {0xA6, "Water (right, top)"},
    {0xA7, "Water (left, top)"},
    {0xA8, "Water (bottom and top-right ground)"},
    {0xA9, "Water (bottom and top-left ground)"},
    {0xAA, "Water road (vertical), top ground"},
    {0xAB, "Water road (vertical), bottom ground"},
    {0xAC, "Water road (horizontal)"},
    {0xAD, "Small island"},
    {0xAE, "Water road (horizontal), road connector"},
    {0xAF, "Water road (horizontal and vertical), road connector"},
    {0xB0, "Water road (vertical)"},
    {0xB1, "Bridge (vertical)"},
    {0xB2, "Bridge (horizontal)"},
    {0xB3, "Big bridge"},
    {0xB4, "Hills"},
    {0xB5, "Water road (vertical), road connector"},
    {0xB6, "Water road connector"},
    {0xB7, "Water road (horizontal), left ground"},
    {0xB8, "Water road (horizontal), right ground"},
    {0xB9, "Water road (horizontal), left and right grounds"},
    {0xBA, "Water road (vertical), top and bottom grounds"},
    {0xBB, "Palm tree"},
    {0xBC, "Pipe"},
    {0xBD, "Star block"},
    {0xBE, "Treasure chest"},
    {0xBF, "Water pond"},
    // 0xC0-0xFF: finished marks (red), clouds, second land set; 0xEC-0xFF blank
    {0xC0, "Finished level (red) (A)"},
    {0xC1, "Finished level (red) (B)"},
    {0xC2, "Clouds (bottom-right)"},
    {0xC3, "Clouds (bottom) (A)"},
    {0xC4, "Clouds (bottom) (A)"},
    {0xC5, "Clouds (bottom-left)"},
    {0xC6, "Clouds (top and left) (weird)"},
    {0xC7, "Clouds (top and right)"},
    {0xC8, "Castle (top)"},
    {0xC9, "Castle (bottom)"},
    {0xCA, "Big tent (top-left)"},
    {0xCB, "Big tent (top-right)"},
    {0xCC, "Big tent (bottom-left)"},
    {0xCD, "Big tent (bottom-right)"},
    {0xCE, "Clouds (right) (A)"},
    {0xCF, "Clouds (bottom and left) (weird)"},
    {0xD0, "Clouds (bottom and right)"},
    {0xD1, "Fire"},
    {0xD2, "Clouds (right) (B)"},
    {0xD3, "Clouds (top) (B)"},
    {0xD4, "Clouds (top-left)"},
    {0xD5, "Red IIII (weird)"},
    {0xD6, "Red square"},
    {0xD7, "Ground"},
    {0xD8, "Blank square"},
    {0xD9, "Road connector (B)"},
    {0xDA, "Road (horizontal) (B)"},
    {0xDB, "Road (vertical) (B)"},
    {0xDC, "Road connector, horizontal road (B)"},
    {0xDD, "Road connector, vertical road (B)"},
    {0xDE, "Road connector, horizontal and vertical roads (B)"},
    {0xDF, "Tower (World 5) (B)"},
    {0xE0, "Card"},
    {0xE1, "Coin"},
    {0xE2, "Skull"},
    {0xE3, "Destroyed dungeon (B)"},
    {0xE4, "Locked door (C)"},
    {0xE5, "Hole"},
    {0xE6, "Hand trap"},
    {0xE7, "Line with ground (weird) (B)"},
    {0xE8, "Gem"},
    {0xE9, "Key"},
    {0xEA, "Ice"},
    {0xEB, "Fortress (B)"},
};

// ---- Map sprites --------------------------------------------------------
// 0x11 and above crash the game.
constexpr NameRow mapspriterows[] = {
    {0x00, "Ship start point (or nothing when unused)"},
    {0x01, "Help!"},
    {0x02, "Ship"},
    {0x03, "Blob"},
    {0x04, "Bird"},
    {0x05, "Hut"},
    {0x06, "Lodge"},
    {0x07, "Hooded wanderer"},
    {0x08, "Ghost"},
    {0x09, "Chest"},
    {0x0A, "Flag"},
    {0x0B, "Coin ship"},
    {0x0C, "White little ship"},
    {0x0D, "Battleship"},
    {0x0E, "Tank"},
    {0x0F, "Little ship"},
    {0x10, "Boat"},
};

// ---- Enemy types --------------------------------------------------------
// Every value 0x00-0xD6 has a text: these rows, or "Enemy NN" for the values
// that stand for a figure of the game. 0xD7-0xFE are unknown, 0xFF ends the
// enemy stream of an area.
constexpr NameRow enemyrows[] = {
    {0x00, "Nothing (?)"},
    {0x01, "Weird thing, can slip on"},
    {0x02, "Makes you bounce"},
    {0x03, "Nothing (?)"},
    {0x04, "Weird thing that moves and falls"},
    {0x05, "Weird thing, makes you bounce when hit"},
    {0x06, "Green note block (weird)"},
    {0x08, "Hidden door"},
    {0x09, "Ship anchor"},
    {0x0A, "Weird thing, can be pushed"},
    {0x0F, "Nothing (?)"},
    {0x10, "Nothing (?)"},
    {0x11, "Nothing (?)"},
    {0x12, "Nothing (?)"},
    {0x13, "Nothing (?)"},
    {0x14, "Nothing (?)"},
    {0x15, "Nothing (?)"},
    {0x16, "Nothing (?)"},
    {0x1A, "0010, disappears when hit (weird)"},
    {0x1B, "Green note block (weird)"},
    {0x1D, "Nothing (?)"},
    {0x20, "Nothing (?)"},
    {0x24, "Cloud platform (moves left)"},
    {0x25, "World Pipe way pointer"},
    {0x26, "Wood platform (still, moves right when you step on it)"},
    {0x27, "Wood platform (moves left and right)"},
    {0x28, "Wood platform (moves up and down)"},
    {0x2C, "Cloud platform (moves left, slower)"},
    {0x2E, "Block platform (moves up when you step on it)"},
    {0x35, "Exit and finish level"},
    {0x36, "Wood platform (moves left, falls when you step on it)"},
    {0x37, "Wood platform (moves left and right, slower)"},
    {0x38, "Wood platform (moves up and down, slower)"},
    {0x3A, "Block platform (falls when you step on it)"},
    {0x3C, "Wired platform"},
    {0x3E, "Wood platform, floats on water"},
    {0x44, "Wooden platform (still, falls when you step on it)"},
    {0x47, "Nothing (?)"},
    {0x49, "Background cloud"},
    {0x4E, "Nothing (?)"},
    {0x52, "Treasure chest"},
    {0x54, "Block (weird)"},
    {0x5C, "Instantly broken brick"},
    {0x65, "Upward current"},
    {0x66, "Downward current"},
    {0x90, "Spinning platform (spins when stepped on)"},
    {0x91, "Spinning platform (spins constantly)"},
    {0x92, "Spinning platform (spins right at regular intervals)"},
    {0x93, "Spinning platform (spins left at regular intervals)"},
    {0x9B, "Crashes game when taking a big power-up (weird)"},
    {0x9C, "Crashes game when taking a big power-up (weird)"},
    {0x9D, "Upward rocket flame"},
    {0xA8, "Auto-moving upward directional platform"},
    {0xA9, "Auto-moving upward directional platform (can't step on)"},
    {0xAA, "Ship propeller"},
    {0xAB, "Nothing (?)"},
    {0xAC, "Leftward rocket flame"},
    {0xAE, "Corkscrew rolling platform"},
    {0xB0, "Big bullet (still)"},
    {0xB1, "Rightward rocket flame"},
    {0xB2, "Downward rocket flame"},
    {0xB3, "Flashing (enemy) ball that moves horizontally and falls (weird)"},
    {0xB8, "Moving background clouds (infinite)"},
    {0xB9, "Wood platforms (move left and fall when stepped on, infinite)"},
    {0xBA, "Exits level when taking a treasure chest"},
    {0xBB, "Nothing (?)"},
    {0xBF, "Bullet shoots (cross-shaped)"},
    {0xC2, "Bullet shoots (left)"},
    {0xC3, "Big bullet shoots (left)"},
    {0xC4, "Bullet shoots (up-left)"},
    {0xC5, "Bullet shoots (up-right)"},
    {0xC6, "Bullet shoots (down-left)"},
    {0xC7, "Bullet shoots (down-right)"},
    {0xC8, "Bullet shoots (up-left)"},
    {0xC9, "Bullet shoots (up-right)"},
    {0xCA, "Bullet shoots (down-left)"},
    {0xCB, "Bullet shoots (down-right)"},
    {0xCC, "Bullet shoots (right)"},
    {0xCD, "Big bullet shoots (right)"},
    {0xD0, "Laser shoots"},
    {0xD3, "Autoscrolling"},
    {0xD4, "Autoscrolling (?)"},
    {0xD6, "Sets item for treasure chest"},
};

} // namespace

void fillenemynames(NameTables &t)
{
    putrows(t.enemynames, enemyrows);
    for (int i = 0x00; i <= 0xD6; ++i) {
        if (t.enemynames[i].isEmpty())
            t.enemynames[i] = QStringLiteral("Enemy ") + hex2(i);
    }
    fillrange(t.enemynames, 0xD7, 0xFE, QStringLiteral("??? (may crash game)"));
    t.enemynames[0xFF] = QStringLiteral("Ends enemy data");
}

void fillmaptilenames(NameTables &t)
{
    putrows(t.maptilenames, maptilerows);
    const QString blank = QStringLiteral("Blank square");
    fillrange(t.maptilenames, 0x16, 0x3F, blank);
    fillrange(t.maptilenames, 0x6B, 0x7F, blank);
    fillrange(t.maptilenames, 0xEC, 0xFF, blank);
}

void fillmapspritenames(NameTables &t)
{
    putrows(t.mapspritenames, mapspriterows);
    fillrange(t.mapspritenames, 0x11, 0xFF, QStringLiteral("Crashes game"));
}

void fillitemnames(NameTables &t)
{
    t.itemnames[0x00] = QStringLiteral("Nothing");
    for (int i = 0x01; i <= 0x0D; ++i)
        t.itemnames[i] = QStringLiteral("Item ") + hex2(i);
    fillrange(t.itemnames, 0x0E, 0xFF, QStringLiteral("Can crash game when used (weird)"));
}

void fillmusicnames(NameTables &t)
{
    // 0x00-0x0F: one piece of music each.
    static constexpr NameRow single[] = {
        {0x00, "No music"},
        {0x01, "World 1 map"},
        {0x02, "World 2 map"},
        {0x03, "World 3 map"},
        {0x04, "World 4 map"},
        {0x05, "World 5 map"},
        {0x06, "World 6 map"},
        {0x07, "World 7 map"},
        {0x08, "World 8 map"},
        {0x09, "Clouds/Sky"},
        {0x0A, "Special tune (A)"},
        {0x0B, "Special tune (B)"},
        {0x0C, "Special tune (C)"},
        {0x0D, "Castle room"},
        {0x0E, "Special tune (D)"},
        {0x0F, "Ending music"},
    };
    putrows(t.musicnames, single);

    // 0x10-0xFF: level music, named by the high nibble; the low nibble is not shown.
    static constexpr const char *groups[15] = {
        "Plain level",       // 0x1_
        "Underground",       // 0x2_
        "Water level",       // 0x3_
        "Fortress",          // 0x4_
        "Boss",              // 0x5_
        "Ship",              // 0x6_
        "Battle",            // 0x7_
        "Special level (A)", // 0x8_
        "Hilly level",       // 0x9_
        "Special level (B)", // 0xA_
        "Special level (C)", // 0xB_
        "Boss (incomplete)", // 0xC_
        "Weird mix (1)",     // 0xD_
        "Weird mix (2)",     // 0xE_
        "Weird mix (3)",     // 0xF_
    };
    for (int k = 0; k < 16; ++k) {
        for (int g = 0; g < 15; ++g)
            t.musicnames[0x10 * (g + 1) + k] = QString::fromLatin1(groups[g]);
    }
}

void fillobjsetnames(NameTables &t)
{
    static constexpr NameRow rows[] = {
        {0, "World map"},
        {1, "Plain"},
        {2, "Fortress"},
        {3, "Hills"},
        {4, "Sky"},
        {5, "Creature"},
        {6, "Water"},
        {7, "Item"},
        {8, "Pipe"},
        {9, "Desert"},
        {10, "Ship"},
        {11, "Giant"},
        {12, "Ice"},
        {13, "Clouds"},
        {14, "Underground"},
        {15, "Bonus game"},
    };
    putrows(t.objsetnames, rows);
}

} // namespace quib

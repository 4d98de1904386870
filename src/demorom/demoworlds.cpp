#include "demorom/demoworlds.h"

#include <algorithm>
#include <string_view>

namespace quib::demo {

namespace {

// Layout characters and the map tiles they stand for.
//   .  ground            ,  sand             s  start square (road connector)
//   -  road, horizontal  |  road, vertical   +  road connector
//   1..9, 0  level squares 1..10             ~  water (edges chosen by neighbours)
//   =  bridge, horizontal  !  bridge, vertical  _  boat dock
//   H  hills   h  small hills   P  palm tree   R  rock   B  breakable rock
//   F  fortress   T  tower   K  castle top   k  castle bottom   Y  pyramid
//   Q  quicksand level   U  pipe   I  ice   X  skull   W  fire   O  pond
//   b  bonus house   c  clouds   *  red square   D  locked door
struct Legend {
    char c;
    uint8_t tile;
};
constexpr Legend legend[] = {
    {'.', 0x42}, {',', 0x43}, {'s', 0x44}, {'-', 0x45}, {'|', 0x46}, {'+', 0x44},
    {'=', 0xB2}, {'!', 0xB1}, {'_', 0x4B}, {'H', 0xB4}, {'h', 0x5D}, {'P', 0xBB},
    {'R', 0x52}, {'B', 0x51}, {'F', 0x67}, {'T', 0x5F}, {'K', 0xC8}, {'k', 0xC9},
    {'Y', 0x69}, {'Q', 0x68}, {'U', 0xBC}, {'I', 0xEA}, {'X', 0xE2}, {'W', 0xD1},
    {'O', 0xBF}, {'b', 0x50}, {'c', 0xD3}, {'*', 0xD6}, {'D', 0x54},
};

// Water tiles by the ground around them. Sides: left, right, top, bottom.
// With no ground at the sides, the diagonal corners decide.
uint8_t watertile(bool l, bool r, bool t, bool b, bool tl, bool tr, bool bl, bool br)
{
    const int sides = (l ? 1 : 0) | (r ? 2 : 0) | (t ? 4 : 0) | (b ? 8 : 0);
    switch (sides) {
    case 1: return tr ? 0xA4 : br ? 0x97 : 0x8C;
    case 2: return tl ? 0xA5 : bl ? 0x98 : 0x8E;
    case 4: return br ? 0x9B : bl ? 0x9C : 0x85;
    case 8: return tr ? 0xA8 : tl ? 0xA9 : 0x95;
    case 1 | 4: return 0x84;
    case 2 | 4: return 0x86;
    case 1 | 8: return 0x94;
    case 2 | 8: return 0x99;
    case 1 | 2: return 0xA2;
    case 4 | 8: return 0x9D;
    case 1 | 2 | 4: return 0x82;
    case 1 | 2 | 8: return 0x83;
    case 2 | 4 | 8: return 0x8A;
    case 1 | 4 | 8: return 0x8B;
    case 15: return 0xBF;
    default: break;
    }
    const int corners = (tl ? 1 : 0) | (tr ? 2 : 0) | (bl ? 4 : 0) | (br ? 8 : 0);
    switch (corners) {
    case 0: return 0x8D;
    case 1: return 0x90;
    case 2: return 0x8F;
    case 4: return 0x88;
    case 8: return 0x87;
    case 1 | 2: return 0x91;
    case 4 | 8: return 0x89;
    case 2 | 8: return 0x92;
    case 1 | 4: return 0x93;
    case 1 | 8: return 0x9E;
    case 2 | 4: return 0x9F;
    default: return 0xA0;
    }
}

char cell(const DemoWorld &w, int row, int col)
{
    if (row < 0 || row > 8 || col < 0 || col >= 16 * w.screens)
        return '~'; // off the map counts as water, so edges of the map stay open
    return w.rows[size_t(row)][col];
}

bool isground(const DemoWorld &w, int row, int col)
{
    const char c = cell(w, row, col);
    return c != '~' && c != '=' && c != '!';
}

const std::array<DemoWorld, 9> worlds = {{
    {1, {{
         "hHhhHhhHhhHhhHhh",
         "h..............h",
         "h.s-1-+--2--b..h",
         "h.....|.....|..h",
         "h.4---3..R--+..h",
         "h.|........|...h",
         "h.+-5--F---6-+.K",
         "hP...~~~~....+-k",
         "hhHh~~~~~~hhHhhh",
     }}, 0x00}, // world 1
    {2, {{
         ",P,,,,,,P,,,,,,,,,,,,,,,,P,,,,,P",
         ",,s-1--+-2,,,,,,,Q--3--+,,,,,,,,",
         ",,,,,,,|,|,,,,,,,|,,,,,|,,,,,,,,",
         ",,,,,,,4-+--F----+,,,,,5--Y,,,,,",
         ",,,,,,,|,,,,,,,,,,,,,,,,,,|,,,,,",
         ",,P,,,,+-b--6,,,,,,,O,,,,,|,,,,,",
         ",,,,,,,,,,,,|,,,,,,,,,,,,,+--K,,",
         ",,,,,,,,,,,,+---------7--R,,,k,,",
         ",,P,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
     }}, 0x01}, // world 2
    {3, {{
         "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~",
         "~~...~~~~~~~~....~~~~~~~~~~~~~....~~~~~~~~...~~~",
         "~.s-1-+~~~~~.2-+..~~~~~~~~~~..6-+..~~~~~..F-+.~~",
         "~....~|~~~~~..._|..~~~~~~~~~.|..|...~~~..._.|.~~",
         "~~..~~!~~~.3--+.4--=====5--+.+..7--+~~~..~..K.~~",
         "~~~~~~|~~~~|~~~~.~~~~~~~~~.|.~~~~~~|~~~~~~~.k.~~",
         "~~~..~+--b-+~~~~.~~~~~~~~..F~~~~~~.8---=====+..~",
         "~~~~..~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~......~~~~~~",
         "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~",
     }}, 0x02}, // world 3
    {2, {{
         "HHHHhhHHHHhhHHHHHHhhHHHHHHhhHHHH",
         "H..............................H",
         "H.s--1---2--+.......H..5---6...H",
         "H...........|....HHHHH.|...|...H",
         "H.F--3--b---4..........+...T...H",
         "H.|...................|....|...H",
         "H.+---B----+--------F-+....+--KH",
         "H..........|...............|..kH",
         "HHHHhhHHHHH+------7--------+HHHH",
     }}, 0x03}, // world 4
    {2, {{
         "cccccccccccccccccccccccccccccccc",
         "c..............cc..............c",
         "c.s-1--+--2-U..cc..U-5--+--6...c",
         "c......|....|..cc.......|..|...c",
         "c..3---+....U..cc..U--4-+..T...c",
         "c..|...........cc..........|...c",
         "c..b---F.......cc......K---+...c",
         "c..............cc......k.......c",
         "cccccccccccccccccccccccccccccccc",
     }}, 0x04}, // world 5
    {3, {{
         "IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII",
         "I..............................................I",
         "I.s-1-+--2--F.....I.3---4----b......5--+--6....I",
         "I.....|.....|.....I.|...|...........|..|..|....I",
         "I..~~~!~~.I.+--B--+-+...F---=====---+..7..T....I",
         "I..~~~|~~.I.........|.............~~~~~..|.|...I",
         "I.....+-b...........8---9---+.....~~~~~..+-+-K.I",
         "I...........................0................k.I",
         "IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII",
     }}, 0x05}, // world 6
    {2, {{
         "HHHHhhHHHHHHhhHHHHHHHhhHHHHHHHHH",
         "H..............................H",
         "H.s-1--U--2--+....U-5--+--6--F.H",
         "H............|.........|.....|.H",
         "H..4--U--3---+..U..U---7.....|.H",
         "H..|...................|.....|.H",
         "H..+--b---F....~~~~....8--U--+KH",
         "H..............~~~~...........kH",
         "HHHHhhHHHHHHhhHHHHHHHhhHHHHHHHHH",
     }}, 0x06}, // world 7
    {4, {{
         "****************************************************************",
         "*..............XX.............WWW..............XX..............*",
         "*.s--1--+--F...XX...2---T--3..WWW...4---F--5...XX.......K......*",
         "*.......|......XX...|......|..WWW...|......|...XX.......k......*",
         "*...b---+--6---==---+......+--===---+......+---==---7---+......*",
         "*...............XX.............WWW..............XX.............*",
         "*.X.....X........XX....X........WWW......X.......XX.....X......*",
         "*..............................................................*",
         "****************************************************************",
     }}, 0x07}, // world 8
    {1, {{
         "hhhhhhhhhhhhhhhh",
         "h..............h",
         "h..U...U...U...h",
         "h..|...|...|...h",
         "h..+---+---+...h",
         "h......|.......h",
         "h.U--U-s-U--U..h",
         "h..............h",
         "hhhhhhhhhhhhhhhh",
     }}, 0x09}, // world 9
}};

// Object set entered from each numbered level square (digits 1..9, then 0).
constexpr std::array<const char *, 9> levelsets = {
    "\x01\x03\x01\x0E\x06\x01\x01\x01\x01\x01", // world 1
    "\x09\x01\x09\x0E\x04\x09\x06\x09\x09\x09", // world 2
    "\x06\x01\x06\x03\x06\x0D\x01\x06\x06\x06", // world 3
    "\x0B\x0B\x03\x0B\x0E\x0B\x01\x0B\x0B\x0B", // world 4
    "\x04\x0D\x04\x01\x0D\x04\x04\x04\x04\x04", // world 5
    "\x0C\x0C\x01\x0C\x0E\x0C\x03\x0C\x06\x0C", // world 6
    "\x08\x08\x01\x08\x0E\x08\x06\x08\x08\x08", // world 7
    "\x0A\x05\x02\x0A\x0E\x05\x0A\x0A\x0A\x0A", // world 8
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01", // world 9
};

} // namespace

const std::array<DemoWorld, 9> &demoworlds()
{
    return worlds;
}

uint8_t demotile(const DemoWorld &w, int row, int col)
{
    const char c = cell(w, row, col);
    if (c == '~') {
        auto g = [&](int dr, int dc) { return isground(w, row + dr, col + dc); };
        return watertile(g(0, -1), g(0, 1), g(-1, 0), g(1, 0), g(-1, -1), g(-1, 1), g(1, -1), g(1, 1));
    }
    if (c >= '1' && c <= '9')
        return uint8_t(0x03 + (c - '1')); // "Level 1".."Level 9"
    if (c == '0')
        return 0x0C; // "Level 10"
    for (const Legend &l : legend)
        if (l.c == c)
            return l.tile;
    return 0x42;
}

std::vector<DemoPointer> demopointers(int world)
{
    const DemoWorld &w = worlds[size_t(world - 1)];
    std::vector<DemoPointer> out;
    int pipe = 0;
    for (int col = 0; col < 16 * w.screens; ++col) {
        for (int row = 0; row < 9; ++row) {
            const char c = w.rows[size_t(row)][col];
            int set = -1;
            if (c >= '1' && c <= '9')
                set = uint8_t(levelsets[size_t(world - 1)][c - '1']);
            else if (c == '0')
                set = uint8_t(levelsets[size_t(world - 1)][9]);
            else if (c == 'F' || c == 'T')
                set = 2;
            else if (c == 'k')
                set = 10;
            else if (c == 'b')
                set = world % 2 ? 7 : 15;
            else if (c == 'Q' || c == 'Y')
                set = 9;
            else if (c == 'U')
                set = world == 9 ? 1 + pipe++ : 8; // world 9: destination world - 1
            if (set >= 0)
                out.push_back({row, col, set});
        }
    }
    // In the order the editor saves them (screen, row, column), so a save
    // without edits leaves the table as it is.
    std::stable_sort(out.begin(), out.end(), [](const DemoPointer &a, const DemoPointer &b) {
        auto key = [](const DemoPointer &p) { return 10000 * (p.col / 16) + 100 * p.row + p.col % 16; };
        return key(a) < key(b);
    });
    return out;
}

std::array<DemoSprite, 9> demosprites(int world)
{
    std::array<DemoSprite, 9> out{};
    if (world < 1 || world > 8)
        return out;
    const DemoWorld &w = worlds[size_t(world - 1)];
    const int width = 16 * w.screens;
    // Seven figures standing on plain ground, spread over the map; the last
    // two entries are unused.
    int j = 0;
    for (int k = 0; j < 7 && k < width * 9; ++k) {
        const int col = (k * 7 + world * 3) % width;
        const int row = 1 + (k * 5 + world) % 7;
        const char c = w.rows[size_t(row)][col];
        if (c != '.' && c != ',')
            continue;
        bool taken = false;
        for (int i = 0; i < j; ++i)
            taken |= out[size_t(i)].col == col && out[size_t(i)].row == row;
        if (taken)
            continue;
        out[size_t(j)] = {1 + (world * 5 + j * 3) % 16, col, row, (world + j * 4) % 14};
        ++j;
    }
    return out;
}

} // namespace quib::demo

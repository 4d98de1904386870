#pragma once
// The demo level areas as data: objects and enemies of each area, its look
// (graphic set, colour group), its shape (screens, horizontal or vertical)
// and the area it links to. demolevels.cpp places them in the ROM.
#include <cstdint>
#include <vector>

namespace quib::demo {

// One object record. In a vertical area y counts rows from the top of the
// whole area (15 rows a screen) and x is the column 0..15; the record
// stores the screen in the column byte.
struct DemoObj {
    int bank, x, y, type;
    int len = -1; // the length byte of a 4-byte object, -1 for 3 bytes
};

struct DemoEnemy {
    int type, x, y;
};

struct DemoArea {
    const char *name;
    int objset;
    bool entry;        // map pointers of its object set may lead here
    bool vertical;
    int screens;       // 1..16
    int graphicset;    // header byte 7 bits 0..4
    int colours;       // level colour group, header byte 5 bits 0..2
    int music;         // header byte 8
    const char *link;  // name of the linked area, nullptr for none
    std::vector<DemoObj> objects;
    std::vector<DemoEnemy> enemies;
};

const std::vector<DemoArea> &demoareas();

// The parts of the list, one file each.
void addplainareas(std::vector<DemoArea> &out);   // object sets 1, 2, 3, 14, 15
void addskyareas(std::vector<DemoArea> &out);     // object sets 4, 12, 13, 5, 11
void addwaterareas(std::vector<DemoArea> &out);   // object sets 6, 7, 8, 9, 10

} // namespace quib::demo

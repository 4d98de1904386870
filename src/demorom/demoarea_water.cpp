// Demo areas of the water, the item rooms, the pipes, the desert and the
// ship.
#include "demorom/demoareas.h"

namespace quib::demo {

namespace {

DemoArea water()
{
    DemoArea a{.name = "water-1", .objset = 6, .entry = true, .vertical = false, .screens = 5,
               .graphicset = 7, .colours = 0, .music = 0x30, .link = "pipes-1", .objects = {}, .enemies = {}};
    a.objects = {
        {0, 0, 12, 0x0D},                                // the sea, from row 13 down
        {3, 0, 23, 0x52, 15}, {3, 16, 23, 0x52, 15}, {3, 32, 21, 0xD4, 9}, {3, 42, 23, 0x52, 15},
        {3, 58, 23, 0x52, 15},                           // sand and ground floors, 4-byte
        {0, 6, 21, 0x00}, {0, 50, 21, 0x00},            // coral
        {0, 12, 19, 0x53}, {0, 13, 20, 0x52}, {0, 27, 18, 0x54}, {0, 56, 19, 0x53}, // seaweed
        {3, 22, 10, 0x41}, {3, 46, 12, 0x40},           // pillars down to the floor
        {0, 18, 15, 0x13}, {3, 36, 13, 0x13},           // pipes up and down
        {0, 30, 16, 0x0C}, {0, 62, 22, 0x08},           // treasure
        {0, 40, 15, 0x06}, {0, 9, 16, 0xE3},            // coins, bubbles
        {2, 68, 14, 0xB2, 5},                            // a sand bank, 4-byte
    };
    a.enemies = {{0x72, 10, 18}, {0x6C, 26, 15}, {0x65, 38, 20}, {0x72, 54, 17}};
    return a;
}

DemoArea pipes()
{
    DemoArea a{.name = "pipes-1", .objset = 8, .entry = true, .vertical = false, .screens = 4,
               .graphicset = 7, .colours = 0, .music = 0x20, .link = "water-1", .objects = {}, .enemies = {}};
    a.objects = {
        {3, 0, 23, 0xD2, 63},                            // the ground, 4-byte
        {0, 4, 19, 0x13}, {0, 10, 17, 0x15}, {0, 20, 20, 0x12}, {0, 34, 16, 0x16}, // pipes up
        {3, 14, 0, 0x16}, {3, 26, 0, 0x14}, {3, 40, 0, 0x17}, // pipes down
        {3, 44, 12, 0x42},                               // a pillar down to the ground
        {1, 48, 20, 0xE5},                               // a pipe lying down
        {3, 54, 18, 0x53, 5},                            // a sand block, 4-byte
        {0, 24, 14, 0x02}, {0, 30, 12, 0x01},
        {0, 58, 21, 0x04}, {0, 60, 21, 0x07},
    };
    a.enemies = {{0x72, 8, 22}, {0x9D, 22, 19}, {0x72, 38, 22}, {0x35, 62, 22}};
    return a;
}

DemoArea itemroom()
{
    DemoArea a{.name = "item-1", .objset = 7, .entry = true, .vertical = false, .screens = 1,
               .graphicset = 7, .colours = 0, .music = 0x0A, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {1, 0, 24, 0x5F}, {1, 0, 25, 0x5F},            // the floor
        {0, 3, 20, 0x02}, {0, 7, 20, 0x03}, {0, 11, 20, 0x02},
        {2, 4, 16, 0x04}, {2, 8, 16, 0x05}, {2, 12, 16, 0x06},
        {3, 6, 14, 0x55},                                // 3 bytes in this set
    };
    a.enemies = {{0x52, 7, 23}, {0xD6, 1, 1}};
    return a;
}

DemoArea desert()
{
    DemoArea a{.name = "desert-1", .objset = 9, .entry = true, .vertical = false, .screens = 6,
               .graphicset = 9, .colours = 0, .music = 0x90, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {0, 12, 14, 0x00}, {0, 54, 12, 0x0C},          // a sand hill and a stone pyramid
        {2, 0, 23, 0xC2, 31}, {2, 32, 23, 0xC2, 31}, {2, 64, 23, 0xC2, 31}, // the ground, 4-byte
        {3, 20, 17, 0x23}, {0, 30, 18, 0x12},          // a sand ledge, a stone row
        {0, 26, 19, 0x04}, {0, 42, 19, 0x04}, {0, 36, 20, 0x05}, {0, 47, 20, 0x09},
        {0, 38, 22, 0x07}, {0, 44, 22, 0x08}, {0, 70, 22, 0x0A}, {0, 74, 21, 0x0B},
        {1, 30, 14, 0x06}, {2, 32, 14, 0x04},
    };
    a.enemies = {{0x72, 24, 22}, {0x80, 40, 22}, {0x6C, 66, 22}, {0x35, 90, 22}};
    return a;
}

DemoArea ship()
{
    DemoArea a{.name = "ship-1", .objset = 10, .entry = true, .vertical = false, .screens = 4,
               .graphicset = 10, .colours = 0, .music = 0x60, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {2, 0, 22, 0xE0 + 15}, {2, 16, 22, 0xEF}, {2, 32, 21, 0xEF}, {2, 48, 22, 0xEF}, // decks of logs
        {1, 2, 23, 0x5F}, {1, 18, 23, 0x5F}, {1, 34, 23, 0x5F}, {1, 50, 23, 0x5F},       // hulls
        {1, 8, 19, 0x53}, {1, 24, 18, 0x63}, {1, 40, 17, 0x52},                         // crates
        {1, 12, 20, 0x91}, {1, 44, 18, 0xC2},                                           // pipes
        {2, 28, 16, 0xA2, 3},                                                           // a cabin, 4-byte
    };
    a.enemies = {{0xC2, 14, 19}, {0xCC, 30, 15}, {0xAA, 56, 24}, {0xD3, 1, 1}};
    return a;
}

} // namespace

void addwaterareas(std::vector<DemoArea> &out)
{
    out.push_back(water());
    out.push_back(pipes());
    out.push_back(itemroom());
    out.push_back(desert());
    out.push_back(ship());
}

} // namespace quib::demo

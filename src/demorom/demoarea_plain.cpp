// Demo areas of the plain, the fortress, the hills, the underground and the
// bonus game.
#include "demorom/demoareas.h"

namespace quib::demo {

namespace {

// Ground of the plain reaching the bottom: n + 2 columns from x.
DemoObj ground(int x, int width, int type0 = 0x10)
{
    return {0, x, 23, type0 + width - 2};
}

DemoArea openinglevel()
{
    DemoArea a{.name = "plain-1", .objset = 1, .entry = true, .vertical = false, .screens = 12,
               .graphicset = 1, .colours = 0, .music = 0x90, .link = "underground-1", .objects = {}, .enemies = {}};
    a.objects = {
        // hills and bushes behind everything
        {0, 1, 19, 0x00}, {0, 15, 20, 0x01}, {0, 40, 15, 0x02}, {0, 60, 19, 0x00}, {0, 85, 20, 0x01},
        {0, 108, 15, 0x02}, {0, 140, 19, 0x00}, {0, 168, 20, 0x01},
        {0, 8, 22, 0x92}, {0, 30, 22, 0x93}, {0, 72, 22, 0x91}, {0, 120, 22, 0x94}, {0, 152, 22, 0x92},
        {0, 45, 8, 0x06}, // a vine behind the ground
        // the ground, with gaps
        ground(0, 17), ground(19, 17), ground(36, 12), ground(51, 17), ground(68, 9), ground(79, 17),
        ground(96, 17), ground(116, 17), ground(133, 17), ground(150, 17), ground(167, 17), ground(184, 8),
        {1, 45, 8, 0x0B},  // the block the vine grows from
        // blocks and pipes
        {1, 10, 19, 0x06}, {1, 14, 19, 0x24}, {1, 16, 19, 0x07}, {1, 16, 15, 0x08},
        {1, 24, 21, 0x91}, {1, 32, 20, 0x92}, {1, 42, 19, 0x93},
        {2, 48, 18, 0x04}, {2, 49, 18, 0x05}, {2, 50, 18, 0x06},
        {0, 53, 16, 0xF4},                          // a cloud to stand on
        {0, 62, 18, 0xD4, 2}, {0, 58, 20, 0xC2, 3}, // big blocks, 4-byte
        {0, 70, 18, 0x52}, {0, 86, 19, 0x63},       // raised ledges
        {1, 90, 19, 0x27}, {1, 91, 15, 0x09}, {1, 94, 15, 0x05},
        {0, 100, 22, 0xB4},                         // a fence
        {0, 112, 23, 0xA3},                         // a bridge over the gap
        {0, 124, 18, 0xE5},                         // a bridge with a railing
        {1, 128, 14, 0x55}, {2, 129, 13, 0x04}, {2, 131, 13, 0x04},
        {0, 136, 19, 0x7A},                         // a higher ledge
        {1, 146, 20, 0x92}, {1, 160, 21, 0xE3},     // a pipe lying down
        {3, 177, 22, 0x17}, {3, 178, 21, 0x16}, {3, 179, 20, 0x15}, {3, 180, 19, 0x14}, {3, 181, 18, 0x13},
        {0, 186, 21, 0x04}, {0, 188, 21, 0x05}, {0, 190, 22, 0x07},
    };
    a.enemies = {
        {0x72, 20, 22}, {0x72, 38, 22}, {0x6C, 57, 22}, {0x72, 66, 22}, {0x80, 89, 22}, {0x72, 104, 22},
        {0x6C, 124, 22}, {0x72, 140, 22}, {0x72, 142, 22}, {0x27, 114, 19}, {0x35, 189, 21},
    };
    return a;
}

DemoArea underground()
{
    DemoArea a{.name = "underground-1", .objset = 14, .entry = true, .vertical = false, .screens = 4,
               .graphicset = 14, .colours = 1, .music = 0x20, .link = "plain-1", .objects = {}, .enemies = {}};
    a.objects = {
        {2, 0, 0, 0x09}, {2, 20, 0, 0x09}, {2, 40, 0, 0x09}, // the cave behind
        {0, 0, 23, 0x1F}, {0, 16, 23, 0x1F}, {0, 32, 23, 0x1F}, {0, 48, 23, 0x1F},
        {1, 2, 12, 0x2D}, {1, 30, 12, 0x2F},              // a ceiling of bricks
        {4, 6, 18, 0x12, 5}, {4, 20, 16, 0x71, 3}, {4, 34, 19, 0x31, 4}, // rock areas, 4-byte
        {3, 26, 20, 0x12},                               // a mound of ground
        {2, 8, 16, 0x04}, {2, 9, 16, 0x05}, {2, 10, 16, 0x06}, {2, 21, 14, 0x04}, {2, 22, 14, 0x04},
        {0, 14, 22, 0x03}, {0, 44, 22, 0x03}, {0, 40, 21, 0x0F},
        {1, 56, 21, 0xE3},                               // the pipe back up
    };
    a.enemies = {{0x72, 12, 22}, {0x6C, 28, 19}, {0x72, 40, 22}};
    return a;
}

DemoArea hills()
{
    DemoArea a{.name = "hills-1", .objset = 3, .entry = true, .vertical = false, .screens = 6,
               .graphicset = 3, .colours = 0, .music = 0x90, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {2, 3, 20, 0x0B}, {2, 30, 15, 0x0C}, {2, 60, 19, 0x0A},
        {0, 0, 23, 0x1F}, {0, 16, 23, 0x1F}, {0, 36, 23, 0x1F}, {0, 52, 23, 0x1F}, {0, 68, 23, 0x1F}, {0, 84, 23, 0x1B},
        {3, 10, 17, 0x00}, {3, 18, 17, 0x01},            // a hill up and down
        {3, 40, 17, 0x02}, {3, 58, 17, 0x09},            // mounds
        {3, 74, 20, 0x13},                               // a pyramid of ground
        {0, 28, 19, 0xD3}, {0, 34, 20, 0xD2},            // trees
        {5, 46, 22, 0x14}, {0, 66, 22, 0x0A},            // bushes
        {4, 80, 18, 0x22, 5},                            // a raised area, 4-byte
        {0, 82, 14, 0x02}, {0, 83, 14, 0x01}, {0, 84, 14, 0x02}, {0, 50, 16, 0x03},
        {2, 32, 12, 0x13},                               // a pipe lying down
        {0, 90, 21, 0x0F},
    };
    a.enemies = {{0x72, 24, 22}, {0x72, 48, 22}, {0x6C, 62, 16}, {0x35, 92, 22}};
    return a;
}

DemoArea fortress(const char *name, const char *link, bool entry)
{
    DemoArea a{.name = name, .objset = 2, .entry = entry, .vertical = false, .screens = 5,
               .graphicset = 2, .colours = 0, .music = 0x40, .link = link, .objects = {}, .enemies = {}};
    a.objects = {
        {3, 0, 0, 0x12},                                  // the left wall
        {0, 2, 12, 0x13}, {0, 16, 12, 0x13}, {0, 30, 10, 0x13}, {0, 44, 12, 0x13}, // ceilings
        {0, 0, 24, 0x1F}, {0, 0, 25, 0x1F},              // floors of stone
        {0, 10, 19, 0x34}, {0, 26, 17, 0x33}, {0, 40, 19, 0x35}, // ledges
        {0, 20, 23, 0xB3}, {0, 36, 23, 0xB5}, {0, 53, 23, 0xB2}, // spikes
        {0, 16, 22, 0x05}, {0, 34, 22, 0x05}, {0, 48, 22, 0x07}, {0, 60, 22, 0x00},
        {0, 12, 18, 0x02}, {0, 13, 18, 0x04}, {1, 30, 15, 0x06},
        {2, 62, 14, 0x32},                                // a stalk
        {2, 66, 16, 0x72, 4},                             // a dark area, 4-byte
    };
    a.enemies = {{0x80, 14, 23}, {0xC2, 44, 11}, {0x80, 50, 23}};
    return a;
}

DemoArea greathall()
{
    DemoArea a{.name = "fortress-hall", .objset = 2, .entry = false, .vertical = false, .screens = 2,
               .graphicset = 2, .colours = 0, .music = 0x50, .link = "fortress-1", .objects = {}, .enemies = {}};
    a.objects = {{0, 0, 0, 0x03}, {0, 16, 15, 0x13}, {0, 18, 12, 0x00}, {2, 20, 13, 0x04}};
    a.enemies = {{0x35, 12, 22}};
    return a;
}

DemoArea plainhills()
{
    DemoArea a{.name = "plain-2", .objset = 1, .entry = true, .vertical = false, .screens = 10,
               .graphicset = 1, .colours = 2, .music = 0x91, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {0, 4, 15, 0x02}, {0, 34, 19, 0x00}, {0, 70, 20, 0x01}, {0, 100, 15, 0x02}, {0, 130, 19, 0x00},
        {0, 12, 22, 0x93}, {0, 58, 22, 0x92}, {0, 112, 22, 0x95},
        ground(0, 16, 0x20), ground(16, 12, 0x20),
        {0, 28, 20, 0x6B}, {0, 40, 17, 0x75}, {0, 46, 20, 0x8A},      // ledges over a valley
        ground(58, 17, 0x20), ground(75, 9, 0x20),
        {0, 84, 23, 0xEF},                                            // a long bridge with a railing
        ground(99, 17, 0x20), ground(116, 14, 0x20),
        {0, 62, 16, 0xD3, 2}, {0, 64, 19, 0xC3, 5}, {0, 70, 20, 0xC2, 1}, // big blocks, 4-byte
        {1, 8, 18, 0x2B}, {1, 10, 18, 0x09}, {1, 13, 14, 0x0A},
        {1, 22, 0, 0xC6}, {1, 90, 0, 0xC4},                           // pipes hanging down
        {1, 104, 20, 0x92}, {2, 108, 21, 0x11},                       // pipes up and lying down
        {0, 88, 17, 0xF6}, {0, 96, 14, 0xF3},                          // clouds
        {2, 41, 15, 0x04}, {2, 42, 15, 0x04}, {2, 43, 15, 0x04}, {2, 85, 20, 0x05}, {2, 87, 20, 0x05},
        {3, 120, 22, 0x13}, {3, 121, 21, 0x12}, {3, 122, 20, 0x11}, {3, 123, 19, 0x10},
        {0, 127, 21, 0x05}, {0, 126, 22, 0x07},
    };
    a.enemies = {
        {0x72, 18, 22}, {0x6C, 30, 19}, {0x72, 48, 19}, {0x80, 66, 15}, {0x26, 80, 20},
        {0x72, 102, 22}, {0x6C, 110, 22}, {0x35, 128, 21},
    };
    return a;
}

DemoArea fortresstower()
{
    DemoArea a{.name = "fortress-tower", .objset = 2, .entry = true, .vertical = true, .screens = 4,
               .graphicset = 2, .colours = 0, .music = 0x40, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {3, 0, 0, 0x11}, {3, 0, 26, 0x11}, {3, 0, 52, 0x11},         // walls, each 26 rows
        {3, 15, 0, 0x11}, {3, 15, 26, 0x11}, {3, 15, 52, 0x11},
        {0, 1, 58, 0x13}, {0, 1, 59, 0x13},                           // the floor
        {0, 1, 53, 0x34}, {0, 9, 48, 0x35}, {0, 3, 42, 0x33}, {0, 10, 36, 0x34},
        {0, 2, 30, 0x35}, {0, 9, 24, 0x33}, {0, 4, 18, 0x34}, {0, 10, 12, 0x34}, {0, 1, 6, 0x36},
        {0, 6, 57, 0xB3}, {0, 5, 47, 0xB1}, {0, 12, 23, 0xB2},      // spikes
        {0, 13, 56, 0x05}, {0, 3, 4, 0x00}, {0, 12, 10, 0x02}, {0, 13, 10, 0x04},
        {1, 7, 32, 0x06}, {2, 6, 20, 0x05},
    };
    a.enemies = {{0x80, 8, 11}, {0xC2, 14, 8}, {0x80, 4, 5}};
    return a;
}

DemoArea bonusgame()
{
    DemoArea a{.name = "bonus-1", .objset = 15, .entry = true, .vertical = false, .screens = 1,
               .graphicset = 15, .colours = 0, .music = 0x0B, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {1, 2, 24, 0x5B}, {1, 2, 25, 0x5B},
        {1, 3, 16, 0x06}, {1, 6, 16, 0x07}, {1, 9, 16, 0x08}, {1, 12, 16, 0x09},
        {2, 4, 12, 0x04}, {2, 7, 12, 0x05}, {2, 10, 12, 0x06},
    };
    a.enemies = {{0x52, 8, 22}};
    return a;
}

} // namespace

void addplainareas(std::vector<DemoArea> &out)
{
    out.push_back(openinglevel());
    out.push_back(plainhills());
    out.push_back(underground());
    out.push_back(hills());
    out.push_back(fortress("fortress-1", "fortress-hall", true));
    out.push_back(greathall());
    out.push_back(fortresstower());
    out.push_back(bonusgame());
}

} // namespace quib::demo

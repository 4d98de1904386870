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
        {0, 0, 23, 0x1F}, {0, 16, 23, 0x1F}, {0, 36, 23, 0x1F}, {0, 52, 23, 0x1F}, {0, 68, 23, 0x1F}, {0, 84, 23, 0x0F},
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
    out.push_back(underground());
    out.push_back(hills());
    out.push_back(fortress("fortress-1", "fortress-hall", true));
    out.push_back(greathall());
    out.push_back(bonusgame());
}

} // namespace quib::demo

// Demo areas of the sky, the ice, the clouds and the lands of creatures and
// giants.
#include "demorom/demoareas.h"

namespace quib::demo {

namespace {

DemoArea sky()
{
    DemoArea a{.name = "sky-1", .objset = 4, .entry = true, .vertical = false, .screens = 6,
               .graphicset = 4, .colours = 0, .music = 0x09, .link = "sky-climb", .objects = {}, .enemies = {}};
    a.objects = {
        {0, 8, 24, 0x02}, {0, 38, 24, 0x02}, {0, 14, 10, 0x03}, {0, 52, 9, 0x03}, // pillars and icicles
        {0, 0, 22, 0x10, 9}, {0, 12, 20, 0x10, 5}, {0, 22, 22, 0x11, 7}, {0, 34, 19, 0x10, 3},
        {0, 42, 22, 0x10, 12}, {0, 58, 20, 0x10, 6}, {0, 70, 22, 0x10, 15}, // cloud platforms, 4-byte
        {0, 24, 14, 0x61}, {0, 45, 16, 0x60},           // columns down to the clouds below
        {0, 4, 18, 0x00}, {0, 18, 15, 0x01}, {0, 30, 12, 0x01}, {0, 64, 15, 0x00},
        {0, 36, 17, 0x05}, {0, 60, 18, 0x06}, {0, 61, 18, 0x07},
        {3, 48, 15, 0x14}, {2, 74, 17, 0x13},          // cloud banks
        {1, 28, 16, 0x84}, {2, 29, 13, 0x04}, {2, 30, 13, 0x04},
        {0, 78, 16, 0xC4},                               // a ledge
    };
    a.enemies = {{0x24, 10, 14}, {0x2C, 32, 12}, {0x72, 46, 21}, {0x35, 84, 21}};
    return a;
}

DemoArea skyclimb()
{
    DemoArea a{.name = "sky-climb", .objset = 4, .entry = false, .vertical = true, .screens = 3,
               .graphicset = 4, .colours = 0, .music = 0x09, .link = "sky-1", .objects = {}, .enemies = {}};
    a.objects = {
        {0, 0, 43, 0x10, 15},                            // the bottom cloud, across
        {0, 2, 38, 0x10, 4}, {0, 9, 34, 0x10, 4}, {0, 3, 29, 0x10, 3}, {0, 10, 24, 0x10, 4},
        {0, 4, 19, 0x10, 5}, {0, 11, 14, 0x10, 3}, {0, 2, 9, 0x10, 4}, {0, 8, 4, 0x10, 6},
        {0, 6, 30, 0x62},                                // a column down to the cloud below
        {0, 14, 40, 0x00}, {0, 0, 25, 0x01}, {0, 12, 8, 0x00},
        {2, 5, 17, 0x04}, {2, 6, 17, 0x04}, {2, 12, 12, 0x05},
        {1, 1, 2, 0x06},
    };
    a.enemies = {{0x2C, 4, 30}, {0x72, 10, 23}};
    return a;
}

DemoArea ice()
{
    DemoArea a{.name = "ice-1", .objset = 12, .entry = true, .vertical = false, .screens = 5,
               .graphicset = 4, .colours = 0, .music = 0x90, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {0, 0, 23, 0xC9}, {0, 10, 23, 0xCF}, {0, 26, 23, 0xCF}, {0, 44, 23, 0xCF}, {0, 60, 23, 0xCF}, // ledges
        {0, 0, 21, 0x25}, {0, 20, 18, 0x23}, {0, 50, 20, 0x27}, // ice walls
        {0, 33, 15, 0x63}, {0, 40, 13, 0x61},           // columns down to the ground
        {0, 14, 19, 0x10, 4}, {0, 36, 12, 0x10, 2},     // clouds, 4-byte
        {0, 8, 24, 0x02}, {0, 16, 8, 0x03}, {0, 58, 8, 0x03},
        {1, 26, 17, 0x83}, {1, 28, 13, 0x06}, {2, 46, 14, 0x05},
    };
    a.enemies = {{0x72, 18, 22}, {0x6C, 46, 22}, {0x35, 72, 22}};
    return a;
}

DemoArea clouds()
{
    DemoArea a{.name = "clouds-1", .objset = 13, .entry = true, .vertical = false, .screens = 4,
               .graphicset = 13, .colours = 0, .music = 0x09, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {2, 0, 22, 0x72, 15}, {2, 20, 20, 0x73, 9}, {2, 34, 22, 0x72, 20}, // clouds, 4-byte
        {1, 6, 17, 0x86}, {1, 24, 15, 0x52},
        {2, 12, 14, 0x04}, {2, 13, 14, 0x05}, {2, 14, 14, 0x06},
        {1, 30, 12, 0x07}, {1, 31, 12, 0x08},
        {2, 44, 18, 0xC1, 5},                          // a floating island, 4-byte
    };
    a.enemies = {{0x24, 16, 12}, {0x49, 40, 10}, {0x35, 56, 21}};
    return a;
}

DemoArea creatures(const char *name, int objset, int colours)
{
    DemoArea a{.name = name, .objset = objset, .entry = true, .vertical = false, .screens = 5,
               .graphicset = 5, .colours = colours, .music = 0x90, .link = nullptr, .objects = {}, .enemies = {}};
    a.objects = {
        {0, 14, 16, 0x05}, {0, 52, 18, 0x05},          // hills that widen down to the ground
        {0, 0, 24, 0x1F}, {0, 32, 24, 0x1F}, {0, 64, 24, 0x17},  // giant floor, two rows
        {3, 24, 19, 0x33}, {3, 40, 16, 0x61}, {3, 44, 16, 0x33}, // giant bricks and questions
        {3, 30, 20, 0x53}, {3, 62, 19, 0x54},          // giant pipes
        {0, 4, 20, 0x00}, {0, 5, 20, 0x01}, {0, 6, 20, 0x00},
        {0, 36, 10, 0xB8},                               // a vine
        {2, 68, 18, 0xB2, 4},                            // a big block, 4-byte
        {1, 20, 14, 0xE5}, {2, 58, 12, 0x13},           // pipes lying down
    };
    a.enemies = {{0x72, 10, 23}, {0x8A, 28, 22}, {0x72, 48, 23}, {0x35, 76, 23}};
    return a;
}

} // namespace

void addskyareas(std::vector<DemoArea> &out)
{
    out.push_back(sky());
    out.push_back(skyclimb());
    out.push_back(ice());
    out.push_back(clouds());
    out.push_back(creatures("creatures-1", 5, 0));
    out.push_back(creatures("giants-1", 11, 0));
}

} // namespace quib::demo

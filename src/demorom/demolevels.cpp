// The demo level areas in the ROM: where each area's streams go, their
// bytes, the colour groups of the object sets and the pattern sheets.
#include "demorom/demolevels.h"

#include "demorom/demoareas.h"
#include "demorom/demochr.h"
#include "editor/romlayout.h"
#include "tables/objprops.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace quib::demo {

namespace {

// ---- Level header (9 bytes at the start of the object stream) ------------
//   0..1  CPU pointer to the linked area's object stream (0 0: no link)
//   2..3  CPU pointer to the linked area's enemy stream
//   4     bits 0..3 screens - 1
//   5     bits 0..2 level colour group, bits 3..4 enemy colour group
//   6     bits 0..3 object set of the linked area, bits 4..6 scrolling
//         type (bit 4 set: vertical)
//   7     bits 0..4 graphic set
//   8     music, bits 6..7 time setting
constexpr int headersize = 9;
constexpr uint8_t verticalscroll = 0x10;
constexpr uint8_t timesetting = 0x80;

// Set 7 always reads its enemies here.
constexpr int64_t itemenemies = 0xC043;
// The other enemy streams start clear of set 7's.
constexpr int64_t firstenemies = 0xC100;

[[noreturn]] void areafault(const char *what, const char *area)
{
    std::fprintf(stderr, "demo level areas: %s: %s\n", what, area);
    std::abort();
}

const ObjProps &props()
{
    static const ObjProps p = [] {
        ObjProps q;
        build4byte(q);
        return q;
    }();
    return p;
}

std::vector<uint8_t> objectbytes(const DemoArea &a)
{
    std::vector<uint8_t> out;
    for (const DemoObj &o : a.objects) {
        int row = o.y, col = o.x;
        if (a.vertical) {
            row = o.y % 15;
            col = (o.y / 15) * 16 + (o.x & 15);
        }
        out.push_back(uint8_t((o.bank << 5) | (row & 0x1F)));
        out.push_back(uint8_t(col));
        out.push_back(uint8_t(o.type));
        const bool four = props().four(a.objset, o.bank, o.type);
        if (four != (o.len >= 0))
            areafault("length byte does not match the 4-byte table", a.name);
        if (four)
            out.push_back(uint8_t(o.len));
    }
    out.push_back(0xFF);
    return out;
}

std::vector<uint8_t> enemybytes(const DemoArea &a)
{
    std::vector<uint8_t> out = {0x01}; // the leading byte
    for (const DemoEnemy &e : a.enemies) {
        out.push_back(uint8_t(e.type));
        out.push_back(uint8_t(e.x));
        out.push_back(uint8_t(e.y));
    }
    out.push_back(0xFF);
    return out;
}

struct Layout {
    std::vector<AreaRef> refs;                   // per area of demoareas()
    std::map<int, std::vector<int>> entries;     // object set -> entry areas
};

// Object streams go one after another from the start of the bank window of
// their set (sets that share a bank share one cursor); enemy streams one
// after another from firstenemies, set 7's at its fixed place.
const Layout &layout()
{
    static const Layout l = [] {
        Layout out;
        std::map<int32_t, int64_t> objcursor;
        int64_t enmcursor = firstenemies;
        bool itemplaced = false;
        for (const DemoArea &a : demoareas()) {
            const rom::OffsetRange w = rom::objdatarange(a.objset);
            int64_t &c = objcursor.try_emplace(rom::objsetbase[size_t(a.objset)], w.low).first->second;
            AreaRef r{c, 0};
            c += headersize + int64_t(objectbytes(a).size());
            if (c - 1 > w.high)
                areafault("object data runs out of its bank", a.name);
            if (a.objset == 7) {
                if (itemplaced)
                    areafault("only one area of set 7 has its enemies at the fixed place", a.name);
                r.enmpos = itemenemies;
                itemplaced = true;
            } else {
                r.enmpos = enmcursor;
                enmcursor += int64_t(enemybytes(a).size());
            }
            out.refs.push_back(r);
            if (a.entry)
                out.entries[a.objset].push_back(int(out.refs.size()) - 1);
        }
        return out;
    }();
    return l;
}

int areaindex(const char *name)
{
    const std::vector<DemoArea> &all = demoareas();
    for (size_t i = 0; i < all.size(); ++i)
        if (std::strcmp(all[i].name, name) == 0)
            return int(i);
    areafault("no area of that name", name);
}

std::array<uint8_t, headersize> header(const DemoArea &a)
{
    std::array<uint8_t, headersize> h{};
    if (a.link) {
        const int j = areaindex(a.link);
        const DemoArea &to = demoareas()[size_t(j)];
        const AreaRef r = layout().refs[size_t(j)];
        const uint16_t obj = rom::offsettoptr(r.objpos, rom::objadder(to.objset));
        const uint16_t enm = rom::offsettoptr(r.enmpos, rom::enemydataadder);
        h[0] = uint8_t(obj & 0xFF);
        h[1] = uint8_t(obj >> 8);
        h[2] = uint8_t(enm & 0xFF);
        h[3] = uint8_t(enm >> 8);
        h[6] = uint8_t(to.objset & 0x0F);
    }
    h[4] = uint8_t((a.screens - 1) & 0x0F);
    h[5] = uint8_t(a.colours & 0x07);
    if (a.vertical)
        h[6] = uint8_t(h[6] | verticalscroll);
    h[7] = uint8_t(a.graphicset & 0x1F);
    h[8] = uint8_t(a.music | timesetting);
    return h;
}

// ---- Colour groups --------------------------------------------------------
// Per object set: palettes 1..3 of group 0 as (light, middle, dark) and the
// background colour of each of the 8 level groups. Palette p of group g is
// (background g, the three colours of p).
struct SetColours {
    int objset;
    uint8_t pal[4][3];
    uint8_t background[8];
};

constexpr SetColours setcolours[] = {
    // plain: earth and grass, bricks and coins, green pipes and hills, clouds
    {1, {{0x2A, 0x17, 0x0F}, {0x38, 0x27, 0x0F}, {0x3A, 0x1A, 0x0F}, {0x30, 0x10, 0x0F}},
     {0x21, 0x0F, 0x36, 0x22, 0x0C, 0x3C, 0x2C, 0x11}},
    // fortress: lava, doors and blocks, grey stone, dark water
    {2, {{0x27, 0x16, 0x06}, {0x38, 0x27, 0x07}, {0x30, 0x10, 0x00}, {0x3C, 0x1C, 0x0C}},
     {0x0F, 0x0F, 0x06, 0x0C, 0x0F, 0x00, 0x08, 0x0F}},
    // hills: green grass over olive earth, bricks, green, grey rock
    {3, {{0x29, 0x18, 0x0F}, {0x38, 0x27, 0x0F}, {0x2A, 0x19, 0x0F}, {0x30, 0x2D, 0x0F}},
     {0x31, 0x0F, 0x22, 0x36, 0x0C, 0x21, 0x3C, 0x11}},
    // sky: snow, white clouds, green, grey
    {4, {{0x30, 0x3C, 0x0F}, {0x30, 0x31, 0x0F}, {0x3A, 0x2A, 0x0F}, {0x30, 0x10, 0x0F}},
     {0x22, 0x21, 0x31, 0x0F, 0x11, 0x2C, 0x36, 0x0C}},
    // creatures: warm sky
    {5, {{0x2A, 0x17, 0x0F}, {0x38, 0x27, 0x0F}, {0x3A, 0x1A, 0x0F}, {0x30, 0x10, 0x0F}},
     {0x36, 0x21, 0x0F, 0x22, 0x26, 0x3C, 0x31, 0x0C}},
    // water: treasure, sand and coral, the sea and its pipes, weed and pillars
    {6, {{0x38, 0x27, 0x0F}, {0x37, 0x27, 0x07}, {0x31, 0x21, 0x0C}, {0x3A, 0x1A, 0x0A}},
     {0x11, 0x12, 0x01, 0x0C, 0x21, 0x0F, 0x1C, 0x02}},
    // item rooms: dark, warm bricks
    {7, {{0x2A, 0x17, 0x0F}, {0x27, 0x17, 0x07}, {0x3A, 0x1A, 0x0F}, {0x30, 0x10, 0x00}},
     {0x0F, 0x0F, 0x0C, 0x06, 0x0F, 0x00, 0x08, 0x0F}},
    // pipes: green pipes on dark blue
    {8, {{0x37, 0x27, 0x07}, {0x38, 0x27, 0x0F}, {0x3A, 0x1A, 0x0A}, {0x30, 0x10, 0x00}},
     {0x0C, 0x0F, 0x21, 0x01, 0x0C, 0x1C, 0x0F, 0x11}},
    // desert: stone, sand, green cacti
    {9, {{0x37, 0x27, 0x07}, {0x38, 0x27, 0x17}, {0x38, 0x28, 0x17}, {0x2A, 0x1A, 0x0F}},
     {0x31, 0x3C, 0x36, 0x21, 0x0F, 0x27, 0x22, 0x0C}},
    // ship: wood, bricks, grey metal, sky
    {10, {{0x37, 0x17, 0x07}, {0x38, 0x27, 0x0F}, {0x30, 0x10, 0x00}, {0x30, 0x31, 0x0F}},
      {0x21, 0x0F, 0x06, 0x0C, 0x22, 0x00, 0x36, 0x11}},
    // giants: like the plain, a clearer sky
    {11, {{0x29, 0x18, 0x0F}, {0x38, 0x27, 0x0F}, {0x3A, 0x1A, 0x0F}, {0x30, 0x10, 0x0F}},
      {0x21, 0x36, 0x0F, 0x22, 0x3C, 0x31, 0x0C, 0x11}},
    // ice: icy blues on a dark sky
    {12, {{0x30, 0x21, 0x0F}, {0x30, 0x31, 0x11}, {0x3C, 0x2C, 0x0F}, {0x30, 0x10, 0x00}},
      {0x0C, 0x0F, 0x22, 0x01, 0x11, 0x1C, 0x21, 0x02}},
    // clouds: whites over blue
    {13, {{0x30, 0x3C, 0x0F}, {0x38, 0x27, 0x0F}, {0x3A, 0x1A, 0x0F}, {0x30, 0x31, 0x0F}},
      {0x22, 0x21, 0x31, 0x0F, 0x12, 0x2C, 0x36, 0x0C}},
    // underground (coloured from set 3's record in levels; kept alike)
    {14, {{0x2C, 0x1C, 0x0C}, {0x3C, 0x2C, 0x0C}, {0x2A, 0x1A, 0x0A}, {0x30, 0x10, 0x00}},
      {0x0F, 0x0F, 0x0C, 0x01, 0x00, 0x0F, 0x08, 0x0F}},
    // bonus game: bright on black
    {15, {{0x2A, 0x17, 0x0F}, {0x38, 0x27, 0x0F}, {0x3A, 0x1A, 0x0F}, {0x30, 0x10, 0x0F}},
      {0x0F, 0x0C, 0x01, 0x06, 0x0F, 0x08, 0x00, 0x0F}},
};

// Set 3's group 1 is the underground of set 14: bluish rock on black.
constexpr uint8_t caverock[4][3] = {{0x2C, 0x1C, 0x0C}, {0x3C, 0x2C, 0x0C}, {0x2A, 0x1A, 0x0A}, {0x30, 0x10, 0x00}};

// Enemy groups: the same for every set, four lightnesses.
constexpr uint8_t enemypal[4][3] = {{0x30, 0x16, 0x0F}, {0x36, 0x27, 0x0F}, {0x2A, 0x1A, 0x0F}, {0x31, 0x11, 0x0F}};

void putgroup(RomImage &rom, int64_t at, uint8_t background, const uint8_t (&pal)[4][3])
{
    for (int p = 0; p < 4; ++p) {
        rom.put(at + 4 * p, background);
        for (int q = 1; q < 4; ++q)
            rom.put(at + 4 * p + q, pal[p][q - 1]);
    }
}

void putcolours(RomImage &rom)
{
    for (const SetColours &s : setcolours) {
        for (int g = 0; g < 8; ++g)
            putgroup(rom, rom::palgroup(s.objset, g), s.background[g], s.pal);
        for (int g = 0; g < 4; ++g)
            putgroup(rom, rom::enmpalgroup(s.objset, g), s.background[0], enemypal);
    }
    putgroup(rom, rom::palgroup(3, 1), 0x0F, caverock);
}

} // namespace

const std::vector<DemoArea> &demoareas()
{
    static const std::vector<DemoArea> all = [] {
        std::vector<DemoArea> out;
        addplainareas(out);
        addskyareas(out);
        addwaterareas(out);
        return out;
    }();
    return all;
}

AreaRef demolevelfor(int world, int index, int objset)
{
    const Layout &l = layout();
    auto it = l.entries.find(objset & 15);
    if (it == l.entries.end())
        it = l.entries.find(1); // no area of that set: the opening level
    const std::vector<int> &choice = it->second;
    // World 1 always enters the first area of a set, so its first level is
    // the opening level; other worlds spread over the set's areas.
    const size_t k = world == 1 ? 0 : size_t(world + index) % choice.size();
    return l.refs[size_t(choice[k])];
}

std::vector<DemoAreaPlace> demoareaplaces()
{
    std::vector<DemoAreaPlace> out;
    const std::vector<DemoArea> &all = demoareas();
    for (size_t i = 0; i < all.size(); ++i)
        out.push_back({all[i].name, all[i].objset, layout().refs[i]});
    return out;
}

void putlevels(RomImage &rom)
{
    putsheets(rom);
    putcolours(rom);
    const std::vector<DemoArea> &all = demoareas();
    for (size_t i = 0; i < all.size(); ++i) {
        const DemoArea &a = all[i];
        const AreaRef r = layout().refs[i];
        const std::array<uint8_t, headersize> h = header(a);
        rom.putbytes(r.objpos, std::vector<uint8_t>(h.begin(), h.end()));
        rom.putbytes(r.objpos + headersize, objectbytes(a));
        rom.putbytes(r.enmpos, enemybytes(a));
    }
}

} // namespace quib::demo

// The demo level areas in the ROM: where each area's streams go, their
// bytes, the colour groups of the object sets and the pattern sheets.
#include "demorom/demolevels.h"

#include "demorom/demoareas.h"
#include "demorom/demochr.h"
#include "rom/romlayout.h"
#include "level/records.h"
#include "tables/objprops.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace quib::demo {

namespace {

// Header byte 8: music, time setting in bits 6..7.
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

// The records as the editor's encoder writes them, so that loading and
// saving an area without edits gives back the same bytes.
std::vector<uint8_t> objectbytes(const DemoArea &a)
{
    std::vector<uint8_t> out;
    for (const DemoObj &o : a.objects) {
        const bool four = props().four(a.objset, o.bank, o.type);
        if (four != (o.len >= 0))
            areafault("length byte does not match the 4-byte table", a.name);
        const ObjRecord r{uint8_t(o.x), uint8_t(o.y), uint8_t(o.bank), uint8_t(o.type), four, uint8_t(four ? o.len : 0)};
        const ObjBytes b = encodeobj(r, a.vertical);
        if (!(decodeobj(b, a.vertical) == r))
            areafault("object outside what a record holds", a.name);
        out.insert(out.end(), b.b.begin(), b.b.begin() + b.size);
    }
    out.push_back(streamend);
    return out;
}

// Save sorts the enemies by column (keeping the order of equal columns), so
// the streams are written in that order.
std::vector<uint8_t> enemybytes(const DemoArea &a)
{
    std::vector<DemoEnemy> sorted = a.enemies;
    std::stable_sort(sorted.begin(), sorted.end(), [](const DemoEnemy &l, const DemoEnemy &r) { return l.x < r.x; });
    std::vector<uint8_t> out = {0x01}; // the leading byte
    for (const DemoEnemy &e : sorted) {
        const EnemyBytes b = encodeenemy({uint8_t(e.type), uint8_t(e.x), uint8_t(e.y)});
        out.insert(out.end(), b.begin(), b.end());
    }
    out.push_back(streamend);
    return out;
}

// Free space, so that areas can grow and move: every other stream of a
// window (the first, the third, ...) is followed by growroom bytes of 0xFF,
// too few to count as free space but room to grow in place; after the last
// stream of each window lies a free run of freerun bytes of 0xFF. A window
// without streams has its free run freerun bytes before its last 0x100.
constexpr int64_t growroom = 15;
constexpr int64_t freerun = 0x140;

struct Blank {
    int64_t start, size;
};

struct Layout {
    std::vector<AreaRef> refs;                   // per area of demoareas()
    std::map<int, std::vector<int>> entries;     // object set -> entry areas
    std::vector<Blank> blanks;                   // runs of 0xFF
};

// A window's cursor: where its next stream goes and how many it holds.
struct Cursor {
    int64_t at;
    int64_t high;
    int streams = 0;
};

// Places `size` bytes at the cursor and the room after them, if any.
int64_t place(Cursor &c, int64_t size, std::vector<Blank> &blanks, const char *area)
{
    const int64_t start = c.at;
    c.at += size;
    if (c.streams++ % 2 == 0) {
        blanks.push_back({c.at, growroom});
        c.at += growroom;
    }
    if (c.at - 1 > c.high)
        areafault("streams run out of their window", area);
    return start;
}

void putfreerun(const Cursor &c, std::vector<Blank> &blanks)
{
    const int64_t start = c.streams > 0 ? c.at : c.high + 1 - 0x100 - freerun;
    if (start + freerun - 1 > c.high)
        areafault("no free run left in the window", "");
    blanks.push_back({start, freerun});
}

// Object streams go one after another from the start of the bank window of
// their set (sets that share a bank share one cursor); enemy streams one
// after another from firstenemies, set 7's at its fixed place.
const Layout &layout()
{
    static const Layout l = [] {
        Layout out;
        std::map<int32_t, Cursor> objcursor;
        for (int s = 0; s < 16; ++s) {
            const rom::OffsetRange w = rom::objdatarange(s);
            objcursor.try_emplace(rom::objsetbase[size_t(s)], Cursor{w.low, w.high});
        }
        Cursor enmcursor{firstenemies, rom::enemydatarange.high};
        bool itemplaced = false;
        for (const DemoArea &a : demoareas()) {
            Cursor &c = objcursor.at(rom::objsetbase[size_t(a.objset)]);
            AreaRef r{place(c, hdrsize + int64_t(objectbytes(a).size()), out.blanks, a.name), 0};
            if (a.objset == 7) {
                if (itemplaced)
                    areafault("only one area of set 7 has its enemies at the fixed place", a.name);
                r.enmpos = itemenemies;
                itemplaced = true;
            } else {
                r.enmpos = place(enmcursor, int64_t(enemybytes(a).size()), out.blanks, a.name);
            }
            out.refs.push_back(r);
            if (a.entry)
                out.entries[a.objset].push_back(int(out.refs.size()) - 1);
        }
        for (const auto &[base, c] : objcursor)
            putfreerun(c, out.blanks);
        putfreerun(enmcursor, out.blanks);
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

LevelHeader header(const DemoArea &a)
{
    LevelHeader h{};
    if (a.link) {
        const int j = areaindex(a.link);
        const DemoArea &to = demoareas()[size_t(j)];
        const AreaRef r = layout().refs[size_t(j)];
        sethdrlink(h, {rom::offsettoptr(r.objpos, rom::objadder(to.objset)),
                       rom::offsettoptr(r.enmpos, rom::enemydataadder), to.objset});
    }
    h[hdrlength] = uint8_t((a.screens - 1) & 0x0F);
    h[hdrcolours] = uint8_t(a.colours & 0x07);
    if (a.vertical)
        h[hdrscroll] = uint8_t(h[hdrscroll] | hdrverticalbit);
    h[hdrgfx] = uint8_t(a.graphicset & 0x1F);
    h[hdrmusic] = uint8_t(a.music | timesetting);
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
    for (const Blank &b : layout().blanks)
        rom.putbytes(b.start, std::vector<uint8_t>(size_t(b.size), 0xFF));
    const std::vector<DemoArea> &all = demoareas();
    for (size_t i = 0; i < all.size(); ++i) {
        const DemoArea &a = all[i];
        const AreaRef r = layout().refs[i];
        const LevelHeader h = header(a);
        rom.putbytes(r.objpos, std::vector<uint8_t>(h.begin(), h.end()));
        rom.putbytes(r.objpos + hdrsize, objectbytes(a));
        rom.putbytes(r.enmpos, enemybytes(a));
    }
}

} // namespace quib::demo

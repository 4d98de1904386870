// Which pictures go on which pattern sheet, and the sheets' NES encoding.
//
// Page 1 of a graphic set (tiles 0x00..0x7F) has a common part, the same in
// every sheet: tile 0, the background block 05-07-06-08, the backdrop wall
// 0E-67-64-65 and its edge 3A/3B, the lattice 3C 37 16 34, the hills, the
// big coloured blocks, the ground cells 40..57 and the pipe lying down
// 70..7B. Twelve 16 x 16 slots are drawn per family of object sets:
//   A 10-11-12-13   B 14-15-17-18   C 20-21-22-23   D 24-25-26-27
//   E 28-29-2A-2B   F 2C-2D-2E-2F   G 30-31-32-33   H 35-36-38-39
//   I 3D-3E-3F-58   J 5B-5C-5D-5E   K 7C-7D-7E-7F   L 02-03-04-09
// Page 2 (sheets 20, 22 and 9) holds the blocks, coins and pipes of the
// common objects.
#include "demorom/demochr.h"

#include "rom/romlayout.h"

#include <cstdlib>
#include <cstdio>

namespace quib::demo {

namespace {

[[noreturn]] void chrfault(const char *what, std::string_view s)
{
    std::fprintf(stderr, "demo pattern sheets: %s: %.*s\n", what, int(s.size()), s.data());
    std::abort();
}

int pixval(char c)
{
    return c >= '0' && c <= '3' ? c - '0' : 0;
}

const char *slottiles(char slot)
{
    switch (slot) {
    case 'A': return "10-11-12-13";
    case 'B': return "14-15-17-18";
    case 'C': return "20-21-22-23";
    case 'D': return "24-25-26-27";
    case 'E': return "28-29-2A-2B";
    case 'F': return "2C-2D-2E-2F";
    case 'G': return "30-31-32-33";
    case 'H': return "35-36-38-39";
    case 'I': return "3D-3E-3F-58";
    case 'J': return "5B-5C-5D-5E";
    case 'K': return "7C-7D-7E-7F";
    case 'L': return "02-03-04-09";
    default: chrfault("no such slot", std::string_view(&slot, 1));
    }
}

struct Put {
    const char *motif;
    const char *tiles; // tile list, or one slot letter
};

// ---- page 1, common part ---------------------------------------------------
void putcommon(ChrSheet &s, int ground)
{
    s.place(filler(ground), "00");
    s.place(motif("background"), "05-07-06-08");
    s.place(motif("backdropwall"), "0E-67-64-65");
    s.place(motif("backdropedge"), "3A-3B");
    s.place(motif("lattice"), "3C-37-16-34");
    s.place(hillshoulder(true), "68-69-6C-0F");
    s.place(hillshoulder(false), "6A-6B-xx-6D");
    s.place(hillside(true), "6E");
    s.place(hillside(false), "6F");
    s.place(hillspots(1), "1A-1B-1E-xx");
    s.place(hillspots(2), "1C-1D-xx-1F");
    s.place(bigblock(true, true, false), "0A-01-5A-61");
    s.place(bigblock(true, false, false), "xx-xx-60-xx");
    s.place(bigblock(true, false, true), "xx-0B-xx-0C");
    s.place(bigblock(false, true, false), "66-63");
    s.place(bigblock(false, false, false), "62");
    s.place(bigblock(false, false, true), "xx-0D");
    s.place(groundcell(ground, true, false, false), "40-41-42-43");
    s.place(groundcell(ground, true, true, false), "44-45-46-47");
    s.place(groundcell(ground, true, false, true), "48-49-4A-4B");
    s.place(groundcell(ground, false, false, false), "4C-4D-4E-4F");
    s.place(groundcell(ground, false, true, false), "50-51-52-53");
    s.place(groundcell(ground, false, false, true), "54-55-56-57");
    s.place(hpipebody(), "70-71-72-73");
    s.place(hpipemouth(), "74-78-75-79-76-7A-77-7B");
}

void putlist(ChrSheet &s, std::initializer_list<Put> list)
{
    for (const Put &p : list) {
        const std::string_view t = p.tiles;
        s.place(motif(p.motif), t.size() == 1 ? std::string_view(slottiles(t[0])) : t);
    }
}

// ---- page 1, one drawing per family of object sets --------------------------
void putplain(ChrSheet &s)
{
    putlist(s, {{"fence", "A"}, {"posttop", "B"}, {"postfoot", "C"}, {"doortop", "D"}, {"doorfoot", "E"},
                {"vine", "F"}, {"bush", "G"}, {"bridgepost", "H"}, {"railing", "I"}, {"cloudleft", "J"},
                {"cloudmiddle", "K"}, {"cloudright", "L"}});
}

void putfortress(ChrSheet &s)
{
    putlist(s, {{"doortop", "A"}, {"doorfoot", "B"}, {"stone", "C"}, {"pillartop", "D"}, {"pillar", "E"},
                {"floorstone", "G"}, {"ledgetop", "H"}, {"ledgefoot", "I"}, {"spikes", "J"}, {"hallwall", "K"},
                {"halldoor", "L"}, {"lavatop", "0C-0D"}, {"lavabody", "2E-2F"}});
}

void puthills(ChrSheet &s)
{
    putlist(s, {{"rock", "A"}, {"crystal", "B"}, {"smallbush", "C"}, {"signtop", "D"}, {"signpost", "E"},
                {"slopeup", "F"}, {"slopedown", "G"}, {"trunk", "H"}, {"treetop", "I"}, {"bush", "J"}});
}

void putsky(ChrSheet &s)
{
    putlist(s, {{"cloudpuff", "A"}, {"cloudleft", "B"}, {"cloudright", "C"}, {"pillar", "D"}, {"pillarfoot", "E"},
                {"icicle", "F"}, {"icicletip", "G"}, {"lamp", "H"}, {"lamppost", "I"}, {"cloudleft", "J"},
                {"cloudmiddle", "K"}, {"cloudright", "L"}});
}

void putgiant(ChrSheet &s)
{
    putlist(s, {{"stone", "A"}, {"crystal", "B"}, {"hilltop", "C"}, {"floorstone", "D"}, {"vine", "L"}});
}

void putwater(ChrSheet &s)
{
    // The coral is 2 x 2 blocks: slots A B over C D.
    s.place(motif("coral"), "10-11-14-15-12-13-17-18-20-21-24-25-22-23-26-27");
    putlist(s, {{"seaweed", "E"},
                {"pole", "F"}, {"bubbles", "G"}, {"sand", "H"}, {"pillar", "I"}, {"sandtop", "J"},
                {"treasure", "K"}, {"shell", "L"}});
}

void putdesert(ChrSheet &s)
{
    putlist(s, {{"palmleft", "A"}, {"palmmiddle", "B"}, {"palmright", "C"}, {"palmtrunk", "D"}, {"sand", "E"},
                {"cactus", "F"}, {"cactusleft", "G"}, {"cactusright", "H"}, {"rock", "I"}, {"slopeup", "J"},
                {"cactustop", "K"}, {"slopedown", "L"}, {"sandstrip", "59"}});
}

void putship(ChrSheet &s)
{
    putlist(s, {{"stone", "A"}, {"floorstone", "G"}, {"spikes", "J"}, {"lamp", "H"}, {"lamppost", "I"}});
}

// ---- page 2 --------------------------------------------------------------
void putpage2(ChrSheet &s)
{
    s.place(vpipecap(), "8C-8D-8E-8F-9C-9D-9E-9F");
    s.place(vpipebody(), "AC-AD-AE-AF");
    putlist(s, {{"brick", "98-9A-99-9B"}, {"brickright", "96-xx-97-xx"}, {"question", "B4-B6-B5-B7"},
                {"hardblock", "B8-BA-B9-BB"}, {"coin", "C0-C2-C1-C3"}, {"metal", "DC-DE-DD-DF"},
                {"bounce", "92-CA-93-CB"}, {"gem", "E0-E2-E1-E3"}, {"stalktop", "A4-A6-A5-A7"},
                {"stalkjoint", "EC-EE-ED-EF"}, {"stalk", "E4-E5"}, {"planks", "C8-C9"}, {"log", "BC-BE-BD-BF"},
                {"waves", "AA-AB"}, {"surface", "C5-FE"}, {"surface2", "C7"}, {"wallcap", "B3"},
                {"wall", "CC-CE-CD-CF"}, {"dirttop", "D5-B2"}, {"dark", "FC"}});
}

// What each sheet is: ground style and family drawing of page 1, or page 2.
struct SheetPlan {
    int sheet;
    int ground;           // -1: a page-2 sheet
    void (*family)(ChrSheet &);
};

constexpr SheetPlan plans[] = {
    {0, 0, putplain},    {1, 0, putplain},    {2, 1, putfortress}, {3, 4, puthills},
    {4, 3, putsky},      {5, 0, putgiant},    {6, 2, putwater},    {7, 2, putdesert},
    {8, 1, putship},     {10, 1, putship},    {11, 3, putsky},     {12, 3, putsky},
    {13, 0, putplain},   {14, 4, puthills},   {15, 0, putplain},   {16, 0, putplain},
    {17, 4, puthills},   {18, 1, putfortress}, {19, 0, putplain},  {21, 0, putplain},
    {20, -1, nullptr},   {22, -1, nullptr},   {9, -1, nullptr},
};

} // namespace

void ChrSheet::place(const ChrArt &art, std::string_view tiles)
{
    const int w = art.empty() ? 0 : int(art[0].size());
    const int h = int(art.size());
    if (w % 8 || h % 8)
        chrfault("art is not whole tiles", tiles);
    int k = 0;
    size_t i = 0;
    while (i < tiles.size()) {
        const size_t j = std::min(tiles.find('-', i), tiles.size());
        const std::string_view name = tiles.substr(i, j - i);
        i = j + 1;
        const int tx = 8 * (k % (w / 8)), ty = 8 * (k / (w / 8));
        ++k;
        if (ty >= h)
            chrfault("more tiles than art", tiles);
        if (name == "xx")
            continue;
        const int t = int(std::strtol(std::string(name).c_str(), nullptr, 16)) & 127;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                set(8 * (t % 16) + x, 8 * (t / 16) + y, pixval(art[size_t(ty + y)][size_t(tx + x)]));
    }
}

std::vector<uint8_t> ChrSheet::encode() const
{
    std::vector<uint8_t> out(size_t(rom::chrblocksize), 0);
    for (int t = 0; t < 128; ++t)
        for (int y = 0; y < 8; ++y) {
            uint8_t lo = 0, hi = 0;
            for (int x = 0; x < 8; ++x) {
                const int v = at(8 * (t % 16) + x, 8 * (t / 16) + y);
                lo = uint8_t(lo | ((v & 1) << (7 - x)));
                hi = uint8_t(hi | ((v >> 1) << (7 - x)));
            }
            out[size_t(16 * t + y)] = lo;
            out[size_t(16 * t + 8 + y)] = hi;
        }
    return out;
}

void putsheets(RomImage &rom)
{
    for (const SheetPlan &p : plans) {
        ChrSheet s;
        if (p.ground < 0) {
            putpage2(s);
        } else {
            putcommon(s, p.ground);
            p.family(s);
        }
        rom.putbytes(rom::chrpos[size_t(p.sheet)], s.encode());
    }
}

} // namespace quib::demo

#pragma once
// Fixed locations of the supported ROM image, in one place.
//
// Every location is a 0-based file offset that counts the 16-byte iNES header,
// so the first PRG-ROM byte is at 0x10. The image is a 16-byte header, 256 KB
// of PRG-ROM in thirty-two 8 KB banks (bank b at 0x10 + 0x2000 * b), then
// 128 KB of CHR-ROM from 0x40010.
//
// The game's own tables hold 16-bit CPU addresses, low byte first. The bank
// that the CPU sees in a window decides the file offset, so each kind of
// pointer has one adder: file offset = unsigned 16-bit address + adder.
#include <array>
#include <cstdint>

namespace quib::rom {

// ---- Image layout -------------------------------------------------------
constexpr int64_t headersize = 0x10;           // iNES header, never read
constexpr int64_t prgsize = 0x40000;           // 256 KB of PRG-ROM
constexpr int64_t chrstart = headersize + prgsize; // 0x40010
constexpr int64_t chrsize = 0x20000;           // 128 KB of CHR-ROM
constexpr int64_t imagesize = chrstart + chrsize;  // 393,232 bytes

constexpr int64_t bankoffset(int bank) { return headersize + 0x2000 * int64_t(bank); }

// ---- Pointer kinds ------------------------------------------------------
// Map data pointers (map sprite tables): bank 11 at CPU 0xA000,
// 0xA000..0xBFFF -> 0x16010..0x1800F.
constexpr int64_t mapdataadder = 0xC010;
// Enemy data pointers: banks 6 and 7 at CPU 0xC000,
// 0xC000..0xFFFF -> 0xC010..0x1000F.
constexpr int64_t enemydataadder = 0x10;
// Level object data pointers: 0x10 + objsetbase[object set], the bank of that
// object set's level data at CPU 0xA000.
constexpr int64_t objdataadder = 0x10;

// objsetbase[s] = 0x2000 * bank - 0xA000, for the bank holding object set s.
constexpr std::array<int32_t, 16> objsetbase = {
    0xE000,  // 0  bank 12  0x18010..0x1A00F
    0x14000, // 1  bank 15  0x1E010..0x2000F
    0x20000, // 2  bank 21  0x2A010..0x2C00F
    0x16000, // 3  bank 16  0x20010..0x2200F
    0x18000, // 4  bank 17  0x22010..0x2400F
    0x1C000, // 5  bank 19  0x26010..0x2800F
    0x1A000, // 6  bank 18  0x24010..0x2600F
    0x1A000, // 7  bank 18  0x24010..0x2600F
    0x1A000, // 8  bank 18  0x24010..0x2600F
    0x1E000, // 9  bank 20  0x28010..0x2A00F
    0x24000, // 10 bank 23  0x2E010..0x3000F
    0x1C000, // 11 bank 19  0x26010..0x2800F
    0x18000, // 12 bank 17  0x22010..0x2400F
    0x1C000, // 13 bank 19  0x26010..0x2800F
    0x10000, // 14 bank 13  0x1A010..0x1C00F
    0,       // 15 bank 5   0xA010..0xC00F
};

constexpr int64_t objadder(int objset) { return objdataadder + objsetbase[objset & 15]; }

// Pointer word -> file offset, and back. The word is taken as unsigned 16-bit.
constexpr int64_t ptrtooffset(uint16_t word, int64_t adder) { return int64_t(word) + adder; }
constexpr uint16_t offsettoptr(int64_t offset, int64_t adder) { return uint16_t((offset - adder) & 0xFFFF); }

// The advisory ranges the pointer dialogs show: object data of a set lies in
// its bank's window, enemy data in the fixed upper banks.
struct OffsetRange { int64_t low, high; };
constexpr OffsetRange objdatarange(int objset) { return {objsetbase[objset & 15] + 0xA010, objsetbase[objset & 15] + 0xC00F}; }
constexpr OffsetRange enemydatarange = {0xC010, 0x1000F};

// ---- CHR-ROM ------------------------------------------------------------
// File offsets of 2 KB pattern blocks (128 tiles of 16 bytes), "sheets" 0..22.
constexpr int chrblocksize = 0x800;
constexpr std::array<int32_t, 23> chrpos = {
    0x40010, 0x42010, 0x44010, 0x47010, 0x43010, 0x56010, 0x57010, 0x4C010, // 0..7
    0x4D010, 0x5A810, 0x5B810, 0x46010, 0x4E010, 0x49010, 0x4B010, 0x5B010, // 8..15
    0x5A010, 0x5C010, 0x4A010, 0x40810, 0x58010, 0x4F810, 0x57810,          // 16..22
};

// ---- World maps ---------------------------------------------------------
constexpr int worldcount = 9;

// Start of each world's map tile data, world 1..9 at index 0..8. Screens of
// 9 rows x 16 tile bytes, left to right, ended by one 0xFF.
constexpr std::array<int32_t, 9> mapdatapos = {
    0x185BA, 0x1864B, 0x1876C, 0x1891D, 0x18A3E, 0x18B5F, 0x18D10, 0x18E31, 0x19072,
};

// Start of each world's map pointer table, world 1..9 at index 0..8.
constexpr std::array<int32_t, 9> mapptrpos = {
    0x19437, 0x194B9, 0x195D7, 0x19713, 0x197E3, 0x198E3, 0x19A3D, 0x19B55, 0x19C4F,
};

// Map sprite pointer table: at 0x16010 + 16 * k + 2 * (w - 1), for field
// k = 1..5 and world w = 1..8, a map data pointer to that world's 9-byte table
// of field k. The first 16-byte row is not used. World 9 has no map sprites.
constexpr int64_t mapspriteptrs = 0x16010;
constexpr int mapspritefields = 5;
constexpr int mapspritecount = 9;
constexpr int64_t mapspriteptrpos(int field, int world) { return mapspriteptrs + 16 * field + 2 * (world - 1); }

constexpr int64_t mapdatapos_of(int world) { return mapdatapos[(world - 1) % 9]; }
constexpr int64_t mapptrpos_of(int world) { return mapptrpos[(world - 1) % 9]; }

// ---- Palettes -------------------------------------------------------------
// 16 records of 192 bytes, one per object set: 8 level colour groups of 16
// bytes, then 4 enemy colour groups. A group is 16 NES colour numbers, byte
// 4p + q being colour q of palette p.
constexpr int64_t palettetable = 0x36BE2;
constexpr int palrecord = 192;
constexpr int64_t palgroup(int objset, int group) { return palettetable + palrecord * objset + 16 * group; }
constexpr int64_t enmpalgroup(int objset, int group) { return palettetable + palrecord * objset + 128 + 16 * group; }

// The world map's colour group: low nibble of the byte at 0x1842C + w.
constexpr int64_t mappalette = 0x1842C;

// ---- Map start points -----------------------------------------------------
// One byte per world w (1..9) at 0x3C39A + (w - 1): the Y in pixels at which
// the player's marker starts on that world's map screen. The top of map row r
// is at Y = 32 + 16 r.
constexpr int64_t startpoints = 0x3C39A;
constexpr int64_t startpointpos(int world) { return startpoints + (world - 1); }

// ---- World-map properties -------------------------------------------------
// Four tables indexed by entry w = 1..256. Entries 1..9 are the worlds; the
// entries past them reach whatever bytes follow each table in the ROM.
//   mappalette + w             1 byte   colour group of the map (low nibble)
//   mapanimtimes + 4 w + k     4 bytes  time of map animation frame k = 0..3:
//                                       a byte d lasts d + 1 ticks of 1/60 s,
//                                       a byte above 128 lasts one tick
//   entrymusic + w             1 byte   music number played when the world is entered
//   returnmusic + w            1 byte   music number played after going in an area
// Entry 1 therefore lies at 0x1842D, 0x17C11..0x17C14, 0x3C424 and 0x143CA.
constexpr int mappropentries = 256;
constexpr int64_t mapanimtimes = 0x17C0D;
constexpr int64_t entrymusic = 0x3C423;
constexpr int64_t returnmusic = 0x143C9;
constexpr int64_t mappalettepos(int entry) { return mappalette + entry; }
constexpr int64_t mapanimpos(int entry, int frame) { return mapanimtimes + 4 * int64_t(entry) + frame; }
constexpr int64_t entrymusicpos(int entry) { return entrymusic + entry; }
constexpr int64_t returnmusicpos(int entry) { return returnmusic + entry; }

// ---- Level areas -----------------------------------------------------------
// Areas of object set 7 take their enemies from one fixed enemy stream,
// whatever enemy pointer led to them: its leading byte is here.
constexpr int64_t objset7enemies = 0xC043;

// ---- Game settings ----------------------------------------------------------
// Single bytes and small tables that the game reads when a game or a level
// starts.
//   starttimes + k      4 bytes   level timer values: k = 0..2 the three
//                                 ordinary ones, k = 3 the one used for
//                                 infinite time; in hundreds of timer units
//   startlives          1 byte    lives at the start of a game, minus 1
//   maxstartlives       1 byte    most lives the start screen allows, minus 1
//   startworld          1 byte    world a new game starts in, minus 1
//   startstatus         1 byte    the hero's power-up state at the start, 0..8
//   lvlmusicset + k     16 bytes  music number of level music option k + 1
// A level header's time setting (byte 8 bits 6..7) picks one of the timer
// values, its music (bits 0..3) one of the music options.
constexpr int64_t starttimes = 0x3D7B8;
constexpr int starttimecount = 4;
constexpr int64_t startlives = 0x308E1;
constexpr int64_t maxstartlives = 0x35062;
constexpr int64_t startworld = 0x30CC3;
constexpr int64_t startstatus = 0x30CCC;
constexpr int64_t lvlmusicset = 0x3D7BC;
constexpr int lvlmusicoptions = 16;

} // namespace quib::rom

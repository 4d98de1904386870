#pragma once
// The game's setting tables: the four level timer values, the starting
// status (lives, maximum lives, world, power-up state) and the level music
// set. Their offsets are in rom/romlayout.h. Each table is read by one ROM
// operation and written whole by one; the texts the dialogs show for the
// values are computed here.
#include "rom/romlayout.h"

#include <QString>
#include <array>
#include <cstdint>

namespace quib {

class Rom;

// ---- Level timer values -------------------------------------------------------
// Byte k (0..3) at starttimes + k, in hundreds of timer units; k = 3 is the
// value used for infinite time.
using StartTimes = std::array<uint8_t, rom::starttimecount>;

bool readstarttimes(const Rom &rom, StartTimes &times);
bool writestarttimes(Rom &rom, const StartTimes &times, QString *error = nullptr);

// The time as the game counts it: value x 100 with at least three digits
// ("000", "300", "25500").
QString timelabel(int value);

// ---- Starting status -------------------------------------------------------------
// The four bytes as stored: lives, maximum lives and world are one less than
// what they mean; status indexes the list of power-up states.
struct StartStatus {
    uint8_t lives = 0;
    uint8_t maxlives = 0;
    uint8_t world = 0;
    uint8_t status = 0;
};

bool readstartstatus(const Rom &rom, StartStatus &status);
// Writes the four bytes in the order lives, maximum lives, world, status.
bool writestartstatus(Rom &rom, const StartStatus &status, QString *error = nullptr);

// The power-up states a game can start in; the last two are not reached by
// normal play.
constexpr int statuscount = 9;
QString statusname(int index);
// The list item shown for a stored status byte: past the list, its last item.
constexpr int statusitem(uint8_t stored) { return stored < statuscount ? stored : statuscount - 1; }

// Label texts for the shown values (stored + 1, 1..256).
QString liveslabel(int lives);    // "Starting lives: 5 (H x 4)"
QString maxliveslabel(int lives); // "Max. starting lives: 99 (H x 98)"
QString startworldlabel(int world); // "Starting world: 3", with " (weird)" past world 9
// The caption of the status list.
QString statuscaption();

// ---- Level music set ------------------------------------------------------------
// Byte k - 1 at lvlmusicset is the music number of level music option k (1..16).
using MusicSet = std::array<uint8_t, rom::lvlmusicoptions>;

bool readmusicset(const Rom &rom, MusicSet &set);
bool writemusicset(Rom &rom, const MusicSet &set, QString *error = nullptr);

// "Option # 3": the number in sign-position form.
QString optionlabel(int option);

} // namespace quib

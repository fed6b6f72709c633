// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Numbers.h"

#include <QString>

#include <array>
#include <cstdint>

namespace platform {
struct Services;
}

class Windows;

// The game state every window shares, read and written directly by the windows, and the
// program's entry point. Whole numbers are 16-bit, as the game keeps them.
namespace Program {

constexpr int PlayerCount = 6;

// Rule values: set to their defaults once at start-up, changed only by the rules window.
constexpr std::int16_t DefaultTurnsAllowed = 3;
constexpr std::int16_t DefaultTurnSeconds = 90;
constexpr std::int16_t DefaultIdleSeconds = 20;
constexpr std::int16_t DefaultCancelsAllowed = 5;
constexpr std::int16_t DefaultStopsAllowed = 5;

inline std::int16_t TurnsAllowed = 0;    // answers a player may start in one round
inline std::int16_t TurnSeconds = 0;     // longest answer
inline std::int16_t IdleSeconds = 0;     // longest pause while answering
inline std::int16_t CancelsAllowed = 0;  // cancels that end a turn
inline std::int16_t StopsAllowed = 0;    // stops that disqualify a player

// Game settings, written when a game starts.
inline std::int16_t RoundCount = 0;
inline std::int16_t CurrentRound = 0;  // 1-based
inline std::int16_t Difficulty = 0;    // 0 Easy, 1 Normal, 2 Hard: the length of a round
inline bool PractiseMode = false;
inline bool MusicOn = false;
inline double TurnTime = 0;  // TurnSeconds in days
inline double IdleTime = 0;  // IdleSeconds in days

// One entry per player place, "Player 1" to "Player 6".
inline std::array<QString, PlayerCount> PlayerName;
inline std::array<bool, PlayerCount> PlayerActive{};
inline std::array<std::int16_t, PlayerCount> RoundScore{};
inline std::array<std::int16_t, PlayerCount> TotalScore{};
inline std::array<std::int16_t, PlayerCount> TimesStopped{};

// The clock hand: 240 steps to the play window's dial, counting down through a round; the
// title window's animation moves it too, whichever of them is active.
inline std::int16_t ClockPosition = 0;

// Puts every value back to what it is when the program starts: zero, false or empty.
void reset();

// Sets the rule defaults and opens the first window.
void Main(Windows& windows);

// Asks "Do you want to quit?"; Yes ends the program, No returns 1.
int ConfirmQuit(platform::Services& services);

// Opens the help file in the help viewer.
void ShowHelp(platform::Services& services);

}  // namespace Program

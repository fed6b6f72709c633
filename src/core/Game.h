// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game in progress, as every window sees it: the turn rules, the game's settings, the
// players and their scores, and the clock hand. The program creates one and hands it to the
// windows; nothing here is a widget. Whole numbers are 16-bit, as the game keeps them.

#include <QString>

#include <array>
#include <chrono>
#include <cstdint>

namespace core {

constexpr int PlayerCount = 6;

// The turn rules, at their defaults until the rules window changes them.
struct Rules {
    std::int16_t turnsAllowed = 3;    // answers a player may start in one round
    std::int16_t turnSeconds = 90;    // longest answer
    std::int16_t idleSeconds = 20;    // longest pause without choosing a number
    std::int16_t cancelsAllowed = 5;  // cancels in one turn; one more ends it
    std::int16_t stopsAllowed = 5;    // stops that disqualify a player

    bool operator==(const Rules&) const = default;
};

// The players' choices in the set-up and rules windows, remembered from one run to the next.
struct Choices {
    std::array<bool, PlayerCount> playing{true, true, false, false, false, false};
    std::array<QString, PlayerCount> names{QStringLiteral("Player 1"), QStringLiteral("Player 2"),
                                           QStringLiteral("Player 3"), QStringLiteral("Player 4"),
                                           QStringLiteral("Player 5"), QStringLiteral("Player 6")};
    int rounds = 3;
    int difficulty = 1;  // 0 Easy, 1 Normal, 2 Hard
    bool practice = false;
    bool musicOn = true;  // the players' own choice, even when a sound fault has turned the music off
    bool soundsOn = true;  // the buzz, win and other event sounds; as the music after a fault
    bool phonesOn = false;  // the room's phones may join as buzzers
    Rules rules;
    // Each place's controller button beside its key, as platform::ControllerButton's text;
    // empty for none.
    std::array<QString, PlayerCount> buttons;

    bool operator==(const Choices&) const = default;
};

struct Game {
    Rules rules;
    // What the set-up window shows when it opens, and the players chose last.
    Choices choices;

    // Written when a game starts.
    std::int16_t roundCount = 0;
    std::int16_t currentRound = 0;  // 1-based
    std::int16_t difficulty = 0;    // 0 Easy, 1 Normal, 2 Hard: the length of a round
    bool practice = false;
    bool musicOn = false;
    bool soundsOn = false;
    // The sound failed in this run: the music and the sounds stay off until the program ends.
    bool soundFailed = false;
    // The rules' times as the game started with them, compared in whole seconds.
    std::chrono::seconds answerTime{0};
    std::chrono::seconds idleTime{0};

    // One entry per player place, "Player 1" to "Player 6".
    std::array<QString, PlayerCount> playerNames;
    std::array<bool, PlayerCount> playing{};
    std::array<std::int16_t, PlayerCount> roundScores{};
    std::array<std::int16_t, PlayerCount> totalScores{};
    std::array<std::int16_t, PlayerCount> timesStopped{};

    // The clock hand: 240 steps to the play window's dial, counting down through a round; the
    // title window's animation moves it too, whichever of them is active.
    std::int16_t clockPosition = 0;

    // The player at `place` has made the target: 5 points while the round clock has not
    // moved, one less for each quarter of the round gone by, 3 less in practice, added to
    // the round's points.
    void scoreWin(int place);
    // A turn of the player at `place` ended by a limit counts as a stop. True when that stop
    // disqualifies the player, who then plays no more in this game.
    bool recordStop(int place);
    // The round's points join the totals, once: they are 0 afterwards.
    void foldRoundScores();
    // The place with the most points among those playing, or -1 when the game is a draw (two
    // or more places share the highest total).
    int winner() const;
};

}  // namespace core

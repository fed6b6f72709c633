// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Game.h"

#include <cmath>

namespace core {

namespace {

constexpr int stepsPerQuarter = 60;
// In practice a success is worth 3 points less.
constexpr int practicePenalty = 3;

}  // namespace

void Game::scoreWin(int place)
{
    auto& score = roundScores[place];
    score = std::int16_t(std::floor(clockPosition / double(stepsPerQuarter)) + score + 1);
    if (practice)
        score = std::int16_t(score - practicePenalty);
}

bool Game::recordStop(int place)
{
    auto& stops = timesStopped[place];
    ++stops;
    if (stops < rules.stopsAllowed)
        return false;
    playing[place] = false;
    return true;
}

void Game::foldRoundScores()
{
    for (int i = 0; i < PlayerCount; ++i) {
        totalScores[i] = std::int16_t(totalScores[i] + roundScores[i]);
        roundScores[i] = 0;
    }
}

int Game::winner() const
{
    // A place out of the game counts as a total of 0, so a disqualified player's points cannot win.
    int best = -1;
    int leader = -1;
    for (int i = 0; i < PlayerCount; ++i) {
        const int total = playing[i] ? totalScores[i] : 0;
        if (total == best)
            leader = -1;
        if (total > best) {
            best = total;
            leader = i;
        }
    }
    return leader;
}

}  // namespace core

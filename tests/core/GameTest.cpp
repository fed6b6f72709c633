// SPDX-License-Identifier: GPL-3.0-or-later
// The game model on its own: no windows, no QApplication.
#include "core/Game.h"

#include <gtest/gtest.h>

using core::Game;

TEST(Game, AWinScoresByTheQuartersOfTheRoundGoneByAndThreeLessInPractice)
{
    const struct {
        int clockPosition;
        bool practice;
        int points;
    } wins[] = {
        {240, false, 5}, {239, false, 4}, {180, false, 4}, {179, false, 3}, {120, false, 3},
        {60, false, 2},  {59, false, 1},  {0, false, 1},   {240, true, 2},  {10, true, -2},
    };
    for (const auto& win : wins) {
        Game game;
        game.clockPosition = std::int16_t(win.clockPosition);
        game.practice = win.practice;
        game.scoreWin(2);
        EXPECT_EQ(game.roundScores[2], win.points) << win.clockPosition << (win.practice ? " in practice" : "");
        EXPECT_EQ(game.roundScores[0], 0);
    }
}

TEST(Game, TheRoundsPointsJoinTheTotalsOnceAndTheMostPointsOfThosePlayingWin)
{
    Game game;
    game.totalScores = {4, 6, 0, 9, 0, 0};
    game.roundScores = {3, 0, 2, 0, 0, 0};
    game.foldRoundScores();
    game.foldRoundScores();
    EXPECT_EQ(game.totalScores, (std::array<std::int16_t, 6>{7, 6, 2, 9, 0, 0}));
    EXPECT_EQ(game.roundScores, (std::array<std::int16_t, 6>{}));
    const std::array<bool, 6> one{true}, two{true, true}, three{true, true, true};
    const struct {
        std::array<std::int16_t, 6> totals;
        std::array<bool, 6> playing;
        int winner;  // -1: a draw
    } games[] = {
        {{12, 7}, two, 0}, {{7, 12, 12}, three, -1}, {{12, 12, 15}, three, 2}, {{0, 0}, one, -1},
        // A disqualified player keeps their points, but they cannot win with them.
        {{4, 9}, one, 0},  {{0, 9}, one, -1},        {{7, 6, 2, 9}, three, 0},
    };
    for (const auto& g : games) {
        game.totalScores = g.totals;
        game.playing = g.playing;
        EXPECT_EQ(game.winner(), g.winner) << g.totals[0] << " " << g.totals[1] << " " << g.totals[2];
    }
}

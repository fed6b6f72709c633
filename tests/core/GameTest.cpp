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

TEST(Game, TheRoundsPointsJoinTheTotalsOnceAndTheMostPointsWin)
{
    Game game;
    game.playing = {true, true, true, false, false, false};
    game.totalScores = {4, 6, 0, 9, 0, 0};
    game.roundScores = {3, 0, 2, 0, 0, 0};
    game.foldRoundScores();
    game.foldRoundScores();
    EXPECT_EQ(game.totalScores, (std::array<std::int16_t, 6>{7, 6, 2, 9, 0, 0}));
    EXPECT_EQ(game.roundScores, (std::array<std::int16_t, 6>{}));
    EXPECT_EQ(game.winner(), 0) << "place 4 has more, but is not playing";
    game.totalScores[1] = 7;
    EXPECT_EQ(game.winner(), -1) << "a tie at the top is a draw";
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "windows/scores/FinalTable.h"
#include "windows/scores/RoundTable.h"

#include <QLabel>

#include <gtest/gtest.h>

using ScoresTest = doubles::GameTest;

TEST_F(ScoresTest, TheFinalTableNamesTheWinnerOrADraw)
{
    game.playerNames = {"Ann", "Bob", "Cy", "Dee", "Eve", "Flo"};
    const std::array<bool, 6> one{true}, two{true, true}, three{true, true, true};
    const struct {
        std::array<std::int16_t, 6> totals;
        std::array<bool, 6> playing;
        const char* result;
    } cases[] = {
        {{12, 7}, two, "Ann is the winner!"},       {{7, 12, 12}, three, "The game is a draw!"},
        {{12, 12, 15}, three, "Cy is the winner!"}, {{0, 0}, one, "The game is a draw!"},
        // A disqualified player keeps their points, but they cannot win with them.
        {{4, 9}, one, "Ann is the winner!"},        {{0, 9}, one, "The game is a draw!"},
    };
    FinalTable& table = program.finalTable();
    for (const auto& c : cases) {
        game.totalScores = c.totals;
        game.playing = c.playing;
        table.hide();
        table.show();
        settle();
        EXPECT_EQ(control<QLabel>(table, "winner")->text(), c.result);
    }
}

// Rows for the places that play, packed from the top; the winners' rows in gold: the round's
// winner in the round table, the game's in the final table, and in a draw all who lead.
TEST_F(ScoresTest, TheTablesHaveARowForEachPlayerAndMarkTheWinners)
{
    game.playerNames = {"Ann", "Bob", "Cy", "Dee", "Eve", "Flo"};
    game.playing = {false, true, false, true, true, false};
    game.totalScores = {0, 5, 0, 7, 7};
    game.roundScores = {0, 0, 0, 0, 3};
    const auto rows = [](const QWidget& table, const char* column) {
        QStringList shown;
        for (int row = 0; row < 6 && !control(table, column, row)->isHidden(); ++row) {
            const auto* cell = control<QLabel>(table, column, row);
            shown << cell->text() + (cell->autoFillBackground() ? "*" : "");
        }
        return shown;
    };
    RoundTable& round = program.roundTable();
    round.show();
    settle();
    EXPECT_EQ(rows(round, "name"), (QStringList{"Bob", "Dee", "Eve*"}));
    EXPECT_EQ(control<QLabel>(round, "roundResult")->text(), "Eve won the round!");
    round.hide();
    round.show();
    settle();
    EXPECT_EQ(control<QLabel>(round, "roundResult")->text(), "Nobody made the target this round.");
    game.totalScores[3] = 10;
    FinalTable& final = program.finalTable();
    final.show();
    settle();
    EXPECT_EQ(rows(final, "name"), (QStringList{"Bob", "Dee*", "Eve*"})) << "a draw";
}

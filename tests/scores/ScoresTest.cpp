// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "scores/FinalTable.h"
#include "core/Result.h"
#include "scores/RoundTable.h"

#include <QLabel>

#include <gtest/gtest.h>


namespace {

class ScoresTest : public doubles::GameTest {
protected:
    ScoresTest()
    {
        game.playerNames = {"Ann", "Bob", "Cy", "Dee", "Eve", "Flo"};
        game.playing = {true, true, false, false, false, false};
        game.roundCount = 3;
        game.currentRound = 1;
    }

    static QStringList texts(const scores::ColumnLabels& column)
    {
        QStringList shown;
        for (const QLabel* label : column)
            shown << label->text();
        return shown;
    }

    void showTable(platform::Form& table)
    {
        table.show();
        settle();
    }

    RoundTable& roundTable = windows.roundTable();
    FinalTable& finalTable = windows.finalTable();
};

}  // namespace

TEST_F(ScoresTest, TheRoundTableFoldsTheRoundsPointsIntoTheTotalsOnce)
{
    game.totalScores = {5, 3, 0, 0, 0, 0};
    game.roundScores = {2, 0, 0, 0, 0, 0};
    showTable(roundTable);
    EXPECT_EQ(roundTable.windowTitle(), "Current Scores");
    EXPECT_EQ(texts(roundTable.nameCells), (QStringList{"Ann", "Bob", "", "", "", ""}));
    EXPECT_EQ(texts(roundTable.roundCells), (QStringList{"2", "0", "", "", "", ""}));
    EXPECT_EQ(texts(roundTable.totalCells), (QStringList{"7", "3", "", "", "", ""}));
    EXPECT_EQ(game.roundScores, (std::array<std::int16_t, 6>{}));

    // Activated again (say, after a message): nothing more is added.
    roundTable.hide();
    showTable(roundTable);
    EXPECT_EQ(texts(roundTable.roundCells), (QStringList{"0", "0", "", "", "", ""}));
    EXPECT_EQ(game.totalScores[0], 7);
}

TEST_F(ScoresTest, TheFinalTableNamesTheWinnerOrADraw)
{
    using Totals = std::array<std::int16_t, 6>;
    using Active = std::array<bool, 6>;
    const Active two{true, true, false, false, false, false};
    const Active three{true, true, true, false, false, false};
    const Active one{true, false, false, false, false, false};
    const struct {
        Totals totals;
        Active active;
        const char* result;
    } cases[] = {
        {{12, 7, 0, 0, 0, 0}, two, "Ann is the winner!"},
        {{7, 12, 12, 0, 0, 0}, three, "The game is a draw!"},
        {{12, 12, 15, 0, 0, 0}, three, "Cy is the winner!"},
        {{0, 0, 0, 0, 0, 0}, one, "The game is a draw!"},
        // A disqualified player keeps their points, but they cannot win with them.
        {{4, 9, 0, 0, 0, 0}, one, "Ann is the winner!"},
        {{0, 9, 0, 0, 0, 0}, one, "The game is a draw!"},
    };
    for (const auto& c : cases) {
        game.totalScores = c.totals;
        game.playing = c.active;
        showTable(finalTable);
        EXPECT_EQ(finalTable.winnerLabel->text(), c.result);
        finalTable.hide();
    }
    EXPECT_EQ(finalTable.windowTitle(), "Game Over");
    EXPECT_EQ(texts(finalTable.nameCells), (QStringList{"Ann", "", "", "", "", ""}));
    EXPECT_EQ(texts(finalTable.totalCells), (QStringList{"0", "", "", "", "", ""}));
}

TEST_F(ScoresTest, ALongNameShowsItsBeginningCutWithAnEllipsisInBothTablesAndTheWinnersSentence)
{
    const QString name = QString::fromUtf8("Zoë the Magnificent, Queen of Numbers and Keeper of the Buzzer");
    game.playerNames[1] = name;
    game.totalScores = {2, 9, 0, 0, 0, 0};
    const auto cutWithAnEllipsis = [](const QString& shown) {
        return shown.startsWith(QString::fromUtf8("Zoë the")) && shown.endsWith(QChar(0x2026));
    };
    showTable(roundTable);
    const QString shown = roundTable.nameCells[1]->text();
    EXPECT_TRUE(cutWithAnEllipsis(shown)) << shown.toStdString();
    EXPECT_EQ(roundTable.nameCells[1]->toolTip(), name);
    EXPECT_EQ(roundTable.nameCells[0]->text(), "Ann");
    showTable(finalTable);
    EXPECT_TRUE(cutWithAnEllipsis(finalTable.nameCells[1]->text()));
    const QString winner = finalTable.winnerLabel->text();
    EXPECT_TRUE(winner.endsWith(QString::fromUtf8("\u2026 is the winner!"))) << winner.toStdString();
    EXPECT_TRUE(winner.startsWith(QString::fromUtf8("Zoë"))) << winner.toStdString();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "scores/FinalTable.h"
#include "scores/RoundTable.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

class ScoresTest : public doubles::GameTest {
protected:
    ScoresTest()
    {
        game.playerNames = {"Ann", "Bob", "Cy", "Dee", "Eve", "Flo"};
        game.playing = {true, true};
    }

    static QStringList texts(const scores::ColumnLabels& column)
    {
        QStringList shown;
        for (const QLabel* label : column)
            shown << label->text();
        return shown;
    }

    void show(platform::Form& table)
    {
        table.hide();
        table.show();
        settle();
    }

    RoundTable& roundTable = windows.roundTable();
    FinalTable& finalTable = windows.finalTable();
};

}  // namespace

TEST_F(ScoresTest, TheFinalTableNamesTheWinnerOrADraw)
{
    using Totals = std::array<std::int16_t, 6>;
    const std::array<bool, 6> one{true}, two{true, true}, three{true, true, true};
    const struct {
        Totals totals;
        std::array<bool, 6> playing;
        const char* result;
    } cases[] = {
        {{12, 7}, two, "Ann is the winner!"},   {{7, 12, 12}, three, "The game is a draw!"},
        {{12, 12, 15}, three, "Cy is the winner!"}, {{0, 0}, one, "The game is a draw!"},
        // A disqualified player keeps their points, but they cannot win with them.
        {{4, 9}, one, "Ann is the winner!"},    {{0, 9}, one, "The game is a draw!"},
    };
    for (const auto& c : cases) {
        game.totalScores = c.totals;
        game.playing = c.playing;
        show(finalTable);
        EXPECT_EQ(finalTable.winnerLabel->text(), c.result);
    }
    EXPECT_EQ(finalTable.windowTitle(), "Game Over");
    EXPECT_EQ(texts(finalTable.totalCells), (QStringList{"0", "", "", "", "", ""}));
}

TEST_F(ScoresTest, ALongNameShowsItsBeginningCutWithAnEllipsisInBothTablesAndTheWinnersSentence)
{
    const QString name = QString::fromUtf8("Zoë the Magnificent, Queen of Numbers and Keeper of the Buzzer");
    game.playerNames[1] = name;
    game.totalScores = {2, 9};
    const auto cutWithAnEllipsis = [](const QString& shown) {
        return shown.startsWith(QString::fromUtf8("Zoë the")) && shown.endsWith(QChar(0x2026));
    };
    show(roundTable);
    EXPECT_TRUE(cutWithAnEllipsis(roundTable.nameCells[1]->text())) << roundTable.nameCells[1]->text().toStdString();
    EXPECT_EQ(roundTable.nameCells[1]->toolTip(), name);
    show(finalTable);
    EXPECT_TRUE(cutWithAnEllipsis(finalTable.nameCells[1]->text()));
    const QString winner = finalTable.winnerLabel->text();
    EXPECT_TRUE(winner.startsWith(QString::fromUtf8("Zoë")) && winner.endsWith(QString::fromUtf8("\u2026 is the winner!")))
        << winner.toStdString();
}

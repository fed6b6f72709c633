// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/PhoneClient.h"
#include "doubles/TestGame.h"
#include "platform/network/Phones.h"
#include "windows/scores/FinalTable.h"
#include "windows/scores/RoundTable.h"

#include <QJsonArray>
#include <QLabel>

#include <gtest/gtest.h>

using ScoresTest = doubles::GameTest;

// Rows for the places that play, packed from the top; the winners' rows in gold: the round's
// winner in the round table, the game's in the final table, and in a draw all who lead, with
// the winner's sentence or the draw's beside them.
TEST_F(ScoresTest, TheTablesHaveARowForEachPlayerAndMarkTheWinners)
{
    game.playerNames = {"Ann", "Bob", "Cy", "Dee", "Eve", "Flo"};
    game.playing = {false, true, false, true, true, false};
    game.totalScores = {0, 5, 0, 7, 7};
    game.roundScores = {0, 0, 0, 0, 3};
    // A phone in the room sees each table's sentence and the players' points.
    doubles.phones.setPlaying(game.playing);
    ASSERT_TRUE(doubles.phones.turnOn(QHostAddress::LocalHost));
    doubles::Phone phone(QUrl(doubles.phones.joinAddress()).port());
    phone.join(doubles.phones.roomCode(), 2);
    const auto phoneSees = [&](const char* heading) {
        const bool shown = QTest::qWaitFor([&] { return phone.last("view", 0).value("heading") == heading; }, 1000);
        const QJsonArray lines = phone.last("view").value("scores").toArray();
        return (shown ? QStringList{} : QStringList{"not", heading}) << lines.at(4).toObject().value("text").toString()
                                                                     << lines.at(5).toObject().value("text").toString();
    };
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
    EXPECT_EQ(phoneSees("Eve won the round!"), (QStringList{"Eve", "3 points this round, 10 in all"}));
    round.hide();
    round.show();
    settle();
    EXPECT_EQ(control<QLabel>(round, "roundResult")->text(), "Nobody made the target this round.");
    game.totalScores[3] = 10;
    FinalTable& final = program.finalTable();
    final.show();
    settle();
    EXPECT_EQ(rows(final, "name"), (QStringList{"Bob", "Dee*", "Eve*"})) << "a draw";
    EXPECT_EQ(control<QLabel>(final, "winner")->text(), "The game is a draw!");
    game.totalScores[4] = 11;
    final.hide();
    final.show();
    settle();
    EXPECT_EQ(control<QLabel>(final, "winner")->text(), "Eve is the winner!");
    EXPECT_EQ(phoneSees("Eve is the winner!"), (QStringList{"Eve", "11 points"}));
}

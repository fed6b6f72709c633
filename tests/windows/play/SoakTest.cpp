// SPDX-License-Identifier: GPL-3.0-or-later
// Long games played by a seeded random player through the doubles: buzzes, clicks on every
// control, cancels, give-ups, answers that win (the target 306 made on a fresh board),
// rounds that run out, the finder and the tables. Time passes at random, also
// while a flash runs and while a message box is open, so limits run out anywhere in a turn.
// After every event the round must be sound, the board must hold as many numbers as the
// turn's steps leave, and the scores may only grow; the final table must agree with the
// round tables.
#include "doubles/Draws.h"
#include "PlayTest.h"
#include "windows/scores/FinalTable.h"
#include "windows/scores/RoundTable.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

const char* const operators[] = {"add", "subtract", "multiply", "divide"};

class SoakTest : public PlayTest, public ::testing::WithParamInterface<bool> {
protected:
    void startGame(const char* rounds, bool practice)
    {
        PlayTest::startGame(rounds, practice, {}, {"Ann", "Bob", "Cy", "Dee", "Eve", "Flo"});
        // Some messages are read at once, some are left open for up to a minute.
        doubles.messages.whileOpen = [this] {
            if (pick(0, 2) == 0)
                doubles.clock.advanceSeconds(pick(1, 60));
        };
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(player); }

    // Plays `steps` and checks the round, the board (as many numbers as the turn's steps
    // leave) and the scores (they only grow).
    void playChecked(const QString& steps)
    {
        const int before = numbersOnBoard();
        act(steps);
        if (steps == QStringLiteral("equals") && numbersOnBoard() == before - 1)
            ++madeSteps;  // a made number took the place of two
        if (!play.round().isAnswering() && play.round().winningSlot() == -1)
            madeSteps = 0;  // no turn, or the turn is over and the board restored
        expectSoundRound();
        const int dealt = play.round().dealtCount();
        ASSERT_EQ(numbersOnBoard(), dealt == 7 ? 7 - madeSteps : dealt) << "round " << round;
        for (int i = 0; i < 6; ++i)
            ASSERT_GE(game.totalScores[i], lastTotals[i]);
        lastTotals = game.totalScores;
    }

    // One random thing a player or the clock does.
    void randomEvent()
    {
        const int roll = pick(0, 99);
        if (play.round().isAnswering() && roll < 10 && numbersOnBoard() == 7 && play.round().first() == 0) {
            for (const QString& step : QStringLiteral("dealtNumber1 multiply dealtNumber5 equals dealtNumber0 add "
                                                      "dealtNumber2 equals madeNumber0 add madeNumber1 equals")
                                           .split(u' '))
                playChecked(step);
        } else {
            playChecked(roll < 50   ? QStringLiteral("clock")
                        : roll < 55 ? QStringLiteral("flash*%1").arg(pick(1, 8))
                        // A buzz, and some of its flash: the rest may come after other events.
                        : roll < 62 ? QStringLiteral("buzz:%1 flash*%2").arg(pick(0, 5)).arg(pick(0, 16))
                        : roll < 80 ? QStringLiteral("dealtNumber%1").arg(pick(0, 6))
                        : roll < 84 ? QStringLiteral("madeNumber%1").arg(pick(0, 2))
                        : roll < 90 ? QString::fromLatin1(operators[pick(0, 3)])
                        : roll < 95 ? QStringLiteral("equals")
                        : roll < 97 ? QStringLiteral("cancel")
                        : roll < 98 ? QStringLiteral("giveUp")
                                    : QStringLiteral("+%1s").arg(pick(1, 40)));
        }
    }

    // Plays the round on the play window until it has ended and the round table is up.
    void playRound(bool practice)
    {
        doubles.random.script(draws::deal(exampleDeal));
        playChecked("clock*7 spin*30 target:306");
        exitFinderOnceSolved();
        for (int event = 0; play.isVisible(); ++event) {
            if (HasFatalFailure())
                return;
            if (event > 20000)
                FAIL() << "round " << round << " does not end";
            if (play.round().winningSlot() != -1 && pick(0, 1) == 0)
                act(QStringLiteral("flash*%1").arg(pick(1, 10)));  // on to the round's end
            else if (practice && event > 60 && !play.round().isAnswering())
                act("endRound");
            else
                randomEvent();
        }
        settle();
    }

    std::mt19937 player{2026};
    int round = 0;
    int madeSteps = 0;  // successful "=" of the current turn
    std::array<std::int16_t, 6> lastTotals{};
};

}  // namespace

// A 999-round game, and a 200-round practice game (its rounds ended with End Round).
TEST_P(SoakTest, AGameForSixPlayersKeepsTheBoardAndTheScoresSound)
{
    const bool practice = GetParam();
    const int rounds = practice ? 200 : 999;
    startGame(QByteArray::number(rounds).constData(), practice);
    std::array<long, 6> sumOfRounds{};
    for (round = 1; round <= rounds; ++round) {
        ASSERT_TRUE(play.isActive()) << "round " << round;
        playRound(practice);
        RoundTable& table = program.roundTable();
        ASSERT_TRUE(table.isActive()) << "round " << round;
        // A row for each place still playing, in place order; a disqualified player has none.
        for (int i = 0, row = 0; i < 6; ++i) {
            if (game.playing[i])
                sumOfRounds[i] += control<QLabel>(table, "round", row++)->text().toLong();
        }
        // The doubles' records of every box and music command would grow with the game.
        doubles.messages.shown.clear();
        doubles.music.commands.clear();
        QTest::mouseClick(control<QPushButton>(table, "nextRound"), Qt::LeftButton);
        settle();
    }
    FinalTable& final = program.finalTable();
    ASSERT_TRUE(final.isActive());
    // A disqualified player keeps their points, though they have no row.
    for (int i = 0, row = 0; i < 6; ++i) {
        EXPECT_EQ(game.totalScores[i], sumOfRounds[i]) << "place " << i;
        if (game.playing[i])
            EXPECT_EQ(control<QLabel>(final, "total", row++)->text(), QString::number(sumOfRounds[i]));
    }
    EXPECT_GT(std::accumulate(sumOfRounds.begin(), sumOfRounds.end(), 0L), 50) << "rounds were won";
}

INSTANTIATE_TEST_SUITE_P(Games, SoakTest, ::testing::Bool());

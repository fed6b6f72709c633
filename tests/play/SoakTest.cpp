// SPDX-License-Identifier: GPL-3.0-or-later
// Long games played by a seeded random player through the doubles: buzzes, clicks on every
// control, cancels, give-ups, answers that win (worked out with the solution search and
// clicked in), rounds that run out, the finder and the tables. Time passes at random, also
// while a flash runs and while a message box is open, so limits run out anywhere in a turn.
// After every event the round must be sound, the board must hold as many numbers as the
// turn's steps leave, and the scores may only grow; the final table must agree with the
// round tables.
#include "WholeGame.h"
#include "core/Search.h"
#include "scores/FinalTable.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>
#include <random>

namespace {

const char* const operators[] = {"add", "subtract", "multiply", "divide"};

// The peak resident memory of this process so far, in kB.
long peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const auto match = QRegularExpression(QStringLiteral("VmHWM:\\s+(\\d+)")).match(QString::fromLatin1(status.readAll()));
    return match.captured(1).toLong();
}

class SoakTest : public WholeGameTest {
protected:
    void startGame(const char* rounds, bool practice)
    {
        WholeGameTest::startGame(rounds, practice, {}, {"Ann", "Bob", "Cy", "Dee", "Eve", "Flo"});
        // Some messages are read at once, some are left open for up to a minute.
        doubles.messages.whileOpen = [this] {
            if (std::uniform_int_distribution<int>(0, 2)(player) == 0)
                doubles.clock.advanceSeconds(std::uniform_int_distribution<int>(1, 60)(player));
        };
    }

    void checkBoard()
    {
        expectSoundRound();
        const int dealt = play.round().dealtCount;
        ASSERT_EQ(numbersOnBoard(), dealt == 7 ? 7 - steps : dealt) << "round " << round;
        for (int i = 0; i < 6; ++i)
            ASSERT_GE(game.totalScores[i], lastTotals[i]);
        lastTotals = game.totalScores;
    }

    void clickChecked(const QString& control)
    {
        const int before = numbersOnBoard();
        click(control);
        if (control == QStringLiteral("equals") && numbersOnBoard() == before - 1)
            ++steps;  // a made number took the place of two
        if (!play.round().answering && play.round().winningSlot == -1)
            steps = 0;  // the turn is over and the board restored
        checkBoard();
    }

    // Clicks a tile showing `number`, dealt or made.
    bool clickNumber(int number)
    {
        const QString text = QString::number(number);
        for (int i = 0; i < 3; ++i)
            if (play.board().madeNumbers[i].caption == text) {
                clickChecked(QStringLiteral("madeNumber%1").arg(i));
                return true;
            }
        for (int i = 0; i < 7; ++i)
            if (play.board().dealtNumbers[i].caption == text) {
                clickChecked(QStringLiteral("dealtNumber%1").arg(i));
                return true;
            }
        return false;
    }

    // Works the target out with the solution search and clicks the steps in.
    void answerToWin()
    {
        core::Numbers numbers{};
        for (int i = 0; i < 7; ++i)
            numbers[i] = play.round().dealtTexts[i].toInt();
        const int target = this->target();
        std::optional<QString> solution;
        while (!(solution = core::attempt(numbers, target, doubles.random))) {
        }
        static const QRegularExpression step(QStringLiteral("(\\d+)([-+×÷])(\\d+)=(\\d+)"));
        for (auto it = step.globalMatch(*solution); it.hasNext() && play.round().answering;) {
            const auto match = it.next();
            const QString op = match.captured(2);
            clickNumber(match.captured(1).toInt());
            clickChecked(QLatin1String(op == "+" ? "add" : op == "-" ? "subtract" : op == "×" ? "multiply" : "divide"));
            clickNumber(match.captured(3).toInt());
            clickChecked(QStringLiteral("equals"));
        }
    }

    // One random thing a player or the clock does.
    void randomEvent()
    {
        const int roll = std::uniform_int_distribution<int>(0, 99)(player);
        if (play.round().answering && roll < 10) {
            answerToWin();
        } else if (roll < 50) {
            timer("roundClock").fire();
            if (!play.round().answering && play.round().winningSlot == -1)
                steps = 0;
            checkBoard();
        } else if (roll < 55) {
            timer("flash").fire(std::uniform_int_distribution<int>(1, 8)(player));
            checkBoard();
        } else if (roll < 62) {
            // A buzz, and some of its flash: the rest may come after other events.
            buzz(std::uniform_int_distribution<int>(0, 5)(player));
            timer("flash").fire(std::uniform_int_distribution<int>(0, 16)(player));
            checkBoard();
        } else if (roll < 80) {
            clickChecked(QStringLiteral("dealtNumber%1").arg(std::uniform_int_distribution<int>(0, 6)(player)));
        } else if (roll < 84) {
            clickChecked(QStringLiteral("madeNumber%1").arg(std::uniform_int_distribution<int>(0, 2)(player)));
        } else if (roll < 90) {
            clickChecked(QString::fromLatin1(operators[std::uniform_int_distribution<int>(0, 3)(player)]));
        } else if (roll < 95) {
            clickChecked(QStringLiteral("equals"));
        } else if (roll < 97) {
            clickChecked(QStringLiteral("cancel"));
        } else if (roll < 98) {
            clickChecked(QStringLiteral("giveUp"));
        } else {
            doubles.clock.advanceSeconds(std::uniform_int_distribution<int>(1, 40)(player));
        }
    }

    // Plays the round on the play window until it has ended and the round table is up.
    void playRound(bool practice)
    {
        doubles.random.script(draws::deal(exampleDeal));
        dealAndSpin();
        steps = 0;
        checkBoard();
        exitFinderOnceSolved();
        for (int event = 0; play.isVisible(); ++event) {
            if (HasFatalFailure())
                return;
            if (event > 20000)
                FAIL() << "round " << round << " does not end";
            if (play.round().winningSlot != -1 && std::uniform_int_distribution<int>(0, 1)(player) == 0)
                timer("flash").fire(std::uniform_int_distribution<int>(1, 10)(player));  // on to the round's end
            else if (practice && event > 60 && !play.round().answering)
                click("endRound");
            else
                randomEvent();
        }
        settle();
    }

    std::mt19937 player{2026};
    int round = 0;
    int steps = 0;  // successful "=" of the current turn
    std::array<std::int16_t, 6> lastTotals{};
};

}  // namespace

TEST_F(SoakTest, A999RoundGameForSixPlayersKeepsTheBoardAndTheScoresSound)
{
    startGame("999", false);
    std::array<long, 6> sumOfRounds{};
    [[maybe_unused]] long memoryAtRound10 = 0;
    for (round = 1; round <= 999; ++round) {
        ASSERT_TRUE(play.isActive()) << "round " << round;
        playRound(false);
        RoundTable& table = windows.roundTable();
        ASSERT_TRUE(table.isActive()) << "round " << round;
        for (int i = 0; i < 6; ++i)
            sumOfRounds[i] += table.roundCells[i]->text().toLong();
        if (round == 10)
            memoryAtRound10 = peakMemory();
        // The doubles' records of every box and music command would grow with the game.
        doubles.messages.shown.clear();
        doubles.music.commands.clear();
        QTest::mouseClick(table.nextRoundButton, Qt::LeftButton);
        settle();
    }
    FinalTable& final = windows.finalTable();
    ASSERT_TRUE(final.isActive());
    // A disqualified player keeps their points, though their row is left blank.
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(game.totalScores[i], sumOfRounds[i]) << "place " << i;
        EXPECT_EQ(final.totalCells[i]->text(), game.playing[i] ? QString::number(sumOfRounds[i]) : QString());
    }
    EXPECT_GT(std::accumulate(sumOfRounds.begin(), sumOfRounds.end(), 0L), 50) << "rounds were won";
#if !defined(__SANITIZE_ADDRESS__)
    const long memoryAtTheEnd = peakMemory();
    std::printf("peak memory: %ld kB at round 10, %ld kB at round 999\n", memoryAtRound10, memoryAtTheEnd);
    EXPECT_LT(memoryAtTheEnd - memoryAtRound10, 2048) << "kB more at the end than at round 10";
#endif
}

TEST_F(SoakTest, A200RoundPracticeGameEndsEveryRoundWithoutATrace)
{
    startGame("200", true);
    for (round = 1; round <= 200; ++round) {
        ASSERT_TRUE(play.isActive()) << "round " << round;
        playRound(true);
        ASSERT_TRUE(windows.roundTable().isActive()) << "round " << round;
        QTest::mouseClick(windows.roundTable().nextRoundButton, Qt::LeftButton);
        settle();
    }
    EXPECT_TRUE(windows.finalTable().isActive());
}

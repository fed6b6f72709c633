// SPDX-License-Identifier: GPL-3.0-or-later
// A round's rules on their own, driven as any device would drive them.
#include "core/Game.h"
#include "core/Round.h"
#include "doubles/CoreDoubles.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>

#include <gtest/gtest.h>

using core::Round;

namespace {

const core::Deal example{2, 3, 4, 10, 20, 100, 150};
using enum core::Operation;
constexpr core::Operation operations[] = {Add, Subtract, Multiply, Divide, SubtractReversed};  // + - x / r

class RoundTest : public ::testing::Test {
protected:
    RoundTest()
    {
        game.playing = {true, true, false, false, false, false};
        game.answerTime = std::chrono::seconds(game.rules.turnSeconds);
        game.idleTime = std::chrono::seconds(game.rules.idleSeconds);
    }

    // A new round dealt from `deal`, settled on the target 160, the buzzers open.
    void open(const core::Deal& deal = example)
    {
        round.start();
        for (const int number : deal)
            round.deal(number);
        play("S O");
    }

    // Plays `steps`, separated by spaces, and says what each step did that a player would be
    // told of, separated by spaces:
    //   d0..d6, m0..m2   the number on that dealt or made tile is chosen ("-" when none moves)
    //   + - x / r        an operation, r "b - a" ("-" when refused)
    //   =                the number is made: "made160@2", "won160@2", or its refusal
    //   b0..b5           that place buzzes: "accepted", "last", "allUsed" or "closed"
    //   f                the buzz flash is over
    //   c, g, t          cancel, give up ("-" when refused), the limits looked at
    //   e                "early" when the round may be ended early, else "-"
    //   ?                "answering" while a player answers, else "open"
    //   +21s             the time moves on
    //   D, S, O, E       the example dealt, the target 160 settled, the buzzers opened, the end
    // A stop is told as its limit, with "out" when it disqualifies.
    QString play(const QString& steps)
    {
        QStringList told;
        const auto stop = [&told](Round::Stop s) {
            static const char* limits[] = {"", "answerTime", "idleTime", "cancels"};
            if (s)
                told << QString::fromLatin1(limits[int(s.limit)]) + (s.disqualified ? " out" : "");
        };
        for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
            const QChar kind = step[0];
            const int n = step.mid(1).toInt();
            if (kind == u'd' || kind == u'm') {
                if (!round.select({kind == u'd' ? Round::Row::Dealt : Round::Row::Made, n}, now))
                    told << "-";
            } else if (QStringLiteral("+-x/r").contains(kind) && step.size() == 1) {
                if (!round.chooseOperation(operations[QStringLiteral("+-x/r").indexOf(kind)]))
                    told << "-";
            } else if (kind == u'+') {
                clock = clock.addSecs(step.mid(1).chopped(1).toInt());
                now = platform::momentOf(clock);
            } else if (kind == u'=') {
                static const char* outcomes[] = {"", "made", "won", "notWhole", "tooLarge", "zero", "notPositive"};
                const Round::MadeNumber made = round.makeNumber();
                const int number = round.numberOn({Round::Row::Made, made.slot});
                told << outcomes[int(made.outcome)] + (number ? QStringLiteral("%1@%2").arg(number).arg(made.slot) : "");
            } else if (kind == u'b') {
                static const char* buzzes[] = {"closed", "accepted", "last", "allUsed"};
                told << buzzes[int(round.buzz(n, now))];
            } else if (kind == u'f') {
                round.flashDone();
            } else if (kind == u'c') {
                stop(round.cancel());
            } else if (kind == u'g') {
                if (!round.giveUp())
                    told << "-";
            } else if (kind == u't') {
                stop(round.checkLimits(now));
            } else if (kind == u'?') {
                told << (round.isAnswering() ? "answering" : "open");
            } else if (kind == u'e') {
                told << (round.canEndEarly() ? "early" : "-");
            } else if (kind == u'D') {
                for (const int number : example)
                    round.deal(number);
            } else {
                kind == u'S' ? round.settleTarget(160) : kind == u'O' ? round.openBuzzers() : round.end();
            }
        }
        told.removeAll(QString());
        return told.join(u' ');
    }

    // The numbers on the board's tiles, dealt then made, "." for an empty tile.
    QString tiles() const
    {
        QStringList numbers;
        for (int i = 0; i < core::DealSize + Round::MadeSlots; ++i) {
            const int n = round.numberOn({i < core::DealSize ? Round::Row::Dealt : Round::Row::Made, i % core::DealSize});
            numbers << (n ? QString::number(n) : QStringLiteral("."));
        }
        return numbers.join(u' ');
    }

    core::Game game;
    Round round{game};
    // The answer time runs across midnight, read as the clock reads it.
    QDateTime clock{QDate(2026, 12, 6), QTime(23, 59, 30)};
    platform::Moment now = platform::momentOf(clock);
};

}  // namespace

TEST_F(RoundTest, TheWorkingOutKeepsWholeNumbersFrom1To999AndWinsWithTheTargetInAnyMadeSlot)
{
    const core::Deal fives{5, 5, 3, 10, 15, 100, 150};
    const struct {
        core::Deal deal;
        const char* steps;  // after Ann's buzz, the target 160
        const char* told;
        const char* tiles;
    } cases[] = {
        // The refused results are the play window's to tell (its turns' test).
        {fives, "d3 / d0 =", "made2@0", ". 5 3 . 15 100 150 2 . ."},
        // A reversed operation is the search's alone: refused, the row stays "+".
        {fives, "d2 r d0 =", "- made8@0", ". 5 . 10 15 100 150 8 . ."},
        {{9, 11, 4, 10, 20, 100, 150}, "d5 + d1 = m0 x d0 =", "made111@0 made999@0", ". . 4 10 20 . 150 999 . ."},
        // A result takes the lowest free slot; the operation is + again after each.
        {example, "d0 x d1 = d2 d3 = m0 d4 =", "made6@0 made14@1 made26@0", ". . . . . 100 150 26 14 ."},
        // A cancel sends a made number back to its slot; the turn's end puts the board back as dealt.
        {example, "d0 d1 = m0 d2 c", "made5@0", ". . 4 10 20 100 150 5 . ."},
        {example, "f d0 d1 = d2 c d2 +15s g", "made5@0", "2 3 4 10 20 100 150 . . ."},
        // = needs two numbers; with both places taken, a further choice moves nothing; an
        // empty tile gives nothing.
        {example, "d0 = d1 d2 d3 m0", "- - -", ". . 4 10 20 100 150 . . ."},
        // Made in any slot, the target wins, and the board takes nothing after.
        {example, "d0 d1 = d2 d4 = d6 d3 = d5 - m2 =", "made5@0 made24@1 won160@2 - - -",
         ". . . . . 100 . 5 24 160"},
    };
    for (const auto& c : cases) {
        open(c.deal);
        const QString told = play(QStringLiteral("b0 ") + c.steps);
        EXPECT_EQ(told, QStringLiteral("accepted ") + c.told) << c.steps;
        EXPECT_EQ(tiles(), c.tiles) << c.steps;
        EXPECT_EQ(game.timesStopped[0], 0) << "giving up and cancelling are no stops";
    }
    open();
    play("b1 d0 d1 = d2 d4 = d6 d3 = d5 - m2 =");
    EXPECT_EQ(std::tuple(round.winningSlot(), round.contender(), round.phase(), game.roundScores[1]),
              std::tuple(2, 1, Round::Phase::WinningFlash, 1)) << "scored with the clock at 0";
}

TEST_F(RoundTest, EachPhaseTakesOnlyWhatItAllowsAndATurnEndsAtEachOfItsLimits)
{
    const struct {
        const char* steps;  // from the round's start
        const char* told;
        int idleSeconds = 20;
        std::int16_t turnsAllowed = 3;
    } turns[] = {
        // Buzz, choose a number, give up and end early in each phase, in its order.
        {"b0 d0 g e", "closed - - -"},
        {"D b0 d0 g e", "closed - - -"},
        {"D S b0 d0 g e", "closed - early"},
        {"D S O b0 d0 g e", "accepted - early"},
        {"D S O b1 b0 d0 g e", "accepted closed - early"},
        {"D S O b1 f b0 d0 g e", "accepted closed early"},
        {"D S O b1 f d0 d1 = d2 d4 = d6 d3 = b0 d0 g e", "accepted made5@0 made24@1 won160@2 closed - - -"},
        {"D S O E b0 d0 g e", "closed - - -"},
        // The answer time, whatever the player does; then the board is as dealt and open.
        {"D S O b0 d0 d1 +10s d2 t +80s d3 t ? +1s t ?", "accepted - - answering answerTime open"},
        // The idle time, from the last number chosen (even one that moved nothing); an
        // operation is no sign of life.
        {"D S O b0 +15s d0 d1 d2 +20s t x +1s t", "accepted - idleTime"},
        {"D S O b0 +90s t ? +1s t", "accepted answering answerTime", 90},
        {"D S O b0 d0 c d0 c d0 c d0 c d0 c d0", "accepted"},
        {"D S O b0 d0 c d0 c d0 c d0 c d0 c d0 c", "accepted cancels"},
        // The last turn is announced; a further buzz is refused once with a word, then closed.
        {"D S O b0 f g b0 f g b0 f g b0 b0 b1", "accepted accepted last allUsed closed accepted"},
        // Another place, one not playing or out of range: closed.
        {"D S O b2 b6 b-1", "closed closed closed"},
        // The fifth stop, whatever its limit, disqualifies.
        {"D S O b0 +21s t b0 +21s t b0 +21s t b0 +21s t b0 c c c c c c b0",
         "accepted idleTime accepted idleTime accepted idleTime accepted idleTime accepted cancels out closed", 20, 9},
    };
    for (const auto& turn : turns) {
        game.idleTime = std::chrono::seconds(turn.idleSeconds);
        game.rules.turnsAllowed = turn.turnsAllowed;
        game.timesStopped.fill(0);
        round.start();
        EXPECT_EQ(play(turn.steps), turn.told) << turn.steps;
    }
}

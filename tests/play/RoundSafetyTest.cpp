// SPDX-License-Identifier: GPL-3.0-or-later
// A round stays sound in every corner: every event the play window can receive at every
// stage of a round, each followed by the round played on to its table with the right score.
// A turn that ends inside its buzz flash (a limit met while it blinks) is one of them.
#include "WholeGame.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// The stages of a round. Those with a message box (or the solution finder) open let only
// ticks, keys and time passing reach the game, and those are fired inside them.
enum class Stage {
    Dealing, Spin, ClockRunning, BuzzFlash, Answering, LastTurnOpen, AllTurnsUsedOpen, OutOfTimeOpen,
    TakenTooLongOpen, CancelledTooManyTimesOpen, WinningFlash, FinderOpen, PracticeClockStill, PracticeAnswering,
};

const struct {
    const char* name;
    const char* box;  // the title of the message box the stage holds open
} stages[] = {
    {"Dealing", nullptr}, {"Spin", nullptr}, {"ClockRunning", nullptr}, {"BuzzFlash", nullptr},
    {"Answering", nullptr}, {"LastTurnOpen", "Last Turn"}, {"AllTurnsUsedOpen", "All Turns Used"},
    {"OutOfTimeOpen", "Out of time"}, {"TakenTooLongOpen", "Taken Too Long"},
    {"CancelledOpen", "Cancelled Too Many Times"}, {"WinningFlash", nullptr}, {"FinderOpen", nullptr},
    {"PracticeClockStill", nullptr}, {"PracticeAnswering", nullptr},
};

QString boxOf(Stage stage)
{
    return QString::fromLatin1(stages[int(stage)].box);
}

bool firedInside(Stage stage)
{
    return stages[int(stage)].box || stage == Stage::FinderOpen;
}

bool isPractice(Stage stage)
{
    return stage >= Stage::PracticeClockStill;
}

struct Event {
    enum Kind { Tick, Click, Buzz, CloseYes, CloseNo, AnswerTimeRunsOut, IdleTimeRunsOut, CancelLimit };
    Kind kind;
    QString name;  // the timer or the control; the player's place for a buzz
};

using Case = std::tuple<Stage, Event>;

std::vector<Case> everyCase()
{
    std::vector<Event> inside;
    for (const char* timer : {"roundClock", "spin", "buzzerPoll", "flash"})
        inside.push_back({Event::Tick, QString::fromLatin1(timer)});
    for (int p = 0; p < 6; ++p)
        inside.push_back({Event::Buzz, QString::number(p)});
    inside.push_back({Event::AnswerTimeRunsOut, QStringLiteral("AnswerTime")});
    inside.push_back({Event::IdleTimeRunsOut, QStringLiteral("IdleTime")});

    std::vector<Event> all = inside;
    for (const char* control : {"add", "subtract", "multiply", "divide", "cancel", "equals", "giveUp", "endRound"})
        all.push_back({Event::Click, QString::fromLatin1(control)});
    for (int i = 0; i < 7; ++i)
        all.push_back({Event::Click, QStringLiteral("dealtNumber%1").arg(i)});
    for (int i = 0; i < 3; ++i)
        all.push_back({Event::Click, QStringLiteral("madeNumber%1").arg(i)});
    all.push_back({Event::CloseYes, QStringLiteral("CloseYes")});
    all.push_back({Event::CloseNo, QStringLiteral("CloseNo")});
    all.push_back({Event::CancelLimit, QStringLiteral("CancelLimit")});

    std::vector<Case> cases;
    for (int s = 0; s <= int(Stage::PracticeAnswering); ++s) {
        const Stage stage = Stage(s);
        for (const Event& event : firedInside(stage) ? inside : all) {
            // End Round is shown only in practice games.
            if (event.name == QLatin1String("endRound") && !isPractice(stage))
                continue;
            cases.emplace_back(stage, event);
        }
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    const auto& [stage, event] = info.param;
    const QString name = event.kind == Event::Buzz ? QStringLiteral("Buzz") + event.name : event.name;
    return stages[int(stage)].name + std::string("_") + name.toStdString();
}

}  // namespace

class EveryEventAtEveryStage : public WholeGameTest, public ::testing::WithParamInterface<Case> {
protected:
    // Plays the round to `stage`. A stage with a box or the finder open fires `event` inside it.
    void reach(Stage stage, const Event& event)
    {
        if (!boxOf(stage).isEmpty()) {
            doubles.messages.whileOpen = [this, title = boxOf(stage), event] {
                if (!firedInsideYet && doubles.messages.shown.back().title == title) {
                    firedInsideYet = true;
                    fire(event);
                }
            };
        }
        reachUnchecked(stage, event);
        doubles.messages.whileOpen = nullptr;
        if (firedInside(stage)) {
            EXPECT_TRUE(firedInsideYet) << "the stage was reached";
        }
    }

    void reachUnchecked(Stage stage, const Event& event)
    {
        // On Hard the round clock ticks every 50 ms, so its ticks fall inside a buzz flash.
        difficulty = 2;
        startGame("1", isPractice(stage), exampleDeal);
        if (stage == Stage::LastTurnOpen || stage == Stage::AllTurnsUsedOpen)
            game.rules.turnsAllowed = 1;
        if (stage == Stage::Dealing) {
            timer("roundClock").fire(3);
            return;
        }
        timer("roundClock").fire(7);
        if (stage == Stage::Spin) {
            timer("spin").fire(10);
            return;
        }
        reachTarget("306");
        if (isPractice(stage))
            timer("roundClock").fire(3);
        else
            runClockTo(150);
        switch (stage) {
        case Stage::ClockRunning:
        case Stage::PracticeClockStill:
        case Stage::LastTurnOpen:
            break;
        case Stage::AllTurnsUsedOpen:
            takeTurn(0);
            click("giveUp");
            break;
        case Stage::FinderOpen:
            exitFinderOnceSolved([this, event] {
                firedInsideYet = true;
                fire(event);
            });
            runClockTo(0);
            timer("roundClock").fire();
            settle();
            return;
        default:
            buzz(0);
            if (stage == Stage::BuzzFlash) {
                timer("flash").fire(5);
                return;
            }
            timer("flash").fire(16);
            for (const char* control : {"dealtNumber1", "multiply", "dealtNumber5"})
                click(control);
        }
        switch (stage) {
        case Stage::LastTurnOpen:
        case Stage::AllTurnsUsedOpen:
            buzz(0);
            break;
        case Stage::OutOfTimeOpen:
            fire({Event::AnswerTimeRunsOut, {}});
            break;
        case Stage::TakenTooLongOpen:
            fire({Event::IdleTimeRunsOut, {}});
            break;
        case Stage::CancelledTooManyTimesOpen:
            fire({Event::CancelLimit, {}});
            break;
        case Stage::WinningFlash:
            expectedPoints[0] = game.clockPosition / 60 + 1;
            for (const char* control : {"equals", "dealtNumber0", "add", "dealtNumber2", "equals", "madeNumber0", "add",
                                        "madeNumber1", "equals"})
                click(control);
            timer("flash").fire(3);
            break;
        default:
            break;
        }
    }

    void fire(const Event& event)
    {
        switch (event.kind) {
        case Event::Tick:
            timer(event.name.toLatin1().constData()).fire();
            break;
        case Event::Click:
            click(event.name);
            break;
        case Event::Buzz:
            buzz(event.name.toInt());
            break;
        case Event::CloseYes:
        case Event::CloseNo:
            doubles.messages.answers = {event.kind == Event::CloseYes ? platform::Answer::Yes : platform::Answer::No};
            play.close();
            break;
        case Event::AnswerTimeRunsOut:
        case Event::IdleTimeRunsOut:
            doubles.clock.advanceSeconds(
                (event.kind == Event::AnswerTimeRunsOut ? game.rules.turnSeconds : game.rules.idleSeconds) + 1);
            timer("roundClock").fire();
            break;
        case Event::CancelLimit:
            for (int cancel = 0; cancel <= game.rules.cancelsAllowed; ++cancel)
                click("cancel");
            break;
        }
    }

    // Everything a player sees of the round, and which of its timers run.
    struct Round {
        play::RoundState fields;
        play::Board board;
        std::int16_t clockPosition;
        std::array<bool, 4> running;
        QImage backBuffer;
        bool operator==(const Round&) const = default;
    };
    Round round()
    {
        return {play.round(), play.board(), game.clockPosition,
                {timer("roundClock").isEnabled(), timer("spin").isEnabled(), timer("flash").isEnabled(),
                 timer("buzzerPoll").isEnabled()},
                play.backBuffer()};
    }

    // The first of player 2 and player 1 who may still take a turn, or -1.
    int nextToTry() const
    {
        for (const int p : {1, 0})
            if (game.playing[p] && play.round().turnsTaken[p] < game.rules.turnsAllowed)
                return p;
        return -1;
    }

    // Plays the round on as players would, in real time: whoever is answering gives up,
    // unless it is the player chosen to make the target; that player buzzes and makes it.
    // With nobody left to try, the clock runs out (or End Round is pressed in practice).
    void playOn()
    {
        doubles.keys.held.clear();
        int chosen = -1;
        for (int step = 0; step < 20000 && !windows.roundTable().isVisible() && !HasFailure(); ++step) {
            expectSoundRound();
            const bool targetShown = play.round().dealtCount == 7 && !timer("spin").isEnabled();
            if (targetShown && targetText() != QLatin1String("306"))
                setTarget("306");
            const bool open = targetShown && !play.round().answering && play.round().winningSlot == -1;
            if (play.round().answering && !timer("flash").isEnabled()) {
                if (play.round().answeringPlayer == chosen) {
                    expectedPoints[chosen] += game.clockPosition / 60 + 1 - (game.practice ? 3 : 0);
                    make306();
                } else {
                    click("giveUp");
                }
            } else if (open && play.round().buzzersOpen && timer("buzzerPoll").isEnabled() && nextToTry() != -1) {
                chosen = nextToTry();
                buzz(chosen);
            } else if (open && game.practice && nextToTry() == -1) {
                click("endRound");
            } else {
                runFor(10);
            }
            settle();
        }
        settle();
    }

    bool firedInsideYet = false;
    std::array<int, 2> expectedPoints{};
};

TEST_P(EveryEventAtEveryStage, LeavesTheRoundSoundAndPlayableToItsTable)
{
    const auto& [stage, event] = GetParam();
    reach(stage, event);
    if (stage != Stage::FinderOpen)
        exitFinderOnceSolved();  // should the round end without a winner
    if (!firedInside(stage)) {
        ASSERT_TRUE(play.isActive());
        const Round before = round();
        bool clockRanWhileAsking = false;
        doubles.messages.whileOpen = [&] { clockRanWhileAsking = timer("roundClock").isEnabled(); };
        fire(event);
        doubles.messages.whileOpen = nullptr;
        if (event.kind == Event::CloseYes) {
            EXPECT_EQ(doubles.application.quits, 1);
            return;
        }
        if (event.kind == Event::CloseNo) {
            EXPECT_FALSE(clockRanWhileAsking);
            EXPECT_TRUE(round() == before) << "the round is as it was";
        }
    }
    EXPECT_EQ(doubles.application.quits, 0);
    expectSoundRound();

    playOn();
    ASSERT_TRUE(windows.roundTable().isVisible());
    EXPECT_EQ(game.totalScores[0], expectedPoints[0]);
    EXPECT_EQ(game.totalScores[1], expectedPoints[1]);
    EXPECT_EQ(messageTitles().count(QStringLiteral("Quit")), event.kind == Event::CloseNo ? 1 : 0) << "asked once";
}

INSTANTIATE_TEST_SUITE_P(Rounds, EveryEventAtEveryStage, ::testing::ValuesIn(everyCase()), caseName);

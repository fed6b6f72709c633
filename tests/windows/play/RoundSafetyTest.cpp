// SPDX-License-Identifier: GPL-3.0-or-later
// A round stays sound in every corner: every event the play window can receive at every
// stage of a round, each followed by the round played on to its table with the right score.
// A turn that ends inside its buzz flash (a limit met while it blinks) is one of them.
#include "PlayTest.h"
#include "windows/scores/RoundTable.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// The stages of a round, each with the steps that reach it from the game's start. Those with
// a message box (or the solution finder) open let only ticks, keys and time passing reach the
// game, and those are fired inside them.
enum class Stage {
    Dealing, Spin, ClockRunning, BuzzFlash, Answering, LastTurnOpen, AllTurnsUsedOpen, OutOfTimeOpen,
    TakenTooLongOpen, CancelledOpen, WinningFlash, FinderOpen, PracticeClockStill, PracticeAnswering,
};

// Dealt, spun, and the clock at 150; in practice the clock stands still.
const QString target = "clock*7 spin*30 target:306 clock*90", practice = "clock*7 spin*30 target:306 clock*3";
const QString answering = target + " turn:0 dealtNumber1 multiply dealtNumber5";
const struct {
    const char* name;
    QString steps;
    const char* box;  // the title of the message box the stage holds open
} stages[] = {
    {"Dealing", "clock*3", nullptr},
    {"Spin", "clock*7 spin*10", nullptr},
    {"ClockRunning", target, nullptr},
    {"BuzzFlash", target + " buzz:0 flash*5", nullptr},
    {"Answering", answering, nullptr},
    {"LastTurnOpen", target + " buzz:0", "Last Turn"},
    {"AllTurnsUsedOpen", target + " turn:0 giveUp buzz:0", "All Turns Used"},
    {"OutOfTimeOpen", answering + " +91s clock", "Out of time"},
    {"TakenTooLongOpen", answering + " +21s clock", "Taken Too Long"},
    {"CancelledOpen", answering + " cancel*6", "Cancelled Too Many Times"},
    {"WinningFlash", answering + " equals dealtNumber0 add dealtNumber2 equals madeNumber0 add madeNumber1 equals "
                                 "flash*3", nullptr},
    {"FinderOpen", target + " clock*150 clock", nullptr},
    {"PracticeClockStill", practice, nullptr},
    {"PracticeAnswering", practice + " turn:0 dealtNumber1 multiply dealtNumber5", nullptr},
};

bool firedInside(Stage stage)
{
    return stages[int(stage)].box || stage == Stage::FinderOpen;
}

bool isPractice(Stage stage)
{
    return stage >= Stage::PracticeClockStill;
}

// An event the play window can receive: its name and its steps.
using Event = std::pair<const char*, QString>;
using Case = std::tuple<Stage, Event>;

std::vector<Case> everyCase()
{
    std::vector<Event> inside{{"clock", "clock"}, {"spin", "spin"}, {"poll", "poll"}, {"flash", "flash"},
                              {"AnswerTime", "+91s clock"}, {"IdleTime", "+21s clock"}};
    for (const char* buzz : {"buzz:0", "buzz:1", "buzz:2", "buzz:3", "buzz:4", "buzz:5"})
        inside.emplace_back(buzz, buzz);
    std::vector<Event> all = inside;
    for (const char* control : {"add", "subtract", "multiply", "divide", "cancel", "equals", "giveUp", "endRound",
                                "dealtNumber0", "dealtNumber1", "dealtNumber2", "dealtNumber3", "dealtNumber4",
                                "dealtNumber5", "dealtNumber6", "madeNumber0", "madeNumber1", "madeNumber2"})
        all.emplace_back(control, control);
    all.insert(all.end(), {{"CloseYes", "quit:Yes"}, {"CloseNo", "quit:No"}, {"CancelLimit", "cancel*6"}});

    std::vector<Case> cases;
    for (int s = 0; s <= int(Stage::PracticeAnswering); ++s)
        for (const Event& event : firedInside(Stage(s)) ? inside : all)
            if (event.second != "endRound" || isPractice(Stage(s)))  // End Round is shown only in practice
                cases.emplace_back(Stage(s), event);
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    const auto& [stage, event] = info.param;
    return stages[int(stage)].name + std::string("_") + QString::fromLatin1(event.first).remove(u':').toStdString();
}

}  // namespace

class EveryEventAtEveryStage : public PlayTest, public ::testing::WithParamInterface<Case> {
protected:
    // Plays the round to `stage`. A stage with a box or the finder open fires `event` inside it.
    void reach(Stage stage, const QString& event)
    {
        const auto fireInside = [this, event] {
            firedInsideYet = true;
            act(event);
        };
        if (const char* box = stages[int(stage)].box) {
            doubles.messages.whileOpen = [this, box, fireInside] {
                if (!firedInsideYet && doubles.messages.shown.back().title == box)
                    fireInside();
            };
        }
        // On Hard the round clock ticks every 50 ms, so its ticks fall inside a buzz flash.
        difficulty = 2;
        startGame("1", isPractice(stage), exampleDeal);
        if (stage == Stage::LastTurnOpen || stage == Stage::AllTurnsUsedOpen)
            game.rules.turnsAllowed = 1;
        if (stage == Stage::WinningFlash)
            expectedPoints[0] = 3;  // made with the clock at 150
        if (stage == Stage::FinderOpen)
            exitFinderOnceSolved(fireInside);
        act(stages[int(stage)].steps);
        settle();
        doubles.messages.whileOpen = nullptr;
        if (firedInside(stage)) {
            EXPECT_TRUE(firedInsideYet) << "the stage was reached";
        }
    }

    // Everything a player sees of the round, and which of its timers run.
    auto seen()
    {
        return std::tuple(play.round(), play.board(), game.clockPosition, timer("roundClock").isEnabled(),
                          timer("spin").isEnabled(), timer("flash").isEnabled(), timer("buzzerPoll").isEnabled(),
                          play.backBuffer());
    }

    // The first of player 2 and player 1 who may still take a turn, or -1.
    int nextToTry() const
    {
        for (const int p : {1, 0})
            if (game.playing[p] && play.round().turnsTaken(p) < game.rules.turnsAllowed)
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
        for (int step = 0; step < 20000 && !program.roundTable().isVisible() && !HasFailure(); ++step) {
            expectSoundRound();
            const bool targetShown = play.round().dealtCount() == 7 && !timer("spin").isEnabled();
            if (targetShown && play.round().target() != 306)
                act("target:306");
            const bool open = targetShown && !play.round().isAnswering() && play.round().winningSlot() == -1;
            if (play.round().isAnswering() && !timer("flash").isEnabled()) {
                if (play.round().answeringPlayer() == chosen) {
                    expectedPoints[chosen] += game.clockPosition / 60 + 1 - (game.practice ? 3 : 0);
                    make306();
                } else {
                    act("giveUp");
                }
            } else if (open && (play.round().phase() == core::Round::Phase::BuzzersOpen) && timer("buzzerPoll").isEnabled() && nextToTry() != -1) {
                chosen = nextToTry();
                act(QStringLiteral("buzz:%1").arg(chosen));
            } else if (open && game.practice && nextToTry() == -1) {
                act("endRound");
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
    const auto& [stage, named] = GetParam();
    const QString& event = named.second;
    reach(stage, event);
    if (stage != Stage::FinderOpen)
        exitFinderOnceSolved();  // should the round end without a winner
    if (!firedInside(stage)) {
        ASSERT_TRUE(play.isActive());
        const auto before = seen();
        bool clockRanWhileAsking = false;
        doubles.messages.whileOpen = [&] { clockRanWhileAsking = timer("roundClock").isEnabled(); };
        act(event);
        doubles.messages.whileOpen = nullptr;
        if (event == "quit:Yes") {
            EXPECT_EQ(doubles.application.quits, 1);
            return;
        }
        if (event == "quit:No") {
            EXPECT_FALSE(clockRanWhileAsking);
            EXPECT_TRUE(seen() == before) << "the round is as it was";
        }
    }
    EXPECT_EQ(doubles.application.quits, 0);
    expectSoundRound();

    playOn();
    ASSERT_TRUE(program.roundTable().isVisible());
    EXPECT_EQ(game.totalScores[0], expectedPoints[0]);
    EXPECT_EQ(game.totalScores[1], expectedPoints[1]);
    EXPECT_EQ(messageTitles().count(QStringLiteral("Quit")), event == "quit:No" ? 1 : 0) << "asked once";
}

INSTANTIATE_TEST_SUITE_P(Rounds, EveryEventAtEveryStage, ::testing::ValuesIn(everyCase()), caseName);

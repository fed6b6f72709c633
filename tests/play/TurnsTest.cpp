// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace {

const QStringList allDealt{"2", "3", "4", "10", "20", "100", "150"};

}  // namespace

TEST_F(PlayTest, ABuzzGivesThePlayerTheBoardAndStopsTheClock)
{
    openBuzzers();
    buzz(1);
    EXPECT_TRUE(play.round().answering);
    EXPECT_EQ(play.round().answeringPlayer, 1);
    EXPECT_EQ(play.board().contenderName.caption, "Bob");
    EXPECT_FALSE(timer("buzzerPoll").isEnabled());
    EXPECT_TRUE(timer("flash").isEnabled());
    EXPECT_EQ(play.round().turnsTaken[1], 1);
    EXPECT_EQ(doubles.music.commands.last(), "Stop") << "asked whether or not music is on";

    const auto position = game.clockPosition;
    timer("roundClock").fire(20);
    EXPECT_EQ(game.clockPosition, position) << "the round clock stands still during an answer";
}

TEST_F(PlayTest, ThePlayerOnTheLowerPlaceWinsTwoBuzzesInOnePoll)
{
    game.playing[3] = true;
    openBuzzers();
    doubles.keys.held = {platform::vk::Shift, platform::vk::A};
    timer("buzzerPoll").fire();
    EXPECT_EQ(play.round().answeringPlayer, 0);
    EXPECT_EQ(play.round().turnsTaken[3], 0);
}

TEST_F(PlayTest, OnlyActivePlayersCanBuzzAndOnlyOnceTheClockRuns)
{
    doubles.random.script({});
    startRound();
    dealAndSpin();
    buzz(0);
    EXPECT_FALSE(play.round().answering) << "the buzzers open with the round clock's first step";
    timer("roundClock").fire();
    buzz(2);
    EXPECT_FALSE(play.round().answering) << "player 3 is not playing";
    EXPECT_EQ(play.round().turnsTaken[2], 0);
}

TEST_F(PlayTest, TheLastTurnIsAnnouncedAndAFurtherBuzzRefusedOnce)
{
    openBuzzers();
    for (int turn = 0; turn < 2; ++turn) {
        takeTurn(0);
        click("giveUp");
    }
    EXPECT_TRUE(doubles.messages.shown.empty());
    takeTurn(0);
    EXPECT_EQ(messageTitles(), QStringList{"Last Turn"});
    EXPECT_EQ(doubles.messages.shown[0].text, "Remember, this is your last turn!");
    click("giveUp");

    buzz(0);
    EXPECT_FALSE(play.round().answering);
    EXPECT_EQ(messageTitles(), (QStringList{"Last Turn", "All Turns Used"}));
    EXPECT_EQ(doubles.messages.shown[1].text, "You've had all your turns, Ann.");
    buzz(0);
    buzz(0);
    EXPECT_EQ(doubles.messages.shown.size(), 2u);

    // A new round gives everyone their turns back.
    play.hide();
    openBuzzers();
    buzz(0);
    EXPECT_TRUE(play.round().answering);
}

TEST_F(PlayTest, TheAnswerTimeStartsWhenTheLastTurnReminderIsClosed)
{
    game.rules.turnsAllowed = 1;
    openBuzzers();
    doubles.messages.whileOpen = [&] {
        doubles.clock.advanceSeconds(15);
        timer("roundClock").fire();  // held back while the player reads
    };
    buzz(0);
    doubles.messages.whileOpen = nullptr;
    EXPECT_EQ(messageTitles(), QStringList{"Last Turn"}) << "with one turn allowed, the first is the last";
    EXPECT_EQ((play.round().answerStart - play.round().lastSelection).count(), 15);
    EXPECT_TRUE(play.round().answering);
}

TEST_F(PlayTest, ATurnEndsOnTheFirstTickPastTheAnswerTimeAtAnyTimeOfDay)
{
    for (const QTime start : {QTime(0, 0), QTime(6, 0), QTime(13, 37, 29), QTime(18, 59, 59), QTime(23, 59, 30)}) {
        doubles.clock.set(QDateTime(QDate(2026, 12, 6), start));
        doubles.messages.shown.clear();
        game.timesStopped[0] = 0;
        openBuzzers();
        takeTurn(0);
        // With both operands chosen, a further number click keeps the idle time from running out.
        click("dealtNumber0");
        click("dealtNumber1");
        for (int second = 1; second <= 90; ++second) {
            doubles.clock.advanceSeconds(1);
            if (second % 10 == 0)
                click("dealtNumber2");
            timer("roundClock").fire();
            ASSERT_TRUE(play.round().answering) << "after " << second << " s from " << start.toString().toStdString();
        }
        doubles.clock.advanceSeconds(1);
        timer("roundClock").fire();
        EXPECT_FALSE(play.round().answering) << "from " << start.toString().toStdString();
        EXPECT_EQ(messageTitles(), QStringList{"Out of time"});
        EXPECT_EQ(doubles.messages.shown[0].text, "You've had enough time to answer.");
        play.hide();
    }
}

TEST_F(PlayTest, ATurnEndsAfterTwentySecondsWithoutANumberClick)
{
    for (const QTime start : {QTime(0, 0, 5), QTime(9, 30), QTime(23, 59, 50)}) {
        doubles.clock.set(QDateTime(QDate(2026, 12, 6), start));
        doubles.messages.shown.clear();
        openBuzzers();
        takeTurn(0);
        doubles.clock.advanceSeconds(15);
        click("dealtNumber0");
        click("dealtNumber1");
        click("dealtNumber2");  // moves nothing, but the player is still at it
        doubles.clock.advanceSeconds(20);
        timer("roundClock").fire();
        click("multiply");  // an operator is no sign of life
        EXPECT_TRUE(play.round().answering);
        doubles.clock.advanceSeconds(1);
        timer("roundClock").fire();
        EXPECT_FALSE(play.round().answering);
        EXPECT_EQ(messageTitles(), QStringList{"Taken Too Long"});
        EXPECT_EQ(doubles.messages.shown[0].text, "I think you've had enough thinking time matey.");
        play.hide();
    }
}

TEST_F(PlayTest, WhenBothTimesRunOutTogetherOnlyTheAnswerTimeIsReported)
{
    game.rules.idleSeconds = 90;
    game.idleTime = std::chrono::seconds(90);
    openBuzzers();
    takeTurn(0);
    doubles.clock.advanceSeconds(91);
    timer("roundClock").fire();
    EXPECT_EQ(messageTitles(), QStringList{"Out of time"});
}

TEST_F(PlayTest, TheSixthCancelEndsTheTurn)
{
    openBuzzers();
    takeTurn(0);
    for (int cancel = 1; cancel <= 5; ++cancel) {
        click("dealtNumber0");
        click("cancel");
        EXPECT_TRUE(play.round().answering) << "cancel " << cancel;
        EXPECT_EQ(play.board().dealtNumbers[0].caption, "2");
    }
    click("cancel");
    EXPECT_FALSE(play.round().answering);
    EXPECT_EQ(messageTitles(), QStringList{"Cancelled Too Many Times"});
    EXPECT_EQ(doubles.messages.shown[0].text, "You don't know what you're doing, do you?");
}

TEST_F(PlayTest, GiveUpWaitsForTheBuzzFlashAndThenRestoresTheBoard)
{
    openBuzzers();
    buzz(0);
    timer("flash").fire(15);
    click("giveUp");
    EXPECT_TRUE(play.round().answering) << "refused during the buzz flash";
    timer("flash").fire();
    click("dealtNumber0");
    click("add");
    click("dealtNumber1");
    click("equals");
    click("dealtNumber6");
    click("giveUp");

    EXPECT_FALSE(play.round().answering);
    EXPECT_EQ(captions(play.board().dealtNumbers), allDealt);
    EXPECT_EQ(captions(play.board().madeNumbers), (QStringList{"", "", ""}));
    EXPECT_EQ(captions(play.board().workingRow), (QStringList{"", "+", ""}));
    EXPECT_TRUE(play.board().contenderName.caption.isEmpty());
    EXPECT_TRUE(timer("buzzerPoll").isEnabled());
    EXPECT_EQ(game.timesStopped[0], 0) << "giving up is no stop";
    EXPECT_EQ(play.round().turnsTaken[0], 1);
}

TEST_F(PlayTest, TheFifthStopDisqualifiesAPlayerForTheRestOfTheGame)
{
    game.rules.turnsAllowed = 9;
    openBuzzers();
    for (int stop = 1; stop <= 5; ++stop) {
        takeTurn(0);
        doubles.clock.advanceSeconds(21);
        timer("roundClock").fire();
        EXPECT_EQ(game.timesStopped[0], stop);
    }
    EXPECT_EQ(messageTitles().count("Taken Too Long"), 5);
    EXPECT_EQ(messageTitles().last(), "Disqualification");
    EXPECT_EQ(doubles.messages.shown.back().text, "You have been stopped 5 times.  You are disqualified.");
    EXPECT_FALSE(game.playing[0]);

    buzz(0);
    EXPECT_FALSE(play.round().answering);
    play.hide();
    openBuzzers();
    buzz(0);
    EXPECT_FALSE(play.round().answering) << "still out in the next round";
    buzz(1);
    EXPECT_TRUE(play.round().answering);
}

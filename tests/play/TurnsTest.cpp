// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <functional>

TEST_F(PlayTest, TheLowerPlaceWinsABuzzAndTheBoardIsTheirsWithTheClockAndTheMusicStopped)
{
    game.playing[3] = true;
    openBuzzers();
    buzz(2);
    EXPECT_FALSE(play.round().answering) << "player 3 is not playing";
    doubles.keys.held = {platform::vk::Shift, platform::vk::A};
    timer("buzzerPoll").fire();
    EXPECT_EQ(play.round().answeringPlayer, 0);
    EXPECT_EQ(play.round().turnsTaken, (std::array<std::int16_t, 6>{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(play.board().contenderName.caption, "Ann");
    EXPECT_EQ(doubles.music.commands.last(), "Stop") << "asked whether or not music is on";
    const auto position = game.clockPosition;
    timer("roundClock").fire(20);
    EXPECT_EQ(game.clockPosition, position) << "the round clock stands still during an answer";
}

TEST_F(PlayTest, ATurnEndsAtEachOfItsLimitsWithItsMessage)
{
    const auto secondsPass = [&](int seconds) {
        doubles.clock.advanceSeconds(seconds);
        timer("roundClock").fire();
    };
    const struct {
        const char* limit;
        int idleSeconds;
        std::function<void()> justWithin, over;
        const char* title;
        const char* text;
    } limits[] = {
        {"the answer time, from just before midnight", 20,
         [&] {
             // With both operands chosen, a further number click keeps the idle time from running out.
             click("dealtNumber0");
             click("dealtNumber1");
             for (int second = 10; second <= 90; second += 10) {
                 secondsPass(10);
                 click("dealtNumber2");
             }
         },
         [&] { secondsPass(1); }, "Out of time", "You've had enough time to answer."},
        {"the idle time, from the last number clicked", 20,
         [&] {
             doubles.clock.advanceSeconds(15);
             click("dealtNumber0");
             click("dealtNumber1");
             click("dealtNumber2");  // moves nothing, but the player is still at it
             secondsPass(20);
             click("multiply");  // an operator is no sign of life
         },
         [&] { secondsPass(1); }, "Taken Too Long", "I think you've had enough thinking time matey."},
        {"both times at once", 90, [&] { secondsPass(90); }, [&] { secondsPass(1); }, "Out of time",
         "You've had enough time to answer."},
        {"the cancels", 20,
         [&] {
             for (int cancel = 1; cancel <= 5; ++cancel) {
                 click("dealtNumber0");
                 click("cancel");
             }
             EXPECT_EQ(play.board().dealtNumbers[0].caption, "2");
         },
         [&] { click("cancel"); }, "Cancelled Too Many Times", "You don't know what you're doing, do you?"},
    };
    doubles.clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 30)));
    for (const auto& limit : limits) {
        game.rules.idleSeconds = limit.idleSeconds;
        game.idleTime = std::chrono::seconds(limit.idleSeconds);
        doubles.messages.shown.clear();
        openBuzzers();
        takeTurn(0);
        limit.justWithin();
        EXPECT_TRUE(play.round().answering) << limit.limit;
        limit.over();
        EXPECT_FALSE(play.round().answering) << limit.limit;
        EXPECT_EQ(messageTitles(), QStringList{limit.title}) << limit.limit;
        EXPECT_EQ(doubles.messages.shown.at(0).text, limit.text);
        play.hide();
    }
}

TEST_F(PlayTest, TheLastTurnIsAnnouncedItsAnswerTimeStartsOnceReadAndAFurtherBuzzIsRefusedOnce)
{
    openBuzzers();
    for (int turn = 0; turn < 2; ++turn) {
        takeTurn(0);
        click("giveUp");
    }
    EXPECT_TRUE(doubles.messages.shown.empty());
    EXPECT_EQ(game.timesStopped[0], 0) << "giving up is no stop";
    doubles.messages.whileOpen = [&] {
        doubles.clock.advanceSeconds(15);
        timer("roundClock").fire();  // held back while the player reads
    };
    takeTurn(0);
    doubles.messages.whileOpen = nullptr;
    EXPECT_EQ(messageTitles(), QStringList{"Last Turn"});
    EXPECT_EQ(doubles.messages.shown[0].text, "Remember, this is your last turn!");
    EXPECT_EQ((play.round().answerStart - play.round().lastSelection).count(), 15);
    click("giveUp");

    for (int again = 0; again < 3; ++again)
        buzz(0);
    EXPECT_FALSE(play.round().answering);
    EXPECT_EQ(messageTitles(), (QStringList{"Last Turn", "All Turns Used"}));
    EXPECT_EQ(doubles.messages.shown[1].text, "You've had all your turns, Ann.");

    // A new round gives everyone their turns back.
    play.hide();
    openBuzzers();
    buzz(0);
    EXPECT_TRUE(play.round().answering);
}

TEST_F(PlayTest, TheFifthStopDisqualifiesAPlayerForTheRestOfTheGame)
{
    game.rules.turnsAllowed = 9;
    openBuzzers();
    for (int stop = 1; stop <= 5; ++stop) {
        takeTurn(0);
        EXPECT_EQ(game.timesStopped[0], stop - 1);
        doubles.clock.advanceSeconds(21);
        timer("roundClock").fire();
    }
    EXPECT_EQ(messageTitles().count("Taken Too Long"), 5);
    EXPECT_EQ(messageTitles().last(), "Disqualification");
    EXPECT_EQ(doubles.messages.shown.back().text, "You have been stopped 5 times.  You are disqualified.");

    buzz(0);
    EXPECT_FALSE(play.round().answering);
    play.hide();
    openBuzzers();
    buzz(0);
    EXPECT_FALSE(play.round().answering) << "still out in the next round";
    buzz(1);
    EXPECT_TRUE(play.round().answering);
}

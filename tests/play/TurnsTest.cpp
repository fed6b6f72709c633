// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

TEST_F(PlayTest, TheLowerPlaceWinsABuzzAndTheBoardIsTheirsWithTheClockAndTheMusicStopped)
{
    game.playing[3] = true;
    openBuzzers();
    act("buzz:2");
    EXPECT_FALSE(play.round().answering) << "player 3 is not playing";
    doubles.keys.held = {platform::vk::Shift, platform::vk::A};
    timer("buzzerPoll").fire();
    EXPECT_EQ(play.round().answeringPlayer, 0);
    EXPECT_EQ(play.round().turnsTaken, (std::array<std::int16_t, 6>{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(play.board().contenderName.caption, "Ann");
    EXPECT_EQ(doubles.music.commands.last(), "Stop") << "asked whether or not music is on";
    const auto position = game.clockPosition;
    act("clock*20");
    EXPECT_EQ(game.clockPosition, position) << "the round clock stands still during an answer";
}

TEST_F(PlayTest, ATurnEndsAtEachOfItsLimitsWithItsMessage)
{
    // With both operands chosen, a further number click is a sign of life that moves nothing.
    const QString busy = "dealtNumber0 dealtNumber1" + QString(" +10s dealtNumber2 clock").repeated(9);
    const struct {
        const char* limit;
        int idleSeconds;
        QString justWithin, over;
        const char* title;
        const char* text;
    } limits[] = {
        {"the answer time", 20, busy, "+1s clock", "Out of time", "You've had enough time to answer."},
        {"the idle time, from the last number clicked", 20,
         "+15s dealtNumber0 dealtNumber1 dealtNumber2 +20s clock multiply", "+1s clock", "Taken Too Long",
         "I think you've had enough thinking time matey."},
        {"both times at once", 90, "+90s clock", "+1s clock", "Out of time", "You've had enough time to answer."},
        {"the cancels", 20, QString("dealtNumber0 cancel ").repeated(5), "cancel", "Cancelled Too Many Times",
         "You don't know what you're doing, do you?"},
    };
    // The answer time runs across midnight.
    doubles.clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 30)));
    for (const auto& limit : limits) {
        game.rules.idleSeconds = limit.idleSeconds;
        game.idleTime = std::chrono::seconds(limit.idleSeconds);
        doubles.messages.shown.clear();
        openBuzzers();
        act("turn:0 " + limit.justWithin);
        EXPECT_TRUE(play.round().answering) << limit.limit;
        act(limit.over);
        EXPECT_FALSE(play.round().answering) << limit.limit;
        EXPECT_EQ(messageTitles(), QStringList{limit.title}) << limit.limit;
        EXPECT_EQ(doubles.messages.shown.at(0).text, limit.text);
        play.hide();
    }
}

TEST_F(PlayTest, TheLastTurnIsAnnouncedItsAnswerTimeStartsOnceReadAndAFurtherBuzzIsRefusedOnce)
{
    openBuzzers();
    act("turn:0 giveUp turn:0 giveUp");
    EXPECT_TRUE(doubles.messages.shown.empty());
    EXPECT_EQ(game.timesStopped[0], 0) << "giving up is no stop";
    doubles.messages.whileOpen = [&] { act("+15s clock"); };  // the tick is held back while the player reads
    act("turn:0");
    doubles.messages.whileOpen = nullptr;
    EXPECT_EQ(messageTitles(), QStringList{"Last Turn"});
    EXPECT_EQ(doubles.messages.shown[0].text, "Remember, this is your last turn!");
    EXPECT_EQ((play.round().answerStart - play.round().lastSelection).count(), 15);
    act("giveUp buzz:0*3");
    EXPECT_FALSE(play.round().answering);
    EXPECT_EQ(messageTitles(), (QStringList{"Last Turn", "All Turns Used"}));
    EXPECT_EQ(doubles.messages.shown[1].text, "You've had all your turns, Ann.");

    // A new round gives everyone their turns back.
    play.hide();
    openBuzzers();
    act("buzz:0");
    EXPECT_TRUE(play.round().answering);
}

TEST_F(PlayTest, TheFifthStopDisqualifiesAPlayerForTheRestOfTheGame)
{
    game.rules.turnsAllowed = 9;
    openBuzzers();
    act(QString("turn:0 +21s clock ").repeated(4));
    EXPECT_EQ(std::tuple(game.timesStopped[0], game.playing[0]), std::tuple(4, true));
    act("turn:0 +21s clock buzz:0");
    EXPECT_FALSE(play.round().answering);
    EXPECT_EQ(messageTitles(), QStringList(5, "Taken Too Long") << "Disqualification");
    EXPECT_EQ(doubles.messages.shown.back().text, "You have been stopped 5 times.  You are disqualified.");
    play.hide();
    openBuzzers();
    act("buzz:0");
    EXPECT_FALSE(play.round().answering) << "still out in the next round";
    act("buzz:1");
    EXPECT_TRUE(play.round().answering);
}

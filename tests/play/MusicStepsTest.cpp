// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"
#include "setup/SetUpWindow.h"

#include <QCheckBox>

#include <gtest/gtest.h>

namespace {

const QString soundProblem = "There appears to be a problem with the sound, music will now be disabled.";

// A round with music on, the piece 2400 ticks long, the round clock about to run.
class MusicTest : public PlayTest {
protected:
    MusicTest()
    {
        game.musicOn = true;
        doubles.music.lengthTicks = 2400;
    }

    void startMusicRound()
    {
        startRound();
        dealAndSpin();
        doubles.music.commands.clear();
    }

    // The piece plays on by `ticks` of its own, and the round clock ticks once.
    void playOn(long ticks)
    {
        doubles.music.positionTicks += ticks;
        timer("roundClock").fire();
    }
};

}  // namespace

TEST_F(MusicTest, AnAnswerStopsThePieceAndTheClockTogether)
{
    startMusicRound();
    playOn(300);
    const auto position = game.clockPosition;
    takeTurn(0);
    EXPECT_EQ(doubles.music.commands.last(), "Stop");
    timer("roundClock").fire(30);
    EXPECT_EQ(game.clockPosition, position);
    click("giveUp");
    EXPECT_EQ(doubles.music.commands.last(), "Play");
    playOn(0);
    EXPECT_EQ(game.clockPosition, position);
}

TEST_F(MusicTest, TenTicksWithoutTheMusicMovingTurnTheMusicOffForGood)
{
    startMusicRound();
    playOn(600);
    for (int tick = 1; tick < 10; ++tick)
        playOn(0);
    EXPECT_TRUE(doubles.messages.shown.empty());
    playOn(0);
    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_EQ(doubles.messages.shown[0].text, soundProblem);
    EXPECT_EQ(doubles.messages.shown[0].title, "Error");
    EXPECT_FALSE(game.musicOn);
    EXPECT_EQ(doubles.music.commands.last(), "Close");
    EXPECT_FALSE(windows.setUpWindow().musicBox->isChecked());
    EXPECT_FALSE(windows.setUpWindow().musicBox->isEnabled());

    // The silent clock goes on from where the music left it.
    playOn(100);
    EXPECT_EQ(game.clockPosition, 179);
    EXPECT_EQ(doubles.messages.shown.size(), 1u);
}

TEST_F(MusicTest, AGameWithoutMusicClosesThePieceTheLastGameLeftOpen)
{
    startRound();  // prepared twice, as the set-up window and activation do
    ASSERT_TRUE(doubles.music.commands.contains("Open"));
    // The set-up window prepares the next round before it stores "Music On" unticked.
    play.prepareRound();
    game.musicOn = false;
    play.hide();
    doubles.music.commands.clear();
    startRound();
    EXPECT_FALSE(doubles.music.commands.contains("Open"));
    EXPECT_EQ(doubles.music.commands.last(), "Close");
}

TEST_F(MusicTest, PracticeRoundsPlayNoMusicAndNeverReportASoundFault)
{
    doubles.music.opens = false;
    game.practice = true;
    game.rules.turnsAllowed = 1;
    startMusicRound();
    timer("roundClock").fire(20);
    takeTurn(0);
    click("giveUp");
    buzz(0);  // all turns used
    EXPECT_EQ(messageTitles(), (QStringList{"Last Turn", "All Turns Used"}));
    EXPECT_FALSE(doubles.music.commands.contains("Open"));
    EXPECT_FALSE(doubles.music.commands.contains("Play")) << doubles.music.commands.join(' ').toStdString();
}

TEST_F(MusicTest, TheQuitQuestionResumesOnlyMusicThatWasPlaying)
{
    startRound();
    timer("roundClock").fire(3);  // dealing: the piece has not started
    doubles.music.commands.clear();
    play.close();
    EXPECT_EQ(doubles.music.commands, QStringList{"Stop"});

    timer("roundClock").fire(4);
    timer("spin").fire(30);
    playOn(100);
    doubles.music.commands.clear();
    play.close();
    EXPECT_EQ(doubles.music.commands, (QStringList{"Stop", "Play"}));

    takeTurn(1);
    doubles.music.commands.clear();
    play.close();
    EXPECT_EQ(doubles.music.commands, QStringList{"Stop"}) << "stopped for the answer, it stays stopped";
}

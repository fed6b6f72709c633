// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Draws.h"
#include "PlayTest.h"
#include "core/Target.h"
#include "scores/RoundEnd.h"

#include <gtest/gtest.h>

namespace {

const core::Deal exampleDeal{2, 3, 4, 10, 20, 100, 150};

}  // namespace

TEST_F(PlayTest, ARoundDealsSevenNumbersSpinsToATargetAndRunsItsClockDown)
{
    doubles.random.script(draws::deal({2, 3, 4, 10, 20, 100, 150}));
    startRound();
    auto& clock = timer("Clock");
    EXPECT_EQ(clock.interval(), 205);

    for (int k = 0; k < 7; ++k) {
        EXPECT_TRUE(play.board().dealtNumbers[k].caption.isEmpty());
        clock.fire();
        EXPECT_EQ(play.board().dealtNumbers[k].caption, QString::number(exampleDeal[k]));
        EXPECT_EQ(play.round().dealtCount, k + 1);
    }
    EXPECT_EQ(play.round().dealtTexts[6], "150");
    EXPECT_FALSE(clock.isEnabled());
    EXPECT_TRUE(timer("RndTotal").isEnabled());
    EXPECT_FALSE(timer("KeyCheck").isEnabled()) << "no buzz while the target spins";

    timer("RndTotal").fire(29);
    EXPECT_EQ(play.round().animationTicks, 29);
    EXPECT_FALSE(clock.isEnabled());
    timer("RndTotal").fire();
    EXPECT_FALSE(timer("RndTotal").isEnabled());
    EXPECT_TRUE(clock.isEnabled());
    EXPECT_TRUE(timer("KeyCheck").isEnabled());
    EXPECT_EQ(play.round().animationTicks, 0);
    EXPECT_GE(target(), 106);
    EXPECT_LE(target(), 999);
    EXPECT_FALSE(core::isTooEasy(target(), exampleDeal, [] {}));
    EXPECT_FALSE(play.round().buzzersOpen) << "the round clock opens the buzzers";

    clock.fire();
    EXPECT_EQ(game.clockPosition, 239);
    EXPECT_TRUE(play.round().buzzersOpen);
    clock.fire(239);
    EXPECT_EQ(game.clockPosition, 0);
    EXPECT_EQ(play.round().dealtCount, 7);

    // The 241st running tick ends the round, and does nothing more once the finder has
    // closed and the window has been prepared again: no clock step, no open buzzers.
    exitFinderOnceSolved();
    clock.fire();
    EXPECT_TRUE(finderText.endsWith(u'!'));
    EXPECT_FALSE(play.isVisible());
    EXPECT_TRUE(windows.roundEnd().isVisible());
    EXPECT_EQ(game.clockPosition, 240);
    EXPECT_FALSE(play.round().buzzersOpen);
    EXPECT_FALSE(timer("KeyCheck").isEnabled());
    EXPECT_FALSE(clock.isEnabled());
    EXPECT_EQ(play.round().lastDrawnPosition, 0);
}

TEST_F(PlayTest, InPracticeTheBuzzersOpenAtOnceAndTheClockNeverRuns)
{
    game.practice = true;
    startRound();
    dealAndSpin();
    EXPECT_TRUE(play.round().buzzersOpen);
    timer("Clock").fire(500);
    EXPECT_EQ(game.clockPosition, 240);
    EXPECT_EQ(play.round().dealtCount, 7);
    EXPECT_EQ(pixel(251, 219), play::colour::Background.rgb()) << "no dial in practice";
}

TEST_F(PlayTest, WithMusicThePieceIsTheRoundClock)
{
    game.musicOn = true;
    game.difficulty = 0;
    startRound();
    EXPECT_EQ(doubles.music.deviceType, "Sequencer");
    EXPECT_EQ(doubles.music.fileName, doubles.services.appDir + "/Zarvell.mid");
    EXPECT_EQ(doubles.music.updateInterval, 324);
    EXPECT_FALSE(doubles.music.mute);
    EXPECT_EQ(play.round().musicPiece, 0);
    dealAndSpin();
    EXPECT_EQ(doubles.music.commands.count("Play"), 0) << "the music waits for the round clock";

    doubles.music.lengthTicks = 1000;
    timer("Clock").fire();
    EXPECT_EQ(game.clockPosition, 240);
    EXPECT_EQ(doubles.music.commands.count("Play"), 1);
    doubles.music.positionTicks = 502;  // 0.498 of the piece left: 119.52 steps
    timer("Clock").fire();
    EXPECT_EQ(game.clockPosition, 120);
    EXPECT_EQ(doubles.music.commands.count("Play"), 1);

    // A piece of no length leaves no time at all.
    doubles.music.lengthTicks = 0;
    timer("Clock").fire();
    EXPECT_EQ(game.clockPosition, 0);
    doubles.music.commands.clear();
    exitFinderOnceSolved();
    timer("Clock").fire();
    // Closed under the finder, opened as the window is prepared again, closed as it hides.
    EXPECT_EQ(doubles.music.commands, (QStringList{"Close", "Open", "Close"}));
}

TEST_F(PlayTest, WithoutMusicTheDeviceIsMutedAndNeverOpened)
{
    startRound();
    EXPECT_TRUE(doubles.music.mute);
    EXPECT_EQ(doubles.music.updateInterval, 102);
    dealAndSpin();
    timer("Clock").fire(10);
    EXPECT_FALSE(doubles.music.commands.contains("Open"));
    EXPECT_FALSE(doubles.music.commands.contains("Play"));
}

TEST_F(PlayTest, HidingTheWindowStopsItsClocksAndFlashes)
{
    startRound();
    timer("Clock").fire(7);
    timer("RndTotal").fire(5);
    play.hide();
    EXPECT_FALSE(timer("RndTotal").isEnabled());

    startRound();
    dealAndSpin();
    timer("Clock").fire();
    buzz(0);
    play.hide();
    EXPECT_FALSE(timer("Clock").isEnabled());
    EXPECT_FALSE(timer("KeyCheck").isEnabled());
    EXPECT_FALSE(timer("Flash").isEnabled());
}

TEST_F(PlayTest, ARepaintShowsTheBoardAndChangesNothing)
{
    struct Snapshot {
        play::RoundState fields;
        play::Board board;
        std::int16_t clockPosition;
        QImage backBuffer;
        bool operator==(const Snapshot&) const = default;
    };
    const auto snapshot = [&] { return Snapshot{play.round(), play.board(), game.clockPosition, play.backBuffer()}; };
    const auto expectRepaintChangesNothing = [&](const char* stage) {
        const Snapshot before = snapshot();
        const QImage shown = play.grab().toImage();
        EXPECT_TRUE(snapshot() == before) << stage;
        EXPECT_EQ(shown.pixel(52, 90), play.backBuffer().pixel(52, 90)) << stage;
        EXPECT_EQ(shown.pixel(251, 219), play.backBuffer().pixel(251, 219)) << stage;
    };

    startRound();
    timer("Clock").fire(3);
    expectRepaintChangesNothing("dealing");
    timer("Clock").fire(4);
    timer("RndTotal").fire(10);
    expectRepaintChangesNothing("spin");
    timer("RndTotal").fire(20);
    timer("Clock").fire(5);
    expectRepaintChangesNothing("clock running");

    play.round().answering = true;
    play.round().buzzFlashDone = true;
    expectRepaintChangesNothing("answer");

    play.round().answering = false;
    play.board().madeNumbers[0].caption = "306";
    play.round().winningSlot = 0;
    play.round().animationTicks = 100;
    timer("Clock").stop();
    timer("Flash").start();
    timer("Flash").fire(3);
    expectRepaintChangesNothing("winning flash");
}

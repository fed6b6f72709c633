// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Draws.h"
#include "PlayTest.h"
#include "core/Target.h"
#include "scores/RoundTable.h"

#include <gtest/gtest.h>

namespace {

const core::Deal exampleDeal{2, 3, 4, 10, 20, 100, 150};

}  // namespace

TEST_F(PlayTest, ARoundDealsSevenNumbersSpinsToATargetAndRunsItsClockDown)
{
    doubles.random.script(draws::deal({2, 3, 4, 10, 20, 100, 150}));
    startRound();
    auto& clock = timer("roundClock");
    EXPECT_EQ(clock.interval(), 205);

    for (int k = 0; k < 7; ++k) {
        EXPECT_TRUE(play.board().dealtNumbers[k].caption.isEmpty());
        clock.fire();
        EXPECT_EQ(play.board().dealtNumbers[k].caption, QString::number(exampleDeal[k]));
        EXPECT_EQ(play.round().dealtCount, k + 1);
    }
    EXPECT_EQ(play.round().dealtTexts[6], "150");
    EXPECT_FALSE(clock.isEnabled());
    EXPECT_TRUE(timer("spin").isEnabled());
    EXPECT_FALSE(timer("buzzerPoll").isEnabled()) << "no buzz while the target spins";

    timer("spin").fire(29);
    EXPECT_EQ(play.round().animationTicks, 29);
    EXPECT_FALSE(clock.isEnabled());
    timer("spin").fire();
    EXPECT_FALSE(timer("spin").isEnabled());
    EXPECT_TRUE(clock.isEnabled());
    EXPECT_TRUE(timer("buzzerPoll").isEnabled());
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
    EXPECT_TRUE(windows.roundTable().isVisible());
    EXPECT_EQ(game.clockPosition, 240);
    EXPECT_FALSE(play.round().buzzersOpen);
    EXPECT_FALSE(timer("buzzerPoll").isEnabled());
    EXPECT_FALSE(clock.isEnabled());
    EXPECT_EQ(play.round().lastDrawnPosition, 0);
}

TEST_F(PlayTest, InPracticeTheBuzzersOpenAtOnceAndTheClockNeverRuns)
{
    game.practice = true;
    startRound();
    dealAndSpin();
    EXPECT_TRUE(play.round().buzzersOpen);
    timer("roundClock").fire(500);
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
    timer("roundClock").fire();
    EXPECT_EQ(game.clockPosition, 240);
    EXPECT_EQ(doubles.music.commands.count("Play"), 1);
    doubles.music.positionTicks = 502;  // 0.498 of the piece left: 119.52 steps
    timer("roundClock").fire();
    EXPECT_EQ(game.clockPosition, 120);
    EXPECT_EQ(doubles.music.commands.count("Play"), 1);

    // A piece of no length leaves no time at all.
    doubles.music.lengthTicks = 0;
    timer("roundClock").fire();
    EXPECT_EQ(game.clockPosition, 0);
    doubles.music.commands.clear();
    exitFinderOnceSolved();
    timer("roundClock").fire();
    // Closed under the finder, opened as the window is prepared again, closed as it hides.
    EXPECT_EQ(doubles.music.commands, (QStringList{"Close", "Open", "Close"}));
}

TEST_F(PlayTest, WithoutMusicTheDeviceIsMutedAndNeverOpened)
{
    startRound();
    EXPECT_TRUE(doubles.music.mute);
    EXPECT_EQ(doubles.music.updateInterval, 102);
    dealAndSpin();
    timer("roundClock").fire(10);
    EXPECT_FALSE(doubles.music.commands.contains("Open"));
    EXPECT_FALSE(doubles.music.commands.contains("Play"));
}

TEST_F(PlayTest, HidingTheWindowStopsItsClocksAndFlashes)
{
    startRound();
    timer("roundClock").fire(7);
    timer("spin").fire(5);
    play.hide();
    EXPECT_FALSE(timer("spin").isEnabled());

    startRound();
    dealAndSpin();
    timer("roundClock").fire();
    buzz(0);
    play.hide();
    EXPECT_FALSE(timer("roundClock").isEnabled());
    EXPECT_FALSE(timer("buzzerPoll").isEnabled());
    EXPECT_FALSE(timer("flash").isEnabled());
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
    timer("roundClock").fire(3);
    expectRepaintChangesNothing("dealing");
    timer("roundClock").fire(4);
    timer("spin").fire(10);
    expectRepaintChangesNothing("spin");
    timer("spin").fire(20);
    timer("roundClock").fire(5);
    expectRepaintChangesNothing("clock running");

    play.round().answering = true;
    play.round().buzzFlashDone = true;
    expectRepaintChangesNothing("answer");

    play.round().answering = false;
    play.board().madeNumbers[0].caption = "306";
    play.round().winningSlot = 0;
    play.round().animationTicks = 100;
    timer("roundClock").stop();
    timer("flash").start();
    timer("flash").fire(3);
    expectRepaintChangesNothing("winning flash");
}

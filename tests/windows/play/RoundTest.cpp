// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/puzzle/Target.h"
#include "doubles/Draws.h"
#include "doubles/PhoneClient.h"
#include "PlayTest.h"
#include "platform/network/Phones.h"
#include "windows/finder/FinderWindow.h"
#include "windows/scores/RoundTable.h"
#include "windows/setup/SetUpWindow.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QPushButton>
#include <QScreen>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace colour = play::colour;

TEST_F(PlayTest, ARoundDealsSevenNumbersSpinsToATargetAndRunsItsClockDownWithTheBuzzersClosedTillThen)
{
    doubles.random.script(draws::deal({2, 3, 4, 10, 20, 100, 150}));
    startRound();
    act("buzz:0 clock*6");
    EXPECT_EQ(captions(play.board().dealtNumbers), (QStringList{"2", "3", "4", "10", "20", "100", ""}));
    act("buzz:0 clock buzz:0");
    for (int tick = 0; tick < 29; ++tick) {
        act("spin buzz:0");
        ASSERT_TRUE(target() >= 100 && target() <= 699) << "spinning through random digits";
    }
    EXPECT_TRUE(timer("spin").isEnabled()) << "the spin lasts thirty ticks";
    act("spin buzz:0");
    EXPECT_EQ(target(), play.round().target());
    EXPECT_GE(target(), 106);
    EXPECT_FALSE(core::isTooEasy(target(), {2, 3, 4, 10, 20, 100, 150}, [] {}));
    EXPECT_FALSE(play.round().isAnswering()) << "the buzzers open with the round clock's first step";
    act("clock");
    EXPECT_EQ(game.clockPosition, 239);
    act("clock*239");
    EXPECT_EQ(game.clockPosition, 0);

    // The 241st running tick ends the round with the finder, and nothing runs on; a phone in
    // the room is shown the finder's way too.
    doubles.phones.setPlaying(game.playing);
    ASSERT_TRUE(doubles.phones.turnOn(QHostAddress::LocalHost));
    doubles::Phone phone(QUrl(doubles.phones.joinAddress()).port());
    phone.join(doubles.phones.roomCode(), 1);
    exitFinderOnceSolved();
    const int made = target();
    act("clock");
    QTest::qWait(50);
    EXPECT_TRUE(std::any_of(phone.received.begin(), phone.received.end(), [&](const QJsonObject& view) {
        return view.value("heading").toString().startsWith(QStringLiteral("Nobody made %1. One way").arg(made)) &&
               view.value("scores").toArray().last().toObject().value("text").toString().endsWith(u'!');
    }));
    EXPECT_TRUE(finderText.startsWith(QStringLiteral("Nobody made %1. One way from 2 3 4 10 20 100 150:\n").arg(made)) &&
                finderText.endsWith(u'!'))
        << finderText.toStdString();
    EXPECT_TRUE(program.roundTable().isVisible());
    expectSoundRound();
    // The finder's close prepared the window again; the tick that ended the round did nothing after.
    EXPECT_EQ(std::tuple(game.clockPosition, play.round().phase(), QColor(pixel(251, 219))),
              std::tuple(240, core::Round::Phase::Dealing, colour::Background));
}

TEST_F(PlayTest, EachDifficultyHasItsClockPracticeRunsNoneAndSilenceNeverOpensTheMusic)
{
    for (const auto& [difficulty, practice, interval] :
         {std::tuple{0, false, 647}, {1, false, 205}, {2, false, 50}, {2, true, 50}}) {
        game.difficulty = difficulty;
        game.practice = practice;
        game.musicOn = practice;  // practice plays no music, even with Music On
        startRound();
        EXPECT_EQ(timer("roundClock").interval(), interval) << difficulty;
        EXPECT_EQ(doubles.music.mute, !game.musicOn);
        act("clock*7 spin*30");
        EXPECT_EQ((play.round().phase() == core::Round::Phase::BuzzersOpen), practice) << "in practice the buzzers open at once";
        act("clock*10");
        EXPECT_EQ(game.clockPosition, practice ? 240 : 230);
        EXPECT_TRUE(!practice || pixel(251, 219) == colour::Background.rgb()) << "no dial in practice";
        play.hide();
    }
    EXPECT_FALSE(doubles.music.commands.contains("Open"));
}

// With music, the piece is the round clock. Should it not open, or stand still for ten ticks,
// it is turned off for good, with the sounds, and the plain clock goes on.
TEST_F(PlayTest, WithMusicThePieceIsTheRoundClockStopsForEveryAnswerAndIsTurnedOffForGoodAtAFault)
{
    game.musicOn = true;
    startRound();
    EXPECT_EQ(std::tuple(doubles.music.deviceType, doubles.music.fileName, doubles.music.mute),
              std::tuple(QStringLiteral("Sequencer"), doubles.services.dataFolder + "/Zarvelm.mid", false));
    act("clock*7 spin*30");
    EXPECT_FALSE(doubles.music.commands.contains("Play")) << "the music waits for the round clock";
    doubles.music.commands.clear();
    doubles.music.lengthTicks = 1000;
    act("clock");
    EXPECT_EQ(game.clockPosition, 240);
    doubles.music.positionTicks = 502;  // 0.498 of the piece left: 119.52 steps
    act("clock");
    EXPECT_EQ(game.clockPosition, 120);
    // An answer stops the piece; the quit question resumes only music that was playing.
    act("turn:0 giveUp quit:No turn:1 quit:No giveUp");
    EXPECT_EQ(doubles.music.commands, (QStringList{"Play", "Stop", "Play", "Stop", "Play", "Stop", "Stop", "Play"}));
    doubles.music.positionTicks = 600;  // and there it stands still
    act("clock*10");
    EXPECT_EQ(messageTitles(), (QStringList{"Quit", "Quit"}));
    act("clock");
    doubles.music.positionTicks += 100;
    act("clock");
    ASSERT_EQ(messageTitles(), (QStringList{"Quit", "Quit", "Error"})) << "told once";
    EXPECT_EQ(doubles.messages.shown.back().text,
              "There appears to be a problem with the sound, music will now be disabled.");
    EXPECT_EQ(std::tuple(game.musicOn, doubles.music.commands.last()), std::tuple(false, QStringLiteral("Close")));
    EXPECT_EQ(game.clockPosition, 95) << "the plain clock goes on from where the music left it";

    play.hide();
    doubles.messages.shown.clear();
    game.musicOn = game.soundsOn = true;
    doubles.music.opens = false;
    startRound();
    // Told at Open, before any tick: a piece that never opened would end the round at once.
    ASSERT_EQ(messageTitles(), QStringList{"Error"});
    ASSERT_EQ(std::tuple(game.musicOn, doubles.music.commands.last()), std::tuple(false, QStringLiteral("Close")));
    EXPECT_FALSE(game.soundsOn || doubles.music.soundsOpen) << "the sounds fall silent with the music";
    act("clock*7 spin*30 clock*10");
    EXPECT_EQ(messageTitles(), QStringList{"Error"}) << "told once";
    EXPECT_EQ(std::tuple(game.clockPosition, game.musicOn), std::tuple(230, false));
    play.hide();
    program.setUpWindow().show();
    settle();
    for (const char* name : {"music", "sounds"}) {
        const QCheckBox* box = control<QCheckBox>(program.setUpWindow(), name);
        EXPECT_FALSE(box->isChecked() || box->isEnabled()) << "the set-up window says so for the rest of the run";
    }
}

TEST_F(PlayTest, TheWinAndTheRoundsEndSoundAtTheirMomentsSoundsThatCannotOpenAreAFaultAndSoundsOffIsSilent)
{
    for (const bool soundsOn : {true, false}) {
        game.soundsOn = soundsOn;
        doubles.music.sounds.clear();
        openBuzzers();
        act("target:306 turn:1");
        make306();
        const QStringList won = soundsOn ? QStringList{"Buzz", "Win"} : QStringList{};
        EXPECT_EQ(doubles.music.sounds, won) << "the win is heard as the target is made";
        act("flash*40");
        ASSERT_TRUE(program.roundTable().isVisible());
        EXPECT_EQ(doubles.music.sounds, won) << "a won round ends on the win's sound";
        program.roundTable().hide();
        openBuzzers();
        exitFinderOnceSolved([&] {
            EXPECT_EQ(doubles.music.sounds.mid(2), soundsOn ? QStringList{"RoundOver"} : QStringList{});
        });
        act("clock*241");
        ASSERT_TRUE(program.roundTable().isVisible());
        EXPECT_EQ(doubles.music.soundsOpen, soundsOn);
        program.roundTable().hide();
    }
    // Sounds that cannot open are the one sound fault, with music off too.
    game.soundsOn = true;
    doubles.music.soundsOpens = false;
    startRound();
    startRound();
    EXPECT_EQ(std::tuple(messageTitles(), game.soundsOn, game.soundFailed),
              std::tuple(QStringList{"Error"}, false, true));
}

TEST_F(PlayTest, TheBuzzFlashBlinksTheContenderPanelSixteenTimesAndTheWinningTileThirty)
{
    openBuzzers();
    act("target:306 buzz:0 flash");
    EXPECT_EQ(pixel(192, 144), colour::Yellow.rgb());
    EXPECT_EQ(pixel(195, 147), colour::Red.rgb());
    EXPECT_GT(count({192, 144, 121, 25}, colour::White), 10) << "white name on red";
    act("flash*14 giveUp");
    EXPECT_TRUE(play.round().isAnswering()) << "refused during the buzz flash";
    act("flash*20");
    EXPECT_EQ(pixel(192, 144), colour::Red.rgb());
    EXPECT_EQ(pixel(195, 147), colour::Yellow.rgb());
    EXPECT_GT(count({192, 144, 121, 25}, colour::Black), 10) << "black name on yellow";

    act("dealtNumber1 multiply dealtNumber5 equals dealtNumber0 add dealtNumber2 equals madeNumber0 add madeNumber1 "
        "equals flash");
    EXPECT_EQ(pixel(52, 220), colour::White.rgb());
    EXPECT_GT(count({32, 184, 41, 41}, colour::Blue), 10) << "blue number on white";
    act("flash*28");
    EXPECT_TRUE(play.isVisible()) << "the round goes on until the flash ends";
    act("flash*5");
    EXPECT_EQ(pixel(52, 220), colour::Blue.rgb());
    EXPECT_FALSE(play.isVisible()) << "the round has ended, without the finder";
    EXPECT_TRUE(program.roundTable().isVisible());
}

TEST_F(PlayTest, F11TakesTheGameFullScreenFromWindowToWindowAndEscapeLeavesIt)
{
    openBuzzers();
    QTest::keyClick(&play, Qt::Key_F11);
    EXPECT_TRUE(play.isShownFullScreen());
    EXPECT_EQ(play.geometry(), play.screen()->geometry()) << "with or without a window manager";
    // Asked of the window manager too, after the geometry: one given a geometry later keeps its frame.
    QTest::keyClick(&play, Qt::Key_F11);
    QTest::keyClick(&play, Qt::Key_F11);
    EXPECT_TRUE(play.windowState() & Qt::WindowFullScreen);
    act("target:306 turn:0");
    make306();
    act("flash*30");
    RoundTable& table = program.roundTable();
    EXPECT_TRUE(table.isVisible() && table.geometry() == table.screen()->geometry()) << "the round table follows the play window";
    QTest::keyClick(&table, Qt::Key_Escape);
    EXPECT_FALSE(table.isShownFullScreen());
    EXPECT_EQ(table.size(), QSize(352, 284));
}

TEST_F(PlayTest, EndRoundWaitsForTheTargetAndIsRefusedDuringTheWinningFlash)
{
    // Should End Round open the finder too soon, it is noted and left at once (000 is never found).
    bool finderOpened = false;
    FinderWindow& finder = program.finderWindow();
    doubles::once(play, [&] { return finder.isVisible(); }, [&] {
        finderOpened = true;
        QTest::mouseClick(control<QPushButton>(finder, "exit"), Qt::LeftButton);
    });
    game.practice = true;
    doubles.random.script(draws::deal(exampleDeal));
    startRound();
    for (const char* steps : {"clock*3 endRound", "clock*4 spin*10 endRound"}) {
        act(steps);
        EXPECT_TRUE(play.isVisible() && !finderOpened) << steps;
    }
    // Hidden in the middle of the spin or of a flash, the window leaves no timer of them running.
    play.hide();
    EXPECT_FALSE(timer("spin").isEnabled());
    doubles.random.script(draws::deal(exampleDeal));
    startRound();
    act("clock*7 spin*30 target:306 turn:0");
    make306();
    act("flash*5 endRound");
    EXPECT_TRUE(play.isVisible() && !finderOpened) << "refused during the winning flash";
    EXPECT_EQ(game.roundScores[0], 2);
    play.hide();
    EXPECT_FALSE(timer("flash").isEnabled());
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Odd input and broken pieces met in the middle of a game: damaged music, names of any
// length and script, and the play window closed by its frame at every stage of a round.
#include "WholeGame.h"
#include "platform/FluidSynthMusic.h"
#include "scores/EndGame.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

const QString soundFault = "There appears to be a problem with the sound, music will now be disabled.";

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// The game's data folder with its music damaged, played through the real music device
// (writing its sound to nowhere).
class DamagedMusicTest : public ::testing::Test {
protected:
    DamagedMusicTest()
    {
        Program::reset();
        Program::PlayerActive = {true, true, false, false, false, false};
        Program::RoundCount = 1;
        Program::CurrentRound = 1;
        Program::MusicOn = true;
        Program::Difficulty = 1;
    }
    ~DamagedMusicTest() override { Program::reset(); }

    void writePiece(const QByteArray& bytes)
    {
        QFile file(folder.filePath("Zarvelm.mid"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    doubles::TestServices doubles;
    QTemporaryDir folder;
    platform::FluidSynthMusic music{platform::FluidSynthMusic::defaultSoundFont(), QStringLiteral("file"),
                                    QStringLiteral("/dev/null")};
    platform::Services services{doubles.application, doubles.clock, doubles.random, doubles.keys, doubles.messages,
                                music,               doubles.help,  doubles.timers, folder.path()};
    Windows windows{services};
};

TEST_F(DamagedMusicTest, TheRoundGoesOnWithoutMusicAfterOneMessage)
{
    // A piece cut short: the reader refuses it as the device opens it.
    const QByteArray piece = contents(doubles::TestServices::dataDir() + "/Zarvelm.mid");
    writePiece(piece.left(piece.size() / 2));
    MainForm& play = windows.mainForm();
    play.Prepare();
    play.show();
    QCoreApplication::sendPostedEvents();

    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_EQ(doubles.messages.shown[0].text, soundFault);
    EXPECT_FALSE(Program::MusicOn);
    EXPECT_FALSE(windows.players().MusicBox->isChecked());
    EXPECT_FALSE(windows.players().MusicBox->isEnabled());

    // Dealt, spun, and the silent clock runs the round down.
    doubles.timers["Clock"].fire(7);
    doubles.timers["RndTotal"].fire(30);
    doubles.timers["Clock"].fire(10);
    EXPECT_EQ(Program::ClockPosition, 230);
    EXPECT_EQ(doubles.messages.shown.size(), 1u) << "told once";
}

// The stages of a round at which the play window can be closed by its frame.
enum class Stage { Deal, Spin, Clock, BuzzFlash, Answer, WinningFlash };

class CloseAtEveryStage : public WholeGameTest,
                          public ::testing::WithParamInterface<std::tuple<Stage, platform::Answer>> {
protected:
    void reach(Stage stage)
    {
        startGame("1", false, exampleDeal);
        if (stage == Stage::Deal) {
            timer("Clock").fire(3);
            return;
        }
        timer("Clock").fire(7);
        if (stage == Stage::Spin) {
            timer("RndTotal").fire(10);
            return;
        }
        timer("RndTotal").fire(30);
        setTarget("306");
        runClockTo(150);
        if (stage == Stage::Clock)
            return;
        buzz(0);
        if (stage == Stage::BuzzFlash) {
            timer("Flash").fire(5);
            return;
        }
        timer("Flash").fire(11);
        for (const char* control : {"ClickOrig1", "Multiply", "ClickOrig5"})
            click(control);
        if (stage == Stage::WinningFlash) {
            for (const char* control : {"Operate", "ClickOrig0", "Add", "ClickOrig2", "Operate", "ClickMade0", "Add",
                                        "ClickMade1", "Operate"})
                click(control);
            timer("Flash").fire(3);
        }
    }

    // Everything a player sees of the round, and which of its timers run.
    struct Round {
        play::RoundFields fields;
        play::BoardTemplates board;
        std::int16_t clockPosition;
        std::array<bool, 4> running;
        QImage backBuffer;
        bool operator==(const Round&) const = default;
    };
    Round round()
    {
        return {play, play, Program::ClockPosition,
                {timer("Clock").isEnabled(), timer("RndTotal").isEnabled(), timer("Flash").isEnabled(),
                 timer("KeyCheck").isEnabled()},
                play.backBuffer()};
    }

    // Plays the round on to its table as the players would if they did nothing more: turns
    // run out on the wall clock, the round clock runs down, the finder is closed.
    void playOn()
    {
        exitFinderOnceSolved();
        for (int step = 0; step < 5000 && !windows.roundEnd().isVisible(); ++step) {
            doubles.clock.advanceSeconds(1);
            for (const char* name : {"RndTotal", "Flash", "Clock", "KeyCheck"}) {
                if (timer(name).isEnabled()) {
                    timer(name).fire();
                    break;
                }
            }
            settle();
        }
    }
};

TEST_P(CloseAtEveryStage, TheQuitQuestionEndsTheGameOrLeavesTheRoundAsItWas)
{
    const auto [stage, answer] = GetParam();
    reach(stage);
    ASSERT_TRUE(play.isVisible());
    const Round before = round();

    doubles.messages.answers = {answer};
    bool clockRanWhileAsking = true;
    doubles.messages.whileOpen = [&] { clockRanWhileAsking = timer("Clock").isEnabled(); };
    play.close();
    EXPECT_FALSE(clockRanWhileAsking);
    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_EQ(doubles.messages.shown[0].text, "Do you want to quit?");
    if (answer == platform::Answer::Yes) {
        EXPECT_EQ(doubles.application.quits, 1);
        return;
    }
    EXPECT_EQ(doubles.application.quits, 0);
    EXPECT_TRUE(play.isActive());
    EXPECT_TRUE(round() == before) << "the round is as it was";

    playOn();
    ASSERT_TRUE(windows.roundEnd().isVisible());
    EXPECT_EQ(Program::TotalScore[0], stage == Stage::WinningFlash ? 3 : 0);
    for (std::size_t i = 1; i < doubles.messages.shown.size(); ++i)
        EXPECT_NE(doubles.messages.shown[i].title, "Quit") << "asked once";
}

INSTANTIATE_TEST_SUITE_P(Rounds, CloseAtEveryStage,
                         ::testing::Combine(::testing::Values(Stage::Deal, Stage::Spin, Stage::Clock, Stage::BuzzFlash,
                                                              Stage::Answer, Stage::WinningFlash),
                                            ::testing::Values(platform::Answer::Yes, platform::Answer::No)));

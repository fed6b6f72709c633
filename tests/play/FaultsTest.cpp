// SPDX-License-Identifier: GPL-3.0-or-later
// Odd input and broken pieces met in the middle of a game: damaged music, and names of any
// length and script.
#include "WholeGame.h"
#include "platform/FluidSynthMusic.h"
#include "scores/FinalTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>


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
        game.playing = {true, true, false, false, false, false};
        game.roundCount = 1;
        game.currentRound = 1;
        game.musicOn = true;
        game.difficulty = 1;
    }

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
                                music,               doubles.help,  doubles.timers, doubles.activation, folder.path()};
    core::Game game;
    Windows windows{services, game};
};

TEST_F(DamagedMusicTest, TheRoundGoesOnWithoutMusicAfterOneMessage)
{
    // A piece cut short: the reader refuses it as the device opens it.
    const QByteArray piece = contents(doubles::TestServices::dataDir() + "/Zarvelm.mid");
    writePiece(piece.left(piece.size() / 2));
    PlayWindow& play = windows.playWindow();
    play.prepareRound();
    play.show();
    QCoreApplication::sendPostedEvents();

    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_EQ(doubles.messages.shown[0].text, soundFault);
    EXPECT_FALSE(game.musicOn);
    EXPECT_FALSE(windows.setUpWindow().musicBox->isChecked());
    EXPECT_FALSE(windows.setUpWindow().musicBox->isEnabled());

    // Dealt, spun, and the silent clock runs the round down.
    doubles.timers["roundClock"].fire(7);
    doubles.timers["spin"].fire(30);
    doubles.timers["roundClock"].fire(10);
    EXPECT_EQ(game.clockPosition, 230);
    EXPECT_EQ(doubles.messages.shown.size(), 1u) << "told once";
}

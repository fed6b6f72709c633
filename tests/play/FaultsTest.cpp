// SPDX-License-Identifier: GPL-3.0-or-later
// Odd input and broken pieces met in the middle of a game: damaged music, names of any
// length and script, and every window of a round closed by its frame.
#include "WholeGame.h"
#include "platform/FluidSynthMusic.h"
#include "platform/MessageBox.h"
#include "scores/EndGame.h"
#include "solver/Solvo.h"

#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

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
    const QByteArray piece = contents(doubles::TestServices::dataDir() + "/Zarvelm.mid");
    ASSERT_GT(piece.size(), 100);
    const QByteArray damaged[] = {
        piece.left(piece.size() / 2),                // cut short
        piece.left(14),                              // a header and no track
        QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16),    // another kind of sound file
        QByteArray(piece.size(), '\0'),              // wiped
    };
    for (const QByteArray& bytes : damaged) {
        writePiece(bytes);
        Program::MusicOn = true;
        doubles.messages.shown.clear();
        MainForm& play = windows.mainForm();
        play.Prepare();
        play.show();
        QCoreApplication::sendPostedEvents();

        ASSERT_EQ(doubles.messages.shown.size(), 1u) << bytes.left(20).toHex().toStdString();
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
        play.hide();
        windows.players().MusicBox->setEnabled(true);
    }
}

TEST(QtMessageBoxes, AMessageWithAVeryLongNameStillFitsTheScreen)
{
    platform::QtMessageBoxes messages;
    QRect shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->geometry();
        box->accept();
    });
    messages.show("You've had all your turns, " + QString(10000, u'W') + '.', "All Turns Used");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_LE(shown.width(), screen.width());
    EXPECT_LE(shown.height(), screen.height());
}

TEST_F(WholeGameTest, NamesOfAnyLengthAndScriptAreShownWhereverANameIs)
{
    const QString longName = QString("Zoë ").repeated(2500);
    const QStringList names{longName, "王小明", "سارة", "🎲 Dice 😀", ""};
    // No name stretches a window.
    const QSize tableSize = windows.roundEnd().size();
    const QSize finalSize = windows.endGame().size();
    startGame("1", false, exampleDeal, names);
    ASSERT_TRUE(play.isActive());
    Program::TurnsAllowed = 2;
    for (int i = 0; i < 6; ++i) {
        const QString typed = i < names.size() ? names[i] : windows.players().NameBox[i]->text();
        EXPECT_TRUE(Program::PlayerName[i] == typed) << i;
    }

    // The contender panel shows as much of a name as fits, and nothing beyond it.
    reachTarget("306");
    runClockTo(200);
    const QRect panel(192, 144, 121, 41);
    takeTurn(4);  // once, so that the whole board is drawn afresh with the target set above
    click("GiveUp");
    takeTurn(4);
    const QImage unnamed = play.backBuffer();
    click("GiveUp");
    takeTurn(0);
    EXPECT_TRUE(play.ContLabel.caption == longName);
    QImage named = play.backBuffer();
    EXPECT_GT(count(panel, play::colour::Black), 100) << "the name is drawn";
    QPainter cover(&named);
    cover.drawImage(panel, unnamed, panel);
    cover.end();
    QRect changed;
    for (int y = 0; y < named.height(); ++y)
        for (int x = 0; x < named.width(); ++x)
            if (named.pixel(x, y) != unnamed.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    EXPECT_TRUE(changed.isEmpty()) << "and only inside the panel, not at " << changed.x() << ',' << changed.y() << ' '
                                   << changed.width() << 'x' << changed.height();
    click("GiveUp");

    // A message addressed to the player names them in full.
    takeTurn(0);
    click("GiveUp");
    buzz(0);
    ASSERT_FALSE(doubles.messages.shown.empty());
    EXPECT_TRUE(doubles.messages.shown.back().text == "You've had all your turns, " + longName + ".");

    takeTurn(2);
    EXPECT_EQ(play.ContLabel.caption, "سارة");
    make306();
    finishRound();
    RoundEnd& table = windows.roundEnd();
    for (int i = 0; i < names.size(); ++i)
        EXPECT_TRUE(table.PlayerLabel[i]->text() == names[i]) << i;
    EXPECT_EQ(table.size(), tableSize);

    QTest::mouseClick(table.Button, Qt::LeftButton);
    settle();
    EndGame& final = windows.endGame();
    EXPECT_TRUE(final.PlayerLabel[0]->text() == longName);
    EXPECT_TRUE(final.Winner->text() == "سارة is the winner!");
    EXPECT_EQ(final.size(), finalSize);
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
    play.close();
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

TEST_F(WholeGameTest, TheFinderClosedByItsFrameLeadsOnToTheRoundTable)
{
    startGame("1", false, exampleDeal);
    reachTarget("306");
    auto* watcher = new QTimer(&play);
    QObject::connect(watcher, &QTimer::timeout, watcher, [&] {
        Solvo& finder = windows.solvo();
        if (finder.isVisible() && !finder.isSearching()) {
            watcher->stop();
            finder.close();
        }
    });
    watcher->start(0);
    runClockTo(0);
    timer("Clock").fire();
    settle();
    EXPECT_TRUE(doubles.messages.shown.empty()) << "no question: closing the finder is its Exit";
    EXPECT_FALSE(windows.solvo().isVisible());
    EXPECT_TRUE(windows.roundEnd().isActive());
}

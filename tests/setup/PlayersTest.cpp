// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "play/MainForm.h"
#include "setup/Players.h"
#include "shell/Program.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using platform::Answer;

namespace {

class PlayersTest : public doubles::GameTest {
protected:
    PlayersTest() { openSetUp(); }

    void startGame(const QString& rounds)
    {
        setup.RoundsBox->setText(rounds);
        QTest::mouseClick(setup.StartGame, Qt::LeftButton);
        settle();
    }

    Players& setup = windows.players();
};

}  // namespace

TEST_F(PlayersTest, PlayOpensTheSetUpWindowWithItsFirstEntries)
{
    EXPECT_TRUE(setup.isActive());
    EXPECT_EQ(setup.windowTitle(), "Players");
    EXPECT_TRUE(setup.Playing[0]->isChecked());
    EXPECT_FALSE(setup.Playing[2]->isChecked());
    EXPECT_EQ(setup.NameBox[5]->text(), "Player 6");
    EXPECT_EQ(setup.RoundsBox->text(), "3");
    EXPECT_TRUE(setup.Diff[1]->isChecked());
    EXPECT_EQ(setup.BuzzKey[3]->text(), "Shift");
    EXPECT_EQ(setup.RuleChange->text(), "   Change     Rules");
}

TEST_F(PlayersTest, TheRoundsAreReadAsTheTextsLeadingNumber)
{
    const QString tooMany = "Number of rounds must be less than 1000";
    const struct {
        const char* text;
        int rounds;  // 0: the game does not start
        bool message;
    } cases[] = {
        {"999", 999, false}, {"1000", 0, true}, {" 12 ", 0, true}, {"2.5", 2, false}, {"3.5", 4, false},
        {"1 2", 12, false},  {"", 0, false},    {"0", 0, false},   {"-5", 0, false},  {"9e9", 0, true},
        {"1e3", 0, true},    {"&H10", 0, true}, {"&HF", 15, false}, {"x", 0, false},
    };
    for (const auto& c : cases) {
        Program::RoundCount = 0;
        doubles.messages.shown.clear();
        startGame(QString::fromLatin1(c.text));
        const bool started = windows.mainForm().isVisible();
        EXPECT_EQ(started, c.rounds > 0) << '"' << c.text << '"';
        EXPECT_EQ(Program::RoundCount, c.rounds) << '"' << c.text << '"';
        EXPECT_EQ(!doubles.messages.shown.empty(), c.message) << '"' << c.text << '"';
        if (c.message) {
            EXPECT_EQ(doubles.messages.shown[0].text, tooMany);
        }
        if (started) {
            windows.mainForm().hide();
            setup.show();
            settle();
        }
    }
}

TEST_F(PlayersTest, StartGameFollowsTheTicks)
{
    const auto tick = [&](int place) { QTest::mouseClick(setup.Playing[place], Qt::LeftButton, {}, QPoint(6, 12)); };
    tick(0);
    EXPECT_TRUE(setup.StartGame->isEnabled());
    tick(1);
    EXPECT_FALSE(setup.StartGame->isEnabled());
    tick(4);
    EXPECT_TRUE(setup.StartGame->isEnabled());
}

TEST_F(PlayersTest, StartingAGameFillsTheSharedStateAndHandsOverToThePlayWindow)
{
    Program::TotalScore[0] = 7;
    Program::TimesStopped[1] = 2;
    Program::TurnSeconds = 30;
    setup.NameBox[0]->setText("  Zoë ");
    setup.NameBox[1]->setText("");
    setup.NameBox[4]->setText("名前 🎲");
    setup.Diff[2]->setChecked(true);
    setup.CheckPractise->setChecked(true);
    startGame("2");

    EXPECT_EQ(Program::PlayerName[0], "  Zoë ");
    EXPECT_EQ(Program::PlayerName[1], "");
    EXPECT_EQ(Program::PlayerName[4], "名前 🎲") << "stored even though the place does not play";
    EXPECT_EQ(Program::PlayerActive, (std::array<bool, 6>{true, true, false, false, false, false}));
    EXPECT_EQ(Program::TotalScore[0], 0);
    EXPECT_EQ(Program::TimesStopped[1], 0);
    EXPECT_EQ(Program::CurrentRound, 1);
    EXPECT_EQ(Program::RoundCount, 2);
    EXPECT_EQ(Program::Difficulty, 2);
    EXPECT_TRUE(Program::PractiseMode);
    EXPECT_TRUE(Program::MusicOn) << "Music On is ticked";
    EXPECT_NEAR(Program::TurnTime * 86400, 30, 1e-9);

    // The round the players see is set up with the values stored after the show.
    MainForm& play = windows.mainForm();
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(play.isActive());
    EXPECT_EQ(doubles.timers["Clock"].interval(), 50);
    EXPECT_TRUE(play.findChild<QPushButton*>("EndRoundButton")->isVisible());
}

TEST_F(PlayersTest, ClosingTheWindowAsksWhetherToQuit)
{
    setup.close();
    EXPECT_TRUE(setup.isVisible());
    EXPECT_EQ(doubles.messages.shown.size(), 1u);
    doubles.messages.answers = {Answer::Yes};
    setup.close();
    EXPECT_EQ(doubles.application.quits, 1);
}

TEST_F(PlayersTest, HelpOpensTheHelp)
{
    QTest::mouseClick(setup.HelpButton, Qt::LeftButton);
    EXPECT_EQ(doubles.help.opened, QStringList{doubles.services.appDir + "/Solvo.hlp"});
}

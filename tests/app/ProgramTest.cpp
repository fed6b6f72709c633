// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Game.h"
#include "doubles/TestGame.h"
#include "platform/Application.h"
#include "scores/FinalTable.h"
#include "scores/RoundTable.h"
#include "setup/SetUpWindow.h"
#include "platform/QuitAndHelp.h"
#include "title/TitleWindow.h"

#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstdlib>

using doubles::GameTest;
using platform::Answer;

using ProgramTest = GameTest;

TEST_F(ProgramTest, StartUpSetsTheRuleDefaultsAndOpensTheTitleWindow)
{
    windows.showTitle();
    EXPECT_EQ(game.rules.turnsAllowed, 3);
    EXPECT_EQ(game.rules.turnSeconds, 90);
    EXPECT_EQ(game.rules.idleSeconds, 20);
    EXPECT_EQ(game.rules.cancelsAllowed, 5);
    EXPECT_EQ(game.rules.stopsAllowed, 5);

    TitleWindow& title = windows.titleWindow();
    EXPECT_TRUE(title.isVisible());
    EXPECT_FALSE(title.isActive()) << "activation waits until start-up has returned";
    settle();
    EXPECT_TRUE(title.isActive());
}

TEST_F(ProgramTest, ConfirmQuitEndsTheProgramOnlyOnYes)
{
    doubles.messages.answers = {Answer::No, Answer::Yes};

    EXPECT_FALSE(platform::confirmQuit(doubles.services));
    EXPECT_EQ(doubles.application.quits, 0);
    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_EQ(doubles.messages.shown[0].text, "Do you want to quit?");
    EXPECT_EQ(doubles.messages.shown[0].title, "Quit");
    EXPECT_EQ(doubles.messages.shown[0].buttons, platform::Buttons::YesNo);

    platform::confirmQuit(doubles.services);
    EXPECT_EQ(doubles.application.quits, 1);
}

TEST_F(ProgramTest, HelpOpensTheHelpFileBesideTheProgramOrSaysWhyNot)
{
    platform::showHelp(doubles.services);
    EXPECT_EQ(doubles.help.opened, QStringList{doubles.services.appDir + "/Solvo.hlp"});
    EXPECT_TRUE(doubles.messages.shown.empty());

    // The player is told which file, and whether it is missing or damaged.
    doubles.help.outcome = platform::HelpShown::Unreadable;
    platform::showHelp(doubles.services);
    doubles.help.outcome = platform::HelpShown::Damaged;
    platform::showHelp(doubles.services);
    ASSERT_EQ(doubles.messages.shown.size(), 2u);
    for (const auto& shown : doubles.messages.shown) {
        EXPECT_EQ(shown.title, "Help");
        EXPECT_TRUE(shown.text.contains("Solvo.hlp"));
    }
    EXPECT_TRUE(doubles.messages.shown[0].text.contains("is missing or cannot be read"));
    EXPECT_TRUE(doubles.messages.shown[1].text.contains("is damaged"));
}

TEST_F(ProgramTest, TheWindowsBetweenRoundsAskBeforeQuittingAndOfferTheHelp)
{
    openSetUp();
    for (platform::Form* window : std::initializer_list<platform::Form*>{
             &windows.titleWindow(), &windows.setUpWindow(), &windows.roundTable(), &windows.finalTable()}) {
        window->show();
        settle();
        window->close();
        EXPECT_TRUE(window->isVisible()) << window->windowTitle().toStdString();
        doubles.messages.answers = {Answer::Yes};
        window->close();
        window->hide();
    }
    EXPECT_EQ(doubles.messages.shown.size(), 8u);
    EXPECT_EQ(doubles.application.quits, 4);

    for (QPushButton* help : {windows.titleWindow().findChild<QPushButton*>("Help"), windows.setUpWindow().helpButton})
        QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(doubles.help.opened, QStringList(2, doubles.services.appDir + "/Solvo.hlp"));
}

namespace {

// Closes the set-up window by its frame, with the title window open too, both windows
// that ask the quit question when closed; the answer is Yes. The real quit never returns,
// and a second question ends the process with another code.
[[noreturn]] void quitFromTheSetUpWindow()
{
    doubles::TestServices doubles;
    platform::ProcessApplication application;
    platform::Services services{application,      doubles.clock, doubles.random, doubles.keys,
                                doubles.messages, doubles.music, doubles.help,   doubles.timers,
                                doubles.activation, doubles.services.appDir};
    core::Game game;
    Windows windows(services, game);
    windows.showTitle();
    windows.setUpWindow().show();
    doubles.messages.answers = {Answer::Yes};
    int asked = 0;
    doubles.messages.whileOpen = [&] {
        if (++asked > 1)
            std::_Exit(3);
    };
    windows.setUpWindow().close();
    std::_Exit(4);
}

}  // namespace

TEST(ProcessApplication, YesToTheQuitQuestionEndsTheProcessWithoutAskingAgain)
{
    // Qt runs threads of its own: the child starts afresh rather than as a fork of this one.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(quitFromTheSetUpWindow(), ::testing::ExitedWithCode(0), "");
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Choices.h"
#include "doubles/TestGame.h"
#include "platform/Application.h"
#include "windows/play/PlayWindow.h"
#include "windows/scores/FinalTable.h"
#include "windows/scores/RoundTable.h"
#include "windows/setup/SetUpWindow.h"
#include "windows/title/TitleWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstdlib>

using platform::Answer;
using ProgramTest = doubles::GameTest;

// The title's dials show the hand from the top before their first tick, and on every return.
TEST_F(ProgramTest, TheWindowsBetweenRoundsShowTheirDialsAskBeforeQuittingAndOfferTheHelp)
{
    program.showTitle();
    settle();
    TitleWindow& title = program.titleWindow();
    // The hand up (white above the dial's centre) or at nine o'clock (white left of it).
    const auto hand = [&] {
        const QImage& dial = title.dial();
        const auto white = [&](QPointF at) {
            return dial.pixel((at * dial.devicePixelRatio()).toPoint()) == qRgb(255, 255, 255);
        };
        return white({45, 15}) && !white({15, 45}) ? "up" : white({15, 45}) && !white({45, 15}) ? "nine" : "neither";
    };
    EXPECT_STREQ(hand(), "up") << "before the first tick";
    doubles.timers["dials"].fire(76);
    EXPECT_STREQ(hand(), "nine");
    QTest::mouseClick(control<QPushButton>(title, "play"), Qt::LeftButton);
    program.setUpWindow().hide();
    program.showTitle();
    settle();
    EXPECT_STREQ(hand(), "up") << "back at the top before the first tick";
    QTest::mouseClick(control<QPushButton>(title, "play"), Qt::LeftButton);
    settle();
    for (platform::Form* window : std::initializer_list<platform::Form*>{
             &program.titleWindow(), &program.setUpWindow(), &program.roundTable(), &program.finalTable()}) {
        window->show();
        settle();
        window->resize(window->size() + QSize(2, 2));
        doubles.messages.shown.clear();
        doubles.messages.answers = {Answer::No, Answer::Yes};
        const int quits = doubles.application.quits;
        window->close();
        EXPECT_TRUE(window->isVisible() && doubles.application.quits == quits) << "No: " << quits;
        window->close();
        EXPECT_EQ(doubles.application.quits, quits + 1) << "Yes";
        EXPECT_TRUE(doubles.settings.values.contains(
            QStringLiteral("windows/%1/size").arg(window->metaObject()->className())))
            << "a size that had not settled is kept all the same";
        ASSERT_EQ(doubles.messages.shown.size(), 2u);
        const doubles::ShownBox& box = doubles.messages.shown[0];
        EXPECT_TRUE(box.text == "Do you want to quit?" && box.title == "Quit" &&
                    box.buttons == platform::Buttons::YesNo);
        window->hide();
    }
    for (QPushButton* help : {control<QPushButton>(program.titleWindow(), "help"),
                              control<QPushButton>(program.setUpWindow(), "help")})
        QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(doubles.help.opened, QStringList(2, doubles.services.dataFolder + "/Solvo.hlp"));
    EXPECT_EQ(doubles.help.parts, (QStringList{"", "starting"})) << "each at its window's part";
    // A help file that cannot be shown is named, with what is wrong with it.
    for (const auto& [outcome, reason] : {std::pair{platform::HelpShown::Unreadable, "is missing or cannot be read"},
                                          std::pair{platform::HelpShown::Damaged, "is damaged"}}) {
        doubles.help.outcome = outcome;
        doubles.messages.shown.clear();
        QTest::mouseClick(control<QPushButton>(program.setUpWindow(), "help"), Qt::LeftButton);
        const doubles::ShownBox& box = doubles.messages.shown.at(0);
        EXPECT_TRUE(box.title == "Help" && box.text.contains(doubles.services.dataFolder + "/Solvo.hlp") &&
                    box.text.contains(reason))
            << box.text.toStdString();
    }
}

namespace {

// Closes the set-up window by its frame, with the title window open too, both windows
// that ask the quit question when closed; the answer is Yes. The real quit never returns,
// and a second question ends the process with another code.
[[noreturn]] void quitFromTheSetUpWindow()
{
    doubles::TestServices doubles;
    platform::ProcessApplication application;
    platform::Services services{application,      doubles.clock, doubles.random, doubles.keys, doubles.controllers,
                                doubles.messages, doubles.music, doubles.help,   doubles.timers,
                                doubles.activation, doubles.settings, doubles.screen, doubles.phones,
                                doubles.services.dataFolder};
    core::Game game;
    Program program(services, game);
    program.showTitle();
    program.setUpWindow().show();
    doubles.messages.answers = {Answer::Yes};
    int asked = 0;
    doubles.messages.whileOpen = [&] {
        if (++asked > 1)
            std::_Exit(3);
    };
    program.setUpWindow().close();
    std::_Exit(4);
}

}  // namespace

TEST(ProcessApplication, YesToTheQuitQuestionEndsTheProcessWithoutAskingAgain)
{
    // Qt runs threads of its own: the child starts afresh rather than as a fork of this one.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(quitFromTheSetUpWindow(), ::testing::ExitedWithCode(0), "");
}

TEST_F(ProgramTest, TheNextRunStartsWithThePlayersChoicesFullScreenAndTheWindowsSizes)
{
    openSetUp();
    SetUpWindow& setup = program.setUpWindow();
    control<QCheckBox>(setup, "playing", 4)->setChecked(true);
    control<QLineEdit>(setup, "name", 4)->setText("Zoë");
    // The name box keeps as much of a name as the next run reads back.
    control<QLineEdit>(setup, "name", 5)->setText(QString(core::LongestName + 200, u'z'));
    control<QLineEdit>(setup, "rounds")->setText("7");
    control<QRadioButton>(setup, "hard")->setChecked(true);
    control<QCheckBox>(setup, "practice")->setChecked(true);
    // A sound fault turns the music off for this run only.
    game.soundFailed = true;
    // A size is written once it has settled, or as the window hides.
    setup.resize(700, 690);
    EXPECT_FALSE(doubles.settings.values.contains("windows/SetUpWindow/size"));
    doubles.timers["sizeSettled"].fire();
    EXPECT_EQ(doubles.settings.values.value("windows/SetUpWindow/size"), "700 690");
    setup.resize(704, 696);
    game.rules.idleSeconds = 12;
    QTest::mouseClick(control<QPushButton>(setup, "start"), Qt::LeftButton);
    settle();
    program.playWindow().setFullScreen(true);

    // The next run: the same stored settings, everything else afresh.
    doubles::TestServices next;
    next.settings.values = doubles.settings.values;
    core::Game nextGame;
    Program nextRun(next.services, nextGame);
    core::Choices expected;
    expected.playing[4] = true;
    expected.names[4] = "Zoë";
    expected.names[5] = QString(core::LongestName, u'z');
    expected.rounds = 7;
    expected.difficulty = 2;
    expected.practice = true;
    expected.rules.idleSeconds = 12;
    EXPECT_TRUE(nextGame.choices == expected);
    EXPECT_EQ(nextGame.rules, expected.rules);
    EXPECT_TRUE(next.screen.fullScreen());
    nextRun.setUpWindow().setFullScreen(false);
    nextRun.setUpWindow().show();
    EXPECT_EQ(nextRun.setUpWindow().size(), QSize(704, 696));
    EXPECT_EQ(std::tuple(control<QLineEdit>(nextRun.setUpWindow(), "name", 4)->text(),
                         control<QLineEdit>(nextRun.setUpWindow(), "rounds")->text()),
              std::tuple(QString("Zoë"), QString("7")));
    // A size kept from a larger screen takes this screen's room, and is no damage.
    next.settings.setValue("windows/RoundTable/size", "16384 16384");
    nextRun.roundTable().show();
    EXPECT_EQ(nextRun.roundTable().size(), nextRun.roundTable().screen()->availableSize());
    EXPECT_EQ(next.settings.badValues, 0);
    // Beyond any screen, it is.
    next.settings.setValue("windows/FinalTable/size", "16385 400");
    nextRun.finalTable().show();
    EXPECT_EQ(nextRun.finalTable().size(), nextRun.finalTable().minimumSize());
    EXPECT_EQ(next.settings.badValues, 1);
}

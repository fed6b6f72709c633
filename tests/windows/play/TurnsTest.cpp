// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"
#include "platform/input/Controllers.h"
#include "PlayTest.h"
#include "windows/setup/SetUpWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>
#include <SDL.h>

#include <csignal>

TEST_F(PlayTest, ATurnsMessagesShowOverTheBoardAsItStoodAndTheBoardFollowsOnceTheyAreRead)
{
    const struct {
        const char* steps;  // once the board is player 1's
        const char* title;  // of the message, if one is shown
        const char* text;
        const char* firstWhileOpen;  // the working row's first number while the message is read
        const char* sounds;          // the sounds played by then
    } cases[] = {
        {"dealtNumber0 divide dealtNumber2 equals", "Operation not allowed", "Only whole numbers allowed in working out.",
         "5", "Buzz Refused"},
        {"dealtNumber3 multiply dealtNumber5 equals", "Operation not allowed", "Numbers must be under 1000", "10",
         "Buzz Refused"},
        {"dealtNumber2 subtract dealtNumber0 equals", "Operation not allowed", "Numbers must be positive", "3",
         "Buzz Refused"},
        {"dealtNumber0 subtract dealtNumber1 equals", nullptr, nullptr, nullptr, "Buzz"},
        {"dealtNumber0 dealtNumber1 +91s clock", "Out of time", "You've had enough time to answer.", "5",
         "Buzz TurnOver"},
        {"dealtNumber0 +21s clock", "Taken Too Long", "I think you've had enough thinking time matey.", "5",
         "Buzz TurnOver"},
        {"dealtNumber0 cancel*6", "Cancelled Too Many Times", "You don't know what you're doing, do you?", "", "Buzz"},
        // From the keyboard: moving the focus is no sign of being at it.
        {"key:Return +19s key:Right*3 +2s clock", "Taken Too Long", "I think you've had enough thinking time matey.",
         "5", "Buzz TurnOver"},
    };
    game.soundsOn = true;
    for (const auto& c : cases) {
        openBuzzers({5, 5, 3, 10, 15, 100, 150});
        doubles.messages.shown.clear();
        doubles.music.sounds.clear();
        QString firstWhileOpen, soundsWhileOpen;
        doubles.messages.whileOpen = [&] {
            firstWhileOpen = play.board().workingRow[0].caption;
            soundsWhileOpen = doubles.music.sounds.join(u' ');
        };
        act(QStringLiteral("turn:0 ") + c.steps);
        EXPECT_EQ(messageTitles(), c.title ? QStringList{c.title} : QStringList{}) << c.steps;
        EXPECT_TRUE(!c.title || (doubles.messages.shown.at(0).text == c.text && firstWhileOpen == c.firstWhileOpen))
            << c.steps;
        EXPECT_EQ(c.title ? soundsWhileOpen : doubles.music.sounds.join(u' '), c.sounds) << c.steps;
        // A refused result leaves the turn going on; a limit ends it.
        const bool refused = !c.title || messageTitles() == QStringList{"Operation not allowed"};
        EXPECT_EQ(captions(play.board().workingRow), (QStringList{"", "+", ""})) << c.steps;
        EXPECT_EQ(std::tuple(numbersOnBoard(), play.round().isAnswering()), std::tuple(7, refused)) << c.steps;
        doubles.messages.whileOpen = nullptr;
        play.hide();
    }
    game.timesStopped[0] = 4;
    doubles.messages.shown.clear();
    openBuzzers();
    act("turn:0 +21s clock");
    EXPECT_EQ(messageTitles(), (QStringList{"Taken Too Long", "Disqualification"}));
    EXPECT_EQ(doubles.messages.shown.back().text, "You have been stopped 5 times.  You are disqualified.");
}

// The lower place wins a buzz, and the board is theirs, with the clock and the music stopped;
// their last turn is announced, and its answer time starts once the reminder is read.
TEST_F(PlayTest, TheLowerPlaceWinsABuzzAndTheLastTurnIsAnnouncedItsAnswerTimeStartingOnceRead)
{
    openBuzzers();
    doubles.keys.held = {platform::vk::Shift, platform::vk::A};
    act("poll");
    EXPECT_EQ(play.round().answeringPlayer(), 0);
    EXPECT_EQ(play.board().contenderName.caption, "Ann");
    EXPECT_EQ(doubles.music.commands.last(), "Stop") << "asked whether or not music is on";
    EXPECT_EQ(doubles.controllers.pumps, 0) << "no player has a button: the devices stay unread";
    const auto position = game.clockPosition;
    act("clock*20");
    EXPECT_EQ(game.clockPosition, position) << "the round clock stands still during an answer";
    act("flash*16 giveUp turn:0 giveUp");
    doubles.messages.whileOpen = [&] { act("+15s clock"); };  // the tick is held back while the player reads
    act("turn:0");
    doubles.messages.whileOpen = nullptr;
    EXPECT_EQ(messageTitles(), QStringList{"Last Turn"});
    EXPECT_EQ(doubles.messages.shown[0].text, "Remember, this is your last turn!");
    EXPECT_EQ(play.round().answerStart() - play.round().lastSelection(), std::chrono::seconds(15));
}

// SDL's virtual devices stand for the controllers: two identical pads, a USB buzzer set of
// 128 buttons and a device with none.
TEST_F(PlayTest, ControllerButtonsAreBuzzersAssignedInTheSetUpWindowAndRemembered)
{
    doubles.controllers.sdl = std::make_unique<platform::SdlControllers>();
    const auto plug = [](SDL_JoystickType type, int buttons, const char* name) {
        SDL_VirtualJoystickDesc device{SDL_VIRTUAL_JOYSTICK_DESC_VERSION, Uint16(type), 0, Uint16(buttons)};
        device.name = name;
        return SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&device));
    };
    const auto unplug = [](SDL_Joystick* device) {
        for (int index = 0; index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == SDL_JoystickInstanceID(device))
                SDL_JoystickDetachVirtual(index);
    };
    const auto press = [](SDL_Joystick* device, int button, bool down = true) {
        SDL_JoystickSetVirtualButton(device, button, down ? SDL_PRESSED : SDL_RELEASED);
    };
    SDL_Joystick* firstPad = plug(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 15, "Pad");
    SDL_Joystick* buzzers = plug(SDL_JOYSTICK_TYPE_UNKNOWN, 128, "Buzzers");
    plug(SDL_JOYSTICK_TYPE_UNKNOWN, 0, "Nothing");
    SDL_Joystick* secondPad = plug(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 15, "Pad");

    openSetUp();
    SetUpWindow& setup = program.setUpWindow();
    const auto assign = [&](int place, SDL_Joystick* device, int button) {
        QTest::mouseClick(control(setup, "buzzer", place), Qt::LeftButton);
        // The cell shows its whole text, on two lines and smaller if need be.
        EXPECT_EQ(control<QLabel>(setup, "buzzerName", place)->text(), "Press a button");
        press(device, button);
        timer("buttonPoll").fire();
        press(device, button, false);
        return control<QLabel>(setup, "buzzerName", place)->text();
    };
    EXPECT_EQ(assign(1, buzzers, 127), "G or Joystick 1 button 128");
    // SDL keeps its hands off the signals: SIGTERM and Ctrl+C end the game as before.
    for (const int signal : {SIGTERM, SIGINT})
        EXPECT_EQ(std::signal(signal, SIG_DFL), SIG_DFL) << signal;
    EXPECT_EQ(assign(2, secondPad, 0), "K or Pad 2 A");
    EXPECT_EQ(assign(0, secondPad, 0), "A or Pad 2 A") << "taken from place 3";
    EXPECT_EQ(control<QLabel>(setup, "buzzerName", 2)->toolTip(), "K");
    QTest::mouseClick(control(setup, "buzzer4"), Qt::LeftButton);
    QTest::keyClick(&setup, Qt::Key_Escape);
    EXPECT_EQ(control<QLabel>(setup, "buzzerName", 3)->toolTip(), "Shift") << "Escape stops waiting";
    EXPECT_FALSE(setup.isShownFullScreen());

    QTest::mouseClick(control<QPushButton>(setup, "start"), Qt::LeftButton);
    settle();
    act("clock*7 spin*30 clock");
    press(firstPad, 0);
    act("poll");
    EXPECT_FALSE(play.round().isAnswering()) << "the same button of the other pad is no buzzer";
    press(secondPad, 0);
    press(buzzers, 127);
    doubles.keys.held = {platform::vk::G};
    act("poll");
    EXPECT_EQ(play.round().answeringPlayer(), 0) << "a key and two buttons: the lower place wins";
    doubles.keys.held.clear();
    press(secondPad, 0, false);
    act("flash*16 giveUp");
    unplug(buzzers);
    act("poll");
    EXPECT_FALSE(play.round().isAnswering()) << "an unplugged device falls silent";
    buzzers = plug(SDL_JOYSTICK_TYPE_UNKNOWN, 128, "Buzzers");
    press(buzzers, 127);
    act("poll");
    EXPECT_EQ(play.round().answeringPlayer(), 1) << "and is heard again when plugged back";

    core::Game nextGame;
    Program nextRun(doubles.services, nextGame);
    EXPECT_EQ(nextGame.choices.buttons, game.choices.buttons);
    for (SDL_Joystick* device : {firstPad, buzzers, secondPad})
        SDL_JoystickClose(device);
}

// At 16:9 a scoreboard stands beside the board: the round, and each player's buzzer, points,
// turns left and stops, the one answering marked with the time their answer has left.
TEST_F(PlayTest, AWideWindowShowsTheScoresTurnsAndTimeLeftBesideTheBoard)
{
    play.resize(1024, 576);
    game.totalScores = {4, 0};
    openBuzzers();
    act("turn:1 +5s clock dealtNumber0 +3s clock");
    using Kind = play::Scoreboard::Line::Kind;
    const auto& board = *play.findChild<play::Scoreboard*>();
    EXPECT_EQ(board.texts(), (QStringList{"Round 1 of 3", "Ann", "A", "4 points, 3 turns left, 0 stops", "Bob", "G",
                                          "0 points, 2 turns left, 0 stops", "Answer: 82 s left, idle: 17 s"}));
    EXPECT_EQ(board.lines()[4].kind, Kind::Answering);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game from the sofa: two players, two rounds, from the title to the final table with
// the game's real message boxes, played once with pads alone and once with the keyboard alone.
#include "doubles/Draws.h"
#include "doubles/TestGame.h"
#include "platform/window/DesignScale.h"
#include "platform/window/FocusRing.h"
#include "windows/finder/FinderWindow.h"
#include "windows/play/PlayWindow.h"
#include "windows/scores/FinalTable.h"
#include "windows/setup/RulesWindow.h"
#include "windows/setup/SetUpWindow.h"
#include "windows/title/AboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include <SDL.h>

#include <functional>
#include <string_view>
#include <utility>

namespace {

using platform::Navigation;

enum class Hands { Pads, Keys };

class SofaTest : public ::testing::TestWithParam<Hands> {
protected:
    static void settle() { QCoreApplication::sendPostedEvents(); }

    SofaTest()
    {
        if (GetParam() == Hands::Keys)
            return;
        doubles.controllers.sdl = std::make_unique<platform::SdlControllers>();
        for (SDL_Joystick*& pad : pads) {
            SDL_VirtualJoystickDesc device{SDL_VIRTUAL_JOYSTICK_DESC_VERSION, SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                           SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX};
            pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&device));
        }
    }
    ~SofaTest() override
    {
        for (SDL_Joystick* pad : pads)
            SDL_JoystickClose(pad);
        for (int index = SDL_NumJoysticks() - 1; index >= 0; --index)
            SDL_JoystickDetachVirtual(index);
    }

    // Presses of `player`'s pad (the first pad for the windows between rounds), or of the keys
    // that do the same on the window or box in front, one letter each: U D L R for the moves,
    // A to choose, B to go back.
    void press(const char* letters, int player = 0)
    {
        static constexpr SDL_GameControllerButton buttons[] = {
            SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
            SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B};
        static constexpr Qt::Key keys[] = {Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
                                           Qt::Key_Right, Qt::Key_Return, Qt::Key_Escape};
        for (const char* letter = letters; *letter; ++letter) {
            const int input = int(std::string_view("UDLRAB").find(*letter));
            if (GetParam() == Hands::Pads) {
                // Up, down and up again, each seen by a poll: a press that opened a box may
                // still be held as the box's own loop polls.
                for (const Uint8 state : {SDL_RELEASED, SDL_PRESSED, SDL_RELEASED}) {
                    SDL_JoystickSetVirtualButton(pads[player], buttons[input], state);
                    doubles.timers["padPoll"].fire();
                }
            } else {
                QWidget* front = QApplication::activeModalWidget();
                if (!qobject_cast<QMessageBox*>(front))
                    front = doubles.activation.active();
                QTest::keyClick(front->focusWidget() ? front->focusWidget() : front, keys[input]);
            }
            settle();
        }
    }

    // The player of `place` buzzes with their pad's A or their key, held on into the answer.
    void buzz(int place)
    {
        for (const bool down : {true, false}) {
            if (GetParam() == Hands::Pads)
                SDL_JoystickSetVirtualButton(pads[place], SDL_CONTROLLER_BUTTON_A, down);
            else
                doubles.keys.held = down ? std::set<int>{platform::buzzerKeys[place].key} : std::set<int>{};
            doubles.timers[down ? "buzzerPoll" : "padPoll"].fire();
            doubles.timers["padPoll"].fire();
        }
        doubles.timers["flash"].fire(16);
    }

    // The answering player moves the ring onto the board's tile or control named as the play
    // window's tests name them, as the eye would, and chooses it.
    void choose(const QString& name, int player)
    {
        PlayWindow& play = program.playWindow();
        const auto& ring = *play.findChild<platform::FocusRing*>();
        const QRect place = name.startsWith(u"dealt") ? play.board().dealtTiles[name.back().digitValue()].geometry
                            : name.startsWith(u"made") ? play.board().madeTiles[name.back().digitValue()].geometry
                                                       : platform::DesignScale::designGeometry(*control(play, name));
        for (int step = 0; step < 12 && ring.place() != place; ++step) {
            const QRect at = ring.place();
            const QPoint to = place.center();
            press(to.y() > at.bottom() ? "D" : to.y() < at.top() ? "U" : to.x() > at.center().x() ? "R" : "L", player);
        }
        ASSERT_EQ(ring.place(), place) << name.toStdString();
        press("A", player);
    }

    void once(std::function<bool()> shown, std::function<void()> act)
    {
        doubles::once(program.titleWindow(), std::move(shown), std::move(act));
    }

    doubles::TestServices doubles{true};
    core::Game game;
    Program program{doubles.services, game};
    SDL_Joystick* pads[2]{};
};

TEST_P(SofaTest, TwoPlayersPlayAWholeGameWithoutTheMouse)
{
    const bool withPads = GetParam() == Hands::Pads;
    program.titleWindow().setFullScreen(true);  // as on a television, for the whole evening
    program.showTitle();
    settle();
    doubles.timers["padPoll"].fire();  // the pads as they stand before anyone presses
    if (withPads) {
        // The left stick moves the focus once pushed beyond its dead zone: down to Help, and
        // a touch to the right moves nothing.
        for (const auto [axis, push] : {std::pair{SDL_CONTROLLER_AXIS_LEFTY, 30000}, {SDL_CONTROLLER_AXIS_LEFTY, 0},
                                        {SDL_CONTROLLER_AXIS_LEFTX, 9000}, {SDL_CONTROLLER_AXIS_LEFTX, 0}}) {
            SDL_JoystickSetVirtualAxis(pads[0], axis, Sint16(push));
            doubles.timers["padPoll"].fire();
        }
        EXPECT_EQ(program.titleWindow().focusWidget(), control(program.titleWindow(), "help"));
        press("U");
    }
    // The About box, and back (B, Escape, closes it); then Play!, where the focus started.
    once([&] { return qobject_cast<AboutBox*>(doubles.activation.active()); }, [&] { press("B"); });
    press("DRAUA");
    SetUpWindow& setup = program.setUpWindow();
    if (withPads) {
        // Up the Buzzer column from Start Game: each player's pad A becomes their buzzer, the
        // cell's wait taking the next button pressed.
        press("UUUUUU");
        for (int place = 0; place < 2; ++place) {
            press(place ? "DA" : "A");
            doubles.timers["buttonPoll"].fire();  // the press that chose the cell is over
            SDL_JoystickSetVirtualButton(pads[place], SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
            doubles.timers["buttonPoll"].fire();
            SDL_JoystickSetVirtualButton(pads[place], SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
        }
        EXPECT_EQ(control<QLabel>(setup, "buzzerName", 1)->toolTip(), "G or Pad 2 A");
        // Down to Start Game, left to the rounds, lowered from the pad (left and right set a
        // number box), and by Help back to Start Game.
        press("DDDDDLLDR");
    } else {
        // The rounds typed; right at the end of the text goes on to Start Game.
        press("L");
        QTest::keyClicks(setup.focusWidget(), "\b2");
        press("R");
    }
    press("DDAUU");  // Music off, below, and back up (the final table comes after the two rounds)
    // The rules: B or Escape does nothing there (it has no way back but OK), and OK closes it.
    once([&] { return qobject_cast<RulesWindow*>(doubles.activation.active()); }, [&] { press("BA"); });
    press("DRAU");
    ASSERT_EQ(setup.focusWidget(), control(setup, "start"));
    doubles.random.script(draws::deal({2, 3, 4, 10, 20, 100, 150}));
    press("A");

    PlayWindow& play = program.playWindow();
    doubles.timers["roundClock"].fire(7);
    doubles.timers["spin"].fire(30);
    play.round().settleTarget(306);
    doubles.timers["roundClock"].fire();

    // Player 1 buzzes, tries a quotient that is no whole number and answers the box from the
    // pad, then gives up. Player 2's pad cannot touch the board meanwhile.
    buzz(0);
    if (withPads) {
        press("R", 1);
        EXPECT_EQ(play.findChild<platform::FocusRing*>()->place(), play.board().dealtTiles[0].geometry)
            << "another player's pad drives nothing";
    }
    for (const char* step : {"dealtNumber1", "divide", "dealtNumber0"})
        choose(QString::fromLatin1(step), 0);
    QString box;
    once([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
         [&] { box = QApplication::activeModalWidget()->windowTitle(), press("A"); });
    choose("equals", 0);
    EXPECT_EQ(box, "Operation not allowed");
    if (withPads) {
        choose("dealtNumber1", 0);
        press("B", 0);
        EXPECT_EQ(play.board().workingRow[0].caption, "") << "the east button cancels the working row";
    }
    choose("giveUp", 0);
    EXPECT_TRUE(!play.round().isAnswering() && play.findChild<platform::FocusRing*>()->isHidden());

    // Player 2 makes 306 as 3 × 100 + (2 + 4), and wins the round: from the keyboard with its
    // own keys too (> Enter, _ Space, < Backspace), a cancel on the way.
    buzz(1);
    if (withPads) {
        for (const char* step : {"dealtNumber1", "multiply", "dealtNumber5", "equals", "dealtNumber0", "add",
                                 "dealtNumber2", "equals", "madeNumber0", "add", "madeNumber1", "equals"})
            choose(QString::fromLatin1(step), 1);
    } else {
        for (const char key : std::string_view("R>*RRRR>=LLLLL>+RR_=DDDL><L>+R>=")) {
            const auto special = std::string_view("UDLR>_<").find(key);
            const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Left,     Qt::Key_Right,
                                    Qt::Key_Return, Qt::Key_Space, Qt::Key_Backspace};
            special == std::string_view::npos ? QTest::keyClick(&play, key) : QTest::keyClick(&play, keys[special]);
        }
    }
    EXPECT_EQ(play.round().phase(), core::Round::Phase::WinningFlash);
    doubles.timers["flash"].fire(40);
    settle();
    press("A");  // Play Next Round

    // Nobody reaches the second target: the finder shows a way, and is left from the pad.
    FinderWindow& finder = program.finderWindow();
    QString heading;
    once([&] { return finder.isVisible() && !finder.isSearching(); },
         [&] { press("BA"), heading = finder.headingText(), press("RA"); });  // Calculate, then Exit
    doubles.random.script(draws::deal({2, 3, 4, 10, 20, 100, 150}));
    doubles.timers["roundClock"].fire(7);
    doubles.timers["spin"].fire(30);
    doubles.timers["roundClock"].fire(242);
    settle();
    EXPECT_FALSE(finder.isVisible());
    EXPECT_TRUE(heading.startsWith("Nobody made ") && heading.endsWith(". Another way from 2 3 4 10 20 100 150:"))
        << heading.toStdString();
    press("A");  // Play Next Round: the game is over
    FinalTable& final = program.finalTable();
    ASSERT_TRUE(final.isActive());
    EXPECT_EQ(control<QLabel>(final, "winner")->text(), "Player 2 is the winner!");
    press("A");  // End Game
    EXPECT_TRUE(program.titleWindow().isActive());
    EXPECT_TRUE(program.titleWindow().isShownFullScreen()) << "no B or Escape left full screen";
}

INSTANTIATE_TEST_SUITE_P(, SofaTest, ::testing::Values(Hands::Pads, Hands::Keys),
                         [](const auto& info) { return info.param == Hands::Pads ? "Pads" : "Keys"; });

}  // namespace

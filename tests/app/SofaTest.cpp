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
#include "windows/setup/SetUpWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <SDL.h>

#include <functional>
#include <utility>

namespace {

using platform::Navigation;

enum class Hands { Pads, Keys };

class SofaTest : public ::testing::TestWithParam<Hands> {
protected:
    static void settle() { QCoreApplication::sendPostedEvents(); }

    SofaTest()
    {
        doubles.clock.set(QDateTime(QDate(2026, 12, 8), QTime(21, 0, 0)));
        if (GetParam() == Hands::Pads) {
            doubles.controllers.sdl = std::make_unique<platform::SdlControllers>();
            for (SDL_Joystick*& pad : pads) {
                SDL_VirtualJoystickDesc device{};
                device.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
                device.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
                device.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
                device.naxes = SDL_CONTROLLER_AXIS_MAX;
                device.name = "Sofa pad";
                pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&device));
            }
        }
    }
    ~SofaTest() override
    {
        for (SDL_Joystick* pad : pads) {
            if (!pad)
                continue;
            const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
            SDL_JoystickClose(pad);
            for (int index = 0; index < SDL_NumJoysticks(); ++index)
                if (SDL_JoystickGetDeviceInstanceID(index) == id)
                    SDL_JoystickDetachVirtual(index);
        }
    }

    // What is in front: the open box, or the active game window.
    static QWidget* front(const doubles::TestServices& services)
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            return box;
        return services.activation.active();
    }

    // One press of `player`'s pad (the first pad for the windows between rounds), or of the
    // key that does the same on the window in front.
    void press(Navigation navigation, int player = 0)
    {
        if (GetParam() == Hands::Pads) {
            static constexpr SDL_GameControllerButton buttons[] = {
                SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
                SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B};
            // Up, down and up again, each seen by a poll (a press that opened a box may still
            // be held as the box's own loop polls).
            for (const Uint8 state : {SDL_RELEASED, SDL_PRESSED, SDL_RELEASED}) {
                SDL_JoystickSetVirtualButton(pads[player], buttons[int(navigation)], state);
                doubles.timers["padPoll"].fire();
            }
        } else {
            static constexpr Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Left,
                                               Qt::Key_Right,  Qt::Key_Return, Qt::Key_Escape};
            QWidget* window = front(doubles);
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, keys[int(navigation)]);
        }
        settle();
    }

    // The player of `place` buzzes: their pad's A, or their key.
    void buzz(int place)
    {
        if (GetParam() == Hands::Pads)
            SDL_JoystickSetVirtualButton(pads[place], SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
        else
            doubles.keys.held = {platform::buzzerKeys[place].key};
        doubles.timers["buzzerPoll"].fire();
        doubles.timers["padPoll"].fire();  // the buzzing press is held on into the answer
        if (GetParam() == Hands::Pads)
            SDL_JoystickSetVirtualButton(pads[place], SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
        doubles.keys.held.clear();
        doubles.timers["padPoll"].fire();
        doubles.timers["flash"].fire(16);
    }

    // Moves the answering player's focus onto `place` of the board, as a player's eye would.
    void focusOn(const QRect& place, int player)
    {
        const auto& ring = *program.playWindow().findChild<platform::FocusRing*>();
        for (int step = 0; step < 12 && ring.place() != place; ++step) {
            const QRect at = ring.place();
            press(place.center().y() > at.bottom()  ? Navigation::Down
                  : place.center().y() < at.top()   ? Navigation::Up
                  : place.center().x() > at.center().x() ? Navigation::Right
                                                         : Navigation::Left,
                  player);
        }
        ASSERT_EQ(ring.place(), place);
    }
    // The board's control or tile named as the play window's tests name them, chosen.
    void choose(const QString& name, int player)
    {
        PlayWindow& play = program.playWindow();
        const auto& board = play.board();
        QRect place;
        if (name.startsWith(u"dealt"))
            place = board.dealtTiles[name.back().digitValue()].geometry;
        else if (name.startsWith(u"made"))
            place = board.madeTiles[name.back().digitValue()].geometry;
        else
            place = platform::DesignScale::designGeometry(*control(play, name));
        focusOn(place, player);
        press(Navigation::Choose, player);
    }
    // Runs `answer` once a box is open, from inside the box's own loop.
    void whenBoxOpens(std::function<void()> answer)
    {
        auto* watcher = new QTimer(&program.titleWindow());
        QObject::connect(watcher, &QTimer::timeout, watcher, [this, watcher, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            watcher->deleteLater();
            watcher->stop();
            boxesSeen << box->windowTitle();
            answer();
            if (box->isVisible()) {
                ADD_FAILURE() << "the box was not answered";
                box->done(0);
            }
        });
        watcher->start(0);
    }

    doubles::TestServices doubles{true};
    core::Game game;
    Program program{doubles.services, game};
    SDL_Joystick* pads[2]{};
    QStringList boxesSeen;
};

TEST_P(SofaTest, TwoPlayersPlayAWholeGameWithoutTheMouse)
{
    const bool withPads = GetParam() == Hands::Pads;
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
        press(Navigation::Up);
    }
    press(Navigation::Choose);  // Play!, where the focus starts
    SetUpWindow& setup = program.setUpWindow();
    ASSERT_TRUE(setup.isActive());
    if (withPads) {
        // Each player's pad A is their buzzer, given in the Buzzer column: the cell's wait
        // takes the next button pressed.
        for (int step = 0; step < 6; ++step)
            press(Navigation::Up);  // up the Buzzer column from Start Game
        for (int place = 0; place < 2; ++place) {
            if (place > 0)
                press(Navigation::Down);
            ASSERT_EQ(setup.focusWidget(), control(setup, "buzzer", place));
            press(Navigation::Choose);
            doubles.timers["buttonPoll"].fire();  // the press that chose the cell is over
            SDL_JoystickSetVirtualButton(pads[place], SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
            doubles.timers["buttonPoll"].fire();
            SDL_JoystickSetVirtualButton(pads[place], SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
            doubles.timers["padPoll"].fire();
        }
        EXPECT_EQ(control<QLabel>(setup, "buzzerName", 1)->toolTip(), "G or Pad 2 A");
        // Down from the last cell to Start Game, left to the rounds, lowered from the pad
        // (left and right set a number box), and by Help back to Start Game.
        for (int step = 0; step < 5; ++step)
            press(Navigation::Down);
        press(Navigation::Left);
        ASSERT_EQ(setup.focusWidget(), control(setup, "rounds"));
        press(Navigation::Left);
        EXPECT_EQ(control<QLineEdit>(setup, "rounds")->text(), "2");
        press(Navigation::Down);
        press(Navigation::Right);
    } else {
        // The rounds typed; right at the end of the text goes on to Start Game.
        press(Navigation::Left);
        ASSERT_EQ(setup.focusWidget(), control(setup, "rounds"));
        QTest::keyClick(setup.focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(setup.focusWidget(), Qt::Key_2);
        press(Navigation::Right);
    }
    EXPECT_EQ(control<QLineEdit>(setup, "rounds")->text(), "2");
    ASSERT_EQ(setup.focusWidget(), control(setup, "start"));
    // Music off, below, and back up.
    press(Navigation::Down);
    press(Navigation::Down);
    press(Navigation::Choose);
    EXPECT_FALSE(control<QCheckBox>(setup, "music")->isChecked());
    press(Navigation::Up);
    press(Navigation::Up);
    ASSERT_EQ(setup.focusWidget(), control(setup, "start"));
    doubles.random.script(draws::deal({2, 3, 4, 10, 20, 100, 150}));
    press(Navigation::Choose);

    PlayWindow& play = program.playWindow();
    ASSERT_TRUE(play.isVisible());
    doubles.timers["roundClock"].fire(7);
    doubles.timers["spin"].fire(30);
    play.round().settleTarget(306);
    doubles.timers["roundClock"].fire();

    // Player 1 buzzes, tries a quotient that is no whole number and answers the box from the
    // pad, then gives up. Player 2's pad cannot touch the board meanwhile.
    buzz(0);
    ASSERT_EQ(play.round().answeringPlayer(), 0);
    if (withPads) {
        press(Navigation::Right, 1);
        EXPECT_EQ(play.findChild<platform::FocusRing*>()->place(), play.board().dealtTiles[0].geometry)
            << "another player's pad drives nothing";
    }
    choose("dealtNumber1", 0);
    choose("divide", 0);
    choose("dealtNumber0", 0);
    whenBoxOpens([this] { press(Navigation::Choose); });
    choose("equals", 0);
    EXPECT_EQ(boxesSeen, QStringList{"Operation not allowed"});
    if (withPads) {
        choose("dealtNumber1", 0);
        press(Navigation::Back, 0);
        EXPECT_EQ(play.board().workingRow[0].caption, "") << "the east button cancels the working row";
    }
    choose("giveUp", 0);
    EXPECT_FALSE(play.round().isAnswering());

    // Player 2 makes 306 as 3 × 100 + (2 + 4), and wins the round.
    buzz(1);
    ASSERT_EQ(play.round().answeringPlayer(), 1);
    for (const char* step : {"dealtNumber1", "multiply", "dealtNumber5", "equals", "dealtNumber0", "add",
                             "dealtNumber2", "equals", "madeNumber0", "add", "madeNumber1", "equals"})
        choose(QString::fromLatin1(step), 1);
    doubles.timers["flash"].fire(40);
    settle();
    EXPECT_EQ(game.roundScores[1] + game.totalScores[1], 4) << "won with the first step of the clock gone";
    press(Navigation::Choose);  // Play Next Round

    // Nobody reaches the second target: the finder shows a way, and is left from the pad.
    doubles.random.script(draws::deal({2, 3, 4, 10, 20, 100, 150}));
    ASSERT_TRUE(play.isVisible());
    auto* watcher = new QTimer(&play);
    QObject::connect(watcher, &QTimer::timeout, watcher, [this, watcher] {
        FinderWindow& finder = program.finderWindow();
        if (!finder.isVisible() || finder.isSearching())
            return;
        watcher->stop();
        press(Navigation::Right);
        press(Navigation::Choose);  // Exit
    });
    watcher->start(0);
    doubles.timers["roundClock"].fire(7);
    doubles.timers["spin"].fire(30);
    doubles.timers["roundClock"].fire(242);
    settle();
    EXPECT_FALSE(program.finderWindow().isVisible());
    press(Navigation::Choose);  // Play Next Round: the game is over
    FinalTable& final = program.finalTable();
    ASSERT_TRUE(final.isActive());
    EXPECT_EQ(control<QLabel>(final, "winner")->text(), "Player 2 is the winner!");
    press(Navigation::Choose);  // End Game
    EXPECT_TRUE(program.titleWindow().isActive());
    EXPECT_TRUE(doubles.messages.shown.empty()) << "every box was Qt's own";
}

INSTANTIATE_TEST_SUITE_P(, SofaTest, ::testing::Values(Hands::Pads, Hands::Keys),
                         [](const auto& info) { return info.param == Hands::Pads ? "Pads" : "Keys"; });

}  // namespace

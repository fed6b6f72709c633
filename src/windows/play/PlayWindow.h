// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The play window: one round at a time.
//
// When the set-up window starts a game, or the round table the next round, the program calls
// prepareRound and shows the window; activation prepares the round again, and that
// preparation is the one that counts. From then on the window runs on its four timers:
//   clockTimer_   deals the seven numbers, one per tick, then runs the round clock;
//   spinTimer_    spins the target display for 30 ticks, then settles on the real target and
//                 starts clockTimer_ (the round clock) and buzzerPoll_ (the buzzers);
//   buzzerPoll_   polls the buzzer keys;
//   flashTimer_   flashes the contender panel when a player buzzes, or the winning tile.
// Deactivation (the window hidden for the round table, or covered by the solution finder)
// stops all four and closes the music. Everything the player sees is painted into a back
// buffer (BoardDrawing.cpp); a repaint only shows it.
//
// The window's concerns live in one file each: PlayWindow.cpp (preparation and window
// events), RoundClock.cpp (dealing and the round clock), Animations.cpp (spin, target and
// flashes), Buzzers.cpp (buzzing in), Turns.cpp (a turn's end), Working.cpp (the working
// out), Focus.cpp (the keys while a player answers), RoundEnding.cpp (the round's end), Music.cpp
// and BoardDrawing.cpp. The rules are the
// round's (core/Round.h): the window turns clicks and ticks into calls on it, shows its
// messages and draws what it holds (showRound). The dealing and the target choice are pure
// functions in core/puzzle/Target.h.

#include "core/Round.h"
#include "platform/audio/MusicDevice.h"
#include "platform/input/Buzzers.h"
#include "platform/window/Form.h"
#include "windows/play/Board.h"
#include "windows/play/RoundState.h"
#include "windows/play/Scoreboard.h"

#include <QImage>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QPushButton;

namespace core {
class GameFlow;
struct Game;
struct WindowContext;
}

namespace platform {
class ClickArea;
class FocusRing;
class Timer;
}

class PlayWindow : public platform::Form {
    Q_OBJECT
public:
    explicit PlayWindow(const core::WindowContext& context);
    ~PlayWindow() override;

    // The board's size as designed: the window's at scale 1.
    static constexpr QSize DesignSize{345, 294};

    // Resets the window for a new round and starts the clock.
    void prepareRound();

    // The board as painted so far, and its elements as last drawn.
    const QImage& backBuffer() const { return backBuffer_; }
    const play::Board& board() const { return board_; }
    // The round being played.
    core::Round& round() { return round_; }

protected:
    void loadEvent() override;
    void activateEvent() override;
    void deactivateEvent() override;
    void queryClose(bool& cancel) override;
    void paintEvent(QPaintEvent* event) override;
    void rescaleEvent() override;
    // While a player answers, the keys and the player's pad work out (Focus.cpp); otherwise
    // F11 and Escape, and Enter or a pad's south button on End Round in practice.
    void keyPressEvent(QKeyEvent* event) override;
    PadUse padUse() const override;
    QList<QRect> placesToKeepInView() const override;
    void navigate(platform::Navigation navigation, bool fromPad) override;
    void showFocusRing() override;

private:
    static constexpr std::int16_t FullDial = 240;  // clock steps in one round
    // state_.animationTicks from here on count the winning flash.
    static constexpr std::int16_t WinningFlashStart = 100;

    // Dealing and the round clock.
    void tickClock();
    void advanceRound();
    void dealNextNumber();
    void runRoundClock();

    // The round's end.
    void endRound();
    void showSolutions();
    void endRoundNow();

    // The target and the animations.
    void spinTick();
    void flashTick();
    void flashWinningTile();
    void flashContenderPanel();
    void showContenderPanel(bool lit);
    void spinTargetDisplay();
    bool pickTarget();
    void showTargetDigits(const std::array<int, 3>& digits);

    // Buzzers and turns.
    void pollBuzzers();
    void buzzIn(int p);
    // The window's part of a turn's end, once the round has ended it.
    void endTurn();
    // A turn stopped by a limit: the limit's message, the disqualification's, the turn's end.
    void showStop(core::Round::Stop stop);
    void giveUp();
    void cancelWorking();

    // Working out.
    void selectNumber(core::Round::Tile tile);
    void chooseOperation(core::Operation operation);
    void makeNumber();
    void targetReached();

    // Music and the event sounds.
    void openMusic();
    void playSound(platform::GameSound sound);
    // The clock from the share of the piece still to play, and the stall check.
    void followMusic();
    void soundFault();
    void resumeMusic();
    bool musicIsPlaying() const;

    // Drawing. The pictures are made afresh, blank, when the window's scale or the screen's
    // pixel ratio has changed: true then.
    bool makeSurfaces();
    void drawLabel(const play::BoardLabel& label);
    void drawShape(const play::BoardShape& shape);
    void showBoard();
    void redrawBoard();
    // The board's captions brought to the round's state, and the board shown: every element
    // whose caption changed is painted again, or every element.
    void showRound(bool drawAll = false);
    // Repaints one element, its shape and then its label, and shows the board.
    void redrawCell(const play::BoardShape& shape, const play::BoardLabel& label);
    void prepareClockDial();
    void drawClockDial(int position, bool fillGap);
    void drawDialMark(int position);
    // Copies the dial into the back buffer and paints the hand at `position` over it.
    void showDial(int position);
    // The dial painted again from its face and the marks of the clock's steps so far.
    void redrawDial();

    // The answering player's focus (Focus.cpp). The places it walks, each in design
    // coordinates (empty for a hidden control) with what a click on it does.
    struct FocusPlace {
        QRect place;
        std::function<void()> choose;
    };
    std::vector<FocusPlace> focusPlaces();

    // The scoreboard beside the board (Scoreboard.h), brought to the game's state, and placed
    // in the room a wide window leaves.
    void showScoreboard();
    void placeScoreboard();
    // The phones shown what the room's view shows.
    void showPhones();
    // A control of the board tapped on the phone at `place`: as a click on it, when that place
    // answers.
    void tapFromPhone(int place, const QString& control);

    void createControls();
    // The flashed elements back in their designed colours.
    void resetColours();
    void resetContenderColours();

    core::Game& game_;
    play::Board board_;
    core::Round round_{game_};
    play::RoundState state_;
    core::GameFlow& flow_;

    std::unique_ptr<platform::Timer> clockTimer_;
    std::unique_ptr<platform::Timer> spinTimer_;
    std::unique_ptr<platform::Timer> buzzerPoll_;
    std::unique_ptr<platform::Timer> flashTimer_;

    QImage backBuffer_;       // the board's back buffer
    QImage dialPicture_;  // the clock dial's own picture
    int dialPenWidth_ = 1;
    QRect changed_;  // the part of the board painted since it was last shown, in the design's pixels
    platform::Buzzers buzzers_{services};

    QPushButton* addButton_ = nullptr;
    QPushButton* subtractButton_ = nullptr;
    QPushButton* multiplyButton_ = nullptr;
    QPushButton* divideButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* equalsButton_ = nullptr;
    QPushButton* giveUpButton_ = nullptr;
    QPushButton* endRoundButton_ = nullptr;
    std::array<platform::ClickArea*, 7> dealtClickAreas_{};
    std::array<platform::ClickArea*, 3> madeClickAreas_{};
    play::Scoreboard* scoreboard_ = nullptr;
    int focus_ = -1;  // the focused place of focusPlaces(), -1 when nobody answers
    int answers_ = 0;  // answers begun in this window, so that a pad's presses start afresh with each
    platform::ControllerButton answeringPad_;  // the pad whose button buzzed, none for a key
};

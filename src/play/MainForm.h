// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The play window: one round at a time.
//
// The set-up window (and, between rounds, the round table) calls Prepare and shows the
// window; activation prepares the round again, and that preparation is the one that counts.
// From then on the window runs on its four timers:
//   Clock     deals the seven numbers, one per tick, then runs the round clock;
//   RndTotal  spins the target display for 30 ticks, then settles on the real target and
//             starts Clock (the round clock) and KeyCheck (the buzzers);
//   KeyCheck  polls the buzzer keys;
//   Flash     flashes the contender panel when a player buzzes, or the winning tile.
// Deactivation (the window hidden for the round table, or covered by the solution finder)
// stops all four and closes the music. Everything the player sees is painted into a back
// buffer (BoardDrawing.cpp); a repaint only shows it.
//
// The window's concerns live in one file each: MainForm.cpp (preparation and window
// events), RoundClock.cpp (dealing and the round clock), Animations.cpp (spin, target and
// flashes), Buzzers.cpp (buzzing in), Turns.cpp (the turn rules), Working.cpp (the working
// out), RoundEnding.cpp (the round's end), Music.cpp and BoardDrawing.cpp. The dealing and
// the target choice themselves are pure functions in Target.h.

#include "platform/Form.h"
#include "play/Board.h"
#include "play/RoundState.h"
#include "core/Target.h"

#include <QImage>

#include <array>
#include <memory>

class QPushButton;

namespace core {
class GameFlow;
struct Game;
struct WindowContext;
}

namespace platform {
class ClickArea;
class Timer;
}

class MainForm : public platform::Form {
    Q_OBJECT
public:
    explicit MainForm(const core::WindowContext& context);
    ~MainForm() override;

    // Resets the window for a new round and starts the clock.
    void Prepare();

    // The board as painted so far.
    const QImage& backBuffer() const { return TrueView; }
    // The board's elements and the round's state, as the window keeps them: tests set a
    // round up through them and read it back.
    play::Board& board() { return board_; }
    play::RoundState& round() { return round_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(bool& cancel) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr std::int16_t FullDial = 240;  // clock steps in one round
    // round_.animationTicks from here on count the winning flash.
    static constexpr std::int16_t WinningFlashStart = 100;

    // Dealing and the round clock.
    void Clock_Timer();
    void ClockTick();
    void dealNextNumber();
    void runRoundClock();

    // The round's end.
    void EndRound();
    void ShowSolutions();
    void EndRoundButton_Click();

    // The target and the animations.
    void RndTotal_Timer();
    void Flash_Timer();
    void flashWinningTile();
    void flashContenderPanel();
    void SpinTarget();
    bool PickTarget();
    void showTargetDigits(const std::array<int, 3>& digits);

    // Buzzers and turns.
    void KeyCheck_Timer();
    void BuzzIn(int p);
    void EndTurn();
    // A turn ended by a limit: the limit's message, a stop for the player, the turn's end.
    void stopTurn(const QString& text, const QString& title);
    void RecordStop(int p);
    void GiveUp_Click();
    void Cancel_Click();

    // Working out.
    void SelectOriginal(int i);
    void SelectMade(int i);
    void selectNumber(play::BoardLabel& number, const play::BoardShape& tile, int source);
    void Add_Click();
    void Subtract_Click();
    void Multiply_Click();
    void Divide_Click();
    void chooseOperator(const QString& symbol);
    void Operate_Click();
    void ResetWorking();
    void CheckTarget(int slot);
    void TargetReached(int slot);
    // The round's seven dealt numbers, and its target as the display shows it.
    core::Deal dealtNumbers() const;
    QString targetText() const;

    // Music.
    void OpenMusic();
    // The clock from the share of the piece still to play, and the stall check.
    void MusicTick();
    void soundFault();
    void resumeMusic();
    bool musicIsPlaying() const;

    // Drawing.
    void makeSurfaces();
    void DrawLabel(const play::BoardLabel& label);
    void DrawShape(const play::BoardShape& shape);
    void FlipBoard();
    void RedrawBoard();
    // Repaints one element, its shape and then its label, and shows the board.
    void redrawCell(const play::BoardShape& shape, const play::BoardLabel& label);
    void PrepareClockDial();
    void DrawClockDial(int position, bool fillGap);
    void drawDialMark(int position);

    void createControls();
    // The flashed elements back in their designed colours.
    void resetColours();
    void resetContenderColours();

    core::Game& game_;
    play::Board board_;
    play::RoundState round_;
    core::GameFlow& flow_;

    std::unique_ptr<platform::Timer> Clock;
    std::unique_ptr<platform::Timer> RndTotal;
    std::unique_ptr<platform::Timer> KeyCheck;
    std::unique_ptr<platform::Timer> Flash;

    QImage TrueView;       // the board's back buffer
    QImage DeviceContext;  // the clock dial's own picture
    int dialPenWidth_ = 1;

    QPushButton* Add = nullptr;
    QPushButton* Subtract = nullptr;
    QPushButton* Multiply = nullptr;
    QPushButton* Divide = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* Operate = nullptr;
    QPushButton* GiveUp = nullptr;
    QPushButton* EndRoundButton = nullptr;
    std::array<platform::ClickArea*, 7> ClickOrig{};
    std::array<platform::ClickArea*, 3> ClickMade{};
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The player set-up window: who plays, their names, the rounds, the difficulty, practice,
// music and sounds, and the phones: while Phones is ticked the room's phones may join as
// buzzers, by the address and the QR code shown here, and the host may free a phone's place.
// Created once and then hidden and shown, so every entry is still there for the next game.
// Start Game checks the rounds, fills in the game, hides itself and asks the program to start
// a round.

#include "platform/input/Buzzers.h"
#include "platform/window/Form.h"
#include "platform/window/Timer.h"

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace look {
class JoinCode;
}

namespace core {
class GameFlow;
struct Game;
struct WindowContext;
}

class SetUpWindow : public platform::Form {
    Q_OBJECT
public:
    explicit SetUpWindow(const core::WindowContext& context);

protected:
    void loadEvent() override;
    // A sound fault of this run shows in the Music On and Sounds boxes.
    void activateEvent() override;
    void deactivateEvent() override;
    void queryClose(bool& cancel) override;

    // Escape stops a wait for a button before it may leave full screen.
    void keyPressEvent(QKeyEvent* event) override;
    PadUse padUse() const override;

private:
    void createControls();
    void updateStartButton();
    void changeRules();
    void startGame();
    // Stores the entries and the rules the game starts with, for the next run.
    void rememberChoices();
    void openHelp();
    // A click on a place's Buzzer cell waits for the next controller button pressed, and
    // makes it that place's buzzer; a second click, or Escape, stops waiting.
    void waitForButton(int place);
    void stopWaiting();
    void takePressedButton();
    // Each Buzzer cell shows its key and its controller button, if any.
    void showBuzzers();
    // The phones: turned on or off as the Phones box says, listening on the chosen address.
    void turnPhones();
    void tellPhonesWhoPlays();
    // The phones' address and code, each place's Free button, and the names the phones gave.
    void showPhones();

    core::Game& game_;
    core::GameFlow& flow_;
    std::unique_ptr<platform::Timer> buttonPoll_;
    int waitingPlace_ = -1;
    platform::Buzzers buzzers_{services};  // named in the Buzzer cells
    std::array<QCheckBox*, 6> playingBoxes_{};
    std::array<QLineEdit*, 6> nameBoxes_{};
    std::array<QLabel*, 6> buzzerLabels_{};
    QLineEdit* roundsBox_ = nullptr;
    std::array<QRadioButton*, 3> difficultyButtons_{};
    QCheckBox* practiceBox_ = nullptr;
    QCheckBox* musicBox_ = nullptr;
    QCheckBox* soundsBox_ = nullptr;
    QCheckBox* phonesBox_ = nullptr;
    std::array<QPushButton*, 6> freeButtons_{};
    std::array<QString, 6> phoneNames_;  // the names the phones gave, as last shown
    look::JoinCode* joinCode_ = nullptr;
    QLabel* roomCodeLabel_ = nullptr;
    QLabel* joinAddressLabel_ = nullptr;
    QComboBox* addressBox_ = nullptr;
    QPushButton* rulesButton_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

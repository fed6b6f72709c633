// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The final table, "Game Over": every player's total and the winner, or a draw. "End Game"
// goes back to the start of a new game.

#include "platform/Form.h"
#include "scores/ScoreTable.h"

class QLabel;
class QPushButton;

namespace core {
class GameFlow;
struct Game;
struct WindowContext;
}

class EndGame : public platform::Form {
    Q_OBJECT
public:
    explicit EndGame(const core::WindowContext& context);

    scores::ColumnLabels PlayerLabel{};
    scores::ColumnLabels Total{};
    QLabel* Winner = nullptr;
    QPushButton* EndButton = nullptr;

protected:
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel) override;

private:
    void EndButton_Click();

    core::Game& game_;
    core::GameFlow& flow_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The final table, "Game Over": every player's total and the winner, or a draw. "End Game"
// goes back to the start of a new game.

#include "platform/Form.h"
#include "scores/ScoreTable.h"

class QLabel;
class QPushButton;
class Windows;

namespace core {
struct Game;
}

class EndGame : public platform::Form {
    Q_OBJECT
public:
    explicit EndGame(Windows& windows);

    scores::ColumnLabels PlayerLabel{};
    scores::ColumnLabels Total{};
    QLabel* Winner = nullptr;
    QPushButton* EndButton = nullptr;

protected:
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel) override;

private:
    void EndButton_Click();

    Windows& windows_;
    core::Game& game_;
};

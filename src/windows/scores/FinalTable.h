// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The final table, "Game Over": every player's total and the winner, or a draw. "End Game"
// goes back to the start of a new game.

#include "platform/window/Form.h"
#include "windows/scores/ScoreTable.h"

class QLabel;
class QPushButton;

namespace core {
class GameFlow;
struct Game;
struct WindowContext;
}

class FinalTable : public platform::Form {
    Q_OBJECT
public:
    explicit FinalTable(const core::WindowContext& context);

protected:
    void activateEvent() override;
    void queryClose(bool& cancel) override;

private:
    void backToTitle();

    core::Game& game_;
    core::GameFlow& flow_;
    std::vector<scores::ColumnLabels> columns_;  // name, total
    QLabel* winnerLabel_ = nullptr;
    QPushButton* endButton_ = nullptr;
};

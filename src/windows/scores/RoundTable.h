// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The score table after every round, "Current Scores". Its activation folds the round's
// points into the game totals; "Play Next Round" starts the next round, or after the last
// one opens the final table.

#include "platform/window/Form.h"
#include "windows/scores/ScoreTable.h"

class QLabel;
class QPushButton;

namespace core {
class GameFlow;
struct Game;
struct WindowContext;
}

class RoundTable : public platform::Form {
    Q_OBJECT
public:
    explicit RoundTable(const core::WindowContext& context);

protected:
    void activateEvent() override;
    void queryClose(bool& cancel) override;

private:
    void playNextRound();

    core::Game& game_;
    core::GameFlow& flow_;
    std::vector<scores::ColumnLabels> columns_;  // name, points this round, total
    QLabel* resultLabel_ = nullptr;
    QPushButton* nextRoundButton_ = nullptr;
};

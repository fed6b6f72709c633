// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/scores/RoundTable.h"

#include "core/Game.h"
#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "look/Fonts.h"
#include "look/QuitAndHelp.h"

#include <QLabel>
#include <QPushButton>

RoundTable::RoundTable(const core::WindowContext& context)
    : Form(context.services), game_(context.game), flow_(context.flow)
{
    design(QStringLiteral("Current Scores"), QSize(352, 260), QColor(255, 255, 192));
    setFont(look::gameFont(look::FontRole::Controls, 9.75));

    heading(QStringLiteral("Current Scores"), {16, 8, 320, 24},
            look::gameFont(look::FontRole::Controls, 13.5));

    const auto columns = scores::layTable(this, 16, 40,
                                          {{QStringLiteral("Player"), 122, "name"},
                                           {QStringLiteral("Points this round"), 112, "round"},
                                           {QStringLiteral("Total Points"), 90, "total"}});
    nameCells_ = columns[0];
    roundCells_ = columns[1];
    totalCells_ = columns[2];

    nextRoundButton_ = new QPushButton(QStringLiteral("Play Next Round"), this);
    nextRoundButton_->setObjectName(QStringLiteral("nextRound"));
    nextRoundButton_->setGeometry(106, 216, 140, 32);
    connect(nextRoundButton_, &QPushButton::clicked, this, &RoundTable::playNextRound);
    setFirstFocus(*nextRoundButton_);
}

void RoundTable::activateEvent()
{
    // The round's points join the totals here, once: a second activation finds them at 0.
    const auto points = game_.roundScores;
    game_.foldRoundScores();
    for (int i = 0; i < core::PlayerCount; ++i) {
        scores::showRow({{nameCells_[i], game_.playerNames[i]},
                         {roundCells_[i], core::numberText(points[i])},
                         {totalCells_[i], core::numberText(game_.totalScores[i])}},
                        game_.playing[i]);
    }
}

void RoundTable::playNextRound()
{
    ++game_.currentRound;
    hide();
    if (game_.currentRound <= game_.roundCount)
        flow_.startRound();
    else
        flow_.showFinalTable();
}

void RoundTable::queryClose(bool& cancel)
{
    cancel = !look::confirmQuit(services);
}

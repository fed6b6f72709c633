// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/scores/FinalTable.h"

#include "core/Game.h"
#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "look/Fonts.h"
#include "look/QuitAndHelp.h"
#include "platform/Services.h"

#include <QLabel>
#include <QPushButton>

FinalTable::FinalTable(const core::WindowContext& context)
    : Form(context.services), game_(context.game), flow_(context.flow)
{
    design(QStringLiteral("Game Over"), QSize(400, 252), QColor(255, 224, 192));
    setFont(look::gameFont(look::FontRole::Controls, 9.75));

    heading(QStringLiteral("End of Game"), {16, 4, 368, 40},
            look::gameFont(look::FontRole::Titles, 26.25));

    columns_ = scores::layTable(
        this, 16, 52, {{QStringLiteral("Player"), 140, "name"}, {QStringLiteral("Total Points"), 90, "total"}});

    winnerLabel_ = new QLabel(QStringLiteral("Player X is the Winner!"), this);
    winnerLabel_->setObjectName(QStringLiteral("winner"));
    winnerLabel_->setGeometry(256, 52, 128, 120);
    winnerLabel_->setAlignment(Qt::AlignCenter);
    winnerLabel_->setWordWrap(true);
    winnerLabel_->setFont(look::gameFont(look::FontRole::Titles, 18, true));

    endButton_ = new QPushButton(QStringLiteral("End Game"), this);
    endButton_->setObjectName(QStringLiteral("endGame"));
    endButton_->setGeometry(264, 180, 112, 32);
    connect(endButton_, &QPushButton::clicked, this, &FinalTable::backToTitle);
    setFirstFocus(*endButton_);
}

void FinalTable::activateEvent()
{
    // The rows with the top total are marked: the winner's, or in a draw all who share it.
    int top = 0;
    for (int i = 0; i < core::PlayerCount; ++i)
        top = std::max<int>(top, game_.playing[i] ? game_.totalScores[i] : 0);
    std::array<bool, core::PlayerCount> marked{};
    for (int i = 0; i < core::PlayerCount; ++i)
        marked[i] = game_.playing[i] && game_.totalScores[i] == top;
    scores::showPlayingRows(columns_, game_.playing, marked, [&](int place) {
        return QStringList{game_.playerNames[place], core::numberText(game_.totalScores[place])};
    });
    const int winner = game_.winner();
    winnerLabel_->setText(winner == -1 ? QStringLiteral("The game is a draw!")
                                 : scores::winnerSentence(game_.playerNames[winner], *winnerLabel_));
    scores::showOnPhones(services.phones,
                         winner == -1 ? QStringLiteral("The game is a draw!")
                                      : game_.playerNames[winner] + QStringLiteral(" is the winner!"),
                         game_.playerNames, game_.playing, [&](int place) {
                             return QStringLiteral("%1 points").arg(core::numberText(game_.totalScores[place]));
                         });
}

void FinalTable::backToTitle()
{
    hide();
    flow_.showTitle();
}

void FinalTable::queryClose(bool& cancel)
{
    cancel = !look::confirmQuit(services);
}

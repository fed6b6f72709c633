// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/scores/RoundTable.h"

#include "core/Game.h"
#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "look/Fonts.h"
#include "look/QuitAndHelp.h"
#include "platform/Services.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

RoundTable::RoundTable(const core::WindowContext& context)
    : Form(context.services), game_(context.game), flow_(context.flow)
{
    design(QStringLiteral("Current Scores"), QSize(352, 284), QColor(255, 255, 192));
    setFont(look::gameFont(look::FontRole::Controls, 9.75));

    heading(QStringLiteral("Current Scores"), {16, 8, 320, 24},
            look::gameFont(look::FontRole::Controls, 13.5));

    columns_ = scores::layTable(this, 16, 40,
                                {{QStringLiteral("Player"), 122, "name"},
                                 {QStringLiteral("Points this round"), 112, "round"},
                                 {QStringLiteral("Total Points"), 90, "total"}});
    // Who won the round, under the table, in the gold of their row.
    resultLabel_ = new QLabel(this);
    resultLabel_->setObjectName(QStringLiteral("roundResult"));
    resultLabel_->setGeometry(16, 208, 320, 24);
    resultLabel_->setAlignment(Qt::AlignCenter);
    resultLabel_->setFont(look::gameFont(look::FontRole::Controls, 9.75, true));

    nextRoundButton_ = new QPushButton(QStringLiteral("Play Next Round"), this);
    nextRoundButton_->setObjectName(QStringLiteral("nextRound"));
    nextRoundButton_->setGeometry(106, 240, 140, 32);
    connect(nextRoundButton_, &QPushButton::clicked, this, &RoundTable::playNextRound);
    setFirstFocus(*nextRoundButton_);
}

void RoundTable::activateEvent()
{
    // The round's points join the totals here, once: a second activation finds them at 0.
    const auto points = game_.roundScores;
    game_.foldRoundScores();
    // Only a win scores, and only one player wins a round.
    std::array<bool, core::PlayerCount> won{};
    int winner = -1;
    for (int i = 0; i < core::PlayerCount; ++i) {
        won[i] = game_.playing[i] && points[i] > 0;
        if (won[i])
            winner = i;
    }
    scores::showPlayingRows(columns_, game_.playing, won, [&](int place) {
        return QStringList{game_.playerNames[place], core::numberText(points[place]),
                           core::numberText(game_.totalScores[place])};
    });
    const QString rest = QStringLiteral(" won the round!");
    const QFontMetrics metrics(resultLabel_->font());
    resultLabel_->setText(winner == -1 ? QStringLiteral("Nobody made the target this round.")
                                       : metrics.elidedText(game_.playerNames[winner], Qt::ElideRight,
                                                            resultLabel_->width() - metrics.horizontalAdvance(rest)) +
                                             rest);
    scores::showOnPhones(services.phones,
                         winner == -1 ? QStringLiteral("Nobody made the target this round.")
                                      : game_.playerNames[winner] + rest,
                         game_.playerNames, game_.playing, [&](int place) {
                             return QStringLiteral("%1 points this round, %2 in all")
                                 .arg(core::numberText(points[place]), core::numberText(game_.totalScores[place]));
                         });
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

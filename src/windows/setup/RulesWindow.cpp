// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/setup/RulesWindow.h"

#include "core/Choices.h"
#include "core/Game.h"
#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "core/RuleCheck.h"
#include "look/Fonts.h"
#include "look/QuitAndHelp.h"
#include "platform/Services.h"
#include "platform/window/MessageBoxes.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

RulesWindow::RulesWindow(const core::WindowContext& context)
    : Form(context.services), game_(context.game)
{
    design(QStringLiteral("Rules"), QSize(400, 250), QColor(255, 192, 255));
    unloadWhenClosed();
    setEscape(Escape::DoesNothing);
    setFont(look::gameFont(look::FontRole::Controls, 9.75));

    heading(QStringLiteral("Change Rules"), {16, 8, 368, 32},
            look::gameFont(look::FontRole::Controls, 18));

    // Each row reads as one sentence: the words, the number, the rest of the words.
    const QFontMetrics metrics(font());
    for (int row = 0; row < core::RuleCount; ++row) {
        const int y = 48 + 32 * row;
        const QString before = QString::fromLatin1(core::rules[row].before);
        auto* beforeLabel = new QLabel(before, this);
        const int beforeWidth = metrics.horizontalAdvance(before);
        beforeLabel->setGeometry(16, y, beforeWidth, 24);
        valueBoxes_[row] = new QLineEdit(this);
        valueBoxes_[row]->setObjectName(QStringLiteral("rule%1").arg(row + 1));
        valueBoxes_[row]->setGeometry(16 + beforeWidth, y, 44, 24);
        letPadStep(*valueBoxes_[row], core::rules[row].smallest, 999);
        auto* afterLabel = new QLabel(QString::fromLatin1(core::rules[row].after), this);
        afterLabel->setGeometry(16 + beforeWidth + 50, y, 300 - beforeWidth, 24);
        // Shown and ticked, as in the design, but no rule can be switched off.
        enableBoxes_[row] = new QCheckBox(this);
        enableBoxes_[row]->setGeometry(368, y, 20, 24);
        enableBoxes_[row]->setChecked(true);
        enableBoxes_[row]->setFocusPolicy(Qt::NoFocus);
    }

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("ok"));
    okButton_->setGeometry(104, 210, 88, 30);
    connect(okButton_, &QPushButton::clicked, this, &RulesWindow::storeRules);
    helpButton_ = new QPushButton(QStringLiteral("Help"), this);
    helpButton_->setObjectName(QStringLiteral("help"));
    helpButton_->setGeometry(208, 210, 88, 30);
    connect(helpButton_, &QPushButton::clicked, this, &RulesWindow::openHelp);
    setFirstFocus(*okButton_);
}

void RulesWindow::loadEvent()
{
    for (int row = 0; row < core::RuleCount; ++row)
        valueBoxes_[row]->setText(core::numberText(game_.rules.*core::rules[row].value));
}

void RulesWindow::storeRules()
{
    std::array<QString, core::RuleCount> texts;
    for (int row = 0; row < core::RuleCount; ++row) {
        texts[row] = valueBoxes_[row]->text();
        core::trimSpaces(texts[row]);
        valueBoxes_[row]->setText(texts[row]);
    }
    const core::RuleCheck check = core::checkRules(texts);
    if (check.error) {
        services.messages.show(*check.error, QStringLiteral("Error"));
        return;
    }
    // The stop limit first, then the rest in row order.
    game_.rules.stopsAllowed = check.values[4];
    for (int row = 0; row < 4; ++row)
        game_.rules.*core::rules[row].value = check.values[row];
    game_.choices.rules = game_.rules;
    core::writeChoices(game_.choices, services.settings);
    hide();
}

void RulesWindow::openHelp()
{
    look::showHelp(services, look::helpAtRules);
}

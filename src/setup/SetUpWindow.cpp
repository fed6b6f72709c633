// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/SetUpWindow.h"

#include "core/GameFlow.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include "platform/Fonts.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/WrappingButton.h"
#include "core/RuleCheck.h"
#include "platform/QuitAndHelp.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

const QColor background(255, 192, 192);
constexpr int rowTop = 32;
constexpr int rowPitch = 28;

}  // namespace

SetUpWindow::SetUpWindow(const core::WindowContext& context)
    : Form(context.services), game_(context.game), flow_(context.flow)
{
    design(QStringLiteral("Players"), QSize(352, 348), background);
    setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 9.75));
    createControls();
}

void SetUpWindow::createControls()
{
    const auto label = [this](const QString& caption, QRect geometry, Qt::Alignment alignment = Qt::AlignLeft) {
        auto* control = new QLabel(caption, this);
        control->setGeometry(geometry);
        control->setAlignment(alignment | Qt::AlignVCenter);
        return control;
    };
    label(QStringLiteral("Active"), {16, 6, 90, 20});
    label(QStringLiteral("Name"), {112, 6, 140, 20});
    label(QStringLiteral("Buzzer"), {264, 6, 72, 20}, Qt::AlignHCenter);

    for (int i = 0; i < 6; ++i) {
        const int y = rowTop + rowPitch * i;
        const QString name = QStringLiteral("Player %1").arg(i + 1);
        Playing[i] = new QCheckBox(name, this);
        Playing[i]->setGeometry(16, y, 90, 24);
        Playing[i]->setChecked(i < 2);
        connect(Playing[i], &QCheckBox::clicked, this, [this] { updateStartButton(); });
        NameBox[i] = new QLineEdit(name, this);
        NameBox[i]->setGeometry(112, y, 140, 24);
        BuzzKey[i] = label(QString::fromLatin1(platform::buzzerKeys[i].name), {264, y, 72, 24}, Qt::AlignHCenter);
    }

    const int below = rowTop + rowPitch * 6 + 6;
    label(QStringLiteral("Rounds"), {16, below, 56, 24});
    RoundsBox = new QLineEdit(QStringLiteral("3"), this);
    RoundsBox->setGeometry(72, below, 48, 24);
    HelpButton = new QPushButton(QStringLiteral("Help"), this);
    HelpButton->setGeometry(16, below + 32, 104, 28);
    connect(HelpButton, &QPushButton::clicked, this, [this] { openHelp(); });
    StartGame = new QPushButton(QStringLiteral("Start Game"), this);
    StartGame->setGeometry(136, below, 200, 60);
    StartGame->setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 18));
    connect(StartGame, &QPushButton::clicked, this, [this] { startGame(); });

    const int bottom = below + 72;
    auto* difficulty = new QButtonGroup(this);
    const char* levels[] = {"Easy", "Normal", "Hard"};
    for (int i = 0; i < 3; ++i) {
        Diff[i] = new QRadioButton(QString::fromLatin1(levels[i]), this);
        Diff[i]->setGeometry(16, bottom + 22 * i, 100, 22);
        difficulty->addButton(Diff[i], i);
    }
    Diff[1]->setChecked(true);
    CheckPractise = new QCheckBox(QStringLiteral("Practise"), this);
    CheckPractise->setGeometry(136, bottom, 110, 22);
    MusicBox = new QCheckBox(QStringLiteral("Music On"), this);
    MusicBox->setGeometry(136, bottom + 22, 110, 22);
    MusicBox->setChecked(true);
    RuleChange = new platform::WrappingButton(QStringLiteral("   Change     Rules"), 2, this);
    RuleChange->setGeometry(232, bottom, 104, 60);
    connect(RuleChange, &QPushButton::clicked, this, &SetUpWindow::changeRules);
}

void SetUpWindow::loadEvent()
{
    // The rules window is loaded hidden, so that its boxes hold the stored rule values.
    flow_.loadRules();
}

void SetUpWindow::changeRules()
{
    flow_.showRules();
}

void SetUpWindow::updateStartButton()
{
    StartGame->setEnabled(std::any_of(Playing.begin(), Playing.end(), [](QCheckBox* box) { return box->isChecked(); }));
}

void SetUpWindow::startGame()
{
    for (int i = 0; i < core::PlayerCount; ++i) {
        game_.playerNames[i] = NameBox[i]->text();
        game_.playing[i] = Playing[i]->isChecked();
        game_.roundScores[i] = 0;
        game_.totalScores[i] = 0;
        game_.timesStopped[i] = 0;
    }
    game_.currentRound = 1;

    const core::RoundsCheck rounds = core::checkRounds(RoundsBox->text());
    if (rounds.error) {
        services.messages.show(*rounds.error, QStringLiteral("Error"));
        return;
    }
    if (rounds.rounds == 0)
        return;
    game_.roundCount = rounds.rounds;

    hide();
    flow_.startRound();

    for (int i = 0; i < 3; ++i) {
        if (Diff[i]->isChecked())
            game_.difficulty = std::int16_t(i);
    }
    game_.answerTime = std::chrono::seconds(game_.rules.turnSeconds);
    game_.idleTime = std::chrono::seconds(game_.rules.idleSeconds);
    game_.practice = CheckPractise->isChecked();
    game_.musicOn = MusicBox->isChecked();
}

void SetUpWindow::openHelp()
{
    platform::showHelp(services);
}

void SetUpWindow::queryClose(bool& cancel)
{
    cancel = !platform::confirmQuit(services);
}

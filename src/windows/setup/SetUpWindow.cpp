// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/setup/SetUpWindow.h"

#include "core/Choices.h"
#include "core/Game.h"
#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "core/RuleCheck.h"
#include "look/Fonts.h"
#include "look/QuitAndHelp.h"
#include "look/JoinCode.h"
#include "platform/input/Controllers.h"
#include "platform/network/Phones.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/window/ClickArea.h"
#include "platform/window/DesignScale.h"
#include "platform/window/MessageBoxes.h"
#include "platform/window/PlainText.h"
#include "platform/window/Timer.h"
#include "platform/window/WrappingButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
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
    design(QStringLiteral("Players"), QSize(560, 348), background);
    setFont(look::gameFont(look::FontRole::Controls, 9.75));
    createControls();
    buttonPoll_ = services.timers.create("buttonPoll", [this] { takePressedButton(); });
    buttonPoll_->setInterval(10);
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
        playingBoxes_[i] = new QCheckBox(name, this);
        playingBoxes_[i]->setObjectName(QStringLiteral("playing%1").arg(i + 1));
        playingBoxes_[i]->setGeometry(16, y, 90, 24);
        connect(playingBoxes_[i], &QCheckBox::clicked, this, [this] {
            updateStartButton();
            tellPhonesWhoPlays();
        });
        nameBoxes_[i] = new QLineEdit(this);
        nameBoxes_[i]->setObjectName(QStringLiteral("name%1").arg(i + 1));
        nameBoxes_[i]->setGeometry(112, y, 140, 24);
        // As long a name as the next run will read back.
        nameBoxes_[i]->setMaxLength(core::LongestName);
        buzzerLabels_[i] = label(QString::fromLatin1(platform::buzzerKeys[i].name), {264, y, 72, 24}, Qt::AlignHCenter);
        buzzerLabels_[i]->setObjectName(QStringLiteral("buzzerName%1").arg(i + 1));
        buzzerLabels_[i]->setWordWrap(true);
        // A pad's or a phone's name is shown as it came, never as markup.
        buzzerLabels_[i]->setTextFormat(Qt::PlainText);
        auto* buzzerCell = new platform::ClickArea(this);
        buzzerCell->setObjectName(QStringLiteral("buzzer%1").arg(i + 1));
        buzzerCell->setGeometry(264, y, 72, 24);
        buzzerCell->setFocusPolicy(Qt::TabFocus);
        connect(buzzerCell, &platform::ClickArea::clicked, this, [this, i] { waitForButton(i); });
        freeButtons_[i] = new QPushButton(QStringLiteral("Free"), this);
        freeButtons_[i]->setObjectName(QStringLiteral("free%1").arg(i + 1));
        freeButtons_[i]->setGeometry(360, y, 56, 24);
        freeButtons_[i]->setToolTip(QStringLiteral("Free Player %1's place for another phone").arg(i + 1));
        connect(freeButtons_[i], &QPushButton::clicked, this, [this, i] { services.phones.free(i); });
    }

    // The phones, at the right: the switch, the address as a code and in words.
    phonesBox_ = new QCheckBox(QStringLiteral("Phones"), this);
    phonesBox_->setObjectName(QStringLiteral("phones"));
    phonesBox_->setGeometry(360, 6, 184, 20);
    connect(phonesBox_, &QCheckBox::clicked, this, [this] {
        game_.choices.phonesOn = phonesBox_->isChecked();
        core::writeChoices(game_.choices, services.settings);
        turnPhones();
    });
    joinCode_ = new look::JoinCode(this);
    joinCode_->setObjectName(QStringLiteral("joinCode"));
    joinCode_->setGeometry(424, 32, 128, 128);
    roomCodeLabel_ = label(QString(), {424, 162, 128, 34}, Qt::AlignHCenter);
    roomCodeLabel_->setObjectName(QStringLiteral("roomCode"));
    roomCodeLabel_->setTextFormat(Qt::PlainText);
    roomCodeLabel_->setFont(look::gameFont(look::FontRole::Controls, 15.75, true));
    joinAddressLabel_ = label(QString(), {360, 206, 192, 44});
    joinAddressLabel_->setObjectName(QStringLiteral("joinAddress"));
    joinAddressLabel_->setTextFormat(Qt::PlainText);
    joinAddressLabel_->setWordWrap(true);
    joinAddressLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addressBox_ = new QComboBox(this);
    addressBox_->setObjectName(QStringLiteral("phoneAddress"));
    addressBox_->setGeometry(360, 254, 192, 24);
    addressBox_->setToolTip(QStringLiteral("The address the phones reach this computer at"));
    connect(addressBox_, &QComboBox::activated, this, [this] { turnPhones(); });
    connect(&services.phones, &platform::Phones::placesChanged, this, [this] { showPhones(); });

    const int below = rowTop + rowPitch * 6 + 6;
    label(QStringLiteral("Rounds"), {16, below, 56, 24});
    roundsBox_ = new QLineEdit(this);
    roundsBox_->setObjectName(QStringLiteral("rounds"));
    roundsBox_->setGeometry(72, below, 48, 24);
    letPadStep(*roundsBox_, 1, 999);
    helpButton_ = new QPushButton(QStringLiteral("Help"), this);
    helpButton_->setObjectName(QStringLiteral("help"));
    helpButton_->setGeometry(16, below + 32, 104, 28);
    connect(helpButton_, &QPushButton::clicked, this, [this] { openHelp(); });
    startButton_ = new QPushButton(QStringLiteral("Start Game"), this);
    startButton_->setObjectName(QStringLiteral("start"));
    startButton_->setGeometry(136, below, 200, 60);
    startButton_->setFont(look::gameFont(look::FontRole::Controls, 18));
    connect(startButton_, &QPushButton::clicked, this, [this] { startGame(); });

    const int bottom = below + 72;
    auto* difficulty = new QButtonGroup(this);
    const char* levels[] = {"Easy", "Normal", "Hard"};
    for (int i = 0; i < 3; ++i) {
        difficultyButtons_[i] = new QRadioButton(QString::fromLatin1(levels[i]), this);
        difficultyButtons_[i]->setObjectName(QString::fromLatin1(levels[i]).toLower());
        difficultyButtons_[i]->setGeometry(16, bottom + 22 * i, 100, 22);
        difficulty->addButton(difficultyButtons_[i], i);
    }
    practiceBox_ = new QCheckBox(QStringLiteral("Practise"), this);
    practiceBox_->setObjectName(QStringLiteral("practice"));
    practiceBox_->setGeometry(136, bottom, 110, 22);
    musicBox_ = new QCheckBox(QStringLiteral("Music On"), this);
    musicBox_->setObjectName(QStringLiteral("music"));
    musicBox_->setGeometry(136, bottom + 22, 110, 22);
    soundsBox_ = new QCheckBox(QStringLiteral("Sounds"), this);
    soundsBox_->setObjectName(QStringLiteral("sounds"));
    soundsBox_->setGeometry(136, bottom + 44, 110, 22);
    rulesButton_ = new platform::WrappingButton(QStringLiteral("   Change     Rules"), 2, this);
    rulesButton_->setObjectName(QStringLiteral("changeRules"));
    rulesButton_->setGeometry(232, bottom, 104, 60);
    connect(rulesButton_, &QPushButton::clicked, this, &SetUpWindow::changeRules);
    setFirstFocus(*startButton_);
}

void SetUpWindow::loadEvent()
{
    // The entries the players chose last time, or the game's defaults.
    const core::Choices& chosen = game_.choices;
    for (int i = 0; i < core::PlayerCount; ++i) {
        playingBoxes_[i]->setChecked(chosen.playing[i]);
        nameBoxes_[i]->setText(chosen.names[i]);
    }
    updateStartButton();
    roundsBox_->setText(QString::number(chosen.rounds));
    difficultyButtons_[chosen.difficulty]->setChecked(true);
    practiceBox_->setChecked(chosen.practice);
    musicBox_->setChecked(chosen.musicOn);
    soundsBox_->setChecked(chosen.soundsOn);
    phonesBox_->setChecked(chosen.phonesOn);
    turnPhones();
}

void SetUpWindow::changeRules()
{
    flow_.showRules();
}

void SetUpWindow::updateStartButton()
{
    startButton_->setEnabled(
        std::any_of(playingBoxes_.begin(), playingBoxes_.end(), [](QCheckBox* box) { return box->isChecked(); }));
}

void SetUpWindow::startGame()
{
    for (int i = 0; i < core::PlayerCount; ++i) {
        game_.playerNames[i] = nameBoxes_[i]->text();
        game_.playing[i] = playingBoxes_[i]->isChecked();
        game_.roundScores[i] = 0;
        game_.totalScores[i] = 0;
        game_.timesStopped[i] = 0;
    }
    game_.currentRound = 1;

    const core::RoundsCheck rounds = core::checkRounds(roundsBox_->text());
    if (rounds.error) {
        services.messages.show(*rounds.error, QStringLiteral("Error"));
        return;
    }
    if (rounds.rounds == 0)
        return;
    game_.roundCount = rounds.rounds;
    rememberChoices();
    tellPhonesWhoPlays();

    hide();
    flow_.startRound();

    // As the players chose them just now; the music as it stands for this run.
    game_.difficulty = std::int16_t(game_.choices.difficulty);
    game_.answerTime = std::chrono::seconds(game_.rules.turnSeconds);
    game_.idleTime = std::chrono::seconds(game_.rules.idleSeconds);
    game_.practice = game_.choices.practice;
    game_.musicOn = musicBox_->isChecked() && !game_.soundFailed;
    game_.soundsOn = soundsBox_->isChecked() && !game_.soundFailed;
}

void SetUpWindow::rememberChoices()
{
    core::Choices& chosen = game_.choices;
    for (int i = 0; i < core::PlayerCount; ++i) {
        chosen.playing[i] = playingBoxes_[i]->isChecked();
        chosen.names[i] = nameBoxes_[i]->text();
    }
    chosen.rounds = game_.roundCount;
    for (int i = 0; i < 3; ++i) {
        if (difficultyButtons_[i]->isChecked())
            chosen.difficulty = i;
    }
    chosen.practice = practiceBox_->isChecked();
    // After a sound fault the box is unticked for this run only: the players' choice stays.
    if (!game_.soundFailed) {
        chosen.musicOn = musicBox_->isChecked();
        chosen.soundsOn = soundsBox_->isChecked();
    }
    chosen.phonesOn = phonesBox_->isChecked();
    chosen.rules = game_.rules;
    core::writeChoices(chosen, services.settings);
}

void SetUpWindow::activateEvent()
{
    // The phones wait for the host, and see who is in.
    platform::PhoneView waiting;
    waiting.heading = QStringLiteral("Waiting for the game to start");
    for (int i = 0; i < core::PlayerCount; ++i) {
        if (playingBoxes_[i]->isChecked())
            waiting.scores.push_back({nameBoxes_[i]->text(), true});
    }
    services.phones.show(waiting);
    // After a sound fault the music and the sounds stay off for the rest of the run, and the
    // boxes say so.
    if (game_.soundFailed) {
        for (QCheckBox* box : {musicBox_, soundsBox_}) {
            box->setChecked(false);
            box->setEnabled(false);
        }
    }
}

void SetUpWindow::deactivateEvent()
{
    stopWaiting();
}

void SetUpWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape stops a wait for a button, and only that: it does not leave full screen then.
    if (event->key() == Qt::Key_Escape && waitingPlace_ != -1)
        stopWaiting();
    else
        Form::keyPressEvent(event);
}

void SetUpWindow::waitForButton(int place)
{
    if (waitingPlace_ == place) {
        stopWaiting();
        return;
    }
    waitingPlace_ = place;
    // A button already held counts only once it is pressed again.
    services.controllers.pump();
    buttonPoll_->start();
    showBuzzers();
}

platform::Form::PadUse SetUpWindow::padUse() const
{
    // While a cell waits for a button, the wait reads the pads itself and takes their presses.
    PadUse use;
    use.read = waitingPlace_ == -1;
    return use;
}

void SetUpWindow::stopWaiting()
{
    waitingPlace_ = -1;
    buttonPoll_->stop();
    showBuzzers();
}

void SetUpWindow::takePressedButton()
{
    services.controllers.pump();
    const platform::ControllerButton pressed = services.controllers.newlyPressed();
    if (!pressed.isValid() || waitingPlace_ == -1)
        return;
    // A pad's east button is its way back: it stops the wait, as Escape does.
    for (const platform::PadState& pad : services.controllers.pads()) {
        if (pressed == platform::ControllerButton{pad.device.kind, pad.device.copy,
                                                  pad.button[int(platform::PadInput::East)]}) {
            stopWaiting();
            return;
        }
    }
    // A button is one place's buzzer: taken from the place that had it.
    auto& buttons = game_.choices.buttons;
    for (QString& button : buttons) {
        if (button == pressed.text())
            button.clear();
    }
    buttons[waitingPlace_] = pressed.text();
    core::writeChoices(game_.choices, services.settings);
    stopWaiting();
}

void SetUpWindow::showBuzzers()
{
    buzzers_.useButtons(game_.choices.buttons, {});
    for (int i = 0; i < core::PlayerCount; ++i) {
        const QString text = i == waitingPlace_ ? QStringLiteral("Press a button") : buzzers_.name(i);
        buzzerLabels_[i]->setToolTip(platform::plainToolTip(text));
        QLabel* cell = buzzerLabels_[i];
        // The whole text, on one line or two, in the largest of the sizes that holds it; a
        // text that no size holds is cut at the smallest.
        const QSize room = platform::DesignScale::designGeometry(*cell).size();
        QFont font;
        for (const double points : {9.75, 8.25, 7.0}) {
            font = look::gameFont(look::FontRole::Controls, points);
            if (look::fitsWrapped(font, room, text))
                break;
        }
        setDesignFont(*cell, font);
        cell->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, 2 * room.width()));
    }
}

void SetUpWindow::tellPhonesWhoPlays()
{
    std::array<bool, core::PlayerCount> playing{};
    for (int i = 0; i < core::PlayerCount; ++i)
        playing[i] = playingBoxes_[i]->isChecked();
    services.phones.setPlaying(playing);
}

void SetUpWindow::turnPhones()
{
    platform::Phones& phones = services.phones;
    tellPhonesWhoPlays();
    if (!phonesBox_->isChecked()) {
        phones.turnOff();
    } else {
        // The host chooses among this computer's addresses when it has several.
        const QList<QHostAddress> addresses = platform::Phones::addresses();
        const QString chosen = addressBox_->count() ? addressBox_->currentText() : phones.address().toString();
        addressBox_->clear();
        for (const QHostAddress& address : addresses)
            addressBox_->addItem(address.toString());
        addressBox_->setCurrentIndex(std::max(0, addressBox_->findText(chosen)));
        if (!addresses.isEmpty())
            phones.turnOn(QHostAddress(addressBox_->currentText()));
    }
    showPhones();
}

void SetUpWindow::showPhones()
{
    const platform::Phones& phones = services.phones;
    const bool on = phonesBox_->isChecked();
    joinCode_->setAddress(phones.joinAddress());
    roomCodeLabel_->setText(phones.isOn() ? QStringLiteral("Room ") + phones.roomCode() : QString());
    if (phones.isOn())
        joinAddressLabel_->setText(QStringLiteral("Scan the code, or open\n") + phones.joinAddress());
    else if (on && addressBox_->count() == 0)
        joinAddressLabel_->setText(QStringLiteral("Phones cannot join: this computer has no address on a local "
                                                  "network."));
    else if (on)
        joinAddressLabel_->setText(QStringLiteral("Phones cannot join: the address cannot be listened on."));
    else
        joinAddressLabel_->setText(QStringLiteral("Tick Phones to let the room's phones buzz, over this "
                                                  "computer's own network."));
    // The address whole, on its own line, in the largest size that holds it.
    const QSize room = platform::DesignScale::designGeometry(*joinAddressLabel_).size();
    for (const double points : {9.75, 8.25, 7.0}) {
        const QFont font = look::gameFont(look::FontRole::Controls, points);
        setDesignFont(*joinAddressLabel_, font);
        if (QFontMetrics(font).horizontalAdvance(phones.joinAddress()) <= room.width())
            break;
    }
    addressBox_->setVisible(on && addressBox_->count() > 1);
    for (int i = 0; i < core::PlayerCount; ++i) {
        freeButtons_[i]->setVisible(on);
        freeButtons_[i]->setEnabled(phones.holds(i));
        // The name a player typed on their phone, shown as typed, when it is new: the host may
        // still type over it.
        if (const QString name = phones.playerName(i); name != phoneNames_[i]) {
            phoneNames_[i] = name;
            if (!name.isEmpty())
                nameBoxes_[i]->setText(name);
        }
    }
    showBuzzers();
}

void SetUpWindow::openHelp()
{
    look::showHelp(services, look::helpAtStart);
}

void SetUpWindow::queryClose(bool& cancel)
{
    cancel = !look::confirmQuit(services);
}

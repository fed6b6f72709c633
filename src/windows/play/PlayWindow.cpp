// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/play/PlayWindow.h"

#include "core/Game.h"
#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "look/Fonts.h"
#include "look/QuitAndHelp.h"
#include "platform/audio/MusicDevice.h"
#include "platform/Random.h"
#include "platform/network/Phones.h"
#include "platform/Services.h"
#include "platform/window/ClickArea.h"
#include "platform/window/FocusRing.h"
#include "platform/window/Timer.h"

#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

// The round clock's tick by difficulty: Easy, Normal, Hard.
constexpr int clockIntervals[] = {647, 205, 50};
constexpr int spinInterval = 25;
constexpr int keyCheckInterval = 10;
constexpr int flashInterval = 10;

}  // namespace

PlayWindow::PlayWindow(const core::WindowContext& context)
    : Form(context.services), game_(context.game), flow_(context.flow)
{
    design(QStringLiteral("Quorvix!"), DesignSize, play::colour::Background);
    designAtLeft();  // the scoreboard takes the width a wider window has
    setFocusPolicy(Qt::StrongFocus);

    auto& timers = services.timers;
    clockTimer_ = timers.create("roundClock", [this] { tickClock(); });
    spinTimer_ = timers.create("spin", [this] { spinTick(); });
    buzzerPoll_ = timers.create("buzzerPoll", [this] { pollBuzzers(); });
    flashTimer_ = timers.create("flash", [this] { flashTick(); });
    spinTimer_->setInterval(spinInterval);
    buzzerPoll_->setInterval(keyCheckInterval);
    flashTimer_->setInterval(flashInterval);

    createControls();
    makeSurfaces();
    connect(&services.phones, &platform::Phones::tapped, this, &PlayWindow::tapFromPhone);
}

PlayWindow::~PlayWindow() = default;

void PlayWindow::createControls()
{
    const auto button = [this](const char* name, const char* caption, QRect geometry, const QFont& font,
                               auto handler) {
        auto* control = new QPushButton(QString::fromUtf8(caption), this);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(geometry);
        control->setFont(font);
        control->setFocusPolicy(Qt::NoFocus);
        connect(control, &QPushButton::clicked, this, handler);
        return control;
    };
    const QFont operatorFont = look::gameFont(look::FontRole::Signs, 18, true);
    using Operation = core::Operation;
    const auto choose = [this](Operation operation) { return [this, operation] { chooseOperation(operation); }; };
    addButton_ = button("add", "+", {72, 104, 25, 25}, operatorFont, choose(Operation::Add));
    subtractButton_ = button("subtract", "-", {104, 104, 25, 25}, operatorFont, choose(Operation::Subtract));
    multiplyButton_ = button("multiply", "×", {136, 104, 25, 25}, operatorFont, choose(Operation::Multiply));
    divideButton_ = button("divide", "÷", {168, 104, 25, 25}, operatorFont, choose(Operation::Divide));
    cancelButton_ = button("cancel", "Cancel", {200, 104, 73, 25}, look::gameFont(look::FontRole::Signs, 14.25),
                    &PlayWindow::cancelWorking);
    equalsButton_ = button("equals", "=", {160, 144, 25, 25}, operatorFont, &PlayWindow::makeNumber);
    const QFont plainFont = look::gameFont(look::FontRole::Controls, 13.5);
    giveUpButton_ = button("giveUp", "Give Up", {32, 232, 81, 33}, plainFont, &PlayWindow::giveUp);
    endRoundButton_ = button("endRound", "End Round", {120, 232, 113, 33}, plainFont, &PlayWindow::endRoundNow);

    // Transparent areas over the tiles take the clicks on the numbers.
    const auto clickArea = [this](const QString& name, const QRect& geometry, auto handler) {
        auto* area = new platform::ClickArea(this);
        area->setObjectName(name);
        area->setGeometry(geometry);
        connect(area, &platform::ClickArea::clicked, this, handler);
        return area;
    };
    using Row = core::Round::Row;
    for (int i = 0; i < 7; ++i)
        dealtClickAreas_[i] = clickArea(QStringLiteral("dealtNumber%1").arg(i), board_.dealtTiles[i].geometry,
                                        [this, i] { selectNumber({Row::Dealt, i}); });
    for (int i = 0; i < 3; ++i)
        madeClickAreas_[i] = clickArea(QStringLiteral("madeNumber%1").arg(i), board_.madeTiles[i].geometry,
                                       [this, i] { selectNumber({Row::Made, i}); });
    scoreboard_ = new play::Scoreboard(*this);
}

void PlayWindow::prepareRound()
{
    makeSurfaces();
    prepareClockDial();
    // A flash cut short by the window's deactivation leaves its element in the flashed colours.
    resetColours();
    endRoundButton_->setVisible(game_.practice);
    round_.start();
    game_.clockPosition = FullDial;
    state_.animationTicks = 0;
    for (auto& digit : board_.targetDigits)
        digit.caption = QStringLiteral("0");
    clockTimer_->setInterval(clockIntervals[std::clamp<int>(game_.difficulty, 0, 2)]);
    openMusic();
    state_.musicPlaying = false;
    clockTimer_->start();
    state_.dialShown = false;
    buzzers_.useButtons(game_.choices.buttons, game_.playing);
    backBuffer_.fill(play::colour::Background);
    showRound(true);
}

void PlayWindow::resetColours()
{
    resetContenderColours();
    const play::Board design;
    board_.madeTiles = design.madeTiles;
    for (std::size_t i = 0; i < board_.madeNumbers.size(); ++i) {
        board_.madeNumbers[i].background = design.madeNumbers[i].background;
        board_.madeNumbers[i].textColour = design.madeNumbers[i].textColour;
    }
}

void PlayWindow::resetContenderColours()
{
    const play::Board design;
    board_.contenderPanel = design.contenderPanel;
    board_.contenderName.background = design.contenderName.background;
    board_.contenderName.textColour = design.contenderName.textColour;
}

void PlayWindow::loadEvent()
{
    state_.musicPiece = play::RoundState::noMusicPiece;
}

void PlayWindow::activateEvent()
{
    services.random.reseed();
    prepareRound();
    services.music.setMute(!game_.musicOn);
}

void PlayWindow::deactivateEvent()
{
    // All four timers: a spin or a flash must not go on behind the next window.
    clockTimer_->stop();
    buzzerPoll_->stop();
    spinTimer_->stop();
    flashTimer_->stop();
    if (game_.musicOn)
        services.music.close();
}

void PlayWindow::queryClose(bool& cancel)
{
    // The round clock and the music wait while the players answer the question; only music
    // that was playing plays on after it.
    const bool musicWasPlaying = musicIsPlaying();
    if (game_.musicOn)
        services.music.stop();
    const bool clockWasRunning = clockTimer_->isEnabled();
    clockTimer_->stop();
    if (look::confirmQuit(services))
        return;
    cancel = true;
    if (musicWasPlaying)
        services.music.play();
    clockTimer_->setEnabled(clockWasRunning);
}

bool PlayWindow::musicIsPlaying() const
{
    // Started by the round clock, not stopped for an answer or a win.
    return game_.musicOn && state_.musicPlaying && !round_.isAnswering() && round_.winningSlot() == -1;
}



// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "core/Choices.h"
#include "look/Fonts.h"
#include "platform/Services.h"
#include "platform/window/MessageBoxes.h"
#include "platform/window/PadPoll.h"
#include "platform/window/ScreenMemory.h"
#include "windows/finder/FinderWindow.h"
#include "windows/play/PlayWindow.h"
#include "windows/scores/FinalTable.h"
#include "windows/scores/RoundTable.h"
#include "windows/setup/RulesWindow.h"
#include "windows/setup/SetUpWindow.h"
#include "windows/title/AboutBox.h"
#include "windows/title/TitleWindow.h"

namespace {

// `unloaded` keeps the windows that have unloaded themselves until Qt deletes them, so that
// none outlives the services it was made with.
template <typename Window, typename Holder>
Window& createdOnFirstUse(Holder& window, const core::WindowContext& context,
                          std::vector<QPointer<platform::Form>>& unloaded)
{
    if (!window) {
        if constexpr (std::is_same_v<Holder, QPointer<Window>>) {
            // An unloaded window is gone for the game at once, though Qt deletes it later.
            window = new Window(context);
            QObject::connect(window, &platform::Form::unloaded, [&window, &unloaded] {
                std::erase_if(unloaded, [](const QPointer<platform::Form>& gone) { return gone.isNull(); });
                unloaded.emplace_back(window.data());
                window.clear();
            });
        } else {
            window = std::make_unique<Window>(context);
        }
        window->load();
    }
    return *window;
}

}  // namespace

Program::Program(platform::Services& services, core::Game& game)
    : context_{services, game, *this}, pads_(std::make_unique<platform::PadPoll>(services))
{
    // What the players chose in the last run.
    game.choices = core::readChoices(services.settings);
    game.rules = game.choices.rules;
    services.screen.restore();
    services.messages.setFace(look::gameFont(look::FontRole::Controls, 12));
}

Program::~Program()
{
    delete aboutBox_;
    delete rulesWindow_;
    for (const QPointer<platform::Form>& window : unloaded_)
        delete window.data();
}

TitleWindow& Program::titleWindow()
{
    return createdOnFirstUse<TitleWindow>(titleWindow_, context_, unloaded_);
}

AboutBox& Program::aboutBox()
{
    return createdOnFirstUse<AboutBox>(aboutBox_, context_, unloaded_);
}

SetUpWindow& Program::setUpWindow()
{
    return createdOnFirstUse<SetUpWindow>(setUpWindow_, context_, unloaded_);
}

RulesWindow& Program::rulesWindow()
{
    return createdOnFirstUse<RulesWindow>(rulesWindow_, context_, unloaded_);
}

PlayWindow& Program::playWindow()
{
    return createdOnFirstUse<PlayWindow>(playWindow_, context_, unloaded_);
}

RoundTable& Program::roundTable()
{
    return createdOnFirstUse<RoundTable>(roundTable_, context_, unloaded_);
}

FinalTable& Program::finalTable()
{
    return createdOnFirstUse<FinalTable>(finalTable_, context_, unloaded_);
}

FinderWindow& Program::finderWindow()
{
    return createdOnFirstUse<FinderWindow>(finderWindow_, context_, unloaded_);
}

void Program::showTitle()
{
    services().music.closeSounds();  // the game is over
    titleWindow().show();
    // The pads are read from once the title shows: their devices' start costs the launch nothing.
    QMetaObject::invokeMethod(&titleWindow(), [this] { pads_->start(); }, Qt::QueuedConnection);
}

void Program::showAbout()
{
    aboutBox().showModal();
}

void Program::showSetUp()
{
    setUpWindow().show();
}

void Program::showRules()
{
    rulesWindow().showModal();
}

void Program::startRound()
{
    PlayWindow& play = playWindow();
    play.prepareRound();
    play.show();
}

void Program::showSolution(const core::Deal& deal, int target)
{
    FinderWindow& finder = finderWindow();
    finder.prepareSearch(deal, target);
    finder.showModal();
}

void Program::showRoundTable()
{
    roundTable().show();
}

void Program::showFinalTable()
{
    services().music.closeSounds();  // the last round's sounds have played out behind its table
    finalTable().show();
}

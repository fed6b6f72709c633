// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Windows.h"

#include "core/Choices.h"
#include "platform/Services.h"

#include "play/PlayWindow.h"
#include "scores/FinalTable.h"
#include "scores/RoundTable.h"
#include "setup/SetUpWindow.h"
#include "setup/RulesWindow.h"
#include "title/AboutBox.h"
#include "title/TitleWindow.h"
#include "finder/FinderWindow.h"

#include <QCheckBox>

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

Windows::Windows(platform::Services& services, core::Game& game) : context_{services, game, *this}
{
    // What the players chose in the last run.
    game.choices = core::readChoices(services.settings);
    game.rules = game.choices.rules;
    platform::Form::restoreScreenChoice(services);
}

Windows::~Windows()
{
    delete aboutBox_;
    delete rulesWindow_;
    for (const QPointer<platform::Form>& window : unloaded_)
        delete window.data();
}

TitleWindow& Windows::titleWindow()
{
    return createdOnFirstUse<TitleWindow>(titleWindow_, context_, unloaded_);
}

AboutBox& Windows::aboutBox()
{
    return createdOnFirstUse<AboutBox>(aboutBox_, context_, unloaded_);
}

SetUpWindow& Windows::setUpWindow()
{
    return createdOnFirstUse<SetUpWindow>(setUpWindow_, context_, unloaded_);
}

RulesWindow& Windows::rulesWindow()
{
    return createdOnFirstUse<RulesWindow>(rulesWindow_, context_, unloaded_);
}

PlayWindow& Windows::playWindow()
{
    return createdOnFirstUse<PlayWindow>(playWindow_, context_, unloaded_);
}

RoundTable& Windows::roundTable()
{
    return createdOnFirstUse<RoundTable>(roundTable_, context_, unloaded_);
}

FinalTable& Windows::finalTable()
{
    return createdOnFirstUse<FinalTable>(finalTable_, context_, unloaded_);
}

FinderWindow& Windows::finderWindow()
{
    return createdOnFirstUse<FinderWindow>(finderWindow_, context_, unloaded_);
}

void Windows::showTitle()
{
    titleWindow().show();
}

void Windows::showAbout()
{
    aboutBox().showModal();
}

void Windows::showSetUp()
{
    setUpWindow().show();
}

void Windows::loadRules()
{
    rulesWindow();
}

void Windows::showRules()
{
    rulesWindow().showModal();
}

void Windows::startRound()
{
    PlayWindow& play = playWindow();
    play.prepareRound();
    play.show();
}

void Windows::showSolution(const core::Deal& numbers, int target)
{
    FinderWindow& finder = finderWindow();
    finder.prepareSearch(numbers, target);
    finder.showModal();
}

void Windows::showRoundTable()
{
    roundTable().show();
}

void Windows::showFinalTable()
{
    finalTable().show();
}

void Windows::turnMusicOff()
{
    setUpWindow().musicBox->setChecked(false);
    setUpWindow().musicBox->setEnabled(false);
}

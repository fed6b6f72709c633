// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Windows.h"

#include "play/MainForm.h"
#include "scores/EndGame.h"
#include "scores/RoundEnd.h"
#include "setup/Players.h"
#include "setup/Rules.h"
#include "title/About.h"
#include "title/Title.h"
#include "solver/Solvo.h"

#include <QCheckBox>

namespace {

template <typename Window, typename Holder>
Window& createdOnFirstUse(Holder& window, const core::WindowContext& context)
{
    if (!window) {
        if constexpr (std::is_same_v<Holder, QPointer<Window>>) {
            // An unloaded window is gone for the game at once, though Qt deletes it later.
            window = new Window(context);
            QObject::connect(window, &platform::Form::unloaded, [&window] { window.clear(); });
        } else {
            window = std::make_unique<Window>(context);
        }
        window->load();
    }
    return *window;
}

}  // namespace

Windows::Windows(platform::Services& services, core::Game& game) : context_{services, game, *this} {}

Windows::~Windows()
{
    delete about_;
    delete rules_;
}

Title& Windows::title()
{
    return createdOnFirstUse<Title>(title_, context_);
}

About& Windows::about()
{
    return createdOnFirstUse<About>(about_, context_);
}

Players& Windows::players()
{
    return createdOnFirstUse<Players>(players_, context_);
}

Rules& Windows::rules()
{
    return createdOnFirstUse<Rules>(rules_, context_);
}

MainForm& Windows::mainForm()
{
    return createdOnFirstUse<MainForm>(mainForm_, context_);
}

RoundEnd& Windows::roundEnd()
{
    return createdOnFirstUse<RoundEnd>(roundEnd_, context_);
}

EndGame& Windows::endGame()
{
    return createdOnFirstUse<EndGame>(endGame_, context_);
}

Solvo& Windows::solvo()
{
    return createdOnFirstUse<Solvo>(solvo_, context_);
}

void Windows::showTitle()
{
    title().show();
}

void Windows::showAbout()
{
    about().showModal();
}

void Windows::showSetUp()
{
    players().show();
}

void Windows::loadRules()
{
    rules();
}

void Windows::showRules()
{
    rules().showModal();
}

void Windows::startRound()
{
    MainForm& play = mainForm();
    play.Prepare();
    play.show();
}

void Windows::showSolution(const core::Deal& numbers, int target)
{
    Solvo& finder = solvo();
    finder.Prepare(numbers, target);
    finder.showModal();
}

void Windows::showRoundTable()
{
    roundEnd().show();
}

void Windows::showFinalTable()
{
    endGame().show();
}

void Windows::turnMusicOff()
{
    players().MusicBox->setChecked(false);
    players().MusicBox->setEnabled(false);
}

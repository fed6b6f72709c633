// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Windows.h"

#include "play/MainForm.h"
#include "scores/EndGame.h"
#include "scores/RoundEnd.h"
#include "setup/Players.h"
#include "setup/Rules.h"
#include "shell/About.h"
#include "shell/Title.h"
#include "solver/Solvo.h"

namespace {

template <typename Window, typename Holder>
Window& createdOnFirstUse(Holder& window, Windows& windows)
{
    if (!window) {
        if constexpr (std::is_same_v<Holder, QPointer<Window>>) {
            // An unloaded window is gone for the game at once, though Qt deletes it later.
            window = new Window(windows);
            QObject::connect(window, &platform::Form::unloaded, [&window] { window.clear(); });
        } else {
            window = std::make_unique<Window>(windows);
        }
        window->load();
    }
    return *window;
}

}  // namespace

Windows::Windows(platform::Services& services, core::Game& game) : services_(services), game_(game) {}

Windows::~Windows()
{
    delete about_;
    delete rules_;
}

Title& Windows::title()
{
    return createdOnFirstUse<Title>(title_, *this);
}

About& Windows::about()
{
    return createdOnFirstUse<About>(about_, *this);
}

Players& Windows::players()
{
    return createdOnFirstUse<Players>(players_, *this);
}

Rules& Windows::rules()
{
    return createdOnFirstUse<Rules>(rules_, *this);
}

MainForm& Windows::mainForm()
{
    return createdOnFirstUse<MainForm>(mainForm_, *this);
}

RoundEnd& Windows::roundEnd()
{
    return createdOnFirstUse<RoundEnd>(roundEnd_, *this);
}

EndGame& Windows::endGame()
{
    return createdOnFirstUse<EndGame>(endGame_, *this);
}

Solvo& Windows::solvo()
{
    return createdOnFirstUse<Solvo>(solvo_, *this);
}

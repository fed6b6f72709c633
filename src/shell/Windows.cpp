// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Windows.h"

#include "play/MainForm.h"
#include "scores/EndGame.h"
#include "scores/RoundEnd.h"
#include "setup/Players.h"
#include "solver/Solvo.h"

namespace {

template <typename Window>
Window& createdOnFirstUse(std::unique_ptr<Window>& window, Windows& windows)
{
    if (!window) {
        window = std::make_unique<Window>(windows);
        window->load();
    }
    return *window;
}

}  // namespace

Windows::Windows(platform::Services& services) : services_(services) {}

Windows::~Windows() = default;

MainForm& Windows::mainForm()
{
    return createdOnFirstUse(mainForm_, *this);
}

Players& Windows::players()
{
    return createdOnFirstUse(players_, *this);
}

RoundEnd& Windows::roundEnd()
{
    return createdOnFirstUse(roundEnd_, *this);
}

EndGame& Windows::endGame()
{
    return createdOnFirstUse(endGame_, *this);
}

Solvo& Windows::solvo()
{
    return createdOnFirstUse(solvo_, *this);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

#include <memory>

namespace core {
struct Game;
}

namespace platform {
struct Services;
}

class About;
class EndGame;
class MainForm;
class Players;
class RoundEnd;
class Rules;
class Solvo;
class Title;

// The game's windows, each created (and loaded) on first use and kept for the rest of the
// run, so that its controls keep their contents between games. The About box and the rules
// window can unload themselves (OK, or a close by the frame); the next use makes them afresh.
class Windows {
public:
    Windows(platform::Services& services, core::Game& game);
    ~Windows();

    platform::Services& services() { return services_; }
    core::Game& game() { return game_; }
    Title& title();
    About& about();
    Players& players();
    Rules& rules();
    MainForm& mainForm();
    RoundEnd& roundEnd();
    EndGame& endGame();
    Solvo& solvo();

private:
    platform::Services& services_;
    core::Game& game_;
    std::unique_ptr<Title> title_;
    std::unique_ptr<Players> players_;
    std::unique_ptr<MainForm> mainForm_;
    std::unique_ptr<RoundEnd> roundEnd_;
    std::unique_ptr<EndGame> endGame_;
    std::unique_ptr<Solvo> solvo_;
    // Deleted by their own unloading, or here.
    QPointer<About> about_;
    QPointer<Rules> rules_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace platform {
struct Services;
}

class EndGame;
class MainForm;
class Players;
class RoundEnd;
class Solvo;

// The game's windows, each created (and loaded) on first use and kept for the rest of the
// run, so that its controls keep their contents between games.
class Windows {
public:
    explicit Windows(platform::Services& services);
    ~Windows();

    platform::Services& services() { return services_; }
    MainForm& mainForm();
    Players& players();
    RoundEnd& roundEnd();
    EndGame& endGame();
    Solvo& solvo();

private:
    platform::Services& services_;
    std::unique_ptr<MainForm> mainForm_;
    std::unique_ptr<Players> players_;
    std::unique_ptr<RoundEnd> roundEnd_;
    std::unique_ptr<EndGame> endGame_;
    std::unique_ptr<Solvo> solvo_;
};

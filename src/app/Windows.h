// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

#include <memory>

#include "core/GameFlow.h"

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
// The only place that knows every window: it carries out the moves between them that the
// windows ask for.
class Windows final : public core::GameFlow {
public:
    Windows(platform::Services& services, core::Game& game);
    ~Windows() override;

    platform::Services& services() { return context_.services; }
    core::Game& game() { return context_.game; }
    Title& title();
    About& about();
    Players& players();
    Rules& rules();
    MainForm& mainForm();
    RoundEnd& roundEnd();
    EndGame& endGame();
    Solvo& solvo();

    void showTitle() override;
    void showAbout() override;
    void showSetUp() override;
    void loadRules() override;
    void showRules() override;
    void startRound() override;
    void showSolution(const core::Deal& numbers, int target) override;
    void showRoundTable() override;
    void showFinalTable() override;
    void turnMusicOff() override;

private:
    core::WindowContext context_;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/GameFlow.h"

#include <QPointer>

#include <memory>
#include <vector>

namespace platform {
class Form;
class PadPoll;
struct Services;
}

class AboutBox;
class FinalTable;
class PlayWindow;
class SetUpWindow;
class RoundTable;
class RulesWindow;
class FinderWindow;
class TitleWindow;

// The game's windows, each created (and loaded) on first use and kept for the rest of the
// run, so that its controls keep their contents between games. The About box and the rules
// window can unload themselves (OK, or a close by the frame); the next use makes them afresh.
// The only place that knows every window: it carries out the moves between them that the
// windows ask for.
class Program final : public core::GameFlow {
public:
    Program(platform::Services& services, core::Game& game);
    ~Program() override;

    platform::Services& services() { return context_.services; }
    core::Game& game() { return context_.game; }
    TitleWindow& titleWindow();
    AboutBox& aboutBox();
    SetUpWindow& setUpWindow();
    RulesWindow& rulesWindow();
    PlayWindow& playWindow();
    RoundTable& roundTable();
    FinalTable& finalTable();
    FinderWindow& finderWindow();

    void showTitle() override;
    void showAbout() override;
    void showSetUp() override;
    void showRules() override;
    void startRound() override;
    void showSolution(const core::Deal& deal, int target) override;
    void showRoundTable() override;
    void showFinalTable() override;

private:
    core::WindowContext context_;
    std::unique_ptr<platform::PadPoll> pads_;
    std::unique_ptr<TitleWindow> titleWindow_;
    std::unique_ptr<SetUpWindow> setUpWindow_;
    std::unique_ptr<PlayWindow> playWindow_;
    std::unique_ptr<RoundTable> roundTable_;
    std::unique_ptr<FinalTable> finalTable_;
    std::unique_ptr<FinderWindow> finderWindow_;
    // Deleted by their own unloading, or here.
    QPointer<AboutBox> aboutBox_;
    QPointer<RulesWindow> rulesWindow_;
    // Unloaded, and waiting for Qt to delete them.
    std::vector<QPointer<platform::Form>> unloaded_;
};

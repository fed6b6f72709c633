// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace platform {
struct Services;
}

class MainForm;
class Players;

// The game's windows, each created (and loaded) on first use and kept for the rest of the
// run, so that its controls keep their contents between games.
class Windows {
public:
    explicit Windows(platform::Services& services);
    ~Windows();

    platform::Services& services() { return services_; }
    MainForm& mainForm();
    Players& players();

private:
    platform::Services& services_;
    std::unique_ptr<MainForm> mainForm_;
    std::unique_ptr<Players> players_;
};

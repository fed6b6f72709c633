// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// The end of the program. Whatever the game keeps is written before quit() is called, so
// quitting is only ending the process.
class Application {
public:
    virtual ~Application() = default;
    // Ends the program at once, its windows with it; in the real program it never returns.
    virtual void quit() = 0;
};

class ProcessApplication final : public Application {
public:
    void quit() override;
};

}  // namespace platform

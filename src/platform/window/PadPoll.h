// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/PadNavigator.h"

#include <memory>

class QWidget;

namespace platform {

struct Services;
class Timer;

// The pads' poll outside the buzzers: any pad drives the window in front, as consoles do (the
// open message box, else the help, else the active game window), unless that window limits
// them: the play window lets only the answering player's pad drive the board, and lets a
// buzzer's button only buzz. Started once the first window shows, its first reading half a
// second later, so that the devices' start costs the launch nothing.
class PadPoll {
public:
    static constexpr int Interval = 40;  // milliseconds: 25 readings a second
    // The first reading starts the devices (SDL's scan of them takes milliseconds): it waits
    // until the first window has surely been drawn.
    static constexpr int FirstReading = 500;

    explicit PadPoll(Services& services);
    ~PadPoll();
    PadPoll(const PadPoll&) = delete;
    PadPoll& operator=(const PadPoll&) = delete;

    void start();

private:
    void poll();

    Services& services_;
    std::unique_ptr<Timer> timer_;
    PadNavigator navigator_;
};

// A press for a message box or another window that is not a game window: the moves and the
// choice as the keyboard makes them, and the way back as Escape.
void navigateByKeys(QWidget& window, Navigation navigation);

}  // namespace platform

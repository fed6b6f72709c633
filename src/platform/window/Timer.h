// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

namespace platform {

class MessageBoxes;

// A timer of the game's: an interval in milliseconds and a running switch. A tick runs the
// handler unless the timer has been stopped or a message box is open: the game's steps
// rely on no tick arriving while a player reads a message.
class Timer {
public:
    using Handler = std::function<void()>;

    virtual ~Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    // This timer's ticks go on while a message box is open: the pads' poll, which answers
    // the box itself.
    void tickOverMessages() { overMessages_ = true; }

protected:
    // Ticks wait while one of `messages` is open.
    Timer(Handler handler, const MessageBoxes& messages) : handler_(std::move(handler)), messages_(messages) {}
    // One tick, as the backend delivers it.
    void deliverTick();
    // The interval or the running switch changed: the backend follows.
    virtual void scheduleChanged() = 0;

private:
    Handler handler_;
    const MessageBoxes& messages_;
    int interval_ = 0;
    bool enabled_ = false;
    bool overMessages_ = false;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    // A stopped timer; `name` is the timer's name in its window (for test doubles to find it).
    virtual std::unique_ptr<Timer> create(const char* name, Timer::Handler handler) = 0;
};

// Timers driven by Qt's event loop.
class QtTimerFactory final : public TimerFactory {
public:
    explicit QtTimerFactory(const MessageBoxes& messages) : messages_(messages) {}
    std::unique_ptr<Timer> create(const char* name, Timer::Handler handler) override;

private:
    const MessageBoxes& messages_;
};

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/Timer.h"

#include "platform/window/MessageBoxes.h"

#include <QTimer>

namespace platform {

void Timer::setInterval(int milliseconds)
{
    if (interval_ == milliseconds)
        return;
    interval_ = milliseconds;
    scheduleChanged();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    scheduleChanged();
}

void Timer::deliverTick()
{
    // Qt goes on firing timers inside a message box's own loop; those ticks are dropped.
    if (!enabled_ || (messages_.anyOpen() && !overMessages_))
        return;
    handler_();
}

namespace {

class QtTimer final : public Timer {
public:
    QtTimer(Handler handler, const MessageBoxes& messages) : Timer(std::move(handler), messages)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { deliverTick(); });
    }

private:
    void scheduleChanged() override
    {
        timer_.setInterval(interval());
        if (isEnabled())
            timer_.start();
        else
            timer_.stop();
    }

    QTimer timer_;
};

}  // namespace

std::unique_ptr<Timer> QtTimerFactory::create(const char*, Timer::Handler handler)
{
    return std::make_unique<QtTimer>(std::move(handler), messages_);
}

}  // namespace platform

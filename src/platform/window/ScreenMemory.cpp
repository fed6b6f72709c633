// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/ScreenMemory.h"

#include "platform/Settings.h"
#include "platform/window/Timer.h"

#include <QScreen>
#include <QWidget>

namespace platform {

namespace {

const QString fullScreenKey = QStringLiteral("window/fullScreen");

QString sizeKey(const QString& window)
{
    return QStringLiteral("windows/%1/size").arg(window);
}

}  // namespace

ScreenMemory::ScreenMemory(Settings& settings, TimerFactory& timers)
    : settings_(settings), settled_(timers.create("sizeSettled", [this] { writeSizes(); }))
{
    settled_->setInterval(500);
}

ScreenMemory::~ScreenMemory() = default;

void ScreenMemory::restore()
{
    const QVariant stored = settings_.value(fullScreenKey);
    if (const auto on = storedBool(stored))
        fullScreen_ = *on;
    else if (stored.isValid())
        settings_.reportBadValue();
}

void ScreenMemory::setFullScreen(bool on)
{
    fullScreen_ = on;
    settings_.setValue(fullScreenKey, on);
    settings_.save();
}

std::optional<QSize> ScreenMemory::keptSize(const QString& window, QSize smallest, QSize room)
{
    const QVariant stored = settings_.value(sizeKey(window));
    if (!stored.isValid())
        return std::nullopt;
    const auto size = storedWindowSize(stored, smallest);
    if (!size)
        settings_.reportBadValue();
    else if (!room.isEmpty())
        return size->boundedTo(room).expandedTo(smallest);
    return size;
}

void ScreenMemory::resized(const QString& window, QSize size)
{
    unwritten_[window] = size;
    settled_->stop();
    settled_->start();
}

void ScreenMemory::writeSizes()
{
    settled_->stop();
    if (unwritten_.empty())
        return;
    for (const auto& [window, size] : unwritten_)
        settings_.setValue(sizeKey(window), QStringLiteral("%1 %2").arg(size.width()).arg(size.height()));
    unwritten_.clear();
    settings_.save();
}

void WindowScreen::beforeShow()
{
    if (!sizeRestored_) {
        sizeRestored_ = true;
        const QScreen* screen = window_.screen();
        if (const auto size = memory_.keptSize(name(), window_.minimumSize(), screen ? screen->availableSize() : QSize()))
            window_.resize(*size);
    }
    followChoice();
}

void WindowScreen::setFullScreen(bool on)
{
    memory_.setFullScreen(on);
    followChoice();
}

void WindowScreen::resized(QSize from, QSize to)
{
    // Full screen is no size of the players' choosing.
    if (sizeRestored_ && window_.isVisible() && !fullScreen_ && to != from)
        memory_.resized(name(), to);
}

void WindowScreen::followChoice()
{
    const bool on = memory_.fullScreen();
    if (on == fullScreen_)
        return;
    fullScreen_ = on;
    if (on) {
        normalGeometry_ = window_.geometry();
        // Without a window manager nobody else would: the window takes the whole screen itself,
        // before it asks to be full screen. Qt drops the full-screen state of a window whose
        // geometry is set afterwards, and a window manager then keeps the frame on it.
        if (QScreen* shown = window_.screen())
            window_.setGeometry(shown->geometry());
        window_.setWindowState(window_.windowState() | Qt::WindowFullScreen);
    } else {
        window_.setWindowState(window_.windowState() & ~Qt::WindowFullScreen);
        if (normalGeometry_.isValid())
            window_.setGeometry(normalGeometry_);
    }
}

QString WindowScreen::name() const
{
    // A game window by its class; a window of no class of its own (the help) by its object name.
    const QString own = window_.objectName();
    return own.isEmpty() ? QLatin1String(window_.metaObject()->className()) : own;
}

}  // namespace platform

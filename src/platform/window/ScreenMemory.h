// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <map>
#include <memory>
#include <optional>

class QWidget;

namespace platform {

class Settings;
class Timer;
class TimerFactory;

// What the game remembers of the screen from one run to the next: the players' choice of full
// screen, which every game window follows as it is shown, and the size the players gave each
// window. One for the program, in the services. A drag resizes a window many times a second,
// so a size is written once it has settled (no resize for half a second), or as the window
// hides, whichever comes first.
class ScreenMemory {
public:
    ScreenMemory(Settings& settings, TimerFactory& timers);
    ~ScreenMemory();

    // The choice of full screen of the last run; a damaged one is reported and left off.
    void restore();
    bool fullScreen() const { return fullScreen_; }
    // Stored at once.
    void setFullScreen(bool on);

    // The size kept for the window named `window`, if a usable one is kept: no smaller than
    // `smallest`, and no larger than `room` (a size kept from a larger screen is no damage).
    std::optional<QSize> keptSize(const QString& window, QSize smallest, QSize room);
    // The players gave the window named `window` this size: it is kept once it has settled.
    void resized(const QString& window, QSize size);
    // Writes the sizes that have not settled yet.
    void writeSizes();

private:
    Settings& settings_;
    std::unique_ptr<Timer> settled_;
    std::map<QString, QSize> unwritten_;
    bool fullScreen_ = false;
};

// One window's side of the screen memory: it takes the size kept for it as it is first shown,
// and goes full screen and back as the players chose.
class WindowScreen {
public:
    WindowScreen(QWidget& window, ScreenMemory& memory) : window_(window), memory_(memory) {}

    // Before every show: the kept size (the first time only), then full screen or not.
    void beforeShow();
    // Full screen on or off for this window and every window shown after it.
    void setFullScreen(bool on);
    bool isFullScreen() const { return fullScreen_; }
    // The window has been resized; a size the players gave it is kept.
    void resized(QSize from, QSize to);
    void hidden() { memory_.writeSizes(); }

private:
    // Full screen or not, as the players chose.
    void followChoice();
    QString name() const;

    QWidget& window_;
    ScreenMemory& memory_;
    bool fullScreen_ = false;
    bool sizeRestored_ = false;  // the window has taken the size it had in the last run
    QRect normalGeometry_;       // where the window was before it went full screen
};

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Program.h"
#include "core/Game.h"
#include "doubles/Doubles.h"
#include "platform/network/Phones.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/window/Form.h"
#include "platform/window/ScreenMemory.h"
#include "windows/title/TitleWindow.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace doubles {

// The control named `name` on `window`: the tests find every control by its object name, as a
// player finds it by its caption. A missing one fails the test.
template <typename Control = QWidget>
Control* control(const QWidget& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    if (!found)
        throw std::runtime_error("no control named " + name.toStdString());
    return found;
}

// The control of place or row `index` (0 to 5): "name1" for the first.
template <typename Control = QWidget>
Control* control(const QWidget& window, const QString& name, int index)
{
    return control<Control>(window, name + QString::number(index + 1));
}

// Runs `act` once `ready` holds, from inside the event loop of the box or window shown by then,
// as the player reading it would: a timer of `owner`'s checks at every turn of the loop.
inline void once(QObject& owner, std::function<bool()> ready, std::function<void()> act)
{
    auto* watcher = new QTimer(&owner);
    QObject::connect(watcher, &QTimer::timeout, watcher, [watcher, ready = std::move(ready), act = std::move(act)] {
        if (!ready())
            return;
        watcher->stop();
        watcher->deleteLater();
        act();
    });
    watcher->start(0);
}

// Every platform service as a double, bundled as the windows expect them. With `realBoxes` the
// message boxes are Qt's own, for a test to answer as a player would.
struct TestServices {
    explicit TestServices(bool realBoxes = false) : boxes(realBoxes ? static_cast<platform::MessageBoxes&>(qtBoxes) : messages) {}

    FakeApplication application;
    FakeClock clock;
    ScriptedRandom random;
    FakeKeyState keys;
    FakeMessageBoxes messages;
    platform::Activation activation;
    platform::QtMessageBoxes qtBoxes{activation};
    platform::MessageBoxes& boxes;
    FakeMusicDevice music;
    FakeHelp help;
    ManualTimers timers{boxes};
    platform::MemorySettings settings;
    TestControllers controllers;
    platform::ScreenMemory screen{settings, timers};
    platform::Phones phones{boxes};
    platform::Services services{application, clock, random, keys,     controllers, boxes,  music,
                                help,        timers, activation, settings, screen, phones, dataFolder()};

    // The build folder, where the fonts lie beside the program.
    static QString dataFolder() { return QStringLiteral(QUORVIX_DATA_DIR); }
};

// A fixture with a fresh game at its start-up values, the doubles and the
// game's windows.
class GameTest : public ::testing::Test {
protected:
    // Lets queued calls run, as the event loop does once a handler has returned.
    static void settle() { QCoreApplication::sendPostedEvents(); }
    // Starts the program and presses "Play!" on the title window: the set-up window is up.
    void openSetUp()
    {
        program.showTitle();
        settle();
        QTest::mouseClick(control<QPushButton>(program.titleWindow(), "play"), Qt::LeftButton);
        settle();
    }

    TestServices doubles;
    core::Game game;
    Program program{doubles.services, game};
};

}  // namespace doubles

using doubles::control;

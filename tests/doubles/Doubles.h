// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test doubles for every platform service: time, chance, keys, message boxes, music, help,
// timers and quitting are the test's to script and to read back.

#include "doubles/CoreDoubles.h"
#include "platform/Application.h"
#include "platform/audio/MusicDevice.h"
#include "platform/input/Controllers.h"
#include "platform/input/KeyState.h"
#include "platform/window/Help.h"
#include "platform/window/MessageBoxes.h"
#include "platform/window/Timer.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace doubles {

class FakeApplication final : public platform::Application {
public:
    void quit() override { ++quits; }
    int quits = 0;
};

// No controllers, until a test plugs SDL's in: its virtual devices then stand for them.
class TestControllers final : public platform::Controllers {
public:
    void pump() override
    {
        ++pumps;
        if (sdl)
            sdl->pump();
    }
    bool isDown(const platform::ControllerButton& button) const override { return sdl && sdl->isDown(button); }
    platform::ControllerButton newlyPressed() const override
    {
        return sdl ? sdl->newlyPressed() : platform::ControllerButton();
    }
    QString name(const platform::ControllerButton& button) const override
    {
        return sdl ? sdl->name(button) : QString();
    }
    std::vector<platform::PadState> pads() const override { return sdl ? sdl->pads() : std::vector<platform::PadState>(); }
    std::unique_ptr<platform::SdlControllers> sdl;
    int pumps = 0;
};

class FakeKeyState final : public platform::KeyState {
public:
    bool isDown(int virtualKey) const override { return held.count(virtualKey) > 0; }
    std::set<int> held;
};

struct ShownBox {
    QString text;
    QString title;
    platform::Buttons buttons;
};

// Records every box; answers OK, or Yes and No from `answers` (No when it runs out).
// `whileOpen` runs while a box is open, as the player would be reading it.
class FakeMessageBoxes final : public platform::MessageBoxes {
public:
    std::vector<ShownBox> shown;
    std::deque<platform::Answer> answers;
    std::function<void()> whileOpen;
    int answeredElsewhere = 0;  // boxes answered from outside them (a phone's OK)

    void answerOpen() override { answeredElsewhere += anyOpen() ? 1 : 0; }

protected:
    platform::Answer present(const QString& text, const QString& title, platform::Buttons buttons) override;
};

class FakeMusicDevice final : public platform::MusicDevice {
public:
    void setDeviceType(const QString& type) override { deviceType = type; }
    void setFileName(const QString& name) override { fileName = name; }
    void setMute(bool on) override { mute = on; }
    bool open() override
    {
        commands << QStringLiteral("Open");
        return opens;
    }
    void play() override { commands << QStringLiteral("Play"); }
    void stop() override { commands << QStringLiteral("Stop"); }
    void close() override { commands << QStringLiteral("Close"); }
    long length() const override { return lengthTicks; }
    long position() const override { return positionTicks; }
    bool openSounds() override
    {
        soundsOpen = soundsOpen || soundsOpens;
        return soundsOpens;
    }
    void playSound(platform::GameSound sound) override;
    void closeSounds() override { soundsOpen = false; }

    QString deviceType;
    QString fileName;
    bool mute = false;
    QStringList commands;
    long lengthTicks = 0;
    long positionTicks = 0;
    bool opens = true;  // false: the piece cannot be played
    bool soundsOpen = false;
    bool soundsOpens = true;  // false: the sounds cannot be played
    QStringList sounds;       // each sound played while open: "Buzz", "Win" and so on
};

// Shows every file it is asked for, unless `outcome` says otherwise.
class FakeHelp final : public platform::Help {
public:
    platform::HelpShown show(const QString& fileName, const QString& part) override
    {
        opened << fileName;
        parts << part;
        return outcome;
    }
    QStringList opened;
    QStringList parts;
    platform::HelpShown outcome = platform::HelpShown::Shown;
};

// Timers that tick only when the test says so, through the same gate as the real ones.
class ManualTimer final : public platform::Timer {
public:
    ManualTimer(Handler handler, const platform::MessageBoxes& messages) : Timer(std::move(handler), messages) {}
    void fire() { deliverTick(); }
    // Fires `count` ticks, each only while the timer is still running.
    void fire(int count);

private:
    void scheduleChanged() override {}
};

class ManualTimers final : public platform::TimerFactory {
public:
    explicit ManualTimers(const platform::MessageBoxes& messages) : messages_(messages) {}
    std::unique_ptr<platform::Timer> create(const char* name, platform::Timer::Handler handler) override;
    // The newest timer of that name.
    ManualTimer& operator[](const std::string& name) { return *byName_.at(name); }

private:
    const platform::MessageBoxes& messages_;
    std::map<std::string, ManualTimer*> byName_;
};

}  // namespace doubles

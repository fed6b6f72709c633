// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The title window, the game's front door: the name, two turning clock dials, and Play!,
// Help and About. The dials turn only while this window is the active one: activation
// starts them from the top, deactivation stops them, so the play window has the clock
// position (which the dials share with it) to itself.

#include "platform/Form.h"

#include <QImage>

#include <memory>

class QPushButton;

namespace core {
class GameFlow;
struct Game;
struct WindowContext;
}

namespace platform {
class Timer;
}

class Title : public platform::Form {
    Q_OBJECT
public:
    explicit Title(const core::WindowContext& context);
    ~Title() override;

    // The dial as last drawn, before it is copied twice onto the window.
    const QImage& dial() const { return DeviceContext; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(bool& cancel) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void TickTimer_Timer();
    // Moves the hand one step and draws both dials.
    void DrawTitleClocks();
    // Draws the dial with the hand where the clock position stands.
    void paintDial();
    void Button_Click();
    void HelpButton_Click();
    void AboutButton_Click();

    core::Game& game_;
    core::GameFlow& flow_;
    std::unique_ptr<platform::Timer> TickTimer;
    QImage DeviceContext;
    QPushButton* Button = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* AboutButton = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The title window, the game's front door: the name, two turning clock dials, and Play!,
// Help and About. The dials turn only while this window is the active one: activation
// starts them from the top, deactivation stops them, so the play window has the clock
// position (which the dials share with it) to itself.

#include "platform/window/Form.h"

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

class TitleWindow : public platform::Form {
    Q_OBJECT
public:
    explicit TitleWindow(const core::WindowContext& context);
    ~TitleWindow() override;

    // The dial as last drawn, before it is copied twice onto the window.
    const QImage& dial() const { return dialPicture_; }

protected:
    void loadEvent() override;
    void activateEvent() override;
    void deactivateEvent() override;
    void queryClose(bool& cancel) override;
    void paintEvent(QPaintEvent* event) override;
    void rescaleEvent() override;

private:
    void makeDialPicture();
    void turnDials();
    // Moves the hand one step and draws both dials.
    void stepHands();
    // Draws the dial with the hand where the clock position stands.
    void paintDial();
    void openSetUp();
    void openHelp();
    void openAbout();

    core::Game& game_;
    core::GameFlow& flow_;
    std::unique_ptr<platform::Timer> dialTimer_;
    QImage dialPicture_;  // one dial, shown on both sides
    QPushButton* playButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* aboutButton_ = nullptr;
};

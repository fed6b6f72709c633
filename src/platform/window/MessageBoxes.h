// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

class Activation;

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// Modal message boxes: a title, a text, OK or Yes and No, no icon. While one is open no
// timer tick runs, and the game's notion of the active window does not change.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    Answer show(const QString& text, const QString& title, Buttons buttons = Buttons::Ok);
    bool anyOpen() const { return openCount_ > 0; }

protected:
    // Shows the box and waits for the player's answer.
    virtual Answer present(const QString& text, const QString& title, Buttons buttons) = 0;

private:
    int openCount_ = 0;
};

// Each box belongs to the active game window.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(const Activation& activation) : activation_(activation) {}

protected:
    Answer present(const QString& text, const QString& title, Buttons buttons) override;

private:
    const Activation& activation_;
};

}  // namespace platform

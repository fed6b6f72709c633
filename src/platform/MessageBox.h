// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// Modal message boxes: a title, a text, OK or Yes and No, no icon. While one is open no
// timer tick runs, and the game's notion of the active window does not change.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    Answer show(const QString& text, const QString& title, Buttons buttons = Buttons::Ok);
    static bool anyOpen() { return openCount_ > 0; }

protected:
    // Shows the box and waits for the player's answer.
    virtual Answer present(const QString& text, const QString& title, Buttons buttons) = 0;

private:
    static inline int openCount_ = 0;
};

class QtMessageBoxes final : public MessageBoxes {
protected:
    Answer present(const QString& text, const QString& title, Buttons buttons) override;
};

}  // namespace platform

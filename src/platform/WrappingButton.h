// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace platform {

// A push button whose caption wraps at its blanks when it is wider than the button, as a
// caption on a narrow button of the game's design does. Each line is centred on its own.
class WrappingButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box: the game's icon, name, version and what it is. Shown modally from the
// title window; OK unloads it, so each press of About makes a fresh one.

#include "platform/window/Form.h"

class QLabel;

namespace core {
struct WindowContext;
}

class AboutBox : public platform::Form {
    Q_OBJECT
public:
    explicit AboutBox(const core::WindowContext& context);

protected:
    void rescaleEvent() override;

private:
    void closeBox();

    QLabel* icon_ = nullptr;
};

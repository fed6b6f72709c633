// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box: the game's icon, name, version and what it is. Shown modally from the
// title window; OK unloads it, so each About makes a fresh one.

#include "platform/Form.h"

class Windows;

class About : public platform::Form {
    Q_OBJECT
public:
    explicit About(Windows& windows);

private:
    void cmdOK_Click();
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules window: the five turn rules as five sentences with a number in each. Opened
// modally from the set-up window; OK stores the values only when all five pass the checks,
// and hides the window. Closing it by its frame stores nothing and unloads it; the next
// opening makes it afresh from the stored values.

#include "core/RuleCheck.h"
#include "platform/window/Form.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace core {
class GameFlow;
struct Game;
struct WindowContext;
}

class RulesWindow : public platform::Form {
    Q_OBJECT
public:
    explicit RulesWindow(const core::WindowContext& context);

protected:
    void loadEvent() override;

private:
    void storeRules();
    void openHelp();

private:
    core::Game& game_;
    std::array<QLineEdit*, core::RuleCount> valueBoxes_{};
    std::array<QCheckBox*, core::RuleCount> enableBoxes_{};
    QPushButton* okButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

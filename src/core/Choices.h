// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading and writing the players' choices (core::Choices), which the game remembers from
// one run to the next. Nothing stored, or a value the game cannot use, gives the default.

#include "core/Game.h"

namespace platform {
class Settings;
}

namespace core {

// The longest name kept; a longer one is taken for damage.
constexpr int LongestName = 1000;

// Reads every choice, each checked: one that cannot be used is reported to `settings` and
// given its default.
Choices readChoices(platform::Settings& settings);
void writeChoices(const Choices& choices, platform::Settings& settings);

}  // namespace core

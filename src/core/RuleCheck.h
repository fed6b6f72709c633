// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The checks of the typed game settings, as pure functions.
//
// The rules window's check of its five boxes: every box must hold a whole number (digits and
// minus signs only, no larger than a rule can hold) before any box's range is looked at, and
// the first failure found is the one reported.

#include "core/Game.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace core {

constexpr int RuleCount = 5;

// One turn rule: its value in Rules, the name it is stored under, and its row of the rules
// window with that row's checks.
struct Rule {
    std::int16_t Rules::*value;
    const char* key;
    const char* before;         // the sentence in front of the box
    const char* after;          // and behind it
    std::int16_t smallest;      // the smallest value accepted
    const char* notWhole;       // the message when the box holds no whole number
    const char* tooSmall;       // the message when its value is below the smallest
};

// Turns, seconds for a turn, idle seconds, cancels, stops: the rows, top to bottom.
extern const std::array<Rule, RuleCount> rules;

struct RuleCheck {
    std::array<std::int16_t, RuleCount> values{};  // when every box passes
    std::optional<QString> error;                   // otherwise, the message to show
};

// Checks the five box texts, already trimmed of blanks.
RuleCheck checkRules(const std::array<QString, RuleCount>& texts);

// The players window's rounds box, read as its leading number rounded half to even. Too long
// a text (over three characters) or too large a number is refused with a message; a number
// below one quietly starts nothing.
struct RoundsCheck {
    std::int16_t rounds = 0;       // 1 to 999 when the game may start, otherwise 0
    std::optional<QString> error;  // the message to show, if any
};

RoundsCheck checkRounds(const QString& text);

}  // namespace core

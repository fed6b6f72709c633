// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace core {

// The place with the highest total, or -1 for a draw (two or more places share the
// highest total). A place out of the game counts as a total of 0, so a disqualified
// player's points cannot win.
int winningPlace(const std::array<std::int16_t, 6>& totals, const std::array<bool, 6>& active);

}  // namespace core

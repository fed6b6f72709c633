// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Result.h"

namespace core {

int winningPlace(const std::array<std::int16_t, 6>& totals, const std::array<bool, 6>& active)
{
    int best = -1;
    int winner = -1;
    for (int i = 0; i < 6; ++i) {
        const int total = active[i] ? totals[i] : 0;
        if (total == best)
            winner = -1;
        if (total > best) {
            best = total;
            winner = i;
        }
    }
    return winner;
}

}  // namespace core

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/PadNavigator.h"

#include <algorithm>

namespace platform {

std::vector<PadPress> PadNavigator::read(const std::vector<PadState>& pads, const void* target, int scene)
{
    const bool newTarget = target != target_ || scene != scene_;
    target_ = target;
    scene_ = scene;
    std::vector<Pad> before = std::move(pads_);
    pads_.clear();
    std::vector<PadPress> presses;
    for (const PadState& state : pads) {
        auto known = std::find_if(before.begin(), before.end(), [&](const Pad& pad) { return pad.device == state.device; });
        // A pad first seen with a button held: that press began before anyone could see it.
        Pad pad = known != before.end() ? *known : Pad{state.device, state.held, {}};
        for (int input = 0; input < PadInputCount; ++input) {
            if (!state.held[input]) {
                pad.stale[input] = false;
                pad.heldTicks[input] = 0;
                continue;
            }
            // Held as the target changes: it may have begun before, unseen between two
            // readings (the buzzer poll took the press that buzzed), so it waits for its release.
            if (newTarget)
                pad.stale[input] = true;
            if (pad.stale[input])
                continue;
            const int ticks = pad.heldTicks[input]++;
            const bool direction = input <= int(PadInput::Right);
            const bool repeats = direction && ticks >= TicksBeforeRepeat &&
                                 (ticks - TicksBeforeRepeat) % TicksBetweenRepeats == 0;
            if (ticks == 0 || repeats)
                presses.push_back({Navigation(input), {state.device.kind, state.device.copy, state.button[input]}});
        }
        pads_.push_back(pad);
    }
    return presses;
}

}  // namespace platform

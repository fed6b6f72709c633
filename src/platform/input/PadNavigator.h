// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/Controllers.h"

#include <vector>

namespace platform {

// What a pad or the keyboard asks of a window: move the focus, choose what it marks, or go back.
enum class Navigation { Up, Down, Left, Right, Choose, Back };

struct PadPress {
    Navigation navigation;
    ControllerButton device;  // the pad's kind and copy
};

// Turns the pads' held inputs, read at each tick of a poll, into presses. A press counts once,
// when it begins; a held direction repeats after a moment, as a held arrow key does, but a
// held button chooses once. What is held when the window or box being driven appears counts
// for nothing until it is let go: the press that buzzed cannot also choose on the board, nor
// close the box it opened.
class PadNavigator {
public:
    static constexpr int TicksBeforeRepeat = 10;
    static constexpr int TicksBetweenRepeats = 3;

    // The presses at this tick for `target`, the window or box that the presses will go to,
    // in its `scene` (a window that starts its presses afresh changes its scene), in the pads'
    // order. Each press names the device's own button for it (-1 for a stick).
    std::vector<PadPress> read(const std::vector<PadState>& pads, const void* target, int scene = 0);

private:
    struct Pad {
        ControllerButton device;
        std::array<bool, PadInputCount> stale{};  // held since before the target, till let go
        std::array<int, PadInputCount> heldTicks{};
    };
    std::vector<Pad> pads_;
    const void* target_ = nullptr;
    int scene_ = 0;
};

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/PadNavigator.h"

#include <QRect>

#include <span>

namespace platform {

enum class FocusMove { Left, Right, Up, Down };

// The move a navigation's direction asks for (Choose and Back ask none: Right is given).
FocusMove focusMove(Navigation navigation);

// Where a focus moves from `places[from]` the way the eye expects on a screen laid out in rows:
// left and right to the nearest place whose centre lies that way on the same row (its centre
// within the current place's height), up and down to the nearest row that way, and on it to the
// place whose centre is nearest across. `from` itself when nothing lies that way. The places are
// in one coordinate system (a window's design), and a place that is empty is passed over.
int nextFocus(std::span<const QRect> places, int from, FocusMove move);

}  // namespace platform

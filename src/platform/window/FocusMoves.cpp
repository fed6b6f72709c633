// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/FocusMoves.h"

#include <cstdlib>
#include <limits>

namespace platform {

namespace {

// How far a place lies in the direction of `move` from `here`, and how far off that line;
// nothing (-1) when it does not lie that way. A row is the places whose centres lie within
// `halfHeight` of each other, up or down.
struct Offset {
    int ahead = -1;
    int aside = 0;
};

Offset offset(QPoint here, QPoint there, int halfHeight, FocusMove move)
{
    const int dx = there.x() - here.x();
    const int dy = there.y() - here.y();
    const bool sameRow = std::abs(dy) <= halfHeight;
    switch (move) {
    case FocusMove::Left: return sameRow && dx < 0 ? Offset{-dx, std::abs(dy)} : Offset{};
    case FocusMove::Right: return sameRow && dx > 0 ? Offset{dx, std::abs(dy)} : Offset{};
    case FocusMove::Up: return !sameRow && dy < 0 ? Offset{-dy, std::abs(dx)} : Offset{};
    case FocusMove::Down: return !sameRow && dy > 0 ? Offset{dy, std::abs(dx)} : Offset{};
    }
    return {};
}

}  // namespace

int nextFocus(std::span<const QRect> places, int from, FocusMove move)
{
    if (from < 0 || from >= int(places.size()))
        return from;
    const QPoint here = places[from].center();
    const int halfHeight = places[from].height() / 2;
    // The nearest place ahead, then, on a move up or down, the one nearest across among those
    // on the same row as it.
    int nearest = std::numeric_limits<int>::max();
    for (int i = 0; i < int(places.size()); ++i) {
        const Offset o = offset(here, places[i].center(), halfHeight, move);
        if (i != from && !places[i].isEmpty() && o.ahead >= 0 && o.ahead < nearest)
            nearest = o.ahead;
    }
    const bool across = move == FocusMove::Left || move == FocusMove::Right;
    int best = from;
    int bestAside = std::numeric_limits<int>::max();
    for (int i = 0; i < int(places.size()); ++i) {
        const Offset o = offset(here, places[i].center(), halfHeight, move);
        if (i == from || places[i].isEmpty() || o.ahead < 0)
            continue;
        const bool inReach = across ? o.ahead == nearest : o.ahead <= nearest + halfHeight;
        const int aside = across ? o.ahead : o.aside;
        if (inReach && aside < bestAside) {
            best = i;
            bestAside = aside;
        }
    }
    return best;
}

}  // namespace platform

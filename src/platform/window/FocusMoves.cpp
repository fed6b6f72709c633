// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/FocusMoves.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace platform {

namespace {

// How far a place lies in the direction of `move` from `here`, and how far off that line;
// nothing (-1) when it does not lie that way. Two places are on one row when the centre of
// either lies within the height of the other.
struct Offset {
    int ahead = -1;
    int aside = 0;
};

Offset offset(const QRect& from, const QRect& to, FocusMove move)
{
    const QPoint here = from.center(), there = to.center();
    const int dx = there.x() - here.x();
    const int dy = there.y() - here.y();
    const bool sameRow = std::abs(dy) <= std::max(from.height(), to.height()) / 2;
    switch (move) {
    case FocusMove::Left: return sameRow && dx < 0 ? Offset{-dx, std::abs(dy)} : Offset{};
    case FocusMove::Right: return sameRow && dx > 0 ? Offset{dx, std::abs(dy)} : Offset{};
    case FocusMove::Up: return !sameRow && dy < 0 ? Offset{-dy, std::abs(dx)} : Offset{};
    case FocusMove::Down: return !sameRow && dy > 0 ? Offset{dy, std::abs(dx)} : Offset{};
    }
    return {};
}

}  // namespace

FocusMove focusMove(Navigation navigation)
{
    switch (navigation) {
    case Navigation::Up: return FocusMove::Up;
    case Navigation::Down: return FocusMove::Down;
    case Navigation::Left: return FocusMove::Left;
    default: return FocusMove::Right;
    }
}

int nextFocus(std::span<const QRect> places, int from, FocusMove move)
{
    if (from < 0 || from >= int(places.size()))
        return from;
    // The nearest place ahead, then, on a move up or down, the one nearest across among those
    // on the same row as it: the row of the nearest place, whatever the height of the place
    // moved from (a tall one does not reach over two rows).
    int nearest = std::numeric_limits<int>::max();
    QRect nearestPlace;
    for (int i = 0; i < int(places.size()); ++i) {
        const Offset o = offset(places[from], places[i], move);
        if (i != from && !places[i].isEmpty() && o.ahead >= 0 && o.ahead < nearest) {
            nearest = o.ahead;
            nearestPlace = places[i];
        }
    }
    const bool across = move == FocusMove::Left || move == FocusMove::Right;
    int best = from;
    int bestAside = std::numeric_limits<int>::max();
    for (int i = 0; i < int(places.size()); ++i) {
        const Offset o = offset(places[from], places[i], move);
        if (i == from || places[i].isEmpty() || o.ahead < 0)
            continue;
        const bool inReach = across ? o.ahead == nearest
                                    : std::abs(places[i].center().y() - nearestPlace.center().y()) <=
                                          std::max(places[i].height(), nearestPlace.height()) / 2;
        const int aside = across ? o.ahead : o.aside;
        if (inReach && aside < bestAside) {
            best = i;
            bestAside = aside;
        }
    }
    return best;
}

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The phones' room: which phone holds which player place. A phone joins with the room's code
// (new for every run) and is given a place and a token; it keeps the place while its
// connection is lost, and has it again when it comes back with the token; the host can free a
// place. Wrong codes are counted: after ten in a minute, joins are refused for a minute. The
// code and the tokens are drawn by the caller from the system's random source, never the
// game's own; the moments come from a steady clock of the network's, not the game's.


#include "platform/network/PhoneMessage.h"

#include <QString>

#include <array>
#include <chrono>
#include <deque>

namespace platform {

class PhoneRoom {
public:
    using Moment = std::chrono::steady_clock::time_point;
    static constexpr int WrongCodesAllowed = 10;
    static constexpr std::chrono::seconds WrongCodeWindow{60};

    explicit PhoneRoom(QString code) : code_(std::move(code)) {}
    const QString& code() const { return code_; }

    enum class Joined { Joined, WrongCode, Locked, PlaceTaken, NoFreePlace };
    struct Joining {
        Joined outcome = Joined::WrongCode;
        int place = -1;  // 0 to 5, once joined
    };
    // A phone asks for `place` (1 to 6, or 0 for the lowest free playing place) among the
    // places `playing`; joined, it holds the place with `token`.
    Joining join(const QString& code, int place, const std::array<bool, PhonePlaces>& playing, const QString& token,
                 Moment now);
    // The place whose token this is, or -1.
    int placeOf(const QString& token) const;
    bool isHeld(int place) const { return place >= 0 && place < PhonePlaces && !tokens_[place].isEmpty(); }
    void free(int place);

private:
    QString code_;
    std::array<QString, PhonePlaces> tokens_;
    std::deque<Moment> wrongCodes_;  // within the last minute
    Moment lockedUntil_{};
};

// Whether two texts are the same, in a time that depends on their lengths only.
bool sameSecret(const QString& a, const QString& b);

}  // namespace platform

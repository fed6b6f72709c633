// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network/PhoneRoom.h"

namespace platform {

PhoneRoom::Joining PhoneRoom::join(const QString& code, int place, const std::array<bool, PhonePlaces>& playing,
                                   const QString& token, Moment now)
{
    // Locked for a minute from the tenth wrong code in a minute: a code of four letters is no
    // secret against a guesser left to run.
    if (now < lockedUntil_)
        return {Joined::Locked};
    if (!sameSecret(code, code_)) {
        while (!wrongCodes_.empty() && now - wrongCodes_.front() >= WrongCodeWindow)
            wrongCodes_.pop_front();
        wrongCodes_.push_back(now);
        if (int(wrongCodes_.size()) >= WrongCodesAllowed) {
            lockedUntil_ = now + WrongCodeWindow;
            wrongCodes_.clear();
        }
        return {Joined::WrongCode};
    }
    int chosen = place - 1;
    if (place == 0) {
        for (int p = 0; p < PhonePlaces && chosen < 0; ++p) {
            if (playing[p] && !isHeld(p))
                chosen = p;
        }
        if (chosen < 0)
            return {Joined::NoFreePlace};
    } else if (chosen < 0 || chosen >= PhonePlaces || !playing[chosen] || isHeld(chosen)) {
        return {Joined::PlaceTaken};
    }
    tokens_[chosen] = token;
    return {Joined::Joined, chosen};
}

int PhoneRoom::placeOf(const QString& token) const
{
    int found = -1;
    // Every place is compared, so that the time taken tells nothing of which one matched.
    for (int p = 0; p < PhonePlaces; ++p) {
        if (isHeld(p) && sameSecret(token, tokens_[p]))
            found = p;
    }
    return found;
}

void PhoneRoom::free(int place)
{
    if (place >= 0 && place < PhonePlaces)
        tokens_[place].clear();
}

bool sameSecret(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    char16_t difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= char16_t(a[i].unicode() ^ b[i].unicode());
    return difference == 0;
}

}  // namespace platform

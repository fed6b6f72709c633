// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a phone may say to the game, read strictly. Each message is one WebSocket text message
// of at most 1 KiB holding one JSON object whose "type" names it and whose other members are
// exactly those of its type:
//   {"type": "join", "room": "KQXZ"}                  the room's code, four letters A to Z; with
//                                                     "place": 1 to 6 to ask for that place, and
//                                                     "name": the player's name, if they give one
//   {"type": "resume", "token": "<32 hex digits>"}    a phone back with the token it was given
//   {"type": "buzz", "down": true}                    the buzzer pressed (true) or let go (false)
//   {"type": "name", "name": "Zoë"}                   the player's name, changed
//   {"type": "tap", "on": "dealtNumber3"}             a control of the board tapped by the player
//                                                     who answers: dealtNumber0 to 6, madeNumber0
//                                                     to 2, add, subtract, multiply, divide,
//                                                     equals, cancel, giveUp; or ok, for the box
//                                                     of their turn
// Anything else, a member too many or of the wrong kind, is refused with the reason, to be
// given as the connection is closed. A name is kept as typed (it is shown as plain text), up to
// the longest name the game keeps; a name holding control characters, line breaks or the
// marks that reverse the text's direction is refused.

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

constexpr qsizetype LongestPhoneMessage = 1024;
// The player places a phone may hold, 1 to 6 as the players count them.
constexpr int PhonePlaces = 6;
// The longest name a phone may give: as long as a name the game keeps.
constexpr qsizetype LongestPhoneName = 1000;

struct PhoneMessage {
    enum class Kind { Join, Resume, Buzz, Name, Tap };
    Kind kind = Kind::Buzz;
    QString room;   // join
    int place = 0;  // join: 1 to 6, or 0 for any free place
    QString name;   // join (may be empty) and name
    QString token;  // resume: 32 lowercase hexadecimal digits
    bool down = false;  // buzz
    QString control;    // tap: one of the board's controls, or "ok"
};

struct PhoneMessageReading {
    std::optional<PhoneMessage> message;
    QString refusal;  // why there is none
};

PhoneMessageReading readPhoneMessage(const QByteArray& text);

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// One button of a game controller, joystick or USB quiz buzzer: a player's buzzer beside
// their key. The device is named by its kind (SDL's GUID) and, among the devices of that
// kind, by the order they were found in, so that an assignment holds when the device is
// plugged in again, or in the next run.
struct ControllerButton {
    // Beyond these no device goes: SDL numbers a device's buttons from 0, and nobody plugs in
    // 64 devices of one kind. A stored number beyond them is damage.
    static constexpr int LargestCopy = 63;
    static constexpr int LargestButton = 1023;

    QString kind;
    int copy = 0;  // 0: the first device of its kind
    int button = -1;

    bool isValid() const { return button >= 0 && !kind.isEmpty(); }
    bool operator==(const ControllerButton&) const = default;
    // As it is stored: "GUID copy button", the GUID in 32 hexadecimal digits. A text that is
    // none, or a number beyond its bounds, gives an invalid button.
    QString text() const;
    static ControllerButton fromText(const QString& text);
};

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>

namespace platform {

// The virtual-key codes of the buzzer keys. The numbers are those of the desktop platform the
// game was made for, kept so that a key is named the same everywhere.
namespace vk {
constexpr int Shift = 16;
constexpr int A = 65;
constexpr int G = 71;
constexpr int K = 75;
constexpr int Numpad0 = 96;
constexpr int NumpadAdd = 107;
}  // namespace vk

// Is a key held down at the moment of asking?
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool isDown(int virtualKey) const = 0;
};

// Follows the keyboard through an application-wide event filter. Keypad keys are told
// apart from the main keys by the keypad modifier. Each physical key is followed on its own,
// by its scan code where there is one: a release is matched to its own press (Shift may
// change what a key reports between the two), and a buzzer with two keys (left and right
// Shift) is down while either is held. Auto-repeat is ignored; everything counts as
// released when the program loses focus.
class KeyboardKeyState final : public QObject, public KeyState {
    Q_OBJECT
public:
    // Installs itself on the running application.
    KeyboardKeyState();
    bool isDown(int virtualKey) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The buzzer keys held, by physical key: its scan code, or for a key event without one,
    // an id made from the buzzer key it stands for.
    QHash<quint32, int> held_;
};

}  // namespace platform

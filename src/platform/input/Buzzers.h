// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/ControllerButton.h"
#include "platform/input/KeyState.h"

#include <QString>

#include <array>
#include <vector>

namespace platform {

class Controllers;
class Phones;
struct Services;

// The buzzer keys, fixed per player place 1 to 6, with their names as the players see them.
struct BuzzerKey {
    int key;
    const char* name;
};
constexpr BuzzerKey buzzerKeys[] = {
    {vk::A, "A"}, {vk::G, "G"}, {vk::K, "K"}, {vk::Shift, "Shift"}, {vk::Numpad0, "0"}, {vk::NumpadAdd, "+"},
};

// Each player place's buzzer: its fixed key and, when the players gave it one, a controller
// button and a phone beside it, each counting exactly as the key does. The play window's
// buzzer poll reads them and asks which places are down; the set-up window asks for their names.
class Buzzers {
public:
    static constexpr int Places = 6;

    // Reads the keys and the controllers of `services`.
    explicit Buzzers(const Services& services);

    // The places' buttons as the players' choices store them (empty for none), and the places
    // that play: only a playing place's button has the controllers read.
    void useButtons(const std::array<QString, Places>& stored, const std::array<bool, Places>& playing);
    // Takes in the controllers' buttons and the phones' buzzers as they are now (a phone's
    // press and release since the last read count as down); a round of keyboard players never
    // wakes the devices. The keys are always read as they are at the moment of asking.
    void read();
    // The buzzers are polled from now on: a phone's tap made while they were not is dropped, as
    // a key let go is.
    void startPolling();
    bool isDown(int place) const;
    // Whether a playing place has a controller button: only then are the devices read.
    bool usesControllers() const { return controllersInUse_; }
    // The controller buttons of the playing places.
    std::vector<ControllerButton> buttons() const;
    // The place's controller button if it is down, or none: the key alone buzzed.
    ControllerButton pressedButton(int place) const;
    // As the players see it: "A", "A or Pad 1 A", "A or Pad 1 A or Zoë's phone".
    QString name(int place) const;

private:
    const KeyState& keys_;
    Controllers& controllers_;
    Phones& phones_;
    std::array<bool, Places> phonesDown_{};  // at the last read
    std::array<ControllerButton, Places> buttons_;
    std::array<bool, Places> playing_{};
    bool controllersInUse_ = false;
};

}  // namespace platform

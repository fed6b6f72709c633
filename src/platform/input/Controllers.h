// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/ControllerButton.h"

#include <QString>

#include <array>
#include <vector>

struct _SDL_Joystick;
struct _SDL_GameController;

namespace platform {

// What a pad's player uses to move through the game: the d-pad (or the left stick), the south
// button (A, cross) and the east button (B, circle).
enum class PadInput { Up, Down, Left, Right, South, East };
constexpr int PadInputCount = 6;

// One pad as it stood at the last pump: which of its inputs are held, and which of the device's
// own buttons each input is (-1 for a stick), so that a button the players made a buzzer can be
// told apart. Only devices with a d-pad are pads: a plain joystick or a quiz buzzer has none.
struct PadState {
    ControllerButton device;  // its kind and copy; no button
    std::array<bool, PadInputCount> held{};
    std::array<int, PadInputCount> button{-1, -1, -1, -1, -1, -1};
};

// The controllers plugged in, read only when asked, on the user-interface thread.
class Controllers {
public:
    virtual ~Controllers() = default;
    // Takes in the devices plugged in or out and the state of every button, as they are now.
    virtual void pump() = 0;
    // Held at the last pump. A button of a device that is gone is up.
    virtual bool isDown(const ControllerButton& button) const = 0;
    // A button that went down at the last pump, the first in the devices' order, or none.
    virtual ControllerButton newlyPressed() const = 0;
    // In words a player understands: "Pad 1 A", "Joystick 2 button 7".
    virtual QString name(const ControllerButton& button) const = 0;
    // The pads plugged in, as they stood at the last pump.
    virtual std::vector<PadState> pads() const = 0;
};

// Controllers through SDL2's joystick and game-controller API, initialised for those alone:
// no SDL window, events read while the game's window has no focus, and no signal handlers
// of SDL's own, so that SIGTERM and SIGINT end the program as before. Without SDL devices or
// the permission to read them there are simply no controllers. QUORVIX_VIRTUAL_PADS=N in the
// environment adds N virtual game pads.
class SdlControllers final : public Controllers {
public:
    SdlControllers() = default;
    ~SdlControllers() override;
    SdlControllers(const SdlControllers&) = delete;
    SdlControllers& operator=(const SdlControllers&) = delete;

    void pump() override;
    bool isDown(const ControllerButton& button) const override;
    ControllerButton newlyPressed() const override;
    QString name(const ControllerButton& button) const override;
    std::vector<PadState> pads() const override;

private:
    struct Device {
        _SDL_Joystick* joystick = nullptr;
        _SDL_GameController* controller = nullptr;  // when SDL knows the device as a game controller
        int instance = -1;
        QString kind;
        int copy = 0;
        int number = 0;  // 1-based, among the pads or among the joysticks
        std::vector<bool> down;
        std::vector<bool> wasDown;
    };
    void start() const;
    void findDevices() const;
    void closeDevices() const;
    const Device* deviceOf(const ControllerButton& button) const;

    // Started on first use, by a question that may be const.
    mutable bool started_ = false;
    mutable bool ready_ = false;
    mutable std::vector<Device> devices_;
};

}  // namespace platform

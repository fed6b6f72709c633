// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/Controllers.h"

#include <SDL.h>

#include <algorithm>
#include <map>

namespace platform {

// SDL starts on the first question asked of the controllers, not at launch: the title window
// needs none, and starting SDL's joysticks (its device scan) takes milliseconds.
void SdlControllers::start() const
{
    if (started_)
        return;
    started_ = true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ready_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) == 0;
    if (!ready_)
        return;
    // QUORVIX_VIRTUAL_PADS=N adds N game pads that exist only in SDL, for the scripts that
    // run the game on a machine without controllers (their buttons are never pressed).
    const int virtualPads = std::clamp(qEnvironmentVariableIntValue("QUORVIX_VIRTUAL_PADS"), 0, 8);
    for (int pad = 0; pad < virtualPads; ++pad) {
        SDL_VirtualJoystickDesc device{};
        device.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        device.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        device.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        device.name = "Virtual pad";
        SDL_JoystickAttachVirtualEx(&device);
    }
    findDevices();
}

SdlControllers::~SdlControllers()
{
    if (!started_ || !ready_)
        return;
    closeDevices();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
}

void SdlControllers::closeDevices() const
{
    for (const Device& device : devices_) {
        if (device.controller)
            SDL_GameControllerClose(device.controller);
        else
            SDL_JoystickClose(device.joystick);
    }
    devices_.clear();
}

void SdlControllers::findDevices() const
{
    closeDevices();
    std::map<QString, int> copies;
    int pads = 0, joysticks = 0;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        Device device;
        if (SDL_IsGameController(index)) {
            device.controller = SDL_GameControllerOpen(index);
            device.joystick = SDL_GameControllerGetJoystick(device.controller);
        } else {
            device.joystick = SDL_JoystickOpen(index);
        }
        if (!device.joystick)
            continue;  // gone again, or not ours to read
        char guid[33];
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(device.joystick), guid, sizeof guid);
        device.kind = QString::fromLatin1(guid);
        device.copy = copies[device.kind]++;
        device.number = device.controller ? ++pads : ++joysticks;
        device.instance = SDL_JoystickInstanceID(device.joystick);
        device.down.assign(std::max(0, SDL_JoystickNumButtons(device.joystick)), false);
        device.wasDown = device.down;
        devices_.push_back(std::move(device));
    }
}

void SdlControllers::pump()
{
    start();
    if (!ready_)
        return;
    SDL_JoystickUpdate();
    // Devices plugged in or out since the last pump: the list is found afresh.
    SDL_Event event;
    bool changed = false;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_JOYDEVICEADDED, SDL_JOYDEVICEREMOVED) > 0)
        changed = true;
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    if (changed)
        findDevices();
    for (Device& device : devices_) {
        device.wasDown = device.down;
        for (int button = 0; button < int(device.down.size()); ++button)
            device.down[button] = SDL_JoystickGetButton(device.joystick, button) == SDL_PRESSED;
    }
}

const SdlControllers::Device* SdlControllers::deviceOf(const ControllerButton& button) const
{
    start();
    for (const Device& device : devices_) {
        if (device.kind == button.kind && device.copy == button.copy)
            return &device;
    }
    return nullptr;
}

bool SdlControllers::isDown(const ControllerButton& button) const
{
    const Device* device = deviceOf(button);
    return device && button.button >= 0 && button.button < int(device->down.size()) && device->down[button.button];
}

ControllerButton SdlControllers::newlyPressed() const
{
    start();
    for (const Device& device : devices_) {
        for (int button = 0; button < int(device.down.size()); ++button) {
            if (device.down[button] && !device.wasDown[button])
                return {device.kind, device.copy, button};
        }
    }
    return {};
}

QString SdlControllers::name(const ControllerButton& button) const
{
    const Device* device = deviceOf(button);
    if (!device)
        return QStringLiteral("button %1 (unplugged)").arg(button.button + 1);
    if (device->controller) {
        for (int pad = 0; pad < SDL_CONTROLLER_BUTTON_MAX; ++pad) {
            const SDL_GameControllerButtonBind bind =
                SDL_GameControllerGetBindForButton(device->controller, SDL_GameControllerButton(pad));
            if (bind.bindType == SDL_CONTROLLER_BINDTYPE_BUTTON && bind.value.button == button.button) {
                const char* sdlName = SDL_GameControllerGetStringForButton(SDL_GameControllerButton(pad));
                const QString word = QString::fromLatin1(sdlName);
                return QStringLiteral("Pad %1 %2").arg(device->number).arg(word.size() <= 2 ? word.toUpper() : word);
            }
        }
        return QStringLiteral("Pad %1 button %2").arg(device->number).arg(button.button + 1);
    }
    return QStringLiteral("Joystick %1 button %2").arg(device->number).arg(button.button + 1);
}

std::vector<PadState> SdlControllers::pads() const
{
    // A stick counts as pushed beyond about a third of its travel: a worn stick at rest, or a
    // thumb resting on it, moves nothing.
    constexpr int deadZone = 12000;
    constexpr SDL_GameControllerButton buttons[PadInputCount] = {
        SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
        SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B};
    std::vector<PadState> pads;
    for (const Device& device : devices_) {
        if (!device.controller)
            continue;
        PadState pad;
        pad.device = {device.kind, device.copy, -1};
        for (int input = 0; input < PadInputCount; ++input) {
            pad.held[input] = SDL_GameControllerGetButton(device.controller, buttons[input]) == SDL_PRESSED;
            const SDL_GameControllerButtonBind bind = SDL_GameControllerGetBindForButton(device.controller, buttons[input]);
            if (bind.bindType == SDL_CONTROLLER_BINDTYPE_BUTTON)
                pad.button[input] = bind.value.button;
        }
        const int x = SDL_GameControllerGetAxis(device.controller, SDL_CONTROLLER_AXIS_LEFTX);
        const int y = SDL_GameControllerGetAxis(device.controller, SDL_CONTROLLER_AXIS_LEFTY);
        pad.held[int(PadInput::Left)] = pad.held[int(PadInput::Left)] || x < -deadZone;
        pad.held[int(PadInput::Right)] = pad.held[int(PadInput::Right)] || x > deadZone;
        pad.held[int(PadInput::Up)] = pad.held[int(PadInput::Up)] || y < -deadZone;
        pad.held[int(PadInput::Down)] = pad.held[int(PadInput::Down)] || y > deadZone;
        pads.push_back(pad);
    }
    return pads;
}

}  // namespace platform

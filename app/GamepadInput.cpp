// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/GamepadInput.h"

#include <SDL.h>

namespace {

constexpr Uint32 kSubsystems = SDL_INIT_GAMECONTROLLER;

PadButton ButtonOf(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return PadButton::South;
        case SDL_CONTROLLER_BUTTON_B:
            return PadButton::East;
        case SDL_CONTROLLER_BUTTON_X:
            return PadButton::West;
        case SDL_CONTROLLER_BUTTON_Y:
            return PadButton::North;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return PadButton::RightShoulder;
        case SDL_CONTROLLER_BUTTON_START:
            return PadButton::Start;
        case SDL_CONTROLLER_BUTTON_BACK:
            return PadButton::Back;
        default:
            return PadButton::Other;
    }
}

std::optional<CPadSteering::Arrow> ArrowOf(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return CPadSteering::Arrow::Up;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return CPadSteering::Arrow::Down;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return CPadSteering::Arrow::Left;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return CPadSteering::Arrow::Right;
        default:
            return std::nullopt;
    }
}

}  // namespace

CGamepadInput::CGamepadInput() {
    // The game has its own handlers for the signals that end it, and its own idea of which
    // window has the input: SDL has no window, so it would never think it has the focus.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    available = SDL_InitSubSystem(kSubsystems) == 0;
}

CGamepadInput::~CGamepadInput() {
    for (const auto& [controller, handle] : open) {
        SDL_GameControllerClose(handle);
    }
    if (available) {
        SDL_QuitSubSystem(kSubsystems);
    }
}

void CGamepadInput::Poll(const std::function<void(const PadInput&)>& input) {
    if (!available) {
        return;
    }
    const auto point = [&](int controller, std::optional<PadDirection> direction) {
        const std::optional<PadSide> side = seats.SideOf(controller);
        if (direction && side) {
            input(PadInput{*side, direction, std::nullopt});
        }
    };
    // The stick's two axes arrive one by one; a stick moved to a diagonal must not point along
    // the axis that came first on its way. Its direction is taken once both have arrived: when
    // the controller does something else, or when the queue is empty.
    std::map<int, StickPosition> movedSticks;
    const auto settleStick = [&](int controller) {
        const auto moved = movedSticks.find(controller);
        if (moved != movedSticks.end()) {
            point(controller, steering[controller].SetStick(moved->second.x, moved->second.y));
            movedSticks.erase(moved);
        }
    };
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
            case SDL_CONTROLLERDEVICEADDED:
                Plugged(event.cdevice.which);
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                movedSticks.erase(event.cdevice.which);
                Unplugged(event.cdevice.which);
                break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP: {
                const int controller = event.cbutton.which;
                if (!Attached(controller)) {
                    break;
                }
                settleStick(controller);
                const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
                if (const std::optional<CPadSteering::Arrow> arrow =
                        ArrowOf(event.cbutton.button)) {
                    point(controller, steering[controller].SetArrow(*arrow, down));
                } else if (const std::optional<PadSide> side = seats.SideOf(controller);
                           side && down) {
                    input(PadInput{*side, std::nullopt, ButtonOf(event.cbutton.button)});
                }
                break;
            }
            case SDL_CONTROLLERAXISMOTION: {
                const int controller = event.caxis.which;
                if (!Attached(controller)) {
                    break;
                }
                if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ||
                    event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                    auto [moved, fresh] =
                        movedSticks.try_emplace(controller, steering[controller].Stick());
                    (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ? moved->second.x
                                                                   : moved->second.y) =
                        event.caxis.value;
                }
                break;
            }
            default:
                break;
        }
    }
    while (!movedSticks.empty()) {
        settleStick(movedSticks.begin()->first);
    }
}

// SDL lets go of an unplugged controller's buttons and centres its stick before it reports the
// controller gone. Those are not the player's: the ship flies on to its last target.
bool CGamepadInput::Attached(int controller) const {
    const auto found = open.find(controller);
    return found != open.end() && SDL_GameControllerGetAttached(found->second) == SDL_TRUE;
}

void CGamepadInput::Plugged(int deviceIndex) {
    SDL_GameController* handle = SDL_GameControllerOpen(deviceIndex);
    if (handle == nullptr) {
        return;
    }
    const int controller = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(handle));
    if (open.contains(controller)) {
        SDL_GameControllerClose(handle);  // announced twice; the first opening stands
        return;
    }
    open[controller] = handle;
    seats.Connect(controller);
}

void CGamepadInput::Unplugged(int controller) {
    const auto found = open.find(controller);
    if (found == open.end()) {
        return;
    }
    SDL_GameControllerClose(found->second);
    open.erase(found);
    steering.erase(controller);
    seats.Disconnect(controller);
}

// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <map>
#include <optional>

#include "gamepad/PadControls.h"
#include "gamepad/PadSeats.h"
#include "gamepad/PadSteering.h"

struct _SDL_GameController;

// One thing a seated controller did: it came to point a new direction, or a button went down.
struct PadInput {
    PadSide side = PadSide::Left;
    std::optional<PadDirection> direction;
    std::optional<PadButton> button;
};

// The game controllers, through SDL's game-controller subsystem alone: no SDL window, video or
// audio, and no loop or thread of SDL's; the window reads what happened when it chooses, from its
// own thread. Where SDL finds no controller subsystem the game goes on without controllers.
class CGamepadInput {
public:
    CGamepadInput();
    ~CGamepadInput();
    CGamepadInput(const CGamepadInput&) = delete;
    CGamepadInput& operator=(const CGamepadInput&) = delete;

    // Whether SDL's controller subsystem started.
    bool Available() const { return available; }

    // Whether a controller is connected, seated or waiting.
    bool AnyConnected() const { return !open.empty(); }

    // Reads everything the controllers did since the last call, plugging and unplugging
    // included, and hands each direction and button press of a seated controller to `input`.
    void Poll(const std::function<void(const PadInput&)>& input);

private:
    void Plugged(int deviceIndex);
    void Unplugged(int controller);
    bool Attached(int controller) const;

    bool available = false;
    CPadSeats seats;
    std::map<int, _SDL_GameController*> open;  // by SDL's instance identifier
    std::map<int, CPadSteering> steering;
};

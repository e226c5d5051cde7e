// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamepad/PadSeats.h"

#include <algorithm>

void CPadSeats::Connect(int controller) {
    if (SideOf(controller) ||
        std::find(waiting.begin(), waiting.end(), controller) != waiting.end()) {
        return;
    }
    for (std::optional<int>& seat : seats) {
        if (!seat) {
            seat = controller;
            return;
        }
    }
    waiting.push_back(controller);
}

void CPadSeats::Disconnect(int controller) {
    std::erase(waiting, controller);
    for (std::optional<int>& seat : seats) {
        if (seat == controller) {
            seat.reset();
            if (!waiting.empty()) {
                seat = waiting.front();
                waiting.pop_front();
            }
        }
    }
}

std::optional<PadSide> CPadSeats::SideOf(int controller) const {
    if (seats[0] == controller) {
        return PadSide::Left;
    }
    if (seats[1] == controller) {
        return PadSide::Right;
    }
    return std::nullopt;
}

// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// The longest anything here waits for the event loop to bring something about; longer is a
// failure.
inline constexpr int kWaitMs = 10000;

// Runs the event loop until `done` returns true; false when kWaitMs have passed first.
bool WaitUntil(const std::function<bool()>& done);

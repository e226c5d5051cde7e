// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one thing the setup dialog may do to the main window besides changing the round: stop
// the battle's tick while it is open and start it again when it closes.
class CTickControl {
public:
    virtual void StopTick() = 0;
    virtual void StartTick() = 0;

protected:
    ~CTickControl() = default;
};

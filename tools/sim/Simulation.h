// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "battle/BattleRound.h"
#include "tools/sim/InputScript.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/SimPicture.h"

// A whole battle without a window: the round seeded and started as the game starts it, the
// scripted input applied through the same control rules as the window's, tick after tick.
// With a picture, it also draws exactly what the window would show: a full paint at the start,
// after a new round and for each scripted paint, and each tick's drawing.
class CSimulation {
public:
    CSimulation(const SimOptions& options, std::vector<ScriptEvent> events);

    // Runs every tick; with a trace stream, writes the state after each tick to it.
    void Run(std::ostream* trace);

    const CBattleRound& Round() const { return round_; }

    // Writes the picture, if the simulation keeps one; false when it cannot be written.
    bool WritePicture(const std::string& path) const;

private:
    void Apply(const ScriptEvent& event);
    void FullPaint();
    HitOutcome Tick();

    SimOptions options_;
    std::vector<ScriptEvent> events_;
    CBattleRound round_;
    std::unique_ptr<CSimPicture> picture_;
};

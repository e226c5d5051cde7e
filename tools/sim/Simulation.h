#pragma once

#include <ostream>
#include <vector>

#include "battle/BattleRound.h"
#include "tools/sim/InputScript.h"
#include "tools/sim/SimOptions.h"

// A whole battle without a window: the round seeded and started as the game starts it, the
// scripted input applied through the same control rules as the window's, tick after tick.
class CSimulation {
public:
    CSimulation(const SimOptions& options, std::vector<ScriptEvent> events);

    // Runs every tick; with a trace stream, writes the state after each tick to it.
    void Run(std::ostream* trace);

    const CBattleRound& Round() const { return round_; }

private:
    void Apply(const ScriptEvent& event);

    SimOptions options_;
    std::vector<ScriptEvent> events_;
    CBattleRound round_;
};

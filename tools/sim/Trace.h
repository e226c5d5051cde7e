// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>

#include "battle/BattleRound.h"

// One line of JSON with the whole battle state after a tick and what its hit resolution did.
void WriteTraceLine(std::ostream& out, int tick, const CBattleRound& round,
                    const HitOutcome& outcome);

// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "battle/BattleRound.h"

// Both ships standing at their targets, driven by people so that no random target moves them,
// with all ten shots in flight. The next tick draws both ships and all ten shots, and the
// left ship's last missile then strikes the rebels' ship: the shot is erased and the bars are
// blanked. Running the tick again from this same state repeats exactly that work.
CBattleRound BusyRoundWithHit();

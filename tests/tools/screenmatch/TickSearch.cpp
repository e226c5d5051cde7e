// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TickSearch.h"

#include "PixelDifference.h"
#include "battle/BattleRound.h"
#include "battle/Random.h"
#include "tools/sim/SimPicture.h"

namespace {

// Keeps the picture if it is closer than the closest so far; true once it matches exactly.
bool Compare(const CSimPicture& picture, const QImage& screen, const QRect& client,
             std::uint32_t seed, int tick, ClosestTick& closest) {
    const std::int64_t differing =
        CountDifferences(picture.Image(), screen, client.topLeft(), closest.differing);
    if (differing < closest.differing) {
        closest.seed = seed;
        closest.tick = tick;
        closest.differing = differing;
        closest.picture = picture.Image().copy();
    }
    return differing == 0;
}

}  // namespace

ClosestTick FindClosestTick(const QImage& screen, const QRect& client, std::uint32_t firstSeed,
                            std::uint32_t lastSeed, int maxTicks) {
    ClosestTick closest;
    for (std::uint32_t seed = firstSeed;; ++seed) {
        // The game's start: the random source seeded, a new round, both sides the computer's.
        CBattleRound round;
        SeedRandom(seed);
        round.NewRound();
        round.leftShip.computer = true;
        round.rightShip.computer = true;
        CSimPicture picture(client.width(), client.height());
        picture.PaintAll(round);
        if (Compare(picture, screen, client, seed, 0, closest)) {
            return closest;
        }
        for (int tick = 1; tick <= maxTicks; ++tick) {
            picture.Tick(round);
            if (Compare(picture, screen, client, seed, tick, closest)) {
                return closest;
            }
        }
        if (seed == lastSeed) {
            return closest;
        }
    }
}

// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TickSearch.h"

#include <cstddef>
#include <vector>

#include "PixelDifference.h"
#include "battle/BattleRound.h"
#include "battle/Random.h"
#include "play/Sequence.h"
#include "render/ClientExtent.h"
#include "render/GameArt.h"
#include "render/Surface.h"

namespace {

// Keeps the picture if it is closer than the closest so far; true once it matches exactly. With
// `exactOnly`, only an exact match counts, and the comparison ends at the first differing pixel,
// looked for first where the last tick or paint drew: that is where a wrong tick differs.
bool Compare(const CSurface& picture, const QImage& screen, const QRect& client,
             const ClosestTick& at, bool exactOnly, ClosestTick& closest) {
    if (exactOnly) {
        for (const QRect& drawn : picture.Damage()) {
            if (CountDifferences(picture.Image(), screen, client.topLeft(), 0, drawn) > 0) {
                return false;
            }
        }
    }
    const std::int64_t differing = CountDifferences(picture.Image(), screen, client.topLeft(),
                                                    exactOnly ? 0 : closest.differing);
    if (differing < closest.differing && (differing == 0 || !exactOnly)) {
        closest = at;
        closest.differing = differing;
        closest.picture = picture.Image().copy();
    }
    return differing == 0;
}

// The simulator's drawing, with the art loaded once for all the battles that are played.
struct Drawing {
    GameArt art;
    ClientExtent extent;
    CSurface surface;
};

// One battle from the game's start: the random source seeded, a new round, both sides the
// computer's, a full paint; then the ticks, with one more full paint after tick `repaintAfter`
// if that is not -1. True once a picture matches exactly. The closest picture is sought among
// those without a repaint alone: counting every differing pixel of all the battles with one
// would take the square of the ticks in full comparisons.
bool PlayAndCompare(Drawing& drawing, const QImage& screen, const QRect& client, std::uint32_t seed,
                    int repaintAfter, int maxTicks, ClosestTick& closest) {
    CBattleRound round;
    SeedRandom(seed);
    round.NewRound();
    round.leftShip.computer = true;
    round.rightShip.computer = true;
    CSurface& picture = drawing.surface;
    picture.Resize(client.width(), client.height());
    PaintScene(round, drawing.art.View(), drawing.extent, picture);
    ClosestTick at;
    at.seed = seed;
    at.repaintAfter = repaintAfter;
    for (int tick = 0; tick <= maxTicks; ++tick) {
        picture.ClearDamage();
        if (tick > 0) {
            RunTick(round, drawing.art.View(), drawing.extent, picture);
        }
        if (tick == repaintAfter) {
            PaintScene(round, drawing.art.View(), drawing.extent, picture);
        }
        // Before the repaint the battle is the same as the one without it, compared already.
        at.tick = tick;
        if (tick >= repaintAfter &&
            Compare(picture, screen, client, at, repaintAfter >= 0, closest)) {
            return true;
        }
    }
    return false;
}

}  // namespace

ClosestTick FindClosestTick(const QImage& screen, const QRect& client, std::uint32_t firstSeed,
                            std::uint32_t lastSeed, int maxTicks, bool repaints) {
    ClosestTick closest;
    Drawing drawing{GameArt(), ClientOfSize(client.width(), client.height()), CSurface()};
    // Until a battle first draws from the random source, it goes the same for every seed; a
    // battle that draws nothing in the ticks compared need be played only for one of them.
    std::vector<std::uint32_t> distinct;
    bool undrawnPlayed = false;
    for (std::uint32_t seed = firstSeed;; ++seed) {
        if (PlayAndCompare(drawing, screen, client, seed, -1, maxTicks, closest)) {
            return closest;
        }
        const bool drew = RandomState() != seed;
        if (drew || !undrawnPlayed) {
            distinct.push_back(seed);
        }
        undrawnPlayed = undrawnPlayed || !drew;
        if (seed == lastSeed) {
            break;
        }
    }
    for (std::size_t i = 0; repaints && i < distinct.size(); ++i) {
        for (int repaintAfter = 1; repaintAfter <= maxTicks; ++repaintAfter) {
            if (PlayAndCompare(drawing, screen, client, distinct[i], repaintAfter, maxTicks,
                               closest)) {
                return closest;
            }
        }
    }
    return closest;
}

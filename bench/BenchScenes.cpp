// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BenchScenes.h"

#include <cstdio>
#include <cstdlib>

namespace {

void RequireLoaded(const QImage& image, const char* what) {
    if (image.isNull()) {
        std::fprintf(stderr, "the %s could not be loaded\n", what);
        std::exit(1);
    }
}

}  // namespace

CheckedArt::CheckedArt() {
    RequireLoaded(background, "background");
    for (const CSpriteSet* side : {&left, &right}) {
        RequireLoaded(side->shipImage, "ship image");
        RequireLoaded(side->shipMask, "ship mask");
        RequireLoaded(side->shotImage, "shot image");
        RequireLoaded(side->shotMask, "shot mask");
    }
    RequireLoaded(bars.leftBar, "left energy bar");
    RequireLoaded(bars.rightBar, "right energy bar");
}

CBattleRound BusyRoundWithHit() {
    CBattleRound round;
    round.NewRound();
    round.leftShip.computer = false;
    round.rightShip.computer = false;
    round.leftShip.x = round.leftShip.targetX = 150;
    round.leftShip.y = round.leftShip.targetY = 150;
    round.rightShip.x = round.rightShip.targetX = 450;
    round.rightShip.y = round.rightShip.targetY = 250;
    // Spread over the field, each well outside the opposing ship's hit window...
    for (int i = 0; i < kShotSlots; ++i) {
        round.leftShip.shots[i] = {200 + 50 * i, 40 + 20 * i};
        round.rightShip.shots[i] = {400 - 60 * i, 190 + 20 * i};
    }
    // ...except this missile, which the step carries to 40 units left of the rebels' ship.
    round.leftShip.shots[kShotSlots - 1] = {400, 250};
    return round;
}

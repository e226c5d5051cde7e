// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "battle/Ship.h"
#include "battle/Sides.h"
#include "resources/PictureSizes.h"

// Where things stand in the world the background covers, pixel for pixel (kWorldWidth by
// kWorldHeight). The ships and the energy bars are placed by the game's rules, taken from
// where the game defines them; the scenery is laid out around them.

// The energy bars cover the top kBarHeight rows; a blanked stretch of bar shows the sky
// there, which must therefore stay dark and free of bright stars: stars begin below this row.
inline constexpr int kFirstStarRow = kBarHeight + 3;

// The grey plain fills the lowest fifth of the world.
inline constexpr int kGroundTop = 320;

// A rectangle of world pixels, right and bottom exclusive.
struct SceneBox {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr bool Encloses(const SceneBox& outer, const SceneBox& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Each ship starts on its own landing place.
inline constexpr WorldPoint kLeftShipStart = CEmperorShip::kSide.start;
inline constexpr WorldPoint kRightShipStart = CRebelShip::kSide.start;

// The box a ship's sprite covers with the ship at `point`.
constexpr SceneBox ShipPictureAt(WorldPoint point) {
    return {point.x - kShipPointX, point.y - kShipPointY, point.x - kShipPointX + kShipPictureWidth,
            point.y - kShipPointY + kShipPictureHeight};
}

inline constexpr SceneBox kLeftShipAtStart = ShipPictureAt(kLeftShipStart);
inline constexpr SceneBox kRightShipAtStart = ShipPictureAt(kRightShipStart);

// From the start each ship flies straight up through a column (its sprite plus the margin of
// the tile it is drawn in), so no tall structure may stand in it.
constexpr SceneBox FlightColumnAbove(WorldPoint start) {
    return {start.x - 30, 0, start.x + 41, kWorldHeight};
}

inline constexpr SceneBox kLeftFlightColumn = FlightColumnAbove(kLeftShipStart);
inline constexpr SceneBox kRightFlightColumn = FlightColumnAbove(kRightShipStart);
static_assert(CEmperorShip::kSide.firstTarget.x == kLeftShipStart.x &&
                  CRebelShip::kSide.firstTarget.x == kRightShipStart.x,
              "each ship climbs straight up from its start");

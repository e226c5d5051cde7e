// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/RebelBase.h"

#include <algorithm>
#include <cstdlib>

#include "tools/artgen/Noise.h"
#include "tools/artgen/Structures.h"

namespace {

constexpr std::uint32_t kBaseSeed = 0x5245424Cu;

// A stepped pyramid seen from the front: tiers of equal height, each narrower than the one
// below, a staircase up the middle and a small temple on the top tier.
struct Pyramid {
    int centreX;
    int baseY;
    int halfWidth;  // of the lowest tier
    int tiers;
    int tierHeight;
    int inset;  // how much narrower each tier is on either side
    int stairHalfWidth;
};

// The landing pad is an ellipse on the plain around the right ship's start position. The
// ship's sprite reaches further right of its point than left of it and hangs below it, so
// the pad is centred a little to the right of and below the point.
constexpr int kPadX = kRightShipStart.x + 7;
constexpr int kPadY = kRightShipStart.y + 6;
constexpr int kPadRadiusX = 40;
constexpr int kPadRadiusY = 10;

constexpr bool OnPad(int x, int y) {
    const int dx = x - kPadX;
    const int dy = y - kPadY;
    return dx * dx * kPadRadiusY * kPadRadiusY + dy * dy * kPadRadiusX * kPadRadiusX <
           kPadRadiusX * kPadRadiusX * kPadRadiusY * kPadRadiusY;
}
static_assert(OnPad(kRightShipStart.x, kRightShipStart.y), "the right ship starts on the pad");

// Both pyramids keep clear of the right ship's flight column.
constexpr Pyramid kSmallPyramid{352, 371, 40, 5, 8, 6, 4};
constexpr Pyramid kGreatPyramid{540, 374, 58, 8, 9, 6, 5};
static_assert(kSmallPyramid.centreX + kSmallPyramid.halfWidth <= kRightFlightColumn.left &&
                  kGreatPyramid.centreX - kGreatPyramid.halfWidth >= kRightFlightColumn.right,
              "the right ship's flight column stays clear");

// The shade of a tier's face, in sixteenths: a lit ledge on top, a shadow under the ledge
// above at its foot, and a gentle round shading across.
int TierShade(int x, int left, int right, int rowInTier, int tierHeight) {
    const int across = RoundShade(x - left, right - left) / 2 - 8;
    if (rowInTier == 0) {
        return 80 + across / 2;  // the lit ledge
    }
    if (rowInTier == 1) {
        return 40 + across;
    }
    if (rowInTier == tierHeight - 1) {
        return -40;  // in the shadow of the ledge above
    }
    return across - rowInTier * 3;
}

void PaintTier(CSceneCanvas& canvas, const Pyramid& pyramid, int tier, int level) {
    const int bottom = pyramid.baseY - tier * pyramid.tierHeight;
    const int top = bottom - pyramid.tierHeight;
    const int half = pyramid.halfWidth - tier * pyramid.inset;
    const int left = pyramid.centreX - half;
    const int right = pyramid.centreX + half;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            int shade = level * 16 + TierShade(x, left, right, y - top, pyramid.tierHeight);
            if (x == left) {
                shade += 32;
            } else if (x >= pyramid.centreX) {
                shade -= 20;  // the half turned away from the light
            }
            canvas.PaintDithered(x, y, Ramp::Brick, shade);
        }
    }
    // Glowing slits either side of the staircase.
    const int slitY = top + pyramid.tierHeight / 2;
    for (int x = left + 5; x < right - 4; x += 9) {
        if (std::abs(x - pyramid.centreX) > pyramid.stairHalfWidth + 3 &&
            HashPoint(x, slitY, kBaseSeed) % 3 != 0) {
            canvas.Paint(x, slitY, Ramp::Lamp, 3);
            canvas.Paint(x, slitY + 1, Ramp::Lamp, 2);
        }
    }
}

// Lit treads alternate with shaded risers between two rails, the left one in the light.
void PaintStaircase(CSceneCanvas& canvas, const Pyramid& pyramid, int level) {
    const int top = pyramid.baseY - pyramid.tiers * pyramid.tierHeight;
    const int left = pyramid.centreX - pyramid.stairHalfWidth;
    const int right = pyramid.centreX + pyramid.stairHalfWidth;
    for (int y = top; y < pyramid.baseY; ++y) {
        for (int x = left - 1; x < right + 1; ++x) {
            const bool rail = x < left || x >= right;
            const int tread = (y % 2 == 0) ? 3 : -2;
            const int shade = rail ? (x < left ? level + 2 : level - 5) : level + tread;
            canvas.Paint(x, y, Ramp::Brick, shade - (x - left) / 4);
        }
    }
}

void PaintTemple(CSceneCanvas& canvas, const Pyramid& pyramid, int level) {
    const int base = pyramid.baseY - pyramid.tiers * pyramid.tierHeight;
    const int half = pyramid.stairHalfWidth + 4;
    PaintBlock(canvas, Ramp::Brick,
               {pyramid.centreX - half, base - 11, pyramid.centreX + half, base}, level, 2);
    for (int y = base - 7; y < base; ++y) {  // the doorway, lit from within
        for (int x = pyramid.centreX - 2; x < pyramid.centreX + 2; ++x) {
            canvas.Paint(x, y, Ramp::Lamp, y == base - 7 ? 3 : 4 + (base - y) / 3);
        }
    }
}

void PaintPyramid(CSceneCanvas& canvas, const Pyramid& pyramid, int level) {
    PaintCastShadow(canvas, pyramid.centreX - pyramid.halfWidth,
                    pyramid.centreX + pyramid.halfWidth, pyramid.baseY, 5);
    for (int tier = 0; tier < pyramid.tiers; ++tier) {
        PaintTier(canvas, pyramid, tier, level);
    }
    PaintStaircase(canvas, pyramid, level);
    PaintTemple(canvas, pyramid, level + 1);
}

// Unit directions around a circle, in hundredths, for the lights on the pad's rim.
constexpr int kRimDirections[][2] = {
    {100, 0},  {92, 38},   {71, 71},   {38, 92},   {0, 100},  {-38, 92}, {-71, 71}, {-92, 38},
    {-100, 0}, {-92, -38}, {-71, -71}, {-38, -92}, {0, -100}, {38, -92}, {71, -71}, {92, -38}};

void PaintPad(CSceneCanvas& canvas) {
    const int outerX = kPadRadiusX + 2;
    const int outerY = kPadRadiusY + 1;
    for (int dy = -outerY; dy <= outerY; ++dy) {
        for (int dx = -outerX; dx <= outerX; ++dx) {
            const int distance = dx * dx * 256 / (kPadRadiusX * kPadRadiusX) +
                                 dy * dy * 256 / (kPadRadiusY * kPadRadiusY);
            const int x = kPadX + dx;
            const int y = kPadY + dy;
            if (distance >= 256) {
                const int outer =
                    dx * dx * 256 / (outerX * outerX) + dy * dy * 256 / (outerY * outerY);
                if (outer < 256 && dy > 0) {
                    canvas.Lighten(x, y, -3);  // the pad's raised edge shades the plain
                }
                continue;
            }
            const int towardsLight = -dx * 256 / kPadRadiusX - dy * 256 / kPadRadiusY;
            int shade = 4 * 16 + (FractalNoise(x, y * 3, 12, 2, kBaseSeed) - 128) / 10;
            if (distance > 190) {
                shade = (towardsLight > 0 ? 10 : 6) * 16;  // the rim, lit on its upper left
            } else if (distance > 190 - 34 && distance < 190 - 12) {
                shade = 2 * 16;  // a groove inside the rim
            } else if (distance > 60 && distance < 84) {
                shade = 8 * 16;  // the landing ring
            }
            canvas.PaintDithered(x, y, Ramp::Brick, shade);
        }
    }
    for (const auto& direction : kRimDirections) {
        const int x = kPadX + direction[0] * (kPadRadiusX - 2) / 100;
        const int y = kPadY + direction[1] * (kPadRadiusY - 1) / 100;
        PaintLamp(canvas, x, y, direction[1] > 0 ? 5 : 4);
    }
}

}  // namespace

void PaintRebelBase(CSceneCanvas& canvas) {
    PaintPyramid(canvas, kGreatPyramid, 10);
    PaintPyramid(canvas, kSmallPyramid, 9);
    PaintPad(canvas);
}

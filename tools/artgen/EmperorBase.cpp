// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/EmperorBase.h"

#include <algorithm>

#include "tools/artgen/Noise.h"
#include "tools/artgen/Structures.h"

namespace {

constexpr std::uint32_t kBaseSeed = 0x454D5052u;

// The landing strip lies in front of every building, under the left ship's start position,
// with one runway above and one below the ship's waterline.
constexpr SceneBox kApron{100, 368, 268, kWorldHeight};
constexpr int kRunwayTops[] = {371, 386};
constexpr int kRunwayRows = 8;

static_assert(Encloses(kApron, kLeftShipAtStart), "the left ship starts on the strip");

// Everything taller than the strip stands clear of the ship's flight column: the tower, its
// plinth and the offices to its left, the radar and the tanks to its right.
constexpr SceneBox kTowerPlinth{38, 350, 82, 367};
constexpr SceneBox kOffices{82, 332, 134, 368};
constexpr int kRadarLeft = 216;
static_assert(kOffices.right <= kLeftFlightColumn.left && kRadarLeft >= kLeftFlightColumn.right,
              "the left ship's flight column stays clear");
constexpr int kTowerFoot = kTowerPlinth.top + 1;
constexpr int kCabTop = 218;
constexpr int kCabBottom = 236;
constexpr int kSectionRows = 23;

// A row of two-pixel windows, three in four of them lit.
void PaintLitWindows(CSceneCanvas& canvas, int left, int right, int y, int spacing,
                     std::uint32_t seed) {
    for (int x = left; x < right; x += spacing) {
        const bool lit = HashPoint(x, y, seed) % 4 != 0;
        const Ramp ramp = lit ? Ramp::Lamp : Ramp::Steel;
        canvas.Paint(x, y, ramp, lit ? 5 : 4);
        canvas.Paint(x + 1, y, ramp, 4);
    }
}

// A domed hangar at the far left, its door lit by two lamps.
void PaintHangar(CSceneCanvas& canvas) {
    PaintCastShadow(canvas, 10, 44, 365, 4);
    PaintDome(canvas, Ramp::Steel, 21, 366, 21, 25, 17);
    for (int y = 351; y < 366; ++y) {  // the hangar door, with its frame
        for (int x = 13; x < 30; ++x) {
            const bool frame = x == 13 || x == 29 || y == 351;
            canvas.Paint(x, y, Ramp::Steel, frame ? 12 : 4 + (y - 351) / 5);
        }
    }
    PaintLamp(canvas, 15, 349, 6);
    PaintLamp(canvas, 27, 349, 6);
}

void PaintTower(CSceneCanvas& canvas) {
    PaintCastShadow(canvas, kTowerPlinth.left, kTowerPlinth.right, kTowerPlinth.bottom, 5);
    PaintBlock(canvas, Ramp::Steel, kTowerPlinth, 15, 2);
    // The shaft telescopes: each section is a little wider than the one above it.
    for (int section = 0; section * kSectionRows < kTowerFoot - kCabBottom; ++section) {
        const int top = kCabBottom + section * kSectionRows;
        const int bottom = std::min(kTowerFoot, top + kSectionRows);
        PaintShaft(canvas, Ramp::Steel,
                   {top, bottom, 54 - section, 66 + section, 54 - section, 66 + section}, 21);
        for (int x = 54 - section; x < 66 + section; ++x) {
            canvas.Lighten(x, top, 3);  // the lip of the section
            canvas.Lighten(x, bottom - 1, -4);
        }
        PaintLitWindows(canvas, 57, 63, top + kSectionRows / 2, 4, kBaseSeed + section);
    }
    // The control cab: a lit roof, a band of lit windows and a shadowed overhang beneath.
    PaintShaft(canvas, Ramp::Steel, {kCabTop, kCabBottom, 45, 75, 48, 72}, 22);
    PaintShaft(canvas, Ramp::Steel, {kCabTop - 4, kCabTop, 50, 70, 45, 75}, 27);
    for (int y = kCabTop + 5; y < kCabTop + 11; ++y) {
        for (int x = 47; x < 73; ++x) {
            const bool mullion = (x - 47) % 5 == 4;
            canvas.Paint(x, y, mullion ? Ramp::Steel : Ramp::Lamp,
                         mullion ? 9 : (y == kCabTop + 5 ? 7 : 5 - (x - 47) / 10));
        }
    }
    for (int x = 48; x < 72; ++x) {
        canvas.Paint(x, kCabBottom, Ramp::Steel, 5);
    }
    // The mast, its cross-bars and the red beacon on top.
    for (int y = 192; y < kCabTop - 4; ++y) {
        canvas.Paint(59, y, Ramp::Steel, 24);
        canvas.Paint(60, y, Ramp::Steel, 13);
    }
    for (int x = 56; x < 64; ++x) {
        canvas.Paint(x, 202, Ramp::Steel, x < 60 ? 20 : 12);
        canvas.Paint(x + 1, 208, Ramp::Steel, x < 59 ? 20 : 12);
    }
    canvas.Paint(59, 190, Ramp::Brick, 22);
    canvas.Paint(60, 190, Ramp::Brick, 19);
    canvas.Paint(59, 191, Ramp::Brick, 17);
    canvas.Paint(60, 191, Ramp::Brick, 15);
}

void PaintOffices(CSceneCanvas& canvas) {
    constexpr int kSplit = kOffices.left + 20;  // a tall office block, then a low one
    PaintCastShadow(canvas, kOffices.left, kSplit, kOffices.bottom - 1, 4);
    PaintBlock(canvas, Ramp::Steel, {kOffices.left, kOffices.top, kSplit, kOffices.bottom - 1}, 17,
               3);
    for (int y = kOffices.top + 8; y < kOffices.bottom - 6; y += 5) {
        PaintLitWindows(canvas, kOffices.left + 3, kSplit - 3, y, 4, kBaseSeed + 1);
    }
    PaintBlock(canvas, Ramp::Steel, {kSplit, 348, kOffices.right, kOffices.bottom}, 13, 2);
    PaintLitWindows(canvas, kSplit + 3, kOffices.right - 3, 355, 3, kBaseSeed + 2);
    PaintLitWindows(canvas, kSplit + 3, kOffices.right - 3, 360, 3, kBaseSeed + 3);
}

void PaintRadarAndTanks(CSceneCanvas& canvas) {
    PaintCastShadow(canvas, kRadarLeft, 288, 367, 4);
    PaintBlock(canvas, Ramp::Steel, {kRadarLeft, 350, kRadarLeft + 30, 368}, 14, 2);
    PaintLitWindows(canvas, kRadarLeft + 3, kRadarLeft + 27, 357, 4, kBaseSeed + 4);
    for (int y = 341; y < 350; ++y) {  // the dish's stand
        canvas.Paint(230, y, Ramp::Steel, 18);
        canvas.Paint(231, y, Ramp::Steel, 10);
    }
    PaintDome(canvas, Ramp::Steel, 231, 344, 11, 9, 22);
    for (int dx = -8; dx <= 8; ++dx) {  // the dish's hollow, facing up and right
        for (int dy = -3; dy <= 0; ++dy) {
            if (dx * dx * 9 + dy * dy * 64 <= 576) {
                canvas.Paint(232 + dx, 337 + dy, Ramp::Steel, 9 + (dx + 8) / 3);
            }
        }
    }
    PaintLamp(canvas, 232, 333, 7);
    for (const int left : {250, 268}) {
        PaintShaft(canvas, Ramp::Steel, {350, 368, left, left + 16, left, left + 16}, 17);
        PaintDome(canvas, Ramp::Steel, left + 8, 351, 8, 4, 20);
        for (int x = left; x < left + 16; ++x) {
            canvas.Lighten(x, 358, -3);
        }
    }
}

// A dark runway with a dashed centre line, striped thresholds at both ends and a yellow
// light every eight pixels along both edges.
void PaintRunway(CSceneCanvas& canvas, int top) {
    for (int y = top; y < top + kRunwayRows; ++y) {
        for (int x = kApron.left + 4; x < kApron.right - 4; ++x) {
            const int texture = (FractalNoise(x, y * 2, 8, 2, kBaseSeed + 5) - 128) / 12;
            canvas.PaintDithered(x, y, Ramp::Steel, 3 * 16 + 8 + texture);
        }
    }
    const int centre = top + kRunwayRows / 2;
    for (int x = kApron.left + 16; x < kApron.right - 16; ++x) {
        if ((x / 4) % 2 == 0) {
            canvas.Paint(x, centre, Ramp::Steel, 13);
        }
    }
    for (const int end : {kApron.left + 6, kApron.right - 14}) {  // threshold stripes
        for (int y = top + 1; y < top + kRunwayRows - 1; y += 2) {
            for (int x = end; x < end + 8; ++x) {
                canvas.Paint(x, y, Ramp::Steel, 24);
            }
        }
    }
    for (int x = kApron.left + 6; x < kApron.right - 4; x += 8) {
        PaintLamp(canvas, x, top - 1, 6);
        PaintLamp(canvas, x, top + kRunwayRows, 6);
    }
}

// The concrete apron, lit along its far edge and jointed into slabs, carrying both runways.
void PaintLandingStrip(CSceneCanvas& canvas) {
    for (int y = kApron.top; y < kApron.bottom; ++y) {
        for (int x = kApron.left; x < kApron.right; ++x) {
            const int texture = (FractalNoise(x, y * 2, 16, 3, kBaseSeed + 6) - 128) / 8;
            const int edge = (y == kApron.top) ? 48 : (x == kApron.left ? 24 : 0);
            const int seam = (x - kApron.left) % 28 == 27 ? -24 : 0;
            canvas.PaintDithered(x, y, Ramp::Steel, 10 * 16 + texture + edge + seam);
        }
    }
    for (const int top : kRunwayTops) {
        PaintRunway(canvas, top);
    }
}

}  // namespace

void PaintEmperorBase(CSceneCanvas& canvas) {
    PaintHangar(canvas);
    PaintTower(canvas);
    PaintOffices(canvas);
    PaintRadarAndTanks(canvas);
    PaintLandingStrip(canvas);
}

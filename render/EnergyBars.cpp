// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/EnergyBars.h"

#include <cstdint>
#include <utility>

#include "battle/Ship.h"
#include "render/ImageLoader.h"
#include "render/Scaling.h"
#include "resources/PictureSizes.h"
#include "resources/ResourceIds.h"

namespace {

// The bar strip in world units: each bar covers its whole image, the right one ends at the
// world's right edge.
constexpr int kRightBarX = kWorldWidth - kBarWidth;
constexpr int kBarGap = kRightBarX - kBarWidth;

void DrawBar(CSurface& target, const ClientExtent& client, const QImage& bar, int worldX) {
    target.StretchCopy(ScaleX(client, worldX), 0, ScaleX(client, kBarWidth),
                       ScaleY(client, kBarHeight), bar, 0, 0, kBarWidth, kBarHeight);
}

}  // namespace

CEnergyBars::CEnergyBars()
    : leftBar(LoadBitmapById(kLeftBarBitmap)), rightBar(LoadBitmapById(kRightBarBitmap)) {}

CEnergyBars::CEnergyBars(QImage leftBar, QImage rightBar)
    : leftBar(std::move(leftBar)), rightBar(std::move(rightBar)) {}

CEnergyBars::~CEnergyBars() {
    // The images are released in the order they were loaded.
    leftBar = QImage();
    rightBar = QImage();
}

void CEnergyBars::DrawBars(CSurface& target, const ClientExtent& client) const {
    DrawBar(target, client, leftBar, 0);
    DrawBar(target, client, rightBar, kRightBarX);
}

void CEnergyBars::BlankBars(CSurface& target, const ClientExtent& client, const QImage& background,
                            int eL, int eR) {
    // The stretch runs from the end of the left bar's remaining part to the start of the right
    // bar's, with the gap between the bars always inside it. Its client x is one division of
    // the whole product rather than the scaled world x, and its client width scales the
    // truncated world width; products are 64-bit so that very wide client areas stay exact.
    const auto sourceWidth = static_cast<int>(
        (std::int64_t{2} * kFullEnergy - eL - eR) * kBarWidth / kFullEnergy + kBarGap);
    const auto sourceX = static_cast<int>(std::int64_t{eL} * kBarWidth / kFullEnergy);
    const auto clientX = static_cast<int>(std::int64_t{client.Width()} * eL * kBarWidth /
                                          (std::int64_t{kWorldWidth} * kFullEnergy));
    target.StretchCopy(clientX, 0, ScaleX(client, sourceWidth), ScaleY(client, kBarHeight),
                       background, sourceX, 0, sourceWidth, kBarHeight);
}

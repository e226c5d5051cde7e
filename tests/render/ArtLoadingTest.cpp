// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QSize>
#include <utility>

#include "render/EnergyBars.h"
#include "render/ImageLoader.h"
#include "render/SpriteSet.h"
#include "resources/ResourceIds.h"

namespace {

TEST(Art, EveryBitmapLoadsByIdentifierAtItsSizeInTheSurfaceFormat) {
    const std::pair<int, QSize> bitmaps[] = {
        {kBackgroundBitmap, {600, 400}}, {kLeftShipImage, {53, 21}},   {kLeftShipMask, {53, 21}},
        {kLeftShotImage, {20, 10}},      {kLeftShotMask, {20, 10}},    {kRightShipImage, {53, 21}},
        {kRightShipMask, {53, 21}},      {kRightShotImage, {20, 10}},  {kRightShotMask, {20, 10}},
        {kLeftBarBitmap, {290, 20}},     {kRightBarBitmap, {290, 20}},
    };
    for (const auto& [id, size] : bitmaps) {
        const QImage image = LoadBitmapById(id);
        EXPECT_EQ(image.size(), size) << id;
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << id;
    }
    EXPECT_TRUE(LoadBitmapById(987654).isNull());  // unknown: a null image, which draws nothing
}

TEST(Art, SpriteSetsAndBarsLoadEachImageInItsRole) {
    const CSpriteSet left(kEmperorSpriteIds);
    const CSpriteSet right(kRebelSpriteIds);
    const CEnergyBars bars;
    const std::pair<const QImage&, int> roles[] = {
        {left.shipImage, kLeftShipImage},   {left.shipMask, kLeftShipMask},
        {left.shotImage, kLeftShotImage},   {left.shotMask, kLeftShotMask},
        {right.shipImage, kRightShipImage}, {right.shipMask, kRightShipMask},
        {right.shotImage, kRightShotImage}, {right.shotMask, kRightShotMask},
        {bars.leftBar, kLeftBarBitmap},     {bars.rightBar, kRightBarBitmap}};
    for (const auto& [image, id] : roles) {
        EXPECT_TRUE(image == LoadBitmapById(id)) << id;
    }
}

}  // namespace

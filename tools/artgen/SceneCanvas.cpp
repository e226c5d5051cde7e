// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/SceneCanvas.h"

#include <algorithm>

namespace {

Ramp RampOfIndex(int index) {
    const ScenePalette& palette = TheScenePalette();
    for (int ramp = 0; ramp < kRampCount; ++ramp) {
        const RampSpan& span = palette.spans[ramp];
        if (index >= span.first && index < span.first + span.size) {
            return static_cast<Ramp>(ramp);
        }
    }
    return Ramp::Sky;
}

}  // namespace

int DitherThreshold(int x, int y) {
    static constexpr int kBayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return kBayer[y & 3][x & 3];
}

CSceneCanvas::CSceneCanvas(int width, int height)
    : width_(width),
      height_(height),
      indices_(static_cast<std::size_t>(width) * height,
               static_cast<std::uint8_t>(TheScenePalette().Span(Ramp::Sky).first)) {}

void CSceneCanvas::Paint(int x, int y, Ramp ramp, int level) {
    if (!Contains(x, y)) {
        return;
    }
    const RampSpan& span = TheScenePalette().Span(ramp);
    const int shade = std::clamp(level, 0, span.size - 1);
    indices_[y * width_ + x] = static_cast<std::uint8_t>(span.first + shade);
}

void CSceneCanvas::PaintDithered(int x, int y, Ramp ramp, int sixteenths) {
    const int whole = sixteenths >= 0 ? sixteenths / 16 : -((15 - sixteenths) / 16);
    const int fraction = sixteenths - whole * 16;
    Paint(x, y, ramp, whole + (fraction > DitherThreshold(x, y) ? 1 : 0));
}

void CSceneCanvas::FillRect(int left, int top, int right, int bottom, Ramp ramp, int level) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            Paint(x, y, ramp, level);
        }
    }
}

void CSceneCanvas::Lighten(int x, int y, int delta) {
    if (Contains(x, y)) {
        Paint(x, y, RampAt(x, y), LevelAt(x, y) + delta);
    }
}

Ramp CSceneCanvas::RampAt(int x, int y) const {
    return RampOfIndex(indices_[y * width_ + x]);
}

int CSceneCanvas::LevelAt(int x, int y) const {
    return indices_[y * width_ + x] - TheScenePalette().Span(RampAt(x, y)).first;
}

IndexedImage CSceneCanvas::ToImage() const {
    IndexedImage image = MakeIndexedImage(width_, height_, 8, TheScenePalette().colours);
    image.pixels = indices_;
    return image;
}

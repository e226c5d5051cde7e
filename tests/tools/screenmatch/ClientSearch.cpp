// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClientSearch.h"

#include <QColor>

namespace {

constexpr QRgb kLeftBar = 0xc0c0c0;
constexpr QRgb kRightBar = 0xff0000;

// The world's bars are 290 of its 600 units wide, the gap between them 20.
constexpr int kWorldWidth = 600;
constexpr int kBarWorldWidth = 290;
constexpr int kBarWorldHeight = 20;
constexpr int kWorldHeight = 400;

bool Is(const QImage& screen, int x, int y, QRgb colour) {
    return x >= 0 && y >= 0 && x < screen.width() && y < screen.height() &&
           (screen.pixel(x, y) & 0xffffff) == colour;
}

int RunRight(const QImage& screen, int x, int y, QRgb colour) {
    int end = x;
    while (Is(screen, end, y, colour)) {
        ++end;
    }
    return end;
}

int RunDown(const QImage& screen, int x, int y, QRgb colour) {
    int end = y;
    while (Is(screen, x, end, colour)) {
        ++end;
    }
    return end - y;
}

// How wide the bars span from the grey bar's top-left corner at (x, y): the red bar must start on
// the same row, after a gap, with the same height. 0 when the bars do not fit together.
int WidthFromBars(const QImage& screen, int x, int y) {
    const int greyEnd = RunRight(screen, x, y, kLeftBar);
    const int height = RunDown(screen, x, y, kLeftBar);
    int red = greyEnd;
    while (red < screen.width() && !Is(screen, red, y, kRightBar)) {
        if (Is(screen, red, y, kLeftBar)) {
            return 0;
        }
        ++red;
    }
    if (red == screen.width() || Is(screen, red, y - 1, kRightBar)) {
        return 0;
    }
    const int redEnd = RunRight(screen, red, y, kRightBar);
    const int width = redEnd - x;
    // A bar only shrinks as its ship loses energy, so neither may be longer than a full one.
    const int fullBar = kBarWorldWidth * width / kWorldWidth + 2;
    if (greyEnd - x > fullBar || redEnd - red > fullBar ||
        RunDown(screen, redEnd - 1, y, kRightBar) != height) {
        return 0;
    }
    return width;
}

}  // namespace

std::vector<QRect> ClientCandidates(const QImage& screen, QSize knownSize) {
    std::vector<QRect> candidates;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (!Is(screen, x, y, kLeftBar) || Is(screen, x - 1, y, kLeftBar) ||
                Is(screen, x, y - 1, kLeftBar)) {
                continue;
            }
            const int barsWidth = WidthFromBars(screen, x, y);
            if (barsWidth == 0) {
                continue;
            }
            const int barHeight = RunDown(screen, x, y, kLeftBar);
            const int fewest = barHeight * kWorldHeight / kBarWorldHeight;
            // The red bar's scaled end may fall short of the right edge by up to a world unit.
            for (int width = barsWidth; width <= barsWidth + 1 + barsWidth / kWorldWidth; ++width) {
                for (int height = fewest; height < fewest + kWorldHeight / kBarWorldHeight;
                     ++height) {
                    const QRect rect(x, y, width, height);
                    if (screen.rect().contains(rect) &&
                        (!knownSize.isValid() || rect.size() == knownSize)) {
                        candidates.push_back(rect);
                    }
                }
            }
        }
    }
    return candidates;
}

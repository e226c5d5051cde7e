// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/ScreenGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <vector>

namespace {

// One axis: centre, then push inside the low edge, or else the high edge.
int CentreOnAxis(int size, int centreLow, int centreHigh, int low, int high) {
    int position = (centreLow + centreHigh) / 2 - size / 2;
    if (position < low) {
        position = low;
    } else if (position + size > high) {
        position = high - size;
    }
    return position;
}

// Along one axis, how far apart two spans are (0 where they overlap or touch) and how much of
// them overlaps. In doubles: coordinates far apart would overflow a product of integers.
double Gap(int lowA, int highA, int lowB, int highB) {
    return std::max({0.0, static_cast<double>(lowB) - highA, static_cast<double>(lowA) - highB});
}

double Overlap(int lowA, int highA, int lowB, int highB) {
    return std::max(0.0, static_cast<double>(std::min(highA, highB)) - std::max(lowA, lowB));
}

}  // namespace

ScreenPosition CentreOver(int width, int height, const ScreenRect& over,
                          const ScreenRect& workArea) {
    return {CentreOnAxis(width, over.left, over.right, workArea.left, workArea.right),
            CentreOnAxis(height, over.top, over.bottom, workArea.top, workArea.bottom)};
}

ScreenRect PrimaryWorkArea() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? ToScreenRect(primary->availableGeometry()) : ScreenRect{};
}

int NearestArea(const ScreenRect& rect, std::span<const ScreenRect> areas) {
    int best = -1;
    double bestOverlap = 0;
    double bestDistance = 0;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const ScreenRect& area = areas[i];
        const double overlap = Overlap(rect.left, rect.right, area.left, area.right) *
                               Overlap(rect.top, rect.bottom, area.top, area.bottom);
        const double dx = Gap(rect.left, rect.right, area.left, area.right);
        const double dy = Gap(rect.top, rect.bottom, area.top, area.bottom);
        const double distance = dx * dx + dy * dy;
        const bool better = best < 0 || overlap > bestOverlap ||
                            (overlap == 0 && bestOverlap == 0 && distance < bestDistance);
        if (better) {
            best = static_cast<int>(i);
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

ScreenRect WorkAreaNearest(const QRect& rect) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    std::vector<ScreenRect> areas;
    areas.reserve(static_cast<std::size_t>(screens.size()));
    for (const QScreen* screen : screens) {
        areas.push_back(ToScreenRect(screen->geometry()));
    }
    const int nearest = NearestArea(ToScreenRect(rect), areas);
    return nearest < 0 ? ScreenRect{} : ToScreenRect(screens[nearest]->availableGeometry());
}

OuterSize LargestScreenSize() {
    QSize largest;
    for (const QScreen* screen : QGuiApplication::screens()) {
        largest = largest.expandedTo(screen->geometry().size());
    }
    return {largest.width(), largest.height()};
}

// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>

// Counts the pixels whose colour differs between `picture` and the same-sized area of `screen`
// at `origin`, alpha aside. Counting stops as soon as the count exceeds `limit`, so a search for
// the closest picture skips most of each poor one. Only `area` of the picture is compared, all
// of it when `area` is null. Both images are 32 bits a pixel.
std::int64_t CountDifferences(const QImage& picture, const QImage& screen, QPoint origin,
                              std::int64_t limit, const QRect& area = QRect());

// How many pixels of the area are not fully opaque; 0 for an image without alpha.
std::int64_t CountTranslucent(const QImage& image, const QRect& area);

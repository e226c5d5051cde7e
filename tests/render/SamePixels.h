// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QImage>

// Compares two pictures pixel for pixel, naming the first difference and how many differ.
inline ::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure() << "sizes differ";
    }
    long long differing = 0;
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y) && differing++ == 0) {
                result << "first at (" << x << ", " << y << "): " << std::hex << actual.pixel(x, y)
                       << ", expected " << expected.pixel(x, y) << std::dec << "; ";
            }
        }
    }
    return differing == 0 ? ::testing::AssertionSuccess() : result << differing << " differ";
}

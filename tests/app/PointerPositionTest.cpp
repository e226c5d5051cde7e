// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <optional>

#include "app/PointerPosition.h"

namespace {

TEST(PointerInClient, TakesTheDevicePixelUnderThePointerOnlyInsideTheClientArea) {
    const struct {
        const char* name;
        QPointF position;  // logical pixels of the widget
        double ratio;
        ClientExtent client;
        std::optional<ClientPointer> expected;
    } cases[] = {
        // A client area of 600 x 400 inside an edge of one pixel, at one device pixel a pixel.
        {"first pixel", {1, 1}, 1, ClientOfSize(600, 400), ClientPointer{0, 0}},
        {"last pixel", {600.99, 400.5}, 1, ClientOfSize(600, 400), ClientPointer{599, 399}},
        {"left edge", {0.99, 100}, 1, ClientOfSize(600, 400), std::nullopt},
        {"top edge", {100, 0}, 1, ClientOfSize(600, 400), std::nullopt},
        {"right edge", {601, 100}, 1, ClientOfSize(600, 400), std::nullopt},
        {"bottom edge", {100, 401}, 1, ClientOfSize(600, 400), std::nullopt},
        {"far off", {-5000, 9000}, 1, ClientOfSize(600, 400), std::nullopt},
        // Two device pixels a logical one: 1200 x 800 device pixels.
        {"a fraction in", {1.25, 1.75}, 2, ClientOfSize(1200, 800), ClientPointer{0, 1}},
        {"the last device pixel",
         {600.9, 400.9},
         2,
         ClientOfSize(1200, 800),
         ClientPointer{1199, 799}},
        {"just past it", {601, 100}, 2, ClientOfSize(1200, 800), std::nullopt},
        {"a fraction before the edge", {0.75, 100}, 2, ClientOfSize(1200, 800), std::nullopt},
        {"a minimised window", {1, 1}, 1, ClientOfSize(0, 0), std::nullopt},
        // Wider than 16 bits carry: the position stops at the largest one.
        {"beyond 16 bits", {40001, 1}, 1, ClientOfSize(65535, 10), ClientPointer{32767, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PointerInClient(c.position, {1, 1}, c.ratio, c.client), c.expected) << c.name;
    }
}

// The platform hands the pointer over in logical pixels: the device pixel divided by the ratio
// and rounded. Multiplied back, that may fall a hair short of the device pixel, by an amount
// that depends on how the processor rounds; the pointer is still over that device pixel.
TEST(PointerInClient, FindsTheDevicePixelAgainAtEveryRatio) {
    constexpr int kPixels = 3000;
    const ClientExtent client = ClientOfSize(kPixels, kPixels);
    for (const double ratio : {1.1, 1.25, 1.5, 1.75, 2.0, 2.25, 3.0}) {
        int misplaced = 0;
        for (int device = 0; device < kPixels; ++device) {
            const double logical = device / ratio;
            const auto found = PointerInClient({logical, logical}, {0, 0}, ratio, client);
            misplaced += found != ClientPointer{device, device};
        }
        EXPECT_EQ(misplaced, 0) << "at ratio " << ratio;
    }
}

}  // namespace

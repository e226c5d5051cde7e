// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QWidget>
#include <QtTest/QTest>
#include <vector>

#include "desktop/FramePlacement.h"

namespace {

// A top-level window placed as the game's windows are.
class PlacedWindow : public QWidget {
public:
    CFramePlacement placement{*this};
};

// The outer sizes a placement was asked about, and the corner it gives for each: 10 pixels
// further right for every pixel of width, so a wrong size shows in the position.
struct RecordedPlacement {
    std::vector<QSize> askedFor;
    CFramePlacement::Placement Function() {
        return [this](int width, int height) {
            askedFor.emplace_back(width, height);
            return ScreenPosition{40 + width / 10, 30};
        };
    }
};

bool ShowAndExpose(QWidget& window) {
    window.show();
    return QTest::qWaitForWindowExposed(&window) &&
           QTest::qWaitFor([&] { return window.frameGeometry() != window.geometry(); });
}

QSize FrameOf(const QWidget& window) {
    return window.frameGeometry().size() - window.size();
}

TEST(FramePlacement, SizeAndPlaceGivesTheWholeOuterSizeToTheWindowUntilItsFrameIsKnown) {
    PlacedWindow window;
    RecordedPlacement recorded;
    window.placement.SizeAndPlaceBy({600, 400}, recorded.Function());
    // Hidden: no frame yet, the window itself has the outer size.
    EXPECT_FALSE(window.placement.FrameSettled());
    EXPECT_EQ(window.size(), QSize(600, 400));
    EXPECT_EQ(window.pos(), QPoint(100, 30));

    ASSERT_TRUE(ShowAndExpose(window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.placement.FrameSettled(); }));
    const QSize frame = FrameOf(window);
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(window.size(), QSize(600, 400) - frame);
    EXPECT_EQ(window.frameGeometry(), QRect(100, 30, 600, 400));
    EXPECT_EQ(recorded.askedFor, (std::vector<QSize>{{600, 400}, {600, 400}}));
}

TEST(FramePlacement, SizeAndPlaceNeverShrinksTheWindowBelowOnePixel) {
    PlacedWindow window;
    RecordedPlacement recorded;
    window.placement.SizeAndPlaceBy({1, 1}, recorded.Function());
    ASSERT_TRUE(ShowAndExpose(window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.placement.FrameSettled(); }));
    EXPECT_EQ(window.size(), QSize(1, 1).expandedTo(window.minimumSize()));
    EXPECT_EQ(recorded.askedFor, (std::vector<QSize>{{1, 1}, {1, 1}}));
}

TEST(FramePlacement, PlaceKeepsTheSizeAndPlacesAgainByTheOuterSizeOnce) {
    PlacedWindow window;
    window.setFixedSize(300, 200);
    RecordedPlacement recorded;
    window.placement.PlaceBy(recorded.Function());
    EXPECT_FALSE(window.placement.FrameSettled());
    EXPECT_EQ(window.pos(), QPoint(70, 30));

    ASSERT_TRUE(ShowAndExpose(window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.placement.FrameSettled(); }));
    const QSize outer = window.frameGeometry().size();
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(40 + outer.width() / 10, 30));
    EXPECT_EQ(recorded.askedFor, (std::vector<QSize>{{300, 200}, outer}));

    // Settled: later moves leave the window where they put it.
    window.move(5, 6);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry().topLeft() == QPoint(5, 6); }));
    EXPECT_EQ(recorded.askedFor.size(), 2u);

    // A new placement starts over, and on a shown window applies the outer size at once.
    window.placement.PlaceBy(recorded.Function());
    EXPECT_TRUE(window.placement.FrameSettled());
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(40 + outer.width() / 10, 30));
    EXPECT_EQ(recorded.askedFor, (std::vector<QSize>{{300, 200}, outer, {300, 200}, outer}));
}

TEST(FramePlacement, WithoutAPlacementNothingMoves) {
    PlacedWindow window;
    window.setGeometry(20, 25, 200, 100);
    ASSERT_TRUE(ShowAndExpose(window));
    EXPECT_FALSE(window.placement.FrameSettled());
    EXPECT_EQ(window.geometry(), QRect(20, 25, 200, 100));
}

}  // namespace

#include "render/EnergyBars.h"

#include <gtest/gtest.h>

#include <vector>

#include "NamedCases.h"
#include "Reference.h"
#include "SamePixels.h"
#include "TestArt.h"

namespace {

// Patterned bars, so that a bar pixel sampled from the wrong place shows.
CEnergyBars MakeBars() {
    return CEnergyBars(MakePatch(290, 20, 4), MakePatch(290, 20, 12));
}

CSurface PrefilledSurface(int width, int height) {
    CSurface surface(width, height);
    surface.Image() = MakePrefilled(width, height);
    return surface;
}

TEST(DrawBars, At600By400BothBarsArePutDownPixelForPixelWithTheGapUntouched) {
    const CEnergyBars bars = MakeBars();
    CSurface surface = PrefilledSurface(600, 400);
    bars.DrawBars(surface, ClientOfSize(600, 400));

    QImage expected = MakePrefilled(600, 400);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 290; ++x) {
            expected.setPixel(x, y, bars.leftBar.pixel(x, y));
            expected.setPixel(310 + x, y, bars.rightBar.pixel(x, y));
        }
    }
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
    const std::vector<QRect> recorded(surface.Damage().begin(), surface.Damage().end());
    EXPECT_EQ(recorded, (std::vector<QRect>{QRect(0, 0, 290, 20), QRect(310, 0, 290, 20)}));
}

TEST(DrawBars, AtWidth1000Height390TheBarsAre483By19WithTheRightOneAt516) {
    const CEnergyBars bars = MakeBars();
    CSurface surface = PrefilledSurface(1000, 390);
    bars.DrawBars(surface, ClientOfSize(1000, 390));

    QImage expected = MakePrefilled(1000, 390);
    ReferenceStretch(expected, QRect(0, 0, 483, 19), bars.leftBar, QRect(0, 0, 290, 20),
                     RasterOp::Copy);
    ReferenceStretch(expected, QRect(516, 0, 483, 19), bars.rightBar, QRect(0, 0, 290, 20),
                     RasterOp::Copy);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

TEST(DrawBars, EmptyClientDrawsNothingAndReturnsNormally) {
    const CEnergyBars bars = MakeBars();
    CSurface surface = PrefilledSurface(600, 400);
    bars.DrawBars(surface, ClientOfSize(0, 0));
    EXPECT_TRUE(surface.Damage().empty());
    EXPECT_TRUE(SamePixels(surface.Image(), MakePrefilled(600, 400)));
}

// A blanking case with its numbers worked out by hand: the world stretch (source x and width
// b) and where it lands on the client.
struct BlankCase {
    const char* name;
    int width, height;
    int eL, eR;
    QRect source;
    QRect client;
};

void PrintTo(const BlankCase& c, std::ostream* os) {
    *os << c.name;
}

const BlankCase kBlankCases[] = {
    {"BothFullCopiesOnlyTheGap", 600, 400, 500, 500, {290, 0, 20, 20}, {290, 0, 20, 20}},
    {"BothEmptyBlanksTheWholeStrip", 600, 400, 0, 0, {0, 0, 600, 20}, {0, 0, 600, 20}},
    {"LeftHalfKeeps145Units", 600, 400, 250, 500, {145, 0, 165, 20}, {145, 0, 165, 20}},
    {"RightHalfKeepsFrom455", 600, 400, 500, 250, {290, 0, 165, 20}, {290, 0, 165, 20}},
    {"LeftEnergyOneBlanksTheWholeLeftBar", 600, 400, 1, 500, {0, 0, 309, 20}, {0, 0, 309, 20}},
    {"AtWidth1000LeftEnergy3TheClientXIs2NotScaledSourceX1",
     1000,
     400,
     3,
     500,
     {1, 0, 308, 20},
     {2, 0, 513, 20}},
    {"AtHeight390TheStretchIs19High", 600, 390, 500, 500, {290, 0, 20, 20}, {290, 0, 20, 19}},
    {"AtWidth16000TheWholeProductStaysExact",
     16000,
     400,
     500,
     0,
     {290, 0, 310, 20},
     {7733, 0, 8266, 20}},
    {"AtWidth16000BothFull", 16000, 400, 500, 500, {290, 0, 20, 20}, {7733, 0, 533, 20}},
};

class BlankBarsCases : public ::testing::TestWithParam<BlankCase> {};

TEST_P(BlankBarsCases, CopiesTheBackgroundStretchBetweenTheRemainingBars) {
    const BlankCase& c = GetParam();
    const QImage background = MakeBackground();
    CSurface surface = PrefilledSurface(c.width, c.height);
    CEnergyBars::BlankBars(surface, ClientOfSize(c.width, c.height), background, c.eL, c.eR);

    ASSERT_EQ(surface.Damage().size(), 1u);
    EXPECT_EQ(surface.Damage()[0], c.client);
    QImage expected = MakePrefilled(c.width, c.height);
    ReferenceStretch(expected, c.client, background, c.source, RasterOp::Copy);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

INSTANTIATE_TEST_SUITE_P(Table, BlankBarsCases, ::testing::ValuesIn(kBlankCases), CaseName());

TEST(BlankBars, AfterDrawBarsLeavesEachBarItsRemainingPart) {
    const CEnergyBars bars = MakeBars();
    const QImage background = MakeBackground();
    CSurface surface = PrefilledSurface(600, 400);
    const ClientExtent client = ClientOfSize(600, 400);
    bars.DrawBars(surface, client);
    CEnergyBars::BlankBars(surface, client, background, 250, 100);
    // Left bar keeps x 0 to 144, right bar x 542 to 599 (600 - 100 × 290 / 500 = 542).
    for (int x = 0; x < 600; ++x) {
        const QRgb expected = x < 145   ? bars.leftBar.pixel(x, 7)
                              : x < 542 ? WorldColour(x, 7)
                                        : bars.rightBar.pixel(x - 310, 7);
        ASSERT_EQ(surface.Image().pixel(x, 7), expected) << x;
    }
}

TEST(BlankBars, EmptyClientDrawsNothingAndReturnsNormally) {
    const QImage background = MakeBackground();
    CSurface surface = PrefilledSurface(600, 400);
    CEnergyBars::BlankBars(surface, ClientOfSize(0, 0), background, 100, 100);
    EXPECT_TRUE(surface.Damage().empty());
    EXPECT_TRUE(SamePixels(surface.Image(), MakePrefilled(600, 400)));
}

}  // namespace

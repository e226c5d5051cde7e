#include "render/Background.h"

#include <gtest/gtest.h>

#include <optional>

#include "NamedCases.h"
#include "Reference.h"
#include "SamePixels.h"
#include "TestArt.h"

namespace {

TEST(DrawBackground, At600By400ShowsTheBackgroundPixelForPixel) {
    const QImage background = MakeBackground();
    CSurface surface(600, 400);
    DrawBackground(surface, ClientOfSize(600, 400), background);
    EXPECT_TRUE(SamePixels(surface.Image(), background));
    ASSERT_EQ(surface.Damage().size(), 1u);
    EXPECT_EQ(surface.Damage()[0], QRect(0, 0, 600, 400));
}

struct SizeCase {
    const char* name;
    int width, height;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.name;
}

const SizeCase kSizes[] = {
    {"Enlarged900By600", 900, 600},     {"Shrunk450By300", 450, 300}, {"OddSize601By401", 601, 401},
    {"Widescreen1280By720", 1280, 720}, {"Tall333By777", 333, 777},   {"SinglePixel", 1, 1},
};

class DrawBackgroundScaled : public ::testing::TestWithParam<SizeCase> {};

TEST_P(DrawBackgroundScaled, EachPixelShowsTheWorldPointUnderItsCentre) {
    const SizeCase& c = GetParam();
    const QImage background = MakeBackground();
    CSurface surface(c.width, c.height);
    DrawBackground(surface, ClientOfSize(c.width, c.height), background);
    QImage expected = MakePrefilled(c.width, c.height);
    PaintWorldRect(expected, QRect(0, 0, 600, 400),
                   [&](int x, int y) { return std::optional<QRgb>(background.pixel(x, y)); });
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

INSTANTIATE_TEST_SUITE_P(Table, DrawBackgroundScaled, ::testing::ValuesIn(kSizes), CaseName());

TEST(DrawBackground, EmptyClientDrawsNothingAndReturnsNormally) {
    const QImage background = MakeBackground();
    for (const ClientExtent client :
         {ClientOfSize(0, 0), ClientOfSize(0, 400), ClientOfSize(600, 0)}) {
        CSurface surface(client.Width(), client.Height());
        DrawBackground(surface, client, background);
        EXPECT_TRUE(surface.Damage().empty());
    }
    // A surface larger than the extent shows that nothing at all is drawn.
    CSurface surface(600, 400);
    surface.Image() = MakePrefilled(600, 400);
    DrawBackground(surface, ClientOfSize(0, 400), background);
    EXPECT_TRUE(SamePixels(surface.Image(), MakePrefilled(600, 400)));
}

TEST(DrawBackground, MissingBackgroundDrawsNothing) {
    CSurface surface(600, 400);
    surface.Image() = MakePrefilled(600, 400);
    DrawBackground(surface, ClientOfSize(600, 400), QImage());
    EXPECT_TRUE(SamePixels(surface.Image(), MakePrefilled(600, 400)));
    EXPECT_TRUE(surface.Damage().empty());
}

}  // namespace

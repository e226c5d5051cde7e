// The identifiers are the contract between the art, its packaging and the code that loads
// menus, dialogs and pictures; each must keep its number.

#include <gtest/gtest.h>

#include "resources/ResourceIds.h"

namespace {

struct Identifier {
    const char* name;
    int value;
    int expected;
};

class ResourceIdentifier : public testing::TestWithParam<Identifier> {};

TEST_P(ResourceIdentifier, KeepsItsNumber) {
    EXPECT_EQ(GetParam().value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Ids, ResourceIdentifier,
                         testing::Values(Identifier{"LeftShipImage", kLeftShipImage, 118},
                                         Identifier{"LeftShipMask", kLeftShipMask, 119},
                                         Identifier{"LeftShotImage", kLeftShotImage, 125},
                                         Identifier{"LeftShotMask", kLeftShotMask, 126},
                                         Identifier{"RightShipImage", kRightShipImage, 123},
                                         Identifier{"RightShipMask", kRightShipMask, 124},
                                         Identifier{"RightShotImage", kRightShotImage, 128},
                                         Identifier{"RightShotMask", kRightShotMask, 129},
                                         Identifier{"BackgroundBitmap", kBackgroundBitmap, 127},
                                         Identifier{"LeftBarBitmap", kLeftBarBitmap, 133},
                                         Identifier{"RightBarBitmap", kRightBarBitmap, 134},
                                         Identifier{"EmblemIcon", kEmblemIcon, 113},
                                         Identifier{"RebelEmblemIcon", kRebelEmblemIcon, 132},
                                         Identifier{"MainMenu", kMainMenu, 114},
                                         Identifier{"AboutDialog", kAboutDialog, 130},
                                         Identifier{"SetupDialog", kSetupDialog, 131}),
                         [](const testing::TestParamInfo<Identifier>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace

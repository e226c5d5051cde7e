#include "tools/sim/SimOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::variant<SimOptions, OptionsError> Parse(std::vector<std::string_view> args) {
    return ParseSimOptions(args);
}

TEST(SimOptions, DefaultsAreSeedOneHundredTicksBothComputer) {
    const auto parsed = Parse({});
    const SimOptions& options = std::get<SimOptions>(parsed);
    EXPECT_EQ(options.seed, 1u);
    EXPECT_EQ(options.ticks, 100);
    EXPECT_TRUE(options.leftComputer);
    EXPECT_TRUE(options.rightComputer);
    EXPECT_EQ(options.width, 600);
    EXPECT_EQ(options.height, 400);
    EXPECT_TRUE(options.inputPath.empty());
    EXPECT_TRUE(options.pngPath.empty());
    EXPECT_FALSE(options.trace);
}

TEST(SimOptions, ReadsEveryOption) {
    const auto parsed =
        Parse({"--seed", "4294967295", "--ticks", "0", "--left", "person", "--right", "person",
               "--size", "1920x1080", "--input", "a.txt", "--trace", "--png", "out.png"});
    const SimOptions& options = std::get<SimOptions>(parsed);
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_EQ(options.ticks, 0);
    EXPECT_FALSE(options.leftComputer);
    EXPECT_FALSE(options.rightComputer);
    EXPECT_EQ(options.width, 1920);
    EXPECT_EQ(options.height, 1080);
    EXPECT_EQ(options.inputPath, "a.txt");
    EXPECT_TRUE(options.trace);
    EXPECT_EQ(options.pngPath, "out.png");
}

TEST(SimOptions, RefusesBadArgumentsNamingThem) {
    const std::vector<std::vector<std::string_view>> cases = {
        {"--seed", "4294967296"},
        {"--seed", "-1"},
        {"--seed"},
        {"--ticks", "ten"},
        {"--left", "robot"},
        {"--size", "600"},
        {"--size", "600x"},
        {"--size", "x400"},
        {"--size", "-600x400"},
        {"--size", "99999x10"},
        {"--input", ""},
        {"--frobnicate"},
        {"trace"},
    };
    for (const auto& args : cases) {
        const auto parsed = Parse(args);
        const auto* error = std::get_if<OptionsError>(&parsed);
        ASSERT_NE(error, nullptr) << args[0];
        EXPECT_NE(error->message.find(std::string(args[0])), std::string::npos) << error->message;
    }
}

}  // namespace

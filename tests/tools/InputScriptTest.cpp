#include "tools/sim/InputScript.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptEvent::Kind;

std::vector<ScriptEvent> Events(std::string_view text) {
    auto parsed = ParseInputScript(text);
    EXPECT_TRUE(std::holds_alternative<std::vector<ScriptEvent>>(parsed)) << text;
    if (auto* events = std::get_if<std::vector<ScriptEvent>>(&parsed)) {
        return *events;
    }
    return {};
}

TEST(InputScript, ReadsEveryEventKind) {
    const auto events = Events(
        "# a comment line\n"
        "\n"
        "3 pointer 120 -45\n"
        "  4\tbutton   # trailing comment\r\n"
        "5 key 0x25\n"
        "5 key 32\n"
        "6 newround\n"
        "6 paint\n");
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].kind, Kind::Pointer);
    EXPECT_EQ(events[0].tick, 3);
    EXPECT_EQ(events[0].a, 120);
    EXPECT_EQ(events[0].b, -45);
    EXPECT_EQ(events[1].kind, Kind::Button);
    EXPECT_EQ(events[2].kind, Kind::Key);
    EXPECT_EQ(events[2].a, 0x25);
    EXPECT_EQ(events[3].a, 32);
    EXPECT_EQ(events[4].kind, Kind::NewRound);
    EXPECT_EQ(events[4].tick, 6);
    EXPECT_EQ(events[5].kind, Kind::Paint);
}

TEST(InputScript, SortsByTickKeepingFileOrderWithinATick) {
    const auto events = Events("9 key 1\n2 key 2\n9 key 3\n2 key 4\n");
    ASSERT_EQ(events.size(), 4u);
    const int expected[][2] = {{2, 2}, {2, 4}, {9, 1}, {9, 3}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(events[i].tick, expected[i][0]);
        EXPECT_EQ(events[i].a, expected[i][1]);
    }
}

struct BadCase {
    const char* name;
    const char* text;
    int line;
};

TEST(InputScript, RefusesMalformedLinesNamingThem) {
    const BadCase cases[] = {
        {"tick 0", "0 button\n", 1},
        {"negative tick", "-1 button\n", 1},
        {"tick not a number", "x button\n", 1},
        {"tick alone", "# c\n3\n", 2},
        {"unknown event", "1 jump\n", 1},
        {"button with an operand", "1 button 5\n", 1},
        {"pointer missing y", "\n\n1 pointer 5\n", 3},
        {"pointer beyond 16 bits", "1 pointer 32768 0\n", 1},
        {"pointer y not a number", "1 pointer 3 4a\n", 1},
        {"key beyond 255", "1 key 256\n", 1},
        {"key hex without digits", "1 key 0x\n", 1},
        {"key negative", "1 key -1\n", 1},
        {"newround with operand", "1 newround now\n", 1},
        {"paint with operand", "1 paint 2\n", 1},
        {"tick beyond 32 bits", "4294967296 button\n", 1},
        {"error on a later line", "1 button\n2 button\n3 key\n", 3},
    };
    for (const BadCase& c : cases) {
        auto parsed = ParseInputScript(c.text);
        const auto* error = std::get_if<ScriptError>(&parsed);
        ASSERT_NE(error, nullptr) << c.name;
        EXPECT_EQ(error->line, c.line) << c.name;
        EXPECT_FALSE(error->message.empty()) << c.name;
    }
}

TEST(InputScript, EmptyAndCommentOnlyScriptsHaveNoEvents) {
    EXPECT_TRUE(Events("").empty());
    EXPECT_TRUE(Events("# nothing\n   \n\t# more\n").empty());
    EXPECT_EQ(Events("1 button").size(), 1u) << "the last line needs no newline";
}

}  // namespace

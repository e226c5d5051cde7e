// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tools/sim/InputScript.h"
#include "tools/sim/SimOptions.h"

namespace {

// The events as "tick name a b" items, for comparison.
std::string Render(const std::vector<ScriptEvent>& events) {
    const char* const names[] = {"pointer", "button", "key",      "newround",
                                 "paint",   "paddir", "padbutton"};
    std::string text;
    for (const ScriptEvent& e : events) {
        text += std::to_string(e.tick) + " " + names[static_cast<int>(e.kind)] + " " +
                std::to_string(e.a) + " " + std::to_string(e.b) + ", ";
    }
    return text;
}

TEST(InputScript, ReadsEveryEventKindSortedByTickInFileOrder) {
    const auto parsed = ParseInputScript(
        "# a comment line\n\n"
        "6 paint\n"
        "3 pointer -32768 32767\n"
        "  4\tbutton   # trailing comment\r\n"
        "3 key 0xFF\n"
        "6 newround\n"
        "7 pad right dir upleft\n"
        "7 pad left button rightshoulder\n"
        "5 key 32");  // the last line needs no newline
    EXPECT_EQ(Render(std::get<std::vector<ScriptEvent>>(parsed)),
              "3 pointer -32768 32767, 3 key 255 0, 4 button 0 0, 5 key 32 0, 6 paint 0 0, "
              "6 newround 0 0, 7 paddir 1 8, 7 padbutton 0 4, ");
    EXPECT_EQ(Render(std::get<std::vector<ScriptEvent>>(ParseInputScript("# only\n \t\n"))), "");
}

// The last line of each script is the malformed one.
TEST(InputScript, RefusesMalformedLinesNamingThem) {
    const char* const cases[] = {"0 button",
                                 "x button",
                                 "4294967296 button",
                                 "# c\n3",
                                 "1 jump",
                                 "1 button 5",
                                 "1 newround now",
                                 "1 paint 2",
                                 "\n\n1 pointer 5",
                                 "1 pointer 32768 0",
                                 "1 pointer 0 -32769",
                                 "1 pointer 3 4a",
                                 "1 key 256",
                                 "1 key 0x",
                                 "1 key -1",
                                 "1 button\n2 key",
                                 "1 pad left dir",
                                 "1 pad top dir up",
                                 "1 pad left dir north",
                                 "1 pad right button a",
                                 "1 pad left press south"};
    for (const std::string text : cases) {
        const auto parsed = ParseInputScript(text);
        const auto* error = std::get_if<ScriptError>(&parsed);
        ASSERT_NE(error, nullptr) << text;
        EXPECT_EQ(error->line, 1 + std::count(text.begin(), text.end(), '\n')) << text;
        EXPECT_FALSE(error->message.empty()) << text;
    }
}

// A command line split at each space, so that "--png " has an empty value.
std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> args;
    for (std::size_t start = 0, end = 0; !line.empty() && end != line.npos; start = end + 1) {
        end = line.find(' ', start);
        args.push_back(line.substr(start, end - start));
    }
    return args;
}

TEST(SimOptions, DefaultsAndEveryOption) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "seed 1, 100 ticks, left 1, right 1, 600x400, input '', trace 0, png '', help 0"},
        {"--right person --trace",
         "seed 1, 100 ticks, left 1, right 0, 600x400, input '', "
         "trace 1, png '', help 0"},
        {"--seed 4294967295 --ticks 0 --left person --size 1920x1080 --input a.txt --png b -h",
         "seed 4294967295, 0 ticks, left 0, right 1, 1920x1080, input 'a.txt', trace 0, "
         "png 'b', help 1"}};
    for (const auto& [line, expected] : cases) {
        const auto o = std::get<SimOptions>(ParseSimOptions(Split(line)));
        std::ostringstream out;
        out << "seed " << o.seed << ", " << o.ticks << " ticks, left " << o.leftComputer
            << ", right " << o.rightComputer << ", " << o.width << "x" << o.height << ", input '"
            << o.inputPath << "', trace " << o.trace << ", png '" << o.pngPath << "', help "
            << o.help;
        EXPECT_EQ(out.str(), expected) << line;
    }
}

TEST(SimOptions, RefusesBadArgumentsNamingThem) {
    const char* const cases[] = {"--seed 4294967296", "--seed -1",     "--seed",      "--ticks ten",
                                 "--left robot",      "--right Human", "--input ",    "--png ",
                                 "--size 600",        "--size 600x",   "--size x400", "--size -6x4",
                                 "--size 65536x1",    "--frobnicate",  "trace"};
    for (const char* line : cases) {
        const auto parsed = ParseSimOptions(Split(line));
        const auto* error = std::get_if<OptionsError>(&parsed);
        ASSERT_NE(error, nullptr) << line;
        EXPECT_NE(error->message.find(Split(line)[0]), std::string::npos) << error->message;
    }
}

}  // namespace

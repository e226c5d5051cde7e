// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>

#include "GuiTestSupport.h"
#include "app/WindowRectText.h"

namespace {

TEST(WindowRectText, ReadsFieldsAtFixedOffsetsByTheAtoiRule) {
    const struct {
        std::string text;
        ScreenRect expected;
    } cases[] = {
        {"\t 12 \n034 \v\f\r5  078", {12, 34, 5, 78}},  // white space of every kind skipped
        {"12ab 3.75 -9-1 0x11", {12, 3, -9, 0}},        // digits end at another character
        {"+-12 -+12 - 12 +034", {0, 0, 0, 34}},         // a sign without digits reads 0
        {"abcd \240123 ????  \37712", {0, 0, 0, 0}},
        {"0000 0000 0000 2147483648", {0, 0, 0, INT_MAX}},  // saturates past the range
        {"0000 0000 0000 -2147483649", {0, 0, 0, INT_MIN}},
        {"99999999999999999999", {INT_MAX, INT_MAX, INT_MAX, 99999}},
        {"0100", {100, 0, 0, 0}},  // fields past the end read 0
        {"0100 0200 03", {100, 200, 3, 0}},
        {"0100 0200 0300 4", {100, 200, 300, 4}},
        {" ", {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseWindowRect(c.text), c.expected) << c.text;
    }
    // The end of the text, not the end of the memory behind it, ends the last field.
    EXPECT_EQ(ParseWindowRect(std::string_view("0100 0200 0300 0400").substr(0, 12)),
              (ScreenRect{100, 200, 3, 0}));
    EXPECT_EQ(WindowRectFromSetting(""), (ScreenRect{0, 0, 600, 400}));
    EXPECT_EQ(WindowRectFromSetting(" "), (ScreenRect{0, 0, 0, 0}));
}

}  // namespace

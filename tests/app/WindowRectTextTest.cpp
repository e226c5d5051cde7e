#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <string_view>

#include "app/WindowRectText.h"

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

struct StoredRectCase {
    const char* name;
    WindowRect written;
    std::string text;
    WindowRect readBack;
};

void PrintTo(const StoredRectCase& c, std::ostream* os) {
    *os << c.name;
}

const StoredRectCase kStoredRects[] = {
    {"UsualRectangleComesBackExactly",
     {212, 169, 812, 569},
     "0212 0169 0812 0569",
     {212, 169, 812, 569}},
    {"SmallNegativesPadAfterTheSignAndComeBack",
     {-8, -3, 592, 397},
     "-008 -003 0592 0397",
     {-8, -3, 592, 397}},
    {"OneLongFieldShiftsTheRestOntoBlanksAndComesBack",
     {-1200, 50, 700, 450},
     "-1200 0050 0700 0450",
     {-1200, 50, 700, 450}},
    {"LongRightFieldShiftsOnlyBottomAndComesBack",
     {100, -8, 12345, 7},
     "0100 -008 12345 0007",
     {100, -8, 12345, 7}},
    {"TwoLongFieldsLoseRightAndBottom",
     {-1200, -1100, 700, 450},
     "-1200 -1100 0700 0450",
     {-1200, -1100, 0, 0}},
    {"LongLeftAndRightLoseOnlyBottom",
     {-1500, 100, -1100, 500},
     "-1500 0100 -1100 0500",
     {-1500, 100, -1100, 0}},
    {"LimitsAreWrittenInFull",
     {kIntMin, kIntMax, 0, 0},
     "-2147483648 2147483647 0000 0000",
     {kIntMin, 483648, 8, 7483647}},
};

class StoredWindowRect : public ::testing::TestWithParam<StoredRectCase> {};

TEST_P(StoredWindowRect, IsWrittenAsTextAndReadBackByOffsets) {
    const StoredRectCase& c = GetParam();
    EXPECT_EQ(FormatWindowRect(c.written), c.text);
    EXPECT_EQ(ParseWindowRect(c.text), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(WindowRectText, StoredWindowRect, ::testing::ValuesIn(kStoredRects),
                         [](const auto& info) { return std::string(info.param.name); });

struct ParseCase {
    const char* name;
    std::string text;
    WindowRect expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

const ParseCase kParses[] = {
    {"EmptyTextReadsAllZero", "", {0, 0, 0, 0}},
    {"LeadingWhiteSpaceOfEveryKindIsSkipped", "\t 12 \n034 \v\f\r5  078", {12, 34, 5, 78}},
    {"DigitsStopAtTheFirstOtherCharacter", "12ab 3.75 -9-1 0x11", {12, 3, -9, 0}},
    {"ASignWithoutDigitsReadsZero", "+-12 -+12 - 12 +034", {0, 0, 0, 34}},
    {"NonDigitsReadZero",
     "abcd \xa0"
     "123 ????  \xff"
     "12",
     {0, 0, 0, 0}},
    {"LongRunsOfLeadingZerosKeepTheirValue", "0000000000000000000012", {12, 12, 12, 12}},
    {"LargestNumberIsExact", "0000 0000 0000 2147483647", {0, 0, 0, kIntMax}},
    {"SmallestNumberIsExact", "0000 0000 0000 -2147483648", {0, 0, 0, kIntMin}},
    {"OneBeyondTheLargestSaturates", "0000 0000 0000 2147483648", {0, 0, 0, kIntMax}},
    {"OneBeyondTheSmallestSaturates", "0000 0000 0000 -2147483649", {0, 0, 0, kIntMin}},
    {"TwentyDigitsSaturate", "99999999999999999999", {kIntMax, kIntMax, kIntMax, 99999}},
    {"TwentyDigitsAfterAMinusSaturate", "-9999999999999999999", {kIntMin, kIntMax, kIntMax, 99999}},
    {"TextOfOneFieldReadsTheOthersAsZero", "0100", {100, 0, 0, 0}},
    {"TextEndingInsideAFieldReadsItsDigits", "0100 0200 03", {100, 200, 3, 0}},
    {"TextEndingWhereBottomWouldStartReadsBottomZero", "0100 0200 0300 ", {100, 200, 300, 0}},
    {"OneCharacterOfBottomIsRead", "0100 0200 0300 4", {100, 200, 300, 4}},
};

class ParsedWindowRect : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsedWindowRect, FollowsTheAtoiRuleAtFixedOffsets) {
    EXPECT_EQ(ParseWindowRect(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(WindowRectText, ParsedWindowRect, ::testing::ValuesIn(kParses),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowRectText, ParsingStopsAtTheEndOfTheTextEvenWhereMoreDigitsFollowInMemory) {
    const std::string_view stored = "0100 0200 0300 0400";
    EXPECT_EQ(ParseWindowRect(stored.substr(0, 12)), (WindowRect{100, 200, 3, 0}));
}

struct SettingCase {
    const char* name;
    std::string text;
    WindowRect expected;
};

void PrintTo(const SettingCase& c, std::ostream* os) {
    *os << c.name;
}

const SettingCase kSettings[] = {
    {"NothingStoredGivesTheFirstRunRectangle", "", {0, 0, 600, 400}},
    {"ABlankIsParsedNotDefaulted", " ", {0, 0, 0, 0}},
    {"StoredTextIsParsed", "0100 0050 0900 0650", {100, 50, 900, 650}},
};

class WindowRectSetting : public ::testing::TestWithParam<SettingCase> {};

TEST_P(WindowRectSetting, GivesTheRectangleTheWindowOpensWith) {
    EXPECT_EQ(WindowRectFromSetting(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(WindowRectText, WindowRectSetting, ::testing::ValuesIn(kSettings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

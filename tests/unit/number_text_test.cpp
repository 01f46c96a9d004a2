#include "form/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace tessaly {
namespace {

struct Case {
    const char* text;
    int64_t value;
};

TEST(NumberText, ReadsEachBaseAndStopsAtTheFirstForeignCharacter) {
    const Case cases[] = {
        {"0", 0},     {"42", 42},   {"  \t 17", 17}, {"-5", -5},    {"+8", 8},
        {"$ff", 255}, {"$FF", 255}, {"$1aB", 0x1ab}, {"%101", 5},   {"%102", 2},
        {"12px", 12}, {"3.9", 3},   {"$fg", 15},     {"-$10", -16}, {"-%11", -3},
        {"007", 7},   {"1 2", 1},   {"  -  3", 0},   {"--3", 0},    {"+-3", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(parseNumberText(c.text), c.value) << c.text;
}

TEST(NumberText, TextsWithoutDigitsGiveZero) {
    for (const char* text : {"", " ", "#PB_Ignore", "#PB_Window_SystemMenu", "$", "%", "-", "+",
                             "$g", "%2", "abc", "\n5", "x10"}) {
        EXPECT_EQ(parseNumberText(text), 0) << '"' << text << '"';
    }
}

TEST(NumberText, DecimalOverflowSaturatesWithoutUndefinedBehaviour) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    EXPECT_EQ(parseNumberText("9223372036854775807"), kMax);
    EXPECT_EQ(parseNumberText("9223372036854775808"), kMax);
    EXPECT_EQ(parseNumberText("-9223372036854775808"), kMin);
    EXPECT_EQ(parseNumberText("-9223372036854775809"), kMin);
    EXPECT_EQ(parseNumberText(std::string(500, '9')), kMax);
    EXPECT_EQ(parseNumberText("-" + std::string(500, '9')), kMin);
}

TEST(NumberText, HexAndBinaryKeepTheLow64Bits) {
    EXPECT_EQ(parseNumberText("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(parseNumberText("$8000000000000000"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(parseNumberText("$1FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(parseNumberText("-$8000000000000000"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(parseNumberText("%" + std::string(64, '1')), -1);
}

TEST(NumberText, ThirtyTwoBitValueIsTheLowHalf) {
    EXPECT_EQ(numberTextAsInt32("100"), 100);
    EXPECT_EQ(numberTextAsInt32("-100"), -100);
    EXPECT_EQ(numberTextAsInt32("$FFFFFFFF"), -1);
    EXPECT_EQ(numberTextAsInt32("4294967296"), 0);
    EXPECT_EQ(numberTextAsInt32("2147483648"), std::numeric_limits<int32_t>::min());
}

TEST(NumberText, WritesPlainSignedDecimal) {
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(-7), "-7");
    EXPECT_EQ(numberToText(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

}  // namespace
}  // namespace tessaly

#include "base/IntText.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

TEST(IntText, DecimalWithSignAndLeadingBlanks) {
    EXPECT_EQ(ParseIntText("0"), 0);
    EXPECT_EQ(ParseIntText("724"), 724);
    EXPECT_EQ(ParseIntText("+5"), 5);
    EXPECT_EQ(ParseIntText("-5"), -5);
    EXPECT_EQ(ParseIntText("   42"), 42);
    EXPECT_EQ(ParseIntText("007"), 7);
}

TEST(IntText, DecimalRangeExcludesMostNegative) {
    EXPECT_EQ(ParseIntText("2147483647"), 2147483647);
    EXPECT_EQ(ParseIntText("-2147483647"), -2147483647);
    EXPECT_EQ(ParseIntText("-2147483648"), std::nullopt);
    EXPECT_EQ(ParseIntText("2147483648"), std::nullopt);
    EXPECT_EQ(ParseIntText("99999999999999999999999"), std::nullopt);
}

TEST(IntText, HexGivesTheBitPattern) {
    EXPECT_EQ(ParseIntText("$1F"), 31);
    EXPECT_EQ(ParseIntText("$ff"), 255);
    EXPECT_EQ(ParseIntText("$Ff"), 255);
    EXPECT_EQ(ParseIntText("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseIntText("$80000000"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ParseIntText("  $10"), 16);
    EXPECT_EQ(ParseIntText("$00000000FF"), 255); // leading zeros do not count against 32 bits
    EXPECT_EQ(ParseIntText("$100000000"), std::nullopt);
}

TEST(IntText, RejectsEverythingElse) {
    for (const char* text : {"", "   ", "+", "-", "$", "0x1F", "0X1F", "12 ", "1a", "$-1", "-$1", "+$1",
                             "$ 1", "\t5", "1e3", "1.0", "--1", "$G", "５"})
        EXPECT_EQ(ParseIntText(text), std::nullopt) << "'" << text << "'";
    EXPECT_EQ(ParseIntText(std::string_view("1\0", 2)), std::nullopt);
}

TEST(IntText, ToTextIsDecimalAndParsesBack) {
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-1), "-1");
    EXPECT_EQ(IntToText(2147483647), "2147483647");
    EXPECT_EQ(IntToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        const auto value = static_cast<std::int32_t>(random());
        if (value == std::numeric_limits<std::int32_t>::min())
            continue;
        ASSERT_EQ(ParseIntText(IntToText(value)), value);
    }
}

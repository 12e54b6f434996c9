#include "clock/ColourText.h"

#include "base/AppError.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

std::string ConversionError(std::string_view text) {
    try {
        TextToColor(text);
    } catch (const AppError& error) {
        return error.what();
    }
    return "(no error)";
}

} // namespace

TEST(ColourText, NamesIgnoreAsciiCase) {
    EXPECT_EQ(TextToColor("clRed"), 0x000000FFu);
    EXPECT_EQ(TextToColor("clred"), 0x000000FFu);
    EXPECT_EQ(TextToColor("CLRED"), 0x000000FFu);
    EXPECT_EQ(TextToColor("clblack"), 0x00000000u);
    EXPECT_EQ(TextToColor("cl3ddkshadow"), 0x80000015u);
    EXPECT_EQ(TextToColor("clNone"), 0x1FFFFFFFu);
    EXPECT_EQ(TextToColor("CLINFOBK"), 0x80000018u);
}

TEST(ColourText, IntegersWhenNoNameMatches) {
    EXPECT_EQ(TextToColor("255"), 0x000000FFu);
    EXPECT_EQ(TextToColor("$000000FF"), 0x000000FFu);
    EXPECT_EQ(TextToColor("$80000005"), 0x80000005u);
    EXPECT_EQ(TextToColor("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(TextToColor("$00c08040"), 0x00C08040u);
    EXPECT_EQ(TextToColor("  255"), 0x000000FFu);
}

TEST(ColourText, SavedAsTableNameOrEightCapitalHexDigits) {
    EXPECT_EQ(ColorToText(0x000000FF), "clRed");
    EXPECT_EQ(ColorToText(0x80000005), "clWindow");
    EXPECT_EQ(ColorToText(0x8000000F), "clBtnFace");
    EXPECT_EQ(ColorToText(0x80000013), "clInactiveCaptionText");
    EXPECT_EQ(ColorToText(0x1FFFFFFF), "clNone");
    EXPECT_EQ(ColorToText(0xFFFFFFFF), "$FFFFFFFF");
    EXPECT_EQ(ColorToText(0x00C08040), "$00C08040");
    EXPECT_EQ(ColorToText(0x80000019), "$80000019");
    EXPECT_EQ(ColorToText(0x0000001F), "$0000001F");
    EXPECT_EQ(ColorToText(TextToColor("-1")), "$FFFFFFFF");
    EXPECT_EQ(ColorToText(TextToColor("$80000005")), "clWindow");
}

TEST(ColourText, TableHas42DistinctNamedValues) {
    // Every value 0..0xFFFFFF that is a pure channel mix of 0, 0x80, 0xC0, 0xFF, every system
    // colour index and clNone: exactly 42 of them come out as names, and names read back.
    std::set<TColor> named;
    std::vector<TColor> candidates{0x1FFFFFFF};
    for (TColor i = 0; i < 0x40; ++i)
        candidates.push_back(0x80000000u + i);
    for (TColor r : {0x00u, 0x80u, 0xC0u, 0xFFu})
        for (TColor g : {0x00u, 0x80u, 0xC0u, 0xFFu})
            for (TColor b : {0x00u, 0x80u, 0xC0u, 0xFFu})
                candidates.push_back(r | g << 8 | b << 16);
    for (TColor c : candidates) {
        const std::string text = ColorToText(c);
        if (text[0] == '$')
            continue;
        EXPECT_EQ(text.rfind("cl", 0), 0u) << text;
        EXPECT_EQ(TextToColor(text), c) << text;
        named.insert(c);
    }
    EXPECT_EQ(named.size(), 42u);
}

TEST(ColourText, FailuresCarryTheTextAsRead) {
    EXPECT_EQ(ConversionError("0xFF"), "'0xFF' は整数ではありません");
    EXPECT_EQ(ConversionError("red"), "'red' は整数ではありません");
    EXPECT_EQ(ConversionError(""), "'' は整数ではありません");
    EXPECT_EQ(ConversionError("clRed "), "'clRed ' は整数ではありません");
    EXPECT_EQ(ConversionError("ｃｌＲｅｄ"), "'ｃｌＲｅｄ' は整数ではありません");
    EXPECT_EQ(ConversionError("clＲed"), "'clＲed' は整数ではありません");
    EXPECT_EQ(ConversionError("-2147483648"), "'-2147483648' は整数ではありません");
    EXPECT_EQ(ConversionError("%s%n"), "'%s%n' は整数ではありません");
}

TEST(ColourText, RandomTextsEitherConvertOrRaiseTheError) {
    static const char* const pieces[] = {"cl", "Red", "RED", "$", "-", "+",  "0",
                                         "9",  "F",   "f",   "x", " ", "日", "\x81"};
    std::mt19937 random(42);
    for (int round = 0; round < 10000; ++round) {
        const auto value = static_cast<TColor>(random());
        ASSERT_EQ(TextToColor(ColorToText(value)), value);

        std::string text;
        for (std::size_t i = 0, n = random() % 6; i < n; ++i)
            text += pieces[random() % std::size(pieces)];
        try {
            const TColor c = TextToColor(text);
            ASSERT_EQ(TextToColor(ColorToText(c)), c) << text;
        } catch (const AppError& error) {
            ASSERT_EQ(error.what(), "'" + text + "' は整数ではありません");
        }
    }
}

#include "base/Sjis.h"

#include <gtest/gtest.h>

TEST(Sjis, LeadByteRanges) {
    for (int b : {0x81, 0x9F, 0xE0, 0xFC})
        EXPECT_TRUE(IsSjisLeadByte(static_cast<unsigned char>(b))) << b;
    for (int b : {0x00, 0x40, 0x5C, 0x7F, 0x80, 0xA0, 0xB1, 0xDF, 0xFD, 0xFF})
        EXPECT_FALSE(IsSjisLeadByte(static_cast<unsigned char>(b))) << b;
    // Literals are Shift-JIS in both builds.
    EXPECT_EQ(std::string("表"), "\x95\x5C");
}

TEST(Sjis, SettingsPathReplacesTheExtension) {
    EXPECT_EQ(SettingsPathFor("C:\\Program Files\\Morovin\\Morovin.exe"),
              "C:\\Program Files\\Morovin\\Morovin.ini");
    EXPECT_EQ(SettingsPathFor("C:\\a.b\\clock.v2.exe"), "C:\\a.b\\clock.v2.ini");
    EXPECT_EQ(SettingsPathFor("C:\\a.b\\clock"), "C:\\a.b\\clock.ini");
    EXPECT_EQ(SettingsPathFor("C:clock"), "C:clock.ini");
    EXPECT_EQ(SettingsPathFor("D:.exe"), "D:.ini");
    EXPECT_EQ(SettingsPathFor("clock."), "clock.ini");
    EXPECT_EQ(SettingsPathFor(""), ".ini");
}

TEST(Sjis, SettingsPathIgnoresBackslashSecondBytes) {
    // "表" ends in 0x5C; read byte by byte it would hide the extension behind a false "\".
    EXPECT_EQ(SettingsPathFor("C:\\時計.表"), "C:\\時計.ini");
    EXPECT_EQ(SettingsPathFor("C:\\表\\Morovin.exe"), "C:\\表\\Morovin.ini");
    EXPECT_EQ(SettingsPathFor("C:\\x.y\\ソフト"), "C:\\x.y\\ソフト.ini");
    // A lead byte at the very end is a character of its own.
    EXPECT_EQ(SettingsPathFor("C:\\a.b\x81"), "C:\\a.ini");
}

TEST(Sjis, TruncateCutsOnlyBetweenCharacters) {
    const std::string text = "ab日本"; // 2 + 2 + 2 bytes
    EXPECT_EQ(TruncateSjis(text, 0), "");
    EXPECT_EQ(TruncateSjis(text, 3), "ab");
    EXPECT_EQ(TruncateSjis(text, 4), "ab日");
    EXPECT_EQ(TruncateSjis(text, 5), "ab日");
    EXPECT_EQ(TruncateSjis(text, 6), text);
    EXPECT_EQ(TruncateSjis(text, 100), text);
    EXPECT_EQ(TruncateSjis("a\x81", 2), "a\x81"); // a dangling lead byte is one byte long
    EXPECT_EQ(TruncateSjis("ｱｲｳ", 2), "ｱｲ");      // half-width kana are single bytes
}

TEST(Sjis, EqualIgnoreCaseFoldsOnlyAsciiLetters) {
    EXPECT_TRUE(SjisEqualIgnoreCase("clRed", "CLRED"));
    EXPECT_TRUE(SjisEqualIgnoreCase("Form", "form"));
    EXPECT_FALSE(SjisEqualIgnoreCase("Form", "Forms"));
    EXPECT_FALSE(SjisEqualIgnoreCase("Form", "Fore"));
    // 0x83 0x41 and 0x83 0x61 are different characters, not "A" and "a".
    EXPECT_FALSE(SjisEqualIgnoreCase("\x83\x41", "\x83\x61"));
    EXPECT_TRUE(SjisEqualIgnoreCase("日本x", "日本X"));
    EXPECT_FALSE(SjisEqualIgnoreCase("ｃｌＲｅｄ", "clRed"));
}

TEST(SiblingPath, ReplacesTheFileNameAndKeepsAFolderEndingInATrailByte) {
    EXPECT_EQ(SiblingPath("C:\\clock\\Morovin.exe", "MOROVIN.hlp"), "C:\\clock\\MOROVIN.hlp");
    EXPECT_EQ(SiblingPath("C:\\表\\Morovin.exe", "MOROVIN.hlp"), "C:\\表\\MOROVIN.hlp");
    EXPECT_EQ(SiblingPath("C:\\表", "x"), "C:\\x") << "the trail byte of 表 is 0x5C";
    EXPECT_EQ(SiblingPath("Morovin.exe", "x"), "x");
    EXPECT_EQ(SiblingPath("C:Morovin.exe", "x"), "C:x");
}

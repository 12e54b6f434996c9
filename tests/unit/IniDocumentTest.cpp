#include "base/IniDocument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

using namespace std::string_literals;

std::optional<std::string> GetFrom(std::string_view file, const char* section, const char* key) {
    return IniDocument::Parse(file).Get(section, key);
}

// What Serialize must give for an untouched file: a leading UTF-8 BOM kept, every line (ended by
// CR LF, LF or CR) ended with CR LF.
std::string CrLfLines(std::string_view bytes) {
    std::string out;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        out = "\xEF\xBB\xBF";
        bytes.remove_prefix(3);
    }
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.find('\r'));
        out.append(bytes.substr(0, end)).append("\r\n");
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(bytes.substr(end, 2) == "\r\n" ? end + 2 : end + 1);
    }
    return out;
}

} // namespace

TEST(IniDocument, NamesIgnoreCaseAndValuesLoseSurroundingBlanks) {
    const std::string file = "[Form]\r\nLeft = 724 \r\n  TOP=\t103\r\n[prop]\r\nMove=a=b\r\nEmpty=\r\n";
    EXPECT_EQ(GetFrom(file, "FORM", "left"), "724");
    EXPECT_EQ(GetFrom(file, "Form", "Top"), "103");
    EXPECT_EQ(GetFrom(file, "Prop", "Move"), "a=b");
    EXPECT_EQ(GetFrom(file, "Prop", "Empty"), "");
    EXPECT_EQ(GetFrom(file, "Prop", "Left"), std::nullopt); // keys belong to their section
    EXPECT_EQ(GetFrom(file, "Font", "Left"), std::nullopt);
    EXPECT_EQ(GetFrom("", "Form", "Left"), std::nullopt);
}

TEST(IniDocument, LinesThatAreNotKeys) {
    const std::string file = "Left=1\r\n[Form]\r\n;Top=2\r\nTop\r\n=3\r\n[Prop\r\nMove=0\r\n";
    EXPECT_EQ(GetFrom(file, "Form", "Left"), std::nullopt); // before any section
    EXPECT_EQ(GetFrom(file, "Form", "Top"), std::nullopt);  // a comment, then a bare name
    // A header without "]" opens nothing: the key still belongs to [Form].
    EXPECT_EQ(GetFrom(file, "Form", "Move"), "0");
    EXPECT_EQ(GetFrom(file, "Prop", "Move"), std::nullopt);
    EXPECT_EQ(IniDocument::Parse(file).Serialize(), file);
}

// A bare name is a key without a value: it reads as missing and hides a later line of the same
// key, and setting the key fills it in, so the platform reads the file we write as we do.
TEST(IniDocument, BareNameIsAKeyWithoutAValue) {
    IniDocument doc = IniDocument::Parse("[Form]\r\nLeft\r\nLeft=3\r\n Top ; x \r\nWidth=1\r\n");
    EXPECT_EQ(doc.Get("Form", "Left"), std::nullopt);
    EXPECT_EQ(doc.Get("Form", "Top ; x"), std::nullopt);
    doc.Set("Form", "Left", "5");
    doc.Set("Form", "Height", "7");
    EXPECT_EQ(doc.Serialize(), "[Form]\r\nLeft=5\r\nLeft=3\r\n Top ; x \r\nWidth=1\r\nHeight=7\r\n");
    EXPECT_EQ(doc.Get("Form", "Left"), "5");
    doc.Set("Form", "Top ; x", "");
    EXPECT_EQ(doc.Get("Form", "Top ; x"), "");
}

TEST(IniDocument, EndOfFileMarkIsABlank) {
    const std::string file = "[Timer]\r\nSound = a.wav\x1A\r\n\x1A";
    EXPECT_EQ(GetFrom(file, "Timer", "Sound"), "a.wav");
    EXPECT_EQ(IniDocument::Parse(file).Serialize(), "[Timer]\r\nSound = a.wav\x1A\r\n\x1A\r\n");
}

TEST(IniDocument, HeaderNameIsTrimmedAndShiftJisAware) {
    EXPECT_EQ(GetFrom("  [ Form ] ; note\r\nLeft=5\r\n", "Form", "Left"), "5");
    // 0x81 0x5D is one character whose second byte looks like "]".
    EXPECT_EQ(GetFrom("[\x81]x]\r\nk=v\r\n", "\x81]x", "k"), "v");
    EXPECT_EQ(GetFrom("[日本]\r\nキー=値\r\n", "日本", "キー"), "値");
}

TEST(IniDocument, QuotesAreDataAndNulEndsAValue) {
    EXPECT_EQ(GetFrom("[T]\r\nDialogText=\"wake up\"\r\n", "T", "DialogText"), "\"wake up\"");
    EXPECT_EQ(GetFrom("[T]\r\nk=ab\0cd\r\n"s, "T", "k"), "ab");
    EXPECT_EQ(GetFrom("[T]\r\nk=%s%n%x\r\n", "T", "k"), "%s%n%x");
}

TEST(IniDocument, LongValuesStopAt1023BytesOnACharacterBoundary) {
    EXPECT_EQ(GetFrom("[T]\r\nk=" + std::string(4000, 'x') + "\r\n", "T", "k"), std::string(1023, 'x'));
    const std::string straddling = std::string(1022, 'x') + "日";
    EXPECT_EQ(GetFrom("[T]\r\nk=" + straddling + "\r\n", "T", "k"), std::string(1022, 'x'));
    const std::string fits = std::string(1021, 'x') + "日";
    EXPECT_EQ(GetFrom("[T]\r\nk=" + fits + "\r\n", "T", "k"), fits);
    // Blanks the cut brings to the end go, so the value reads back the same once written.
    const std::string blankAtCut = std::string(1020, 'x') + " \t y";
    EXPECT_EQ(GetFrom("[T]\r\nk=" + blankAtCut + "\r\n", "T", "k"), std::string(1020, 'x'));
}

TEST(IniDocument, ByteOrderMarkIsSkippedAndKept) {
    const std::string file = "\xEF\xBB\xBF[Form]\r\nLeft=5\r\n";
    EXPECT_EQ(GetFrom(file, "Form", "Left"), "5");
    IniDocument doc = IniDocument::Parse(file);
    doc.Set("Form", "Top", "7");
    EXPECT_EQ(doc.Serialize(), "\xEF\xBB\xBF[Form]\r\nLeft=5\r\nTop=7\r\n");
}

TEST(IniDocument, LineEndsBecomeCrLf) {
    const std::string file = "[A]\nk=1\r\nj=2\rx=3\n\r\n\rlast";
    const IniDocument doc = IniDocument::Parse(file);
    EXPECT_EQ(doc.Serialize(), "[A]\r\nk=1\r\nj=2\r\nx=3\r\n\r\n\r\nlast\r\n");
    EXPECT_EQ(doc.Get("A", "j"), "2"); // a lone CR ends a line too
    EXPECT_EQ(doc.Get("A", "x"), "3");
    EXPECT_EQ(IniDocument::Parse(doc.Serialize()).Serialize(), doc.Serialize());
}

TEST(IniDocument, OnlyTheFirstSectionOfANameCounts) {
    IniDocument doc = IniDocument::Parse("k=0\r\n[A]\r\nx=1\r\n[B]\r\n[a]\r\nk=2\r\n");
    EXPECT_EQ(doc.Get("A", "k"), std::nullopt);
    EXPECT_EQ(doc.Get("", "k"), "0"); // before the first header
    doc.Set("A", "k", "3");
    EXPECT_EQ(doc.Serialize(), "k=0\r\n[A]\r\nx=1\r\nk=3\r\n[B]\r\n[a]\r\nk=2\r\n");
}

TEST(IniDocument, SetReplacesWhereTheKeyStands) {
    IniDocument doc = IniDocument::Parse("; mine\r\n[Form]\r\nLEFT = 1\r\nTop=2\r\n\r\n[Prop]\r\nx=y\r\n");
    doc.Set("form", "Left", "724");
    doc.Set("Form", "Top", "2"); // already in force: untouched
    EXPECT_EQ(doc.Serialize(), "; mine\r\n[Form]\r\nLEFT=724\r\nTop=2\r\n\r\n[Prop]\r\nx=y\r\n");
    EXPECT_EQ(doc.Get("Form", "Left"), "724");
}

TEST(IniDocument, UnchangedValueKeepsTheLineAsWritten) {
    IniDocument doc = IniDocument::Parse("[Form]\r\nLeft = 5 \r\n");
    doc.Set("Form", "Left", "5");
    EXPECT_EQ(doc.Serialize(), "[Form]\r\nLeft = 5 \r\n");
}

TEST(IniDocument, NewKeyGoesAfterTheLastKeyOfItsSection) {
    IniDocument doc = IniDocument::Parse("[Form]\r\nLeft=1\r\n; note\r\n\r\n[Prop]\r\n");
    doc.Set("Form", "Top", "2");
    doc.Set("Prop", "Move", "1");
    EXPECT_EQ(doc.Serialize(), "[Form]\r\nLeft=1\r\nTop=2\r\n; note\r\n\r\n[Prop]\r\nMove=1\r\n");
}

TEST(IniDocument, NewSectionGoesAtTheEnd) {
    IniDocument doc = IniDocument::Parse("[Form]\r\nLeft=1"); // no final line end
    doc.Set("Timer", "Sound", "");
    doc.Set("Timer", "Time", "7");
    EXPECT_EQ(doc.Serialize(), "[Form]\r\nLeft=1\r\n[Timer]\r\nSound=\r\nTime=7\r\n");
}

TEST(IniDocument, SetCannotMakeExtraLines) {
    IniDocument doc;
    doc.Set("A", "k", "x\r\n[B]\r\ny=1");
    doc.Set("A", "j", "p\0q"s);
    EXPECT_EQ(doc.Serialize(), "[A]\r\nk=x\r\nj=p\r\n");
    EXPECT_EQ(doc.Get("B", "y"), std::nullopt);
}

TEST(IniDocument, HostileBytesAreSafe) {
    std::mt19937 random(1);
    std::string bytes(10 * 1024 * 1024, '\0');
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        const std::uint32_t r = random();
        std::memcpy(&bytes[i], &r, 4);
    }
    bytes.insert(4096, "\n[Form]\nLeft=" + std::string(4000, '9') + "\n[Prop\nk=%s%n\n");
    IniDocument doc = IniDocument::Parse(bytes);
    EXPECT_EQ(doc.Serialize(), CrLfLines(bytes));
    EXPECT_EQ(doc.Get("Form", "Left"), std::string(1023, '9'));
    doc.Set("Form", "Left", "5");
    doc.Set("New", "Key", "1");
    const IniDocument again = IniDocument::Parse(doc.Serialize());
    EXPECT_EQ(again.Get("Form", "Left"), "5");
    EXPECT_EQ(again.Get("New", "Key"), "1");

    // A million empty lines are one run, not one entry each.
    const std::string blank(1024 * 1024, '\n');
    EXPECT_EQ(IniDocument::Parse(blank).Serialize().size(), 2 * blank.size());
}

// Random documents from the pieces that matter (brackets, "=", blanks, line ends, NUL, BOM,
// Shift-JIS bytes that look like "]" or "\"), checking the invariants rather than outputs.
TEST(IniDocument, RandomDocumentsKeepTheirInvariants) {
    static const char* const pieces[] = {"[",      "]",      "=",    ";",           " ",    "\t",   "\r",
                                         "\n",     "\r\n",   "A",    "a",           "Form", "LEFT", "key",
                                         "日",     "\x81",   "\x5D", "\x5C",        "%s",   "$1",   "\"",
                                         "[Form]", "[Prop]", "k=",   "\xEF\xBB\xBF"};
    // Distinct even ignoring case, so setting one never touches another.
    static const char* const names[] = {"Form", "Prop", "key", "k", "Left", "日本", "Ab"};
    std::mt19937 random(20240601);
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };

    for (int round = 0; round < 20000; ++round) {
        std::string bytes;
        for (std::size_t i = 0, n = pick(24); i < n; ++i)
            bytes +=
                pick(8) == 0 ? std::string(1, static_cast<char>(random())) : pieces[pick(std::size(pieces))];
        IniDocument doc = IniDocument::Parse(bytes);
        const std::string text = doc.Serialize();
        ASSERT_EQ(text, CrLfLines(bytes)) << round;
        ASSERT_EQ(IniDocument::Parse(text).Serialize(), text) << round;

        const char* section = names[pick(std::size(names))];
        const char* key = names[pick(std::size(names))];
        const char* otherSection = names[pick(std::size(names))];
        const char* otherKey = names[pick(std::size(names))];
        const auto otherBefore = doc.Get(otherSection, otherKey);

        std::string value;
        for (std::size_t i = 0, n = pick(6); i < n; ++i)
            value += pieces[pick(9)];
        doc.Set(section, key, value);
        std::string_view expected = std::string_view(value).substr(0, value.find_first_of("\r\n"));
        while (!expected.empty() && (expected.front() == ' ' || expected.front() == '\t'))
            expected.remove_prefix(1);
        while (!expected.empty() && (expected.back() == ' ' || expected.back() == '\t'))
            expected.remove_suffix(1);
        ASSERT_EQ(doc.Get(section, key), std::string(expected)) << round;
        ASSERT_EQ(IniDocument::Parse(doc.Serialize()).Get(section, key), std::string(expected)) << round;
        if (std::string_view(section) != otherSection || std::string_view(key) != otherKey) {
            ASSERT_EQ(doc.Get(otherSection, otherKey), otherBefore) << round;
        }
    }
}

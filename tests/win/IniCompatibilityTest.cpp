// Our INI document against the platform's own profile functions on the same files: reading every
// key the clock reads, and writing the same changes. Where the two knowingly differ (see
// IniDocument.h) both sides are pinned, so a change on either side shows up here.
#include "base/IniDocument.h"
#include "clock/SettingsFile_win.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using testsupport::FileBytes;
using testsupport::PutFile;
using testsupport::ScratchFolder;

struct KeyRef {
    const char* section;
    const char* key;
};

// Every key LoadSettings reads (including the "30"/"60" it also accepts).
constexpr KeyRef kProgramKeys[] = {
    {"Form", "Left"},         {"Form", "Top"},      {"Form", "Width"},        {"Form", "Height"},
    {"Prop", "Page"},         {"Prop", "Move"},     {"Prop", "Year"},         {"Prop", "Front"},
    {"Prop", "Shadow"},       {"Prop", "English"},  {"Prop", "Back"},         {"Prop", "Jihou"},
    {"Prop", "Time30"},       {"Prop", "Time60"},   {"Prop", "30"},           {"Prop", "60"},
    {"Prop", "Second"},       {"Prop", "24ON"},     {"Font", "Name"},         {"Font", "DColor"},
    {"Font", "WColor"},       {"Font", "TColor"},   {"Font", "ShadowDColor"}, {"Font", "ShadowWColor"},
    {"Font", "ShadowTColor"}, {"Font", "XInt"},     {"Font", "YInt"},         {"Font", "Size"},
    {"Font", "Style"},        {"Font", "Pitch"},    {"Timer", "ON/OFF"},      {"Timer", "Sound"},
    {"Timer", "Time"},        {"Timer", "Minutes"}, {"Timer", "Dialog"},      {"Timer", "DialogText"},
};

// A folder of our own under the temporary folder. Every file gets a name never used before:
// the platform keeps recently used INI files cached by name.
class IniFolder {
public:
    std::string NewFile(const std::string& bytes) {
        const std::string file = folder_ / ("case" + std::to_string(files_++) + ".ini");
        PutFile(file, bytes);
        return file;
    }

private:
    ScratchFolder folder_{"morovin-ini-"};
    int files_ = 0;
};

// The value as the clock would get it from the platform (a 1024-byte buffer, read as a C string),
// or nothing when the platform hands back the default. Two different defaults tell a missing key
// from a value that happens to equal one of them.
std::optional<std::string> PlatformGet(const std::string& file, const char* section, const char* key) {
    const auto read = [&](const char* fallback) {
        char buffer[1024] = {};
        ::GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, file.c_str());
        return std::string(buffer, ::strnlen(buffer, sizeof buffer));
    };
    const std::string first = read("\x01missing");
    if (first == "\x01missing" && read("\x02missing") == "\x02missing")
        return std::nullopt;
    return first;
}

std::string Show(const std::optional<std::string>& value) {
    return value ? "\"" + *value + "\"" : "<missing>";
}

struct Expected {
    KeyRef at;
    std::optional<std::string> value;
};

// Both readers agree on every key the clock reads, and on the values the case pins down.
void ExpectSameReading(IniFolder& folder, const std::string& name, const std::string& bytes,
                       const std::vector<Expected>& expected) {
    SCOPED_TRACE(name);
    const std::string file = folder.NewFile(bytes);
    const IniDocument doc = IniDocument::Parse(bytes);
    for (const KeyRef& k : kProgramKeys)
        EXPECT_EQ(Show(doc.Get(k.section, k.key)), Show(PlatformGet(file, k.section, k.key)))
            << k.section << "/" << k.key;
    for (const Expected& e : expected) {
        EXPECT_EQ(Show(doc.Get(e.at.section, e.at.key)), Show(e.value)) << e.at.section << "/" << e.at.key;
        EXPECT_EQ(Show(PlatformGet(file, e.at.section, e.at.key)), Show(e.value))
            << e.at.section << "/" << e.at.key;
    }
}

const std::string kSavedFile = "[Form]\r\nLeft=198\r\nTop=103\r\nWidth=316\r\nHeight=27\r\n"
                               "[Prop]\r\nPage=1\r\nMove=1\r\nYear=1\r\nFront=0\r\nSecond=1\r\n24ON=1\r\n"
                               "English=0\r\nBack=1\r\nJihou=1\r\n30=1\r\n60=0\r\nShadow=1\r\n"
                               "[Font]\r\nName=ＭＳ Ｐゴシック\r\nDColor=clRed\r\nWColor=$00FF8000\r\n"
                               "TColor=clWhite\r\nShadowDColor=clBlack\r\nShadowWColor=clBlack\r\n"
                               "ShadowTColor=clBtnShadow\r\nXInt=3\r\nYInt=-2\r\nSize=20\r\nStyle=3\r\n"
                               "Pitch=0\r\n[Timer]\r\nON/OFF=1\r\nSound=C:\\表\\ソフト\\能.wav\r\nTime=7\r\n"
                               "Minutes=30\r\nDialog=0\r\nDialogText=起きる時間です\r\n";

TEST(IniCompatibility, PlatformCodePageIsShiftJis) {
    ASSERT_EQ(::GetACP(), 932u) << "the comparisons below need the Japanese code page";
}

TEST(IniCompatibility, FileAsTheClockSavesIt) {
    IniFolder folder;
    ExpectSameReading(folder, "saved", kSavedFile,
                      {{{"Form", "Left"}, "198"},
                       {{"Prop", "Time30"}, std::nullopt},
                       {{"Font", "Name"}, "ＭＳ Ｐゴシック"},
                       {{"Timer", "Sound"}, "C:\\表\\ソフト\\能.wav"},
                       {{"Timer", "DialogText"}, "起きる時間です"}});
}

TEST(IniCompatibility, NamesBlanksDuplicatesAndStrayLines) {
    IniFolder folder;
    ExpectSameReading(folder, "case differs",
                      "[FORM]\r\nleft=5\r\nTOP=6\r\n[prop]\r\nmOvE=0\r\n24on=1\r\n[FONT]\r\nname=Arial\r\n"
                      "[timer]\r\non/off=0\r\n",
                      {{{"Form", "Left"}, "5"},
                       {{"Form", "Top"}, "6"},
                       {{"Prop", "Move"}, "0"},
                       {{"Prop", "24ON"}, "1"},
                       {{"Font", "Name"}, "Arial"},
                       {{"Timer", "ON/OFF"}, "0"}});
    ExpectSameReading(folder, "blanks",
                      "   [ Form ]   \r\n  Left   =   724  \r\n\tTop\t=\t103\t\r\nWidth=\t \r\n"
                      "[\tFont]\r\nName =  ＭＳ ゴシック  \r\n \t \r\n[Timer]\r\n Sound = a b.wav \x1A\r\n"
                      "DialogText=　起きて　\r\n\x1A",
                      {{{"Form", "Left"}, "724"},
                       {{"Form", "Top"}, "103"},
                       {{"Form", "Width"}, ""},
                       {{"Font", "Name"}, "ＭＳ ゴシック"},
                       {{"Timer", "Sound"}, "a b.wav"},
                       {{"Timer", "DialogText"}, "　起きて　"}}); // a full-width space is text
    ExpectSameReading(folder, "duplicates",
                      "[Form]\r\nLeft=1\r\nLEFT=2\r\n[Prop]\r\nMove=0\r\n[form]\r\nLeft=3\r\nTop=4\r\n"
                      "[Prop]\r\nYear=0\r\n",
                      {{{"Form", "Left"}, "1"},
                       {{"Form", "Top"}, std::nullopt},
                       {{"Prop", "Move"}, "0"},
                       {{"Prop", "Year"}, std::nullopt}});
    ExpectSameReading(
        folder, "keys before any section", "Left=9\r\nName=x\r\n[Form]\r\nTop=8\r\n",
        {{{"Form", "Left"}, std::nullopt}, {{"Form", "Top"}, "8"}, {{"Font", "Name"}, std::nullopt}});
    ExpectSameReading(folder, "lines without =",
                      "[Form]\r\nLeft\r\nTop=5\r\nWidth\r\nWidth=7\r\nHeight = \r\n[Timer]\r\nSound\r\n",
                      {{{"Form", "Left"}, std::nullopt},
                       {{"Form", "Top"}, "5"},
                       {{"Form", "Width"}, std::nullopt}, // the bare name comes first and counts
                       {{"Form", "Height"}, ""},
                       {{"Timer", "Sound"}, std::nullopt}});
    ExpectSameReading(folder, "header without ]", "[Form]\r\nLeft=1\r\n[Prop\r\nTop=2\r\nMove=0\r\n",
                      {{{"Form", "Top"}, "2"}, {{"Form", "Move"}, "0"}, {{"Prop", "Move"}, std::nullopt}});
    ExpectSameReading(
        folder, "semicolons",
        "; made by hand\r\n[Form]\r\n;Left=5\r\nLeft=6 ; not a comment\r\n[Timer]\r\n"
        "Sound=a;b.wav\r\nTime=;\r\n",
        {{{"Form", "Left"}, "6 ; not a comment"}, {{"Timer", "Sound"}, "a;b.wav"}, {{"Timer", "Time"}, ";"}});
}

TEST(IniCompatibility, ValuesShiftJisLongEmptyAndLineEnds) {
    IniFolder folder;
    // "表", "ソ" and "能" end in 0x5C: a second byte must never end a name or a value.
    ExpectSameReading(folder, "Shift-JIS",
                      "[Timer]\r\nSound=C:\\予定表\\ソ.wav\r\nDialogText=表\r\nTime=１２\r\nMinutes=表=能\r\n"
                      "[Font]\r\nName=ＭＳ 明朝\r\nDColor=C:\\\r\n",
                      {{{"Timer", "Sound"}, "C:\\予定表\\ソ.wav"},
                       {{"Timer", "DialogText"}, "表"},
                       {{"Timer", "Time"}, "１２"},
                       {{"Timer", "Minutes"}, "表=能"},
                       {{"Font", "Name"}, "ＭＳ 明朝"},
                       {{"Font", "DColor"}, "C:\\"}});

    const std::string ascii1023(1023, 'x');
    const std::string ascii2000(2000, 'y');
    const std::string sjis1023 = "x" + [] {
        std::string s;
        for (int i = 0; i < 511; ++i)
            s += "表";
        return s;
    }();
    const std::string mixed1023 = std::string(1021, 'z') + "表";
    ExpectSameReading(folder, "long values",
                      "[Timer]\r\nSound=" + ascii1023 + "\r\nDialogText=" + ascii2000 +
                          "\r\n[Font]\r\nName=" + sjis1023 + "\r\nDColor=" + mixed1023 + "\r\n",
                      {{{"Timer", "Sound"}, ascii1023},
                       {{"Timer", "DialogText"}, ascii2000.substr(0, 1023)},
                       {{"Font", "Name"}, sjis1023},
                       {{"Font", "DColor"}, mixed1023}});

    ExpectSameReading(folder, "empty values",
                      "[Font]\r\nName=\r\nDColor=\r\n[Timer]\r\nSound=\r\nTime=   \r\nDialogText=\t\r\n",
                      {{{"Font", "Name"}, ""},
                       {{"Font", "DColor"}, ""},
                       {{"Timer", "Sound"}, ""},
                       {{"Timer", "Time"}, ""},
                       {{"Timer", "DialogText"}, ""}});
    ExpectSameReading(
        folder, "CR LF and LF mixed",
        "[Form]\nLeft=1\r\nTop=2\n\n[Prop]\r\nMove=0\nYear=1\r\n\r\n[Timer]\rTime=7\r\r\nSound=a.wav",
        {{{"Form", "Left"}, "1"},
         {{"Form", "Top"}, "2"},
         {{"Prop", "Move"}, "0"},
         {{"Prop", "Year"}, "1"},
         {{"Timer", "Time"}, "7"}, // a lone CR ends a line too
         {{"Timer", "Sound"}, "a.wav"}});
    ExpectSameReading(folder, "NUL in a value", "[Timer]\r\nDialogText=ab\0cd\r\nSound=x\r\n"s,
                      {{{"Timer", "DialogText"}, "ab"}, {{"Timer", "Sound"}, "x"}});
}

// The documented differences, each pinned on both sides.
TEST(IniCompatibility, QuotesAreKeptWhereThePlatformStripsThem) {
    IniFolder folder;
    const std::string bytes =
        "[Timer]\r\nDialogText=\"wake up\"\r\nSound='C:\\a.wav'\r\nTime=\"7\r\nMinutes=\"\"\r\n";
    const std::string file = folder.NewFile(bytes);
    const IniDocument doc = IniDocument::Parse(bytes);
    EXPECT_EQ(doc.Get("Timer", "DialogText"), "\"wake up\"");
    EXPECT_EQ(PlatformGet(file, "Timer", "DialogText"), "wake up");
    EXPECT_EQ(doc.Get("Timer", "Sound"), "'C:\\a.wav'");
    EXPECT_EQ(PlatformGet(file, "Timer", "Sound"), "C:\\a.wav");
    EXPECT_EQ(doc.Get("Timer", "Minutes"), "\"\"");
    EXPECT_EQ(PlatformGet(file, "Timer", "Minutes"), "");
    // An unmatched quote is data on both sides.
    EXPECT_EQ(doc.Get("Timer", "Time"), "\"7");
    EXPECT_EQ(PlatformGet(file, "Timer", "Time"), "\"7");
}

TEST(IniCompatibility, LongDoubleByteValueIsCutBetweenCharacters) {
    IniFolder folder;
    std::string value;
    for (int i = 0; i < 1000; ++i)
        value += "表";
    const std::string bytes = "[Timer]\r\nDialogText=" + value + "\r\n";
    const std::string file = folder.NewFile(bytes);
    EXPECT_EQ(IniDocument::Parse(bytes).Get("Timer", "DialogText"), value.substr(0, 1022)); // 511 characters

    // The platform copies the same 511 characters but reports 1023 bytes: the last is whatever the
    // caller's buffer held.
    char buffer[1024];
    std::memset(buffer, 'Q', sizeof buffer);
    const DWORD length =
        ::GetPrivateProfileStringA("Timer", "DialogText", "", buffer, sizeof buffer, file.c_str());
    EXPECT_EQ(length, 1023u);
    EXPECT_EQ(std::string(buffer, 1022), value.substr(0, 1022));
    EXPECT_EQ(buffer[1022], 'Q');
    EXPECT_EQ(buffer[1023], '\0');
}

TEST(IniCompatibility, HeaderNameEndsAtTheFirstBracket) {
    IniFolder folder;
    const std::string bytes = "[Prop]x]\r\nMove=0\r\n[Form] ; ]\r\nLeft=5\r\n";
    const std::string file = folder.NewFile(bytes);
    const IniDocument doc = IniDocument::Parse(bytes);
    EXPECT_EQ(doc.Get("Prop", "Move"), "0");
    EXPECT_EQ(doc.Get("Form", "Left"), "5");
    // Wine reads up to the last "]".
    EXPECT_EQ(PlatformGet(file, "Prop", "Move"), std::nullopt);
    EXPECT_EQ(PlatformGet(file, "Prop]x", "Move"), "0");
    EXPECT_EQ(PlatformGet(file, "Form", "Left"), std::nullopt);
}

TEST(IniCompatibility, ByteOrderMarkLeavesTheBytesAsTheyAre) {
    IniFolder folder;
    const std::string bytes = "\xEF\xBB\xBF[Timer]\r\nTime=7\r\nDialogText=起きて\r\n";
    const std::string file = folder.NewFile(bytes);
    const IniDocument doc = IniDocument::Parse(bytes);
    EXPECT_EQ(doc.Get("Timer", "Time"), "7");
    EXPECT_EQ(PlatformGet(file, "Timer", "Time"), "7");
    // The platform takes the file for UTF-8, in which these Shift-JIS bytes mean nothing.
    EXPECT_EQ(doc.Get("Timer", "DialogText"), "起きて");
    const auto platform = PlatformGet(file, "Timer", "DialogText");
    ASSERT_TRUE(platform);
    EXPECT_NE(*platform, "起きて");
}

// Writing: the same changes made by SaveSettings' way (our document, written whole) and by the
// platform, key by key, must leave the same values for the platform to read. The starting file
// has every construct on which the two readers agree; the layout of the results may differ.
const std::string kHandMadeFile = "Left=0\r\n; settings\r\n[form]\r\n  LEFT = 10 \r\nTop\nWidth=1\r\n"
                                  "width=2\r\nstray line\r\n\r\n[Prop]\r\nMove=1\r\nTime30=0\r\n[FORM]\r\n"
                                  "Height=99\r\n[Timer]\nSound=C:\\古い\\表.wav\r\nDialogText=\r\nMinutes\r\n"
                                  "[Mine]\r\nkey=kept\r\n";

struct SetCall {
    const char* section;
    const char* key;
    std::string value;
};

std::vector<SetCall> FirstSave() {
    return {{"Form", "Left", "-5"},
            {"Form", "Top", "20"},
            {"Form", "Width", "316"},
            {"Form", "Height", "27"},
            {"Prop", "Page", "2"},
            {"Prop", "Move", "0"},
            {"Prop", "Year", "1"},
            {"Prop", "Front", "1"},
            {"Prop", "Second", "0"},
            {"Prop", "24ON", "1"},
            {"Prop", "English", "1"},
            {"Prop", "Back", "0"},
            {"Prop", "Jihou", "1"},
            {"Prop", "30", "0"},
            {"Prop", "60", "1"},
            {"Prop", "Shadow", "0"},
            {"Font", "Name", "ＭＳ Ｐゴシック"},
            {"Font", "DColor", "clRed"},
            {"Font", "WColor", "$00FF8000"},
            {"Font", "TColor", "clWhite"},
            {"Font", "ShadowDColor", "clBlack"},
            {"Font", "ShadowWColor", "clBlack"},
            {"Font", "ShadowTColor", "clBtnShadow"},
            {"Font", "XInt", "-3"},
            {"Font", "YInt", "4"},
            {"Font", "Size", "20"},
            {"Font", "Style", "3"},
            {"Font", "Pitch", "2"},
            {"Timer", "ON/OFF", "1"},
            {"Timer", "Sound", "C:\\予定表\\ソ.wav"},
            {"Timer", "Time", "7"},
            {"Timer", "Minutes", "  30 "},
            {"Timer", "Dialog", "1"},
            {"Timer", "DialogText", "\"起きて\""}};
}

// Some values as before, some changed, some emptied, one long.
std::vector<SetCall> SecondSave() {
    std::vector<SetCall> calls = FirstSave();
    for (SetCall& c : calls) {
        const std::string key = c.key;
        if (key == "Top")
            c.value = "0";
        else if (key == "Minutes")
            c.value = "30";
        else if (key == "Sound")
            c.value = "";
        else if (key == "Time")
            c.value = "表";
        else if (key == "Name")
            c.value = "Arial";
        else if (key == "DialogText")
            c.value = std::string(2000, 'w');
        else if (key == "Move")
            c.value = " 1";
    }
    return calls;
}

void ExpectSameWriting(IniFolder& folder, const std::string& start,
                       const std::vector<std::vector<SetCall>>& saves) {
    IniDocument doc = IniDocument::Parse(start);
    const std::string theirs = folder.NewFile(start);
    std::vector<KeyRef> keys(std::begin(kProgramKeys), std::end(kProgramKeys));
    keys.push_back({"Mine", "key"});
    keys.push_back({"", "Left"});
    for (std::size_t pass = 0; pass < saves.size(); ++pass) {
        SCOPED_TRACE("save " + std::to_string(pass + 1));
        for (const SetCall& c : saves[pass]) {
            doc.Set(c.section, c.key, c.value);
            ASSERT_TRUE(::WritePrivateProfileStringA(c.section, c.key, c.value.c_str(), theirs.c_str()));
        }
        const std::string ours = folder.NewFile("");
        WriteSettingsDocument(ours, doc);
        const IniDocument reread = IniDocument::Parse(FileBytes(ours));
        for (const KeyRef& k : keys) {
            EXPECT_EQ(Show(PlatformGet(ours, k.section, k.key)), Show(PlatformGet(theirs, k.section, k.key)))
                << k.section << "/" << k.key;
            EXPECT_EQ(Show(reread.Get(k.section, k.key)), Show(doc.Get(k.section, k.key)))
                << k.section << "/" << k.key;
        }
        for (const SetCall& c : saves[pass])
            EXPECT_NE(PlatformGet(ours, c.section, c.key), std::nullopt) << c.section << "/" << c.key;
    }
}

TEST(IniCompatibility, SameChangesLeaveTheSameValues) {
    IniFolder folder;
    ExpectSameWriting(folder, kHandMadeFile, {FirstSave(), SecondSave()});
    ExpectSameWriting(folder, "", {FirstSave(), SecondSave()});
    ExpectSameWriting(folder, "[Timer]\nSound=x\n[Form]\nLeft=1", {SecondSave()});
}

TEST(IniCompatibility, SetCannotPlantLinesWhereThePlatformWould) {
    IniFolder folder;
    const std::string start = "[Timer]\r\nTime=7\r\n";
    IniDocument doc = IniDocument::Parse(start);
    doc.Set("Timer", "DialogText", "wake\r\nExtra=1");
    const std::string ours = folder.NewFile("");
    WriteSettingsDocument(ours, doc);
    const std::string theirs = folder.NewFile(start);
    ASSERT_TRUE(::WritePrivateProfileStringA("Timer", "DialogText", "wake\r\nExtra=1", theirs.c_str()));
    EXPECT_EQ(PlatformGet(ours, "Timer", "DialogText"), "wake");
    EXPECT_EQ(PlatformGet(theirs, "Timer", "DialogText"), "wake");
    EXPECT_EQ(PlatformGet(ours, "Timer", "Extra"), std::nullopt);
    EXPECT_EQ(PlatformGet(theirs, "Timer", "Extra"), "1");
}

TEST(IniCompatibility, ByteOrderMarkFileKeepsShiftJisWhereThePlatformConverts) {
    IniFolder folder;
    const std::string start = "\xEF\xBB\xBF[Timer]\r\nTime=7\r\n";
    IniDocument doc = IniDocument::Parse(start);
    doc.Set("Timer", "DialogText", "起きて");
    const std::string ours = folder.NewFile("");
    WriteSettingsDocument(ours, doc);
    const std::string theirs = folder.NewFile(start);
    ASSERT_TRUE(::WritePrivateProfileStringA("Timer", "DialogText", "起きて", theirs.c_str()));

    const std::string ourBytes = FileBytes(ours);
    EXPECT_EQ(ourBytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(ourBytes.find("DialogText=起きて\r\n"), std::string::npos);
    EXPECT_EQ(IniDocument::Parse(ourBytes).Get("Timer", "DialogText"), "起きて");
    // The platform writes the value as UTF-8 (E8 B5 B7 E3 81 8D E3 81 A6) and reads it back so.
    EXPECT_NE(FileBytes(theirs).find("DialogText=\xE8\xB5\xB7\xE3\x81\x8D\xE3\x81\xA6"), std::string::npos);
    EXPECT_EQ(PlatformGet(theirs, "Timer", "DialogText"), "起きて");
}

} // namespace

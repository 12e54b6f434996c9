// The one edge between the program's Shift-JIS texts and Windows' UTF-16, through the platform's
// own code page 932 tables, and the paths that keep a folder Shift-JIS cannot name.
#include "support/Files.h"
#include "ui/WidePath.h"
#include "ui/WideText.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(WideText, ShiftJisToUtf16AndBack) {
    const std::pair<std::string, std::wstring> rows[] = {
        {"", L""},
        {"Morovin 12:30", L"Morovin 12:30"},
        {"ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ", L"ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"},
        {"プロパティ 時計", L"プロパティ 時計"},
        {"C:\\表\\", L"C:\\表\\"}, // 表 is 0x95 0x5C
    };
    for (const auto& [sjis, wide] : rows) {
        EXPECT_EQ(ui::Wide(sjis), wide) << sjis;
        EXPECT_EQ(ui::Narrow(wide), sjis);
        EXPECT_TRUE(ui::FitsShiftJis(wide)) << sjis;
    }
    // A lead byte followed by no trail byte: a replacement, and what follows is kept.
    const std::wstring invalid = ui::Wide("a\x81\x20"
                                          "b");
    EXPECT_TRUE(invalid.size() >= 3 && invalid.front() == L'a' && invalid.back() == L'b');
    // No look-alike: "é" is not turned into "e".
    EXPECT_EQ(ui::Narrow(L"caf\u00e9.wav"), "caf?.wav");
    EXPECT_FALSE(ui::FitsShiftJis(L"caf\u00e9"));
}

TEST(WidePath, AFolderShiftJisCannotNameStaysWholeForTheFileCalls) {
    const std::wstring folder = L"C:\\caf\u00e9\\時計\\";
    const std::string stored = ui::Narrow(folder + L"Morovin.ini");
    EXPECT_EQ(stored, "C:\\caf?\\時計\\Morovin.ini") << "what is shown and stored";
    EXPECT_EQ(ui::WidePath(stored, folder), folder + L"Morovin.ini");
    EXPECT_EQ(ui::WidePath("C:\\表\\音.wav", folder), L"C:\\表\\音.wav") << "a path elsewhere";
}

TEST(WidePath, APickedFileShiftJisCannotNameIsKeptByANameThatFindsIt) {
    testsupport::ScratchFolder scratch; // its removal sees names only through "A" calls: ours go first
    const std::wstring folder = ui::Wide(scratch.Path()) + L"\\caf\u00e9", file = folder + L"\\chime.wav";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ::CloseHandle(::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    const std::string kept = ui::NarrowPath(file);
    EXPECT_NE(::GetFileAttributesW(ui::WidePath(kept).c_str()), INVALID_FILE_ATTRIBUTES) << kept;
    EXPECT_EQ(ui::NarrowPath(ui::Wide(scratch / "表.wav")), scratch / "表.wav") << "a name it holds is kept";
    ::DeleteFileW(file.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

} // namespace

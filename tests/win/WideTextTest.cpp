// The one edge between the program's Shift-JIS texts and Windows' UTF-16, through the platform's
// own code page 932 tables, and the paths that keep a folder Shift-JIS cannot name.
#include "support/Files.h"
#include "ui/WidePath.h"
#include "ui/WideText.h"

#include <gtest/gtest.h>

#include <windows.h>

using testsupport::ScratchFolder;

namespace {

TEST(WideText, ShiftJisToUtf16AndBack) {
    struct Row {
        const char* what;
        std::string sjis;
        std::wstring wide;
    } rows[] = {
        {"empty", "", L""},
        {"ASCII", "Morovin 12:30", L"Morovin 12:30"},
        {"half-width kana", "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ", L"ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"},
        {"kana and kanji", "プロパティ 時計", L"プロパティ 時計"},
        {"0x5C trail byte", "C:\\表\\", L"C:\\表\\"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ui::Wide(row.sjis), row.wide) << row.what;
        EXPECT_EQ(ui::Narrow(row.wide), row.sjis) << row.what;
        EXPECT_TRUE(ui::FitsShiftJis(row.wide)) << row.what;
    }
    EXPECT_EQ(std::string("\x95\x5C"), "表") << "the literals are the Shift-JIS the program compiles";
}

TEST(WideText, WhatShiftJisCannotHoldIsMarkedNotGuessed) {
    // A lead byte followed by a byte that is no trail byte: one replacement, the rest kept.
    const std::wstring wide = ui::Wide("a\x81\x20"
                                       "b");
    ASSERT_GE(wide.size(), 3u);
    EXPECT_EQ(wide.front(), L'a');
    EXPECT_EQ(wide.back(), L'b');
    EXPECT_NE(ui::Narrow(wide), "a\x81\x20"
                                "b");
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
    EXPECT_EQ(ui::Narrow(ui::ProgramPath()), ui::NarrowProgramPath());
}

// A folder and file of wide names (the scratch folder's removal sees names only through "A" calls).
struct WideNamedFile {
    WideNamedFile(const std::wstring& dir, const std::wstring& name) : folder(dir), file(dir + name) {
        ::CreateDirectoryW(folder.c_str(), nullptr);
        ::CloseHandle(::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }
    ~WideNamedFile() {
        ::DeleteFileW(file.c_str());
        ::RemoveDirectoryW(folder.c_str());
    }
    std::wstring folder, file;
};

TEST(WidePath, APickedFileShiftJisCannotNameIsKeptByANameThatFindsIt) {
    ScratchFolder scratch;
    const WideNamedFile wave(ui::Wide(scratch.Path()) + L"\\caf\u00e9", L"\\chime.wav");
    const std::wstring& file = wave.file;
    ASSERT_NE(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    const std::string kept = ui::NarrowPath(file);
    EXPECT_NE(::GetFileAttributesW(ui::WidePath(kept).c_str()), INVALID_FILE_ATTRIBUTES) << kept;
    EXPECT_EQ(ui::NarrowPath(ui::Wide(scratch / "表.wav")), scratch / "表.wav") << "a name it holds is kept";
}

} // namespace

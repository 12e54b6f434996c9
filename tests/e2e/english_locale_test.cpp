// The clock where the system's code page is not Japanese: started in an English locale (code page
// 1252 under Wine), its dialogs still read in Japanese, and in a folder with a Japanese name it
// reads and saves its settings there, in the Shift-JIS bytes a Japanese system writes.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// Sent as Unicode: an edit box of another process answers only WM_GETTEXT itself.
std::wstring WideTextOf(HWND window) {
    wchar_t text[256] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                          &copied);
    return text;
}

TEST(EnglishLocale, DialogsReadInJapaneseAndAJapaneseFolderKeepsItsShiftJisSettings) {
    ClockFolder folder("時計");
    folder.WriteIni("[Form]\r\nLeft=40\r\nTop=50\r\n[Font]\r\nName=ＭＳ 明朝\r\n"
                    "[Timer]\r\nSound=C:\\表\\音.wav\r\nDialogText=表示の時間です\r\n");
    ClockProcess clock(folder);
    // Wine takes the code page from the Unix locale a process starts with, which only a start from
    // Unix sets. C.UTF-8 is its English (US) locale, code page 1252, and keeps UTF-8 file names
    // (en_US.UTF-8 would too where glibc has it generated).
    HWND hwnd = clock.StartThroughShell({"LC_ALL=C.UTF-8"});
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(WaitForFirstLayout(hwnd)); // the window exists before the settings are read
    EXPECT_EQ(WindowRectOf(hwnd).left, 40) << "the settings file in 時計 was read";
    EXPECT_EQ(WindowRectOf(hwnd).top, 50);

    HWND dialog = OpenDialogFromTrayMenu(clock, hwnd, kProperties, "TPropForm");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WideTextOf(dialog), L"プロパティ");
    std::vector<std::wstring> buttons;
    for (HWND button : ChildrenOf(dialog, "Button"))
        buttons.push_back(WideTextOf(button));
    EXPECT_EQ(buttons, (std::vector<std::wstring>{L"確定", L"更新", L"閉じる"}));
    const std::vector<HWND> pages = PagesOf(dialog);
    ASSERT_EQ(pages.size(), 3u);
    const std::vector<HWND> edits = ChildrenOf(pages[2], "Edit");
    ASSERT_GE(edits.size(), 2u) << "the wave file and the message first";
    EXPECT_EQ(WideTextOf(edits[0]), L"C:\\表\\音.wav");
    EXPECT_EQ(WideTextOf(edits[1]), L"表示の時間です");

    // Confirmed: the texts come back out of the dialog's boxes into the settings.
    ::PostMessageW(::FindWindowExW(dialog, nullptr, L"Button", L"確定"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); }, 5000));
    ASSERT_TRUE(clock.Quit());
    EXPECT_EQ(NamesIn(folder.Path()), (std::vector<std::string>{"Morovin.exe", "Morovin.ini"}));
    const std::string ini = folder.ReadIni();
    EXPECT_EQ(IniValue(ini, "Name"), "\x82\x6c\x82\x72 \x96\xbe\x92\xa9") << "ＭＳ 明朝 in Shift-JIS";
    EXPECT_EQ(IniValue(ini, "Sound"), "C:\\\x95\x5c\\\x89\xb9.wav") << "C:\\表\\音.wav in Shift-JIS";
    EXPECT_EQ(IniValue(ini, "DialogText"), "表示の時間です");
}

} // namespace

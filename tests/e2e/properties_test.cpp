// The Properties dialog on the real program, from the tray menu, driven from this process as a
// user would: a picker cancelled and confirmed, another page, the close box, and the page shown
// reaching the settings file at the next save.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace testsupport;

namespace {

int ShownPage(HWND dialog) {
    return static_cast<int>(
        ::SendMessageA(::FindWindowExA(dialog, nullptr, WC_TABCONTROLA, nullptr), TCM_GETCURSEL, 0, 0));
}

TEST(Properties, MenuOpensTheDialogAndThePageShownAtTheCloseBoxReachesTheFileOnQuit) {
    ClockFolder folder;
    folder.WriteIni("[Prop]\r\nPage=7\r\n");
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr) << "waited for the clock window";
    HWND dialog = OpenDialogFromTrayMenu(clock, hwnd, kProperties, "TPropForm");
    ASSERT_NE(dialog, nullptr) << "waited for the Properties dialog after choosing プロパティ";

    EXPECT_EQ(TextOf(dialog), "プロパティ");
    RECT client{};
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 223);
    EXPECT_EQ(client.bottom, 286);
    EXPECT_TRUE(::GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(::GetWindowLongA(dialog, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    const RECT frame = WindowRectOf(dialog);
    EXPECT_EQ(frame.left, (::GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2) << "centred";
    EXPECT_FALSE(::IsWindowEnabled(hwnd)) << "the clock takes no input while the dialog is open";
    ExpectNoTaskbarButton(clock.Id());
    EXPECT_EQ(ShownPage(dialog), 1) << "a stored page outside 0-2 opens on フォント・カラー";

    const std::vector<HWND> pages = PagesOf(dialog);
    ASSERT_EQ(pages.size(), 3u);
    HWND fontButton = ::FindWindowExA(pages[1], nullptr, "BUTTON", "フォントの設定");
    ASSERT_NE(fontButton, nullptr);
    EXPECT_TRUE(AnswerPicker(clock.Id(), fontButton, IDCANCEL))
        << "waited for the font picker to open and go";
    EXPECT_TRUE(AnswerPicker(clock.Id(), fontButton, IDOK)) << "waited for the font picker to open and go";
    HWND colourButton = ::FindWindowExA(pages[1], nullptr, "BUTTON", "日付");
    ASSERT_NE(colourButton, nullptr);
    EXPECT_TRUE(AnswerPicker(clock.Id(), colourButton, IDOK)) << "waited for the colour picker";

    // The arrow key on the tabs turns to "タイマー・他".
    ::PostMessageA(::FindWindowExA(dialog, nullptr, WC_TABCONTROLA, nullptr), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(WaitUntil([&] { return ShownPage(dialog) == 2 && ::IsWindowVisible(pages[2]); }, 3000))
        << "waited for the third page to show";

    ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 5000))
        << "waited for the dialog to be released";
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(hwnd) != FALSE; }, 3000));

    ASSERT_TRUE(clock.Quit());
    EXPECT_EQ(IniValue(folder.ReadIni(), "Page"), "2");
}

} // namespace

// "確定" on the real program: options, font, colour, wave file and alarm changed in the dialog
// reach the clock and its settings file at once, and a restarted clock comes back with them.
#include "support/ClockProcess.h"
#include "support/WaveFile.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace testsupport;

namespace {

constexpr int kFaceCombo = 0x470, kStyleCombo = 0x471, kSizeCombo = 0x472; // font picker
constexpr int kRedBox = 0x2c2, kGreenBox = 0x2c3, kBlueBox = 0x2c4;        // colour picker
constexpr const char* kFace = "IPA Pゴシック";      // as the Japanese locale lists IPAPGothic
constexpr int kNameBox = 0x480, kNameCombo = 0x47c; // file picker

HWND ButtonOn(HWND page, const char* caption) {
    return ::FindWindowExA(page, nullptr, "BUTTON", caption);
}

// The page's edit boxes in creation order.
std::vector<HWND> EditsOn(HWND page) {
    return ChildrenOf(page, "EDIT");
}

// The settings file without the keys that follow the time text's width or the page last shown.
std::string Lasting(const std::string& ini) {
    std::istringstream lines(ini);
    std::string line, kept;
    while (std::getline(lines, line))
        if (line.rfind("Width=", 0) != 0 && line.rfind("Height=", 0) != 0 && line.rfind("Page=", 0) != 0)
            kept += line + "\n";
    return kept;
}

TEST(PropertiesApply, ConfirmedChangesReachTheFileAndComeBackAfterARestart) {
    ClockFolder folder; // no settings file: every option on, the alarm by message box
    const std::string wave = folder.Path() + "\\chime.wav";
    wave::WriteBytes(wave, wave::FileBytes(22050, 2205));
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr) << "waited for the clock window";
    ASSERT_TRUE(WaitUntil([&] { return ::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST; }, 5000));
    HWND dialog = OpenDialogFromTrayMenu(clock, hwnd, kProperties, "TPropForm");
    ASSERT_NE(dialog, nullptr) << "waited for the Properties dialog after choosing プロパティ";
    const std::vector<HWND> pages = PagesOf(dialog);
    ASSERT_EQ(pages.size(), 3u);

    for (const char* option : {"年を表示する", "常に前面に表示する", "秒を表示する"}) {
        HWND box = ButtonOn(pages[0], option);
        ASSERT_TRUE(box && ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) << option;
        ::SendMessageA(box, BM_CLICK, 0, 0);
    }
    EXPECT_TRUE(AnswerPicker(clock.Id(), ButtonOn(pages[1], "フォントの設定"), IDOK, [](HWND picker) {
        // Typed into the boxes: list texts cannot be searched from another process.
        ::SetDlgItemTextA(picker, kFaceCombo, kFace);
        ::SendMessageA(picker, WM_COMMAND, MAKEWPARAM(kFaceCombo, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(::GetDlgItem(picker, kFaceCombo)));
        HWND styles = ::GetDlgItem(picker, kStyleCombo);
        const WPARAM boldItalic = ::SendMessageA(styles, CB_GETCOUNT, 0, 0) - 1; // the last style
        ::SendMessageA(styles, CB_SETCURSEL, boldItalic, 0);
        ::SendMessageA(picker, WM_COMMAND, MAKEWPARAM(kStyleCombo, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(styles));
        ::SetDlgItemTextA(picker, kSizeCombo, "28");
        ::SendMessageA(picker, WM_COMMAND, MAKEWPARAM(kSizeCombo, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(::GetDlgItem(picker, kSizeCombo)));
    })) << "waited for the font picker";
    EXPECT_TRUE(AnswerPicker(clock.Id(), ButtonOn(pages[1], "時間"), IDOK, [](HWND picker) {
        ::SetDlgItemTextA(picker, kRedBox, "18");
        ::SetDlgItemTextA(picker, kGreenBox, "52");
        ::SetDlgItemTextA(picker, kBlueBox, "86");
    })) << "waited for the colour picker";
    EXPECT_TRUE(AnswerPicker(clock.Id(), ButtonOn(pages[2], "開く"), IDOK, [&](HWND picker) {
        ::SetDlgItemTextA(picker, ::GetDlgItem(picker, kNameBox) ? kNameBox : kNameCombo, wave.c_str());
    })) << "waited for the file picker";
    const std::vector<HWND> edits = EditsOn(pages[2]); // Edit1, Edit2, TimeEdt, SecoEdt
    ASSERT_EQ(edits.size(), 4u);
    ::SetWindowTextA(edits[1], "起きる時間です");
    ::SetWindowTextA(edits[2], "7");
    ::SetWindowTextA(edits[3], "05");

    ::PostMessageA(ButtonOn(dialog, "確定"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 5000))
        << "waited for 確定 to close the dialog";
    EXPECT_FALSE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) << "the level changed at once";
    const std::string applied = folder.ReadIni();
    const std::pair<const char*, std::string> keys[] = {{"Year", "0"},
                                                        {"Front", "0"},
                                                        {"Second", "0"},
                                                        {"Name", kFace},
                                                        {"Size", "28"},
                                                        {"Style", "3"},
                                                        {"TColor", "$00563412"},
                                                        {"Sound", wave},
                                                        {"Time", "7"},
                                                        {"Minutes", "05"},
                                                        {"DialogText", "起きる時間です"}};
    for (const auto& [key, value] : keys)
        EXPECT_EQ(IniValue(applied, key), value) << key;

    ASSERT_TRUE(clock.Quit());
    ClockProcess again(folder);
    again.Start();
    hwnd = again.ClockWindow();
    ASSERT_NE(hwnd, nullptr) << "waited for the restarted clock";
    EXPECT_FALSE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // What the restarted clock loaded is what it saves when it quits.
    ASSERT_TRUE(again.Quit());
    EXPECT_EQ(Lasting(folder.ReadIni()), Lasting(applied));
}

} // namespace
